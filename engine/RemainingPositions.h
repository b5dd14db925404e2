#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Positions 0 .. n-1 from which the k-th remaining one, counted in order,
// is taken out in O(log n): a bit per position, and a Fenwick tree over the
// count of remaining bits in each 64-bit word.
class CRemainingPositions {
public:
    explicit CRemainingPositions(std::size_t count);

    std::size_t Remaining() const { return m_remaining; }

    // Removes and returns the remaining position with k remaining ones
    // before it. Needs k < Remaining().
    std::size_t TakeNth(std::size_t k);

private:
    // The word holding the wanted bit; k becomes its rank within the word.
    std::size_t WordWithNth(std::size_t& k) const;
    void CountOneLess(std::size_t word);

    std::vector<std::uint64_t> m_bits;
    std::vector<std::uint32_t> m_tree; // 1-based Fenwick tree of word counts
    std::size_t m_topStep = 1; // the largest power of two below the tree's size
    std::size_t m_remaining;
};
