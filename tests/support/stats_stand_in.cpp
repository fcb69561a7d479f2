#include "tests/support/stats_stand_in.h"

#include <algorithm>
#include <sstream>

#include <boost/property_tree/json_parser.hpp>
#include <boost/property_tree/ptree.hpp>

#include "app/configuration.h"
#include "general/windows/text.h"
#include "http/client.h"

namespace test_support::stats_stand_in {

namespace {

namespace http = general::windows::http;

boost::property_tree::ptree fetch(const std::wstring& path)
{
    const auto server = configuration::statistics_server();
    http::session session{L"qel stand-in reader", true};
    http::connection connection{session, server.host, server.port};
    const auto body = http::get(connection, path, nullptr, true);
    std::istringstream input{std::string(body.begin(), body.end())};
    boost::property_tree::ptree tree;
    boost::property_tree::read_json(input, tree);
    return tree;
}

std::wstring wide(const std::string& utf8)
{
    return general::windows::utf8_to_wide(utf8);
}

} // namespace

std::vector<report> received()
{
    std::vector<report> reports;
    for (const auto& [unused, entry] : fetch(L"/_received"))
        reports.push_back({wide(entry.get<std::string>("user_agent")), wide(entry.get<std::string>("content_type")),
                           entry.get<std::string>("body")});
    return reports;
}

std::size_t count_received(const std::string& body)
{
    const auto reports = received();
    return static_cast<std::size_t>(
        std::count_if(reports.begin(), reports.end(), [&](const report& r) { return r.body == body; }));
}

std::vector<std::wstring> request_targets()
{
    std::vector<std::wstring> targets;
    for (const auto& [unused, entry] : fetch(L"/_requests"))
        targets.push_back(wide(entry.get<std::string>("target")));
    return targets;
}

void hold_next_reports(int count)
{
    fetch(L"/_hold/" + std::to_wstring(count));
}

} // namespace test_support::stats_stand_in
