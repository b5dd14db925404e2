// The output page's values in the registry, under the subkey "Method".
#include "commands/distfill/wizard/ChooseMethod.h"

using namespace chooser;

namespace {
const wchar_t kMethodKey[] = L"Method";
constexpr DWORD kTextBytes = 1024;

DWORD ReadDword(HKEY key, const wchar_t* name, DWORD fallback)
{
    DWORD value = 0;
    DWORD type = 0;
    DWORD size = sizeof value;
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof value)
        return fallback;
    return value;
}

// A string value that ends with its terminating zero; empty otherwise.
std::wstring ReadText(HKEY key, const wchar_t* name)
{
    wchar_t buffer[kTextBytes / sizeof(wchar_t)] = {};
    DWORD type = 0;
    DWORD size = kTextBytes;
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ) || size < sizeof(wchar_t) || size % sizeof(wchar_t) != 0 ||
        buffer[size / sizeof(wchar_t) - 1] != L'\0')
        return std::wstring();
    return std::wstring(buffer);
}

void WriteDword(HKEY key, const wchar_t* name, DWORD value)
{
    RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

HKEY OpenMethodKey(HKEY parent)
{
    HKEY key = nullptr;
    if (!parent || RegCreateKeyExW(parent, kMethodKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                                   nullptr, &key, nullptr) != ERROR_SUCCESS)
        return nullptr;
    return key;
}
} // namespace

void CChooseMethod::Load(HKEY parent)
{
    const HKEY key = OpenMethodKey(parent);
    if (!key) {
        m_settings.method = kMethodSelectionId;
        return;
    }
    const DWORD method = ReadDword(key, L"Method", kMethodSelectionId);
    const bool known = method >= kMethodSelectionId && method <= kMethodWorksheetId;
    m_settings.method = known ? static_cast<unsigned>(method) : static_cast<unsigned>(kMethodSelectionId);
    m_settings.text = ReadText(key, L"String");
    m_settings.columns = static_cast<int>(ReadDword(key, L"Columns", 1));
    m_settings.rows = static_cast<int>(ReadDword(key, L"Rows", 1));
    m_settings.count = static_cast<int>(ReadDword(key, L"Count", 1));
    RegCloseKey(key);
}

void CChooseMethod::Save(HKEY parent) const
{
    const HKEY key = OpenMethodKey(parent);
    if (!key)
        return;
    const DWORD textBytes = static_cast<DWORD>((m_settings.text.size() + 1) * sizeof(wchar_t));
    RegSetValueExW(key, L"String", 0, REG_SZ, reinterpret_cast<const BYTE*>(m_settings.text.c_str()), textBytes);
    WriteDword(key, L"Rows", static_cast<DWORD>(m_settings.rows));
    WriteDword(key, L"Columns", static_cast<DWORD>(m_settings.columns));
    WriteDword(key, L"Count", static_cast<DWORD>(m_settings.count));
    WriteDword(key, L"Method", m_settings.method);
    RegCloseKey(key);
}
