#pragma once
// A stand-in for the main dialog that pages live in: a top-level dialog from the
// main dialog's own template that keeps, in arrival order, every registered
// message a page posts or sends to it, and answers the three queries pages ask
// (selected products, post-cancel, post-fail) with values the test sets.
// Messages are kept in the order the page issued them: when a page sends, what
// it posted before is taken from the queue first.
// One thread only: the one that created it. Needs the installer's resources.
#include <winsock2.h>
#include <windows.h>

#include <string>
#include <vector>

#include "general/windows/ui/dialog.h"

namespace test_support {

struct host_message {
    UINT id = 0;
    WPARAM wparam = 0;
    LPARAM lparam = 0;
    bool sent = false; // false: posted

    bool operator==(const host_message&) const = default;
};

// Shorthands for expected sequences.
host_message posted(UINT id, WPARAM wparam = 0, LPARAM lparam = 0);
host_message sent(UINT id, WPARAM wparam = 0);
host_message reported(int event); // a posted statistics event
std::wstring describe(const std::vector<host_message>& messages);

class page_host : public general::windows::ui::dialog {
public:
    // Throws std::runtime_error when the window cannot be created.
    page_host();
    ~page_host() override;

    // Answers to the queries.
    LRESULT selected_products = 1;
    LRESULT post_cancel = 0;
    LRESULT post_fail = 0;

    // Dispatches whatever is queued for this thread's windows.
    void pump();
    const std::vector<host_message>& received() const { return received_; }
    void clear() { received_.clear(); }

protected:
    bool handle_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

private:
    void dispatch(const MSG& message);

    std::vector<host_message> received_;
    bool dispatching_posted_ = false;
};

} // namespace test_support
