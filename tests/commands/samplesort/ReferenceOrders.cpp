#include "tests/commands/samplesort/ReferenceOrders.h"

#include <sstream>

#include <gtest/gtest.h>

#include "tests/support/DataLines.h"

namespace samplesort {

std::vector<unsigned> ReferenceOrder(const std::string& caseName)
{
    for (const std::string& line : ReadDataLines("commands/samplesort/data/orders.txt")) {
        std::istringstream words(line);
        std::string name;
        words >> name;
        if (name != caseName)
            continue;
        std::vector<unsigned> order;
        for (unsigned position; words >> position;)
            order.push_back(position);
        return order;
    }
    ADD_FAILURE() << "no reference for " << caseName;
    return {};
}

std::string EscapedLines(const std::vector<std::vector<std::string>>& rows)
{
    std::string text;
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c)
            text += (c > 0 ? "\\t" : "") + row[c];
        text += "\\n";
    }
    return text + "\\0";
}

} // namespace samplesort
