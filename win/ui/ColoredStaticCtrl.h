#pragma once
#include <windows.h>

#include "win/ui/GdiObject.h"

// A static text with its own colours for the enabled and the disabled
// state. Its parent passes on the colour request (WM_CTLCOLORSTATIC) that
// Windows sends for it.
class CColoredStaticCtrl {
public:
    static constexpr COLORREF kDefault = static_cast<COLORREF>(-1);

    bool Create(HWND parent, const RECT& rect, HFONT font);
    HWND Handle() const { return m_window; }
    void SetText(const wchar_t* text) const { SetWindowTextW(m_window, text); }

    // kDefault: button text on button face.
    void SetColors(COLORREF text, COLORREF background);
    // kDefault: grey text on button face.
    void SetDisabledColors(COLORREF text, COLORREF background);
    // The answer to WM_CTLCOLORSTATIC: colours set into dc, brush returned.
    HBRUSH OnCtlColor(HDC dc) const;

private:
    struct Palette {
        COLORREF text = 0;
        COLORREF background = 0;
        HBRUSH brush = nullptr;
        CGdiObject<HBRUSH> owned;
    };
    void Set(Palette& palette, COLORREF text, COLORREF background, int defaultText);

    HWND m_window = nullptr;
    Palette m_enabled;
    Palette m_disabled;
};
