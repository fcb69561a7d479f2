#include "workers/products_downloader.h"

#include "general/translation/translation.h"

#include <algorithm>
#include <condition_variable>
#include <limits>
#include <mutex>
#include <stdexcept>
#include <string>

#include <boost/format.hpp>

#include "messages/messages.h"
#include "general/windows/handle.h"
#include "general/windows/settings.h"
#include "general/windows/signature.h"
#include "general/windows/system.h"
#include "general/windows/text.h"
#include "http/statistics_events.h"
#include "workers/product_files.h"

namespace http = general::windows::http;

namespace {

std::string narrow_name(const product_descriptor& product)
{
    return general::windows::to_narrow(product.name);
}

[[noreturn]] void throw_corrupted(const product_descriptor& product)
{
    throw std::runtime_error(boost::str(boost::format("%1% installer corrupted") % narrow_name(product)));
}

// Writes the whole body into a new file; false when the file cannot be created or
// written in full. The temporary folder belongs to the user while this process
// runs elevated, so whatever stands at the path (a hard link or a junction
// planted to aim the write at a system file) is removed first and the file is
// created afresh, never opened through a link. Shared for reading only, so a
// virus scanner can look at it but nobody can change it while it is written.
bool save(const std::wstring& path, const std::vector<std::uint8_t>& body)
{
    DeleteFileW(path.c_str());
    const general::windows::unique_file file{
        CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr)};
    if (!file)
        return false;
    constexpr std::size_t largest_write = 1u << 30;
    for (std::size_t offset = 0; offset < body.size();) {
        const DWORD piece = static_cast<DWORD>(std::min(body.size() - offset, largest_write));
        DWORD written = 0;
        if (!WriteFile(file.get(), body.data() + offset, piece, &written, nullptr) || written == 0)
            return false;
        offset += written;
    }
    return true;
}

// Waits `pause`, or less when `stop` is requested meanwhile (leaving the run
// ends a pause at once); false then.
bool wait_unless_stopped(std::chrono::milliseconds pause, std::stop_token stop)
{
    std::mutex idle;
    std::condition_variable_any never;
    std::unique_lock lock{idle};
    never.wait_for(lock, stop, pause, [] { return false; });
    return !stop.stop_requested();
}

// The whole percent of `total` that `received` is; 100 only once all of it is
// in, so the message that reaches 100 is the one that carries the total.
int whole_percent(std::int64_t received, std::int64_t total)
{
    if (received >= total)
        return 100;
    if (total <= std::numeric_limits<std::int64_t>::max() / 100)
        return static_cast<int>(received * 100 / total);
    return static_cast<int>(std::min<std::int64_t>(99, received / (total / 100)));
}

} // namespace

products_downloader::products_downloader(std::vector<product_descriptor> products, HWND window, std::wstring folder)
    : prefix(L"downloader"), window_(window), folder_(std::move(folder)),
      worker_(*this, window, {messages::installations_downloaded, messages::downloading_error}, std::move(products),
              [this](const product_descriptor& product, std::stop_token stop) { fetch(product, stop); })
{
}

products_downloader::~products_downloader() = default;

void products_downloader::on_response(int status)
{
    // Only an answer that carries the file moves the bar; a continued one
    // counts from the bytes kept.
    counting_ = status == 200 || status == 206;
    offset_ = status == 206 ? kept_ : 0;
    received_ = offset_;
    total_ = 0;
}

void products_downloader::on_content_length(std::int64_t length)
{
    if (counting_)
        total_ = offset_ + length;
}

void products_downloader::on_data_received(std::int64_t count)
{
    if (!counting_)
        return;
    received_ += count;
    if (total_ <= 0)
        return;
    const int percent = whole_percent(received_, total_);
    // Never back: a file started again moves the bar once it passes it.
    if (percent <= posted_percent_)
        return;
    // Sizes of 4 GiB and more travel modulo 2^32: the parameters are 32 bits wide
    // on the shipped build.
    const auto wparam = static_cast<WPARAM>(static_cast<std::uint32_t>(received_));
    const auto lparam = static_cast<LPARAM>(static_cast<std::uint32_t>(total_));
    // Steps in between may be dropped when the queue is full, the end may not.
    const bool posted = percent == 100
                            ? workers::post_reliably(window_, messages::downloading_progress, wparam, lparam, stop_)
                            : PostMessageW(window_, messages::downloading_progress, wparam, lparam) != FALSE;
    if (posted)
        posted_percent_ = percent;
}

void products_downloader::fetch(const product_descriptor& product, std::stop_token stop)
{
    // A session per file, made and closed on this thread as the client wants.
    http::session session{boost::str(boost::wformat(L"%1% installer") % general::windows::product_name()), true};
    info(boost::str(boost::wformat(L"processing %1%") % product.url));
    if (folder_.empty())
        throw std::runtime_error("no folder to download into");
    workers::post_text_reliably(window_, messages::downloading_installation,
                                general::translation::noop(L"ProcessView", L"Downloading"), stop);
    stop_ = stop;
    total_ = 0;
    received_ = 0;
    posted_percent_ = -1;

    const auto address = product_files::parse_address(product.url);
    if (!address) {
        throw std::runtime_error(boost::str(boost::format("%1% installer address %2% is not valid") %
                                            narrow_name(product) % general::windows::to_narrow(product.url)));
    }
    auto body = transfer(session, product, *address, stop);
    const std::wstring path = product_files::join_path(folder_, product_files::saved_file_name(address->path));
    // A file that cannot be written in full is as bad as a broken signature; it
    // must not leave an older, valid file of the same name to pass the check.
    const bool saved = save(path, body);
    body = {};
    // Held only for the check: the installer checks again before the start.
    general::windows::unique_file checked;
    if (!saved || general::windows::open_verified_file(path, product.publisher, checked) !=
                      general::windows::file_verdict::accepted)
        throw_corrupted(product);
}

