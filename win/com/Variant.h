#pragma once
#include <windows.h>
#include <oaidl.h>

#include <string>
#include <vector>

// One owned VARIANT: the values passed to and returned by Excel's object
// model. Copying copies the value (and adds a reference to an object).
class CVariant {
public:
    CVariant() { VariantInit(&m_value); }
    CVariant(const CVariant& other);
    CVariant(CVariant&& other) noexcept;
    CVariant& operator=(CVariant other) noexcept;
    ~CVariant() { VariantClear(&m_value); }

    // VT_I4, VT_R8, VT_BOOL, VT_BSTR.
    static CVariant Long(long value);
    static CVariant Double(double value);
    static CVariant Bool(bool value);
    static CVariant Text(const std::wstring& value);
    // VT_DISPATCH, holding a reference of its own.
    static CVariant FromObject(IDispatch* object);
    // The placeholder of an omitted optional argument.
    static CVariant Missing();
    // Takes over a VARIANT (which is left empty).
    static CVariant Adopt(VARIANT& value);
    // A copy of a VARIANT owned elsewhere.
    static CVariant Copy(const VARIANT& value);

    VARTYPE Type() const { return m_value.vt; }
    bool IsEmpty() const { return m_value.vt == VT_EMPTY; }
    bool IsArray() const { return (m_value.vt & VT_ARRAY) != 0; }
    // Standard variant conversions; false when the value does not convert.
    bool ToDouble(double& out) const;
    bool ToText(std::wstring& out) const;
    bool ToLong(long& out) const;
    // The object reference, not added to; null if the value is no object.
    IDispatch* Object() const;

    const VARIANT& Get() const { return m_value; }
    VARIANT* Put() { VariantClear(&m_value); return &m_value; }

private:
    VARIANT m_value;
};

// A rows × columns block of values in row-major order: what one
// Range.Value call reads or writes.
class CValueTable {
public:
    CValueTable() = default;
    CValueTable(long rows, long columns) : m_rows(rows), m_columns(columns), m_cells(static_cast<size_t>(rows) * columns) {}

    long Rows() const { return m_rows; }
    long Columns() const { return m_columns; }
    CVariant& At(long row, long column) { return m_cells[static_cast<size_t>(row) * m_columns + column]; }
    const CVariant& At(long row, long column) const { return m_cells[static_cast<size_t>(row) * m_columns + column]; }

    // A 2-D SAFEARRAY of VARIANT, as Range.Value takes it.
    CVariant ToArray() const;
    // Reads Range.Value: a 2-D array, or a single value as a 1 × 1 table.
    static CValueTable FromValue(const CVariant& value);

private:
    long m_rows = 0;
    long m_columns = 0;
    std::vector<CVariant> m_cells;
};
