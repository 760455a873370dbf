#include "OrvNumText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>
#include <string_view>

namespace orv {

namespace {

const char HexDigits[] = "0123456789ABCDEF";

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

QChar UpperAscii(QChar c) { return (c >= u'a' && c <= u'z') ? QChar(c.unicode() - 32) : c; }

QString LowerAscii(QString s) {
  for (QChar& c : s)
    if (c >= u'A' && c <= u'Z') c = QChar(c.unicode() + 32);
  return s;
}

int ClampPos(const QString& Text, int Pos) { return std::clamp(Pos, 1, int(Text.size()) + 1); }

bool IsSeparator(QChar c, TDecSepMode Mode) {
  switch (Mode) {
    case dsmDot: return c == u'.';
    case dsmComma: return c == u',';
    case dsmBoth: return c == u'.' || c == u',';
  }
  return false;
}

// The decimal scanner's state machine: 1 start, 2 after sign, 3 integer
// digits, 4 after separator, 5 fraction digits, 6 after "E", 7 after exponent
// sign, 8 exponent digits, 9 accepted, -1 error. Reading past the end gives
// "Z". Returns the final state; Pos ends on the character that stopped it.
// NumberText, when given, collects the characters taken (a "," as ".") until
// the exponent exceeds MaxDecimalExponent; with CapIsError such an exponent
// is an error instead.
int RunDecimalMachine(const QString& Text, bool ExpAllowed, TDecSepMode Mode, int& Pos, bool CapIsError,
                      std::string* NumberText) {
  const int len = int(Text.size());
  const int afterE = ExpAllowed ? 6 : 9;
  int state = 1;
  int expMagnitude = 0;  // saturates just above the cap
  while (state != 9 && state != -1) {
    const QChar c = Pos <= len ? UpperAscii(Text[Pos - 1]) : QChar(u'Z');
    ++Pos;
    const bool sep = IsSeparator(c, Mode);
    const bool blank = c == u' ';
    const bool sign = c == u'+' || c == u'-';
    const bool digit = IsDigit(c);
    const bool e = c == u'E';
    int next;
    switch (state) {
      case 1: next = sep ? 4 : blank ? 1 : sign ? 2 : digit ? 3 : -1; break;
      case 2: next = sep ? 4 : digit ? 3 : -1; break;
      case 3: next = sep ? 4 : digit ? 3 : e ? afterE : 9; break;
      case 4:
      case 5: next = sep ? -1 : digit ? 5 : e ? afterE : 9; break;
      case 6: next = (sep || blank || e) ? -1 : sign ? 7 : digit ? 8 : 9; break;
      case 7: next = (sep || blank || sign || e) ? -1 : digit ? 8 : 9; break;
      default: next = digit ? 8 : 9; break;
    }
    if (next == 8) {
      expMagnitude = std::min(expMagnitude * 10 + (c.unicode() - u'0'), MaxDecimalExponent + 1);
      if (CapIsError && expMagnitude > MaxDecimalExponent) next = -1;
    }
    if (NumberText && next >= 1 && next <= 8 && expMagnitude <= MaxDecimalExponent)
      NumberText->push_back(c == u',' ? '.' : char(c.unicode()));
    state = next;
  }
  --Pos;
  return state;
}

// The value of a number text collected by the machine: optional blanks and
// sign, mantissa digits with at most one ".", then "E", an optional sign and
// exponent digits (possibly none: the exponent is then 0). Clamped to the
// finite doubles; -0 becomes 0.
double NumberTextValue(const std::string& s) {
  std::size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  const std::size_t mantissaStart = i;
  while (i < s.size() && s[i] != 'E') ++i;
  const std::string_view mantissa(s.data() + mantissaStart, i - mantissaStart);
  int exponent = 0;
  if (i < s.size()) {
    ++i;
    bool expNegative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) expNegative = s[i++] == '-';
    for (; i < s.size(); ++i) exponent = std::min(exponent * 10 + (s[i] - '0'), 100000);
    if (expNegative) exponent = -exponent;
  }
  // Decimal magnitude of the first significant digit, to tell overflow from underflow.
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = mantissa.find_first_of("123456789");
  if (first == std::string_view::npos) return 0.0;
  const long magnitude =
      (first < point ? long(point) - long(first) - 1 : -(long(first) - long(point))) + exponent;
  // The mantissa and "e<exponent>", in a buffer kept between calls (scans run by the hundred thousand).
  thread_local std::string canonical;
  canonical.assign(mantissa);
  char expText[16] = {'e'};
  const auto end = std::to_chars(expText + 1, expText + sizeof expText, exponent).ptr;
  canonical.append(expText, end);
  double v = 0.0;
  const auto r = std::from_chars(canonical.data(), canonical.data() + canonical.size(), v);
  if (r.ec == std::errc::result_out_of_range) v = magnitude >= 0 ? NumTextMaxDouble : 0.0;
  else if (r.ec != std::errc()) v = 0.0;
  v = std::min(v, NumTextMaxDouble);
  return (negative ? -v : v) + 0.0;
}

std::int32_t ScanBase(const QString& Text, int& Pos, unsigned Base) {
  const int len = int(Text.size());
  Pos = ClampPos(Text, Pos);
  while (Pos < len && Text[Pos - 1] == u' ') ++Pos;
  bool negative = false;
  if (Base == 10 && Pos <= len && (Text[Pos - 1] == u'+' || Text[Pos - 1] == u'-')) {
    negative = Text[Pos - 1] == u'-';
    ++Pos;
  }
  if (Base == 16 && Pos == 1 && len > 0 && Text[0] == u'$') ++Pos;
  std::uint32_t v = 0;
  for (; Pos <= len; ++Pos) {
    const QChar c = UpperAscii(Text[Pos - 1]);
    const char* d = c.unicode() < 128 && c.unicode() != 0 ? std::strchr(HexDigits, char(c.unicode())) : nullptr;
    if (!d || unsigned(d - HexDigits) >= Base) break;
    v = v * Base + unsigned(d - HexDigits);
  }
  if (negative) v = 0u - v;
  return static_cast<std::int32_t>(v);
}

bool AllOf(const QString& Text, const char* Allowed) {
  if (Text.isEmpty()) return false;
  return std::all_of(Text.begin(), Text.end(), [Allowed](QChar c) {
    return c.unicode() < 128 && c.unicode() != 0 && std::strchr(Allowed, char(c.unicode()));
  });
}

QString WriteDigits(std::uint32_t Value, int Digits, int MaxDigits, int BitsPerDigit) {
  Digits = std::clamp(Digits, 1, MaxDigits);
  QString s(Digits, u'0');
  std::uint64_t x = Value;
  const std::uint64_t mask = (1u << BitsPerDigit) - 1;
  for (int i = Digits - 1; i >= 0; --i, x >>= BitsPerDigit) s[i] = QLatin1Char(HexDigits[x & mask]);
  return s;
}

// Digits needed for Value in a base of 2^BitsPerDigit, at least Min.
int DigitsNeeded(std::uint32_t Value, int BitsPerDigit, int Min) {
  int n = 0;
  for (std::uint64_t x = Value; x != 0; x >>= BitsPerDigit) ++n;
  return std::max(n, Min);
}

// Scans Text as a whole in a base; Pos starts after a format prefix when there is one.
bool ScanWholeInt(const QString& Text, int Start, TInFormat Format, double& Value) {
  int pos = Start;
  switch (Format) {
    case itHex: Value = ScanHex(Text, pos); break;
    case itOct: Value = ScanOct(Text, pos); break;
    case itBin: Value = ScanBin(Text, pos); break;
    default: Value = ScanInt(Text, pos); break;
  }
  return pos == Text.size() + 1;
}

// The integer format a "$", "&" or "%" prefix selects, else itExp.
TInFormat DynamicFormat(const QString& Text) {
  if (Text.isEmpty()) return itExp;
  switch (Text[0].unicode()) {
    case u'$': return itHex;
    case u'&': return itOct;
    case u'%': return itBin;
    default: return itExp;
  }
}

TDecSepMode ExplicitSepMode(int DecPSep, TDecSepMode System) {
  switch (DecPSep) {
    case 1: return dsmDot;
    case 2: return dsmComma;
    case 3: return dsmBoth;
    default: return System;
  }
}

}  // namespace

