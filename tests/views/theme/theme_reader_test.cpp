// The pure theme reader: colours and the reading rules, at 96 dpi (font heights
// are checked against the system's MulDiv in theme_test.cpp).
#include <gtest/gtest.h>

#include <stdexcept>

#include "views/theme_reader.h"

using theme_reader::document;
using theme_reader::parse_colour;

namespace {

document read96(const std::wstring& body)
{
    return theme_reader::read(L"<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<theme name=\"t\" version=\"1.0\">" + body +
                                  L"</theme>",
                              96, L"C:\\app\\resources");
}

const theme_reader::text_values& setting(const document& d, const wchar_t* context, const wchar_t* name)
{
    return d.contexts.at(context).at(name);
}

} // namespace

TEST(theme_colour, reads_rrggbb_into_the_windows_order)
{
    EXPECT_EQ(parse_colour(L"#263989"), 0x00893926u);
    EXPECT_EQ(parse_colour(L"#AA0000"), 0x000000AAu);
    EXPECT_EQ(parse_colour(L"#b0b0b0"), 0x00B0B0B0u);
    EXPECT_EQ(parse_colour(L"#FFFFFF"), 0x00FFFFFFu);
    EXPECT_EQ(parse_colour(L"x263989"), 0x00893926u) << "the first character is not examined";
    EXPECT_EQ(parse_colour(L"#2639891234"), 0x00893926u) << "characters after the third pair are not read";
}

TEST(theme_colour, an_unreadable_pair_zeroes_itself_and_the_pairs_after_it)
{
    EXPECT_EQ(parse_colour(L"#26G989"), 0x00000026u);
    EXPECT_EQ(parse_colour(L"#263G89"), 0x00000026u) << "a pair unreadable in its second digit";
    EXPECT_EQ(parse_colour(L"#ZZ3989"), 0x00000000u);
    EXPECT_EQ(parse_colour(L"#2639-9"), 0x00003926u);
    EXPECT_EQ(parse_colour(L"#26398"), 0x00083926u) << "a last pair of one digit";
    EXPECT_EQ(parse_colour(L"#2639"), 0x00003926u) << "no last pair";
    EXPECT_THROW(parse_colour(L"#263"), std::invalid_argument);
    EXPECT_THROW(parse_colour(L""), std::invalid_argument);
}

TEST(theme_reader, builds_each_font_from_its_elements_and_defaults)
{
    const document d = read96(L"<context name=\"dlg\">"
                              L"<font name=\"full\" type=\"text\"><family>Arial</family><size>9</size>"
                              L"<style>bold italic underline</style><normal_color>#263989</normal_color>"
                              L"<active_color>#AA0000</active_color><disabled_color>#B0B0B0</disabled_color>"
                              L"<selected_color>#010203</selected_color></font>"
                              L"<font name=\"bare\"/>"
                              L"<font name=\"button\" type=\"button\"><style>Bold</style></font>"
                              L"<font name=\"other\" type=\"Text\"><family> Arial </family><size>22</size></font>"
                              L"</context>");
    const auto& full = setting(d, L"dlg", L"full");
    EXPECT_EQ(full.kind, 0);
    EXPECT_EQ(full.font.height, -12);
    EXPECT_EQ(full.font.weight, 700);
    EXPECT_EQ(full.font.italic, 1);
    EXPECT_EQ(full.font.underline, 1);
    EXPECT_EQ(full.font.charset, 1);
    EXPECT_EQ(full.font.face, L"Arial");
    EXPECT_EQ(full.normal_color, 0x00893926u);
    EXPECT_EQ(full.active_color, 0x000000AAu);
    EXPECT_EQ(full.disabled_color, 0x00B0B0B0u);
    EXPECT_EQ(full.selected_color, 0x00030201u);

    const auto& bare = setting(d, L"dlg", L"bare");
    EXPECT_EQ(bare.kind, -1);
    EXPECT_EQ(bare.font.height, -13) << "10 points";
    EXPECT_EQ(bare.font.weight, 400);
    EXPECT_EQ(bare.font.italic, 0);
    EXPECT_EQ(bare.font.underline, 0);
    EXPECT_EQ(bare.font.charset, 0) << "no face: the system picks the font";
    EXPECT_EQ(bare.font.face, L"");
    EXPECT_EQ(bare.normal_color | bare.active_color | bare.disabled_color | bare.selected_color, 0u);

    const auto& button = setting(d, L"dlg", L"button");
    EXPECT_EQ(button.kind, 1);
    EXPECT_EQ(button.font.weight, 400) << "the style test is case-sensitive";

    const auto& other = setting(d, L"dlg", L"other");
    EXPECT_EQ(other.kind, 1) << "only \"text\" is kind 0";
    EXPECT_EQ(other.font.face, L" Arial ") << "element texts are not trimmed";
    EXPECT_EQ(other.font.height, -29);
}

