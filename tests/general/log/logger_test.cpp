// The process-wide logger: routing by level, the component prefix, replacing the
// writer, and many threads writing at once.
#include "general/log/log.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <map>
#include <regex>
#include <set>
#include <stdexcept>
#include <thread>
#include <utility>
#include <vector>

#include "general/log/file.h"
#include "tests/general/log/log_files.h"
#include "tests/support/scratch_folder.h"

namespace {

namespace logging = general::log;
using namespace log_test;

struct recorded {
    std::vector<std::pair<int, std::wstring>> lines;
    int destroyed = 0;
};

class recording_writer : public logging::writer {
public:
    explicit recording_writer(recorded& into) : into_(into) {}
    ~recording_writer() override { ++into_.destroyed; }
    void write(int level, const std::wstring& message) override { into_.lines.emplace_back(level, message); }
    void flush() override {}

private:
    recorded& into_;
};

class throwing_writer : public logging::writer {
public:
    void write(int, const std::wstring&) override { throw std::runtime_error("disk on fire"); }
    void flush() override {}
};

struct downloader : logging::prefix {
    downloader() : prefix(L"downloader") {}
};

class log_logger : public testing::Test {
protected:
    // Outlives TearDown, which closes any file the test left with the logger.
    test_support::scratch_folder scratch;
    void TearDown() override { logging::set_writer(nullptr); }
};

using lines = std::vector<std::pair<int, std::wstring>>;

TEST_F(log_logger, entry_points_and_prefix_carry_their_levels)
{
    recorded record;
    logging::set_writer(std::make_unique<recording_writer>(record));
    logging::debug(L"d");
    logging::info(L"i");
    logging::error(L"e");
    const downloader component;
    component.debug(L"x");
    component.info(L"[y] %1%");
    component.error(L"");
    EXPECT_EQ(record.lines, (lines{{0, L"d"},
                                   {1, L"i"},
                                   {2, L"e"},
                                   {0, L"[downloader] x"},
                                   {1, L"[downloader] [y] %1%"},
                                   {2, L"[downloader] "}}));
}

TEST_F(log_logger, prefixed_line_in_the_file)
{
    logging::set_writer(std::make_unique<logging::file>(0, scratch.path(), L"t", 1 << 20, 2, 0));
    downloader{}.info(L"x");
    const auto file_lines = lines_of(read_bytes(scratch.path() / L"t.log"));
    ASSERT_EQ(file_lines.size(), 1u);
    EXPECT_EQ(after_stamp(file_lines[0]), " I| [downloader] x");
}

// A server's text must not be able to start a line that looks like the
// installer's own; whatever the entry point, the writer sees one line.
TEST_F(log_logger, line_breaks_and_control_characters_reach_the_writer_escaped)
{
    struct escape_case {
        std::wstring message;
        std::wstring written;
    };
    const escape_case cases[] = {
        {L"plain text, C:\\Temp\\new.log", L"plain text, C:\\Temp\\new.log"},
        {L"a\r\nb", L"a\\r\\nb"},
        {L"reply\n2026-Dec-08 01:48:31 E| [installer] forged", L"reply\\n2026-Dec-08 01:48:31 E| [installer] forged"},
        {L"\rover\r", L"\\rover\\r"},
        {L"tab\there", L"tab\\x09here"},
        {L"\x1B[2Kwiped", L"\\x1B[2Kwiped"},
        {std::wstring(L"nul\0inside", 10), L"nul\\x00inside"},
        {L"\x1F\x7F", L"\\x1F\\x7F"},
        {L"\u0085 \u2028 \u2029", L"\\u0085 \\u2028 \\u2029"},
        {L" ~\u00A0\u00E9\u2027\U0001D11E", L" ~\u00A0\u00E9\u2027\U0001D11E"},
        {L"", L""},
    };
    recorded record;
    logging::set_writer(std::make_unique<recording_writer>(record));
    lines expected;
    for (const auto& each : cases) {
        logging::info(each.message);
        downloader{}.error(each.message);
        expected.emplace_back(1, each.written);
        expected.emplace_back(2, L"[downloader] " + each.written);
    }
    EXPECT_EQ(record.lines, expected);
    EXPECT_EQ(logging::escape_controls(L"x\ny"), L"x\\ny");
}

TEST_F(log_logger, message_with_line_breaks_is_one_line_in_the_file)
{
    logging::set_writer(std::make_unique<logging::file>(0, scratch.path(), L"t", 1 << 20, 2, 0));
    logging::info(L"first\r\nsecond\nthird");
    logging::info(L"after");
    logging::set_writer(nullptr);
    const auto bytes = read_bytes(scratch.path() / L"t.log");
    const auto file_lines = lines_of(bytes);
    ASSERT_EQ(file_lines.size(), 2u);
    EXPECT_EQ(after_stamp(file_lines[0]), " I| first\\r\\nsecond\\nthird");
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 2);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 2);
}

