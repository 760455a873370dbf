// TMiniCal: layout of the month, cell sizes, what each cell shows, painting
// and the mouse.
#include "ORV_MiniCal.h"

#include <QFontMetrics>

#include <algorithm>

namespace orv {

// ------------------------------------------------------------------ layout

void TMiniCal::UpdateLayout() {
  const TShownMonth shown = ShownMonth();
  const int w = (DayOfTheWeek(shown.First) - int(FFirstDayOfWeek) + 7) % 7;
  FMonOfs = w == 0 ? -5 : 2 - w;
  const TGridCoord cell = CellOfDay(shown.Day);
  MoveColRow(cell.X, cell.Y, false, false);
  if (FShowHolidayHint) {
    QString caption;
    if (FIndicateHolidays) CheckHoliday(shown.Year, shown.Month, shown.Day, caption);
    SetHint(caption);
  }
  Invalidate();
}

TGridCoord TMiniCal::CellOfDay(int ADay) const {
  const int n = ADay - FMonOfs;  // cells after column 1 of row 2
  return TGridCoord(n % 7 + 1, n / 7 + 2);
}

// The seven day columns (rows) get an equal share of the cell area; column
// (row) 0 takes the rest, so that the cells and their lines fill the area.
void TMiniCal::SizeCells() {
  const TRect area = CellArea();
  const int lw = GridLineWidth();
  const int colWidth = std::max(0, (area.Width() - 7 * lw) / 8);
  const int rowHeight = std::max(0, (area.Height() - 7 * lw) / 8);
  SetDefaultColWidth(colWidth);
  SetDefaultRowHeight(rowHeight);
  SetGridColWidths(0, std::max(0, area.Width() - 7 * (colWidth + lw) - lw));
  SetRowHeights(0, std::max(0, area.Height() - 7 * (rowHeight + lw) - lw));
}

void TMiniCal::Resize() {
  SizeCells();
  TCustomDrawGrid::Resize();
}

// Eight columns of two digits and eight rows of text.
QSize TMiniCal::minimumSizeHint() const {
  const QFontMetrics fm(font());
  const int border = 2 * BorderWidth();
  return QSize(border + 8 * (fm.horizontalAdvance(QStringLiteral("00")) + 4 + GridLineWidth()),
               border + 8 * (fm.height() + 2 + GridLineWidth()));
}

// ------------------------------------------------------------------ looks

TRect TMiniCal::DrawRect(int ACol, int ARow) const {
  TRect r = CellRect(ACol, ARow);
  if (ARow == 0 && ACol == 5) r.Left -= 2 * DefaultColWidth() + 2;
  if (ARow == 1 && ACol == 0) r.Top -= RowHeights(0) + 1;
  return r;
}

TMiniCal::TShownMonth TMiniCal::ShownMonth() const {
  TShownMonth s;
  DecodeDate(FDate, s.Year, s.Month, s.Day);
  s.First = EncodeDate(s.Year, s.Month, 1);
  s.Length = DaysInAMonth(s.Year, s.Month);
  DecodeDate(orv::Date(), s.TodayYear, s.TodayMonth, s.TodayDay);
  return s;
}

TMiniCal::TCellLook TMiniCal::CellLook(int ACol, int ARow, const TShownMonth& Shown) const {
  const int y = Shown.Year, m = Shown.Month;
  TCellLook look;
  if (ARow == 0) {
    if (ACol == 0 || ACol == 3 || ACol == 4) return look;
    look.Background = clBtnFace;
    look.Framed = true;
    switch (ACol) {
      case 1: look.Text = QStringLiteral("<<"); break;
      case 2: look.Text = QStringLiteral("<"); break;
      case 6: look.Text = QStringLiteral(">"); break;
      case 7: look.Text = QStringLiteral(">>"); break;
      default:
        look.Text = (FShowMonthShort ? MonthShort(FLanguage, m).left(4) : MonthLong(FLanguage, m).left(10)) +
                    QLatin1Char(' ') + QString::number(y);
        break;
    }
    return look;
  }
  if (ARow == 1) {
    if (ACol == 0) {
      look.Background = clBtnFace;
      look.Framed = true;
      look.Text = TodayText();
    } else {
      look.Background = FColorDayIdBg;
      look.TextColor = FColorDayIdFg;
      look.Text = WeekDayShort(FLanguage, (int(FFirstDayOfWeek) + ACol - 1) % 7);
    }
    return look;
  }
  if (ACol == 0) {
    look.Background = FColorWeekNoBg;
    look.TextColor = FColorWeekNoFg;
    look.Text = QString::number(WeekOfTheYear(Shown.First + (ARow - 2) * 7));
    return look;
  }
  const int length = Shown.Length;
  const int d = DayAt(ACol, ARow);
  look.Background = FDayColors[std::size_t((ACol + int(FFirstDayOfWeek) - 1) % 7)];
  look.TextColor = FColorInactiveMonth;
  if (d < 1) {
    look.Text = QString::number(d + (m == 1 ? 31 : DaysInAMonth(y, m - 1)));
  } else if (d > length) {
    look.Text = QString::number(d - length);
  } else {
    look.Text = QString::number(d);
    look.TextColor = FColorActiveMonth;
    QString caption;
    const bool holiday = FIndicateHolidays && CheckHoliday(y, m, d, caption);
    if (holiday) {
      look.Background = FColorHolidayBg;
      look.TextColor = FColorHolidayFg;
    }
    if (d == Shown.Day) {
      look.TextColor = FColorSelectedFg;
      look.Background = holiday ? MeanColor(FColorSelectedBg, FColorHolidayBg) : FColorSelectedBg;
    }
    look.TodayMark = FMarkToday && Shown.TodayYear == y && Shown.TodayMonth == m && Shown.TodayDay == d;
  }
  return look;
}

// ------------------------------------------------------------------ painting

void TMiniCal::Paint() {
  FPainting = ShownMonth();
  TCustomDrawGrid::Paint();
}

void TMiniCal::DrawCell(int ACol, int ARow, const TRect&, TGridDrawState) {
  const TCellLook look = CellLook(ACol, ARow, FPainting);
  if (look.Background == clNone) return;
  TCanvas* c = Canvas();
  const TRect r = DrawRect(ACol, ARow);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(look.Background);
  c->Font()->SetColor(look.TextColor);
  const int x = r.Left + (r.Width() - c->TextWidth(look.Text)) / 2;
  const int y = r.Top + (r.Height() - c->TextHeight(look.Text)) / 2;
  c->TextRect(r, x, y, look.Text);
  if (look.Framed && FCtl3D) DrawButtonFrame(c, r);
  if (look.TodayMark) {
    c->Pen()->SetColor(FColorToday);
    c->Brush()->SetStyle(bsClear);
    c->Ellipse(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2);
    c->Brush()->SetStyle(bsSolid);
  }
}

// Light lines at the top and left, dark ones at the bottom and right, the
// outer ones on the cell's grid lines.
void TMiniCal::DrawButtonFrame(TCanvas* C, const TRect& R) {
  const int l = R.Left, t = R.Top, r = R.Right, b = R.Bottom;
  auto lines = [C](TColor Color, TPoint A, TPoint B, TPoint E) {
    C->Pen()->SetColor(Color);
    C->Polyline({A, B, E});
  };
  lines(clWhite, {l, b - 1}, {l, t}, {r, t});
  lines(0x686868, {l, b}, {r, b}, {r, t});
  lines(0x9CA0A5, {l + 1, b - 1}, {r - 1, b - 1}, {r - 1, t});
  lines(0xE6E2E2, {l + 1, b - 2}, {l + 1, t + 1}, {r - 1, t + 1});
}

// ------------------------------------------------------------------ mouse

void TMiniCal::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomDrawGrid::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || X <= 0 || X >= GridWidth() || Y <= 0 || Y >= GridHeight()) return;
  const TGridCoord cell = MouseCoord(X, Y);
  if (cell.X < 0 || cell.Y < 0) return;
  FClickedCell = cell;
  if (cell.X > 0 && cell.Y > 1) {
    SelectDayCell(cell);
    return;
  }
  if (cell.Y == 0 || (cell.X == 0 && cell.Y == 1)) {
    switch (cell.X) {
      case 0: SetDate(Now()); break;
      case 1: PrevYear(); break;
      case 2: PrevMonth(); break;
      case 6: NextMonth(); break;
      case 7: NextYear(); break;
      default: break;
    }
  }
}

// A day of the month before (after) the shown one lies before day 1 (after
// its last day); with AutoSwitch it selects that day of its own month.
void TMiniCal::SelectDayCell(TGridCoord Cell) {
  int y = 0, m = 0, d = 0;
  DecodeDate(FDate, y, m, d);
  int day = DayAt(Cell.X, Cell.Y);
  if (FAutoSwitch && day <= 0) {
    if (--m == 0) {
      m = 12;
      --y;
    }
    day += DaysInAMonth(y, m);
  } else if (FAutoSwitch && day > DaysInAMonth(y, m)) {
    day -= DaysInAMonth(y, m);
    if (++m == 13) {
      m = 1;
      ++y;
    }
  }
  const bool valid = day >= 1 && day <= DaysInAMonth(y, m);
  if (valid) FDate = EncodeDate(y, m, day);
  UpdateLayout();
  if (valid) Changed();
}

void TMiniCal::MouseUp(TMouseButton, TShiftState, int, int) {}

void TMiniCal::DblClick() {
  if (FClickedCell.X > 0 && FClickedCell.Y > 1) TCustomDrawGrid::DblClick();
}

}  // namespace orv
