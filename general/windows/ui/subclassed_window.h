#pragma once
// Takes over an existing control (a control of a dialog template) and receives
// its messages before the control's own procedure. See window_layer.h for the
// handler convention. Widgets keep the control's id, position and size.
#include "general/windows/ui/window_layer.h"

namespace general::windows::ui {

class subclassed_window {
public:
    subclassed_window() = default;
    virtual ~subclassed_window();
    subclassed_window(const subclassed_window&) = delete;
    subclassed_window& operator=(const subclassed_window&) = delete;

    // Subclasses `control`; false when the control is null, this object is
    // already attached, or the system refuses.
    bool attach(HWND control);
    // Gives the control back to its own procedure; done automatically when the
    // control is destroyed.
    void detach();

    HWND hwnd() const { return hwnd_; }

protected:
    virtual bool handle_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) = 0;
    // The control's own processing of a message, for handlers that add to it.
    LRESULT default_processing(UINT message, WPARAM wparam, LPARAM lparam);

private:
    static LRESULT CALLBACK subclass_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                          DWORD_PTR data);
    HWND hwnd_ = nullptr;
};

} // namespace general::windows::ui
