#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "general/windows/ui/dialog.h"
#include "general/windows/ui/message_loop.h"

using general::windows::ui::idle_handler;
using general::windows::ui::message_filter;
using general::windows::ui::message_loop;

namespace {

constexpr UINT first_message = WM_APP + 1;
constexpr UINT second_message = WM_APP + 2;

// A hidden window that records what reaches its procedure.
class recording_window {
public:
    recording_window()
    {
        WNDCLASSW window_class{};
        window_class.lpfnWndProc = &recording_window::procedure;
        window_class.hInstance = GetModuleHandleW(nullptr);
        window_class.lpszClassName = L"qel_test_recording_window";
        RegisterClassW(&window_class); // fails harmlessly when already registered
        hwnd = CreateWindowExW(0, window_class.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               window_class.hInstance, this);
    }
    ~recording_window() { DestroyWindow(hwnd); }

    HWND hwnd = nullptr;
    std::vector<std::wstring> log;
    std::vector<UINT> dispatched;
    int* idle_calls = nullptr;
    int idle_calls_at_timer = -1;

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
    {
        if (message == WM_NCCREATE)
            SetWindowLongPtrW(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams));
        auto* self = reinterpret_cast<recording_window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self && message >= WM_APP)
            self->dispatched.push_back(message);
        if (self && message == WM_TIMER) {
            KillTimer(window, wparam);
            self->idle_calls_at_timer = self->idle_calls ? *self->idle_calls : -1;
            PostQuitMessage(3);
        }
        return DefWindowProcW(window, message, wparam, lparam);
    }
};

class recording_filter : public message_filter {
public:
    recording_filter(std::wstring name, std::vector<std::wstring>& log, UINT takes = 0)
        : name_(std::move(name)), log_(log), takes_(takes)
    {
    }
    bool pre_translate_message(MSG& message) override
    {
        if (message.message < WM_APP)
            return false;
        log_.push_back(name_ + L":" + std::to_wstring(message.message - WM_APP));
        if (on_filter)
            on_filter();
        return message.message == takes_;
    }
    std::function<void()> on_filter;

private:
    std::wstring name_;
    std::vector<std::wstring>& log_;
    UINT takes_;
};

} // namespace

TEST(message_loop, filters_see_messages_newest_first_and_a_taken_message_goes_no_further)
{
    recording_window window;
    message_loop loop;
    recording_filter older(L"older", window.log);
    recording_filter newer(L"newer", window.log, first_message);
    loop.add_message_filter(&older);
    loop.add_message_filter(&newer);

    PostMessageW(window.hwnd, first_message, 0, 0);
    PostMessageW(window.hwnd, second_message, 0, 0);
    PostQuitMessage(7);
    EXPECT_EQ(7, loop.run());

    EXPECT_EQ((std::vector<std::wstring>{L"newer:1", L"newer:2", L"older:2"}), window.log);
    EXPECT_EQ((std::vector<UINT>{second_message}), window.dispatched);
}

TEST(message_loop, a_filter_removed_while_filtering_is_not_called_again)
{
    recording_window window;
    message_loop loop;
    recording_filter older(L"older", window.log);
    recording_filter newer(L"newer", window.log);
    newer.on_filter = [&] {
        loop.remove_message_filter(&older);
        loop.remove_message_filter(&newer);
    };
    loop.add_message_filter(&older);
    loop.add_message_filter(&newer);

    PostMessageW(window.hwnd, first_message, 0, 0);
    PostMessageW(window.hwnd, second_message, 0, 0);
    PostQuitMessage(0);
    loop.run();

    EXPECT_EQ((std::vector<std::wstring>{L"newer:1"}), window.log);
    EXPECT_EQ((std::vector<UINT>{first_message, second_message}), window.dispatched);
}

namespace {

class counting_idle : public idle_handler {
public:
    bool on_idle() override
    {
        ++calls;
        if (action)
            action(calls);
        return false;
    }
    int calls = 0;
    std::function<void(int)> action;
};

} // namespace

