// The WinHTTP client: session, connection, request and the GET shortcut.
#include "http/client.h"

#include "general/windows/system.h"
#include "general/windows/text.h"
#include "http/tls_policy.h"

#include <winsock2.h>
#include <windows.h>

#include <winhttp.h>

#include <boost/format.hpp>
#include <boost/lexical_cast.hpp>

#include <algorithm>
#include <chrono>
#include <new>
#include <stdexcept>

namespace general::windows::http {

namespace {

constexpr int default_timeout_ms = 60000;
constexpr const char* aborted_text = "http request aborted";

[[noreturn]] void fail(const std::string& step, DWORD code)
{
    throw error(step + " [" + error_text(code) + "]", code);
}

// Read GetLastError() before anything else can change it; a step text that
// takes formatting to build goes through the overload above with the error
// captured first (formatting may reset the last error).
[[noreturn]] void fail(const std::string& step)
{
    fail(step, GetLastError());
}

} // namespace

bool is_certificate_failure(std::uint32_t code) noexcept
{
    switch (code) {
    case ERROR_WINHTTP_SECURE_FAILURE:
    case ERROR_WINHTTP_SECURE_CERT_DATE_INVALID:
    case ERROR_WINHTTP_SECURE_CERT_CN_INVALID:
    case ERROR_WINHTTP_SECURE_INVALID_CA:
    case ERROR_WINHTTP_SECURE_CERT_REV_FAILED:
    case ERROR_WINHTTP_SECURE_CERT_REVOKED:
    case ERROR_WINHTTP_SECURE_CERT_WRONG_USAGE:
    case ERROR_WINHTTP_SECURE_INVALID_CERT:
    case ERROR_WINHTTP_SECURE_CHANNEL_ERROR: return true;
    default: return false;
    }
}

void detail::internet_handle::close() noexcept
{
    if (void* const value = value_.exchange(nullptr)) {
        const DWORD error = GetLastError();
        WinHttpCloseHandle(value);
        SetLastError(error);
    }
}

std::uint32_t detail::read_pacer::next(std::uint32_t available, std::uint64_t remaining,
                                       std::int64_t waited_us) noexcept
{
    const bool ahead = waited_us <= quick_us && available >= most_waiting_;
    most_waiting_ = std::max(most_waiting_, available);
    std::uint32_t asked = ahead ? std::max(available, size_) : available;
    if (remaining != 0 && remaining < asked)
        asked = static_cast<std::uint32_t>(std::max<std::uint64_t>(remaining, available));
    return asked;
}

void detail::read_pacer::completed(std::uint32_t asked, std::uint32_t got, std::int64_t elapsed_us) noexcept
{
    if (got == asked && elapsed_us <= quick_us)
        size_ = static_cast<std::uint32_t>(std::min<std::uint64_t>(largest, std::uint64_t{std::max(size_, got)} * 2));
    else if (elapsed_us > slow_us)
        size_ /= 2;
}

bool offers_only_tls12(bool use_tls12, int version_class) noexcept
{
    return use_tls12 && version_class >= version_7;
}

// ---- session ----

session::session(const std::wstring& user_agent, bool use_tls12)
    : handle_(WinHttpOpen(user_agent.c_str(), WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME,
                          WINHTTP_NO_PROXY_BYPASS, 0))
{
    // A throw below still closes the handle: it is a fully built member.
    if (!handle_)
        fail("http session failed with error");
    if (offers_only_tls12(use_tls12, windows_version())) {
        // TLS 1.3 too where the system has it; systems without it refuse the flag.
        DWORD protocols = WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_2 | WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_3;
        if (!WinHttpSetOption(handle_.get(), WINHTTP_OPTION_SECURE_PROTOCOLS, &protocols, sizeof protocols)) {
            protocols = WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_2;
            if (!WinHttpSetOption(handle_.get(), WINHTTP_OPTION_SECURE_PROTOCOLS, &protocols, sizeof protocols))
                fail("http session secure protocl setting error");
        }
    }
    set_timeouts(default_timeout_ms, default_timeout_ms, default_timeout_ms, default_timeout_ms);
}

session::~session() = default;

void session::set_timeouts(int resolve, int connect, int send, int receive)
{
    if (!WinHttpSetTimeouts(handle_.get(), resolve, connect, send, receive))
        fail("http session setting timeouts error");
    receive_timeout_ = receive;
}

void* session::handle() const
{
    return handle_.get();
}

// ---- connection ----

connection::connection(session& owner, const std::wstring& host, std::uint16_t port)
    : handle_(WinHttpConnect(owner.handle(), host.c_str(), port, 0)), owner_(&owner)
{
    if (!handle_) {
        const DWORD error = GetLastError();
        fail((boost::format("http connection to %1%:%2% failed with error") % to_narrow(host) % port).str(), error);
    }
}

connection::~connection() = default;

void* connection::handle() const
{
    return handle_.get();
}

session& connection::owner() const
{
    return *owner_;
}

// ---- request ----

request::request(connection& owner, const std::wstring& verb, const std::wstring& path, request_observer* observer,
                 bool secure)
    : handle_(WinHttpOpenRequest(owner.handle(), verb.c_str(), path.c_str(), nullptr, WINHTTP_NO_REFERER,
                                 WINHTTP_DEFAULT_ACCEPT_TYPES, secure ? WINHTTP_FLAG_SECURE : 0)),
      owner_(&owner), expects_body_(verb != L"HEAD")
{
    if (!handle_) {
        const DWORD error = GetLastError();
        fail((boost::format("http request %1% failed with error") % to_narrow(path)).str(), error);
    }
    // No client certificate; the server's certificate is left to the system to
    // validate, so an impostor on the network fails the request.
    if (secure &&
        !WinHttpSetOption(handle_.get(), WINHTTP_OPTION_CLIENT_CERT_CONTEXT, WINHTTP_NO_CLIENT_CERT_CONTEXT, 0))
        fail("http request ssl setting error");
    set_response_timeout(owner.owner().receive_timeout());
    if (observer) {
        status_signal_.connect([observer](int status) { observer->on_response(status); });
        content_length_signal_.connect([observer](std::int64_t length) { observer->on_content_length(length); });
        received_signal_.connect([observer](std::int64_t count) { observer->on_data_received(count); });
    }
}

request::~request()
{
    // The observer may be gone right after the request; never call it again.
    status_signal_.disconnect_all_slots();
    content_length_signal_.disconnect_all_slots();
    received_signal_.disconnect_all_slots();
}

std::vector<std::uint8_t> request::send(int& status, const std::string& body, const std::wstring& content_type)
{
    return send(status, reinterpret_cast<const std::uint8_t*>(body.data()), static_cast<std::uint32_t>(body.size()),
                content_type);
}

std::vector<std::uint8_t> request::send(int& status, const std::uint8_t* body, std::uint32_t length,
                                        const std::wstring& content_type)
{
    std::vector<std::uint8_t> result;
    transfer(status, result, body, length, content_type);
    return result;
}

void request::send_appending(int& status, std::vector<std::uint8_t>& body)
{
    transfer(status, body, nullptr, 0, std::wstring{});
}

void request::transfer(int& status, std::vector<std::uint8_t>& result, const std::uint8_t* body, std::uint32_t length,
                       const std::wstring& content_type)
{
    if (aborted())
        throw std::runtime_error(aborted_text);
    const bool has_body = body != nullptr && length != 0;
    // Added once: a re-send after proxy authentication reuses the request's headers.
    if (has_body && !content_type_added_) {
        add_content_type(content_type.empty() ? std::wstring{L"text/xml"} : content_type);
        content_type_added_ = true;
    }
    const BOOL sent = has_body ? WinHttpSendRequest(handle_.get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0,
                                                    const_cast<std::uint8_t*>(body), length, length, 0)
                               : WinHttpSendRequest(handle_.get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0,
                                                    WINHTTP_NO_REQUEST_DATA, 0, 0, 0);
    // A certificate problem reported here shows again, in its own words, when
    // the response is awaited.
    if (!sent && GetLastError() != ERROR_WINHTTP_SECURE_FAILURE)
        fail_step("send http request failed with error");
    if (!WinHttpReceiveResponse(handle_.get(), nullptr))
        fail_step("receive http request failed with error");

    status = query_status();
    status_signal_(status);
    const std::size_t base = result.size();
    const std::int64_t length_announced = announced_length();
    check_body_limit(base + static_cast<std::uint64_t>(length_announced));
    if (length_announced != 0) {
        reserve(result, static_cast<std::int64_t>(base) + length_announced);
        content_length_signal_(length_announced);
    }
    read_body(result, base, length_announced);
    status = query_status();
    // Aborted after the last read: the status read above may be a stand-in.
    if (aborted())
        throw std::runtime_error(aborted_text);
    if (length_announced > 0 &&
        static_cast<std::uint64_t>(result.size() - base) < static_cast<std::uint64_t>(length_announced) &&
        expects_body_ && status != 204 && status != 304) {
        // The connection ended before the announced length: a short body is a
        // broken transfer, never a smaller file.
        SetLastError(ERROR_WINHTTP_CONNECTION_ERROR);
        fail_step("downloading failed failed with error");
    }

    // One answer to a proxy's 407, so a proxy that refuses the credentials
    // ends with its 407 instead of an endless exchange.
    if (status == 407 && !owner_->owner().proxy_user.empty() && !proxy_authenticated_) {
        authenticate_to_proxy();
        proxy_authenticated_ = true;
        result.resize(base);
        transfer(status, result, body, length, content_type);
    }
}

void request::add_header(const std::wstring& line)
{
    if (!WinHttpAddRequestHeaders(handle_.get(), line.c_str(), static_cast<DWORD>(-1),
                                  WINHTTP_ADDREQ_FLAG_ADD | WINHTTP_ADDREQ_FLAG_REPLACE))
        fail("http request header setting error");
}

std::wstring request::response_header(const std::wstring& name) const
{
    DWORD size = 0;
    WinHttpQueryHeaders(handle_.get(), WINHTTP_QUERY_CUSTOM, name.c_str(), WINHTTP_NO_OUTPUT_BUFFER, &size,
                        WINHTTP_NO_HEADER_INDEX);
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || size == 0)
        return {};
    std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
    if (!WinHttpQueryHeaders(handle_.get(), WINHTTP_QUERY_CUSTOM, name.c_str(), value.data(), &size,
                             WINHTTP_NO_HEADER_INDEX))
        return {};
    value.resize(size / sizeof(wchar_t));
    return value;
}

