// The archiver build chosen for a machine: the whole configured table through
// the lookup, the country and fallback rules, and the log line.
#include "app/product_catalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>

#include "app/configuration.h"
#include "general/log/log.h"
#include "general/windows/system.h"
#include "tests/support/worker_environment.h"

namespace {

// clang-format off
const std::vector<std::wstring> languages = {
    L"Albanian", L"Arabic", L"Armenian", L"Belarusian", L"Bulgarian", L"Catalan", L"Chinese (Simplified)",
    L"Chinese (Traditional)", L"Croatian", L"Czech", L"Danish", L"Dutch", L"English", L"Estonian", L"Finnish",
    L"French", L"Galician", L"Georgian", L"German", L"Greek", L"Hebrew", L"Hungarian", L"Indonesian", L"Italian",
    L"Japanese", L"Lithuanian", L"Mongolian", L"Persian", L"Polish", L"Portuguese", L"Romanian", L"Russian",
    L"Serbian (Cyrillic)", L"Slovak", L"Slovenian", L"Spanish", L"Swedish", L"Thai", L"Turkish", L"Ukrainian",
    L"Uzbek (Latin)", L"Vietnamese"};
const std::vector<std::wstring> countries = {
    L"Azerbaijan", L"Norway", L"Svalbard and Jan Mayen", L"Brazil", L"Uzbekistan"};
const std::set<std::wstring> older_builds = {
    L"Azerbaijan", L"Belarusian", L"Estonian", L"Uzbekistan", L"Uzbek (Latin)", L"Vietnamese", L"Albanian"};
// clang-format on

// An address split along the pattern every build follows.
struct parsed_address {
    std::wstring scheme, host, directory, prefix, version, suffix;
};

parsed_address parse(const std::wstring& url)
{
    static const std::wregex pattern{LR"(^(https?)://([^/]+)(/(?:[^/]+/)*)([A-Za-z0-9_-]*?)(\d{3})([a-z]*)\.exe$)"};
    std::wsmatch m;
    if (!std::regex_match(url, m, pattern))
        return {};
    return {m[1], m[2], m[3], m[4], m[5], m[6]};
}

std::wstring choose(bool x64, const std::wstring& language, const std::wstring& country)
{
    language_table table;
    return choose_archiver_url(table, x64, {language, country});
}

std::wstring configured(bool x64, const std::wstring& name)
{
    for (const auto& build : configuration::archiver_builds()) {
        if (build.language == name || build.country == name)
            return x64 ? build.url_64 : build.url_32;
    }
    return {};
}

// Each of the 47 names reaches its own build on both processors; what the
// builds look like is checked against the publisher's naming pattern.
class archiver_table : public testing::Test {
protected:
    std::wstring english_32 = choose(false, L"English", L"");
    std::wstring english_64 = choose(true, L"English", L"");
    parsed_address english_32_parts = parse(english_32);
    parsed_address english_64_parts = parse(english_64);
};

TEST_F(archiver_table, english_build_has_no_suffix_and_distinct_prefixes_per_processor)
{
    ASSERT_FALSE(english_32_parts.prefix.empty()) << english_32;
    ASSERT_FALSE(english_64_parts.prefix.empty()) << english_64;
    EXPECT_NE(english_32_parts.prefix, english_64_parts.prefix);
    EXPECT_EQ(english_32_parts.suffix, L"");
    EXPECT_EQ(english_64_parts.suffix, L"");
    EXPECT_EQ(english_32_parts.scheme, L"https");
    EXPECT_EQ(english_32_parts.version, english_64_parts.version);
}

TEST_F(archiver_table, every_name_gets_its_configured_build_on_both_processors)
{
    std::set<std::wstring> files;
    const auto check = [&](const std::wstring& name, bool by_country) {
        for (const bool x64 : {false, true}) {
            const std::wstring url = by_country ? choose(x64, L"Spanish", name) : choose(x64, name, L"");
            EXPECT_EQ(url, configured(x64, name)) << name << " x64=" << x64;
            const parsed_address parts = parse(url);
            ASSERT_FALSE(parts.version.empty()) << "not of the pattern: " << url;
            EXPECT_EQ(parts.prefix, x64 ? english_64_parts.prefix : english_32_parts.prefix) << url;
            EXPECT_EQ(parts.directory, english_32_parts.directory) << url;
            if (name != L"English") {
                EXPECT_FALSE(parts.suffix.empty()) << url;
            }
            files.insert(parts.version + parts.suffix);
        }
    };
    for (const auto& name : languages)
        check(name, false);
    for (const auto& name : countries)
        check(name, true);
    // Two names share each of the Norwegian and the Uzbek builds; every other name has its own.
    EXPECT_EQ(files.size(), languages.size() + countries.size() - 2);
}

// A few builds as the publisher names its files, written out here rather than
// read from the table under test.
struct known_build {
    const wchar_t* name;
    bool by_country;
    const wchar_t* file_32;
    const wchar_t* file_64;
    bool plain_32 = false; // only on the plain-HTTP mirror
    bool plain_64 = false;
};

// clang-format off
const known_build known_builds[] = {
    {L"English", false, L"qbx32-623.exe", L"qbx64-623.exe"},
    {L"German", false, L"qbx32-623de.exe", L"qbx64-623de.exe"},
    {L"French", false, L"qbx32-623fr.exe", L"qbx64-623fr.exe"},
    {L"Japanese", false, L"qbx32-623jp.exe", L"qbx64-623jp.exe"},
    {L"Albanian", false, L"qbx32-590sq.exe", L"qbx64-590sq.exe"},
    {L"Uzbek (Latin)", false, L"qbx32-601uz.exe", L"qbx64-601uz.exe", true, false},
    {L"Norway", true, L"qbx32-623no.exe", L"qbx64-623no.exe"},
    {L"Svalbard and Jan Mayen", true, L"qbx32-623no.exe", L"qbx64-623no.exe"},
    {L"Brazil", true, L"qbx32-623br.exe", L"qbx64-623br.exe"},
    {L"Uzbekistan", true, L"qbx32-601uz.exe", L"qbx64-601uz.exe", false, true},
};
// clang-format on

TEST_F(archiver_table, has_every_name_once_and_the_known_builds_as_the_publisher_names_them)
{
    std::multiset<std::wstring> names;
    for (const auto& build : configuration::archiver_builds()) {
        EXPECT_NE(build.language.empty(), build.country.empty()) << build.url_32;
        names.insert(build.language + build.country);
    }
    std::multiset<std::wstring> expected(languages.begin(), languages.end());
    expected.insert(countries.begin(), countries.end());
    EXPECT_EQ(names, expected);

    for (const auto& each : known_builds) {
        SCOPED_TRACE(each.name);
        for (const bool x64 : {false, true}) {
            const std::wstring url = each.by_country ? choose(x64, L"Spanish", each.name) : choose(x64, each.name, L"");
            EXPECT_EQ(url.substr(url.rfind(L'/') + 1), x64 ? each.file_64 : each.file_32) << url;
            EXPECT_EQ(parse(url).scheme, (x64 ? each.plain_64 : each.plain_32) ? L"http" : L"https") << url;
        }
    }
}

TEST_F(archiver_table, both_processors_of_a_name_share_version_and_suffix)
{
    for (const auto& build : configuration::archiver_builds()) {
        const parsed_address a = parse(build.url_32);
        const parsed_address b = parse(build.url_64);
        EXPECT_EQ(a.version, b.version) << build.url_32;
        EXPECT_EQ(a.suffix, b.suffix) << build.url_32;
    }
}

TEST_F(archiver_table, older_versions_only_where_the_publisher_has_no_newer_build)
{
    const int newest = std::stoi(english_32_parts.version);
    int albanian = 0;
    int oldest_other = newest;
    for (const auto& build : configuration::archiver_builds()) {
        const std::wstring name = build.language.empty() ? build.country : build.language;
        const int version = std::stoi(parse(build.url_32).version);
        if (!older_builds.contains(name)) {
            EXPECT_EQ(version, newest) << name;
            continue;
        }
        EXPECT_LT(version, newest) << name;
        if (name == L"Albanian")
            albanian = version;
        else
            oldest_other = std::min(oldest_other, version);
    }
    EXPECT_LT(albanian, oldest_other);
}

TEST_F(archiver_table, shared_files_and_the_two_plain_http_entries)
{
    EXPECT_EQ(choose(false, L"", L"Norway"), choose(false, L"", L"Svalbard and Jan Mayen"));
    EXPECT_EQ(choose(true, L"", L"Norway"), choose(true, L"", L"Svalbard and Jan Mayen"));

    const parsed_address country_32 = parse(choose(false, L"", L"Uzbekistan"));
    const parsed_address country_64 = parse(choose(true, L"", L"Uzbekistan"));
    const parsed_address language_32 = parse(choose(false, L"Uzbek (Latin)", L""));
    const parsed_address language_64 = parse(choose(true, L"Uzbek (Latin)", L""));
    EXPECT_EQ(country_32.version + country_32.suffix, language_32.version + language_32.suffix);
    EXPECT_EQ(country_64.version + country_64.suffix, language_64.version + language_64.suffix);
    EXPECT_EQ(country_64.scheme, L"http");
    EXPECT_EQ(language_32.scheme, L"http");
    EXPECT_EQ(country_64.host, language_32.host);
    EXPECT_NE(country_64.host, english_32_parts.host);

    int plain = 0;
    for (const auto& build : configuration::archiver_builds()) {
        for (const auto& url : {build.url_32, build.url_64}) {
            if (parse(url).scheme == L"http") {
                ++plain;
                EXPECT_EQ(parse(url).host, country_64.host) << url;
            } else {
                EXPECT_EQ(parse(url).host, english_32_parts.host) << url;
            }
        }
    }
    EXPECT_EQ(plain, 2);
}

TEST_F(archiver_table, is_refilled_with_94_entries_on_every_choice)
{
    language_table table;
    table.emplace(archiver_key{true, L"Klingon", L""}, L"stale");
    choose_archiver_url(table, true, {L"German", L""});
    EXPECT_EQ(table.size(), 94u);
    EXPECT_EQ(table.count(archiver_key{true, L"Klingon", L""}), 0u);
    for (const auto& [key, url] : table)
        EXPECT_NE(key.language.empty(), key.country.empty()) << url;
}

// --- country, language and fallback ------------------------------------------

TEST(archiver_choice, a_table_country_wins_over_the_language)
{
    EXPECT_EQ(choose(false, L"Norwegian Bokm\u00e5l", L"Norway"), configured(false, L"Norway"));
    EXPECT_EQ(choose(true, L"Norwegian Nynorsk", L"Svalbard and Jan Mayen"), configured(true, L"Norway"));
    EXPECT_EQ(choose(true, L"English", L"Azerbaijan"), configured(true, L"Azerbaijan"));
    EXPECT_EQ(choose(false, L"Portuguese", L"Brazil"), configured(false, L"Brazil"));
    EXPECT_EQ(choose(true, L"Korean", L"Brazil"), configured(true, L"Brazil"));
}

TEST(archiver_choice, other_countries_leave_the_choice_to_the_language)
{
    EXPECT_EQ(choose(true, L"Portuguese", L"Portugal"), configured(true, L"Portuguese"));
    EXPECT_NE(configured(true, L"Portuguese"), configured(true, L"Brazil"));
    EXPECT_EQ(choose(false, L"German", L"Austria"), configured(false, L"German"));
}

TEST(archiver_choice, unknown_or_missing_names_fall_back_to_english)
{
    EXPECT_EQ(choose(true, L"Korean", L"Korea"), configured(true, L"English"));
    EXPECT_EQ(choose(false, L"", L""), configured(false, L"English"));
    // A country name is never taken for a language, nor a language for a country.
    EXPECT_EQ(choose(false, L"Brazil", L""), configured(false, L"English"));
    EXPECT_EQ(choose(false, L"", L"German"), configured(false, L"English"));
    // Names match exactly.
    EXPECT_EQ(choose(true, L"german", L""), configured(true, L"English"));
    EXPECT_EQ(choose(true, L"", L"norway"), configured(true, L"English"));
}

TEST(archiver_choice, logs_what_it_detected_and_chose)
{
    test_support::captured_log log;
    const std::wstring by_country = choose(true, L"Portuguese", L"Brazil");
    const std::wstring by_language = choose(false, L"Italian", L"Italy");
    const std::wstring fallback = choose(false, L"Korean", L"Korea");
    const auto lines = log.lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], std::make_pair(general::log::level_info,
                                       L"[main] detected country: Brazil, quobex installer: " + by_country));
    EXPECT_EQ(lines[1], std::make_pair(general::log::level_info,
                                       L"[main] detected langauge: Italian, quobex installer: " + by_language));
    EXPECT_EQ(lines[2], std::make_pair(general::log::level_info,
                                       L"[main] detected langauge: English, quobex installer: " + fallback));
}

// This machine is 64-bit Windows, so the native-processor query must pick the
// 64-bit build whatever the process is; a 32-bit process here would still ask
// the native architecture (the test machines run no 32-bit code).
TEST(archiver_choice, this_machine_gets_the_build_of_its_native_processor)
{
    ASSERT_TRUE(general::windows::is_64bit_windows());
    const locale_names locale = user_locale_names();
    language_table table;
    const std::wstring url = choose_archiver_url(table);
    EXPECT_EQ(url, choose(true, locale.language, locale.country));
    EXPECT_EQ(parse(url).prefix, parse(configured(true, L"English")).prefix);
}

} // namespace
