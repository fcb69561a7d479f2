#include "general/log/file.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <system_error>

namespace general::log {

namespace {

// The size is left alone for this many writes after start-up or a rotation, so
// that an ordinary run costs no file-system query per line.
constexpr int writes_before_size_check = 100;

// Below the flush level, lines are written out once this much has gathered.
constexpr std::size_t pending_limit = 4096;

char level_letter(int level)
{
    switch (level) {
    case level_debug: return 'D';
    case level_info: return 'I';
    case level_error: return 'E';
    default: return '?';
    }
}

void append_code_point(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool is_high_surrogate(char32_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}
bool is_low_surrogate(char32_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

// UTF-8. A lone surrogate (text cut in the middle of a pair) becomes U+FFFD
// instead of costing the whole line.
void append_text(std::string& out, std::wstring_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = static_cast<char16_t>(text[i]);
        if (is_high_surrogate(c) && i + 1 < text.size() && is_low_surrogate(static_cast<char16_t>(text[i + 1]))) {
            c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char16_t>(text[i + 1]) - 0xDC00);
            ++i;
        } else if (is_high_surrogate(c) || is_low_surrogate(c)) {
            c = 0xFFFD;
        }
        append_code_point(out, c);
    }
}

void append_line(std::string& out, int level, const std::wstring& message)
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    out += format_time_stamp(now);
    out += ' ';
    out += level_letter(level);
    out += "| ";
    append_text(out, message);
    out += "\r\n";
}

bool path_exists(const std::filesystem::path& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

bool is_safe_log_file(const BY_HANDLE_FILE_INFORMATION& facts)
{
    return (facts.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0 && facts.nNumberOfLinks <= 1;
}

windows::unique_file open_log_file(const std::filesystem::path& path)
{
    // Held until the file is open and checked, so no folder can be swapped meanwhile.
    const auto held = held_folders::open(path.parent_path());
    if (!held)
        return {};
    // Wine follows a link even when asked not to, and would create a missing
    // target: a name the system reports as a link is not opened at all.
    const DWORD by_name = GetFileAttributesW(path.c_str());
    if (by_name != INVALID_FILE_ATTRIBUTES && (by_name & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
        return {};
    // The flag opens a link itself instead of its target, and the checks run on
    // the very handle that is then written through: no window between check and use.
    windows::unique_file handle{CreateFileW(path.c_str(), FILE_APPEND_DATA | FILE_READ_ATTRIBUTES | SYNCHRONIZE,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT,
                                            nullptr)};
    BY_HANDLE_FILE_INFORMATION facts{};
    if (!handle || !GetFileInformationByHandle(handle.get(), &facts) || !is_safe_log_file(facts) ||
        !leads_to(facts_of(handle.get(), path), path))
        return {};
    return handle;
}

std::string format_time_stamp(const SYSTEMTIME& time)
{
    static constexpr const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const char* month = time.wMonth >= 1 && time.wMonth <= 12 ? months[time.wMonth - 1] : "???";
    char text[48];
    std::snprintf(text, sizeof text, "%04u-%s-%02u %02u:%02u:%02u", unsigned{time.wYear}, month, unsigned{time.wDay},
                  unsigned{time.wHour}, unsigned{time.wMinute}, unsigned{time.wSecond});
    return text;
}

file::file(int min_level, std::filesystem::path directory, const std::wstring& name, int max_size, int max_files,
           int flush_level)
    : file(min_level, std::move(directory), name, max_size, max_files, flush_level, open_log_file)
{
}

file::file(int min_level, std::filesystem::path directory, const std::wstring& name, int max_size, int max_files,
           int flush_level, open_function open)
    : min_level_(min_level), name_(name), max_size_(max_size), max_files_(max_files), directory_(long_form(directory)),
      current_path_(directory_ / (name_ + L".log")), flush_level_(flush_level),
      open_(open ? std::move(open) : open_function{open_log_file})
{
    {
        // Missing folders are created only below a part that passed the checks
        // and is held while they are made, so none lands where a link points.
        const auto held = held_folders::open(existing_part(directory_));
        if (!held)
            return;
        std::error_code ignored;
        std::filesystem::create_directories(directory_, ignored);
    }
    handle_ = open_(current_path_);
}

file::~file()
{
    flush();
}

void file::write(int level, const std::wstring& message)
{
    if (level < min_level_ || !handle_)
        return;
    if (rotation_due())
        rotate();
    append_line(pending_, level, message);
    if (level >= flush_level_ || pending_.size() >= pending_limit)
        flush();
}

void file::flush()
{
    const char* data = pending_.data();
    std::size_t left = pending_.size();
    while (handle_ && left > 0) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(left, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(handle_.get(), data, chunk, &written, nullptr) || written == 0)
            break; // disk full or the like: keeping the bytes would only grow memory
        data += written;
        left -= written;
    }
    pending_.clear();
}

std::filesystem::path file::numbered_path(int number) const
{
    return directory_ / (name_ + L"." + std::to_wstring(number) + L".log");
}

bool file::rotation_due()
{
    // The count stops one past the limit: from then on the size is looked at on
    // every write, and a long run cannot overflow it.
    if (write_count_ <= writes_before_size_check)
        ++write_count_;
    if (write_count_ <= writes_before_size_check || max_files_ <= 0)
        return false;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(handle_.get(), &size))
        return false;
    return size.QuadPart > max_size_;
}

// Every failure here leaves a handle to write the caller's line to: the current
// file when it cannot be renamed away, the rotated file when the new one cannot
// be opened.
void file::rotate()
{
    write_count_ = 0;
    flush(); // what is held belongs to the old file
    const auto held = held_folders::open(directory_);
    if (held.redirected()) {
        // The folder was swapped for a link since the log was opened. The handle
        // still reaches the file it was opened on, but this writer follows no
        // path any more: the log ends here.
        handle_.reset();
        return;
    }
    if (!held)
        return; // a folder in use: tried again after another full count
    if (displaced_) {
        reopen_current();
        return;
    }
    if (!make_room_for_first(held))
        return;
    // Renamed while open (the handle shares deletion), so if no new file can be
    // opened the handle still reaches the renamed one.
    if (!rename_log_file(held, current_path_, numbered_path(1)))
        return;
    reopen_current();
}

// Returns whether `name`.1.log is out of the way. When a rotated file is held by
// another program it stays, and then renaming onto it would destroy a kept log
// while the current one could simply grow until the next attempt.
bool file::make_room_for_first(const held_folders& held)
{
    const auto first = numbered_path(1);
    if (!path_exists(first))
        return true;
    if (max_files_ == 1) {
        delete_log_file(held, first);
    } else {
        for (int i = max_files_; i >= 2; --i) {
            const auto newer = numbered_path(i - 1);
            if (!path_exists(newer))
                continue;
            const auto older = numbered_path(i);
            if (path_exists(older))
                delete_log_file(held, older);
            rename_log_file(held, newer, older);
        }
    }
    return !path_exists(first);
}

void file::reopen_current()
{
    auto fresh = open_(current_path_);
    displaced_ = !fresh;
    if (fresh)
        handle_ = std::move(fresh);
}

} // namespace general::log
