#pragma once
// What the installer knows about the products it can install, and the checks
// it makes on the machine: which archiver build suits this machine, the two
// product descriptors, whether the protection product is installed, whether
// the archiver is running, and the protection counters of the uninstall pages.
//
// Everything runs on the caller's thread (the user-interface thread) and
// blocks; nothing throws unless its comment says so. Hosts, addresses and the
// build table come from app/configuration.h.
#include <winsock2.h>
#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>
#include <unordered_map>

#include "app/protection_counters.h"
#include "workers/product_descriptor.h" // product_descriptor

// --- the archiver build for this machine ---------------------------------------

// Exactly one of language and country is non-empty in a table entry.
struct archiver_key {
    bool x64 = false;
    std::wstring language; // English name of a language
    std::wstring country;  // English name of a country
    bool operator==(const archiver_key&) const = default;
};
struct archiver_key_hash {
    std::size_t operator()(const archiver_key& key) const noexcept;
};
// Archiver installer address by build key; the main dialog keeps one.
using language_table = std::unordered_map<archiver_key, std::wstring, archiver_key_hash>;

// Empties `table` and fills it with the 94 entries of the configured builds.
void fill_language_table(language_table& table);

// English names of the language and country of the user's default locale, each
// empty when the system cannot say.
struct locale_names {
    std::wstring language;
    std::wstring country;
};
locale_names user_locale_names();

// The archiver address for a machine: refills `table`, then looks up the
// country when it is one of the table's countries, otherwise the language, and
// falls back to English. Logs "[main] detected langauge: <language>, quobex
// installer: <address>" (or "country: <country>").
std::wstring choose_archiver_url(language_table& table, bool x64, const locale_names& locale);
// The same for this machine: its native processor (a 32-bit process on 64-bit
// Windows still gets the 64-bit build) and the user's locale.
std::wstring choose_archiver_url(language_table& table);

// --- the two products ----------------------------------------------------------

// "Quobex", the address chosen for this machine (refilling `table`), no tray program.
product_descriptor archiver_descriptor(language_table& table);
// "Varnhelm Sentovar", its package, "qeltray.exe"; records the edition chosen
// ("qo" = "lite" under HKEY_LOCAL_MACHINE "SOFTWARE\\ZEB"; a failed write is
// not an error).
product_descriptor protection_descriptor();

// "Product" of HKEY_LOCAL_MACHINE "SOFTWARE\\Talmirex"; empty, meaning not
// installed, when it is missing or cannot be read as text.
std::wstring installed_protection_name();

// --- the running archiver ------------------------------------------------------

// What the check asks of the system; the defaults look for a process named
// exactly "Quobex.exe" and ask the user with a warning box (Retry, Cancel).
struct archiver_check_system {
    std::function<bool()> archiver_running;
    // True to look again; anything but Retry (Cancel, or a box that could not
    // be shown) is false, so the check can never spin without the user.
    std::function<bool(HWND owner, const std::wstring& text, const std::wstring& caption)> retry;
};
archiver_check_system default_archiver_check_system();

// While the archiver runs, asks the user (owner `dialog`, caption `caption`)
// to close it, as often as the user retries. On Cancel destroys `dialog`,
// posts the quit message with 0 and returns true (the run is over); false once
// the archiver is not running.
bool check_archiver_running(HWND dialog, const std::wstring& caption,
                            const archiver_check_system& system = default_archiver_check_system());

// --- protection counters of the uninstall pages --------------------------------

// Fetches the counters from the statistics server over TLS and stores them;
// logs a failure at error level ("[main] <description>") and leaves what was
// not stored. Never throws. Blocks for the statistics requests' time-outs at
// most (5 s a step), so it runs off the user-interface thread.
void fetch_protection_statistics(protection_counters& counters) noexcept;
// The same with a given user agent in place of "<company> <product> <version>".
void fetch_protection_statistics(protection_counters& counters, const std::wstring& user_agent) noexcept;