TEST(theme_reader, cuts_a_long_family_to_the_face_name_size)
{
    const std::wstring family(40, L'F');
    const document d =
        read96(L"<context name=\"c\"><font name=\"f\"><family>" + family + L"</family></font></context>");
    EXPECT_EQ(setting(d, L"c", L"f").font.face, std::wstring(31, L'F'));
}

TEST(theme_reader, the_first_definition_of_a_name_wins)
{
    const document d = read96(L"<option name=\"o\">first</option><option name=\"o\">second</option>"
                              L"<context name=\"a\"><font name=\"f\"><size>9</size></font>"
                              L"<font name=\"f\"><size>22</size></font></context>"
                              L"<context name=\"a\"><font name=\"g\"/></context>"
                              L"<graphics><logo>one.png</logo><logo>two.png</logo></graphics>");
    ASSERT_EQ(d.contexts.size(), 1u);
    ASSERT_EQ(d.contexts.at(L"a").size(), 1u) << "the second context of the name is dropped whole";
    EXPECT_EQ(setting(d, L"a", L"f").font.height, -12);
    EXPECT_EQ(d.options.at(L"o"), L"first");
    EXPECT_EQ(d.graphics.at(L"logo"), L"C:\\app\\resources\\one.png");
}

TEST(theme_reader, a_failure_ends_the_reading_and_keeps_what_was_complete)
{
    // The second context has no name: only the first is read, nothing after it.
    document d = read96(L"<context name=\"first\"><font name=\"f\"/></context>"
                        L"<context><font name=\"g\"/></context>"
                        L"<option name=\"late\">x</option>");
    EXPECT_EQ(d.contexts.size(), 1u);
    EXPECT_EQ(d.contexts.count(L"first"), 1u);
    EXPECT_TRUE(d.options.empty());

    // A size that is not an integer (blanks included) loses its whole context.
    d = read96(L"<option name=\"early\">x</option><context name=\"first\"><font name=\"f\"/></context>"
               L"<context name=\"second\"><font name=\"ok\"/><font name=\"bad\"><size> 9</size></font></context>");
    EXPECT_EQ(d.contexts.size(), 1u);
    EXPECT_EQ(d.contexts.count(L"first"), 1u);
    EXPECT_EQ(d.options.at(L"early"), L"x");

    // So does a colour shorter than five characters, and an option without a name stops too.
    d = read96(L"<context name=\"c\"><font name=\"f\"><normal_color>#FFF</normal_color></font></context>");
    EXPECT_TRUE(d.contexts.empty());
    d = read96(L"<option>x</option><context name=\"c\"/>");
    EXPECT_TRUE(d.contexts.empty());
}

TEST(theme_reader, unreadable_documents_give_an_empty_theme_without_throwing)
{
    for (const wchar_t* text :
         {L"", L"<theme><context name=\"c\"></theme>", L"not xml at all", L"<look><context name=\"c\"/></look>",
          L"<theme name=\"t\"><context name=\"c\"><font name=\"f\"/></context>"}) {
        const document d = theme_reader::read(text, 96, L"C:\\r");
        EXPECT_TRUE(d.contexts.empty() && d.options.empty() && d.graphics.empty());
    }
}

TEST(theme_reader, options_graphics_and_unknown_elements)
{
    const document d = read96(L"<!-- a comment --><option name=\"speed\"> fast </option>"
                              L"<graphics><!-- images --><banner>banner.png</banner></graphics>"
                              L"<unknown><context name=\"hidden\"/></unknown>"
                              L"<context name=\"c\"><colour/><font name=\"f\"><weight>900</weight></font></context>");
    EXPECT_EQ(d.options.at(L"speed"), L" fast ");
    ASSERT_EQ(d.graphics.size(), 1u);
    EXPECT_EQ(d.graphics.at(L"banner"), L"C:\\app\\resources\\banner.png");
    ASSERT_EQ(d.contexts.size(), 1u) << "contexts count only as children of the theme";
    EXPECT_EQ(setting(d, L"c", L"f").font.weight, 400);
}

TEST(theme_reader, a_theme_nested_beyond_the_parser_is_read_as_empty)
{
    std::wstring deep = L"<context name=\"dlg\"><font name=\"text\"><size>9</size></font></context>";
    for (int i = 0; i < 20000; ++i)
        deep += L"<x>";
    const document d = read96(deep);
    EXPECT_TRUE(d.contexts.empty());
}
