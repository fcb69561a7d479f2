#pragma once
// Owners for GDI objects and device contexts, so painting code releases what it
// takes on every path, exceptions included:
//
//     paint_dc paint{window};                       // BeginPaint ... EndPaint
//     saved_dc_state state{paint.get()};            // colours, mode, font restored
//     selected_object font{paint.get(), font_.get()};
//
// All of them run on the thread that owns the window; none throws.
#include <winsock2.h>
#include <windows.h>

#include "general/windows/handle.h"

namespace general::windows {

template <typename Object>
struct gdi_traits {
    using pointer = Object;
    static pointer invalid() noexcept { return nullptr; }
    static void close(pointer h) noexcept { DeleteObject(h); }
};

using unique_font = unique_resource<gdi_traits<HFONT>>;
using unique_bitmap = unique_resource<gdi_traits<HBITMAP>>;
using unique_brush = unique_resource<gdi_traits<HBRUSH>>;

struct memory_dc_traits {
    using pointer = HDC;
    static pointer invalid() noexcept { return nullptr; }
    static void close(pointer h) noexcept { DeleteDC(h); }
};
using unique_memory_dc = unique_resource<memory_dc_traits>; // CreateCompatibleDC

// A window's (or, for null, the screen's) device context from GetDC.
class window_dc {
public:
    explicit window_dc(HWND window) noexcept : window_(window), dc_(GetDC(window)) {}
    ~window_dc()
    {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    window_dc(const window_dc&) = delete;
    window_dc& operator=(const window_dc&) = delete;

    HDC get() const noexcept { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// The device context of one WM_PAINT.
class paint_dc {
public:
    explicit paint_dc(HWND window) noexcept : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~paint_dc() { EndPaint(window_, &paint_); }
    paint_dc(const paint_dc&) = delete;
    paint_dc& operator=(const paint_dc&) = delete;

    HDC get() const noexcept { return dc_; }
    const PAINTSTRUCT& paint() const noexcept { return paint_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// An object selected into a device context until the owner goes.
class selected_object {
public:
    selected_object(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr)
    {
    }
    ~selected_object()
    {
        if (previous_)
            SelectObject(dc_, previous_);
    }
    selected_object(const selected_object&) = delete;
    selected_object& operator=(const selected_object&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Everything a painter changes on a device context (colours, background mode,
// selected objects) comes back when the owner goes.
class saved_dc_state {
public:
    explicit saved_dc_state(HDC dc) noexcept : dc_(dc), saved_(SaveDC(dc)) {}
    ~saved_dc_state()
    {
        if (saved_)
            RestoreDC(dc_, saved_);
    }
    saved_dc_state(const saved_dc_state&) = delete;
    saved_dc_state& operator=(const saved_dc_state&) = delete;

private:
    HDC dc_;
    int saved_;
};

} // namespace general::windows
