// Labels: the width follows a single-line text, wrapped texts keep the template
// size and are centred vertically, and only the label's own text reaches the screen.
#include <gtest/gtest.h>

#include <string>

#include "tests/views/ui/widget_host.h"
#include "views/ui/label.h"
#include "views/ui/text_fit.h"

using namespace widget_tests;
using general::ui::label;

namespace {

const COLORREF red = RGB(255, 0, 0);
const RECT place{20, 30, 120, 60}; // 100 x 30
const UINT wrapped = DT_WORDBREAK | DT_VCENTER;

class labels : public testing::Test {
protected:
    // `widget` over a new static control at `where`, in red Arial of 16 px.
    HWND make(label& widget, RECT where = place, UINT format = DT_SINGLELINE | DT_VCENTER)
    {
        HWND control = page.add(L"STATIC", 1001, L"template text", where, SS_LEFT);
        EXPECT_TRUE(widget.attach(control));
        widget.set_format(format);
        widget.set_text_settings(settings_with(red), true);
        return control;
    }

    host_window page;
    label text;
};

} // namespace

TEST(label_centring, centres_the_measured_height_in_the_client)
{
    struct row {
        RECT client;
        int height, top;
    };
    const row rows[] = {{{0, 0, 100, 40}, 20, 10},  {{0, 0, 100, 41}, 20, 10}, // drops the odd pixel
                        {{0, 0, 100, 40}, 0, 20},   {{0, 0, 100, 40}, 40, 0},
                        {{0, 0, 100, 20}, 41, -10},  // taller: starts above
                        {{0, 10, 100, 50}, 20, 10}}; // the top counts
    for (const auto& each : rows)
        EXPECT_EQ(each.top, general::ui::centred_text_top(each.client, each.height)) << each.client.bottom;
}

// A single line takes its text's width and wrapped lines the template's size;
// a text that does not fit the template's room at the theme's size is set
// smaller (never below 70 % of it), one that fits keeps the theme's size.
TEST_F(labels, single_lines_take_their_texts_width_and_others_keep_the_template_size)
{
    struct row {
        const wchar_t* text;
        UINT format;
        int font_height; // of settings given after the text; 0 for none
    };
    const UINT line = DT_SINGLELINE | DT_VCENTER;
    const row rows[] = {
        {L"Hi", line, 0},   {L"A much longer line of text than the template", line, 0},
        {L"Hi", line, -32}, {L"Resized with its font", line, -32},
        {L"", line, 0},     {L"A long text that wraps over several lines inside the label", wrapped, 0}};
    EXPECT_EQ(label::default_format, label{}.format());
    for (const auto& each : rows) {
        SCOPED_TRACE(each.text);
        label widget;
        HWND control = make(widget, place, each.format);
        EXPECT_TRUE(GetWindowLongPtrW(control, GWL_EXSTYLE) & WS_EX_TRANSPARENT); // the page shows around the text
        EXPECT_FALSE(widget.attach(control));
        widget.set_text(each.text);
        if (each.font_height)
            widget.set_text_settings(settings_with(red, each.font_height), true);
        const int wanted = each.font_height ? each.font_height : -16;
        const LOGFONTW theme_font = settings_with(red, wanted).font;
        const general::windows::unique_font theme_size{CreateFontIndirectW(&theme_font)};
        const SIZE room{place.right - place.left, place.bottom - place.top};
        const bool fits_at_theme_size = general::ui::text_fits(theme_size.get(), each.text, each.format, room);
        LOGFONTW font{};
        GetObjectW(widget.font(), sizeof(font), &font);
        EXPECT_EQ(widget.reduced(), !fits_at_theme_size);
        if (fits_at_theme_size) {
            EXPECT_EQ(wanted, font.lfHeight);
        } else {
            EXPECT_LT(-font.lfHeight, -wanted);
            EXPECT_GE(-font.lfHeight, -wanted * 7 / 10);
        }
        const RECT now = placement(control);
        EXPECT_EQ(left_top_bottom(place), left_top_bottom(now));
        const bool single = (each.format & DT_SINGLELINE) && *each.text;
        EXPECT_EQ(single ? text_width(control, widget.font(), each.text) : place.right - place.left,
                  now.right - now.left);
        EXPECT_EQ(each.text, window_text(control));
        EXPECT_EQ(each.text, widget.text());
        DestroyWindow(control);
    }
}

TEST_F(labels, a_shorter_text_leaves_nothing_of_the_longer_one)
{
    HWND control = make(text);
    text.set_text(L"WWWWWWWWWWWW");
    const RECT long_extent = placement(control);
    ASSERT_GT(on_screen(page.get(), long_extent).count(red), 0);
    text.set_text(L"i");
    EXPECT_EQ(0, on_screen(page.get(), long_extent).count(red, placement(control).right - place.left + 1));
    text.set_text(L"");
    EXPECT_EQ(0, on_screen(page.get(), long_extent).count(red));
}

TEST_F(labels, the_static_control_never_paints_its_own_text)
{
    // The static draws at once, in the system's colours, on a new window text or state.
    HWND control = make(text);
    text.set_text(L"WWWWWWWW");
    SetWindowTextW(control, L"WWWWWWWW");
    EnableWindow(control, FALSE);
    const picture shot = on_screen(page.get(), placement(control));
    EXPECT_EQ(0, shot.count(GetSysColor(COLOR_WINDOWTEXT)) + shot.count(GetSysColor(COLOR_GRAYTEXT)));
    EXPECT_GT(shot.count(red), 0);
}

TEST_F(labels, wrapped_lines_are_centred_vertically)
{
    const RECT tall{20, 80, 220, 200}; // 200 x 120, far taller than two lines
    make(text, tall, wrapped);
    text.set_text(L"Two short lines of text in the middle");
    const auto red_in_rows = [&](int from, int to) {
        return on_screen(page.get(), {tall.left, from, tall.right, to}).count(red);
    };
    EXPECT_EQ(0, red_in_rows(tall.top, tall.top + 30));
    EXPECT_GT(red_in_rows(tall.top + 30, tall.bottom - 30), 0);
    EXPECT_EQ(0, red_in_rows(tall.bottom - 30, tall.bottom));
}
