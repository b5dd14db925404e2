#pragma once
#include <cstdint>

#include "qdists/DistributionList.h"
#include "xlw/XlCall.h"

// The exports Excel calls: the add-in's open and close, and the nineteen
// worksheet functions with their arguments as registered (B a double,
// J a 32-bit integer, R an XLOPER).
XLL_EXPORT int xlAutoOpen();
XLL_EXPORT int xlAutoClose();

XLL_EXPORT XLOPER* xllQRAND(XLOPER* seed);
XLL_EXPORT XLOPER* xllQRANDBETWEEN(std::int32_t min, std::int32_t max, XLOPER* seed);
XLL_EXPORT XLOPER* xllQSAMPLE(XLOPER* data, XLOPER* weight, XLOPER* unique);

// The distributions' functions take a left-out argument as an XLOPER.
#define STOCHAL_ENTRY_PARAMETER(kind, name, ...) STOCHAL_ENTRY_PARAMETER_##kind name
#define STOCHAL_ENTRY_PARAMETER_Whole std::int32_t
#define STOCHAL_ENTRY_PARAMETER_Real double
#define STOCHAL_ENTRY_PARAMETER_Optional XLOPER*

#define STOCHAL_DISTRIBUTION(Name, Class, Display, Thumbnail, Kind, Worksheet, Entry, Summary, Topic, Arguments, \
                             ...)                                                                              \
    XLL_EXPORT XLOPER* Entry(STOCHAL_EACH(STOCHAL_ENTRY_PARAMETER, Arguments));
#include "qdists/Distributions.def"
#undef STOCHAL_DISTRIBUTION
