#pragma once
// TStringArray: a table of short texts with a sortable row view.
//
// Cells sit at columns 0..NrOfColumns() and rows 0..NrOfRows(); there is
// always at least column 1 and row 1, so a resize to 0 keeps one of each.
// A cell holds up to 255 UTF-16 code units; longer text is cut without
// splitting a surrogate pair. Every row and every column carries an
// attribute byte that travels with it. Indexes out of range never fail:
// getters return an empty text, 0 or -1, setters do nothing.
//
// Rows are seen through a view order. Sort() arranges the view without
// moving a cell; GetSortOrder(r) tells which stored row is seen at position
// r, UnSort() returns to the stored order (the order from before the first
// sort), CommitSorting() makes the view the new stored order. Row 0 takes
// no part in sorting. Cell and attribute access, InsertRow and RemoveRow
// use view positions; InsertRow, RemoveRow and a resize that drops rows
// commit the sorted order first. Growing the row count appends the new rows
// at the end of both orders, so an UnSort afterwards still works.
//
// Sort order, per key column:
// - blanks at both ends of a cell are ignored; an empty (or all-blank) cell
//   comes first, then cells that read as numbers, then text;
// - a number is an optional sign, digits with at most one decimal point
//   ("." or ","), and an optional exponent ("1e3"); numbers compare by value;
// - text compares without regard to case and in natural order: a run of
//   digits compares by its value, so "item2" comes before "item10"
//   (leading zeros do not count);
// - a descending key reverses this order;
// - the sort is stable: rows with equal keys keep the order they had in the
//   view before the sort.
// Sorting takes O(n log n) time on an index with keys computed once per row;
// cells are neither copied nor moved.
//
// OnBeforeSortExchange: the new view order is reached by exchanging pairs of
// view positions (at most one exchange less than the row count). When the
// event is assigned it is called before each exchange with the two
// positions; GetString at those positions still shows the rows about to be
// exchanged. Unassigned, the new order is set in one step.
//
// Memory: a cell takes 16 bytes; text of more than 15 UTF-8 bytes takes a
// heap block of its size in addition.

#include "ORV_orvbase.h"
#include "OrvStringCells.h"

#include <QByteArrayView>

#include <cstdint>
#include <vector>

namespace orv {

using TBeforeSortExchgEvent = std::function<void(TObject* Sender, int Row1, int Row2)>;

class TStringArray : public TComponent {
public:
  // Columns 0..NrCols and rows 0..NrRows (each at least 1).
  explicit TStringArray(TComponent* AOwner = nullptr, int NrCols = 1, int NrRows = 1);

  int NrOfColumns() const { return int(FCols.size()) - 1; }
  int NrOfRows() const { return int(FRowAttr.size()) - 1; }

  // Growth step of the row allocation: room for at least this many rows is
  // added when the table grows (more when growing by doubling is larger).
  int AllocRowsBy() const { return FAllocRowsBy; }
  void SetAllocRowsBy(int Value);

  // Columns 0..NrCols, rows 0..NrRows; cells inside both sizes are kept.
  // Raises EORVDStructError when there is not enough memory (the table is
  // then unchanged).
  void Resize(int NrCols, int NrRows);
  // Blanks every cell (attributes and the view order stay).
  void Clear();

