// The rules that decide whether a folder or file of the log path may be used, on
// facts given by the test (Windows' junctions show themselves differently from
// the links Wine can make), and the walk over real folders.
#include "general/log/path_checks.h"

#include <gtest/gtest.h>

#include <optional>

#include "tests/general/log/log_files.h"
#include "tests/support/scratch_folder.h"

namespace {

using general::log::held_folders;
using general::log::path_facts;

constexpr DWORD folder = FILE_ATTRIBUTE_DIRECTORY;
constexpr DWORD plain = FILE_ATTRIBUTE_ARCHIVE;
constexpr DWORD link = FILE_ATTRIBUTE_REPARSE_POINT;

TEST(log_path_checks, rules_on_the_facts_of_a_handle)
{
    struct fact_case {
        const char* what;
        DWORD attributes;
        std::optional<std::wstring> final_path;
        const wchar_t* path;
        bool direct_folder;
        bool direct_file;
    };
    const fact_case cases[] = {
        {"plain folder", folder, L"\\\\?\\C:\\users\\me\\Temp", L"C:\\users\\me\\Temp", true, false},
        {"junction opened as itself", folder | link, L"\\\\?\\C:\\users\\me\\Temp", L"C:\\users\\me\\Temp", false,
         false},
        {"link the system followed", folder, L"\\\\?\\C:\\Windows\\System32", L"C:\\users\\me\\Temp", false, false},
        {"longer name with the same start", folder, L"\\\\?\\C:\\users\\me\\Temp2", L"C:\\users\\me\\Temp", false,
         false},
        {"case and trailing separators differ", folder, L"\\\\?\\c:\\USERS\\me\\temp\\", L"C:\\users\\me\\Temp\\", true,
         false},
        {"forward slashes", folder, L"\\\\?\\C:\\users\\me\\Temp", L"C:/users/me/Temp", true, false},
        {"case beyond ASCII", folder, L"\\\\?\\C:\\Users\\\u00C9LODIE", L"C:\\Users\\\u00E9lodie", true, false},
        {"share", folder, L"\\\\?\\UNC\\server\\share\\Temp", L"\\\\server\\share\\Temp", true, false},
        {"drive root", folder, L"\\\\?\\C:\\", L"C:\\", true, false},
        {"drive root shown as a link", folder | link, L"\\\\?\\Z:\\", L"Z:\\", true, false},
        {"drive root leading elsewhere", folder | link, L"\\\\?\\D:\\", L"Z:\\", false, false},
        {"no final path on XP", folder, std::nullopt, L"C:\\users\\me\\Temp", true, false},
        {"junction on XP", folder | link, std::nullopt, L"C:\\users\\me\\Temp", false, false},
        {"final path failed", folder, L"", L"C:\\users\\me\\Temp", false, false},
        {"nothing known", INVALID_FILE_ATTRIBUTES, L"\\\\?\\C:\\t", L"C:\\t", false, false},
        {"plain file", plain, L"\\\\?\\C:\\t\\t.log", L"C:\\t\\t.log", false, true},
        // Opened as the link itself, renaming or deleting it touches only the link.
        {"file link opened as itself", plain | link, L"\\\\?\\C:\\t\\t.log", L"C:\\t\\t.log", false, true},
        {"file link the system followed", plain, L"\\\\?\\C:\\Windows\\win.ini", L"C:\\t\\t.log", false, false},
    };
    for (const auto& each : cases) {
        const path_facts facts{each.attributes, each.final_path};
        EXPECT_EQ(general::log::is_direct_folder(facts, each.path), each.direct_folder) << each.what;
        EXPECT_EQ(general::log::is_direct_file(facts, each.path), each.direct_file) << each.what;
    }
    EXPECT_FALSE(general::log::same_path(L"", L"")) << "an empty name names nothing";
    EXPECT_FALSE(general::log::same_path(L"\\\\?\\", L""));
}

class log_path_walk : public testing::Test {
protected:
    test_support::scratch_folder scratch;
};

TEST_F(log_path_walk, held_folders_of_real_paths)
{
    log_test::write_bytes(scratch.path() / L"plain", "x");
    struct walk_case {
        const char* what;
        std::filesystem::path path;
        bool held;
        bool redirected;
    };
    const walk_case cases[] = {
        {"existing folder", scratch.path(), true, false},
        {"with a trailing separator", scratch.path().native() + L"\\", true, false},
        {"drive root", scratch.path().root_path(), true, false},
        {"missing folder", scratch.path() / L"missing", false, false},
        {"file in place of a folder", scratch.path() / L"plain", false, true},
        {"relative path", L"relative\\folder", false, false},
    };
    for (const auto& each : cases) {
        const auto held = held_folders::open(each.path);
        EXPECT_EQ(static_cast<bool>(held), each.held) << each.what;
        EXPECT_EQ(held.redirected(), each.redirected) << each.what;
    }
}

TEST_F(log_path_walk, long_form_resolves_dots_and_keeps_missing_parts)
{
    const auto base = scratch.path();
    EXPECT_EQ(general::log::long_form(base / L"x" / L".." / L"y" / L"z").native(), (base / L"y" / L"z").native());
    EXPECT_EQ(general::log::long_form(base.native() + L"\\").native(), base.native());
    EXPECT_EQ(general::log::existing_part(base / L"y" / L"z").native(), base.native());
}

} // namespace
