// The two pure readers of the catalogue: the language list and the TS catalogue.
#include <gtest/gtest.h>

#include <boost/property_tree/ptree.hpp>
#include <boost/property_tree/xml_parser.hpp>

#include "general/translation/catalogue_reader.h"
#include "general/translation/language_list_reader.h"

using general::translation::context_table;
using general::translation::read_catalogue;
using general::translation::read_language_list;

namespace {

std::vector<std::wstring> codes_of(std::wstring_view text)
{
    std::vector<std::wstring> codes;
    for (const auto& entry : read_language_list(text))
        codes.push_back(entry.code);
    return codes;
}

std::wstring ts(const std::wstring& body)
{
    return L"<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
           L"<TS version=\"2.0\" language=\"xx\" sourcelanguage=\"en_GB\">" +
           body + L"</TS>";
}

} // namespace

TEST(language_list_reader, reads_names_and_code_of_each_crlf_line)
{
    const auto entries = read_language_list(L"\xFEFF"
                                            L"English|English|en_GB\r\nPortuguese (Brazil)|Portugu\xEAs "
                                            L"(Brasil)|pt_BR\r\n");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].english_name, L"English") << "the byte-order mark is not part of the name";
    EXPECT_EQ(entries[0].code, L"en_GB") << "the line's carriage return is not part of the code";
    EXPECT_EQ(entries[1].english_name, L"Portuguese (Brazil)");
    EXPECT_EQ(entries[1].native_name, L"Portugu\xEAs (Brasil)");
    EXPECT_EQ(entries[1].code, L"pt_BR");
}

TEST(language_list_reader, skips_short_and_empty_lines_and_ignores_extra_fields)
{
    EXPECT_EQ(codes_of(L"a|b\r\nc|d|e|f|g\r\n\r\n\nh|i|j"), (std::vector<std::wstring>{L"e", L"j"}));
    EXPECT_EQ(codes_of(L"a|b"), std::vector<std::wstring>{}) << "two fields without a line end";
    EXPECT_EQ(codes_of(L"a|b\r"), std::vector<std::wstring>{}) << "the line end is not a third field";
    EXPECT_EQ(codes_of(L""), std::vector<std::wstring>{});
    // A carriage return inside a line still separates fields, as the bar does.
    EXPECT_EQ(codes_of(L"a\rb|c\r\n"), std::vector<std::wstring>{L"c"});
    // Repeats are the caller's business: both are given, in order.
    EXPECT_EQ(codes_of(L"a|b|x\nc|d|x\n"), (std::vector<std::wstring>{L"x", L"x"}));
}

TEST(catalogue_reader, keeps_texts_exactly_and_decodes_references)
{
    const context_table contexts = read_catalogue(
        ts(L"<context><name>StartView</name>"
           L"<message id=\"1\"><source>Install</source><translation>Instalar </translation></message>"
           L"<message id=\"2\"><source> A &amp; B </source><translation>\n&lt;x&gt;\n</translation></message>"
           L"<message id=\"3\"><source>Empty</source><translation></translation></message>"
           L"</context>"));
    ASSERT_EQ(contexts.size(), 1u);
    const auto& messages = contexts.at(L"StartView");
    EXPECT_EQ(messages.at(L"Install"), L"Instalar ");
    EXPECT_EQ(messages.at(L" A & B "), L"\n<x>\n");
    EXPECT_EQ(messages.at(L"Empty"), L"");
}

// Characters beyond ASCII written as references are the characters they name;
// references the XML needs ("&#60;") and escaped ampersands keep their meaning.
TEST(catalogue_reader, character_references_name_one_character_each)
{
    const context_table contexts = read_catalogue(
        ts(L"<context><name>V</name>"
           L"<message><source>a</source><translation>Instala&#231;&#xE3;o &#x1F600; &#60;b&#62;</translation></message>"
           L"<message><source>b</source><translation>&amp;#233;</translation></message>"
           L"</context>"));
    const auto& messages = contexts.at(L"V");
    EXPECT_EQ(messages.at(L"a"), L"Instala\u00e7\u00e3o \U0001F600 <b>");
    EXPECT_EQ(messages.at(L"b"), L"&#233;");
}

TEST(catalogue_reader, first_definition_wins_and_incomplete_entries_are_skipped)
{
    const context_table contexts = read_catalogue(
        ts(L"<context><name>A</name>"
           L"<message><source>s</source><translation>first</translation></message>"
           L"<message><source>s</source><translation>second</translation></message>"
           L"<message><source>only source</source></message>"
           L"<message><translation>only translation</translation></message>"
           L"</context>"
           L"<context><name>A</name><message><source>t</source><translation>other</translation></message></context>"
           L"<context><message><source>u</source><translation>no name</translation></message></context>"
           L"<context><name></name><message><source>v</source><translation>empty name</translation></message>"
           L"</context>"
           L"<context><name>B</name></context>"));
    ASSERT_EQ(contexts.size(), 2u);
    const auto& a = contexts.at(L"A");
    ASSERT_EQ(a.size(), 1u);
    EXPECT_EQ(a.at(L"s"), L"first");
    EXPECT_TRUE(contexts.at(L"B").empty()) << "a named context without messages is still a context";
}

TEST(catalogue_reader, a_document_without_ts_or_malformed_throws_a_tree_error)
{
    EXPECT_THROW(read_catalogue(L"<TX><context/></TX>"), boost::property_tree::ptree_error);
    EXPECT_THROW(read_catalogue(ts(L"<context><name>A</name>")), boost::property_tree::ptree_error);
    EXPECT_THROW(read_catalogue(L""), boost::property_tree::ptree_error);
    EXPECT_NO_THROW(read_catalogue(L"\xFEFF" + ts(L""))) << "a byte-order mark before the declaration";
}

TEST(catalogue_reader, elements_nested_beyond_the_parser_are_refused)
{
    std::wstring deep;
    for (int i = 0; i < 20000; ++i)
        deep += L"<context>";
    EXPECT_THROW(read_catalogue(ts(deep)), boost::property_tree::xml_parser_error);
}
