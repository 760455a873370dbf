// TCustomGrid: mouse, keyboard and wheel.
#include "OrvTCustomGrid.h"

#include "OrvKeyCodes.h"
#include "OrvServices.h"
#include "OrvTInplaceEdit.h"

#include <QApplication>

namespace orv {

// ---------------------------------------------------------------------- mouse

namespace {

// The cell a drag selection reaches at Pos (relative to the cell area): over
// the fixed cells or before them the one before the first in view, past the
// view the one after the last, so that dragging out of the view scrolls it.
int DragTarget(const TGridAxis& Axis, int Pos, int Extent) {
  if (Pos < Axis.FixedExtent()) return Axis.First() - 1;
  if (Pos >= Extent) return Axis.LastShown(Extent) + 1;
  return std::min(Axis.IndexAtPosition(Pos), Axis.Count() - 1);
}

}  // namespace

void TCustomGrid::SelectByMouse(int X, int Y, bool Extend) {
  const TRect area = CellArea();
  MoveColRow(DragTarget(FCols, X - area.Left, area.Width()), DragTarget(FRows, Y - area.Top, area.Height()), !Extend, true);
}

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) {
    if (int c = SizingColAt(X, Y); c >= 0) {
      FGridState = gsColSizing;
      FSizingIndex = c;
      FSizingStart = CellArea().Left + int(FCols.Position(c));
    } else if (int r = SizingRowAt(X, Y); r >= 0) {
      FGridState = gsRowSizing;
      FSizingIndex = r;
      FSizingStart = CellArea().Top + int(FRows.Position(r));
    } else {
      const TGridCoord cell = MouseCoord(X, Y);
      if (cell.X >= FixedCols() && cell.Y >= FixedRows()) {
        const bool extend = Shift.Contains(ssShift) && FOptions.Contains(goRangeSelect);
        if (cell == FCurrent && !extend && FOptions.Contains(goEditing) && !FEditorMode) {
          ShowEditor();
        } else {
          MoveColRow(cell.X, cell.Y, !extend, true);
          FGridState = gsSelecting;
        }
      }
    }
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::MouseMove(TShiftState Shift, int X, int Y) {
  // A drag ends with the button, also when the release went elsewhere (or a
  // descendant's MouseUp does not pass it on).
  if (!Shift.Contains(ssLeft)) FGridState = gsNormal;
  switch (FGridState) {
    case gsColSizing:
      SetGridColWidths(FSizingIndex, std::max(0, X - FSizingStart));
      break;
    case gsRowSizing:
      SetRowHeights(FSizingIndex, std::max(0, Y - FSizingStart));
      break;
    case gsSelecting:
      SelectByMouse(X, Y, FOptions.Contains(goRangeSelect));
      break;
    case gsNormal:
      if (SizingColAt(X, Y) >= 0)
        setCursor(CursorShape(crSizeWE));
      else if (SizingRowAt(X, Y) >= 0)
        setCursor(CursorShape(crSizeNS));
      else
        setCursor(CursorShape(Cursor()));
      break;
  }
  TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) FGridState = gsNormal;
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

// ---------------------------------------------------------------------- wheel

bool TCustomGrid::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  if (TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  constexpr int kNotch = 120;
  FWheelRest += WheelDelta;
  bool used = false;
  for (; FWheelRest >= kNotch; FWheelRest -= kNotch) used |= DoMouseWheelUp(Shift, MousePos);
  for (; FWheelRest <= -kNotch; FWheelRest += kNotch) used |= DoMouseWheelDown(Shift, MousePos);
  return used || WheelDelta != 0;
}

bool TCustomGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheelDown) OnMouseWheelDown(this, Shift, MousePos, handled);
  if (handled) return true;
  if (Shift.Contains(ssShift))
    SetGridLeftCol(GridLeftCol() + 1);
  else
    SetGridTopRow(GridTopRow() + QApplication::wheelScrollLines());
  return true;
}

