// Links: the user's colours from the registry, clicks and keys that reach the page
// as commands, the visited colour, the text's width, the focus frame, the tooltip.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "general/windows/registry.h"
#include "tests/support/scratch_registry.h"
#include "tests/views/ui/widget_host.h"
#include "views/ui/hyperlink.h"

using namespace widget_tests;
using general::ui::hyperlink;
using general::ui::read_link_colors;

namespace {

const wchar_t settings_key[] = L"Software\\Microsoft\\Internet Explorer\\Settings";
const COLORREF blue = RGB(0, 0, 255), purple = RGB(128, 0, 128), red = RGB(255, 0, 0);
const RECT place{20, 20, 220, 40};

class links : public testing::Test {
protected:
    void attach_command_link()
    {
        ASSERT_TRUE(link.attach(control));
        link.set_address(L"https://example.invalid/licence");
        link.set_label(L"licence agreement");
        link.set_extended_style(hyperlink::command_button_style);
    }

    std::wstring tooltip_text()
    {
        wchar_t text[256] = {};
        TTTOOLINFOW tool{TTTOOLINFOW_V2_SIZE, 0, page.get(), reinterpret_cast<UINT_PTR>(control)};
        tool.lpszText = text;
        SendMessageW(link.tooltip(), TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
        return text;
    }

    test_support::scratch_registry registry;
    host_window page;
    HWND control = page.add(L"STATIC", 1009, L"template link", place, WS_TABSTOP);
    hyperlink link;
};

void write_text(const wchar_t* name, const std::wstring& value)
{
    ASSERT_TRUE(general::windows::registry_write(HKEY_CURRENT_USER, settings_key, name, value));
}

// Answers WM_QUERYUISTATE with *state, in place of a system that may never hide the focus.
LRESULT CALLBACK answer_ui_state(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR state)
{
    if (message == WM_QUERYUISTATE)
        return *reinterpret_cast<const LRESULT*>(state);
    return DefSubclassProc(window, message, wparam, lparam);
}

} // namespace

TEST(anchor_colour, three_decimal_components_or_the_fallback)
{
    const COLORREF fallback = RGB(1, 2, 3);
    const std::pair<const wchar_t*, COLORREF> rows[] = {{L"0,0,255", RGB(0, 0, 255)},
                                                        {L"128,0,128", RGB(128, 0, 128)},
                                                        {L"255,255,255", RGB(255, 255, 255)},
                                                        {L" 12 , 34 ,\t56 ", RGB(12, 34, 56)},
                                                        {L"007,08,9", RGB(7, 8, 9)},
                                                        {L"0,0", fallback},
                                                        {L"0,0,", fallback},
                                                        {L",0,0", fallback},
                                                        {L"1,2,3,4", fallback},
                                                        {L"256,0,0", fallback},
                                                        {L"0,0,1000", fallback},
                                                        {L"0,0,-1", fallback},
                                                        {L"a,b,c", fallback},
                                                        {L"0x10,0,0", fallback},
                                                        {L"1 2,3,4", fallback},
                                                        {L"", fallback},
                                                        {L" , , ", fallback}};
    for (const auto& [text, colour] : rows)
        EXPECT_EQ(colour, general::ui::parse_anchor_color(text, fallback)) << text;
}

TEST_F(links, colours_come_from_the_users_settings_one_by_one_or_are_the_defaults)
{
    const auto colours = [] { return std::pair(read_link_colors().link, read_link_colors().visited); };
    EXPECT_EQ(std::pair(blue, purple), colours());
    write_text(L"Anchor Color", L"10,20,30");
    write_text(L"Anchor Color Visited", L"40, 50, 60");
    EXPECT_EQ(std::pair(RGB(10, 20, 30), RGB(40, 50, 60)), colours());
    write_text(L"Anchor Color", L"10,20");
    EXPECT_EQ(std::pair(blue, RGB(40, 50, 60)), colours());
    // A number where a text belongs, and an expandable text the reader refuses.
    ASSERT_TRUE(general::windows::registry_write(HKEY_CURRENT_USER, settings_key, L"Anchor Color", std::uint32_t{5}));
    const wchar_t expandable[] = L"4,5,6";
    test_support::write_raw_value(HKEY_CURRENT_USER, settings_key, L"Anchor Color Visited", REG_EXPAND_SZ, expandable,
                                  sizeof(expandable));
    EXPECT_EQ(std::pair(blue, purple), colours());
}

TEST_F(links, mouse_and_keys_click_a_command_style_link_once)
{
    attach_command_link();
    const auto down = [](int x, int y) { return MSG{nullptr, WM_LBUTTONDOWN, MK_LBUTTON, at(x, y), 0, {}}; };
    const auto up = [](int x, int y) { return MSG{nullptr, WM_LBUTTONUP, 0, at(x, y), 0, {}}; };
    const auto key = [](WPARAM key, LPARAM data) { return MSG{nullptr, WM_KEYDOWN, key, data, 0, {}}; };
    const std::pair<std::vector<MSG>, std::size_t> rows[] = {
        {{down(5, 5), up(6, 6)}, 1},
        {{down(5, 5), up(300, 5)}, 0}, // released outside
        {{down(5, 5), up(5, 20)}, 0},  // released just past the bottom
        {{up(5, 5)}, 0},               // released without a press
        {{key(VK_RETURN, 0x001C0001)}, 1},
        {{key(VK_SPACE, 0x00390001)}, 1},
        {{key(VK_SPACE, 0x40390001)}, 0}, // a held key repeating
        {{key('A', 0x001E0001)}, 0}};
    const std::pair<WPARAM, LPARAM> click{MAKEWPARAM(1009, BN_CLICKED), reinterpret_cast<LPARAM>(control)};
    for (const auto& [input, clicks] : rows) {
        page.commands.clear();
        for (const MSG& message : input)
            SendMessageW(control, message.message, message.wParam, message.lParam);
        host_window::pump();
        EXPECT_EQ(std::vector(clicks, click), page.commands) << input.back().message << " " << input.back().lParam;
        EXPECT_FALSE(link.visited()); // the page decides what to open
        EXPECT_NE(control, GetCapture());
    }
    // Without asking, the dialog manager would turn Enter into the default button's click.
    for (WPARAM key : {VK_RETURN, VK_SPACE, VK_TAB}) {
        MSG pending{control, WM_KEYDOWN, key, 0, 0, {}};
        const LRESULT code = SendMessageW(control, WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(&pending));
        EXPECT_EQ(key != VK_TAB, (code & DLGC_WANTMESSAGE) != 0) << key;
    }
}

TEST_F(links, visited_links_repaint_in_their_colour_over_the_pages_brush)
{
    write_text(L"Anchor Color Visited", L"255,0,0"); // read when attached
    attach_command_link();
    picture shot = on_screen(page.get(), place);
    EXPECT_GT(shot.count(blue), 0);
    EXPECT_GT(shot.count(static_colour), 0);
    EXPECT_EQ(0, shot.count(red));
    link.set_visited(true);
    EXPECT_TRUE(link.visited());
    EXPECT_EQ(red, link.text_color());
    shot = on_screen(page.get(), place);
    EXPECT_GT(shot.count(red), 0);
    EXPECT_EQ(0, shot.count(blue));
    link.set_visited(false);
    EXPECT_EQ(blue, link.text_color());
}

TEST_F(links, a_left_aligned_link_takes_its_texts_width_keeping_its_left_edge)
{
    const wchar_t* const wide = L"a licence agreement far wider than its box";
    const RECT narrow{20, 60, 60, 80};
    struct row {
        DWORD style;
        bool by_set_label; // else by the template's text
        bool fits;
    };
    for (const row each : {row{SS_LEFT, false, true}, row{SS_LEFT, true, true}, row{SS_CENTER, true, false}}) {
        SCOPED_TRACE(testing::Message() << each.style << each.by_set_label);
        HWND box = page.add(L"STATIC", 1010, each.by_set_label ? L"x" : wide, narrow, each.style);
        hyperlink fitted;
        ASSERT_TRUE(fitted.attach(box));
        if (each.by_set_label)
            fitted.set_label(wide);
        const RECT now = placement(box);
        EXPECT_EQ(left_top_bottom(narrow), left_top_bottom(now));
        if (each.fits) {
            EXPECT_GE(now.right - now.left, text_width(box, fitted.font(), wide));
        } else {
            EXPECT_EQ(narrow.right, now.right);
        }
        DestroyWindow(box);
    }
}

TEST_F(links, the_focus_frame_shows_unless_the_window_hides_focus)
{
    LRESULT ui_state = 0;
    ASSERT_TRUE(SetWindowSubclass(control, answer_ui_state, 1, reinterpret_cast<DWORD_PTR>(&ui_state)));
    attach_command_link();
    const RECT area = placement(control);
    const picture unfocused = on_screen(page.get(), area);
    SetFocus(control);
    ASSERT_EQ(control, GetFocus());
    EXPECT_NE(unfocused.bits, on_screen(page.get(), area).bits);
    ui_state = UISF_HIDEFOCUS;
    SendMessageW(control, WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
    EXPECT_EQ(unfocused.bits, on_screen(page.get(), area).bits);
}

TEST_F(links, attaches_once_and_label_and_address_reach_the_window_text_and_the_tooltip)
{
    attach_command_link();
    EXPECT_FALSE(link.attach(control));
    EXPECT_EQ(L"licence agreement", window_text(control));
    // The tooltip comes with the first move of the mouse over the link, with
    // the address as it is then; later moves keep it.
    EXPECT_EQ(nullptr, link.tooltip());
    SendMessageW(control, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    const HWND first = link.tooltip();
    SendMessageW(control, WM_MOUSEMOVE, 0, MAKELPARAM(3, 2));
    EXPECT_EQ(first, link.tooltip());
    EXPECT_EQ(L"https://example.invalid/licence", tooltip_text());
    link.set_address(L"https://example.invalid/privacy");
    EXPECT_EQ(L"https://example.invalid/privacy", link.address());
    EXPECT_EQ(L"https://example.invalid/privacy", tooltip_text());
    HWND tooltip = link.tooltip(); // goes with the control
    ASSERT_TRUE(IsWindow(tooltip));
    DestroyWindow(control);
    EXPECT_FALSE(IsWindow(tooltip));
    EXPECT_EQ(nullptr, link.hwnd());
    EXPECT_EQ(nullptr, link.tooltip());
}
