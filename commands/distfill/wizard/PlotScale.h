#pragma once

namespace chooser {

// Lengths in pixels are given for 96 dots per inch; a window at another DPI
// draws them scaled by DPI / 96.
constexpr int kBaseDpi = 96;

// A length at 96 DPI, at dpi: rounded to the nearest pixel, halves away
// from zero, as the window layer's MulDiv rounds.
int ScaledLength(int pixelsAt96, int dpi);

// A rectangle in pixels: left and top inside, right and bottom outside.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// A tick of an axis: its pixel position (column or row) and its value.
struct AxisTick {
    int pixel;
    double value;
};

// The power of ten just below a positive value: 0.1 for 1, 1 for 6, 0.01
// for 0.05. Zero for a value that is not positive and finite, so that a
// caller's step test refuses it.
double PowerOfTenBelow(double value);

// Truncation of a pixel coordinate toward zero, saturated to the int range
// so that a huge or infinite coordinate cannot overflow.
int TruncatePixel(double value);

} // namespace chooser
