#pragma once
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <vector>

class CWizardSheet;

// One page of a wizard, built from a dialog template of this module; the
// page's title is the template's caption. A page class derives from it and
// handles the events it cares about.
class CWizardPage {
public:
    explicit CWizardPage(WORD templateId) : m_templateId(templateId) {}
    virtual ~CWizardPage() = default;
    CWizardPage(const CWizardPage&) = delete;
    CWizardPage& operator=(const CWizardPage&) = delete;

    HWND Handle() const { return m_window; }
    HWND Item(int id) const { return GetDlgItem(m_window, id); }
    // The DPI the page is drawn at.
    UINT Dpi() const;

protected:
    virtual void OnInit() {}
    virtual void OnSetActive() {}
    // Finish was pressed: false keeps the wizard open.
    virtual bool OnWizardFinish() { return true; }
    virtual void OnCommand(WORD, WORD) {}
    // The sheet moved to a monitor of another DPI (Dpi() tells which): the
    // page lays out again what it draws in pixels of its own.
    virtual void OnDpiChanged() {}
    // Any other message; true when handled, with its result.
    virtual bool OnMessage(UINT, WPARAM, LPARAM, INT_PTR&) { return false; }

    HWND Sheet() const { return GetParent(m_window); }

private:
    friend class CWizardSheet;
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    bool OnNotify(const NMHDR& header);

    WORD m_templateId;
    HWND m_window = nullptr;
    CWizardSheet* m_sheet = nullptr;
};

// A modal property sheet in wizard mode over pages of this module. The
// sheet's own window procedure is wrapped so that a derived class can
// answer the private messages its pages send it.
class CWizardSheet {
public:
    // F1 on any page shows helpTopic, a topic of the help file.
    explicit CWizardSheet(const wchar_t* helpTopic) : m_helpTopic(helpTopic) {}
    virtual ~CWizardSheet() = default;
    CWizardSheet(const CWizardSheet&) = delete;
    CWizardSheet& operator=(const CWizardSheet&) = delete;

    void AddPage(CWizardPage& page);
    // 1 when a page accepted Finish, 0 for Cancel, -1 when the sheet could
    // not be shown.
    INT_PTR ShowModal(HWND owner);
    HWND SheetHandle() const { return m_window; }
    // PSWIZB_ flags, posted so that they apply after the current message.
    void PostWizardButtons(DWORD flags) const;

protected:
    // A message sent to the sheet window; true when handled, with its result.
    virtual bool OnSheetMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

private:
    friend class CWizardPage;
    static int CALLBACK SheetCallback(HWND window, UINT message, LPARAM lParam);
    static LRESULT CALLBACK SheetProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    const wchar_t* m_helpTopic;
    // The DPI of the last WM_DPICHANGED, 0 before one: Windows gives the
    // new DPI in the message, which wine's GetDpiForWindow does not know.
    UINT m_changedDpi = 0;
    std::vector<CWizardPage*> m_pages;
    HWND m_window = nullptr;
    WNDPROC m_previousProcedure = nullptr;
    bool m_finished = false;
};

// Moves the keyboard focus to an edit of a dialog, with its whole text
// selected and scrolled into view.
void FocusAndSelect(HWND dialog, HWND edit);
