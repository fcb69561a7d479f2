#pragma once
// Wrappers of the Windows services the installer needs. They report failure
// through their results (false, 0, empty text) and never throw, except for
// std::bad_alloc. Safe to call from any thread. Functions that Windows XP lacks
// are looked up at run time, so the executable still loads there.
#include <winsock2.h>
#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace general::windows {

// Version classes; callers compare the numbers (start-up tests for 1, the HTTP
// client for "greater than 7").
enum windows_version_code : int {
    version_other = 0,
    version_xp = 1,
    version_xp_x64 = 2,
    version_server_2003 = 3,
    version_home_server = 4,
    version_server_2003_r2 = 5,
    version_vista = 6,
    version_server_2008 = 7,
    version_7 = 8,
    version_server_2008_r2 = 9,
    version_8 = 10,
    version_server_2012 = 11,
};

// What the classification looks at, so it can be checked without the system.
struct version_facts {
    DWORD major = 0;
    DWORD minor = 0;
    BYTE product_type = 0;           // VER_NT_WORKSTATION, ...
    WORD suite_mask = 0;             // VER_SUITE_WH_SERVER, ...
    int server_r2 = 0;               // GetSystemMetrics(SM_SERVERR2)
    WORD processor_architecture = 0; // PROCESSOR_ARCHITECTURE_*
};
int classify_windows_version(const version_facts& facts);

int windows_version();
bool is_64bit_windows();
// Computed on the first call, then cached for the process.
bool is_user_admin();
bool run_elevated(const std::wstring& program, const std::wstring& parameters);

// One variable a child's environment sets in place of this process's value.
struct environment_setting {
    std::wstring name;
    std::wstring value;
};

// This process's environment with `settings` in place of the variables of the
// same names (compared without regard to case, as Windows does), as the block
// CreateProcessW takes with CREATE_UNICODE_ENVIRONMENT: "name=value" strings,
// each ended by a null, the whole ended by one more; sorted by name, which
// Windows expects of a block it is given.
std::wstring environment_block(const std::vector<environment_setting>& settings);

// Starts `command_line` (used as is, not quoted). Returns the process id, 0 on
// failure. With `wait` it blocks until the process ends and stores its exit code
// in `exit_code` when given; without waiting the stored code is STILL_ACTIVE.
// `environment`: variables the child gets in place of this process's (the
// temporary folder, say); none: this process's environment unchanged.
DWORD create_process(const std::wstring& command_line, bool wait, bool hidden,
                     const std::wstring& working_directory = {}, DWORD* exit_code = nullptr,
                     const std::vector<environment_setting>& environment = {});

std::wstring process_image_path(HMODULE module, HANDLE process);
std::wstring executable_path();
std::wstring executable_directory();
std::wstring temp_directory();
std::wstring special_folder(int csidl);
std::wstring system_directory();
bool is_process_running(const std::wstring& image_name, DWORD skip_process_id, bool case_sensitive);
// Opens an address (a web page, a file) with the program the user chose for it,
// through the desktop's shell only: the shell starts that program, so it runs
// with the user's normal rights even when this process is elevated. Where the
// shell cannot be reached nothing is opened, since from here it would inherit
// this process's rights: false, and the log says "did not open <address>" and
// why. Returns whether the shell took the request; it does not wait for the
// program. The user-interface thread (it may pump messages while the shell
// answers).
bool open_address(const std::wstring& address);
// Starts the program at `program`, a full path, without arguments, in a normal
// window and without waiting, through the desktop's shell as open_address does:
// a long-running program of the user's session then runs with the user's
// normal rights even when this process is elevated. Where the shell cannot be
// reached nothing is started (false; the log says "did not start <program>"
// and why). The shell reports nothing back about the program it starts, so a
// path that is not a full one, or names no file, is refused (false) before the
// shell is asked. The user-interface thread, as open_address.
bool start_program(const std::wstring& program);
bool verify_file_signature(const std::wstring& path);

// Restricts the DLL search path to the system folder, so a DLL planted beside the
// executable (a Downloads folder) is never loaded. Called first thing at start-up.
void restrict_dll_search_path();

} // namespace general::windows
