// The installer's hold on its own file: only the running program's file is
// held, and what is copied from it is that file, byte for byte.
#include "general/windows/running_image.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "general/windows/system.h"
#include "general/windows/text.h"
#include "tests/support/child_program.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/worker_environment.h"

namespace {

using general::windows::running_image;
namespace fs = std::filesystem;

class running_image_test : public testing::Test {
protected:
    test_support::scratch_folder folder;
    const std::wstring own_path = general::windows::executable_path();
};

TEST_F(running_image_test, only_the_file_of_the_running_program_is_held)
{
    struct row {
        std::wstring path;
        bool held;
        std::wstring reason; // what the failure says after the path
    };
    for (const auto& [path, held, reason] :
         std::vector<row>{{own_path, true, L""},
                          // Another program presented as this one.
                          {test_support::copy_child_program(folder.path(), L"other.exe").wstring(), false,
                           L" is not the running program: its headers differ"},
                          {(folder.path() / L"missing.exe").wstring(), false, L" cannot be opened"},
                          {folder.path().wstring(), false, L""}}) {
        const auto image = running_image::open(path);
        EXPECT_EQ(static_cast<bool>(image), held) << general::windows::wide_to_utf8(path);
        EXPECT_EQ(image.path(), path);
        EXPECT_EQ(image.failure().empty(), held);
        if (!held) {
            EXPECT_TRUE(image.failure().starts_with(path + reason)) << general::windows::wide_to_utf8(image.failure());
        }
    }
    EXPECT_FALSE(running_image{});
    EXPECT_TRUE(running_image::open_own());
}

TEST_F(running_image_test, the_copy_is_the_held_file_and_never_replaces_one)
{
    const auto own = running_image::open_own();
    ASSERT_TRUE(own) << general::windows::wide_to_utf8(own.failure());
    EXPECT_TRUE(own.is_same_file(own_path));
    const fs::path copy = folder.path() / L"copy.exe";
    EXPECT_EQ(own.copy_to(copy.wstring()), L"");
    EXPECT_TRUE(test_support::file_bytes(copy) == test_support::file_bytes(own_path));
    EXPECT_FALSE(own.is_same_file(copy.wstring()));

    // An existing file stays as it was.
    std::ofstream{folder.path() / L"taken.exe"} << "taken";
    EXPECT_TRUE(own.copy_to((folder.path() / L"taken.exe").wstring()).starts_with(L"cannot create "));
    EXPECT_EQ(test_support::file_bytes(folder.path() / L"taken.exe"), "taken");

    // A file not held is not copied.
    const auto other = running_image::open(test_support::copy_child_program(folder.path(), L"other.exe").wstring());
    EXPECT_EQ(other.copy_to((folder.path() / L"other copy.exe").wstring()), other.failure());
    EXPECT_FALSE(fs::exists(folder.path() / L"other copy.exe"));
}

} // namespace
