// The default theme, read the way its users read it; what the pages take from
// it is checked in tests/views/theme. The language list and the catalogues have
// tests of their own (catalogue_tests.cpp).
#include <gtest/gtest.h>

#include <boost/property_tree/ptree.hpp>
#include <boost/property_tree/xml_parser.hpp>

#include <algorithm>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "general/windows/text.h"
#include "resources/resource_ids.h"
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

bool is_colour(const std::wstring& text)
{
    return std::regex_match(text, std::wregex(L"#[0-9A-Fa-f]{6}"));
}

} // namespace

TEST(theme_resource, is_plain_ascii_with_a_utf8_declaration)
{
    const std::string bytes = bytes_of(IDR_THEME, L"THEME");
    // Widened through the ANSI code page, so anything beyond ASCII would change
    // with the machine's locale.
    EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
    EXPECT_EQ(bytes.rfind("<?xml version=\"1.0\" encoding=\"utf-8\"?>", 0), 0u);
    EXPECT_EQ(bytes.find("selected_color"), std::string::npos);
}

// The reader forgives much silently: a size that is not a plain integer drops
// the whole context, an unreadable colour pair reads as 0, a style word in the
// wrong case is ignored, element texts are taken untrimmed and a repeated
// element hides the later one. None of that may be in the shipped theme.
TEST(theme_resource, every_setting_is_written_the_way_the_reader_takes_it)
{
    const wptree doc = parse(general::windows::to_wide(bytes_of(IDR_THEME, L"THEME")));
    ASSERT_EQ(doc.size(), 1u);
    const wptree& theme = doc.get_child(L"theme");
    EXPECT_EQ(attribute(theme, L"name"), L"default");
    EXPECT_EQ(attribute(theme, L"version"), L"1.0");

    std::vector<const wptree*> contexts;
    for (const auto& [key, child] : theme)
        if (key == L"context")
            contexts.push_back(&child);
    ASSERT_EQ(contexts.size(), 1u);
    EXPECT_EQ(attribute(*contexts[0], L"name"), L"dlg") << "the one context the pages read";

    std::set<std::wstring> names, families;
    for (const auto& [key, font] : *contexts[0]) {
        if (key == L"<xmlattr>")
            continue;
        ASSERT_EQ(key, L"font");
        const std::wstring name = attribute(font, L"name");
        SCOPED_TRACE(general::windows::wide_to_utf8(name));
        EXPECT_TRUE(names.insert(name).second) << "a second setting of the name is never read";
        const std::wstring type = attribute(font, L"type");
        EXPECT_TRUE(type == L"text" || type == L"button") << general::windows::wide_to_utf8(type);

        std::set<std::wstring> seen;
        for (const auto& [element, child] : font) {
            if (element == L"<xmlattr>")
                continue;
            EXPECT_TRUE(seen.insert(element).second) << "repeated element";
            const std::wstring text = child.data();
            EXPECT_EQ(text.find_first_of(L" \t\r\n"), std::wstring::npos) << "padded or blank element";
        }
        const std::wstring size = font.get<std::wstring>(L"size", L"");
        ASSERT_TRUE(std::regex_match(size, std::wregex(L"[0-9]+")));
        EXPECT_GE(std::stoi(size), 8) << "too small to read";
        EXPECT_LE(std::stoi(size), 24) << "too big for the page's controls";
        const std::wstring style = font.get<std::wstring>(L"style", L"");
        EXPECT_TRUE(style == L"normal" || style == L"bold") << general::windows::wide_to_utf8(style);
        families.insert(font.get<std::wstring>(L"family", L""));

        const std::wstring normal = font.get<std::wstring>(L"normal_color", L"");
        const std::wstring disabled = font.get<std::wstring>(L"disabled_color", L"");
        EXPECT_TRUE(is_colour(normal));
        EXPECT_TRUE(is_colour(disabled));
        EXPECT_NE(normal, disabled) << "a disabled control would look enabled";
        // Buttons change colour under the pointer; without a colour given they
        // would turn black.
        const auto active = font.get_optional<std::wstring>(L"active_color");
        EXPECT_EQ(active.has_value(), type == L"button");
        if (active) {
            EXPECT_TRUE(is_colour(*active));
        }
        EXPECT_EQ(font.count(L"selected_color"), 0u);
    }
    EXPECT_GT(names.size(), 5u);
    EXPECT_EQ(families, std::set<std::wstring>{L"Arial"}) << "one family for every text";
}
