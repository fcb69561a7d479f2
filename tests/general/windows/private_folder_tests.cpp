// The folder of the run's own that installers can be downloaded into: made
// fresh, with the access list it was given at creation (not inherited from the
// user's folder around it), handed on to files inside, removed with its content;
// and the folders that runs ended without removing, found by their unheld marks
// and removed by the next run without following any link.
#include "general/windows/private_folder.h"

#include <gtest/gtest.h>

#include <winsock2.h>
#include <windows.h>

#include <aclapi.h>
#include <sddl.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <map>
#include <memory>
#include <optional>
#include <system_error>
#include <vector>

#include "general/windows/handle.h"
#include "general/windows/system.h"
#include "tests/support/links.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/worker_environment.h"

namespace {

namespace fs = std::filesystem;
using general::windows::private_folder;

// One access entry of a list, its SID as text.
struct access_entry {
    std::wstring sid;
    BYTE type = 0;
    BYTE flags = 0;
    ACCESS_MASK mask = 0;
    bool operator==(const access_entry&) const = default;
};

std::ostream& operator<<(std::ostream& out, const access_entry& entry)
{
    return out << std::string(entry.sid.begin(), entry.sid.end()) << " type " << int{entry.type} << " flags "
               << int{entry.flags} << " mask " << std::hex << entry.mask << std::dec;
}

// What a security descriptor says about its access list and its owner.
struct access_list {
    bool present = false;
    bool is_protected = false;
    bool has_owner = false;
    bool has_group = false;
    std::vector<access_entry> entries;
};

access_list read_access(PSECURITY_DESCRIPTOR descriptor)
{
    access_list result;
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    EXPECT_TRUE(GetSecurityDescriptorControl(descriptor, &control, &revision));
    result.is_protected = (control & SE_DACL_PROTECTED) != 0;
    PSID sid = nullptr;
    BOOL defaulted = FALSE;
    result.has_owner = GetSecurityDescriptorOwner(descriptor, &sid, &defaulted) && sid;
    sid = nullptr;
    result.has_group = GetSecurityDescriptorGroup(descriptor, &sid, &defaulted) && sid;
    BOOL present = FALSE;
    PACL dacl = nullptr;
    EXPECT_TRUE(GetSecurityDescriptorDacl(descriptor, &present, &dacl, &defaulted));
    result.present = present && dacl;
    for (DWORD i = 0; result.present && i < dacl->AceCount; ++i) {
        void* ace = nullptr;
        if (!GetAce(dacl, i, &ace))
            continue;
        const auto* header = static_cast<ACE_HEADER*>(ace);
        access_entry entry{L"", header->AceType, header->AceFlags, 0};
        // Allowed and denied entries share one layout.
        if (header->AceType == ACCESS_ALLOWED_ACE_TYPE || header->AceType == ACCESS_DENIED_ACE_TYPE) {
            auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(ace);
            entry.mask = allowed->Mask;
            wchar_t* text = nullptr;
            if (ConvertSidToStringSidW(&allowed->SidStart, &text)) {
                entry.sid = text;
                LocalFree(text);
            }
        }
        result.entries.push_back(entry);
    }
    return result;
}

bool running_on_wine()
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

constexpr const wchar_t* administrators = L"S-1-5-32-544";
constexpr const wchar_t* local_system = L"S-1-5-18";
constexpr const wchar_t* users = L"S-1-5-32-545";
constexpr BYTE handed_on = OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE;
constexpr ACCESS_MASK read_and_run = FILE_GENERIC_READ | FILE_GENERIC_EXECUTE;

// What the folder is created with: full control for administrators and the
// system, read and run for users, each handed on to files and folders inside,
// nothing taken from the parent, and no owner named (the creator owns it).
TEST(private_folder, is_created_with_a_protected_list_that_only_administrators_and_the_system_may_change)
{
    const auto descriptor = general::windows::folder_descriptor(general::windows::private_folder_access);
    ASSERT_TRUE(descriptor);
    const access_list access = read_access(descriptor.get());
    EXPECT_TRUE(access.present);
    EXPECT_TRUE(access.is_protected);
    EXPECT_FALSE(access.has_owner);
    EXPECT_FALSE(access.has_group);
    EXPECT_EQ(access.entries, (std::vector<access_entry>{
                                  {administrators, ACCESS_ALLOWED_ACE_TYPE, handed_on, FILE_ALL_ACCESS},
                                  {local_system, ACCESS_ALLOWED_ACE_TYPE, handed_on, FILE_ALL_ACCESS},
                                  {users, ACCESS_ALLOWED_ACE_TYPE, handed_on, read_and_run},
                              }));
}

// Wine keeps no access lists on files: it reports one made up from the Unix
// mode bits (owner and SYSTEM full, maybe everyone read) and enforces none, so
// the list the folder got can only be read back on Windows.
TEST(private_folder, the_folder_made_keeps_that_list)
{
    if (running_on_wine())
        GTEST_SKIP() << "Wine keeps no access list on a folder";
    test_support::scratch_folder parent;
    private_folder folder{parent.path().wstring(), L"downloads"};
    PACL dacl = nullptr;
    general::windows::unique_security_descriptor descriptor;
    ASSERT_EQ(GetNamedSecurityInfoW(folder.path().c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                                    &dacl, nullptr, descriptor.put()),
              static_cast<DWORD>(ERROR_SUCCESS));
    const access_list access = read_access(descriptor.get());
    EXPECT_TRUE(access.is_protected);
    // Nothing of the parent's list, and nothing but allowed entries.
    for (const auto& entry : access.entries) {
        EXPECT_EQ(entry.flags & INHERITED_ACE, 0) << entry;
        EXPECT_EQ(entry.type, ACCESS_ALLOWED_ACE_TYPE) << entry;
    }
    std::map<std::wstring, ACCESS_MASK> allowed;
    for (const auto& entry : access.entries)
        allowed[entry.sid] |= entry.mask;
    EXPECT_EQ(allowed, (std::map<std::wstring, ACCESS_MASK>{
                           {administrators, FILE_ALL_ACCESS},
                           {local_system, FILE_ALL_ACCESS},
                           {users, read_and_run},
                       }));
}

TEST(private_folder, is_made_under_its_parent_and_removed_with_its_content)
{
    test_support::scratch_folder parent;
    fs::path made;
    {
        private_folder folder{parent.path().wstring(), L"downloads"};
        made = folder.path();
        EXPECT_EQ(made.parent_path(), parent.path());
        EXPECT_TRUE(made.filename().wstring().starts_with(L"downloads-")) << made;
        ASSERT_TRUE(fs::is_directory(made));

        std::ofstream{made / L"installer.exe"} << "content";
        fs::create_directories(made / L"inner");
        std::ofstream{made / L"inner" / L"more.txt"} << "more";
    }
    EXPECT_FALSE(fs::exists(made));
    EXPECT_TRUE(fs::is_directory(parent.path()));
}

TEST(private_folder, each_run_gets_a_folder_of_its_own)
{
    test_support::scratch_folder parent;
    private_folder first{parent.path().wstring(), L"run"};
    private_folder second{parent.path().wstring(), L"run"};
    EXPECT_NE(first.path(), second.path());
    EXPECT_TRUE(fs::is_directory(first.path()));
    EXPECT_TRUE(fs::is_directory(second.path()));
}

TEST(private_folder, a_parent_that_does_not_exist_or_a_bad_access_list_throws)
{
    test_support::scratch_folder parent;
    EXPECT_THROW(private_folder((parent.path() / L"missing").wstring(), L"run"), std::system_error);
    EXPECT_THROW(private_folder(parent.path().wstring(), L"run", L"D:P(nonsense)"), std::system_error);
    EXPECT_TRUE(fs::is_empty(parent.path()));
}

// Folders of ended runs.

constexpr const wchar_t* prefix = L"Varnhelm installer";

void write_file(const fs::path& path, const char* bytes)
{
    std::ofstream{path, std::ios::binary} << bytes;
}

// Every file and folder below `folder` (which holds no link) with its content.
std::map<fs::path, std::string> contents(const fs::path& folder)
{
    std::map<fs::path, std::string> found;
    for (const auto& each : fs::recursive_directory_iterator(folder)) {
        found[each.path()] = each.is_directory() ? "<folder>" : test_support::file_bytes(each.path());
    }
    return found;
}

// How many logged lines end with `folder`'s name.
std::size_t lines_naming(const test_support::captured_log& log, const fs::path& folder)
{
    const std::wstring ending = L"\\" + folder.filename().native();
    const auto lines = log.lines();
    return std::count_if(lines.begin(), lines.end(), [&](const auto& line) { return line.second.ends_with(ending); });
}

enum class made { live_run, ended_run, unmarked, link_in_place, links_inside };

struct folder_case {
    const wchar_t* name; // the live run's is chosen by its private_folder
    made how;
    bool folder_stays;
    bool content_stays;
    std::size_t log_lines; // ending with the folder's name
    const char* what;
};

TEST(abandoned_folders, only_folders_of_ended_runs_go_and_no_link_is_followed)
{
    const folder_case cases[] = {
        {nullptr, made::live_run, true, true, 1, "a living run's folder, its mark held"},
        {L"Varnhelm installer-102", made::ended_run, false, false, 1, "an ended run's folder, one file read-only"},
        {L"Varnhelm installer-103", made::unmarked, false, false, 1, "a folder whose run ended before marking it"},
        {L"Varnhelm installer-abc", made::ended_run, true, true, 0, "no number after the prefix"},
        {L"other-123", made::ended_run, true, true, 0, "another prefix"},
        {L"Varnhelm installer-104", made::link_in_place, true, true, 1, "a link in place of a run's folder"},
        {L"Varnhelm installer-105", made::links_inside, true, false, 1, "an ended run's folder with links outside"},
    };
    test_support::scratch_folder scratch;
    const auto parent = scratch.path() / L"data";
    const auto outside = scratch.path() / L"outside";
    fs::create_directories(parent);
    fs::create_directories(outside / L"folder");
    write_file(outside / L"kept.txt", "kept");
    write_file(outside / L"folder" / L"inner.txt", "inner");
    const auto outside_before = contents(outside);

    std::optional<private_folder> live;
    std::vector<std::unique_ptr<test_support::link_to>> links;
    std::vector<fs::path> folders;
    for (const auto& each : cases) {
        if (each.how == made::live_run) {
            live.emplace(parent.wstring(), prefix);
            folders.push_back(live->path());
        } else {
            folders.push_back(parent / each.name);
        }
        const auto& folder = folders.back();
        if (each.how == made::link_in_place) {
            links.push_back(std::make_unique<test_support::link_to>(folder, outside / L"folder"));
            if (!links.back()->made())
                GTEST_SKIP() << "this system makes no link to a folder";
            continue;
        }
        fs::create_directories(folder / L"sub");
        write_file(folder / L"installer.exe", "installer");
        write_file(folder / L"sub" / L"more.txt", "more");
        if (each.how == made::ended_run || each.how == made::links_inside)
            write_file(folder / general::windows::private_folder_mark, "");
        if (each.how == made::ended_run) {
            write_file(folder / L"setup.exe", "setup");
            ASSERT_TRUE(SetFileAttributesW((folder / L"setup.exe").c_str(), FILE_ATTRIBUTE_READONLY));
        }
        if (each.how == made::links_inside) {
            links.push_back(std::make_unique<test_support::link_to>(folder / L"escape", outside / L"folder"));
            // A link to a file is made under Wine only.
            links.push_back(std::make_unique<test_support::link_to>(folder / L"kept.txt", outside / L"kept.txt"));
        }
    }

    test_support::captured_log log;
    general::windows::remove_abandoned_folders(parent.wstring(), prefix);

    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& each = cases[i];
        const auto& folder = folders[i];
        SCOPED_TRACE(each.what);
        EXPECT_EQ(test_support::present(folder), each.folder_stays) << folder;
        if (each.how != made::link_in_place) {
            EXPECT_EQ(test_support::present(folder / L"installer.exe"), each.content_stays);
        }
        EXPECT_EQ(lines_naming(log, folder), each.log_lines);
        SetFileAttributesW((folder / L"setup.exe").c_str(), FILE_ATTRIBUTE_NORMAL); // for the clean-up
    }
    EXPECT_EQ(contents(outside), outside_before) << "nothing a link points to is touched";
}

} // namespace
