// Starting child processes and looking for running ones.
#include "general/windows/system.h"

#include <string_view>

#include "general/windows/handle.h"

namespace general::windows {

namespace {

STARTUPINFOW child_startup_info(bool hidden)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    // Nothing is inherited, so standard handles and the C runtime's table of
    // inherited files (the reserved block) would name handles the child does
    // not have, or worse, unrelated ones it happens to own.
    startup.dwFlags &= ~STARTF_USESTDHANDLES;
    startup.hStdInput = startup.hStdOutput = startup.hStdError = nullptr;
    startup.lpReserved = nullptr;
    startup.cbReserved2 = 0;
    startup.lpReserved2 = nullptr;
    if (hidden) {
        startup.dwFlags |= STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_HIDE;
    }
    return startup;
}

std::wstring_view file_name_of(std::wstring_view path)
{
    const auto separator = path.find_last_of(L"\\/");
    return separator == path.npos ? path : path.substr(separator + 1);
}

bool names_match(std::wstring_view found, const std::wstring& wanted, bool case_sensitive)
{
    if (case_sensitive)
        return found == wanted;
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, found.data(), static_cast<int>(found.size()),
                          wanted.data(), static_cast<int>(wanted.size())) == CSTR_EQUAL;
}

} // namespace

DWORD create_process(const std::wstring& command_line, bool wait, bool hidden, const std::wstring& working_directory,
                     DWORD* exit_code)
{
    STARTUPINFOW startup = child_startup_info(hidden);
    // CreateProcessW may write into the command line, so it gets its own copy.
    std::wstring writable = command_line;
    PROCESS_INFORMATION created{};
    // Default security for the child: an explicit descriptor with a null access
    // list would let any user of the machine open the (elevated) child at will.
    if (!CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, hidden ? CREATE_NEW_CONSOLE : 0, nullptr,
                        working_directory.empty() ? nullptr : working_directory.c_str(), &startup, &created))
        return 0;
    const unique_handle process{created.hProcess};
    const unique_handle thread{created.hThread};
    if (wait)
        WaitForSingleObject(process.get(), INFINITE);
    if (exit_code) {
        DWORD code = STILL_ACTIVE;
        if (GetExitCodeProcess(process.get(), &code))
            *exit_code = code;
    }
    return created.dwProcessId;
}

bool is_process_running(const std::wstring& image_name, DWORD skip_process_id, bool case_sensitive)
{
    const unique_snapshot snapshot{CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0)};
    if (!snapshot)
        return false;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot.get(), &entry); more; more = Process32NextW(snapshot.get(), &entry)) {
        if (entry.th32ProcessID == skip_process_id)
            continue;
        if (names_match(file_name_of(entry.szExeFile), image_name, case_sensitive))
            return true;
    }
    return false;
}

} // namespace general::windows
