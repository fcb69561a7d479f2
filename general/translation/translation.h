#pragma once
// The translation catalogue: every text a page shows is written in English and
// looked up here by its context (the page's name, such as "StartView") and its
// English source text before it is displayed.
//
//     general::translation::load_embedded_translations();          // main dialog, once
//     const std::wstring caption =
//         (boost::wformat(general::translation::translate(L"MainDlg", L"%1% Installer")) % name).str();
//
// All functions act on the one process-wide manager, created on first use. It
// takes no lock: it is filled on the user-interface thread before the first page
// exists and only read afterwards, from any thread.
#include <cstdint>
#include <exception>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "general/translation/catalogue_reader.h"

namespace general::translation {

struct language {
    std::wstring english_name;
    std::wstring native_name;
    // The catalogue file; empty for a language read from the embedded resources.
    std::filesystem::path catalogue_path;
    // The embedded catalogue (resource type "TS"); 0 for a catalogue file.
    std::uint16_t catalogue_resource = 0;
    // Empty until the catalogue is loaded; a non-empty table means loaded.
    context_table contexts;
};

// Locale code ("en_GB") -> language.
using language_table = std::map<std::wstring, language>;

// A catalogue file that is missing or cannot be opened. The description is the
// message in the system's ANSI code page.
class exception : public std::exception {
public:
    explicit exception(const std::wstring& message);
    const char* what() const noexcept override { return description_.c_str(); }

private:
    std::string description_;
};

class manager {
public:
    // The process-wide manager, created on first use over the "resources" folder
    // beside the executable.
    static manager& instance();

    // Reads `directory`/languages.lst when it can be opened (otherwise the table
    // stays empty, unreported). Each listed language's catalogue is the file
    // `directory`/ui_<code>.ts, loaded the first time the language is selected.
    // No language is current. Throws only std::bad_alloc.
    explicit manager(std::filesystem::path directory);
    manager(const manager&) = delete;
    manager& operator=(const manager&) = delete;

    // The current language's translation of `source` in `context`; `source` itself
    // (the very object passed in) when there is none, or when no language is
    // current. A returned `source` lives only as long as the caller's argument.
    const std::wstring& translate(const std::wstring& context, const std::wstring& source) const;

    // Selects the language of `code`, or, when `code` is empty, of the "Language"
    // value under HKEY_CURRENT_USER "SOFTWARE\\<company>\\<product>" ("en_GB"
    // when it is missing or unreadable). A code that is not in the table selects
    // "en_GB". Loads the language's catalogue file if it has no contexts yet,
    // then stores the selected code as "Language" (a failed write is ignored).
    // When neither the code nor "en_GB" is in the table nothing changes.
    // Throws general::translation::exception "<path> translation file does not
    // exists" or "Failed to open file for reading: <path>" for a catalogue file,
    // boost::property_tree::ptree_error for a malformed one, and boost::bad_get
    // when the company or product setting is not a text; the selection is then
    // unchanged.
    void set_language(const std::wstring& code);

    // Exchanges the table with `languages`. No language is current afterwards: the
    // old selection lives in the caller's table now.
    void swap_languages(language_table& languages);

    const std::filesystem::path& directory() const { return directory_; }
    const language_table& languages() const { return languages_; }
    // The code of the current language; empty when none is.
    const std::wstring& current_code() const;

private:
    std::filesystem::path directory_;
    language_table languages_;
    language_table::iterator current_ = languages_.end();
};

// The process-wide manager's operations (see manager).
const std::wstring& translate(const std::wstring& context, const std::wstring& source);
// The translation of `source` in `context` with `arguments` filled into its
// placeholders in order. A translation whose placeholders don't fit the
// arguments is logged and the English text used, so a faulty catalogue never
// leaves a window without its text. Texts without arguments are not formats
// ("100% Free forever") and come back as translated.
std::wstring translate(const std::wstring& context, const std::wstring& source,
                       const std::vector<std::wstring>& arguments);
void set_language(const std::wstring& code);
void swap_languages(language_table& languages);

// The embedded resources the table is built from: the language list ("LST")
// and the two catalogues ("TS") a line without an id of its own falls back to.
// The resource script numbers them alike (resources/resource_ids.h).
inline constexpr std::uint16_t language_list_resource = 209;
inline constexpr std::uint16_t english_catalogue_resource = 210;
inline constexpr std::uint16_t brazilian_catalogue_resource = 211;

// Builds the language table from the embedded language list: each line's
// catalogue is the "TS" resource its fourth field names, or, on a line without
// one, the Brazilian catalogue for "pt" and "pt_BR" and the English one for
// every other code. Replaces the manager's table with it and selects the language
// best_language picks for the user's locale; only that catalogue is read. Any
// failure abandons the rest of the set-up silently: one while reading the list
// leaves the manager as it was, one while selecting (a missing resource,
// malformed XML) leaves the new table with no language current. Never throws.
// User-interface thread, before the first page exists.
void load_embedded_translations() noexcept;

// The code of `listed` (in the language list's order) for the locale `wanted`
// ("de_AT"): `wanted` itself when listed, else the first listed code of the
// same language ("de_DE"), else "en_GB".
std::wstring best_language(const std::vector<std::wstring>& listed, const std::wstring& wanted);

// The code of the embedded catalogue load_embedded_translations selects for the
// user's locale; "en_GB" when the list cannot be read. Never throws.
std::wstring embedded_choice() noexcept;

// Whether the language of `code` ("ar_SA") is written right to left: Arabic,
// Hebrew and Persian, whose pages are mirrored.
bool is_right_to_left(const std::wstring& code);

// MB_RTLREADING | MB_RIGHT when the current language is written right to
// left, for the flags of a message box; 0 otherwise.
unsigned int message_box_direction();

// Marks `source` as a text that `context` translates when it shows it (a word a
// worker posts to a page, say), so the check of the catalogues finds it where it
// is written. Returns `source`.
constexpr const wchar_t* noop(const wchar_t* context, const wchar_t* source) noexcept
{
    return (void)context, source;
}

// ---------------------------------------------------------------- locale ---

// The user's default locale as the system names it.
struct locale_names {
    std::wstring language; // ISO 639, "pt"
    std::wstring country;  // ISO 3166, "BR"
};

// "pt" and "BR" give "pt_BR". The Norwegian languages "nb" and "nn" both give
// "no", so they share one code.
std::wstring locale_code(const locale_names& names);

// The user's locale code: locale_code of the current locale source, which is the
// system's user default locale unless a test replaced it. An unreadable part is
// empty.
std::wstring user_locale_code();

// The system's answer: GetLocaleInfoW of LOCALE_USER_DEFAULT, 64 characters at most.
locale_names system_locale_names();

// Where user_locale_code takes the locale from. Replaces the source and returns
// the previous one; an empty function restores the system's. Meant for tests;
// safe from any thread (a call already asking the old source still uses it).
using locale_source = std::function<locale_names()>;
locale_source set_locale_source(locale_source source);

} // namespace general::translation
