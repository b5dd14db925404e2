#pragma once
#include <functional>
#include <vector>

// Goodness-of-fit statistics for the sampler tests, at a significance of
// 1e-4: at fixed seeds a right sampler passes, and the controls in the
// tests show that a slightly wrong one fails.

struct FitResult {
    double statistic;
    double critical;
    bool passes() const { return statistic <= critical; }
};

// Pearson's chi-square of whole-number draws against a mass function.
// Cells run from first to last; cells are merged from the left until each
// expects at least 5 draws, and everything beyond last joins the final cell.
FitResult ChiSquare(const std::vector<double>& draws, const std::function<double(int)>& mass, int first, int last);

// Kolmogorov-Smirnov of draws against a cumulative function; the critical
// value is the asymptotic one, sqrt(n) D against 2.23 (alpha = 1e-4).
FitResult KolmogorovSmirnov(std::vector<double> draws, const std::function<double(double)>& cumulative);
