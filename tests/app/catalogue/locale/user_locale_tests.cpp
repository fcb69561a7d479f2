// The whole path from the user's real locale (set for Wine through the Linux
// locale of the test's environment) to the archiver build. Built once per
// locale; QEL_TEST_LOCALE names it.
#include "app/product_catalogue.h"

#include <gtest/gtest.h>

#include <string_view>

#include "app/configuration.h"

#ifndef QEL_TEST_LOCALE
#error "built by qel_locale_test, which names the locale"
#endif

namespace {

struct expectation {
    std::string_view locale;
    std::wstring language;
    std::wstring country;
    std::wstring build; // name of the table row that must be chosen
};

const expectation expectations[] = {
    {"pt_BR", L"Portuguese", L"Brazil", L"Brazil"},
    {"nb_NO", L"Norwegian Bokm\u00e5l", L"Norway", L"Norway"},
};

std::wstring configured_64(const std::wstring& name)
{
    for (const auto& build : configuration::archiver_builds()) {
        if (build.language == name || build.country == name)
            return build.url_64;
    }
    return {};
}

TEST(catalogue_user_locale, the_locale_of_the_user_picks_the_build)
{
    const auto* expected = std::find_if(std::begin(expectations), std::end(expectations),
                                        [](const expectation& e) { return e.locale == QEL_TEST_LOCALE; });
    ASSERT_NE(expected, std::end(expectations)) << "no expectation for " << QEL_TEST_LOCALE;
    const locale_names names = user_locale_names();
    EXPECT_EQ(names.language, expected->language);
    EXPECT_EQ(names.country, expected->country);
    language_table table;
    EXPECT_EQ(choose_archiver_url(table), configured_64(expected->build));
}

} // namespace
