#include "general/translation/translation.h"

#include <winsock2.h>
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include <boost/format.hpp>

#include "general/log/log.h"
#include "general/translation/language_list_reader.h"
#include "general/windows/registry.h"
#include "general/windows/resource.h"
#include "general/windows/settings.h"
#include "general/windows/text.h"

namespace general::translation {

namespace {

const std::wstring fallback_code = L"en_GB";
const std::wstring no_code;
const wchar_t* const language_value = L"Language";

std::wstring language_key()
{
    return (boost::wformat(L"SOFTWARE\\%1%\\%2%") % windows::company_name() % windows::product_name()).str();
}

// A value that is missing, not a text or of a type the registry read refuses all
// count as unreadable.
std::wstring stored_code(const std::wstring& key)
{
    try {
        return windows::registry_text(windows::registry_read(HKEY_CURRENT_USER, key, language_value, fallback_code));
    } catch (const std::exception&) {
        return fallback_code;
    }
}

// The whole file as bytes, or nothing when it cannot be opened.
bool read_bytes(const std::filesystem::path& path, std::string& bytes)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    std::ostringstream content;
    content << file.rdbuf();
    bytes = content.str();
    return true;
}

// The catalogues are stored compressed (see windows::resource::unpacked).
std::wstring embedded_text(std::uint16_t id, const wchar_t* type)
{
    const windows::resource::handle resource(GetModuleHandleW(nullptr), id, type);
    return windows::utf8_to_wide(windows::resource::unpacked(resource.bytes()));
}

void load_catalogue(language& selected)
{
    if (selected.catalogue_resource != 0) {
        selected.contexts = read_catalogue(embedded_text(selected.catalogue_resource, L"TS"));
        return;
    }
    const std::filesystem::path& path = selected.catalogue_path;
    std::error_code ignored;
    if (!std::filesystem::exists(path, ignored))
        throw exception((boost::wformat(L"%1% translation file does not exists") % path.wstring()).str());
    std::string bytes;
    if (!read_bytes(path, bytes))
        throw exception((boost::wformat(L"Failed to open file for reading: %1%") % path.wstring()).str());
    selected.contexts = read_catalogue(windows::utf8_to_wide(bytes));
}

language_table read_directory_list(const std::filesystem::path& directory)
{
    language_table languages;
    std::string bytes;
    if (!read_bytes(directory / L"languages.lst", bytes))
        return languages;
    for (auto& entry : read_language_list(windows::utf8_to_wide(bytes))) {
        auto path = directory / (boost::wformat(L"ui_%1%.ts") % entry.code).str();
        languages.emplace(
            std::move(entry.code),
            language{std::move(entry.english_name), std::move(entry.native_name), std::move(path), 0, {}});
    }
    return languages;
}

std::uint16_t catalogue_id(const language_list_entry& entry)
{
    if (!entry.catalogue.empty()) {
        const unsigned long id = std::stoul(entry.catalogue);
        if (id == 0 || id > 0xFFFF)
            throw std::out_of_range("catalogue resource id");
        return static_cast<std::uint16_t>(id);
    }
    return entry.code == L"pt" || entry.code == L"pt_BR" ? brazilian_catalogue_resource : english_catalogue_resource;
}

// The table of the embedded list, and its codes in the list's order. The
// catalogues are read when their language is selected: one of them per run.
std::pair<language_table, std::vector<std::wstring>> read_embedded_table()
{
    language_table languages;
    std::vector<std::wstring> order;
    for (auto& entry : read_language_list(embedded_text(language_list_resource, L"LST"))) {
        const std::uint16_t id = catalogue_id(entry);
        if (!languages
                 .emplace(entry.code, language{std::move(entry.english_name), std::move(entry.native_name), {}, id, {}})
                 .second)
            continue;
        order.push_back(std::move(entry.code));
    }
    return {std::move(languages), std::move(order)};
}

} // namespace

