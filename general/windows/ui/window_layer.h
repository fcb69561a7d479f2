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
#include <winsock2.h>
#include <windows.h>


#include <exception>

namespace general::windows::ui {

// An exception must not unwind through the system's window-procedure frames
// (32-bit MinGW cannot unwind them at all). The window layer catches whatever a
// handler throws, keeps it, and ends the thread's message loop with exit code 0;
// message_loop::run then rethrows it on the loop's own frame, where start-up
// logs it like any other failure of the run.
void keep_exception(std::exception_ptr failure);
// Rethrows and forgets the kept exception of the calling thread, if any.
void rethrow_kept_exception();

} // namespace general::windows::ui