bool TCustomGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheelUp) OnMouseWheelUp(this, Shift, MousePos, handled);
  if (handled) return true;
  if (Shift.Contains(ssShift))
    SetGridLeftCol(GridLeftCol() - 1);
  else
    SetGridTopRow(GridTopRow() - QApplication::wheelScrollLines());
  return true;
}

// ----------------------------------------------------------------------- keys

// Where a navigation key leads: the new current cell and the new top-left of
// the view. False for keys that do not navigate.
bool TCustomGrid::KeyTarget(std::uint16_t Key, TShiftState Shift, TGridCoord& Cell, TGridCoord& TopLeft) const {
  const bool rowSelect = FOptions.Contains(goRowSelect);
  const bool ctrl = Shift.Contains(ssCtrl);
  const int page = std::max(1, VisibleRowCount());
  Cell = FCurrent;
  TopLeft = TGridCoord(GridLeftCol(), GridTopRow());
  switch (Key) {
    case VK_UP: --Cell.Y; break;
    case VK_DOWN: ++Cell.Y; break;
    case VK_LEFT:
      if (rowSelect) --TopLeft.X; else --Cell.X;
      break;
    case VK_RIGHT:
      if (rowSelect) ++TopLeft.X; else ++Cell.X;
      break;
    case VK_PRIOR:
      Cell.Y -= page;
      TopLeft.Y -= page;
      break;
    case VK_NEXT:
      Cell.Y += page;
      TopLeft.Y += page;
      break;
    case VK_HOME:
      if (rowSelect || ctrl) Cell.Y = FixedRows();
      if (rowSelect) TopLeft.X = FixedCols(); else Cell.X = FixedCols();
      break;
    case VK_END:
      if (rowSelect || ctrl) Cell.Y = RowCount() - 1;
      if (rowSelect) TopLeft.X = ColCount() - 1; else Cell.X = ColCount() - 1;
      break;
    case VK_TAB: {
      if (!FOptions.Contains(goTabs) || Shift.Contains(ssAlt) || ctrl) return false;
      const int step = Shift.Contains(ssShift) ? -1 : 1;
      if (rowSelect) {
        Cell.Y += step;
      } else {
        Cell.X += step;
        if (Cell.X >= ColCount() && Cell.Y < RowCount() - 1) {
          Cell.X = FixedCols();
          ++Cell.Y;
        } else if (Cell.X < FixedCols() && Cell.Y > FixedRows()) {
          Cell.X = ColCount() - 1;
          --Cell.Y;
        }
      }
      break;
    }
    default:
      return false;
  }
  return true;
}

void TCustomGrid::KeyDown(std::uint16_t& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (Key == VK_F2) {
    SetEditorMode(true);
    return;
  }
  TGridCoord cell, topLeft;
  if (Key == 0 || !KeyTarget(Key, Shift, cell, topLeft)) return;
  ScrollTo(topLeft.X, topLeft.Y);
  const bool extend = Shift.Contains(ssShift) && FOptions.Contains(goRangeSelect) && Key != VK_TAB;
  MoveColRow(cell.X, cell.Y, !extend, true);
}

void TCustomGrid::KeyPress(QChar& Key) {
  TCustomControl::KeyPress(Key);
  if (Key == QChar(VK_RETURN)) {
    if (FOptions.Contains(goAlwaysShowEditor)) return;
    if (FEditorMode)
      HideEditor();
    else
      ShowEditor();
    Key = QChar();
  } else if (Key == QChar(VK_ESCAPE)) {
    if (FEditorMode) CancelEditor();
  } else if (!FEditorMode && (Key.isPrint() || Key == QChar(VK_BACK)) && CanEditShow()) {
    ShowEditorChar(Key);
    Key = QChar();
  }
}

// The focus comes back to an open editor (after a click on a fixed cell, say).
void TCustomGrid::DoEnter() {
  Invalidate();
  TCustomControl::DoEnter();
  if (FEditorMode)
    FInplaceEdit->SetFocus();
  else if (FOptions.Contains(goAlwaysShowEditor) && !FHidingEditor)
    ShowEditor();
}

void TCustomGrid::DoExit() {
  Invalidate();
  TCustomControl::DoExit();
}

}  // namespace orv
