#pragma once
#include <windows.h>
#include <oaidl.h>

#include "win/com/Variant.h"

// A rows × columns 2-D SAFEARRAY of VARIANT, the form Range.Value reads and
// takes, owned and reached in place: what is read is kept as Excel gave
// it, and what is written is built in the array that goes to Excel, with
// no table in between. Cells are counted from 0.
class CValueArray {
public:
    // Empty cells.
    CValueArray(long rows, long columns);
    // Takes over what Range.Value returned: its 2-D array, or a single
    // value as a 1 × 1 array.
    static CValueArray FromValue(CVariant value);
    CValueArray(CValueArray&& other) noexcept;
    CValueArray& operator=(CValueArray&&) = delete;
    CValueArray(const CValueArray&) = delete;
    ~CValueArray();

    long Rows() const { return m_rows; }
    long Columns() const { return m_columns; }
    // The cell, whose value the array owns.
    VARIANT& At(long row, long column) { return m_cells[static_cast<size_t>(column) * m_rows + row]; }
    const VARIANT& At(long row, long column) const { return m_cells[static_cast<size_t>(column) * m_rows + row]; }
    // Copies value into the cell.
    void Set(long row, long column, const VARIANT& value);
    // The array as the value of a Range.Value put; it stays owned here.
    const CVariant& Value() const { return m_value; }

private:
    explicit CValueArray(CVariant array);

    CVariant m_value;
    long m_rows = 0;
    long m_columns = 0;
    // The elements, locked while this object lives; a SAFEARRAY keeps its
    // first dimension (the row) running fastest.
    VARIANT* m_cells = nullptr;
};
