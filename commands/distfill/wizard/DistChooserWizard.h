#pragma once
#include <windows.h>
#include <boost/function.hpp>
#include <memory>
#include <string>
#include <vector>

#include "commands/distfill/wizard/ChooseMethod.h"
#include "commands/distfill/wizard/ChooserPages.h"
#include "qdists/Distribution.h"
#include "settings/SettingsKey.h"
#include "win/ui/PropertySheet.h"

// The three-page wizard of "Fill from Distribution": a distribution from
// the grid, its parameters with a live graph, and where the numbers go.
// It owns the sixteen distributions and keeps the choices in the registry.
class CWtlDistChooserWizard : private CWizardSheet {
public:
    CWtlDistChooserWizard();   // the sixteen distributions at their initial values
    ~CWtlDistChooserWizard();
    using AddressValidator = boost::function<bool(const std::wstring&)>;
    void SetAddressValidator(AddressValidator validator);
    void SetSelectionUsable(bool usable);
    void Load(const CSettingsKey& key); // the "Distributions" subkey, opened by the caller
    void Save(const CSettingsKey& key) const;
    INT_PTR DoModal(HWND owner); // 1 when the user pressed Finish
    qdists::VDistribution* Selected() const; // owned by the wizard; null if none
    unsigned Method() const;
    int Columns() const;
    int Rows() const;
    int Count() const;
    const std::wstring& Text() const; // the address or the file name

private:
    bool OnSheetMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Choose(qdists::VDistribution* distribution);
    void LoadSelectedName(const CSettingsKey& key);

    std::vector<std::unique_ptr<qdists::VDistribution>> m_distributions;
    CWtlChooserDistribution m_distributionPage;
    CWtlChooserParameters m_parametersPage;
    CChooseMethod m_methodPage;
    qdists::VDistribution* m_selected = nullptr;
    bool m_selectionUsable = false;
};
