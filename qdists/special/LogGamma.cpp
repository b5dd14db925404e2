#include "qdists/special/LogGamma.h"

#include "qdists/special/Constants.h"
#include "qdists/special/MachineConstants.h"
#include "qdists/special/Polynomial.h"
#include "qdists/special/SpecialFunctions.h"
#include "qdists/special/StirlingSeries.h"

#include <array>
#include <cmath>

namespace qdists {

namespace {

// Coefficients of DiDonato and Morris, ACM TOMS 708 (1992).
// GAMLN1, a < 0.6: ln Gamma(1 + a) = -a P(a)/Q(a).
constexpr std::array<double, 7> kLn1LowNum = {-.271935708322958e-02, -.673562214325671e-01, -.402055799310489e+00,
                                              -.780427615533591e+00, -.168860593646662e+00, .844203922187225e+00,
                                              .577215664901533e+00};
constexpr std::array<double, 7> kLn1LowDen = {.667465618796164e-03, .325038868253937e-01, .361951990101499e+00,
                                              .156875193295039e+01, .312755088914843e+01, .288743195473681e+01,
                                              1.0};
// GAMLN1, a >= 0.6: ln Gamma(1 + a) = (a - 1) R(a - 1)/S(a - 1).
constexpr std::array<double, 6> kLn1HighNum = {.497958207639485e-03, .170502484022650e-01, .156513060486551e+00,
                                               .565221050691933e+00, .848044614534529e+00, .422784335098467e+00};
constexpr std::array<double, 6> kLn1HighDen = {.116165475989616e-03, .713309612391000e-02, .101552187439830e+00,
                                               .548042109832463e+00, .124313399877507e+01, 1.0};

// GAM1, t in (0, 0.5]: 1/Gamma(1 + t) - 1 = t P(t)/Q(t) style forms.
constexpr std::array<double, 7> kGam1PosNum = {.589597428611429e-03, -.514889771323592e-02, .766968181649490e-02,
                                               .597275330452234e-01, -.230975380857675e+00, -.409078193005776e+00,
                                               .577215664901533e+00};
constexpr std::array<double, 5> kGam1PosDen = {.423244297896961e-02, .261132021441447e-01, .158451672430138e+00,
                                               .427569613095214e+00, 1.0};
// GAM1, t in [-0.5, 0).
constexpr std::array<double, 9> kGam1NegNum = {-.132674909766242e-03, .266505979058923e-03, .223047661158249e-02,
                                               -.118290993445146e-01, .930357293360349e-03, .118378989872749e+00,
                                               -.244757765222226e+00, -.771330383816272e+00, -.422784335098468e+00};
constexpr std::array<double, 3> kGam1NegDen = {.559398236957378e-01, .273076135303957e+00, 1.0};

// GAMMA, 0 < x < 1 after reduction: Gamma(1 + x) = P(x)/Q(x).
constexpr std::array<double, 7> kGammaNum = {.539637273585445e-03, .261939260042690e-02, .204493667594920e-01,
                                             .730981088720487e-01, .279648642639792e+00, .553413866010467e+00, 1.0};
constexpr std::array<double, 7> kGammaDen = {-.832979206704073e-03, .470059485860584e-02, .225211131035340e-01,
                                             -.170458969313360e+00, -.567902761974940e-01, .113062953091122e+01,
                                             1.0};
// GAMMA, x >= 15: the Stirling correction sum r_k / x^(2k+1).
constexpr std::array<double, 5> kGammaStirling = {.820756370353826e-03, -.595156336428591e-03, .793650663183693e-03,
                                                  -.277777777770481e-02, .833333333333333e-01};

} // namespace

double lnGammaOnePlus(double a)
{
    if (a < 0.6) {
        return -a * (horner(kLn1LowNum, a) / horner(kLn1LowDen, a));
    }
    const double x = a - 0.5 - 0.5;
    return x * (horner(kLn1HighNum, x) / horner(kLn1HighDen, x));
}

double gamln(double a)
{
    if (a <= 0.8) {
        // ln Gamma(a) = ln Gamma(1 + a) - ln a.
        return lnGammaOnePlus(a) - std::log(a);
    }
    if (a <= 2.25) {
        return lnGammaOnePlus(a - 0.5 - 0.5);
    }
    if (a < 10.0) {
        // Recurrence down to (1.25, 2.25]: Gamma(a) = (a-1)...(t) Gamma(t).
        const int n = static_cast<int>(a - 1.25);
        double t = a;
        double product = 1.0;
        for (int i = 0; i < n; ++i) {
            t -= 1.0;
            product *= t;
        }
        return lnGammaOnePlus(t - 1.0) + std::log(product);
    }
    // Stirling's series.
    const double t = (1.0 / a) * (1.0 / a);
    const double w = stirlingRemainderSum(t) / a; // GAMLN, a >= 10
    return constants::published::half_ln_two_pi_less_half + w + (a - 0.5) * (std::log(a) - 1.0);
}

double reciprocalGammaOnePlusMinusOne(double a)
{
    const double d = a - 0.5;
    const double t = d > 0.0 ? d - 0.5 : a;
    if (t == 0.0) {
        return 0.0;
    }
    if (t > 0.0) {
        const double w = horner(kGam1PosNum, t) / horner(kGam1PosDen, t);
        return d > 0.0 ? t / a * (w - 0.5 - 0.5) : a * w;
    }
    const double w = horner(kGam1NegNum, t) / horner(kGam1NegDen, t);
    return d > 0.0 ? t * w / a : a * (w + 0.5 + 0.5);
}

double gammaPositive(double a)
{
    if (!(a > 0.0) || a >= 1000.0) {
        return 0.0;
    }
    if (a < 15.0) {
        // Reduce to Gamma(1 + x), 0 <= x < 1, by the recurrence.
        double x = a;
        double t = 1.0;
        const int m = static_cast<int>(a) - 1;
        if (m < 0) {
            // a < 1: Gamma(a) = Gamma(1 + a)/a.
            if (a < 1.0e-30) {
                return a * spmpar(3) <= 1.0001 ? 0.0 : 1.0 / a;
            }
            return horner(kGammaNum, x) / horner(kGammaDen, x) / a;
        }
        for (int j = 0; j < m; ++j) {
            x -= 1.0;
            t *= x;
        }
        x -= 1.0;
        return horner(kGammaNum, x) / horner(kGammaDen, x) * t;
    }
    // Stirling's formula with its correction series.
    const double t = 1.0 / (a * a);
    const double g = horner(kGammaStirling, t) / a;
    const double w = constants::published::half_ln_two_pi_less_half_20 + g + (a - 0.5) * (std::log(a) - 1.0);
    if (w > 0.99999 * exparg(0)) {
        return 0.0;
    }
    return std::exp(w);
}

} // namespace qdists
