#pragma once
// The pages' large image buttons: a face image stretched over the button, the
// text on it in the theme's font, in the colour of the button's state. Takes
// over an existing push button of a page and makes it owner-drawn (see
// window_layer.h for the handler convention); the standard button still does
// the clicking, so the page receives WM_COMMAND/BN_CLICKED as from any button.
// User-interface thread only.
#include <winsock2.h>
#include <windows.h>

#include <string>

#include "general/windows/gdi.h"
#include "general/windows/ui/subclassed_window.h"
#include "views/theme.h"

namespace Gdiplus {
class Image;
}

namespace general::ui {

struct button_colors {
    COLORREF normal = 0;
    COLORREF selected = 0; // while pressed, or checked when the button toggles
    COLORREF active = 0;   // hovered, in hover mode only (never used here)
    COLORREF disabled = 0;
};

struct button_state {
    bool enabled = true;
    bool pressed = false;
    bool toggle = false;
    bool checked = false;
    bool hovered = false; // hover mode on and the mouse over the button
};

// The colour of the text in `state`: disabled always wins, then pressed (or
// checked toggle), then hovered, then normal.
COLORREF button_text_color(const button_colors& colors, const button_state& state) noexcept;

class button : public general::windows::ui::subclassed_window {
public:
    // DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS.
    static constexpr UINT default_format = DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;

    button();

    // Subclasses the button and gives it the owner-draw style.
    bool attach(HWND control);

    // `face` is not owned: the page keeps it alive as long as the button. Takes
    // the font and the four colours of `settings`; repaints at once.
    void set_face(Gdiplus::Image* face, const text_settings& settings);
    // Stores the text (also as the window text, for screen readers); repaints.
    void set_text(const std::wstring& text);
    void set_format(UINT format);

    const std::wstring& text() const noexcept { return text_; }
    UINT format() const noexcept { return format_; }
    bool pressed() const noexcept { return pressed_; }
    bool checked() const noexcept { return checked_; }
    // The colour the text is painted in now.
    COLORREF text_color() const noexcept;
    HFONT font() const noexcept { return font_.get(); }
    // Where the text goes: the client area less a margin at either side.
    RECT text_area() const;
    // The DrawText flags the text is drawn with: the format, or wrapped lines
    // where one line would have been too small (see fit).
    UINT drawing_format() const;
    // Whether the text is set smaller than the theme's size, or on two lines,
    // to fit (see views/ui/text_fit.h).
    bool reduced() const noexcept { return reduced_; }
    // The button's width in which the text would fit at the theme's size.
    int wanted_width() const;
    // Makes the button `width` pixels wide (the page found free space beside
    // it) and sets the font anew.
    void set_width(int width);

protected:
    bool handle_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

private:
    void paint(HDC dc);
    void set_pressed(bool pressed);
    void repaint();
    void fit();

    Gdiplus::Image* face_ = nullptr;
    std::wstring text_;
    general::windows::unique_font font_;
    LOGFONTW wanted_font_{};
    bool reduced_ = false;
    bool wrapped_ = false;
    UINT format_ = default_format;
    button_colors colors_;
    bool pressed_ = false;
    bool checked_ = false;
    bool toggle_ = false;
};

} // namespace general::ui
