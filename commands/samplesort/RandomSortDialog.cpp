#include "commands/samplesort/RandomSortDialog.h"

#include "resources/ResourceIds.h"
#include "settings/SettingsStore.h"

namespace {

const char kSection[] = "Random Sort";

} // namespace

CRandomSort::CRandomSort() : CModalDialog(IDD_RANDOM_SORT, L"sort.htm") {}

bool CRandomSort::OnInit()
{
    const CSettingsStore& store = SettingsStore();
    SetChecked(IDC_SORT_GROUP_ROWS, store.ReadBool(kSection, "Group Rows", true));
    CheckRadio(IDC_SORT_IN_PLACE, IDC_SORT_CLIPBOARD,
               static_cast<int>(store.ReadDword(kSection, "Output Mode", IDC_SORT_CLIPBOARD)));
    return true;
}

void CRandomSort::OnOk()
{
    m_groupRows = IsChecked(IDC_SORT_GROUP_ROWS);
    m_toClipboard = IsChecked(IDC_SORT_CLIPBOARD);
    const CSettingsStore& store = SettingsStore();
    store.WriteBool(kSection, "Group Rows", m_groupRows);
    store.WriteDword(kSection, "Output Mode", m_toClipboard ? IDC_SORT_CLIPBOARD : IDC_SORT_IN_PLACE);
    End(IDOK);
}
