#include <gtest/gtest.h>

#include "app/launch_mode.h"
#include "app/startup.h"
#include "general/windows/system.h"

TEST(launch_mode, only_the_exact_switches_select_the_uninstall_modes)
{
    EXPECT_EQ(launch_mode::uninstall, parse_launch_mode(L"/u"));
    EXPECT_EQ(launch_mode::uninstalled, parse_launch_mode(L"/ud"));

    for (const wchar_t* other : {L"", L"/U", L"/UD", L" /u", L"/u ", L"/u x", L"/ud /u", L"-u", L"/u\t", L"u"})
        EXPECT_EQ(launch_mode::install, parse_launch_mode(other)) << "command line: [" << other << "]";
}

TEST(launch_mode, an_embedded_null_is_not_the_end_of_the_command_line)
{
    EXPECT_EQ(launch_mode::install, parse_launch_mode(std::wstring_view(L"/u\0x", 4)));
}

TEST(startup, only_a_standard_user_on_xp_is_relaunched)
{
    using namespace general::windows;
    EXPECT_TRUE(startup::needs_elevated_relaunch(version_xp, false));
    EXPECT_FALSE(startup::needs_elevated_relaunch(version_xp, true));
    for (int version : {version_other, version_xp_x64, version_server_2003, version_vista, version_7, version_8})
        EXPECT_FALSE(startup::needs_elevated_relaunch(version, false)) << "version code " << version;
}
