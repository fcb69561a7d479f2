#include "tests/support/page_host.h"

#include <stdexcept>

#include "messages/messages.h"
#include "tests/support/posted_messages.h"

namespace test_support {

namespace {

bool registered(UINT id)
{
    for (std::size_t i = 0; i < messages::catalogue_size; ++i)
        if (*messages::catalogue[i].id == id)
            return true;
    return false;
}

} // namespace

host_message posted(UINT id, WPARAM wparam, LPARAM lparam)
{
    return {id, wparam, lparam, false};
}

host_message sent(UINT id, WPARAM wparam)
{
    return {id, wparam, 0, true};
}

host_message reported(int event)
{
    return posted(messages::add_stats_event, static_cast<WPARAM>(event));
}

std::wstring describe(const std::vector<host_message>& messages)
{
    std::wstring text;
    for (const auto& m : messages)
        text += (m.sent ? L"sent " : L"posted ") + message_name(m.id) + L"(" + std::to_wstring(m.wparam) + L", " +
                std::to_wstring(m.lparam) + L"); ";
    return text;
}

page_host::page_host()
{
    if (!dialog::create(GetModuleHandleW(nullptr), 129, nullptr))
        throw std::runtime_error("the page host cannot be created");
    ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
}

page_host::~page_host()
{
    destroy();
}

void page_host::pump()
{
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        dispatch(message);
}

void page_host::dispatch(const MSG& message)
{
    const bool outer = dispatching_posted_;
    dispatching_posted_ = message.hwnd == hwnd();
    DispatchMessageW(&message);
    dispatching_posted_ = outer;
}

bool page_host::handle_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result)
{
    if (message == WM_INITDIALOG) {
        result = FALSE;
        return true;
    }
    if (!registered(message))
        return false;
    if (!dispatching_posted_) {
        // A page that posted before it sent: keep the order in which it did so.
        MSG queued{};
        while (PeekMessageW(&queued, hwnd(), 0, 0, PM_REMOVE))
            dispatch(queued);
        dispatching_posted_ = false;
    }
    received_.push_back({message, wparam, lparam, !dispatching_posted_});
    result = 1;
    if (message == messages::get_selected_products)
        result = selected_products;
    else if (message == messages::get_post_cancel)
        result = post_cancel;
    else if (message == messages::get_post_fail)
        result = post_fail;
    return true;
}

} // namespace test_support
