#pragma once
#include <windows.h>
#include <oaidl.h>

#include <string>

#include "win/com/ComRef.h"

// The one module object of the DLL: the lock count behind DllCanUnloadNow,
// the module handle, and the type library loaded from the DLL's own
// resource, shared by every object that answers IDispatch from it.
class CStochalModule {
public:
    CStochalModule();
    ~CStochalModule();
    CStochalModule(const CStochalModule&) = delete;
    CStochalModule& operator=(const CStochalModule&) = delete;

    // Set when the critical section could not be built; loading then fails.
    bool Failed() const { return m_failed; }

    void Attach(HINSTANCE instance) { m_instance = instance; }
    // Releases the cached type library (only when the process is not exiting).
    void Detach();

    // Live objects, class factories and LockServer calls keep the DLL loaded.
    void Lock() { InterlockedIncrement(&m_locks); }
    void Unlock() { InterlockedDecrement(&m_locks); }
    bool CanUnload() const { return m_locks == 0; }

    // Full path of this DLL; empty if it cannot be read.
    std::wstring ModulePath() const;

    // Type information for one interface or class of the embedded library.
    HRESULT GetTypeInfo(REFGUID guid, ITypeInfo** info);

private:
    HRESULT LoadTypeLibrary();

    volatile LONG m_locks = 0;
    bool m_failed = false;
    CRITICAL_SECTION m_section;
    HINSTANCE m_instance = nullptr;
    CComRef<ITypeLib> m_typeLib;
};

extern CStochalModule g_module;
