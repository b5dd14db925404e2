#include "win/ui/FittedPicture.h"

#include <utility>

namespace {

// A memory device context for one scope.
class CMemoryDc {
public:
    explicit CMemoryDc(HDC like) : m_dc(CreateCompatibleDC(like)) {}
    ~CMemoryDc()
    {
        if (m_dc)
            DeleteDC(m_dc);
    }
    CMemoryDc(const CMemoryDc&) = delete;
    CMemoryDc& operator=(const CMemoryDc&) = delete;
    HDC Get() const { return m_dc; }

private:
    HDC m_dc;
};

// The source resampled to width x height: HALFTONE averages the source
// pixels that fall on each target pixel ("SetStretchBltMode", Win32 GDI).
CGdiObject<HBITMAP> Resampled(HDC screen, HBITMAP source, int width, int height)
{
    BITMAP size{};
    if (!GetObjectW(source, sizeof size, &size))
        return CGdiObject<HBITMAP>();
    CGdiObject<HBITMAP> target(CreateCompatibleBitmap(screen, width, height));
    CMemoryDc from(screen);
    CMemoryDc to(screen);
    if (!target || !from.Get() || !to.Get())
        return CGdiObject<HBITMAP>();
    const CSelectObject sourceIn(from.Get(), source);
    const CSelectObject targetIn(to.Get(), target.Get());
    SetStretchBltMode(to.Get(), HALFTONE);
    SetBrushOrgEx(to.Get(), 0, 0, nullptr); // as HALFTONE asks, after setting it
    if (!StretchBlt(to.Get(), 0, 0, width, height, from.Get(), 0, 0, size.bmWidth, size.bmHeight, SRCCOPY))
        return CGdiObject<HBITMAP>();
    return target;
}

} // namespace

bool CFittedPicture::Show(HWND control, HINSTANCE module, WORD bitmapId)
{
    RECT box{};
    if (!GetClientRect(control, &box) || box.right <= 0 || box.bottom <= 0)
        return false;
    const CGdiObject<HBITMAP> source(
        static_cast<HBITMAP>(LoadImageW(module, MAKEINTRESOURCEW(bitmapId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    HDC screen = GetDC(control);
    if (!source || !screen) {
        if (screen)
            ReleaseDC(control, screen);
        return false;
    }
    CGdiObject<HBITMAP> fitted = Resampled(screen, source.Get(), box.right, box.bottom);
    ReleaseDC(control, screen);
    if (!fitted)
        return false;
    // Once an image is set the control deletes none: the one it held is
    // ours to delete too ("STM_SETIMAGE", Win32 static controls).
    const auto previous = reinterpret_cast<HGDIOBJ>(
        SendMessageW(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(fitted.Get())));
    if (previous && previous != fitted.Get() && previous != m_shown.Get())
        DeleteObject(previous);
    m_shown = std::move(fitted);
    return true;
}
