#include "win/ui/WindowDpi.h"

namespace {
constexpr int kBaseDpi = USER_DEFAULT_SCREEN_DPI;
constexpr int kPointsPerInch = 72;

UINT SystemDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : kBaseDpi;
    if (screen) {
        ReleaseDC(nullptr, screen);
    }
    return dpi > 0 ? static_cast<UINT>(dpi) : kBaseDpi;
}
} // namespace

UINT WindowDpi(HWND window)
{
    // Looked up, not imported: older Windows have no GetDpiForWindow.
    using DpiForWindow = UINT(WINAPI*)(HWND);
    static const auto dpiForWindow = reinterpret_cast<DpiForWindow>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    const UINT dpi = dpiForWindow && window ? dpiForWindow(window) : 0;
    return dpi != 0 ? dpi : SystemDpi();
}

int ScaledPixels(int pixelsAt96, UINT dpi)
{
    return MulDiv(pixelsAt96, static_cast<int>(dpi), kBaseDpi);
}

RECT ScaledRect(const RECT& rectAt96, UINT dpi)
{
    return RECT{ScaledPixels(rectAt96.left, dpi), ScaledPixels(rectAt96.top, dpi), ScaledPixels(rectAt96.right, dpi),
                ScaledPixels(rectAt96.bottom, dpi)};
}

void PlaceWindow(HWND window, const RECT& rect)
{
    MoveWindow(window, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

CGdiObject<HFONT> PointFont(const wchar_t* face, int points, UINT dpi)
{
    // A negative height asks for the character height, as points measure.
    const int height = -MulDiv(points, static_cast<int>(dpi), kPointsPerInch);
    return CGdiObject<HFONT>(CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                         DEFAULT_PITCH | FF_SWISS, face));
}

void FrameRectAt(HDC dc, const RECT& rect, HBRUSH brush, UINT dpi)
{
    RECT line = rect;
    for (int i = ScaledPixels(1, dpi); i > 0; --i) {
        FrameRect(dc, &line, brush);
        InflateRect(&line, -1, -1);
    }
}
