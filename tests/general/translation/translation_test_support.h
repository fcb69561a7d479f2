#pragma once
// Helpers of the translation tests: a chosen user locale, catalogue texts and the
// stored language value.
#include <filesystem>
#include <fstream>
#include <string>

#include "general/translation/translation.h"
#include "general/windows/registry.h"
#include "general/windows/text.h"

namespace translation_tests {

// Makes user_locale_code answer for the given locale for the object's life.
class locale_override {
public:
    locale_override(std::wstring language, std::wstring country)
        : previous_(general::translation::set_locale_source([language, country] {
              return general::translation::locale_names{language, country};
          }))
    {
    }
    ~locale_override() { general::translation::set_locale_source(std::move(previous_)); }
    locale_override(const locale_override&) = delete;
    locale_override& operator=(const locale_override&) = delete;

private:
    general::translation::locale_source previous_;
};

inline const wchar_t* const language_key = L"SOFTWARE\\Varnhelm\\Sentovar";

// The stored "Language" value, or "(none)".
inline std::wstring stored_language(const std::wstring& key = language_key)
{
    return general::windows::registry_text(
        general::windows::registry_read(HKEY_CURRENT_USER, key, L"Language", std::wstring(L"(none)")));
}

inline void write_utf8(const std::filesystem::path& path, const std::wstring& text)
{
    std::ofstream file(path, std::ios::binary);
    file << general::windows::wide_to_utf8(text);
}

// A catalogue with one context of messages given as source, translation pairs.
inline std::wstring catalogue(const std::wstring& context,
                              std::initializer_list<std::pair<std::wstring, std::wstring>> messages)
{
    std::wstring text = L"<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version=\"2.0\">\n<context>"
                        L"<name>" +
                        context + L"</name>";
    for (const auto& [source, translation] : messages)
        text += L"<message><source>" + source + L"</source><translation>" + translation + L"</translation></message>";
    return text + L"</context>\n</TS>\n";
}

} // namespace translation_tests
