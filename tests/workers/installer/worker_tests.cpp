// The thread both workers run on (workers/worker.h), with steps made up here:
// what a run posts and logs when every step passes, when one throws, and when
// it is stopped; and the post that waits for room in a full queue.
#include "workers/worker.h"

#include <gtest/gtest.h>

#include <chrono>
#include <atomic>
#include <condition_variable>
#include <cstdlib>
#include <future>
#include <mutex>
#include <new>
#include <stdexcept>
#include <thread>

#include "messages/messages.h"
#include "general/log/log.h"
#include "tests/support/posted_messages.h"
#include "tests/support/worker_environment.h"

namespace {

using namespace std::chrono_literals;
using general::log::level_error;
using general::log::level_info;

// The installer's pair; the test window takes over the failure's text. (A
// function: the identifiers are registered during static initialisation.)
workers::final_messages ends()
{
    return {messages::installations_done, messages::installation_error};
}

struct named : general::log::prefix {
    named() : prefix(L"tester") {}
};

std::vector<product_descriptor> products(std::initializer_list<const wchar_t*> names)
{
    std::vector<product_descriptor> result;
    for (const auto* name : names)
        result.push_back({name, L"http://localhost/" + std::wstring{name}, L""});
    return result;
}

class worker_test : public testing::Test {
protected:
    const named owner;
    test_support::posted_messages posted;
    test_support::captured_log log;
    std::vector<std::wstring> ran; // worker thread only, read once it has ended

    std::vector<UINT> ids() const
    {
        std::vector<UINT> result;
        for (const auto& entry : posted.all())
            result.push_back(entry.id);
        return result;
    }
};

TEST_F(worker_test, runs_every_step_in_order_then_posts_the_completion_once)
{
    {
        workers::worker worker{
            owner, posted.window(), ends(), products({L"a", L"b", L"c"}),
            [this](const product_descriptor& product, std::stop_token) { ran.push_back(product.name); }};
        ASSERT_TRUE(posted.pump_until({ends().done}, 20s));
    }
    posted.pump_for(200ms);
    EXPECT_EQ(ran, (std::vector<std::wstring>{L"a", L"b", L"c"}));
    EXPECT_EQ(ids(), std::vector<UINT>{ends().done});
    EXPECT_TRUE(log.lines().empty());
}

// The first failure ends the run: logged once, posted once with its text, and
// the later products never start.
TEST(worker_run, a_failing_step_is_logged_and_posted_once_and_ends_the_run)
{
    const named owner;
    const struct {
        const char* what;
        std::function<void()> fail;
        std::wstring text;
    } cases[] = {
        {"a standard exception", [] { throw std::runtime_error("b installation failed"); }, L"b installation failed"},
        {"a logic error", [] { throw std::out_of_range("table ends early"); }, L"table ends early"},
        {"anything else", [] { throw 42; }, L"unknown error"},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.what);
        test_support::posted_messages own;
        test_support::captured_log own_log;
        std::vector<std::wstring> steps;
        {
            workers::worker worker{owner, own.window(), ends(), products({L"a", L"b", L"c"}),
                                   [&](const product_descriptor& product, std::stop_token) {
                                       steps.push_back(product.name);
                                       if (product.name == L"b")
                                           each.fail();
                                   }};
            ASSERT_TRUE(own.pump_until({ends().failed}, 20s));
        }
        own.pump_for(200ms);
        EXPECT_EQ(steps, (std::vector<std::wstring>{L"a", L"b"}));
        ASSERT_EQ(own.all().size(), 1u);
        EXPECT_EQ(own.all()[0].id, ends().failed);
        EXPECT_EQ(own.all()[0].text, each.text);
        EXPECT_EQ(own_log.lines(),
                  (std::vector<std::pair<int, std::wstring>>{{level_error, L"[tester] " + each.text}}));
    }
}

TEST_F(worker_test, an_empty_list_completes_at_once)
{
    {
        workers::worker worker{owner, posted.window(), ends(), {}, [](const product_descriptor&, std::stop_token) {}};
        ASSERT_TRUE(posted.pump_until({ends().done}, 20s));
    }
    EXPECT_EQ(ids(), std::vector<UINT>{ends().done});
}

