#include "general/windows/registry.h"

#include <sddl.h>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "tests/support/scratch_registry.h"

namespace {

using general::windows::registry_delete_tree;
using general::windows::registry_read;
using general::windows::registry_text;
using general::windows::registry_value;
using general::windows::registry_write;
using test_support::write_raw_value;

const std::wstring key = L"SOFTWARE\\QelRegistryTest";
const registry_value fallback = std::wstring{L"fallback"};

class registry_test : public testing::Test {
protected:
    registry_value read(const std::wstring& name, const std::wstring& in = key)
    {
        return registry_read(HKEY_LOCAL_MACHINE, in, name, fallback);
    }

    void write_raw(const std::wstring& name, DWORD type, const void* data, DWORD size)
    {
        write_raw_value(HKEY_LOCAL_MACHINE, key, name, type, data, size);
    }

    test_support::scratch_registry registry;
};

// --- kinds --------------------------------------------------------------------

TEST_F(registry_test, each_kind_round_trips_under_its_own_kind)
{
    const registry_value values[] = {
        std::uint32_t{0xDEADBEEF},
        std::uint64_t{0x1122334455667788ULL},
        std::wstring{L"Gr\u00FC\u00DFe \u2602 \U0001D11E"},
        std::wstring{},
        std::vector<std::uint8_t>{0, 1, 0x7F, 0xFF},
        std::vector<std::uint8_t>{},
    };
    for (std::size_t i = 0; i < std::size(values); ++i) {
        const std::wstring name = L"value" + std::to_wstring(i);
        ASSERT_TRUE(registry_write(HKEY_LOCAL_MACHINE, key, name, values[i])) << i;
        const registry_value back = read(name);
        EXPECT_EQ(back.which(), values[i].which()) << i;
        EXPECT_TRUE(back == values[i]) << i;
    }
}

TEST_F(registry_test, text_is_stored_as_reg_sz_with_its_terminator)
{
    ASSERT_TRUE(registry_write(HKEY_LOCAL_MACHINE, key, L"text", std::wstring{L"abc"}));
    DWORD type = 0;
    DWORD size = 0;
    ASSERT_EQ(RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), L"text", RRF_RT_ANY | RRF_NOEXPAND, &type, nullptr, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 4 * sizeof(wchar_t));
}

TEST_F(registry_test, write_creates_a_missing_nested_key)
{
    const std::wstring nested = key + L"\\one\\two";
    ASSERT_TRUE(registry_write(HKEY_CURRENT_USER, nested, L"n", std::uint32_t{5}));
    EXPECT_EQ(boost::get<std::uint32_t>(registry_read(HKEY_CURRENT_USER, nested, L"n", fallback)), 5u);
}

// --- what gives the fallback ---------------------------------------------------

TEST_F(registry_test, missing_key_or_value_gives_the_fallback)
{
    EXPECT_TRUE(registry_read(HKEY_LOCAL_MACHINE, L"SOFTWARE\\QelNoSuchKey", L"v", fallback) == fallback);
    ASSERT_TRUE(registry_write(HKEY_LOCAL_MACHINE, key, L"present", std::uint32_t{1}));
    EXPECT_TRUE(read(L"absent") == fallback);
}

TEST_F(registry_test, text_of_511_characters_fits_and_512_gives_the_fallback)
{
    const std::wstring longest(511, L'x');
    ASSERT_TRUE(registry_write(HKEY_LOCAL_MACHINE, key, L"511", longest));
    ASSERT_TRUE(registry_write(HKEY_LOCAL_MACHINE, key, L"512", longest + L"y"));
    EXPECT_EQ(registry_text(read(L"511")), longest);
    EXPECT_TRUE(read(L"512") == fallback);
}

