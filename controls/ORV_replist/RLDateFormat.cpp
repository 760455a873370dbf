// Reading and writing the row editor's date/time texts.

#include "OrvRLDateFormat.h"

#include <QList>

#include <algorithm>

namespace orv::detail {

namespace {

bool IsTokenLetter(QChar c) {
  switch (c.unicode()) {
    case 'y': case 'M': case 'd': case 'H': case 'h': case 'm': case 's': case 't': return true;
    default: return false;
  }
}

// One piece of a format: literal text, or a run of Count token letters
// (Valid when the notation knows that run).
struct TFormatItem {
  QString Literal;
  QChar Letter;
  int Count = 0;
  bool Valid = true;
  bool IsToken() const { return Count > 0; }
};

bool KnownRun(QChar Letter, int Count) {
  switch (Letter.unicode()) {
    case 'y': return Count == 2 || Count == 4;
    case 'M': case 'd': return Count <= 4;
    default: return Count <= 2;  // H h m s t
  }
}

QList<TFormatItem> SplitFormat(const QString& F) {
  QList<TFormatItem> items;
  const qsizetype n = F.size();
  for (qsizetype i = 0; i < n;) {
    TFormatItem item;
    if (F[i] == QLatin1Char('\'')) {
      // A quoted literal, up to its closing quote or the end of the format.
      for (++i; i < n; ++i) {
        if (F[i] != QLatin1Char('\'')) {
          item.Literal += F[i];
        } else if (i + 1 < n && F[i + 1] == QLatin1Char('\'')) {
          item.Literal += F[i++];
        } else {
          ++i;
          break;
        }
      }
    } else if (IsTokenLetter(F[i])) {
      qsizetype j = i;
      while (j < n && F[j] == F[i]) ++j;
      item.Letter = F[i];
      item.Count = int(std::min<qsizetype>(j - i, 100));
      item.Valid = KnownRun(item.Letter, item.Count);
      if (!item.Valid) item.Literal = F.mid(i, j - i);
      i = j;
    } else {
      qsizetype j = i;
      while (j < n && F[j] != QLatin1Char('\'') && !IsTokenLetter(F[j])) ++j;
      item.Literal = F.mid(i, j - i);
      i = j;
    }
    items.append(item);
  }
  return items;
}

// Reads the text left to right, one format item at a time.
class TReader {
public:
  explicit TReader(const QString& Text) : FText(Text) {}

  bool Literal(const QString& L) {
    if (!QStringView(FText).mid(FPos).startsWith(L)) return false;
    FPos += L.size();
    return true;
  }

