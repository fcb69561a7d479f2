#include "views/ui/image.h"

#include <winsock2.h>
#include <windows.h>

#include <objidl.h>

#include <gdiplus.h>

#include <stdexcept>

#include "general/windows/com.h"
#include "general/windows/resource.h"

namespace general::ui {

image::image() noexcept = default;
image::~image() = default;
image::image(image&&) noexcept = default;

image& image::operator=(image&& other) noexcept
{
    if (this != &other) {
        // The old bitmap may still read from the old block: drop it first.
        bitmap_ = std::move(other.bitmap_);
        memory_ = std::move(other.memory_);
    }
    return *this;
}

image image::from_bytes(const void* data, std::size_t size)
{
    if (!data || size == 0)
        throw std::runtime_error("invalid resource");
    image result;
    result.memory_ = std::make_unique<general::windows::resource::global_mem_handler>(data, size);

    // The stream does not own the block: the image does, for as long as the bitmap.
    general::windows::com_ptr<IStream> stream;
    if (FAILED(CreateStreamOnHGlobal(result.memory_->get(), FALSE, stream.put())))
        throw std::runtime_error("memory allocation error");

    std::unique_ptr<Gdiplus::Bitmap> bitmap{Gdiplus::Bitmap::FromStream(stream.get())};
    if (!bitmap || bitmap->GetLastStatus() != Gdiplus::Ok)
        throw std::runtime_error("invalid resource");
    result.bitmap_ = std::move(bitmap);
    return result;
}

} // namespace general::ui
