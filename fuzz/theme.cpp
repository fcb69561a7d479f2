// The theme document (the embedded resource, or default.theme beside the program).
#include "fuzz/harness.h"
#include "views/theme_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    theme_reader::read(fuzz::widened(data, size), 96, L"C:\\resources"); // never throws
    return 0;
}