  QString GetString(int ACol, int ARow) const;
  void SetString(int ACol, int ARow, const QString& Value);
  // Direct access to the UTF-8 form of a cell, for bulk readers and writers.
  // The view is valid until the cell changes; empty out of range.
  QByteArrayView GetUtf8(int ACol, int ARow) const {
    if (!ValidCell(ACol, ARow)) return QByteArrayView();
    const detail::TCell& cell = FCols[std::size_t(ACol)][Stored(ARow)];
    return QByteArrayView(cell.Data(), cell.Size());
  }
  // Stores valid UTF-8 text (the caller checks it), cut like SetString.
  // A text that fits into a cell by itself takes a short path in line.
  void SetUtf8(int ACol, int ARow, QByteArrayView Value) {
    if (Value.size() > detail::TCell::InlineCapacity) {
      SetLongUtf8(ACol, ARow, Value);
    } else if (ValidCell(ACol, ARow) &&
               FCols[std::size_t(ACol)].AssignShort(Stored(ARow), Value.data(), int(Value.size()))) {
      Changed();
    }
  }
  // Exchanges cells, attributes, view order and allocation step with Other;
  // the events stay with their objects. Both fire OnChange.
  void Swap(TStringArray& Other);
  // Replaces the content with columns a reader built (column 0 first, cells
  // by row, rows 0..NrRows kept, missing ones blank): blank attributes, the
  // stored order. Raises EORVDStructError when there is not enough memory
  // (the table is then unchanged). Fires OnChange.
  void TakeColumns(std::vector<detail::TCellColumn>&& Columns, int NrRows);

  // Inserts a blank row before ARow (1..NrOfRows + 1; NrOfRows + 1 appends).
  void InsertRow(int ARow);
  // Removes row ARow (1..NrOfRows); the only row left is blanked instead.
  void RemoveRow(int ARow);
  // Inserts a blank column before ACol (1..NrOfColumns + 1).
  void InsertColumn(int ACol);
  // Removes column ACol (1..NrOfColumns); the only column left is blanked instead.
  void RemoveColumn(int ACol);

  std::uint8_t GetRowAttrib(int ARow) const;
  void SetRowAttrib(int ARow, std::uint8_t Value);
  std::uint8_t GetColAttrib(int ACol) const;
  void SetColAttrib(int ACol, std::uint8_t Value);

  // Sorts rows 1..NrOfRows by PrimCol and then by SecCol (ignored when out
  // of range or equal to PrimCol); see the order above. A PrimCol out of
  // range does nothing.
  void Sort(int PrimCol, int SecCol, bool AscendPrim, bool AscendSec = true);
  void UnSort();
  void CommitSorting();
  bool IsSorted() const { return !FView.empty(); }
  // The stored row seen at view position ARow (-1 out of range).
  int GetSortOrder(int ARow) const;
  // Shows stored row StoredRow at view position ARow (both in 0..NrOfRows).
  void SetSortOrder(int ARow, int StoredRow);

  // Fires after every change of a cell, of the size or of the view order.
  TNotifyEvent OnChange;
  TBeforeSortExchgEvent OnBeforeSortExchange;
  // Progress of Sort.
  TOnPercentDoneEvent OnPercentDone;

private:
  int Stored(int ARow) const { return FView.empty() ? ARow : int(FView[std::size_t(ARow)]); }
  bool ValidCell(int ACol, int ARow) const { return ValidCol(ACol) && ValidRow(ARow); }
  bool ValidCol(int ACol) const { return ACol >= 0 && ACol <= NrOfColumns(); }
  bool ValidRow(int ARow) const { return ARow >= 0 && ARow <= NrOfRows(); }
  // Makes room for rows 0..Rows in every row vector; raises EORVDStructError.
  void ReserveRows(int Rows);
  // Makes the view a permutation again after SetSortOrder left a row twice.
  void NormalizeView();
  void ApplyOrder(std::vector<std::uint32_t>& Order);
  void Progress(int Percent);
  void Changed() {
    if (OnChange) OnChange(this);
  }
  void SetLongUtf8(int ACol, int ARow, QByteArrayView Value);
  void StoreCell(int ACol, int ARow, const char* Text, int Size);

  std::vector<detail::TCellColumn> FCols;
  std::vector<std::uint8_t> FColAttr;
  std::vector<std::uint8_t> FRowAttr;  // by stored row
  std::vector<std::uint32_t> FView;    // view position -> stored row; empty = stored order
  bool FViewChecked = true;            // false after SetSortOrder until NormalizeView
  int FAllocRowsBy = 1;
};

}  // namespace orv
