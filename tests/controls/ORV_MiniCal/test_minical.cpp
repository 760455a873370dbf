// TMiniCal: Easter and the holidays against known calendars, the layout of
// a month for every first weekday, navigation and the date setters, clicks
// through Qt Test events, cell sizes and what the cells look like.
#include "TestSupport.h"

#include <ORV_MiniCal.h>

#include <QTest>
#include <gtest/gtest.h>

#include <memory>

using namespace orv;
using orv::test::Grab;
using orv::test::PixelAt;

namespace {

// Today is Thursday 9 May 2024 (Ascension Day), 06:00.
const TDateTime kNow = EncodeDate(2024, 5, 9) + 0.25;

class MiniCalTest : public ::testing::Test {
protected:
  void SetUp() override {
    SetClock([] { return kNow; });
    cal = std::make_unique<TMiniCal>(nullptr);
    cal->OnChange = [this](TObject*) { ++changes; };
    orv::test::ShowAndWait(cal.get());
  }
  void TearDown() override {
    cal.reset();
    SetClock(TClock());
  }
  void Select(int Y, int M, int D) {
    cal->SetDate(EncodeDate(Y, M, D));
    changes = 0;
  }
  QPoint Center(int ACol, int ARow) const {
    const TRect r = cal->DrawRect(ACol, ARow);
    return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  }
  void Click(int ACol, int ARow) { QTest::mouseClick(cal.get(), Qt::LeftButton, {}, Center(ACol, ARow)); }
  void ExpectDate(int Y, int M, int D) const {
    EXPECT_EQ(cal->Year(), Y);
    EXPECT_EQ(cal->Month(), M);
    EXPECT_EQ(cal->Day(), D);
  }
  TRect DayRect(int ADay) const {
    const TGridCoord c = cal->CellOfDay(ADay);
    return cal->DrawRect(c.X, c.Y);
  }

  std::unique_ptr<TMiniCal> cal;
  int changes = 0;
};

}  // namespace

// ------------------------------------------------------------------ holidays

TEST(EasterTest, KnownEasterSundays) {
  struct Case { int Year, Day, Month; };
  const Case cases[] = {{2019, 21, 4}, {2024, 31, 3}, {2025, 20, 4}, {2026, 5, 4}, {2000, 23, 4},
                        {2008, 23, 3}, {2038, 25, 4}, {1818, 22, 3}, {2285, 22, 3}};
  for (const Case& c : cases) {
    int d = 0, m = 0;
    CalcEasterSunday(c.Year, d, m);
    EXPECT_EQ(d, c.Day) << c.Year;
    EXPECT_EQ(m, c.Month) << c.Year;
  }
}

TEST_F(MiniCalTest, HolidaysOfKnownYears) {
  struct Case { int Y, M, D; const char* Name; };
  const Case cases[] = {
      {2024, 3, 31, "Easter Day"},    {2024, 4, 1, "Easter Monday"},   {2024, 5, 9, "Ascension Day"},
      {2024, 5, 19, "Pentecost"},     {2024, 5, 20, "Whit Monday"},    {2024, 5, 30, "Corpus Christi"},
      {2025, 4, 20, "Easter Day"},    {2025, 4, 21, "Easter Monday"},  {2025, 5, 29, "Ascension Day"},
      {2025, 6, 9, "Whit Monday"},    {2025, 6, 19, "Corpus Christi"}, {2026, 4, 5, "Easter Day"},
      {2026, 5, 14, "Ascension Day"}, {2026, 5, 25, "Whit Monday"},    {2026, 6, 4, "Corpus Christi"},
      {2024, 12, 25, "Christmas Day"}, {2025, 1, 6, "Epiphany"},       {2026, 5, 1, "Labor Day"},
      {2024, 4, 2, ""},               {2025, 4, 19, ""},               {2026, 5, 13, ""},
  };
  for (const Case& c : cases) {
    QString caption = QStringLiteral("stale");
    EXPECT_EQ(cal->CheckHoliday(c.Y, c.M, c.D, caption), *c.Name != 0) << c.Y << "-" << c.M << "-" << c.D;
    EXPECT_EQ(caption, QString::fromLatin1(c.Name)) << c.Y << "-" << c.M << "-" << c.D;
  }
  QString caption;
  cal->SetShowMovableHolidays(false);
  EXPECT_FALSE(cal->CheckHoliday(2024, 4, 1, caption));
  EXPECT_FALSE(cal->CheckHoliday(2024, 5, 9, caption));
  EXPECT_TRUE(cal->CheckHoliday(2024, 12, 25, caption));
  cal->SetShowMovableHolidays(true);
  cal->SetLanguage(lgGerman);
  EXPECT_TRUE(cal->CheckHoliday(2024, 5, 9, caption));
  EXPECT_EQ(caption, QStringLiteral("Christi Himmelfahrt"));
  EXPECT_TRUE(cal->CheckHoliday(2024, 12, 26, caption));
  EXPECT_EQ(caption, QStringLiteral("Stephanitag"));
}

