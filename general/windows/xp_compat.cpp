// Stand-ins for the few Windows functions that the static runtime libraries import
// although Windows XP lacks them. The thread library asks for GetTickCount64 for
// its time-outs; an executable importing it does not even load on XP. Defining
// the import slot here (this object is linked directly into every executable, so
// it wins over the system's import library) routes the calls through a lookup at
// run time, with a fallback built on the performance counter.
#include <winsock2.h>
#include <windows.h>

namespace {

ULONGLONG WINAPI tick_count_from_performance_counter()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f{};
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter{};
    if (!frequency.QuadPart || !QueryPerformanceCounter(&counter))
        return GetTickCount();
    const auto ticks = static_cast<ULONGLONG>(counter.QuadPart);
    const auto per_second = static_cast<ULONGLONG>(frequency.QuadPart);
    return ticks / per_second * 1000 + ticks % per_second * 1000 / per_second;
}

using tick_count_function = ULONGLONG(WINAPI*)();

ULONGLONG WINAPI first_tick_count_call();

} // namespace

// The import slot the linker would otherwise fill from kernel32's import library.
#if defined(__i386__)
#define QEL_TICK_COUNT_SLOT "__imp__GetTickCount64@0"
#else
#define QEL_TICK_COUNT_SLOT "__imp_GetTickCount64"
#endif
extern "C" {
tick_count_function qel_imp_tick_count_64 __asm__(QEL_TICK_COUNT_SLOT) = &first_tick_count_call;
}

namespace {

ULONGLONG WINAPI first_tick_count_call()
{
    auto system = reinterpret_cast<tick_count_function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetTickCount64")));
    // Racing first calls all store the same value.
    qel_imp_tick_count_64 = system ? system : &tick_count_from_performance_counter;
    return qel_imp_tick_count_64();
}

} // namespace
