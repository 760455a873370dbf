// Decimal text of doubles: the run-time library's float specifiers.
#include <orvplatform.h>

#include <gtest/gtest.h>

#include <limits>

using namespace orv;

namespace {

struct TextCase {
  double Value;
  int Digits;
  const char* Expected;
};

void Check(QString (*Fn)(double, int), const std::vector<TextCase>& Cases) {
  for (const TextCase& c : Cases)
    EXPECT_EQ(Fn(c.Value, c.Digits), QString::fromLatin1(c.Expected)) << c.Value << " / " << c.Digits;
}

}  // namespace

TEST(FloatText, Fixed) {
  Check(FloatToFixed, {{3.14159, 2, "3.14"},
                       {0.125, 2, "0.13"},  // halves of the decimal form round away from zero
                       {2.675, 2, "2.68"},
                       {-2.5, 0, "-3"},
                       {999.996, 2, "1000.00"},
                       {-0.001, 2, "0.00"},  // no "-0.00"
                       {0.0, 3, "0.000"},
                       {1e20, 0, "100000000000000000000"},
                       {5e-324, 2, "0.00"}});
}

TEST(FloatText, Exponent) {
  const auto e3 = [](double v, int d) { return FloatToExponent(v, d); };
  Check(e3, {{3.14159, 2, "3.1E+000"},
             {3.14159, 1, "3E+000"},
             {-0.00123, 3, "-1.23E-003"},
             {9.96, 2, "1.0E+001"},
             {0.0, 2, "0.0E+000"},
             {1e300, 4, "1.000E+300"}});
  EXPECT_EQ(FloatToExponent(12345.0, 2, 2), QStringLiteral("1.2E+04"));
}

TEST(FloatText, General) {
  Check(FloatToGeneral, {{3.14159, 3, "3.14"},
                         {2.5, 15, "2.5"},
                         {100.0, 3, "100"},
                         {1000.0, 3, "1E+03"},  // more integer digits than the precision
                         {0.0001, 3, "0.0001"},
                         {0.00001, 3, "0.00001"},
                         {0.000001, 3, "1E-06"},
                         {-1.5e20, 5, "-1.5E+20"},
                         {0.0, 2, "0"},
                         {0.1 + 0.2, 17, "0.30000000000000004"}});
}

TEST(FloatText, NonFinite) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(FloatToFixed(std::nan(""), 2), QStringLiteral("NAN"));
  EXPECT_EQ(FloatToExponent(inf, 2), QStringLiteral("INF"));
  EXPECT_EQ(FloatToGeneral(-inf, 2), QStringLiteral("-INF"));
}

TEST(FloatText, DecimalRecord) {
  const TFloatRec r = FloatToDecimal(-1234.5, 17, 0);
  EXPECT_TRUE(r.Negative);
  EXPECT_EQ(r.Digits, QByteArray("1235"));
  EXPECT_EQ(r.Exponent, 4);
  const TFloatRec tens = FloatToDecimal(1234.5, 17, -2);  // rounded to hundreds
  EXPECT_EQ(tens.Digits, QByteArray("12"));
  EXPECT_EQ(tens.Exponent, 4);
  EXPECT_TRUE(FloatToDecimal(0.004, 17, 2).Digits.isEmpty());
}
