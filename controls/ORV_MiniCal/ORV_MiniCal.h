#pragma once
// TMiniCal: a month calendar drawn on a grid of 8 x 8 cells.
//
// Row 0 holds the navigation buttons "<<" (previous year), "<" (previous
// month), ">" (next month) and ">>" (next year) around the caption, the
// month name (short with ShowMonthShort, else long) and the year over
// columns 3 to 5. Column 0 of rows 0 and 1 is the today button. Row 1 names
// the weekdays from FirstDayOfWeek (dwMon) on; rows 2 to 7 show six weeks of
// days with their ISO week number in column 0. Day 1 always lies in row 2
// under its own weekday (in column 7 when the month starts the day before
// FirstDayOfWeek), so row 2 never holds only days of the month before.
//
// Colours: each day cell has the background of its weekday (DayColors:
// $F8F8F8 on working days, $BBDDEE on Saturday, $CCEEFF on Sunday), days of
// the neighbouring months are drawn in ColorInactiveMonth, holidays in
// ColorHolidayBg / ColorHolidayFg (IndicateHolidays), the selected day in
// ColorSelectedFg on ColorSelectedBg (mixed with ColorHolidayBg on a
// holiday), and today is circled in ColorToday (MarkToday). With Ctl3D the
// buttons and the caption get a raised frame.
//
// Holidays: the eight fixed holidays of the Language, each of every year;
// setting another Language rebuilds the list from them, so holidays the
// program added are dropped. AddHoliday adds a date of one year,
// AddRepeatHoliday a date of every year. With ShowMovableHolidays the feasts
// that follow Easter Sunday (Easter Sunday and Monday, Ascension,
// Pentecost, Whit Monday, Corpus Christi) count too. With ShowHolidayHint
// the hint names the selected day's holiday.
//
// Input: a click on a day selects it (with AutoSwitch a day of the month
// before or after switches to that month); the buttons step by a month or a
// year, keeping the day where the new month has it (else its last day); the
// today button selects the current date. OnDblClick fires only for a double
// click on a day. Date is the control's value: OnChange fires whenever it is
// written and when FirstDayOfWeek or DayColors change.
//
// Default size 300 x 180. The seven day columns and rows share the cell
// area equally; column 0 and row 0 take what they leave.
//
// \image html calendars.png "Calendars in the gallery"

#include <orvcalc.h>
#include <orvcore.h>

#include <QStringList>

#include <array>

namespace orv {

namespace minical_enums {
Q_NAMESPACE
// Stored as an int, so that a value from outside the list can be held and ignored.
enum TDayOfWeek : int { dwMon, dwTue, dwWed, dwThu, dwFri, dwSat, dwSun };
Q_ENUM_NS(TDayOfWeek)
}  // namespace minical_enums
using namespace minical_enums;

using TDayColors = std::array<TColor, 7>;

// Easter Sunday of a year of the Gregorian calendar: Day and Month (3 or 4).
void CalcEasterSunday(int Year, int& Day, int& Month);

class TMiniCal : public TCustomDrawGrid {
  Q_OBJECT
  Q_PROPERTY(int Year READ Year WRITE SetYear STORED false)
  Q_PROPERTY(int Month READ Month WRITE SetMonth STORED false)
  Q_PROPERTY(int Day READ Day WRITE SetDay STORED false)
  Q_PROPERTY(orv::minical_enums::TDayOfWeek FirstDayOfWeek READ FirstDayOfWeek WRITE SetFirstDayOfWeek)
  Q_PROPERTY(orv::core_enums::TLanguage Language READ Language WRITE SetLanguage)
  Q_PROPERTY(bool AutoSwitch READ AutoSwitch WRITE SetAutoSwitch)
  Q_PROPERTY(bool IndicateHolidays READ IndicateHolidays WRITE SetIndicateHolidays)
  Q_PROPERTY(bool ShowMovableHolidays READ ShowMovableHolidays WRITE SetShowMovableHolidays)
  Q_PROPERTY(bool ShowHolidayHint READ ShowHolidayHint WRITE SetShowHolidayHint)
  Q_PROPERTY(bool MarkToday READ MarkToday WRITE SetMarkToday)
  Q_PROPERTY(bool ShowMonthShort READ ShowMonthShort WRITE SetShowMonthShort)
  Q_PROPERTY(bool Ctl3D READ Ctl3D WRITE SetCtl3D)
  Q_PROPERTY(orv::TColor ColorActiveMonth READ ColorActiveMonth WRITE SetColorActiveMonth)
  Q_PROPERTY(orv::TColor ColorInactiveMonth READ ColorInactiveMonth WRITE SetColorInactiveMonth)
  Q_PROPERTY(orv::TColor ColorWeekNoBg READ ColorWeekNoBg WRITE SetColorWeekNoBg)
  Q_PROPERTY(orv::TColor ColorWeekNoFg READ ColorWeekNoFg WRITE SetColorWeekNoFg)
  Q_PROPERTY(orv::TColor ColorDayIdBg READ ColorDayIdBg WRITE SetColorDayIdBg)
  Q_PROPERTY(orv::TColor ColorDayIdFg READ ColorDayIdFg WRITE SetColorDayIdFg)
  Q_PROPERTY(orv::TColor ColorSelectedBg READ ColorSelectedBg WRITE SetColorSelectedBg)
  Q_PROPERTY(orv::TColor ColorSelectedFg READ ColorSelectedFg WRITE SetColorSelectedFg)
  Q_PROPERTY(orv::TColor ColorHolidayBg READ ColorHolidayBg WRITE SetColorHolidayBg)
  Q_PROPERTY(orv::TColor ColorHolidayFg READ ColorHolidayFg WRITE SetColorHolidayFg)
  Q_PROPERTY(orv::TColor ColorToday READ ColorToday WRITE SetColorToday)

public:
  // The year of a repeating holiday in the holiday list.
  static constexpr int RepeatYear = -99999;

