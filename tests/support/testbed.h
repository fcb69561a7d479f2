#pragma once
// Where the stand-in servers of testbed/server.py listen. Only for test areas
// declared with qel_test_area(... TESTBED ...): CTest starts the servers before
// their cases (fixture "testbed") and the build passes the ports in.
//
// Every server is reached as "localhost" (Wine matches only the DNS names of a
// certificate). Paths the servers answer and the faults chosen through the
// path ("/fault/404/...", "/fault/reset/...") are listed at the top of
// testbed/server.py.
#ifndef QEL_TESTBED_HOST
#error "this test area needs the stand-in servers: declare it with qel_test_area(... TESTBED ...)"
#endif

#include <cstdint>
#include <string>

namespace test_support::testbed {

inline constexpr const wchar_t* host = QEL_TESTBED_HOST;
inline constexpr std::uint16_t download_http_port = QEL_TESTBED_DOWNLOAD_HTTP_PORT;
inline constexpr std::uint16_t download_https_port = QEL_TESTBED_DOWNLOAD_HTTPS_PORT;
inline constexpr std::uint16_t update_http_port = QEL_TESTBED_UPDATE_HTTP_PORT;
inline constexpr std::uint16_t update_https_port = QEL_TESTBED_UPDATE_HTTPS_PORT;
// HTTPS with a certificate from a CA nobody trusts: every request must fail.
inline constexpr std::uint16_t untrusted_https_port = QEL_TESTBED_UNTRUSTED_HTTPS_PORT;
// Nothing listens here.
inline constexpr std::uint16_t closed_port = QEL_TESTBED_CLOSED_PORT;
// The folder the servers serve files from, as a Windows path.
inline constexpr const wchar_t* payload_directory = QEL_TESTBED_PAYLOAD_DIR;

// "http://localhost:<port><path>" or "https://...".
inline std::wstring url(bool secure, std::uint16_t port, const std::wstring& path)
{
    return (secure ? L"https://" : L"http://") + std::wstring{host} + L":" + std::to_wstring(port) + path;
}

} // namespace test_support::testbed