TEST_F(log_logger, set_writer_replaces_keeps_and_removes)
{
    recorded first, second;
    logging::set_writer(std::make_unique<recording_writer>(first));
    logging::info(L"one");
    auto* installed = new recording_writer(second);
    logging::set_writer(std::unique_ptr<logging::writer>(installed));
    EXPECT_EQ(first.destroyed, 1);
    logging::info(L"two");

    // Offering the installed writer again must neither destroy it nor drop it.
    logging::set_writer(std::unique_ptr<logging::writer>(installed));
    EXPECT_EQ(second.destroyed, 0);
    logging::info(L"three");

    logging::set_writer(nullptr);
    EXPECT_EQ(second.destroyed, 1);
    EXPECT_NO_THROW(logging::error(L"nowhere"));
    EXPECT_NO_THROW(downloader{}.error(L"nowhere"));
    EXPECT_EQ(first.lines, (lines{{1, L"one"}}));
    EXPECT_EQ(second.lines, (lines{{1, L"two"}, {1, L"three"}}));
}

TEST_F(log_logger, failing_writer_never_reaches_the_caller)
{
    logging::set_writer(std::make_unique<throwing_writer>());
    EXPECT_NO_THROW(logging::info(L"a"));
    EXPECT_NO_THROW(downloader{}.error(L"b"));
}

// Several threads log at once, through rotations and below and above the flush
// level; afterwards every line is whole and each message is there exactly once.
TEST_F(log_logger, threads_never_tear_or_lose_lines)
{
    constexpr int thread_count = 6;
    constexpr int lines_per_thread = 400;
    constexpr int max_files = 60;
    logging::set_writer(std::make_unique<logging::file>(0, scratch.path(), L"t", 8192, max_files, 1));
    {
        // They start together. Not through std::latch: its wait loses wake-ups
        // with this compiler's library on Windows, and the test would hang.
        std::atomic<int> ready = 0;
        std::vector<std::jthread> threads;
        for (int t = 0; t < thread_count; ++t) {
            threads.emplace_back([t, &ready] {
                const std::wstring body(40, static_cast<wchar_t>(L'a' + t));
                ++ready;
                while (ready < thread_count)
                    std::this_thread::yield();
                for (int i = 0; i < lines_per_thread; ++i) {
                    const auto message = L"t" + std::to_wstring(t) + L" n" + std::to_wstring(i) + L" " + body;
                    if (i % 2)
                        logging::info(message);
                    else
                        logging::debug(message);
                }
            });
        }
    }
    logging::set_writer(nullptr); // writes out what is held

    static const std::regex form{R"(\d{4}-\w{3}-\d\d \d\d:\d\d:\d\d [DI]\| t(\d) n(\d+) ([a-z])\3{39})"};
    std::map<int, std::set<int>> seen;
    int total = 0;
    ASSERT_FALSE(std::filesystem::exists(scratch.path() / (L"t." + std::to_wstring(max_files) + L".log")))
        << "too few kept files to see every line";
    for (int number = 0; number < max_files; ++number) {
        const auto name = number == 0 ? std::wstring(L"t.log") : L"t." + std::to_wstring(number) + L".log";
        for (const auto& line : lines_of(read_bytes(scratch.path() / name))) {
            std::smatch parts;
            ASSERT_TRUE(std::regex_match(line, parts, form)) << line;
            const int t = std::stoi(parts[1]);
            EXPECT_EQ(parts[3].str()[0], 'a' + t) << line;
            EXPECT_TRUE(seen[t].insert(std::stoi(parts[2])).second) << "twice: " << line;
            ++total;
        }
    }
    EXPECT_EQ(total, thread_count * lines_per_thread);
}

} // namespace
