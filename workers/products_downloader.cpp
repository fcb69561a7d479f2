#include "workers/products_downloader.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include <boost/format.hpp>

#include "app/messages.h"
#include "general/windows/handle.h"
#include "general/windows/settings.h"
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
    const general::windows::unique_file file{CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                                         CREATE_NEW,
                                                         FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT,
                                                         nullptr)};
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

} // namespace

products_downloader::products_downloader(std::vector<product_descriptor> products, HWND window)
    : prefix(L"downloader"), products_(std::move(products)), window_(window),
      worker_([this](std::stop_token stop) { run(stop); })
{
}

products_downloader::~products_downloader()
{
    worker_.request_stop();
    worker_.join();
}

void products_downloader::on_content_length(std::int64_t length)
{
    total_ = length;
}

void products_downloader::on_data_received(std::int64_t count)
{
    received_ += count;
    if (total_ == 0)
        return;
    // Sizes of 4 GiB and more travel modulo 2^32: the parameters are 32 bits wide
    // on the shipped build.
    const auto received = static_cast<std::uint32_t>(received_);
    const auto total = static_cast<std::uint32_t>(total_);
    PostMessageW(window_, messages::downloading_progress, static_cast<WPARAM>(received), static_cast<LPARAM>(total));
}

void products_downloader::run(std::stop_token stop)
{
    try {
        http::session session{boost::str(boost::wformat(L"%1% installer") % general::windows::product_name()), true};
        for (const auto& product : products_) {
            // A downloader destroyed before it began fetches nothing.
            if (stop.stop_requested())
                return;
            fetch(session, product);
        }
        if (stop.stop_requested())
            return;
        PostMessageW(window_, messages::installations_downloaded, 0, 0);
    } catch (const std::exception& failure) {
        report_failure(failure.what());
    } catch (...) {
        report_failure(nullptr);
    }
}

// Nothing may leave the worker thread, not even a failure to report a failure.
void products_downloader::report_failure(const char* description) noexcept
{
    try {
        const std::wstring text = description ? general::windows::to_wide(description) : L"unknown error";
        error(text);
        messages::post_text(window_, messages::downloading_error, text);
    } catch (...) {
    }
}

void products_downloader::fetch(http::session& session, const product_descriptor& product)
{
    info(boost::str(boost::wformat(L"processing %1%") % product.url));
    messages::post_text(window_, messages::downloading_installation, L"Downloading");
    total_ = 0;
    received_ = 0;

    const auto address = product_files::parse_address(product.url);
    if (!address) {
        throw std::runtime_error(boost::str(boost::format("%1% installer address %2% is not valid") %
                                            narrow_name(product) % general::windows::to_narrow(product.url)));
    }
    auto body = transfer(session, product, *address);
    const std::wstring path =
        product_files::join_path(general::windows::temp_directory(), product_files::saved_file_name(address->path));
    // A file that cannot be written in full is as bad as a broken signature; it
    // must not leave an older, valid file of the same name to pass the check.
    const bool saved = save(path, body);
    body = {};
    if (!saved || !general::windows::verify_file_signature(path))
        throw_corrupted(product);
}

std::vector<std::uint8_t> products_downloader::transfer(http::session& session, const product_descriptor& product,
                                                        const product_files::address& address)
{
    // Failing to name the server or to open the request is not a failed
    // transfer: nothing went over the network yet.
    http::connection connection{session, address.host, address.port};
    http::request request{connection, L"GET", address.path, this, address.secure};
    request.set_body_limit(largest_installer);
    int status = 0;
    std::vector<std::uint8_t> body;
    try {
        body = request.send(status, nullptr, 0, std::wstring{});
    } catch (...) {
        report_failed_transfer(product);
        throw;
    }
    if (status != 200) {
        report_failed_transfer(product);
        throw std::runtime_error(boost::str(boost::format("%1% installer downloading failed with HTTP error %2%") %
                                            narrow_name(product) % status));
    }
    return body;
}

void products_downloader::report_failed_transfer(const product_descriptor& product)
{
    const auto event = product.name == L"Quobex" ? statistics::event::failed_download_quobex
                                                 : statistics::event::failed_download_kv;
    PostMessageW(window_, messages::add_stats_event, static_cast<WPARAM>(statistics::number_of(event)), 0);
    PostMessageW(window_, messages::send_stats_events, 0, 0);
}
