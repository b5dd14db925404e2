#pragma once
#include <windows.h>
#include <oaidl.h>

#include "win/com/ComObject.h"

// IDispatch of a dual interface described in the DLL's type library,
// answered from that library's type information: names are matched without
// regard to case, arguments are counted and converted to their declared
// types, and the method is called through the interface's vtable.
HRESULT DualGetTypeInfo(REFIID dual, UINT index, ITypeInfo** info);
HRESULT DualGetIDsOfNames(REFIID dual, REFIID reserved, LPOLESTR* names, UINT count, DISPID* ids);
HRESULT DualInvoke(REFIID dual, IDispatch* object, DISPID member, REFIID reserved, WORD flags,
                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception, UINT* argumentError);

// A COM class whose first interface Dual is dual; Others are further interfaces.
template <class Derived, class Dual, class... Others>
class CDualObject : public CComObject<Derived, Dual, Others...> {
public:
    STDMETHODIMP GetTypeInfoCount(UINT* count) override
    {
        if (!count)
            return E_POINTER;
        *count = 1;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT index, LCID, ITypeInfo** info) override
    {
        return DualGetTypeInfo(__uuidof(Dual), index, info);
    }
    STDMETHODIMP GetIDsOfNames(REFIID reserved, LPOLESTR* names, UINT count, LCID,
                               DISPID* ids) override
    {
        return DualGetIDsOfNames(__uuidof(Dual), reserved, names, count, ids);
    }
    STDMETHODIMP Invoke(DISPID member, REFIID reserved, LCID, WORD flags, DISPPARAMS* params,
                        VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override
    {
        return DualInvoke(__uuidof(Dual), static_cast<Dual*>(this), member, reserved, flags,
                          params, result, exception, argumentError);
    }

protected:
    explicit CDualObject(IUnknown* outer) : CComObject<Derived, Dual, Others...>(outer) {}
};
