// Links: the user's link colours from the registry, clicks and keys that reach
// the page as commands, the visited colour, the tooltip, the window text.
#include <gtest/gtest.h>

#include <string>

#include "general/windows/registry.h"
#include "tests/support/scratch_registry.h"
#include "tests/views/ui/widget_host.h"
#include "views/ui/hyperlink.h"

using namespace widget_tests;
using general::ui::hyperlink;
using general::ui::link_colors;

namespace {

const wchar_t settings_key[] = L"Software\\Microsoft\\Internet Explorer\\Settings";
const COLORREF blue = RGB(0, 0, 255);
const COLORREF purple = RGB(128, 0, 128);
const int link_id = 1009;

class links : public testing::Test {
protected:
    void SetUp() override
    {
        control = page.add(L"STATIC", link_id, L"template link", {20, 20, 220, 40}, WS_TABSTOP);
        ASSERT_NE(nullptr, control);
    }

    void attach_command_link()
    {
        ASSERT_TRUE(link.attach(control));
        link.set_address(L"https://example.invalid/licence");
        link.set_label(L"licence agreement");
        link.set_extended_style(hyperlink::command_button_style);
    }

    void send(UINT message, WPARAM wparam, LPARAM lparam)
    {
        SendMessageW(control, message, wparam, lparam);
        host_window::pump();
    }

