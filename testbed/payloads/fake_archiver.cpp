// Stand-in for the archiver's own installer. It records how it was run in a
// file beside itself (its own path with ".ran" appended: the command line, one
// line), the folder it was started in (".cwd" appended, one line) and its
// temporary folders (".env" appended: "TMP=...", "TEMP=...", a line each),
// "installs" the archiver by writing "quobex-installed.txt" (holding the same
// command line) into the folder named by QEL_FAKE_ARCHIVER_TARGET, or into
// a folder "Quobex" beside itself, after sleeping the milliseconds in
// QEL_FAKE_ARCHIVER_DELAY_MS, and ends with the exit code given in
// QEL_FAKE_ARCHIVER_EXIT_CODE (0 when unset; 1603 when it cannot install). A
// code that says the installation failed (anything but 0, 3010 and 1641)
// installs nothing. A
// GUI program that opens no window, so a hidden start creates no console.
#include <iterator>

#include "testbed/payloads/record.h"

int wmain(int, wchar_t**)
{
    const std::wstring self = payload::own_path();
    const std::wstring command_line = GetCommandLineW();
    payload::write_record(self + L".ran", command_line + L"\n");
    wchar_t current[MAX_PATH * 4];
    const DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(std::size(current)), current);
    payload::write_record(self + L".cwd", std::wstring(current, length < std::size(current) ? length : 0) + L"\n");
    payload::write_record(self + L".env",
                          L"TMP=" + payload::environment(L"TMP") + L"\nTEMP=" + payload::environment(L"TEMP") + L"\n");

    std::wstring target = payload::environment(L"QEL_FAKE_ARCHIVER_TARGET");
    if (target.empty())
        target = payload::folder_of(self) + L"\\Quobex";
    // Installing takes its time; the marker appears only at its end.
    Sleep(payload::environment_number(L"QEL_FAKE_ARCHIVER_DELAY_MS"));
    const auto exit_code = payload::environment_number(L"QEL_FAKE_ARCHIVER_EXIT_CODE");
    // A failed installation leaves nothing installed.
    if (exit_code != 0 && exit_code != 3010 && exit_code != 1641)
        return static_cast<int>(exit_code);
    CreateDirectoryW(target.c_str(), nullptr);
    const bool installed = payload::write_record(target + L"\\quobex-installed.txt", command_line + L"\n");
    if (!installed)
        return 1603;
    return static_cast<int>(exit_code);
}
