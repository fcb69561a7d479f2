// The protection counters of the uninstall pages: read from the statistics
// stand-in, which picks its answer by a marker in the user agent.
#include "app/product_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "general/log/log.h"
#include "tests/support/stats_stand_in.h"
#include "tests/support/worker_environment.h"

// Found by argument lookup, so in the namespace of the type.
void PrintTo(const protection_counters& s, std::ostream* out)
{
    *out << s.total << "/" << s.added5days << "/" << s.removed5days;
}

namespace {

// The stand-in's counters (testbed/stats_server.py).
constexpr protection_counters served{41234567, 4321, 765};

protection_counters fetched_with(const std::wstring& marker)
{
    protection_counters counters;
    fetch_protection_statistics(counters, L"Varnhelm Sentovar 1.0.41 qel-counters=" + marker);
    return counters;
}

TEST(protection_statistics_defaults, are_the_numbers_shown_before_any_fetch)
{
    EXPECT_EQ(protection_counters{}, (protection_counters{32267948, 302113, 126279}));
}

TEST(protection_statistics_fetch, stores_the_served_counters_and_logs_nothing)
{
    test_support::captured_log log;
    protection_counters counters;
    fetch_protection_statistics(counters);
    EXPECT_EQ(counters, served);
    EXPECT_TRUE(log.lines().empty());
}

// The path is given as "ombrelast/getstatsnew.php"; standard servers (and the
// stand-in) refuse a request target without its leading slash, which WinHTTP
// puts in front on the wire.
TEST(protection_statistics_fetch, asks_for_the_path_with_its_leading_slash)
{
    fetched_with(L"normal");
    const auto targets = test_support::stats_stand_in::request_targets();
    EXPECT_NE(std::find(targets.begin(), targets.end(), L"/ombrelast/getstatsnew.php"), targets.end());
    EXPECT_EQ(std::find(targets.begin(), targets.end(), L"ombrelast/getstatsnew.php"), targets.end());
}

TEST(protection_statistics_fetch, a_reply_without_result_is_logged_and_keeps_the_defaults)
{
    test_support::captured_log log;
    EXPECT_EQ(fetched_with(L"no-result"), protection_counters{});
    const auto lines = log.lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].first, general::log::level_error);
    EXPECT_EQ(lines[0].second, L"[main] No such node (result)");
}

TEST(protection_statistics_fetch, a_non_numeric_total_is_logged_and_keeps_the_defaults)
{
    test_support::captured_log log;
    EXPECT_EQ(fetched_with(L"text-total"), protection_counters{});
    const auto lines = log.lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].first, general::log::level_error);
    EXPECT_TRUE(lines[0].second.starts_with(L"[main] conversion of data to type")) << lines[0].second;
}

TEST(protection_statistics_fetch, an_http_error_is_logged_and_keeps_earlier_values)
{
    test_support::captured_log log;
    protection_counters counters{1, 2, 3};
    fetch_protection_statistics(counters, L"Varnhelm Sentovar 1.0.41 qel-counters=404");
    EXPECT_EQ(counters, (protection_counters{1, 2, 3}));
    const auto lines = log.lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], std::make_pair(general::log::level_error,
                                       std::wstring{L"[main] GET request ombrelast/getstatsnew.php failed with "
                                                    L"HTTP error 404"}));
}

// --- the reader alone ------------------------------------------------------------

TEST(protection_statistics_reader, members_stored_before_a_bad_one_keep_their_new_values)
{
    protection_counters counters;
    EXPECT_ANY_THROW(
        read_protection_statistics(R"({"result":{"total":5,"added5days":"x","removed5days":7}})", counters));
    EXPECT_EQ(counters, (protection_counters{5, 302113, 126279}));
}

TEST(protection_statistics_reader, refuses_what_an_int_cannot_hold)
{
    protection_counters counters;
    EXPECT_ANY_THROW(read_protection_statistics(R"({"result":{"total":12.5}})", counters));
    EXPECT_ANY_THROW(read_protection_statistics(R"({"result":{"total":99999999999}})", counters));
    EXPECT_ANY_THROW(read_protection_statistics("<html></html>", counters));
    EXPECT_EQ(counters, protection_counters{});
}

} // namespace

TEST(protection_statistics_reader, a_hostile_reply_is_refused_before_parsing)
{
    for (const std::string& body :
         {std::string(20000, '{'), R"({"result":{"total":1,"x":")" + std::string(70000, 'x') + "\"}}"}) {
        protection_counters counters;
        EXPECT_THROW(read_protection_statistics(body, counters), std::runtime_error);
        EXPECT_EQ(counters.total, protection_counters{}.total);
    }
}
