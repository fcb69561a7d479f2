#pragma once
// A modeless dialog created from a template in the executable's resources.
// See window_layer.h for the handler convention.
#include "general/windows/ui/window_layer.h"

namespace general::windows::ui {

class dialog {
public:
    dialog() = default;
    virtual ~dialog();
    dialog(const dialog&) = delete;
    dialog& operator=(const dialog&) = delete;

    // Creates the dialog from template `template_id` as a child of `parent` (or a
    // top-level window when null). WM_INITDIALOG reaches handle_message with
    // `init_param` as its lParam. A window the object still has is destroyed
    // first, so one object never answers for two windows. Returns the window, or
    // null when the template is missing or creation failed (GetLastError tells why).
    HWND create(HINSTANCE instance, int template_id, HWND parent, LPARAM init_param = 0);

    // Destroys the window if it exists; the object stays usable for a new create.
    void destroy();

    HWND hwnd() const { return hwnd_; }

protected:
    // Called for every message from WM_INITDIALOG to WM_NCDESTROY inclusive.
    virtual bool handle_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) = 0;

private:
    static INT_PTR CALLBACK dialog_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    INT_PTR dispatch(UINT message, WPARAM wparam, LPARAM lparam);

    HWND hwnd_ = nullptr;
};

} // namespace general::windows::ui
