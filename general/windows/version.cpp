// Version, processor and administrator-rights queries.
#include "general/windows/system.h"

#include "general/windows/handle.h"
#include "general/windows/system_function.h"

namespace general::windows {

namespace {

int classify_5_2(const version_facts& facts)
{
    // The order matters: a workstation on x64 is XP x64 whatever SM_SERVERR2 says.
    if (facts.product_type == VER_NT_WORKSTATION && facts.processor_architecture == PROCESSOR_ARCHITECTURE_AMD64)
        return version_xp_x64;
    if (facts.server_r2 == 0)
        return version_server_2003;
    if (facts.suite_mask & VER_SUITE_WH_SERVER)
        return version_home_server;
    return version_server_2003_r2;
}

int classify_6(const version_facts& facts)
{
    const bool workstation = facts.product_type == VER_NT_WORKSTATION;
    switch (facts.minor) {
    case 0: return workstation ? version_vista : version_server_2008;
    case 1: return workstation ? version_7 : version_server_2008_r2;
    case 2: return workstation ? version_8 : version_server_2012;
    default: return version_other;
    }
}

// The processor of the machine, not of this process: a 32-bit build on 64-bit
// Windows must still see x64.
SYSTEM_INFO native_system_info()
{
    SYSTEM_INFO info{};
    if (auto* native = system_function<decltype(GetNativeSystemInfo)>(L"kernel32.dll", "GetNativeSystemInfo"))
        native(&info);
    else
        GetSystemInfo(&info);
    return info;
}

bool query_version(OSVERSIONINFOEXW& version)
{
    version = {};
    version.dwOSVersionInfoSize = sizeof version;
    return GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&version)) != FALSE;
}

bool is_administrators_member()
{
    SID_IDENTIFIER_AUTHORITY nt_authority = SECURITY_NT_AUTHORITY;
    unique_sid administrators;
    if (!AllocateAndInitializeSid(&nt_authority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0,
                                  0, administrators.put()))
        return false;
    BOOL member = FALSE;
    return CheckTokenMembership(nullptr, administrators.get(), &member) && member;
}

bool is_token_elevated()
{
    unique_handle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.put()))
        return false;
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    return GetTokenInformation(token.get(), TokenElevation, &elevation, sizeof elevation, &size) &&
           elevation.TokenIsElevated != 0;
}

bool compute_is_user_admin()
{
    OSVERSIONINFOEXW version;
    if (!query_version(version))
        return false;
    return version.dwMajorVersion < 6 ? is_administrators_member() : is_token_elevated();
}

} // namespace

int classify_windows_version(const version_facts& facts)
{
    if (facts.major == 5 && facts.minor == 1)
        return version_xp;
    if (facts.major == 5 && facts.minor == 2)
        return classify_5_2(facts);
    if (facts.major == 6)
        return classify_6(facts);
    return version_other;
}

int windows_version()
{
    OSVERSIONINFOEXW version;
    if (!query_version(version))
        return version_other;
    version_facts facts;
    facts.major = version.dwMajorVersion;
    facts.minor = version.dwMinorVersion;
    facts.product_type = version.wProductType;
    facts.suite_mask = version.wSuiteMask;
    facts.server_r2 = GetSystemMetrics(SM_SERVERR2);
    facts.processor_architecture = native_system_info().wProcessorArchitecture;
    return classify_windows_version(facts);
}

bool is_64bit_windows()
{
    return native_system_info().wProcessorArchitecture == PROCESSOR_ARCHITECTURE_AMD64;
}

bool is_user_admin()
{
    // A local static: computed once even if two threads ask first at the same time.
    static const bool answer = compute_is_user_admin();
    return answer;
}

} // namespace general::windows