TEST(message_loop, mouse_movement_does_not_rearm_idle_processing)
{
    recording_window window;
    message_loop loop;
    counting_idle idle;
    window.idle_calls = &idle.calls;
    idle.action = [&](int call) {
        if (call == 1) {
            // With the queue empty after this move, only the timer can wake the loop;
            // a loop that re-armed on the move would run the idle handler first.
            PostMessageW(window.hwnd, WM_MOUSEMOVE, 0, 0);
            SetTimer(window.hwnd, 1, 50, nullptr);
        }
    };
    loop.add_idle_handler(&idle);
    EXPECT_EQ(3, loop.run());
    EXPECT_EQ(1, window.idle_calls_at_timer);
}

TEST(message_loop, idle_handlers_run_once_per_burst_in_the_order_added)
{
    recording_window window;
    message_loop loop;
    std::vector<int> order;
    counting_idle first, second;
    first.action = [&](int call) {
        order.push_back(1);
        if (call == 1)
            PostMessageW(window.hwnd, first_message, 0, 0);
        else
            PostQuitMessage(0);
    };
    second.action = [&](int) { order.push_back(2); };
    loop.add_idle_handler(&first);
    loop.add_idle_handler(&second);
    loop.run();
    EXPECT_EQ((std::vector<int>{1, 2, 1, 2}), order);
}

namespace {

class throwing_dialog : public general::windows::ui::dialog {
protected:
    bool handle_message(UINT message, WPARAM, LPARAM, LRESULT& result) override
    {
        if (message == first_message)
            throw std::runtime_error("handler failed");
        result = TRUE;
        return message == WM_INITDIALOG;
    }
};

} // namespace

TEST(window_layer, an_exception_in_a_handler_ends_the_loop_and_is_rethrown_there)
{
    message_loop loop;
    throwing_dialog dialog;
    ASSERT_NE(nullptr, dialog.create(GetModuleHandleW(nullptr), 129, nullptr));
    PostMessageW(dialog.hwnd(), first_message, 0, 0);
    EXPECT_THROW(
        {
            try {
                loop.run();
            } catch (const std::runtime_error& e) {
                EXPECT_STREQ("handler failed", e.what());
                throw;
            }
        },
        std::runtime_error);
    dialog.destroy();
    EXPECT_EQ(nullptr, dialog.hwnd());
}

// The step pages are created again on every step: the second window replaces the
// first instead of leaving a window whose messages reach an object that has moved on.
TEST(window_layer, creating_again_replaces_the_window_the_object_had)
{
    throwing_dialog dialog;
    HWND first = dialog.create(GetModuleHandleW(nullptr), 129, nullptr);
    ASSERT_NE(nullptr, first);
    HWND second = dialog.create(GetModuleHandleW(nullptr), 129, nullptr);
    ASSERT_NE(nullptr, second);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(second, dialog.hwnd());
    EXPECT_EQ(nullptr, dialog.create(GetModuleHandleW(nullptr), 4321, nullptr));
    EXPECT_FALSE(IsWindow(second));
    EXPECT_EQ(nullptr, dialog.hwnd());
}

TEST(window_layer, a_missing_template_gives_no_window)
{
    throwing_dialog dialog;
    EXPECT_EQ(nullptr, dialog.create(GetModuleHandleW(nullptr), 4321, nullptr));
    EXPECT_EQ(nullptr, dialog.hwnd());
}

TEST(app_module, each_thread_finds_only_its_own_loop)
{
    auto& module = general::windows::ui::app_module::instance();
    module.init();
    message_loop loop;
    ASSERT_TRUE(module.add_message_loop(&loop));
    EXPECT_FALSE(module.add_message_loop(&loop));
    EXPECT_EQ(&loop, module.get_message_loop());
    EXPECT_EQ(GetCurrentThreadId(), module.main_thread_id());

    message_loop* seen_elsewhere = &loop;
    std::thread([&] { seen_elsewhere = module.get_message_loop(); }).join();
    EXPECT_EQ(nullptr, seen_elsewhere);

    EXPECT_TRUE(module.remove_message_loop());
    EXPECT_EQ(nullptr, module.get_message_loop());
    module.term();
}
