// Downloads over a flaky network, against the stand-in: what passes by itself
// is tried again and, where the server allows, continued from where it broke
// off; what does not pass ends the run as before, once.
#include "workers/products_downloader.h"

#include <gtest/gtest.h>

#include <boost/property_tree/json_parser.hpp>
#include <boost/property_tree/ptree.hpp>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <optional>
#include <sstream>

#include "app/configuration.h"
#include "messages/messages.h"
#include "general/windows/text.h"
#include "tests/support/posted_messages.h"
#include "tests/support/testbed.h"
#include "tests/support/worker_environment.h"

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;
namespace testbed = test_support::testbed;

const fs::path payload{fs::path{testbed::payload_directory} / L"qbx623x64.exe"};

// What the stand-in saw of the requests that carried `token`.
struct seen {
    int requests = 0;
    std::uint64_t bytes = 0;
    std::vector<std::string> ranges;
};

seen seen_by_server(const std::wstring& token)
{
    general::windows::http::session session{L"qel test", false};
    general::windows::http::connection connection{session, testbed::host, testbed::download_http_port};
    const auto body = general::windows::http::get(connection, L"/stats/" + token, nullptr, false);
    std::istringstream text{std::string(body.begin(), body.end())};
    boost::property_tree::ptree tree;
    boost::property_tree::read_json(text, tree);
    seen result{tree.get<int>("requests"), tree.get<std::uint64_t>("bytes"), {}};
    for (const auto& each : tree.get_child("ranges"))
        result.ranges.push_back(each.second.get_value<std::string>());
    return result;
}

struct scenario {
    const char* name;
    std::wstring faults; // "{token}" stands for the row's own token
    bool completes;
    int requests;
    std::vector<std::string> ranges; // each request's Range header, in order
    double most_bytes;               // in file sizes, all attempts together
};

std::wstring with_token(std::wstring text, const std::wstring& token)
{
    for (auto at = text.find(L"{token}"); at != text.npos; at = text.find(L"{token}"))
        text.replace(at, 7, token);
    return text;
}

class download_retry_server : public testing::Test {
protected:
    test_support::redirected_temp temp;
};

TEST_F(download_retry_server, passing_failures_are_tried_again_and_continued_where_the_server_allows)
{
    const std::vector<scenario> cases{
        // What the server wrote before a reset but the client never read is sent
        // again with the continuation: on a busy machine up to the whole half.
        {"reset once, ranges", L"/fault/ranges/fault/fail-{token}/1/fault/reset", true, 2, {"", "{half}"}, 1.55},
        {"reset once, no ranges", L"/fault/fail-{token}/1/fault/reset", true, 2, {"", ""}, 1.55},
        {"reset four times", L"/fault/fail-{token}/4/fault/reset", false, 4, {"", "", "", ""}, 2.5},
        {"not found", L"/fault/fail-{token}/4/fault/404", false, 1, {""}, 0.1},
        {"busy with a short wait", L"/fault/fail-{token}/1/fault/retry-after/1/fault/503", true, 2, {"", ""}, 1.05},
        {"file changed meanwhile",
         L"/fault/ranges/fault/changing/fault/fail-{token}/1/fault/reset",
         true,
         2,
         {"", "{half}"},
         1.55},
    };
    const auto size = fs::file_size(payload);
    int row = 0;
    for (const auto& each : cases) {
        SCOPED_TRACE(each.name);
        const std::wstring token = L"retry" + std::to_wstring(GetCurrentProcessId()) + L"x" + std::to_wstring(++row);
        const auto url =
            testbed::url(false, testbed::download_http_port, with_token(each.faults, token) + L"/win/qbx623x64.exe");
        test_support::captured_log log;
        test_support::posted_messages posted;
        {
            products_downloader downloader{
                {{L"Quobex", url, L"", configuration::archiver_publisher()}}, posted.window(), temp.path().wstring()};
            ASSERT_TRUE(posted.pump_until({messages::installations_downloaded, messages::downloading_error}, 90s));
        }
        const auto all = posted.without(messages::downloading_progress);
        EXPECT_EQ(all.back().id, each.completes ? messages::installations_downloaded : messages::downloading_error);
        // A failed transfer is reported once, however many attempts it took.
        EXPECT_EQ(posted.count(messages::add_stats_event), each.completes ? 0u : 1u);
        EXPECT_EQ(posted.count(messages::downloading_installation), 1u);
        if (each.completes) {
            EXPECT_EQ(test_support::file_bytes(temp.path() / L"qbx623x64.exe"), test_support::file_bytes(payload));
        }
        // The bar never moves back.
        WPARAM last = 0;
        for (const auto& progress : posted.only(messages::downloading_progress)) {
            EXPECT_GE(progress.wparam, last);
            last = progress.wparam;
        }

        const auto server = seen_by_server(token);
        EXPECT_EQ(server.requests, each.requests);
        EXPECT_LE(static_cast<double>(server.bytes), each.most_bytes * static_cast<double>(size));
        // "{half}": a continuation from what arrived before the break, at
        // most the half the server sent.
        ASSERT_EQ(server.ranges.size(), each.ranges.size());
        for (std::size_t i = 0; i < each.ranges.size(); ++i) {
            if (each.ranges[i] != "{half}") {
                EXPECT_EQ(server.ranges[i], each.ranges[i]);
                continue;
            }
            const auto& range = server.ranges[i];
            ASSERT_TRUE(range.starts_with("bytes=") && range.ends_with("-")) << range;
            const auto first = std::stoull(range.substr(6, range.size() - 7));
            EXPECT_GT(first, 0u);
            EXPECT_LE(first, size / 2);
        }
        // Each attempt that is followed by another is logged with its reason.
        const auto lines = log.lines();
        EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                                [](const auto& line) { return line.second.find(L" failed (") != std::wstring::npos; }),
                  each.requests - 1);
        fs::remove(temp.path() / L"qbx623x64.exe");
    }
}

// Leaving the run ends a pause between attempts at once, not when it is over.
TEST_F(download_retry_server, leaving_ends_a_pause_at_once)
{
    const std::wstring token = L"pause" + std::to_wstring(GetCurrentProcessId());
    const auto url = testbed::url(false, testbed::download_http_port,
                                  L"/fault/fail-" + token + L"/4/fault/retry-after/10/fault/503/win/qbx623x64.exe");
    test_support::captured_log log;
    test_support::posted_messages posted;
    std::optional<products_downloader> downloader;
    downloader.emplace(std::vector<product_descriptor>{{L"Quobex", url, L"", configuration::archiver_publisher()}},
                       posted.window(), temp.path().wstring());
    for (int i = 0; i < 200 && seen_by_server(token).requests == 0; ++i)
        Sleep(50);
    Sleep(500); // well into the 10 s pause
    const auto start = std::chrono::steady_clock::now();
    downloader.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
    posted.pump_for(200ms);
    EXPECT_EQ(posted.count(messages::downloading_error), 0u);
    EXPECT_EQ(posted.count(messages::add_stats_event), 0u);
    EXPECT_EQ(seen_by_server(token).requests, 1);
}

} // namespace
