#pragma once
// The two JSON forms of the statistics report, without any system call: the
// table of event numbers and keys, the body of one batch and the reading of the
// server's answer. Safe from any thread; nothing here logs.
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace statistics {

using event_table = std::unordered_map<int, std::wstring>;

// The 29 events, 1 "startpage-install-both" to 29 "uninstall-complete".
event_table make_event_table();

// The report of `batch`: empty for an empty batch; otherwise "[", one compact
// object per number that has a key, {"<key>":{"id":"<machine_id>","product":
// "<product>"}}, each followed by a line feed and preceded by "," after the
// first, then "]". Numbers without a key are left out (so only unknown numbers
// give "[]"). Throws std::bad_alloc only.
std::wstring events_body(const std::vector<int>& batch, const event_table& keys, const std::wstring& machine_id,
                         const std::wstring& product);

// What the server said about a report.
struct reply {
    bool accepted = false;    // top-level "type" is "success"
    std::string failure_text; // UTF-8 "text" of a refusal; empty when it gave none
    std::string parse_error;  // what the JSON parser said; empty when the answer parsed
};

// The longest answer the readers look at (reports and counters alike).
inline constexpr std::size_t largest_reply = 64 * 1024;

// Each step of a request to the statistics server (resolving, connecting,
// sending, waiting for the answer, reading it) gives up after this long, in
// milliseconds: reports and counters alike run in the background and must let
// the run end.
inline constexpr int request_timeout_ms = 5000;

// Reads the answer body (the HTTP status is not part of the verdict). Never
// throws: an answer that does not parse yields its parser message, one longer
// than largest_reply or nested deeper than the parsers can follow is refused
// unread ("reply too large", "reply nested too deeply").
reply read_reply(std::string_view answer) noexcept;

} // namespace statistics
