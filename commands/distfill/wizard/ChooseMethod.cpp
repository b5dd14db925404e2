#include "commands/distfill/wizard/ChooseMethod.h"

#include <commdlg.h>

#include <filesystem>
#include <system_error>
#include <vector>

#include "commands/distfill/wizard/ChooserMessages.h"
#include "commands/distfill/wizard/ChooserText.h"
#include "resources/ResourceIds.h"

using namespace chooser;

namespace {
constexpr int kNumberChars = 10;
constexpr size_t kNumberFieldChars = 255;
constexpr size_t kFileFieldChars = 261;
constexpr size_t kAddressChars = 1023;
constexpr int kEditIds[] = {kSheetRowsEdit, kSheetColumnsEdit, kClipboardRowsEdit, kClipboardColumnsEdit,
                            kFileEdit, kCountEdit};
constexpr int kFirstMethodControl = kClipboardColumnsEdit;
constexpr int kLastMethodControl = kAddressEdit;
constexpr int kUnusedIds[] = {1015, 1016};
constexpr wchar_t kFileFilter[] = L"Text Files (*.txt)\0*.txt\0Data Files (*.dat)\0*.dat\0All Files (*.*)\0*.*\0";
} // namespace

// std::filesystem stands where a Boost.Filesystem build is not available to
// the cross compiler; a path that cannot be examined is no directory.
bool IsExistingDirectory(const std::wstring& path)
{
    std::error_code error;
    const std::filesystem::path native(path);
    return std::filesystem::exists(native, error) && std::filesystem::is_directory(native, error);
}

CChooseMethod::CChooseMethod() : CWizardPage(IDD_CHOOSE_METHOD) {}

void CChooseMethod::OnInit()
{
    CheckMethod(kMethodSelectionId);
    UpdateEnabledControls();
    for (size_t i = 0; i < m_edits.size(); ++i) {
        m_edits[i].Attach(Item(kEditIds[i]));
        if (kEditIds[i] != kFileEdit)
            m_edits[i].LimitText(kNumberChars);
    }
    if (!m_selectionUsable) {
        EnableWindow(Item(kMethodSelectionId), FALSE);
        if (m_settings.method == kMethodSelectionId)
            m_settings.method = kMethodAddressId;
    }
    CheckMethod(m_settings.method);
    FillFields();
    UpdateEnabledControls();
    MoveTabStopToCheckedMethod();
}

void CChooseMethod::OnSetActive()
{
    SendMessageW(Sheet(), WMU_METHOD_PAGE_ACTIVE, 0, 0);
}

void CChooseMethod::CheckMethod(unsigned method) const
{
    for (unsigned id = kMethodSelectionId; id <= kMethodWorksheetId; ++id)
        CheckDlgButton(Handle(), static_cast<int>(id), id == method ? BST_CHECKED : BST_UNCHECKED);
}

unsigned CChooseMethod::CheckedMethod() const
{
    for (unsigned id = kMethodSelectionId; id <= kMethodWorksheetId; ++id) {
        if (IsDlgButtonChecked(Handle(), static_cast<int>(id)) == BST_CHECKED)
            return id;
    }
    return kMethodSelectionId;
}

void CChooseMethod::UpdateEnabledControls() const
{
    const unsigned method = CheckedMethod();
    for (int id = kFirstMethodControl; id <= kLastMethodControl; ++id) {
        if (id != kUnusedIds[0] && id != kUnusedIds[1])
            EnableWindow(Item(id), IsControlOfMethod(id, method) ? TRUE : FALSE);
    }
}

// Tab enters the group at its checked button, which is always enabled; the
// first button may not be.
void CChooseMethod::MoveTabStopToCheckedMethod() const
{
    const unsigned checked = CheckedMethod();
    for (unsigned id = kMethodSelectionId; id <= kMethodWorksheetId; ++id) {
        const HWND button = Item(static_cast<int>(id));
        const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
        SetWindowLongPtrW(button, GWL_STYLE, id == checked ? style | WS_TABSTOP : style & ~LONG_PTR{WS_TABSTOP});
    }
}

void CChooseMethod::FillFields() const
{
    switch (m_settings.method) {
    case kMethodAddressId:
        SetDlgItemTextW(Handle(), kAddressEdit, m_settings.text.c_str());
        break;
    case kMethodClipboardId:
        SetDlgItemTextW(Handle(), kClipboardColumnsEdit, FormatCount(m_settings.columns).c_str());
        SetDlgItemTextW(Handle(), kClipboardRowsEdit, FormatCount(m_settings.rows).c_str());
        break;
    case kMethodWorksheetId:
        SetDlgItemTextW(Handle(), kSheetColumnsEdit, FormatCount(m_settings.columns).c_str());
        SetDlgItemTextW(Handle(), kSheetRowsEdit, FormatCount(m_settings.rows).c_str());
        break;
    case kMethodFileId:
        SetDlgItemTextW(Handle(), kFileEdit, m_settings.text.c_str());
        SetDlgItemTextW(Handle(), kCountEdit, FormatCount(m_settings.count).c_str());
        break;
    default:
        break;
    }
}

void CChooseMethod::OnCommand(WORD id, WORD code)
{
    if (code != BN_CLICKED)
        return;
    if (id >= kMethodSelectionId && id <= kMethodWorksheetId) {
        UpdateEnabledControls();
        MoveTabStopToCheckedMethod();
    } else if (id == kBrowseButton) {
        Browse();
    }
}

std::wstring CChooseMethod::FieldText(int id, size_t maxChars) const
{
    std::vector<wchar_t> buffer(maxChars + 1, L'\0');
    const int length = GetDlgItemTextW(Handle(), id, buffer.data(), static_cast<int>(buffer.size()));
    return std::wstring(buffer.data(), static_cast<size_t>(length));
}

bool CChooseMethod::OnWizardFinish()
{
    OutputFields fields;
    fields.method = CheckedMethod();
    fields.address = FieldText(kAddressEdit, kAddressChars);
    fields.clipboardColumns = FieldText(kClipboardColumnsEdit, kNumberFieldChars);
    fields.clipboardRows = FieldText(kClipboardRowsEdit, kNumberFieldChars);
    fields.sheetColumns = FieldText(kSheetColumnsEdit, kNumberFieldChars);
    fields.sheetRows = FieldText(kSheetRowsEdit, kNumberFieldChars);
    fields.count = FieldText(kCountEdit, kNumberFieldChars);
    fields.file = FieldText(kFileEdit, kFileFieldChars);
    OutputChecks checks;
    checks.isValidAddress = m_addressValidator;
    checks.isDirectory = &IsExistingDirectory;
    const OutputVerdict verdict = CheckOutput(fields, checks, m_settings);
    if (verdict.accepted)
        return true;
    MessageBoxW(Handle(), verdict.message.c_str(), L"", MB_OK);
    FocusAndSelect(Handle(), Item(verdict.focusId));
    return false;
}

void CChooseMethod::Browse()
{
    std::vector<wchar_t> name(MAX_PATH + 1, L'\0');
    const std::wstring current = FieldText(kFileEdit, MAX_PATH);
    current.copy(name.data(), MAX_PATH);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = Handle();
    dialog.lpstrFilter = kFileFilter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.lpstrDefExt = L"txt";
    // Excel's current directory is not ours to move.
    dialog.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR;
    if (GetSaveFileNameW(&dialog))
        SetDlgItemTextW(Handle(), kFileEdit, name.data());
}
