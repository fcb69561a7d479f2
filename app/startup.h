#pragma once
// The process entry: brings the process-wide services up in a fixed order, decides
// whether to relaunch with administrator rights, runs the main dialog and its
// message loop, and shuts everything down again. Runs on the user-interface thread.
#include <winsock2.h>
#include <windows.h>

#include <string>

namespace general::windows {
class running_image;
}

namespace startup {

// Exit code of a process that relaunched itself elevated and showed nothing.
constexpr int relaunched_exit_code = 1;

// Only Windows XP lacks the manifest-driven elevation; there a standard user's
// process starts an elevated copy of itself instead.
bool needs_elevated_relaunch(int windows_version, bool is_admin);

// Creates the main dialog, runs the loop and returns the quit code; 0 when the
// dialog cannot be created. `own`, the installer's own file, must outlive the
// call: the dialog copies it after installing.
int run(HINSTANCE instance, const std::wstring& command_line, int show_command,
        const general::windows::running_image& own);

// The whole start-up and shut-down around `run`; returns the process exit code.
int entry(HINSTANCE instance, const wchar_t* command_line, int show_command);

} // namespace startup
