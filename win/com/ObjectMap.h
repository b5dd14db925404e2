#pragma once
#include <windows.h>
#include <unknwn.h>

// What registration writes for one class under HKEY_CLASSES_ROOT.
struct CClassRegistration {
    const wchar_t* progId;            // versioned, e.g. "Stochal.Generator.1"
    const wchar_t* independentProgId; // e.g. "Stochal.Generator"
    const wchar_t* friendlyName;
    const wchar_t* threadingModel;
};

using CreateFunction = HRESULT (*)(IUnknown* outer, REFIID iid, void** out);

// One class the DLL serves: its id, how to create it, how to register it.
struct CClassEntry {
    const CLSID* classId;
    CreateFunction create;
    CClassRegistration registration;
};

// The classes of the DLL, in registration order.
struct CObjectMap {
    const CClassEntry* first;
    const CClassEntry* last;
    const CClassEntry* begin() const { return first; }
    const CClassEntry* end() const { return last; }
    // Null for a class the DLL does not serve.
    const CClassEntry* Find(REFCLSID classId) const;
};

// The DLL's own table, defined where the DLL is assembled.
CObjectMap ObjectMap();
