#include "commands/distfill/wizard/DistChooserWizard.h"

#include "commands/distfill/wizard/ChooserMessages.h"
#include "commands/distfill/wizard/ChooserText.h"
#include "commands/distfill/wizard/SavedParameters.h"
#include "qdists/DistributionCatalog.h"

namespace {
const char kSelectedValue[] = "Selected";
constexpr DWORD kSelectedBytes = 156;
} // namespace

CWtlDistChooserWizard::CWtlDistChooserWizard() : CWizardSheet(L"fill-distribution.htm")
{
    for (unsigned i = 0; i < qdists::kDistributionCount; ++i)
        m_distributions.push_back(qdists::CreateInitialDistribution(i));
    AddPage(m_distributionPage);
    AddPage(m_parametersPage);
    AddPage(m_methodPage);
}

CWtlDistChooserWizard::~CWtlDistChooserWizard() = default;

void CWtlDistChooserWizard::SetAddressValidator(AddressValidator validator)
{
    // An empty validator stays empty: every address then passes.
    if (validator.empty())
        m_methodPage.SetAddressValidator(nullptr);
    else
        m_methodPage.SetAddressValidator(validator);
}

void CWtlDistChooserWizard::SetSelectionUsable(bool usable)
{
    m_selectionUsable = usable;
}

void CWtlDistChooserWizard::Load(const CSettingsKey& key)
{
    for (const auto& distribution : m_distributions) {
        LoadParameters(key, *distribution);
        m_distributionPage.Grid().AddDistribution(distribution.get());
    }
    Choose(m_distributions.front().get());
    LoadSelectedName(key);
    m_methodPage.Load(key);
    m_methodPage.SetSelectionUsable(m_selectionUsable);
}

void CWtlDistChooserWizard::LoadSelectedName(const CSettingsKey& key)
{
    std::string name;
    if (!key.ReadString(kSelectedValue, kSelectedBytes, name))
        return;
    std::vector<const char*> names;
    for (const auto& distribution : m_distributions)
        names.push_back(distribution->GetName());
    const int found = chooser::FindNameIgnoringCase(names, name.c_str());
    if (found >= 0)
        Choose(m_distributions[static_cast<size_t>(found)].get());
}

void CWtlDistChooserWizard::Choose(qdists::VDistribution* distribution)
{
    m_selected = distribution;
    m_parametersPage.SetDistribution(distribution);
    m_distributionPage.Grid().SelectDistribution(distribution);
}

void CWtlDistChooserWizard::Save(const CSettingsKey& key) const
{
    if (m_selected)
        SaveParameters(key, *m_selected);
    m_methodPage.Save(key);
    if (m_selected)
        key.WriteString(kSelectedValue, m_selected->GetName());
}

INT_PTR CWtlDistChooserWizard::DoModal(HWND owner)
{
    return ShowModal(owner);
}

bool CWtlDistChooserWizard::OnSheetMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result)
{
    const DWORD nextIfValid = m_selected && m_selected->IsValid() ? PSWIZB_NEXT : 0;
    switch (message) {
    case WMU_DIST_PAGE_ACTIVE:
        PostWizardButtons(m_selected ? PSWIZB_NEXT : 0);
        break;
    case WMU_DIST_SELECTED:
        m_selected = reinterpret_cast<qdists::VDistribution*>(lParam);
        PostWizardButtons(m_selected ? PSWIZB_NEXT : 0);
        // Page 2 keeps its last distribution while none is chosen, and
        // cannot be reached then.
        if (m_selected)
            m_parametersPage.SetDistribution(m_selected);
        break;
    case WMU_PARAMS_PAGE_ACTIVE:
    case WMU_PARAMS_CHANGED:
        PostWizardButtons(PSWIZB_BACK | nextIfValid);
        break;
    case WMU_METHOD_PAGE_ACTIVE:
        PostWizardButtons(PSWIZB_BACK | PSWIZB_FINISH);
        break;
    default:
        return false;
    }
    result = 0;
    return true;
}

qdists::VDistribution* CWtlDistChooserWizard::Selected() const
{
    return m_selected;
}

unsigned CWtlDistChooserWizard::Method() const
{
    return m_methodPage.Settings().method;
}

int CWtlDistChooserWizard::Columns() const
{
    return m_methodPage.Settings().columns;
}

int CWtlDistChooserWizard::Rows() const
{
    return m_methodPage.Settings().rows;
}

int CWtlDistChooserWizard::Count() const
{
    return m_methodPage.Settings().count;
}

const std::wstring& CWtlDistChooserWizard::Text() const
{
    return m_methodPage.Settings().text;
}
