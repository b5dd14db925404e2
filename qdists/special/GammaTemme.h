#pragma once

// Temme's uniform asymptotic expansion of the incomplete gamma ratios for
// large a with x near a (DiDonato and Morris, ACM TOMS 654, section 3).
#include "qdists/special/IncompleteGamma.h"

namespace qdists {

// The ratios given l = x/a, s = 1 - l, z = rlog(l) and y = a z: the general
// form for |s| <= 0.4, the near-one form for |s| below about 1/(4000 sqrt a)
// (the limits GRATIO applies). p is 2 where the expansion cannot reach
// the accuracy.
GammaRatios temmeGeneral(double a, double l, double s, double y, double z, GammaAccuracy accuracy);
GammaRatios temmeNearOne(double a, double l, double y, double z, GammaAccuracy accuracy);

} // namespace qdists
