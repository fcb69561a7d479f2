#include "views/ui/hyperlink.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <exception>
#include <optional>

#include "general/windows/registry.h"
#include "general/windows/system.h"
#include "views/ui/label.h"
#include "views/ui/text_fit.h"

namespace general::ui {

namespace {

const wchar_t link_colors_key[] = L"Software\\Microsoft\\Internet Explorer\\Settings";

bool is_blank(wchar_t c) noexcept
{
    return c == L' ' || c == L'\t';
}

// One component: blanks, one to three decimal digits, blanks.
std::optional<int> parse_component(std::wstring_view part) noexcept
{
    while (!part.empty() && is_blank(part.front()))
        part.remove_prefix(1);
    while (!part.empty() && is_blank(part.back()))
        part.remove_suffix(1);
    if (part.empty() || part.size() > 3)
        return std::nullopt;
    int value = 0;
    for (wchar_t c : part) {
        if (c < L'0' || c > L'9')
            return std::nullopt;
        value = value * 10 + (c - L'0');
    }
    if (value > 255)
        return std::nullopt;
    return value;
}

COLORREF read_link_color(const wchar_t* name, COLORREF fallback)
{
    try {
        const auto value = general::windows::registry_read(HKEY_CURRENT_USER, link_colors_key, name, std::wstring{});
        return parse_anchor_color(general::windows::registry_text(value), fallback);
    } catch (const std::exception&) {
        // A number, bytes or an expandable text where a text belongs: the user's
        // setting is unusable, and a link without its colour is no reason to fail.
        return fallback;
    }
}

// The system's icon-title font (what the desktop labels its icons with), underlined.
HFONT underlined_link_font()
{
    LOGFONTW description{};
    if (!SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof(description), &description, 0))
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(description), &description);
    description.lfUnderline = TRUE;
    return CreateFontIndirectW(&description);
}

bool inside_client(HWND window, LPARAM lparam)
{
    RECT client{};
    GetClientRect(window, &client);
    const POINT point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
    return PtInRect(&client, point) != FALSE;
}

bool is_click_key(WPARAM key) noexcept
{
    return key == VK_RETURN || key == VK_SPACE;
}

// The tool entry of `control` in its tooltip. The older (version 5) size of the
// structure is accepted by every version of the common controls.
TTTOOLINFOW tool_of(HWND control, const std::wstring& text)
{
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_SUBCLASS | TTF_IDISHWND;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    return tool;
}

} // namespace

COLORREF parse_anchor_color(std::wstring_view text, COLORREF fallback) noexcept
{
    int components[3] = {};
    for (int i = 0; i < 3; ++i) {
        const std::size_t comma = text.find(L',');
        const bool last = i == 2;
        // Exactly three parts: two commas, the last part ending the text.
        if (last != (comma == std::wstring_view::npos))
            return fallback;
        const auto component = parse_component(text.substr(0, comma));
        if (!component)
            return fallback;
        components[i] = *component;
        if (!last)
            text.remove_prefix(comma + 1);
    }
    return RGB(components[0], components[1], components[2]);
}

link_colors read_link_colors()
{
    link_colors colors;
    colors.link = read_link_color(L"Anchor Color", colors.link);
    colors.visited = read_link_color(L"Anchor Color Visited", colors.visited);
    return colors;
}

bool hyperlink::attach(HWND control)
{
    if (!subclassed_window::attach(control))
        return false;
    colors_ = read_link_colors();
    font_.reset(underlined_link_font());
    GetObjectW(font_.get(), sizeof wanted_font_, &wanted_font_);
    if (label_.empty()) {
        // Until the page gives a label, the template's text is the link's.
        const int length = GetWindowTextLengthW(control);
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), length + 1)));
        label_ = text;
    }
    fit_to_label();
    InvalidateRect(control, nullptr, TRUE);
    return true;
}

void hyperlink::set_address(const std::wstring& address)
{
    address_ = address;
    update_tooltip();
}

void hyperlink::set_label(const std::wstring& label)
{
    label_ = label;
    if (hwnd()) {
        SetWindowTextW(hwnd(), label_.c_str());
        fit_to_label();
        InvalidateRect(hwnd(), nullptr, TRUE);
    }
}

