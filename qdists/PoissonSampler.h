#pragma once
#include "uniform/UnitStream.h"

namespace qdists {

// One Poisson variate of mean lambda by the method of Ahrens and Dieter
// (1982): table lookup below lambda = 10, a normal deviate with corrections
// from 10 on. Every call does its own set-up; nothing is kept.
double SamplePoisson(double lambda, CUnitStream& stream);

} // namespace qdists
