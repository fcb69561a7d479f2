// The default theme, read the way its users read it. The language list and
// the catalogues have tests of their own (catalogue_tests.cpp).
#include <gtest/gtest.h>

#include <boost/property_tree/ptree.hpp>
#include <boost/property_tree/xml_parser.hpp>

#include <algorithm>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "general/windows/text.h"
#include "tests/resources/resource_test_support.h"

using boost::property_tree::wptree;
using resource_tests::bytes_of;

namespace {

wptree parse(const std::wstring& text)
{
    std::wistringstream in(text);
    wptree tree;
    boost::property_tree::read_xml(in, tree); // no flags: whitespace is kept
    return tree;
}

std::wstring attribute(const wptree& node, const std::wstring& name)
{
    return node.get<std::wstring>(L"<xmlattr>." + name, L"");
}

// ---------------------------------------------------------------- theme ---

struct font_spec {
    const wchar_t* name;
    const wchar_t* type;
    int size;
    const wchar_t* style;
    const wchar_t* normal_color;
    const wchar_t* active_color; // nullptr: not given
};

const font_spec default_fonts[] = {
    {L"text", L"text", 9, L"normal", L"#000000", nullptr},
    {L"bold_text", L"text", 9, L"bold", L"#000000", nullptr},
    {L"big_text", L"text", 11, L"normal", L"#000000", nullptr},
    {L"blue_text", L"text", 9, L"normal", L"#263989", nullptr},
    {L"header_text", L"text", 14, L"normal", L"#263989", nullptr},
    {L"complete_text", L"text", 22, L"normal", L"#263989", nullptr},
    {L"footer_text", L"text", 8, L"bold", L"#000000", nullptr},
    {L"link", L"text", 10, L"normal", L"#0000FF", nullptr},
    {L"ok_button", L"button", 12, L"normal", L"#FFFFFF", L"#FFFFFF"},
    {L"sign_button", L"button", 10, L"bold", L"#000000", L"#000000"},
    {L"cancel_button", L"button", 10, L"normal", L"#000000", L"#AA0000"},
};

} // namespace

TEST(theme_resource, is_plain_ascii_with_a_utf8_declaration)
{
    const std::string bytes = bytes_of(133, L"THEME");
    // Widened through the ANSI code page, so anything beyond ASCII would change
    // with the machine's locale.
    EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(),
                            [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
    EXPECT_EQ(bytes.rfind("<?xml version=\"1.0\" encoding=\"utf-8\"?>", 0), 0u);
    EXPECT_EQ(bytes.find("selected_color"), std::string::npos);
}

TEST(theme_resource, holds_the_eleven_default_settings)
{
    const wptree doc = parse(general::windows::to_wide(bytes_of(133, L"THEME")));
    ASSERT_EQ(doc.size(), 1u);
    const wptree& theme = doc.get_child(L"theme");
    EXPECT_EQ(attribute(theme, L"name"), L"default");
    EXPECT_EQ(attribute(theme, L"version"), L"1.0");

    std::vector<const wptree*> contexts;
    for (const auto& [key, child] : theme)
        if (key == L"context")
            contexts.push_back(&child);
    ASSERT_EQ(contexts.size(), 1u);
    EXPECT_EQ(attribute(*contexts[0], L"name"), L"dlg");

    std::vector<const wptree*> fonts;
    for (const auto& [key, child] : *contexts[0])
        if (key == L"font")
            fonts.push_back(&child);
    ASSERT_EQ(fonts.size(), std::size(default_fonts));

    for (std::size_t i = 0; i < fonts.size(); ++i) {
        const font_spec& want = default_fonts[i];
        const wptree& font = *fonts[i];
        SCOPED_TRACE(want.name);
        EXPECT_EQ(attribute(font, L"name"), want.name);
        EXPECT_EQ(attribute(font, L"type"), want.type);
        // Element texts are taken untrimmed, so they must carry no padding.
        EXPECT_EQ(font.get<std::wstring>(L"family", L""), L"Arial");
        EXPECT_EQ(font.get<std::wstring>(L"size", L""), std::to_wstring(want.size));
        EXPECT_EQ(font.get<std::wstring>(L"style", L""), want.style);
        EXPECT_EQ(font.get<std::wstring>(L"normal_color", L""), want.normal_color);
        EXPECT_EQ(font.get<std::wstring>(L"disabled_color", L""), L"#B0B0B0");
        const auto active = font.get_optional<std::wstring>(L"active_color");
        if (want.active_color) {
            ASSERT_TRUE(active);
            EXPECT_EQ(*active, want.active_color);
        } else {
            EXPECT_FALSE(active);
        }
        EXPECT_EQ(font.count(L"selected_color"), 0u);
        // No element twice: the reader would keep the first and hide a typo.
        std::set<std::wstring> seen;
        for (const auto& [key, child] : font)
            EXPECT_TRUE(seen.insert(key).second) << "repeated element";
    }
}