    std::wstring tooltip_text()
    {
        wchar_t text[256] = {};
        TTTOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.hwnd = page.get();
        tool.uId = reinterpret_cast<UINT_PTR>(control);
        tool.lpszText = text;
        SendMessageW(link.tooltip(), TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
        return text;
    }

    test_support::scratch_registry registry;
    host_window page;
    HWND control = nullptr;
    hyperlink link;
};

void write_text(const wchar_t* name, const std::wstring& value)
{
    ASSERT_TRUE(general::windows::registry_write(HKEY_CURRENT_USER, settings_key, name, value));
}

} // namespace

TEST(anchor_colour, three_decimal_components_or_the_fallback)
{
    const COLORREF fallback = RGB(1, 2, 3);
    struct row {
        const wchar_t* text;
        COLORREF colour;
    };
    const row rows[] = {
        {L"0,0,255", RGB(0, 0, 255)},
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
        {L" , , ", fallback},
    };
    for (const auto& each : rows) {
        SCOPED_TRACE(testing::Message() << std::string(each.text, each.text + wcslen(each.text)));
        EXPECT_EQ(each.colour, general::ui::parse_anchor_color(each.text, fallback));
    }
}

TEST_F(links, colours_are_the_defaults_without_settings)
{
    const link_colors colours = general::ui::read_link_colors();
    EXPECT_EQ(blue, colours.link);
    EXPECT_EQ(purple, colours.visited);
}

TEST_F(links, colours_come_from_the_users_settings)
{
    write_text(L"Anchor Color", L"10,20,30");
    write_text(L"Anchor Color Visited", L"40, 50, 60");
    const link_colors colours = general::ui::read_link_colors();
    EXPECT_EQ(RGB(10, 20, 30), colours.link);
    EXPECT_EQ(RGB(40, 50, 60), colours.visited);
}

TEST_F(links, unusable_settings_fall_back_one_by_one)
{
    write_text(L"Anchor Color", L"10,20");
    write_text(L"Anchor Color Visited", L"1,2,3");
    EXPECT_EQ(blue, general::ui::read_link_colors().link);
    EXPECT_EQ(RGB(1, 2, 3), general::ui::read_link_colors().visited);

    // A number where a text belongs, and an expandable text the reader refuses.
    ASSERT_TRUE(general::windows::registry_write(HKEY_CURRENT_USER, settings_key, L"Anchor Color", std::uint32_t{5}));
    const wchar_t expandable[] = L"4,5,6";
    test_support::write_raw_value(HKEY_CURRENT_USER, settings_key, L"Anchor Color Visited", REG_EXPAND_SZ, expandable,
                                  sizeof(expandable));
    const link_colors colours = general::ui::read_link_colors();
    EXPECT_EQ(blue, colours.link);
    EXPECT_EQ(purple, colours.visited);
}

TEST_F(links, attach_reads_the_colours_once_and_takes_the_template_text)
{
    write_text(L"Anchor Color", L"0,128,0");
    ASSERT_TRUE(link.attach(control));
    EXPECT_FALSE(link.attach(control));
    EXPECT_EQ(RGB(0, 128, 0), link.colors().link);
    EXPECT_EQ(RGB(0, 128, 0), link.text_color());
    EXPECT_EQ(L"template link", link.label());
    ASSERT_NE(nullptr, link.tooltip());
}

TEST_F(links, a_click_inside_with_the_command_style_reaches_the_page)
{
    attach_command_link();
    struct row {
        const char* name;
        POINT down, up;
        std::size_t commands;
    };
    const row rows[] = {
        {"inside", {5, 5}, {6, 6}, 1},
        {"released outside", {5, 5}, {300, 5}, 0},
        {"released just past the bottom", {5, 5}, {5, 20}, 0},
    };
    for (const auto& each : rows) {
        SCOPED_TRACE(each.name);
        page.commands.clear();
        send(WM_LBUTTONDOWN, MK_LBUTTON, at(each.down.x, each.down.y));
        send(WM_LBUTTONUP, 0, at(each.up.x, each.up.y));
        ASSERT_EQ(each.commands, page.commands.size());
        if (each.commands) {
            EXPECT_EQ(link_id, page.commands[0].id);
            EXPECT_EQ(BN_CLICKED, page.commands[0].code);
            EXPECT_EQ(control, page.commands[0].from);
        }
        EXPECT_FALSE(link.visited());  // the page decides what to open
        EXPECT_NE(control, GetCapture());
    }
}

TEST_F(links, a_release_without_a_press_is_no_click)
{
    attach_command_link();
    send(WM_LBUTTONUP, 0, at(5, 5));
    EXPECT_TRUE(page.commands.empty());
}

TEST_F(links, enter_and_space_click_once_per_press)
{
    attach_command_link();
    struct row {
        WPARAM key;
        LPARAM data;
        std::size_t commands;
    };
    const row rows[] = {
        {VK_RETURN, 0x001C0001, 1},
        {VK_SPACE, 0x00390001, 1},
        {VK_SPACE, 0x40390001, 0},  // repeat of a held key
        {'A', 0x001E0001, 0},
    };
    for (const auto& each : rows) {
        SCOPED_TRACE(each.key);
        page.commands.clear();
        send(WM_KEYDOWN, each.key, each.data);
        EXPECT_EQ(each.commands, page.count(link_id, BN_CLICKED));
    }
}

TEST_F(links, asks_the_dialog_manager_for_enter_and_space)
{
    attach_command_link();
    for (WPARAM key : {WPARAM{VK_RETURN}, WPARAM{VK_SPACE}, WPARAM{VK_TAB}}) {
        MSG pending{control, WM_KEYDOWN, key, 0, 0, {}};
        const LRESULT code = SendMessageW(control, WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(&pending));
        EXPECT_EQ(key != VK_TAB, (code & DLGC_WANTMESSAGE) != 0) << key;
    }
}

TEST_F(links, visited_links_change_colour_on_screen)
{
    write_text(L"Anchor Color", L"0,0,255");
    write_text(L"Anchor Color Visited", L"255,0,0");
    attach_command_link();
    const RECT area{20, 20, 220, 40};
    EXPECT_GT(pixels_of(page.get(), area, RGB(0, 0, 255)), 0);
    EXPECT_EQ(0, pixels_of(page.get(), area, RGB(255, 0, 0)));
    link.set_visited(true);
    EXPECT_TRUE(link.visited());
    EXPECT_EQ(RGB(255, 0, 0), link.text_color());
    EXPECT_GT(pixels_of(page.get(), area, RGB(255, 0, 0)), 0);
    EXPECT_EQ(0, pixels_of(page.get(), area, RGB(0, 0, 255)));
    link.set_visited(false);
    EXPECT_EQ(RGB(0, 0, 255), link.text_color());
}

TEST_F(links, label_and_address_reach_the_window_text_and_the_tooltip)
{
    attach_command_link();
    wchar_t text[64] = {};
    GetWindowTextW(control, text, 64);
    EXPECT_STREQ(L"licence agreement", text);
    EXPECT_EQ(L"https://example.invalid/licence", tooltip_text());
    link.set_address(L"https://example.invalid/privacy");
    EXPECT_EQ(L"https://example.invalid/privacy", link.address());
    EXPECT_EQ(L"https://example.invalid/privacy", tooltip_text());
}

TEST_F(links, the_tooltip_goes_with_the_control)
{
    attach_command_link();
    HWND tooltip = link.tooltip();
    ASSERT_TRUE(IsWindow(tooltip));
    DestroyWindow(control);
    EXPECT_FALSE(IsWindow(tooltip));
    EXPECT_EQ(nullptr, link.hwnd());
    EXPECT_EQ(nullptr, link.tooltip());
}
