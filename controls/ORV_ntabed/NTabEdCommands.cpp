// TNTabEd: the commands of the popup menus (marks, clear, empty states,
// selections, precision, inserting and deleting).
#include "OrvTNTabEd.h"

#include <QScopeGuard>

#include <algorithm>
#include <utility>

namespace orv {

void TNTabEd::Bulk(bool Detach, const std::function<void()>& Change) {
  FInternSuppPaint = true;
  TNotifyEvent hook;
  if (Detach) hook = std::exchange(Data->DataChangedHook, nullptr);
  // Also when a handler called by Change throws: the editor must not stay
  // silent and unpainted, nor the table unhooked.
  const auto restore = qScopeGuard([&] {
    if (Detach) Data->DataChangedHook = hook;
    FInternSuppPaint = false;
    Invalidate();
  });
  Change();
}

// The selection in data numbers, limited to the table.
TGridRect TNTabEd::ClampedDataSelection() const {
  const TGridRect s = DataSelection();
  return TGridRect(std::max(1, s.Left), std::max(1, s.Top), std::min(NrOfColumns(), s.Right),
                   std::min(NrOfRows(), s.Bottom));
}

void TNTabEd::SelectDataRect(int L, int T, int R, int B) {
  SetSelection(TGridRect(L + FColOffset, T + FRowOffset, R + FColOffset, B + FRowOffset));
  ChangedSelection();
}

// ---------------------------------------------------------------------- marks

void TNTabEd::Mark(TMarkScope Scope, std::uint8_t Bit, bool Set) {
  TGridRect r = ClampedDataSelection();
  if (Scope == msColumn || Scope == msAll) {
    r.Top = 1;
    r.Bottom = NrOfRows();
  }
  if (Scope == msRow || Scope == msAll) {
    r.Left = 1;
    r.Right = NrOfColumns();
  }
  Bulk(false, [&] {
    for (int c = r.Left; c <= r.Right; ++c)
      for (int j = r.Top; j <= r.Bottom; ++j) {
        const std::uint8_t s = CellState(c, j);
        Data->SetCellState(c, j, Set ? s | Bit : s & ~Bit);
      }
  });
  ChangedCellStates();
}

void TNTabEd::PopupMenuClickMarkARange(TObject*) { Mark(msRange, dtsMarkA, true); }
void TNTabEd::PopupMenuClickMarkAColumn(TObject*) { Mark(msColumn, dtsMarkA, true); }
void TNTabEd::PopupMenuClickMarkARow(TObject*) { Mark(msRow, dtsMarkA, true); }
void TNTabEd::PopupMenuClickMarkAAll(TObject*) { Mark(msAll, dtsMarkA, true); }
void TNTabEd::PopupMenuClickMarkBRange(TObject*) { Mark(msRange, dtsMarkB, true); }
void TNTabEd::PopupMenuClickMarkBColumn(TObject*) { Mark(msColumn, dtsMarkB, true); }
void TNTabEd::PopupMenuClickMarkBRow(TObject*) { Mark(msRow, dtsMarkB, true); }
void TNTabEd::PopupMenuClickMarkBAll(TObject*) { Mark(msAll, dtsMarkB, true); }
void TNTabEd::PopupMenuClickUnMarkARange(TObject*) { Mark(msRange, dtsMarkA, false); }
void TNTabEd::PopupMenuClickUnMarkAColumn(TObject*) { Mark(msColumn, dtsMarkA, false); }
void TNTabEd::PopupMenuClickUnMarkARow(TObject*) { Mark(msRow, dtsMarkA, false); }
void TNTabEd::PopupMenuClickUnMarkAAll(TObject*) { Mark(msAll, dtsMarkA, false); }
void TNTabEd::PopupMenuClickUnMarkBRange(TObject*) { Mark(msRange, dtsMarkB, false); }
void TNTabEd::PopupMenuClickUnMarkBColumn(TObject*) { Mark(msColumn, dtsMarkB, false); }
void TNTabEd::PopupMenuClickUnMarkBRow(TObject*) { Mark(msRow, dtsMarkB, false); }
void TNTabEd::PopupMenuClickUnMarkBAll(TObject*) { Mark(msAll, dtsMarkB, false); }

void TNTabEd::PopupMenuClickUnMarkAll(TObject*) {
  Bulk(false, [&] { Data->UnmarkAllCells(); });
  ChangedCellStates();
}

// --------------------------------------------------------- clear, empty states

void TNTabEd::PopupMenuClickClear(TObject* Sender) {
  const TGridRect r = ClampedDataSelection();
  Bulk(true, [&] {
    if (OnClear) {
      OnClear(Sender);
      return;
    }
    for (int c = r.Left; c <= r.Right; ++c)
      for (int j = r.Top; j <= r.Bottom; ++j) {
        Data->SetElem(c, j, 0);
        Data->SetCellState(c, j, 0);
      }
  });
  ChangedData();
  ChangedCellStates();
}

void TNTabEd::PopupMenuClickEmptyCells(TObject*) {
  const TGridRect r = ClampedDataSelection();
  Bulk(true, [&] {
    for (int c = r.Left; c <= r.Right; ++c)
      for (int j = r.Top; j <= r.Bottom; ++j) Data->SetCellState(c, j, CellState(c, j) ^ dtsEmpty);
  });
  ChangedEmptyStates();
}

void TNTabEd::PopupMenuClickResetEmptyStates(TObject*) {
  Bulk(false, [&] {
    for (int c = 1; c <= NrOfColumns(); ++c)
      for (int j = 1; j <= NrOfRows(); ++j) Data->SetCellState(c, j, CellState(c, j) & ~dtsEmpty);
  });
  ChangedEmptyStates();
}

// ----------------------------------------------------------------- selections

void TNTabEd::PopupMenuClickSelAll(TObject*) { SelectDataRect(1, 1, NrOfColumns(), NrOfRows()); }

void TNTabEd::PopupMenuClickSelectCol(TObject*) {
  const int c = FClicked.X - FColOffset;
  if (c >= 1 && c <= NrOfColumns()) SelectDataRect(c, 1, c, NrOfRows());
}

void TNTabEd::PopupMenuClickSelectRow(TObject*) {
  const int r = FClicked.Y - FRowOffset;
  if (r >= 1 && r <= NrOfRows()) SelectDataRect(1, r, NrOfColumns(), r);
}

void TNTabEd::PopupMenuClickEdit(TObject*) {
  SetDataReadOnly(!FReadOnly);
  ChangedSetup();
}

// ----------------------------------------------------------------- headings

void TNTabEd::PopupMenuClickChangeID(TObject*) { OpenHeadingEditor(); }

void TNTabEd::PopupMenuClickPrecision(TObject*) {
  const int c = FClicked.X - FColOffset;
  if (c < 1 || c > NrOfColumns()) return;
  const int p = Precision(c);
  SetPrecision(c, p == -1 ? 10 : p - 1);
  Repaint();
  OutlineClickedCell();
  PopupHeadingMenuAtClicked();
  Invalidate();
}

void TNTabEd::PopupMenuClickInsertCol(TObject*) {
  const int c = FClicked.X - FColOffset;
  if (c < 1 || c > NrOfColumns()) return;
  Bulk(true, [&] {
    InsertColumn(c);
    Data->SetColName(c, QStringLiteral("(...)"));
  });
  ChangedHeading();
}

void TNTabEd::PopupMenuClickInsertRow(TObject*) {
  const int r = FClicked.Y - FRowOffset;
  if (r < 1 || r > NrOfRows()) return;
  Bulk(true, [&] {
    InsertRow(r);
    Data->SetRowName(r, QStringLiteral("(...)"));
  });
  ChangedHeading();
}

void TNTabEd::PopupMenuClickDeleteCol(TObject*) {
  RemoveColumn(FClicked.X - FColOffset);
  ChangedSetup();
}

void TNTabEd::PopupMenuClickDeleteRow(TObject*) {
  RemoveRow(FClicked.Y - FRowOffset);
  ChangedSetup();
}

}  // namespace orv
