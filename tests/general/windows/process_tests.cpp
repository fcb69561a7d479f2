#include <gtest/gtest.h>

#include <chrono>
#include <cwctype>

#include "general/windows/system.h"
#include "tests/support/child_program.h"
#include "tests/support/scratch_folder.h"

namespace {

using namespace std::chrono_literals;
using general::windows::create_process;
using general::windows::is_process_running;
using test_support::copy_child_program;
using test_support::process_killer;
using test_support::read_child_record;

std::wstring quoted(const std::filesystem::path& path)
{
    return L"\"" + path.wstring() + L"\"";
}

class process_test : public testing::Test {
protected:
    test_support::scratch_folder folder;
    std::filesystem::path child = copy_child_program(folder.path(), L"child.exe");
};

// --- create_process ----------------------------------------------------------

TEST_F(process_test, waiting_returns_after_the_child_with_its_exit_code)
{
    DWORD exit_code = 0;
    const DWORD id = create_process(quoted(child) + L" 7 300", true, false, {}, &exit_code);
    EXPECT_NE(id, 0u);
    EXPECT_EQ(exit_code, 7u);
    EXPECT_TRUE(read_child_record(child).has_value());
}

TEST_F(process_test, not_waiting_returns_at_once_with_the_id_of_the_running_child)
{
    DWORD exit_code = 0;
    const auto started = std::chrono::steady_clock::now();
    const DWORD id = create_process(quoted(child) + L" 3 3000", false, false, {}, &exit_code);
    ASSERT_NE(id, 0u);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 2s);
    EXPECT_EQ(exit_code, STILL_ACTIVE);
    process_killer running{id};
    EXPECT_EQ(running.wait(20s), std::optional<DWORD>{3});
}

TEST_F(process_test, exit_code_is_optional)
{
    EXPECT_NE(create_process(quoted(child) + L" 1", true, false), 0u);
}

TEST_F(process_test, the_command_line_reaches_the_child_unchanged)
{
    const std::wstring command_line = quoted(child) + L" 0 0 \"two words\" \u00E9t\u00E9";
    ASSERT_NE(create_process(command_line, true, false), 0u);
    EXPECT_EQ(read_child_record(child)->command_line, command_line);
}

TEST_F(process_test, working_directory_is_used_and_empty_means_the_callers)
{
    const auto sub = folder.path() / L"work dir";
    std::filesystem::create_directory(sub);
    ASSERT_NE(create_process(quoted(child), true, false, sub.wstring()), 0u);
    EXPECT_EQ(std::filesystem::path{read_child_record(child)->current_folder}, sub);

    ASSERT_NE(create_process(quoted(child), true, false), 0u);
    EXPECT_EQ(std::filesystem::path{read_child_record(child)->current_folder}, std::filesystem::current_path());
}

TEST_F(process_test, hidden_asks_for_a_hidden_window)
{
    ASSERT_NE(create_process(quoted(child), true, true), 0u);
    const auto record = read_child_record(child);
    EXPECT_TRUE(record->startup_flags & STARTF_USESHOWWINDOW);
    EXPECT_EQ(record->show_window, SW_HIDE);
    // The child's handles are its own: none of ours may be named to it.
    EXPECT_FALSE(record->startup_flags & STARTF_USESTDHANDLES);
}

TEST_F(process_test, a_quoted_path_with_a_blank_starts_that_program_not_a_planted_one)
{
    const auto sub = folder.path() / L"sub dir";
    std::filesystem::create_directory(sub);
    const auto wanted = copy_child_program(sub, L"child.exe");
    const auto planted = copy_child_program(folder.path(), L"sub.exe");
    ASSERT_NE(create_process(quoted(wanted), true, false), 0u);
    EXPECT_TRUE(read_child_record(wanted).has_value());
    EXPECT_FALSE(read_child_record(planted).has_value());
}

TEST_F(process_test, a_program_that_cannot_start_gives_0_and_leaves_the_exit_code)
{
    DWORD exit_code = 12345;
    EXPECT_EQ(create_process(quoted(folder.path() / L"missing.exe"), true, false, {}, &exit_code), 0u);
    EXPECT_EQ(create_process(L"", true, false, {}, &exit_code), 0u);
    EXPECT_EQ(create_process(quoted(child), true, false, (folder.path() / L"no such dir").wstring(), &exit_code), 0u);
    EXPECT_EQ(exit_code, 12345u);
}

// --- is_process_running ------------------------------------------------------

// A sleeping child under a name no other process has.
class running_process_test : public testing::Test {
protected:
    void SetUp() override
    {
        name = L"QelProbe" + std::to_wstring(GetCurrentProcessId()) + L".exe";
        const auto program = copy_child_program(folder.path(), name);
        id = create_process(quoted(program) + L" 0 30000", false, true);
        ASSERT_NE(id, 0u);
        running.emplace(id);
    }

    test_support::scratch_folder folder;
    std::wstring name;
    DWORD id = 0;
    std::optional<process_killer> running;
};

TEST_F(running_process_test, found_by_its_exact_name)
{
    EXPECT_TRUE(is_process_running(name, 0, true));
    EXPECT_TRUE(is_process_running(name, 0, false));
}

TEST_F(running_process_test, the_skipped_id_is_not_counted)
{
    EXPECT_FALSE(is_process_running(name, id, true));
    EXPECT_FALSE(is_process_running(name, id, false));
}

TEST_F(running_process_test, case_matters_only_when_asked)
{
    std::wstring other_case = name;
    for (auto& c : other_case)
        c = static_cast<wchar_t>(std::towlower(c));
    ASSERT_NE(other_case, name);
    EXPECT_FALSE(is_process_running(other_case, 0, true));
    EXPECT_TRUE(is_process_running(other_case, 0, false));
}

TEST_F(running_process_test, a_name_is_whole_not_a_prefix)
{
    EXPECT_FALSE(is_process_running(name.substr(0, name.size() - 4), 0, false));
    EXPECT_FALSE(is_process_running(L"x" + name, 0, false));
}

// Other copies of this executable may run in parallel, so skipping the own id is
// shown with the uniquely named child above.
TEST(is_process_running, finds_this_test_executable)
{
    const std::wstring own = std::filesystem::path{general::windows::executable_path()}.filename().wstring();
    EXPECT_TRUE(is_process_running(own, 0, true));
}

} // namespace
