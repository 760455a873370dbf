// The number text of TNumLab, one function per family of display types.
#include "ORV_NumLab.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace orv {

namespace {

const QChar DegreeSign(0x00B0);

// The value rounded to a whole number (halves to even), if it fits 64 bits.
std::optional<std::int64_t> RoundedInt(double Value) {
  const double r = std::nearbyint(Value);
  if (!(r >= -9223372036854775808.0 && r < 9223372036854775808.0)) return std::nullopt;
  return std::int64_t(r);
}

// Sign and magnitude of the rounded value in Base, at least MinDigits digits.
std::optional<QString> IntText(double Value, int Base, int MinDigits) {
  const auto r = RoundedInt(Value);
  if (!r) return std::nullopt;
  const std::uint64_t magnitude = *r < 0 ? 0 - std::uint64_t(*r) : std::uint64_t(*r);
  const QString digits = QString::number(magnitude, Base).toUpper().rightJustified(MinDigits, QLatin1Char('0'));
  return *r < 0 ? QLatin1Char('-') + digits : digits;
}

// Degrees split into Parts sexagesimal fields (1: minutes, 2: minutes and
// seconds), the last one with Decimals decimals: "12°30.00'", "12°30'15.00\"".
std::optional<QString> AngleText(double Value, int Parts, int Decimals) {
  if (!std::isfinite(Value)) return std::nullopt;
  const double unitsPerDegree = Parts == 1 ? 60.0 : 3600.0;
  // The angle in the smallest unit, rounded once, so that 59.999' never shows as 60'.
  const QString total = FloatToFixed(std::fabs(Value) * unitsPerDegree, Decimals);
  const int dot = int(total.indexOf(QLatin1Char('.')));
  const QString whole = dot < 0 ? total : total.left(dot);
  const QString fraction = dot < 0 ? QString() : total.mid(dot);
  if (whole.size() > 18) return std::nullopt;
  const std::uint64_t units = whole.toULongLong();
  QString text = QString::number(units / std::uint64_t(unitsPerDegree)) + DegreeSign;
  if (Parts == 1) {
    text += QString::number(units % 60).rightJustified(2, QLatin1Char('0')) + fraction + QLatin1Char('\'');
  } else {
    text += QString::number(units / 60 % 60).rightJustified(2, QLatin1Char('0')) + QLatin1Char('\'');
    text += QString::number(units % 60).rightJustified(2, QLatin1Char('0')) + fraction + QLatin1Char('"');
  }
  const bool zero = std::none_of(total.begin(), total.end(), [](QChar c) { return c >= u'1' && c <= u'9'; });
  return Value < 0 && !zero ? QLatin1Char('-') + text : text;
}

// Engineering notation: mantissa 1 <= |m| < 1000 with Decimals decimals and
// an exponent that is a multiple of three.
QString EngineeringText(double Value, int Decimals) {
  if (!std::isfinite(Value)) return FloatToFixed(Value, 0);
  int exponent = 0;
  if (Value != 0) {
    const TFloatRec r = FloatToDecimal(Value, 17, 100000);
    const int decade = r.Exponent - 1;
    exponent = decade >= 0 ? decade / 3 * 3 : -((2 - decade) / 3 * 3);
  }
  const auto mantissa = [&](int e) {
    const double scale = std::pow(10.0, std::abs(e));
    return FloatToFixed(e >= 0 ? Value / scale : Value * scale, Decimals);
  };
  QString m = mantissa(exponent);
  // Rounding may carry the mantissa to 1000: move to the next group of three.
  if (m.section(QLatin1Char('.'), 0, 0).remove(QLatin1Char('-')).size() > 3) {
    exponent += 3;
    m = mantissa(exponent);
  }
  return m + QLatin1Char('E') + QLatin1Char(exponent < 0 ? '-' : '+') +
         QString::number(std::abs(exponent)).rightJustified(2, QLatin1Char('0'));
}

std::optional<QString> TypeText(double Value, TDisplay DisplayType, int Precision, const QString& DTFormat,
                                const QString& StateText) {
  switch (DisplayType) {
    case dtFloat: return FloatToGeneral(Value, Precision);
    case dtFixP: return FloatToFixed(Value, Precision);
    case dtExp: return FloatToExponent(Value, Precision, 3);
    case dtInt: return IntText(Value, 10, 1);
    case dtHex: return IntText(Value, 16, Precision);
    case dtZeroInt: return IntText(Value, 10, Precision);
    case dtBin: return IntText(Value, 2, Precision);
    case dtOct: return IntText(Value, 8, Precision);
    case dtDateTime:
      try {
        return FormatDateTime(DTFormat, Value);
      } catch (const EConvertError&) {
        return std::nullopt;
      }
    case dtState: return StateText;
    case dtDeg:
      if (!std::isfinite(Value)) return std::nullopt;
      return FloatToFixed(Value, Precision) + DegreeSign;
    case dtDegMin: return AngleText(Value, 1, Precision);
    case dtDegMinSec: return AngleText(Value, 2, Precision);
    case dtEEng: return EngineeringText(Value, Precision);
    case dtEEngNoDP: return EngineeringText(Value, 0);
  }
  return std::nullopt;
}

}  // namespace

std::optional<QString> NumLabFormat(double Value, TDisplay DisplayType, int Precision, const QString& DTFormat,
                                    const QString& StateText, bool Comma, bool ForcePlusSign) {
  std::optional<QString> text = TypeText(Value, DisplayType, Precision, DTFormat, StateText);
  if (!text) return text;
  if (DisplayType == dtHex || DisplayType == dtDateTime || DisplayType == dtState || DisplayType == dtBin)
    return text;
  if (Comma)
    text->replace(QLatin1Char('.'), QLatin1Char(','));
  else
    text->replace(QLatin1Char(','), QLatin1Char('.'));
  if (ForcePlusSign && Value > 0) text->prepend(QLatin1Char('+'));
  return text;
}

}  // namespace orv
