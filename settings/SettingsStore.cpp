#include "settings/SettingsStore.h"

CSettingsStore& SettingsStore()
{
    // Opened on first use, by a command: never while the loader holds its
    // lock, as a static built when the DLL is loaded would be.
    static CSettingsStore store;
    return store;
}

// SOFTWARE itself is never created: without it the store stays closed.
CSettingsStore::CSettingsStore() : m_root(CSettingsKey::UserKey("SOFTWARE").Create("Vextor\\Stochal")) {}

DWORD CSettingsStore::ReadDword(const char* section, const char* name, DWORD defaultValue) const
{
    return Section(section).ReadDword(name, defaultValue);
}

bool CSettingsStore::ReadBool(const char* section, const char* name, bool defaultValue) const
{
    return ReadDword(section, name, defaultValue ? 1 : 0) != 0;
}

void CSettingsStore::WriteDword(const char* section, const char* name, DWORD value) const
{
    Section(section).WriteDword(name, value);
}

void CSettingsStore::WriteBool(const char* section, const char* name, bool value) const
{
    WriteDword(section, name, value ? 1 : 0);
}
