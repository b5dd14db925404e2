#pragma once
#include <cstdint>
#include <vector>

#include "commands/distfill/wizard/PlotScale.h"

namespace chooser {

struct Rgb {
    std::uint8_t r, g, b;
};

// A small 24-bit picture in memory with the few drawing operations the
// thumbnails need, so they can be made without a window system.
class CRasterImage {
public:
    CRasterImage(int width, int height, Rgb background);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    Rgb At(int x, int y) const;

    // Pixels outside the picture are ignored.
    void Set(int x, int y, Rgb colour);
    void FillRect(const PixelRect& rect, Rgb colour);
    // A frame of the given width inside the rectangle.
    void FrameRect(const PixelRect& rect, Rgb colour, int width = 1);
    // A line stamped with a square pen of the given width.
    void Line(int x0, int y0, int x1, int y1, int penWidth, Rgb colour);

    // Each 2 x 2 block averaged into one pixel (rounding to nearest).
    CRasterImage HalfSize() const;

    // The picture as a bottom-up 24-bit BMP file.
    std::vector<std::uint8_t> ToBmp() const;

private:
    int m_width;
    int m_height;
    std::vector<Rgb> m_pixels;
};

} // namespace chooser
