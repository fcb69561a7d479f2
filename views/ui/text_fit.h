#pragma once
// Room for translated texts: a text that does not fit the control the page
// drew for it is set in a smaller size of the same font, never cut. English
// fits at the theme's sizes; longer languages may take a step or two down.
// User-interface thread only.
#include <winsock2.h>
#include <windows.h>

#include <string>

namespace general::ui {

// A device context for measuring texts, compatible with the screen and kept for
// the process's life: measuring through a window's own context would ask the
// window system for one each time, which a page with a dozen texts feels at
// start. Select a font into it for the measurement and out again.
HDC measuring_dc();

// The width of `text` in `font` on one line, at the screen's resolution; -1
// when it can't be measured.
int text_width(HFONT font, const std::wstring& text);

// The height of `text` in `font` wrapped at `width` as DrawText wraps it with
// the flags `format`; -1 when it can't be measured.
int wrapped_height(HFONT font, const std::wstring& text, UINT format, int width);

// Whether `text` in `font`, drawn with the DrawText flags `format`, fits `room`
// (measured at the screen's resolution, which every control shares): a single
// line by its width; wrapped lines by their height, and by the width of the
// longest word (DrawText never breaks a word, it would run over the edge).
bool text_fits(HFONT font, const std::wstring& text, UINT format, SIZE room);

// `wanted` itself when the text fits in it, else the first size below it (one
// point at a time, down to `smallest_share` of it) in which the text fits; the
// smallest size tried when none does. Only the height changes.
LOGFONTW fitting_font(const LOGFONTW& wanted, const std::wstring& text, UINT format, SIZE room,
                      double smallest_share = 0.7);

// DT_RTLREADING for a control mirrored for a language written right to left
// (WS_EX_LAYOUTRTL), so its text reads in that direction; 0 otherwise.
UINT reading_order(HWND control) noexcept;

} // namespace general::ui
