// The statistics server's protection counters.
#include <exception>

#include "app/protection_counters.h"
#include "fuzz/harness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    protection_counters counters;
    try {
        read_protection_statistics(fuzz::narrow(data, size), counters);
    } catch (const std::exception&) {
    }
    return 0;
}
