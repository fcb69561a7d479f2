#include "general/windows/srw_lock.h"

#include "general/windows/system_function.h"

namespace general::windows {

namespace {

struct slim_functions {
    decltype(InitializeSRWLock)* initialize = nullptr;
    decltype(AcquireSRWLockExclusive)* acquire_exclusive = nullptr;
    decltype(ReleaseSRWLockExclusive)* release_exclusive = nullptr;
    decltype(AcquireSRWLockShared)* acquire_shared = nullptr;
    decltype(ReleaseSRWLockShared)* release_shared = nullptr;

    bool complete() const noexcept
    {
        return initialize && acquire_exclusive && release_exclusive && acquire_shared && release_shared;
    }
};

slim_functions look_up()
{
    const wchar_t* const kernel = L"kernel32.dll";
    slim_functions found;
    found.initialize = system_function<decltype(InitializeSRWLock)>(kernel, "InitializeSRWLock");
    found.acquire_exclusive = system_function<decltype(AcquireSRWLockExclusive)>(kernel, "AcquireSRWLockExclusive");
    found.release_exclusive = system_function<decltype(ReleaseSRWLockExclusive)>(kernel, "ReleaseSRWLockExclusive");
    found.acquire_shared = system_function<decltype(AcquireSRWLockShared)>(kernel, "AcquireSRWLockShared");
    found.release_shared = system_function<decltype(ReleaseSRWLockShared)>(kernel, "ReleaseSRWLockShared");
    return found;
}

// Looked up once for the process; a local static is safe when several threads
// create their first lock at the same time.
const slim_functions& slim()
{
    static const slim_functions functions = look_up();
    return functions;
}

} // namespace

srw_lock::srw_lock(implementation wanted) noexcept
    : slim_(wanted == implementation::best_available && slim().complete())
{
    if (slim_)
        slim().initialize(&slim_lock_);
    else
        InitializeCriticalSection(&section_);
}

srw_lock::~srw_lock()
{
    // A slim lock owns no system resource.
    if (!slim_)
        DeleteCriticalSection(&section_);
}

void srw_lock::lock() noexcept
{
    if (slim_)
        slim().acquire_exclusive(&slim_lock_);
    else
        EnterCriticalSection(&section_);
}

void srw_lock::unlock() noexcept
{
    if (slim_)
        slim().release_exclusive(&slim_lock_);
    else
        LeaveCriticalSection(&section_);
}

void srw_lock::lock_shared() noexcept
{
    if (slim_)
        slim().acquire_shared(&slim_lock_);
    else
        EnterCriticalSection(&section_);
}

void srw_lock::unlock_shared() noexcept
{
    if (slim_)
        slim().release_shared(&slim_lock_);
    else
        LeaveCriticalSection(&section_);
}

} // namespace general::windows
