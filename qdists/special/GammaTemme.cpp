#include "qdists/special/GammaTemme.h"

#include "qdists/special/Constants.h"
#include "qdists/special/ErrorFunction.h"
#include "qdists/special/MachineConstants.h"

#include <array>
#include <cmath>

namespace qdists {

namespace {

// The coefficients d_kn of Temme's expansion, TOMS 654 GRATIO: row k
// holds d_k1, d_k2, ... and kConstant[k] holds d_k0 (d_00 = -1/3).
constexpr std::array<double, 13> kD0 = {
    .833333333333333e-01, -.148148148148148e-01, .115740740740741e-02, .352733686067019e-03, -.178755144032922e-03,
    .391926317852244e-04, -.218544851067999e-05, -.185406221071516e-05, .829671134095309e-06, -.176659527368261e-06,
    .670785354340150e-08, .102618097842403e-07,  -.438203601845335e-08};
constexpr std::array<double, 12> kD1 = {
    -.347222222222222e-02, .264550264550265e-02, -.990226337448560e-03, .205761316872428e-03,
    -.401877572016461e-06, -.180985503344900e-04, .764916091608111e-05, -.161209008945634e-05,
    .464712780280743e-08,  .137863344691572e-06,  -.575254560351770e-07, .119516285997781e-07};
constexpr std::array<double, 10> kD2 = {-.268132716049383e-02, .771604938271605e-03, .200938786008230e-05,
                                        -.107366532263652e-03, .529234488291201e-04, -.127606351886187e-04,
                                        .342357873409614e-07,  .137219573090629e-05, -.629899213838006e-06,
                                        .142806142060642e-06};
constexpr std::array<double, 8> kD3 = {.229472093621399e-03,  -.469189494395256e-03, .267720632062839e-03,
                                       -.756180167188398e-04, -.239650511386730e-06, .110826541153473e-04,
                                       -.567495282699160e-05, .142309007324359e-05};
constexpr std::array<double, 6> kD4 = {.784039221720067e-03,  -.299072480303190e-03, -.146384525788434e-05,
                                       .664149821546512e-04,  -.396836504717943e-04, .113757269706784e-04};
constexpr std::array<double, 4> kD5 = {-.697281375836586e-04, .277275324495939e-03, -.199325705161888e-03,
                                       .679778047793721e-04};
constexpr std::array<double, 2> kD6 = {-.592166437353694e-03, .270878209671804e-03};
constexpr std::array<double, 8> kConstant = {-.333333333333333e0,   -.185185185185185e-02, .413359788359788e-02,
                                             .649434156378601e-03,  -.861888290916712e-03, -.336798553366358e-03,
                                             .531307936463992e-03,  .344367606892378e-03};
constexpr std::array<const double*, 7> kRows = {kD0.data(), kD1.data(), kD2.data(), kD3.data(),
                                                kD4.data(), kD5.data(), kD6.data()};

// How many terms of each row (and so how many rows) each accuracy level
// uses; the rows of length 0 contribute only their constant.
using Lengths = std::array<int, 8>;
constexpr std::array<Lengths, 3> kGeneralLengths = {Lengths{13, 12, 10, 8, 6, 4, 2, 0}, Lengths{6, 4, 1, -1},
                                                    Lengths{3, -1}};
constexpr std::array<Lengths, 3> kNearOneLengths = {Lengths{7, 6, 5, 4, 2, 2, 1, 0}, Lengths{2, 1, 0, -1},
                                                    Lengths{1, -1}};

// T = sum_k c_k(z) u^k with c_k(z) = d_k0 + z (d_k1 + d_k2 z + ...) and
// u = 1/a, over the rows a length list names (ended by -1).
double temmeSum(const Lengths& lengths, double z, double u)
{
    std::size_t rows = 0;
    while (rows < lengths.size() && lengths[rows] >= 0) {
        ++rows;
    }
    double t = 0.0;
    for (std::size_t k = rows; k-- > 0;) {
        double row = 0.0;
        for (int n = lengths[k]; n-- > 0;) {
            row = row * z + kRows[k][n];
        }
        t = t * u + (kConstant[k] + z * row);
    }
    return t;
}

// TOMS 654 eq. 26: Q = c (w + T/sqrt(2 pi a)) above a, P = c (w - ...) below.
GammaRatios combine(double a, double l, double c, double w, double t)
{
    const double term = constants::published::one_div_root_two_pi * t / std::sqrt(a);
    if (l >= 1.0) {
        const double q = c * (w + term);
        return {0.5 + (0.5 - q), q};
    }
    const double p = c * (w - term);
    return {p, 0.5 + (0.5 - p)};
}

double signedEta(double l, double z)
{
    const double eta = std::sqrt(z + z);
    return l < 1.0 ? -eta : eta;
}

bool beyondPrecision(double a)
{
    const double e = spmpar(1);
    return a * e * e > 3.28e-3;
}

} // namespace

GammaRatios temmeGeneral(double a, double l, double s, double y, double z, GammaAccuracy accuracy)
{
    if (std::fabs(s) <= 2.0 * spmpar(1) && beyondPrecision(a)) {
        return {2.0, 0.0};
    }
    const double c = std::exp(-y);
    const double w = 0.5 * errorFunctionComplement(std::sqrt(y), true);
    const double eta = signedEta(l, z);
    const auto level = static_cast<std::size_t>(accuracy);
    // At full accuracy the shorter near-one series suffices once |s| <= 1e-3.
    const bool shortSeries = accuracy == GammaAccuracy::Full && std::fabs(s) <= 1.e-3;
    const Lengths& lengths = shortSeries ? kNearOneLengths[level] : kGeneralLengths[level];
    return combine(a, l, c, w, temmeSum(lengths, eta, 1.0 / a));
}

GammaRatios temmeNearOne(double a, double l, double y, double z, GammaAccuracy accuracy)
{
    if (beyondPrecision(a)) {
        return {2.0, 0.0};
    }
    // e^-y and erfc(sqrt y)/2 by their leading Taylor terms (TOMS 654 eq. 27).
    const double c = 0.5 + (0.5 - y);
    const double w = (0.5 - std::sqrt(y) * (0.5 + (0.5 - y / 3.0)) / constants::published::root_pi) / c;
    const double eta = signedEta(l, z);
    return combine(a, l, c, w, temmeSum(kNearOneLengths[static_cast<std::size_t>(accuracy)], eta, 1.0 / a));
}

} // namespace qdists
