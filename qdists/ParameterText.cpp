#include "qdists/ParameterText.h"

#include <cstdio>

namespace qdists {

std::string FormatParameterValue(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

bool ParseStoredParameter(const StoredParameterValue& stored, const Interval& bounds, double& value)
{
    if (!stored.readSucceeded || !stored.isString || stored.bytes == nullptr || stored.size == 0) {
        return false;
    }
    if (stored.bytes[stored.size - 1] != '\0') {
        return false;
    }
    double parsed = 0.0;
    if (std::sscanf(stored.bytes, "%lg", &parsed) != 1) {
        return false;
    }
    if (!(bounds.lower() <= parsed && parsed <= bounds.upper())) {
        return false;
    }
    value = parsed;
    return true;
}

} // namespace qdists