// ---------------------------------------------------------- separator modes

TDecSepMode ScanSepMode(int DecPSep) {
  return ExplicitSepMode(DecPSep, FormatSettings.DecimalSeparator == u'.' ? dsmDot : dsmComma);
}

TDecSepMode ConvertSepMode(int DecPSep) {
  return ExplicitSepMode(DecPSep, FormatSettings.DecimalSeparator == u',' ? dsmComma : dsmDot);
}

// ------------------------------------------------------ scanners and checks

double ScanDecimal(const QString& Text, bool ExpAllowed, TDecSepMode Mode, int& Pos) {
  Pos = ClampPos(Text, Pos);
  thread_local std::string number;  // kept between calls: no allocation per scan
  number.clear();
  if (RunDecimalMachine(Text, ExpAllowed, Mode, Pos, false, &number) != 9) return 0.0;
  return NumberTextValue(number);
}

bool IsValidDecimal(const QString& Text, bool ExpAllowed, int DecPSep) {
  if (Text.isEmpty()) return false;
  int pos = 1;
  return RunDecimalMachine(Text, ExpAllowed, ScanSepMode(DecPSep), pos, true, nullptr) == 9;
}

bool IsValidSimpleDecimal(const QString& Text, int DecPSep) {
  if (Text.isEmpty()) return false;
  const TDecSepMode mode = ScanSepMode(DecPSep);
  // 0 start, 1 after sign, 2 after separator, 3 integer digits, 4 fraction digits, 5 invalid
  int state = 0;
  for (QChar c : Text) {
    const int sepNext = (c == u'.' || c == u',') ? (IsSeparator(c, mode) ? 2 : 5) : -1;
    switch (state) {
      case 0: state = (c == u'+' || c == u'-') ? 1 : sepNext >= 0 ? sepNext : IsDigit(c) ? 3 : 5; break;
      case 1:
      case 3: state = sepNext >= 0 ? sepNext : IsDigit(c) ? 3 : 5; break;
      default: state = IsDigit(c) ? 4 : 5; break;
    }
    if (state == 5) return false;
  }
  return true;
}

