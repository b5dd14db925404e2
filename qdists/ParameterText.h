#pragma once
#include <cstddef>
#include <string>

#include "qdists/Interval.h"

namespace qdists {

// "%g": six significant digits, as in validation messages and the registry.
std::string FormatParameterValue(double value);

// A value as read back from the registry. readSucceeded is false when the
// read itself failed (missing value, longer than the buffer).
struct StoredParameterValue {
    bool readSucceeded;
    bool isString; // REG_SZ or REG_EXPAND_SZ
    const char* bytes;
    std::size_t size; // bytes stored, the terminating zero included
};

// True, with the number in value, only when the stored value is a string
// ending in its terminating zero, parses with "%lg" and lies within bounds.
bool ParseStoredParameter(const StoredParameterValue& stored, const Interval& bounds, double& value);

} // namespace qdists
