#pragma once
// What the widget tests share: a visible window standing in for a page (it records
// its controls' WM_COMMANDs and gives statics a brush of its own), GDI+ for the
// suite, and pictures of what was painted.
#include <winsock2.h>
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include "general/windows/gdiplus_session.h"
#include "general/windows/resource.h"
#include "general/windows/ui/window_layer.h"
#include "views/theme.h"
#include "views/ui/image.h"

namespace widget_tests {

// The page's WM_CTLCOLORSTATIC brush, unlike its own erase colour (COLOR_BTNFACE).
const COLORREF static_colour = RGB(0, 128, 128);

class host_window {
public:
    host_window()
    {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
        const WNDCLASSW page_class{0,
                                   &procedure,
                                   0,
                                   0,
                                   GetModuleHandleW(nullptr),
                                   nullptr,
                                   LoadCursorW(nullptr, IDC_ARROW),
                                   GetSysColorBrush(COLOR_BTNFACE),
                                   nullptr,
                                   L"qel_widget_test_page"};
        RegisterClassW(&page_class); // fails harmlessly when already registered
        window_.reset(CreateWindowExW(0, page_class.lpszClassName, L"widget test page", WS_OVERLAPPEDWINDOW, 40, 40,
                                      480, 320, nullptr, nullptr, GetModuleHandleW(nullptr), this));
        if (!window_)
            throw std::runtime_error("the test page could not be created");
        ShowWindow(window_.get(), SW_SHOWNOACTIVATE);
        UpdateWindow(window_.get());
    }

    HWND get() const { return window_.get(); }

    HWND add(const wchar_t* control_class, int id, const wchar_t* text, RECT place, DWORD style)
    {
        return CreateWindowExW(0, control_class, text, WS_CHILD | WS_VISIBLE | style, place.left, place.top,
                               place.right - place.left, place.bottom - place.top, get(),
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    }

    // Runs whatever is queued for this thread (posted messages, paints, timers due).
    static void pump()
    {
        for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);)
            DispatchMessageW(&message);
    }

    // WM_COMMAND as received: wParam (id and code) and lParam (the control).
    std::vector<std::pair<WPARAM, LPARAM>> commands;

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
    {
        static const HBRUSH static_brush = CreateSolidBrush(static_colour);
        if (message == WM_NCCREATE)
            SetWindowLongPtrW(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams));
        auto* self = reinterpret_cast<host_window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self && message == WM_COMMAND) {
            self->commands.emplace_back(wparam, lparam);
            return 0;
        }
        if (message == WM_CTLCOLORSTATIC)
            return reinterpret_cast<LRESULT>(static_brush);
        return DefWindowProcW(window, message, wparam, lparam);
    }

    general::windows::ui::unique_window window_;
};

// GDI+ for the whole suite, as start-up holds it for the whole run.
class gdiplus_suite : public testing::Test {
protected:
    static void SetUpTestSuite() { session = new general::windows::gdiplus_session; }
    static void TearDownTestSuite() { delete session; }
    void SetUp() override { ASSERT_TRUE(session->started()); }

    static inline general::windows::gdiplus_session* session = nullptr;
};

inline general::ui::image embedded_image(std::uint16_t id, const wchar_t* type)
{
    general::windows::resource::handle resource(GetModuleHandleW(nullptr), id, type);
    return general::ui::image::from_bytes(resource.data(), resource.size());
}

// Arial of `height` pixels in `normal`, pure magenta when active, cyan when
// disabled, red when selected.
inline text_settings settings_with(COLORREF normal, int height = -16)
{
    return {{height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial"},
            -1,
            normal,
            RGB(255, 0, 255),
            RGB(0, 255, 255),
            RGB(255, 0, 0)};
}

inline LPARAM at(int x, int y)
{
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y)));
}

// The window rectangle of a control in its parent's client coordinates.
inline RECT placement(HWND control)
{
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// What widgets that fit their text keep of their template's place.
inline auto left_top_bottom(const RECT& rect)
{
    return std::tuple{rect.left, rect.top, rect.bottom};
}

inline int text_width(HWND window, HFONT font, const std::wstring& text)
{
    HDC dc = GetDC(window);
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return size.cx;
}

inline std::wstring window_text(HWND window)
{
    wchar_t buffer[256] = {};
    GetWindowTextW(window, buffer, 256);
    return buffer;
}

// Pixels as 0x00RRGGBB, rows top-down. Antialiased text still has pixels of its
// exact colour in the middle of its strokes.
struct picture {
    int width = 0;
    std::vector<std::uint32_t> bits;

    // Pixels of `colour` in the columns [from, to).
    int count(COLORREF colour, int from = 0, int to = INT_MAX) const
    {
        const std::uint32_t wanted = GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour);
        int found = 0;
        for (std::size_t i = 0; i < bits.size(); ++i)
            found += static_cast<int>(i % width) >= from && static_cast<int>(i % width) < to &&
                     (bits[i] & 0xFFFFFF) == wanted;
        return found;
    }
};

// What `draw` paints into a `width` x `height` bitmap filled with `background`.
template <class Draw>
picture capture(int width, int height, std::uint32_t background, Draw draw)
{
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const auto first = static_cast<std::uint32_t*>(bits), last = first + std::size_t(width) * height;
    std::fill(first, last, background);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    draw(dc);
    GdiFlush();
    picture result{width, std::vector<std::uint32_t>(first, last)};
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(bitmap);
    return result;
}

// What `area` (client coordinates of `window`) shows on screen once every
// pending paint has run.
inline picture on_screen(HWND window, RECT area)
{
    host_window::pump();
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC screen = GetDC(window);
    const int width = area.right - area.left, height = area.bottom - area.top;
    picture shot = capture(width, height, 0,
                           [&](HDC dc) { BitBlt(dc, 0, 0, width, height, screen, area.left, area.top, SRCCOPY); });
    ReleaseDC(window, screen);
    return shot;
}

} // namespace widget_tests
