#pragma once
#include <windows.h>

#include <string>

// An edit field of the chooser: a plain system edit control, attached to
// one of a dialog's edits or created as a child.
class CFilterEdit {
public:
    void Attach(HWND edit) { m_window = edit; }
    // A bordered edit with a tab stop; false when Windows refused.
    bool Create(HWND parent, const RECT& rect, int id, HFONT font);
    HWND Handle() const { return m_window; }
    std::wstring Text() const;
    void SetText(const std::wstring& text) const;
    void LimitText(int characters) const;

private:
    HWND m_window = nullptr;
};
