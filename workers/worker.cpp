#include "workers/worker.h"

#include <string>

#include "messages/messages.h"
#include "general/windows/text.h"

namespace workers {

bool retry_post(HWND window, std::stop_token stop, const std::function<bool()>& post,
                std::chrono::milliseconds limit) noexcept
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        bool posted = false;
        try {
            posted = post();
        } catch (...) {
        }
        if (posted)
            return true;
        if (!IsWindow(window) || stop.stop_requested() || std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(post_retry_interval);
    }
}

// Building the std::function may need memory; without it nothing is posted.
bool post_reliably(HWND window, UINT message, WPARAM wparam, LPARAM lparam, std::stop_token stop) noexcept
{
    try {
        return retry_post(window, stop, [&] { return PostMessageW(window, message, wparam, lparam) != FALSE; });
    } catch (...) {
        return false;
    }
}

bool post_text_reliably(HWND window, UINT message, std::wstring_view text, std::stop_token stop) noexcept
{
    try {
        return retry_post(window, stop, [&] { return messages::post_text(window, message, text); });
    } catch (...) {
        return false;
    }
}

worker::worker(const general::log::prefix& log, HWND window, final_messages ends,
               std::vector<product_descriptor> products, step each)
    : log_(log), window_(window), ends_(ends), products_(std::move(products)), each_(std::move(each)),
      thread_([this](std::stop_token stop) { run(stop); })
{
}

worker::~worker()
{
    thread_.request_stop();
    thread_.join();
}

void worker::run(std::stop_token stop) noexcept
{
    try {
        for (const auto& product : products_) {
            // A worker destroyed before it began does nothing more.
            if (stop.stop_requested())
                return;
            each_(product, stop);
        }
        if (!stop.stop_requested())
            post_reliably(window_, ends_.done, 0, 0, stop);
    } catch (const std::exception& failure) {
        report_failure(failure.what(), stop);
    } catch (...) {
        report_failure(nullptr, stop);
    }
}

// Nothing may leave the worker thread, not even a failure to report a failure.
void worker::report_failure(const char* description, std::stop_token stop) const noexcept
{
    try {
        const std::wstring text = description ? general::windows::to_wide(description) : L"unknown error";
        if (stop.stop_requested()) {
            log_.info(L"stopped: " + text);
            return;
        }
        log_.error(text);
        post_text_reliably(window_, ends_.failed, text, stop);
    } catch (...) {
    }
}

} // namespace workers
