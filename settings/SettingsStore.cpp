#include "settings/SettingsStore.h"

namespace {

constexpr REGSAM kAccess = KEY_READ | KEY_WRITE;

HKEY CreateKey(HKEY parent, const char* name)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(parent, name, 0, nullptr, REG_OPTION_NON_VOLATILE, kAccess, nullptr, &key, nullptr)
        != ERROR_SUCCESS)
        return nullptr;
    return key;
}

CSettingsStore g_settingsStore;

} // namespace

CSettingsStore& SettingsStore()
{
    return g_settingsStore;
}

CSettingsStore::CSettingsStore()
{
    HKEY software = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "SOFTWARE", 0, kAccess, &software) != ERROR_SUCCESS)
        return;
    HKEY maker = CreateKey(software, "Vextor");
    if (maker) {
        m_root = CreateKey(maker, "Stochal");
        RegCloseKey(maker);
    }
    RegCloseKey(software);
}

CSettingsStore::~CSettingsStore()
{
    if (m_root)
        RegCloseKey(m_root);
    m_root = nullptr;
}

HKEY CSettingsStore::OpenSection(const char* section) const
{
    return m_root ? CreateKey(m_root, section) : nullptr;
}

DWORD CSettingsStore::ReadDword(const char* section, const char* name, DWORD defaultValue) const
{
    HKEY key = OpenSection(section);
    if (!key)
        return defaultValue;
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    const LONG status = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    // A value of another type, or longer than four bytes, counts as missing.
    if (status != ERROR_SUCCESS || type != REG_DWORD)
        return defaultValue;
    return value;
}

bool CSettingsStore::ReadBool(const char* section, const char* name, bool defaultValue) const
{
    return ReadDword(section, name, defaultValue ? 1 : 0) != 0;
}

void CSettingsStore::WriteDword(const char* section, const char* name, DWORD value) const
{
    HKEY key = OpenSection(section);
    if (!key)
        return;
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
}

void CSettingsStore::WriteBool(const char* section, const char* name, bool value) const
{
    WriteDword(section, name, value ? 1 : 0);
}
