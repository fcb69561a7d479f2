#pragma once
// Fetches the installer of every chosen product, one after the other, into the
// folder it is given, accepts only files with a valid Authenticode signature of
// the product's own publisher and tells the main dialog how it goes, by posting only:
//
//   "downloading installation" (text "Downloading")   at the start of each product
//   "downloading progress" (received / total, low 32 bits)  while the length is known and not 0,
//                                                      each time the whole percent received changes
//   "add stats event" (15 for the archiver, else 16), then "send stats events"   when a transfer fails
//   "downloading error" (text)                         the run ends on an error
//   "installations downloaded"                         every product done, not interrupted
//
// A transfer that fails for a passing reason (a connection refused, reset or
// timed out, a body cut short, 408, 429, 500, 502, 503, 504) is tried again,
// up to download_retry::attempts in all, after pauses of 1 s, 2 s and 4 s (or
// the short wait a server asks for). Where the first complete answer offered
// byte ranges and named the file (a strong entity tag or a date), the next
// attempt asks only for the rest, on condition that the file is still the
// same; otherwise it starts again from the first byte. Only the last failed
// attempt reports the failed transfer and ends the run, with the text the
// failure had; other answers, a refused certificate and an oversized body end
// it at once, as before. Each attempt and why it failed is logged.
//
// Progress is coalesced: at most 101 messages a file (0 to 100 percent), the
// last one carrying the total, however small the network's pieces, and it
// never moves back (a file started again shows no progress until it passes
// where the bar stood; a continued one counts from the bytes it kept); so a user
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
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "general/log/log.h"
#include "http/client.h"
#include "workers/download_retry.h"
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
    void on_response(int status) override;
    void on_content_length(std::int64_t length) override;
    void on_data_received(std::int64_t count) override;

private:
    // Why an attempt failed, when another may succeed.
    struct passing_failure {
        std::string reason;       // the text the run ends with when no attempt is left
        std::wstring retry_after; // what the server asked for, if anything
    };

    void fetch(const product_descriptor& product, std::stop_token stop);
    // The whole file, after as many attempts as it takes and is allowed. A
    // failure that does not pass throws; a stop ends it at once.
    std::vector<std::uint8_t> transfer(general::windows::http::session& session, const product_descriptor& product,
                                       const product_files::address& address, std::stop_token stop);
    // One attempt, continuing `body` when `resume` allows it, else starting it
    // again; nothing when the file is complete in `body`.
    std::optional<passing_failure> attempt(general::windows::http::session& session, const product_descriptor& product,
                                           const product_files::address& address, std::vector<std::uint8_t>& body,
                                           download_retry::resume_point& resume, std::stop_token stop);
    // Posts the failed-download event and the send; nothing once a stop is requested.
    void report_failed_transfer(const product_descriptor& product, std::stop_token stop);

    HWND window_;
    std::wstring folder_;
    std::stop_token stop_;      // of the run, for the observer's final post
    std::int64_t total_ = 0;    // announced length of the current file, 0 when none
    std::int64_t received_ = 0; // bytes of the current file so far
    std::int64_t kept_ = 0;     // bytes the current attempt continues from, when the reply is 206
    std::int64_t offset_ = 0;   // of the current reply's body in the file
    bool counting_ = true;      // the reply carries the file (200 or 206), not an error page
    int posted_percent_ = -1;   // of the current file's last progress message, -1 before the first
    workers::worker worker_;    // last: starts once everything above is ready
};
