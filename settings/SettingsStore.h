#pragma once
#include <windows.h>

#include "settings/SettingsKey.h"

// The per-user store of the dialogs' remembered choices, under
// HKEY_CURRENT_USER\SOFTWARE\Vextor\Stochal. Each dialog keeps its values
// in a section (a subkey), as REG_DWORDs here; a part that keeps texts
// too takes its section as a key of its own. Nothing is cached:
// each call goes to the registry. No failure is ever reported: reads fall
// back to the caller's default and writes are dropped.
class CSettingsStore {
public:
    // Opens (creating where needed) the root key; the store stays closed if
    // that fails, for the life of the object.
    CSettingsStore();

    bool ReadBool(const char* section, const char* name, bool defaultValue) const;
    void WriteBool(const char* section, const char* name, bool value) const;
    DWORD ReadDword(const char* section, const char* name, DWORD defaultValue) const;
    void WriteDword(const char* section, const char* name, DWORD value) const;

    bool IsOpen() const { return m_root.IsOpen(); }

    // A section as a key of its own, for parts that keep more than DWORDs.
    CSettingsKey Section(const char* section) const { return m_root.Create(section); }

private:
    CSettingsKey m_root;
};

// The store of this process, opened on first use.
CSettingsStore& SettingsStore();
