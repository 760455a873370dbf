// The number-text layer: scanners, checks, formatting and the per-format rules.
#include <ORV_NumIO.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace orv;

namespace {

// Sets the system decimal separator for one test and restores it.
class SystemSeparator {
public:
  explicit SystemSeparator(QChar c) : FOld(FormatSettings.DecimalSeparator) { FormatSettings.DecimalSeparator = c; }
  ~SystemSeparator() { FormatSettings.DecimalSeparator = FOld; }

private:
  QChar FOld;
};

constexpr int sepSystem = 0, sepDot = 1, sepComma = 2, sepBoth = 3;

}  // namespace

TEST(DecimalScan, ValuesAndPositions) {
  struct Case {
    const char* Text;
    bool Exp;
    TDecSepMode Mode;
    double Value;
    int EndPos;
  };
  const Case cases[] = {
      {"  -1.5e3", true, dsmDot, -1500, 9},
      {".", true, dsmDot, 0, 2},
      {"-", true, dsmDot, 0, 2},
      {"+", true, dsmDot, 0, 2},
      {"1E", true, dsmDot, 1, 3},          // incomplete exponent counts as 0
      {"1E+", true, dsmDot, 1, 4},
      {"2.5E-", true, dsmDot, 2.5, 6},
      {"1e3", false, dsmDot, 1, 2},        // no exponent: stops at the E
      {"1,5", true, dsmDot, 1, 2},
      {"1,5", true, dsmComma, 1.5, 4},
      {"1,5", true, dsmBoth, 1.5, 4},
      {"1.5", true, dsmComma, 1, 2},
      {"1.2.3", true, dsmDot, 0, 4},       // second separator is an error
      {"12A", true, dsmDot, 12, 3},
      {"1 2", true, dsmDot, 1, 2},
      {"- 1", true, dsmDot, 0, 2},
      {"E5", true, dsmDot, 0, 1},
      {"", true, dsmDot, 0, 1},
      {"1e308", true, dsmDot, 1e308, 6},
      {"1e309", true, dsmDot, std::numeric_limits<double>::max(), 6},
      {"-1e4200", true, dsmDot, -std::numeric_limits<double>::max(), 8},
      {"1e99999", true, dsmDot, std::numeric_limits<double>::max(), 8},  // digits past the cap dropped
      {"1e-400", true, dsmDot, 0, 7},
      {"-0", true, dsmDot, 0, 3},
      {"1.e2", true, dsmDot, 100, 5},
      {"\xd9\xa3", true, dsmDot, 0, 1},  // Arabic-Indic three is no digit
  };
  for (const Case& c : cases) {
    const QString text = QString::fromUtf8(c.Text);
    int pos = 1;
    const double v = ScanDecimal(text, c.Exp, c.Mode, pos);
    EXPECT_EQ(v, c.Value) << c.Text;
    EXPECT_EQ(pos, c.EndPos) << c.Text;
    EXPECT_FALSE(std::signbit(v) && v == 0) << c.Text << " gives -0";
  }
}

TEST(DecimalScan, StartPositionIsClampedAndScanStartsThere) {
  int pos = 3;
  EXPECT_EQ(ScanDecimal("x 42y", true, dsmDot, pos), 42);
  EXPECT_EQ(pos, 5);
  pos = -7;
  EXPECT_EQ(ScanDecimal("5", true, dsmDot, pos), 5);
  EXPECT_EQ(pos, 2);
  pos = 99;
  ScanDecimal("5", true, dsmDot, pos);
  EXPECT_EQ(pos, 2);
}

TEST(DecimalCheck, Validity) {
  struct Case {
    const char* Text;
    bool Exp;
    int Sep;
    bool Valid;
  };
  const Case cases[] = {
      {"1e4200", true, sepDot, true},   {"1e4201", true, sepDot, false}, {"1e-4200", true, sepDot, true},
      {"1e04200", true, sepDot, true},  {"12A", true, sepDot, true},     {"-", true, sepDot, false},
      {"1.2.3", true, sepDot, false},   {"", true, sepDot, false},       {"1E", true, sepDot, true},
      {"1E+", true, sepDot, true},      {"1E-x", true, sepDot, true},    {"1E 5", true, sepDot, false},
      {"1,5", true, sepDot, true},  // ends at the comma, in state 9
      {",5", true, sepDot, false},      {",5", true, sepComma, true},    {".5", true, sepBoth, true},
      {"  7", true, sepDot, true},      {"1e4201", false, sepDot, true},  // E ends the number
  };
  for (const Case& c : cases) EXPECT_EQ(IsValidDecimal(c.Text, c.Exp, c.Sep), c.Valid) << c.Text;
}

