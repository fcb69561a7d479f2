#pragma once
// Access to the child program built beside the test executables
// (support/child/child_program.cpp): copies of it under any name, and the record
// each run leaves beside the copy that ran.
#include <winsock2.h>
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "general/windows/handle.h"

namespace test_support {

// Copies the child program to `folder` under `file_name` and returns the copy's
// path. Throws std::filesystem::filesystem_error when the program is missing.
std::filesystem::path copy_child_program(const std::filesystem::path& folder, const std::wstring& file_name);

// What a run of the copy at `program` recorded; nothing when it did not run.
struct child_record {
    std::wstring command_line;
    std::wstring current_folder;
    DWORD startup_flags = 0;
    WORD show_window = 0;
    std::wstring parent_image; // "explorer.exe"; empty when the parent had ended
    std::wstring tmp;          // its TMP and TEMP variables, empty when unset
    std::wstring temp;
};
std::optional<child_record> read_child_record(const std::filesystem::path& program);

// Waits up to `timeout` for the copy at `program` to leave its record.
std::optional<child_record> wait_for_child_record(const std::filesystem::path& program,
                                                  std::chrono::milliseconds timeout);

// Ends a process when it goes out of scope, so a test that fails halfway
// leaves no sleeping child behind.
class process_killer {
public:
    explicit process_killer(DWORD process_id);
    ~process_killer();
    process_killer(const process_killer&) = delete;
    process_killer& operator=(const process_killer&) = delete;

    // Waits for the process to end by itself; its exit code, or nothing on time-out.
    std::optional<DWORD> wait(std::chrono::milliseconds timeout);

private:
    general::windows::unique_handle process_;
};

} // namespace test_support
