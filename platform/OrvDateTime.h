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

}  // namespace orv
