// The language list (languages.lst beside the program, or embedded).
#include "fuzz/harness.h"
#include "general/translation/language_list_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::wstring text = fuzz::widened(data, size);
    general::translation::read_language_list(text);
    return 0;
}
