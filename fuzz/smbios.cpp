// The firmware's SMBIOS table, as WMI hands it over.
#include <stdexcept>

#include "fuzz/harness.h"
#include "http/smbios.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const machine_id::smbios_table table(data, data + size);
    try {
        machine_id::identity_text(table, L"FUZZ", [] { return std::wstring{L"RANDOM"}; });
    } catch (const std::out_of_range&) {
    }
    return 0;
}
