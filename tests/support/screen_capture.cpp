#include "tests/support/screen_capture.h"

namespace test_support {

general::windows::unique_bitmap copy_from_screen(HWND window)
{
    RECT place{};
    if (!GetWindowRect(window, &place))
        return {};
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    const general::windows::window_dc screen(nullptr);
    const general::windows::unique_memory_dc memory(CreateCompatibleDC(screen.get()));
    general::windows::unique_bitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    if (!memory || !bitmap)
        return {};
    const general::windows::selected_object selected(memory.get(), bitmap.get());
    if (!BitBlt(memory.get(), 0, 0, width, height, screen.get(), place.left, place.top, SRCCOPY))
        return {};
    return bitmap;
}

bool save_png(Gdiplus::Image& picture, const std::filesystem::path& file)
{
    // The system's PNG encoder.
    const CLSID png{0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
    return picture.Save(file.c_str(), &png, nullptr) == Gdiplus::Ok;
}

bool save_png(HBITMAP picture, const std::filesystem::path& file)
{
    Gdiplus::Bitmap copy(picture, nullptr);
    return save_png(copy, file);
}

} // namespace test_support
