#pragma once
// What the fuzzing harnesses share. Each harness feeds libFuzzer's bytes to one
// reader of outside input, built natively with the address and undefined-
// behaviour sanitizers. Readers may throw their documented exceptions (all
// derive from std::exception); anything else, a crash or a sanitizer report, is
// a finding.
#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// One wide character per byte, as the program widens its single-byte texts.
inline std::wstring widened(const std::uint8_t* data, std::size_t size)
{
    return std::wstring(data, data + size);
}

inline std::string narrow(const std::uint8_t* data, std::size_t size)
{
    return std::string(reinterpret_cast<const char*>(data), size);
}

} // namespace fuzz
