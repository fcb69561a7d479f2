// The protection counters shown by the uninstall pages, fetched from the
// statistics server.
#include "app/product_catalogue.h"

#include <exception>
#include <sstream>
#include <stdexcept>
#include <string_view>

#include "app/configuration.h"
#include "general/log/log.h"
#include "general/windows/settings.h"
#include "general/windows/text.h"
#include "http/client.h"
#include "http/statistics_json.h"

namespace {

namespace http = general::windows::http;

const wchar_t* const counters_path = L"ombrelast/getstatsnew.php";

std::string download_counters(const std::wstring& user_agent)
{
    const statistics::server server = configuration::statistics_server();
    http::session session{user_agent, true};
    using statistics::request_timeout_ms;
    session.set_timeouts(request_timeout_ms, request_timeout_ms, request_timeout_ms, request_timeout_ms);
    http::connection connection{session, server.host, server.port};
    const std::vector<std::uint8_t> body =
        http::get(connection, counters_path, nullptr, true, statistics::largest_reply);
    return std::string(body.begin(), body.end());
}

void log_failure(const std::exception& failure) noexcept
{
    try {
        general::log::prefix{L"main"}.error(general::windows::to_wide(failure.what()));
    } catch (...) {
        // Out of memory for the line: the counters stay as they were all the same.
    }
}

} // namespace

void fetch_protection_statistics(protection_counters& counters) noexcept
{
    std::wstring user_agent;
    try {
        using namespace general::windows;
        user_agent = company_name() + L" " + product_name() + L" " + product_version();
    } catch (const std::exception& failure) {
        log_failure(failure);
        return;
    } catch (...) {
        return;
    }
    fetch_protection_statistics(counters, user_agent);
}

void fetch_protection_statistics(protection_counters& counters, const std::wstring& user_agent) noexcept
{
    try {
        read_protection_statistics(download_counters(user_agent), counters);
    } catch (const std::exception& failure) {
        log_failure(failure);
    } catch (...) {
    }
}
