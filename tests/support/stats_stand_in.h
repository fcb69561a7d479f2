#pragma once
// What the statistics stand-in (testbed/stats_server.py) has seen, read back
// through its own endpoints at the configured statistics server. For test areas
// declared with TESTBED (the fixture starts the stand-in). Throws
// std::runtime_error when the stand-in cannot be reached.
#include <string>
#include <vector>

namespace test_support::stats_stand_in {

struct report {
    std::wstring user_agent;
    std::wstring content_type;
    std::string body; // as received (reports are ASCII)
};

// Every report POSTed so far, oldest first.
std::vector<report> received();

// How many of them had exactly `body`.
std::size_t count_received(const std::string& body);

// The request target of every request seen so far ("/installerstats.php", ...).
std::vector<std::wstring> request_targets();

// The next `count` reports are held without an answer and not recorded, as by a
// server that is down for a while; 0 ends the hold.
void hold_next_reports(int count);

} // namespace test_support::stats_stand_in
