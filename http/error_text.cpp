// Words for the WinHTTP error codes the client can meet.
#include "http/client.h"

#include <algorithm>
#include <array>
#include <utility>

namespace general::windows::http {

namespace {

constexpr std::array<std::pair<std::uint32_t, const char*>, 23> known_errors{{
    {12002, "The request has timed out"},
    {12004, "An internal error has occurred"},
    {12005, "The URL is not valid"},
    {12006, "The URL specified a scheme other than \"http:\" or \"https:\""},
    {12007, "The server name cannot be resolved"},
    {12009, "A request specified an invalid option value"},
    {12011, "The requested option cannot be set, only queried"},
    {12012, "The WinHTTP function support is being shut down or unloaded"},
    {12015, "The login attempt failed"},
    {12017, "The operation was canceled"},
    {12018, "The type of handle supplied is incorrect for this operation"},
    {12019, "The requested operation cannot be carried out because the handle supplied is not in the correct state"},
    {12029, "The connection to the server failed"},
    {12030, "The connection with the server has been reset or terminated"},
    {12032, "The WinHTTP function failed"},
    {12044, "The server requires SSL client Authentication"},
    {12150, "The requested header cannot be located"},
    {12152, "The server response cannot be parsed"},
    {12156, "The redirection failed because either the scheme changed or all attempts made to redirect failed"},
    {12166, "An error occurred executing the script code in the Proxy Auto-Configuration (PAC) file"},
    {12167, "The PAC file cannot be downloaded"},
    {12175, "One or more errors were found in the Secure Sockets Layer (SSL) certificate sent by the server"},
    {12178, "A proxy for the specified URL cannot be located"},
}};

} // namespace

std::string error_text(std::uint32_t code)
{
    const auto found = std::find_if(known_errors.begin(), known_errors.end(),
                                    [code](const auto& entry) { return entry.first == code; });
    if (found != known_errors.end())
        return found->second;
    return std::to_string(static_cast<unsigned long long>(code));
}

} // namespace general::windows::http
