#include "commands/distfill/wizard/GraphWindow.h"

#include "win/ui/WindowDpi.h"

namespace {
const wchar_t kLabelFace[] = L"Tahoma";
constexpr int kLabelPoints = 8;
} // namespace

void CGraphWindow::Recompute()
{
    RECT client;
    GetClientRect(Handle(), &client);
    RecomputeModel(client.right, client.bottom, static_cast<int>(m_dpi));
    InvalidateRect(Handle(), nullptr, TRUE);
}

void CGraphWindow::SetDpi(UINT dpi)
{
    m_dpi = dpi;
    if (Handle())
        Recompute();
}

int CGraphWindow::Scaled(int pixelsAt96) const
{
    return ScaledPixels(pixelsAt96, m_dpi);
}

LRESULT CGraphWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(Handle(), &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_WINDOW));
        return 1;
    }
    case WM_PAINT:
    case WM_PRINTCLIENT: {
        PAINTSTRUCT paint{};
        const HDC dc = message == WM_PAINT ? BeginPaint(Handle(), &paint) : reinterpret_cast<HDC>(wParam);
        RECT client;
        GetClientRect(Handle(), &client);
        if (m_distribution.IsValid())
            Paint(dc, client);
        if (message == WM_PAINT)
            EndPaint(Handle(), &paint);
        return 0;
    }
    default:
        return Default(message, wParam, lParam);
    }
}

CGdiObject<HFONT> CGraphWindow::LabelFont() const
{
    return PointFont(kLabelFace, kLabelPoints, m_dpi);
}

void CGraphWindow::Text(HDC dc, const char* text, RECT box, UINT alignment)
{
    DrawTextA(dc, text, -1, &box, alignment | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
}
