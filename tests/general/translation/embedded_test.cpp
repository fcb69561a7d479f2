// The embedded catalogue chosen by the user's locale, end to end from the locale
// to the lookups and the stored language.
#include <gtest/gtest.h>

#include <set>

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

    static const general::translation::context_table& english_messages()
    {
        return manager::instance().languages().at(L"en_GB").contexts;
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

TEST_F(embedded, brazilian_portuguese_translates_with_the_trailing_spaces_of_the_catalogue)
{
    load_for(L"pt", L"BR");
    EXPECT_EQ(manager::instance().current_code(), L"pt_BR");
    EXPECT_EQ(translate(L"StartView", L"Install"), L"Instalar ");
    EXPECT_EQ(translate(L"MainDlg", L"%1% Installer"), L"Instalador %1%");
    EXPECT_EQ(translate(L"UninstalledView", L"Finish"), L"Concluir ");
    EXPECT_EQ(stored_language(), L"pt_BR");
}

TEST_F(embedded, portugal_and_sweden_are_listed_but_read_the_english_catalogue)
{
    for (auto [language, country] : {std::pair{L"pt", L"PT"}, std::pair{L"sv", L"SE"}}) {
        load_for(language, country);
        const std::wstring code = std::wstring(language) + L"_" + country;
        EXPECT_EQ(manager::instance().current_code(), code);
        EXPECT_EQ(stored_language(), code);
        std::size_t checked = 0;
        for (const auto& [context, messages] : english_messages())
            for (const auto& [source, translation] : messages) {
                EXPECT_EQ(translate(context, source), source);
                ++checked;
            }
        EXPECT_EQ(checked, 28u);
    }
}

TEST_F(embedded, unlisted_locales_fall_back_to_english_and_store_it)
{
    // Norwegian users get "no_NO", which is not listed either.
    for (auto [language, country] :
         {std::pair{L"de", L"DE"}, std::pair{L"nb", L"NO"}, std::pair{L"nn", L"NO"}, std::pair{L"", L""}}) {
        general::windows::registry_write(HKEY_CURRENT_USER, language_key, L"Language", std::wstring(L"pt_BR"));
        load_for(language, country);
        EXPECT_EQ(manager::instance().current_code(), L"en_GB");
        EXPECT_EQ(stored_language(), L"en_GB") << "the stored value is not consulted when a code is given";
        EXPECT_EQ(translate(L"StartView", L"Install"), L"Install");
    }
}

TEST_F(embedded, the_embedded_list_replaces_the_folder_list_whole)
{
    load_for(L"pt", L"BR");
    std::set<std::wstring> codes;
    for (const auto& [code, language] : manager::instance().languages()) {
        codes.insert(code);
        EXPECT_TRUE(language.catalogue_path.empty()) << "embedded languages have no file";
        EXPECT_FALSE(language.contexts.empty()) << "embedded languages are complete when added";
    }
    EXPECT_EQ(codes, (std::set<std::wstring>{L"en_GB", L"pt_PT", L"pt_BR", L"sv_SE"}));
    EXPECT_EQ(manager::instance().languages().at(L"pt_BR").native_name, L"Portugu\xEAs (Brasil)");
    EXPECT_EQ(manager::instance().languages().at(L"en_GB").english_name, L"English");
}

TEST_F(embedded, only_exact_context_and_source_match)
{
    load_for(L"pt", L"BR");
    // Contexts no catalogue holds give the very source object back.
    for (const wchar_t* context : {L"AbandonView", L"CancelView", L"startview"}) {
        const std::wstring source = L"Install";
        EXPECT_EQ(&translate(context, source), &source);
    }
    for (const wchar_t* near_miss : {L"install", L"Install ", L" Install", L"INSTALL"}) {
        const std::wstring source = near_miss;
        EXPECT_EQ(&translate(L"StartView", source), &source);
    }
    EXPECT_EQ(translate(L"UninstallView", L"Cancel"), L"Cancelar ");
    EXPECT_EQ(translate(L"StartView", L"Cancel"), L"Cancelar") << "the same source differs by context";
}
