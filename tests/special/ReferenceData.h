#pragma once

// Reading the reference tables and measuring errors against them.
#include <cfloat>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/DataLines.h"

namespace special_test {

using Row = std::vector<double>;

// The rows of tests/special/data/<name>; '#' lines are comments.
inline std::vector<Row> readTable(const std::string& name)
{
    std::vector<Row> rows;
    for (const std::string& line : ReadDataLines("special/data/" + name)) {
        std::istringstream fields(line);
        Row row;
        double value = 0.0;
        while (fields >> value) {
            row.push_back(value);
        }
        rows.push_back(row);
    }
    return rows;
}

// One tolerance: the error is |got - expected| / max(|expected|, floor) in
// units of DBL_EPSILON, so it is relative above the floor and absolute in
// the far tails below it.
struct Tolerance {
    double epsilons;
    double floor;
};

// The worst error over a table and the row that gave it.
class WorstError {
public:
    explicit WorstError(Tolerance tolerance) : tolerance_(tolerance) {}

    // scaleFloor raises the floor for this row alone.
    void record(double got, double expected, const Row& row, double scaleFloor = 0.0)
    {
        const double scale = std::fmax(std::fmax(std::fabs(expected), tolerance_.floor), scaleFloor);
        double error = std::fabs(got - expected) / scale / DBL_EPSILON;
        if (std::isnan(got) != std::isnan(expected) || (std::isinf(got) && got != expected)) {
            error = INFINITY;
        } else if (got == expected) {
            error = 0.0;
        }
        ++count_;
        if (!(error <= worst_)) {
            worst_ = error;
            worstRow_ = row;
            worstGot_ = got;
        }
    }

    // Reports the worst error and fails the test when it exceeds the tolerance.
    void check(const std::string& what) const
    {
        std::ostringstream row;
        row.precision(17);
        for (double v : worstRow_) {
            row << v << ' ';
        }
        row << "-> " << worstGot_;
        std::cout << "[ accuracy ] " << what << ": worst " << worst_ << " eps over " << count_ << " rows at " << row.str()
                  << '\n';
        EXPECT_GT(count_, 0) << what;
        EXPECT_LE(worst_, tolerance_.epsilons) << what << " worst row: " << row.str();
    }

private:
    Tolerance tolerance_;
    double worst_ = 0.0;
    Row worstRow_;
    double worstGot_ = 0.0;
    int count_ = 0;
};

} // namespace special_test