TEST(DecimalCheck, SystemSeparatorChoice) {
  {
    SystemSeparator s(u',');
    EXPECT_TRUE(IsValidDecimal(",5", true, sepSystem));
    EXPECT_EQ(ScanSepMode(sepSystem), dsmComma);
    EXPECT_EQ(ConvertSepMode(sepSystem), dsmComma);
  }
  {
    // A separator that is neither: the scanners use comma mode, the conversion dot mode.
    SystemSeparator s(u'\'');
    EXPECT_EQ(ScanSepMode(sepSystem), dsmComma);
    EXPECT_EQ(ConvertSepMode(sepSystem), dsmDot);
  }
  EXPECT_EQ(ScanSepMode(sepSystem), dsmDot);
  EXPECT_EQ(ScanSepMode(sepBoth), dsmBoth);
  EXPECT_EQ(ScanSepMode(42), dsmDot);  // an unknown ordinal counts as the system choice
}

TEST(SimpleDecimalCheck, PartialEntriesAndSeparators) {
  struct Case {
    const char* Text;
    int Sep;
    bool Valid;
  };
  const Case cases[] = {
      {"-", sepDot, true},   {"+", sepDot, true},    {".", sepDot, true},      {"-.", sepDot, true},
      {"1.5", sepDot, true}, {"1,5", sepDot, false}, {"1,5", sepBoth, true},   {"1.5", sepComma, false},
      {"1.2.3", sepBoth, false}, {"1e3", sepDot, false}, {"1 2", sepDot, false}, {"", sepDot, false},
      {"--1", sepDot, false}, {".5.", sepDot, false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsValidSimpleDecimal(c.Text, c.Sep), c.Valid) << c.Text;
}

TEST(IntegerChecks, ByBase) {
  EXPECT_TRUE(IsValidInt("7"));
  EXPECT_TRUE(IsValidInt("+12"));
  EXPECT_TRUE(IsValidInt("-0"));
  EXPECT_FALSE(IsValidInt("-"));
  EXPECT_FALSE(IsValidInt(""));
  EXPECT_FALSE(IsValidInt("1-"));
  EXPECT_FALSE(IsValidInt(QString::fromUtf8("\xd9\xa1\xd9\xa2")));  // Arabic-Indic digits
  EXPECT_TRUE(IsValidHex("09afAF"));
  EXPECT_FALSE(IsValidHex("0x1"));
  EXPECT_FALSE(IsValidHex(""));
  EXPECT_TRUE(IsValidOct("01234567"));
  EXPECT_FALSE(IsValidOct("8"));
  EXPECT_TRUE(IsValidBin("0110"));
  EXPECT_FALSE(IsValidBin("012"));
  EXPECT_FALSE(IsValidBin(QString(QChar(0))));
}

TEST(IntegerScans, ValuesPositionsAndWrapAround) {
  struct Case {
    std::int32_t (*Scan)(const QString&, int&);
    const char* Text;
    std::int32_t Value;
    int EndPos;
  };
  const Case cases[] = {
      {ScanInt, "", 0, 1},           {ScanInt, "  -42x", -42, 6},   {ScanInt, "+7", 7, 3},
      {ScanInt, "-", 0, 2},          {ScanInt, "   ", 0, 3},        // blanks skipped up to the last character
      {ScanInt, "4294967297", 1, 11},                                // wraps around in 32 bits
      {ScanInt, "-2147483648", std::numeric_limits<std::int32_t>::min(), 12},
      {ScanHex, "FFFFFFFF", -1, 9},  {ScanHex, "$1f", 31, 4},       {ScanHex, "1$", 1, 2},
      {ScanHex, " $1", 0, 2},        {ScanHex, "-1", 0, 1},         {ScanHex, "100000000", 0, 10},
      {ScanOct, "178", 15, 3},       {ScanOct, "37777777777", -1, 12},
      {ScanBin, "1012", 5, 4},       {ScanBin, " 11", 3, 4},
  };
  for (const Case& c : cases) {
    int pos = 1;
    EXPECT_EQ(c.Scan(c.Text, pos), c.Value) << c.Text;
    EXPECT_EQ(pos, c.EndPos) << c.Text;
  }
}

TEST(Formatting, FixedNotation) {
  EXPECT_EQ(FormatFixed(1234.5, 1, 8), "1234.50000000");
  EXPECT_EQ(FormatFixed(1.505, 1, 2), "1.50");  // 1.505 is just below the half
  EXPECT_EQ(FormatFixed(2.5, 1, 0), "2");       // halves to even
  EXPECT_EQ(FormatFixed(3.5, 1, 0), "4");
  EXPECT_EQ(FormatFixed(-1.25, 8, 1), "    -1.2");
  EXPECT_EQ(FormatFixed(-0.001, 1, 2), "0.00");
  EXPECT_EQ(FormatFixed(0, 1, 0), "0");
  EXPECT_EQ(FormatFixed(std::numeric_limits<double>::quiet_NaN(), 1, 2), "NAN");
  EXPECT_EQ(FormatFixed(-std::numeric_limits<double>::infinity(), 5, 2), " -INF");
  EXPECT_EQ(FormatFixed(std::numeric_limits<double>::max(), 1, 100).size(), 309 + 1 + 100);
  EXPECT_EQ(FormatFixed(1, 100000, 2).size(), 255);
}

TEST(Formatting, ScientificNotation) {
  EXPECT_EQ(FormatScientific(1234.5, 12), " 1.23450E+03");
  EXPECT_EQ(FormatScientific(-1234.5, 12), "-1.23450E+03");
  EXPECT_EQ(FormatScientific(0, 12), " 0.00000E+00");
  EXPECT_EQ(FormatScientific(1e-5, 9), " 1.00E-05");
  EXPECT_EQ(FormatScientific(1.0e150, 12), QString(12, u'*'));
  EXPECT_EQ(FormatScientific(1.0e-150, 12), QString(12, u'*'));
  EXPECT_EQ(FormatScientific(9.9999996e99, 12), QString(12, u'*'));  // rounds up to E+100
  EXPECT_EQ(FormatScientific(9.99e99, 12), " 9.99000E+99");
  EXPECT_EQ(FormatScientific(1234.5, 7), " 1E+03");  // one significant digit: no point
  EXPECT_EQ(FormatScientific(1234.5, 3), " 1E+03");
  EXPECT_EQ(FormatScientific(std::numeric_limits<double>::infinity(), 9), QString(9, u'*'));
  EXPECT_EQ(FormatScientific(std::numeric_limits<double>::quiet_NaN(), 9), QString(9, u'*'));
}

TEST(Formatting, HexOctBinWriting) {
  EXPECT_EQ(WriteHex(255, 8), "000000FF");
  EXPECT_EQ(WriteHex(std::uint32_t(-1), 8), "FFFFFFFF");
  EXPECT_EQ(WriteHex(0xABCDEF12, 2), "12");
  EXPECT_EQ(WriteHex(0xFFFFFFFF, 99), "00000000FFFFFFFF");
  EXPECT_EQ(WriteHex(5, 0), "5");
  EXPECT_EQ(WriteHex(5, -3), "5");
  EXPECT_EQ(WriteBin(5, 32), QString(29, u'0') + "101");
  EXPECT_EQ(WriteBin(0xFFFFFFFF, 40), QString(32, u'1'));
  EXPECT_EQ(WriteOct(8, 11), "00000000010");
  EXPECT_EQ(WriteOct(0xFFFFFFFF, 11), "37777777777");
}

TEST(Formatting, RoundingHalvesToEvenInto64Bits) {
  EXPECT_EQ(RoundToInt64(0.5), 0);
  EXPECT_EQ(RoundToInt64(1.5), 2);
  EXPECT_EQ(RoundToInt64(2.5), 2);
  EXPECT_EQ(RoundToInt64(-2.5), -2);
  EXPECT_EQ(RoundToInt64(-3.5), -4);
  EXPECT_EQ(RoundToInt64(2.4999999), 2);
  EXPECT_EQ(RoundToInt64(4294967296.0 + 255), 4294967296LL + 255);
  EXPECT_EQ(RoundToInt64(1e300), std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(RoundToInt64(-1e300), std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(RoundToInt64(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(RoundToLow32(4294967296.0 + 255), 255u);
  EXPECT_EQ(RoundToLow32(-1), 0xFFFFFFFFu);
}

TEST(NumIO2Rules, CheckValidity) {
  struct Case {
    const char* Text;
    TInFormat Format;
    int Sep;
    bool Valid;
  };
  const Case cases[] = {
      {"-", itFloat, sepDot, true},       {".", itFloat, sepDot, true},       {"1,5", itFloat, sepDot, false},
      {"1,5", itFloat, sepBoth, true},    {"1e4200", itExp, sepDot, true},    {"1e4201", itExp, sepDot, false},
      {"12", itInt, sepDot, true},        {"1.", itInt, sepDot, false},       {"fF", itHex, sepDot, true},
      {"9", itOct, sepDot, false},        {"2", itBin, sepDot, false},        {"$1F", itDynamic, sepDot, true},
      {"%101", itDynamic, sepDot, true},  {"&17", itDynamic, sepDot, true},   {"$", itDynamic, sepDot, false},
      {"%", itDynamic, sepDot, false},    {"&8", itDynamic, sepDot, false},   {"", itDynamic, sepDot, false},
      {"1.5e3", itDynamic, sepDot, true}, {"x", itDynamic, sepDot, false},    {"", itFloat, sepDot, false},
  };
  for (const Case& c : cases) EXPECT_EQ(NumIO2CheckValidity(c.Text, c.Format, 2, c.Sep), c.Valid) << c.Text;
}

TEST(NumIO2Rules, FixPointDecimalPlaces) {
  struct Case {
    const char* Text;
    int Sep;
    bool Valid;
  };
  const Case cases[] = {{"12.34", sepDot, true}, {"12.3", sepDot, false}, {"12", sepDot, true},
                        {"123", sepDot, false},  {"12,34", sepComma, false},  // looks for "." only
                        {"-.12", sepDot, true},  {"", sepDot, false}};
  for (const Case& c : cases) EXPECT_EQ(NumIO2CheckValidity(c.Text, itFixPoint, 2, c.Sep), c.Valid) << c.Text;
}

TEST(NumIO2Rules, ValueOfText) {
  struct Case {
    const char* Text;
    TInFormat Format;
    double Value;
  };
  const Case cases[] = {
      {"$1F", itDynamic, 31},           {"%101", itDynamic, 5},          {"&17", itDynamic, 15},
      {"$FFFFFFFF", itDynamic, -1},     {"$", itDynamic, 0},             {"", itDynamic, 0},
      {"1,5", itFloat, 1.5},            {"1.5xyz", itExp, 1.5},          {"2e3", itFixPoint, 2000},
      {"123", itInt, 123},              {"-2147483648", itInt, -2147483648.0},
      {"99999999999", itInt, 2147483647}, {"-99999999999", itInt, -2147483648.0},
      {"1.5", itInt, 0},                {"", itInt, 0},                  {"ff", itHex, 255},
      {"777", itOct, 511},              {"11", itBin, 3},                {"1e4201", itExp, std::numeric_limits<double>::max()},
  };
  for (const Case& c : cases) EXPECT_EQ(NumIO2Value(c.Text, c.Format), c.Value) << c.Text;
}

TEST(NumIO2Rules, TextOfValue) {
  EXPECT_EQ(NumIO2Text(1234.5, itExp, 6, 2), " 1.23450E+03");
  EXPECT_EQ(NumIO2Text(1234.5, itExp, 3, 2), " 1.23E+03");
  EXPECT_EQ(NumIO2Text(2.5, itInt, 6, 2), "2");
  EXPECT_EQ(NumIO2Text(-7.6, itDynamic, 6, 2), "-8");
  EXPECT_EQ(NumIO2Text(255, itHex, 6, 2), "000000FF");
  EXPECT_EQ(NumIO2Text(8, itOct, 6, 2), "00000000010");
  EXPECT_EQ(NumIO2Text(5, itBin, 6, 2), QString(29, u'0') + "101");
  EXPECT_EQ(NumIO2Text(1.005, itFixPoint, 6, 3), "1.005");
  EXPECT_EQ(NumIO2Text(1.5, itFloat, 6, 2), "1.50");
}

TEST(NumIO2Rules, IntegerValueLimits) {
  EXPECT_EQ(NioIntValue(2147483647.0, "N"), 2147483647);
  EXPECT_EQ(NioIntValue(-2147483648.0, "N"), -2147483647 - 1);
  EXPECT_EQ(NioIntValue(2.5, "N"), 2);
  EXPECT_EQ(NioIntValue(-3.5, "N"), -4);
  for (double v : {2147483647.4, -2147483648.4, 1e300, std::numeric_limits<double>::quiet_NaN()}) {
    try {
      NioIntValue(v, "Field1");
      ADD_FAILURE() << v << " did not raise";
    } catch (const EORVError& e) {
      EXPECT_EQ(e.Message(), "Component \"Field1\": integer overflow");
      EXPECT_NE(dynamic_cast<const EORVNumIO2Error*>(&e), nullptr);
    }
  }
}

TEST(NumIORules, ConvertNumString) {
  struct Case {
    const char* Text;
    TInFormat Format;
    int Sep;
    bool Ok;
    double Value;
  };
  const Case cases[] = {
      {"2.5e", itExp, sepDot, true, 2.5},     {"2.5e-", itExp, sepDot, true, 2.5},
      {"2.5E+", itExp, sepDot, true, 2.5},    {"2.5 ", itExp, sepDot, false, 0},
      {"1 000", itExp, sepDot, false, 0},     {"   ", itExp, sepDot, true, 0},
      {"  12", itExp, sepDot, true, 12},      {"e", itExp, sepDot, true, 0},
      {"1e5e", itExp, sepDot, false, 100000}, {"1.5e3", itExp, sepDot, true, 1500},
      {"-", itFloat, sepDot, true, 0},        {".", itFloat, sepDot, true, 0},
      {"1e3", itFloat, sepDot, false, 1},     {"1,5", itFloat, sepDot, false, 1},
      {"1,5", itFloat, sepComma, true, 1.5},  {"1,5", itFixPoint, sepBoth, true, 1.5},
      {"-17", itInt, sepDot, true, -17},      {"1.5", itInt, sepDot, false, 1},
      {"ff", itHex, sepDot, true, 255},       {"$FF", itHex, sepDot, true, 255},
      {"fg", itHex, sepDot, false, 15},       {"17", itOct, sepDot, true, 15},
      {"101", itBin, sepDot, true, 5},        {"$1F", itDynamic, sepDot, true, 31},
      {"%101", itDynamic, sepDot, true, 5},   {"&17", itDynamic, sepDot, true, 15},
      {"$", itDynamic, sepDot, true, 0},      {"$$1", itDynamic, sepDot, false, 0},
      {"&8", itDynamic, sepDot, false, 0},    {"2.5e", itDynamic, sepDot, true, 2.5},
      {"\xd9\xa3", itInt, sepDot, false, 0},  {"1\xc2\xa0", itExp, sepDot, false, 1},  // no-break space
  };
  for (const Case& c : cases) {
    double v = -99;
    EXPECT_EQ(ConvertNumIOString(QString::fromUtf8(c.Text), c.Format, c.Sep, v), c.Ok) << c.Text;
    EXPECT_EQ(v, c.Value) << c.Text;
  }
  double v = -99;
  EXPECT_FALSE(ConvertNumIOString("", itExp, sepDot, v));
  EXPECT_EQ(v, -99);  // untouched
}

TEST(NumIORules, TextAndValueRoundTrip) {
  EXPECT_EQ(NumIOText(1234.5, itExp, 2), " 1.23450E+03");
  EXPECT_EQ(NumIOText(1234.5, itDynamic, 2), " 1.23450E+03");
  EXPECT_EQ(NumIOText(1234.5, itFloat, 2), "1234.50000000");
  EXPECT_EQ(NumIOText(1.234, itFixPoint, 1), "1.2");
  EXPECT_EQ(NumIOText(2.5, itInt, 2), "2");
  EXPECT_EQ(NumIOText(255, itHex, 2), "000000FF");
  EXPECT_EQ(NumIOText(8, itOct, 2), "00000010");
  EXPECT_EQ(NumIOText(5, itBin, 2), "00000101");
  EXPECT_EQ(NumIOText(300, itBin, 2), "100101100");  // more digits rather than losing bits
  EXPECT_EQ(NumIOText(-1, itOct, 2), "37777777777");
  for (TInFormat f : {itExp, itFloat, itFixPoint, itInt, itHex, itOct, itBin, itDynamic}) {
    for (double x : {0.0, 5.0, 300.0, -1.0, 1234.5}) {
      const double expected = f == itExp || f == itDynamic || f == itFloat ? x
                              : f == itFixPoint                             ? std::round(x * 100) / 100
                                                                            : double(RoundToInt64(x));
      EXPECT_EQ(NumIOValue(NumIOText(x, f, 2), f), expected) << int(f) << " " << x;
    }
  }
}

TEST(NumIORules, ValueReadsCommaTextInEveryMode) {
  EXPECT_EQ(NumIOValue("1,5", itFloat), 1.5);
  EXPECT_EQ(NumIOValue("12.", itFloat), 12);
  EXPECT_EQ(NumIOValue("abc", itFloat), 0);
  EXPECT_EQ(NumIOValue("", itExp), 0);
}
