// TMiniCal: the holiday list, the movable feasts and the language's texts.
#include "ORV_MiniCal.h"

namespace orv {

namespace {

// Columns: English, German, French, Spanish.
const char* const TodayTexts[4] = {"today", "heute", "auj.", "hoy"};

struct TFixedHoliday {
  int Day;
  int Month;
  const char* Name[4];
};

const TFixedHoliday FixedHolidays[8] = {
    {25, 12, {"Christmas Day", "Weihnachten", "Noël", "Navidad"}},
    {26, 12, {"Boxing Day", "Stephanitag", "Jour de boxe", "Día de San Esteban"}},
    {1, 1, {"New Year's Day", "Neujahrstag", "Nouvel An Jour", "Día de Año Nuevo"}},
    {6, 1, {"Epiphany", "Hl. Drei Könige", "Épiphanie", "Epifanía"}},
    {15, 8, {"Assumption of Mary", "Maria Himmelfahrt", "Assomption", "Asunción"}},
    {1, 11, {"All Saints", "Allerheiligen", "La Toussaint", "Día de Todos los Santos"}},
    {8, 12, {"Immaculate Conception", "Maria Empfängnis", "Immaculée Conception", "Inmaculada Concepción"}},
    {1, 5, {"Labor Day", "Tag der Arbeit", "Fête du Travail", "Día del Trabajo"}},
};

struct TMovableHoliday {
  int DaysAfterEaster;
  const char* Name[4];
};

const TMovableHoliday MovableHolidays[6] = {
    {0, {"Easter Day", "Ostersonntag", "Le jour de Pâques", "Domingo de Resurrección"}},
    {1, {"Easter Monday", "Ostermontag", "Lundi de Pâques", "Lunes de Pascua"}},
    {39, {"Ascension Day", "Christi Himmelfahrt", "Ascension du Christ", "Ascensión de Cristo"}},
    {49, {"Pentecost", "Pfingstsonntag", "Dimanche de Pentecôte", "Domingo de Pentecostés"}},
    {50, {"Whit Monday", "Pfingstmontag", "Lundi de Pentecôte", "Lunes de Pentecostés"}},
    {60, {"Corpus Christi", "Fronleichnam", "Corpus Christi", "Corpus Cristi"}},
};

// The column of the tables; lgNone reads English.
int Column(TLanguage Language) { return Language >= lgGerman && Language <= lgSpanish ? int(Language) - 1 : 0; }

// Days counted from the end of February, for March to June.
int SpringDay(int Month, int Day) {
  constexpr int before[] = {0, 31, 61, 92};
  return before[Month - 3] + Day;
}

}  // namespace

QString TMiniCal::TodayText() const { return QString::fromUtf8(TodayTexts[Column(FLanguage)]); }

void CalcEasterSunday(int Year, int& Day, int& Month) {
  const int k = Year / 100, a = Year % 19, s = (3 * k + 3) / 4;
  int e = (19 * a + s - (8 * k + 13) / 25 + 15) % 30;
  e = e + 21 - (e + a / 11) / 29;
  e = e + 7 - (e + (Year + Year / 4 - s + 2) % 7 - 7) % 7;
  Day = e;
  Month = 3;
  if (e >= 32) {
    Day = e - 31;
    Month = 4;
  }
}

void TMiniCal::LoadFixedHolidays() {
  FHDayList.Resize(3, 0);
  FHDayCaptions.clear();
  for (const TFixedHoliday& h : FixedHolidays) {
    FHDayList.SetNRows(FHDayList.NrOfRows() + 1);
    const int row = FHDayList.NrOfRows();
    FHDayList.SetVal(1, row, h.Day);
    FHDayList.SetVal(2, row, h.Month);
    FHDayList.SetVal(3, row, RepeatYear);
    FHDayCaptions.append(QString::fromUtf8(h.Name[Column(FLanguage)]));
  }
}

void TMiniCal::AddHoliday(int ADay, int AMon, int AYear, const QString& Caption) {
  FHDayCaptions.append(Caption);
  FHDayList.SetNRows(FHDayList.NrOfRows() + 1);
  const int row = FHDayList.NrOfRows();
  FHDayList.SetVal(1, row, ADay);
  FHDayList.SetVal(2, row, AMon);
  FHDayList.SetVal(3, row, AYear);
  UpdateLayout();
}

void TMiniCal::AddRepeatHoliday(int ADay, int AMon, const QString& Caption) { AddHoliday(ADay, AMon, RepeatYear, Caption); }

void TMiniCal::ClearHolidayList() {
  FHDayCaptions.clear();
  FHDayList.Resize(3, 0);
  UpdateLayout();
}

bool TMiniCal::RetrieveHoliday(int HDIndex, int& ADay, int& AMonth, int& AYear, bool& IsRepeatHDay,
                               QString& Description) const {
  if (HDIndex < 1 || HDIndex > NumHolidays()) return false;
  ADay = FHDayList.GetVal(1, HDIndex);
  AMonth = FHDayList.GetVal(2, HDIndex);
  AYear = FHDayList.GetVal(3, HDIndex);
  IsRepeatHDay = AYear == RepeatYear;
  Description = FHDayCaptions.value(HDIndex - 1);
  return true;
}

bool TMiniCal::CheckHoliday(int AYear, int AMonth, int ADay, QString& Caption) const {
  Caption.clear();
  for (int row = 1; row <= NumHolidays(); ++row) {
    const int y = FHDayList.GetVal(3, row);
    if (FHDayList.GetVal(1, row) == ADay && FHDayList.GetVal(2, row) == AMonth && (y == RepeatYear || y == AYear)) {
      Caption = FHDayCaptions.value(row - 1);
      return true;
    }
  }
  if (!FShowMovableHolidays || AMonth < 3 || AMonth > 6) return false;
  int easterDay = 0, easterMonth = 0;
  CalcEasterSunday(AYear, easterDay, easterMonth);
  const int after = SpringDay(AMonth, ADay) - SpringDay(easterMonth, easterDay);
  for (const TMovableHoliday& h : MovableHolidays) {
    if (h.DaysAfterEaster == after) {
      Caption = QString::fromUtf8(h.Name[Column(FLanguage)]);
      return true;
    }
  }
  return false;
}

}  // namespace orv
