// The SMBIOS walk and the identity text, on tables built here.
#include "http/smbios.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using machine_id::find_system_information;
using machine_id::identity_text;
using machine_id::smbios_table;
using machine_id::uuid_bytes;

const uuid_bytes example_uuid = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77,
                                 0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};

// One structure: the 4-byte header (type, length, handle), `formatted` after
// it, then the strings, each ended by a zero, and the zero that ends the set
// (two zeros for a set without strings).
smbios_table structure(std::uint8_t type, const std::vector<std::uint8_t>& formatted,
                       const std::vector<std::string>& strings)
{
    smbios_table bytes = {type, static_cast<std::uint8_t>(4 + formatted.size()), 0x34, 0x12};
    bytes.insert(bytes.end(), formatted.begin(), formatted.end());
    for (const auto& text : strings) {
        bytes.insert(bytes.end(), text.begin(), text.end());
        bytes.push_back(0);
    }
    if (strings.empty())
        bytes.push_back(0);
    bytes.push_back(0);
    return bytes;
}

// System Information as SMBIOS 2.4 lays it out (27 bytes: four string
// numbers, the UUID, wake-up type, SKU and family).
smbios_table system_information(const uuid_bytes& uuid)
{
    std::vector<std::uint8_t> formatted = {1, 2, 3, 4};
    formatted.insert(formatted.end(), uuid.begin(), uuid.end());
    formatted.insert(formatted.end(), {6, 5, 6});
    return structure(1, formatted, {"Maker", "Model", "1.0", "SN-001", "SKU", "Family"});
}

smbios_table bios()
{
    return structure(0, std::vector<std::uint8_t>(20, 0x11), {"Vendor", "2.3", "01/01/2020"});
}
smbios_table vendor_specific()
{
    return structure(200, {0xAA, 0x00, 0x00, 0xBB}, {"OEM string"});
}
smbios_table end_of_table()
{
    return structure(127, {}, {});
}

