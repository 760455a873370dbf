// TReportListView: row and column selection, mouse, keys, wheel and the
// in-place editor.
#include "OrvTReportListView.h"

#include <algorithm>

namespace orv {

// ---------------------------------------------------------- row and column bits

void TReportListView::SetRowBit(int r, std::uint8_t Bit, bool Value) {
  if (!ValidRow(r)) return;
  const std::uint8_t a = Store()->GetRowAttrib(r);
  Store()->SetRowAttrib(r, Value ? std::uint8_t(a | Bit) : std::uint8_t(a & ~Bit));
}

void TReportListView::SetAllRowBits(std::uint8_t Bit, bool Value) {
  for (int r = 1; r <= NrOfRows(); ++r) SetRowBit(r, Bit, Value);
}

void TReportListView::SetAllColBits(std::uint8_t Bit, bool Value) {
  for (int c = 1; c <= NrOfColumns(); ++c) {
    const std::uint8_t a = Store()->GetColAttrib(c);
    Store()->SetColAttrib(c, Value ? std::uint8_t(a | Bit) : std::uint8_t(a & ~Bit));
  }
}

void TReportListView::SetRowSelectMode(int Value) {
  FRowSelectMode = Value;
  if (Value == 2) return;  // several rows: the selection stays as it is
  {
    TPaintLock lock(this);
    SetAllRowBits(rlRowSelected, false);
    if (Value == 0) SetSelection(TGridRect(NrOfColumns() + 1, NrOfRows() + 1, NrOfColumns() + 1, NrOfRows() + 1));
    Invalidate();
  }
  ChangedSelection();
}

void TReportListView::SelectRow(int RowNr) {
  {
    TPaintLock lock(this);
    SetAllRowBits(rlRowSelected, false);
    SetRowBit(RowNr, rlRowSelected, true);
    Invalidate();
  }
  ChangedSelection();
}

void TReportListView::SelectAllRows() {
  {
    TPaintLock lock(this);
    SetAllRowBits(rlRowSelected, true);
    Invalidate();
  }
  ChangedSelection();
}

void TReportListView::DeselectAllRows() {
  {
    TPaintLock lock(this);
    SetAllRowBits(rlRowSelected, false);
    Invalidate();
  }
  ChangedSelection();
}

void TReportListView::SelectColumn(int ColNr) {
  {
    TPaintLock lock(this);
    SetAllColBits(rlColSelected, false);
    SetColumnSelected(ColNr, true);
    Invalidate();
  }
  ChangedSelection();
}

void TReportListView::SelectAllColumns() {
  {
    TPaintLock lock(this);
    SetAllColBits(rlColSelected, true);
    Invalidate();
  }
  ChangedSelection();
}

void TReportListView::DeselectAllColumns() {
  {
    TPaintLock lock(this);
    SetAllColBits(rlColSelected, false);
    Invalidate();
  }
  ChangedSelection();
}

void TReportListView::EnableAllRows() {
  {
    TPaintLock lock(this);
    SetAllRowBits(rlRowDisabled, false);
    Invalidate();
  }
  ChangedSelection();
}

void TReportListView::DisableAllRows() {
  {
    TPaintLock lock(this);
    SetAllRowBits(rlRowDisabled, true);
    Invalidate();
  }
  ChangedSelection();
}

void TReportListView::SetSelectedRows(const QList<int>& SelList) {
  {
    TPaintLock lock(this);
    SetAllRowBits(rlRowSelected, false);
    for (int r : SelList) {
      SetRowBit(r, rlRowSelected, true);
      if (const int g = GridRowOfDataRow(r); g >= 0) MoveColRow(Col(), g, true, false);
    }
    Invalidate();
  }
  ChangedSelection();
}

QList<int> TReportListView::GetSelectedRows() const {
  QList<int> rows;
  for (int r = 1; r <= NrOfRows(); ++r)
    if (Store()->GetRowAttrib(r) & rlRowSelected) rows.append(r);
  return rows;
}

void TReportListView::CenterScrollAndSelect(int Row) {
  SelectRow(Row);
  // Counted in shown rows: i is the place of Row among them (1-based).
  const int v = VisibleRowCount(), n = ShownRowCount();
  const int i = ShownIndexFrom(Row) + 1;
  const int top = std::max(1, i > n - v / 2 ? n - v + 1 : i - v / 2);
  SetGridTopRow(top + CountHeadRows() - 1);
  SelectGridRowOf(Row);
}

void TReportListView::SelectGridRowOf(int Row) {
  const int g = GridRowOfDataRow(Row);
  if (g >= 0) SetSelection(TGridRect(FixedCols(), g, FixedCols(), g));
}

bool TReportListView::RowSelected(int r) const { return ValidRow(r) && (Store()->GetRowAttrib(r) & rlRowSelected); }

void TReportListView::SetRowSelected(int r, bool Value) {
  if (!ValidRow(r)) return;
  SetRowBit(r, rlRowSelected, Value);
  ChangedSelection();
  Invalidate();
}

bool TReportListView::RowEnabled(int r) const { return ValidRow(r) && !(Store()->GetRowAttrib(r) & rlRowDisabled); }

void TReportListView::SetRowEnabled(int r, bool Value) {
  if (!ValidRow(r)) return;
  SetRowBit(r, rlRowDisabled, !Value);
  ChangedSelection();
  Invalidate();
}

bool TReportListView::ColumnSelected(int c) const { return ValidCol(c) && (Store()->GetColAttrib(c) & rlColSelected); }

void TReportListView::SetColumnSelected(int c, bool Value) {
  if (!ValidCol(c)) return;
  const std::uint8_t a = Store()->GetColAttrib(c);
  Store()->SetColAttrib(c, Value ? std::uint8_t(a | rlColSelected) : std::uint8_t(a & ~rlColSelected));
  ChangedSelection();
  Invalidate();
}

int TReportListView::FirstSelectedRow() const {
  for (int r = 1; r <= NrOfRows(); ++r)
    if (RowSelected(r)) return RowEnabled(r) ? r : 0;
  return 0;
}

int TReportListView::FirstSelectedColumn() const {
  for (int c = 1; c <= NrOfColumns(); ++c)
    if (ColumnSelected(c)) return c;
  return 0;
}

int TReportListView::NumSelectedRows() const {
  int n = 0;
  for (int r = 1; r <= NrOfRows(); ++r) n += RowSelected(r);
  return n;
}

int TReportListView::NumSelectedColumns() const {
  int n = 0;
  for (int c = 1; c <= NrOfColumns(); ++c) n += ColumnSelected(c);
  return n;
}

int TReportListView::NumEnabledRows() const {
  int n = 0;
  for (int r = 1; r <= NrOfRows(); ++r) n += RowEnabled(r);
  return n;
}

int TReportListView::SelectedDataRow() const { return DataRowOfGridRow(Selection().Top); }

TGridCoord TReportListView::MouseCell(int X, int Y) const {
  const TGridCoord cell = MouseCoord(X, Y);
  TGridCoord result;
  if (cell.X >= 0 && cell.X < ColCount()) result.X = cell.X + 1;
  if (cell.Y >= 0 && cell.Y < RowCount()) {
    if (cell.Y == ColumnHeaderGridRow())
      result.Y = -1;
    else if (FCommonHeaderVisible && cell.Y == 0)
      result.Y = -2;
    else
      result.Y = DataRowOfGridRow(cell.Y);
  }
  return result;
}

// ---------------------------------------------------------------- check marks

void TReportListView::SetAllCheckmarksOfCol(int Column, bool Checked, bool AffectEnabledRowsOnly) {
  if (Checked && FRLData->GetColCheckMode(Column) != cmBox) return;
  TPaintLock lock(this);
  FRLData->SetAllCheckmarksOfCol(Column, Checked, AffectEnabledRowsOnly);
}

void TReportListView::InvertAllCheckmarksOfCol(int Column, bool AffectEnabledRowsOnly) {
  if (FRLData->GetColCheckMode(Column) != cmBox) return;
  TPaintLock lock(this);
  FRLData->InvertAllCheckmarksOfCol(Column, AffectEnabledRowsOnly);
}

int TReportListView::CountCheckedElemsInCol(int Column) const {
  if (FRLData->GetColCheckMode(Column) == cmNone) return 0;
  int n = 0;
  for (int r = 1; r <= NrOfRows(); ++r) n += RowEnabled(r) && FRLData->GetElemChecked(Column, r);
  return n;
}

void TReportListView::CheckClick(int D, int Row) {
  bool state = !FRLData->GetElemChecked(D, Row);
  if (OnBeforeCheckedChange) OnBeforeCheckedChange(this, state, D, Row);
  if (FRLData->GetColCheckMode(D) == cmRadio)
    FRLData->SetElemChecked(D, Row, true);
  else
    FRLData->SetElemChecked(D, Row, state);
  bool s = !state;
  if (OnCheckedChange) OnCheckedChange(this, s, D, Row);
}

// ---------------------------------------------------------------------- mouse

void TReportListView::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  // A press without a move before it (touch, synthetic input) still aims the double click.
  FLastMousePosX = X;
  FLastMousePosY = Y;
  TCustomDrawGrid::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || X <= 0 || Y <= 0 || X >= GridWidth() || Y >= GridHeight()) return;
  const TGridCoord cell = MouseCoord(X, Y);
  if (cell.X < 0 || cell.X >= ColCount() || cell.Y < 0 || cell.Y >= RowCount()) return;
  if (cell.Y == ColumnHeaderGridRow()) {
    HeaderClick(cell.X, X);
    return;
  }
  if (cell.Y < FixedRows()) return;
  const int D = DataColOfGridCol(cell.X);
  const int row = DataRowOfGridRow(cell.Y);
  TPaintLock lock(this);
  TGridOptions options = Options();
  if (ColumnEditable(D) && RowEnabled(row))
    options.Include(goEditing);
  else
    options.Exclude(goEditing);
  SetOptions(options);
  if (FRLData->GetColCheckMode(D) != cmNone && OnCheckBox(X, CellRect(cell.X, cell.Y).Left) && !FROCheckMarks &&
      RowEnabled(row) && (Store()->GetString(D, row).size() > 1 || FShowEmptyCBx))
    CheckClick(D, row);
  SelectByClick(Shift);
  Invalidate();
}

