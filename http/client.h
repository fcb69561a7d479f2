#pragma once
// A small synchronous HTTP/HTTPS client over WinHTTP.
//
// Four pieces, created in this order on the caller's stack and destroyed in
// reverse: a session (user agent, time-outs, TLS policy), a connection (one
// server and port), a request (one verb and path) and, optionally, an observer
// that follows a download.
//
//     http::session session{L"Sentovar installer", true};
//     http::connection connection{session, L"localhost", 443};
//     auto body = http::get(connection, L"/counters", nullptr, true);
//
// Contract shared by every piece:
// - Every call blocks the calling thread until WinHTTP answers or times out;
//   there is no asynchronous mode. The one way to end a call early is
//   request::abort() from another thread.
// - Nothing else is thread-safe: a session and everything made from it belong
//   to the thread that created them. Signals are raised on that thread, inside
//   send().
// - Failures throw std::runtime_error whose text names the failing step and,
//   when a WinHTTP call failed, the system's error in words in square brackets;
//   those are http::error, which carries the error code. Nothing is logged
//   here; callers log what they catch.
// - Server certificates of secure requests are validated by the system; a
//   server that does not validate fails the request.
// - Every WinHTTP handle is owned and closed on destruction, including when a
//   constructor throws half-way.
// winhttp.h stays inside http/*.cpp (it cannot share a translation unit with
// wininet.h), so handles appear here as void*.
#include <boost/signals2/signal.hpp>

#include <atomic>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace general::windows::http {

// A WinHTTP call that failed: the text names the step and the system's error in
// words, code() is the error itself (ERROR_WINHTTP_*), so a caller can tell a
// broken connection from a refused certificate.
class error : public std::runtime_error {
public:
    error(const std::string& what, std::uint32_t code) : std::runtime_error(what), code_(code) {}
    std::uint32_t code() const noexcept { return code_; }

private:
    std::uint32_t code_;
};

// Whether a failure with `code` means the server's certificate was refused
// (untrusted, expired, for another name, revoked, or any secure failure).
bool is_certificate_failure(std::uint32_t code) noexcept;

namespace detail {
// Owner of one HINTERNET; closing never changes GetLastError.
class internet_handle {
public:
    internet_handle() noexcept = default;
    explicit internet_handle(void* value) noexcept : value_(value) {}
    ~internet_handle() { close(); }
    internet_handle(const internet_handle&) = delete;
    internet_handle& operator=(const internet_handle&) = delete;

    // Null once closed, so a call made after close() fails on a null handle
    // instead of reaching a handle the system has since given to somebody else.
    void* get() const noexcept { return value_.load(); }
    explicit operator bool() const noexcept { return get() != nullptr; }

    // Closes the handle once, whichever of several threads asks first.
    void close() noexcept;

private:
    std::atomic<void*> value_ = nullptr;
};

// How much each read of a body asks for. A synchronous read under Wine returns
// only once it has filled what it was given, however slowly the data comes (and
// closing the handle does not wake it), so a read asks for more than is waiting
// only while the data is plainly ahead of us: the wait for it was short and as
// much was waiting as ever was. Each such read that filled its buffer quickly
// doubles the next one (up to `largest`), a slow one halves it. It never asks
// for less than what is waiting, nor for more than the body still announced,
// so a reserved body is never outgrown.
class read_pacer {
public:
    static constexpr std::uint32_t largest = 1u << 20;
    static constexpr std::int64_t quick_us = 20000;
    static constexpr std::int64_t slow_us = 100000;

    // `available`: bytes waiting now, found after `waited_us`; `remaining`:
    // bytes still announced (0 when no length was announced).
    std::uint32_t next(std::uint32_t available, std::uint64_t remaining, std::int64_t waited_us) noexcept;
    // A read that asked for `asked` bytes returned `got` after `elapsed_us`.
    void completed(std::uint32_t asked, std::uint32_t got, std::int64_t elapsed_us) noexcept;

private:
    std::uint32_t size_ = 0;
    std::uint32_t most_waiting_ = 0;
};
} // namespace detail

