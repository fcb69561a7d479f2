// A folder only administrators and the system can change.
#include "general/windows/private_folder.h"

#include <winsock2.h>
#include <windows.h>

#include <sddl.h>

#include <filesystem>
#include <system_error>

#include "general/windows/handle.h"

namespace general::windows {

namespace {

struct local_memory_traits {
    using pointer = PSECURITY_DESCRIPTOR;
    static pointer invalid() noexcept { return nullptr; }
    static void close(pointer h) noexcept { LocalFree(h); }
};
using unique_descriptor = unique_resource<local_memory_traits>;

[[noreturn]] void throw_last_error(const char* what)
{
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), what);
}

} // namespace

private_folder::private_folder(const std::wstring& parent, const std::wstring& prefix, const wchar_t* access)
{
    unique_descriptor descriptor;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(access, SDDL_REVISION_1, descriptor.put(), nullptr))
        throw_last_error("security descriptor");
    SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor.get(), FALSE};
    std::wstring folder = parent;
    if (!folder.empty() && folder.back() != L'\\')
        folder += L'\\';
    // Anybody may have made a folder of the next name first, to own what we put
    // in it: a name that exists is never used, the next one is tried.
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    const unsigned long long seed = static_cast<unsigned long long>(counter.QuadPart) ^ GetCurrentProcessId();
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        const std::wstring candidate =
            folder + prefix + L"-" + std::to_wstring((seed + attempt * 7919ull) % 100000000ull);
        if (CreateDirectoryW(candidate.c_str(), &attributes)) {
            path_ = candidate;
            return;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            throw_last_error("create folder");
    }
    throw_last_error("create folder");
}

private_folder::~private_folder()
{
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path{path_}, ignored);
}

} // namespace general::windows