void TReportListView::SelectByClick(TShiftState Shift) {
  const int r = SelectedDataRow();
  if (r == 0) return;
  if (FRowSelectMode == 1) {
    SetAllRowBits(rlRowSelected, false);
    SetRowBit(r, rlRowSelected, true);
    ChangedSelection();
  } else if (FRowSelectMode == 2) {
    if (Shift.Contains(ssShift)) {
      const bool state = RowSelected(FSelectAnchor);
      for (int i = std::min(FSelectAnchor, r); i <= std::max(FSelectAnchor, r); ++i)
        if (!Filtered() || GridRowOfDataRow(i) >= 0) SetRowBit(i, rlRowSelected, state);
    } else {
      FSelectAnchor = r;
      if (Shift.Contains(ssCtrl) || !FCtrlForMultiSel) {
        SetRowBit(r, rlRowSelected, !RowSelected(r));
      } else {
        SetAllRowBits(rlRowSelected, false);
        SetRowBit(r, rlRowSelected, true);
      }
    }
    ChangedSelection();
  }
}

void TReportListView::HeaderClick(int ACol, int X) {
  const TRect cell = CellRect(ACol, ColumnHeaderGridRow());
  if (!FSortEnabled || X - cell.Left <= 4 || cell.Right - X <= 4) return;
  const int D = DataColOfGridCol(ACol);
  const bool toggle = !FRLData->SortToggle();
  FRLData->SetSortToggle(toggle);
  SortEnabledState(D, LastSortColumnSec(), toggle);
}

