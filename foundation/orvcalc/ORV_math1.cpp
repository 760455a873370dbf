#include "ORV_math1.h"

#include <climits>
#include <cmath>

namespace orv {

bool IsValidDecInt(const QString& S) {
  const QString t = S.trimmed();
  qsizetype i = (t.startsWith(QLatin1Char('+')) || t.startsWith(QLatin1Char('-'))) ? 1 : 0;
  if (i == t.size()) return false;
  for (qsizetype k = i; k < t.size(); ++k)
    if (t[k] < QLatin1Char('0') || t[k] > QLatin1Char('9')) return false;
  bool ok = false;
  t.toInt(&ok);
  return ok;
}

int IntNeg(double X) {
  if (std::isnan(X)) return 0;
  const double f = std::floor(X);
  if (f <= double(INT_MIN)) return INT_MIN;
  if (f >= double(INT_MAX)) return INT_MAX;
  return int(f);
}

}  // namespace orv