TEST_F(MiniCalTest, HolidayListOfOneYearAndOfEveryYear) {
  EXPECT_EQ(cal->NumHolidays(), 8);
  cal->AddRepeatHoliday(3, 10, QStringLiteral("Unity Day"));
  cal->AddHoliday(3, 10, 2030, QStringLiteral("Jubilee"));
  cal->AddHoliday(4, 10, 2030, QStringLiteral("Jubilee 2"));
  QString caption;
  for (int y : {2024, 2030, 2031}) {
    EXPECT_TRUE(cal->CheckHoliday(y, 10, 3, caption)) << y;
    EXPECT_EQ(caption, QStringLiteral("Unity Day")) << y;  // the first matching entry
    EXPECT_EQ(cal->CheckHoliday(y, 10, 4, caption), y == 2030) << y;
  }
  int d = -1, m = -1, y = -1;
  bool repeat = false;
  QString name;
  ASSERT_TRUE(cal->RetrieveHoliday(9, d, m, y, repeat, name));
  EXPECT_EQ(d, 3);
  EXPECT_EQ(m, 10);
  EXPECT_EQ(y, TMiniCal::RepeatYear);
  EXPECT_TRUE(repeat);
  EXPECT_EQ(name, QStringLiteral("Unity Day"));
  ASSERT_TRUE(cal->RetrieveHoliday(10, d, m, y, repeat, name));
  EXPECT_EQ(y, 2030);
  EXPECT_FALSE(repeat);
  for (int bad : {0, 12}) {
    d = m = y = -1;
    EXPECT_FALSE(cal->RetrieveHoliday(bad, d, m, y, repeat, name));
    EXPECT_EQ(d, -1);
    EXPECT_EQ(name, QStringLiteral("Jubilee"));
  }
  // Another language brings the fixed holidays back and drops the program's.
  cal->SetLanguage(lgFrench);
  EXPECT_EQ(cal->NumHolidays(), 8);
  EXPECT_FALSE(cal->CheckHoliday(2030, 10, 3, caption));
  ASSERT_TRUE(cal->RetrieveHoliday(1, d, m, y, repeat, name));
  EXPECT_EQ(name, QStringLiteral("Noël"));
  cal->ClearHolidayList();
  EXPECT_EQ(cal->NumHolidays(), 0);
  EXPECT_FALSE(cal->CheckHoliday(2030, 12, 25, caption));
  EXPECT_TRUE(cal->CheckHoliday(2024, 4, 1, caption));  // the movable feasts stay
}

TEST_F(MiniCalTest, HintNamesTheSelectedHoliday) {
  Select(2024, 12, 25);
  EXPECT_EQ(cal->Hint(), QStringLiteral("Christmas Day"));
  Select(2024, 12, 27);
  EXPECT_EQ(cal->Hint(), QString());
  cal->SetIndicateHolidays(false);
  Select(2024, 12, 25);
  EXPECT_EQ(cal->Hint(), QString());
  cal->SetIndicateHolidays(true);
  EXPECT_EQ(cal->Hint(), QStringLiteral("Christmas Day"));
  cal->SetShowHolidayHint(false);
  EXPECT_EQ(cal->Hint(), QString());
  Select(2024, 12, 26);
  EXPECT_EQ(cal->Hint(), QString());
}