  // A calendar on the current date with the defaults above; AOwner (a
  // component, a Qt parent widget, or null) owns it and, when it is a
  // control, is its parent.
  explicit TMiniCal(TOwnerArg AOwner);

  // ---- the date
  // The selected date (the current date and time at creation). Writing
  // stores it, lays the month out again and fires OnChange; a value outside
  // 0001-01-01 .. 9999-12-31 (or NaN) raises EConvertError and the date stays.
  TDateTime Date() const { return FDate; }
  void SetDate(TDateTime Value);
  // The year of the date. Setting a year below 0 keeps the year; then the
  // date is encoded again from its parts (EConvertError, and the date stays,
  // for a date that does not exist, such as 29 February in another year),
  // laid out and OnChange fires. Month and Day work the same way.
  int Year() const;
  void SetYear(int Value);
  // The month of the date; a month outside 0..12 keeps the month, 0 raises EConvertError.
  int Month() const;
  void SetMonth(int Value);
  // The day of the date; a day outside 0..(the month's length) keeps the
  // day, 0 raises EConvertError.
  int Day() const;
  void SetDay(int Value);

  // The same day of the next month, or that month's last day when it is shorter.
  void NextMonth() { StepMonth(1); }
  // The same day of the previous month, or that month's last day when it is shorter.
  void PrevMonth() { StepMonth(-1); }
  // The same day of the next year; 29 February becomes 28 February.
  void NextYear() { StepYear(1); }
  // The same day of the previous year; 29 February becomes 28 February.
  void PrevYear() { StepYear(-1); }
  // Selects the last day of the month.
  void LastDayOfMonth();

  // ---- settings
  // The weekday of the first day column (dwMon); a change lays out and
  // fires OnChange. A value outside dwMon..dwSun is ignored.
  TDayOfWeek FirstDayOfWeek() const { return FFirstDayOfWeek; }
  void SetFirstDayOfWeek(TDayOfWeek Value);
  // The language of the texts and the holiday names (lgEnglish). Setting
  // another one rebuilds the holiday list from the language's eight fixed
  // holidays: holidays the program added are dropped.
  TLanguage Language() const { return FLanguage; }
  void SetLanguage(TLanguage Value);
  // Whether a click on a day of the month before or after switches to that month (true).
  bool AutoSwitch() const { return FAutoSwitch; }
  void SetAutoSwitch(bool Value) { FAutoSwitch = Value; }
  // Whether holidays are drawn in the holiday colours (true).
  bool IndicateHolidays() const { return FIndicateHolidays; }
  void SetIndicateHolidays(bool Value);
  // Whether the feasts that follow Easter Sunday count as holidays (true).
  bool ShowMovableHolidays() const { return FShowMovableHolidays; }
  void SetShowMovableHolidays(bool Value);
  // Whether the hint names the selected day's holiday (true); setting it
  // clears the hint, and true also sets ShowHint.
  bool ShowHolidayHint() const { return FShowHolidayHint; }
  void SetShowHolidayHint(bool Value);
  // Whether today is circled in ColorToday (true).
  bool MarkToday() const { return FMarkToday; }
  void SetMarkToday(bool Value);
  // Whether the caption shows the short month name (true) or the long one.
  bool ShowMonthShort() const { return FShowMonthShort; }
  void SetShowMonthShort(bool Value);
  // Raised frames around the buttons and the caption (true).
  bool Ctl3D() const { return FCtl3D; }
  void SetCtl3D(bool Value);