bool IsValidInt(const QString& Text) {
  if (Text.isEmpty()) return false;
  if (Text.size() == 1) return IsDigit(Text[0]);
  const QChar first = Text[0];
  if (first != u'+' && first != u'-' && !IsDigit(first)) return false;
  return std::all_of(Text.begin() + 1, Text.end(), IsDigit);
}

bool IsValidHex(const QString& Text) { return AllOf(Text, "0123456789ABCDEFabcdef"); }
bool IsValidOct(const QString& Text) { return AllOf(Text, "01234567"); }
bool IsValidBin(const QString& Text) { return AllOf(Text, "01"); }

std::int32_t ScanInt(const QString& Text, int& Pos) { return ScanBase(Text, Pos, 10); }
std::int32_t ScanHex(const QString& Text, int& Pos) { return ScanBase(Text, Pos, 16); }
std::int32_t ScanOct(const QString& Text, int& Pos) { return ScanBase(Text, Pos, 8); }
std::int32_t ScanBin(const QString& Text, int& Pos) { return ScanBase(Text, Pos, 2); }

// ---------------------------------------------------------------- formatting

QString FormatFixed(double Value, int Width, int Decimals) {
  Width = std::clamp(Width, 0, 255);
  Decimals = std::clamp(Decimals, 0, 100);
  QString s;
  if (std::isnan(Value)) {
    s = QStringLiteral("NAN");
  } else if (std::isinf(Value)) {
    s = Value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
  } else {
    char buf[512];
    const auto r = std::to_chars(buf, buf + sizeof buf, Value, std::chars_format::fixed, Decimals);
    s = QString::fromLatin1(buf, r.ptr - buf);
    // A negative value that rounds to zero is written without its sign.
    if (s.startsWith(u'-') && std::all_of(s.begin() + 1, s.end(), [](QChar c) { return c == u'0' || c == u'.'; }))
      s.remove(0, 1);
  }
  return s.rightJustified(Width, u' ');
}

