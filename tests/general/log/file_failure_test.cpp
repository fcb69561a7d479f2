// Rotation that cannot finish, logs that cannot be opened, and logs that must not
// be opened: the caller's line is kept where possible and nothing escapes.
#include "general/log/file.h"

#include <gtest/gtest.h>

#include <memory>

#include "tests/general/log/log_files.h"
#include "tests/support/scratch_folder.h"

namespace {

using general::log::file;
using general::windows::unique_file;
using namespace log_test;

// Open the way another program might: readable, but without allowing the file
// to be deleted or renamed while held.
unique_file hold(const std::filesystem::path& path)
{
    return unique_file{CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, 0, nullptr)};
}

class log_file_failure : public testing::Test {
protected:
    test_support::scratch_folder scratch;
    std::filesystem::path at(const std::wstring& file_name) const { return scratch.path() / file_name; }
};

TEST_F(log_file_failure, held_rotated_file_leaves_the_line_in_the_current_one)
{
    write_bytes(at(L"t.1.log"), "previous\r\n");
    file log(0, scratch.path(), L"t", 0, 1, 0);
    {
        const auto held = hold(at(L"t.1.log"));
        ASSERT_TRUE(held);
        EXPECT_NO_THROW(write_numbered(log, 101));
        EXPECT_EQ(read_bytes(at(L"t.1.log")), "previous\r\n");
        EXPECT_EQ(lines_of(read_bytes(at(L"t.log"))).size(), 101u);
    }
    // Tried again only after another full count.
    write_numbered(log, 100, L"m", 101);
    EXPECT_EQ(read_bytes(at(L"t.1.log")), "previous\r\n");
    log.write(1, L"trigger");
    EXPECT_EQ(lines_of(read_bytes(at(L"t.1.log"))).size(), 201u);
    EXPECT_EQ(lines_of(read_bytes(at(L"t.log"))).size(), 1u);
}

TEST_F(log_file_failure, held_oldest_file_does_not_cost_the_newer_one)
{
    write_bytes(at(L"t.1.log"), "previous\r\n");
    write_bytes(at(L"t.2.log"), "oldest\r\n");
    const auto held = hold(at(L"t.2.log"));
    ASSERT_TRUE(held);
    file log(0, scratch.path(), L"t", 0, 2, 0);
    EXPECT_NO_THROW(write_numbered(log, 101));
    EXPECT_EQ(read_bytes(at(L"t.1.log")), "previous\r\n");
    EXPECT_EQ(read_bytes(at(L"t.2.log")), "oldest\r\n");
    EXPECT_EQ(lines_of(read_bytes(at(L"t.log"))).size(), 101u);
}

TEST_F(log_file_failure, held_current_file_keeps_growing)
{
    file log(0, scratch.path(), L"t", 0, 2, 0);
    const auto held = hold(at(L"t.log"));
    ASSERT_TRUE(held);
    EXPECT_NO_THROW(write_numbered(log, 150));
    EXPECT_FALSE(std::filesystem::exists(at(L"t.1.log")));
    EXPECT_EQ(lines_of(read_bytes(at(L"t.log"))).size(), 150u);
}

TEST_F(log_file_failure, new_file_that_cannot_be_opened_leaves_lines_in_the_rotated_one)
{
    auto fail = std::make_shared<bool>(false);
    file log(0, scratch.path(), L"t", 0, 2, 0, [fail](const std::filesystem::path& path) {
        return *fail ? unique_file{} : general::log::open_log_file(path);
    });
    *fail = true;
    write_numbered(log, 202); // rotation at m100; m201 is the next check, and fails again
    EXPECT_FALSE(std::filesystem::exists(at(L"t.log")));
    const auto rotated = lines_of(read_bytes(at(L"t.1.log")));
    ASSERT_EQ(rotated.size(), 202u) << "the triggering line and those after it are in the rotated file";
    EXPECT_EQ(after_stamp(rotated.back()), " I| m201");

    // The current name is opened again at the next check, without another rename.
    *fail = false;
    write_numbered(log, 100, L"m", 202);
    EXPECT_FALSE(std::filesystem::exists(at(L"t.log")));
    log.write(1, L"back");
    EXPECT_EQ(lines_of(read_bytes(at(L"t.1.log"))).size(), 302u);
    const auto current = lines_of(read_bytes(at(L"t.log")));
    ASSERT_EQ(current.size(), 1u);
    EXPECT_EQ(after_stamp(current[0]), " I| back");
    EXPECT_FALSE(std::filesystem::exists(at(L"t.2.log")));
}

TEST_F(log_file_failure, log_that_cannot_be_opened_drops_lines)
{
    write_bytes(at(L"plain"), "x");
    const auto directory = at(L"plain") / L"sub"; // below a file: cannot be created
    EXPECT_NO_THROW({
        file log(0, directory, L"t", 0, 2, 0);
        write_numbered(log, 250);
        log.flush();
    });
    EXPECT_EQ(read_bytes(at(L"plain")), "x");
    EXPECT_FALSE(std::filesystem::exists(directory));
}

TEST_F(log_file_failure, hard_linked_log_is_refused)
{
    write_bytes(at(L"elsewhere"), "not a log\r\n");
    ASSERT_TRUE(CreateHardLinkW(at(L"t.log").c_str(), at(L"elsewhere").c_str(), nullptr));
    {
        file log(0, scratch.path(), L"t", 0, 2, 0);
        write_numbered(log, 5);
    }
    EXPECT_EQ(read_bytes(at(L"elsewhere")), "not a log\r\n");
}

// Wine cannot create reparse points (it follows Linux symbolic links and rejects
// FSCTL_SET_REPARSE_POINT), so the refusal is checked on the facts the open looks at.
TEST(log_file_safety, reparse_points_and_extra_links_are_refused)
{
    BY_HANDLE_FILE_INFORMATION facts{};
    facts.dwFileAttributes = FILE_ATTRIBUTE_ARCHIVE;
    facts.nNumberOfLinks = 1;
    EXPECT_TRUE(general::log::is_safe_log_file(facts));
    facts.dwFileAttributes = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_REPARSE_POINT;
    EXPECT_FALSE(general::log::is_safe_log_file(facts));
    facts.dwFileAttributes = FILE_ATTRIBUTE_ARCHIVE;
    facts.nNumberOfLinks = 2;
    EXPECT_FALSE(general::log::is_safe_log_file(facts));
}

} // namespace
