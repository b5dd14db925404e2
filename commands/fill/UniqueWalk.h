#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include <ext/pb_ds/assoc_container.hpp>
#include <ext/pb_ds/tree_policy.hpp>

// The walk that picks each next unique number of a column: from the
// previous value, step cyclically through the range (after the last number
// comes the first) and stop on the (k+1)-th number not used yet in the
// column. Numbers are offsets from the range's minimum, 0 .. span-1, with a
// span of up to 2^32.

// The numbers used so far in one column, kept sorted with subtree counts so
// the walk's result is found in O(log n) instead of O(span) steps.
class CUsedNumbers {
public:
    explicit CUsedNumbers(std::uint64_t span) : m_span(span) {}

    void Clear() { m_used.clear(); }
    // Marks an offset below the span as used; marking twice changes nothing.
    void Mark(std::uint32_t offset) { m_used.insert(offset); }
    bool IsUsed(std::uint32_t offset) const { return m_used.find(offset) != m_used.end(); }
    std::uint64_t UsedCount() const { return m_used.size(); }
    std::uint64_t FreeCount() const { return m_span - m_used.size(); }

    // The (k+1)-th unused offset met stepping cyclically from `from` (from
    // itself is met last). Needs k < FreeCount().
    std::uint32_t FreeAfter(std::uint32_t from, std::uint64_t k) const;

private:
    using Tree = __gnu_pbds::tree<std::uint32_t, __gnu_pbds::null_type, std::less<std::uint32_t>,
                                  __gnu_pbds::rb_tree_tag, __gnu_pbds::tree_order_statistics_node_update>;

    // The unused offset with `rank` unused offsets below it.
    std::uint32_t FreeWithRank(std::uint64_t rank) const;

    std::uint64_t m_span;
    Tree m_used;
};

// The same walk taken one number at a time over a used flag per offset:
// O(span) a step. It defines what FreeAfter must return, for tests and
// measurements.
std::uint32_t FreeAfterLiteral(const std::vector<bool>& used, std::uint32_t from, std::uint64_t k);
