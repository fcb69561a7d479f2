// The folder of the run's own that installers can be downloaded into: made
// fresh, with the access list it was given at creation (not inherited from the
// user's folder around it), handed on to files inside, removed with its content.
#include "general/windows/private_folder.h"

#include <gtest/gtest.h>

#include <winsock2.h>
#include <windows.h>

#include <aclapi.h>
#include <sddl.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <system_error>

#include "general/windows/handle.h"
#include "tests/support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;
using general::windows::private_folder;

struct local_memory_traits {
    using pointer = PSECURITY_DESCRIPTOR;
    static pointer invalid() noexcept { return nullptr; }
    static void close(pointer h) noexcept { LocalFree(h); }
};
using unique_descriptor = general::windows::unique_resource<local_memory_traits>;

// The allowed ACEs of `path`'s access list as SID text -> access mask, and
// whether the list is protected from the parent's.
struct access_list {
    std::map<std::wstring, ACCESS_MASK> allowed;
    bool is_protected = false;
    bool inherited = false; // any ACE came from the parent
};

access_list read_access(const fs::path& path)
{
    PACL dacl = nullptr;
    unique_descriptor descriptor;
    access_list result;
    const DWORD status = GetNamedSecurityInfoW(path.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                                               nullptr, &dacl, nullptr, descriptor.put());
    EXPECT_EQ(status, static_cast<DWORD>(ERROR_SUCCESS));
    if (status != ERROR_SUCCESS || !dacl)
        return result;
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    GetSecurityDescriptorControl(descriptor.get(), &control, &revision);
    result.is_protected = (control & SE_DACL_PROTECTED) != 0;
    for (DWORD i = 0; i < dacl->AceCount; ++i) {
        void* ace = nullptr;
        if (!GetAce(dacl, i, &ace))
            continue;
        const auto* header = static_cast<ACE_HEADER*>(ace);
        if (header->AceFlags & INHERITED_ACE)
            result.inherited = true;
        if (header->AceType != ACCESS_ALLOWED_ACE_TYPE)
            continue;
        auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(ace);
        wchar_t* text = nullptr;
        if (ConvertSidToStringSidW(&allowed->SidStart, &text)) {
            result.allowed[text] |= allowed->Mask;
            LocalFree(text);
        }
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

// Wine keeps no access lists on files: it reports one made up from the Unix
// mode bits (owner and SYSTEM full, maybe everyone read) and enforces none, so
// the list can only be checked on Windows.
void expect_private_access(const fs::path& folder)
{
    if (running_on_wine()) {
        std::wcout << L"[ skipped  ] the access list of " << folder.wstring() << L": Wine does not keep one\n";
        return;
    }
    const access_list access = read_access(folder);
    EXPECT_TRUE(access.is_protected);
    EXPECT_FALSE(access.inherited);
    EXPECT_EQ(access.allowed, (std::map<std::wstring, ACCESS_MASK>{
                                  {administrators, FILE_ALL_ACCESS},
                                  {local_system, FILE_ALL_ACCESS},
                                  {users, FILE_GENERIC_READ | FILE_GENERIC_EXECUTE},
                              }));
}

TEST(private_folder, is_made_under_its_parent_with_only_its_own_access_list_and_removed_with_its_content)
{
    test_support::scratch_folder parent;
    fs::path made;
    {
        private_folder folder{parent.path().wstring(), L"downloads"};
        made = folder.path();
        EXPECT_EQ(made.parent_path(), parent.path());
        EXPECT_TRUE(made.filename().wstring().starts_with(L"downloads-")) << made;
        ASSERT_TRUE(fs::is_directory(made));

        expect_private_access(made);
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

} // namespace
