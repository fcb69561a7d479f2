#pragma once
// The user-interface thread's message loop, with message filters (offered each
// message before it is dispatched, most recently added first) and idle handlers
// (called once, in order of adding, when the queue runs empty after activity),
// and the application module that finds the loop of a thread.
//
// Filters and handlers are not owned; whoever adds one removes it before it is
// destroyed. Both may be added or removed from inside a filter or handler.
#include "general/windows/ui/window_layer.h"

#include <map>
#include <vector>

namespace general::windows::ui {

class message_filter {
public:
    // True when the filter took the message; it is then neither translated nor
    // dispatched.
    virtual bool pre_translate_message(MSG& message) = 0;

protected:
    ~message_filter() = default;
};

class idle_handler {
public:
    virtual bool on_idle() = 0;

protected:
    ~idle_handler() = default;
};

class message_loop {
public:
    void add_message_filter(message_filter* filter);
    void remove_message_filter(message_filter* filter);
    void add_idle_handler(idle_handler* handler);
    void remove_idle_handler(idle_handler* handler);

    // Runs until WM_QUIT arrives and returns its exit code.
    int run();

    // Offers a message to the filters; true when one took it.
    bool pre_translate_message(MSG& message);
    void on_idle();

    // Messages that leave idle processing disarmed: mouse and non-client mouse
    // movement, paint and the system timer arrive constantly without user input.
    static bool is_idle_message(const MSG& message);

private:
    std::vector<message_filter*> filters_;
    std::vector<idle_handler*> idle_handlers_;
};

// Which message loop runs on which thread. One per process, guarded by its own
// critical section.
class app_module {
public:
    static app_module& instance();

    void init(); // records the calling thread as the main thread
    void term(); // forgets every loop

    bool add_message_loop(message_loop* loop); // for the calling thread
    bool remove_message_loop();                // of the calling thread
    message_loop* get_message_loop(DWORD thread_id = GetCurrentThreadId());
    DWORD main_thread_id() const { return main_thread_id_; }

private:
    app_module();
    ~app_module();
    app_module(const app_module&) = delete;
    app_module& operator=(const app_module&) = delete;

    CRITICAL_SECTION lock_;
    DWORD main_thread_id_ = 0;
    std::map<DWORD, message_loop*> loops_;
};

} // namespace general::windows::ui
