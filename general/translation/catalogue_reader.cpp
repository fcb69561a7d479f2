#include "general/translation/catalogue_reader.h"

#include <sstream>

#include <boost/property_tree/ptree.hpp>
#include <boost/property_tree/xml_parser.hpp>

#include "general/text/nesting.h"

namespace general::translation {

namespace {

using boost::property_tree::wptree;

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
    std::wistringstream in(!text.empty() && text.front() == L'\xFEFF' ? text.substr(1) : text);
    wptree document;
    boost::property_tree::read_xml(in, document); // no flags: whitespace is kept
    context_table contexts;
    for (const auto& [key, child] : document.get_child(L"TS"))
        read_context(child, contexts);
    return contexts;
}

} // namespace general::translation
