#pragma once
#include <string>
#include <vector>

// What seeded Sample and Sort runs must leave on the clipboard.
namespace samplesort {

// The reference positions of a seeded case (data/orders.txt).
std::vector<unsigned> ReferenceOrder(const std::string& caseName);

// Cells joined as the clipboard holds them: tabs, a line feed after each
// row, escaped like the host's dump, and the final NUL.
std::string EscapedLines(const std::vector<std::vector<std::string>>& rows);

} // namespace samplesort
