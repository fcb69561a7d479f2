#pragma once
// Text conversions. All four treat their input as null-terminated: anything after
// an embedded null character is dropped. Unconvertible input gives an empty result;
// none of them throws except for std::bad_alloc.
#include <string>
#include <string_view>

namespace general::windows {

std::wstring to_wide(std::string_view text);   // system ANSI code page
std::string to_narrow(std::wstring_view text); // system ANSI code page
std::wstring utf8_to_wide(std::string_view text);
std::string wide_to_utf8(std::wstring_view text);

} // namespace general::windows
