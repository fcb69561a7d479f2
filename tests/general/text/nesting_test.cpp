// The flat nesting scan that keeps hostile documents away from the recursive parsers.
#include <gtest/gtest.h>

#include <string>

#include "general/text/nesting.h"

using general::text::json_nests_deeper_than;
using general::text::xml_nests_deeper_than;

namespace {

std::string repeated(const std::string& piece, std::size_t times)
{
    std::string text;
    for (std::size_t i = 0; i < times; ++i)
        text += piece;
    return text;
}

} // namespace

TEST(nesting, json_counts_arrays_and_objects_outside_strings)
{
    struct row {
        std::string text;
        std::size_t limit;
        bool deeper;
    };
    const row rows[] = {
        {R"({"result":{"total":1}})", 2, false},
        {R"({"result":{"total":[1]}})", 2, true},
        {R"(["[[[[", "{{{{"])", 1, false}, // brackets inside strings
        {R"(["\"[[[["])", 1, false},       // an escaped quote does not end the string
        {R"(]]]]]][[)", 2, false},         // closers without openers never go below zero
        {repeated("[", 257), 256, true},
        {repeated("[", 256) + repeated("]", 256), 256, false},
        {repeated("[1],", 10000), 1, false}, // long but flat
        {"", 0, false},
    };
    for (const auto& r : rows)
        EXPECT_EQ(json_nests_deeper_than(std::string_view{r.text}, r.limit), r.deeper) << r.text.substr(0, 40);
}

TEST(nesting, xml_counts_elements_but_not_comments_sections_or_empty_elements)
{
    struct row {
        std::wstring text;
        std::size_t limit;
        bool deeper;
    };
    const row rows[] = {
        {L"<?xml version=\"1.0\"?><!DOCTYPE TS><TS><context><name>a</name></context></TS>", 3, false},
        {L"<TS><context><message><source>x</source></message></context></TS>", 3, true},
        {L"<a><b/><b/><b/></a>", 1, false},
        {L"<a><!-- <b><c><d> --><![CDATA[<b><c><d>]]><?pi <b><c> ?></a>", 1, false},
        {L"<a title=\"x>y\" other='<b>'><b/></a>", 1, false}, // '>' and '<' inside attribute values
        {L"<a title=\"/\">text</a>", 1, false},
        {std::wstring(300, L' ') + L"<a>", 0, true},
        {[] {
             std::wstring t;
             for (int i = 0; i < 257; ++i)
                 t += L"<e>";
             return t;
         }(),
         256, true},
        {[] {
             std::wstring t;
             for (int i = 0; i < 5000; ++i)
                 t += L"<e></e>";
             return t;
         }(),
         1, false},
        {L"<", 0, true},
        {L"", 0, false},
    };
    for (const auto& r : rows)
        EXPECT_EQ(xml_nests_deeper_than(std::wstring_view{r.text}, r.limit), r.deeper) << r.text.substr(0, 40);
}
