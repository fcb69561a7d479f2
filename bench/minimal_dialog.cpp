// The reference of tools/bench-startup: the least a Windows program with one
// dialog does before its window is visible. Statically linked like the
// installer; the dialog comes from the one template in minimal_dialog.rc.
#include <windows.h>

namespace {

INT_PTR CALLBACK dialog_procedure(HWND window, UINT message, WPARAM wparam, LPARAM)
{
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message == WM_COMMAND && (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL)) {
        EndDialog(window, LOWORD(wparam));
        return TRUE;
    }
    return FALSE;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, wchar_t*, int)
{
    return int(DialogBoxParamW(instance, MAKEINTRESOURCEW(1), nullptr, dialog_procedure, 0));
}
