#pragma once
// A GDI+ bitmap decoded from bytes in memory, owned together with the memory it
// reads from. GDI+ may go back to an image's stream for as long as the image
// lives (frames of an animation are decoded on demand), so the block is released
// only after the bitmap. Move-only; user-interface thread.
#include <cstddef>
#include <memory>

namespace Gdiplus {
class Bitmap;
}

namespace general::windows::resource {
class global_mem_handler;
}

namespace general::ui {

class image {
public:
    image() noexcept;
    ~image();
    image(image&&) noexcept;
    image& operator=(image&&) noexcept;
    image(const image&) = delete;
    image& operator=(const image&) = delete;

    // Decodes a PNG, GIF or other image GDI+ reads from a copy of `size` bytes.
    // Throws std::runtime_error "memory allocation error" when the copy can't be
    // made and "invalid resource" when GDI+ can't decode it. GDI+ must be started.
    static image from_bytes(const void* data, std::size_t size);

    Gdiplus::Bitmap* get() const noexcept { return bitmap_.get(); }
    explicit operator bool() const noexcept { return bitmap_ != nullptr; }

private:
    std::unique_ptr<general::windows::resource::global_mem_handler> memory_;
    std::unique_ptr<Gdiplus::Bitmap> bitmap_; // declared after memory_, so destroyed before it
};

} // namespace general::ui
