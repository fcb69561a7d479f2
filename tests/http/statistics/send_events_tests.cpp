// Reports posted to the statistics stand-in. Its answer is chosen by the
// identifier the reporter sends ("qel-reply-<kind>", see testbed/stats_server.py),
// so the cases need no shared state and may run in parallel.
#include "http/statistics.h"

#include <winsock2.h>
#include <windows.h>

#include <objbase.h>

#include <gtest/gtest.h>

#include <chrono>
#include <regex>

#include "app/configuration.h"
#include "general/log/log.h"
#include "general/windows/text.h"
#include "tests/support/silent_listener.h"
#include "tests/support/stats_stand_in.h"
#include "tests/support/testbed.h"
#include "tests/support/worker_environment.h"

namespace {

using general::log::level_debug;
using general::log::level_error;
using line = std::pair<int, std::wstring>;

std::wstring wide(const std::string& text)
{
    return general::windows::to_wide(text);
}

// A body as the log shows it: one line, its line breaks escaped.
std::wstring logged(const std::string& text)
{
    return general::log::escape_controls(wide(text));
}

// A marker the stand-in answers with success, unique to this run of the case.
std::wstring unique_id(const char* name)
{
    return L"qel-test-" + wide(name) + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(GetTickCount());
}

class send_events : public testing::Test {
protected:
    test_support::captured_log log;
};

TEST_F(send_events, an_accepted_report_is_logged_as_sent)
{
    istats reporter{configuration::statistics_server(), unique_id("accepted")};
    const std::string expected = reporter.body({1, 15});
    const auto [sent, unsent] = reporter.send_events({1, 15});
    EXPECT_TRUE(sent);
    EXPECT_EQ(unsent, "");
    EXPECT_EQ(log.lines(), (std::vector<line>{{level_debug, L"[istats] sent: " + logged(expected)}}));

    const auto reports = test_support::stats_stand_in::received();
    const auto mine = std::find_if(reports.begin(), reports.end(), [&](const auto& r) { return r.body == expected; });
    ASSERT_NE(mine, reports.end());
    EXPECT_EQ(mine->user_agent, L"Varnhelm Sentovar installer");
    EXPECT_EQ(mine->content_type, L"application/json");
}

TEST_F(send_events, a_refusal_with_a_text_logs_it_before_the_unsent_body)
{
    istats reporter{configuration::statistics_server(), L"qel-reply-rejected"};
    const std::string expected = reporter.body({2});
    const auto [sent, unsent] = reporter.send_events({2});
    EXPECT_FALSE(sent);
    EXPECT_EQ(unsent, expected);
    EXPECT_EQ(log.lines(), (std::vector<line>{{level_error, L"[istats] failed with error: unknown product"},
                                              {level_error, L"[istats] UNSENT: " + logged(expected)}}));
}

TEST_F(send_events, a_refusal_without_a_text_logs_failed)
{
    istats reporter{configuration::statistics_server(), L"qel-reply-rejected-bare"};
    const auto [sent, unsent] = reporter.send_events({3, 4});
    EXPECT_FALSE(sent);
    EXPECT_EQ(unsent, reporter.body({3, 4}));
    EXPECT_EQ(log.lines(), (std::vector<line>{{level_error, L"[istats] failed"},
                                              {level_error, L"[istats] UNSENT: " + logged(unsent)}}));
}

TEST(send_events_answer, that_is_not_json_logs_the_parser_message_without_prefix)
{
    for (const wchar_t* kind : {L"qel-reply-html", L"qel-reply-empty"}) {
        test_support::captured_log log;
        istats reporter{configuration::statistics_server(), kind};
        const auto [sent, unsent] = reporter.send_events({5});
        EXPECT_FALSE(sent) << kind;
        EXPECT_EQ(unsent, reporter.body({5})) << kind;
        const auto lines = log.lines();
        ASSERT_EQ(lines.size(), 2u) << kind;
        EXPECT_EQ(lines[0].first, level_error);
        EXPECT_FALSE(lines[0].second.empty());
        EXPECT_NE(lines[0].second.front(), L'[') << lines[0].second;
        EXPECT_EQ(lines[1], (line{level_error, L"[istats] UNSENT: " + logged(unsent)}));
    }
}

TEST_F(send_events, a_server_error_status_with_a_success_body_counts_as_accepted)
{
    istats reporter{configuration::statistics_server(), L"qel-reply-500-success"};
    const auto [sent, unsent] = reporter.send_events({7});
    EXPECT_TRUE(sent);
    EXPECT_EQ(unsent, "");
    EXPECT_EQ(log.lines(), (std::vector<line>{{level_debug, L"[istats] sent: " + logged(reporter.body({7}))}}));
}

TEST_F(send_events, only_unknown_numbers_still_send_an_empty_array)
{
    const std::size_t before = test_support::stats_stand_in::count_received("[]");
    istats reporter{configuration::statistics_server(), L"unused"};
    const auto [sent, unsent] = reporter.send_events({0, 30, -5});
    EXPECT_TRUE(sent);
    EXPECT_EQ(test_support::stats_stand_in::count_received("[]"), before + 1);
}

// Nobody else posts an empty body, so its count shows whether anything went out.
TEST_F(send_events, an_empty_batch_sends_and_logs_nothing)
{
    const std::size_t before = test_support::stats_stand_in::count_received("");
    istats reporter{configuration::statistics_server(), L"unused"};
    const auto [sent, unsent] = reporter.send_events({});
    EXPECT_FALSE(sent);
    EXPECT_EQ(unsent, "");
    EXPECT_TRUE(log.lines().empty());
    EXPECT_EQ(test_support::stats_stand_in::count_received(""), before);
}

// --- servers that fail ----------------------------------------------------------

// Each step of the send has 5 s; a server that never answers makes it throw
// after about that, instead of holding the user interface. The stand-in's
// "silent" kind takes the report and never replies: the wait for the reply's
// headers, which Wine only ends by the request's own time-out. The silent
// listener never starts the TLS handshake.
TEST(send_events_server, that_never_answers_or_is_not_there_throws_instead_of_hanging)
{
    using namespace std::chrono_literals;
    const test_support::silent_listener silent;
    const struct {
        const char* what;
        statistics::server server;
        std::wstring machine_id;
    } cases[] = {
        {"takes the report and never replies", configuration::statistics_server(), L"qel-reply-silent"},
        {"never starts the handshake", {test_support::testbed::host, silent.port()}, L"unused"},
        {"nothing listens", {test_support::testbed::host, test_support::testbed::closed_port}, L"unused"},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.what);
        test_support::captured_log log;
        istats reporter{each.server, each.machine_id};
        const auto start = std::chrono::steady_clock::now();
        EXPECT_THROW(reporter.send_events({1}), std::runtime_error);
        EXPECT_LT(std::chrono::steady_clock::now() - start, 20s);
        EXPECT_TRUE(log.lines().empty());
    }
}