TEST_F(registry_test, bytes_up_to_1024_are_read_and_more_give_the_fallback)
{
    std::vector<std::uint8_t> bytes(1024);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7);
    ASSERT_TRUE(registry_write(HKEY_LOCAL_MACHINE, key, L"1024", bytes));
    bytes.push_back(1);
    ASSERT_TRUE(registry_write(HKEY_LOCAL_MACHINE, key, L"1025", bytes));
    bytes.pop_back();
    EXPECT_TRUE(read(L"1024") == registry_value{bytes});
    EXPECT_TRUE(read(L"1025") == fallback);
}

TEST_F(registry_test, number_of_the_wrong_length_gives_the_fallback)
{
    const std::uint64_t number = 0x0102030405060708ULL;
    write_raw(L"short dword", REG_DWORD, &number, 2);
    write_raw(L"short qword", REG_QWORD, &number, 4);
    EXPECT_TRUE(read(L"short dword") == fallback);
    EXPECT_TRUE(read(L"short qword") == fallback);
}

// --- text that is not a clean null-terminated string ----------------------------

TEST_F(registry_test, text_ends_at_its_first_null)
{
    const wchar_t stored[] = L"ab\0cd";
    write_raw(L"embedded", REG_SZ, stored, sizeof stored);
    EXPECT_EQ(registry_text(read(L"embedded")), L"ab");
}

TEST_F(registry_test, unterminated_text_is_read_whole)
{
    const std::wstring stored = L"abcde";
    write_raw(L"short", REG_SZ, stored.data(), static_cast<DWORD>(stored.size() * sizeof(wchar_t)));
    EXPECT_EQ(registry_text(read(L"short")), stored);

    // Fills the read buffer exactly, leaving no room for a terminator. Wine then
    // reports the data as too long (the caller would need room for the null);
    // either way nothing from beyond the buffer may show up.
    const std::wstring full(512, L'z');
    write_raw(L"full", REG_SZ, full.data(), static_cast<DWORD>(full.size() * sizeof(wchar_t)));
    const registry_value read_back = read(L"full");
    EXPECT_TRUE(read_back == registry_value{full} || read_back == fallback);
}

TEST_F(registry_test, odd_length_text_drops_the_half_character)
{
    const char stored[] = {'a', 0, 'b', 0, 'c', 0, 'd'};
    write_raw(L"odd", REG_SZ, stored, sizeof stored);
    EXPECT_EQ(registry_text(read(L"odd")), L"abc");
}

// --- unsupported types -------------------------------------------------------

TEST_F(registry_test, every_other_type_throws_not_implemented)
{
    const wchar_t text[] = L"%SystemRoot%\\x";
    const std::uint32_t number = 1;
    write_raw(L"expand", REG_EXPAND_SZ, text, sizeof text);
    write_raw(L"multi", REG_MULTI_SZ, L"a\0b\0", 5 * sizeof(wchar_t));
    write_raw(L"big endian", REG_DWORD_BIG_ENDIAN, &number, sizeof number);
    write_raw(L"none", REG_NONE, nullptr, 0);
    for (const wchar_t* name : {L"expand", L"multi", L"big endian", L"none"}) {
        try {
            read(name);
            ADD_FAILURE() << "no exception for " << testing::PrintToString(std::wstring{name});
        } catch (const std::runtime_error& error) {
            EXPECT_STREQ(error.what(), "[windows::registry] not implemented");
        }
    }
}

// --- keys this account may not fully use ----------------------------------------

struct local_free {
    void operator()(void* memory) const { LocalFree(memory); }
};

