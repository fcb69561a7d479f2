// The file of the running program, held and checked against the image in memory.
#include "general/windows/running_image.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "general/windows/system.h"

namespace general::windows {

namespace {

// No image's headers come near this; a larger size is no header we could check.
constexpr DWORD header_limit = 1 << 20;
constexpr DWORD copy_block = 1 << 16;

// " (error <code>)" of the calling thread's last error, read before anything
// else can change it.
std::wstring last_error()
{
    const DWORD code = GetLastError();
    return L" (error " + std::to_wstring(code) + L")";
}

// Reads up to `size` bytes at `offset`, whatever the file pointer says, so
// readers on several threads do not move one another's place.
bool read_at(HANDLE file, std::uint64_t offset, BYTE* buffer, DWORD size, DWORD& read)
{
    OVERLAPPED place{};
    place.Offset = static_cast<DWORD>(offset);
    place.OffsetHigh = static_cast<DWORD>(offset >> 32);
    read = 0;
    if (ReadFile(file, buffer, size, &read, &place))
        return true;
    return GetLastError() == ERROR_HANDLE_EOF;
}

// Reads `size` bytes from the start; fewer when the file is shorter.
bool read_start(HANDLE file, BYTE* buffer, DWORD size, DWORD& total)
{
    total = 0;
    while (total < size) {
        DWORD read = 0;
        if (!read_at(file, total, buffer + total, size - total, read))
            return false;
        if (read == 0)
            break;
        total += read;
    }
    return true;
}

// The headers of this process's main module as mapped; empty when they do not
// look like a PE image's.
struct loaded_headers {
    const BYTE* bytes = nullptr;
    DWORD size = 0;
    std::size_t image_base_offset = 0; // of OptionalHeader.ImageBase
};

loaded_headers main_module_headers()
{
    const auto* base = reinterpret_cast<const BYTE*>(GetModuleHandleW(nullptr));
    if (!base)
        return {};
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    if (dos->e_magic != IMAGE_DOS_SIGNATURE || dos->e_lfanew <= 0)
        return {};
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const std::size_t image_base_offset = static_cast<std::size_t>(dos->e_lfanew) +
                                          offsetof(IMAGE_NT_HEADERS, OptionalHeader) +
                                          offsetof(IMAGE_OPTIONAL_HEADER, ImageBase);
    const DWORD size = nt->OptionalHeader.SizeOfHeaders;
    if (nt->Signature != IMAGE_NT_SIGNATURE || size > header_limit ||
        size < image_base_offset + sizeof nt->OptionalHeader.ImageBase)
        return {};
    return {base, size, image_base_offset};
}

// Why the file is not the running image; empty when it is. The loader writes
// the address it chose into ImageBase when it moves the image (Windows does;
// Wine leaves the field as it was); every other header byte stays as in the file.
std::wstring header_mismatch(HANDLE file)
{
    const loaded_headers loaded = main_module_headers();
    if (!loaded.bytes)
        return L"the running program's headers cannot be read";
    std::vector<BYTE> on_disk(loaded.size);
    DWORD read = 0;
    if (!read_start(file, on_disk.data(), loaded.size, read))
        return L"it cannot be read" + last_error();
    if (read < loaded.size)
        return L"it is shorter than the running program's headers";
    const std::size_t skip_end = loaded.image_base_offset + sizeof(IMAGE_OPTIONAL_HEADER::ImageBase);
    if (std::memcmp(on_disk.data(), loaded.bytes, loaded.image_base_offset) != 0 ||
        std::memcmp(on_disk.data() + skip_end, loaded.bytes + skip_end, loaded.size - skip_end) != 0)
        return L"its headers differ from the running program's";
    return {};
}

bool identity(HANDLE file, BY_HANDLE_FILE_INFORMATION& facts)
{
    return GetFileInformationByHandle(file, &facts) != 0;
}

// Writes the whole of `source` into `target`; returns what went wrong.
std::wstring copy_bytes(HANDLE source, HANDLE target)
{
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(source, &size))
        return L"its size is unknown" + last_error();
    std::vector<BYTE> block(copy_block);
    for (std::uint64_t done = 0; done < static_cast<std::uint64_t>(size.QuadPart);) {
        DWORD read = 0;
        if (!read_at(source, done, block.data(), copy_block, read))
            return L"reading failed" + last_error();
        if (read == 0)
            return L"the file ended early";
        for (DWORD written = 0; written < read;) {
            DWORD now = 0;
            if (!WriteFile(target, block.data() + written, read - written, &now, nullptr) || now == 0)
                return L"writing failed" + last_error();
            written += now;
        }
        done += read;
    }
    return {};
}

} // namespace

running_image::running_image() : failure_(L"not opened") {}

running_image::running_image(unique_file file, std::wstring path, std::wstring failure)
    : file_(std::move(file)), path_(std::move(path)), failure_(std::move(failure))
{
}

running_image running_image::open_own()
{
    const std::wstring path = executable_path();
    if (path.empty())
        return {{}, {}, L"the running program's path is unknown"};
    return open(path);
}

running_image running_image::open(const std::wstring& path)
{
    // Sharing reading only: while the handle is open, nobody may write, rename
    // or delete the file, so its path keeps naming what was checked.
    unique_file file{CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr)};
    if (!file) {
        const std::wstring why = last_error();
        return {{}, path, path + L" cannot be opened" + why};
    }
    BY_HANDLE_FILE_INFORMATION facts{};
    if (!identity(file.get(), facts)) {
        const std::wstring why = last_error();
        return {{}, path, path + L" cannot be examined" + why};
    }
    if (facts.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))
        return {{}, path, path + L" is a folder or a link, not the running program"};
    if (const std::wstring mismatch = header_mismatch(file.get()); !mismatch.empty())
        return {{}, path, path + L" is not the running program: " + mismatch};
    return {std::move(file), path, {}};
}

bool running_image::is_same_file(const std::wstring& other) const
{
    if (!file_)
        return false;
    // Attributes only: no reading, so the sharing the held handle denies does not apply.
    const unique_file opened{CreateFileW(other.c_str(), FILE_READ_ATTRIBUTES,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                         FILE_FLAG_BACKUP_SEMANTICS, nullptr)};
    BY_HANDLE_FILE_INFORMATION held{};
    BY_HANDLE_FILE_INFORMATION found{};
    return opened && identity(file_.get(), held) && identity(opened.get(), found) &&
           held.dwVolumeSerialNumber == found.dwVolumeSerialNumber && held.nFileIndexHigh == found.nFileIndexHigh &&
           held.nFileIndexLow == found.nFileIndexLow;
}

std::wstring running_image::copy_to(const std::wstring& destination) const
{
    if (!file_)
        return failure_;
    unique_file target{
        CreateFileW(destination.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (!target) {
        const std::wstring why = last_error();
        return L"cannot create " + destination + why;
    }
    const std::wstring failure = copy_bytes(file_.get(), target.get());
    if (failure.empty())
        return {};
    target.reset();
    DeleteFileW(destination.c_str());
    return L"cannot copy " + path_ + L" to " + destination + L": " + failure;
}

} // namespace general::windows
