#include <winsock2.h>
#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include "general/windows/system.h"

namespace {

using namespace general::windows;

constexpr BYTE workstation = VER_NT_WORKSTATION;
constexpr BYTE server = VER_NT_SERVER;
constexpr BYTE domain_controller = VER_NT_DOMAIN_CONTROLLER;
constexpr WORD x64 = PROCESSOR_ARCHITECTURE_AMD64;
constexpr WORD x86 = PROCESSOR_ARCHITECTURE_INTEL;
constexpr WORD itanium = PROCESSOR_ARCHITECTURE_IA64;

struct version_case {
    const char* system;
    version_facts facts;
    int expected;
};

// major, minor, product type, suite, SM_SERVERR2, processor
const version_case cases[] = {
    {"5.0 (2000)", {5, 0, workstation, 0, 0, x86}, version_other},
    {"4.0 (NT 4)", {4, 0, workstation, 0, 0, x86}, version_other},
    {"5.1 XP", {5, 1, workstation, 0, 0, x86}, version_xp},
    {"5.1 XP on x64 hardware", {5, 1, workstation, 0, 0, x64}, version_xp},
    {"5.2 XP x64", {5, 2, workstation, 0, 0, x64}, version_xp_x64},
    // The workstation rule comes first, even when R2 and Home Server flags are set.
    {"5.2 XP x64 with R2 metric", {5, 2, workstation, VER_SUITE_WH_SERVER, 1, x64}, version_xp_x64},
    {"5.2 workstation on x86", {5, 2, workstation, 0, 0, x86}, version_server_2003},
    {"5.2 workstation on Itanium", {5, 2, workstation, 0, 0, itanium}, version_server_2003},
    {"5.2 Server 2003", {5, 2, server, 0, 0, x86}, version_server_2003},
    {"5.2 Server 2003 x64", {5, 2, server, 0, 0, x64}, version_server_2003},
    // Without R2 the Home Server suite flag does not count.
    {"5.2 Home Server flag without R2", {5, 2, server, VER_SUITE_WH_SERVER, 0, x86}, version_server_2003},
    {"5.2 Home Server", {5, 2, server, VER_SUITE_WH_SERVER, 1, x86}, version_home_server},
    {"5.2 Server 2003 R2", {5, 2, server, 0, 1, x86}, version_server_2003_r2},
    {"5.2 Server 2003 R2, other suites",
     {5, 2, domain_controller, VER_SUITE_ENTERPRISE, 1, x64},
     version_server_2003_r2},
    {"6.0 Vista", {6, 0, workstation, 0, 0, x64}, version_vista},
    {"6.0 Server 2008", {6, 0, server, 0, 0, x64}, version_server_2008},
    {"6.0 domain controller", {6, 0, domain_controller, 0, 0, x86}, version_server_2008},
    {"6.1 Windows 7", {6, 1, workstation, 0, 0, x86}, version_7},
    {"6.1 Server 2008 R2", {6, 1, server, 0, 0, x64}, version_server_2008_r2},
    {"6.2 Windows 8 and later", {6, 2, workstation, 0, 0, x64}, version_8},
    {"6.2 Server 2012 and later", {6, 2, server, 0, 0, x64}, version_server_2012},
    {"6.3 (only without the manifest)", {6, 3, workstation, 0, 0, x64}, version_other},
    {"10.0 (only without the manifest)", {10, 0, workstation, 0, 0, x64}, version_other},
    {"nothing known", {}, version_other},
};

TEST(windows_version, classification_table)
{
    for (const auto& c : cases)
        EXPECT_EQ(classify_windows_version(c.facts), c.expected) << c.system;
}

TEST(windows_version, this_system_is_recognised)
{
    EXPECT_NE(windows_version(), version_other);
}

TEST(windows_version, a_64_bit_process_runs_on_64_bit_windows)
{
    if (sizeof(void*) != 8)
        GTEST_SKIP() << "a 32-bit process may run on either";
    EXPECT_TRUE(is_64bit_windows());
}

TEST(windows_version, administrator_test_agrees_with_the_shell)
{
    // The shell's own test looks at the same token through other calls.
    const bool shell_says = IsUserAnAdmin() != FALSE;
    EXPECT_EQ(is_user_admin(), shell_says);
}

} // namespace
