// TNTabEd: sorting, reordering by names and attributes, finding names.
#include "OrvTNTabEd.h"

#include <algorithm>
#include <numeric>

namespace orv {

void TNTabEd::SortCols(int SortRowIx, bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow,
                       bool IncludeHeaders) {
  HideEditor();
  FSortIncludeHd = IncludeHeaders;
  FInternSuppPaint = true;
  Data->SortCols(SortRowIx, Ascending, LowCol, LowRow, HighCol, HighRow, IncludeHeaders);
  FInternSuppPaint = false;
  FSortIncludeHd = false;
  Invalidate();
  ChangedData();
  if (IncludeHeaders) ChangedHeading();
}

void TNTabEd::SortRows(int SortColIx, bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow,
                       bool IncludeHeaders) {
  HideEditor();
  FInternSuppPaint = true;
  Data->SortRows(SortColIx, Ascending, LowCol, LowRow, HighCol, HighRow, IncludeHeaders);
  FInternSuppPaint = false;
  Invalidate();
  ChangedData();
  if (IncludeHeaders) ChangedHeading();
}

// Sorts the columns (rows) of the block stably by Less on their numbers and
// moves them into that order.
void TNTabEd::SortLines(bool Columns, bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow,
                        const std::function<bool(int, int)>& Less) {
  LowCol = std::max(1, LowCol);
  LowRow = std::max(1, LowRow);
  HighCol = std::min(NrOfColumns(), HighCol);
  HighRow = std::min(NrOfRows(), HighRow);
  if (LowCol > HighCol || LowRow > HighRow) return;
  const int from = Columns ? LowCol : LowRow, to = Columns ? HighCol : HighRow;
  std::vector<int> order(std::size_t(to - from + 1));
  std::iota(order.begin(), order.end(), from);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return Ascending ? Less(a, b) : Less(b, a); });
  HideEditor();
  FInternSuppPaint = true;
  if (Columns) PermuteColumns(order, LowRow, HighRow);
  else PermuteRows(order, LowCol, HighCol);
  FInternSuppPaint = false;
  Invalidate();
  ChangedData();
  ChangedHeading();
  ChangedAttrib();
}

// Column order[k] moves to column order.front() + k: its cells in rows
// LowRow..HighRow, name, attribute, scale setup and precision.
void TNTabEd::PermuteColumns(const std::vector<int>& Order, int LowRow, int HighRow) {
  struct Column {
    std::vector<double> Elems;
    std::vector<std::uint8_t> States;
    QString Name;
    std::uint8_t Attrib;
    int ScaleType;
    QStringList Codes;
    std::int8_t Precision;
  };
  std::vector<Column> cols;
  cols.reserve(Order.size());
  for (int c : Order) {
    Column col{{}, {}, ColName(c), ColAttrib(c), Data->GetMScaleType(c), {}, Precision(c)};
    for (int r = LowRow; r <= HighRow; ++r) {
      col.Elems.push_back(Elem(c, r));
      col.States.push_back(CellState(c, r));
    }
    for (int k = 1; k <= MaxNominalCode; ++k) col.Codes.append(Data->GetNominalID(c, k));
    cols.push_back(std::move(col));
  }
  const int first = *std::min_element(Order.begin(), Order.end());
  for (std::size_t k = 0; k < cols.size(); ++k) {
    const int c = first + int(k);
    const Column& col = cols[k];
    for (int r = LowRow; r <= HighRow; ++r) {
      Data->Elements().SetVal(c, r, col.Elems[std::size_t(r - LowRow)]);
      Data->SetCellState(c, r, col.States[std::size_t(r - LowRow)]);
    }
    Data->SetColName(c, col.Name);
    Data->SetColAttrib(c, col.Attrib);
    Data->SetMScaleType(c, col.ScaleType);
    for (int code = 1; code <= MaxNominalCode; ++code) Data->SetNominalID(c, code, col.Codes[code - 1]);
    if (c <= int(FDecP.size())) FDecP[std::size_t(c - 1)] = col.Precision;
  }
}

// Row order[k] moves to row order.front() + k: its cells in columns
// LowCol..HighCol, name and attribute.
void TNTabEd::PermuteRows(const std::vector<int>& Order, int LowCol, int HighCol) {
  struct Row {
    std::vector<double> Elems;
    std::vector<std::uint8_t> States;
    QString Name;
    std::uint8_t Attrib;
  };
  std::vector<Row> rows;
  rows.reserve(Order.size());
  for (int r : Order) {
    Row row{{}, {}, RowName(r), RowAttrib(r)};
    for (int c = LowCol; c <= HighCol; ++c) {
      row.Elems.push_back(Elem(c, r));
      row.States.push_back(CellState(c, r));
    }
    rows.push_back(std::move(row));
  }
  const int first = *std::min_element(Order.begin(), Order.end());
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const int r = first + int(k);
    const Row& row = rows[k];
    for (int c = LowCol; c <= HighCol; ++c) {
      Data->Elements().SetVal(c, r, row.Elems[std::size_t(c - LowCol)]);
      Data->SetCellState(c, r, row.States[std::size_t(c - LowCol)]);
    }
    Data->SetRowName(r, row.Name);
    Data->SetRowAttrib(r, row.Attrib);
  }
}

void TNTabEd::SortColAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow) {
  SortLines(true, Ascending, LowCol, LowRow, HighCol, HighRow, [this](int a, int b) { return ColAttrib(a) < ColAttrib(b); });
}

void TNTabEd::SortRowAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow) {
  SortLines(false, Ascending, LowCol, LowRow, HighCol, HighRow, [this](int a, int b) { return RowAttrib(a) < RowAttrib(b); });
}

void TNTabEd::SortColNames(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow) {
  SortColNames(Ascending, false, LowCol, LowRow, HighCol, HighRow);
}

void TNTabEd::SortColNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol, int HighRow) {
  const Qt::CaseSensitivity cs = IgnoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
  SortLines(true, Ascending, LowCol, LowRow, HighCol, HighRow,
            [this, cs](int a, int b) { return ColName(a).compare(ColName(b), cs) < 0; });
}

void TNTabEd::SortRowNames(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow) {
  SortRowNames(Ascending, false, LowCol, LowRow, HighCol, HighRow);
}

void TNTabEd::SortRowNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol, int HighRow) {
  const Qt::CaseSensitivity cs = IgnoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
  SortLines(false, Ascending, LowCol, LowRow, HighCol, HighRow,
            [this, cs](int a, int b) { return RowName(a).compare(RowName(b), cs) < 0; });
}

int TNTabEd::FindColIndex(const TDTNameStr& ColID) const {
  for (int c = 1; c <= NrOfColumns(); ++c)
    if (ColName(c) == ColID) return c;
  return 0;
}

int TNTabEd::FindRowIndex(const TDTNameStr& RowID) const {
  for (int r = 1; r <= NrOfRows(); ++r)
    if (RowName(r) == RowID) return r;
  return 0;
}

}  // namespace orv
