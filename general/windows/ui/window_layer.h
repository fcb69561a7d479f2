#pragma once
// The installer's own small window layer: modeless dialogs from templates,
// subclassed controls, and the per-thread message loop with its message filters
// and idle handlers.
//
// Handler convention, for every class here: `handle_message` returns true when it
// handled the message and then stores the message's result in `result`; returning
// false leaves the message to the default processing (the dialog manager for
// dialogs, the control's original procedure for subclassed controls). The C++
// object is attached to its window when the window is created (WM_INITDIALOG for
// dialogs, `attach` for subclassed controls) and detached at WM_NCDESTROY, after
// which `hwnd()` is null. Everything here runs on the thread that owns the window.
// Debug builds check that (check_ui_thread) where an object takes or gives up its
// window: attaching and detaching a control, destroying a dialog; the other
// entry points are not checked.
#include <winsock2.h>
#include <windows.h>

#include <cassert>
#include <exception>

#include "general/windows/handle.h"

namespace general::windows::ui {

// Debug builds: stops when `window` belongs to another thread than the caller.
// Windows would marshal most calls across threads, but our objects are not
// guarded for that, so a worker touching a page is a bug to catch early.
inline void check_ui_thread([[maybe_unused]] HWND window) noexcept
{
    assert(!window || GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId());
}

// The top-level window above `window` (itself when it is one); null for null.
inline HWND root_window(HWND window) noexcept
{
    return window ? GetAncestor(window, GA_ROOT) : nullptr;
}

struct window_traits {
    using pointer = HWND;
    static pointer invalid() noexcept { return nullptr; }
    static void close(pointer h) noexcept { DestroyWindow(h); }
};
// A window we create ourselves (a tooltip), destroyed with its owner object.
using unique_window = unique_resource<window_traits>;

// An exception must not unwind through the system's window-procedure frames
// (32-bit MinGW cannot unwind them at all). The window layer catches whatever a
// handler throws, keeps it, and ends the thread's message loop with exit code 0;
// message_loop::run then rethrows it on the loop's own frame, where start-up
// logs it like any other failure of the run.
void keep_exception(std::exception_ptr failure);
// Rethrows and forgets the kept exception of the calling thread, if any.
void rethrow_kept_exception();

} // namespace general::windows::ui
