#pragma once
#include "xlw/XlfOper.h"

// The data of a reference that runs to the sheet's last row (a whole
// column such as A:B, or A2:B1048576) ends at its last row that holds any
// value; the empty rows below are no data. Any other value is its own data.
class RowsInUse {
public:
    // Raises as the readers do when Excel cannot count the values.
    explicit RowsInUse(const XlfOper& data);
    RowsInUse(const RowsInUse&) = delete;
    RowsInUse& operator=(const RowsInUse&) = delete;

    // The value to coerce: the data itself, or the reference cut after its
    // last row in use (with no rows at all when every cell is empty).
    XLOPER12* Data() { return m_cut ? &m_reference : m_data.Get(); }
    bool Empty() const { return m_empty; }

private:
    XlfOper m_data;
    bool m_cut = false;
    bool m_empty = false;
    XLMREF12 m_list{};
    XLOPER12 m_reference{};
};
