#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "commands/distfill/wizard/DistChooserWizard.h"

// Runs the chooser wizard modally on the test's thread while a second
// thread plays the user: it finds the wizard's windows, clicks, types and
// presses keys through window messages, and reads back what a user sees.
class CWizardDriver {
public:
    using Script = std::function<void(CWizardDriver&)>;

    // Loads the wizard from key, shows it and plays the script; the
    // wizard's DoModal result.
    static INT_PTR Run(CWtlDistChooserWizard& wizard, const CSettingsKey& key, const Script& script);

    CWtlDistChooserWizard& Wizard() { return m_wizard; }
    HWND Sheet() const { return m_sheet; }
    HWND Page() const;
    // The page's title as the sheet shows it.
    std::wstring Caption() const;

    // Waits (at most two seconds) until the condition holds; false if never.
    bool WaitFor(const std::function<bool()>& condition) const;
    bool ButtonEnabled(int sheetButtonId) const;
    void Press(int psbtn) const;
    void Cancel() const;

    HWND Grid() const;
    void ClickGrid(int x, int y) const;
    void DoubleClickGrid(int x, int y) const;
    void Key(WPARAM key) const;
    // A key posted to the focused window, through the wizard's message loop
    // as the keyboard's would be (Tab, Alt+letter, F1).
    void PostKey(WPARAM key, bool alt = false) const;

    HWND Item(int id) const { return GetDlgItem(Page(), id); }
    // An edit's text replaced keystroke by keystroke, as typed.
    void Type(HWND edit, const std::wstring& text) const;
    std::wstring TextOf(HWND window) const;
    // Page 2's parameter field of a row, and its red message line.
    HWND ParameterField(int row) const;
    std::wstring MessageLine() const;
    void ClickRadio(int id) const;
    bool Checked(int id) const { return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }

    // A dialog of the wizard's thread other than the wizard (a message box,
    // the save-file dialog), once it is up; null if none came.
    HWND WaitForDialog() const;
    // The text of the message box that appears, after closing it with OK;
    // empty if none appeared.
    std::wstring DismissMessageBox() const;
    HWND Focus() const;
    bool WholeTextSelected(HWND edit) const;

    // A picture of the wizard, as a BMP file under the build folder.
    void Shot(const std::string& name) const;
    // Pixels of pure red (255, 0, 0) on the wizard as the screen shows it.
    long RedPixels() const;

    static constexpr int kBack = 0x3023;
    static constexpr int kNext = 0x3024;
    static constexpr int kFinish = 0x3025;

private:
    CWizardDriver(CWtlDistChooserWizard& wizard, DWORD thread) : m_wizard(wizard), m_thread(thread) {}
    void Settle() const;
    // The wizard's pixels as the screen shows them, bottom-up 24-bit rows.
    void Capture(const std::function<void(const BITMAPINFOHEADER&, const unsigned char*)>& use) const;

    CWtlDistChooserWizard& m_wizard;
    DWORD m_thread;
    HWND m_sheet = nullptr;
};
