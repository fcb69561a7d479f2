// The embedded catalogue chosen by the user's locale, end to end from the locale
// to the lookups and the stored language.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "tests/general/translation/translation_test_support.h"
#include "tests/support/scratch_registry.h"

using general::translation::locale_code;
using general::translation::locale_names;
using general::translation::manager;
using general::translation::translate;
using namespace translation_tests;

namespace {

class embedded : public testing::Test {
protected:
    // Loads the embedded catalogue as the main dialog does, for a user of this locale.
    void load_for(const std::wstring& language, const std::wstring& country)
    {
        locale_override locale(language, country);
        general::translation::load_embedded_translations();
    }

    test_support::scratch_registry registry;
};

} // namespace

TEST(user_locale, joins_language_and_country_and_merges_the_norwegian_languages)
{
    EXPECT_EQ(locale_code({L"pt", L"BR"}), L"pt_BR");
    EXPECT_EQ(locale_code({L"nb", L"NO"}), L"no_NO");
    EXPECT_EQ(locale_code({L"nn", L"NO"}), L"no_NO");
    EXPECT_EQ(locale_code({L"nbx", L"NO"}), L"nbx_NO");
    EXPECT_EQ(locale_code({L"", L""}), L"_") << "unreadable parts are empty";

    {
        locale_override locale(L"nn", L"NO");
        EXPECT_EQ(general::translation::user_locale_code(), L"no_NO");
    }
    // Back to the system's answer once the override is gone.
    EXPECT_EQ(general::translation::user_locale_code(), locale_code(general::translation::system_locale_names()));
}

// The user's locale picks the catalogue of its code, else the first listed one
// of its language, else English; the choice is what is stored.
TEST_F(embedded, the_locale_picks_its_own_catalogue_else_its_languages_else_english)
{
    const struct {
        const wchar_t* language;
        const wchar_t* country;
        const wchar_t* chosen;
    } cases[] = {
        {L"pt", L"BR", L"pt_BR"}, {L"pt", L"PT", L"pt_PT"}, {L"pt", L"AO", L"pt_PT"}, {L"de", L"DE", L"de_DE"},
        {L"de", L"AT", L"de_DE"}, {L"de", L"CH", L"de_DE"}, {L"nb", L"NO", L"no_NO"}, {L"nn", L"NO", L"no_NO"},
        {L"nb", L"SJ", L"no_NO"}, {L"zh", L"CN", L"zh_CN"}, {L"zh", L"SG", L"zh_CN"}, {L"zh", L"TW", L"zh_TW"},
        {L"zh", L"HK", L"zh_HK"}, {L"zh", L"MO", L"zh_MO"}, {L"en", L"GB", L"en_GB"}, {L"en", L"US", L"en_GB"},
        {L"fr", L"FR", L"fr_FR"}, {L"fr", L"CA", L"fr_FR"}, {L"es", L"MX", L"es_ES"}, {L"ar", L"EG", L"ar_SA"},
        {L"he", L"IL", L"he_IL"}, {L"fa", L"IR", L"fa_IR"}, {L"sr", L"RS", L"sr_RS"}, {L"sr", L"BA", L"sr_RS"},
        {L"uz", L"UZ", L"uz_UZ"}, {L"az", L"AZ", L"az_AZ"}, {L"ja", L"JP", L"ja_JP"}, {L"sv", L"FI", L"sv_SE"},
        {L"nl", L"BE", L"nl_NL"}, {L"ru", L"UA", L"ru_RU"}, {L"el", L"CY", L"el_GR"}, {L"ca", L"ES", L"ca_ES"},
        {L"ko", L"KR", L"en_GB"}, {L"sw", L"KE", L"en_GB"}, {L"", L"", L"en_GB"},     {L"p", L"BR", L"en_GB"},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(std::wstring(each.language) + L"_" + each.country);
        general::windows::registry_write(HKEY_CURRENT_USER, language_key, L"Language", std::wstring(L"sv_SE"));
        load_for(each.language, each.country);
        EXPECT_EQ(manager::instance().current_code(), each.chosen);
        EXPECT_EQ(stored_language(), each.chosen) << "the stored value is not consulted when a code is given";
    }
}

// Only the chosen catalogue is read; its texts are what the lookups give.
TEST_F(embedded, only_the_chosen_catalogue_is_read_and_its_texts_are_shown)
{
    load_for(L"pt", L"BR");
    std::size_t loaded = 0;
    for (const auto& [code, language] : manager::instance().languages()) {
        EXPECT_TRUE(language.catalogue_path.empty()) << "embedded languages have no file";
        EXPECT_NE(language.catalogue_resource, 0) << "embedded languages name their resource";
        loaded += language.contexts.empty() ? 0 : 1;
    }
    EXPECT_EQ(loaded, 1u);
    EXPECT_GT(manager::instance().languages().size(), 40u);
    const auto& brazilian = manager::instance().languages().at(L"pt_BR");
    EXPECT_EQ(brazilian.native_name, L"Portugu\xEAs (Brasil)");
    for (const auto& [context, messages] : brazilian.contexts)
        for (const auto& [source, translation] : messages)
            EXPECT_EQ(translate(context, source), translation);
    EXPECT_NE(translate(L"StartView", L"Install"), L"Install");
}

TEST_F(embedded, only_exact_context_and_source_match)
{
    load_for(L"pt", L"BR");
    // Contexts no catalogue holds give the very source object back.
    for (const wchar_t* context : {L"NoSuchView", L"startview"}) {
        const std::wstring source = L"Install";
        EXPECT_EQ(&translate(context, source), &source);
    }
    for (const wchar_t* near_miss : {L"install", L"Install ", L" Install", L"INSTALL"}) {
        const std::wstring source = near_miss;
        EXPECT_EQ(&translate(L"StartView", source), &source);
    }
}

TEST(best_language, takes_the_code_else_the_first_of_its_language_else_english)
{
    const std::vector<std::wstring> listed{L"en_GB", L"pt_PT", L"pt_BR", L"zh_CN", L"zh_TW"};
    const struct {
        const wchar_t* wanted;
        const wchar_t* chosen;
    } cases[] = {{L"pt_BR", L"pt_BR"}, {L"pt_MZ", L"pt_PT"}, {L"zh_HK", L"zh_CN"}, {L"en_US", L"en_GB"},
                 {L"de_DE", L"en_GB"}, {L"_", L"en_GB"},     {L"", L"en_GB"},      {L"pt", L"pt_PT"}};
    for (const auto& each : cases)
        EXPECT_EQ(general::translation::best_language(listed, each.wanted), each.chosen) << each.wanted;
    EXPECT_EQ(general::translation::best_language({}, L"pt_BR"), L"en_GB");
}
