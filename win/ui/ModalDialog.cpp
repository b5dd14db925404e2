#include "win/ui/ModalDialog.h"

#include <vector>

#include "win/ui/HtmlHelp.h"
#include "win/ui/ThemeScope.h"
#include "xlw/XlfBinding.h"

HINSTANCE ResourceModule()
{
    return static_cast<HINSTANCE>(CurrentModule());
}

INT_PTR CModalDialog::DoModal(HWND owner)
{
    CThemeScope themed;
    return DialogBoxParamW(ResourceModule(), MAKEINTRESOURCEW(m_templateId), owner, &CModalDialog::Procedure,
                           reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CModalDialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<CModalDialog*>(lParam);
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        dialog->m_window = window;
    }
    auto* dialog = reinterpret_cast<CModalDialog*>(GetWindowLongPtrW(window, DWLP_USER));
    return dialog ? dialog->Dispatch(message, wParam, lParam) : FALSE;
}

INT_PTR CModalDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInit() ? TRUE : FALSE;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_HELP:
        ShowHelpTopic(m_window, m_helpTopic);
        SetWindowLongPtrW(m_window, DWLP_MSGRESULT, TRUE);
        return TRUE;
    default: {
        INT_PTR result = 0;
        if (!OnMessage(message, wParam, lParam, result))
            return FALSE;
        SetWindowLongPtrW(m_window, DWLP_MSGRESULT, result);
        return TRUE;
    }
    }
}

void CModalDialog::OnCommand(WORD id, WORD)
{
    if (id == IDOK)
        OnOk();
    else if (id == IDCANCEL)
        OnCancel();
}

bool CModalDialog::OnMessage(UINT, WPARAM, LPARAM, INT_PTR&)
{
    return false;
}

std::wstring CModalDialog::ItemText(int id, size_t maxChars) const
{
    std::vector<wchar_t> buffer(maxChars + 1, L'\0');
    const int length = GetDlgItemTextW(m_window, id, buffer.data(), static_cast<int>(buffer.size()));
    return std::wstring(buffer.data(), static_cast<size_t>(length));
}

void CModalDialog::SetItemText(int id, const std::wstring& text) const
{
    SetDlgItemTextW(m_window, id, text.c_str());
}

bool CModalDialog::IsChecked(int id) const
{
    return IsDlgButtonChecked(m_window, id) == BST_CHECKED;
}

void CModalDialog::SetChecked(int id, bool checked) const
{
    CheckDlgButton(m_window, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void CModalDialog::CheckRadio(int first, int last, int id) const
{
    CheckRadioButton(m_window, first, last, id);
}

void CModalDialog::EnableItem(int id, bool enabled) const
{
    EnableWindow(Item(id), enabled ? TRUE : FALSE);
}

void CModalDialog::FocusItem(int id) const
{
    SendMessageW(m_window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE);
}

int CModalDialog::ShowMessage(const std::wstring& text, const std::wstring& caption, UINT flags) const
{
    CThemeScope themed;
    return MessageBoxW(m_window, text.c_str(), caption.c_str(), flags);
}
