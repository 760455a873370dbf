// TDateTimePicker: the value as TDateTime, the display format, and OnChange.
#include "WidgetTestSupport.h"

#include <QDateTimeEdit>
#include <QLineEdit>
#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

TEST(DateTimePicker, DateAndTimeAreTheTwoPartsOfDateTime) {
  TDateTimePicker picker(nullptr);
  const TDateTime christmas = EncodeDate(2023, 12, 24) + EncodeTime(14, 5, 30, 0);
  picker.SetDateTime(christmas);
  EXPECT_DOUBLE_EQ(picker.DateTime(), christmas);
  EXPECT_DOUBLE_EQ(picker.Date(), EncodeDate(2023, 12, 24));
  EXPECT_DOUBLE_EQ(picker.Time(), EncodeTime(14, 5, 30, 0));
  picker.SetDate(EncodeDate(2024, 2, 29) + 0.75);  // keeps the time
  EXPECT_DOUBLE_EQ(picker.DateTime(), EncodeDate(2024, 2, 29) + EncodeTime(14, 5, 30, 0));
  picker.SetTime(123.5);  // keeps the date
  EXPECT_DOUBLE_EQ(picker.DateTime(), EncodeDate(2024, 2, 29) + 0.5);
  // The zero date and days before it, whose time counts backwards.
  picker.SetDateTime(0);
  EXPECT_EQ(picker.DateTimeEdit()->date(), QDate(1899, 12, 30));
  picker.SetDateTime(-1.25);
  EXPECT_DOUBLE_EQ(picker.DateTime(), -1.25);
  EXPECT_EQ(picker.DateTimeEdit()->time(), QTime(6, 0));
  EXPECT_THROW(picker.SetDateTime(EncodeDate(9999, 12, 31) + 1), EConvertError);
}

TEST(DateTimePicker, FormatsInThePickersNotationShowAsWritten) {
  const std::pair<QString, QString> formats[] = {
      {"dd.MM.yyyy", "dd.MM.yyyy"},
      {"yyyy-MM-dd", "yyyy-MM-dd"},
      {"d MMMM yy", "d MMMM yy"},
      {"yyy", "yyyy"},
      {"hh:mm tt", "hh:mm AP"},
      {"HH:mm:ss", "HH:mm:ss"},
      {"'week' dd", "'week' dd"},
      {"dd 'o''clock' z", "dd 'o''clock' 'z'"},  // z is not the picker's: shown as a letter
      {"gg yyyy", " yyyy"},
  };
  for (const auto& [format, qt] : formats)
    EXPECT_EQ(TDateTimePicker::QtDisplayFormat(format), qt) << format.toStdString();

  TDateTimePicker picker(nullptr);
  picker.SetDateTime(EncodeDate(2023, 12, 24) + EncodeTime(13, 15, 0, 0));
  picker.SetFormat(QStringLiteral("dd.MM.yyyy"));
  EXPECT_EQ(picker.Format(), "dd.MM.yyyy");
  EXPECT_EQ(picker.DateTimeEdit()->text(), "24.12.2023");
  picker.SetKind(dtkTime);
  picker.SetFormat(QStringLiteral("HH:mm"));
  EXPECT_EQ(picker.DateTimeEdit()->text(), "13:15");
  picker.SetFormat(QString());
  EXPECT_EQ(picker.DateTimeEdit()->text(), "13:15:00");
}

TEST(DateTimePicker, TheUserChangesWhatTheFormatShows) {
  TDateTimePicker picker(nullptr);
  picker.SetFormat(QStringLiteral("dd.MM.yyyy"));
  picker.SetDateTime(EncodeDate(2023, 12, 24) + 0.5);
  int changes = 0;
  picker.OnChange = [&](TObject*) { ++changes; };
  picker.SetDate(EncodeDate(2023, 12, 25));
  EXPECT_EQ(changes, 0);
  Focus(&picker);
  picker.DateTimeEdit()->setSelectedSection(QDateTimeEdit::DaySection);
  QTest::keyClick(FocusTarget(&picker), Qt::Key_Up);
  EXPECT_EQ(changes, 1);
  EXPECT_DOUBLE_EQ(picker.DateTime(), EncodeDate(2023, 12, 26) + 0.5);  // the time it does not show stays
}
