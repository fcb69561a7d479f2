#pragma once
// How deeply a JSON or XML text nests, found by a flat scan before the text
// reaches a parser. The parsers the program uses recurse once per level, so a
// reply or file of a few thousand nested brackets or elements would exhaust the
// stack inside them; anything nested beyond `limit` is refused before that.
// Pure text scanning: safe from any thread, never throws.
#include <cstddef>
#include <string_view>

namespace general::text {

// Far beyond any document the program reads (four or five levels), far below
// what the parsers' recursion survives.
inline constexpr std::size_t nesting_limit = 256;

// True when arrays and objects nest deeper than `limit`. Brackets inside strings
// (with their escapes) do not count.
template <typename Char>
bool json_nests_deeper_than(std::basic_string_view<Char> text, std::size_t limit = nesting_limit) noexcept
{
    std::size_t depth = 0;
    bool in_string = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const Char c = text[i];
        if (in_string) {
            if (c == Char('\\'))
                ++i;
            else if (c == Char('"'))
                in_string = false;
        } else if (c == Char('"')) {
            in_string = true;
        } else if (c == Char('[') || c == Char('{')) {
            if (++depth > limit)
                return true;
        } else if ((c == Char(']') || c == Char('}')) && depth > 0) {
            --depth;
        }
    }
    return false;
}

// True when elements nest deeper than `limit`. Comments, CDATA sections,
// processing instructions and declarations don't count, nor do '>' and '/'
// inside quoted attribute values; empty elements ("<a/>") open nothing.
template <typename Char>
bool xml_nests_deeper_than(std::basic_string_view<Char> text, std::size_t limit = nesting_limit) noexcept
{
    using view = std::basic_string_view<Char>;
    const auto starts = [&](std::size_t at, const char* prefix) {
        for (std::size_t k = 0; prefix[k]; ++k)
            if (at + k >= text.size() || text[at + k] != Char(prefix[k]))
                return false;
        return true;
    };
    const auto skip_past = [&](std::size_t from, const char* end) {
        std::size_t length = 0;
        while (end[length])
            ++length;
        for (std::size_t at = from; at + length <= text.size(); ++at)
            if (starts(at, end))
                return at + length;
        return text.size();
    };
    std::size_t depth = 0;
    std::size_t i = text.find(Char('<'));
    while (i != view::npos && i < text.size()) {
        if (starts(i, "<!--")) {
            i = skip_past(i + 4, "-->");
        } else if (starts(i, "<![CDATA[")) {
            i = skip_past(i + 9, "]]>");
        } else if (starts(i, "<?")) {
            i = skip_past(i + 2, "?>");
        } else if (starts(i, "<!") || starts(i, "</")) {
            if (starts(i, "</") && depth > 0)
                --depth;
            i = skip_past(i + 2, ">");
        } else {
            // A start tag: find its end outside quoted attribute values.
            Char quote = 0;
            std::size_t at = i + 1;
            for (; at < text.size(); ++at) {
                const Char c = text[at];
                if (quote) {
                    if (c == quote)
                        quote = 0;
                } else if (c == Char('"') || c == Char('\'')) {
                    quote = c;
                } else if (c == Char('>')) {
                    break;
                }
            }
            const bool empty_element = at < text.size() && text[at - 1] == Char('/');
            if (!empty_element && ++depth > limit)
                return true;
            i = at + 1;
        }
        i = text.find(Char('<'), i);
    }
    return false;
}

} // namespace general::text
