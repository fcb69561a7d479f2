#include <gtest/gtest.h>

#include <winsock2.h>
#include <windows.h>

// The executable's own GetTickCount64 import slot (the XP stand-in) must give the
// system's clock, not something that merely compiles.
TEST(xp_compat, the_tick_count_slot_follows_the_system_clock)
{
    using function = ULONGLONG(WINAPI*)();
    auto system = reinterpret_cast<function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetTickCount64")));
    ASSERT_NE(nullptr, system);
    // Bracketed by the system's own readings: the same monotonic clock, no
    // timing assumptions.
    const ULONGLONG before = system();
    const ULONGLONG through_slot = GetTickCount64();
    const ULONGLONG after = system();
    EXPECT_LE(before, through_slot);
    EXPECT_LE(through_slot, after);
}
