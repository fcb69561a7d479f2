#include "general/log/log.h"

#include <algorithm>
#include <mutex>

namespace general::log {

namespace {

bool needs_escape(wchar_t c)
{
    return c < 0x20 || c == 0x7F || c == 0x85 || c == 0x2028 || c == 0x2029;
}

void append_hex(std::wstring& out, unsigned value, int digits)
{
    static constexpr wchar_t hex[] = L"0123456789ABCDEF";
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
        out += hex[(value >> shift) & 0xF];
}

struct logger {
    std::mutex lock;
    std::unique_ptr<writer> current;
};

// Created on first use; destroyed at process exit, which destroys the writer and
// so writes out whatever it still holds.
logger& instance()
{
    static logger the_logger;
    return the_logger;
}

// The one way into the writer: every entry point, prefixed or not, ends here.
void write(int level, const std::wstring& message) noexcept
{
    auto& logger = instance();
    try {
        // Messages are almost always clean: only those that are not are copied.
        const bool clean = std::none_of(message.begin(), message.end(), needs_escape);
        const std::wstring escaped = clean ? std::wstring{} : escape_controls(message);
        std::lock_guard guard{logger.lock};
        if (logger.current)
            logger.current->write(level, clean ? message : escaped);
    } catch (...) {
        // A log call sits in error paths and destructors: whatever the writer
        // runs into (out of memory, a failed lock) must not reach the caller.
    }
}

} // namespace

std::wstring escape_controls(std::wstring_view message)
{
    std::wstring out;
    out.reserve(message.size());
    for (const wchar_t c : message) {
        if (!needs_escape(c)) {
            out += c;
        } else if (c == L'\r') {
            out += L"\\r";
        } else if (c == L'\n') {
            out += L"\\n";
        } else if (c < 0x80) {
            out += L"\\x";
            append_hex(out, c, 2);
        } else {
            out += L"\\u";
            append_hex(out, c, 4);
        }
    }
    return out;
}

void set_writer(std::unique_ptr<writer> new_writer) noexcept
{
    auto& logger = instance();
    std::unique_ptr<writer> old_writer;
    try {
        std::lock_guard guard{logger.lock};
        if (new_writer.get() == logger.current.get()) {
            // Both owners hold the same object; only one may keep it.
            new_writer.release();
            return;
        }
        old_writer = std::exchange(logger.current, std::move(new_writer));
    } catch (...) {
        // The lock could not be taken: the logger is left as it was and the
        // offered writer is destroyed with new_writer.
    }
}

void debug(const std::wstring& message) noexcept
{
    write(level_debug, message);
}
void info(const std::wstring& message) noexcept
{
    write(level_info, message);
}
void error(const std::wstring& message) noexcept
{
    write(level_error, message);
}

void prefix::debug(const std::wstring& message) const noexcept
{
    write(level_debug, message);
}
void prefix::info(const std::wstring& message) const noexcept
{
    write(level_info, message);
}
void prefix::error(const std::wstring& message) const noexcept
{
    write(level_error, message);
}

void prefix::write(int level, const std::wstring& message) const noexcept
{
    try {
        log::write(level, L"[" + name_ + L"] " + message);
    } catch (...) {
        // Building the tagged text ran out of memory; the line is dropped.
    }
}

} // namespace general::log
