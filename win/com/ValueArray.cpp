#include "win/com/ValueArray.h"

#include <oleauto.h>

#include <utility>

#include "win/com/ComError.h"

namespace {

CVariant NewArray(long rows, long columns)
{
    SAFEARRAYBOUND bounds[2] = {{static_cast<ULONG>(rows), 1}, {static_cast<ULONG>(columns), 1}};
    SAFEARRAY* array = SafeArrayCreate(VT_VARIANT, 2, bounds);
    if (!array)
        throw CComError(E_OUTOFMEMORY, L"");
    VARIANT value;
    value.vt = VT_ARRAY | VT_VARIANT;
    value.parray = array;
    return CVariant::Adopt(value);
}

bool IsTable(const CVariant& value)
{
    return value.Type() == (VT_ARRAY | VT_VARIANT) && SafeArrayGetDim(value.Get().parray) == 2;
}

long Extent(SAFEARRAY* array, UINT dimension)
{
    LONG low = 0;
    LONG high = -1;
    SafeArrayGetLBound(array, dimension, &low);
    SafeArrayGetUBound(array, dimension, &high);
    return high - low + 1;
}

} // namespace

CValueArray::CValueArray(CVariant array) : m_value(std::move(array))
{
    SAFEARRAY* raw = m_value.Get().parray;
    m_rows = Extent(raw, 1);
    m_columns = Extent(raw, 2);
    void* data = nullptr;
    CheckCom(SafeArrayAccessData(raw, &data));
    m_cells = static_cast<VARIANT*>(data);
}

CValueArray::CValueArray(long rows, long columns) : CValueArray(NewArray(rows, columns)) {}

CValueArray CValueArray::FromValue(CVariant value)
{
    if (IsTable(value))
        return CValueArray(std::move(value));
    CValueArray single(1, 1);
    single.Set(0, 0, value.Get());
    return single;
}

CValueArray::CValueArray(CValueArray&& other) noexcept
    : m_value(std::move(other.m_value)), m_rows(other.m_rows), m_columns(other.m_columns), m_cells(other.m_cells)
{
    other.m_cells = nullptr;
}

CValueArray::~CValueArray()
{
    if (m_cells)
        SafeArrayUnaccessData(m_value.Get().parray);
}

void CValueArray::Set(long row, long column, const VARIANT& value)
{
    CheckCom(VariantCopy(&At(row, column), const_cast<VARIANT*>(&value)));
}
