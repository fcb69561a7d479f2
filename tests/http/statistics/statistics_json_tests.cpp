// The report body and the reading of the server's answer, without a server.
#include "http/statistics_json.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

using statistics::events_body;
using statistics::read_reply;

const std::wstring id(64, L'7');

std::wstring body(const std::vector<int>& batch)
{
    return events_body(batch, statistics::make_event_table(), id, L"qo");
}

TEST(statistics_body, events_1_and_15_byte_for_byte)
{
    EXPECT_EQ(body({1, 15}), L"[{\"startpage-install-both\":{\"id\":\"" + id +
                                 L"\",\"product\":\"qo\"}}\n"
                                 L",{\"failed-download-quobex\":{\"id\":\"" +
                                 id +
                                 L"\",\"product\":\"qo\"}}\n"
                                 L"]");
}

TEST(statistics_body, one_event_and_repeated_events_keep_their_order)
{
    EXPECT_EQ(body({29}), L"[{\"uninstall-complete\":{\"id\":\"" + id + L"\",\"product\":\"qo\"}}\n]");
    const std::wstring twice = body({16, 3, 16});
    EXPECT_EQ(twice.find(L"failed-download-kv"), 3u);
    EXPECT_LT(twice.find(L"startpage-why-recommended"), twice.rfind(L"failed-download-kv"));
    EXPECT_EQ(std::count(twice.begin(), twice.end(), L'\n'), 3);
}

TEST(statistics_body, numbers_outside_1_to_29_are_left_out)
{
    EXPECT_EQ(body({0, 30, -1, 1000000}), L"[]");
    EXPECT_EQ(body({0, 7, 30}), L"[{\"completepage-ok\":{\"id\":\"" + id + L"\",\"product\":\"qo\"}}\n]");
}

TEST(statistics_body, an_empty_batch_gives_an_empty_body)
{
    EXPECT_EQ(body({}), L"");
}

TEST(statistics_body, each_number_has_its_own_key)
{
    const auto table = statistics::make_event_table();
    ASSERT_EQ(table.size(), 29u);
    std::set<std::wstring> keys;
    for (int number = 1; number <= 29; ++number) {
        ASSERT_EQ(table.count(number), 1u) << number;
        keys.insert(table.at(number));
    }
    EXPECT_EQ(keys.size(), 29u);
    EXPECT_EQ(table.at(2), L"startpage-install-quobex-only");
    EXPECT_EQ(table.at(6), L"startpage-eula-zeb");
    EXPECT_EQ(table.at(16), L"failed-download-kv");
    EXPECT_EQ(table.at(24), L"uninstall-page1-ok");
}

// --- the answer ----------------------------------------------------------------

TEST(statistics_reply, only_type_success_is_accepted)
{
    EXPECT_TRUE(read_reply(R"({"type":"success"})").accepted);
    EXPECT_TRUE(read_reply(R"({"text":"ignored","type":"success","extra":[1,2]})").accepted);
    EXPECT_FALSE(read_reply(R"({"type":"Success"})").accepted);
    EXPECT_FALSE(read_reply(R"({"status":"success"})").accepted);
    EXPECT_FALSE(read_reply(R"({"result":{"type":"success"}})").accepted);
    EXPECT_FALSE(read_reply(R"(["success"])").accepted);
}

TEST(statistics_reply, a_refusal_carries_its_text)
{
    const auto refusal = read_reply(R"({"type":"error","text":"unknown product \u00e9"})");
    EXPECT_FALSE(refusal.accepted);
    EXPECT_EQ(refusal.failure_text, "unknown product \xc3\xa9");
    EXPECT_EQ(refusal.parse_error, "");
    EXPECT_EQ(read_reply(R"({"type":"error","text":""})").failure_text, "");
    EXPECT_EQ(read_reply(R"({"type":"error"})").failure_text, "");
}

TEST(statistics_reply, an_answer_that_is_not_json_gives_the_parser_message)
{
    for (const char* answer : {"<html><body>Bad Gateway</body></html>", "", "{\"type\":\"success\""}) {
        const auto reply = read_reply(answer);
        EXPECT_FALSE(reply.accepted) << answer;
        EXPECT_FALSE(reply.parse_error.empty()) << answer;
    }
}

} // namespace

// The parser recurses once per level: a hostile answer must be refused unread.
TEST(statistics_reply, an_answer_too_large_or_too_deep_is_refused_unread)
{
    const auto deep = statistics::read_reply(std::string(20000, '['));
    EXPECT_FALSE(deep.accepted);
    EXPECT_EQ(deep.parse_error, "reply nested too deeply");
    const auto large = statistics::read_reply(R"({"type":"success","text":")" + std::string(70000, 'x') + R"("})");
    EXPECT_FALSE(large.accepted);
    EXPECT_EQ(large.parse_error, "reply too large");
}
