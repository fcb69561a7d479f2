#pragma once
// Reads the language list: one language a line, "English name|native name|locale
// code|catalogue", where the catalogue (the id of its embedded resource) may be
// left out. Pure C++ over text already decoded from UTF-8, so it can be checked and
// fuzzed without the system. Never throws except std::bad_alloc.
#include <string>
#include <string_view>
#include <vector>

namespace general::translation {

struct language_list_entry {
    std::wstring english_name;
    std::wstring native_name;
    std::wstring code;
    std::wstring catalogue; // the fourth field; empty when the line has none
};

// The entries in the order of their lines, repeated codes included (the caller
// keeps the first). Lines end at a line feed; a carriage return before it belongs
// to the line ending, not to the last field. Fields are split at every "|" and
// at any other carriage return. Empty lines and lines with fewer than three
// fields are skipped; fields after the fourth are ignored. A byte-order mark at
// the start of the text is not part of the first name.
std::vector<language_list_entry> read_language_list(std::wstring_view text);

} // namespace general::translation
