#include "OrvDateTime.h"

#include "OrvServices.h"

#include <QDate>
#include <QDateTime>

#include <cmath>

namespace orv {

namespace {

constexpr std::int64_t MSecsPerDay = 86400000;
// Day numbers of 0001-01-01 and 9999-12-31.
constexpr std::int64_t MinDay = -693593;
constexpr std::int64_t MaxDay = 2958465;

const QDate& DayZero() {
  static const QDate d(1899, 12, 30);
  return d;
}

const char* const LongMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                        "July",    "August",   "September", "October", "November", "December"};
const char* const LongDayNames[7] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};

[[noreturn]] void RangeError() {
  throw EConvertError(QStringLiteral("Invalid argument to date encode"));
}

// A TDateTime split into its day number and the milliseconds of the day.
struct TStamp {
  std::int64_t Day = 0;
  std::int64_t MSec = 0;
};

TStamp ToStamp(TDateTime DateTime) {
  if (!std::isfinite(DateTime) || std::fabs(DateTime) > double(MaxDay) + 2) RangeError();
  TStamp s;
  const double whole = std::trunc(DateTime);
  s.Day = std::int64_t(whole);
  s.MSec = std::llround(std::fabs(DateTime - whole) * double(MSecsPerDay));
  if (s.MSec >= MSecsPerDay) {
    s.MSec -= MSecsPerDay;
    ++s.Day;
  }
  if (s.Day < MinDay || s.Day > MaxDay) RangeError();
  return s;
}

QString Number(int Value, int MinDigits) { return QString::number(Value).rightJustified(MinDigits, QLatin1Char('0')); }

// Formats one TStamp; Depth guards against a ShortDateFormat that names itself.
class TFormatter {
public:
  TFormatter(const TStamp& Stamp) : FDate(DayZero().addDays(Stamp.Day)) {
    std::int64_t ms = Stamp.MSec;
    FMSec = int(ms % 1000);
    ms /= 1000;
    FSec = int(ms % 60);
    ms /= 60;
    FMin = int(ms % 60);
    FHour = int(ms / 60);
    FTimeIsZero = Stamp.MSec == 0;
  }

  void Append(const QString& Format, int Depth) {
    if (Depth > 2) return;
    const bool twelveHour = HasAmPm(Format);
    QChar lastLetter;
    int i = 0;
    const int n = int(Format.size());
    while (i < n) {
      const QChar c = Format[i];
      const QChar up = c.toUpper();
      if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
        const int end = int(Format.indexOf(c, i + 1));
        const int stop = end < 0 ? n : end;
        FOut += Format.mid(i + 1, stop - i - 1);
        i = stop + 1;
        continue;
      }
      if (c == QLatin1Char('/')) {
        FOut += FormatSettings.DateSeparator;
        ++i;
        continue;
      }
      if (c == QLatin1Char(':')) {
        FOut += FormatSettings.TimeSeparator;
        ++i;
        continue;
      }
      if (up == QLatin1Char('A')) {
        i += AppendAmPm(Format.mid(i));
        lastLetter = up;
        continue;
      }
      int count = 1;
      while (i + count < n && Format[i + count].toUpper() == up) ++count;
      bool handled = true;
      switch (up.unicode()) {
        case 'C':
          Append(FormatSettings.ShortDateFormat, Depth + 1);
          if (!FTimeIsZero) {
            FOut += QLatin1Char(' ');
            Append(FormatSettings.LongTimeFormat, Depth + 1);
          }
          count = 1;
          break;
        case 'D': AppendDay(count, Depth); break;
        case 'M':
          if (lastLetter == QLatin1Char('H'))
            FOut += Number(FMin, count >= 2 ? 2 : 1);
          else
            AppendMonth(count);
          break;
        case 'Y':
          FOut += count <= 2 ? Number(FDate.year() % 100, 2) : Number(FDate.year(), 4);
          break;
        case 'H': {
          int h = FHour;
          if (twelveHour) {
            h %= 12;
            if (h == 0) h = 12;
          }
          FOut += Number(h, count >= 2 ? 2 : 1);
          break;
        }
        case 'N': FOut += Number(FMin, count >= 2 ? 2 : 1); break;
        case 'S': FOut += Number(FSec, count >= 2 ? 2 : 1); break;
        case 'Z': FOut += Number(FMSec, count >= 3 ? 3 : 1); break;
        case 'T':
          Append(count == 1 ? FormatSettings.ShortTimeFormat : FormatSettings.LongTimeFormat, Depth + 1);
          break;
        default:
          handled = false;
          break;
      }
      if (handled) {
        lastLetter = up;
        i += count;
      } else {
        FOut += c;
        ++i;
      }
    }
  }

  QString Result() const { return FOut; }

