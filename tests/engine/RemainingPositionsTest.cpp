// The order-statistic structure of unique samples at every depth it builds,
// and with either way of finding a bit within a word, against a plain
// Fenwick tree over single positions.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "engine/RemainingPositions.h"

namespace {

// One count per position; the k-th remaining found by halving steps.
class PlainRemaining {
public:
    explicit PlainRemaining(std::size_t count) : m_tree(count + 1, 0)
    {
        for (std::size_t i = 1; i <= count; ++i) {
            ++m_tree[i];
            const std::size_t parent = i + (i & (~i + 1));
            if (parent <= count) {
                m_tree[parent] += m_tree[i];
            }
        }
        while (m_top * 2 <= count) {
            m_top *= 2;
        }
    }

    std::uint32_t Take(std::int64_t k)
    {
        std::size_t node = 0;
        for (std::size_t step = m_top; step > 0; step /= 2) {
            if (node + step < m_tree.size() && m_tree[node + step] <= k) {
                node += step;
                k -= m_tree[node];
            }
        }
        for (std::size_t i = node + 1; i < m_tree.size(); i += i & (~i + 1)) {
            --m_tree[i];
        }
        return static_cast<std::uint32_t>(node);
    }

private:
    std::vector<std::int64_t> m_tree;
    std::size_t m_top = 1;
};

// Every position taken, by random ranks, from lists whose sizes sit at the
// edges of a word, of a 16-bit level, of the 32-bit levels and of the
// levels above them.
void ExpectPlainPositions(bool byDeposit)
{
    std::mt19937_64 random(2026);
    for (const std::size_t n : {1, 63, 64, 65, 1023, 1025, 16383, 16385, 70000, 262144, 262145, 300000}) {
        CRemainingPositions fast(n, byDeposit);
        PlainRemaining plain(n);
        std::vector<std::int32_t> ranks(n);
        for (std::size_t i = 0; i < n; ++i) {
            ranks[i] = static_cast<std::int32_t>(random() % (n - i));
        }
        std::vector<std::uint32_t> taken(n);
        fast.TakeInTurn(ranks.data(), n, taken.data());
        for (std::size_t i = 0; i < n; ++i) {
            ASSERT_EQ(taken[i], plain.Take(ranks[i])) << "n " << n << " draw " << i;
        }
        EXPECT_EQ(fast.Remaining(), 0u);
    }
}

TEST(RemainingPositions, BroadwordSelectTakesThePlainPositionsAtEveryDepth)
{
    ExpectPlainPositions(false);
}

TEST(RemainingPositions, DepositSelectTakesThePlainPositionsAtEveryDepth)
{
    if (!CRemainingPositions::DepositIsFast()) {
        GTEST_SKIP() << "this processor has no fast deposit instruction";
    }
    ExpectPlainPositions(true);
}

} // namespace
