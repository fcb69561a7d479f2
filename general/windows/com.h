#pragma once
// The calling thread in COM's single-threaded apartment for the object's life.
// A thread that already runs another apartment model keeps it and is not
// uninitialised afterwards, so nesting and foreign threads stay balanced.
#include <winsock2.h>
#include <windows.h>

#include <objbase.h>

namespace general::windows {

class com_apartment {
public:
    com_apartment() noexcept : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
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

} // namespace general::windows
