#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// What the Random Sort command moves where, as plain numbers: cells are
// numbered row-major from 0 (cell k is in row k / columns and column
// k mod columns), and a permutation p says that target item i receives
// source item p[i], items being rows when rows are kept together and cells
// otherwise.

using Permutation = std::vector<std::uint32_t>;

// The most items one permutation holds: the shuffle indexes them with a
// signed 32-bit number.
constexpr std::uint64_t kMostSortItems = std::uint64_t(1) << 31;

// The number of items to permute: rows, or rows × columns.
std::uint64_t SortItemCount(std::uint32_t rows, std::uint32_t columns, bool groupRows);

// 0, 1, …, n − 1, on the heap however large n is.
Permutation IdentityPermutation(std::size_t n);

// For each target cell in row-major order, the source cell it receives.
std::vector<std::uint32_t> SourceCells(const Permutation& p, std::uint32_t rows, std::uint32_t columns,
                                       bool groupRows);

// A run of consecutive target rows that all receive another row.
struct RowBlock {
    std::uint32_t first;
    std::uint32_t count;
    bool operator==(const RowBlock& other) const { return first == other.first && count == other.count; }
};

// The rows that move (p[r] ≠ r), joined into the fewest runs, in order.
std::vector<RowBlock> MovedRowBlocks(const Permutation& p);
