#include "views/theme_reader.h"

#include <cstdlib>
#include <limits>
#include <sstream>
#include <stdexcept>

#include <boost/lexical_cast.hpp>
#include <boost/property_tree/ptree.hpp>
#include <boost/property_tree/xml_parser.hpp>

#include "general/text/nesting.h"

namespace theme_reader {

namespace {

using boost::property_tree::wptree;

struct reading {
    std::int32_t dpi;
    const std::wstring& resources_directory;
    document& into;
};

// A text of one or two hexadecimal digits; anything else is unreadable.
bool read_pair(const std::wstring& pair, std::uint32_t& value)
{
    if (pair.empty())
        return false;
    std::uint32_t read = 0;
    for (wchar_t c : pair) {
        const int digit = c >= L'0' && c <= L'9'   ? c - L'0'
                          : c >= L'a' && c <= L'f' ? c - L'a' + 10
                          : c >= L'A' && c <= L'F' ? c - L'A' + 10
                                                   : -1;
        if (digit < 0)
            return false;
        read = read << 4 | static_cast<std::uint32_t>(digit);
    }
    value = read;
    return true;
}

std::int32_t mul_div(std::int32_t a, std::int32_t b, std::int32_t c)
{
    if (c == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t magnitude = (std::llabs(product) + std::llabs(c) / 2) / std::llabs(c);
    if (magnitude > std::numeric_limits<std::int32_t>::max())
        return -1;
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

font_values describe_font(const std::wstring& family, std::int32_t size, const std::wstring& style, std::int32_t dpi)
{
    font_values font;
    font.height = font_height(size, dpi);
    font.weight = style.find(L"bold") != style.npos ? 700 : 400;
    font.italic = style.find(L"italic") != style.npos ? 1 : 0;
    font.underline = style.find(L"underline") != style.npos ? 1 : 0;
    if (!family.empty()) {
        font.charset = 1;
        font.face = family.substr(0, max_face_length);
    }
    return font;
}

std::pair<std::wstring, text_values> read_font(const wptree& element, std::int32_t dpi)
{
    std::wstring name, family, style;
    std::int32_t size = 10;
    text_values values;
    for (const auto& [key, child] : element) {
        if (key == L"<xmlattr>") {
            name = child.get<std::wstring>(L"name", L"");
            const auto type = child.get_optional<std::wstring>(L"type");
            values.kind = !type ? -1 : *type == L"text" ? 0 : 1;
        } else if (key == L"family") {
            family = child.data();
        } else if (key == L"style") {
            style = child.data();
        } else if (key == L"size") {
            size = boost::lexical_cast<std::int32_t>(child.data());
        } else if (key == L"normal_color") {
            values.normal_color = parse_colour(child.data());
        } else if (key == L"active_color") {
            values.active_color = parse_colour(child.data());
        } else if (key == L"disabled_color") {
            values.disabled_color = parse_colour(child.data());
        } else if (key == L"selected_color") {
            values.selected_color = parse_colour(child.data());
        }
    }
    values.font = describe_font(family, size, style, dpi);
    return {std::move(name), std::move(values)};
}

void read_context(const wptree& element, reading& r)
{
    std::wstring name = element.get<std::wstring>(L"<xmlattr>.name");
    settings_table settings;
    for (const auto& [key, child] : element)
        if (key == L"font")
            settings.insert(read_font(child, r.dpi));
    r.into.contexts.emplace(std::move(name), std::move(settings));
}

void read_graphics(const wptree& element, reading& r)
{
    for (const auto& [key, child] : element)
        if (key != L"<xmlattr>" && key != L"<xmlcomment>")
            r.into.graphics.emplace(key, r.resources_directory + L"\\" + child.data());
}

void read_theme(const wptree& theme, reading& r)
{
    for (const auto& [key, child] : theme) {
        if (key == L"option")
            r.into.options.emplace(child.get<std::wstring>(L"<xmlattr>.name"), child.data());
        else if (key == L"graphics")
            read_graphics(child, r);
        else if (key == L"context")
            read_context(child, r);
    }
}

} // namespace

document read(const std::wstring& text, std::int32_t dpi, const std::wstring& resources_directory) noexcept
{
    document result;
    reading r{dpi, resources_directory, result};
    try {
        if (general::text::xml_nests_deeper_than(std::wstring_view{text}))
            return result; // hostile, not a theme: nothing of it is used
        std::wistringstream in(text);
        wptree tree;
        boost::property_tree::read_xml(in, tree); // no flags: whitespace is kept
        read_theme(tree.get_child(L"theme"), r);
    } catch (...) {
        // A theme that cannot be read whole keeps what was complete: the pages then
        // fail on the first name they miss, which names what is missing.
    }
    return result;
}

std::uint32_t parse_colour(const std::wstring& text)
{
    if (text.size() < 5)
        throw std::invalid_argument("colour too short");
    std::uint32_t components[3] = {0, 0, 0};
    for (std::size_t i = 0; i < 3; ++i)
        if (!read_pair(text.substr(1 + 2 * i, 2), components[i]))
            break;
    return (components[0] & 0xFF) | (components[1] & 0xFF) << 8 | (components[2] & 0xFF) << 16;
}

std::int32_t font_height(std::int32_t points, std::int32_t dpi)
{
    return -mul_div(points, dpi, 72);
}

} // namespace theme_reader
