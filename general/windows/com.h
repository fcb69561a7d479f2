#pragma once
// COM ownership: the calling thread's apartment for an object's life, and one
// reference to an interface.
#include <winsock2.h>
#include <windows.h>

#include <objbase.h>
#include <oleauto.h>

#include <new>

#include <utility>

namespace general::windows {

// The calling thread in a COM apartment for the object's life: single-threaded
// unless `model` says COINIT_MULTITHREADED (a thread that runs no message loop).
// A thread that already runs another apartment model keeps it and is not
// uninitialised afterwards, so nesting and foreign threads stay balanced.
class com_apartment {
public:
    explicit com_apartment(DWORD model = COINIT_APARTMENTTHREADED) noexcept
        : initialised_(SUCCEEDED(CoInitializeEx(nullptr, model)))
    {
    }
    ~com_apartment()
    {
        if (initialised_)
            CoUninitialize();
    }
    com_apartment(const com_apartment&) = delete;
    com_apartment& operator=(const com_apartment&) = delete;

private:
    bool initialised_;
};

// Owner of one reference to a COM interface; move-only. Release runs on
// destruction and before `put` hands out the slot for a new reference.
template <typename Interface>
class com_ptr {
public:
    com_ptr() noexcept = default;
    ~com_ptr() { reset(); }
    com_ptr(com_ptr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    com_ptr& operator=(com_ptr&& other) noexcept
    {
        if (this != &other) {
            reset();
            pointer_ = std::exchange(other.pointer_, nullptr);
        }
        return *this;
    }
    com_ptr(const com_ptr&) = delete;
    com_ptr& operator=(const com_ptr&) = delete;

    Interface* get() const noexcept { return pointer_; }
    Interface* operator->() const noexcept { return pointer_; }
    explicit operator bool() const noexcept { return pointer_ != nullptr; }

    Interface** put() noexcept
    {
        reset();
        return &pointer_;
    }
    void** put_void() noexcept { return reinterpret_cast<void**>(put()); }

    // Another interface `id` of the same object; empty when the object lacks it.
    template <typename Other>
    com_ptr<Other> query(REFIID id) const noexcept
    {
        com_ptr<Other> other;
        if (pointer_)
            pointer_->QueryInterface(id, other.put_void());
        return other;
    }

    void reset() noexcept
    {
        if (pointer_)
            std::exchange(pointer_, nullptr)->Release();
    }

private:
    Interface* pointer_ = nullptr;
};

// An automation string, freed on scope exit. Throws std::bad_alloc when it
// can't be allocated.
class bstr {
public:
    explicit bstr(const wchar_t* text) : value_(SysAllocString(text))
    {
        if (!value_)
            throw std::bad_alloc();
    }
    ~bstr() { SysFreeString(value_); }
    bstr(const bstr&) = delete;
    bstr& operator=(const bstr&) = delete;
    BSTR get() const noexcept { return value_; }

private:
    BSTR value_;
};

// A VARIANT cleared (and whatever it holds, a SAFEARRAY or a string included,
// freed) on scope exit.
struct variant {
    variant() noexcept { VariantInit(&value); }
    ~variant() { VariantClear(&value); }
    variant(const variant&) = delete;
    variant& operator=(const variant&) = delete;
    VARIANT value;
};

} // namespace general::windows
