// The user's locale, from one place so that tests can choose it.
#include "general/translation/translation.h"

#include <winsock2.h>
#include <windows.h>

#include <mutex>
#include <utility>

namespace general::translation {

namespace {

std::mutex source_lock;
locale_source current_source;

std::wstring locale_info(LCTYPE type)
{
    wchar_t buffer[64] = {};
    const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 64);
    return length > 0 ? std::wstring(buffer, static_cast<std::size_t>(length - 1)) : std::wstring();
}

} // namespace

std::wstring locale_code(const locale_names& names)
{
    const bool norwegian = names.language == L"nb" || names.language == L"nn";
    return (norwegian ? std::wstring(L"no") : names.language) + L"_" + names.country;
}

locale_names system_locale_names()
{
    return {locale_info(LOCALE_SISO639LANGNAME), locale_info(LOCALE_SISO3166CTRYNAME)};
}

std::wstring user_locale_code()
{
    locale_source source;
    {
        std::lock_guard guard(source_lock);
        source = current_source;
    }
    return locale_code(source ? source() : system_locale_names());
}

locale_source set_locale_source(locale_source source)
{
    std::lock_guard guard(source_lock);
    return std::exchange(current_source, std::move(source));
}

} // namespace general::translation
