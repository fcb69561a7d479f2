// Stand-in for the protection product's tray program (installed as
// qeltray.exe). It records that it ran, writing its command line and its own
// path (one line each, UTF-8) to the file named by QEL_TRAY_RECORD, or to
// "qeltray.ran" in the temporary folder, and ends with 0. A GUI program that
// opens no window.
#include "testbed/payloads/record.h"

int wmain(int, wchar_t**)
{
    std::wstring record = payload::environment(L"QEL_TRAY_RECORD");
    if (record.empty()) {
        wchar_t temp[MAX_PATH + 1] = {};
        GetTempPathW(static_cast<DWORD>(std::size(temp)), temp);
        record = std::wstring(temp) + L"qeltray.ran";
    }
    payload::write_record(record, std::wstring(GetCommandLineW()) + L"\n" + payload::own_path() + L"\n");
    return 0;
}