private:
  static bool HasAmPm(const QString& Format) {
    return Format.contains(QLatin1String("am/pm"), Qt::CaseInsensitive) ||
           Format.contains(QLatin1String("a/p"), Qt::CaseInsensitive) ||
           Format.contains(QLatin1String("ampm"), Qt::CaseInsensitive);
  }

  // Writes the am/pm specifier at the start of Rest; returns the characters used.
  int AppendAmPm(const QString& Rest) {
    const bool pm = FHour >= 12;
    if (Rest.startsWith(QLatin1String("am/pm"), Qt::CaseInsensitive)) {
      const QString word = pm ? Rest.mid(3, 2) : Rest.left(2);
      FOut += word;
      return 5;
    }
    if (Rest.startsWith(QLatin1String("a/p"), Qt::CaseInsensitive)) {
      FOut += pm ? Rest[2] : Rest[0];
      return 3;
    }
    if (Rest.startsWith(QLatin1String("ampm"), Qt::CaseInsensitive)) {
      FOut += pm ? QStringLiteral("PM") : QStringLiteral("AM");
      return 4;
    }
    FOut += Rest[0];
    return 1;
  }

  void AppendDay(int Count, int Depth) {
    switch (Count) {
      case 1: FOut += Number(FDate.day(), 1); break;
      case 2: FOut += Number(FDate.day(), 2); break;
      case 3: FOut += QString::fromLatin1(LongDayNames[FDate.dayOfWeek() - 1]).left(3); break;
      case 4: FOut += QString::fromLatin1(LongDayNames[FDate.dayOfWeek() - 1]); break;
      case 5: Append(FormatSettings.ShortDateFormat, Depth + 1); break;
      default: Append(FormatSettings.LongDateFormat, Depth + 1); break;
    }
  }

  void AppendMonth(int Count) {
    switch (Count) {
      case 1: FOut += Number(FDate.month(), 1); break;
      case 2: FOut += Number(FDate.month(), 2); break;
      case 3: FOut += QString::fromLatin1(LongMonthNames[FDate.month() - 1]).left(3); break;
      default: FOut += QString::fromLatin1(LongMonthNames[FDate.month() - 1]); break;
    }
  }

  QDate FDate;
  int FHour = 0, FMin = 0, FSec = 0, FMSec = 0;
  bool FTimeIsZero = true;
  QString FOut;
};

}  // namespace

QString LongMonthName(int Month) {
  return Month >= 1 && Month <= 12 ? QString::fromLatin1(LongMonthNames[Month - 1]) : QString();
}

QString LongDayName(int Day) { return Day >= 1 && Day <= 7 ? QString::fromLatin1(LongDayNames[Day - 1]) : QString(); }

TDateTime EncodeDate(int Year, int Month, int Day) {
  if (Year < 1 || Year > 9999 || !QDate::isValid(Year, Month, Day)) RangeError();
  return double(DayZero().daysTo(QDate(Year, Month, Day)));
}

TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec) {
  if (Hour < 0 || Hour > 23 || Min < 0 || Min > 59 || Sec < 0 || Sec > 59 || MSec < 0 || MSec > 999)
    throw EConvertError(QStringLiteral("Invalid argument to time encode"));
  return double(((Hour * 60 + Min) * 60 + Sec) * 1000 + MSec) / double(MSecsPerDay);
}

void DecodeDate(TDateTime DateTime, int& Year, int& Month, int& Day) {
  const QDate d = DayZero().addDays(ToStamp(DateTime).Day);
  Year = d.year();
  Month = d.month();
  Day = d.day();
}

void DecodeTime(TDateTime DateTime, int& Hour, int& Min, int& Sec, int& MSec) {
  std::int64_t ms = ToStamp(DateTime).MSec;
  MSec = int(ms % 1000);
  ms /= 1000;
  Sec = int(ms % 60);
  ms /= 60;
  Min = int(ms % 60);
  Hour = int(ms / 60);
}

QString FormatDateTime(const QString& Format, TDateTime DateTime) {
  TFormatter f(ToStamp(DateTime));
  f.Append(Format, 0);
  return f.Result();
}

// ---------------------------------------------------------------- the clock

namespace {
TClock gClock;
}

TDateTime Now() {
  if (gClock) return gClock();
  const QDateTime now = QDateTime::currentDateTime();
  return double(DayZero().daysTo(now.date())) + double(now.time().msecsSinceStartOfDay()) / double(MSecsPerDay);
}

TDateTime Date() { return std::trunc(Now()); }

void SetClock(TClock Clock) { gClock = std::move(Clock); }

// ------------------------------------------------------------- the calendar

bool IsLeapYear(int Year) { return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0); }

int DaysInAMonth(int Year, int Month) {
  static constexpr int Days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (Month < 1 || Month > 12) return 0;
  return Month == 2 && IsLeapYear(Year) ? 29 : Days[Month - 1];
}

int DayOfTheWeek(TDateTime DateTime) { return DayZero().addDays(ToStamp(DateTime).Day).dayOfWeek(); }

int WeekOfTheYear(TDateTime DateTime) { return DayZero().addDays(ToStamp(DateTime).Day).weekNumber(); }

int ExpandTwoDigitYear(int Year) {
  if (Year < 0 || Year > 99) return Year;
  int current = 0, month = 0, day = 0;
  DecodeDate(Now(), current, month, day);
  const int window = FormatSettings.TwoDigitYearCenturyWindow;
  const int base = current - window;
  Year += base / 100 * 100;
  if (window > 0 && Year < base) Year += 100;
  return Year;
}

}  // namespace orv