void hyperlink::fit_to_label()
{
    // A link cut off in the middle of a word reads as a broken page, and its font
    // differs between systems: a left-aligned link takes its text's width (and
    // the focus frame's), keeping its left edge, like a single-line label.
    if (label_.empty() || (GetWindowLongPtrW(hwnd(), GWL_STYLE) & SS_TYPEMASK) != SS_LEFT)
        return;
    const int width = text_width(font_.get(), label_);
    if (width < 0)
        return;
    RECT place{};
    GetWindowRect(hwnd(), &place);
    SetWindowPos(hwnd(), nullptr, 0, 0, width + 2, place.bottom - place.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int hyperlink::wanted_width() const
{
    const general::windows::unique_font font{CreateFontIndirectW(&wanted_font_)};
    return text_width(font.get(), label_) + 2;
}

void hyperlink::set_room(int width)
{
    if (!hwnd() || label_.empty())
        return;
    const LOGFONTW chosen = fitting_font(wanted_font_, label_, DT_SINGLELINE, {std::max(1, width - 2), 1 << 16});
    font_.reset(CreateFontIndirectW(&chosen));
    reduced_ = chosen.lfHeight != wanted_font_.lfHeight;
    fit_to_label();
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void hyperlink::set_visited(bool visited)
{
    visited_ = visited;
    if (hwnd())
        InvalidateRect(hwnd(), nullptr, TRUE);
}

bool hyperlink::handle_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result)
{
    switch (message) {
    case WM_PAINT:
        paint();
        result = 0;
        return true;
    case WM_ERASEBKGND:
        result = 1; // the paint fills the background itself, without flicker
        return true;
    case WM_SETTEXT:
        // The static control would draw its own text at once; keep only the text.
        result = DefWindowProcW(hwnd(), message, wparam, lparam);
        InvalidateRect(hwnd(), nullptr, TRUE);
        return true;
    case WM_NCHITTEST:
        // A static without SS_NOTIFY lets the mouse through to the page.
        result = HTCLIENT;
        return true;
    case WM_MOUSEMOVE:
        if (!tooltip_) {
            make_tooltip();
            // The tooltip follows the mouse from its next move; this one starts
            // its wait to show.
            if (tooltip_) {
                MSG move{hwnd(), message, wparam, lparam, static_cast<DWORD>(GetMessageTime()), {}};
                const DWORD at = GetMessagePos();
                move.pt = {GET_X_LPARAM(at), GET_Y_LPARAM(at)};
                SendMessageW(tooltip_.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
            }
        }
        return false;
    case WM_SETCURSOR:
        if (LOWORD(lparam) != HTCLIENT)
            return false;
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        result = TRUE;
        return true;
    case WM_GETDLGCODE: {
        result = default_processing(message, wparam, lparam);
        const auto* pending = reinterpret_cast<const MSG*>(lparam);
        // Without this the dialog manager turns Enter into the default button's click.
        if (pending && pending->message == WM_KEYDOWN && is_click_key(pending->wParam))
            result |= DLGC_WANTMESSAGE;
        return true;
    }
    case WM_KEYDOWN:
        if (!is_click_key(wparam))
            return false;
        if (!(lparam & (1 << 30))) // a held key clicks once
            click();
        result = 0;
        return true;
    case WM_LBUTTONDOWN:
        tracking_ = true;
        SetCapture(hwnd());
        if (GetWindowLongPtrW(hwnd(), GWL_STYLE) & WS_TABSTOP)
            SetFocus(hwnd());
        result = 0;
        return true;
    case WM_LBUTTONUP: {
        const bool clicked = tracking_ && inside_client(hwnd(), lparam);
        tracking_ = false;
        if (GetCapture() == hwnd())
            ReleaseCapture();
        if (clicked)
            click();
        result = 0;
        return true;
    }
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lparam) != hwnd())
            tracking_ = false;
        return false;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_UPDATEUISTATE: InvalidateRect(hwnd(), nullptr, TRUE); return false;
    case WM_NCDESTROY: tooltip_.reset(); return false;
    default: return false;
    }
}

void hyperlink::paint()
{
    general::windows::paint_dc paint{hwnd()};
    const HDC dc = paint.get();
    if (!dc)
        return;
    RECT client{};
    GetClientRect(hwnd(), &client);
    general::windows::saved_dc_state state{dc};

    // The page's own brush for static controls, so a repaint in the visited
    // colour never leaves the old text underneath.
    fill_with_page_background(hwnd(), dc, client);

    if (label_.empty())
        return;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, text_color());
    general::windows::selected_object font{dc, font_.get()};
    const LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_STYLE);
    UINT format = DT_SINGLELINE | DT_NOPREFIX | DT_TOP | reading_order(hwnd());
    if ((style & SS_TYPEMASK) == SS_CENTER)
        format |= DT_CENTER;
    else if ((style & SS_TYPEMASK) == SS_RIGHT)
        format |= DT_RIGHT;
    DrawTextW(dc, label_.c_str(), static_cast<int>(label_.size()), &client, format);

    // The focus frame shows once the user works with the keyboard, as on every control.
    if (GetFocus() == hwnd() && !(SendMessageW(hwnd(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)) {
        RECT text = client;
        DrawTextW(dc, label_.c_str(), static_cast<int>(label_.size()), &text, format | DT_CALCRECT);
        // DT_CALCRECT measures from the left; move the box under centred or right text.
        const LONG width = text.right - text.left;
        if (format & DT_CENTER)
            text.left = client.left + (client.right - client.left - width) / 2;
        else if (format & DT_RIGHT)
            text.left = client.right - width;
        text.right = text.left + width;
        IntersectRect(&text, &text, &client);
        DrawFocusRect(dc, &text);
    }
}

void hyperlink::click()
{
    HWND self = hwnd();
    if (extended_style_ & command_button_style) {
        if (HWND parent = GetParent(self))
            SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(self), BN_CLICKED),
                         reinterpret_cast<LPARAM>(self));
        return;
    }
    if (!address_.empty() && general::windows::open_address(address_))
        set_visited(true);
}

void hyperlink::make_tooltip()
{
    tooltip_.reset(CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, GetParent(hwnd()), nullptr,
                                   GetModuleHandleW(nullptr), nullptr));
    if (tooltip_) {
        TTTOOLINFOW tool = tool_of(hwnd(), address_);
        SendMessageW(tooltip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void hyperlink::update_tooltip()
{
    if (!tooltip_ || !hwnd())
        return;
    TTTOOLINFOW tool = tool_of(hwnd(), address_);
    SendMessageW(tooltip_.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

} // namespace general::ui
