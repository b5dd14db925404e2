// Registering our type library, which describes Office's button event
// interface under Office's own id, leaves Office's registration of that
// interface exactly as it was; without Office, ours comes and goes with
// the library.
#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <string>

#include "tests/automation/RegisteredServer.h"

namespace {

const wchar_t kKey[] = L"Interface\\{000C0351-0000-0000-C000-000000000046}";
const wchar_t kOfficeLibrary[] = L"{2DF8D04C-5BFA-101B-BDE5-00AA0044DE52}";

using KeyText = std::map<std::wstring, std::wstring>;

// Every value below HKCR\path as "subkey|name" → data, or empty if none.
void ReadTree(HKEY key, const std::wstring& prefix, KeyText& out)
{
    for (DWORD i = 0;; ++i) {
        wchar_t name[256];
        DWORD nameLength = 256;
        wchar_t data[512] = {};
        DWORD size = sizeof data - sizeof(wchar_t);
        DWORD type = 0;
        if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, reinterpret_cast<BYTE*>(data), &size)
            != ERROR_SUCCESS)
            break;
        out[prefix + L"|" + name] = data;
    }
    for (DWORD i = 0;; ++i) {
        wchar_t name[256];
        DWORD nameLength = 256;
        if (RegEnumKeyExW(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        HKEY child = nullptr;
        if (RegOpenKeyExW(key, name, 0, KEY_READ, &child) == ERROR_SUCCESS) {
            ReadTree(child, prefix + L"\\" + name, out);
            RegCloseKey(child);
        }
    }
}

KeyText Tree()
{
    KeyText tree;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, kKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return tree;
    ReadTree(key, L"", tree);
    RegCloseKey(key);
    return tree;
}

void Set(const std::wstring& subkey, const wchar_t* name, const wchar_t* value)
{
    const std::wstring path = std::wstring(kKey) + subkey;
    RegSetKeyValueW(HKEY_CLASSES_ROOT, path.c_str(), name, REG_SZ, value,
                    static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t)));
}

TEST(OfficeInterfaceKey, SurvivesRegistrationAndUnregistrationUntouched)
{
    RegDeleteTreeW(HKEY_CLASSES_ROOT, kKey);
    Set(L"", nullptr, L"_CommandBarButtonEvents");
    Set(L"\\ProxyStubClsid32", nullptr, L"{00020420-0000-0000-C000-000000000046}");
    Set(L"\\TypeLib", nullptr, kOfficeLibrary);
    Set(L"\\TypeLib", L"Version", L"2.8");
    const KeyText office = Tree();
    ASSERT_EQ(office.size(), 4u);
    {
        CRegisteredServer server;
        ASSERT_EQ(server.RegisterStatus(), 0u);
        EXPECT_EQ(Tree(), office);
        ASSERT_EQ(server.Unregister(), 0u);
        EXPECT_EQ(Tree(), office);
    }
    RegDeleteTreeW(HKEY_CLASSES_ROOT, kKey);
}

TEST(OfficeInterfaceKey, WithoutOfficeOurEntryComesAndGoesWithTheLibrary)
{
    RegDeleteTreeW(HKEY_CLASSES_ROOT, kKey);
    CRegisteredServer server;
    ASSERT_EQ(server.RegisterStatus(), 0u);
    EXPECT_FALSE(Tree().empty());
    ASSERT_EQ(server.Unregister(), 0u);
    EXPECT_TRUE(Tree().empty());
}

} // namespace
