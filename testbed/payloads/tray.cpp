// Stand-in for the protection product's tray program (installed as
// qeltray.exe). It records that it ran, writing its command line and its own
// path (one line each, UTF-8) to the file named by QEL_TRAY_RECORD, or else
// beside itself (its own path with ".ran" appended), and ends with 0. Not in
// the temporary folder: started through the desktop's shell, it has the
// shell's environment, whose temporary folder may be one a test has since
// removed. A GUI program that opens no window.
#include "testbed/payloads/record.h"

int wmain(int, wchar_t**)
{
    std::wstring record = payload::environment(L"QEL_TRAY_RECORD");
    if (record.empty())
        record = payload::own_path() + L".ran";
    payload::write_record(record, std::wstring(GetCommandLineW()) + L"\n" + payload::own_path() + L"\n");
    return 0;
}
