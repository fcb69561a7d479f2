#include "general/log/path_checks.h"

#include <cstddef>
#include <cstring>
#include <system_error>

#include "general/windows/system_function.h"

namespace general::log {

namespace {

std::wstring comparable(std::wstring_view path)
{
    std::wstring text(path);
    for (auto& c : text) {
        if (c == L'/')
            c = L'\\';
    }
    static constexpr std::wstring_view unc_prefix = L"\\\\?\\UNC\\";
    static constexpr std::wstring_view long_prefix = L"\\\\?\\";
    if (text.starts_with(unc_prefix))
        text = L"\\\\" + text.substr(unc_prefix.size());
    else if (text.starts_with(long_prefix))
        text.erase(0, long_prefix.size());
    while (!text.empty() && text.back() == L'\\')
        text.pop_back();
    if (text.empty())
        return text;
    // The file system's own upper-casing table is close to the invariant one; a
    // linguistic comparison would equate names the file system keeps apart.
    std::wstring upper(text.size(), L'\0');
    if (LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, text.c_str(), static_cast<int>(text.size()), upper.data(),
                     static_cast<int>(upper.size())) != static_cast<int>(text.size()))
        return text;
    return upper;
}

std::optional<std::wstring> final_path_of(HANDLE handle)
{
    auto* final_path =
        windows::system_function<decltype(GetFinalPathNameByHandleW)>(L"kernel32.dll", "GetFinalPathNameByHandleW");
    if (!final_path)
        return std::nullopt;
    std::wstring text(MAX_PATH, L'\0');
    // A second try with the size asked for; a name that keeps growing in between
    // is not one to trust.
    for (int attempt = 0; attempt < 2; ++attempt) {
        const DWORD length =
            final_path(handle, text.data(), static_cast<DWORD>(text.size()), FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (length == 0)
            break;
        if (length < text.size()) {
            text.resize(length);
            return text;
        }
        text.assign(length, L'\0');
    }
    return std::wstring{};
}

// DELETE for the rename or deletion through this very handle; all sharing, so an
// open log (the writer's own handle) can be renamed.
windows::unique_file open_for_change(const std::filesystem::path& path)
{
    windows::unique_file handle{CreateFileW(path.c_str(), DELETE | FILE_READ_ATTRIBUTES | SYNCHRONIZE,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                            OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr)};
    if (!handle || !is_direct_file(facts_of(handle.get(), path), path))
        return {};
    return handle;
}

using set_information_function = decltype(SetFileInformationByHandle);

set_information_function* set_information() noexcept
{
    return windows::system_function<set_information_function>(L"kernel32.dll", "SetFileInformationByHandle");
}

} // namespace

bool same_path(std::wstring_view a, std::wstring_view b)
{
    const auto left = comparable(a);
    return !left.empty() && left == comparable(b);
}

bool leads_to(const path_facts& facts, const std::filesystem::path& path)
{
    return !facts.final_path || same_path(*facts.final_path, path.native());
}

bool is_direct_folder(const path_facts& facts, const std::filesystem::path& path)
{
    // A drive's root cannot be made a junction by a user; Wine marks the roots
    // of its drives, which are links on the host, as reparse points all the same.
    const bool root = !path.has_relative_path();
    return facts.attributes != INVALID_FILE_ATTRIBUTES && (facts.attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
           (root || (facts.attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) && leads_to(facts, path);
}

bool is_direct_file(const path_facts& facts, const std::filesystem::path& path)
{
    return facts.attributes != INVALID_FILE_ATTRIBUTES && (facts.attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
           leads_to(facts, path);
}

path_facts facts_of(HANDLE handle, const std::filesystem::path& path)
{
    path_facts facts;
    BY_HANDLE_FILE_INFORMATION information{};
    facts.attributes =
        GetFileInformationByHandle(handle, &information) ? information.dwFileAttributes : INVALID_FILE_ATTRIBUTES;
    // Wine follows a Linux symbolic link even when asked to open the link itself,
    // and reports it as a reparse point only when asked by name.
    const DWORD by_name = GetFileAttributesW(path.c_str());
    if (by_name != INVALID_FILE_ATTRIBUTES)
        facts.attributes |= by_name & FILE_ATTRIBUTE_REPARSE_POINT;
    facts.final_path = final_path_of(handle);
    return facts;
}

std::filesystem::path existing_part(const std::filesystem::path& directory)
{
    auto current = directory;
    while (GetFileAttributesW(current.c_str()) == INVALID_FILE_ATTRIBUTES) {
        auto parent = current.parent_path();
        if (parent.empty() || parent == current)
            break;
        current = std::move(parent);
    }
    return current;
}

std::filesystem::path long_form(const std::filesystem::path& directory)
{
    std::error_code error;
    auto full = std::filesystem::absolute(directory, error);
    if (error)
        full = directory;
    full = full.lexically_normal();
    if (!full.has_filename() && full != full.root_path())
        full = full.parent_path(); // "C:\x\" names the folder x
    const auto existing = existing_part(full);
    const auto rest = full.lexically_relative(existing);
    std::wstring long_name(MAX_PATH, L'\0');
    DWORD length = GetLongPathNameW(existing.c_str(), long_name.data(), static_cast<DWORD>(long_name.size()));
    if (length >= long_name.size()) {
        long_name.assign(length, L'\0');
        length = GetLongPathNameW(existing.c_str(), long_name.data(), static_cast<DWORD>(long_name.size()));
    }
    if (length == 0 || length >= long_name.size())
        return full;
    long_name.resize(length);
    std::filesystem::path result = long_name;
    if (!rest.empty() && rest != L".")
        result /= rest;
    return result;
}

held_folders held_folders::open(const std::filesystem::path& directory)
{
    held_folders held;
    if (!directory.is_absolute())
        return held;
    std::filesystem::path current = directory.root_path();
    const auto parts = directory.relative_path();
    auto part = parts.begin();
    // "\\server\" is no folder; the share is the first one that can be opened.
    if (directory.root_name().native().size() > 2 && part != parts.end())
        current /= *part++;
    for (;;) {
        windows::unique_file folder{CreateFileW(current.c_str(), FILE_READ_ATTRIBUTES,
                                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                                FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr)};
        if (!folder)
            return {};
        if (!is_direct_folder(facts_of(folder.get(), current), current)) {
            held_folders refused;
            refused.redirected_ = true;
            return refused;
        }
        held.folders_.push_back(std::move(folder));
        while (part != parts.end() && part->empty())
            ++part; // a trailing separator
        if (part == parts.end())
            break;
        current /= *part++;
    }
    held.checked_ = true;
    return held;
}

bool rename_log_file(const held_folders& held, const std::filesystem::path& from, const std::filesystem::path& to)
{
    if (!held)
        return false;
    const auto handle = open_for_change(from);
    if (!handle)
        return false;
    if (auto* set = set_information()) {
        const std::wstring& target = to.native();
        std::vector<std::byte> buffer(sizeof(FILE_RENAME_INFO) + target.size() * sizeof(wchar_t));
        auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
        rename->ReplaceIfExists = TRUE;
        rename->RootDirectory = nullptr;
        rename->FileNameLength = static_cast<DWORD>(target.size() * sizeof(wchar_t));
        std::memcpy(rename->FileName, target.c_str(), (target.size() + 1) * sizeof(wchar_t));
        if (set(handle.get(), FileRenameInfo, rename, static_cast<DWORD>(buffer.size())))
            return true;
    }
    // Windows XP renames by name only, and some systems take no drive path in a
    // rename by handle. The file and its folders have been checked and the folders
    // are held, so the names lead where they were checked to.
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

namespace {

// Marks what `handle` was checked to be for deletion; where the system cannot
// (Windows XP), deletes it by name, which the held folders keep leading there.
bool delete_through(HANDLE handle, const std::filesystem::path& path, bool folder)
{
    if (auto* set = set_information()) {
        FILE_DISPOSITION_INFO disposition{TRUE};
        if (set(handle, FileDispositionInfo, &disposition, sizeof disposition))
            return true; // gone once the handle closes
    }
    return folder ? RemoveDirectoryW(path.c_str()) != 0 : DeleteFileW(path.c_str()) != 0;
}

} // namespace

bool delete_log_file(const held_folders& held, const std::filesystem::path& path)
{
    if (!held)
        return false;
    const auto handle = open_for_change(path);
    return handle && delete_through(handle.get(), path, false);
}

bool delete_empty_folder(const held_folders& held, const std::filesystem::path& folder)
{
    if (!held)
        return false;
    const windows::unique_file handle{CreateFileW(folder.c_str(), DELETE | FILE_READ_ATTRIBUTES | SYNCHRONIZE,
                                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                                  OPEN_EXISTING,
                                                  FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr)};
    return handle && is_direct_folder(facts_of(handle.get(), folder), folder) &&
           delete_through(handle.get(), folder, true);
}

bool clear_read_only(const held_folders& held, const std::filesystem::path& file)
{
    if (!held)
        return false;
    const windows::unique_file handle{CreateFileW(file.c_str(),
                                                  FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES | SYNCHRONIZE,
                                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                                  OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr)};
    if (!handle || !is_direct_file(facts_of(handle.get(), file), file))
        return false;
    if (auto* set = set_information()) {
        FILE_BASIC_INFO basic{}; // times of zero stay as they are
        basic.FileAttributes = FILE_ATTRIBUTE_NORMAL;
        return set(handle.get(), FileBasicInfo, &basic, sizeof basic) != 0;
    }
    return SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL) != 0; // Windows XP; the folders are held
}

} // namespace general::log
