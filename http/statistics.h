#pragma once
// The reporter of one batch of statistics events: turns event numbers into the
// JSON report, posts it over TLS to the given statistics server and reads the
// answer. One object per batch, created, used and destroyed on one thread (the
// main dialog's background thread); every call blocks, for 5 s per step at
// most (resolving, connecting, sending, waiting for the answer, reading it).
//
//     istats reporter{statistics::server{L"stats.example", 443}};   // computes the machine identifier
//     auto [sent, unsent_body] = reporter.send_events(pending);
//
// Log lines carry the prefix "istats".
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "general/log/log.h"
#include "http/statistics_json.h"

namespace statistics {

// Where reports go, always over TLS.
struct server {
    std::wstring host;
    std::uint16_t port = 443;
};

} // namespace statistics

class istats : general::log::prefix {
public:
    // Reports to `server`. Computes the machine identifier, which waits at most
    // about 10 s for the firmware tables and then goes on without them. Throws
    // what the identifier still throws (the table walk's std::out_of_range, a
    // failed digest).
    explicit istats(statistics::server server);
    // A reporter that sends under a given identifier instead.
    istats(statistics::server server, std::wstring machine_id);

    // Posts the report of `batch` and returns whether the server accepted it,
    // with the body (UTF-8) when it did not. An empty batch sends nothing,
    // logs nothing and returns (false, empty). The HTTP status is not looked
    // at: only the answer's "type" decides. Logs "sent: <body>" (debug) or
    // "UNSENT: <body>" (error), after the reason of a refusal. Throws
    // std::runtime_error when the HTTP client fails (nothing was accepted).
    std::pair<bool, std::string> send_events(const std::vector<int>& batch);

    // The report `send_events` would post for `batch`, in UTF-8.
    std::string body(const std::vector<int>& batch) const;

    const std::wstring& machine_id() const noexcept { return machine_id_; }

private:
    bool accepted(const std::string& answer) const;
    std::string post(const std::string& body) const;

    statistics::server server_;
    std::wstring machine_id_;
    std::wstring product_ = L"qo";
    statistics::event_table event_keys_;
};