// Replaces the access list of `key` with one that grants everyone `rights` and
// nothing else. The owner keeps the right to change the list, which the cleanup
// uses to hand the scratch registry a key it can delete.
void grant_only(HKEY hive, const std::wstring& key, DWORD rights)
{
    // An empty list grants nothing.
    std::wstring text = L"D:P";
    if (rights != 0) {
        wchar_t hex[16];
        swprintf(hex, 16, L"%lX", static_cast<unsigned long>(rights));
        text += L"(A;;0x" + std::wstring(hex) + L";;;WD)";
    }
    PSECURITY_DESCRIPTOR raw = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(text.c_str(), SDDL_REVISION_1, &raw, nullptr));
    const std::unique_ptr<void, local_free> descriptor(raw);
    general::windows::unique_registry_key opened;
    ASSERT_EQ(RegOpenKeyExW(hive, key.c_str(), 0, WRITE_DAC, opened.put()), ERROR_SUCCESS);
    ASSERT_EQ(RegSetKeySecurity(opened.get(), DACL_SECURITY_INFORMATION, descriptor.get()), ERROR_SUCCESS);
}

TEST_F(registry_test, key_this_account_may_only_read_or_only_write_is_used_as_far_as_allowed)
{
    struct access_case {
        const char* what;
        DWORD rights;
        bool read_gives_the_value;
        bool write_succeeds;
    };
    const access_case cases[] = {
        {"reading only", KEY_READ, true, false},
        {"querying values only", KEY_QUERY_VALUE, true, false},
        {"setting values only", KEY_SET_VALUE, false, true},
        {"no rights", 0, false, false},
    };
    int index = 0;
    for (const auto& each : cases) {
        SCOPED_TRACE(each.what);
        const std::wstring locked = key + L"\\locked" + std::to_wstring(index++);
        const std::uint32_t stored = 7;
        write_raw_value(HKEY_LOCAL_MACHINE, locked, L"v", REG_DWORD, &stored, sizeof stored);
        grant_only(HKEY_LOCAL_MACHINE, locked, each.rights);

        // Proof that the access list is in force: full rights are refused.
        general::windows::unique_registry_key probe;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, locked.c_str(), 0, KEY_ALL_ACCESS, probe.put()) == ERROR_SUCCESS)
            GTEST_SKIP() << "this system does not enforce registry access lists";

        const registry_value read_back = registry_read(HKEY_LOCAL_MACHINE, locked, L"v", fallback);
        EXPECT_EQ(read_back == registry_value{std::uint32_t{7}}, each.read_gives_the_value);
        if (!each.read_gives_the_value) {
            EXPECT_TRUE(read_back == fallback);
        }
        EXPECT_EQ(registry_write(HKEY_LOCAL_MACHINE, locked, L"v", std::uint32_t{8}), each.write_succeeds);

        grant_only(HKEY_LOCAL_MACHINE, locked, KEY_ALL_ACCESS);
        EXPECT_EQ(boost::get<std::uint32_t>(read(L"v", locked)), each.write_succeeds ? 8u : 7u);
    }
}

// --- deleting trees ----------------------------------------------------------

TEST_F(registry_test, delete_tree_removes_subkeys_and_a_missing_key_is_no_error)
{
    ASSERT_TRUE(registry_write(HKEY_CURRENT_USER, key + L"\\a\\b", L"v", std::uint32_t{1}));
    ASSERT_TRUE(registry_write(HKEY_CURRENT_USER, key, L"v", std::uint32_t{2}));
    EXPECT_TRUE(registry_delete_tree(HKEY_CURRENT_USER, key));
    EXPECT_TRUE(registry_read(HKEY_CURRENT_USER, key, L"v", fallback) == fallback);
    EXPECT_TRUE(registry_read(HKEY_CURRENT_USER, key + L"\\a\\b", L"v", fallback) == fallback);
    EXPECT_TRUE(registry_delete_tree(HKEY_CURRENT_USER, key));
}

TEST_F(registry_test, delete_tree_of_an_empty_path_leaves_the_hive_alone)
{
    ASSERT_TRUE(registry_write(HKEY_CURRENT_USER, key, L"keep", std::uint32_t{3}));
    EXPECT_FALSE(registry_delete_tree(HKEY_CURRENT_USER, L""));
    EXPECT_EQ(boost::get<std::uint32_t>(registry_read(HKEY_CURRENT_USER, key, L"keep", fallback)), 3u);
}

} // namespace