void request::set_response_timeout(int milliseconds)
{
    DWORD value = static_cast<DWORD>(milliseconds);
    if (!WinHttpSetOption(handle_.get(), WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &value, sizeof value))
        fail("http request setting timeouts error");
}

void request::abort() noexcept
{
    // The flag first: the blocked call may fail the moment the handle closes.
    aborted_.store(true);
    handle_.close();
}

void request::fail_step(const std::string& step) const
{
    const DWORD error = GetLastError();
    if (aborted())
        throw std::runtime_error(aborted_text);
    fail(step, error);
}

void request::add_content_type(const std::wstring& content_type)
{
    const std::wstring header = L"\r\nContent-Type:" + content_type;
    // Some WinHTTP implementations refuse a header text that begins with an empty
    // line; without it the header on the wire is the same.
    if (!WinHttpAddRequestHeaders(handle_.get(), header.c_str(), static_cast<DWORD>(-1), WINHTTP_ADDREQ_FLAG_ADD))
        WinHttpAddRequestHeaders(handle_.get(), header.c_str() + 2, static_cast<DWORD>(-1), WINHTTP_ADDREQ_FLAG_ADD);
}

std::int64_t request::announced_length()
{
    wchar_t text[16] = {};
    DWORD size = sizeof text;
    if (!WinHttpQueryHeaders(handle_.get(), WINHTTP_QUERY_CONTENT_LENGTH, WINHTTP_HEADER_NAME_BY_INDEX, text, &size,
                             WINHTTP_NO_HEADER_INDEX))
        return 0;
    // A value that is not a number throws boost::bad_lexical_cast. A negative one
    // announces nothing usable and counts as no length, so no observer is told
    // of a size below zero.
    const auto length = boost::lexical_cast<std::int64_t>(std::wstring(text, size / sizeof(wchar_t)));
    return length < 0 ? 0 : length;
}

