// FormatDateTime and the date encoding behind it.
#include <orvplatform.h>

#include <QDate>

#include <gtest/gtest.h>

using namespace orv;

namespace {

struct FormatCase {
  const char* Format;
  double Value;
  const char* Expected;
};

// 2024-01-05 14:07:03.045, a Friday.
const double Sample = 45296.0 + (((14 * 60 + 7) * 60 + 3) * 1000 + 45) / 86400000.0;

}  // namespace

TEST(DateTime, EncodeAndDecodeRoundTrip) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
  EXPECT_EQ(EncodeDate(2024, 1, 5), 45296.0);
  EXPECT_EQ(EncodeDate(1, 1, 1), -693593.0);
  EXPECT_DOUBLE_EQ(EncodeTime(12, 0, 0, 0), 0.5);
  int y, m, d, h, n, s, ms;
  DecodeDate(Sample, y, m, d);
  DecodeTime(Sample, h, n, s, ms);
  EXPECT_EQ((std::vector<int>{y, m, d, h, n, s, ms}), (std::vector<int>{2024, 1, 5, 14, 7, 3, 45}));
  EXPECT_THROW(EncodeDate(2023, 2, 29), EConvertError);
  EXPECT_THROW(EncodeDate(10000, 1, 1), EConvertError);
  EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
}

TEST(DateTime, FormatSpecifiers) {
  const FormatCase cases[] = {
      {"mmm-dd, yyyy", Sample, "Jan-05, 2024"},
      {"d/m/yy", Sample, "5/1/24"},
      {"dddd d mmmm yyyy", Sample, "Friday 5 January 2024"},
      {"ddd", Sample, "Fri"},
      {"hh:mm:ss.zzz", Sample, "14:07:03.045"},  // m after h is the minute
      {"h:nn am/pm", Sample, "2:07 pm"},
      {"h:nn AM/PM", 0.25, "6:00 AM"},
      {"h a/p", 0.0, "12 a"},
      {"hh ampm", 0.75, "06 PM"},
      {"z", Sample, "45"},
      {"'dd' \"mm\" yyyy", Sample, "dd mm 2024"},
      {"YYYY-MM-DD", Sample, "2024-01-05"},
      {"c", Sample, "05/01/2024 14:07:03"},
      {"c", 45296.0, "05/01/2024"},
      {"ddddd t", Sample, "05/01/2024 14:07"},
      {"dddddd", Sample, "Friday, January 5, 2024"},
      {"mmm-dd, yyyy", 0.0, "Dec-30, 1899"},
      {"yyyy-mm-dd hh:nn", -1.25, "1899-12-29 06:00"},
      {"yyyy-mm-dd hh:nn:ss.zzz", 0.9999999999, "1899-12-31 00:00:00.000"},
      {"yyyy-mm-dd", 2958465.5, "9999-12-31"},
      {"Week #q", 0.0, "Week #q"},
  };
  for (const FormatCase& c : cases)
    EXPECT_EQ(FormatDateTime(QString::fromUtf8(c.Format), c.Value), QString::fromUtf8(c.Expected)) << c.Format;
}

TEST(DateTime, SeparatorsComeFromFormatSettings) {
  const TFormatSettings saved = FormatSettings;
  FormatSettings.DateSeparator = QLatin1Char('.');
  FormatSettings.TimeSeparator = QLatin1Char('h');
  EXPECT_EQ(FormatDateTime(QStringLiteral("dd/mm/yyyy hh:nn"), Sample), QStringLiteral("05.01.2024 14h07"));
  FormatSettings = saved;
}

TEST(DateTime, OutOfRangeRaises) {
  EXPECT_THROW(FormatDateTime(QStringLiteral("yyyy"), 2958466.0), EConvertError);
  EXPECT_THROW(FormatDateTime(QStringLiteral("yyyy"), -693594.0), EConvertError);
  EXPECT_THROW(FormatDateTime(QStringLiteral("yyyy"), std::nan("")), EConvertError);
  EXPECT_THROW(FormatDateTime(QStringLiteral("yyyy"), 1e300), EConvertError);
}

TEST(DateTime, CalendarHelpers) {
  for (auto [year, leap] : {std::pair{2000, true}, {1900, false}, {2024, true}, {2023, false}, {1600, true}})
    EXPECT_EQ(IsLeapYear(year), leap) << year;
  const int days[][3] = {{2024, 2, 29}, {2023, 2, 28}, {2023, 4, 30}, {2023, 12, 31}, {2023, 13, 0}, {2023, 0, 0}};
  for (const auto& d : days) EXPECT_EQ(DaysInAMonth(d[0], d[1]), d[2]) << d[0] << "-" << d[1];
  // ISO weekdays, Monday 1 to Sunday 7; a negative value's day is its whole part.
  EXPECT_EQ(DayOfTheWeek(Sample), 5);
  EXPECT_EQ(DayOfTheWeek(EncodeDate(2024, 1, 7)), 7);
  EXPECT_EQ(DayOfTheWeek(0.0), 6);
  EXPECT_EQ(DayOfTheWeek(-1.25), 5);
  // ISO weeks: the week of the year's first Thursday is week 1.
  const int weeks[][4] = {{2021, 1, 3, 53}, {2021, 1, 4, 1}, {2020, 12, 31, 53}, {2024, 12, 30, 1}, {2026, 6, 15, 25}};
  for (const auto& w : weeks) EXPECT_EQ(WeekOfTheYear(EncodeDate(w[0], w[1], w[2])), w[3]) << w[0] << "-" << w[1] << "-" << w[2];
}

TEST(DateTime, ClockHookAndTwoDigitYears) {
  const TDateTime fixed = EncodeDate(2025, 3, 14) + 0.75;
  SetClock([fixed] { return fixed; });
  EXPECT_EQ(Now(), fixed);
  EXPECT_EQ(Date(), EncodeDate(2025, 3, 14));
  const int windows[][3] = {{50, 74, 2074}, {50, 75, 1975}, {50, 0, 2000}, {50, 99, 1999}, {0, 99, 2099},
                            {0, 5, 2005},   {10, 14, 2114}, {10, 15, 2015}, {50, 100, 100}, {50, -1, -1}};
  for (const auto& w : windows) {
    FormatSettings.TwoDigitYearCenturyWindow = w[0];
    EXPECT_EQ(ExpandTwoDigitYear(w[1]), w[2]) << "window " << w[0] << ", year " << w[1];
  }
  FormatSettings.TwoDigitYearCenturyWindow = 50;
  SetClock(nullptr);
  EXPECT_NEAR(Now(), double(QDate(1899, 12, 30).daysTo(QDate::currentDate())), 1.0);
}
