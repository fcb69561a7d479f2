// The copy of the installer that the protection product later runs elevated
// for its removal is the program that ran, whatever a user does to the file the
// installer was started from: started from a folder of the user's own, the
// installer keeps that file from being renamed or replaced for the whole run.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <iostream>
#include <string>

#include "general/windows/handle.h"
#include "general/windows/signature.h"
#include "general/windows/text.h"
#include "resources/resource_ids.h"
#include "tests/flows/flow_driver.h"
#include "tests/support/child_program.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/worker_environment.h"

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

class held_installer : public testing::Test {
protected:
    void SetUp() override { flows::clean_machine(); }
    void TearDown() override { flows::clean_machine(); }
};

// The flows run the installer signed as a release is, so whatever the
// signature changes in the file (its headers' checksum and signature entry,
// bytes after the last section), the check of the running image and the copy
// meet it.
TEST(installer_under_test, is_signed_by_the_test_signer)
{
    const general::windows::unique_file file{CreateFileW(flows::installer_path().c_str(), GENERIC_READ, FILE_SHARE_READ,
                                                         nullptr, OPEN_EXISTING, 0, nullptr)};
    ASSERT_TRUE(file) << "cannot open the installer under test";
    const auto check = general::windows::check_file_signature(file.get(), flows::installer_path());
    EXPECT_EQ(check.status, 0) << "the installer under test is not validly signed";
    EXPECT_EQ(check.signer, (general::windows::publisher{L"qel test signer", L"qel test CA"}));
}

TEST_F(held_installer, the_copy_beside_the_product_is_the_program_that_ran)
{
    test_support::scratch_folder temp;
    test_support::scratch_folder downloads;
    const fs::path program = downloads.path() / L"installer.exe";
    fs::copy_file(flows::installer_path(), program);
    const std::string original = test_support::file_bytes(program);
    const fs::path other = test_support::copy_child_program(downloads.path(), L"other.exe");

    flows::installer_run run(program, L"", temp.path(), {});
    run.wait_page(L"start", 60s);
    // What any program of the user could do meanwhile: move the file away and
    // put another program at its path, or write over it in place.
    const bool renamed = MoveFileExW(program.c_str(), (downloads.path() / L"moved.exe").c_str(), 0);
    if (renamed)
        CopyFileW(other.c_str(), program.c_str(), FALSE);
    EXPECT_FALSE(renamed) << "the running installer's file was renamed";
    EXPECT_FALSE(MoveFileExW(other.c_str(), program.c_str(), MOVEFILE_REPLACE_EXISTING));
    EXPECT_FALSE(CopyFileW(other.c_str(), program.c_str(), FALSE));

    try {
        run.choose(IDC_BOTH_RADIO, 60s);
        run.press(IDOK);
        run.wait_page(L"finish", 120s);
        run.press(IDOK);
    } catch (const std::exception& failure) {
        FAIL() << failure.what() << "\nlog:\n" << flows::log_tail(temp.path());
    }
    const auto code = run.wait_exit(60s);
    ASSERT_TRUE(code.has_value()) << run.describe();
    EXPECT_EQ(*code, 0u);
    const fs::path copy = L"C:\\Program Files\\Sentovar\\SentovarInstaller.exe";
    EXPECT_TRUE(test_support::file_bytes(copy) == original) << "the copy is not the installer that ran";
    EXPECT_NE(flows::log_text(temp.path()).find("copied the installer to " + copy.string()), std::string::npos);
    if (HasFailure())
        std::cout << "log:\n" << flows::log_tail(temp.path(), 60);
}

} // namespace
