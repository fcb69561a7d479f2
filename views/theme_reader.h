#pragma once
// Reads the theme document: pure C++ over Boost.PropertyTree with no Windows
// headers, taking the text and the device's resolution and giving plain data, so
// it can be checked and fuzzed without a window. views/theme.h turns the data into
// Windows font descriptions.
#include <cstdint>
#include <map>
#include <string>

namespace theme_reader {

// The font members the theme decides; every other member of the Windows font
// description is 0.
struct font_values {
    std::int32_t height = 0; // negative: the character height in pixels
    std::int32_t weight = 400;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t charset = 0; // 1 (the default character set) when a face is named
    std::wstring face;        // the family, cut to its first 31 characters
};

// One `font` element.
struct text_values {
    font_values font;
    std::int32_t kind = -1; // 0 for type "text", 1 for any other type, -1 without one
    // 0x00BBGGRR, as Windows stores colours.
    std::uint32_t normal_color = 0;
    std::uint32_t active_color = 0;
    std::uint32_t disabled_color = 0;
    std::uint32_t selected_color = 0;
};

using settings_table = std::map<std::wstring, text_values>;

struct document {
    std::map<std::wstring, settings_table> contexts;
    std::map<std::wstring, std::wstring> graphics; // element name -> full file path
    std::map<std::wstring, std::wstring> options;
};

// The longest face name a Windows font description holds.
inline constexpr std::size_t max_face_length = 31;

// Reads the XML text of a theme. The first definition of a context, a setting, an
// option or a graphic wins. Reading stops silently at the first failure
// (malformed XML, no `theme` element, a context or option without a name, a size
// that is not an integer, a colour shorter than five characters); what was
// complete before it is kept: a context counts once all its fonts are read.
// Graphic files are named relative to `resources_directory`. Never throws.
document read(const std::wstring& text, std::int32_t dpi, const std::wstring& resources_directory) noexcept;

// "#RRGGBB" -> 0x00BBGGRR. The first character is not examined; the pairs at 1-2,
// 3-4 and 5-6 are read in that order, and one that is not hexadecimal gives 0
// for itself and the components after it. Throws std::invalid_argument for a text
// shorter than five characters.
std::uint32_t parse_colour(const std::wstring& text);

// The font height for `points` at `dpi` pixels per inch: -(points * dpi / 72),
// rounded to the nearest integer as Windows' MulDiv rounds (half away from zero;
// a result beyond 32 bits counts as -1, as there).
std::int32_t font_height(std::int32_t points, std::int32_t dpi);

} // namespace theme_reader
