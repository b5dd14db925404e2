#pragma once
#include <windows.h>

#include <string>

// A modal dialog built from a dialog template of this module: the small
// part of a window framework that the commands need. A dialog class derives
// from it, handles the events it cares about, and reads and sets its
// controls through the helpers. Texts are wide throughout.
class CModalDialog {
public:
    CModalDialog(const CModalDialog&) = delete;
    CModalDialog& operator=(const CModalDialog&) = delete;

    // Shows the dialog until it ends; returns the id it ended with (IDOK,
    // IDCANCEL), or -1 when the dialog could not be created.
    INT_PTR DoModal(HWND owner);

protected:
    // F1 shows helpTopic, a topic of the help file such as L"sort.htm".
    CModalDialog(WORD templateId, const wchar_t* helpTopic) : m_templateId(templateId), m_helpTopic(helpTopic) {}
    virtual ~CModalDialog() = default;

    // WM_INITDIALOG. Return false when the focus was set by the handler.
    virtual bool OnInit() { return true; }
    // A click or notification from control id; OK and Cancel arrive here too.
    virtual void OnCommand(WORD id, WORD code);
    virtual void OnOk() { End(IDOK); }
    virtual void OnCancel() { End(IDCANCEL); }
    // Any other message; return true when handled, with its result.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);

    void End(INT_PTR result) { EndDialog(m_window, result); }
    HWND Handle() const { return m_window; }
    HWND Item(int id) const { return GetDlgItem(m_window, id); }

    // The control's text, at most maxChars characters.
    std::wstring ItemText(int id, size_t maxChars = 1023) const;
    void SetItemText(int id, const std::wstring& text) const;
    bool IsChecked(int id) const;
    void SetChecked(int id, bool checked) const;
    // Checks id among the radio buttons first..last.
    void CheckRadio(int first, int last, int id) const;
    void EnableItem(int id, bool enabled) const;
    // Moves the keyboard focus to the control, as Tab would.
    void FocusItem(int id) const;
    // A message box owned by the dialog.
    int ShowMessage(const std::wstring& text, const std::wstring& caption, UINT flags = MB_OK | MB_ICONEXCLAMATION) const;

private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    WORD m_templateId;
    const wchar_t* m_helpTopic;
    HWND m_window = nullptr;
};

// The module whose resources hold the dialog templates and pictures.
HINSTANCE ResourceModule();
