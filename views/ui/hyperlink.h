#pragma once
// A web link over an existing static control of a page: the text underlined in
// the system's icon-title font, in the user's link colour (or visited colour),
// a hand cursor, and a tooltip that shows the address. With the command-button
// style a click (or Enter or Space while it has the focus) does not open
// anything by itself: the page receives WM_COMMAND/BN_CLICKED with the control's
// id and decides. A left-aligned link takes the width of its text, keeping its
// left edge. See window_layer.h for the handler convention.
// User-interface thread only.
#include <winsock2.h>
#include <windows.h>

#include <string>
#include <string_view>

#include "general/windows/gdi.h"
#include "general/windows/ui/subclassed_window.h"
#include "general/windows/ui/window_layer.h"

namespace general::ui {

struct link_colors {
    COLORREF link = RGB(0, 0, 255);
    COLORREF visited = RGB(128, 0, 128);
};

// "r,g,b" (three decimal numbers 0-255, blanks allowed around them) as a colour;
// `fallback` for anything else.
COLORREF parse_anchor_color(std::wstring_view text, COLORREF fallback) noexcept;

// The current user's link colours: "Anchor Color" and "Anchor Color Visited"
// under HKCU "Software\\Microsoft\\Internet Explorer\\Settings"; blue and purple
// where a value is missing or malformed.
link_colors read_link_colors();

class hyperlink : public general::windows::ui::subclassed_window {
public:
    // The click goes to the page as a command instead of opening the address.
    static constexpr DWORD command_button_style = 0x4;

    // Subclasses the control (once: false when already attached), reads the link
    // colours and makes the underlined font. The tooltip comes with the first
    // mouse move over the link: each is a window of its own, and a page that
    // made them all before it showed would show later for no one's benefit.
    bool attach(HWND control);

    void set_address(const std::wstring& address);
    // Also the control's window text, for screen readers; repaints.
    void set_label(const std::wstring& label);
    void set_extended_style(DWORD style) noexcept { extended_style_ = style; }
    // Marks the link visited (or not) and repaints it in that colour.
    void set_visited(bool visited);
    // At most `width` pixels for the label (the page has no more room on its
    // line): a label wider than that at the system's size is set smaller
    // (views/ui/text_fit.h). The link keeps its left edge and takes its
    // label's width.
    void set_room(int width);
    // The label's width in the system's size of the link font.
    int wanted_width() const;

    const std::wstring& address() const noexcept { return address_; }
    const std::wstring& label() const noexcept { return label_; }
    bool visited() const noexcept { return visited_; }
    DWORD extended_style() const noexcept { return extended_style_; }
    const link_colors& colors() const noexcept { return colors_; }
    HFONT font() const noexcept { return font_.get(); }
    bool reduced() const noexcept { return reduced_; }
    // The colour the text is painted in now.
    COLORREF text_color() const noexcept { return visited_ ? colors_.visited : colors_.link; }
    // The tooltip that shows the address; null until the mouse has first moved
    // over the link, and after the control is gone.
    HWND tooltip() const noexcept { return tooltip_.get(); }

protected:
    bool handle_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

private:
    void paint();
    void click();
    void fit_to_label();
    void make_tooltip();
    void update_tooltip();

    std::wstring address_;
    std::wstring label_;
    DWORD extended_style_ = 0;
    bool visited_ = false;
    bool tracking_ = false;
    link_colors colors_;
    general::windows::unique_font font_;
    LOGFONTW wanted_font_{};
    bool reduced_ = false;
    general::windows::ui::unique_window tooltip_;
};

} // namespace general::ui
