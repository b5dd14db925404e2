#pragma once
#include <cstdint>

#include "qdists/IntegerConversion.h"

// What the users of qdists/Distributions.def share: the kinds of draw and
// the macros that take a line's Arguments group apart.

namespace qdists {

// What one draw of a distribution gives its callers.
enum class DrawKind { Logical, Whole, Real };

template <DrawKind>
struct DrawTraits;

template <>
struct DrawTraits<DrawKind::Logical> {
    using type = bool;
    static bool From(double variate) { return variate != 0.0; }
};

template <>
struct DrawTraits<DrawKind::Whole> {
    using type = std::int32_t;
    static std::int32_t From(double variate) { return TruncateToInt32(variate); }
};

template <>
struct DrawTraits<DrawKind::Real> {
    using type = double;
    static double From(double variate) { return variate; }
};

template <DrawKind kind>
using DrawResult = typename DrawTraits<kind>::type;

} // namespace qdists

// STOCHAL_EACH(F, Arguments) applies F to every argument of a group and
// separates the results by commas: F(Whole, n, N, "...") for (Whole, n, N,
// "..."). A distribution has one to three arguments.
#define STOCHAL_EACH(F, Arguments) STOCHAL_EACH_(F, STOCHAL_UNWRAP Arguments)
#define STOCHAL_UNWRAP(...) __VA_ARGS__
#define STOCHAL_EACH_(F, ...) STOCHAL_JOIN(STOCHAL_EACH_N, STOCHAL_COUNT(__VA_ARGS__))(F, __VA_ARGS__)
#define STOCHAL_COUNT(...) STOCHAL_COUNT_(__VA_ARGS__, 3, 2, 1, 0)
#define STOCHAL_COUNT_(a, b, c, count, ...) count
#define STOCHAL_JOIN(a, b) STOCHAL_JOIN_(a, b)
#define STOCHAL_JOIN_(a, b) a##b
#define STOCHAL_EACH_N1(F, a) F a
#define STOCHAL_EACH_N2(F, a, b) F a, F b
#define STOCHAL_EACH_N3(F, a, b, c) F a, F b, F c

// The engine's parameters: the optional argument is a plain double there.
#define STOCHAL_PARAMETER(kind, name, ...) STOCHAL_PARAMETER_##kind name
#define STOCHAL_PARAMETER_Whole std::int32_t
#define STOCHAL_PARAMETER_Real double
#define STOCHAL_PARAMETER_Optional double

// The arguments' names, as a call passes them on.
#define STOCHAL_NAME(kind, name, ...) name
#define STOCHAL_NAME_TEXT(kind, name, ...) #name

// An optional argument read from its carrier: missing(name) tells whether it
// was left out and value(name) reads it when it was not; the others pass.
#define STOCHAL_READ(kind, name, comName, help, ...) STOCHAL_READ_##kind(name, __VA_ARGS__)
#define STOCHAL_READ_Whole(name, ...) name
#define STOCHAL_READ_Real(name, ...) name
#define STOCHAL_READ_Optional(name, fallback) (STOCHAL_MISSING(name) ? (fallback) : STOCHAL_VALUE(name))
