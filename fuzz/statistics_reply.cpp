// The statistics server's answer to a report.
#include "fuzz/harness.h"
#include "http/statistics_json.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    statistics::read_reply(std::string_view(reinterpret_cast<const char*>(data), size)); // never throws
    return 0;
}