smbios_table join(std::initializer_list<smbios_table> parts)
{
    smbios_table all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

std::wstring identity(const smbios_table& table)
{
    return identity_text(table, L"WORKSTATION7", [] { return std::wstring{L"RANDOM"}; });
}

void expect_out_of_range(const smbios_table& table)
{
    try {
        identity(table);
        ADD_FAILURE() << "no error";
    } catch (const std::out_of_range& error) {
        EXPECT_STREQ(error.what(), "invalid vector<T> subscript");
    }
}

TEST(smbios_walk, finds_system_information_first_in_the_table)
{
    const smbios_table table = join({system_information(example_uuid), end_of_table()});
    EXPECT_EQ(find_system_information(table), std::optional<std::size_t>{0});
    EXPECT_EQ(identity(table), L"33221100-77665544-bbaa9988-ffeeddcc-WORKSTATION7");
}

TEST(smbios_walk, steps_over_other_structures_by_formatted_area_and_strings)
{
    const smbios_table table = join(
        {bios(), vendor_specific(), structure(3, {1, 2, 3}, {}), system_information(example_uuid), end_of_table()});
    EXPECT_EQ(find_system_information(table), bios().size() + vendor_specific().size() + 9);
    EXPECT_EQ(identity(table), L"33221100-77665544-bbaa9988-ffeeddcc-WORKSTATION7");
}

TEST(smbios_walk, a_table_without_system_information_ends_in_the_range_error)
{
    expect_out_of_range(join({bios(), vendor_specific(), end_of_table()}));
}

TEST(smbios_walk, truncated_tables_end_in_the_range_error)
{
    const smbios_table whole = join({bios(), system_information(example_uuid)});
    // Cut inside the UUID, and inside the header of the structure that holds it.
    expect_out_of_range(smbios_table(whole.begin(), whole.begin() + static_cast<long>(bios().size()) + 12));
    expect_out_of_range(smbios_table(whole.begin(), whole.begin() + static_cast<long>(bios().size()) + 1));
    // Strings without their closing zeros before the end of the table.
    smbios_table unterminated = bios();
    unterminated.resize(unterminated.size() - 2);
    expect_out_of_range(unterminated);
}

TEST(smbios_walk, a_zero_length_structure_ends_the_walk_with_an_empty_identity)
{
    // Type 2 with a formatted length of 0 and no pair of zeros after it.
    const smbios_table zero = {2, 0, 7, 7, 7};
    EXPECT_EQ(find_system_information(join({bios(), zero})), std::nullopt);
    EXPECT_EQ(identity(join({bios(), zero})), L"");
    EXPECT_EQ(identity(zero), L"");
}

// --- usable and unusable UUIDs -----------------------------------------------------

TEST(smbios_identity, placeholder_uuids_give_the_random_form)
{
    const uuid_bytes placeholders[] = {
        {}, // all zero
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
        {0x12, 0x34, 0x56, 0x78, 0x12, 0x34, 0x56, 0x78, 9, 9, 9, 9, 9, 9, 9, 9}, // first four twice
        {0x01, 0x02, 0x03, 0x04, 0x05, 0x00, 0x00, 0x00, 0, 0, 0, 0, 7, 7, 7, 7}, // only time-mid set
        {0x01, 0x02, 0x03, 0x04, 0x00, 0x06, 0x00, 0x00, 0, 0, 0, 0, 7, 7, 7, 7},
    };
    for (const auto& uuid : placeholders) {
        EXPECT_FALSE(machine_id::is_usable_uuid(uuid));
        EXPECT_EQ(identity(join({system_information(uuid), end_of_table()})), L"RANDOM-WORKSTATION7");
    }
}

TEST(smbios_identity, near_misses_of_the_placeholders_are_usable)
{
    const uuid_bytes usable[] = {
        {0x12, 0x34, 0x56, 0x78, 0x12, 0x34, 0x56, 0x79, 9, 9, 9, 9, 9, 9, 9, 9},
        {0x01, 0x02, 0x03, 0x04, 0x00, 0x00, 0x00, 0x00, 0, 0, 0, 0, 7, 7, 7, 7}, // time-mid zero too
        {0x01, 0x02, 0x03, 0x04, 0x05, 0x00, 0x00, 0x00, 0, 0, 0, 1, 7, 7, 7, 7}, // clock not zero
        {0x01, 0x02, 0x03, 0x04, 0x05, 0x00, 0x00, 0x01, 0, 0, 0, 0, 7, 7, 7, 7}, // time-high not zero
    };
    for (const auto& uuid : usable) {
        EXPECT_TRUE(machine_id::is_usable_uuid(uuid));
        EXPECT_EQ(identity(join({system_information(uuid), end_of_table()})),
                  machine_id::uuid_identity(uuid, L"WORKSTATION7"));
    }
}

TEST(smbios_identity, system_information_too_short_for_a_uuid_gives_the_random_form)
{
    // SMBIOS 2.0 firmware: four string numbers and nothing else; what follows
    // them are strings, not a UUID.
    const smbios_table table =
        join({structure(1, {1, 2, 3, 4}, {"Maker", "Model", "1.0", "SN-0123456789"}), end_of_table()});
    EXPECT_EQ(identity(table), L"RANDOM-WORKSTATION7");
}

TEST(smbios_identity, no_table_at_all_gives_the_random_form)
{
    EXPECT_EQ(identity({}), L"RANDOM-WORKSTATION7");
}

TEST(smbios_identity, digits_are_lowercase_and_zero_padded)
{
    const uuid_bytes uuid = {0x0A, 0x00, 0x00, 0x00, 0x01, 0x00, 0x02, 0x00, 0x03, 0x04, 0x05, 0x06, 0, 0, 0, 0x0F};
    EXPECT_EQ(machine_id::uuid_identity(uuid, L""), L"0000000a-00020001-06050403-0f000000-");
}

// --- digest input and digits -------------------------------------------------------

TEST(digest_input, keeps_only_the_low_byte_of_each_code_unit)
{
    EXPECT_EQ(machine_id::digest_input(L"Az09-"), "Az09-");
    EXPECT_EQ(machine_id::digest_input(L"\u00e9"), "\xe9");
    EXPECT_EQ(machine_id::digest_input(L"\u0141\u4e2d"), std::string("\x41\x2d"));
    EXPECT_EQ(machine_id::digest_input(std::wstring(L"a\0b", 3)), std::string("a\0b", 3));
}

TEST(hex_digits, two_lowercase_digits_per_byte)
{
    const std::uint8_t bytes[] = {0x00, 0x0f, 0xa0, 0xff};
    EXPECT_EQ(machine_id::hex_digits(bytes, 4), L"000fa0ff");
    EXPECT_EQ(machine_id::hex_digits(bytes, 0), L"");
}

} // namespace

// Strings that never end used to send the walk over the rest of the table once
// per step: on this 4 MB table that is about 10^12 reads, far beyond the test's
// time-out. Stopping at the first such structure makes it one pass.
TEST(smbios_walk, strings_that_never_end_stop_the_walk_at_once)
{
    smbios_table endless = {4, 4, 0, 0};
    endless.resize(4 * 1024 * 1024, 4); // structure after structure of type 4, no two zeros anywhere
    expect_out_of_range(endless);
}
