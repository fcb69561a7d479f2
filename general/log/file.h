#pragma once
// The log writer the installer uses: appends time-stamped lines to a UTF-8 file
// and rotates it by size.
//
//     2026-Dec-07 07:05:50 I| [main] starting the tray
//
// The file is `directory`/`name`.log; rotated files are `name`.1.log (newest) up to
// `name`.`max_files`.log. Lines end in CR LF. A message is written as given, one
// line per message: the logger has already escaped its line breaks and other
// control characters (see log.h). Lines below `flush_level` are collected in
// memory and written in larger pieces (at the latest by flush() or the
// destructor); lines at or above it reach the file at once.
//
// Not thread-safe on its own: the logger serialises calls (see log.h). Never
// throws from write() or flush() except std::bad_alloc, and reports nothing. A
// log that cannot be opened drops every line.
//
// The installer runs elevated and writes into the user's temporary folder, where
// anyone running as the user can plant names and replace folders. So the writer
// creates, opens, renames and deletes only after every folder of the path has
// passed the checks of path_checks.h, renames and deletes through a checked
// handle, and refuses a log file that is a reparse point (symbolic link,
// junction), has more than one hard link or leads elsewhere. A log whose folder
// fails the checks, at start or at a later rotation, drops its lines from then
// on; nothing is written anywhere else.
#include "general/windows/handle.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "general/log/log.h"
#include "general/log/path_checks.h"

namespace general::log {

// Opens `path` for appending, creating it if absent, shared with other readers,
// writers and deleters (so the file may be renamed while open). Returns an empty
// owner when a folder of the path fails the checks of held_folders, or the file
// cannot be opened, is refused by is_safe_log_file or leads elsewhere.
windows::unique_file open_log_file(const std::filesystem::path& path);

// The refusal rule of open_log_file, on the facts of an opened file.
bool is_safe_log_file(const BY_HANDLE_FILE_INFORMATION& facts);

// "2026-Dec-08 01:48:31": whole seconds, English month abbreviation.
std::string format_time_stamp(const SYSTEMTIME& time);

class file final : public writer {
public:
    // How the writer opens its file; replaceable so that tests can make an open fail.
    using open_function = std::function<windows::unique_file(const std::filesystem::path&)>;

    // Creates `directory` with its parents when missing (below a checked part
    // only) and opens the log. Never throws except std::bad_alloc; failures leave
    // a writer that drops lines.
    file(int min_level, std::filesystem::path directory, const std::wstring& name, int max_size, int max_files,
         int flush_level);
    file(int min_level, std::filesystem::path directory, const std::wstring& name, int max_size, int max_files,
         int flush_level, open_function open);
    ~file() override;

    file(const file&) = delete;
    file& operator=(const file&) = delete;

    void write(int level, const std::wstring& message) override;
    void flush() override;

private:
    std::filesystem::path numbered_path(int number) const;
    bool rotation_due();
    void rotate();
    bool make_room_for_first(const held_folders& held);
    void reopen_current();

    int min_level_;
    std::wstring name_;
    int max_size_;
    int max_files_;
    int write_count_ = 0;
    std::filesystem::path directory_;
    std::filesystem::path current_path_;
    int flush_level_;
    open_function open_;
    windows::unique_file handle_;
    // The handle follows the file it was opened on; after a rotation whose new
    // file could not be opened it still points at the rotated file.
    bool displaced_ = false;
    std::string pending_; // UTF-8 bytes not yet written
};

} // namespace general::log
