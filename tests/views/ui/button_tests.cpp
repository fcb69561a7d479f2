// Image buttons: the colour of each state, clicks only when released inside,
// the check message, the keyboard, and what lands on the button when painted.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/messages.h"
#include "tests/views/ui/widget_host.h"
#include "views/ui/button.h"

using namespace widget_tests;
using general::ui::button;
using general::ui::button_colors;
using general::ui::button_state;

namespace {

const int button_id = IDOK;
const RECT place{10, 10, 110, 40};  // 100 x 30
const COLORREF text_green = RGB(0, 255, 0);

class buttons : public gdiplus_suite {
protected:
    void SetUp() override
    {
        gdiplus_suite::SetUp();
        control = page.add(L"BUTTON", button_id, L"", place, BS_DEFPUSHBUTTON | WS_TABSTOP);
        ASSERT_NE(nullptr, control);
        ASSERT_TRUE(widget.attach(control));
        face = embedded_image(131, L"PNG");
        widget.set_face(face.get(), settings_with(text_green));
    }

    void send(UINT message, LPARAM lparam, WPARAM wparam = 0)
    {
        SendMessageW(control, message, wparam, lparam);
        host_window::pump();
    }

    // The button as WM_PRINTCLIENT paints it, over a magenta background.
    std::vector<std::uint32_t> printed()
    {
        const int width = place.right - place.left, height = place.bottom - place.top;
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ previous = SelectObject(dc, bitmap);
        std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width * height), 0x00FF00FF);
        std::copy(pixels.begin(), pixels.end(), static_cast<std::uint32_t*>(bits));
        SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        GdiFlush();
        std::copy_n(static_cast<std::uint32_t*>(bits), pixels.size(), pixels.begin());
        SelectObject(dc, previous);
        DeleteDC(dc);
        DeleteObject(bitmap);
        return pixels;
    }

    host_window page;
    HWND control = nullptr;
    general::ui::image face;
    button widget;
};

} // namespace

TEST(button_colour, disabled_wins_then_pressed_then_hover_then_normal)
{
    const button_colors colours{1, 2, 3, 4};
    struct row {
        button_state state;
        COLORREF colour;
    };
    const row rows[] = {
        {{true, false, false, false, false}, 1},
        {{true, true, false, false, false}, 2},
        {{true, false, true, true, false}, 2},   // a checked toggle looks pressed
        {{true, false, false, true, false}, 1},  // checked without toggling: no change
        {{true, false, false, false, true}, 3},
        {{true, true, false, false, true}, 2},
        {{false, false, false, false, false}, 4},
        {{false, true, true, true, true}, 4},
    };
    for (const auto& each : rows) {
        SCOPED_TRACE(testing::Message() << "enabled " << each.state.enabled << " pressed " << each.state.pressed
                                        << " toggle " << each.state.toggle << " checked " << each.state.checked
                                        << " hovered " << each.state.hovered);
        EXPECT_EQ(each.colour, general::ui::button_text_color(colours, each.state));
    }
}

TEST_F(buttons, attach_makes_the_button_owner_drawn)
{
    EXPECT_EQ(static_cast<LONG_PTR>(BS_OWNERDRAW), GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK);
    EXPECT_FALSE(widget.attach(control));
    EXPECT_EQ(button::default_format, widget.format());
}

TEST_F(buttons, clicks_only_when_released_inside)
{
    enum kind { down, move, up };
    struct step {
        kind what;
        int x, y;
    };
    struct row {
        const char* name;
        std::vector<step> steps;
        std::size_t clicks;
        bool pressed_before_release;
    };
    const row rows[] = {
        {"inside", {{down, 10, 10}, {up, 10, 10}}, 1, true},
        {"moved within", {{down, 10, 10}, {move, 90, 25}, {up, 90, 25}}, 1, true},
        {"out and released outside", {{down, 10, 10}, {move, 300, 200}, {up, 300, 200}}, 0, false},
        {"out and back in", {{down, 10, 10}, {move, 300, 200}, {move, 50, 15}, {up, 50, 15}}, 1, true},
        {"just outside the right edge", {{down, 10, 10}, {move, 100, 10}, {up, 100, 10}}, 0, false},
    };
    for (const auto& each : rows) {
        SCOPED_TRACE(each.name);
        page.commands.clear();
        for (const auto& s : each.steps) {
            const UINT message = s.what == down ? WM_LBUTTONDOWN : s.what == move ? WM_MOUSEMOVE : WM_LBUTTONUP;
            if (s.what == up) {
                EXPECT_EQ(each.pressed_before_release, widget.pressed());
            }
            send(message, at(s.x, s.y), s.what == up ? 0 : MK_LBUTTON);
            if (s.what == down) {
                EXPECT_TRUE(widget.pressed());
            }
        }
        EXPECT_EQ(each.clicks, page.count(button_id, BN_CLICKED));
        EXPECT_FALSE(widget.pressed());
        EXPECT_NE(control, GetCapture());
    }
}

TEST_F(buttons, double_click_presses_like_a_click)
{
    send(WM_LBUTTONDBLCLK, at(5, 5), MK_LBUTTON);
    EXPECT_TRUE(widget.pressed());
    EXPECT_EQ(RGB(255, 0, 0), widget.text_color());
    send(WM_LBUTTONUP, at(5, 5));
    EXPECT_FALSE(widget.pressed());
}

