#pragma once
#include <windows.h>

#include <string>

// One open registry key of the settings, closed with the object. A closed
// key (one that could not be opened) reads every fallback and drops every
// write, so no caller has to test for failure.
class CSettingsKey {
public:
    CSettingsKey() = default;
    ~CSettingsKey();
    CSettingsKey(CSettingsKey&& other) noexcept;
    CSettingsKey& operator=(CSettingsKey&& other) noexcept;
    CSettingsKey(const CSettingsKey&) = delete;
    CSettingsKey& operator=(const CSettingsKey&) = delete;

    // HKEY_CURRENT_USER\path for reading and writing, if it exists.
    static CSettingsKey UserKey(const char* path);

    bool IsOpen() const { return m_key != nullptr; }

    // The subkey for reading and writing, created where missing.
    CSettingsKey Create(const char* name) const;
    // The subkey for reading, if it exists.
    CSettingsKey Open(const char* name) const;

    // A REG_DWORD of four bytes; anything else counts as missing.
    DWORD ReadDword(const char* name, DWORD fallback) const;
    void WriteDword(const char* name, DWORD value) const;

    // A REG_SZ or REG_EXPAND_SZ value of at most capacityBytes bytes that
    // ends with its terminating zero, as text up to its first zero; false
    // (text untouched) for anything else. Narrow text goes through the ANSI
    // calls, wide text through the Unicode ones.
    bool ReadString(const char* name, DWORD capacityBytes, std::string& text) const;
    bool ReadString(const char* name, DWORD capacityBytes, std::wstring& text) const;
    // A REG_SZ value with its terminating zero.
    void WriteString(const char* name, const std::string& text) const;
    void WriteString(const char* name, const std::wstring& text) const;

private:
    explicit CSettingsKey(HKEY key) : m_key(key) {}
    static CSettingsKey Created(HKEY parent, const char* name);
    static CSettingsKey Opened(HKEY parent, const char* name, REGSAM access);

    HKEY m_key = nullptr;
};