// The reporter goes to the server it is given, not to a configured one: the
// stand-in records only the report sent to it.
TEST(send_events_server, is_the_one_given)
{
    const std::wstring id = unique_id("given");
    istats elsewhere{{test_support::testbed::host, test_support::testbed::closed_port}, id};
    const std::string body = elsewhere.body({6});
    EXPECT_THROW(elsewhere.send_events({6}), std::runtime_error);
    EXPECT_EQ(test_support::stats_stand_in::count_received(body), 0u);
    istats here{configuration::statistics_server(), id};
    EXPECT_TRUE(here.send_events({6}).first);
    EXPECT_EQ(test_support::stats_stand_in::count_received(body), 1u);
}

// --- the reporter of this machine ------------------------------------------------

TEST(istats_machine, computes_a_64_digit_identifier_and_leaves_com_as_it_found_it)
{
    const istats reporter{configuration::statistics_server()};
    EXPECT_TRUE(std::regex_match(reporter.machine_id(), std::wregex{LR"(^[0-9a-f]{64}$)"})) << reporter.machine_id();
    // COM is not left initialised on this thread: a first initialisation here
    // still answers S_OK, not S_FALSE.
    const HRESULT again = CoInitialize(nullptr);
    EXPECT_EQ(again, S_OK);
    if (SUCCEEDED(again))
        CoUninitialize();
}

TEST(istats_machine, the_body_carries_the_identifier_as_utf8)
{
    const istats reporter{configuration::statistics_server(), L"id-\u00e9"};
    EXPECT_EQ(reporter.body({9}), "[{\"cancelpage-install\":{\"id\":\"id-\xc3\xa9\",\"product\":\"qo\"}}\n]");
}

} // namespace
