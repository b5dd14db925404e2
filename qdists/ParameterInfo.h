#pragma once
#include <limits>
#include <string>

#include "qdists/Interval.h"

namespace qdists {

// Bounds are closed, so "strictly positive" is written as the smallest
// positive normal double.
constexpr double kMaxDouble = std::numeric_limits<double>::max();
constexpr double kMinPositive = std::numeric_limits<double>::min();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The static record of one parameter of a distribution class.
struct ParameterInfo {
    std::string symbol;      // in messages and as the registry value name
    std::string description; // shown to the user; may be empty
    Interval bounds;         // allowed values, both ends included
    bool isInteger;
};

} // namespace qdists