// ------------------------------------------------------------------ layout

// For every first weekday and every month of two years: day 1 in row 2,
// each column under the name of its own weekday, the grid's current cell
// on the selected day.
TEST_F(MiniCalTest, EveryMonthLiesUnderItsWeekdayNames) {
  for (int fdow = dwMon; fdow <= dwSun; ++fdow) {
    cal->SetFirstDayOfWeek(TDayOfWeek(fdow));
    for (int y : {2024, 2025}) {
      for (int m = 1; m <= 12; ++m) {
        Select(y, m, 15);
        const TGridCoord first = cal->CellOfDay(1);
        EXPECT_EQ(first.Y, 2) << y << "-" << m << " from " << fdow;
        EXPECT_EQ(cal->Col(), cal->CellOfDay(15).X);
        EXPECT_EQ(cal->Row(), cal->CellOfDay(15).Y);
        for (int c = 1; c <= 7; ++c) {
          const TDateTime shown = EncodeDate(y, m, 1) + cal->DayAt(c, 2) - 1;
          EXPECT_EQ(cal->CellLook(c, 1).Text, WeekDayShort(lgEnglish, DayOfTheWeek(shown) - 1))
              << y << "-" << m << " column " << c << " from " << fdow;
        }
      }
    }
  }
}

TEST_F(MiniCalTest, DayOneAndTheNeighbouringMonths) {
  struct Case { int Y, M; TDayOfWeek First; TGridCoord DayOne; const char* FirstText; const char* LastText; };
  const Case cases[] = {
      {2024, 7, dwMon, {1, 2}, "1", "11"},   // starts on Monday
      {2024, 9, dwMon, {7, 2}, "26", "6"},   // starts on Sunday, the day before Monday
      {2024, 9, dwSun, {1, 2}, "1", "12"},
      {2025, 1, dwMon, {3, 2}, "30", "9"},   // December before January
      {2024, 3, dwMon, {5, 2}, "26", "7"},   // February of a leap year before
  };
  for (const Case& c : cases) {
    cal->SetFirstDayOfWeek(c.First);
    Select(c.Y, c.M, 10);
    EXPECT_EQ(cal->CellOfDay(1), c.DayOne) << c.Y << "-" << c.M;
    EXPECT_EQ(cal->CellLook(1, 2).Text, QString::fromLatin1(c.FirstText)) << c.Y << "-" << c.M;
    EXPECT_EQ(cal->CellLook(7, 7).Text, QString::fromLatin1(c.LastText)) << c.Y << "-" << c.M;
    const TColor firstColor = c.DayOne.X == 1 ? cal->ColorActiveMonth() : cal->ColorInactiveMonth();
    EXPECT_EQ(cal->CellLook(1, 2).TextColor, firstColor) << c.Y << "-" << c.M;
    EXPECT_EQ(cal->CellLook(7, 7).TextColor, cal->ColorInactiveMonth()) << c.Y << "-" << c.M;
  }
}

TEST_F(MiniCalTest, WeekNumbersAreIso) {
  Select(2021, 1, 10);  // 1 January 2021 is a Friday of week 53 of 2020
  EXPECT_EQ(cal->CellLook(0, 2).Text, QStringLiteral("53"));
  EXPECT_EQ(cal->CellLook(0, 3).Text, QStringLiteral("1"));
  Select(2024, 12, 10);  // the last row reaches into week 1 of 2025
  EXPECT_EQ(cal->CellLook(0, 2).Text, QStringLiteral("48"));
  EXPECT_EQ(cal->CellLook(0, 7).Text, QStringLiteral("1"));
}

