#include "general/translation/catalogue_reader.h"

#include <optional>
#include <sstream>
#include <utility>

#include <boost/property_tree/ptree.hpp>
#include <boost/property_tree/xml_parser.hpp>

#include "general/text/nesting.h"

namespace general::translation {

namespace {

using boost::property_tree::wptree;

// The value of the numeric character reference at `at` ("&#233;", "&#xE9;") and
// its length; nothing for anything else.
std::optional<std::pair<char32_t, std::size_t>> character_reference(const std::wstring& text, std::size_t at)
{
    if (text.compare(at, 2, L"&#") != 0)
        return std::nullopt;
    std::size_t i = at + 2;
    const bool hex = i < text.size() && (text[i] == L'x' || text[i] == L'X');
    if (hex)
        ++i;
    const std::size_t digits_start = i;
    char32_t value = 0;
    for (; i < text.size() && i - digits_start < 8; ++i) {
        const wchar_t c = text[i];
        unsigned digit = 0;
        if (c >= L'0' && c <= L'9')
            digit = static_cast<unsigned>(c - L'0');
        else if (hex && c >= L'a' && c <= L'f')
            digit = static_cast<unsigned>(c - L'a' + 10);
        else if (hex && c >= L'A' && c <= L'F')
            digit = static_cast<unsigned>(c - L'A' + 10);
        else
            break;
        value = value * (hex ? 16 : 10) + digit;
    }
    if (i == digits_start || i >= text.size() || text[i] != L';')
        return std::nullopt;
    return std::pair{value, i + 1 - at};
}

// The XML parser turns a reference to a character beyond ASCII into the bytes
// of its UTF-8 form, one wide character each ("&#233;" became two characters).
// Such characters have no meaning to XML, so they are put in place before
// parsing; references below 128 ("&#60;") are left to the parser.
std::wstring with_wide_references_decoded(const std::wstring& text)
{
    if (text.find(L"&#") == std::wstring::npos)
        return text;
    std::wstring result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto reference = text[i] == L'&' ? character_reference(text, i) : std::nullopt;
        const char32_t value = reference ? reference->first : 0;
        const bool decodable = reference && value >= 0x80 && value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF);
        if (!decodable) {
            result.push_back(text[i++]);
            continue;
        }
        if (value < 0x10000) {
            result.push_back(static_cast<wchar_t>(value));
        } else {
            result.push_back(static_cast<wchar_t>(0xD800 + ((value - 0x10000) >> 10)));
            result.push_back(static_cast<wchar_t>(0xDC00 + ((value - 0x10000) & 0x3FF)));
        }
        i += reference->second;
    }
    return result;
}

void read_message(const wptree& message, message_table& messages)
{
    const auto source = message.get_child_optional(L"source");
    const auto translation = message.get_child_optional(L"translation");
    if (source && translation)
        messages.emplace(source->data(), translation->data());
}

void read_context(const wptree& context, context_table& contexts)
{
    std::wstring name;
    message_table messages;
    for (const auto& [key, child] : context) {
        if (key == L"name")
            name = child.data();
        else if (key == L"message")
            read_message(child, messages);
    }
    if (!name.empty())
        contexts.emplace(std::move(name), std::move(messages));
}

} // namespace

context_table read_catalogue(const std::wstring& text)
{
    if (general::text::xml_nests_deeper_than(std::wstring_view{text}))
        throw boost::property_tree::xml_parser_error("elements nested too deeply", "", 0);
    std::wistringstream in(
        with_wide_references_decoded(!text.empty() && text.front() == L'\xFEFF' ? text.substr(1) : text));
    wptree document;
    boost::property_tree::read_xml(in, document); // no flags: whitespace is kept
    context_table contexts;
    for (const auto& [key, child] : document.get_child(L"TS"))
        read_context(child, contexts);
    return contexts;
}

} // namespace general::translation
