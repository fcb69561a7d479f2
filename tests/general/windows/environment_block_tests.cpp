// The environment handed to a child: this process's, with some variables set in
// place of ours, as the block Windows takes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <utility>
#include <string>
#include <vector>

#include "general/windows/system.h"
#include "general/windows/text.h"
#include "tests/support/worker_environment.h"

namespace {

using general::windows::environment_block;

// The "name=value" entries of a block; names such as "=C:" start with "=".
std::vector<std::wstring> entries_of(const std::wstring& block)
{
    std::vector<std::wstring> entries;
    for (std::size_t start = 0; start < block.size() && block[start] != L'\0';) {
        const std::size_t end = block.find(L'\0', start);
        entries.push_back(block.substr(start, end - start));
        start = end + 1;
    }
    return entries;
}

// The name of an entry, upper-cased: names compare without regard to case.
std::wstring name_of(const std::wstring& entry)
{
    std::wstring name = entry.substr(0, entry.find(L'=', 1));
    for (auto& c : name)
        c = static_cast<wchar_t>(std::towupper(c));
    return name;
}

// The values the entries give `name`.
std::vector<std::wstring> values_of(const std::vector<std::wstring>& entries, const std::wstring& name)
{
    std::vector<std::wstring> values;
    for (const auto& entry : entries)
        if (name_of(entry) == name_of(name))
            values.push_back(entry.substr(entry.find(L'=', 1) + 1));
    return values;
}

TEST(environment_block, our_environment_with_the_settings_in_place_sorted_and_ended_by_two_nulls)
{
    const test_support::scoped_environment kept{L"QEL_BLOCK_KEPT", L"kept"};
    const test_support::scoped_environment replaced{L"QEL_Block_Replaced", L"ours"};
    const std::wstring block = environment_block({{L"qel_block_replaced", L"theirs"}, {L"QEL_BLOCK_ADDED", L"a=b c"}});
    ASSERT_GE(block.size(), 2u);
    EXPECT_EQ(block.substr(block.size() - 2), std::wstring(2, L'\0'));
    const auto entries = entries_of(block);
    std::size_t length = 1;
    for (const auto& entry : entries)
        length += entry.size() + 1;
    EXPECT_EQ(length, block.size()) << "an empty entry inside the block";

    for (const auto& [name, values] :
         std::vector<std::pair<std::wstring, std::vector<std::wstring>>>{{L"QEL_BLOCK_REPLACED", {L"theirs"}},
                                                                         {L"QEL_BLOCK_ADDED", {L"a=b c"}},
                                                                         {L"QEL_BLOCK_KEPT", {L"kept"}},
                                                                         {L"QEL_BLOCK_ABSENT", {}}})
        EXPECT_EQ(values_of(entries, name), values) << general::windows::wide_to_utf8(name);
    // Every other variable of ours is handed on.
    EXPECT_EQ(entries.size(), entries_of(environment_block({})).size() + 1);
    EXPECT_TRUE(std::is_sorted(entries.begin(), entries.end(),
                               [](const std::wstring& a, const std::wstring& b) { return name_of(a) < name_of(b); }));
}

} // namespace
