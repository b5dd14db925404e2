#pragma once
#include <cstdint>

#include "qdists/DistributionList.h"
#include "xlw/XlCall.h"
#include "xlw/XlfExcel.h"

// The exports Excel calls: the add-in's open and close, and the nineteen
// worksheet functions with their arguments as registered (B a double,
// J a 32-bit integer, R or U a value that may be a reference). One export
// serves both paths: its values are XLOPERs or XLOPER12s as registered.
XLL_EXPORT int xlAutoOpen();
XLL_EXPORT int xlAutoClose();

XLL_EXPORT XlfValue* xllQRAND(XlfValue* seed);
XLL_EXPORT XlfValue* xllQRANDBETWEEN(std::int32_t min, std::int32_t max, XlfValue* seed);
XLL_EXPORT XlfValue* xllQSAMPLE(XlfValue* data, XlfValue* weight, XlfValue* unique);

// The distributions' functions take a left-out argument as a value.
#define STOCHAL_ENTRY_PARAMETER(kind, name, ...) STOCHAL_ENTRY_PARAMETER_##kind name
#define STOCHAL_ENTRY_PARAMETER_Whole std::int32_t
#define STOCHAL_ENTRY_PARAMETER_Real double
#define STOCHAL_ENTRY_PARAMETER_Optional XlfValue*

#define STOCHAL_DISTRIBUTION(Name, Class, Display, Thumbnail, Kind, Worksheet, Entry, Summary, Topic, Arguments, \
                             ...)                                                                              \
    XLL_EXPORT XlfValue* Entry(STOCHAL_EACH(STOCHAL_ENTRY_PARAMETER, Arguments));
#include "qdists/Distributions.def"
#undef STOCHAL_DISTRIBUTION
