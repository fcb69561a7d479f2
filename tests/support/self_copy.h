#pragma once
// Runs one test of the running test executable again, from a copy of it in
// another folder: for code that looks for files beside the executable, so a test
// can lay out that folder without touching the build tree.
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

#include <winsock2.h>
#include <windows.h>

namespace test_support {

// Copies the running executable into `folder` and runs the copy with
// --gtest_filter=`test_filter`, without a console, from `folder`. Returns the
// copy's exit code (0 when the selected tests passed), or nothing when it could
// not start or did not end within `timeout` (it is then ended). Throws
// std::filesystem::filesystem_error when the copy fails.
std::optional<DWORD> run_self_copy(const std::filesystem::path& folder, const std::wstring& test_filter,
                                   std::chrono::milliseconds timeout = std::chrono::seconds{60});

} // namespace test_support
