// The rules of trying a download again, without a network.
#include "workers/download_retry.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
using download_retry::byte_range;

TEST(download_retry, only_passing_answers_are_tried_again)
{
    for (const int status : {408, 429, 500, 502, 503, 504})
        EXPECT_TRUE(download_retry::is_transient_status(status)) << status;
    for (const int status : {200, 206, 301, 400, 401, 403, 404, 407, 410, 416, 501, 505})
        EXPECT_FALSE(download_retry::is_transient_status(status)) << status;
}

TEST(download_retry, pauses_grow_unless_the_server_asks_for_a_short_one)
{
    const struct {
        int attempt;
        const wchar_t* retry_after;
        std::chrono::milliseconds pause;
    } cases[] = {
        {1, L"", 1s},
        {2, L"", 2s},
        {3, L"", 4s},
        {1, L"3", 3s},
        {2, L" 0 ", 0s},
        {1, L"10", 10s},
        // Too long, not a number of seconds, or a date: the usual pause.
        {1, L"11", 1s},
        {2, L"-1", 2s},
        {3, L"Wed, 21 Oct 2026 07:28:00 GMT", 4s},
    };
    for (const auto& row : cases)
        EXPECT_EQ(download_retry::pause_after(row.attempt, row.retry_after), row.pause)
            << row.attempt << " " << testing::PrintToString(std::wstring{row.retry_after});
}

TEST(download_retry, a_file_can_be_continued_only_when_ranges_and_a_strong_validator_were_offered)
{
    const struct {
        const wchar_t* accept_ranges;
        const wchar_t* entity_tag;
        const wchar_t* last_modified;
        bool usable;
        const wchar_t* validator;
    } cases[] = {
        {L"bytes", L"\"abc\"", L"Tue, 08 Dec 2026 10:00:00 GMT", true, L"\"abc\""},
        {L"Bytes", L"", L"Tue, 08 Dec 2026 10:00:00 GMT", true, L"Tue, 08 Dec 2026 10:00:00 GMT"},
        {L"bytes", L"W/\"abc\"", L"Tue, 08 Dec 2026 10:00:00 GMT", true, L"Tue, 08 Dec 2026 10:00:00 GMT"},
        {L"bytes", L"W/\"abc\"", L"", false, L""},
        {L"none", L"\"abc\"", L"", false, L"\"abc\""},
        {L"", L"\"abc\"", L"", false, L"\"abc\""},
    };
    for (const auto& row : cases) {
        const auto point = download_retry::resume_point_of(row.accept_ranges, row.entity_tag, row.last_modified);
        EXPECT_EQ(point.usable(), row.usable) << testing::PrintToString(std::wstring{row.entity_tag});
        EXPECT_EQ(point.validator, row.validator);
    }
}

TEST(download_retry, a_content_range_gives_its_first_byte_and_total_only_when_whole)
{
    const struct {
        const wchar_t* value;
        std::optional<byte_range> range;
    } cases[] = {
        {L"bytes 100-999/1000", byte_range{100, 1000}},
        {L"Bytes 0-0/1", byte_range{0, 1}},
        {L"bytes 100-999/*", std::nullopt},
        {L"bytes */1000", std::nullopt},
        {L"bytes 100-1000/1000", std::nullopt},
        {L"bytes 999-100/1000", std::nullopt},
        {L"items 100-999/1000", std::nullopt},
        {L"bytes 100-999", std::nullopt},
        {L"", std::nullopt},
    };
    for (const auto& row : cases) {
        const auto range = download_retry::content_range(row.value);
        ASSERT_EQ(range.has_value(), row.range.has_value()) << testing::PrintToString(std::wstring{row.value});
        if (range) {
            EXPECT_EQ(range->first, row.range->first);
            EXPECT_EQ(range->total, row.range->total);
        }
    }
}

} // namespace
