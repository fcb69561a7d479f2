#pragma once
// What the widget tests share: a visible top-level window that stands in for a
// page (it records the WM_COMMAND notifications its controls send), plain
// controls on it for the widgets to take over, GDI+ for the suite, and reading
// back what was painted.
#include <winsock2.h>
#include <windows.h>

#include <objidl.h>
#include <gdiplus.h>

#include <commctrl.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "general/windows/gdiplus_session.h"
#include "general/windows/resource.h"
#include "general/windows/ui/window_layer.h"
#include "views/theme.h"
#include "views/ui/image.h"

namespace widget_tests {

struct command {
    int id;
    int code;
    HWND from;
};

class host_window {
public:
    host_window()
    {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
        WNDCLASSEXW window_class{};
        window_class.cbSize = sizeof(window_class);
        window_class.lpfnWndProc = &host_window::procedure;
        window_class.hInstance = GetModuleHandleW(nullptr);
        window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        window_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        window_class.lpszClassName = class_name;
        RegisterClassExW(&window_class);  // fails harmlessly when already registered
        window_.reset(CreateWindowExW(0, class_name, L"widget test page", WS_OVERLAPPEDWINDOW, 40, 40, 480, 320,
                                      nullptr, nullptr, GetModuleHandleW(nullptr), this));
        if (!window_)
            throw std::runtime_error("the test page could not be created");
        ShowWindow(window_.get(), SW_SHOWNOACTIVATE);
        UpdateWindow(window_.get());
    }
    host_window(const host_window&) = delete;
    host_window& operator=(const host_window&) = delete;

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
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }

    // The notifications with `code` from control `id`.
    std::size_t count(int id, int code) const
    {
        std::size_t found = 0;
        for (const auto& each : commands)
            found += each.id == id && each.code == code;
        return found;
    }

    std::vector<command> commands;

private:
    static constexpr const wchar_t* class_name = L"qel_widget_test_page";

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
    {
        if (message == WM_NCCREATE) {
            auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto* self = reinterpret_cast<host_window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self && message == WM_COMMAND) {
            self->commands.push_back({LOWORD(wparam), HIWORD(wparam), reinterpret_cast<HWND>(lparam)});
            return 0;
        }
        return DefWindowProcW(window, message, wparam, lparam);
    }

    general::windows::ui::unique_window window_;
};

// GDI+ for the whole suite, as start-up holds it for the whole run.
class gdiplus_suite : public testing::Test {
protected:
    static void SetUpTestSuite() { session = new general::windows::gdiplus_session; }
    static void TearDownTestSuite()
    {
        delete session;
        session = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(session->started()); }

    static inline general::windows::gdiplus_session* session = nullptr;
};

inline general::ui::image embedded_image(std::uint16_t id, const wchar_t* type)
{
    general::windows::resource::handle resource(GetModuleHandleW(nullptr), id, type);
    return general::ui::image::from_bytes(resource.data(), resource.size());
}

// A theme setting in Arial of `height` pixels with four distinct, pure colours.
inline text_settings settings_with(COLORREF normal, int height = -16)
{
    text_settings settings;
    settings.font.lfHeight = height;
    settings.font.lfWeight = FW_NORMAL;
    settings.font.lfCharSet = DEFAULT_CHARSET;
    wcscpy(settings.font.lfFaceName, L"Arial");
    settings.normal_color = normal;
    settings.selected_color = RGB(255, 0, 0);
    settings.active_color = RGB(255, 0, 255);
    settings.disabled_color = RGB(0, 255, 255);
    return settings;
}

inline LPARAM at(int x, int y)
{
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y)));
}

// How many pixels of `area` (client coordinates of `window`) show `colour` on
// screen now, after every pending paint has run. Antialiased text still has
// pixels of its exact colour in the middle of its strokes.
inline int pixels_of(HWND window, RECT area, COLORREF colour)
{
    host_window::pump();
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC dc = GetDC(window);
    int found = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            found += GetPixel(dc, x, y) == colour;
    ReleaseDC(window, dc);
    return found;
}

// Pixels of `colour` in a 32-bit top-down bitmap of `width` x `height`.
inline int pixels_of(const std::vector<std::uint32_t>& bits, COLORREF colour)
{
    // DIB pixels are 0x00RRGGBB, COLORREF is 0x00BBGGRR.
    const std::uint32_t wanted = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
    int found = 0;
    for (std::uint32_t pixel : bits)
        found += (pixel & 0xFFFFFF) == wanted;
    return found;
}

} // namespace widget_tests
