// Images decoded from memory, and the animation: frames and delays of the embedded
// GIF, the timer, still images left still, frames composed over the page.
#include <gtest/gtest.h>

#include <chrono>
#include <limits>
#include <stdexcept>
#include <string>
#include <utility>

#include "tests/views/ui/widget_host.h"
#include "views/ui/animated_gif.h"

using namespace widget_tests;
using general::ui::animated_gif;
using general::ui::image;

namespace {

const RECT place{10, 10, 74, 74};

class animations : public gdiplus_suite {
protected:
    void SetUp() override
    {
        gdiplus_suite::SetUp();
        ASSERT_TRUE(animation.attach(control));
    }

    void tick(WPARAM id = animated_gif::timer_id) { SendMessageW(control, WM_TIMER, id, 0); }

    host_window page;
    HWND control = page.add(L"STATIC", 1013, L"", place, SS_LEFT);
    animated_gif animation;
};

} // namespace

TEST_F(animations, images_decode_move_and_refuse_what_is_no_image)
{
    image face = embedded_image(131, L"PNG");
    ASSERT_TRUE(face);
    EXPECT_EQ(97u, face.get()->GetWidth());
    EXPECT_EQ(33u, face.get()->GetHeight());
    image moved = std::move(face);
    EXPECT_FALSE(face);
    ASSERT_TRUE(moved);
    EXPECT_EQ(97u, moved.get()->GetWidth());
    moved = embedded_image(130, L"PNG"); // the old bitmap must go before its memory
    EXPECT_EQ(239u, moved.get()->GetWidth());

    const std::string garbage = "this is certainly not an image file";
    general::windows::resource::handle png(GetModuleHandleW(nullptr), 131, L"PNG");
    const std::pair<const void*, std::size_t> inputs[] = {
        {garbage.data(), garbage.size()}, {garbage.data(), 0}, {nullptr, 16}, {png.data(), 40} /* cut short */};
    for (const auto& [data, size] : inputs) {
        try {
            image::from_bytes(data, size);
            ADD_FAILURE() << "no exception for " << size << " bytes";
        } catch (const std::runtime_error& failure) {
            EXPECT_STREQ("invalid resource", failure.what());
        }
    }
}

TEST(frame_interval, is_ten_times_the_delay_within_the_timer_limits)
{
    const std::pair<std::uint32_t, UINT> rows[] = {
        {0, USER_TIMER_MINIMUM},
        {1, 10},
        {5, 50},
        {12, 120},
        {100, 1000},
        {std::numeric_limits<std::uint32_t>::max(), USER_TIMER_MAXIMUM}}; // no wrap-around
    for (const auto& [delay, interval] : rows)
        EXPECT_EQ(interval, general::ui::frame_interval_ms(delay)) << delay;
}

TEST_F(animations, the_embedded_gif_walks_its_twelve_frames_and_wraps)
{
    animation.set_image(embedded_image(136, L"GIF"));
    EXPECT_EQ(12u, animation.frame_count());
    EXPECT_EQ(12u, animation.delays().size());
    EXPECT_EQ(0, std::count(animation.delays().begin(), animation.delays().end(), 0u));
    EXPECT_FALSE(animation.started());
    tick(); // before start a tick changes nothing
    EXPECT_EQ(0u, animation.next_frame());
    animation.start();
    ASSERT_TRUE(animation.started());
    EXPECT_EQ(1u, animation.next_frame());
    for (UINT k = 1; k <= 25; ++k) {
        tick();
        EXPECT_EQ((1 + k) % 12, animation.next_frame());
    }
    const UINT before = animation.next_frame();
    tick(animated_gif::timer_id + 1); // not our timer
    animation.start();                // already started: no restart
    EXPECT_EQ(before, animation.next_frame());
    // The system's timer runs too, however long the frame lasts.
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (animation.next_frame() == before && std::chrono::steady_clock::now() < give_up) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        host_window::pump();
    }
    EXPECT_NE(before, animation.next_frame());
}

TEST_F(animations, still_and_replaced_images_never_run)
{
    animation.set_image(embedded_image(136, L"GIF"));
    animation.start();
    tick();
    animation.set_image(embedded_image(130, L"PNG"));
    EXPECT_TRUE(animation.delays().empty());
    EXPECT_FALSE(animation.started());
    tick(); // a tick of the old timer still queued
    animation.start();
    EXPECT_FALSE(animation.started());
    EXPECT_EQ(0u, animation.next_frame());
    animation.set_image(image{});
    EXPECT_EQ(0u, animation.frame_count());
    animation.start();
    EXPECT_FALSE(animation.started());
    UpdateWindow(control); // painting without an image
}

TEST_F(animations, frames_are_composed_over_the_pages_static_background)
{
    animation.set_image(embedded_image(136, L"GIF"));
    animation.start();
    // The GIF's corners are transparent: they show the page's brush, not its erase colour or black.
    for (const POINT corner : {POINT{10, 10}, POINT{73, 10}, POINT{10, 73}, POINT{73, 73}})
        EXPECT_EQ(1, on_screen(page.get(), {corner.x, corner.y, corner.x + 1, corner.y + 1}).count(static_colour))
            << corner.x << "," << corner.y;
    const picture shot = on_screen(page.get(), place);
    EXPECT_EQ(0, shot.count(GetSysColor(COLOR_BTNFACE)));
    EXPECT_GT(static_cast<int>(shot.bits.size()) - shot.count(static_colour), 400); // the spinner's ring
}
