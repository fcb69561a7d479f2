// Paths of the executable, of processes and of the system's folders.
#include "general/windows/system.h"

#include <psapi.h>
#include <shlobj.h>

#include <vector>

#include "general/windows/system_function.h"

namespace general::windows {

namespace {

// The longest path Windows accepts, so no module name can be cut short.
constexpr DWORD long_path_size = 32768;

// A length of zero is a failure; a full buffer means the name was cut short
// (XP does not even terminate it then).
std::wstring checked_path(const std::vector<wchar_t>& buffer, DWORD length)
{
    if (length == 0 || length >= buffer.size())
        return {};
    return {buffer.data(), length};
}

std::wstring other_process_image_path(HMODULE module, HANDLE process)
{
    std::vector<wchar_t> buffer(long_path_size);
    const DWORD length = GetModuleFileNameExW(process, module, buffer.data(), long_path_size);
    if (length != 0)
        return checked_path(buffer, length);
    // A process of the other bitness, or one opened with limited rights only.
    auto* query = system_function<decltype(QueryFullProcessImageNameW)>(L"kernel32.dll", "QueryFullProcessImageNameW");
    DWORD size = long_path_size;
    if (!query || !query(process, 0, buffer.data(), &size))
        return {};
    return checked_path(buffer, size);
}

} // namespace

std::wstring process_image_path(HMODULE module, HANDLE process)
{
    if (process)
        return other_process_image_path(module, process);
    std::vector<wchar_t> buffer(long_path_size);
    return checked_path(buffer, GetModuleFileNameW(module, buffer.data(), long_path_size));
}

std::wstring executable_path()
{
    return process_image_path(nullptr, nullptr);
}

std::wstring executable_directory()
{
    const std::wstring path = executable_path();
    const auto separator = path.find_last_of(L"\\/");
    if (separator == path.npos)
        return {};
    // Keep the separator of a drive's root ("C:\"), which is a directory by itself.
    const bool root = separator == 2 && path[1] == L':';
    return path.substr(0, root ? separator + 1 : separator);
}

std::wstring temp_directory()
{
    std::vector<wchar_t> buffer(MAX_PATH + 1);
    DWORD length = GetTempPathW(static_cast<DWORD>(buffer.size()), buffer.data());
    // A longer path (TMP can name any folder) is reported by its size: fetch it
    // whole instead of handing on what the call left in the buffer.
    if (length >= buffer.size()) {
        buffer.resize(length + 1);
        length = GetTempPathW(static_cast<DWORD>(buffer.size()), buffer.data());
    }
    return checked_path(buffer, length);
}

std::wstring special_folder(int csidl)
{
    wchar_t buffer[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, buffer)))
        return {};
    return buffer;
}

std::wstring system_directory()
{
    return special_folder(CSIDL_SYSTEM);
}

} // namespace general::windows