void TReportListView::MouseMove(TShiftState Shift, int X, int Y) {
  FLastMousePosX = X;
  FLastMousePosY = Y;
  TCustomDrawGrid::MouseMove(Shift, X, Y);
}

void TReportListView::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomDrawGrid::MouseUp(Button, Shift, X, Y);
  if (FRowSelectMode != 2) return;
  if (X >= GridWidth() || (Button == mbLeft && Y >= GridHeight())) {
    {
      TPaintLock lock(this);
      SetAllRowBits(rlRowSelected, false);
      Invalidate();
    }
    ChangedSelection();
  }
}

void TReportListView::DblClick() {
  const int X = FLastMousePosX, Y = FLastMousePosY;
  const TGridCoord cell = MouseCoord(X, Y);
  if (Y < GridHeight() && FColumnHeadersVisible && cell.Y == ColumnHeaderGridRow() && cell.X >= 0) {
    const TRect r = CellRect(cell.X, cell.Y);
    if (X - r.Left < 5 || r.Right - X <= 4) {
      int c = X >= (r.Left + r.Right) / 2 ? cell.X + 1 : cell.X;
      while (c > 1 && GridColWidths(c - 1) < 1) --c;
      if (c >= 1 && c <= int(FColOrder.size())) AutoColWidth(FColOrder[std::size_t(c - 1)] + 1, true, 0);
    }
    return;
  }
  TCustomDrawGrid::DblClick();
}

