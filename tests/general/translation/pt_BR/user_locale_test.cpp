// Run by CTest under the Linux locale pt_BR.UTF-8, which Wine turns into the
// user's Windows locale: the whole path from the system's answer to the chosen
// catalogue and the stored language, with no stand-in for the locale.
#include <gtest/gtest.h>

#include "general/translation/translation.h"
#include "general/windows/registry.h"
#include "tests/support/scratch_registry.h"

TEST(user_locale_pt_BR, the_system_reports_brazilian_portuguese)
{
    const auto names = general::translation::system_locale_names();
    ASSERT_EQ(names.language, L"pt") << "the test runs under " QEL_TEST_LOCALE " (LC_ALL, LOCPATH)";
    EXPECT_EQ(names.country, L"BR");
    EXPECT_EQ(general::translation::user_locale_code(), L"pt_BR");
}

TEST(user_locale_pt_BR, selects_and_stores_the_brazilian_catalogue)
{
    test_support::scratch_registry registry;
    general::translation::load_embedded_translations();
    EXPECT_EQ(general::translation::manager::instance().current_code(), L"pt_BR");
    // Translated, from the catalogue of that code (what it says is the catalogue's).
    const auto& chosen = general::translation::manager::instance().languages().at(L"pt_BR");
    EXPECT_FALSE(chosen.contexts.empty());
    EXPECT_NE(general::translation::translate(L"StartView", L"Install"), L"Install");
    EXPECT_EQ(general::translation::translate(L"MainDlg", L"%1% Installer"),
              chosen.contexts.at(L"MainDlg").at(L"%1% Installer"));
    EXPECT_EQ(general::windows::registry_text(general::windows::registry_read(
                  HKEY_CURRENT_USER, L"SOFTWARE\\Varnhelm\\Sentovar", L"Language", std::wstring())),
              L"pt_BR");
}
