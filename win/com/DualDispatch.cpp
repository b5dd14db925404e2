#include "win/com/DualDispatch.h"

#include "win/com/ComRef.h"
#include "win/com/StochalModule.h"

namespace {

// Named arguments make sense only for the value of a property assignment.
bool HasUnsupportedNamedArguments(const DISPPARAMS& params)
{
    if (params.cNamedArgs == 0)
        return false;
    return params.cNamedArgs > 1 || !params.rgdispidNamedArgs ||
           params.rgdispidNamedArgs[0] != DISPID_PROPERTYPUT;
}

// The function description of member as invoked with flags; the caller
// releases it with ReleaseFuncDesc.
FUNCDESC* FindFunction(ITypeInfo* info, DISPID member, WORD flags)
{
    TYPEATTR* attributes = nullptr;
    if (FAILED(info->GetTypeAttr(&attributes)))
        return nullptr;
    const UINT count = attributes->cFuncs;
    info->ReleaseTypeAttr(attributes);
    for (UINT index = 0; index < count; ++index) {
        FUNCDESC* function = nullptr;
        if (FAILED(info->GetFuncDesc(index, &function)))
            continue;
        if (function->memid == member && (function->invkind & flags))
            return function;
        info->ReleaseFuncDesc(function);
    }
    return nullptr;
}

bool Converts(VARIANT& argument, VARTYPE type)
{
    if (type == VT_VARIANT || V_VT(&argument) == type)
        return true;
    VARIANT converted;
    VariantInit(&converted);
    const bool converts = SUCCEEDED(VariantChangeType(&converted, &argument, 0, type));
    VariantClear(&converted);
    return converts;
}

// The dispatcher reports a failed conversion without saying which argument
// failed; find it, as its index in DISPPARAMS, whose arguments run last to
// first. The declared parameters are converted first to last.
void ReportMismatchedArgument(ITypeInfo* info, DISPID member, WORD flags,
                              const DISPPARAMS& params, UINT* argumentError)
{
    FUNCDESC* function = FindFunction(info, member, flags);
    if (!function)
        return;
    const UINT declared = static_cast<UINT>(function->cParams);
    for (UINT position = 0; position < declared && position < params.cArgs; ++position) {
        const UINT index = params.cArgs - 1 - position;
        if (!Converts(params.rgvarg[index], function->lprgelemdescParam[position].tdesc.vt)) {
            *argumentError = index;
            break;
        }
    }
    info->ReleaseFuncDesc(function);
}

} // namespace

HRESULT DualGetTypeInfo(REFIID dual, UINT index, ITypeInfo** info)
{
    if (!info)
        return E_POINTER;
    *info = nullptr;
    if (index != 0)
        return DISP_E_BADINDEX;
    return g_module.GetTypeInfo(dual, info);
}

HRESULT DualGetIDsOfNames(REFIID dual, REFIID reserved, LPOLESTR* names, UINT count, DISPID* ids)
{
    if (!InlineIsEqualGUID(reserved, IID_NULL))
        return DISP_E_UNKNOWNINTERFACE;
    CComRef<ITypeInfo> typeInfo;
    const HRESULT found = g_module.GetTypeInfo(dual, typeInfo.Out());
    if (FAILED(found))
        return found;
    return typeInfo->GetIDsOfNames(names, count, ids);
}

HRESULT DualInvoke(REFIID dual, IDispatch* object, DISPID member, REFIID reserved, WORD flags,
                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception, UINT* argumentError)
{
    if (!InlineIsEqualGUID(reserved, IID_NULL))
        return DISP_E_UNKNOWNINTERFACE;
    if (!params)
        return E_INVALIDARG;
    if (HasUnsupportedNamedArguments(*params))
        return DISP_E_NONAMEDARGS;
    CComRef<ITypeInfo> typeInfo;
    const HRESULT found = g_module.GetTypeInfo(dual, typeInfo.Out());
    if (FAILED(found))
        return found;
    const HRESULT hr =
        typeInfo->Invoke(object, member, flags, params, result, exception, argumentError);
    if (hr == DISP_E_TYPEMISMATCH && argumentError)
        ReportMismatchedArgument(typeInfo.Get(), member, flags, *params, argumentError);
    return hr;
}
