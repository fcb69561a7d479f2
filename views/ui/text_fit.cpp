#include "views/ui/text_fit.h"

#include <algorithm>
#include <cmath>

#include "general/windows/gdi.h"

namespace general::ui {

HDC measuring_dc()
{
    static const general::windows::unique_memory_dc dc{CreateCompatibleDC(nullptr)};
    return dc.get();
}

int text_width(HFONT font, const std::wstring& text)
{
    const HDC dc = measuring_dc();
    if (!dc)
        return -1;
    const general::windows::selected_object selected{dc, font};
    SIZE extent{};
    if (!GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent))
        return -1;
    return extent.cx;
}

namespace {

// The box DrawText takes for `text` wrapped at `width`; false without a context.
bool wrapped_box(HFONT font, const std::wstring& text, UINT format, int width, RECT& measured)
{
    const HDC dc = measuring_dc();
    if (!dc)
        return false;
    const general::windows::selected_object selected{dc, font};
    measured = {0, 0, width, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured, (format & ~DT_VCENTER) | DT_CALCRECT);
    return true;
}

} // namespace

int wrapped_height(HFONT font, const std::wstring& text, UINT format, int width)
{
    RECT measured{};
    return wrapped_box(font, text, format, width, measured) ? static_cast<int>(measured.bottom) : -1;
}

bool text_fits(HFONT font, const std::wstring& text, UINT format, SIZE room)
{
    if (text.empty())
        return true;
    const HDC dc = measuring_dc();
    if (!dc)
        return true; // nothing to measure with: leave the text as it is
    if (!(format & DT_WORDBREAK) || (format & DT_SINGLELINE)) {
        const int width = text_width(font, text);
        return width >= 0 && width <= room.cx;
    }
    RECT measured{};
    wrapped_box(font, text, format, room.cx, measured);
    return measured.bottom <= room.cy && measured.right <= room.cx;
}

LOGFONTW fitting_font(const LOGFONTW& wanted, const std::wstring& text, UINT format, SIZE room, double smallest_share)
{
    const HDC dc = measuring_dc();
    const int pixels_per_inch = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
    const int wanted_height = std::abs(wanted.lfHeight);
    const int smallest = std::max(1, static_cast<int>(std::ceil(wanted_height * smallest_share)));
    const int sign = wanted.lfHeight < 0 ? -1 : 1;
    // One point at a time, in pixels of this screen.
    const int step = std::max(1, MulDiv(1, pixels_per_inch, 72));
    LOGFONTW candidate = wanted;
    for (int height = wanted_height;; height -= step) {
        candidate.lfHeight = sign * std::max(height, smallest);
        candidate.lfWidth = 0;
        const general::windows::unique_font font{CreateFontIndirectW(&candidate)};
        if (!font || text_fits(font.get(), text, format, room) || height <= smallest)
            return candidate;
    }
}

UINT reading_order(HWND control) noexcept
{
    return control && (GetWindowLongPtrW(control, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) ? DT_RTLREADING : 0;
}

} // namespace general::ui
