#pragma once
// Where a product's installer comes from, the name it is kept under in the
// temporary folder and the command line that runs it. Text functions only (no
// system calls), so every form of address can be checked without a network;
// safe from any thread; nothing throws except std::bad_alloc.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace product_files {

// The server and path one download address names.
struct address {
    std::wstring host;
    std::uint16_t port = 80;
    std::wstring path;   // from the first "/" after the host, inclusive; empty when there is none
    bool secure = false; // fetched over TLS
};

// Splits a download address. Everything up to and including "://" is the
// scheme: "https" (in any case) is fetched over TLS on 443, anything else, or
// no scheme at all, over plain HTTP on 80. A port written after the host
// ("host:8443", "[::1]:8443") wins over the scheme's; an empty one ("host:")
// keeps it. The path starts at the first "/" after the scheme. Nothing when
// the port is not a number from 1 to 65535.
std::optional<address> parse_address(std::wstring_view url);

// The name a downloaded body is saved under: the part of `path` after its last
// "/" (the whole path when it has none; empty for an empty path).
std::wstring saved_file_name(std::wstring_view path);

// The name the installer looks for: the part of `url` after its last "/" (the
// whole address when it has none). For every address with a path this is the
// name saved_file_name gave the download.
std::wstring installer_file_name(std::wstring_view url);

// `folder` and `name` joined by exactly one backslash (none when either is empty).
std::wstring join_path(std::wstring_view folder, std::wstring_view name);

// The command line that runs an installer file silently. A path ending in
// ".exe" exactly (case-sensitive) is run itself with "/s1"; anything else goes
// to the Windows Installer named by its full path in `system_folder`, so a
// planted msiexec.exe in the current or the executable's folder is never run.
// Every path is quoted: a folder with a blank (a user name "Jo Doe" in the
// temporary folder) must not start "C:\Users\Jo.exe". Empty when the file
// needs the Windows Installer and `system_folder` is empty: the search path is
// exactly what the full path is there to avoid.
std::wstring install_command_line(std::wstring_view file_path, std::wstring_view system_folder);

// What an installer's exit code says. Installers of both kinds follow the
// Windows Installer's codes: 0 installed; 3010 installed, the system must
// restart to complete it; 1641 installed, and the installer has started that
// restart. Anything else (1602 cancelled, 1603 failed, 1618 another
// installation running, a crash's exception code) is a failure.
enum class installer_outcome { installed, installed_restart_needed, installed_restart_started, failed };
installer_outcome outcome_of(unsigned long exit_code);

} // namespace product_files
