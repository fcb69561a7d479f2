// The language list and the translation catalogues the executable carries,
// checked against what the code passes through the translation (the census of
// tests/support/text_census.h), not against copies of their texts.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "general/translation/catalogue_reader.h"
#include "general/translation/language_list_reader.h"
#include "general/translation/translation.h"
#include "general/windows/text.h"
#include "resources/resource_ids.h"
#include "tests/resources/resource_test_support.h"
#include "tests/support/text_census.h"

using resource_tests::bytes_of;

namespace {

namespace translation = general::translation;

std::wstring text_of(std::uint16_t id, const wchar_t* type)
{
    return general::windows::utf8_to_wide(general::windows::resource::unpacked(bytes_of(id, type)));
}

std::vector<translation::language_list_entry> listed()
{
    return translation::read_language_list(text_of(IDR_LANGUAGES, L"LST"));
}

std::wstring language_of(const std::wstring& code)
{
    return code.substr(0, code.find(L'_'));
}

// The placeholders of a text ("%1%", "%2%"), sorted: a translation may put
// them in another order, never use others.
std::multiset<std::wstring> placeholders(const std::wstring& text)
{
    static const std::wregex placeholder(LR"re(%\d+%)re");
    std::multiset<std::wstring> found;
    for (std::wsregex_iterator it(text.begin(), text.end(), placeholder), end; it != end; ++it)
        found.insert(it->str());
    return found;
}

std::string utf8(const std::wstring& text)
{
    return general::windows::wide_to_utf8(text);
}

// Every catalogue the list names, by resource id, read as the program reads it.
std::map<std::uint16_t, translation::context_table> catalogues()
{
    std::map<std::uint16_t, translation::context_table> all;
    for (const auto& entry : listed()) {
        const auto id = static_cast<std::uint16_t>(std::stoul(entry.catalogue));
        if (!all.count(id))
            all[id] = translation::read_catalogue(text_of(id, L"TS"));
    }
    return all;
}

} // namespace

TEST(language_list_resource, is_utf8_with_bom_and_crlf_lines_each_naming_its_catalogue)
{
    const std::string bytes = bytes_of(IDR_LANGUAGES, L"LST");
    ASSERT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
    std::size_t lines = 0;
    for (std::size_t start = 3, at; (at = bytes.find('\n', start)) != std::string::npos; start = at + 1, ++lines) {
        ASSERT_GT(at, start + 1) << "empty line";
        ASSERT_EQ(bytes[at - 1], '\r') << "bare line feed";
    }
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << "the last line ends too";

    const auto entries = listed();
    ASSERT_EQ(entries.size(), lines) << "every line is a language";
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries.front().code, L"en_GB");
    std::set<std::wstring> codes;
    for (const auto& entry : entries) {
        SCOPED_TRACE(utf8(entry.code));
        EXPECT_TRUE(codes.insert(entry.code).second) << "listed twice";
        EXPECT_TRUE(std::regex_match(utf8(entry.code), std::regex("[a-z]{2}_[A-Z]{2}")));
        EXPECT_FALSE(entry.english_name.empty());
        EXPECT_FALSE(entry.native_name.empty());
        ASSERT_FALSE(entry.catalogue.empty());
        // The catalogue is the language's own, or (for a country that shares one)
        // that of a listed code of the same language.
        const std::wstring text = text_of(static_cast<std::uint16_t>(std::stoul(entry.catalogue)), L"TS");
        std::wsmatch language;
        ASSERT_TRUE(std::regex_search(text, language, std::wregex(LR"re(<TS[^>]*\slanguage="([^"]+)\")re")));
        EXPECT_EQ(language_of(language[1]), language_of(entry.code));
    }
}

// The build embeds resources/catalogues/ui_<code>.ts for the first code listed
// with each id; a catalogue no line names in that way is never shipped, and the
// ids resources/resource_ids.h names must be the ones the list gives.
TEST(language_list_resource, names_every_catalogue_of_the_sources_under_the_ids_the_header_gives)
{
    std::map<std::wstring, std::wstring> first_with_id; // id -> code
    std::map<std::wstring, std::wstring> id_of;         // code -> id
    for (const auto& entry : listed()) {
        first_with_id.emplace(entry.catalogue, entry.code);
        id_of[entry.code] = entry.catalogue;
    }
    std::set<std::wstring> embedded;
    for (const auto& [id, code] : first_with_id)
        embedded.insert(code);
    for (const auto& file : std::filesystem::directory_iterator(test_support::source_root() / "resources/catalogues")) {
        const std::wstring name = file.path().filename().wstring();
        ASSERT_TRUE(std::regex_match(name, std::wregex(LR"re(ui_[a-z]{2}_[A-Z]{2}\.ts)re"))) << utf8(name);
        EXPECT_EQ(embedded.count(name.substr(3, 5)), 1u) << utf8(name) << " is not shipped";
    }
    EXPECT_EQ(id_of[L"en_GB"], std::to_wstring(IDR_TS_EN_GB));
    EXPECT_EQ(id_of[L"pt_BR"], std::to_wstring(IDR_TS_PT_BR));
    // The translation manager names the same resources without the script's header.
    static_assert(general::translation::language_list_resource == IDR_LANGUAGES);
    static_assert(general::translation::english_catalogue_resource == IDR_TS_EN_GB);
    static_assert(general::translation::brazilian_catalogue_resource == IDR_TS_PT_BR);
}

TEST(catalogue_resources, hold_every_text_the_installer_passes_with_its_placeholders)
{
    const auto census = test_support::texts_passed();
    ASSERT_GT(census.size(), 40u) << "the census found too little to be right";
    for (const auto& [id, contexts] : catalogues()) {
        SCOPED_TRACE("catalogue " + std::to_string(id));
        for (const auto& text : census) {
            const auto context = contexts.find(text.context);
            const bool present = context != contexts.end() && context->second.count(text.source) == 1;
            EXPECT_TRUE(present) << utf8(text.context) << " \"" << utf8(text.source) << "\" (" << text.where << ")";
            if (!present)
                continue;
            const std::wstring& translated = context->second.at(text.source);
            EXPECT_FALSE(translated.empty()) << utf8(text.source);
            EXPECT_EQ(placeholders(translated), placeholders(text.source))
                << utf8(text.source) << " -> " << utf8(translated);
        }
    }
}

// No catalogue carries a text the code does not pass (it would never show), and
// English shows every text as the code writes it.
TEST(catalogue_resources, hold_nothing_else_and_english_is_the_source)
{
    std::set<std::pair<std::wstring, std::wstring>> passed;
    for (const auto& text : test_support::texts_passed())
        passed.insert({text.context, text.source});
    for (const auto& [id, contexts] : catalogues()) {
        SCOPED_TRACE("catalogue " + std::to_string(id));
        for (const auto& [context, messages] : contexts) {
            for (const auto& [source, translated] : messages) {
                EXPECT_EQ(passed.count({context, source}), 1u) << utf8(context) << " \"" << utf8(source) << "\"";
                if (id == IDR_TS_EN_GB) {
                    EXPECT_EQ(translated, source);
                }
                // Blanks at either end would shift a centred text and break
                // the lines of a wrapped one.
                EXPECT_EQ(translated.find_first_not_of(L' '), 0u) << utf8(translated);
                EXPECT_NE(translated.back(), L' ') << utf8(translated);
            }
        }
    }
}
