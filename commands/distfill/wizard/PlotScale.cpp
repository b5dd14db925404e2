#include "commands/distfill/wizard/PlotScale.h"

#include <climits>
#include <cmath>

namespace chooser {

double PowerOfTenBelow(double value)
{
    if (!(value > 0.0) || !std::isfinite(value))
        return 0.0;
    double power = 1.0;
    while (power < value)
        power *= 10.0;
    while (value < power / 10.0)
        power /= 10.0;
    return power / 10.0;
}

int ScaledLength(int pixelsAt96, int dpi)
{
    const long long product = static_cast<long long>(pixelsAt96) * dpi;
    const long long half = kBaseDpi / 2;
    return static_cast<int>((product >= 0 ? product + half : product - half) / kBaseDpi);
}

int TruncatePixel(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

} // namespace chooser
