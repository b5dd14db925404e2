#include "commands/distfill/wizard/GraphWindow.h"

namespace {
constexpr int kLabelPoints = 8;
constexpr int kPointsPerInch = 72;
} // namespace

void CGraphWindow::Recompute()
{
    RECT client;
    GetClientRect(Handle(), &client);
    RecomputeModel(client.right, client.bottom);
    InvalidateRect(Handle(), nullptr, TRUE);
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

CGdiObject<HFONT> CGraphWindow::LabelFont(HDC dc)
{
    const int height = -MulDiv(kLabelPoints, GetDeviceCaps(dc, LOGPIXELSY), kPointsPerInch);
    return CGdiObject<HFONT>(CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                         DEFAULT_PITCH | FF_SWISS, L"Tahoma"));
}

void CGraphWindow::Text(HDC dc, const char* text, RECT box, UINT alignment)
{
    DrawTextA(dc, text, -1, &box, alignment | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
}