QString FormatScientific(double Value, int Width) {
  Width = std::clamp(Width, 7, 255);
  const QString stars(Width, u'*');
  if (!std::isfinite(Value)) return stars;
  char buf[512];
  const auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(Value), std::chars_format::scientific, Width - 7);
  const QString text = QString::fromLatin1(buf, r.ptr - buf);
  const int e = int(text.indexOf(u'e'));
  const QString expDigits = text.mid(e + 2);
  if (expDigits.size() != 2) return stars;
  return (Value < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + text.left(e) + u'E' + text[e + 1] + expDigits;
}

QString WriteHex(std::uint32_t Value, int Digits) { return WriteDigits(Value, Digits, 16, 4); }
QString WriteOct(std::uint32_t Value, int Digits) { return WriteDigits(Value, Digits, 11, 3); }
QString WriteBin(std::uint32_t Value, int Digits) { return WriteDigits(Value, Digits, 32, 1); }

std::int64_t RoundToInt64(double Value) {
  constexpr double two63 = 9223372036854775808.0;
  if (std::isnan(Value)) return 0;
  if (Value >= two63) return std::numeric_limits<std::int64_t>::max();
  if (Value < -two63) return std::numeric_limits<std::int64_t>::min();
  double t = std::trunc(Value);
  const double f = Value - t;  // exact
  const bool odd = std::fmod(t, 2.0) != 0.0;
  if (f > 0.5 || (f == 0.5 && odd)) t += 1.0;
  else if (f < -0.5 || (f == -0.5 && odd)) t -= 1.0;
  return static_cast<std::int64_t>(t);
}

std::uint32_t RoundToLow32(double Value) {
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>(RoundToInt64(Value)));
}

// ----------------------------------------------------- rules of the controls

bool NumIO2CheckValidity(const QString& Text, TInFormat Format, int FixPointDecPlaces, int DecPSep) {
  switch (Format) {
    case itExp: return IsValidDecimal(Text, true, DecPSep);
    case itFloat: return IsValidSimpleDecimal(Text, DecPSep);
    case itFixPoint:
      return IsValidSimpleDecimal(Text, DecPSep) && Text.indexOf(u'.') + 1 == Text.size() - FixPointDecPlaces;
    case itInt: return IsValidInt(Text);
    case itHex: return IsValidHex(Text);
    case itOct: return IsValidOct(Text);
    case itBin: return IsValidBin(Text);
    case itDynamic:
      switch (DynamicFormat(Text)) {
        case itHex: return IsValidHex(Text.mid(1));
        case itOct: return IsValidOct(Text.mid(1));
        case itBin: return IsValidBin(Text.mid(1));
        default: return IsValidDecimal(Text, true, DecPSep);
      }
  }
  return false;
}

double NumIO2Value(const QString& Text, TInFormat Format) {
  double v = 0.0;
  switch (Format) {
    case itInt: {
      if (!IsValidInt(Text)) return 0.0;
      // A number with more digits than fit saturates at the end of its sign.
      bool ok = false;
      const int i = Text.toInt(&ok);
      if (ok) return i;
      return Text[0] == u'-' ? -2147483648.0 : 2147483647.0;
    }
    case itHex:
    case itOct:
    case itBin: ScanWholeInt(Text, 1, Format, v); return v;
    case itDynamic: {
      const TInFormat f = DynamicFormat(Text);
      if (f != itExp) {
        ScanWholeInt(Text, 2, f, v);
        return v;
      }
      break;
    }
    default: break;
  }
  int pos = 1;
  return ScanDecimal(Text, true, dsmBoth, pos);
}

