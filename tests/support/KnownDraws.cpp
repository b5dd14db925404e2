#include "tests/support/KnownDraws.h"

#include <sstream>

#include "tests/support/DataLines.h"

std::vector<KnownDraw> ReadKnownDraws()
{
    std::vector<KnownDraw> draws;
    for (const std::string& line : ReadDataLines("engine/data/known_draws.txt")) {
        std::istringstream fields(line);
        KnownDraw draw;
        fields >> draw.name >> draw.arguments >> draw.seed >> draw.index >> draw.engineText >> draw.independent;
        std::istringstream(draw.engineText) >> draw.engine;
        std::istringstream list(draw.arguments);
        for (std::string value; std::getline(list, value, ',');)
            draw.args.push_back(std::stod(value));
        draws.push_back(draw);
    }
    return draws;
}

std::vector<std::string> KnownDrawTexts(const std::string& name, const std::string& arguments, std::uint32_t seed,
                                        std::size_t count)
{
    std::vector<std::string> texts;
    for (const KnownDraw& draw : ReadKnownDraws()) {
        if (texts.size() < count && draw.name == name && draw.arguments == arguments && draw.seed == seed
            && draw.index == static_cast<int>(texts.size()))
            texts.push_back(draw.engineText);
    }
    return texts;
}
