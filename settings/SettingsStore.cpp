#include "settings/SettingsStore.h"

namespace {

CSettingsStore g_settingsStore;

} // namespace

CSettingsStore& SettingsStore()
{
    return g_settingsStore;
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
