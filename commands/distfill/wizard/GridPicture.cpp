#include "commands/distfill/wizard/GridPicture.h"

#include "commands/distfill/wizard/Thumbnail.h"
#include "qdists/DistributionCatalog.h"
#include "win/ui/ModalDialog.h"

namespace {
constexpr WORD kBitsPerPixel = 24;

HBITMAP ShippedPicture(const qdists::VDistribution& distribution)
{
    const WORD resource = static_cast<WORD>(distribution.GetBitmapId() & 0xFFFF);
    return static_cast<HBITMAP>(
        LoadImageW(ResourceModule(), MAKEINTRESOURCEW(resource), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
}

// A top-down 24-bit section holding the image's pixels.
HBITMAP ToBitmap(const chooser::CRasterImage& image)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image.Width();
    info.bmiHeader.biHeight = -image.Height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = kBitsPerPixel;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap)
        return nullptr;
    const size_t rowBytes = (static_cast<size_t>(image.Width()) * 3 + 3) & ~size_t{3};
    for (int y = 0; y < image.Height(); ++y) {
        BYTE* pixel = static_cast<BYTE*>(bits) + static_cast<size_t>(y) * rowBytes;
        for (int x = 0; x < image.Width(); ++x) {
            const chooser::Rgb colour = image.At(x, y);
            *pixel++ = colour.b;
            *pixel++ = colour.g;
            *pixel++ = colour.r;
        }
    }
    return bitmap;
}
} // namespace

HBITMAP LoadGridPicture(const qdists::VDistribution& distribution, UINT dpi)
{
    if (dpi == chooser::kBaseDpi)
        return ShippedPicture(distribution);
    const auto initial = qdists::CreateInitialDistribution(distribution.GetName());
    if (!initial)
        return nullptr;
    return ToBitmap(chooser::RenderThumbnail(*initial, static_cast<int>(dpi)));
}
