// The output page's values in the settings, under the subkey "Method".
#include "commands/distfill/wizard/ChooseMethod.h"

using namespace chooser;

namespace {
const char kMethodKey[] = "Method";
constexpr DWORD kTextBytes = 1024;
} // namespace

void CChooseMethod::Load(const CSettingsKey& parent)
{
    const CSettingsKey key = parent.Create(kMethodKey);
    if (!key.IsOpen()) {
        m_settings.method = kMethodSelectionId;
        return;
    }
    const DWORD method = key.ReadDword("Method", kMethodSelectionId);
    const bool known = method >= kMethodSelectionId && method <= kMethodWorksheetId;
    m_settings.method = known ? static_cast<unsigned>(method) : static_cast<unsigned>(kMethodSelectionId);
    m_settings.text.clear();
    key.ReadString("String", kTextBytes, m_settings.text);
    m_settings.columns = static_cast<int>(key.ReadDword("Columns", 1));
    m_settings.rows = static_cast<int>(key.ReadDword("Rows", 1));
    m_settings.count = static_cast<int>(key.ReadDword("Count", 1));
}

void CChooseMethod::Save(const CSettingsKey& parent) const
{
    const CSettingsKey key = parent.Create(kMethodKey);
    key.WriteString("String", m_settings.text);
    key.WriteDword("Rows", static_cast<DWORD>(m_settings.rows));
    key.WriteDword("Columns", static_cast<DWORD>(m_settings.columns));
    key.WriteDword("Count", static_cast<DWORD>(m_settings.count));
    key.WriteDword("Method", m_settings.method);
}