exception::exception(const std::wstring& message) : description_(windows::to_narrow(message)) {}

manager& manager::instance()
{
    static manager shared(windows::resources_directory());
    return shared;
}

manager::manager(std::filesystem::path directory)
    : directory_(std::move(directory)), languages_(read_directory_list(directory_))
{
}

const std::wstring& manager::translate(const std::wstring& context, const std::wstring& source) const
{
    if (current_ == languages_.end())
        return source;
    const context_table& contexts = current_->second.contexts;
    const auto found_context = contexts.find(context);
    if (found_context == contexts.end())
        return source;
    const auto found = found_context->second.find(source);
    return found == found_context->second.end() ? source : found->second;
}

void manager::set_language(const std::wstring& code)
{
    const std::wstring key = language_key();
    auto selected = languages_.find(code.empty() ? stored_code(key) : code);
    if (selected == languages_.end())
        selected = languages_.find(fallback_code);
    if (selected == languages_.end())
        return;
    if (selected->second.contexts.empty())
        load_catalogue(selected->second);
    current_ = selected;
    windows::registry_write(HKEY_CURRENT_USER, key, language_value, selected->first);
}

void manager::swap_languages(language_table& languages)
{
    languages_.swap(languages);
    current_ = languages_.end();
}

const std::wstring& manager::current_code() const
{
    return current_ == languages_.end() ? no_code : current_->first;
}

namespace {

std::wstring formatted(const std::wstring& pattern, const std::vector<std::wstring>& arguments)
{
    boost::wformat format(pattern);
    for (const auto& argument : arguments)
        format % argument;
    return format.str();
}

} // namespace

std::wstring translate(const std::wstring& context, const std::wstring& source,
                       const std::vector<std::wstring>& arguments)
{
    const std::wstring& translation = translate(context, source);
    if (arguments.empty())
        return translation;
    try {
        return formatted(translation, arguments);
    } catch (const boost::io::format_error&) {
        general::log::error(L"[" + context + L"] the translation of \"" + source + L"\" does not fit its text");
        return formatted(source, arguments);
    }
}

const std::wstring& translate(const std::wstring& context, const std::wstring& source)
{
    return manager::instance().translate(context, source);
}

void set_language(const std::wstring& code)
{
    manager::instance().set_language(code);
}

void swap_languages(language_table& languages)
{
    manager::instance().swap_languages(languages);
}

void load_embedded_translations() noexcept
{
    try {
        auto [languages, order] = read_embedded_table();
        swap_languages(languages);
        set_language(best_language(order, user_locale_code()));
    } catch (...) {
        // The catalogue is optional comfort: without it every text shows in English.
    }
}

std::wstring embedded_choice() noexcept
{
    try {
        std::vector<std::wstring> order;
        for (auto& entry : read_language_list(embedded_text(language_list_resource, L"LST")))
            order.push_back(std::move(entry.code));
        return best_language(order, user_locale_code());
    } catch (...) {
        return fallback_code;
    }
}

unsigned int message_box_direction()
{
    return is_right_to_left(manager::instance().current_code()) ? MB_RTLREADING | MB_RIGHT : 0;
}

bool is_right_to_left(const std::wstring& code)
{
    const std::wstring language = code.substr(0, code.find(L'_'));
    return language == L"ar" || language == L"he" || language == L"fa";
}

std::wstring best_language(const std::vector<std::wstring>& listed, const std::wstring& wanted)
{
    if (std::find(listed.begin(), listed.end(), wanted) != listed.end())
        return wanted;
    const auto language_of = [](const std::wstring& code) { return code.substr(0, code.find(L'_')); };
    const std::wstring language = language_of(wanted);
    if (!language.empty()) {
        const auto same = std::find_if(listed.begin(), listed.end(),
                                       [&](const std::wstring& code) { return language_of(code) == language; });
        if (same != listed.end())
            return *same;
    }
    return fallback_code;
}

} // namespace general::translation
