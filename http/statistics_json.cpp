#include "http/statistics_json.h"

#include <exception>
#include <sstream>

#include <boost/property_tree/json_parser.hpp>
#include <boost/property_tree/ptree.hpp>

namespace statistics {

event_table make_event_table()
{
    return {
        {1, L"startpage-install-both"},
        {2, L"startpage-install-quobex-only"},
        {3, L"startpage-why-recommended"},
        {4, L"startpage-cancel"},
        {5, L"startpage-eula-quobex"},
        {6, L"startpage-eula-zeb"},
        {7, L"completepage-ok"},
        {8, L"cancelpage-cancel"},
        {9, L"cancelpage-install"},
        {10, L"cancelpage-eula-quobex"},
        {11, L"cancelpage-eula-zeb"},
        {12, L"postcancelpage-why-recommended"},
        {13, L"postcancelpage-install-both"},
        {14, L"postcancelpage-install-quobex-only"},
        {15, L"failed-download-quobex"},
        {16, L"failed-download-kv"},
        {17, L"postfail-retry"},
        {18, L"postfail-close"},
        {19, L"postfail-close-cancel"},
        {20, L"postfail-close-install"},
        {21, L"uninstall-page1-abort"},
        {22, L"uninstall-page1-continue"},
        {23, L"uninstall-page1-cancel"},
        {24, L"uninstall-page1-ok"},
        {25, L"uninstall-page2-abort"},
        {26, L"uninstall-page2-continue"},
        {27, L"uninstall-page2-cancel"},
        {28, L"uninstall-page2-finish"},
        {29, L"uninstall-complete"},
    };
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
