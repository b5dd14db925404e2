#pragma once
#include <cstdint>

#include "xlw/XlCall.h"

// The exports Excel calls: the add-in's open and close, and the nineteen
// worksheet functions with their arguments as registered (B a double,
// J a 32-bit integer, R an XLOPER).
XLL_EXPORT int xlAutoOpen();
XLL_EXPORT int xlAutoClose();

XLL_EXPORT XLOPER* xllQRAND(XLOPER* seed);
XLL_EXPORT XLOPER* xllQRANDBETWEEN(std::int32_t min, std::int32_t max, XLOPER* seed);
XLL_EXPORT XLOPER* xllQBERNOULLI(double p);
XLL_EXPORT XLOPER* xllQPOISSON(double lambda);
XLL_EXPORT XLOPER* xllQBINOMIAL(std::int32_t n, double p);
XLL_EXPORT XLOPER* xllQNEGBIN(std::int32_t n, double p);
XLL_EXPORT XLOPER* xllQGEOMETRIC(double p);
XLL_EXPORT XLOPER* xllQHYPERGEOMETRIC(std::int32_t n, std::int32_t m, std::int32_t s);
XLL_EXPORT XLOPER* xllQNORMAL(double mean, double stddev);
XLL_EXPORT XLOPER* xllQLOGNORMAL(double mu, double sigma);
XLL_EXPORT XLOPER* xllQUNIFORM(double min, double max);
XLL_EXPORT XLOPER* xllQTRIANGULAR(double min, double max, XLOPER* peak);
XLL_EXPORT XLOPER* xllQBETA(double a, double b);
XLL_EXPORT XLOPER* xllQPARETO(double alpha, double theta);
XLL_EXPORT XLOPER* xllQBURR(double alpha, double theta, double gamma);
XLL_EXPORT XLOPER* xllQGAMMA(double alpha, double theta);
XLL_EXPORT XLOPER* xllQWEIBULL(double tau, double theta);
XLL_EXPORT XLOPER* xllQEXPONENTIAL(double mean);
XLL_EXPORT XLOPER* xllQSAMPLE(XLOPER* data, XLOPER* weight, XLOPER* unique);
