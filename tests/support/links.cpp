#include "tests/support/links.h"

#include <winioctl.h>

#include <cstring>
#include <vector>

#include "general/windows/handle.h"

namespace test_support {

namespace {

namespace fs = std::filesystem;

// Wine's own exports, present only under Wine.
using unix_name_function = char*(CDECL*)(const wchar_t*);
using dos_name_function = wchar_t*(CDECL*)(const char*);

template <typename Function>
Function wine_function(const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), name)));
}

bool make_mount_point(const fs::path& link, const fs::path& target)
{
    if (!fs::is_directory(target) || !CreateDirectoryW(link.c_str(), nullptr))
        return false;
    general::windows::unique_file folder{CreateFileW(link.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                                     FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT,
                                                     nullptr)};
    // REPARSE_DATA_BUFFER of a mount point: tag, data length, reserved, then the
    // offsets and lengths of the substitute and print names, then the names.
    const std::wstring substitute = L"\\??\\" + target.native();
    const auto name_bytes = static_cast<WORD>(substitute.size() * sizeof(wchar_t));
    std::vector<BYTE> buffer(16 + name_bytes + 2 * sizeof(wchar_t), 0);
    const DWORD tag = IO_REPARSE_TAG_MOUNT_POINT;
    const WORD header[6] = {
        static_cast<WORD>(buffer.size() - 8), 0, 0, name_bytes, static_cast<WORD>(name_bytes + sizeof(wchar_t)), 0};
    std::memcpy(buffer.data(), &tag, sizeof tag);
    std::memcpy(buffer.data() + 4, header, sizeof header);
    std::memcpy(buffer.data() + 16, substitute.c_str(), name_bytes);
    DWORD returned = 0;
    if (folder && DeviceIoControl(folder.get(), FSCTL_SET_REPARSE_POINT, buffer.data(),
                                  static_cast<DWORD>(buffer.size()), nullptr, 0, &returned, nullptr))
        return true;
    folder.reset();
    RemoveDirectoryW(link.c_str());
    return false;
}

} // namespace

bool present(const fs::path& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool run_linux(const char* program, const std::wstring& arguments)
{
    const auto dos_name = wine_function<dos_name_function>("wine_get_dos_file_name");
    wchar_t* program_path = dos_name ? dos_name(program) : nullptr;
    if (!program_path)
        return false;
    std::wstring command = L"\"" + std::wstring(program_path) + L"\" " + arguments;
    HeapFree(GetProcessHeap(), 0, program_path);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                        &process))
        return false;
    const general::windows::unique_handle owned_process{process.hProcess};
    const general::windows::unique_handle owned_thread{process.hThread};
    return true;
}

std::wstring quoted_unix_name(const fs::path& path)
{
    const auto unix_name = wine_function<unix_name_function>("wine_get_unix_file_name");
    char* name = unix_name ? unix_name(path.c_str()) : nullptr;
    if (!name)
        return {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, name, -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 1), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, name, -1, wide.data(), length);
    HeapFree(GetProcessHeap(), 0, name);
    wide.resize(wide.size() - 1); // the closing null
    return L"\"" + wide + L"\"";
}

link_to::link_to(fs::path link, const fs::path& target) : link_(std::move(link))
{
    if (make_mount_point(link_, target))
        kind_ = kind::mount_point;
    else if (run_linux("/bin/ln", L"-s " + quoted_unix_name(target) + L" " + quoted_unix_name(link_)) &&
             settle([&] { return present(link_); }))
        kind_ = kind::linux_link;
}

void link_to::remove()
{
    if (kind_ == kind::mount_point)
        RemoveDirectoryW(link_.c_str());
    if (kind_ == kind::linux_link && run_linux("/bin/rm", L"-f " + quoted_unix_name(link_)))
        settle([&] { return !present(link_); });
    kind_ = kind::none;
}

} // namespace test_support
