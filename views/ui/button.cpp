#include "views/ui/button.h"

#include "views/ui/text_fit.h"

#include <objidl.h>

#include <gdiplus.h>

#include <commctrl.h>
#include <windowsx.h>

#include "messages/messages.h"
#include "views/ui/label.h"

namespace general::ui {

COLORREF button_text_color(const button_colors& colors, const button_state& state) noexcept
{
    if (!state.enabled)
        return colors.disabled;
    if (state.pressed || (state.toggle && state.checked))
        return colors.selected;
    if (state.hovered)
        return colors.active;
    return colors.normal;
}

button::button()
    : colors_{GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNHIGHLIGHT),
              GetSysColor(COLOR_INACTIVECAPTIONTEXT)}
{
}

bool button::attach(HWND control)
{
    if (!subclassed_window::attach(control))
        return false;
    // Owner-draw replaces the button type (push or default push): the standard
    // procedure then leaves all painting to its owner, which is us.
    const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
    SetWindowLongPtrW(control, GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
    repaint();
    return true;
}

void button::set_face(Gdiplus::Image* face, const text_settings& settings)
{
    face_ = face;
    wanted_font_ = settings.font;
    font_.reset(CreateFontIndirectW(&settings.font));
    reduced_ = false;
    wrapped_ = false;
    fit();
    colors_ = {settings.normal_color, settings.selected_color, settings.active_color, settings.disabled_color};
    repaint();
}

void button::set_text(const std::wstring& text)
{
    text_ = text;
    if (hwnd())
        SetWindowTextW(hwnd(), text_.c_str());
    fit();
    repaint();
}

UINT button::drawing_format() const
{
    return wrapped_ ? (format_ & ~(DT_SINGLELINE | DT_END_ELLIPSIS)) | DT_WORDBREAK | DT_VCENTER : format_;
}

RECT button::text_area() const
{
    RECT area{};
    GetClientRect(hwnd(), &area);
    area.left += 10;
    area.right -= 10;
    return area;
}

int button::wanted_width() const
{
    RECT client{};
    GetClientRect(hwnd(), &client);
    const general::windows::unique_font font{CreateFontIndirectW(&wanted_font_)};
    const int text = text_width(font.get(), text_);
    const RECT area = text_area();
    return text < 0 ? client.right : text + (client.right - (area.right - area.left)) + 2;
}

void button::set_width(int width)
{
    RECT window{};
    GetWindowRect(hwnd(), &window);
    SetWindowPos(hwnd(), nullptr, 0, 0, width, window.bottom - window.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    font_.reset(CreateFontIndirectW(&wanted_font_));
    reduced_ = false;
    wrapped_ = false;
    fit();
    repaint();
}

void button::fit()
{
    if (!hwnd() || !font_ || text_.empty())
        return;
    const RECT area = text_area();
    const SIZE room{area.right - area.left, area.bottom - area.top};
    const UINT single = format_ & ~DT_END_ELLIPSIS;
    if (!reduced_ && !wrapped_ && text_fits(font_.get(), text_, single, room))
        return;
    wrapped_ = false;
    LOGFONTW chosen = fitting_font(wanted_font_, text_, single, room, 0.85);
    general::windows::unique_font font{CreateFontIndirectW(&chosen)};
    if (!text_fits(font.get(), text_, single, room)) {
        // Two lines, where one would have to be too small to read.
        const UINT lines = (single & ~DT_SINGLELINE) | DT_WORDBREAK | DT_VCENTER;
        chosen = fitting_font(wanted_font_, text_, lines, room);
        font.reset(CreateFontIndirectW(&chosen));
        wrapped_ = true;
    }
    font_ = std::move(font);
    reduced_ = wrapped_ || chosen.lfHeight != wanted_font_.lfHeight;
}

void button::set_format(UINT format)
{
    format_ = format;
    repaint();
}

COLORREF button::text_color() const noexcept
{
    button_state state;
    state.enabled = !hwnd() || IsWindowEnabled(hwnd());
    state.pressed = pressed_;
    state.toggle = toggle_;
    state.checked = checked_;
    return button_text_color(colors_, state);
}

bool button::handle_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result)
{
    if (messages::check != 0 && message == messages::check) {
        const bool checked = wparam != 0;
        if (checked != checked_) {
            checked_ = checked;
            repaint();
        }
        result = 0;
        return true;
    }
    switch (message) {
    case WM_PAINT: {
        general::windows::paint_dc paint{hwnd()};
        if (paint.get())
            this->paint(paint.get());
        result = 0;
        return true;
    }
    case WM_PRINTCLIENT:
        paint(reinterpret_cast<HDC>(wparam));
        result = 0;
        return true;
    case WM_ERASEBKGND: result = 1; return true;
    case WM_UPDATEUISTATE: result = 0; return true;
    case WM_SETTEXT:
        // Keep the window text for screen readers without the standard button's
        // own repaint of it; ours follows.
        result = DefWindowProcW(hwnd(), message, wparam, lparam);
        repaint();
        return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        result = default_processing(message, wparam, lparam);
        if (GetCapture() != hwnd())
            SetCapture(hwnd());
        set_pressed(GetCapture() == hwnd());
        return true;
    case WM_MOUSEMOVE:
        if (GetCapture() == hwnd()) {
            POINT point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
            ClientToScreen(hwnd(), &point);
            RECT window{};
            GetWindowRect(hwnd(), &window);
            set_pressed(PtInRect(&window, point) != FALSE);
        }
        return false; // the standard button follows the pointer too, for its click
    case WM_LBUTTONUP:
        // The standard processing sends BN_CLICKED when released inside.
        result = default_processing(message, wparam, lparam);
        if (GetCapture() == hwnd())
            ReleaseCapture();
        return true;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lparam) != hwnd())
            set_pressed(false);
        return false;
    case WM_KEYDOWN:
    case WM_KEYUP:
        if (wparam == VK_SPACE)
            set_pressed(message == WM_KEYDOWN);
        return false; // the standard processing clicks on space up
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
        result = default_processing(message, wparam, lparam);
        repaint();
        return true;
    default: return false;
    }
}

void button::paint(HDC dc)
{
    RECT client{};
    GetClientRect(hwnd(), &client);
    if (face_) {
        // Scoped: GDI text must not be drawn while GDI+ holds the context.
        Gdiplus::Graphics graphics{dc};
        graphics.DrawImage(face_, static_cast<INT>(client.left), static_cast<INT>(client.top),
                           static_cast<INT>(client.right - client.left), static_cast<INT>(client.bottom - client.top));
    }
    if (text_.empty())
        return;
    general::windows::saved_dc_state state{dc};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, text_color());
    general::windows::selected_object font{dc, font_.get()};
    draw_text(dc, text_, text_area(), drawing_format() | reading_order(hwnd()));
}

void button::set_pressed(bool pressed)
{
    if (pressed == pressed_)
        return;
    pressed_ = pressed;
    repaint();
}

void button::repaint()
{
    if (!hwnd())
        return;
    InvalidateRect(hwnd(), nullptr, FALSE);
    UpdateWindow(hwnd());
}

} // namespace general::ui
