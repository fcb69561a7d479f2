#pragma once
// The protection counters of the uninstall pages: read from the statistics
// server by the installer core, written into the step pages' texts. Plain data.
#include <cstdint>

struct protection_counters {
    // What the pages show until (or unless) the server has answered.
    std::int32_t total = 32267948;
    std::int32_t added5days = 302113;
    std::int32_t removed5days = 126279;
    bool operator==(const protection_counters&) const = default;
};
