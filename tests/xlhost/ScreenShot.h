#pragma once
#include <windows.h>

#include <string>

namespace xlhost {

// Writes the window, frame included, as a 24-bit BMP file after letting it
// paint; throws std::runtime_error when it cannot.
void SaveWindowBitmap(HWND window, const std::string& path);

} // namespace xlhost
