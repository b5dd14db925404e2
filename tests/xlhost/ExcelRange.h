#pragma once
#include "tests/xlhost/CellText.h"
#include "tests/xlhost/HostObject.h"
#include "tests/xlhost/SheetModel.h"

// Excel's Range: cells of one sheet in one or more areas, seen as cells,
// as rows (Range.Rows) or as columns (Range.Columns).
namespace xlhost {

enum class RangeView { Cells, Rows, Columns };

class ExcelRange : public HostObject {
public:
    ExcelRange(RangeRef reference, RangeView view = RangeView::Cells);
    const RangeRef& Reference() const { return m_reference; }

protected:
    const std::vector<Member>& Members() const override;
    bool Answers(REFIID iid) const override;

private:
    void GetRows(const Args&, VARIANT& result);
    void GetColumns(const Args&, VARIANT& result);
    void GetCells(const Args&, VARIANT& result);
    void GetCount(const Args&, VARIANT& result);
    void GetItem(const Args& args, VARIANT& result);
    void PutItem(const Args& args, const VARIANT& value);
    void GetColumn(const Args&, VARIANT& result);
    void GetRow(const Args&, VARIANT& result);
    void GetValue(const Args&, VARIANT& result);
    void PutValue(const Args&, const VARIANT& value);
    void GetText(const Args&, VARIANT& result);
    void GetAddress(const Args& args, VARIANT& result);
    void GetResize(const Args& args, VARIANT& result);
    void GetAreas(const Args&, VARIANT& result);
    void GetWorksheet(const Args&, VARIANT& result);

    const Area& First() const { return m_reference.areas.front(); }
    // The cell at 1-based offsets from the first area's top-left.
    Area CellAt(long row, long column) const;

    RangeRef m_reference;
    RangeView m_view;
};

// A cell's value as Range.Value gives it (currency and date formats give
// VT_CY and VT_DATE, as Excel's Value does), and the reverse: what a put of
// the value stores, a text read as if typed.
void CellToVariant(const Cell* cell, VARIANT& result);
TypedEntry VariantToCell(const VARIANT& value);

} // namespace xlhost
