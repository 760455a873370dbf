#pragma once
// Dates and times as the framework counts them: TDateTime is a double whose
// whole part counts days since 1899-12-30 and whose fraction is the time of
// day (0.5 is noon). A negative value counts days backwards; its fraction is
// still the time of day (-1.25 is 1899-12-29 06:00).
//
// The valid range is 0001-01-01 to 9999-12-31; EncodeDate, EncodeTime and
// FormatDateTime raise EConvertError outside it.

#include "OrvTObject.h"

#include <cstdint>
#include <functional>

namespace orv {

using TDateTime = double;

// The TDateTime of a date; raises EConvertError for an invalid date.
TDateTime EncodeDate(int Year, int Month, int Day);
// The fraction of a day of a time (0..23, 0..59, 0..59, 0..999); raises
// EConvertError for an invalid time.
TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec);
// Splits a TDateTime. The time is rounded to the nearest millisecond (a time
// that rounds to midnight moves to the next day). Raises EConvertError outside
// the valid range.
void DecodeDate(TDateTime DateTime, int& Year, int& Month, int& Day);
void DecodeTime(TDateTime DateTime, int& Hour, int& Min, int& Sec, int& MSec);

// Formats a TDateTime with the framework's format specifiers (letters in
// either case):
//   c        ShortDateFormat, then " " and LongTimeFormat unless the time is 0
//   d dd     day without / with leading zero
//   ddd dddd short / long English day name ("Mon", "Monday")
//   ddddd    ShortDateFormat;  dddddd  LongDateFormat
//   m mm     month without / with leading zero (minutes right after h or hh)
//   mmm mmmm short / long English month name ("Jan", "January")
//   yy yyyy  two- / four-digit year
//   h hh     hour (12-hour clock when the format contains an am/pm specifier)
//   n nn     minute;  s ss  second;  z zzz  millisecond
//   t tt     ShortTimeFormat / LongTimeFormat
//   am/pm a/p ampm   "am"/"pm" or "a"/"p" in the case written, "AM"/"PM"
//   /        FormatSettings.DateSeparator;  :  FormatSettings.TimeSeparator
//   "..." '...'  literal text
// Any other character is copied as it is.
QString FormatDateTime(const QString& Format, TDateTime DateTime);

// ---- the clock
// The current local date and time, and today's date (time 0).
TDateTime Now();
TDateTime Date();
using TClock = std::function<TDateTime()>;
// Test hook: Now and Date read Clock instead of the system clock; an empty
// function gives the system clock back.
void SetClock(TClock Clock);

// ---- the calendar (Gregorian)
// The English names FormatDateTime writes: months 1..12 ("January"), days
// 1 (Monday) to 7 (Sunday); empty outside those.
QString LongMonthName(int Month);
QString LongDayName(int Day);
bool IsLeapYear(int Year);
// 28 to 31; 0 for a month outside 1..12.
int DaysInAMonth(int Year, int Month);
// The ISO weekday: 1 for Monday to 7 for Sunday. Raises EConvertError
// outside the valid range, as DecodeDate.
int DayOfTheWeek(TDateTime DateTime);
// The ISO 8601 week number (1 to 53): week 1 is the week with the year's
// first Thursday, so early January days may lie in the last week of the
// year before and late December days in week 1 of the next.
int WeekOfTheYear(TDateTime DateTime);
// A year written with two digits (0 to 99) as a full year, by
// FormatSettings.TwoDigitYearCenturyWindow w: with w > 0 the one year from
// (current year - w) to (current year - w + 99) that ends in those digits,
// with w = 0 the year in the current century. Other years come back as given.
int ExpandTwoDigitYear(int Year);

}  // namespace orv