TEST_F(MiniCalTest, TextsOfEachLanguage) {
  Select(2024, 9, 10);
  EXPECT_EQ(cal->CellLook(5, 0).Text, QStringLiteral("Sep 2024"));
  EXPECT_EQ(cal->CellLook(0, 1).Text, QStringLiteral("today"));
  EXPECT_EQ(cal->CellLook(1, 0).Text, QStringLiteral("<<"));
  EXPECT_EQ(cal->CellLook(7, 0).Text, QStringLiteral(">>"));
  cal->SetShowMonthShort(false);
  EXPECT_EQ(cal->CellLook(5, 0).Text, QStringLiteral("September 2024"));
  cal->SetLanguage(lgGerman);
  EXPECT_EQ(cal->CellLook(0, 1).Text, QStringLiteral("heute"));
  EXPECT_EQ(cal->CellLook(1, 1).Text, QStringLiteral("Mo"));
  cal->SetLanguage(lgFrench);
  cal->SetShowMonthShort(true);
  EXPECT_EQ(cal->CellLook(5, 0).Text, QStringLiteral("Sept 2024"));
  EXPECT_EQ(cal->CellLook(0, 1).Text, QStringLiteral("auj."));
  cal->SetLanguage(lgSpanish);
  EXPECT_EQ(cal->CellLook(0, 1).Text, QStringLiteral("hoy"));
  EXPECT_EQ(cal->CellLook(7, 1).Text, QStringLiteral("Dom"));
}

// The seven day columns (rows) are equal; column (row) 0 takes the rest, so
// the cells and their lines fill the area inside the border exactly.
TEST_F(MiniCalTest, CellsFillTheControl) {
  EXPECT_EQ(cal->Width(), 300);
  EXPECT_EQ(cal->Height(), 180);
  EXPECT_EQ(cal->CellRect(0, 0), TRect(1, 1, 39, 24));  // (298 - 7) / 8 = 36: 298 - 7 * 37 - 1 = 38
  EXPECT_EQ(cal->CellRect(1, 1), TRect(40, 25, 76, 46));
  for (QSize size : {QSize(300, 180), QSize(250, 200), QSize(401, 233)}) {
    cal->SetBounds(0, 0, size.width(), size.height());
    const TRect area = cal->CellArea();
    EXPECT_EQ(cal->CellRect(7, 7).Right + 1, area.Right) << size.width();
    EXPECT_EQ(cal->CellRect(7, 7).Bottom + 1, area.Bottom) << size.height();
    for (int i = 1; i <= 7; ++i) {
      EXPECT_EQ(cal->CellRect(i, 2).Width(), cal->DefaultColWidth());
      EXPECT_EQ(cal->CellRect(1, i).Height(), cal->DefaultRowHeight());
    }
  }
}

// ------------------------------------------------------------------ the date

TEST_F(MiniCalTest, StartsAtNowInEnglishFromMonday) {
  EXPECT_EQ(cal->Date(), kNow);
  EXPECT_EQ(cal->Language(), lgEnglish);
  EXPECT_EQ(cal->FirstDayOfWeek(), dwMon);
  EXPECT_EQ(cal->DayColors(dwMon), TColor(0xF8F8F8));
  EXPECT_EQ(cal->DayColors(dwSat), TColor(0xBBDDEE));
  EXPECT_EQ(cal->DayColors(dwSun), TColor(0xCCEEFF));
  EXPECT_EQ(changes, 0);  // reading has no side effects
  cal->SetDayColors(dwSat, clRed);
  EXPECT_EQ(changes, 1);
  cal->SetFirstDayOfWeek(dwSun);
  cal->SetFirstDayOfWeek(dwSun);
  EXPECT_EQ(changes, 2);
}

TEST_F(MiniCalTest, MonthAndYearSteps) {
  struct Case { int Y, M, D; void (TMiniCal::*Step)(); int NY, NM, ND; };
  const Case cases[] = {
      {2023, 1, 31, &TMiniCal::NextMonth, 2023, 2, 28},  {2024, 2, 29, &TMiniCal::PrevYear, 2023, 2, 28},
      {2024, 2, 29, &TMiniCal::NextYear, 2025, 2, 28},   {2024, 3, 31, &TMiniCal::PrevMonth, 2024, 2, 29},
      {2023, 12, 15, &TMiniCal::NextMonth, 2024, 1, 15}, {2024, 1, 10, &TMiniCal::PrevMonth, 2023, 12, 10},
      {2024, 6, 10, &TMiniCal::LastDayOfMonth, 2024, 6, 30},
  };
  for (const Case& c : cases) {
    Select(c.Y, c.M, c.D);
    (cal.get()->*c.Step)();
    ExpectDate(c.NY, c.NM, c.ND);
    EXPECT_EQ(changes, 1) << c.Y << "-" << c.M << "-" << c.D;
  }
}

