// TMiniCal: construction, the date and the settings. Layout, painting and
// the mouse are in MiniCalView.cpp, the holidays in MiniCalHolidays.cpp.
#include "ORV_MiniCal.h"

#include <algorithm>

namespace orv {

TMiniCal::TMiniCal(TOwnerArg AOwner) : TCustomDrawGrid(AOwner) {
  SetDefaultDrawing(false);
  SetColCount(8);
  SetRowCount(8);
  SetFixedCols(1);
  SetFixedRows(2);
  SetGridLineWidth(1);
  SetScrollBars(ssNone);
  SetBorderStyle(bsSingle);
  TGridOptions options = Options();
  options.Exclude(goRangeSelect);
  options.Include(goDrawFocusSelected);
  SetOptions(options);
  FDate = Now();
  LoadFixedHolidays();
  SetInitialSize(300, 180);
  SizeCells();
  UpdateLayout();
}

void TMiniCal::Changed() {
  if (OnChange) OnChange(this);
}

// ------------------------------------------------------------------ the date

void TMiniCal::SetDate(TDateTime Value) {
  FDate = Value;
  UpdateLayout();
  Changed();
}

int TMiniCal::Year() const {
  int y = 0, m = 0, d = 0;
  DecodeDate(FDate, y, m, d);
  return y;
}

int TMiniCal::Month() const {
  int y = 0, m = 0, d = 0;
  DecodeDate(FDate, y, m, d);
  return m;
}

int TMiniCal::Day() const {
  int y = 0, m = 0, d = 0;
  DecodeDate(FDate, y, m, d);
  return d;
}

void TMiniCal::SetDateParts(int AYear, int AMonth, int ADay) {
  FDate = EncodeDate(AYear, AMonth, ADay);  // raises before anything changed
  UpdateLayout();
  Changed();
}

void TMiniCal::SetYear(int Value) { SetDateParts(Value >= 0 ? Value : Year(), Month(), Day()); }

void TMiniCal::SetMonth(int Value) { SetDateParts(Year(), Value >= 0 && Value <= 12 ? Value : Month(), Day()); }

void TMiniCal::SetDay(int Value) {
  SetDateParts(Year(), Month(), Value >= 0 && Value <= DaysInAMonth(Year(), Month()) ? Value : Day());
}

// From the month's last day forward, or from its first day back, by one
// day: the neighbouring month, with the day kept where that month has it.
void TMiniCal::StepMonth(int Step) {
  int y = 0, m = 0, d = 0;
  DecodeDate(FDate, y, m, d);
  const TDateTime edge = Step > 0 ? EncodeDate(y, m, DaysInAMonth(y, m)) : EncodeDate(y, m, 1);
  int ny = 0, nm = 0, nd = 0;
  DecodeDate(edge + Step, ny, nm, nd);
  SetDate(EncodeDate(ny, nm, std::min(d, DaysInAMonth(ny, nm))));
}

void TMiniCal::StepYear(int Step) {
  int y = 0, m = 0, d = 0;
  DecodeDate(FDate, y, m, d);
  if (m == 2 && d == 29) FDate = EncodeDate(y, 2, 28);
  SetYear(y + Step);
}

void TMiniCal::LastDayOfMonth() { SetDay(DaysInAMonth(Year(), Month())); }

// ------------------------------------------------------------------ settings

void TMiniCal::SetFirstDayOfWeek(TDayOfWeek Value) {
  if (Value == FFirstDayOfWeek) return;
  FFirstDayOfWeek = Value;
  UpdateLayout();
  Changed();
}

void TMiniCal::SetLanguage(TLanguage Value) {
  if (Value == FLanguage) return;
  FLanguage = Value;
  LoadFixedHolidays();
  UpdateLayout();
}

void TMiniCal::SetFlag(bool& Field, bool Value) {
  if (Value == Field) return;
  Field = Value;
  UpdateLayout();
}

void TMiniCal::SetIndicateHolidays(bool Value) { SetFlag(FIndicateHolidays, Value); }
void TMiniCal::SetShowMovableHolidays(bool Value) { SetFlag(FShowMovableHolidays, Value); }

void TMiniCal::SetShowHolidayHint(bool Value) {
  if (Value == FShowHolidayHint) return;
  FShowHolidayHint = Value;
  SetHint(QString());
  if (Value) SetShowHint(true);
  UpdateLayout();
}

void TMiniCal::SetMarkToday(bool Value) {
  if (Value == FMarkToday) return;
  FMarkToday = Value;
  Invalidate();
}

void TMiniCal::SetShowMonthShort(bool Value) {
  if (Value == FShowMonthShort) return;
  FShowMonthShort = Value;
  Invalidate();
}

void TMiniCal::SetCtl3D(bool Value) {
  if (Value == FCtl3D) return;
  FCtl3D = Value;
  Invalidate();
}

void TMiniCal::SetColorField(TColor& Field, TColor Value) {
  if (Value == Field) return;
  Field = Value;
  Invalidate();
}

void TMiniCal::SetDayColors(TDayOfWeek ADay, TColor Value) {
  if (ADay < dwMon || ADay > dwSun) return;
  FDayColors[std::size_t(ADay)] = Value;
  UpdateLayout();
  Changed();
}

}  // namespace orv
