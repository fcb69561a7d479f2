#include "general/log/log.h"

#include <mutex>

namespace general::log {

namespace {

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

void write(int level, const std::wstring& message) noexcept
{
    auto& logger = instance();
    try {
        std::lock_guard guard{logger.lock};
        if (logger.current)
            logger.current->write(level, message);
    } catch (...) {
        // A log call sits in error paths and destructors: whatever the writer
        // runs into (out of memory, a failed lock) must not reach the caller.
    }
}

} // namespace

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
