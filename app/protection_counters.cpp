#include "app/protection_counters.h"

#include <sstream>
#include <stdexcept>
#include <string_view>

#include <boost/property_tree/json_parser.hpp>
#include <boost/property_tree/ptree.hpp>

#include "general/text/nesting.h"
#include "http/statistics_json.h"

void read_protection_statistics(const std::string& body, protection_counters& counters)
{
    if (body.size() > statistics::largest_reply)
        throw std::runtime_error("protection counters reply too large");
    if (general::text::json_nests_deeper_than(std::string_view{body}))
        throw std::runtime_error("protection counters reply nested too deeply");
    std::istringstream input{body};
    boost::property_tree::ptree tree;
    boost::property_tree::read_json(input, tree);
    const boost::property_tree::ptree& result = tree.get_child("result");
    counters.total = result.get<int>("total");
    counters.added5days = result.get<int>("added5days");
    counters.removed5days = result.get<int>("removed5days");
}
