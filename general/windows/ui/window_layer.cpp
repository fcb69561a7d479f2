#include "general/windows/ui/window_layer.h"

#include <utility>

namespace general::windows::ui {

namespace {
thread_local std::exception_ptr kept;
} // namespace

void keep_exception(std::exception_ptr failure)
{
    if (!kept)
        kept = std::move(failure);
    PostQuitMessage(0);
}

void rethrow_kept_exception()
{
    if (auto failure = std::exchange(kept, nullptr))
        std::rethrow_exception(failure);
}

} // namespace general::windows::ui
