#include "win/com/Registration.h"

#include <oleauto.h>

#include <initializer_list>

#include "Stochal_h.h"
#include "win/com/ComRef.h"
#include "win/com/KeySnapshot.h"

namespace {

std::wstring GuidText(REFGUID guid)
{
    wchar_t text[40] = {};
    StringFromGUID2(guid, text, 40);
    return text;
}

// Creates HKEY_CLASSES_ROOT\path and, unless value is null, sets its value
// valueName (null for the default value) to the string value.
HRESULT WriteKey(const std::wstring& path, const wchar_t* valueName, const wchar_t* value)
{
    HKEY key = nullptr;
    LONG status = RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                  nullptr, &key, nullptr);
    if (status == ERROR_SUCCESS && value) {
        const DWORD bytes = static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t));
        status = RegSetValueExW(key, valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                                bytes);
    }
    if (key)
        RegCloseKey(key);
    return HRESULT_FROM_WIN32(status);
}

HRESULT DeleteTree(const std::wstring& path)
{
    const LONG status = RegDeleteTreeW(HKEY_CLASSES_ROOT, path.c_str());
    return status == ERROR_FILE_NOT_FOUND ? S_OK : HRESULT_FROM_WIN32(status);
}

struct CKeyValue {
    std::wstring path;
    const wchar_t* name;
    const wchar_t* value;
};

HRESULT WriteKeys(std::initializer_list<CKeyValue> keys)
{
    for (const CKeyValue& key : keys) {
        const HRESULT hr = WriteKey(key.path, key.name, key.value);
        if (FAILED(hr))
            return hr;
    }
    return S_OK;
}

// The DLL's directory, without the final backslash.
std::wstring DirectoryOf(const std::wstring& path)
{
    const std::wstring::size_type slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

// Our library describes Office's button event interface under Office's own
// id, so that the click sinks' interface is in a library of ours; Office's
// registration of that interface must survive ours, whichever way.
const wchar_t kOfficeButtonEventsKey[] = L"Interface\\{000C0351-0000-0000-C000-000000000046}";

// True when the interface key names library as its type library.
bool InterfaceOfLibrary(const wchar_t* interfaceKey, REFGUID library)
{
    wchar_t text[40] = {};
    LONG size = sizeof text;
    const std::wstring path = std::wstring(interfaceKey) + L"\\TypeLib";
    if (RegQueryValueW(HKEY_CLASSES_ROOT, path.c_str(), text, &size) != ERROR_SUCCESS)
        return false;
    return lstrcmpiW(text, GuidText(library).c_str()) == 0;
}

HRESULT LoadOwnTypeLibrary(const std::wstring& modulePath, CComRef<ITypeLib>& library)
{
    return LoadTypeLibEx(modulePath.c_str(), REGKIND_NONE, library.Out());
}

} // namespace

HRESULT RegisterClassKeys(const CClassEntry& entry, const std::wstring& modulePath)
{
    const CClassRegistration& r = entry.registration;
    const std::wstring classId = GuidText(*entry.classId);
    const std::wstring classKey = L"CLSID\\" + classId;
    const std::wstring progId = r.progId;
    const std::wstring independent = r.independentProgId;
    const std::wstring typeLib = GuidText(LIBID_Stochal);
    return WriteKeys({
        {progId, nullptr, r.friendlyName},
        {progId + L"\\CLSID", nullptr, classId.c_str()},
        {independent, nullptr, r.friendlyName},
        {independent + L"\\CLSID", nullptr, classId.c_str()},
        {independent + L"\\CurVer", nullptr, r.progId},
        {classKey, nullptr, r.friendlyName},
        {classKey, L"AppID", L""},
        {classKey + L"\\ProgID", nullptr, r.progId},
        {classKey + L"\\VersionIndependentProgID", nullptr, r.independentProgId},
        {classKey + L"\\Programmable", nullptr, nullptr},
        {classKey + L"\\InprocServer32", nullptr, modulePath.c_str()},
        {classKey + L"\\InprocServer32", L"ThreadingModel", r.threadingModel},
        {classKey + L"\\TypeLib", nullptr, typeLib.c_str()},
    });
}

HRESULT UnregisterClassKeys(const CClassEntry& entry)
{
    HRESULT result = S_OK;
    for (const std::wstring& path : {L"CLSID\\" + GuidText(*entry.classId),
                                     std::wstring(entry.registration.progId),
                                     std::wstring(entry.registration.independentProgId)}) {
        const HRESULT hr = DeleteTree(path);
        if (SUCCEEDED(result))
            result = hr;
    }
    return result;
}

HRESULT RegisterTypeLibrary(const std::wstring& modulePath)
{
    CComRef<ITypeLib> library;
    const HRESULT loaded = LoadOwnTypeLibrary(modulePath, library);
    if (FAILED(loaded))
        return loaded;
    std::wstring path = modulePath;
    std::wstring helpDirectory = DirectoryOf(modulePath);
    return PreservingKey(HKEY_CLASSES_ROOT, kOfficeButtonEventsKey,
                         [&] { return RegisterTypeLib(library.Get(), &path[0], &helpDirectory[0]); });
}

HRESULT UnregisterTypeLibrary(const std::wstring& modulePath)
{
    CComRef<ITypeLib> library;
    HRESULT hr = LoadOwnTypeLibrary(modulePath, library);
    if (FAILED(hr))
        return hr;
    TLIBATTR* attributes = nullptr;
    hr = library->GetLibAttr(&attributes);
    if (FAILED(hr))
        return hr;
    // A library that is not registered has nothing left to remove.
    BSTR registeredPath = nullptr;
    hr = QueryPathOfRegTypeLib(attributes->guid, attributes->wMajorVerNum,
                               attributes->wMinorVerNum, attributes->lcid, &registeredPath);
    SysFreeString(registeredPath);
    const auto unregister = [&] {
        return UnRegisterTypeLib(attributes->guid, attributes->wMajorVerNum, attributes->wMinorVerNum,
                                 attributes->lcid, attributes->syskind);
    };
    // The key goes with our library only if our registration made it.
    if (FAILED(hr))
        hr = S_OK;
    else if (InterfaceOfLibrary(kOfficeButtonEventsKey, attributes->guid))
        hr = unregister();
    else
        hr = PreservingKey(HKEY_CLASSES_ROOT, kOfficeButtonEventsKey, unregister);
    library->ReleaseTLibAttr(attributes);
    return hr;
}
