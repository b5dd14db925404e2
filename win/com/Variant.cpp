#include "win/com/Variant.h"

#include <oleauto.h>

#include <utility>

#include "win/com/ComError.h"

CVariant::CVariant(const CVariant& other)
{
    VariantInit(&m_value);
    CheckCom(VariantCopy(&m_value, const_cast<VARIANT*>(&other.m_value)));
}

CVariant::CVariant(CVariant&& other) noexcept
{
    m_value = other.m_value;
    VariantInit(&other.m_value);
}

CVariant& CVariant::operator=(CVariant other) noexcept
{
    std::swap(m_value, other.m_value);
    return *this;
}

CVariant CVariant::Long(long value)
{
    CVariant v;
    v.m_value.vt = VT_I4;
    v.m_value.lVal = value;
    return v;
}

CVariant CVariant::Double(double value)
{
    CVariant v;
    v.m_value.vt = VT_R8;
    v.m_value.dblVal = value;
    return v;
}

CVariant CVariant::Bool(bool value)
{
    CVariant v;
    v.m_value.vt = VT_BOOL;
    v.m_value.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}

CVariant CVariant::Text(const std::wstring& value)
{
    CVariant v;
    v.m_value.bstrVal = SysAllocStringLen(value.data(), static_cast<UINT>(value.size()));
    if (!v.m_value.bstrVal)
        throw CComError(E_OUTOFMEMORY, L"");
    v.m_value.vt = VT_BSTR;
    return v;
}

CVariant CVariant::FromObject(IDispatch* object)
{
    CVariant v;
    v.m_value.vt = VT_DISPATCH;
    v.m_value.pdispVal = object;
    if (object)
        object->AddRef();
    return v;
}

CVariant CVariant::Missing()
{
    CVariant v;
    v.m_value.vt = VT_ERROR;
    v.m_value.scode = DISP_E_PARAMNOTFOUND;
    return v;
}

CVariant CVariant::Adopt(VARIANT& value)
{
    CVariant v;
    v.m_value = value;
    VariantInit(&value);
    return v;
}

CVariant CVariant::Copy(const VARIANT& value)
{
    CVariant v;
    CheckCom(VariantCopy(&v.m_value, const_cast<VARIANT*>(&value)));
    return v;
}

bool CVariant::ToDouble(double& out) const
{
    if (m_value.vt == VT_R8) {
        out = m_value.dblVal;
        return true;
    }
    VARIANT converted;
    VariantInit(&converted);
    if (FAILED(VariantChangeType(&converted, const_cast<VARIANT*>(&m_value), 0, VT_R8)))
        return false;
    out = converted.dblVal;
    return true;
}

bool CVariant::ToLong(long& out) const
{
    VARIANT converted;
    VariantInit(&converted);
    if (FAILED(VariantChangeType(&converted, const_cast<VARIANT*>(&m_value), 0, VT_I4)))
        return false;
    out = converted.lVal;
    return true;
}

bool CVariant::ToText(std::wstring& out) const
{
    VARIANT converted;
    VariantInit(&converted);
    if (FAILED(VariantChangeType(&converted, const_cast<VARIANT*>(&m_value), 0, VT_BSTR)))
        return false;
    out.assign(converted.bstrVal, SysStringLen(converted.bstrVal));
    VariantClear(&converted);
    return true;
}

IDispatch* CVariant::Object() const
{
    if (m_value.vt == VT_DISPATCH)
        return m_value.pdispVal;
    if (m_value.vt == (VT_DISPATCH | VT_BYREF) && m_value.ppdispVal)
        return *m_value.ppdispVal;
    return nullptr;
}

CVariant CValueTable::ToArray() const
{
    SAFEARRAYBOUND bounds[2] = {{static_cast<ULONG>(m_rows), 1}, {static_cast<ULONG>(m_columns), 1}};
    SAFEARRAY* array = SafeArrayCreate(VT_VARIANT, 2, bounds);
    if (!array)
        throw CComError(E_OUTOFMEMORY, L"");
    CVariant result;
    VARIANT* raw = result.Put();
    raw->vt = VT_ARRAY | VT_VARIANT;
    raw->parray = array;
    for (long r = 0; r < m_rows; ++r) {
        for (long c = 0; c < m_columns; ++c) {
            LONG index[2] = {r + 1, c + 1};
            CheckCom(SafeArrayPutElement(array, index, const_cast<VARIANT*>(&At(r, c).Get())));
        }
    }
    return result;
}

CValueTable CValueTable::FromValue(const CVariant& value)
{
    const VARIANT& raw = value.Get();
    if (raw.vt != (VT_ARRAY | VT_VARIANT) || SafeArrayGetDim(raw.parray) != 2) {
        CValueTable single(1, 1);
        single.At(0, 0) = value;
        return single;
    }
    LONG rowLow = 0, rowHigh = -1, columnLow = 0, columnHigh = -1;
    SafeArrayGetLBound(raw.parray, 1, &rowLow);
    SafeArrayGetUBound(raw.parray, 1, &rowHigh);
    SafeArrayGetLBound(raw.parray, 2, &columnLow);
    SafeArrayGetUBound(raw.parray, 2, &columnHigh);
    CValueTable table(rowHigh - rowLow + 1, columnHigh - columnLow + 1);
    for (long r = 0; r < table.Rows(); ++r) {
        for (long c = 0; c < table.Columns(); ++c) {
            LONG index[2] = {rowLow + r, columnLow + c};
            CheckCom(SafeArrayGetElement(raw.parray, index, table.At(r, c).Put()));
        }
    }
    return table;
}
