// The configuration the shipped executable is built with. The test build points
// every host at the stand-ins, so nothing else ever reads these values: this
// program is built from the same source without the stand-ins' settings and
// checks what a release relies on.
#include <gtest/gtest.h>

#include <cwctype>
#include <set>
#include <string>
#include <vector>

#include "app/configuration.h"
#include "workers/product_files.h"

namespace {

bool is_loopback(const std::wstring& host)
{
    std::wstring lower;
    for (const wchar_t c : host)
        lower += static_cast<wchar_t>(std::towlower(c));
    return lower == L"localhost" || lower.ends_with(L".localhost") || lower.starts_with(L"127.") || lower == L"[::1]" ||
           lower == L"::1" || lower.starts_with(L"0.") || lower.empty();
}

// Every address the shipped program may reach or open.
std::vector<std::wstring> addresses()
{
    std::vector<std::wstring> all{configuration::protection_package_url(), configuration::archiver_licence_url(),
                                  configuration::protection_licence_url(), configuration::protection_about_url(),
                                  configuration::full_survey_url(),        configuration::lite_survey_url()};
    for (const auto& build : configuration::archiver_builds()) {
        all.push_back(build.url_32);
        all.push_back(build.url_64);
    }
    return all;
}

TEST(shipped_configuration, every_address_names_a_real_host_and_no_test_stand_in)
{
    for (const auto& each : addresses()) {
        SCOPED_TRACE(testing::PrintToString(each));
        const auto address = product_files::parse_address(each);
        ASSERT_TRUE(address.has_value());
        EXPECT_FALSE(is_loopback(address->host)) << testing::PrintToString(address->host);
        EXPECT_NE(address->host.find(L'.'), std::wstring::npos);
        EXPECT_TRUE(each.starts_with(L"https://") || each.starts_with(L"http://"));
        EXPECT_FALSE(address->path.empty());
    }
    const auto statistics = configuration::statistics_server();
    EXPECT_FALSE(is_loopback(statistics.host));
    EXPECT_EQ(statistics.port, 443);
}

TEST(shipped_configuration, the_download_table_has_each_build_once_by_exactly_one_key)
{
    const auto& builds = configuration::archiver_builds();
    EXPECT_EQ(builds.size(), 47u);
    std::set<std::wstring> keys;
    for (const auto& build : builds) {
        EXPECT_NE(build.language.empty(), build.country.empty()) << testing::PrintToString(build.url_64);
        EXPECT_TRUE(keys.insert(build.language + L"|" + build.country).second);
    }
}

TEST(shipped_configuration, each_product_accepts_its_own_real_publisher_only)
{
    const auto archiver = configuration::archiver_publisher();
    const auto protection = configuration::protection_publisher();
    for (const auto& each : {archiver, protection}) {
        EXPECT_FALSE(each.subject.empty());
        EXPECT_FALSE(each.issuer.empty());
        EXPECT_FALSE(each.subject.starts_with(L"qel ")) << "a test certificate";
        EXPECT_FALSE(each.issuer.starts_with(L"qel ")) << "a test certificate";
    }
    EXPECT_NE(archiver, protection);
}

TEST(shipped_configuration, the_product_code_is_a_braced_guid)
{
    const std::wstring code = configuration::protection_product_code();
    ASSERT_EQ(code.size(), 38u);
    EXPECT_EQ(code.front(), L'{');
    EXPECT_EQ(code.back(), L'}');
    for (std::size_t i = 1; i < 37; ++i) {
        if (i == 9 || i == 14 || i == 19 || i == 24)
            EXPECT_EQ(code[i], L'-') << i;
        else
            EXPECT_TRUE(std::iswxdigit(code[i])) << i;
    }
    EXPECT_NE(code, L"{2AB5D0D0-798F-407D-BAEC-CD98942255BD}") << "the test package's code";
}

} // namespace
