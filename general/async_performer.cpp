#include "general/async_performer.h"

#include <winsock2.h>
#include <windows.h>

#include <exception>
#include <optional>
#include <thread>
#include <vector>

#include <boost/asio/executor_work_guard.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/post.hpp>

#include "general/log/log.h"
#include "general/windows/text.h"

namespace general {

namespace asio = boost::asio;
using work_guard = asio::executor_work_guard<asio::io_context::executor_type>;

struct async_performer::state {
    asio::io_context loop;
    std::optional<work_guard> guard{asio::make_work_guard(loop)};
    std::vector<std::jthread> threads;
};

async_performer::async_performer(bool start) : thread_count_(1), state_(std::make_unique<state>())
{
    if (!start)
        return;
    for (int i = 0; i < thread_count_; ++i)
        state_->threads.emplace_back([this] { run(); });
}

async_performer::~async_performer()
{
    state_->loop.stop();
    join();
    state_->guard.reset();
}

void async_performer::finish_tasks() noexcept
{
    // Without the guard the loop returns once the queue is empty.
    state_->guard.reset();
    join();
    state_->loop.stop();
}

void async_performer::join() noexcept
{
    for (auto& thread : state_->threads)
        if (thread.joinable())
            thread.join();
}

void async_performer::post(std::function<void()> task)
{
    asio::post(state_->loop, std::move(task));
}

void async_performer::run()
{
    // A task's exception leaves run() with the loop intact; the next call goes
    // on with the task after it.
    for (;;) {
        try {
            state_->loop.run();
            return;
        } catch (const std::exception& e) {
            log::error(L"background task failed: " + windows::to_wide(e.what()));
        } catch (...) {
            log::error(L"background task failed: Unhandled exception");
        }
    }
}

} // namespace general