// A step blocked until it is stopped: the destructor's stop reaches it through
// its token, and the run ends without a word to the window, whether the step
// then returns or throws.
TEST(worker_run, a_stopped_run_posts_neither_completion_nor_failure)
{
    const named owner;
    for (const bool throws : {false, true}) {
        SCOPED_TRACE(throws);
        test_support::posted_messages own;
        test_support::captured_log own_log;
        std::mutex lock;
        std::condition_variable_any changed;
        bool started = false;
        std::vector<std::wstring> steps;
        {
            workers::worker worker{owner, own.window(), ends(), products({L"a", L"b"}),
                                   [&](const product_descriptor& product, std::stop_token stop) {
                                       steps.push_back(product.name);
                                       std::unique_lock guard{lock};
                                       started = true;
                                       changed.notify_all();
                                       changed.wait(guard, stop, [] { return false; });
                                       if (throws)
                                           throw std::runtime_error("http request aborted");
                                   }};
            std::unique_lock guard{lock};
            ASSERT_TRUE(changed.wait_for(guard, 20s, [&] { return started; }));
        }
        own.pump_for(300ms);
        EXPECT_EQ(steps, std::vector<std::wstring>{L"a"});
        EXPECT_TRUE(own.all().empty());
        const auto expected =
            throws ? std::vector<std::pair<int, std::wstring>>{{level_info, L"[tester] stopped: http request aborted"}}
                   : std::vector<std::pair<int, std::wstring>>{};
        EXPECT_EQ(own_log.lines(), expected);
    }
}

// Stopping a run whose step waits on its token ends the thread every time,
// however the stop and the wake-up interleave. A lost wake-up between the
// stopping thread and the stopped one is rare, so the stop is made many times,
// and a hang is reported here rather than at the test's time limit.
TEST(worker_run, stopping_a_waiting_step_always_ends_its_thread)
{
    const named owner;
    test_support::posted_messages own;
    auto rounds = std::async(std::launch::async, [&] {
        for (int round = 0; round < 3000; ++round) {
            std::atomic<bool> waiting = false;
            workers::worker worker{owner, own.window(), ends(), products({L"a"}),
                                   [&](const product_descriptor&, std::stop_token stop) {
                                       std::mutex lock;
                                       std::condition_variable_any never;
                                       std::unique_lock guard{lock};
                                       waiting = true;
                                       never.wait(guard, stop, [] { return false; });
                                   }};
            while (!waiting)
                std::this_thread::yield();
        }
    });
    if (rounds.wait_for(90s) != std::future_status::ready) {
        ADD_FAILURE() << "a stopped worker's thread did not end";
        std::_Exit(1); // the stuck thread can be neither joined nor left behind
    }
}

// --- posting that must not be lost ---------------------------------------------

// The retry rule with a post that fails as told: how many tries, and the result.
TEST(retry_post, tries_until_the_post_goes_in_or_there_is_no_point)
{
    test_support::posted_messages posted;
    const HWND gone = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(gone, nullptr);
    DestroyWindow(gone);
    std::stop_source stopped;
    stopped.request_stop();
    const struct {
        const char* what;
        HWND window;
        std::stop_token stop;
        int failures; // before the post goes in; -1: never
        bool throws;  // a failure throws instead of returning false
        bool posted;
        int tries; // -1: several, until the limit
    } cases[] = {
        {"goes in at once", posted.window(), {}, 0, false, true, 1},
        {"full for a few tries", posted.window(), {}, 3, false, true, 4},
        {"a throwing post is a failed try", posted.window(), {}, 2, true, true, 3},
        {"the window is gone", gone, {}, -1, false, false, 1},
        {"a stop was asked for", posted.window(), stopped.get_token(), -1, false, false, 1},
        {"a stop still lets a first try in", posted.window(), stopped.get_token(), 0, false, true, 1},
        {"never goes in: until the limit", posted.window(), {}, -1, false, false, -1},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.what);
        int tries = 0;
        const auto start = std::chrono::steady_clock::now();
        const bool result = workers::retry_post(
            each.window, each.stop,
            [&] {
                ++tries;
                if (each.failures < 0 || tries <= each.failures) {
                    if (each.throws)
                        throw std::bad_alloc();
                    return false;
                }
                return true;
            },
            300ms);
        const auto took = std::chrono::steady_clock::now() - start;
        EXPECT_EQ(result, each.posted);
        if (each.tries > 0)
            EXPECT_EQ(tries, each.tries);
        else
            EXPECT_GT(tries, 2);
        // Only the case that never goes in waits for the limit.
        if (each.tries < 0)
            EXPECT_GE(took, 300ms);
        else
            EXPECT_LT(took, 5s);
    }
}

// The two posts themselves, to a window that is gone: false at once, no retries.
TEST(post_reliably, gives_up_at_once_when_the_window_is_gone)
{
    const HWND gone = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(gone, nullptr);
    DestroyWindow(gone);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(workers::post_reliably(gone, messages::installations_done, 0, 0, {}));
    EXPECT_FALSE(workers::post_text_reliably(gone, messages::installation_error, L"text", {}));
    EXPECT_LT(std::chrono::steady_clock::now() - start, workers::post_retry_limit / 2);
}

} // namespace
