#pragma once
#include <windows.h>
#include <oaidl.h>
#include <wrl/client.h>

#include "Stochal_h.h"

using Microsoft::WRL::ComPtr;

// The product DLL, loaded as a COM client loads an in-process server, with
// its four exports. The tests call it directly, without registration.
class CStochalDll {
public:
    static CStochalDll& Instance();

    HRESULT GetClassObject(REFCLSID classId, REFIID iid, void** out) const;
    HRESULT CanUnloadNow() const;
    ComPtr<IClassFactory> Factory() const;
    ComPtr<IGenerator> CreateGenerator() const;

private:
    CStochalDll();

    HMODULE m_module;
    decltype(&DllGetClassObject) m_getClassObject;
    decltype(&DllCanUnloadNow) m_canUnloadNow;
};

#include <string>

// The name, help string and help context of a type or member.
struct CDocumentation {
    std::wstring name;
    std::wstring help;
    DWORD context = 0;
};
CDocumentation Documentation(ITypeInfo* info, MEMBERID member);

// A VARIANT that clears itself.
class CVariant {
public:
    CVariant() { VariantInit(&m_value); }
    explicit CVariant(double value) : CVariant() { V_VT(&m_value) = VT_R8; V_R8(&m_value) = value; }
    explicit CVariant(const wchar_t* text);
    // The placeholder of an omitted optional argument.
    struct Missing {};
    explicit CVariant(Missing);
    ~CVariant() { VariantClear(&m_value); }
    CVariant(const CVariant&) = delete;
    CVariant& operator=(const CVariant&) = delete;

    VARIANT* Ptr() { return &m_value; }
    VARIANT& Get() { return m_value; }

private:
    VARIANT m_value;
};
