#include "win/com/KeySnapshot.h"

std::unique_ptr<CKeySnapshot> CKeySnapshot::Take(HKEY root, const std::wstring& path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return nullptr;
    auto snapshot = std::make_unique<CKeySnapshot>();
    const bool read = snapshot->Read(key);
    RegCloseKey(key);
    return read ? std::move(snapshot) : nullptr;
}

bool CKeySnapshot::Read(HKEY key)
{
    DWORD subkeys = 0, values = 0, longestSubkey = 0, longestName = 0, longestData = 0;
    if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeys, &longestSubkey, nullptr, &values,
                         &longestName, &longestData, nullptr, nullptr)
        != ERROR_SUCCESS)
        return false;
    for (DWORD i = 0; i < values; ++i) {
        std::vector<wchar_t> name(longestName + 1);
        DWORD nameLength = longestName + 1;
        CValue value{L"", 0, std::vector<BYTE>(longestData)};
        DWORD size = longestData;
        if (RegEnumValueW(key, i, name.data(), &nameLength, nullptr, &value.type, value.data.data(), &size)
            != ERROR_SUCCESS)
            return false;
        value.name.assign(name.data(), nameLength);
        value.data.resize(size);
        m_values.push_back(std::move(value));
    }
    for (DWORD i = 0; i < subkeys; ++i) {
        std::vector<wchar_t> name(longestSubkey + 1);
        DWORD nameLength = longestSubkey + 1;
        if (RegEnumKeyExW(key, i, name.data(), &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            return false;
        HKEY child = nullptr;
        if (RegOpenKeyExW(key, name.data(), 0, KEY_READ, &child) != ERROR_SUCCESS)
            return false;
        CKeySnapshot snapshot;
        const bool read = snapshot.Read(child);
        RegCloseKey(child);
        if (!read)
            return false;
        m_subkeys.emplace_back(std::wstring(name.data(), nameLength), std::move(snapshot));
    }
    return true;
}

HRESULT CKeySnapshot::Write(HKEY key) const
{
    for (const CValue& value : m_values) {
        const LONG status = RegSetValueExW(key, value.name.empty() ? nullptr : value.name.c_str(), 0, value.type,
                                           value.data.data(), static_cast<DWORD>(value.data.size()));
        if (status != ERROR_SUCCESS)
            return HRESULT_FROM_WIN32(status);
    }
    for (const auto& subkey : m_subkeys) {
        HKEY child = nullptr;
        const LONG status = RegCreateKeyExW(key, subkey.first.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &child,
                                            nullptr);
        if (status != ERROR_SUCCESS)
            return HRESULT_FROM_WIN32(status);
        const HRESULT written = subkey.second.Write(child);
        RegCloseKey(child);
        if (FAILED(written))
            return written;
    }
    return S_OK;
}

HRESULT CKeySnapshot::Restore(HKEY root, const std::wstring& path) const
{
    const LONG deleted = RegDeleteTreeW(root, path.c_str());
    if (deleted != ERROR_SUCCESS && deleted != ERROR_FILE_NOT_FOUND)
        return HRESULT_FROM_WIN32(deleted);
    HKEY key = nullptr;
    const LONG status = RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS)
        return HRESULT_FROM_WIN32(status);
    const HRESULT written = Write(key);
    RegCloseKey(key);
    return written;
}
