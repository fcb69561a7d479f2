#pragma once
// A hidden message-only window that stands in for the main dialog: workers post
// to it, and the test pumps its queue on the creating thread and keeps, in
// arrival order, what came in. Texts of the text-carrying messages are taken
// over (and freed) as they arrive, so nothing leaks whatever the test checks.
// One thread only: the one that created the object.
#include <winsock2.h>
#include <windows.h>

#include <chrono>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

namespace test_support {

struct posted_message {
    UINT id = 0;
    WPARAM wparam = 0;
    LPARAM lparam = 0; // 0 for text messages: the text has been taken over
    std::wstring text; // for text messages only
};

class posted_messages {
public:
    // Throws std::runtime_error when the window cannot be created.
    posted_messages();
    ~posted_messages();
    posted_messages(const posted_messages&) = delete;
    posted_messages& operator=(const posted_messages&) = delete;

    HWND window() const { return window_; }

    // Pumps until one of `last` has arrived or `timeout` has passed; true when it arrived.
    bool pump_until(std::initializer_list<UINT> last, std::chrono::milliseconds timeout);
    // Pumps for `duration`, keeping whatever arrives.
    void pump_for(std::chrono::milliseconds duration);

    const std::vector<posted_message>& all() const { return received_; }
    // What arrived, in order, leaving out the messages with identifier `skipped`
    // (progress messages, whose number depends on the network).
    std::vector<posted_message> without(UINT skipped) const;
    std::vector<posted_message> only(UINT id) const;
    std::size_t count(UINT id) const;

private:
    void take(const MSG& message);
    bool pump_once(std::chrono::milliseconds wait);

    HWND window_ = nullptr;
    std::vector<posted_message> received_;
};

// A readable name for a message identifier of messages/messages.h, for test output.
std::wstring message_name(UINT id);

} // namespace test_support
