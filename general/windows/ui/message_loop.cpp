#include "general/windows/ui/message_loop.h"

#include <algorithm>
#include <utility>

namespace general::windows::ui {

namespace {

template <typename T>
void add_once(std::vector<T*>& list, T* item)
{
    if (item && std::find(list.begin(), list.end(), item) == list.end())
        list.push_back(item);
}

template <typename T>
void remove_item(std::vector<T*>& list, T* item)
{
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

template <typename T>
bool contains(const std::vector<T*>& list, T* item)
{
    return std::find(list.begin(), list.end(), item) != list.end();
}

class scoped_lock {
public:
    explicit scoped_lock(CRITICAL_SECTION& section) : section_(section) { EnterCriticalSection(&section_); }
    ~scoped_lock() { LeaveCriticalSection(&section_); }
    scoped_lock(const scoped_lock&) = delete;
    scoped_lock& operator=(const scoped_lock&) = delete;

private:
    CRITICAL_SECTION& section_;
};

} // namespace

void message_loop::add_message_filter(message_filter* filter)
{
    add_once(filters_, filter);
}
void message_loop::remove_message_filter(message_filter* filter)
{
    remove_item(filters_, filter);
}
void message_loop::add_idle_handler(idle_handler* handler)
{
    add_once(idle_handlers_, handler);
}
void message_loop::remove_idle_handler(idle_handler* handler)
{
    remove_item(idle_handlers_, handler);
}

bool message_loop::pre_translate_message(MSG& message)
{
    // A filter may remove itself or others (a dialog destroyed by the message it
    // filters), so walk a copy and skip whatever is gone by the time it is reached.
    const auto snapshot = filters_;
    for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it)
        if (contains(filters_, *it) && (*it)->pre_translate_message(message))
            return true;
    return false;
}

void message_loop::on_idle()
{
    const auto snapshot = idle_handlers_;
    for (auto* handler : snapshot)
        if (contains(idle_handlers_, handler))
            handler->on_idle();
}

bool message_loop::is_idle_message(const MSG& message)
{
    switch (message.message) {
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
    case WM_PAINT:
    case 0x0118: // WM_SYSTIMER, the caret blink timer
        return false;
    default: return true;
    }
}

int message_loop::run()
{
    bool idle_armed = true;
    MSG message{};
    for (;;) {
        while (idle_armed && !PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            on_idle();
            idle_armed = false;
        }
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == -1)
            continue;
        if (!got) {
            rethrow_kept_exception();
            return static_cast<int>(message.wParam);
        }
        if (!pre_translate_message(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (is_idle_message(message))
            idle_armed = true;
    }
}

app_module& app_module::instance()
{
    static app_module module;
    return module;
}

app_module::app_module()
{
    InitializeCriticalSection(&lock_);
}
app_module::~app_module()
{
    DeleteCriticalSection(&lock_);
}

void app_module::init()
{
    scoped_lock guard(lock_);
    main_thread_id_ = GetCurrentThreadId();
    loops_.clear();
}

void app_module::term()
{
    scoped_lock guard(lock_);
    loops_.clear();
}

bool app_module::add_message_loop(message_loop* loop)
{
    scoped_lock guard(lock_);
    return loops_.emplace(GetCurrentThreadId(), loop).second;
}

bool app_module::remove_message_loop()
{
    scoped_lock guard(lock_);
    return loops_.erase(GetCurrentThreadId()) != 0;
}

message_loop* app_module::get_message_loop(DWORD thread_id)
{
    scoped_lock guard(lock_);
    const auto found = loops_.find(thread_id);
    return found == loops_.end() ? nullptr : found->second;
}

} // namespace general::windows::ui
