#pragma once
#include <windows.h>
#include <unknwn.h>

#include "win/com/ComObject.h"
#include "win/com/ObjectMap.h"

// The one class factory of the DLL: creates objects of the class of its
// object-map row. While it lives it keeps the module locked, as do
// LockServer(TRUE) calls until they are undone.
class CClassFactory : public CComObject<CClassFactory, IClassFactory> {
public:
    explicit CClassFactory(const CClassEntry& entry);

    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
    STDMETHODIMP LockServer(BOOL lock) override;

    // The factory for entry, asked for the interface iid.
    static HRESULT Get(const CClassEntry& entry, REFIID iid, void** out);

private:
    IUnknown* FindInterface(REFIID iid) override;

    const CClassEntry& m_entry;
};
