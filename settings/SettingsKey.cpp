#include "settings/SettingsKey.h"

#include <utility>
#include <vector>

namespace {

bool IsString(DWORD type)
{
    return type == REG_SZ || type == REG_EXPAND_SZ;
}

// Value names are ASCII: widened byte by byte for the Unicode calls.
std::wstring Widened(const char* name)
{
    return std::wstring(name, name + std::char_traits<char>::length(name));
}

} // namespace

CSettingsKey::~CSettingsKey()
{
    if (m_key)
        RegCloseKey(m_key);
}

CSettingsKey::CSettingsKey(CSettingsKey&& other) noexcept : m_key(std::exchange(other.m_key, nullptr)) {}

CSettingsKey& CSettingsKey::operator=(CSettingsKey&& other) noexcept
{
    std::swap(m_key, other.m_key);
    return *this;
}

CSettingsKey CSettingsKey::Created(HKEY parent, const char* name)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(parent, name, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr, &key,
                        nullptr)
        != ERROR_SUCCESS)
        return CSettingsKey();
    return CSettingsKey(key);
}

CSettingsKey CSettingsKey::Opened(HKEY parent, const char* name, REGSAM access)
{
    HKEY key = nullptr;
    if (!parent || RegOpenKeyExA(parent, name, 0, access, &key) != ERROR_SUCCESS)
        return CSettingsKey();
    return CSettingsKey(key);
}

CSettingsKey CSettingsKey::UserKey(const char* path)
{
    return Opened(HKEY_CURRENT_USER, path, KEY_READ | KEY_WRITE);
}

CSettingsKey CSettingsKey::Create(const char* name) const
{
    return m_key ? Created(m_key, name) : CSettingsKey();
}

CSettingsKey CSettingsKey::Open(const char* name) const
{
    return Opened(m_key, name, KEY_READ);
}

DWORD CSettingsKey::ReadDword(const char* name, DWORD fallback) const
{
    DWORD value = 0;
    DWORD type = 0;
    DWORD size = sizeof value;
    if (!m_key
        || RegQueryValueExA(m_key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS
        || type != REG_DWORD || size != sizeof value)
        return fallback;
    return value;
}

void CSettingsKey::WriteDword(const char* name, DWORD value) const
{
    if (m_key)
        RegSetValueExA(m_key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

bool CSettingsKey::ReadString(const char* name, DWORD capacityBytes, std::string& text) const
{
    std::vector<char> buffer(capacityBytes);
    DWORD type = 0;
    DWORD size = capacityBytes;
    if (!m_key
        || RegQueryValueExA(m_key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size)
               != ERROR_SUCCESS
        || !IsString(type) || size == 0 || buffer[size - 1] != '\0')
        return false;
    text = buffer.data();
    return true;
}

bool CSettingsKey::ReadString(const char* name, DWORD capacityBytes, std::wstring& text) const
{
    std::vector<wchar_t> buffer(capacityBytes / sizeof(wchar_t));
    DWORD type = 0;
    DWORD size = capacityBytes;
    if (!m_key
        || RegQueryValueExW(m_key, Widened(name).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                            &size)
               != ERROR_SUCCESS
        || !IsString(type) || size < sizeof(wchar_t) || size % sizeof(wchar_t) != 0
        || buffer[size / sizeof(wchar_t) - 1] != L'\0')
        return false;
    text = buffer.data();
    return true;
}

void CSettingsKey::WriteString(const char* name, const std::string& text) const
{
    if (m_key)
        RegSetValueExA(m_key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>(text.size() + 1));
}

void CSettingsKey::WriteString(const char* name, const std::wstring& text) const
{
    if (m_key)
        RegSetValueExW(m_key, Widened(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}
