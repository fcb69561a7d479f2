#include "general/windows/ui/subclassed_window.h"

#include <commctrl.h>

namespace general::windows::ui {

subclassed_window::~subclassed_window()
{
    detach();
}

bool subclassed_window::attach(HWND control)
{
    check_ui_thread(control);
    if (!control || hwnd_)
        return false;
    if (!SetWindowSubclass(control, &subclassed_window::subclass_proc, reinterpret_cast<UINT_PTR>(this),
                           reinterpret_cast<DWORD_PTR>(this)))
        return false;
    hwnd_ = control;
    return true;
}

void subclassed_window::detach()
{
    if (!hwnd_)
        return;
    check_ui_thread(hwnd_);
    RemoveWindowSubclass(hwnd_, &subclassed_window::subclass_proc, reinterpret_cast<UINT_PTR>(this));
    hwnd_ = nullptr;
}

LRESULT subclassed_window::default_processing(UINT message, WPARAM wparam, LPARAM lparam)
{
    return DefSubclassProc(hwnd_, message, wparam, lparam);
}

LRESULT CALLBACK subclassed_window::subclass_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                                  DWORD_PTR data)
{
    auto* self = reinterpret_cast<subclassed_window*>(data);
    LRESULT result = 0;
    bool handled = false;
    try {
        handled = self->handle_message(message, wparam, lparam, result);
    } catch (...) {
        keep_exception(std::current_exception());
    }
    if (message == WM_NCDESTROY) {
        const LRESULT answer = handled ? result : DefSubclassProc(window, message, wparam, lparam);
        self->detach();
        return answer;
    }
    return handled ? result : DefSubclassProc(window, message, wparam, lparam);
}

} // namespace general::windows::ui
