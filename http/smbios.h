#pragma once
// The pure half of the machine identifier: walking the firmware's SMBIOS
// structure table, the identity text built from its system UUID and the
// computer's name, and the byte and digit forms around the digest. No system
// calls, so every rule can be checked on tables built in memory.
//
// Every byte of a table is read with a bounds check; a read past its end throws
// std::out_of_range("invalid vector<T> subscript"). Nothing else throws except
// std::bad_alloc. Safe from any thread.
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace machine_id {

using smbios_table = std::vector<std::uint8_t>;
using uuid_bytes = std::array<std::uint8_t, 16>;

// Offset of the first System Information structure (type 1). Walks from the
// start, one structure (formatted area plus string set) at a time; nothing when
// the walk meets a structure of length 0. A walk that runs off the end of the
// table (strings that never end included), an empty table included, throws
// std::out_of_range. Linear in the table's size.
std::optional<std::size_t> find_system_information(const smbios_table& table);

// The 16 UUID bytes of the type-1 structure at `offset`, in table order.
// Nothing when its formatted area is too short to hold them (firmware of the
// first SMBIOS versions had no UUID there). Throws std::out_of_range when the
// bytes lie past the end of the table.
std::optional<uuid_bytes> system_uuid(const smbios_table& table, std::size_t offset);

// False for the patterns firmware writes when it has no real UUID: the first
// four bytes equal to the next four (all zero, all 0xFF), or bytes 6 and 7 zero
// with 4 or 5 set and bytes 8 to 11 zero.
bool is_usable_uuid(const uuid_bytes& uuid);

// "33221100-77665544-bbaa9988-ffeeddcc-NAME" for the bytes 00 11 .. FF.
std::wstring uuid_identity(const uuid_bytes& uuid, const std::wstring& computer_name);

// The identity text for `table`:
// - a usable UUID: its uuid_identity;
// - an unusable or missing UUID, or an empty table (no instance of the firmware
//   tables answered): `random_uuid()`, a blank-free UUID text, a hyphen and the
//   name, so the machine still reports but under a new identity each run;
// - no type-1 structure before a zero-length one: empty.
// Throws what the walk throws for a table that is not empty.
std::wstring identity_text(const smbios_table& table, const std::wstring& computer_name,
                           const std::function<std::wstring()>& random_uuid);

// One byte per UTF-16 code unit: its low 8 bits (characters above U+00FF are
// truncated, not encoded, so identifiers stay what the servers already know).
std::string digest_input(std::wstring_view identity);

// Two lowercase hexadecimal digits per byte, in order.
std::wstring hex_digits(const std::uint8_t* bytes, std::size_t count);

} // namespace machine_id
