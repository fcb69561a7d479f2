#pragma once
// The process page's animation: the frames of an animated GIF, each shown for
// the delay the file gives it, stretched over the control. Takes over an
// existing static control (see window_layer.h for the handler convention).
// User-interface thread only.
#include <winsock2.h>
#include <windows.h>

#include <cstdint>
#include <vector>

#include "general/windows/ui/subclassed_window.h"
#include "views/ui/image.h"

namespace general::ui {

// How long a frame with `delay` (hundredths of a second, as the file gives it)
// stays: delay x 10 ms, and never less than the shortest interval the system's
// timers allow (a delay of 0 would otherwise stall or spin).
UINT frame_interval_ms(std::uint32_t delay) noexcept;

class animated_gif : public general::windows::ui::subclassed_window {
public:
    static constexpr UINT_PTR timer_id = 1111;

    // Takes the image and reads its frame count (first frame dimension) and its
    // frame delays. An image without delays (a still image) is shown but never
    // animated.
    void set_image(image picture);

    // Shows frame 0 and starts the timer with the first frame's delay; nothing
    // when already started or when the image can't be animated. There is no stop:
    // the timer ends with the window.
    void start();

    bool started() const noexcept { return started_; }
    UINT frame_count() const noexcept { return frame_count_; }
    const std::vector<std::uint32_t>& delays() const noexcept { return delays_; }
    UINT next_frame() const noexcept { return next_frame_; }

protected:
    bool handle_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

private:
    bool animatable() const noexcept;
    std::uint32_t delay_of(UINT frame) const noexcept;
    void advance();
    void paint();
    void show_frame(UINT frame);

    image image_;
    GUID dimension_{};
    UINT frame_count_ = 0;
    std::vector<std::uint32_t> delays_;
    UINT next_frame_ = 0;
    bool started_ = false;
};

} // namespace general::ui
