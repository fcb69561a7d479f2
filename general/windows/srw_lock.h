#pragma once
// A reader-writer lock over Windows' slim reader-writer lock, for data many
// threads read and a few change. It meets the standard's Lockable and
// SharedLockable requirements, so std::unique_lock and std::shared_lock work:
//
//     general::windows::srw_lock lock;
//     { std::shared_lock reading{lock}; ... }   // readers may overlap
//     { std::unique_lock writing{lock}; ... }   // a writer is alone
//
// Slim locks came with Vista. On XP the lock is a critical section taken for
// both modes, so readers exclude each other there too. Not recursive in either
// mode: a thread that holds it must not take it again. Never throws.
#include <winsock2.h>
#include <windows.h>

namespace general::windows {

class srw_lock {
public:
    enum class implementation {
        best_available,   // the slim lock where the system has it
        critical_section, // what XP gets; selectable so that path can be exercised
    };

    explicit srw_lock(implementation wanted = implementation::best_available) noexcept;
    ~srw_lock();
    srw_lock(const srw_lock&) = delete;
    srw_lock& operator=(const srw_lock&) = delete;

    void lock() noexcept;
    void unlock() noexcept;
    void lock_shared() noexcept;
    void unlock_shared() noexcept;

    // Whether this lock uses the slim lock (false: the critical section).
    bool is_slim() const noexcept { return slim_; }

private:
    bool slim_ = false;
    SRWLOCK slim_lock_ = SRWLOCK_INIT;
    CRITICAL_SECTION section_{};
};

} // namespace general::windows
