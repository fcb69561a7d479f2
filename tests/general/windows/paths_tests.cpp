#include <winsock2.h>
#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include "general/windows/handle.h"
#include "general/windows/system.h"
#include "tests/support/child_program.h"
#include "tests/support/scratch_folder.h"

namespace {

using namespace general::windows;
namespace fs = std::filesystem;

bool ends_with_ignoring_case(const std::wstring& text, const std::wstring& end)
{
    if (text.size() < end.size())
        return false;
    return CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, text.c_str() + text.size() - end.size(),
                          static_cast<int>(end.size()), end.c_str(), static_cast<int>(end.size())) == CSTR_EQUAL;
}

// --- the executable and other processes ----------------------------------------

TEST(paths, executable_path_names_this_test_program)
{
    const std::wstring path = executable_path();
    EXPECT_TRUE(ends_with_ignoring_case(path, L"\\test_windows.exe")) << testing::PrintToString(path);
    EXPECT_TRUE(fs::path{path}.is_absolute());
    EXPECT_EQ(executable_directory() + L"\\" + fs::path{path}.filename().wstring(), path);
}

TEST(paths, a_module_of_this_process_by_handle)
{
    const std::wstring path = process_image_path(GetModuleHandleW(L"kernel32.dll"), nullptr);
    EXPECT_TRUE(ends_with_ignoring_case(path, L"\\kernel32.dll")) << testing::PrintToString(path);
}

TEST(paths, image_of_another_process)
{
    test_support::scratch_folder folder;
    const auto child = test_support::copy_child_program(folder.path(), L"image probe.exe");
    const DWORD id = create_process(L"\"" + child.wstring() + L"\" 0 30000", false, true);
    ASSERT_NE(id, 0u);
    test_support::process_killer running{id};

    const unique_handle full{OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id)};
    ASSERT_TRUE(full);
    EXPECT_TRUE(ends_with_ignoring_case(process_image_path(nullptr, full.get()), L"\\image probe.exe"));

    // Too few rights for the module query: the image-name query must step in.
    const unique_handle limited{OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id)};
    ASSERT_TRUE(limited);
    EXPECT_TRUE(ends_with_ignoring_case(process_image_path(nullptr, limited.get()), L"\\image probe.exe"));
}

TEST(paths, a_handle_that_is_no_process_gives_an_empty_path)
{
    const unique_handle event{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    ASSERT_TRUE(event);
    EXPECT_EQ(process_image_path(nullptr, event.get()), L"");
}

// --- system folders ------------------------------------------------------------

TEST(paths, temp_directory_is_an_existing_folder_with_a_trailing_backslash)
{
    const std::wstring temp = temp_directory();
    ASSERT_FALSE(temp.empty());
    EXPECT_EQ(temp.back(), L'\\');
    EXPECT_TRUE(fs::is_directory(temp));
}

TEST(paths, system_directory_is_the_system_folder)
{
    wchar_t expected[MAX_PATH] = {};
    ASSERT_NE(GetSystemDirectoryW(expected, MAX_PATH), 0u);
    const std::wstring folder = system_directory();
    EXPECT_EQ(CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, folder.c_str(), -1, expected, -1), CSTR_EQUAL)
        << testing::PrintToString(folder);
}

TEST(paths, special_folder_of_a_known_id_exists_and_of_an_unknown_one_is_empty)
{
    EXPECT_TRUE(fs::is_directory(special_folder(CSIDL_APPDATA)));
    EXPECT_EQ(special_folder(0x7F), L"");
}

} // namespace
