#include "general/translation/language_list_reader.h"

namespace general::translation {

namespace {

std::vector<std::wstring_view> split_fields(std::wstring_view line)
{
    std::vector<std::wstring_view> fields;
    std::size_t start = 0;
    for (std::size_t at; (at = line.find_first_of(L"|\r", start)) != line.npos; start = at + 1)
        fields.push_back(line.substr(start, at - start));
    fields.push_back(line.substr(start));
    return fields;
}

void read_line(std::wstring_view line, std::vector<language_list_entry>& entries)
{
    if (!line.empty() && line.back() == L'\r')
        line.remove_suffix(1);
    if (line.empty())
        return;
    const auto fields = split_fields(line);
    if (fields.size() < 3)
        return;
    entries.push_back({std::wstring(fields[0]), std::wstring(fields[1]), std::wstring(fields[2]),
                       fields.size() > 3 ? std::wstring(fields[3]) : std::wstring()});
}

} // namespace

std::vector<language_list_entry> read_language_list(std::wstring_view text)
{
    if (!text.empty() && text.front() == L'\xFEFF')
        text.remove_prefix(1);
    std::vector<language_list_entry> entries;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(L'\n', start)) != text.npos; start = at + 1)
        read_line(text.substr(start, at - start), entries);
    read_line(text.substr(start), entries);
    return entries;
}

} // namespace general::translation
