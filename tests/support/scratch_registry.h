#pragma once
// Redirects HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER of this process to two fresh,
// empty keys for the object's life, so a test can write settings and markers
// without touching the machine's. The redirection is process-wide: one object
// at a time, and no other thread may use those hives meanwhile. Throws
// std::runtime_error when the redirection cannot be set up.
#include <winsock2.h>
#include <windows.h>

#include <string>

#include "general/windows/handle.h"

namespace test_support {

class scratch_registry {
public:
    scratch_registry();
    ~scratch_registry();
    scratch_registry(const scratch_registry&) = delete;
    scratch_registry& operator=(const scratch_registry&) = delete;

private:
    std::wstring root_; // under the real HKEY_CURRENT_USER
    general::windows::unique_registry_key machine_;
    general::windows::unique_registry_key user_;
};

// Stores raw data of any type, bypassing the code under test: for values the
// installer itself never writes (other types, missing terminators). Throws
// std::runtime_error on failure.
void write_raw_value(HKEY hive, const std::wstring& key, const std::wstring& name, DWORD type, const void* data,
                     DWORD size);

} // namespace test_support
