#include "commands/samplesort/RandomSampleDialog.h"

#include "commands/samplesort/ColumnLabels.h"
#include "commands/samplesort/SampleCount.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsStore.h"

namespace {

const char kSection[] = "Sample Dialog";
const wchar_t kNoCaption[] = L"";

} // namespace

CRandomSample::CRandomSample(const CExcelRange& selection)
    : CModalDialog(IDD_RANDOM_SAMPLE, L"sample.htm"), m_selection(selection), m_rows(selection.RowCount()),
      m_columns(selection.ColumnCount())
{
    // The columns of a block are consecutive sheet columns from its first.
    const long first = selection.SheetColumn();
    for (long i = 0; i < m_columns; ++i)
        m_columnLabels.push_back(ColumnLabel(first + i));
}

bool CRandomSample::OnInit()
{
    const CSettingsStore& store = SettingsStore();
    SetChecked(IDC_SAMPLE_UNIQUE, store.ReadBool(kSection, "Unique", false));
    const auto count = static_cast<std::int32_t>(store.ReadDword(kSection, "Count", 100));
    SetItemText(IDC_SAMPLE_COUNT, std::to_wstring(count));
    CheckRadio(IDC_SAMPLE_EQUAL, IDC_SAMPLE_WEIGHTED,
               static_cast<int>(store.ReadDword(kSection, "Weight", IDC_SAMPLE_EQUAL)));
    const HWND combo = Item(IDC_SAMPLE_COLUMN);
    for (const std::wstring& label : m_columnLabels)
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label.c_str()));
    // An entry that does not exist selects nothing.
    SendMessageW(combo, CB_SETCURSEL, store.ReadDword(kSection, "Weight Column", 0), 0);
    EnableColumnChoice();
    return true;
}

void CRandomSample::OnCommand(WORD id, WORD code)
{
    if (id == IDC_SAMPLE_EQUAL || id == IDC_SAMPLE_WEIGHTED)
        EnableColumnChoice();
    else
        CModalDialog::OnCommand(id, code);
}

void CRandomSample::EnableColumnChoice() const
{
    EnableItem(IDC_SAMPLE_COLUMN, !IsChecked(IDC_SAMPLE_EQUAL));
}

void CRandomSample::OnOk()
{
    if (!ReadChoices())
        return;
    SaveChoices();
    End(IDOK);
}

bool CRandomSample::ReadChoices()
{
    if (!ParseSampleCount(ItemText(IDC_SAMPLE_COUNT), m_count)) {
        ShowMessage(L"Invalid number of samples", kNoCaption, MB_OK);
        return false;
    }
    m_unique = IsChecked(IDC_SAMPLE_UNIQUE);
    m_weighted = !IsChecked(IDC_SAMPLE_EQUAL);
    if (m_weighted) {
        const LRESULT selected = SendMessageW(Item(IDC_SAMPLE_COLUMN), CB_GETCURSEL, 0, 0);
        if (selected == CB_ERR) {
            ShowMessage(L"Select the column that contains the weights.", kNoCaption, MB_OK);
            return false;
        }
        m_weightColumn = static_cast<std::int32_t>(selected);
    }
    if (m_unique && m_count > m_rows) {
        ShowMessage(L"Not enough rows selected to generate unique samples.", kNoCaption, MB_OK);
        return false;
    }
    return true;
}

void CRandomSample::SaveChoices() const
{
    const CSettingsStore& store = SettingsStore();
    store.WriteBool(kSection, "Unique", m_unique);
    store.WriteDword(kSection, "Count", static_cast<DWORD>(m_count));
    store.WriteDword(kSection, "Weight", m_weighted ? IDC_SAMPLE_WEIGHTED : IDC_SAMPLE_EQUAL);
    if (m_weighted)
        store.WriteDword(kSection, "Weight Column", static_cast<DWORD>(m_weightColumn));
}
