#include "win/ui/ColoredStaticCtrl.h"

#include "win/ui/ModalDialog.h"

bool CColoredStaticCtrl::Create(HWND parent, const RECT& rect, HFONT font)
{
    m_window = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT, rect.left, rect.top,
                               rect.right - rect.left, rect.bottom - rect.top, parent, nullptr, ResourceModule(),
                               nullptr);
    if (!m_window)
        return false;
    SendMessageW(m_window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SetColors(kDefault, kDefault);
    SetDisabledColors(kDefault, kDefault);
    return true;
}

void CColoredStaticCtrl::Set(Palette& palette, COLORREF text, COLORREF background, int defaultText)
{
    palette.text = text == kDefault ? GetSysColor(defaultText) : text;
    if (background == kDefault) {
        palette.background = GetSysColor(COLOR_BTNFACE);
        palette.brush = GetSysColorBrush(COLOR_BTNFACE);
        palette.owned.Reset();
    } else {
        palette.background = background;
        palette.owned.Reset(CreateSolidBrush(background));
        palette.brush = palette.owned.Get();
    }
    if (m_window)
        InvalidateRect(m_window, nullptr, TRUE);
}

void CColoredStaticCtrl::SetColors(COLORREF text, COLORREF background)
{
    Set(m_enabled, text, background, COLOR_BTNTEXT);
}

void CColoredStaticCtrl::SetDisabledColors(COLORREF text, COLORREF background)
{
    Set(m_disabled, text, background, COLOR_GRAYTEXT);
}

HBRUSH CColoredStaticCtrl::OnCtlColor(HDC dc) const
{
    const Palette& palette = IsWindowEnabled(m_window) ? m_enabled : m_disabled;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, palette.text);
    SetBkColor(dc, palette.background);
    return palette.brush;
}
