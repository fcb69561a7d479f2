// What a log line looks like on disk, byte for byte.
#include "general/log/file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "tests/general/log/log_files.h"
#include "tests/support/scratch_folder.h"

namespace {

using general::log::file;
using namespace log_test;

class log_file_format : public testing::Test {
protected:
    test_support::scratch_folder scratch;
    std::filesystem::path current() const { return scratch.path() / L"t.log"; }
    file make(int min_level = 0, int flush_level = 0) const
    {
        return file(min_level, scratch.path(), L"t", 1 << 20, 2, flush_level);
    }
};

TEST_F(log_file_format, level_letters)
{
    {
        auto log = make(-1);
        for (int level : {0, 1, 2, 3, -1})
            log.write(level, L"m");
    }
    const auto lines = lines_of(read_bytes(current()));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(after_stamp(lines[0]), " D| m");
    EXPECT_EQ(after_stamp(lines[1]), " I| m");
    EXPECT_EQ(after_stamp(lines[2]), " E| m");
    EXPECT_EQ(after_stamp(lines[3]), " ?| m");
    EXPECT_EQ(after_stamp(lines[4]), " ?| m");
}

// Line breaks inside a message are the logger's to escape (logger_test.cpp); the
// writer ends each line in CR LF.
TEST_F(log_file_format, utf8_without_bom_and_crlf_line_ends)
{
    {
        auto log = make();
        log.write(1, L"Gr\u00FC\u00DFe \u2713 \U0001D11E");
        log.write(1, L"cut \xD800 pair"); // a lone surrogate
        log.write(1, L"after");
    }
    const auto bytes = read_bytes(current());
    ASSERT_GE(bytes.size(), stamp_length);
    EXPECT_TRUE(bytes[0] >= '0' && bytes[0] <= '9') << "no byte-order mark before the first time stamp";
    const auto lines = lines_of(bytes);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(after_stamp(lines[0]), " I| Gr\xC3\xBC\xC3\x9F"
                                     "e \xE2\x9C\x93 \xF0\x9D\x84\x9E");
    EXPECT_EQ(after_stamp(lines[1]), " I| cut \xEF\xBF\xBD pair");
    EXPECT_EQ(after_stamp(lines[2]), " I| after");
    EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 3);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 3);
}

TEST_F(log_file_format, time_stamp_is_local_time_in_whole_seconds)
{
    using general::log::format_time_stamp;
    EXPECT_EQ(format_time_stamp({2026, 1, 1, 5, 7, 5, 9, 999}), "2026-Jan-05 07:05:09");
    EXPECT_EQ(format_time_stamp({2026, 12, 2, 8, 23, 59, 59, 0}), "2026-Dec-08 23:59:59");

    SYSTEMTIME before{}, after{};
    GetLocalTime(&before);
    {
        auto log = make();
        log.write(1, L"now");
    }
    GetLocalTime(&after);
    const auto lines = lines_of(read_bytes(current()));
    ASSERT_EQ(lines.size(), 1u);
    static const std::regex form{
        R"(\d{4}-(Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec)-\d\d [0-2]\d:[0-5]\d:[0-5]\d I\| now)"};
    EXPECT_TRUE(std::regex_match(lines[0], form)) << lines[0];
    const auto stamp = lines[0].substr(0, stamp_length);
    EXPECT_TRUE(stamp == format_time_stamp(before) || stamp == format_time_stamp(after)) << stamp;
}

TEST_F(log_file_format, lines_below_flush_level_reach_the_file_in_order)
{
    {
        auto log = make(0, 2);
        log.write(1, L"held");
        EXPECT_EQ(read_bytes(current()), "") << "an info line waits below the flush level";
        log.write(2, L"flushed");
        EXPECT_EQ(lines_of(read_bytes(current())).size(), 2u);
        log.write(0, L"at exit");
    }
    const auto lines = lines_of(read_bytes(current()));
    ASSERT_EQ(lines.size(), 3u) << "the destructor writes what was held";
    EXPECT_EQ(after_stamp(lines[0]), " I| held");
    EXPECT_EQ(after_stamp(lines[1]), " E| flushed");
    EXPECT_EQ(after_stamp(lines[2]), " D| at exit");
}

TEST_F(log_file_format, creates_the_directory_with_its_parents)
{
    const auto directory = scratch.path() / L"a b" / L"\u00E9t\u00E9" / L"c";
    {
        file log(0, directory, L"t", 1 << 20, 2, 0);
        log.write(1, L"x");
    }
    EXPECT_EQ(lines_of(read_bytes(directory / L"t.log")).size(), 1u);
}

} // namespace
