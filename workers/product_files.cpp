#include "workers/product_files.h"

#include <cwctype>

namespace product_files {

namespace {

constexpr std::wstring_view scheme_separator = L"://";

bool is_https(std::wstring_view scheme)
{
    constexpr std::wstring_view https = L"https";
    if (scheme.size() != https.size())
        return false;
    for (std::size_t i = 0; i < https.size(); ++i) {
        if (std::towlower(scheme[i]) != https[i])
            return false;
    }
    return true;
}

// A decimal port from 1 to 65535; nothing for anything else.
std::optional<std::uint16_t> parse_port(std::wstring_view digits)
{
    if (digits.empty() || digits.size() > 5)
        return std::nullopt;
    unsigned value = 0;
    for (const wchar_t c : digits) {
        if (c < L'0' || c > L'9')
            return std::nullopt;
        value = value * 10 + static_cast<unsigned>(c - L'0');
    }
    if (value == 0 || value > 65535)
        return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

// Where the port of `authority` starts (at its ":"), or npos. A bracketed
// IPv6 literal keeps its own colons.
std::size_t port_separator(std::wstring_view authority)
{
    if (!authority.empty() && authority.front() == L'[') {
        const auto closing = authority.find(L']');
        if (closing == authority.npos || closing + 1 >= authority.size() || authority[closing + 1] != L':')
            return authority.npos;
        return closing + 1;
    }
    return authority.find(L':');
}

std::wstring_view after_last_slash(std::wstring_view text)
{
    const auto slash = text.rfind(L'/');
    return slash == text.npos ? text : text.substr(slash + 1);
}

std::wstring quoted(std::wstring_view text)
{
    std::wstring result;
    result.reserve(text.size() + 2);
    result += L'"';
    result += text;
    result += L'"';
    return result;
}

} // namespace

std::optional<address> parse_address(std::wstring_view url)
{
    address result;
    if (const auto separator = url.find(scheme_separator); separator != url.npos) {
        if (is_https(url.substr(0, separator))) {
            result.secure = true;
            result.port = 443;
        }
        url.remove_prefix(separator + scheme_separator.size());
    }
    const auto slash = url.find(L'/');
    const std::wstring_view authority = url.substr(0, slash);
    if (slash != url.npos)
        result.path = url.substr(slash);

    const auto colon = port_separator(authority);
    result.host = authority.substr(0, colon);
    if (colon != authority.npos && colon + 1 < authority.size()) {
        const auto port = parse_port(authority.substr(colon + 1));
        if (!port)
            return std::nullopt;
        result.port = *port;
    }
    return result;
}

std::wstring saved_file_name(std::wstring_view path)
{
    return std::wstring{after_last_slash(path)};
}

std::wstring installer_file_name(std::wstring_view url)
{
    return std::wstring{after_last_slash(url)};
}

std::wstring join_path(std::wstring_view folder, std::wstring_view name)
{
    std::wstring result{folder};
    if (!folder.empty() && !name.empty() && folder.back() != L'\\' && folder.back() != L'/')
        result += L'\\';
    result += name;
    return result;
}

std::wstring install_command_line(std::wstring_view file_path, std::wstring_view system_folder)
{
    constexpr std::wstring_view executable_suffix = L".exe";
    if (file_path.ends_with(executable_suffix))
        return quoted(file_path) + L" /s1";
    if (system_folder.empty())
        return {};
    return quoted(join_path(system_folder, L"msiexec.exe")) + L" /i " + quoted(file_path) + L" /qn";
}

installer_outcome outcome_of(unsigned long exit_code)
{
    switch (exit_code) {
    case 0: return installer_outcome::installed;
    case 3010: return installer_outcome::installed_restart_needed;
    case 1641: return installer_outcome::installed_restart_started;
    default: return installer_outcome::failed;
    }
}

} // namespace product_files
