#include "engine/RemainingPositions.h"

namespace {
constexpr std::size_t kWordBits = 64;

// The bit with k set bits below it, found by halving the word: six steps
// instead of up to 63 clearings of the lowest bit.
unsigned NthSetBit(std::uint64_t word, std::size_t k)
{
    unsigned offset = 0;
    for (unsigned width = kWordBits / 2; width > 0; width /= 2) {
        const std::uint64_t low = word & ((std::uint64_t{1} << width) - 1);
        const auto lowCount = static_cast<std::size_t>(__builtin_popcountll(low));
        if (k < lowCount) {
            word = low;
        } else {
            k -= lowCount;
            word >>= width;
            offset += width;
        }
    }
    return offset;
}
} // namespace

CRemainingPositions::CRemainingPositions(std::size_t count)
    : m_bits((count + kWordBits - 1) / kWordBits, ~std::uint64_t{0}), m_tree(m_bits.size() + 1, 0),
      m_remaining(count)
{
    if (count % kWordBits != 0) {
        m_bits.back() = (std::uint64_t{1} << (count % kWordBits)) - 1;
    }
    // Linear build: each node passes its total to its parent.
    for (std::size_t i = 1; i < m_tree.size(); ++i) {
        m_tree[i] += static_cast<std::uint32_t>(__builtin_popcountll(m_bits[i - 1]));
        const std::size_t parent = i + (i & (~i + 1));
        if (parent < m_tree.size()) {
            m_tree[parent] += m_tree[i];
        }
    }
}

std::size_t CRemainingPositions::TakeNth(std::size_t k)
{
    const std::size_t word = WordWithNth(k);
    const unsigned bit = NthSetBit(m_bits[word], k);
    m_bits[word] &= ~(std::uint64_t{1} << bit);
    CountOneLess(word);
    --m_remaining;
    return word * kWordBits + bit;
}

std::size_t CRemainingPositions::WordWithNth(std::size_t& k) const
{
    // Descends by powers of two over the prefix counts (binary lifting).
    std::size_t step = 1;
    while (step * 2 < m_tree.size()) {
        step *= 2;
    }
    std::size_t node = 0;
    for (; step > 0; step /= 2) {
        if (node + step < m_tree.size() && m_tree[node + step] <= k) {
            node += step;
            k -= m_tree[node];
        }
    }
    return node;
}

void CRemainingPositions::CountOneLess(std::size_t word)
{
    for (std::size_t i = word + 1; i < m_tree.size(); i += i & (~i + 1)) {
        --m_tree[i];
    }
}
