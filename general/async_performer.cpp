#include "general/async_performer.h"

#include <winsock2.h>
#include <windows.h>

#include <exception>
#include <optional>
#include <stop_token>
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
        state_->threads.emplace_back([this](std::stop_token stop) {
            while (!stop.stop_requested())
                run();
        });
}

async_performer::~async_performer()
{
    state_->loop.stop();
    for (auto& thread : state_->threads)
        thread.request_stop();
    for (auto& thread : state_->threads)
        if (thread.joinable())
            thread.join();
    state_->guard.reset();
}

void async_performer::post(std::function<void()> task)
{
    asio::post(state_->loop, std::move(task));
}

void async_performer::run()
{
    // The pool thread's own work object keeps this pass of the loop alive even if
    // the performer's guard is released first.
    auto pass_guard = asio::make_work_guard(state_->loop);
    try {
        state_->loop.run();
    } catch (const std::exception& e) {
        log::error(L"background task failed: " + windows::to_wide(e.what()));
    } catch (...) {
        log::error(L"background task failed: Unhandled exception");
    }
}

} // namespace general
