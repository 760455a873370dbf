#pragma once
// Date and time texts of the row editor's date columns, in the date/time
// picker's format notation:
//   yyyy yy        four-digit year; two digits (the century by
//                  FormatSettings.TwoDigitYearCenturyWindow)
//   MMMM MMM MM M  English month name, its three-letter abbreviation, two
//                  digits, any number of digits
//   dddd ddd       English day name or its abbreviation (read and ignored)
//   dd d HH H      day, hour of the 24-hour clock: two digits / any number
//   hh h           hour of the 12-hour clock
//   mm m ss s      minute, second
//   t tt           "a"/"p" or "am"/"pm" (read ignoring case; anything but
//                  "a"/"am" means after noon)
//   '...'          literal text ('' inside is one quote); any other run of
//                  characters is literal text as well.
// "Any number of digits" reads blanks, an optional sign and digits; a
// two- or four-digit token reads the same within that many characters, so
// a two-digit day also reads the "3" of "3 March".

#include <orvplatform.h>

namespace orv::detail {

// The date/time of Text read with Format. A text that does not match (a
// literal that is not there, a number that is not one, a name that is no
// name, an unknown run of token letters) gives 0. A time alone when year,
// month and day are all 0. Raises EConvertError for a date or time that
// cannot be encoded (a day 0 with a year, an hour 25). Read, when given,
// tells whether the text matched (a matching "00:00" also gives 0).
TDateTime ParseEditDateTime(const QString& Text, const QString& Format, bool* Read = nullptr);

// DateTime written with Format, so that ParseEditDateTime reads it back.
QString FormatEditDateTime(const QString& Format, TDateTime DateTime);

}  // namespace orv::detail
