#include "tests/support/posted_messages.h"

#include <algorithm>
#include <stdexcept>

#include "messages/messages.h"

namespace test_support {

namespace {

bool carries_text(UINT id)
{
    return id == messages::downloading_installation || id == messages::downloading_error ||
           id == messages::installing_product || id == messages::installation_error;
}

} // namespace

posted_messages::posted_messages()
    : window_(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr))
{
    if (!window_)
        throw std::runtime_error("the message-only test window cannot be created");
}

posted_messages::~posted_messages()
{
    // Texts still queued belong to this window; take them before it goes.
    MSG message{};
    while (PeekMessageW(&message, window_, 0, 0, PM_REMOVE))
        take(message);
    DestroyWindow(window_);
}

void posted_messages::take(const MSG& message)
{
    posted_message entry{message.message, message.wParam, message.lParam, {}};
    if (carries_text(message.message)) {
        entry.text = messages::take_text(message.lParam);
        entry.lparam = 0;
    }
    received_.push_back(std::move(entry));
}

bool posted_messages::pump_once(std::chrono::milliseconds wait)
{
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(std::max<long long>(0, wait.count())), QS_ALLINPUT);
    bool any = false;
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.hwnd == window_) {
            take(message);
            any = true;
        } else {
            DispatchMessageW(&message);
        }
    }
    return any;
}

bool posted_messages::pump_until(std::initializer_list<UINT> last, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    std::size_t looked_at = 0;
    for (;;) {
        for (; looked_at < received_.size(); ++looked_at) {
            if (std::find(last.begin(), last.end(), received_[looked_at].id) != last.end())
                return true;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        pump_once(std::min(left, std::chrono::milliseconds{100}));
    }
}

void posted_messages::pump_for(std::chrono::milliseconds duration)
{
    const auto deadline = std::chrono::steady_clock::now() + duration;
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return;
        pump_once(std::min(left, std::chrono::milliseconds{100}));
    }
}

std::vector<posted_message> posted_messages::without(UINT skipped) const
{
    std::vector<posted_message> result;
    std::copy_if(received_.begin(), received_.end(), std::back_inserter(result),
                 [skipped](const posted_message& entry) { return entry.id != skipped; });
    return result;
}

std::vector<posted_message> posted_messages::only(UINT id) const
{
    std::vector<posted_message> result;
    std::copy_if(received_.begin(), received_.end(), std::back_inserter(result),
                 [id](const posted_message& entry) { return entry.id == id; });
    return result;
}

std::size_t posted_messages::count(UINT id) const
{
    return static_cast<std::size_t>(std::count_if(received_.begin(), received_.end(),
                                                  [id](const posted_message& entry) { return entry.id == id; }));
}

std::wstring message_name(UINT id)
{
    for (std::size_t i = 0; i < messages::catalogue_size; ++i) {
        if (*messages::catalogue[i].id == id)
            return messages::catalogue[i].name;
    }
    return L"message " + std::to_wstring(id);
}

} // namespace test_support
