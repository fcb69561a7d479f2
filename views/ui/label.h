#pragma once
// A text painted in the theme's font and colour over the page's background.
// Takes over an existing static control of a page (see window_layer.h for the
// handler convention); the control keeps its id, position and size, except that
// a single-line label grows or shrinks to its text's width, keeping its left edge.
// A text that does not fit the room the template gave the control (its width
// for a single line, its size for wrapped lines) is set a size or two smaller
// (views/ui/text_fit.h).
// User-interface thread only.
#include <winsock2.h>
#include <windows.h>

#include <optional>
#include <string>

#include "general/windows/gdi.h"
#include "general/windows/ui/subclassed_window.h"
#include "views/theme.h"

namespace general::ui {

class label : public general::windows::ui::subclassed_window {
public:
    // DT_SINGLELINE | DT_VCENTER.
    static constexpr UINT default_format = DT_SINGLELINE | DT_VCENTER;

    label();

    // Subclasses the control and makes it transparent (WS_EX_TRANSPARENT), so the
    // page's background shows around the text. False as subclassed_window::attach.
    bool attach(HWND control);

    // Colour := settings.normal_color, a new font from settings.font; auto-size;
    // with `redraw`, the label is repainted at once.
    void set_text_settings(const text_settings& settings, bool redraw = true);
    // Stores the text (also as the control's window text, for screen readers),
    // auto-sizes and repaints at once.
    void set_text(const std::wstring& text);
    // DrawTextW flags. With DT_WORDBREAK and DT_VCENTER the lines are centred
    // vertically in the control; with DT_WORDBREAK the control keeps its size.
    void set_format(UINT format);

    const std::wstring& text() const noexcept { return text_; }
    UINT format() const noexcept { return format_; }
    COLORREF color() const noexcept { return color_; }
    HFONT font() const noexcept { return font_.get(); }
    // Whether the text is set smaller than the theme's size to fit.
    bool reduced() const noexcept { return reduced_; }
    // Whether the text fits the room the template gave the control, in the
    // font it is set in; true before the theme's font is given.
    bool fits() const;
    // The height wrapped lines of the text take at the theme's size in the
    // control's width; 0 for a single line or before the font is given.
    int wanted_height() const;
    // Gives the text other room (the page found free space around the
    // control): resizes the control to it and sets the font anew.
    void set_room(SIZE room);
    SIZE room() const noexcept { return room_; }

protected:
    bool handle_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

private:
    void paint();
    void auto_size();
    // Makes the font the largest of the theme's family and size, or below, in
    // which the text fits the room.
    void fit();
    // Repaints the page under `before` (the extent before a change) and under the
    // label now, then the label.
    void redraw(const RECT& before);

    std::wstring text_;
    COLORREF color_;
    general::windows::unique_font font_;
    UINT format_ = default_format;
    std::optional<LOGFONTW> wanted_font_; // the theme's, once set
    SIZE room_{};                         // the control's client size in the template
    bool reduced_ = false;
};

// Where the text of a wrapped, vertically centred label starts: for a text
// `text_height` high in `client`, the top that centres it ((bottom - height -
// top) / 2, as integers). Texts taller than the control start above it.
int centred_text_top(const RECT& client, int text_height) noexcept;

// Draws `text` with `format` into `client` of `dc` in the font and colour already
// selected, centring wrapped texts vertically as labels and buttons do.
void draw_text(HDC dc, const std::wstring& text, RECT client, UINT format);

// Fills `area` of `dc` with the brush the page gives its static controls
// (WM_CTLCOLORSTATIC), so a control that never erases shows the page behind it.
void fill_with_page_background(HWND control, HDC dc, const RECT& area);

} // namespace general::ui
