#pragma once
// What the payload programs share: writing a small UTF-8 record file and
// reading their settings from the environment the test gives them. The
// programs stand in for installers and tray programs that are not ours, so
// they use nothing but the system and keep no state besides their records.
#include <winsock2.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "general/windows/handle.h"

namespace payload {

inline std::string utf8(const std::wstring& text)
{
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), length, nullptr,
                        nullptr);
    return result;
}

// Replaces `path` with `text` in UTF-8; false when it cannot be written.
inline bool write_record(const std::wstring& path, const std::wstring& text)
{
    const general::windows::unique_file file{
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (!file)
        return false;
    const std::string bytes = utf8(text);
    DWORD written = 0;
    return WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

// The variable's value; empty when it is not set.
inline std::wstring environment(const wchar_t* name)
{
    wchar_t buffer[32768];
    const DWORD length = GetEnvironmentVariableW(name, buffer, static_cast<DWORD>(std::size(buffer)));
    return length > 0 && length < std::size(buffer) ? std::wstring(buffer, length) : std::wstring();
}

inline unsigned long environment_number(const wchar_t* name)
{
    return std::wcstoul(environment(name).c_str(), nullptr, 10);
}

inline std::wstring own_path()
{
    wchar_t buffer[MAX_PATH * 4] = {};
    const DWORD length = GetModuleFileNameW(nullptr, buffer, static_cast<DWORD>(std::size(buffer)));
    return std::wstring(buffer, length);
}

inline std::wstring folder_of(const std::wstring& path)
{
    const auto separator = path.find_last_of(L"\\/");
    return separator == path.npos ? std::wstring() : path.substr(0, separator);
}

} // namespace payload