std::vector<std::uint8_t> products_downloader::transfer(http::session& session, const product_descriptor& product,
                                                        const product_files::address& address, std::stop_token stop)
{
    std::vector<std::uint8_t> body;
    download_retry::resume_point resume;
    for (int number = 1;; ++number) {
        const auto failed = attempt(session, product, address, body, resume, stop);
        if (!failed)
            return body;
        if (number == download_retry::attempts) {
            report_failed_transfer(product, stop);
            throw std::runtime_error(failed->reason);
        }
        const auto pause = download_retry::pause_after(number, failed->retry_after);
        info(boost::str(boost::wformat(L"attempt %1% of %2% for %3% failed (%4%); trying again in %5% ms") % number %
                        download_retry::attempts % product.url % general::windows::to_wide(failed->reason) %
                        pause.count()));
        if (!wait_unless_stopped(pause, stop))
            throw std::runtime_error("stopped while waiting to try again");
    }
}

std::optional<products_downloader::passing_failure>
products_downloader::attempt(http::session& session, const product_descriptor& product,
                             const product_files::address& address, std::vector<std::uint8_t>& body,
                             download_retry::resume_point& resume, std::stop_token stop)
{
    // Failing to name the server or to open the request is not a failed
    // transfer: nothing went over the network yet.
    http::connection connection{session, address.host, address.port};
    http::request request{connection, L"GET", address.path, this, address.secure};
    request.set_body_limit(largest_installer);
    const bool continued = !body.empty() && resume.usable();
    if (continued) {
        // On condition that the file is the one whose start we have: a server
        // with a new file answers with all of it.
        request.add_header(L"Range: bytes=" + std::to_wstring(body.size()) + L"-");
        request.add_header(L"If-Range: " + resume.validator);
        info(boost::str(boost::wformat(L"continuing %1% from byte %2%") % product.url % body.size()));
    } else {
        body.clear();
    }
    kept_ = static_cast<std::int64_t>(body.size());
    // The destructor's stop reaches into the blocked transfer (on its own
    // thread); already requested, it aborts the request right here.
    const std::stop_callback abort_on_stop{stop, [&request] { request.abort(); }};
    int status = 0;
    std::vector<std::uint8_t> part;
    std::optional<passing_failure> failed;
    try {
        request.send_appending(status, part);
    } catch (const http::error& failure) {
        // A refused certificate stays refused; a stop is no failure at all.
        if (stop.stop_requested() || http::is_certificate_failure(failure.code())) {
            report_failed_transfer(product, stop);
            throw;
        }
        failed = passing_failure{failure.what(), {}};
    } catch (...) {
        report_failed_transfer(product, stop);
        throw;
    }
    // What arrived is kept as far as it is the file: all of it from a 200
    // (which also says whether it can be continued), the rest of it from a 206
    // that starts where the kept bytes end.
    if (status == 200) {
        body = std::move(part);
        resume =
            download_retry::resume_point_of(request.response_header(L"Accept-Ranges"), request.response_header(L"ETag"),
                                            request.response_header(L"Last-Modified"));
    } else if (status == 206) {
        auto range = download_retry::content_range(request.response_header(L"Content-Range"));
        if (continued && range && range->first == body.size())
            body.insert(body.end(), part.begin(), part.end());
        else
            range.reset();
        // The finished file has the length the server announced for all of it.
        if (!range || (!failed && body.size() != range->total)) {
            body.clear();
            if (!failed)
                failed = passing_failure{"the server sent another part of the file", {}};
        }
    }
    if (failed)
        return failed;
    if (status == 200 || status == 206)
        return std::nullopt;
    const std::string reason = boost::str(boost::format("%1% installer downloading failed with HTTP error %2%") %
                                          narrow_name(product) % status);
    if (download_retry::is_transient_status(status) || (continued && status == 416)) {
        if (status == 416)
            body.clear();
        return passing_failure{reason, request.response_header(L"Retry-After")};
    }
    report_failed_transfer(product, stop);
    throw std::runtime_error(reason);
}

void products_downloader::report_failed_transfer(const product_descriptor& product, std::stop_token stop)
{
    // A transfer ended by a stop did not fail: it was asked to.
    if (stop.stop_requested())
        return;
    const auto event = product.kind == product_kind::archiver ? statistics::event::failed_download_quobex
                                                              : statistics::event::failed_download_kv;
    workers::post_reliably(window_, messages::add_stats_event, static_cast<WPARAM>(statistics::number_of(event)), 0,
                           stop);
    workers::post_reliably(window_, messages::send_stats_events, 0, 0, stop);
}
