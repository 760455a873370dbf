#pragma once
// Constants and name tables of the base library.

#include "ORV_orvbase.h"

#include <limits>

namespace orv {

// The largest finite double.
constexpr double uc_MaxDouble = std::numeric_limits<double>::max();
// The largest value of the Real type, which is a double here.
constexpr double uc_MaxReal = std::numeric_limits<double>::max();
// The natural logarithm of 10.
constexpr double uc_ln10 = 2.302585092994045684;

// Month names (Month 1..12, at most 10 characters), their abbreviations (at
// most 4) and weekday abbreviations (Day 0 = Monday .. 6 = Sunday, at most
// 3). lgNone reads English; out-of-range indexes give an empty text.
QString MonthLong(TLanguage Language, int Month);
QString MonthShort(TLanguage Language, int Month);
QString WeekDayShort(TLanguage Language, int Day);

}  // namespace orv
