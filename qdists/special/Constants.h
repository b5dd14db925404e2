#pragma once

// The mathematical constants of the core, each written once, in the manner
// of Boost.Math's constants (one_div_root_two_pi for 1 / sqrt(2 pi)).
namespace qdists::constants {

// Nearest doubles to the constants they name.
constexpr double one_div_root_two_pi = 3.9894228040143267794e-1;

// The values that the published algorithms beneath the distributions print
// (DiDinato and Morris's incomplete gamma and beta functions and their
// inverses, Ahrens and Dieter's Poisson sampler, the normal quantile's
// Newton step), and the normal and lognormal densities' ten-digit 2 pi.
// Most are some units in the last place from the nearest doubles; the
// seeded numbers and the densities depend on them to the bit, so they are
// kept as printed and named for what they stand for.
namespace published {
constexpr double one_div_root_two_pi = .398942280401433;
constexpr double one_div_root_two_pi_16 = 0.3989422804014326; // the Newton step's 16 digits
constexpr double root_pi = 1.77245385090552;
constexpr double one_div_root_pi = .564189583547756;
constexpr double euler = .577215664901533;
constexpr double ln_ten = 2.30258509299405;
constexpr double ln_ten_7 = 2.302585; // the gamma inverse's seven digits
constexpr double ln_two = 0.69314718055995;
constexpr double half_ln_two_pi = .918938533204673;       // ln sqrt(2 pi)
constexpr double half_ln_two_pi_less_half = .418938533204673; // ln sqrt(2 pi) - 1/2
constexpr double half_ln_two_pi_less_half_20 = .41893853320467274178;
constexpr double two_pi_10 = 6.283185307;
} // namespace published

} // namespace qdists::constants
