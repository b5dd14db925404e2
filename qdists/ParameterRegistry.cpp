// The registry side of SaveParameters and LoadParameters; the formatting
// and parsing rules live in ParameterText so they are tested everywhere.
#ifdef _WIN32
#include <windows.h>

#include "qdists/Distribution.h"
#include "qdists/ParameterText.h"

namespace qdists {

namespace {
constexpr DWORD kValueBufferSize = 156;

// Closes the subkey however the function leaves.
class CKeyCloser {
public:
    explicit CKeyCloser(HKEY key) : m_key(key) {}
    ~CKeyCloser() { RegCloseKey(m_key); }
    CKeyCloser(const CKeyCloser&) = delete;
    CKeyCloser& operator=(const CKeyCloser&) = delete;

private:
    HKEY m_key;
};
} // namespace

void VDistribution::SaveParameters(HKEY parent) const
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(parent, GetName(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    CKeyCloser closer(key);
    for (unsigned i = 0; i < GetParameterCount(); ++i) {
        const std::string text = FormatParameterValue(GetParameter(i));
        RegSetValueExA(key, GetParameterInfo(i).symbol.c_str(), 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(text.c_str()), static_cast<DWORD>(text.size() + 1));
    }
}

void VDistribution::LoadParameters(HKEY parent)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(parent, GetName(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return;
    }
    CKeyCloser closer(key);
    for (unsigned i = 0; i < GetParameterCount(); ++i) {
        const ParameterInfo& info = GetParameterInfo(i);
        char buffer[kValueBufferSize] = {};
        DWORD type = REG_NONE;
        DWORD size = sizeof buffer;
        const LONG result =
            RegQueryValueExA(key, info.symbol.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
        const StoredParameterValue stored{result == ERROR_SUCCESS, type == REG_SZ || type == REG_EXPAND_SZ, buffer,
                                          size};
        double value = 0.0;
        if (ParseStoredParameter(stored, info.bounds, value)) {
            SetParameter(i, value);
        }
    }
}

} // namespace qdists
#endif
