// Starting through the shell, and the signature check.
#include <gtest/gtest.h>

#include <fstream>

#include "general/windows/com.h"
#include "general/windows/system.h"
#include "tests/support/child_program.h"
#include "tests/support/scratch_folder.h"

namespace {

using namespace std::chrono_literals;
using namespace general::windows;
namespace fs = std::filesystem;

// --- run_elevated ------------------------------------------------------------
TEST(shell, run_elevated_starts_the_program_with_its_parameters)
{
    test_support::scratch_folder folder;
    const auto child = test_support::copy_child_program(folder.path(), L"elevated.exe");
    ASSERT_TRUE(run_elevated(child.wstring(), L"0 0 /u"));
    const auto record = test_support::wait_for_child_record(child, 10s);
    ASSERT_TRUE(record.has_value());
    EXPECT_NE(record->command_line.find(L"0 0 /u"), std::wstring::npos);
    EXPECT_FALSE(run_elevated((folder.path() / L"missing.exe").wstring(), L""));
}

// --- open_address --------------------------------------------------------------

// The tests run elevated as far as the program can tell; what the address opens
// must be started by the desktop's shell, not inherit this process's rights.
TEST(shell, open_address_lets_the_desktop_shell_start_what_it_opens)
{
    const com_apartment apartment;
    // A window of ours makes sure the desktop (and its shell) exists.
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    test_support::scratch_folder folder;
    const auto child = test_support::copy_child_program(folder.path(), L"opened.exe");
    ASSERT_TRUE(open_address(child.wstring()));
    const auto record = test_support::wait_for_child_record(child, 10s);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(_wcsicmp(record->parent_image.c_str(), L"explorer.exe"), 0) << record->parent_image;
    EXPECT_FALSE(open_address(L""));
    DestroyWindow(window);
}

// --- verify_file_signature ---------------------------------------------------

const fs::path signed_program = fs::path{executable_directory()} / L"qel_test_child_signed.exe";

TEST(signature, unsigned_missing_and_non_program_files_are_refused)
{
    test_support::scratch_folder folder;
    const auto program = test_support::copy_child_program(folder.path(), L"unsigned.exe");
    EXPECT_FALSE(verify_file_signature(program.wstring()));
    EXPECT_FALSE(verify_file_signature((folder.path() / L"missing.exe").wstring()));
    EXPECT_FALSE(verify_file_signature(L""));
    std::ofstream{folder.path() / L"text.exe"} << "not a program";
    EXPECT_FALSE(verify_file_signature((folder.path() / L"text.exe").wstring()));
}

// The signed copy is made at build time with a throwaway certificate. Wine does
// not insist on a trusted root (Windows would), so there it passes.
TEST(signature, a_signed_program_passes_and_one_changed_byte_fails_it)
{
    if (!fs::exists(signed_program))
        GTEST_SKIP() << "no signed program: osslsigncode or openssl was missing at build time";
    EXPECT_TRUE(verify_file_signature(signed_program.wstring()));

    test_support::scratch_folder folder;
    const auto tampered = folder.path() / L"tampered.exe";
    fs::copy_file(signed_program, tampered);
    {
        // A byte of code, well inside the signed part of the file.
        std::fstream file{tampered, std::ios::in | std::ios::out | std::ios::binary};
        file.seekg(0x600);
        const char byte = static_cast<char>(file.get());
        file.seekp(0x600);
        file.put(static_cast<char>(byte ^ 0x5A));
    }
    EXPECT_FALSE(verify_file_signature(tampered.wstring()));
}

} // namespace
