// Labels: the width follows a single-line text, wrapped texts keep the template
// size and are centred vertically, and a new text never shows over the old one.
#include <gtest/gtest.h>

#include <string>

#include "tests/views/ui/widget_host.h"
#include "views/ui/label.h"

using namespace widget_tests;
using general::ui::label;

namespace {

const COLORREF text_red = RGB(255, 0, 0);
const RECT place{20, 30, 120, 60};  // 100 x 30
const int label_id = 1001;

class labels : public testing::Test {
protected:
    void SetUp() override
    {
        control = page.add(L"STATIC", label_id, L"template text", place, SS_LEFT);
        ASSERT_NE(nullptr, control);
        ASSERT_TRUE(text.attach(control));
        text.set_text_settings(settings_with(text_red), true);
    }

    RECT placement() const
    {
        RECT rect{};
        GetWindowRect(control, &rect);
        MapWindowPoints(HWND_DESKTOP, page.get(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    int width_of(const std::wstring& sample) const
    {
        HDC dc = GetDC(control);
        HGDIOBJ previous = SelectObject(dc, text.font());
        SIZE size{};
        GetTextExtentPoint32W(dc, sample.c_str(), static_cast<int>(sample.size()), &size);
        SelectObject(dc, previous);
        ReleaseDC(control, dc);
        return size.cx;
    }

    static std::wstring window_text(HWND window)
    {
        wchar_t buffer[256] = {};
        GetWindowTextW(window, buffer, 256);
        return buffer;
    }

    host_window page;
    HWND control = nullptr;
    label text;
};

} // namespace

TEST(label_centring, centres_the_measured_height_in_the_client)
{
    struct row {
        RECT client;
        int height;
        int top;
    };
    const row rows[] = {
        {{0, 0, 100, 40}, 20, 10},
        {{0, 0, 100, 41}, 20, 10},   // integer division drops the odd pixel
        {{0, 0, 100, 40}, 0, 20},
        {{0, 0, 100, 40}, 40, 0},
        {{0, 0, 100, 20}, 41, -10},  // taller than the control: starts above it
        {{0, 10, 100, 50}, 20, 10},  // the top counts against the bottom
    };
    for (const auto& each : rows) {
        SCOPED_TRACE(testing::Message() << each.client.bottom << " high, text " << each.height);
        EXPECT_EQ(each.top, general::ui::centred_text_top(each.client, each.height));
    }
}

TEST_F(labels, attach_makes_the_control_transparent_once)
{
    EXPECT_TRUE(GetWindowLongPtrW(control, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
    EXPECT_FALSE(text.attach(control));
    EXPECT_EQ(label::default_format, text.format());
}

TEST_F(labels, settings_give_the_colour_and_a_font_of_their_own)
{
    text_settings big = settings_with(RGB(1, 2, 3), -30);
    text.set_text_settings(big, true);
    EXPECT_EQ(RGB(1, 2, 3), text.color());
    LOGFONTW font{};
    ASSERT_NE(0, GetObjectW(text.font(), sizeof(font), &font));
    EXPECT_EQ(-30, font.lfHeight);
    EXPECT_STREQ(L"Arial", font.lfFaceName);
}

TEST_F(labels, single_line_width_follows_the_text_and_keeps_the_left_edge)
{
    for (const std::wstring sample : {L"Hi", L"A much longer line of text than the template", L"Mid length"}) {
        SCOPED_TRACE(testing::Message() << std::string(sample.begin(), sample.end()));
        text.set_text(sample);
        const RECT now = placement();
        EXPECT_EQ(place.left, now.left);
        EXPECT_EQ(place.top, now.top);
        EXPECT_EQ(place.bottom - place.top, now.bottom - now.top);
        EXPECT_EQ(width_of(sample), now.right - now.left);
        EXPECT_EQ(sample, window_text(control));
        EXPECT_EQ(sample, text.text());
    }
}

TEST_F(labels, new_settings_resize_a_single_line_text)
{
    const std::wstring sample = L"Resized with its font";
    text.set_text(sample);
    const LONG small = placement().right - placement().left;
    text.set_text_settings(settings_with(text_red, -32), true);
    EXPECT_GT(placement().right - placement().left, small);
    EXPECT_EQ(width_of(sample), placement().right - placement().left);
}

TEST_F(labels, wrapped_and_empty_texts_keep_the_template_size)
{
    text.set_text(L"");
    EXPECT_EQ(place.right, placement().right);
    text.set_format(DT_WORDBREAK | DT_VCENTER);
    text.set_text(L"A long text that wraps over several lines inside the label");
    EXPECT_EQ(place.right, placement().right);
    EXPECT_EQ(place.bottom, placement().bottom);
}

TEST_F(labels, a_shorter_text_leaves_nothing_of_the_longer_one)
{
    text.set_text(L"WWWWWWWWWWWW");
    const RECT long_extent = placement();
    ASSERT_GT(pixels_of(page.get(), long_extent, text_red), 0);
    text.set_text(L"i");
    RECT beyond = long_extent;
    beyond.left = placement().right + 1;
    EXPECT_EQ(0, pixels_of(page.get(), beyond, text_red));
    text.set_text(L"");
    EXPECT_EQ(0, pixels_of(page.get(), long_extent, text_red));
}

TEST_F(labels, the_static_control_never_paints_its_own_text)
{
    // The system's own text colour must not appear: the static control would
    // draw the window text in it if its painting ran.
    text.set_text(L"WWWWWWWW");
    const COLORREF own = GetSysColor(COLOR_WINDOWTEXT);
    SetWindowTextW(control, L"WWWWWWWW");
    EXPECT_EQ(0, pixels_of(page.get(), placement(), own));
    EXPECT_GT(pixels_of(page.get(), placement(), text_red), 0);
}

TEST_F(labels, wrapped_lines_are_centred_vertically)
{
    const RECT tall{20, 80, 220, 200};  // 200 x 120, text far shorter than that
    HWND wrapped = page.add(L"STATIC", 1002, L"", tall, SS_LEFT);
    label centred;
    ASSERT_TRUE(centred.attach(wrapped));
    centred.set_format(DT_WORDBREAK | DT_VCENTER);
    centred.set_text_settings(settings_with(text_red), true);
    centred.set_text(L"Two short lines of text in the middle");
    RECT top_band = tall, middle_band = tall, bottom_band = tall;
    top_band.bottom = tall.top + 30;
    middle_band.top = tall.top + 30;
    middle_band.bottom = tall.bottom - 30;
    bottom_band.top = tall.bottom - 30;
    EXPECT_EQ(0, pixels_of(page.get(), top_band, text_red));
    EXPECT_GT(pixels_of(page.get(), middle_band, text_red), 0);
    EXPECT_EQ(0, pixels_of(page.get(), bottom_band, text_red));
}
