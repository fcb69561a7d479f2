#include "app/product_catalogue.h"

#include <algorithm>

#include "app/configuration.h"
#include "general/log/log.h"
#include "general/translation/translation.h"
#include "general/windows/registry.h"
#include "general/windows/settings.h"
#include "general/windows/system.h"

namespace {

const wchar_t* const archiver_name = L"Quobex";
const wchar_t* const protection_tray = L"qeltray.exe";
const wchar_t* const archiver_image = L"Quobex.exe";
const wchar_t* const fallback_language = L"English";
constexpr std::size_t initial_buckets = 8;
constexpr int locale_buffer = 64;

bool is_table_country(const std::wstring& country)
{
    const auto& builds = configuration::archiver_builds();
    return !country.empty() &&
           std::any_of(builds.begin(), builds.end(), [&](const auto& build) { return build.country == country; });
}

std::wstring locale_text(LCTYPE type)
{
    wchar_t buffer[locale_buffer];
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, locale_buffer) == 0)
        return {};
    return buffer;
}

} // namespace

std::size_t archiver_key_hash::operator()(const archiver_key& key) const noexcept
{
    const std::hash<std::wstring> text;
    std::size_t seed = text(key.language);
    seed ^= text(key.country) + 0x9e3779b9u + (seed << 6) + (seed >> 2);
    return seed ^ static_cast<std::size_t>(key.x64);
}

void fill_language_table(language_table& table)
{
    table = language_table(initial_buckets);
    for (const auto& build : configuration::archiver_builds()) {
        table.emplace(archiver_key{false, build.language, build.country}, build.url_32);
        table.emplace(archiver_key{true, build.language, build.country}, build.url_64);
    }
}

locale_names user_locale_names()
{
    return {locale_text(LOCALE_SENGLANGUAGE), locale_text(LOCALE_SENGCOUNTRY)};
}

std::wstring choose_archiver_url(language_table& table, bool x64, const locale_names& locale)
{
    fill_language_table(table);
    archiver_key key{x64, {}, is_table_country(locale.country) ? locale.country : std::wstring{}};
    // A country of its own build wins over the language.
    if (key.country.empty())
        key.language = locale.language;
    auto found = table.find(key);
    if (found == table.end()) {
        key.language = fallback_language;
        key.country.clear();
        found = table.find(key);
    }
    const std::wstring url = found != table.end() ? found->second : std::wstring{};
    const std::wstring detected = key.language.empty() ? L"country: " + key.country : L"langauge: " + key.language;
    general::log::prefix{L"main"}.info(L"detected " + detected + L", quobex installer: " + url);
    return url;
}

std::wstring choose_archiver_url(language_table& table)
{
    return choose_archiver_url(table, general::windows::is_64bit_windows(), user_locale_names());
}

product_descriptor archiver_descriptor(language_table& table)
{
    return {archiver_name, choose_archiver_url(table), {}, configuration::archiver_publisher()};
}

product_descriptor protection_descriptor()
{
    product_descriptor descriptor{general::windows::protection_full_name(), configuration::protection_package_url(),
                                  protection_tray, configuration::protection_publisher(), product_kind::protection};
    general::windows::registry_write(HKEY_LOCAL_MACHINE, L"SOFTWARE\\ZEB", L"qo", std::wstring{L"lite"});
    return descriptor;
}

std::wstring installed_protection_name()
{
    try {
        return general::windows::registry_text(general::windows::registry_read(
            HKEY_LOCAL_MACHINE, general::windows::installation_key, L"Product", std::wstring{}));
    } catch (...) {
        // A value of another type, or one the reader does not know: not our product.
        return {};
    }
}

archiver_check_system default_archiver_check_system()
{
    return {
        [] { return general::windows::is_process_running(archiver_image, 0, true); },
        [](HWND owner, const std::wstring& text, const std::wstring& caption) {
            return MessageBoxW(owner, text.c_str(), caption.c_str(),
                               MB_ICONWARNING | MB_RETRYCANCEL | general::translation::message_box_direction()) ==
                   IDRETRY;
        },
    };
}

bool check_archiver_running(HWND dialog, const std::wstring& caption, const archiver_check_system& system)
{
    while (system.archiver_running()) {
        const std::wstring text = general::translation::translate(
            L"MainDlg", L"It seems like you have Quobex running at the moment. Please close Quobex and other programs "
                        L"that may be running, then click \"Retry\" to proceed with the installation.");
        if (!system.retry(dialog, text, caption)) {
            DestroyWindow(dialog);
            PostQuitMessage(0);
            return true;
        }
    }
    return false;
}
