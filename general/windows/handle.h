#pragma once
// One move-only owner for every kind of system handle. The traits name the
// invalid value and the close function, so a file handle (INVALID_HANDLE_VALUE)
// and a process handle (null) cannot be mixed up:
//
//     general::windows::unique_handle process{OpenProcess(...)};
//     general::windows::unique_file file{CreateFileW(...)};
//
// Closing never changes GetLastError, so code may format an error text from the
// last error after the owner of a failed call's handle has gone out of scope.
#include <winsock2.h>
#include <windows.h>

#include <tlhelp32.h>

#include <utility>

namespace general::windows {

template <typename Traits>
class unique_resource {
public:
    using pointer = typename Traits::pointer;

    unique_resource() noexcept = default;
    explicit unique_resource(pointer value) noexcept : value_(value) {}
    ~unique_resource() { reset(); }

    unique_resource(unique_resource&& other) noexcept : value_(other.release()) {}
    unique_resource& operator=(unique_resource&& other) noexcept
    {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    unique_resource(const unique_resource&) = delete;
    unique_resource& operator=(const unique_resource&) = delete;

    pointer get() const noexcept { return value_; }
    explicit operator bool() const noexcept { return value_ != Traits::invalid(); }

    pointer release() noexcept { return std::exchange(value_, Traits::invalid()); }

    void reset(pointer value = Traits::invalid()) noexcept
    {
        pointer old = std::exchange(value_, value);
        if (old != Traits::invalid()) {
            const DWORD error = GetLastError();
            Traits::close(old);
            SetLastError(error);
        }
    }

    // For APIs that return the handle through an out parameter; closes the old one.
    pointer* put() noexcept
    {
        reset();
        return &value_;
    }

private:
    pointer value_ = Traits::invalid();
};

struct handle_traits {
    using pointer = HANDLE;
    static pointer invalid() noexcept { return nullptr; }
    static void close(pointer h) noexcept { CloseHandle(h); }
};

struct file_handle_traits {
    using pointer = HANDLE;
    static pointer invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void close(pointer h) noexcept { CloseHandle(h); }
};

struct registry_key_traits {
    using pointer = HKEY;
    static pointer invalid() noexcept { return nullptr; }
    static void close(pointer h) noexcept { RegCloseKey(h); }
};

struct module_traits {
    using pointer = HMODULE;
    static pointer invalid() noexcept { return nullptr; }
    static void close(pointer h) noexcept { FreeLibrary(h); }
};

struct global_memory_traits {
    using pointer = HGLOBAL;
    static pointer invalid() noexcept { return nullptr; }
    static void close(pointer h) noexcept { GlobalFree(h); }
};

struct icon_traits {
    using pointer = HICON;
    static pointer invalid() noexcept { return nullptr; }
    static void close(pointer h) noexcept { DestroyIcon(h); }
};

// SIDs built by AllocateAndInitializeSid.
struct sid_traits {
    using pointer = PSID;
    static pointer invalid() noexcept { return nullptr; }
    static void close(pointer h) noexcept { FreeSid(h); }
};

using unique_handle = unique_resource<handle_traits>;    // processes, threads, events, snapshots
using unique_file = unique_resource<file_handle_traits>; // CreateFileW, FindFirstFile-free uses
using unique_registry_key = unique_resource<registry_key_traits>;
using unique_module = unique_resource<module_traits>; // LoadLibrary
using unique_global = unique_resource<global_memory_traits>;
using unique_icon = unique_resource<icon_traits>;
using unique_sid = unique_resource<sid_traits>;

// CreateToolhelp32Snapshot fails with INVALID_HANDLE_VALUE, not null.
using unique_snapshot = unique_file;

} // namespace general::windows
