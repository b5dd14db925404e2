#include "commands/distfill/wizard/RasterImage.h"

#include <algorithm>
#include <cstdlib>

namespace chooser {

namespace {
constexpr int kFileHeaderBytes = 14;
constexpr int kInfoHeaderBytes = 40;
constexpr int kBitsPerPixel = 24;

void PutLittleEndian(std::vector<std::uint8_t>& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}
} // namespace

CRasterImage::CRasterImage(int width, int height, Rgb background)
    : m_width(width), m_height(height), m_pixels(static_cast<size_t>(width) * static_cast<size_t>(height), background)
{
}

Rgb CRasterImage::At(int x, int y) const
{
    return m_pixels[static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)];
}

void CRasterImage::Set(int x, int y, Rgb colour)
{
    if (0 <= x && x < m_width && 0 <= y && y < m_height)
        m_pixels[static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)] = colour;
}

void CRasterImage::FillRect(const PixelRect& rect, Rgb colour)
{
    for (int y = std::max(rect.top, 0); y < std::min(rect.bottom, m_height); ++y)
        for (int x = std::max(rect.left, 0); x < std::min(rect.right, m_width); ++x)
            Set(x, y, colour);
}

void CRasterImage::FrameRect(const PixelRect& rect, Rgb colour, int width)
{
    FillRect({rect.left, rect.top, rect.right, rect.top + width}, colour);
    FillRect({rect.left, rect.bottom - width, rect.right, rect.bottom}, colour);
    FillRect({rect.left, rect.top, rect.left + width, rect.bottom}, colour);
    FillRect({rect.right - width, rect.top, rect.right, rect.bottom}, colour);
}

// Bresenham's line, with the pen's square centred on every visited pixel.
void CRasterImage::Line(int x0, int y0, int x1, int y1, int penWidth, Rgb colour)
{
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    const int before = (penWidth - 1) / 2;
    int error = dx + dy;
    for (;;) {
        FillRect({x0 - before, y0 - before, x0 - before + penWidth, y0 - before + penWidth}, colour);
        if (x0 == x1 && y0 == y1)
            break;
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x0 += sx;
        }
        if (doubled <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

CRasterImage CRasterImage::HalfSize() const
{
    CRasterImage half(m_width / 2, m_height / 2, Rgb{0, 0, 0});
    for (int y = 0; y < half.m_height; ++y) {
        for (int x = 0; x < half.m_width; ++x) {
            int r = 0, g = 0, b = 0;
            for (int k = 0; k < 4; ++k) {
                const Rgb p = At(2 * x + k % 2, 2 * y + k / 2);
                r += p.r;
                g += p.g;
                b += p.b;
            }
            half.Set(x, y, Rgb{static_cast<std::uint8_t>((r + 2) / 4), static_cast<std::uint8_t>((g + 2) / 4),
                               static_cast<std::uint8_t>((b + 2) / 4)});
        }
    }
    return half;
}

std::vector<std::uint8_t> CRasterImage::ToBmp() const
{
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(m_width) * 3u + 3u) & ~3u;
    const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(m_height);
    const std::uint32_t offset = kFileHeaderBytes + kInfoHeaderBytes;
    std::vector<std::uint8_t> bytes;
    bytes.reserve(offset + pixelBytes);
    bytes.push_back('B');
    bytes.push_back('M');
    PutLittleEndian(bytes, offset + pixelBytes, 4);
    PutLittleEndian(bytes, 0, 4);
    PutLittleEndian(bytes, offset, 4);
    PutLittleEndian(bytes, kInfoHeaderBytes, 4);
    PutLittleEndian(bytes, static_cast<std::uint32_t>(m_width), 4);
    PutLittleEndian(bytes, static_cast<std::uint32_t>(m_height), 4);
    PutLittleEndian(bytes, 1, 2);
    PutLittleEndian(bytes, kBitsPerPixel, 2);
    PutLittleEndian(bytes, 0, 4); // uncompressed
    PutLittleEndian(bytes, pixelBytes, 4);
    PutLittleEndian(bytes, 2835, 4); // 72 dots per inch, in dots per metre
    PutLittleEndian(bytes, 2835, 4);
    PutLittleEndian(bytes, 0, 4);
    PutLittleEndian(bytes, 0, 4);
    for (int y = m_height - 1; y >= 0; --y) {
        for (int x = 0; x < m_width; ++x) {
            const Rgb p = At(x, y);
            bytes.push_back(p.b);
            bytes.push_back(p.g);
            bytes.push_back(p.r);
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(m_width) * 3u; pad < rowBytes; ++pad)
            bytes.push_back(0);
    }
    return bytes;
}

} // namespace chooser
