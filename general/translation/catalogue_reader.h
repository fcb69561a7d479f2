#pragma once
// Reads a translation catalogue in the XML format of the Qt translation tool (TS).
// Pure C++ over Boost.PropertyTree and text already decoded from UTF-8, so it can
// be checked and fuzzed without the system.
#include <map>
#include <string>

namespace general::translation {

// Source text -> translation, and context name -> its messages.
using message_table = std::map<std::wstring, std::wstring>;
using context_table = std::map<std::wstring, message_table>;

// Every child of the root `TS` element with a non-empty `name` child becomes a
// context; each of its `message` children with both a `source` and a
// `translation` child adds one message. Texts are taken exactly as they stand,
// whitespace included; the first definition of a context or a source wins. A
// byte-order mark before the document is skipped.
//
// Throws boost::property_tree::xml_parser_error for malformed XML (elements
// nested too deeply to parse among it) and
// boost::property_tree::ptree_bad_path when there is no `TS` element (both derive
// from boost::property_tree::ptree_error, a std::runtime_error).
context_table read_catalogue(const std::wstring& text);

} // namespace general::translation
