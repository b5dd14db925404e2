#pragma once
#include <windows.h>

#include <string>

namespace xlhost {

// Writes the window's client area as a 24-bit BMP file after letting it
// paint (under Xvfb without a window manager wine draws no frame or
// caption, so they are left out). Throws std::runtime_error when it cannot.
void SaveWindowBitmap(HWND window, const std::string& path);

} // namespace xlhost
