// A folder only administrators and the system can change, and the removal of
// such folders left behind by runs that ended without removing their own.
#include "general/windows/private_folder.h"

#include <winsock2.h>
#include <windows.h>

#include <sddl.h>

#include <filesystem>
#include <system_error>
#include <vector>

// The log's path checks are the one place where deleting by name without
// following links is done; the log and these wrappers are one library, so
// using them here adds no link between libraries.
#include "general/log/log.h"
#include "general/log/path_checks.h"

namespace general::windows {

namespace {

namespace fs = std::filesystem;

struct find_traits {
    using pointer = HANDLE;
    static pointer invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void close(pointer h) noexcept { FindClose(h); }
};
using unique_find = unique_resource<find_traits>;

[[noreturn]] void throw_error(DWORD code, const char* what)
{
    throw std::system_error(static_cast<int>(code), std::system_category(), what);
}

// Read access, so that the sharing it denies is enforced against every other
// opener: a handle without access to the data restricts nobody.
unique_file make_mark(const std::wstring& folder)
{
    return unique_file{CreateFileW((folder + L"\\" + private_folder_mark).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                   nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr)};
}

// What one removal may look at. A folder of a run holds a few downloaded
// installers; anything far beyond is not ours to spend time on.
constexpr std::size_t entry_budget = 100000;
constexpr int depth_limit = 16;

struct entry {
    std::wstring name;
    DWORD attributes = 0;
};

// The entries of `folder` but "." and "..". False when it cannot be read to its
// end or the budget runs out first.
bool list_folder(const fs::path& folder, std::size_t& budget, std::vector<entry>& entries)
{
    WIN32_FIND_DATAW data{};
    const unique_find find{FindFirstFileW((folder / L"*").c_str(), &data)};
    if (!find)
        return false;
    do {
        const std::wstring name = data.cFileName;
        if (name == L"." || name == L"..")
            continue;
        if (budget == 0)
            return false;
        --budget;
        entries.push_back({name, data.dwFileAttributes});
    } while (FindNextFileW(find.get(), &data));
    return GetLastError() == ERROR_NO_MORE_FILES;
}

bool is_real_folder(DWORD attributes)
{
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// Removes `folder` and what is in it, going down through real folders only. A
// link inside is left, so the folder holding it stays. Returns whether all of it
// is gone.
bool remove_tree(const fs::path& folder, int depth, std::size_t& budget)
{
    bool emptied = depth < depth_limit;
    if (emptied) {
        const auto held = log::held_folders::open(folder);
        std::vector<entry> entries;
        emptied = held && list_folder(folder, budget, entries);
        for (const auto& each : entries) {
            const auto path = folder / each.name;
            if (each.attributes & FILE_ATTRIBUTE_DIRECTORY)
                emptied = is_real_folder(each.attributes) && remove_tree(path, depth + 1, budget) && emptied;
            else
                emptied = (!(each.attributes & FILE_ATTRIBUTE_READONLY) || log::clear_read_only(held, path)) &&
                          log::delete_log_file(held, path) && emptied;
        }
    }
    return emptied && log::delete_empty_folder(log::held_folders::open(folder.parent_path()), folder);
}

bool is_run_folder(const std::wstring& name, const std::wstring& prefix)
{
    if (name.size() <= prefix.size() + 1 || name.size() > prefix.size() + 21 || !name.starts_with(prefix) ||
        name[prefix.size()] != L'-')
        return false;
    for (std::size_t i = prefix.size() + 1; i < name.size(); ++i) {
        if (name[i] < L'0' || name[i] > L'9')
            return false;
    }
    return true;
}

enum class run_state { ended, living, unknown };

// Whether the run that made `folder` is gone: nobody holds its mark, or it has
// none. The probe asks for deletion and shares nothing, which a living owner's
// handle refuses; the probe itself changes nothing.
run_state state_of(const fs::path& folder, DWORD& error)
{
    const auto held = log::held_folders::open(folder);
    if (!held) {
        error = GetLastError();
        return run_state::unknown;
    }
    const unique_file mark{CreateFileW((folder / private_folder_mark).c_str(), DELETE | FILE_READ_ATTRIBUTES, 0,
                                       nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr)};
    error = GetLastError();
    if (mark || error == ERROR_FILE_NOT_FOUND)
        return run_state::ended;
    return error == ERROR_SHARING_VIOLATION ? run_state::living : run_state::unknown;
}

void remove_if_abandoned(const fs::path& folder, DWORD attributes, std::size_t& budget)
{
    if (!is_real_folder(attributes)) {
        log::error(L"Not removed, a link or other entry in place of a run's folder: " + folder.native());
        return;
    }
    DWORD error = 0;
    switch (state_of(folder, error)) {
    case run_state::living: log::debug(L"Left, in use by a running installer: " + folder.native()); return;
    case run_state::unknown:
        log::error(L"Not removed, cannot tell whether its run has ended (error " + std::to_wstring(error) + L"): " +
                   folder.native());
        return;
    case run_state::ended: break;
    }
    if (remove_tree(folder, 0, budget))
        log::info(L"Removed the folder of an ended run: " + folder.native());
    else
        log::error(L"Could not remove the folder of an ended run, or all of it: " + folder.native());
}

} // namespace

unique_security_descriptor folder_descriptor(const wchar_t* access)
{
    unique_security_descriptor descriptor;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(access, SDDL_REVISION_1, descriptor.put(), nullptr))
        throw_error(GetLastError(), "security descriptor");
    return descriptor;
}

private_folder::private_folder(const std::wstring& parent, const std::wstring& prefix, const wchar_t* access)
{
    // A relative parent would be resolved against whatever folder is current.
    if (!fs::path{parent}.is_absolute())
        throw_error(ERROR_BAD_PATHNAME, "the parent folder is not a full path");
    const unique_security_descriptor descriptor = folder_descriptor(access);
    SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor.get(), FALSE};
    std::wstring folder = parent;
    if (!folder.empty() && folder.back() != L'\\')
        folder += L'\\';
    // Anybody may have made a folder of the next name first, to own what we put
    // in it: a name that exists is never used, the next one is tried.
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    const unsigned long long seed = static_cast<unsigned long long>(counter.QuadPart) ^ GetCurrentProcessId();
    DWORD error = ERROR_ALREADY_EXISTS;
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        const std::wstring candidate =
            folder + prefix + L"-" + std::to_wstring((seed + attempt * 7919ull) % 100000000ull);
        if (!CreateDirectoryW(candidate.c_str(), &attributes)) {
            error = GetLastError();
            if (error != ERROR_ALREADY_EXISTS)
                throw_error(error, "create folder");
            continue;
        }
        // Another run's clean-up may take a folder before its mark is made; the
        // mark then cannot be made there, and the next name is tried.
        mark_ = make_mark(candidate);
        if (mark_) {
            path_ = candidate;
            return;
        }
        error = GetLastError();
        RemoveDirectoryW(candidate.c_str());
    }
    throw_error(error, "create folder");
}

private_folder::~private_folder()
{
    // Deleting the mark needs the sharing its own handle denies.
    mark_.reset();
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path{path_}, ignored);
}

void remove_abandoned_folders(const std::wstring& parent, const std::wstring& prefix) noexcept
{
    if (!fs::path{parent}.is_absolute()) {
        log::error(L"Folders of ended runs not looked for, the folder is not a full path: " + parent);
        return;
    }
    try {
        const auto root = log::long_form(parent);
        const auto held = log::held_folders::open(root);
        std::size_t budget = entry_budget;
        std::vector<entry> entries;
        if (!held || !list_folder(root, budget, entries)) {
            // What was listed before a failure is still worth removing.
            log::error(L"Folders of ended runs not all looked for, the folder cannot be checked or read: " +
                       root.native());
            if (!held)
                return;
        }
        for (const auto& each : entries) {
            if (is_run_folder(each.name, prefix))
                remove_if_abandoned(root / each.name, each.attributes, budget);
        }
    } catch (...) {
        // Out of memory: the folders stay for the next run.
    }
}

} // namespace general::windows
