// Which program an installer file is handed to, and how its path is quoted.
#include "workers/product_files.h"

#include <gtest/gtest.h>

namespace {

using product_files::install_command_line;
using product_files::installer_file_name;
using product_files::join_path;

constexpr wchar_t system_folder[] = L"C:\\windows\\system32";

TEST(install_command_line, an_executable_runs_itself_quoted_with_the_silent_switch)
{
    EXPECT_EQ(install_command_line(L"C:\\Users\\Jo Doe\\Temp\\setup.exe", system_folder),
              L"\"C:\\Users\\Jo Doe\\Temp\\setup.exe\" /s1");
}

TEST(install_command_line, anything_else_goes_quoted_to_the_windows_installer_of_the_system_folder)
{
    EXPECT_EQ(install_command_line(L"C:\\Users\\Jo Doe\\Temp\\pack.msi", system_folder),
              L"\"C:\\windows\\system32\\msiexec.exe\" /i \"C:\\Users\\Jo Doe\\Temp\\pack.msi\" /qn");
}

TEST(install_command_line, the_executable_suffix_is_compared_exactly)
{
    for (const wchar_t* path : {L"C:\\t\\SETUP.EXE", L"C:\\t\\setup.Exe", L"C:\\t\\setup.exe ", L"C:\\t\\setupexe",
                                L"C:\\t\\setup.exe.msi", L"C:\\t\\exe"}) {
        EXPECT_EQ(install_command_line(path, system_folder).rfind(L"\"C:\\windows\\system32\\msiexec.exe\" /i ", 0), 0u)
            << path;
    }
    EXPECT_EQ(install_command_line(L".exe", system_folder), L"\".exe\" /s1");
}

TEST(install_command_line, without_the_system_folder_a_package_is_not_run_at_all)
{
    EXPECT_EQ(install_command_line(L"C:\\t\\pack.msi", L""), L"");
    EXPECT_EQ(install_command_line(L"C:\\t\\setup.exe", L""), L"\"C:\\t\\setup.exe\" /s1");
}

TEST(installer_file, the_name_is_what_follows_the_last_slash_of_the_address)
{
    EXPECT_EQ(installer_file_name(L"https://dl.example.test/win/qbx623x64.exe"), L"qbx623x64.exe");
    EXPECT_EQ(installer_file_name(L"https://dl.example.test:8443/win/qbx623x64.exe"), L"qbx623x64.exe");
    EXPECT_EQ(installer_file_name(L"setup.exe"), L"setup.exe");
    EXPECT_EQ(installer_file_name(L"http://host/dir/"), L"");
}

TEST(installer_file, the_temporary_folder_and_the_name_are_joined_by_one_separator)
{
    EXPECT_EQ(join_path(L"C:\\Temp\\", L"a.exe"), L"C:\\Temp\\a.exe");
    EXPECT_EQ(join_path(L"C:\\Temp", L"a.exe"), L"C:\\Temp\\a.exe");
    EXPECT_EQ(join_path(L"", L"a.exe"), L"a.exe");
    EXPECT_EQ(join_path(L"C:\\Temp\\", L""), L"C:\\Temp\\");
}

} // namespace
