#include "qdists/special/NormalFunctions.h"
#include "qdists/special/Constants.h"
#include "qdists/special/Polynomial.h"

#include <array>
#include <cfloat>
#include <cmath>

namespace qdists {

namespace {

// W. J. Cody, "Rational Chebyshev approximations for the error function",
// Math. Comp. 23 (1969) 631-637, in the arrangement of his ANORM routine.
// |x| <= 0.66291: Phi(x) = 1/2 + x A(x^2)/B(x^2).
constexpr std::array<double, 5> kCentralNum = {2.2352520354606839287e00, 1.6102823106855587881e02,
                                               1.0676894854603709582e03, 1.8154981253343561249e04,
                                               6.5682337918207449113e-2};
constexpr std::array<double, 4> kCentralDen = {4.7202581904688241870e01, 9.7609855173777669322e02,
                                               1.0260932208618978205e04, 4.5507789335026729956e04};
// 0.66291 < |x| <= sqrt(32): Q(|x|) = exp(-x^2/2) C(|x|)/D(|x|).
constexpr std::array<double, 9> kMiddleNum = {
    3.9894151208813466764e-1, 8.8831497943883759412e00, 9.3506656132177855979e01,
    5.9727027639480026226e02, 2.4945375852903726711e03, 6.8481904505362823326e03,
    1.1602651437647350124e04, 9.8427148383839780218e03, 1.0765576773720192317e-8};
constexpr std::array<double, 8> kMiddleDen = {2.2266688044328115691e01, 2.3538790178262499861e02,
                                              1.5193775994075548050e03, 6.4855582982667607550e03,
                                              1.8615571640885098091e04, 3.4900952721145977266e04,
                                              3.8912003286093271411e04, 1.9685429676859990727e04};
// |x| > sqrt(32): Q(|x|) = exp(-x^2/2)/|x| (1/sqrt(2 pi) - P(1/x^2)/(x^2 Q(1/x^2))).
constexpr std::array<double, 6> kTailNum = {2.1589853405795699e-1,  1.274011611602473639e-1,
                                            2.2235277870649807e-2,  1.421619193227893466e-3,
                                            2.9112874951168792e-5,  2.307344176494017303e-2};
constexpr std::array<double, 5> kTailDen = {1.28426009614491121e00, 4.68238212480865118e-1,
                                            6.59881378689285515e-2, 3.78239633202758244e-3,
                                            7.29751555083966205e-5};

constexpr double kCentralLimit = 0.66291;
constexpr double kMiddleLimit = 5.656854248; // sqrt(32)

// exp(-s^2/2) for the multiples s = k/16 below sqrt(32), which is where
// most quantile steps land: filled once with the very expression
// halfGaussian evaluates, so a lookup gives the same bits as the call.
constexpr int kSplitsPerUnit = 16;
constexpr int kTabledSplits = 91; // k/16 up to 5.625 < sqrt(32)

struct SplitTable {
    std::array<double, kTabledSplits> value{};
    SplitTable()
    {
        // Read through a volatile so the compiler cannot fold the calls
        // into constants of its own rounding.
        volatile double step = 1.0 / kSplitsPerUnit;
        for (int k = 0; k < kTabledSplits; ++k) {
            const double split = k * step;
            value[static_cast<std::size_t>(k)] = std::exp(-split * split * 0.5);
        }
    }
};
const SplitTable kSplitTable;

// exp(-x^2/2) as exp(-s^2/2) exp(-(x-s)(x+s)/2) with s = x rounded down to
// a multiple of 1/16, so that the large exponent is formed exactly (Cody).
double halfGaussian(double y)
{
    const double split = std::trunc(y * 16.0) / 16.0;
    const double rest = (y - split) * (y + split);
    const double scaled = y * 16.0;
    const double head = scaled < kTabledSplits ? kSplitTable.value[static_cast<std::size_t>(scaled)]
                                               : std::exp(-split * split * 0.5);
    return head * std::exp(-rest * 0.5);
}

// Upper tail Q(y) for y > 0.66291.
double upperTail(double y)
{
    if (y <= kMiddleLimit) {
        double num = kMiddleNum[8] * y;
        double den = y;
        for (std::size_t i = 0; i < 7; ++i) {
            num = (num + kMiddleNum[i]) * y;
            den = (den + kMiddleDen[i]) * y;
        }
        return halfGaussian(y) * (num + kMiddleNum[7]) / (den + kMiddleDen[7]);
    }
    const double inverseSquare = 1.0 / (y * y);
    double num = kTailNum[5] * inverseSquare;
    double den = inverseSquare;
    for (std::size_t i = 0; i < 4; ++i) {
        num = (num + kTailNum[i]) * inverseSquare;
        den = (den + kTailDen[i]) * inverseSquare;
    }
    const double correction = inverseSquare * (num + kTailNum[4]) / (den + kTailDen[4]);
    return halfGaussian(y) * (constants::one_div_root_two_pi - correction) / y;
}

// Odeh and Evans, "The percentage points of the normal distribution",
// Appl. Statist. 23 (1974) 96-97, algorithm AS 70: numerator and
// denominator of the correction to y = sqrt(-2 ln p), highest power first.
constexpr std::array<double, 5> kStartNum = {-0.453642210148e-4, -0.0204231210245, -0.342242088547, -1.0,
                                             -0.322232431088};
constexpr std::array<double, 5> kStartDen = {0.38560700634e-2, 0.10353775285, 0.531103462366, 0.588581570495,
                                             0.099348462606};

constexpr int kNewtonLimit = 100;
constexpr double kNewtonTolerance = 1.0e-13;

// Central range: Phi(x) - 1/2 by the odd rational form in x (Cody's first
// approximation).
double centralHalf(double x, double y)
{
    const double square = y > 0.5 * DBL_EPSILON ? x * x : 0.0; // spmpar(1)
    double num = kCentralNum[4] * square;
    double den = square;
    for (std::size_t i = 0; i < 3; ++i) {
        num = (num + kCentralNum[i]) * square;
        den = (den + kCentralDen[i]) * square;
    }
    return x * (num + kCentralNum[3]) / (den + kCentralDen[3]);
}

// Values below the smallest normalised double (spmpar(2)) are returned as 0.
double flushTiny(double v)
{
    return v < DBL_MIN ? 0.0 : v;
}

// P alone, bit for bit the P of cumnor: what each Newton step of dinvnr
// needs, without the work for Q.
double lowerCumulative(double x)
{
    const double y = std::fabs(x);
    if (y <= kCentralLimit) {
        return flushTiny(0.5 + centralHalf(x, y));
    }
    const double tail = upperTail(y);
    return flushTiny(x > 0.0 ? 1.0 - tail : tail);
}

} // namespace

void cumnor(double x, double& p, double& q)
{
    const double y = std::fabs(x);
    if (y <= kCentralLimit) {
        const double half = centralHalf(x, y);
        p = 0.5 + half;
        q = 0.5 - half;
    } else {
        // Middle and tail ranges: the upper tail of |x| by Cody's second or
        // third approximation, reflected for negative x.
        const double tail = upperTail(y);
        p = x > 0.0 ? 1.0 - tail : tail;
        q = x > 0.0 ? tail : 1.0 - tail;
    }
    p = flushTiny(p);
    q = flushTiny(q);
}

double stvaln(double p)
{
    const bool lower = p <= 0.5;
    const double z = lower ? p : 1.0 - p;
    const double y = std::sqrt(-2.0 * std::log(z));
    const double value = y + horner(kStartNum, y) / horner(kStartDen, y);
    return lower ? -value : value;
}

double dinvnr(double p, double q)
{
    // Newton's method on the smaller tail, where Phi is known to full
    // relative precision; the result is reflected when p > q.
    const bool lowerTail = p <= q;
    const double target = lowerTail ? p : q;
    const double start = stvaln(target);
    double x = start;
    for (int i = 0; i < kNewtonLimit; ++i) {
        const double step = (lowerCumulative(x) - target) / (constants::published::one_div_root_two_pi_16 * std::exp(-0.5 * x * x));
        x -= step;
        if (!std::isfinite(x)) {
            break;
        }
        // Relative step test, written so that x = 0 (at p = 1/2) passes and
        // a NaN fails.
        if (std::fabs(step) < kNewtonTolerance * std::fabs(x) || step == 0.0) {
            return lowerTail ? x : -x;
        }
    }
    return lowerTail ? start : -start;
}

} // namespace qdists
