#pragma once
// A small pool of background threads (one in this program) waiting on an event
// loop and running, one after another and in posting order, the tasks posted to
// it. The owner constructs it with start = true and destroys it on its own
// thread: the destructor stops the loop, drops the tasks not yet begun and joins
// the pool, so it must never run on a pool thread; an owner whose tasks must not
// be lost calls finish_tasks() first. A task that throws is logged and dropped;
// the pool thread goes on with the next task.
#include <functional>
#include <memory>

namespace general {

class async_performer {
public:
    explicit async_performer(bool start);
    virtual ~async_performer();
    async_performer(const async_performer&) = delete;
    async_performer& operator=(const async_performer&) = delete;

    // Queues a task; callable from any thread. Tasks posted after destruction has
    // begun may be dropped.
    void post(std::function<void()> task);

    // Lets every task posted so far run to its end, then stops the pool; blocks
    // the caller until then. Tasks posted afterwards never run. Call it from the
    // owner's thread, never from a task. Never throws.
    void finish_tasks() noexcept;

    int thread_count() const { return thread_count_; }

private:
    // Body of each pool thread: the event loop, until it is stopped or runs out
    // of work once finish_tasks() let it. Not virtual on purpose: the pool starts while derived classes are still
    // being constructed, so a virtual call from it would race with the vtable.
    void run();
    void join() noexcept;

    struct state;
    int thread_count_;
    std::unique_ptr<state> state_;
};

} // namespace general
