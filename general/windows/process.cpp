// Starting child processes and looking for running ones.
#include "general/windows/system.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>
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

// The name of one "name=value" entry of an environment block. Entries of the
// per-drive current folders ("=C:=C:\\x") start with "=", which is part of the name.
std::wstring_view variable_name(std::wstring_view entry)
{
    const auto separator = entry.find(L'=', 1);
    return separator == entry.npos ? entry : entry.substr(0, separator);
}

// Ordinal and without regard to case, as Windows compares variable names; for
// the ASCII names variables have, upper-casing each character is exactly that.
int compare_names(std::wstring_view a, std::wstring_view b)
{
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto x = std::towupper(a[i]);
        const auto y = std::towupper(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

struct environment_strings_traits {
    using pointer = wchar_t*;
    static pointer invalid() noexcept { return nullptr; }
    static void close(pointer h) noexcept { FreeEnvironmentStringsW(h); }
};

std::vector<std::wstring> current_environment()
{
    const unique_resource<environment_strings_traits> block{GetEnvironmentStringsW()};
    std::vector<std::wstring> entries;
    for (const wchar_t* entry = block.get(); entry && *entry; entry += std::wcslen(entry) + 1)
        entries.emplace_back(entry);
    return entries;
}

} // namespace

std::wstring environment_block(const std::vector<environment_setting>& settings)
{
    std::vector<std::wstring> entries;
    for (auto& entry : current_environment()) {
        const auto name = variable_name(entry);
        const bool replaced = std::any_of(settings.begin(), settings.end(), [&](const environment_setting& s) {
            return compare_names(name, s.name) == 0;
        });
        if (!replaced)
            entries.push_back(std::move(entry));
    }
    for (const auto& setting : settings)
        entries.push_back(setting.name + L"=" + setting.value);
    std::stable_sort(entries.begin(), entries.end(), [](const std::wstring& a, const std::wstring& b) {
        // Windows keeps a block sorted by name.
        return compare_names(variable_name(a), variable_name(b)) < 0;
    });
    std::wstring block;
    for (const auto& entry : entries) {
        block += entry;
        block += L'\0';
    }
    block += L'\0';
    return block;
}

DWORD create_process(const std::wstring& command_line, bool wait, bool hidden, const std::wstring& working_directory,
                     DWORD* exit_code, const std::vector<environment_setting>& environment)
{
    STARTUPINFOW startup = child_startup_info(hidden);
    // CreateProcessW may write into the command line, so it gets its own copy.
    std::wstring writable = command_line;
    std::wstring block;
    DWORD flags = hidden ? CREATE_NEW_CONSOLE : 0;
    if (!environment.empty()) {
        block = environment_block(environment);
        flags |= CREATE_UNICODE_ENVIRONMENT;
    }
    PROCESS_INFORMATION created{};
    // Default security for the child: an explicit descriptor with a null access
    // list would let any user of the machine open the (elevated) child at will.
    if (!CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, flags,
                        block.empty() ? nullptr : block.data(),
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
