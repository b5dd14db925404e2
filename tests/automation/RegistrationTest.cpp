// Self-registration through the stock regsvr32: the keys and values written,
// the type library registered, and everything removed again.
#include <gtest/gtest.h>

#include <windows.h>
#include <oleauto.h>
#include <wrl/client.h>

#include <set>
#include <string>

#include "Stochal_h.h"
#include "tests/automation/RegisteredServer.h"

using Microsoft::WRL::ComPtr;

namespace {

const std::wstring kClassKey = L"CLSID\\{780F96AC-87D6-44D5-863E-44564A23823F}";
const std::wstring kClassId = L"{780F96AC-87D6-44D5-863E-44564A23823F}";
const std::wstring kLibraryId = L"{5752AA3D-930E-4B57-8BC2-10E1F0A63EE4}";
const std::wstring kInterfaceKey = L"Interface\\{19BE6103-BA3C-4ED5-9A4D-2DC95E30EE3E}";

bool KeyExists(const std::wstring& path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

// The string value name (empty for the default) of HKCR\path, or "<none>".
std::wstring Value(const std::wstring& path, const wchar_t* name = nullptr)
{
    wchar_t data[1024] = {};
    DWORD bytes = sizeof data - sizeof(wchar_t);
    DWORD type = 0;
    if (RegGetValueW(HKEY_CLASSES_ROOT, path.c_str(), name, RRF_RT_ANY, &type, data, &bytes) != ERROR_SUCCESS)
        return L"<none>";
    return type == REG_SZ ? std::wstring(data) : L"<not a string>";
}

std::set<std::wstring> Names(const std::wstring& path, bool subkeys)
{
    std::set<std::wstring> names;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return names;
    for (DWORD index = 0;; ++index) {
        wchar_t name[256];
        DWORD length = 256;
        const LONG status = subkeys ? RegEnumKeyExW(key, index, name, &length, nullptr, nullptr, nullptr, nullptr)
                                    : RegEnumValueW(key, index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (status != ERROR_SUCCESS)
            break;
        names.insert(name);
    }
    RegCloseKey(key);
    return names;
}

std::wstring Directory(const std::wstring& path)
{
    return path.substr(0, path.find_last_of(L'\\'));
}

class Registration : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_HRESULT_SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)); }
    static void TearDownTestSuite() { CoUninitialize(); }
};

TEST_F(Registration, WritesTheClassKeysAndTheTypeLibrary)
{
    CRegisteredServer server;
    ASSERT_EQ(0u, server.RegisterStatus());
    const std::wstring dll = CRegisteredServer::DllPath();

    EXPECT_EQ(L"Generator Object", Value(L"Stochal.Generator.1"));
    EXPECT_EQ(kClassId, Value(L"Stochal.Generator.1\\CLSID"));
    EXPECT_EQ(L"Generator Object", Value(L"Stochal.Generator"));
    EXPECT_EQ(kClassId, Value(L"Stochal.Generator\\CLSID"));
    EXPECT_EQ(L"Stochal.Generator.1", Value(L"Stochal.Generator\\CurVer"));

    EXPECT_EQ(L"Generator Object", Value(kClassKey));
    EXPECT_EQ(L"", Value(kClassKey, L"AppID"));
    EXPECT_EQ((std::set<std::wstring>{L"", L"AppID"}), Names(kClassKey, false));
    EXPECT_EQ((std::set<std::wstring>{L"InprocServer32", L"ProgID", L"Programmable", L"TypeLib",
                                      L"VersionIndependentProgID"}),
              Names(kClassKey, true));
    EXPECT_EQ(L"Stochal.Generator.1", Value(kClassKey + L"\\ProgID"));
    EXPECT_EQ(L"Stochal.Generator", Value(kClassKey + L"\\VersionIndependentProgID"));
    EXPECT_TRUE(Names(kClassKey + L"\\Programmable", false).empty());
    EXPECT_EQ(dll, Value(kClassKey + L"\\InprocServer32"));
    EXPECT_EQ(L"", Value(kClassKey + L"\\InprocServer32", L"ThreadingModel"));
    EXPECT_EQ(kLibraryId, Value(kClassKey + L"\\TypeLib"));

    const std::wstring library = L"TypeLib\\" + kLibraryId + L"\\1.0";
    EXPECT_EQ(L"Stochal 1.0 Type Library", Value(library));
    // The type library's platform is the module's: win32 for the 32-bit DLL.
    const std::wstring platform = sizeof(void*) == 8 ? L"win64" : L"win32";
    EXPECT_EQ(dll, Value(library + L"\\409\\" + platform));
    EXPECT_EQ(Directory(dll), Value(library + L"\\HELPDIR"));
    EXPECT_EQ(L"IGenerator", Value(kInterfaceKey));
    EXPECT_EQ(kLibraryId, Value(kInterfaceKey + L"\\TypeLib"));

    // A client finds the class by either ProgID and gets a working object.
    for (const wchar_t* progId : {L"Stochal.Generator", L"Stochal.Generator.1"}) {
        CLSID found = {};
        ASSERT_EQ(S_OK, CLSIDFromProgID(progId, &found));
        EXPECT_TRUE(IsEqualCLSID(CLSID_Generator, found));
    }
    ComPtr<IGenerator> generator;
    ASSERT_EQ(S_OK, CoCreateInstance(CLSID_Generator, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&generator)));
    double value = 0;
    EXPECT_EQ(S_OK, generator->Next(&value));
    generator.Reset();
    CoFreeUnusedLibraries();

    EXPECT_EQ(0u, server.Unregister());
    for (const std::wstring& key : {std::wstring(L"Stochal.Generator.1"), std::wstring(L"Stochal.Generator"),
                                    kClassKey, L"TypeLib\\" + kLibraryId, kInterfaceKey})
        EXPECT_FALSE(KeyExists(key)) << std::string(key.begin(), key.end());
    EXPECT_TRUE(KeyExists(L"CLSID"));
    // Unregistering what is not registered finds nothing left to do.
    EXPECT_EQ(0u, server.Unregister());
}

} // namespace
