// The number text of every display type, with the separator and plus-sign rules.
#include <ORV_NumLab.h>

#include <gtest/gtest.h>

#include <cmath>

using namespace orv;

namespace {

struct FormatCase {
  TDisplay Type;
  double Value;
  int Precision;
  bool Comma;
  bool Plus;
  const char* Expected;  // null: the type cannot show the value
};

const QString DateFormat = QStringLiteral("mmm-dd, yyyy");
const QString State = QStringLiteral("undefined");

}  // namespace

TEST(NumLabFormat, EveryDisplayType) {
  const FormatCase cases[] = {
      {dtFixP, 3.14159, 2, false, false, "3.14"},
      {dtFixP, 3.14159, 2, true, false, "3,14"},
      {dtFixP, 3.14159, 2, false, true, "+3.14"},
      {dtFixP, 0.0, 2, false, true, "0.00"},  // no "+" for zero
      {dtFixP, -1.5, 1, false, true, "-1.5"},
      {dtFixP, 0.125, 2, false, false, "0.13"},
      {dtFloat, 3.14159, 3, false, false, "3.14"},
      {dtFloat, 1.5e20, 3, true, false, "1,5E+20"},
      {dtFloat, 2.0, 0, false, false, "2"},
      {dtExp, 3.14159, 2, false, false, "3.1E+000"},
      {dtExp, -0.00123, 3, true, true, "-1,23E-003"},
      {dtInt, 2.5, 2, false, false, "2"},  // halves to even
      {dtInt, 3.5, 2, false, false, "4"},
      {dtInt, -2.5, 2, false, true, "-2"},
      {dtInt, 7.0, 2, false, true, "+7"},
      {dtHex, 255.0, 2, false, true, "FF"},  // no plus sign for hexadecimal
      {dtHex, 10.0, 2, false, false, "0A"},
      {dtHex, -26.0, 1, false, false, "-1A"},
      {dtZeroInt, 7.0, 3, false, false, "007"},
      {dtZeroInt, -7.0, 3, false, false, "-007"},
      {dtZeroInt, 12345.0, 3, false, true, "+12345"},
      {dtBin, 5.0, 2, false, true, "101"},
      {dtBin, 1.0, 4, false, false, "0001"},
      {dtOct, 8.0, 1, false, true, "+10"},
      {dtDateTime, 45296.0, 2, false, true, "Jan-05, 2024"},  // "," kept, no "+"
      {dtDateTime, 45296.0, 2, true, false, "Jan-05, 2024"},
      {dtState, 5.0, 2, false, true, "undefined"},
      {dtDeg, 12.5, 2, false, false, "12.50\u00B0"},
      {dtDeg, 12.5, 1, true, true, "+12,5\u00B0"},
      {dtDegMin, 12.5, 2, false, false, "12\u00B030.00'"},
      {dtDegMin, 12.99999, 0, false, false, "13\u00B000'"},  // 59.9994' rounds into the next degree
      {dtDegMin, -12.5, 1, false, false, "-12\u00B030.0'"},
      {dtDegMinSec, 12.5042, 1, false, false, "12\u00B030'15.1\""},
      {dtDegMinSec, 0.25, 0, true, false, "0\u00B015'00\""},
      {dtDegMinSec, -0.00001, 0, false, false, "0\u00B000'00\""},  // rounds to zero: no sign
      {dtEEng, 12345.678, 2, false, false, "12.35E+03"},
      {dtEEng, 0.000123, 1, true, false, "123,0E-06"},
      {dtEEng, 999.9999, 2, false, false, "1.00E+03"},  // the mantissa carries into the next group
      {dtEEng, 0.0, 2, false, false, "0.00E+00"},
      {dtEEng, -4500.0, 1, false, false, "-4.5E+03"},
      {dtEEng, 1.0, 0, false, true, "+1E+00"},
      {dtEEngNoDP, 12345.678, 2, false, false, "12E+03"},
      {dtEEngNoDP, 999.6, 2, false, false, "1E+03"},
      {dtEEngNoDP, 0.0021, 2, false, false, "2E-03"},
      {dtInt, 1e300, 2, false, false, nullptr},
      {dtHex, std::nan(""), 2, false, false, nullptr},
      {dtDateTime, 1e10, 2, false, false, nullptr},
      {dtDegMinSec, INFINITY, 2, false, false, nullptr},
  };
  for (const FormatCase& c : cases) {
    const std::optional<QString> text = NumLabFormat(c.Value, c.Type, c.Precision, DateFormat, State, c.Comma, c.Plus);
    if (!c.Expected) {
      EXPECT_FALSE(text.has_value()) << int(c.Type) << " " << c.Value;
      continue;
    }
    ASSERT_TRUE(text.has_value()) << int(c.Type) << " " << c.Value;
    EXPECT_EQ(*text, QString::fromUtf8(c.Expected)) << int(c.Type) << " " << c.Value;
  }
}
