#include "tests/support/scratch_registry.h"

#include <shlwapi.h>

#include <atomic>
#include <stdexcept>

namespace test_support {

namespace {

general::windows::unique_registry_key create_key(HKEY parent, const std::wstring& path)
{
    general::windows::unique_registry_key key;
    if (RegCreateKeyExW(parent, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, key.put(),
                        nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("scratch registry: cannot create a key");
    return key;
}

} // namespace

scratch_registry::scratch_registry()
{
    static std::atomic<unsigned> counter{0};
    root_ = L"Software\\qel-tests-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(counter++);
    // Not volatile: the code under test creates ordinary keys, which a volatile
    // parent refuses.
    const auto root = create_key(HKEY_CURRENT_USER, root_);
    machine_ = create_key(root.get(), L"machine");
    user_ = create_key(root.get(), L"user");
    if (RegOverridePredefKey(HKEY_LOCAL_MACHINE, machine_.get()) != ERROR_SUCCESS ||
        RegOverridePredefKey(HKEY_CURRENT_USER, user_.get()) != ERROR_SUCCESS) {
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        SHDeleteKeyW(HKEY_CURRENT_USER, root_.c_str());
        throw std::runtime_error("scratch registry: cannot redirect the hives");
    }
}

scratch_registry::~scratch_registry()
{
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    machine_.reset();
    user_.reset();
    SHDeleteKeyW(HKEY_CURRENT_USER, root_.c_str());
}

void write_raw_value(HKEY hive, const std::wstring& key, const std::wstring& name, DWORD type, const void* data,
                     DWORD size)
{
    const auto opened = create_key(hive, key);
    if (RegSetValueExW(opened.get(), name.c_str(), 0, type, static_cast<const BYTE*>(data), size) != ERROR_SUCCESS)
        throw std::runtime_error("scratch registry: cannot store a value");
}

} // namespace test_support
