#pragma once
// The thread the downloader and the installer run on, and the rules both follow:
//
//   - one step per product, in order, on a thread of its own; a stop asked for
//     (the owner's destructor, on the user-interface thread) is looked at
//     before each product, and the step may react to it sooner through the
//     stop token it gets (a std::stop_callback runs on the thread that asks);
//   - the first exception a step throws ends the run: its text ("unknown
//     error" for something that is not a std::exception) is logged once
//     through the owner's log prefix at error level and posted once with the
//     failure message (a heap text, messages::post_text);
//   - a run that handled every product and was not asked to stop posts the
//     completion message;
//   - a run asked to stop ends quietly: neither completion nor failure is
//     posted (nobody waits for them, and a failure then is most likely the
//     stop's own doing, such as an aborted transfer); its failure is logged at
//     info level as "stopped: <text>".
//
// Messages that end or mark a step must arrive: when a post fails while the
// window still exists (its thread's queue is full), it is tried again for a
// while (post_reliably). Nothing leaves the worker thread.
#include <winsock2.h>
#include <windows.h>

#include <chrono>
#include <functional>
#include <stop_token>
#include <string_view>
#include <thread>
#include <vector>

#include "general/log/log.h"
#include "workers/product_descriptor.h"

namespace workers {

// The two messages that end a run.
struct final_messages {
    UINT done;   // every product handled, not stopped
    UINT failed; // lParam: the failure's text
};

class worker {
public:
    // Called on the worker thread for each product; throws to end the run.
    using step = std::function<void(const product_descriptor& product, std::stop_token stop)>;

    // Copies `products` and starts the thread at once; `window` receives the
    // final message. `log` (the owner's prefix) and whatever `each` uses must
    // outlive the worker: make it the owner's last member. Throws
    // std::system_error when the thread cannot be started.
    worker(const general::log::prefix& log, HWND window, final_messages ends, std::vector<product_descriptor> products,
           step each);
    // Asks the run to stop, running the step's stop callbacks on this thread,
    // and waits for the thread to end.
    ~worker();
    worker(const worker&) = delete;
    worker& operator=(const worker&) = delete;

private:
    void run(std::stop_token stop) noexcept;
    void report_failure(const char* description, std::stop_token stop) const noexcept;

    const general::log::prefix& log_;
    HWND window_;
    final_messages ends_;
    std::vector<product_descriptor> products_;
    step each_;
    std::jthread thread_; // last: starts once everything above is ready
};

// How long post_reliably keeps trying, and how often.
inline constexpr std::chrono::milliseconds post_retry_limit{30000};
inline constexpr std::chrono::milliseconds post_retry_interval{20};

// Posts a message that must not be lost. A failed post is tried again every
// post_retry_interval while `window` still exists (the failure is then a full
// queue, which drains as its thread catches up), until post_retry_limit has
// passed or `stop` is requested. True once posted.
bool post_reliably(HWND window, UINT message, WPARAM wparam, LPARAM lparam, std::stop_token stop) noexcept;
// The same for a text message (messages::post_text: a heap copy that belongs
// to the receiver once posted, freed here for each failed try).
bool post_text_reliably(HWND window, UINT message, std::wstring_view text, std::stop_token stop) noexcept;

// The retry rule of both, for any way of posting: calls `post` until it returns
// true (then true), or until it has failed and `window` is gone, `stop` is
// requested or `limit` has passed (then false). An exception from `post`
// counts as a failed try.
bool retry_post(HWND window, std::stop_token stop, const std::function<bool()>& post,
                std::chrono::milliseconds limit = post_retry_limit) noexcept;

} // namespace workers
