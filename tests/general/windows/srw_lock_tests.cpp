#include "general/windows/srw_lock.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <mutex>
#include <shared_mutex>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;
using general::windows::srw_lock;

// Both kinds: the slim lock where Windows has it, and the critical section XP gets.
class srw_lock_test : public testing::TestWithParam<srw_lock::implementation> {
protected:
    srw_lock lock{GetParam()};
};

INSTANTIATE_TEST_SUITE_P(kinds, srw_lock_test,
                         testing::Values(srw_lock::implementation::best_available,
                                         srw_lock::implementation::critical_section),
                         [](const auto& info) {
                             return info.param == srw_lock::implementation::critical_section ? "critical_section"
                                                                                             : "best_available";
                         });

TEST(srw_lock, uses_the_slim_lock_where_windows_has_it)
{
    EXPECT_TRUE(srw_lock{}.is_slim());
    EXPECT_FALSE(srw_lock{srw_lock::implementation::critical_section}.is_slim());
}

// Writers and readers hammer one lock; a writer must always be alone, and the
// writers' unguarded read-yield-write increments must all survive.
TEST_P(srw_lock_test, a_writer_never_overlaps_readers_or_writers)
{
    std::atomic<int> readers_inside{0};
    std::atomic<int> writers_inside{0};
    std::atomic<int> overlaps{0};
    int counter = 0;
    constexpr int writers = 3, readers = 3, rounds = 400;

    auto write = [&] {
        for (int i = 0; i < rounds; ++i) {
            std::unique_lock guard{lock};
            if (writers_inside.fetch_add(1) != 0 || readers_inside.load() != 0)
                ++overlaps;
            const int seen = counter;
            std::this_thread::yield();
            counter = seen + 1;
            writers_inside.fetch_sub(1);
        }
    };
    auto read = [&] {
        for (int i = 0; i < rounds; ++i) {
            std::shared_lock guard{lock};
            readers_inside.fetch_add(1);
            if (writers_inside.load() != 0)
                ++overlaps;
            std::this_thread::yield();
            readers_inside.fetch_sub(1);
        }
    };
    std::vector<std::thread> threads;
    for (int i = 0; i < writers; ++i)
        threads.emplace_back(write);
    for (int i = 0; i < readers; ++i)
        threads.emplace_back(read);
    for (auto& t : threads)
        t.join();
    EXPECT_EQ(overlaps.load(), 0);
    EXPECT_EQ(counter, writers * rounds);
}

TEST_P(srw_lock_test, a_writer_waits_for_a_reader_to_leave)
{
    std::shared_lock reading{lock};
    std::atomic<bool> written{false};
    std::thread writer{[&] {
        std::unique_lock writing{lock};
        written = true;
    }};
    std::this_thread::sleep_for(200ms);
    EXPECT_FALSE(written.load());
    reading.unlock();
    writer.join();
    EXPECT_TRUE(written.load());
}

TEST(srw_lock, readers_share_the_slim_lock)
{
    srw_lock lock;
    std::shared_lock first{lock};
    auto second = std::async(std::launch::async, [&] { std::shared_lock again{lock}; });
    const auto status = second.wait_for(10s);
    first.unlock(); // so a failure cannot hang the test
    EXPECT_EQ(status, std::future_status::ready);
}

} // namespace
