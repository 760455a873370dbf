// The row editor's date/time texts: every token read, errors giving the zero
// date, dates that cannot be encoded raising, and texts written back so that
// they read again.
#include "TestSupport.h"

#include <ORV_replist.h>
#include <OrvRLDateFormat.h>

#include <gtest/gtest.h>

using namespace orv;
using orv::detail::FormatEditDateTime;
using orv::detail::ParseEditDateTime;

namespace {

TDateTime At(int Y, int Mo, int D, int H = 0, int Mi = 0, int S = 0) {
  return EncodeDate(Y, Mo, D) + EncodeTime(H, Mi, S, 0);
}
TDateTime Time(int H, int Mi, int S = 0) { return EncodeTime(H, Mi, S, 0); }

class RowEditorDates : public ::testing::Test {
protected:
  void SetUp() override {
    SetClock([] { return EncodeDate(2024, 6, 1); });
    FormatSettings.TwoDigitYearCenturyWindow = 50;
  }
  void TearDown() override {
    SetClock({});
    FormatSettings.TwoDigitYearCenturyWindow = 50;
  }
};

}  // namespace

TEST_F(RowEditorDates, ReadsEveryToken) {
  struct Case { const char *Format, *Text; TDateTime Expected; };
  const Case cases[] = {
      {"dd.MM.yyyy", "24.12.2023", At(2023, 12, 24)},
      {"yyyy-MM-dd", "2021-03-07", At(2021, 3, 7)},
      {"dd MMMM yyyy HH:mm", "3 march 2021 14:05", At(2021, 3, 3, 14, 5)},
      {"d MMM yy", "9 SEP 23", At(2023, 9, 9)},
      {"d MMM yy", "9 Sep 80", At(1980, 9, 9)},  // within 50 years before 2024
      {"M/d/yyyy", "  11/ +2/1999", At(1999, 11, 2)},
      {"dddd, dd.MM.yyyy", "Sunday, 24.12.2023", At(2023, 12, 24)},
      {"ddd dd.MM.yyyy", "sun 24.12.2023", At(2023, 12, 24)},
      {"ddd dd.MM.yyyy", "Sunday 24.12.2023", At(2023, 12, 24)},
      {"HH:mm:ss", "23:59:58", Time(23, 59, 58)},
      {"H:m:s", "7:5:3", Time(7, 5, 3)},
      {"hh:mm t", "12:30 a", Time(0, 30)},
      {"hh:mm t", "01:15 p", Time(13, 15)},
      {"h:mm tt", "12:00 PM", Time(12, 0)},
      {"h:mm tt", "11:00 am", Time(11, 0)},
      {"HH 'h'", "09 h", Time(9, 0)},
      {"HH'h'mm", "09h30", Time(9, 30)},
      {"'It''s' HH", "It's 10", Time(10, 0)},
  };
  for (const Case& c : cases)
    EXPECT_DOUBLE_EQ(ParseEditDateTime(QString::fromUtf8(c.Text), QString::fromUtf8(c.Format)), c.Expected)
        << c.Format << " / " << c.Text;
}

TEST_F(RowEditorDates, MismatchesGiveTheZeroDateAndBadDatesRaise) {
  struct Case { const char *Format, *Text; };
  const Case zero[] = {
      {"dd.MM.yyyy", "24-12-2023"},       // a literal that is not there
      {"dd.MM.yyyy", "ab.12.2023"},       // no number
      {"dd MMMM yyyy", "3 Marz 2021"},    // no month name
      {"MMM yyyy", "Ma 2021"},            // too short for an abbreviation
      {"yyy", "2021"},                    // no such token
      {"dddd dd.MM.yyyy", "Someday 24.12.2023"},
      {"hh:mm tt", "10:00 a"},            // two characters wanted
      {"", ""},                           // nothing read: midnight, the zero date
  };
  for (const Case& c : zero)
    EXPECT_EQ(ParseEditDateTime(QString::fromUtf8(c.Text), QString::fromUtf8(c.Format)), 0.0) << c.Format;
  EXPECT_THROW(ParseEditDateTime(QStringLiteral("00.12.2023"), QStringLiteral("dd.MM.yyyy")), EConvertError);
  EXPECT_THROW(ParseEditDateTime(QStringLiteral("25:00"), QStringLiteral("HH:mm")), EConvertError);
}

TEST_F(RowEditorDates, WrittenTextsReadBack) {
  const TDateTime v = At(2021, 3, 3, 0, 5, 9);
  struct Case { const char *Format, *Text; };
  const Case cases[] = {
      {"dd.MM.yyyy", "03.03.2021"},
      {"dddd d MMMM yy", "Wednesday 3 March 21"},
      {"ddd, MMM d yyyy", "Wed, Mar 3 2021"},
      {"hh:mm:ss t", "12:05:09 A"},
      {"H 'h' m tt", "0 h 5 AM"},
  };
  for (const Case& c : cases) {
    const QString format = QString::fromUtf8(c.Format);
    const QString text = FormatEditDateTime(format, v);
    EXPECT_EQ(text, QString::fromUtf8(c.Text));
    const TDateTime back = ParseEditDateTime(text, format);
    EXPECT_EQ(FormatEditDateTime(format, back), text) << c.Format;
  }
  EXPECT_EQ(FormatEditDateTime(QStringLiteral("hh:mm tt"), At(2021, 3, 3, 13, 15)), QStringLiteral("01:15 PM"));
}
