#pragma once
// The identifier every statistics event carries: 64 lowercase hexadecimal
// digits of the SHA-256 digest of an identity text made from the firmware's
// system UUID (its SMBIOS tables, read through WMI) and the computer's name.
// With a usable UUID it stays the same from run to run until the computer is
// renamed. The rules of the identity text are in http/smbios.h.
//
// Every function runs on the caller's thread, any thread, and blocks. Only
// read_smbios_table needs COM initialised on that thread and may wait without
// limit; machine_identifier() reads the tables on a thread of its own and waits
// for them at most smbios_read_bound. Failures throw exceptions derived from
// std::exception (WMI errors as std::runtime_error with the failing step and the
// HRESULT in signed decimal, the walk's std::out_of_range, com_error for the
// locator). Only the bounded read logs, and only when it gives up on the tables.
#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "http/smbios.h"

namespace machine_id {

// A COM call that failed with `code`.
class com_error : public std::runtime_error {
public:
    com_error(const std::string& what, long code) : std::runtime_error(what), code_(code) {}
    long code() const noexcept { return code_; }

private:
    long code_;
};

// The bytes of "SMBiosData" of the first instance of "MSSMBios_RawSMBiosTables"
// in "ROOT\\WMI" that has a non-empty byte array; empty when no instance has one
// (Wine's answer). Initialises COM security for the process first (a process
// whose security is already set goes on). Waits for WMI without a time limit.
smbios_table read_smbios_table();

// The DNS fully qualified name, else the NetBIOS name, else empty.
std::wstring computer_name();

// A new random UUID, 36 lowercase characters in 8-4-4-4-12 groups; empty when
// the system cannot make one.
std::wstring random_uuid_text();

// SHA-256 of `bytes` by the system's own provider (present from XP SP3 on).
// Throws std::runtime_error naming the failing step.
std::array<std::uint8_t, 32> sha256(std::string_view bytes);

// The identifier of `identity` (its low bytes, digested, in hexadecimal).
std::wstring identifier_of(std::wstring_view identity);

// The identifier for `table` and this computer's name.
std::wstring machine_identifier(const smbios_table& table);

// Gives the firmware tables; in the product, read_smbios_table in an apartment
// of its own.
using table_reader = std::function<smbios_table()>;

// How long machine_identifier() waits for WMI, from connecting to the last
// instance: a hung WMI service must not hold the caller (the user interface)
// any longer.
inline constexpr std::chrono::milliseconds smbios_read_bound{10000};

// What `read` gives within `bound` of the call; an empty table, so that the
// identifier is made without firmware tables, when it throws or time runs out,
// and then one error line "[machine_id] ..." says which. `read` runs on a thread
// of its own (without COM) that owns its copy of `read` and the result, so a
// read that outlives the wait is left to finish, or to end with the process,
// touching nothing of the caller's; whatever `read` uses it must own or share.
// Blocks at most `bound` (plus starting the thread); throws only std::bad_alloc.
smbios_table read_smbios_table_within(const table_reader& read, std::chrono::milliseconds bound);

// The identifier of this machine: the tables read_smbios_table gives within
// smbios_read_bound (see read_smbios_table_within), then the above. Needs no COM
// on the calling thread. WMI failures and time-outs do not throw (they are
// logged, as above); a table whose walk fails throws std::out_of_range, and the
// digest std::runtime_error.
std::wstring machine_identifier();

} // namespace machine_id