  // ---- colours (each setter stores and repaints)
  // Text of the days of the shown month (black).
  TColor ColorActiveMonth() const { return FColorActiveMonth; }
  void SetColorActiveMonth(TColor Value) { SetColorField(FColorActiveMonth, Value); }
  // Text of the days of the neighbouring months ($C0C0C0).
  TColor ColorInactiveMonth() const { return FColorInactiveMonth; }
  void SetColorInactiveMonth(TColor Value) { SetColorField(FColorInactiveMonth, Value); }
  // Background of the week numbers ($C0C0C0).
  TColor ColorWeekNoBg() const { return FColorWeekNoBg; }
  void SetColorWeekNoBg(TColor Value) { SetColorField(FColorWeekNoBg, Value); }
  // Text of the week numbers (black).
  TColor ColorWeekNoFg() const { return FColorWeekNoFg; }
  void SetColorWeekNoFg(TColor Value) { SetColorField(FColorWeekNoFg, Value); }
  // Background of the weekday names ($C0C0C0).
  TColor ColorDayIdBg() const { return FColorDayIdBg; }
  void SetColorDayIdBg(TColor Value) { SetColorField(FColorDayIdBg, Value); }
  // Text of the weekday names (black).
  TColor ColorDayIdFg() const { return FColorDayIdFg; }
  void SetColorDayIdFg(TColor Value) { SetColorField(FColorDayIdFg, Value); }
  // Background of the selected day ($D0A040).
  TColor ColorSelectedBg() const { return FColorSelectedBg; }
  void SetColorSelectedBg(TColor Value) { SetColorField(FColorSelectedBg, Value); }
  // Text of the selected day (white).
  TColor ColorSelectedFg() const { return FColorSelectedFg; }
  void SetColorSelectedFg(TColor Value) { SetColorField(FColorSelectedFg, Value); }
  // Background of holidays ($9BD8F1).
  TColor ColorHolidayBg() const { return FColorHolidayBg; }
  void SetColorHolidayBg(TColor Value) { SetColorField(FColorHolidayBg, Value); }
  // Text of holidays ($0000C0).
  TColor ColorHolidayFg() const { return FColorHolidayFg; }
  void SetColorHolidayFg(TColor Value) { SetColorField(FColorHolidayFg, Value); }
  // The circle around today ($0000FF).
  TColor ColorToday() const { return FColorToday; }
  void SetColorToday(TColor Value) { SetColorField(FColorToday, Value); }
  // Background of the days of a weekday; writing lays out and fires
  // OnChange. A day outside dwMon..dwSun reads 0 and is not written.
  TColor DayColors(TDayOfWeek Day) const { return Day >= dwMon && Day <= dwSun ? FDayColors[std::size_t(Day)] : 0; }
  void SetDayColors(TDayOfWeek Day, TColor Value);

  // ---- holidays
  // The number of entries of the holiday list.
  int NumHolidays() const { return FHDayList.NrOfRows(); }
  // Appends a holiday of one year to the list.
  void AddHoliday(int Day, int Mon, int Year, const QString& Caption);
  // Appends a holiday of every year to the list.
  void AddRepeatHoliday(int Day, int Mon, const QString& Caption);
  // Empties the holiday list (the feasts that follow Easter stay).
  void ClearHolidayList();
  // Holiday HDIndex (1..NumHolidays) into the outputs (Year RepeatYear and
  // IsRepeatHDay true for one of every year); false, outputs untouched, for
  // another index.
  bool RetrieveHoliday(int HDIndex, int& Day, int& Month, int& Year, bool& IsRepeatHDay, QString& Description) const;
  // Whether the date is a holiday, and its name in Caption (empty when not):
  // the first matching entry of the list, else (ShowMovableHolidays) a feast
  // that follows Easter Sunday.
  bool CheckHoliday(int Year, int Month, int Day, QString& Caption) const;

