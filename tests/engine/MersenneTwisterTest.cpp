#include <gtest/gtest.h>
#include "engine/InternalGenerator.h"
#include "engine/UniformMapping.h"
TEST(Smoke, Dice) {
  CMersenneTwister mt(1);
  for (int i=0;i<10;++i) printf("%d ", UniformInt(mt,1,6));
  CMersenneTwister m2(1); printf("\n%.17g\n", UniformUnit(m2));
}