TEST_F(MiniCalTest, DatePartSetters) {
  Select(2024, 5, 20);
  cal->SetMonth(13);
  cal->SetDay(32);
  cal->SetYear(-1);
  ExpectDate(2024, 5, 20);
  EXPECT_EQ(changes, 3);
  EXPECT_THROW(cal->SetMonth(0), EConvertError);
  EXPECT_THROW(cal->SetDay(0), EConvertError);
  ExpectDate(2024, 5, 20);
  EXPECT_EQ(changes, 3);
  cal->SetYear(2026);
  cal->SetMonth(6);
  cal->SetDay(30);
  ExpectDate(2026, 6, 30);
  EXPECT_EQ(changes, 6);
}

// ------------------------------------------------------------------ mouse

TEST_F(MiniCalTest, ClickSelectsADay) {
  Select(2024, 5, 15);
  Click(cal->CellOfDay(20).X, cal->CellOfDay(20).Y);
  ExpectDate(2024, 5, 20);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(cal->Hint(), QStringLiteral("Whit Monday"));
  // Clicks on the caption and the week numbers change nothing.
  Click(4, 0);
  Click(0, 4);
  ExpectDate(2024, 5, 20);
  EXPECT_EQ(changes, 1);
}

TEST_F(MiniCalTest, ClickOnANeighbouringMonthFollowsAutoSwitch) {
  Select(2024, 5, 15);  // May 2024 starts on Wednesday: (7, 7) is 9 June, (1, 2) 29 April
  EXPECT_EQ(cal->CellLook(7, 7).Text, QStringLiteral("9"));
  cal->SetAutoSwitch(false);
  Click(7, 7);
  Click(1, 2);
  ExpectDate(2024, 5, 15);
  EXPECT_EQ(changes, 0);
  cal->SetAutoSwitch(true);
  Click(7, 7);
  ExpectDate(2024, 6, 9);
  Click(1, 2);  // June starts on Saturday: (1, 2) is 27 May
  ExpectDate(2024, 5, 27);
  Select(2024, 1, 10);
  Click(1, 2);  // 1 January 2024 is a Monday: (1, 2) is day 1
  ExpectDate(2024, 1, 1);
  Select(2023, 12, 10);
  Click(7, 7);  // December 2023 starts on Friday: (7, 7) is 7 January 2024
  ExpectDate(2024, 1, 7);
  EXPECT_EQ(changes, 1);
}

TEST_F(MiniCalTest, NavigationButtonsAndToday) {
  struct Case { int Col, Row; int Y, M, D; };
  const Case cases[] = {{1, 0, 2023, 3, 31}, {2, 0, 2024, 2, 29}, {6, 0, 2024, 4, 30}, {7, 0, 2025, 3, 31}};
  for (const Case& c : cases) {
    Select(2024, 3, 31);
    Click(c.Col, c.Row);
    ExpectDate(c.Y, c.M, c.D);
    EXPECT_EQ(changes, 1);
  }
  // The today button covers column 0 of rows 0 and 1.
  for (QPoint p : {QPoint(10, cal->CellRect(0, 0).Top + 3), QPoint(10, cal->CellRect(0, 1).Top + 3)}) {
    Select(2020, 1, 1);
    QTest::mouseClick(cal.get(), Qt::LeftButton, {}, p);
    EXPECT_EQ(cal->Date(), kNow);
    EXPECT_EQ(changes, 1);
  }
  Select(2024, 3, 31);
  QTest::mouseClick(cal.get(), Qt::RightButton, {}, Center(6, 0));
  ExpectDate(2024, 3, 31);
}

TEST_F(MiniCalTest, DoubleClickFiresOnlyOnDays) {
  int dbl = 0;
  cal->OnDblClick = [&](TObject*) { ++dbl; };
  Select(2024, 5, 15);
  QTest::mouseDClick(cal.get(), Qt::LeftButton, {}, Center(cal->CellOfDay(16).X, cal->CellOfDay(16).Y));
  EXPECT_EQ(dbl, 1);
  ExpectDate(2024, 5, 16);
  QTest::mouseDClick(cal.get(), Qt::LeftButton, {}, Center(0, 3));
  QTest::mouseDClick(cal.get(), Qt::LeftButton, {}, Center(4, 0));
  EXPECT_EQ(dbl, 1);
}

