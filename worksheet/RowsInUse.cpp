#include "worksheet/RowsInUse.h"

#include "xlw/XlfException.h"
#include "xlw/XlfExcel.h"

namespace {
// The reference's first rectangle from the given row down.
XLOPER12 RowsFrom(const XLOPER12& reference, std::int32_t row, XLMREF12& list)
{
    list.count = 1;
    list.reftbl[0] = reference.val.mref.lpmref->reftbl[0];
    list.reftbl[0].rwFirst = row;
    XLOPER12 part{};
    part.xltype = xltype::Ref;
    part.val.mref.lpmref = &list;
    part.val.mref.idSheet = reference.val.mref.idSheet;
    return part;
}

// COUNTA of the rows from this one down: Excel counts only the cells it
// holds, so a whole column costs what its values cost.
bool HasValuesFrom(const XLOPER12& reference, std::int32_t row)
{
    XLMREF12 list{};
    XLOPER12 part = RowsFrom(reference, row, list);
    XlfOwnedOper count;
    RaiseForCode(XlfExcel::Instance().CallExcel(XlFunction::Counta, count.Get(), {&part}));
    return XlfOper(count.Get()).ReadDouble() > 0.0;
}
} // namespace

RowsInUse::RowsInUse(const XlfOper& data) : m_data(data)
{
    if (data.Type() != xltype::Ref && data.Type() != xltype::SRef) {
        return;
    }
    XlfOwnedOper reference;
    RaiseForCode(data.CoerceTo(xltype::Ref, *reference.Get()));
    const XLOPER12& whole = reference.Value();
    if (reference.Type() != xltype::Ref || whole.val.mref.lpmref == nullptr || whole.val.mref.lpmref->count != 1) {
        return;
    }
    const XLREF12& rectangle = whole.val.mref.lpmref->reftbl[0];
    if (static_cast<std::uint32_t>(rectangle.rwLast) + 1 != XlfExcel::Instance().SheetRows()) {
        return;
    }
    // The first row from which no row holds a value, by halving: about
    // twenty counts for a whole column.
    std::int32_t low = rectangle.rwFirst;
    std::int32_t high = rectangle.rwLast + 1;
    while (low < high) {
        const std::int32_t middle = low + (high - low) / 2;
        if (HasValuesFrom(whole, middle)) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    m_empty = high == rectangle.rwFirst;
    m_reference = RowsFrom(whole, rectangle.rwFirst, m_list);
    m_list.reftbl[0].rwLast = high - 1;
    m_reference.val.mref.lpmref = &m_list;
    m_cut = true;
}
