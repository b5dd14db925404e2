#include "win/ui/PropertySheet.h"

#include "win/ui/HtmlHelp.h"
#include "win/ui/ModalDialog.h"
#include "win/ui/ThemeScope.h"
#include "win/ui/WindowDpi.h"

namespace {
const wchar_t kSheetProperty[] = L"Stochal.WizardSheet";
// The sheet being created on this thread, until its callback takes it.
thread_local CWizardSheet* t_creating = nullptr;
} // namespace

INT_PTR CALLBACK CWizardPage::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        const auto* description = reinterpret_cast<const PROPSHEETPAGEW*>(lParam);
        SetWindowLongPtrW(window, DWLP_USER, description->lParam);
        reinterpret_cast<CWizardPage*>(description->lParam)->m_window = window;
    }
    auto* page = reinterpret_cast<CWizardPage*>(GetWindowLongPtrW(window, DWLP_USER));
    return page ? page->Dispatch(message, wParam, lParam) : FALSE;
}

INT_PTR CWizardPage::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInit();
        return TRUE;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_NOTIFY:
        if (OnNotify(*reinterpret_cast<const NMHDR*>(lParam)))
            return TRUE;
        break;
    case WM_DPICHANGED_AFTERPARENT:
        // Left to the dialog manager as well, which rescales the page's
        // template controls on Windows.
        OnDpiChanged();
        return FALSE;
    case WM_DESTROY: {
        INT_PTR ignored = 0;
        OnMessage(message, wParam, lParam, ignored);
        m_window = nullptr;
        return FALSE;
    }
    default:
        break;
    }
    INT_PTR result = 0;
    if (!OnMessage(message, wParam, lParam, result))
        return FALSE;
    // Colour requests return their brush directly; others through the
    // dialog's result slot.
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
        return result;
    SetWindowLongPtrW(m_window, DWLP_MSGRESULT, result);
    return TRUE;
}

UINT CWizardPage::Dpi() const
{
    return m_sheet && m_sheet->m_changedDpi != 0 ? m_sheet->m_changedDpi : WindowDpi(m_window);
}

bool CWizardPage::OnNotify(const NMHDR& header)
{
    switch (header.code) {
    case PSN_SETACTIVE:
        OnSetActive();
        SetWindowLongPtrW(m_window, DWLP_MSGRESULT, 0);
        return true;
    case PSN_WIZFINISH: {
        const bool accepted = OnWizardFinish();
        if (accepted && m_sheet)
            m_sheet->m_finished = true;
        SetWindowLongPtrW(m_window, DWLP_MSGRESULT, accepted ? FALSE : TRUE);
        return true;
    }
    default:
        return false;
    }
}

void CWizardSheet::AddPage(CWizardPage& page)
{
    page.m_sheet = this;
    m_pages.push_back(&page);
}

INT_PTR CWizardSheet::ShowModal(HWND owner)
{
    std::vector<PROPSHEETPAGEW> pages(m_pages.size());
    for (size_t i = 0; i < m_pages.size(); ++i) {
        PROPSHEETPAGEW& description = pages[i];
        description = PROPSHEETPAGEW{};
        description.dwSize = sizeof description;
        description.hInstance = ResourceModule();
        description.pszTemplate = MAKEINTRESOURCEW(m_pages[i]->m_templateId);
        description.pfnDlgProc = &CWizardPage::Procedure;
        description.lParam = reinterpret_cast<LPARAM>(m_pages[i]);
    }
    PROPSHEETHEADERW header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_WIZARD | PSH_PROPSHEETPAGE | PSH_USECALLBACK;
    header.hwndParent = owner;
    header.hInstance = ResourceModule();
    header.nPages = static_cast<UINT>(pages.size());
    header.ppsp = pages.data();
    header.pfnCallback = &CWizardSheet::SheetCallback;
    m_finished = false;
    m_changedDpi = 0;
    CThemeScope themed;
    t_creating = this;
    const INT_PTR shown = PropertySheetW(&header);
    t_creating = nullptr;
    m_window = nullptr;
    if (shown < 0)
        return -1;
    return m_finished ? 1 : 0;
}

void CWizardSheet::PostWizardButtons(DWORD flags) const
{
    PostMessageW(m_window, PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(flags));
}

int CALLBACK CWizardSheet::SheetCallback(HWND window, UINT message, LPARAM)
{
    if (message == PSCB_INITIALIZED && t_creating) {
        CWizardSheet* sheet = t_creating;
        t_creating = nullptr;
        sheet->m_window = window;
        SetPropW(window, kSheetProperty, sheet);
        sheet->m_previousProcedure = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWizardSheet::SheetProcedure)));
    }
    return 0;
}

LRESULT CALLBACK CWizardSheet::SheetProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* sheet = static_cast<CWizardSheet*>(GetPropW(window, kSheetProperty));
    if (!sheet)
        return DefWindowProcW(window, message, wParam, lParam);
    const WNDPROC previous = sheet->m_previousProcedure;
    LRESULT result = 0;
    if (sheet->OnSheetMessage(message, wParam, lParam, result))
        return result;
    // F1 on a page's control reaches the sheet as the control's parents
    // pass WM_HELP up.
    if (message == WM_HELP) {
        ShowHelpTopic(window, sheet->m_helpTopic);
        return TRUE;
    }
    // WM_DPICHANGED: "the HIWORD of the wParam contains the Y-axis value
    // of the new dpi of the window"; the dialog manager of a per-monitor
    // dialog resizes the sheet and re-lays its controls, and the pages
    // follow on WM_DPICHANGED_AFTERPARENT.
    if (message == WM_DPICHANGED)
        sheet->m_changedDpi = HIWORD(wParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        RemovePropW(window, kSheetProperty);
    }
    return CallWindowProcW(previous, window, message, wParam, lParam);
}

void FocusAndSelect(HWND dialog, HWND edit)
{
    HWND top = GetAncestor(dialog, GA_ROOT);
    SendMessageW(top, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(edit), TRUE);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}
