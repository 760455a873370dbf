// Number texts of the table editor.
#include "OrvNTabEdText.h"

#include <OrvNumText.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace orv {

namespace {

// Largest magnitude shown in fixed notation, by decimals 0..8.
constexpr double kFixedLimit[9] = {999999999.0, 9999999.9, 999999.99, 99999.999, 9999.9999,
                                   999.99999,   99.999999, 9.9999999, 0.99999999};

bool StartsNumber(QChar c) { return c == u'+' || c == u'-' || c == u'.' || (c >= u'0' && c <= u'9'); }

}  // namespace

QString NTabValueText(double Value, int NumWidth, int Precision) {
  if (Precision >= 0 && Precision <= 8) {
    const double a = std::fabs(Value);
    const bool tooSmall = Value != 0 && a < std::pow(10.0, -Precision);
    if (a <= kFixedLimit[Precision] && !tooSmall) return FormatFixed(Value, NumWidth, Precision);
  }
  return FormatScientific(Value, NumWidth + 6);
}

QString NTabClipText(double Value, bool FullPrec, int Precision) {
  if (!std::isfinite(Value)) return FormatFixed(Value, 1, 0);  // "NAN", "INF", "-INF"
  if (!FullPrec && Precision >= 0) return FormatFixed(Value, 1, Precision);
  // Scientific notation that never overflows into asterisks: printf writes
  // at least two exponent digits, full precision carries four.
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.*E", FullPrec ? 13 : 6, Value);
  const char* e = std::strchr(buf, 'E');
  const int exponent = std::atoi(e + 1);
  char out[48];
  std::snprintf(out, sizeof out, "%s%.*sE%c%0*d", std::signbit(Value) ? "" : " ", int(e - buf), buf,
                exponent < 0 ? '-' : '+', FullPrec ? 4 : 2, std::abs(exponent));
  return QString::fromLatin1(out);
}

void ScanClipNumbers(const QString& Text, bool KeepCommas, const std::function<void(int, int, double)>& Number,
                     const std::function<void(int)>& LineEnd) {
  QString t = Text;
  for (QChar& c : t)
    if (c == u'\t' || c == u'\r' || (c == u',' && !KeepCommas)) c = u' ';
  t.append(u' ');
  const int n = int(t.size());
  auto at = [&](int p) { return t[p - 1]; };
  auto lineFeed = [&](int& i, int& j) {
    if (LineEnd) LineEnd(i);
    i = 0;
    ++j;
  };
  int p = 1, i = 0, j = 0;
  while (p < n && !StartsNumber(at(p))) ++p;
  while (p <= n) {
    if (p == n && !(at(p) >= u'0' && at(p) <= u'9')) {
      ++p;
      continue;
    }
    const double v = ScanDecimal(t, true, dsmBoth, p);
    if (Number) Number(i, j, v);
    ++i;
    // p is on the character that ended the number: a line feed there ends the line too.
    if (p <= n && at(p) == u'\n') lineFeed(i, j);
    for (++p; p <= n && !StartsNumber(at(p)); ++p)
      if (at(p) == u'\n') lineFeed(i, j);
  }
}

}  // namespace orv
