#include "win/com/ClassFactory.h"

#include "win/com/ComEntry.h"
#include "win/com/StochalModule.h"

CClassFactory::CClassFactory(const CClassEntry& entry) : CComObject(nullptr), m_entry(entry) {}

IUnknown* CClassFactory::FindInterface(REFIID iid)
{
    static const CInterfaceEntry<CClassFactory> kInterfaces[] = {
        {&IID_IClassFactory, &InterfaceOf<CClassFactory, IClassFactory>},
    };
    return FindInTable(this, kInterfaces, iid);
}

STDMETHODIMP CClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** out)
{
    if (out)
        *out = nullptr;
    return ComEntry([&] { return m_entry.create(outer, iid, out); });
}

STDMETHODIMP CClassFactory::LockServer(BOOL lock)
{
    if (lock)
        g_module.Lock();
    else
        g_module.Unlock();
    return S_OK;
}

HRESULT CClassFactory::Get(const CClassEntry& entry, REFIID iid, void** out)
{
    *out = nullptr;
    return HandOutNew(new (std::nothrow) CClassFactory(entry), iid, out);
}
