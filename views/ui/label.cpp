#include "views/ui/label.h"

#include "views/ui/text_fit.h"

namespace general::ui {

namespace {

// A fresh copy of the system's default GUI font, so the label owns its font
// from the start and replacing it never deletes a stock object.
HFONT default_gui_font()
{
    LOGFONTW description{};
    if (!GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(description), &description))
        return nullptr;
    return CreateFontIndirectW(&description);
}

// The control's window rectangle in its parent's client coordinates (in screen
// coordinates for a window without a parent).
RECT placement_in_parent(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    if (HWND parent = GetParent(window))
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

} // namespace

int centred_text_top(const RECT& client, int text_height) noexcept
{
    return (client.bottom - text_height - client.top) / 2;
}

void draw_text(HDC dc, const std::wstring& text, RECT client, UINT format)
{
    const int length = static_cast<int>(text.size());
    // DrawTextW centres single lines only; wrapped lines are centred by measuring
    // them first and moving the top down.
    if ((format & DT_VCENTER) && (format & DT_WORDBREAK)) {
        RECT measured{client.left, client.top, client.right, 10000};
        DrawTextW(dc, text.c_str(), length, &measured, format | DT_CALCRECT);
        client.top = centred_text_top(client, measured.bottom - measured.top);
    }
    DrawTextW(dc, text.c_str(), length, &client, format);
}

void fill_with_page_background(HWND control, HDC dc, const RECT& area)
{
    HWND parent = GetParent(control);
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
        parent ? parent : control, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    FillRect(dc, &area, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
}

label::label() : color_(GetSysColor(COLOR_BTNTEXT)), font_(default_gui_font()) {}

bool label::attach(HWND control)
{
    if (!subclassed_window::attach(control))
        return false;
    const LONG_PTR extended = GetWindowLongPtrW(control, GWL_EXSTYLE);
    SetWindowLongPtrW(control, GWL_EXSTYLE, extended | WS_EX_TRANSPARENT);
    RECT client{};
    GetClientRect(control, &client);
    room_ = {client.right - client.left, client.bottom - client.top};
    return true;
}

void label::set_text_settings(const text_settings& settings, bool redraw_now)
{
    const RECT before = hwnd() ? placement_in_parent(hwnd()) : RECT{};
    color_ = settings.normal_color;
    wanted_font_ = settings.font;
    font_.reset(CreateFontIndirectW(&settings.font));
    reduced_ = false;
    fit();
    auto_size();
    if (redraw_now)
        redraw(before);
}

void label::set_text(const std::wstring& text)
{
    const RECT before = hwnd() ? placement_in_parent(hwnd()) : RECT{};
    text_ = text;
    if (hwnd())
        SetWindowTextW(hwnd(), text_.c_str());
    fit();
    auto_size();
    redraw(before);
}

void label::set_format(UINT format)
{
    format_ = format;
    if (hwnd())
        InvalidateRect(hwnd(), nullptr, FALSE);
}

bool label::handle_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result)
{
    switch (message) {
    case WM_PAINT:
        paint();
        result = 0;
        return true;
    case WM_ERASEBKGND: result = 1; return true;
    case WM_SETTEXT:
    case WM_ENABLE:
        // The static control paints its own text straight away on these, over
        // ours; keep its bookkeeping (the window text) and let WM_PAINT draw.
        result = DefWindowProcW(hwnd(), message, wparam, lparam);
        InvalidateRect(hwnd(), nullptr, FALSE);
        return true;
    default: return false;
    }
}

void label::paint()
{
    general::windows::paint_dc paint{hwnd()};
    if (text_.empty() || !paint.get())
        return;
    RECT client{};
    GetClientRect(hwnd(), &client);
    general::windows::saved_dc_state state{paint.get()};
    SetBkMode(paint.get(), TRANSPARENT);
    SetTextColor(paint.get(), color_);
    general::windows::selected_object font{paint.get(), font_.get()};
    draw_text(paint.get(), text_, client, format_ | reading_order(hwnd()));
}

bool label::fits() const
{
    return !hwnd() || !wanted_font_ || text_fits(font_.get(), text_, format_, room_);
}

int label::wanted_height() const
{
    if (!hwnd() || !wanted_font_ || text_.empty() || !(format_ & DT_WORDBREAK))
        return 0;
    const general::windows::unique_font font{CreateFontIndirectW(&*wanted_font_)};
    return font ? std::max(0, wrapped_height(font.get(), text_, format_, room_.cx)) : 0;
}

void label::set_room(SIZE room)
{
    if (!hwnd() || !wanted_font_)
        return;
    const RECT before = placement_in_parent(hwnd());
    room_ = room;
    RECT window{};
    RECT client{};
    GetWindowRect(hwnd(), &window);
    GetClientRect(hwnd(), &client);
    const SIZE frame{(window.right - window.left) - client.right, (window.bottom - window.top) - client.bottom};
    SetWindowPos(hwnd(), nullptr, 0, 0, room.cx + frame.cx, room.cy + frame.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Measured again from the theme's size.
    font_.reset(CreateFontIndirectW(&*wanted_font_));
    reduced_ = false;
    fit();
    auto_size();
    redraw(before);
}

void label::fit()
{
    if (!hwnd() || !wanted_font_ || room_.cx <= 0)
        return;
    if (!reduced_ && text_fits(font_.get(), text_, format_, room_))
        return; // the common case: the theme's own size
    const LOGFONTW chosen = fitting_font(*wanted_font_, text_, format_, room_);
    LOGFONTW current{};
    if (GetObjectW(font_.get(), sizeof current, &current) && current.lfHeight == chosen.lfHeight)
        return;
    font_.reset(CreateFontIndirectW(&chosen));
    reduced_ = chosen.lfHeight != wanted_font_->lfHeight;
}

void label::auto_size()
{
    if (!hwnd() || text_.empty() || (format_ & DT_WORDBREAK))
        return;
    const int width = text_width(font_.get(), text_);
    if (width < 0)
        return;
    RECT window{};
    RECT client{};
    GetWindowRect(hwnd(), &window);
    GetClientRect(hwnd(), &client);
    // A border, if the template gave one, stays around the text.
    const int frame = (window.right - window.left) - (client.right - client.left);
    SetWindowPos(hwnd(), nullptr, 0, 0, width + frame, window.bottom - window.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void label::redraw(const RECT& before)
{
    // A label nobody sees (its page is still being built, or hidden) is painted
    // whole when it shows; painting now would only cost the start-up its time.
    if (!hwnd() || !IsWindowVisible(hwnd()))
        return;
    // The label never erases: the page must paint its background again under the
    // old and the new extent, or a changed text would show over the old one.
    RECT area = placement_in_parent(hwnd());
    UnionRect(&area, &area, &before);
    constexpr UINT flags = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW;
    if (HWND parent = GetParent(hwnd()))
        RedrawWindow(parent, &area, nullptr, flags);
    else
        RedrawWindow(hwnd(), nullptr, nullptr, flags);
}

} // namespace general::ui
