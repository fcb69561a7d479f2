#include "views/ui/animated_gif.h"

#include <objidl.h>

#include <gdiplus.h>

#include <algorithm>
#include <cstring>

#include "general/windows/gdi.h"
#include "views/ui/label.h"

namespace general::ui {

namespace {

// The frame delays of `bitmap`, in hundredths of a second; empty when the image
// has none (a still image) or the property is not the list of 32-bit numbers
// an animated GIF carries.
std::vector<std::uint32_t> frame_delays(Gdiplus::Bitmap& bitmap)
{
    const UINT size = bitmap.GetPropertyItemSize(PropertyTagFrameDelay);
    if (size < sizeof(Gdiplus::PropertyItem))
        return {};
    // 64-bit cells keep the item header aligned.
    std::vector<std::uint64_t> buffer((size + sizeof(std::uint64_t) - 1) / sizeof(std::uint64_t));
    auto* item = reinterpret_cast<Gdiplus::PropertyItem*>(buffer.data());
    if (bitmap.GetPropertyItem(PropertyTagFrameDelay, size, item) != Gdiplus::Ok || item->type != PropertyTagTypeLong ||
        !item->value)
        return {};
    // The values follow the header inside the same buffer; never read past it.
    const auto* begin = static_cast<const unsigned char*>(item->value);
    const auto* end = reinterpret_cast<const unsigned char*>(buffer.data()) + size;
    if (begin < reinterpret_cast<const unsigned char*>(buffer.data()) || begin > end)
        return {};
    const std::size_t available = static_cast<std::size_t>(end - begin);
    const std::size_t count = std::min<std::size_t>(item->length, available) / sizeof(std::uint32_t);
    std::vector<std::uint32_t> delays(count);
    if (count)
        std::memcpy(delays.data(), begin, count * sizeof(std::uint32_t));
    return delays;
}

} // namespace

UINT frame_interval_ms(std::uint32_t delay) noexcept
{
    const std::uint64_t interval = static_cast<std::uint64_t>(delay) * 10;
    if (interval < USER_TIMER_MINIMUM)
        return USER_TIMER_MINIMUM;
    if (interval > USER_TIMER_MAXIMUM)
        return USER_TIMER_MAXIMUM;
    return static_cast<UINT>(interval);
}

void animated_gif::set_image(image picture)
{
    // A new picture starts over: the old frames and their timer go with the old one.
    if (started_ && hwnd())
        KillTimer(hwnd(), timer_id);
    started_ = false;
    next_frame_ = 0;
    frame_count_ = 0;
    dimension_ = GUID{};
    delays_.clear();
    image_ = std::move(picture);
    if (!image_)
        return;

    Gdiplus::Bitmap& bitmap = *image_.get();
    const UINT dimensions = bitmap.GetFrameDimensionsCount();
    if (dimensions > 0) {
        std::vector<GUID> list(dimensions);
        if (bitmap.GetFrameDimensionsList(list.data(), dimensions) == Gdiplus::Ok) {
            dimension_ = list.front();
            frame_count_ = bitmap.GetFrameCount(&dimension_);
        }
    }
    delays_ = frame_delays(bitmap);
    if (hwnd())
        InvalidateRect(hwnd(), nullptr, FALSE);
}

void animated_gif::start()
{
    if (started_ || !animatable() || !hwnd())
        return;
    show_frame(0);
    SetTimer(hwnd(), timer_id, frame_interval_ms(delay_of(0)), nullptr);
    next_frame_ = 1 % frame_count_;
    InvalidateRect(hwnd(), nullptr, FALSE);
    started_ = true;
}

bool animated_gif::handle_message(UINT message, WPARAM wparam, LPARAM, LRESULT& result)
{
    switch (message) {
    case WM_TIMER:
        if (wparam != timer_id)
            return false;
        advance();
        result = 0;
        return true;
    case WM_PAINT:
        paint();
        result = 0;
        return true;
    case WM_ERASEBKGND: result = 1; return true;
    default: return false;
    }
}

bool animated_gif::animatable() const noexcept
{
    return image_ && frame_count_ > 0 && !delays_.empty();
}

std::uint32_t animated_gif::delay_of(UINT frame) const noexcept
{
    // A damaged file may list fewer delays than frames: those frames get the
    // shortest interval rather than none.
    return frame < delays_.size() ? delays_[frame] : 0;
}

void animated_gif::advance()
{
    KillTimer(hwnd(), timer_id);
    if (!started_ || !animatable())
        return;
    show_frame(next_frame_);
    SetTimer(hwnd(), timer_id, frame_interval_ms(delay_of(next_frame_)), nullptr);
    next_frame_ = (next_frame_ + 1) % frame_count_;
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void animated_gif::paint()
{
    general::windows::paint_dc paint{hwnd()};
    if (!image_ || !paint.get())
        return;
    RECT client{};
    GetClientRect(hwnd(), &client);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    // Frames have transparent parts and the control never erases: each frame is
    // composed over the page's own background off screen, then copied in one go,
    // so no trace of the previous frame stays and nothing flickers.
    const general::windows::unique_memory_dc memory{CreateCompatibleDC(paint.get())};
    const general::windows::unique_bitmap canvas{CreateCompatibleBitmap(paint.get(), width, height)};
    if (!memory || !canvas)
        return;
    const general::windows::selected_object selected{memory.get(), canvas.get()};
    fill_with_page_background(hwnd(), memory.get(), RECT{0, 0, width, height});
    {
        Gdiplus::Graphics graphics{memory.get()};
        graphics.DrawImage(image_.get(), 0, 0, width, height);
    }
    BitBlt(paint.get(), client.left, client.top, width, height, memory.get(), 0, 0, SRCCOPY);
}

void animated_gif::show_frame(UINT frame)
{
    image_.get()->SelectActiveFrame(&dimension_, frame);
}

} // namespace general::ui