  // Fires whenever Date is written and when FirstDayOfWeek or DayColors change.
  TNotifyEvent OnChange;

  // ---- geometry and looks, shared by painting, the mouse and tests
  // Grid columns 1..7 of rows 2..7: the day number of the cell counted from
  // day 1 of the shown month (below 1 or above the month's length for days
  // of the neighbouring months).
  int DayAt(int ACol, int ARow) const { return (ARow - 2) * 7 + FMonOfs + ACol - 1; }
  // The cell that shows a day of the shown month.
  TGridCoord CellOfDay(int ADay) const;
  // Where a cell is drawn: its rectangle, for the caption widened over
  // columns 3 to 5 and for the today button raised over rows 0 and 1.
  TRect DrawRect(int ACol, int ARow) const;
  // What a cell shows.
  struct TCellLook {
    QString Text;                // the text, centred
    TColor Background = clNone;  // clNone: the cell is not drawn
    TColor TextColor = clBlack;  // the text's colour
    bool Framed = false;         // a button (or the caption), framed with Ctl3D
    bool TodayMark = false;      // circled as today
  };
  // What the cell in grid column ACol and row ARow shows now.
  TCellLook CellLook(int ACol, int ARow) const { return CellLook(ACol, ARow, ShownMonth()); }
  // Eight columns of two digits and eight rows of text.
  QSize minimumSizeHint() const override;

  // A left press selects the day under the mouse or runs the button there.
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // Does nothing: the calendar acts on the press.
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // Fires OnDblClick only for a double click on a day.
  void DblClick() override;
  // Paints the month.
  void Paint() override;

protected:
  // Fires OnChange.
  virtual void Changed();
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  void Resize() override;

private:
  // What every cell of the shown month needs: the selected date, day 1, the
  // month's length and today.
  struct TShownMonth {
    int Year = 0, Month = 0, Day = 0;
    TDateTime First = 0;
    int Length = 0;
    int TodayYear = 0, TodayMonth = 0, TodayDay = 0;
  };
  TShownMonth ShownMonth() const;
  TCellLook CellLook(int ACol, int ARow, const TShownMonth& Shown) const;
  void SetColorField(TColor& Field, TColor Value);
  void SetFlag(bool& Field, bool Value);
  // Lays the shown month out again: the day offset, the grid's current
  // cell, the hint; then repaints.
  void UpdateLayout();
  // Sizes the columns and rows to the cell area.
  void SizeCells();
  void SelectDayCell(TGridCoord Cell);
  void StepMonth(int Step);
  void StepYear(int Step);
  // Encodes the date from its parts, then lays out and fires OnChange.
  void SetDateParts(int AYear, int AMonth, int ADay);
  void LoadFixedHolidays();
  // The today button's text in the language.
  QString TodayText() const;
  void DrawButtonFrame(TCanvas* C, const TRect& R);

  TDateTime FDate = 0;
  int FMonOfs = 1;
  TDayColors FDayColors{0xF8F8F8, 0xF8F8F8, 0xF8F8F8, 0xF8F8F8, 0xF8F8F8, 0xBBDDEE, 0xCCEEFF};
  TIntMatrix FHDayList{3, 0};
  QStringList FHDayCaptions;
  TGridCoord FClickedCell{-1, -1};
  TShownMonth FPainting;  // the month being painted, for DrawCell
  TLanguage FLanguage = lgEnglish;
  TDayOfWeek FFirstDayOfWeek = dwMon;
  bool FAutoSwitch = true;
  bool FIndicateHolidays = true;
  bool FShowMovableHolidays = true;
  bool FShowHolidayHint = true;
  bool FMarkToday = true;
  bool FShowMonthShort = true;
  bool FCtl3D = true;
  TColor FColorActiveMonth = clBlack;
  TColor FColorInactiveMonth = 0xC0C0C0;
  TColor FColorWeekNoBg = 0xC0C0C0;
  TColor FColorWeekNoFg = clBlack;
  TColor FColorDayIdBg = 0xC0C0C0;
  TColor FColorDayIdFg = clBlack;
  TColor FColorSelectedBg = 0xD0A040;
  TColor FColorSelectedFg = clWhite;
  TColor FColorHolidayBg = 0x9BD8F1;
  TColor FColorHolidayFg = 0x0000C0;
  TColor FColorToday = 0x0000FF;
};

}  // namespace orv
