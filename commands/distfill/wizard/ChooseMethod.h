#pragma once
#include <windows.h>

#include <array>
#include <functional>
#include <string>

#include "commands/distfill/wizard/FilterEdit.h"
#include "commands/distfill/wizard/OutputChoice.h"
#include "settings/SettingsKey.h"
#include "win/ui/PropertySheet.h"

// Page 3, "Choose Output Method": where the numbers go, with the fields of
// each method, checked when the user presses Finish.
class CChooseMethod : public CWizardPage {
public:
    using AddressValidator = std::function<bool(const std::wstring&)>;

    CChooseMethod();
    void SetAddressValidator(AddressValidator validator) { m_addressValidator = std::move(validator); }
    void SetSelectionUsable(bool usable) { m_selectionUsable = usable; }
    // The values under the subkey "Method" of key; defaults where they are
    // missing or unreadable.
    void Load(const CSettingsKey& key);
    void Save(const CSettingsKey& key) const;
    const chooser::OutputSettings& Settings() const { return m_settings; }

protected:
    void OnInit() override;
    void OnSetActive() override;
    bool OnWizardFinish() override;
    void OnCommand(WORD id, WORD code) override;

private:
    unsigned CheckedMethod() const;
    void CheckMethod(unsigned method) const;
    void UpdateEnabledControls() const;
    void MoveTabStopToCheckedMethod() const;
    void FillFields() const;
    std::wstring FieldText(int id, size_t maxChars) const;
    void Browse();

    chooser::OutputSettings m_settings;
    bool m_selectionUsable = false;
    AddressValidator m_addressValidator;
    std::array<CFilterEdit, 6> m_edits;
};

// Whether a path names an existing directory.
bool IsExistingDirectory(const std::wstring& path);
