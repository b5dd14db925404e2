#pragma once
// Every class of qdists/Distributions.def, for the files that expand it.
#include "qdists/DistBernoulli.h"
#include "qdists/DistBeta.h"
#include "qdists/DistBinomial.h"
#include "qdists/DistBurr.h"
#include "qdists/DistExponential.h"
#include "qdists/DistGamma.h"
#include "qdists/DistGeometric.h"
#include "qdists/DistHypergeometric.h"
#include "qdists/DistLognormal.h"
#include "qdists/DistNegativeBinomial.h"
#include "qdists/DistNormal.h"
#include "qdists/DistPareto.h"
#include "qdists/DistPoisson.h"
#include "qdists/DistTriangular.h"
#include "qdists/DistUniform.h"
#include "qdists/DistWeibull.h"
#include "qdists/DistributionList.h"

namespace qdists {

// Each class built from its worksheet arguments.
#define STOCHAL_DISTRIBUTION(Name, Class, Display, Thumbnail, Kind, Worksheet, Entry, Summary, Topic, Arguments, \
                             Construct, ...)                                                                   \
    inline Class Make##Name(STOCHAL_EACH(STOCHAL_PARAMETER, Arguments)) { return Class Construct; }
#include "qdists/Distributions.def"
#undef STOCHAL_DISTRIBUTION

} // namespace qdists
