#include "win/ui/EscapeKey.h"

#include <windows.h>

bool EscapePressed()
{
    bool pressed = false;
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE))
        pressed = pressed || message.wParam == VK_ESCAPE;
    return pressed;
}
