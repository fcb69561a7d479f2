// The log in a folder someone has redirected: through a link to a folder, below
// one, swapped for one mid-run, or with a log name that is itself a link. Nothing
// outside the log's real folder may be created, renamed, deleted or written.
#include "general/log/file.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tests/general/log/log_files.h"
#include "tests/support/links.h"
#include "tests/support/scratch_folder.h"

namespace {

using general::log::file;
using namespace log_test;
namespace fs = std::filesystem;

using test_support::link_to;
using test_support::present;
using test_support::quoted_unix_name;
using test_support::run_linux;
using test_support::settle;

// Every file below `folder` with its content, by relative name; folders as "<dir>".
std::map<std::wstring, std::string> contents(const fs::path& folder)
{
    std::map<std::wstring, std::string> found;
    std::error_code error;
    for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const auto name = it->path().lexically_relative(folder).native();
        found[name] = it->is_directory() ? std::string("<dir>") : read_bytes(it->path());
    }
    return found;
}

// What differs between two looks at a folder, one entry a name: "t.log written",
// "t.2.log gone", "new made". Empty when nothing changed.
std::vector<std::string> changes(const std::map<std::wstring, std::string>& before,
                                 const std::map<std::wstring, std::string>& after)
{
    std::vector<std::string> found;
    const auto narrow = [](const std::wstring& name) { return std::string(name.begin(), name.end()); };
    for (const auto& [name, content] : before) {
        const auto now = after.find(name);
        if (now == after.end())
            found.push_back(narrow(name) + " gone");
        else if (now->second != content)
            found.push_back(narrow(name) + " written");
    }
    for (const auto& [name, content] : after) {
        if (!before.contains(name))
            found.push_back(narrow(name) + " made");
    }
    return found;
}

// What an attacker leaves where the link points: a log of the same name, kept
// files a rotation would shift, and a folder.
void plant_victims(const fs::path& target)
{
    fs::create_directories(target / L"old");
    for (const fs::path& folder : {target, target / L"old"}) {
        write_bytes(folder / L"t.log", "victim current\r\n");
        write_bytes(folder / L"t.1.log", "victim one\r\n");
        write_bytes(folder / L"t.2.log", "victim two\r\n");
    }
}

// Enough writes for two rotations with max_size 0: the 101st and the 202nd.
void write_through_rotations(const fs::path& directory)
{
    file log(0, directory, L"t", 0, 2, 0);
    write_numbered(log, 250);
    log.flush();
}

class log_file_redirect : public testing::Test {
protected:
    test_support::scratch_folder scratch;
};

TEST_F(log_file_redirect, log_folder_through_a_link_touches_nothing_where_it_points)
{
    struct layout {
        const wchar_t* log_folder; // below the link
        const char* what;
    };
    const layout layouts[] = {
        {L"", "the log folder is the link"},
        {L"old", "an existing folder below the link"},
        {L"new\\deeper", "missing folders below the link"},
    };
    int index = 0;
    for (const auto& each : layouts) {
        SCOPED_TRACE(each.what);
        const auto root = scratch.path() / std::to_wstring(index++);
        const auto target = root / L"target";
        plant_victims(target);
        const auto before = contents(target);
        link_to link(root / L"link", target);
        if (!link.made())
            GTEST_SKIP() << "this system makes neither a junction nor a Linux symbolic link";
        const auto directory = *each.log_folder ? root / L"link" / each.log_folder : root / L"link";

        EXPECT_NO_THROW(write_through_rotations(directory));

        link.remove();
        EXPECT_EQ(changes(before, contents(target)), std::vector<std::string>{})
            << "nothing created, renamed, deleted or written there";
        EXPECT_FALSE(present(root / L"link")) << "the link itself is gone again";
    }
}

