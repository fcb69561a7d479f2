#pragma once
// The reporter of one batch of statistics events: turns event numbers into the
// JSON report, posts it over TLS to the maker's statistics server and reads the
// answer. One object per batch, created, used and destroyed on the same thread
// (the user-interface thread); every call blocks.
//
//     istats reporter;                               // computes the machine identifier
//     auto [sent, unsent_body] = reporter.send_events(pending);
//
// Log lines carry the prefix "istats".
#include <string>
#include <utility>
#include <vector>

#include "general/log/log.h"
#include "http/statistics_json.h"

class istats : general::log::prefix {
public:
    // Computes the machine identifier with COM initialised for the call (and
    // uninitialised after it when this call initialised it). Throws what the
    // identifier throws (WMI errors, the table walk's std::out_of_range).
    istats();
    // A reporter that sends under a given identifier instead.
    explicit istats(std::wstring machine_id);

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

    std::wstring machine_id_;
    std::wstring product_ = L"qo";
    statistics::event_table event_keys_;
};
