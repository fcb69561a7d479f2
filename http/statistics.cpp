#include "http/statistics.h"

#include <winsock2.h>
#include <windows.h>

#include "general/windows/settings.h"
#include "general/windows/text.h"
#include "http/client.h"
#include "http/machine_id.h"

namespace {

namespace http = general::windows::http;

} // namespace

istats::istats(statistics::server server) : istats(std::move(server), machine_id::machine_identifier()) {}

istats::istats(statistics::server server, std::wstring machine_id)
    : prefix(L"istats"), server_(std::move(server)), machine_id_(std::move(machine_id)),
      event_keys_(statistics::make_event_table())
{
}

std::string istats::post(const std::string& body) const
{
    http::session session{general::windows::company_name() + L" " + general::windows::product_name() + L" installer",
                          true};
    using statistics::request_timeout_ms;
    session.set_timeouts(request_timeout_ms, request_timeout_ms, request_timeout_ms, request_timeout_ms);
    http::connection connection{session, server_.host, server_.port};
    http::request request{connection, L"POST", L"/installerstats.php", nullptr, true};
    request.set_body_limit(statistics::largest_reply);
    int status = 0;
    const std::vector<std::uint8_t> answer = request.send(status, body, L"application/json");
    return std::string(answer.begin(), answer.end());
}

std::string istats::body(const std::vector<int>& batch) const
{
    return general::windows::wide_to_utf8(statistics::events_body(batch, event_keys_, machine_id_, product_));
}

std::pair<bool, std::string> istats::send_events(const std::vector<int>& batch)
{
    std::string report = body(batch);
    if (report.empty())
        return {false, {}};
    if (accepted(post(report))) {
        debug(L"sent: " + general::windows::to_wide(report));
        return {true, {}};
    }
    error(L"UNSENT: " + general::windows::to_wide(report));
    return {false, std::move(report)};
}

bool istats::accepted(const std::string& answer) const
{
    const statistics::reply verdict = statistics::read_reply(answer);
    if (!verdict.parse_error.empty())
        general::log::error(general::windows::to_wide(verdict.parse_error));
    else if (!verdict.accepted && !verdict.failure_text.empty())
        error(L"failed with error: " + general::windows::utf8_to_wide(verdict.failure_text));
    else if (!verdict.accepted)
        error(L"failed");
    return verdict.accepted;
}
