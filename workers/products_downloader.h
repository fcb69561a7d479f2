#pragma once
// Fetches the installer of every chosen product, one after the other, into the
// folder it is given, accepts only files with a valid Authenticode signature of
// the product's own publisher and tells the main dialog how it goes, by posting only:
//
//   "downloading installation" (text "Downloading")   at the start of each product
//   "downloading progress" (received / total, low 32 bits)  while the length is known and not 0,
//                                                      each time the whole percent received changes
//   "add stats event" (15 for "Quobex", else 16), then "send stats events"   when a transfer fails
//   "downloading error" (text)                         the run ends on an error
//   "installations downloaded"                         every product done, not interrupted
//
// Progress is coalesced: at most 101 messages a file (0 to 100 percent), the
// last one carrying the total, however small the network's pieces; so a user
// interface that is busy for a while finds a few hundred messages at most in
// its queue, never thousands that could fill it and make the final post fail.
// Texts are heap copies that belong to the receiver (messages::post_text).
//
// The check here only spares the user an installation step that would fail:
// the file stays in a folder that may belong to the user, so the installer
// checks it again, through the handle it keeps, right before running it.
// Posts may arrive after the object is gone. Run, failure and stop follow
// workers/worker.h.
//
// Threads: constructed and destroyed on the user-interface thread; everything
// else, the observer calls included, runs on the worker thread the constructor
// starts. Destruction asks the worker to stop, aborts the transfer in progress
// (http::request::abort: at once on Windows, at the next piece of data or
// time-out under Wine, never after the whole file) and joins; a run stopped
// that way posts nothing more, neither an error nor the completion, and leaves
// the file in progress unsaved. Nothing here throws out of the worker.
#include <winsock2.h>
#include <windows.h>

#include <cstdint>
#include <stop_token>
#include <string>
#include <vector>

#include "general/log/log.h"
#include "http/client.h"
#include "workers/product_descriptor.h"
#include "workers/product_files.h"
#include "workers/worker.h"

class products_downloader final : public general::windows::http::request_observer, private general::log::prefix {
public:
    // Copies `products`; `window` (the main dialog) receives every message;
    // each file must carry a valid signature of its product's publisher (a
    // valid signature of anyone else is a corrupted file); `folder`: where the
    // files are saved (a general::windows::private_folder keeps them from the
    // user's programs; the installer must be given the same folder). Without
    // a folder nothing is fetched: the run fails with "no folder to download
    // into", never falling back to a folder the user can change. Throws
    // std::system_error when the thread cannot be started.
    products_downloader(std::vector<product_descriptor> products, HWND window, std::wstring folder);

    // The largest installer accepted: far above any real one, far below what the
    // process can hold, so a body without a length that never ends fails as a
    // download instead of taking all memory.
    static constexpr std::uint64_t largest_installer = 512ull * 1024 * 1024;
    ~products_downloader() override;
    products_downloader(const products_downloader&) = delete;
    products_downloader& operator=(const products_downloader&) = delete;

    // Observer of the transfer in progress; worker thread only.
    void on_content_length(std::int64_t length) override;
    void on_data_received(std::int64_t count) override;

private:
    void fetch(const product_descriptor& product, std::stop_token stop);
    // The body of a 200 answer; anything else, or a failed send, is a failed
    // transfer. A stop ends it at once.
    std::vector<std::uint8_t> transfer(general::windows::http::session& session, const product_descriptor& product,
                                       const product_files::address& address, std::stop_token stop);
    void report_failed_transfer(const product_descriptor& product, std::stop_token stop);

    HWND window_;
    std::wstring folder_;
    std::stop_token stop_;      // of the run, for the observer's final post
    std::int64_t total_ = 0;    // announced length of the current file, 0 when none
    std::int64_t received_ = 0; // bytes of the current file so far
    int posted_percent_ = -1;   // of the current file's last progress message, -1 before the first
    workers::worker worker_;    // last: starts once everything above is ready
};
