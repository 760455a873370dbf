// Numeric reading of cells and default values from column formats.

#include "OrvTRLData.h"

#include "OrvRLText.h"

#include <algorithm>
#include <charconv>

namespace orv {

namespace {

// A decimal number as the whole text: optional sign, digits with an optional
// "." and an optional exponent.
bool ParseDecimal(const QString& Text, double& Value) {
  const QByteArray bytes = Text.toLatin1();
  const char* p = bytes.constData();
  const char* end = p + bytes.size();
  bool negative = false;
  if (p < end && (*p == '+' || *p == '-')) negative = *p++ == '-';
  // from_chars would also take "inf" and "nan"; a number starts with a digit or ".".
  if (p == end || !((*p >= '0' && *p <= '9') || *p == '.')) return false;
  for (QChar c : Text)
    if (c.unicode() > 0x7F) return false;
  double v = 0;
  const auto [ptr, ec] = std::from_chars(p, end, v, std::chars_format::general);
  if (ec != std::errc() || ptr != end) return false;
  Value = negative ? -v : v;
  return true;
}

}  // namespace

// The default Max is the cell length, so a huge count cannot make a huge text.
int detail::ReadCount(QStringView Text, int Max) {
  qsizetype i = 0;
  while (i < Text.size() && Text[i] == QLatin1Char(' ')) ++i;
  bool negative = false;
  if (i < Text.size() && (Text[i] == QLatin1Char('+') || Text[i] == QLatin1Char('-')))
    negative = Text[i++] == QLatin1Char('-');
  qint64 n = 0;
  for (; i < Text.size() && Text[i] >= QLatin1Char('0') && Text[i] <= QLatin1Char('9'); ++i)
    n = std::min<qint64>(n * 10 + (Text[i].unicode() - '0'), Max);
  return int(negative ? -n : n);
}

QString detail::RowNumberText(QChar Type, int Row, int N) {
  switch (Type.unicode()) {
    case 'e':
    case 'f':
      return strff(double(Row), 1, std::max(N, 0));
    case 'h': {
      const int digits = std::clamp(N, 1, 16);
      quint64 v = quint64(qint64(Row));
      if (digits < 16) v &= (quint64(1) << (4 * digits)) - 1;
      return QString::number(v, 16).toUpper().rightJustified(digits, QLatin1Char('0'));
    }
    default: {  // 'i'
      const QString digits = QString::number(qAbs(qint64(Row))).rightJustified(std::max(N, 1), QLatin1Char('0'));
      return Row < 0 ? QLatin1Char('-') + digits : digits;
    }
  }
}

QString detail::ParameterDefault(QChar Type, const QString& Param, int Row) {
  const QString lower = Param.toLower();
  if (Type == QLatin1Char('s'))
    return lower.contains(QLatin1String("$pwd$"))
               ? InventPassword(std::max(ReadCount(QStringView(Param).mid(std::min<qsizetype>(5, Param.size()))), 0))
               : Param;
  return lower.contains(QLatin1String("rix"))
             ? RowNumberText(Type, Row, ReadCount(QStringView(Param).mid(std::min<qsizetype>(3, Param.size()))))
             : Param;
}

double TRLData::GetAsNumber(int ACol, int ARow) const {
  if (!ValidCell(ACol, ARow)) return 0;
  const QString stored = Stored(ACol, ARow);
  QString s = IsCheckCol(ACol) ? stored.mid(detail::FirstCharLength(stored)) : stored;
  s = s.trimmed();
  s.replace(QLatin1Char(','), QLatin1Char('.'));
  if (s.isEmpty()) return 0;
  double v = 0;
  if (!ParseDecimal(s, v))
    throw EORVDStructError(QStringLiteral("Class TRLData: invalid numeric string: [%1,%2]: ").arg(ACol).arg(ARow) +
                           stored);
  return v;
}

QString TRLData::GetCellDefaultValue(int ACol, int ARow) const {
  const QString format = GetColumnFormat(ACol);
  // "[type][width]parameter": the parameter is what follows the second "]".
  QString param = format.mid(format.indexOf(QLatin1Char(']')) + 1);
  if (!param.isEmpty()) param = param.mid(param.indexOf(QLatin1Char(']')) + 1);
  if (format.size() < 2) return QString();
  const QChar type = format[1];
  switch (type.unicode()) {
    case 'c':
    case 'l':
      return param.left(param.indexOf(QLatin1Char('|')) < 0 ? param.size() : param.indexOf(QLatin1Char('|')));
    case 'd':
      return param;
    case 'e':
    case 'f':
    case 'h':
    case 'i':
    case 's':
      return detail::ParameterDefault(type, param, ARow);
    default:
      return QString();
  }
}

}  // namespace orv
