#pragma once
#include <windows.h>

#include "win/ui/GdiObject.h"

// A bitmap resource shown in a dialog's picture control (a static with
// SS_BITMAP), resampled smoothly to the control's size. The control is
// laid out in dialog units, so it grows with the DPI; the picture grows
// with it without rows and columns dropped or doubled, as a plain stretch
// would. Ship the picture at the largest scale it should look sharp at.
class CFittedPicture {
public:
    // Shows the bitmap in the control; false when it could not be made,
    // and the control keeps what it showed.
    bool Show(HWND control, HINSTANCE module, WORD bitmapId);

private:
    // Ours to delete once the control is gone (a static deletes only the
    // image it loaded itself).
    CGdiObject<HBITMAP> m_shown;
};
