// The system half of the machine identifier: the system's SHA-256, the random
// UUID, the computer name and the WMI read with its time limit.
#include "http/machine_id.h"

#include <winsock2.h>
#include <windows.h>

#include <objbase.h>

#include <gtest/gtest.h>

#include <future>
#include <regex>

#include "general/log/log.h"
#include "tests/support/worker_environment.h"

namespace {

using namespace std::chrono_literals;
using machine_id::identifier_of;
using machine_id::smbios_table;

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

// A type-1 structure whose UUID bytes are 00 11 .. FF.
smbios_table example_uuid_table()
{
    smbios_table table = {1, 27, 0, 0, 1, 2, 3, 4};
    for (int i = 0; i < 16; ++i)
        table.push_back(static_cast<std::uint8_t>(i * 0x11));
    table.insert(table.end(), {6, 0, 0, 'x', 0, 0});
    return table;
}

TEST(machine_identifier, the_example_uuid_gives_the_digest_of_its_identity)
{
    const std::wstring name = machine_id::computer_name();
    ASSERT_FALSE(name.empty());
    EXPECT_EQ(machine_id::machine_identifier(example_uuid_table()),
              identifier_of(L"33221100-77665544-bbaa9988-ffeeddcc-" + name));
}

TEST(machine_identifier, without_firmware_tables_each_computation_names_the_machine_afresh)
{
    const std::wstring first = machine_id::machine_identifier(smbios_table{});
    const std::wstring second = machine_id::machine_identifier(smbios_table{});
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
    for (int i = 0; i < 2; ++i)
        EXPECT_NO_THROW(machine_id::read_smbios_table());
    CoUninitialize();
}

// This thread never joined COM: the identifier reads WMI in an apartment of
// its own, and Wine's answer (an empty value) is no reason to give up on it.
TEST(smbios_read, machine_identifier_needs_no_com_on_the_calling_thread)
{
    const test_support::captured_log log;
    std::wstring identifier;
    EXPECT_NO_THROW(identifier = machine_id::machine_identifier());
    EXPECT_TRUE(std::regex_match(identifier, identifier_form)) << identifier;
    EXPECT_TRUE(log.lines().empty());
}

// A reader is handed a gate the test opens at its end, so a blocked read ends
// before the test does. Only the hung read is given a short bound, so a slow
// machine cannot turn an answer into a time-out.
struct bounded_read_case {
    const char* name;
    std::function<smbios_table(std::shared_future<void>)> read;
    std::chrono::milliseconds bound;
    smbios_table expected;
    std::wstring logged; // part of the one error line; empty: no line at all
};

const bounded_read_case bounded_read_cases[] = {
    {"answers in time", [](auto) { return example_uuid_table(); }, 10s, example_uuid_table(), L""},
    {"hangs",
     [](auto gate) {
         gate.wait();
         return example_uuid_table();
     },
     200ms,
     {},
     L"[machine_id] the firmware tables were not read within 200 ms"},
    {"fails",
     [](auto) -> smbios_table { throw std::runtime_error("access denied"); },
     10s,
     {},
     L"failed: access denied"},
    {"throws a non-exception", [](auto) -> smbios_table { throw 5; }, 10s, {}, L"failed with an unknown error"},
};

TEST(smbios_read, a_hung_or_failing_read_falls_back_to_no_tables)
{
    for (const auto& each : bounded_read_cases) {
        SCOPED_TRACE(each.name);
        const test_support::captured_log log;
        std::promise<void> release;
        const machine_id::table_reader read = [read = each.read, gate = release.get_future().share()] {
            return read(gate);
        };
        auto table =
            std::async(std::launch::async, [&] { return machine_id::read_smbios_table_within(read, each.bound); });
        const auto status = table.wait_for(30s);
        release.set_value();
        ASSERT_EQ(status, std::future_status::ready);
        EXPECT_EQ(table.get(), each.expected);
        const auto lines = log.lines();
        ASSERT_EQ(lines.size(), each.logged.empty() ? 0u : 1u);
        if (!lines.empty()) {
            EXPECT_EQ(lines[0].first, general::log::level_error);
            EXPECT_NE(lines[0].second.find(each.logged), std::wstring::npos) << lines[0].second;
        }
    }
}

} // namespace
