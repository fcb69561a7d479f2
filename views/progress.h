#pragma once
// The process page's bar position for a progress report of `part` done out of
// `whole`: the whole-number part of (part / whole) x 100, each step in single
// precision as the bar always computed it. Nothing when either is 0 (a download
// whose length the server did not tell): the bar then stays where it is. The
// result is kept within the bar's range 0 to 100 (a part beyond the whole, or a
// negative whole, would otherwise overflow the conversion).
#include <algorithm>
#include <cstdint>
#include <optional>

inline std::optional<int> progress_position(std::uint32_t part, std::int32_t whole) noexcept
{
    if (part == 0 || whole == 0)
        return std::nullopt;
    const float share = static_cast<float>(part) / static_cast<float>(whole);
    const float percent = share * 100.0f;
    return static_cast<int>(std::clamp(percent, 0.0f, 100.0f));
}
