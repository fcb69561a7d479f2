#pragma once
// Registry access for the installer's settings and markers. Keys are opened
// without a registry-view flag, so a 32-bit build sees the 32-bit view, and with
// only the rights the call uses: a read asks to query values, a write to set
// them, so a key this account may only read can still be read.
#include <winsock2.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include <boost/variant.hpp>

namespace general::windows {

// Exactly one of: REG_DWORD, REG_QWORD, REG_SZ, REG_BINARY. boost::get of a kind
// the value does not hold throws boost::bad_get.
using registry_value = boost::variant<std::uint32_t, std::uint64_t, std::wstring, std::vector<std::uint8_t>>;

// The text a value holds; throws boost::bad_get when it holds another kind.
const std::wstring& registry_text(const registry_value& value);

// Returns the stored value, or `fallback` when the key cannot be opened, the
// value is missing, its data is longer than 1024 bytes or a number is stored
// with the wrong length. Text ends at its first null or at the end of the data,
// whichever comes first (an odd last byte is dropped). Throws
// std::runtime_error "[windows::registry] not implemented" for any other stored
// type (REG_EXPAND_SZ among them).
registry_value registry_read(HKEY hive, const std::wstring& key, const std::wstring& name,
                             const registry_value& fallback);

// Stores the value under its kind, creating the key when it does not exist.
// Returns whether the value was stored.
bool registry_write(HKEY hive, const std::wstring& key, const std::wstring& name, const registry_value& value);

// Deletes a key with all its subkeys; a key that does not exist is not an error.
// An empty path is refused (false): it would name the whole hive.
bool registry_delete_tree(HKEY hive, const std::wstring& key);

} // namespace general::windows
