#pragma once
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/DataLines.h"

// Rows of tests/uniform/data/sequences.txt (made by make_reference.py there).
struct WordRow {
    std::uint32_t seed;
    std::vector<std::uint32_t> first;  // words 1..12
    std::uint32_t word1000;
    std::uint32_t word1300;
};

struct IntRow {
    std::uint32_t seed;
    std::int32_t min;
    std::int32_t max;
    std::vector<std::int32_t> values;
};

struct EngineReference {
    std::vector<WordRow> words;
    std::vector<IntRow> ints;
};

inline EngineReference LoadEngineReference()
{
    EngineReference data;
    for (const std::string& line : ReadDataLines("uniform/data/sequences.txt")) {
        std::istringstream fields(line);
        if (line.compare(0, 4, "int ") == 0) {
            std::string tag;
            IntRow row{};
            fields >> tag >> row.seed >> row.min >> row.max;
            for (std::int32_t v; fields >> v;) {
                row.values.push_back(v);
            }
            data.ints.push_back(row);
        } else {
            WordRow row{};
            fields >> row.seed;
            row.first.resize(12);
            for (auto& w : row.first) {
                fields >> w;
            }
            fields >> row.word1000 >> row.word1300;
            data.words.push_back(row);
        }
    }
    return data;
}
