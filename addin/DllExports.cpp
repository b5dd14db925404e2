// The entry points of the DLL as an in-process COM server.
#include <windows.h>
#include <olectl.h>

#include "win/com/ClassFactory.h"
#include "win/com/ComEntry.h"
#include "win/com/ObjectMap.h"
#include "win/com/Registration.h"
#include "win/com/StochalModule.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        if (g_module.Failed())
            return FALSE;
        g_module.Attach(instance);
        DisableThreadLibraryCalls(instance);
        break;
    case DLL_PROCESS_DETACH:
        // At process exit other DLLs may be gone already; leave them alone.
        if (!reserved)
            g_module.Detach();
        break;
    default:
        break;
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID classId, REFIID iid, void** out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    return ComEntry([&] {
        const CClassEntry* entry = ObjectMap().Find(classId);
        if (!entry)
            return CLASS_E_CLASSNOTAVAILABLE;
        return CClassFactory::Get(*entry, iid, out);
    });
}

STDAPI DllCanUnloadNow()
{
    return g_module.CanUnload() ? S_OK : S_FALSE;
}

STDAPI DllRegisterServer()
{
    return ComEntry([] {
        const std::wstring path = g_module.ModulePath();
        if (path.empty())
            return HRESULT_FROM_WIN32(GetLastError());
        for (const CClassEntry& entry : ObjectMap()) {
            const HRESULT hr = RegisterClassKeys(entry, path);
            if (FAILED(hr))
                return hr;
        }
        return RegisterTypeLibrary(path);
    });
}

STDAPI DllUnregisterServer()
{
    return ComEntry([] {
        HRESULT result = S_OK;
        for (const CClassEntry& entry : ObjectMap()) {
            const HRESULT hr = UnregisterClassKeys(entry);
            if (SUCCEEDED(result))
                result = hr;
        }
        const HRESULT hr = UnregisterTypeLibrary(g_module.ModulePath());
        return SUCCEEDED(result) ? hr : result;
    });
}