void request::reserve(std::vector<std::uint8_t>& result, std::int64_t length_announced)
{
    // Room for the whole body at once, so it is never copied while it grows. A
    // length nobody could hold is only a hint: the body decides.
    if (length_announced <= 0 || static_cast<std::uint64_t>(length_announced) > result.max_size())
        return;
    try {
        result.reserve(static_cast<std::size_t>(length_announced));
    } catch (const std::bad_alloc&) {
    }
}

void request::read_body(std::vector<std::uint8_t>& result, std::size_t base, std::int64_t length_announced)
{
    // The body is read straight into its place: no second buffer, no copy.
    detail::read_pacer pacer;
    using clock = std::chrono::steady_clock;
    const auto microseconds_since = [](clock::time_point start) {
        return std::chrono::duration_cast<std::chrono::microseconds>(clock::now() - start).count();
    };
    for (;;) {
        DWORD available = 0;
        const auto asked_at = clock::now();
        if (!WinHttpQueryDataAvailable(handle_.get(), &available))
            fail_step("http request query failed with error");
        if (available == 0)
            return;
        const std::int64_t waited = microseconds_since(asked_at);
        const std::uint64_t size = result.size();
        const std::uint64_t announced = length_announced > 0 ? base + static_cast<std::uint64_t>(length_announced) : 0;
        std::uint32_t asked = pacer.next(available, announced > size ? announced - size : 0, waited);
        // One byte past the limit is enough to know it is passed.
        if (body_limit_ - size < asked)
            asked = static_cast<std::uint32_t>(body_limit_ - size + 1);
        result.resize(static_cast<std::size_t>(size + asked));
        DWORD read = 0;
        const auto started = clock::now();
        const BOOL done = WinHttpReadData(handle_.get(), result.data() + size, asked, &read);
        const std::int64_t elapsed = microseconds_since(started);
        result.resize(static_cast<std::size_t>(size + (done ? read : 0)));
        if (!done)
            fail_step("downloading failed failed with error");
        pacer.completed(asked, read, elapsed);
        if (read != 0) {
            check_body_limit(result.size());
            received_signal_(static_cast<std::int64_t>(read));
        }
    }
}