TEST_F(buttons, the_pressed_colour_follows_the_pointer)
{
    EXPECT_EQ(text_green, widget.text_color());
    send(WM_LBUTTONDOWN, at(10, 10), MK_LBUTTON);
    EXPECT_EQ(RGB(255, 0, 0), widget.text_color());
    send(WM_MOUSEMOVE, at(-5, 10), MK_LBUTTON);
    EXPECT_EQ(text_green, widget.text_color());
    send(WM_MOUSEMOVE, at(0, 0), MK_LBUTTON);
    EXPECT_EQ(RGB(255, 0, 0), widget.text_color());
    send(WM_LBUTTONUP, at(0, 0));
    EXPECT_EQ(text_green, widget.text_color());
}

TEST_F(buttons, losing_the_capture_releases_without_a_click)
{
    send(WM_LBUTTONDOWN, at(10, 10), MK_LBUTTON);
    ASSERT_TRUE(widget.pressed());
    ReleaseCapture();
    host_window::pump();
    EXPECT_FALSE(widget.pressed());
    send(WM_LBUTTONUP, at(10, 10));
    EXPECT_EQ(0u, page.count(button_id, BN_CLICKED));
}

TEST_F(buttons, a_disabled_button_shows_the_disabled_colour_whatever_the_mouse_does)
{
    EnableWindow(control, FALSE);
    const COLORREF disabled = RGB(0, 255, 255);
    EXPECT_EQ(disabled, widget.text_color());
    for (UINT message : {WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP}) {
        send(message, at(10, 10), MK_LBUTTON);
        EXPECT_EQ(disabled, widget.text_color());
    }
    widget.set_text(L"Install");
    EXPECT_GT(pixels_of(printed(), disabled), 0);
    EXPECT_EQ(0, pixels_of(printed(), text_green));
}

TEST_F(buttons, space_presses_and_clicks_on_release)
{
    SetFocus(control);
    send(WM_KEYDOWN, 0x00390001, VK_SPACE);
    EXPECT_TRUE(widget.pressed());
    EXPECT_EQ(0u, page.count(button_id, BN_CLICKED));
    send(WM_KEYUP, static_cast<LPARAM>(0xC0390001u), VK_SPACE);
    EXPECT_FALSE(widget.pressed());
    EXPECT_EQ(1u, page.count(button_id, BN_CLICKED));
}

TEST_F(buttons, the_check_message_sets_checked)
{
    ASSERT_NE(0u, messages::check);
    for (WPARAM value : {WPARAM{1}, WPARAM{1}, WPARAM{0}, WPARAM{7}, WPARAM{0}}) {
        SendMessageW(control, messages::check, value, 0);
        EXPECT_EQ(value != 0, widget.checked());
        // Buttons here never toggle, so checked alone changes no colour.
        EXPECT_EQ(text_green, widget.text_color());
    }
}

TEST_F(buttons, paints_the_face_and_the_text_in_the_state_colour)
{
    const auto blank = printed();
    // The face covers all but its rounded, transparent corners.
    EXPECT_LT(pixels_of(blank, RGB(255, 0, 255)), 40);
    EXPECT_EQ(0, pixels_of(blank, text_green));

    widget.set_text(L"Install");
    EXPECT_EQ(L"Install", widget.text());
    wchar_t window_text[32] = {};
    GetWindowTextW(control, window_text, 32);
    EXPECT_STREQ(L"Install", window_text);
    EXPECT_GT(pixels_of(printed(), text_green), 0);

    send(WM_LBUTTONDOWN, at(10, 10), MK_LBUTTON);
    EXPECT_GT(pixels_of(printed(), RGB(255, 0, 0)), 0);
    EXPECT_EQ(0, pixels_of(printed(), text_green));
    send(WM_LBUTTONUP, at(10, 10));
}

TEST_F(buttons, text_keeps_ten_pixels_from_the_sides)
{
    widget.set_format(DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    widget.set_text(L"WWWWWWWWWWWWWWWWWWWW");
    const auto pixels = printed();
    const int width = place.right - place.left;
    int outside = 0, inside = 0;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const int x = static_cast<int>(i % width);
        const bool green = (pixels[i] & 0xFFFFFF) == 0x00FF00;
        (x < 10 || x >= width - 10 ? outside : inside) += green;
    }
    EXPECT_EQ(0, outside);
    EXPECT_GT(inside, 0);
}

TEST_F(buttons, the_button_itself_stays_the_only_painter_on_screen)
{
    widget.set_text(L"Install");
    RECT area = place;
    EXPECT_GT(pixels_of(page.get(), area, text_green), 0);
    send(WM_LBUTTONDOWN, at(10, 10), MK_LBUTTON);
    EXPECT_GT(pixels_of(page.get(), area, RGB(255, 0, 0)), 0);
    send(WM_LBUTTONUP, at(10, 10));
    EXPECT_GT(pixels_of(page.get(), area, text_green), 0);
    EXPECT_EQ(0, pixels_of(page.get(), area, RGB(255, 0, 0)));
}