// ------------------------------------------------------------------ painting

TEST_F(MiniCalTest, DayCellColours) {
  Select(2024, 5, 15);
  auto corner = [&](const QImage& Img, int ADay) {
    const TRect r = DayRect(ADay);
    return PixelAt(Img, r.Left + 1, r.Top + 1);
  };
  QImage img = Grab(cal.get());
  EXPECT_EQ(corner(img, 15), cal->ColorSelectedBg());
  EXPECT_EQ(corner(img, 14), TColor(0xF8F8F8));
  EXPECT_EQ(corner(img, 4), TColor(0xBBDDEE));  // Saturday
  EXPECT_EQ(corner(img, 5), TColor(0xCCEEFF));  // Sunday
  EXPECT_EQ(corner(img, 20), cal->ColorHolidayBg());
  // The selected day's number is white.
  const TRect sel = DayRect(15);
  bool white = false;
  for (int y = sel.Top; y < sel.Bottom; ++y)
    for (int x = sel.Left; x < sel.Right; ++x) white |= PixelAt(img, x, y) == clWhite;
  EXPECT_TRUE(white);

  // A selected holiday mixes both backgrounds; today (9 May) is circled.
  Select(2024, 5, 9);
  img = Grab(cal.get());
  EXPECT_EQ(corner(img, 9), MeanColor(cal->ColorSelectedBg(), cal->ColorHolidayBg()));
  auto circled = [&](const QImage& Img, int ADay) {
    const TRect r = DayRect(ADay);
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) n += PixelAt(Img, x, y) == cal->ColorToday();
    return n;
  };
  EXPECT_GT(circled(img, 9), 20);
  EXPECT_EQ(circled(img, 10), 0);
  EXPECT_EQ(PixelAt(img, DayRect(9).Left + 1, DayRect(9).Top + 1), MeanColor(cal->ColorSelectedBg(), cal->ColorHolidayBg()));
  cal->SetMarkToday(false);
  EXPECT_EQ(circled(Grab(cal.get()), 9), 0);
  cal->SetMarkToday(true);
  Select(2024, 6, 9);  // 9 June is not today
  EXPECT_EQ(circled(Grab(cal.get()), 9), 0);
}

TEST_F(MiniCalTest, ButtonsHaveRaisedFramesWithCtl3D) {
  const TRect prev = cal->DrawRect(1, 0);
  const TRect caption = cal->DrawRect(5, 0);
  EXPECT_EQ(caption.Left, cal->CellRect(3, 0).Left);
  EXPECT_EQ(caption.Right, cal->CellRect(5, 0).Right);
  EXPECT_EQ(cal->DrawRect(0, 1).Top, cal->CellRect(0, 0).Top);
  QImage img = Grab(cal.get());
  EXPECT_EQ(PixelAt(img, prev.Left, prev.Top + 3), clWhite);
  EXPECT_EQ(PixelAt(img, prev.Left + 3, prev.Bottom), TColor(0x686868));
  EXPECT_EQ(PixelAt(img, prev.Right - 1, prev.Top + 3), TColor(0x9CA0A5));
  EXPECT_EQ(PixelAt(img, prev.Left + 1, prev.Top + 3), TColor(0xE6E2E2));
  EXPECT_EQ(PixelAt(img, caption.Left, caption.Top + 3), clWhite);
  EXPECT_EQ(PixelAt(img, caption.Left + 3, caption.Top + 3), ColorToRGB(clBtnFace));
  cal->SetCtl3D(false);
  img = Grab(cal.get());
  EXPECT_EQ(PixelAt(img, prev.Left, prev.Top + 3), ColorToRGB(clBtnFace));
  EXPECT_EQ(PixelAt(img, prev.Left + 1, prev.Top + 3), ColorToRGB(clBtnFace));
}
