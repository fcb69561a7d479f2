#pragma once
// Pictures of windows as the screen shows them, and PNG files of pictures: for
// the programs that let people look at the pages (page gallery, walkthrough).
// The window must be on a visible desktop (Xvfb is one); a window of another
// process is copied the same way. Needs a GDI+ session for the PNG writing.
#include <winsock2.h>
#include <windows.h>

#include <objidl.h>

#include <gdiplus.h>

#include <filesystem>

#include "general/windows/gdi.h"

namespace test_support {

// The window as it is on the screen, caption and frame included; null when it
// cannot be copied.
general::windows::unique_bitmap copy_from_screen(HWND window);

// Writes `picture` as a PNG file; false when it cannot be written.
bool save_png(Gdiplus::Image& picture, const std::filesystem::path& file);
bool save_png(HBITMAP picture, const std::filesystem::path& file);

} // namespace test_support