// Implemented by whoever follows a download (the products downloader). The
// request only connects to these operations; the observer must outlive it.
// Both are called on the thread that runs send().
class request_observer {
public:
    virtual ~request_observer() = default;
    // The reply's status, once its headers are in, before anything else of it.
    virtual void on_response(int status) { static_cast<void>(status); }
    // The response announces `length` bytes (at most once per response, never
    // with 0; not at all when the server sends no Content-Length).
    virtual void on_content_length(std::int64_t length) = 0;
    // `count` more bytes of the body have arrived (once per non-empty read).
    virtual void on_data_received(std::int64_t count) = 0;
};

class session {
public:
    // Opens a synchronous WinHTTP session with the system's proxy settings and
    // 60 s for each time-out. With `use_tls12` on Windows 7 / Server 2008 R2 or
    // later only TLS 1.2 is offered; on older systems the defaults apply.
    // Throws std::runtime_error ("http session failed with error [...]",
    // "http session secure protocl setting error [...]",
    // "http session setting timeouts error [...]").
    session(const std::wstring& user_agent, bool use_tls12);
    ~session();
    session(const session&) = delete;
    session& operator=(const session&) = delete;

    // Resolve, connect, send and receive time-outs in milliseconds. The receive
    // time-out also bounds each request's wait for the reply's headers (see
    // request::set_response_timeout), so a server that takes the request and
    // never answers costs at most that long everywhere. Applies to requests
    // opened afterwards. Throws std::runtime_error ("http session setting
    // timeouts error [...]").
    void set_timeouts(int resolve, int connect, int send, int receive);
    int receive_timeout() const noexcept { return receive_timeout_; }
    // The HINTERNET of the session; owned by this object.
    void* handle() const;

    // Offered to a proxy that answers 407; empty means no proxy authentication.
    std::wstring proxy_user;
    std::wstring proxy_password;

private:
    detail::internet_handle handle_;
    int receive_timeout_ = 0;
};

class connection {
public:
    // Names the server; no network traffic happens until a request is sent.
    // `owner` must outlive the connection. Throws std::runtime_error
    // ("http connection to <host>:<port> failed with error [...]").
    connection(session& owner, const std::wstring& host, std::uint16_t port);
    ~connection();
    connection(const connection&) = delete;
    connection& operator=(const connection&) = delete;

    // The HINTERNET of the connection; owned by this object.
    void* handle() const;
    session& owner() const;

private:
    detail::internet_handle handle_;
    session* owner_;
};

class request {
public:
    // Opens one request; `secure` selects TLS (the connection's port must be a
    // TLS port). `observer` may be null; when given it must outlive the request.
    // `owner` must outlive the request. Throws std::runtime_error
    // ("http request <path> failed with error [...]",
    // "http request ssl setting error [...]",
    // "http request setting timeouts error [...]").
    request(connection& owner, const std::wstring& verb, const std::wstring& path, request_observer* observer,
            bool secure);
    // Disconnects the observer before the handle is closed.
    ~request();
    request(const request&) = delete;
    request& operator=(const request&) = delete;

    // Sends the request (with `body` when it is not null and `length` is not 0,
    // labelled with `content_type`, "text/xml" when that is empty), waits for
    // the whole response and returns its body; `status` receives the HTTP
    // status. A status is never an error here. A proxy that answers 407 gets
    // the session's proxy credentials once. Throws std::runtime_error for a
    // failed send, receive or read, including a body that ends before its
    // announced length; send it once only.
    std::vector<std::uint8_t> send(int& status, const std::uint8_t* body, std::uint32_t length,
                                   const std::wstring& content_type);
    // The same with the body as bytes of a narrow string; empty means no body.
    std::vector<std::uint8_t> send(int& status, const std::string& body, const std::wstring& content_type);
    // Sends the request without a body and appends the response body to
    // `body`, so what arrived before a failure stays with the caller (a
    // download that continues where it broke off). `status` is set as soon as
    // the reply's headers are in. The body limit counts `body` as a whole;
    // an announced length is the length of this response's body. Throws as
    // send() does.
    void send_appending(int& status, std::vector<std::uint8_t>& body);

