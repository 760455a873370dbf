#include <orvplatform.h>

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(MulDiv, RoundsHalvesAwayFromZeroAndReportsFailure) {
  struct Case { int Number, Numerator, Denominator, Result; };
  const Case cases[] = {
      {1, 100, 3, 33},   {2, 100, 3, 67},    {1, 1, 2, 1},       {-1, 1, 2, -1},  {3, 5, -2, -8},
      {-3, -5, 2, 8},    {0, 7, 3, 0},       {1, 1, 0, -1},      {0x40000000, 4, 1, -1},
      {0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MulDiv(c.Number, c.Numerator, c.Denominator), c.Result)
        << c.Number << " * " << c.Numerator << " / " << c.Denominator;
}

}  // namespace
}  // namespace orv
