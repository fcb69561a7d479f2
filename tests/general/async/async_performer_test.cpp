#include <gtest/gtest.h>

#include <winsock2.h>
#include <windows.h>
#include <tlhelp32.h>

#include <atomic>
#include <chrono>
#include <future>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

#include "general/async_performer.h"
#include "general/windows/handle.h"

using namespace std::chrono_literals;

namespace {

int thread_count_of_this_process()
{
    general::windows::unique_snapshot snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Thread32First(snapshot.get(), &entry); more; more = Thread32Next(snapshot.get(), &entry))
        if (entry.th32OwnerProcessID == GetCurrentProcessId())
            ++count;
    return count;
}

} // namespace

TEST(async_performer, tasks_run_in_posting_order_on_one_pool_thread)
{
    std::mutex lock;
    std::vector<int> order;
    std::vector<std::thread::id> threads;
    std::promise<void> done;
    {
        general::async_performer performer(true);
        EXPECT_EQ(1, performer.thread_count());
        for (int i = 0; i < 50; ++i)
            performer.post([&, i] {
                std::lock_guard guard(lock);
                order.push_back(i);
                threads.push_back(std::this_thread::get_id());
                if (i == 49)
                    done.set_value();
            });
        ASSERT_EQ(std::future_status::ready, done.get_future().wait_for(10s));
    }
    ASSERT_EQ(50u, order.size());
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(i, order[i]);
    for (const auto& id : threads) {
        EXPECT_EQ(threads.front(), id);
        EXPECT_NE(std::this_thread::get_id(), id);
    }
}

TEST(async_performer, destroying_an_idle_performer_is_prompt_and_leaves_no_thread)
{
    const int before = thread_count_of_this_process();
    const auto started = std::chrono::steady_clock::now();
    {
        general::async_performer performer(true);
        std::this_thread::sleep_for(20ms); // let the pool thread reach its wait
        EXPECT_EQ(before + 1, thread_count_of_this_process());
    }
    EXPECT_LT(std::chrono::steady_clock::now() - started, 2s);
    EXPECT_EQ(before, thread_count_of_this_process());
}

TEST(async_performer, without_start_there_is_no_thread_and_nothing_runs)
{
    const int before = thread_count_of_this_process();
    std::atomic<bool> ran{false};
    {
        general::async_performer performer(false);
        EXPECT_EQ(before, thread_count_of_this_process());
        performer.post([&] { ran = true; });
        std::this_thread::sleep_for(20ms);
    }
    EXPECT_FALSE(ran);
}

TEST(async_performer, a_throwing_task_does_not_stop_the_ones_after_it)
{
    std::promise<void> after;
    general::async_performer performer(true);
    performer.post([] { throw std::runtime_error("task failed"); });
    performer.post([] { throw 42; });
    performer.post([&] { after.set_value(); });
    EXPECT_EQ(std::future_status::ready, after.get_future().wait_for(10s));
}

// What the owner posted before it finishes runs to its end, even a slow task
// and the ones queued behind it; nothing posted afterwards runs.
TEST(async_performer, finishing_runs_every_task_already_posted_and_none_after)
{
    std::atomic<int> ran{0};
    std::atomic<bool> late{false};
    general::async_performer performer(true);
    performer.post([&] {
        std::this_thread::sleep_for(200ms);
        ++ran;
    });
    for (int i = 0; i < 5; ++i)
        performer.post([&] { ++ran; });
    performer.finish_tasks();
    EXPECT_EQ(6, ran.load());
    performer.post([&] { late = true; });
    std::this_thread::sleep_for(50ms);
    EXPECT_FALSE(late);
}
