#include "win/com/ComObject.h"

#include "win/com/StochalModule.h"

CComObjectRoot::CComObjectRoot(IUnknown* outer)
    : m_inner(this), m_controlling(outer ? outer : &m_inner)
{
    g_module.Lock();
}

CComObjectRoot::~CComObjectRoot()
{
    g_module.Unlock();
}

HRESULT CComObjectRoot::InnerQueryInterface(REFIID iid, void** out)
{
    if (!out)
        return E_POINTER;
    IUnknown* found = InlineIsEqualGUID(iid, IID_IUnknown) ? &m_inner : FindInterface(iid);
    *out = found;
    if (!found)
        return E_NOINTERFACE;
    found->AddRef();
    return S_OK;
}

ULONG CComObjectRoot::InnerAddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&m_references));
}

ULONG CComObjectRoot::InnerRelease()
{
    const LONG remaining = InterlockedDecrement(&m_references);
    if (remaining == 0)
        delete this;
    return static_cast<ULONG>(remaining);
}

STDMETHODIMP CComObjectRoot::CInnerUnknown::QueryInterface(REFIID iid, void** out)
{
    return m_owner->InnerQueryInterface(iid, out);
}

STDMETHODIMP_(ULONG) CComObjectRoot::CInnerUnknown::AddRef()
{
    return m_owner->InnerAddRef();
}

STDMETHODIMP_(ULONG) CComObjectRoot::CInnerUnknown::Release()
{
    return m_owner->InnerRelease();
}
