#include "commands/fill/FillValues.h"

#include "uniform/UniformMapping.h"

namespace {

CFillValue Real(double value)
{
    return CFillValue{true, value, 0};
}

CFillValue Whole(std::int32_t value)
{
    return CFillValue{false, 0.0, value};
}

std::uint32_t OffsetOf(std::int32_t value, std::int32_t min)
{
    return static_cast<std::uint32_t>(value) - static_cast<std::uint32_t>(min);
}

// k uniform in [0, limit] by the closed-range rule on 0 .. limit. A limit
// of 2^31 or more (a span beyond 31 bits) is the same unsigned range read
// back without sign, so the draw stays the rule's own.
std::uint32_t DrawUpTo(CMersenneTwister& engine, std::uint32_t limit)
{
    if (limit < 1)
        return 0;
    const std::int32_t top = uniform_detail::AddWrapping(0, limit);
    return static_cast<std::uint32_t>(UniformInt(engine, 0, top));
}

} // namespace

std::uint64_t RangeSpan(std::int32_t min, std::int32_t max)
{
    return static_cast<std::uint64_t>(static_cast<std::int64_t>(max) - min + 1);
}

bool UniqueRowsFit(std::int64_t rows, std::int32_t min, std::int32_t max)
{
    return max >= min && static_cast<std::uint64_t>(rows) <= RangeSpan(min, max);
}

CColumnDrawer::CColumnDrawer(const CFillChoice& choice)
    : m_choice(choice), m_used(choice.between01 ? 1 : RangeSpan(choice.min, choice.max))
{
}

void CColumnDrawer::Draw(CMersenneTwister& engine, long rows, std::vector<CFillValue>& column)
{
    column.clear();
    column.reserve(static_cast<std::size_t>(rows));
    if (!m_choice.between01 && m_choice.unique) {
        DrawUnique(engine, rows, column);
        return;
    }
    for (long row = 0; row < rows; ++row) {
        if (m_choice.between01)
            column.push_back(Real(UniformUnit(engine)));
        else
            column.push_back(Whole(UniformInt(engine, m_choice.min, m_choice.max)));
    }
}

void CColumnDrawer::DrawUnique(CMersenneTwister& engine, long rows, std::vector<CFillValue>& column)
{
    m_used.Clear();
    if (rows < 1)
        return;
    std::int32_t value = UniformInt(engine, m_choice.min, m_choice.max);
    std::uint32_t offset = OffsetOf(value, m_choice.min);
    m_used.Mark(offset);
    column.push_back(Whole(value));
    // The dialog lets no column exceed the range; should one, the column
    // ends when the range is used up rather than walk an empty set.
    for (long row = 1; row < rows && m_used.FreeCount() > 0; ++row) {
        const std::uint64_t free = m_used.FreeCount();
        const std::uint32_t k = DrawUpTo(engine, static_cast<std::uint32_t>(free - 1));
        offset = m_used.FreeAfter(offset, k);
        m_used.Mark(offset);
        value = uniform_detail::AddWrapping(m_choice.min, offset);
        column.push_back(Whole(value));
    }
}
