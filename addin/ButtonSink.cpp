#include "addin/ButtonSink.h"

#include "win/com/ComEntry.h"
#include "win/com/ComError.h"
#include "win/com/OfficeInterfaces.h"
#include "win/excel/ObjectClasses.h"

namespace {

// The members of _CommandBarButtonEvents by name.
struct CEventName {
    const wchar_t* name;
    DISPID id;
};
constexpr CEventName kEventNames[] = {{L"Click", kDispidClick}, {L"Ctrl", 2}, {L"CancelDefault", 3}};

} // namespace

IUnknown* CButtonSink::FindInterface(REFIID iid)
{
    if (InlineIsEqualGUID(iid, IID_IDispatch) || InlineIsEqualGUID(iid, DIID_CommandBarButtonEvents))
        return static_cast<IDispatch*>(this);
    return nullptr;
}

STDMETHODIMP CButtonSink::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

STDMETHODIMP CButtonSink::GetTypeInfo(UINT, LCID, ITypeInfo** info)
{
    if (info)
        *info = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP CButtonSink::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    if (!names || !ids)
        return E_POINTER;
    HRESULT result = S_OK;
    for (UINT i = 0; i < count; ++i) {
        ids[i] = DISPID_UNKNOWN;
        for (const CEventName& known : kEventNames) {
            if (names[i] && lstrcmpiW(names[i], known.name) == 0)
                ids[i] = known.id;
        }
        if (ids[i] == DISPID_UNKNOWN)
            result = DISP_E_UNKNOWNNAME;
    }
    return result;
}

STDMETHODIMP CButtonSink::Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT*,
                                 EXCEPINFO*, UINT* argumentError)
{
    if (member != kDispidClick)
        return DISP_E_MEMBERNOTFOUND;
    if (!(flags & DISPATCH_METHOD))
        return DISP_E_MEMBERNOTFOUND;
    if (!params || params->cArgs != 2)
        return DISP_E_BADPARAMCOUNT;
    if (params->cNamedArgs != 0)
        return DISP_E_NONAMEDARGS;
    // Arguments arrive last to first: CancelDefault, then Ctrl.
    const VARIANT& cancel = params->rgvarg[0];
    const VARIANT& control = params->rgvarg[1];
    if (control.vt != VT_DISPATCH || cancel.vt != (VT_BYREF | VT_BOOL)) {
        if (argumentError)
            *argumentError = control.vt != VT_DISPATCH ? 1 : 0;
        return DISP_E_TYPEMISMATCH;
    }
    return ComEntry([this, &control] {
        if (IsOwnButton(control.pdispVal))
            m_action();
        return S_OK;
    });
}

bool CButtonSink::IsOwnButton(IDispatch* control) const
{
    std::wstring tag;
    return control && CDispatch(control, object_class::CommandBarButton()).Get(L"Tag").ToText(tag) && tag == m_tag;
}

void CButtonConnection::Connect(const CDispatch& button, const std::wstring& tag, CButtonSink::Action action)
{
    Disconnect();
    IConnectionPointContainer* container = nullptr;
    CheckCom(button.Object()->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container)));
    IConnectionPoint* point = nullptr;
    const HRESULT found = container->FindConnectionPoint(DIID_CommandBarButtonEvents, &point);
    container->Release();
    CheckCom(found);
    IDispatch* sink = nullptr;
    const HRESULT made = HandOutNew(new (std::nothrow) CButtonSink(tag, std::move(action)), IID_IDispatch,
                                    reinterpret_cast<void**>(&sink));
    if (FAILED(made)) {
        point->Release();
        CheckCom(made);
    }
    DWORD cookie = 0;
    const HRESULT advised = point->Advise(sink, &cookie);
    sink->Release(); // the connection point holds its own reference
    if (FAILED(advised)) {
        point->Release();
        CheckCom(advised);
    }
    m_point = point;
    m_cookie = cookie;
}

void CButtonConnection::Disconnect()
{
    if (!m_point)
        return;
    m_point->Unadvise(m_cookie);
    m_point->Release();
    m_point = nullptr;
    m_cookie = 0;
}