  // Blanks, an optional sign and at least one digit.
  bool Integer(int& Value) {
    qsizetype p = FPos;
    while (p < FText.size() && FText[p] == QLatin1Char(' ')) ++p;
    bool negative = false;
    if (p < FText.size() && (FText[p] == QLatin1Char('+') || FText[p] == QLatin1Char('-')))
      negative = FText[p++] == QLatin1Char('-');
    const qsizetype digits = p;
    qint64 v = 0;
    for (; p < FText.size() && FText[p] >= QLatin1Char('0') && FText[p] <= QLatin1Char('9'); ++p)
      v = std::min<qint64>(v * 10 + (FText[p].unicode() - '0'), 1'000'000'000);  // beyond any date: fails to encode
    if (p == digits) return false;
    Value = int(negative ? -v : v);
    FPos = p;
    return true;
  }

  // A number within the next Width characters: "3 March" read with a
  // two-digit day gives 3 and leaves " March".
  bool Fixed(int Width, int& Value) {
    TReader part(FText.mid(FPos, Width));
    if (!part.Integer(Value)) return false;
    FPos += part.FPos;
    return true;
  }

  // Index (1-based) of the first of Names that the text starts with, ignoring case; 0 when none.
  int Name(const QStringList& Names) {
    for (int i = 0; i < Names.size(); ++i)
      if (QStringView(FText).mid(FPos).startsWith(Names[i], Qt::CaseInsensitive)) {
        FPos += Names[i].size();
        return i + 1;
      }
    return 0;
  }

  // The next Width characters; false when the text is shorter.
  bool Take(int Width, QString& Chars) {
    if (FPos + Width > FText.size()) return false;
    Chars = FText.mid(FPos, Width);
    FPos += Width;
    return true;
  }

private:
  QString FText;
  qsizetype FPos = 0;
};

QStringList MonthNames(int Length) {
  QStringList names;
  for (int m = 1; m <= 12; ++m) names.append(LongMonthName(m).left(Length));
  return names;
}

QStringList DayNames(int Length) {
  QStringList names;
  for (int d = 1; d <= 7; ++d) names.append(LongDayName(d).left(Length));
  return names;
}

struct TParts {
  int Year = 0, Month = 0, Day = 0, Hour = 0, Min = 0, Sec = 0;
  bool TwelveHour = false, AfterNoon = false;
};

bool ReadToken(TReader& R, const TFormatItem& Item, TParts& P) {
  const int n = Item.Count;
  auto number = [&](int& Field) { return n == 2 ? R.Fixed(2, Field) : R.Integer(Field); };
  switch (Item.Letter.unicode()) {
    case 'y':
      if (n == 4) return R.Fixed(4, P.Year);
      if (!R.Fixed(2, P.Year)) return false;
      P.Year = ExpandTwoDigitYear(P.Year);
      return true;
    case 'M':
      if (n == 4) return (P.Month = R.Name(MonthNames(100))) != 0;
      if (n == 3) return (P.Month = R.Name(MonthNames(3))) != 0;
      return number(P.Month);
    case 'd':
      if (n >= 3) return R.Name(DayNames(100)) != 0 || R.Name(DayNames(3)) != 0;
      return number(P.Day);
    case 'h':
      P.TwelveHour = true;
      return number(P.Hour);
    case 'H': return number(P.Hour);
    case 'm': return number(P.Min);
    case 's': return number(P.Sec);
    default: {  // 't'
      QString chars;
      if (!R.Take(n, chars)) return false;
      P.AfterNoon = chars.compare(n == 1 ? QLatin1String("a") : QLatin1String("am"), Qt::CaseInsensitive) != 0;
      return true;
    }
  }
}

QString Padded(int Value, int Width) { return QString::number(Value).rightJustified(Width, QLatin1Char('0')); }

}  // namespace

TDateTime ParseEditDateTime(const QString& Text, const QString& Format, bool* Read) {
  if (Read) *Read = false;
  TReader reader(Text);
  TParts p;
  for (const TFormatItem& item : SplitFormat(Format)) {
    if (!item.Valid) return 0;
    const bool ok = item.IsToken() ? ReadToken(reader, item, p) : reader.Literal(item.Literal);
    if (!ok) return 0;
  }
  if (p.TwelveHour) {
    if (!p.AfterNoon && p.Hour == 12)
      p.Hour = 0;
    else if (p.AfterNoon && p.Hour != 12)
      p.Hour += 12;
  }
  const TDateTime time = EncodeTime(p.Hour, p.Min, p.Sec, 0);
  TDateTime result = time;
  if (p.Year != 0 || p.Month != 0 || p.Day != 0) {
    const TDateTime date = EncodeDate(p.Year, p.Month, p.Day);
    result = date >= 0 ? date + time : date - time;  // before 1899-12-30 the fraction still counts forward
  }
  if (Read) *Read = true;
  return result;
}

QString FormatEditDateTime(const QString& Format, TDateTime DateTime) {
  int year = 0, month = 0, day = 0, hour = 0, min = 0, sec = 0, msec = 0;
  DecodeDate(DateTime, year, month, day);
  DecodeTime(DateTime, hour, min, sec, msec);
  const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
  QString out;
  for (const TFormatItem& item : SplitFormat(Format)) {
    if (!item.IsToken() || !item.Valid) {
      out += item.Literal;
      continue;
    }
    const int n = item.Count;
    switch (item.Letter.unicode()) {
      case 'y': out += n == 4 ? Padded(year, 4) : Padded(year % 100, 2); break;
      case 'M': out += n >= 3 ? LongMonthName(month).left(n == 3 ? 3 : 100) : Padded(month, n); break;
      case 'd': out += n >= 3 ? LongDayName(DayOfTheWeek(DateTime)).left(n == 3 ? 3 : 100) : Padded(day, n); break;
      case 'H': out += Padded(hour, n); break;
      case 'h': out += Padded(hour12, n); break;
      case 'm': out += Padded(min, n); break;
      case 's': out += Padded(sec, n); break;
      default: out += QLatin1String(hour < 12 ? "AM" : "PM").left(n); break;  // 't'
    }
  }
  return out;
}

}  // namespace orv::detail
