#include "http/smbios.h"

#include <cstdio>
#include <stdexcept>

namespace machine_id {

namespace {

constexpr std::uint8_t system_information_type = 1;
constexpr std::size_t uuid_offset = 8;
// The formatted area must reach past the UUID for the UUID to be there at all.
constexpr std::size_t uuid_end = uuid_offset + sizeof(uuid_bytes);

std::uint8_t byte_at(const smbios_table& table, std::size_t index)
{
    if (index >= table.size())
        throw std::out_of_range("invalid vector<T> subscript");
    return table[index];
}

// Length of the string set that starts at `start`, through the second of the
// two zero bytes that end it; 0 when the table ends before such a pair.
std::size_t string_set_length(const smbios_table& table, std::size_t start)
{
    for (std::size_t i = start; i < table.size() && table.size() - i >= 2; ++i) {
        if (table[i] == 0 && table[i + 1] == 0)
            return i + 2 - start;
    }
    return 0;
}

std::uint32_t little_endian_32(const uuid_bytes& u, std::size_t at)
{
    return static_cast<std::uint32_t>(u[at]) | static_cast<std::uint32_t>(u[at + 1]) << 8 |
           static_cast<std::uint32_t>(u[at + 2]) << 16 | static_cast<std::uint32_t>(u[at + 3]) << 24;
}

unsigned little_endian_16(const uuid_bytes& u, std::size_t at)
{
    return static_cast<unsigned>(u[at]) | static_cast<unsigned>(u[at + 1]) << 8;
}

std::wstring random_identity(const std::function<std::wstring()>& random_uuid, const std::wstring& computer_name)
{
    return random_uuid() + L"-" + computer_name;
}

} // namespace

std::optional<std::size_t> find_system_information(const smbios_table& table)
{
    std::size_t cursor = 0;
    for (;;) {
        const std::uint8_t type = byte_at(table, cursor);
        const std::size_t formatted = byte_at(table, cursor + 1);
        if (type == system_information_type)
            return cursor;
        // The standard's rule for every type, vendor types (128 and up) included.
        const std::size_t strings = string_set_length(table, cursor + formatted);
        if (strings == 0) {
            // A structure of length 0 ends the walk. Strings that never end run
            // to the end of the table: there is nothing after them to walk to,
            // and stepping on from inside them would scan the rest of the table
            // again for every step.
            if (formatted == 0)
                return std::nullopt;
            throw std::out_of_range("invalid vector<T> subscript");
        }
        cursor += formatted + strings;
    }
}

std::optional<uuid_bytes> system_uuid(const smbios_table& table, std::size_t offset)
{
    if (byte_at(table, offset + 1) < uuid_end)
        return std::nullopt;
    uuid_bytes uuid{};
    for (std::size_t i = 0; i < uuid.size(); ++i)
        uuid[i] = byte_at(table, offset + uuid_offset + i);
    return uuid;
}

bool is_usable_uuid(const uuid_bytes& u)
{
    if (little_endian_32(u, 0) == little_endian_32(u, 4))
        return false;
    const bool time_high_zero = u[6] == 0 && u[7] == 0;
    const bool time_mid_zero = u[4] == 0 && u[5] == 0;
    const bool clock_zero = u[8] == 0 && u[9] == 0 && u[10] == 0 && u[11] == 0;
    return !(time_high_zero && !time_mid_zero && clock_zero);
}

std::wstring uuid_identity(const uuid_bytes& u, const std::wstring& computer_name)
{
    char text[40];
    std::snprintf(text, sizeof text, "%08lx-%04x%04x-%02x%02x%02x%02x-%02x%02x%02x%02x-",
                  static_cast<unsigned long>(little_endian_32(u, 0)), little_endian_16(u, 6), little_endian_16(u, 4),
                  u[11], u[10], u[9], u[8], u[15], u[14], u[13], u[12]);
    // The text is ASCII digits and hyphens only, so widening byte by byte is exact.
    const std::string narrow{text};
    return std::wstring(narrow.begin(), narrow.end()) + computer_name;
}

std::wstring identity_text(const smbios_table& table, const std::wstring& computer_name,
                           const std::function<std::wstring()>& random_uuid)
{
    // No firmware table at all (Wine answers the WMI query with an empty value):
    // statistics must still go out, so the machine is named afresh for this run.
    if (table.empty())
        return random_identity(random_uuid, computer_name);
    const auto found = find_system_information(table);
    if (!found)
        return {};
    const auto uuid = system_uuid(table, *found);
    if (!uuid || !is_usable_uuid(*uuid))
        return random_identity(random_uuid, computer_name);
    return uuid_identity(*uuid, computer_name);
}

std::string digest_input(std::wstring_view identity)
{
    std::string bytes;
    bytes.reserve(identity.size());
    for (const wchar_t unit : identity)
        bytes.push_back(static_cast<char>(static_cast<unsigned>(unit) & 0xFFu));
    return bytes;
}

std::wstring hex_digits(const std::uint8_t* bytes, std::size_t count)
{
    static constexpr wchar_t digits[] = L"0123456789abcdef";
    std::wstring text;
    text.reserve(count * 2);
    for (std::size_t i = 0; i < count; ++i) {
        text.push_back(digits[bytes[i] >> 4]);
        text.push_back(digits[bytes[i] & 0x0F]);
    }
    return text;
}

} // namespace machine_id
