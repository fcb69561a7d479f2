// Image buttons: the text colour of each state, clicks only when released inside,
// the check message, and what lands on the button when painted.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "messages/messages.h"
#include "tests/views/ui/widget_host.h"
#include "views/ui/button.h"

using namespace widget_tests;

namespace {

const RECT place{10, 10, 110, 40};                                                    // 100 x 30
const COLORREF green = RGB(0, 255, 0), red = RGB(255, 0, 0), cyan = RGB(0, 255, 255); // normal, pressed, disabled

class buttons : public gdiplus_suite {
protected:
    void SetUp() override
    {
        gdiplus_suite::SetUp();
        ASSERT_TRUE(widget.attach(control));
        widget.set_face(face.get(), settings_with(green));
    }

    // The button as WM_PRINTCLIENT paints it over magenta.
    picture printed() const
    {
        return capture(place.right - place.left, place.bottom - place.top, 0x00FF00FF, [&](HDC dc) {
            SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        });
    }

    host_window page;
    HWND control = page.add(L"BUTTON", IDOK, L"", place, BS_DEFPUSHBUTTON | WS_TABSTOP);
    general::ui::image face = embedded_image(131, L"PNG");
    general::ui::button widget;
};

// An input message and whether the button shows pressed after it; message 0
// stands for another window taking the mouse away.
struct step {
    UINT message;
    WPARAM wparam;
    LPARAM lparam;
    bool pressed;
};
step down(int x, int y)
{
    return {WM_LBUTTONDOWN, MK_LBUTTON, at(x, y), true};
}
step move(int x, int y, bool pressed)
{
    return {WM_MOUSEMOVE, MK_LBUTTON, at(x, y), pressed};
}
step up(int x, int y)
{
    return {WM_LBUTTONUP, 0, at(x, y), false};
}

} // namespace

TEST(button_colour, disabled_wins_then_pressed_then_hover_then_normal)
{
    // enabled, pressed, toggle, checked, hovered
    const std::pair<general::ui::button_state, COLORREF> rows[] = {
        {{true, false, false, false, false}, 1},  {{true, true, false, false, false}, 2},
        {{true, false, true, true, false}, 2},  // a checked toggle looks pressed
        {{true, false, false, true, false}, 1}, // checked without toggling: no change
        {{true, false, false, false, true}, 3},   {{true, true, false, false, true}, 2},
        {{false, false, false, false, false}, 4}, {{false, true, true, true, true}, 4}};
    for (const auto& [state, colour] : rows)
        EXPECT_EQ(colour, general::ui::button_text_color({1, 2, 3, 4}, state))
            << state.enabled << state.pressed << state.toggle << state.checked << state.hovered;
}

TEST_F(buttons, attach_makes_it_owner_drawn_once_and_the_check_message_sets_checked)
{
    EXPECT_EQ(static_cast<LONG_PTR>(BS_OWNERDRAW), GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK);
    EXPECT_FALSE(widget.attach(control));
    EXPECT_EQ(general::ui::button::default_format, widget.format());
    ASSERT_NE(0u, messages::check);
    for (WPARAM value : {1, 1, 0, 7, 0}) {
        SendMessageW(control, messages::check, value, 0);
        EXPECT_EQ(value != 0, widget.checked());
        EXPECT_EQ(green, widget.text_color()); // buttons here never toggle
    }
}

TEST_F(buttons, input_gives_the_pressed_state_its_colour_and_clicks)
{
    const step space_down{WM_KEYDOWN, VK_SPACE, 0x00390001, true}, space_up{WM_KEYUP, VK_SPACE, 0xC0390001u, false};
    const step double_click{WM_LBUTTONDBLCLK, MK_LBUTTON, at(5, 5), true}, capture_lost{0, 0, 0, false};
    struct row {
        const char* name;
        bool enabled;
        std::vector<step> steps;
        long clicks; // -1: not checked
    };
    const row rows[] = {
        {"inside", true, {down(10, 10), up(10, 10)}, 1},
        {"moved within", true, {down(10, 10), move(90, 25, true), up(90, 25)}, 1},
        {"out and released outside", true, {down(10, 10), move(300, 200, false), up(300, 200)}, 0},
        {"out and back in", true, {down(10, 10), move(300, 200, false), move(50, 15, true), up(50, 15)}, 1},
        {"past the right edge", true, {down(10, 10), move(100, 10, false), up(100, 10)}, 0},
        {"past the left edge, back at 0,0", true, {down(10, 10), move(-5, 10, false), move(0, 0, true), up(0, 0)}, 1},
        {"capture lost", true, {down(10, 10), capture_lost, up(10, 10)}, 0},
        {"double click", true, {double_click, up(5, 5)}, -1},
        {"space", true, {space_down, space_up}, 1},
        {"disabled", false, {down(10, 10), move(20, 10, true), up(10, 10)}, -1}};
    const std::pair<WPARAM, LPARAM> click{MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(control)};
    for (const auto& each : rows) {
        SCOPED_TRACE(each.name);
        page.commands.clear();
        SetFocus(control);
        EnableWindow(control, each.enabled);
        for (std::size_t i = 0; i < each.steps.size(); ++i) {
            const step& s = each.steps[i];
            if (s.message)
                SendMessageW(control, s.message, s.wparam, s.lparam);
            else
                ReleaseCapture();
            EXPECT_EQ(s.pressed, widget.pressed()) << "step " << i;
            EXPECT_EQ(!each.enabled ? cyan : s.pressed ? red : green, widget.text_color()) << "step " << i;
        }
        if (each.clicks >= 0) {
            EXPECT_EQ(each.clicks, std::count(page.commands.begin(), page.commands.end(), click));
        }
        EXPECT_NE(control, GetCapture());
    }
}

TEST_F(buttons, paints_face_and_text_inside_the_margins_and_alone_on_screen)
{
    const picture blank = printed();
    EXPECT_LT(blank.count(RGB(255, 0, 255)), 40); // the face covers all but its rounded corners
    EXPECT_EQ(0, blank.count(green));
    widget.set_text(L"WWWWWWWWWWWWWWWWWWWW");
    EXPECT_EQ(L"WWWWWWWWWWWWWWWWWWWW", window_text(control));
    // What puts the button in a state, and the only text colour it may show then.
    const std::pair<UINT, COLORREF> rows[] = {
        {0, green}, {WM_LBUTTONDOWN, red}, {WM_LBUTTONUP, green}, {WM_ENABLE, cyan}};
    const int width = place.right - place.left;
    for (const auto& [message, shown] : rows) {
        SCOPED_TRACE(message);
        if (message == WM_ENABLE)
            EnableWindow(control, FALSE);
        else if (message)
            SendMessageW(control, message, 0, at(10, 10));
        for (const picture& shot : {printed(), on_screen(page.get(), place)}) {
            EXPECT_GT(shot.count(shown, 10, width - 10), 0);
            EXPECT_EQ(0, shot.count(shown, 0, 10) + shot.count(shown, width - 10));
            EXPECT_EQ(0, shot.count(green) + shot.count(red) + shot.count(cyan) - shot.count(shown));
        }
    }
}
