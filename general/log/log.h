#pragma once
// The installer's running account of what it does.
//
//     general::log::set_writer(std::make_unique<general::log::file>(...));   // start-up, once
//     general::log::info(L"Started");
//
//     class products_downloader : general::log::prefix {
//         products_downloader() : prefix(L"downloader") {}
//         void run() { error(L"no connection"); }        // "[downloader] no connection"
//     };
//
// The process-wide logger holds at most one writer and owns it. Every entry point
// may be called from any thread: the logger serialises all calls into the writer,
// so a writer never sees two calls at once and lines are never interleaved. Log
// calls never throw and report nothing; without a writer they do nothing.
//
// Messages carry texts from outside (server replies, file names), which must not
// start a line of their own that looks like one the installer wrote. So every
// message reaches the writer as one line: the logger writes a carriage return
// as the two characters "\r", a line feed as "\n", every other character below
// U+0020 and U+007F as "\x" and two hexadecimal digits ("\x09" for a tab), and
// the characters some viewers also break lines at, U+0085, U+2028 and U+2029,
// as "\u" and four digits ("\u2028"). Backslashes stay as they are, so paths
// remain readable; the escapes are for reading, not to be undone.
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace general::log {

inline constexpr int level_debug = 0;
inline constexpr int level_info = 1;
inline constexpr int level_error = 2;

// A sink for log messages. The logger calls it under its lock only, so an
// implementation needs no locking of its own.
class writer {
public:
    virtual ~writer() = default;

    // Records one message; `level` is one of the level_ constants, or any other
    // value for a message of unknown level. From the logger, `message` holds no
    // line break or other control character (see escape_controls).
    virtual void write(int level, const std::wstring& message) = 0;

    // Pushes out whatever the writer still holds in memory. The logger itself
    // never calls it; the writer's destructor does the same.
    virtual void flush() = 0;
};

// `message` with its line breaks and control characters escaped as described
// above; what every entry point hands the writer.
std::wstring escape_controls(std::wstring_view message);

// Replaces the current writer, destroying the old one (after the lock is released,
// so a writer's destructor may log). Null removes the writer; passing the writer
// that is already installed keeps it.
void set_writer(std::unique_ptr<writer> new_writer) noexcept;

void debug(const std::wstring& message) noexcept;
void info(const std::wstring& message) noexcept;
void error(const std::wstring& message) noexcept;

// Base of components whose lines carry their name: "[name] message". Not
// polymorphic; the name is fixed at construction.
class prefix {
public:
    explicit prefix(std::wstring name) : name_(std::move(name)) {}

    void debug(const std::wstring& message) const noexcept;
    void info(const std::wstring& message) const noexcept;
    void error(const std::wstring& message) const noexcept;

private:
    void write(int level, const std::wstring& message) const noexcept;

    std::wstring name_;
};

} // namespace general::log
