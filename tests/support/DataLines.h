#pragma once
#include <fstream>
#include <string>
#include <vector>

// The data lines of a committed reference table under tests/ (for instance
// "uniform/data/sequences.txt"); blank lines and '#' comments are skipped.
// A table that cannot be read gives no lines, which the tests report.
inline std::vector<std::string> ReadDataLines(const std::string& pathUnderTests)
{
    std::ifstream in(std::string(STOCHAL_SOURCE_DIR) + "/tests/" + pathUnderTests);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line[0] != '#') {
            lines.push_back(line);
        }
    }
    return lines;
}
