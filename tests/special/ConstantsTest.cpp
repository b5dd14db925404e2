// Each named constant stands for the constant its name says, to the digits
// it is printed with; Boost.Math's constants are the reference.
#include <gtest/gtest.h>

#include <boost/math/constants/constants.hpp>

#include "qdists/special/Constants.h"

namespace {

void ExpectDigits(double value, double reference, double relative)
{
    EXPECT_NEAR(value, reference, relative * reference);
}

} // namespace

TEST(Constants, TheNearestDoublesAreExact)
{
    EXPECT_EQ(qdists::constants::one_div_root_two_pi, boost::math::double_constants::one_div_root_two_pi);
}

TEST(Constants, ThePublishedValuesAgreeToTheirPrintedDigits)
{
    namespace published = qdists::constants::published;
    namespace reference = boost::math::double_constants;
    ExpectDigits(published::one_div_root_two_pi, reference::one_div_root_two_pi, 1e-14);
    ExpectDigits(published::one_div_root_two_pi_16, reference::one_div_root_two_pi, 1e-15);
    ExpectDigits(published::root_pi, reference::root_pi, 1e-14);
    ExpectDigits(published::one_div_root_pi, reference::one_div_root_pi, 1e-14);
    ExpectDigits(published::euler, reference::euler, 1e-14);
    ExpectDigits(published::ln_ten, reference::ln_ten, 1e-14);
    ExpectDigits(published::ln_ten_7, reference::ln_ten, 1e-6);
    ExpectDigits(published::ln_two, reference::ln_two, 1e-13);
    ExpectDigits(published::half_ln_two_pi, reference::log_root_two_pi, 1e-14);
    ExpectDigits(published::half_ln_two_pi_less_half, reference::log_root_two_pi - 0.5, 1e-14);
    ExpectDigits(published::half_ln_two_pi_less_half_20, reference::log_root_two_pi - 0.5, 2e-16);
    ExpectDigits(published::two_pi_10, reference::two_pi, 1e-9);
}
