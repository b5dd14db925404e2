#include "tests/support/GoodnessOfFit.h"

#include <algorithm>
#include <cmath>

#include <boost/math/distributions/chi_squared.hpp>

namespace {
constexpr double kSignificance = 1e-4;
constexpr double kMinExpected = 5.0;
// sqrt(-ln(alpha / 2) / 2), the asymptotic Kolmogorov quantile for alpha = 1e-4.
const double kKolmogorovCritical = std::sqrt(-std::log(kSignificance / 2.0) / 2.0);
} // namespace

FitResult ChiSquare(const std::vector<double>& draws, const std::function<double(int)>& mass, int first, int last)
{
    const double n = static_cast<double>(draws.size());
    std::vector<double> observed(static_cast<std::size_t>(last - first + 1), 0.0);
    for (double x : draws) {
        const int k = std::clamp(static_cast<int>(x), first, last);
        observed[static_cast<std::size_t>(k - first)] += 1.0;
    }
    std::vector<double> expected(observed.size());
    double below = 0.0;
    for (int k = first; k < last; ++k) {
        expected[static_cast<std::size_t>(k - first)] = n * mass(k);
        below += mass(k);
    }
    expected.back() = n * (1.0 - below);
    // Merge cells until each expects enough.
    std::vector<std::pair<double, double>> cells; // observed, expected
    std::pair<double, double> open{0.0, 0.0};
    for (std::size_t i = 0; i < observed.size(); ++i) {
        open.first += observed[i];
        open.second += expected[i];
        if (open.second >= kMinExpected) {
            cells.push_back(open);
            open = {0.0, 0.0};
        }
    }
    if (!cells.empty()) {
        cells.back().first += open.first;
        cells.back().second += open.second;
    }
    double statistic = 0.0;
    for (const auto& cell : cells) {
        const double d = cell.first - cell.second;
        statistic += d * d / cell.second;
    }
    const double df = std::max(1.0, static_cast<double>(cells.size()) - 1.0);
    const double critical = boost::math::quantile(boost::math::chi_squared(df), 1.0 - kSignificance);
    return {statistic, critical};
}

FitResult KolmogorovSmirnov(std::vector<double> draws, const std::function<double(double)>& cumulative)
{
    std::sort(draws.begin(), draws.end());
    const double n = static_cast<double>(draws.size());
    double d = 0.0;
    for (std::size_t i = 0; i < draws.size(); ++i) {
        const double f = cumulative(draws[i]);
        d = std::max({d, f - static_cast<double>(i) / n, static_cast<double>(i + 1) / n - f});
    }
    return {std::sqrt(n) * d, kKolmogorovCritical};
}