// ---------------------------------------------------------------- keys, wheel

void TReportListView::KeyDown(std::uint16_t& Key, TShiftState Shift) {
  TCustomDrawGrid::KeyDown(Key, Shift);
  if (Key < VK_PRIOR || Key > VK_DOWN) return;
  {
    TPaintLock lock(this);
    SetAllRowBits(rlRowSelected, false);
    SetRowBit(SelectedDataRow(), rlRowSelected, true);
    Invalidate();
  }
  CursorKeyAction(Key);
  ChangedSelection();
}

void TReportListView::KeyPress(QChar& Key) {
  TCustomDrawGrid::KeyPress(Key);
  if (FAutoAdvance && (Key == QChar(0) || Key == QChar(13))) {
    std::uint16_t down = VK_DOWN;
    KeyDown(down, {});
  }
}

bool TReportListView::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheelDown) OnMouseWheelDown(this, Shift, MousePos, handled);
  return handled;
}

bool TReportListView::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheelUp) OnMouseWheelUp(this, Shift, MousePos, handled);
  return handled;
}

// --------------------------------------------------------------------- editor

bool TReportListView::SelectCell(int ACol, int ARow) {
  TGridOptions options = Options();
  if (ARow >= FixedRows() && ColumnEditable(DataColOfGridCol(ACol)))
    options.Include(goEditing);
  else
    options.Exclude(goEditing);
  if (!(options == Options())) SetOptions(options);
  return TCustomDrawGrid::SelectCell(ACol, ARow);
}

QString TReportListView::GetEditText(int ACol, int ARow) {
  const int D = DataColOfGridCol(ACol);
  const int row = DataRowOfGridRow(ARow);
  QString value = FRLData->GetElem(D, row);  // without the check character
  if (OnGetEditText) OnGetEditText(this, ACol, row, value);
  return value;
}

void TReportListView::SetEditText(int ACol, int ARow, const QString& Value) {
  const int D = DataColOfGridCol(ACol);
  const int row = DataRowOfGridRow(ARow);
  if (D != 0 && row != 0) {
    if (FRLData->GetColCheckMode(D) != cmNone) {
      const QString stored = Store()->GetString(D, row);
      const QChar mark = stored.isEmpty() || stored.at(0) == u' ' ? u' ' : u'X';
      Store()->SetString(D, row, mark + Value);
    } else {
      Store()->SetString(D, row, Value);
    }
  }
  if (OnSetEditText) OnSetEditText(this, ACol, row, Value);
}

}  // namespace orv
