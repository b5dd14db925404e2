#include "win/ui/WindowDpi.h"

namespace {
constexpr int kBaseDpi = USER_DEFAULT_SCREEN_DPI;

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
