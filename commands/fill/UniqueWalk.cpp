#include "commands/fill/UniqueWalk.h"

std::uint32_t CUsedNumbers::FreeAfter(std::uint32_t from, std::uint64_t k) const
{
    // Unused offsets are met in order of their rank among the unused ones,
    // starting just above `from` and wrapping: the first met has the rank of
    // the count of unused offsets at or below `from`.
    const std::uint64_t usedUpToFrom = m_used.order_of_key(from) + (IsUsed(from) ? 1 : 0);
    const std::uint64_t freeUpToFrom = static_cast<std::uint64_t>(from) + 1 - usedUpToFrom;
    return FreeWithRank((freeUpToFrom + k) % FreeCount());
}

std::uint32_t CUsedNumbers::FreeWithRank(std::uint64_t rank) const
{
    // The wanted offset is rank + (used offsets below it). A used offset u
    // with i used offsets below it has u - i unused ones below it; it lies
    // below the wanted offset exactly when u - i <= rank. Those form a
    // prefix of the sorted set, counted by one descent of the tree.
    std::uint64_t usedBelow = 0;
    auto node = m_used.node_begin();
    while (node != m_used.node_end()) {
        const auto left = node.get_l_child();
        const std::uint64_t leftCount = left == m_used.node_end() ? 0 : left.get_metadata();
        const std::uint64_t freeBelowNode = **node - (usedBelow + leftCount);
        if (rank < freeBelowNode) {
            node = left;
        } else {
            usedBelow += leftCount + 1;
            node = node.get_r_child();
        }
    }
    return static_cast<std::uint32_t>(rank + usedBelow);
}

std::uint32_t FreeAfterLiteral(const std::vector<bool>& used, std::uint32_t from, std::uint64_t k)
{
    const std::uint64_t span = used.size();
    std::uint64_t position = from;
    std::uint64_t unusedMet = 0;
    for (;;) {
        position = position + 1 == span ? 0 : position + 1;
        if (!used[position] && unusedMet++ == k)
            return static_cast<std::uint32_t>(position);
    }
}