    // Adds a header line ("Range: bytes=100-") to the request; before send.
    // Throws http::error ("http request header setting error [...]").
    void add_header(const std::wstring& line);
    // The value of the reply's header `name`, once its headers are in (also
    // after a send that failed while reading the body); empty when it has none.
    std::wstring response_header(const std::wstring& name) const;

    // The largest response body send() accepts, announced or received: a larger
    // one (a body without a length that never ends, among others) throws
    // std::runtime_error("http response body larger than <limit> bytes") as
    // soon as it is seen, before it can take the memory. No limit by default.
    void set_body_limit(std::uint64_t limit) noexcept { body_limit_ = limit; }

    // How long send() waits for the reply's headers once the request is out, in
    // milliseconds; the session's receive time-out unless set here. Some WinHTTP
    // implementations ignore the session's time-outs for that wait and honour
    // only this option of the request. Throws
    // std::runtime_error ("http request setting timeouts error [...]").
    void set_response_timeout(int milliseconds);

    // Ends the request from any thread by closing its handle. A send() blocked
    // in it (connecting, waiting for the reply, reading a trickling body) then
    // fails: at once on Windows; under Wine 8 only when the blocked call
    // returns by itself (the next piece of data, or a time-out), after which
    // nothing more is read. That send() and every later one throw
    // std::runtime_error("http request aborted"). Safe to call more than once,
    // and concurrently with send() and with itself, but not with or after the
    // destructor: whoever calls it from another thread must make sure the
    // request still exists (std::stop_callback does). Never throws.
    void abort() noexcept;
    bool aborted() const noexcept { return aborted_.load(); }

private:
    void add_content_type(const std::wstring& content_type);
    std::int64_t announced_length();
    static void reserve(std::vector<std::uint8_t>& result, std::int64_t length_announced);
    // Sends and receives, appending the body to `result`; `body` and `length`
    // are what goes out, as for send().
    void transfer(int& status, std::vector<std::uint8_t>& result, const std::uint8_t* body, std::uint32_t length,
                  const std::wstring& content_type);
    // Reads the body into `result` after its first `base` bytes.
    void read_body(std::vector<std::uint8_t>& result, std::size_t base, std::int64_t length_announced);
    void check_body_limit(std::uint64_t size) const;
    int query_status();
    void authenticate_to_proxy();
    // Throws for the step that failed: "http request aborted" once abort() was
    // called (the failure is then its doing), else the step with the error.
    [[noreturn]] void fail_step(const std::string& step) const;

    detail::internet_handle handle_;
    std::atomic<bool> aborted_ = false;
    connection* owner_;
    bool expects_body_;
    bool content_type_added_ = false;
    bool proxy_authenticated_ = false;
    std::uint64_t body_limit_ = UINT64_MAX;
    boost::signals2::signal<void(int)> status_signal_;
    boost::signals2::signal<void(std::int64_t)> content_length_signal_;
    boost::signals2::signal<void(std::int64_t)> received_signal_;
};

// GET `path` without a body; returns the body of a 200 response. Any other
// status throws std::runtime_error("GET request <path> failed with HTTP error
// <status>"); transfer failures throw as send() does, a body over `body_limit`
// bytes too.
std::vector<std::uint8_t> get(connection& owner, const std::wstring& path, request_observer* observer, bool secure,
                              std::uint64_t body_limit = UINT64_MAX);

// The words for a WinHTTP error code; an unknown code gives its decimal digits.
std::string error_text(std::uint32_t code);

} // namespace general::windows::http
