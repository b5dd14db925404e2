#pragma once
#include <windows.h>

#include "win/ui/GdiObject.h"

// The dots per inch a window is drawn at: its monitor's where Windows keeps
// one a monitor (Windows 10 1607 and later), else the system's. Excel is
// DPI-aware, so what we draw in fixed pixels must follow this.
UINT WindowDpi(HWND window);

// A length in pixels at 96 DPI, at `dpi`.
int ScaledPixels(int pixelsAt96, UINT dpi);
// The same for each side of a rectangle.
RECT ScaledRect(const RECT& rectAt96, UINT dpi);

// Moves and sizes a child window to a rectangle of its parent's client
// area, as a layout for a new DPI does.
void PlaceWindow(HWND window, const RECT& rect);

// A font of that face and size in points for text drawn at dpi.
CGdiObject<HFONT> PointFont(const wchar_t* face, int points, UINT dpi);

// FrameRect's one-pixel frame inside rect, as wide as one pixel at 96 DPI
// is at dpi.
void FrameRectAt(HDC dc, const RECT& rect, HBRUSH brush, UINT dpi);