QString NumIO2Text(double Value, TInFormat Format, int SignificantDigits, int FixPointDecPlaces) {
  switch (Format) {
    case itExp: return FormatScientific(Value, std::clamp(SignificantDigits, 1, 249) + 6);
    case itInt:
    case itDynamic: return QString::number(RoundToInt64(Value));
    case itHex: return WriteHex(RoundToLow32(Value), 8);
    case itOct: return WriteOct(RoundToLow32(Value), 11);
    case itBin: return WriteBin(RoundToLow32(Value), 32);
    case itFloat:
    case itFixPoint: break;
  }
  return FormatFixed(Value, 1, FixPointDecPlaces);
}

int NioIntValue(double Value, const QString& ComponentName) {
  if (!(Value <= 2147483647.0 && Value >= -2147483648.0))
    throw EORVNumIO2Error(QStringLiteral("Component \"") + ComponentName + QStringLiteral("\": integer overflow"));
  return static_cast<int>(RoundToInt64(Value));
}

bool ConvertNumIOString(const QString& Text, TInFormat Format, int DecPSep, double& Value) {
  if (Text.isEmpty()) return false;
  Value = 0.0;
  const TDecSepMode mode = ConvertSepMode(DecPSep);
  qsizetype start = 0;
  while (start < Text.size() && Text[start] == u' ') ++start;
  QString t = LowerAscii(Text.mid(start));
  if (t.contains(u' ')) return false;
  if (t.isEmpty()) return true;
  int first = 1;
  if (Format == itDynamic) {
    Format = DynamicFormat(t);
    if (Format != itExp) first = 2;
  }
  int pos = 1;
  switch (Format) {
    case itExp: {
      // An exponent that was only begun ("e", "e+", "e-" at the end) is dropped.
      const qsizetype e = t.indexOf(u'e');
      const qsizetype n = t.size();
      if (e >= 0 && (e == n - 1 || (e == n - 2 && (t[n - 1] == u'+' || t[n - 1] == u'-')))) t.truncate(e);
      Value = ScanDecimal(t, true, mode, pos);
      return pos == t.size() + 1;
    }
    case itFloat:
    case itFixPoint:
      Value = ScanDecimal(t, false, mode, pos);
      return pos == t.size() + 1;
    default: return ScanWholeInt(t, first, Format, Value);
  }
}

QString NumIOText(double Value, TInFormat Format, int FixPointDecPlaces) {
  const std::uint32_t bits = RoundToLow32(Value);
  switch (Format) {
    case itFloat: return FormatFixed(Value, 1, 8);
    case itFixPoint: return FormatFixed(Value, 1, FixPointDecPlaces);
    case itInt: return FormatFixed(Value, 1, 0);
    case itHex: return WriteHex(bits, 8);
    // At least eight digits, more when the value needs them, so nothing is cut off.
    case itOct: return WriteOct(bits, DigitsNeeded(bits, 3, 8));
    case itBin: return WriteBin(bits, DigitsNeeded(bits, 1, 8));
    case itExp:
    case itDynamic: break;
  }
  return FormatScientific(Value, 12);
}

double NumIOValue(const QString& Text, TInFormat Format) {
  QString t = Text;
  const qsizetype comma = t.indexOf(u',');
  if (comma >= 0) t[comma] = u'.';
  if (t.endsWith(u'.')) t += u'0';
  // The text holds what the control accepted or wrote; with the comma turned
  // into a point it reads in dot mode whatever the separator choice.
  double v = 0.0;
  return ConvertNumIOString(t, Format, 1, v) ? v : 0.0;
}

}  // namespace orv
