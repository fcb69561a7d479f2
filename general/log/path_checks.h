#pragma once
// Checks that keep the elevated installer from being steered through its own log
// path. The log lives in the user's temporary folder, whose folders anyone running
// as the user can replace with a junction or symbolic link; an elevated process
// that then creates, renames or deletes by name would do so wherever the link
// points. So before any such step:
//
//     const auto held = general::log::held_folders::open(directory);   // every folder checked
//     if (held)
//         general::log::delete_log_file(held, directory / L"t.2.log");  // through a checked handle
//
// A folder or file passes when, opened without following a link, it is not a
// reparse point and the system's final path of the handle is the path it was
// opened by. The final path catches what the attributes miss (a link the system
// follows even when asked not to, a folder swapped between look and use); where
// the system cannot tell it (Windows XP), the attributes decide alone.
#include "general/windows/handle.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace general::log {

// What the checks learn about one folder or file.
struct path_facts {
    // Of the open handle and of the path, together; INVALID_FILE_ATTRIBUTES when
    // unknown, which no rule accepts.
    DWORD attributes = 0;
    // Where the open handle leads, as the system spells it ("\\?\C:\..."); empty
    // when the system could not tell, none when it cannot tell at all (XP).
    std::optional<std::wstring> final_path;
};

// Whether two spellings name the same place: compared without regard to case,
// with the "\\?\" and "\\?\UNC\" prefixes, "/" for "\" and trailing separators
// ignored.
bool same_path(std::wstring_view a, std::wstring_view b);

// Whether the handle the facts come from leads where `path` says; true when the
// system cannot tell.
bool leads_to(const path_facts& facts, const std::filesystem::path& path);

// The rule for each folder of a log path: a folder, not a reparse point (a
// drive's root excepted), and leading where `path` says.
bool is_direct_folder(const path_facts& facts, const std::filesystem::path& path);

// The rule for a log file before it is renamed or deleted: not a folder and
// leading where `path` says. A file that is itself a link may be renamed or
// deleted: opened as the link, that touches only the link.
bool is_direct_file(const path_facts& facts, const std::filesystem::path& path);

// Facts of a handle opened on `path`: its attributes together with those the
// path reports, and its final path.
path_facts facts_of(HANDLE handle, const std::filesystem::path& path);

// `directory` made absolute, with "." and ".." resolved and the part that exists
// in its long form (a temporary folder is often given with 8.3 names, which a
// final path never shows).
std::filesystem::path long_form(const std::filesystem::path& directory);

// The longest leading part of `directory` that exists (at least its root).
std::filesystem::path existing_part(const std::filesystem::path& directory);

// The folders from the root of an absolute path down to the path itself, opened
// without following links and checked by is_direct_folder, then held until the
// object goes: they are opened without sharing deletion, so while held Windows
// lets nobody rename or delete one of them and a path checked through them stays
// what it was (Wine does not keep a held folder from being renamed; there the
// final path of each handle still shows a swap afterwards). False when a folder
// cannot be opened (missing, in use) or fails the rule; redirected() tells the
// second apart.
class held_folders {
public:
    held_folders() = default;
    static held_folders open(const std::filesystem::path& directory);

    explicit operator bool() const noexcept { return checked_; }
    // A folder of the path was opened and failed the rule.
    bool redirected() const noexcept { return redirected_; }

private:
    std::vector<windows::unique_file> folders_;
    bool checked_ = false;
    bool redirected_ = false;
};

// Renames `from` to `to` (both in a held folder; `to` is replaced), through a
// handle opened on `from` without following a link and checked by
// is_direct_file. Returns whether the file was renamed.
bool rename_log_file(const held_folders& held, const std::filesystem::path& from, const std::filesystem::path& to);

// Deletes `path` in a held folder the same way. Returns whether it is gone or
// marked for deletion.
bool delete_log_file(const held_folders& held, const std::filesystem::path& path);

// Deletes the empty folder `folder`, whose parent folders `held` holds, through
// a handle opened on it without following a link and checked by
// is_direct_folder. Returns whether it is gone or marked for deletion.
bool delete_empty_folder(const held_folders& held, const std::filesystem::path& folder);

// Clears the attributes of `file` (read-only among them, which keeps a file from
// being deleted) in a held folder, through a handle checked by is_direct_file.
// Returns whether they were cleared.
bool clear_read_only(const held_folders& held, const std::filesystem::path& file);

} // namespace general::log
