#include "OrvFloatText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace orv {

namespace {

QString NonFinite(double Value) {
  if (std::isnan(Value)) return QStringLiteral("NAN");
  return Value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

QString Sign(const TFloatRec& r) { return r.Negative ? QStringLiteral("-") : QString(); }

// "E", the exponent's sign and at least MinDigits digits.
QString ExponentText(int Exponent, int MinDigits) {
  return QString(QLatin1Char('E')) + QLatin1Char(Exponent < 0 ? '-' : '+') +
         QString::number(std::abs(Exponent)).rightJustified(MinDigits, QLatin1Char('0'));
}

// The digits of r from index From (0-based) for Count places, zeros past the end.
QString DigitRun(const TFloatRec& r, int From, int Count) {
  QString s;
  s.reserve(std::max(0, Count));
  for (int i = From; i < From + Count; ++i)
    s += QLatin1Char(i >= 0 && i < r.Digits.size() ? r.Digits[i] : '0');
  return s;
}

}  // namespace

TFloatRec FloatToDecimal(double Value, int Precision, int Decimals) {
  TFloatRec r;
  if (Value == 0 || !std::isfinite(Value)) return r;
  Precision = std::clamp(Precision, 1, 17);
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(Value), std::chars_format::scientific);
  // buf holds "d[.ddd]e[+-]xx": the shortest form that reads back as Value.
  const char* p = buf;
  QByteArray digits;
  int exp10 = 0;
  for (; p < res.ptr && *p != 'e'; ++p)
    if (*p != '.') digits += *p;
  if (p < res.ptr) {
    const char* e = p + 1;
    if (*e == '+') ++e;
    std::from_chars(e, res.ptr, exp10);
  }
  r.Negative = Value < 0;
  r.Exponent = exp10 + 1;

  const long long keep = std::min<long long>(Precision, (long long)r.Exponent + Decimals);
  if (keep < 0) return TFloatRec{};
  if (keep < digits.size()) {
    const bool up = digits[int(keep)] >= '5';
    digits.truncate(int(keep));
    if (up) {
      int i = int(digits.size()) - 1;
      while (i >= 0 && digits[i] == '9') digits[i--] = '0';
      if (i >= 0) {
        ++digits[i];
      } else {
        digits.prepend('1');
        digits.truncate(std::max<int>(1, int(keep)));
        ++r.Exponent;
      }
    }
  }
  while (!digits.isEmpty() && digits.back() == '0') digits.chop(1);
  if (digits.isEmpty()) return TFloatRec{};
  r.Digits = digits;
  return r;
}

QString FloatToFixed(double Value, int Decimals) {
  if (!std::isfinite(Value)) return NonFinite(Value);
  Decimals = std::clamp(Decimals, 0, 30);
  const TFloatRec r = FloatToDecimal(Value, 17, Decimals);
  QString s = Sign(r) + (r.Exponent > 0 ? DigitRun(r, 0, r.Exponent) : QStringLiteral("0"));
  if (Decimals > 0) s += QLatin1Char('.') + DigitRun(r, r.Exponent, Decimals);
  return s;
}

QString FloatToExponent(double Value, int Digits, int ExpDigits) {
  if (!std::isfinite(Value)) return NonFinite(Value);
  Digits = std::clamp(Digits, 1, 17);
  const TFloatRec r = FloatToDecimal(Value, Digits, 100000);
  QString s = Sign(r) + DigitRun(r, 0, 1);
  if (Digits > 1) s += QLatin1Char('.') + DigitRun(r, 1, Digits - 1);
  return s + ExponentText(r.Digits.isEmpty() ? 0 : r.Exponent - 1, ExpDigits);
}

QString FloatToGeneral(double Value, int Precision) {
  if (!std::isfinite(Value)) return NonFinite(Value);
  Precision = std::clamp(Precision, 1, 17);
  const TFloatRec r = FloatToDecimal(Value, Precision, 100000);
  if (r.Digits.isEmpty()) return QStringLiteral("0");
  const int n = int(r.Digits.size());
  if (r.Exponent > Precision || r.Exponent < -4) {
    QString s = Sign(r) + DigitRun(r, 0, 1);
    if (n > 1) s += QLatin1Char('.') + DigitRun(r, 1, n - 1);
    return s + ExponentText(r.Exponent - 1, 2);
  }
  if (r.Exponent <= 0) return Sign(r) + QStringLiteral("0.") + QString(-r.Exponent, QLatin1Char('0')) + DigitRun(r, 0, n);
  QString s = Sign(r) + DigitRun(r, 0, r.Exponent);
  if (n > r.Exponent) s += QLatin1Char('.') + DigitRun(r, r.Exponent, n - r.Exponent);
  return s;
}

}  // namespace orv