// The log starts in a real folder; then the user moves a folder of its path away
// and puts a link in its place, pointing at files a rotation would shift.
TEST_F(log_file_redirect, folder_swapped_for_a_link_mid_run_ends_the_log_before_rotating)
{
    const auto real = scratch.path() / L"a";
    const auto moved = scratch.path() / L"a-moved";
    const auto target = scratch.path() / L"victim";
    fs::create_directories(real / L"logs");
    plant_victims(target / L"logs");
    const auto before = contents(target);

    file log(0, real / L"logs", L"t", 0, 2, 0);
    write_numbered(log, 50);
    if (!MoveFileW(real.c_str(), moved.c_str()))
        GTEST_SKIP() << "the system keeps a folder holding an open file where it is, so it cannot be swapped";
    link_to link(real, target);
    if (!link.made())
        GTEST_SKIP() << "this system makes neither a junction nor a Linux symbolic link";

    write_numbered(log, 100, L"m", 50); // the last one would rotate
    write_numbered(log, 50, L"m", 150);
    log.flush();
    link.remove();

    EXPECT_EQ(changes(before, contents(target)), std::vector<std::string>{});
    const auto lines = lines_of(read_bytes(moved / L"logs" / L"t.log"));
    ASSERT_EQ(lines.size(), 100u) << "the lines before the rotation reach the log's own file, none after";
    EXPECT_EQ(after_stamp(lines.back()), " I| m99");
    EXPECT_FALSE(present(moved / L"logs" / L"t.1.log"));
}

// The folder is real, but names in it are links to files elsewhere.
TEST_F(log_file_redirect, log_names_that_are_links_lead_nowhere)
{
    struct layout {
        const wchar_t* link_name;
        const char* what;
    };
    const layout layouts[] = {
        {L"t.log", "the current log"},
        {L"t.1.log", "the newest kept log, which a rotation renames"},
        {L"t.2.log", "the oldest kept log, which a rotation deletes"},
    };
    int index = 0;
    for (const auto& each : layouts) {
        SCOPED_TRACE(each.what);
        const auto root = scratch.path() / std::to_wstring(index++);
        const auto logs = root / L"logs";
        const auto outside = root / L"outside";
        fs::create_directories(logs);
        fs::create_directories(outside);
        write_bytes(outside / L"victim", "victim\r\n");
        for (const wchar_t* name : {L"t.log", L"t.1.log", L"t.2.log"}) {
            if (std::wstring(name) != each.link_name)
                write_bytes(logs / name, "kept\r\n");
        }
        const auto before = contents(outside);
        if (!run_linux("/bin/ln", L"-s " + quoted_unix_name(outside / L"victim") + L" " +
                                      quoted_unix_name(logs / each.link_name)) ||
            !settle([&] { return present(logs / each.link_name); }))
            GTEST_SKIP() << "file links are made here only under Wine";

        EXPECT_NO_THROW(write_through_rotations(logs));

        EXPECT_EQ(changes(before, contents(outside)), std::vector<std::string>{});
        run_linux("/bin/rm", L"-f " + quoted_unix_name(logs / each.link_name));
        settle([&] { return !present(logs / each.link_name); });
    }
}

// A temporary folder is often named with 8.3 names; the final path of every handle
// shows the long ones, and the log must still be written.
TEST_F(log_file_redirect, folder_given_by_its_short_name_is_used)
{
    const auto folder = scratch.path() / L"a rather long folder name";
    fs::create_directories(folder);
    std::wstring short_name(MAX_PATH, L'\0');
    const DWORD length = GetShortPathNameW(folder.c_str(), short_name.data(), MAX_PATH);
    ASSERT_GT(length, 0u);
    short_name.resize(length);
    if (short_name == folder.native())
        GTEST_SKIP() << "no short names on this volume";
    {
        file log(0, short_name, L"t", 1 << 20, 2, 0);
        log.write(1, L"x");
    }
    EXPECT_EQ(lines_of(read_bytes(folder / L"t.log")).size(), 1u);
}

} // namespace
