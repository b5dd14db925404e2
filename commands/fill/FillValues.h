#pragma once
#include <cstdint>
#include <vector>

#include "commands/fill/UniqueWalk.h"
#include "uniform/MersenneTwister.h"

// What the Random Fill dialog asked for.
struct CFillChoice {
    bool between01 = false;
    std::int32_t min = 0;
    std::int32_t max = 0;
    bool unique = false;
};

// max - min + 1 in 64 bits: up to 2^32 for the full 32-bit range.
std::uint64_t RangeSpan(std::int32_t min, std::int32_t max);
// Whether a column of `rows` cells can hold distinct whole numbers of the range.
bool UniqueRowsFit(std::int64_t rows, std::int32_t min, std::int32_t max);

// One cell's value: a real in [0, 1) or a whole number.
struct CFillValue {
    bool isReal;
    double real;
    std::int32_t whole;
};

// Draws the values of a fill column by column, in the order the cells are
// written (top to bottom), from the main stream. For unique numbers each
// column starts with an empty used set.
class CColumnDrawer {
public:
    explicit CColumnDrawer(const CFillChoice& choice);

    // The next column's `rows` values.
    void Draw(CMersenneTwister& engine, long rows, std::vector<CFillValue>& column);

private:
    void DrawUnique(CMersenneTwister& engine, long rows, std::vector<CFillValue>& column);

    CFillChoice m_choice;
    CUsedNumbers m_used;
};
