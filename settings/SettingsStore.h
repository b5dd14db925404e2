#pragma once
#include <windows.h>

// The per-user store of the dialogs' remembered choices, under
// HKEY_CURRENT_USER\SOFTWARE\Vextor\Stochal. Each dialog keeps its values
// in a section (a subkey); every value is a REG_DWORD. Nothing is cached:
// each call goes to the registry. No failure is ever reported: reads fall
// back to the caller's default and writes are dropped.
class CSettingsStore {
public:
    // Opens (creating where needed) the root key; the store stays closed if
    // that fails, for the life of the object.
    CSettingsStore();
    ~CSettingsStore();
    CSettingsStore(const CSettingsStore&) = delete;
    CSettingsStore& operator=(const CSettingsStore&) = delete;

    bool ReadBool(const char* section, const char* name, bool defaultValue) const;
    void WriteBool(const char* section, const char* name, bool value) const;
    DWORD ReadDword(const char* section, const char* name, DWORD defaultValue) const;
    void WriteDword(const char* section, const char* name, DWORD value) const;

    // The open root key (null when closed), for parts that keep a subkey of
    // their own: they close what they open beneath it, never the root.
    HKEY RootKey() const { return m_root; }

private:
    HKEY OpenSection(const char* section) const;

    HKEY m_root = nullptr;
};

// The store of this process, opened when the DLL is loaded.
CSettingsStore& SettingsStore();
