#include "commands/samplesort/SortPlan.h"

std::uint64_t SortItemCount(std::uint32_t rows, std::uint32_t columns, bool groupRows)
{
    return groupRows ? rows : std::uint64_t(rows) * columns;
}

Permutation IdentityPermutation(std::size_t n)
{
    Permutation p(n);
    for (std::size_t i = 0; i < n; ++i)
        p[i] = static_cast<std::uint32_t>(i);
    return p;
}

std::vector<std::uint32_t> SourceCells(const Permutation& p, std::uint32_t rows, std::uint32_t columns,
                                       bool groupRows)
{
    if (!groupRows)
        return p;
    std::vector<std::uint32_t> sources;
    sources.reserve(std::size_t(rows) * columns);
    for (std::uint32_t r = 0; r < rows; ++r) {
        for (std::uint32_t c = 0; c < columns; ++c)
            sources.push_back(p[r] * columns + c);
    }
    return sources;
}

std::vector<RowBlock> MovedRowBlocks(const Permutation& p)
{
    std::vector<RowBlock> blocks;
    for (std::uint32_t r = 0; r < p.size(); ++r) {
        if (p[r] == r)
            continue;
        if (!blocks.empty() && blocks.back().first + blocks.back().count == r)
            ++blocks.back().count;
        else
            blocks.push_back({r, 1});
    }
    return blocks;
}
