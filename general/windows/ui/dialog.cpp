#include "general/windows/ui/dialog.h"

#include <utility>

namespace general::windows::ui {

namespace {

struct creation {
    dialog* self;
    LPARAM param;
};

// Messages whose dialog-procedure result is the return value itself rather than
// DWLP_MSGRESULT.
bool returns_result_directly(UINT message)
{
    switch (message) {
    case WM_INITDIALOG:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORMSGBOX:
    case WM_QUERYDRAGICON:
    case WM_VKEYTOITEM: return true;
    default: return false;
    }
}

} // namespace

dialog::~dialog()
{
    // The derived part is gone by now, so the window (if a derived destructor left
    // it) must not reach handle_message any more.
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
        DestroyWindow(std::exchange(hwnd_, nullptr));
    }
}

HWND dialog::create(HINSTANCE instance, int template_id, HWND parent, LPARAM init_param)
{
    destroy();
    creation args{this, init_param};
    return CreateDialogParamW(instance, MAKEINTRESOURCEW(template_id), parent, &dialog::dialog_proc,
                              reinterpret_cast<LPARAM>(&args));
}

void dialog::destroy()
{
    check_ui_thread(hwnd_);
    if (hwnd_)
        DestroyWindow(hwnd_);
}

INT_PTR CALLBACK dialog::dialog_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_INITDIALOG) {
        auto* args = reinterpret_cast<creation*>(lparam);
        SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(args->self));
        args->self->hwnd_ = window;
        return args->self->dispatch(message, wparam, args->param);
    }
    auto* self = reinterpret_cast<dialog*>(GetWindowLongPtrW(window, DWLP_USER));
    if (!self)
        return FALSE; // messages before WM_INITDIALOG (WM_SETFONT) take the default
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, DWLP_USER, 0);
        const INT_PTR answer = self->dispatch(message, wparam, lparam);
        self->hwnd_ = nullptr;
        return answer;
    }
    return self->dispatch(message, wparam, lparam);
}

INT_PTR dialog::dispatch(UINT message, WPARAM wparam, LPARAM lparam)
{
    LRESULT result = 0;
    HWND window = hwnd_;
    bool handled = false;
    try {
        handled = handle_message(message, wparam, lparam, result);
    } catch (...) {
        keep_exception(std::current_exception());
        return FALSE;
    }
    if (!handled)
        return FALSE;
    if (returns_result_directly(message))
        return static_cast<INT_PTR>(result);
    // The handler may have destroyed the window; only a live one takes a result.
    if (IsWindow(window))
        SetWindowLongPtrW(window, DWLP_MSGRESULT, static_cast<LONG_PTR>(result));
    return TRUE;
}

} // namespace general::windows::ui
