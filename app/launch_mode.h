#pragma once
// How the installer was started, fixed for the whole run.
#include <string_view>

enum launch_mode : int {
    install = 0,     // anything else, including an empty command line
    uninstall = 1,   // exactly "/u": ask the user to keep the protection product
    uninstalled = 2, // exactly "/ud": closing page and clean-up after removal
};

// The whole command line is compared, case-sensitively and character for
// character: "/U", " /u" or "/u x" start an installation.
launch_mode parse_launch_mode(std::wstring_view command_line);
