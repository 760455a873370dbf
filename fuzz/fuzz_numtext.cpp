// Fuzzes the number-text layer: every scanner, check and formatter on
// arbitrary bytes read as Latin-1 and as UTF-8, with invariants that tie the
// checks to the scanners and the formatters to the scanners.
#include <ORV_NumIO.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace orv;

namespace {

void Require(bool Condition) {
  if (!Condition) std::abort();
}

bool PosInRange(const QString& Text, int Pos) { return Pos >= 1 && Pos <= Text.size() + 1; }
bool WholeText(const QString& Text, int Pos) { return Pos == Text.size() + 1; }
bool InDoubleRange(double v) { return std::isfinite(v) && std::fabs(v) <= NumTextMaxDouble; }

void FuzzText(const QString& Text, int Start) {
  const TDecSepMode modes[] = {dsmDot, dsmComma, dsmBoth};
  for (bool exp : {false, true}) {
    for (TDecSepMode mode : modes) {
      int pos = Start;
      Require(InDoubleRange(ScanDecimal(Text, exp, mode, pos)));
      Require(PosInRange(Text, pos));
      pos = 1;
      ScanDecimal(Text, exp, mode, pos);
      const int sep = int(mode) + 1;
      // A valid decimal text begins with a number: the scan takes at least one character.
      if (IsValidDecimal(Text, exp, sep)) Require(pos >= 2);
    }
  }
  for (int sep = 0; sep <= 3; ++sep) {
    // A valid simple decimal text is read to its end by the scanner.
    if (IsValidSimpleDecimal(Text, sep)) {
      int pos = 1;
      ScanDecimal(Text, false, ScanSepMode(sep), pos);
      Require(WholeText(Text, pos));
    }
  }

  std::int32_t (*scans[])(const QString&, int&) = {ScanInt, ScanHex, ScanOct, ScanBin};
  bool (*checks[])(const QString&) = {IsValidInt, IsValidHex, IsValidOct, IsValidBin};
  for (int i = 0; i < 4; ++i) {
    int pos = Start;
    scans[i](Text, pos);
    Require(PosInRange(Text, pos));
    if (checks[i](Text)) {
      pos = 1;
      scans[i](Text, pos);
      Require(WholeText(Text, pos));
    }
  }

  for (TInFormat f : {itExp, itFloat, itFixPoint, itInt, itHex, itOct, itBin, itDynamic}) {
    for (int sep = 0; sep <= 3; ++sep) {
      NumIO2CheckValidity(Text, f, Start % 10, sep);
      double v = 0;
      if (ConvertNumIOString(Text, f, sep, v)) Require(InDoubleRange(v));
    }
    const double v2 = NumIO2Value(Text, f);
    Require(InDoubleRange(v2));
    if (f == itInt && IsValidInt(Text)) Require(v2 >= -2147483648.0 && v2 <= 2147483647.0);
    Require(InDoubleRange(NumIOValue(Text, f)));
  }
}

void FuzzNumber(double Value, int Width, int Decimals, std::uint32_t Bits) {
  const QString fixed = FormatFixed(Value, Width, Decimals);
  Require(fixed.size() >= std::clamp(Width, 0, 255));
  if (std::isfinite(Value)) {
    int pos = 1;
    const double back = ScanDecimal(fixed, false, dsmDot, pos);
    Require(WholeText(fixed, pos));
    const double step = std::pow(10.0, -std::clamp(Decimals, 0, 100));
    Require(std::fabs(back - Value) <= 0.5 * step * (1 + 1e-9) + std::fabs(Value) * 1e-15);
  }

  const QString sci = FormatScientific(Value, Width);
  const int w = std::clamp(Width, 7, 255);
  if (sci != QString(w, u'*')) {
    Require(sci.size() == (w == 7 ? 6 : w));
    int pos = 1;
    const double back = ScanDecimal(sci, true, dsmDot, pos);
    Require(WholeText(sci, pos));
    if (w >= 23) Require(back == Value);  // 17 significant digits read back exactly
  }

  int pos = 1;
  Require(ScanHex(WriteHex(Bits, 8), pos) == std::int32_t(Bits));
  pos = 1;
  Require(ScanOct(WriteOct(Bits, 11), pos) == std::int32_t(Bits));
  pos = 1;
  Require(ScanBin(WriteBin(Bits, 32), pos) == std::int32_t(Bits));
  for (TInFormat f : {itExp, itFloat, itFixPoint, itInt, itHex, itOct, itBin, itDynamic}) {
    NumIO2Text(Value, f, Decimals, Decimals);
    NumIOText(Value, f, Decimals);
  }

  const std::int64_t r = RoundToInt64(Value);
  if (std::isfinite(Value) && std::fabs(Value) < 9e18) Require(std::fabs(double(r) - Value) <= 0.5);
  try {
    const int i = NioIntValue(Value, QStringLiteral("F"));
    Require(Value >= -2147483648.0 && Value <= 2147483647.0 && std::fabs(i - Value) <= 0.5);
  } catch (const EORVNumIO2Error&) {
    Require(!(Value >= -2147483648.0 && Value <= 2147483647.0));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const char* text = reinterpret_cast<const char*>(Data);
  const int start = Size > 0 ? int(static_cast<std::int8_t>(Data[0])) : 1;
  FuzzText(QString::fromLatin1(text, qsizetype(Size)), start);
  FuzzText(QString::fromUtf8(text, qsizetype(Size)), start);

  if (Size >= 16) {
    double value;
    std::memcpy(&value, Data, sizeof value);
    std::int32_t width, decimals;
    std::memcpy(&width, Data + 8, sizeof width);
    std::memcpy(&decimals, Data + 12, sizeof decimals);
    std::uint32_t bits;
    std::memcpy(&bits, Data, sizeof bits);
    FuzzNumber(value, width % 300, decimals % 120, bits);
  }
  return 0;
}