void request::check_body_limit(std::uint64_t size) const
{
    if (size > body_limit_)
        throw std::runtime_error("http response body larger than " + std::to_string(body_limit_) + " bytes");
}

int request::query_status()
{
    DWORD status = 0;
    DWORD size = sizeof status;
    if (!WinHttpQueryHeaders(handle_.get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                             WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX))
        return 200;
    return static_cast<int>(status);
}

void request::authenticate_to_proxy()
{
    DWORD supported = 0;
    DWORD first = 0;
    DWORD target = 0;
    if (!WinHttpQueryAuthSchemes(handle_.get(), &supported, &first, &target))
        fail_step("downloading failed failed with error");
    const session& credentials = owner_->owner();
    if (!WinHttpSetCredentials(handle_.get(), WINHTTP_AUTH_TARGET_PROXY, first, credentials.proxy_user.c_str(),
                               credentials.proxy_password.c_str(), nullptr))
        fail_step("downloading failed failed with error");
}

// ---- get ----

std::vector<std::uint8_t> get(connection& owner, const std::wstring& path, request_observer* observer, bool secure,
                              std::uint64_t body_limit)
{
    request get_request{owner, L"GET", path, observer, secure};
    get_request.set_body_limit(body_limit);
    int status = 0;
    auto body = get_request.send(status, nullptr, 0, std::wstring{});
    if (status != 200)
        throw std::runtime_error(
            (boost::format("GET request %1% failed with HTTP error %2%") % to_narrow(path) % status).str());
    return body;
}

} // namespace general::windows::http
