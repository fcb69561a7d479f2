#include "http/statistics_json.h"

#include "general/text/nesting.h"
#include "http/statistics_events.h"

#include <exception>
#include <sstream>

#include <boost/property_tree/json_parser.hpp>
#include <boost/property_tree/ptree.hpp>

namespace statistics {

event_table make_event_table()
{
    event_table table;
    for (const auto& [number, key] : event_keys)
        table.emplace(number_of(number), key);
    return table;
}

std::wstring events_body(const std::vector<int>& batch, const event_table& keys, const std::wstring& machine_id,
                         const std::wstring& product)
{
    if (batch.empty())
        return {};
    std::wostringstream body;
    body << L'[';
    bool written = false;
    for (const int number : batch) {
        const auto key = keys.find(number);
        if (key == keys.end())
            continue;
        boost::property_tree::wptree member;
        member.put(L"id", machine_id);
        member.put(L"product", product);
        boost::property_tree::wptree event;
        // push_back, not put: a key is a name here, never a path.
        event.push_back({key->second, member});
        if (written)
            body << L',';
        // Compact form; the writer ends each document with a line feed.
        boost::property_tree::write_json(body, event, false);
        written = true;
    }
    body << L']';
    return body.str();
}

reply read_reply(std::string_view answer) noexcept
{
    reply verdict;
    // A report's answer is a few dozen bytes: anything far larger or deeply
    // nested is no answer, and must not reach the recursive parser.
    if (answer.size() > largest_reply) {
        verdict.parse_error = "reply too large";
        return verdict;
    }
    if (general::text::json_nests_deeper_than(answer)) {
        verdict.parse_error = "reply nested too deeply";
        return verdict;
    }
    try {
        std::istringstream input{std::string{answer}};
        boost::property_tree::ptree tree;
        boost::property_tree::read_json(input, tree);
        verdict.accepted = tree.get_optional<std::string>("type") == std::string{"success"};
        if (!verdict.accepted)
            verdict.failure_text = tree.get<std::string>("text", "");
    } catch (const std::exception& error) {
        verdict = reply{};
        verdict.parse_error = error.what();
    } catch (...) {
        verdict = reply{};
    }
    return verdict;
}

} // namespace statistics
