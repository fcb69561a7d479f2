#include "workers/download_retry.h"

#include <cwctype>

namespace download_retry {

namespace {

std::wstring_view trimmed(std::wstring_view text)
{
    while (!text.empty() && std::iswspace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && std::iswspace(text.back()))
        text.remove_suffix(1);
    return text;
}

// A decimal number of at most 18 digits (no sign, nothing else); nothing otherwise.
std::optional<std::uint64_t> number(std::wstring_view digits)
{
    if (digits.empty() || digits.size() > 18)
        return std::nullopt;
    std::uint64_t value = 0;
    for (const wchar_t c : digits) {
        if (c < L'0' || c > L'9')
            return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - L'0');
    }
    return value;
}

bool equal_ignoring_case(std::wstring_view a, std::wstring_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::towlower(a[i]) != std::towlower(b[i]))
            return false;
    }
    return true;
}

} // namespace

bool is_transient_status(int status) noexcept
{
    switch (status) {
    case 408:
    case 429:
    case 500:
    case 502:
    case 503:
    case 504: return true;
    default: return false;
    }
}

std::chrono::milliseconds pause_after(int attempt, std::wstring_view retry_after)
{
    if (const auto asked = number(trimmed(retry_after));
        asked && *asked <= static_cast<std::uint64_t>(longest_requested_pause.count()))
        return std::chrono::seconds{*asked};
    const int doubling = attempt < 1 ? 0 : (attempt > 8 ? 7 : attempt - 1);
    return std::chrono::seconds{1} * (1 << doubling);
}

resume_point resume_point_of(std::wstring_view accept_ranges, std::wstring_view entity_tag,
                             std::wstring_view last_modified)
{
    resume_point point;
    point.byte_ranges = equal_ignoring_case(trimmed(accept_ranges), L"bytes");
    entity_tag = trimmed(entity_tag);
    // A weak tag ("W/...") may not be used in If-Range: only a byte-for-byte
    // identical file may be continued.
    if (entity_tag.size() >= 2 && entity_tag.front() == L'"' && entity_tag.back() == L'"')
        point.validator = entity_tag;
    else
        point.validator = trimmed(last_modified);
    return point;
}

std::optional<byte_range> content_range(std::wstring_view value)
{
    value = trimmed(value);
    constexpr std::wstring_view unit = L"bytes ";
    if (value.size() < unit.size() || !equal_ignoring_case(value.substr(0, unit.size()), unit))
        return std::nullopt;
    value.remove_prefix(unit.size());
    const auto dash = value.find(L'-');
    const auto slash = value.find(L'/');
    if (dash == value.npos || slash == value.npos || dash > slash)
        return std::nullopt;
    const auto first = number(trimmed(value.substr(0, dash)));
    const auto last = number(trimmed(value.substr(dash + 1, slash - dash - 1)));
    const auto total = number(trimmed(value.substr(slash + 1)));
    if (!first || !last || !total || *first > *last || *last >= *total)
        return std::nullopt;
    return byte_range{*first, *total};
}

} // namespace download_retry
