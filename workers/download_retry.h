#pragma once
// The rules by which a download that failed is tried again, and continued
// where it broke off: which failures pass by themselves, how long to wait
// before the next attempt, and what of a reply lets a transfer continue. Text
// and number functions only (no system calls), so every rule can be checked
// without a network; safe from any thread; nothing throws except std::bad_alloc.
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace download_retry {

// Attempts per file: the first and up to three more.
inline constexpr int attempts = 4;

// The longest wait a server may ask for with Retry-After: a longer one would
// leave the user looking at a bar that does not move; the usual pause then applies.
inline constexpr std::chrono::seconds longest_requested_pause{10};

// Whether an answer with `status` is worth another attempt: the server timed
// out waiting for us (408), asks us to slow down (429), or failed or was busy
// for the moment (500, 502, 503, 504). Every other answer stays what it is.
bool is_transient_status(int status) noexcept;

// The pause after failed attempt `attempt` (1 for the first): 1 s, 2 s, 4 s; or
// what the server asked for with `retry_after` (whole seconds) when that is
// not longer than longest_requested_pause.
std::chrono::milliseconds pause_after(int attempt, std::wstring_view retry_after);

// What a complete answer (200) says about continuing the same file later.
struct resume_point {
    bool byte_ranges = false; // "Accept-Ranges: bytes"
    std::wstring validator;   // for If-Range: a strong entity tag, else the Last-Modified date; empty: none
    bool usable() const noexcept { return byte_ranges && !validator.empty(); }
};
resume_point resume_point_of(std::wstring_view accept_ranges, std::wstring_view entity_tag,
                             std::wstring_view last_modified);

// The first byte and the total length a 206 answer's Content-Range
// ("bytes 100-999/1000") announces; nothing for anything else (an unknown
// total "*" included, since the finished file must have a known length).
struct byte_range {
    std::uint64_t first = 0;
    std::uint64_t total = 0;
};
std::optional<byte_range> content_range(std::wstring_view value);

} // namespace download_retry
