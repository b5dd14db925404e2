#pragma once
#include <cstdint>
#include <string>
#include <vector>

// One line of tests/engine/data/known_draws.txt: draw `index` (from 0) of a
// distribution with the given arguments after seeding with `seed`, as the
// engine gives it, with its text as written and the independent value.
struct KnownDraw {
    std::string name;
    std::string arguments; // as written: "3,2.5"
    std::vector<double> args;
    std::uint32_t seed = 0;
    int index = 0;
    std::string engineText;
    double engine = 0.0;
    double independent = 0.0;
};

std::vector<KnownDraw> ReadKnownDraws();

// The first `count` engine draws of one case, as written.
std::vector<std::string> KnownDrawTexts(const std::string& name, const std::string& arguments, std::uint32_t seed,
                                        std::size_t count);
