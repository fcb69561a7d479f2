// The animation: frames and delays read from the embedded GIF, the timer's
// interval, ticks that walk through the frames, and still images left still.
#include <gtest/gtest.h>

#include <chrono>
#include <limits>

#include "tests/views/ui/widget_host.h"
#include "views/ui/animated_gif.h"

using namespace widget_tests;
using general::ui::animated_gif;

namespace {

class animations : public gdiplus_suite {
protected:
    void SetUp() override
    {
        gdiplus_suite::SetUp();
        control = page.add(L"STATIC", 1013, L"", {10, 10, 74, 74}, SS_LEFT);
        ASSERT_NE(nullptr, control);
        ASSERT_TRUE(animation.attach(control));
    }

    void tick(WPARAM id = animated_gif::timer_id) { SendMessageW(control, WM_TIMER, id, 0); }

    host_window page;
    HWND control = nullptr;
    animated_gif animation;
};

} // namespace

TEST(frame_interval, is_ten_times_the_delay_and_never_below_the_timer_minimum)
{
    struct row {
        std::uint32_t delay;
        UINT interval;
    };
    const row rows[] = {
        {0, USER_TIMER_MINIMUM},
        {1, 10},
        {5, 50},
        {12, 120},
        {100, 1000},
        {std::numeric_limits<std::uint32_t>::max(), USER_TIMER_MAXIMUM},  // no wrap-around
    };
    for (const auto& each : rows) {
        SCOPED_TRACE(each.delay);
        EXPECT_EQ(each.interval, general::ui::frame_interval_ms(each.delay));
    }
}

TEST_F(animations, the_embedded_gif_has_twelve_frames_with_delays)
{
    animation.set_image(embedded_image(136, L"GIF"));
    EXPECT_EQ(12u, animation.frame_count());
    ASSERT_EQ(12u, animation.delays().size());
    for (auto delay : animation.delays())
        EXPECT_GT(delay, 0u);
    EXPECT_FALSE(animation.started());
    EXPECT_EQ(0u, animation.next_frame());
}

TEST_F(animations, ticks_walk_through_the_frames_and_wrap)
{
    animation.set_image(embedded_image(136, L"GIF"));
    tick();  // before start a tick changes nothing
    EXPECT_EQ(0u, animation.next_frame());
    animation.start();
    ASSERT_TRUE(animation.started());
    EXPECT_EQ(1u, animation.next_frame());
    for (UINT k = 1; k <= 25; ++k) {
        tick();
        EXPECT_EQ((1 + k) % 12, animation.next_frame());
    }
    const UINT before = animation.next_frame();
    tick(animated_gif::timer_id + 1);  // another timer is not ours
    EXPECT_EQ(before, animation.next_frame());
    animation.start();  // already started: no restart
    EXPECT_EQ(before, animation.next_frame());
}

TEST_F(animations, the_timer_really_runs)
{
    animation.set_image(embedded_image(136, L"GIF"));
    animation.start();
    // Waits for the system's timer, however long the first frame lasts.
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (animation.next_frame() == 1 && std::chrono::steady_clock::now() < give_up) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        host_window::pump();
    }
    EXPECT_NE(1u, animation.next_frame());
}

TEST_F(animations, still_images_are_shown_but_never_started)
{
    animation.set_image(embedded_image(130, L"PNG"));
    EXPECT_TRUE(animation.delays().empty());
    animation.start();
    EXPECT_FALSE(animation.started());
    tick();
    EXPECT_EQ(0u, animation.next_frame());

    animation.set_image(general::ui::image{});
    EXPECT_EQ(0u, animation.frame_count());
    animation.start();
    EXPECT_FALSE(animation.started());
    UpdateWindow(control);  // painting without an image
}

TEST_F(animations, a_new_image_starts_over)
{
    animation.set_image(embedded_image(136, L"GIF"));
    animation.start();
    tick();
    animation.set_image(embedded_image(130, L"PNG"));
    EXPECT_FALSE(animation.started());
    EXPECT_EQ(0u, animation.next_frame());
    tick();  // a tick of the old timer still queued changes nothing
    EXPECT_EQ(0u, animation.next_frame());
}

TEST_F(animations, paints_the_current_frame_over_the_whole_control)
{
    const RECT area{10, 10, 74, 74};
    const COLORREF page_colour = GetSysColor(COLOR_BTNFACE);
    const int empty = pixels_of(page.get(), area, page_colour);
    animation.set_image(embedded_image(136, L"GIF"));
    animation.start();
    EXPECT_LT(pixels_of(page.get(), area, page_colour), empty);
}
