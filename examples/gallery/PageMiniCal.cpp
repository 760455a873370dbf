// Gallery page "Calendars": TMiniCal in four languages, a planner whose
// selected day and holiday show beside it, company holidays added by the
// program, first weekdays other than Monday and a colour scheme of its own.

#include "GalleryPage.h"
#include "GalleryWidgets.h"

#include <orvpanels.h>

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

using namespace orv;

namespace {

TMiniCal* Calendar(int W, int H) {
  auto* cal = new TMiniCal(nullptr);
  cal->setFixedSize(W, H);
  return cal;
}

// The holidays of the shown year, in date order, as lines of text.
QString HolidaysOfYear(TMiniCal* Cal) {
  QStringList lines;
  for (int m = 1; m <= 12; ++m)
    for (int d = 1; d <= DaysInAMonth(Cal->Year(), m); ++d) {
      QString name;
      if (Cal->CheckHoliday(Cal->Year(), m, d, name))
        lines << FormatDateTime(QStringLiteral("ddd dd mmm"), EncodeDate(Cal->Year(), m, d)) + QStringLiteral("   ") + name;
    }
  return lines.join(QLatin1Char('\n'));
}

QWidget* MakePlanner() {
  auto* group = new QGroupBox(QStringLiteral("Planner"));
  auto* layout = new QGridLayout(group);
  TMiniCal* cal = Calendar(340, 220);
  const int year = cal->Year();
  cal->AddRepeatHoliday(3, 10, QStringLiteral("Company Day"));
  cal->AddHoliday(24, 12, year, QStringLiteral("Office closed"));
  cal->AddHoliday(31, 12, year, QStringLiteral("Office closed"));
  auto* selected = new QLabel;
  QFont big = selected->font();
  big.setPointSize(12);
  big.setBold(true);
  selected->setFont(big);
  auto* list = new QLabel;
  list->setStyleSheet(QStringLiteral("color: #404040;"));
  const auto update = [cal, selected, list] {
    QString name;
    cal->CheckHoliday(cal->Year(), cal->Month(), cal->Day(), name);
    selected->setText(FormatDateTime(QStringLiteral("dddd, d mmmm yyyy"), cal->Date()) +
                      (name.isEmpty() ? QString() : QStringLiteral("\n") + name));
    list->setText(QStringLiteral("Holidays %1:\n").arg(cal->Year()) + HolidaysOfYear(cal));
  };
  cal->OnChange = [update](TObject*) { update(); };
  update();
  layout->addWidget(Captioned(cal, QStringLiteral("English, today circled, Easter feasts and program\n"
                                                  "holidays (3 October every year, 24 and 31 December\n"
                                                  "this year); the hint names the selected holiday.")),
                    0, 0, 2, 1);
  layout->addWidget(selected, 0, 1, Qt::AlignTop);
  layout->addWidget(list, 1, 1, Qt::AlignTop);
  layout->setColumnStretch(2, 1);
  return group;
}

QWidget* MakeLanguages() {
  auto* group = new QGroupBox(QStringLiteral("Languages and looks"));
  auto* grid = new QGridLayout(group);
  grid->setHorizontalSpacing(18);

  TMiniCal* german = Calendar(280, 180);
  german->SetLanguage(lgGerman);
  german->SetShowMonthShort(false);
  grid->addWidget(Captioned(german, QStringLiteral("German, long month names")), 0, 0);

  TMiniCal* french = Calendar(280, 180);
  french->SetLanguage(lgFrench);
  french->SetFirstDayOfWeek(dwSun);
  french->SetCtl3D(false);
  grid->addWidget(Captioned(french, QStringLiteral("French, weeks from Sunday, flat buttons")), 0, 1);

  TMiniCal* spanish = Calendar(280, 180);
  spanish->SetLanguage(lgSpanish);
  spanish->SetColorDayIdBg(0x604020);
  spanish->SetColorDayIdFg(clWhite);
  spanish->SetColorWeekNoBg(0xE0E0E0);
  spanish->SetColorWeekNoFg(0x808080);
  spanish->SetColorSelectedBg(0x2080F0);
  spanish->SetColorHolidayBg(0xC0E0FF);
  spanish->SetColorHolidayFg(0x004080);
  for (int d = dwMon; d <= dwFri; ++d) spanish->SetDayColors(TDayOfWeek(d), clWhite);
  spanish->SetDayColors(dwSat, 0xF0F0F0);
  spanish->SetDayColors(dwSun, 0xE0E8FF);
  grid->addWidget(Captioned(spanish, QStringLiteral("Spanish, a colour scheme of its own")), 0, 2);
  return group;
}

QWidget* MakePage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(16, 16, 16, 16);
  layout->setSpacing(12);
  auto* intro = new QLabel(QStringLiteral(
      "TMiniCal shows a month with ISO week numbers. The buttons step by a year (<<, >>) or a month (<, >), "
      "the left button selects today, and a click on a grey day switches to its month. Holidays: the fixed "
      "ones of the language, the feasts that follow Easter, and any the program adds."));
  intro->setWordWrap(true);
  layout->addWidget(intro);
  layout->addWidget(MakePlanner());
  layout->addWidget(MakeLanguages());
  layout->addStretch(1);
  return page;
}

const GalleryPage Page(60, QStringLiteral("Calendars"), QStringLiteral("calendars"), MakePage);

}  // namespace
