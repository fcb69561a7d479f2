// A translation catalogue (ui_<code>.ts beside the program, or embedded).
#include <exception>

#include "fuzz/harness.h"
#include "general/translation/catalogue_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        general::translation::read_catalogue(fuzz::widened(data, size));
    } catch (const std::exception&) {
    }
    return 0;
}
