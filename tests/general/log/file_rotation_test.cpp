// When the log rotates, what each file holds afterwards, and how the write count
// and the minimum level steer it.
#include "general/log/file.h"

#include <gtest/gtest.h>

#include "tests/general/log/log_files.h"
#include "tests/support/scratch_folder.h"

namespace {

using general::log::file;
using namespace log_test;

class log_file_rotation : public testing::Test {
protected:
    test_support::scratch_folder scratch;
    std::filesystem::path at(const std::wstring& file_name) const { return scratch.path() / file_name; }
    file make(int max_size, int max_files, int min_level = 0) const
    {
        return file(min_level, scratch.path(), L"t", max_size, max_files, 0);
    }
    std::string old_content() const { return std::string(1000, 'o') + "\r\n"; }
};

TEST_F(log_file_rotation, no_kept_files_means_no_rotation)
{
    write_bytes(at(L"t.log"), old_content());
    {
        auto log = make(10, 0);
        write_numbered(log, 300);
    }
    EXPECT_FALSE(std::filesystem::exists(at(L"t.1.log")));
    EXPECT_EQ(lines_of(read_bytes(at(L"t.log"))).size(), 301u);
}

TEST_F(log_file_rotation, file_over_the_limit_takes_100_lines_then_rotates)
{
    write_bytes(at(L"t.log"), old_content());
    auto log = make(100, 2);
    write_numbered(log, 100);
    EXPECT_FALSE(std::filesystem::exists(at(L"t.1.log")));

    log.write(1, L"trigger");
    const auto rotated = lines_of(read_bytes(at(L"t.1.log")));
    ASSERT_EQ(rotated.size(), 101u);
    EXPECT_EQ(rotated[0] + "\r\n", old_content());
    EXPECT_EQ(after_stamp(rotated[100]), " I| m99");
    const auto current = lines_of(read_bytes(at(L"t.log")));
    ASSERT_EQ(current.size(), 1u);
    EXPECT_EQ(after_stamp(current[0]), " I| trigger");
}

TEST_F(log_file_rotation, exactly_max_size_is_not_rotated)
{
    // Every message m100..m199 gives a line of the same length.
    const std::string start(500, 'o');
    const int line_length = static_cast<int>(stamp_length + std::string(" I| m100\r\n").size());
    write_bytes(at(L"t.log"), start);
    auto log = make(static_cast<int>(start.size()) + 100 * line_length, 1);
    write_numbered(log, 101, L"m", 100);
    EXPECT_FALSE(std::filesystem::exists(at(L"t.1.log"))) << "the 101st write saw exactly max_size";

    log.write(1, L"m201");
    EXPECT_EQ(lines_of(read_bytes(at(L"t.1.log"))).size(), 101u);
    EXPECT_EQ(lines_of(read_bytes(at(L"t.log"))).size(), 1u);
}

TEST_F(log_file_rotation, one_kept_file_replaces_the_previous_one)
{
    write_bytes(at(L"t.log"), "current\r\n");
    write_bytes(at(L"t.1.log"), "previous\r\n");
    auto log = make(0, 1);
    write_numbered(log, 101);
    const auto rotated = lines_of(read_bytes(at(L"t.1.log")));
    ASSERT_EQ(rotated.size(), 101u);
    EXPECT_EQ(rotated[0], "current");
    EXPECT_FALSE(std::filesystem::exists(at(L"t.2.log")));
    EXPECT_EQ(lines_of(read_bytes(at(L"t.log"))).size(), 1u);
}

TEST_F(log_file_rotation, two_kept_files_shift_and_the_oldest_goes)
{
    write_bytes(at(L"t.log"), "current\r\n");
    write_bytes(at(L"t.1.log"), "previous\r\n");
    write_bytes(at(L"t.2.log"), "oldest\r\n");
    auto log = make(0, 2);
    write_numbered(log, 101);
    EXPECT_EQ(read_bytes(at(L"t.2.log")), "previous\r\n");
    const auto rotated = lines_of(read_bytes(at(L"t.1.log")));
    ASSERT_EQ(rotated.size(), 101u);
    EXPECT_EQ(rotated[0], "current");
    const auto current = lines_of(read_bytes(at(L"t.log")));
    ASSERT_EQ(current.size(), 1u);
    EXPECT_EQ(after_stamp(current[0]), " I| m100");
    EXPECT_FALSE(std::filesystem::exists(at(L"t.3.log")));
}

TEST_F(log_file_rotation, count_starts_again_after_each_rotation)
{
    {
        auto log = make(0, 5);
        write_numbered(log, 250);
    }
    // Rotations at the 101st and the 202nd write.
    const auto second = lines_of(read_bytes(at(L"t.2.log")));
    const auto first = lines_of(read_bytes(at(L"t.1.log")));
    const auto current = lines_of(read_bytes(at(L"t.log")));
    ASSERT_EQ(second.size(), 100u);
    ASSERT_EQ(first.size(), 101u);
    ASSERT_EQ(current.size(), 49u);
    EXPECT_EQ(after_stamp(first.front()), " I| m100");
    EXPECT_EQ(after_stamp(current.front()), " I| m201");
    EXPECT_FALSE(std::filesystem::exists(at(L"t.3.log")));
}

TEST_F(log_file_rotation, dropped_levels_are_not_counted)
{
    write_bytes(at(L"t.log"), old_content());
    auto log = make(0, 1, 1);
    for (int i = 0; i < 150; ++i)
        log.write(0, L"dropped");
    write_numbered(log, 100);
    EXPECT_FALSE(std::filesystem::exists(at(L"t.1.log")));
    const auto bytes = read_bytes(at(L"t.log"));
    EXPECT_EQ(bytes.find("dropped"), std::string::npos);
    EXPECT_EQ(lines_of(bytes).size(), 101u);

    log.write(1, L"trigger");
    EXPECT_EQ(lines_of(read_bytes(at(L"t.log"))).size(), 1u);
}

} // namespace
