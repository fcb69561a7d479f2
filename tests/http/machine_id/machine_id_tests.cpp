// The system half of the machine identifier: the system's SHA-256, the random
// UUID, the computer name and the WMI read.
#include "http/machine_id.h"

#include <winsock2.h>
#include <windows.h>

#include <objbase.h>

#include <gtest/gtest.h>

#include <regex>

namespace {

using machine_id::identifier_of;

const std::wregex identifier_form{LR"(^[0-9a-f]{64}$)"};

TEST(machine_identifier, digest_of_the_empty_identity_is_that_of_zero_bytes)
{
    EXPECT_EQ(identifier_of(L""), L"e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
}

TEST(machine_identifier, digest_matches_the_published_test_vectors)
{
    EXPECT_EQ(identifier_of(L"abc"), L"ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    // 56 bytes: the padding spills into a second block.
    EXPECT_EQ(identifier_of(L"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              L"248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    const std::string million(1000000, 'a');
    const auto digest = machine_id::sha256(million);
    EXPECT_EQ(machine_id::hex_digits(digest.data(), digest.size()),
              L"cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

TEST(machine_identifier, characters_above_u00ff_count_with_their_low_byte_only)
{
    EXPECT_EQ(identifier_of(L"\u0161bc"), identifier_of(L"abc"));        // U+0161: low byte 0x61 'a'
    EXPECT_NE(identifier_of(L"\u00e9"), identifier_of(L"\u00c3\u00a9")); // not UTF-8 encoded
}

TEST(machine_identifier, the_example_uuid_gives_the_digest_of_its_identity)
{
    machine_id::smbios_table table = {1, 27, 0, 0, 1, 2, 3, 4};
    for (int i = 0; i < 16; ++i)
        table.push_back(static_cast<std::uint8_t>(i * 0x11));
    table.insert(table.end(), {6, 0, 0, 'x', 0, 0});
    const std::wstring name = machine_id::computer_name();
    ASSERT_FALSE(name.empty());
    EXPECT_EQ(machine_id::machine_identifier(table), identifier_of(L"33221100-77665544-bbaa9988-ffeeddcc-" + name));
}

TEST(machine_identifier, without_firmware_tables_each_computation_names_the_machine_afresh)
{
    const std::wstring first = machine_id::machine_identifier(machine_id::smbios_table{});
    const std::wstring second = machine_id::machine_identifier(machine_id::smbios_table{});
    EXPECT_TRUE(std::regex_match(first, identifier_form)) << first;
    EXPECT_TRUE(std::regex_match(second, identifier_form)) << second;
    EXPECT_NE(first, second);
}

TEST(random_uuid, has_the_text_form_of_the_rpc_library_and_differs_each_time)
{
    const std::wregex form{LR"(^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$)"};
    const std::wstring first = machine_id::random_uuid_text();
    EXPECT_TRUE(std::regex_match(first, form)) << first;
    EXPECT_NE(first, machine_id::random_uuid_text());
}

// Under Wine the firmware class answers with an empty value: the read ends
// with an empty table instead of asking for more instances or failing, and a
// second read in the same process (COM security already set) works as well.
TEST(smbios_read, reads_through_wmi_twice_in_one_process)
{
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    std::wstring identifiers[2];
    for (auto& identifier : identifiers) {
        EXPECT_NO_THROW(machine_id::read_smbios_table());
        EXPECT_NO_THROW(identifier = machine_id::machine_identifier());
        EXPECT_TRUE(std::regex_match(identifier, identifier_form)) << identifier;
    }
    CoUninitialize();
}

} // namespace
