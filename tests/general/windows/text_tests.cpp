#include "general/windows/text.h"

#include <gtest/gtest.h>

namespace {

using namespace general::windows;
using namespace std::string_view_literals;

TEST(text, utf8_round_trip_keeps_non_ascii_and_surrogate_pairs)
{
    const std::wstring wide = L"Gr\u00FC\u00DFe \u0410\u0411 \u2602 \U0001D11E";
    const std::string utf8 = wide_to_utf8(wide);
    EXPECT_EQ(utf8, "Gr\xC3\xBC\xC3\x9F"
                    "e \xD0\x90\xD0\x91 \xE2\x98\x82 \xF0\x9D\x84\x9E");
    EXPECT_EQ(utf8_to_wide(utf8), wide);
}

TEST(text, every_conversion_stops_at_an_embedded_null)
{
    EXPECT_EQ(utf8_to_wide("ab\0cd"sv), L"ab");
    EXPECT_EQ(wide_to_utf8(L"ab\0cd"sv), "ab");
    EXPECT_EQ(to_wide("ab\0cd"sv), L"ab");
    EXPECT_EQ(to_narrow(L"ab\0cd"sv), "ab");
    EXPECT_EQ(utf8_to_wide("\0cd"sv), L"");
}

TEST(text, empty_input_gives_empty_output)
{
    EXPECT_EQ(utf8_to_wide(""), L"");
    EXPECT_EQ(wide_to_utf8(L""), "");
    EXPECT_EQ(to_wide(""), L"");
    EXPECT_EQ(to_narrow(L""), "");
}

} // namespace
