#include "OrvTStringArray.h"

#include "ORV_dstruct.h"
#include "OrvStringSortKey.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace orv {

using detail::TCell;
using detail::TCellColumn;

namespace {

[[noreturn]] void OutOfMemory() {
  throw EORVDStructError(QStringLiteral("TStringArray: not enough memory"));
}

}  // namespace

TStringArray::TStringArray(TComponent* AOwner, int NrCols, int NrRows) : TComponent(AOwner) {
  Resize(NrCols, NrRows);
}

void TStringArray::SetAllocRowsBy(int Value) { FAllocRowsBy = std::max(1, Value); }

void TStringArray::ReserveRows(int Rows) {
  const std::size_t need = std::size_t(Rows) + 1;
  // Room for at least AllocRowsBy more rows, and doubling, which keeps
  // row-by-row growth linear whatever the step.
  const auto grown = [&](std::size_t capacity) {
    const std::size_t step = std::size_t(FAllocRowsBy);
    return std::max((need + step - 1) / step * step, 2 * capacity);
  };
  try {
    if (need > FRowAttr.capacity()) FRowAttr.reserve(grown(FRowAttr.capacity()));
    if (!FView.empty() && need > FView.capacity()) FView.reserve(grown(FView.capacity()));
    for (TCellColumn& c : FCols)
      if (need > c.Capacity()) c.Reserve(grown(c.Capacity()));
  } catch (const std::bad_alloc&) {
    OutOfMemory();
  } catch (const std::length_error&) {
    OutOfMemory();
  }
}

void TStringArray::Resize(int NrCols, int NrRows) {
  NrCols = std::max(1, NrCols);
  NrRows = std::max(1, NrRows);
  if (NrCols == NrOfColumns() && NrRows == NrOfRows()) return;
  // A table larger than the address space can never fit: refuse it up front.
  if (double(NrCols + 1) * double(NrRows + 1) * sizeof(TCell) > double(PTRDIFF_MAX)) OutOfMemory();
  if (NrRows < NrOfRows()) CommitSorting();
  ReserveRows(NrRows);
  std::vector<TCellColumn> added;
  try {
    FColAttr.reserve(std::size_t(NrCols) + 1);
    for (int c = int(FCols.size()); c <= NrCols; ++c) {
      added.emplace_back();
      added.back().Reserve(FRowAttr.capacity());
    }
    FCols.reserve(std::size_t(NrCols) + 1);
  } catch (const std::bad_alloc&) {
    OutOfMemory();
  } catch (const std::length_error&) {
    OutOfMemory();
  }
  // Nothing below allocates.
  FCols.resize(std::min(FCols.size(), std::size_t(NrCols) + 1));
  for (TCellColumn& c : added) FCols.push_back(std::move(c));
  FColAttr.resize(std::size_t(NrCols) + 1);
  const int oldRows = NrOfRows();
  FRowAttr.resize(std::size_t(NrRows) + 1);
  for (TCellColumn& c : FCols) c.Resize(NrRows + 1);
  if (!FView.empty())
    for (int r = oldRows + 1; r <= NrRows; ++r) FView.push_back(std::uint32_t(r));
  Changed();
}

void TStringArray::Clear() {
  for (TCellColumn& c : FCols) c.ClearCells();
  Changed();
}

QString TStringArray::GetString(int ACol, int ARow) const {
  if (!ValidCell(ACol, ARow)) return QString();
  const TCell& cell = FCols[std::size_t(ACol)][Stored(ARow)];
  // Our own decoder: QString::fromUtf8 would drop a leading U+FEFF as a byte order mark.
  QString text(cell.Size(), Qt::Uninitialized);
  text.resize(detail::DecodeCell(cell.Data(), cell.Size(), reinterpret_cast<char16_t*>(text.data())));
  return text;
}

void TStringArray::SetString(int ACol, int ARow, const QString& Value) {
  if (!ValidCell(ACol, ARow)) return;
  char buf[detail::MaxCellBytes];
  const int n = detail::EncodeCell(Value, buf);
  StoreCell(ACol, ARow, buf, n);
}

void TStringArray::SetLongUtf8(int ACol, int ARow, QByteArrayView Value) {
  if (!ValidCell(ACol, ARow)) return;
  StoreCell(ACol, ARow, Value.data(), int(detail::CellBytes(Value.data(), Value.size())));
}

void TStringArray::TakeColumns(std::vector<TCellColumn>&& Columns, int NrRows) {
  NrRows = std::max(1, NrRows);
  std::vector<std::uint8_t> colAttr, rowAttr;
  try {
    colAttr.assign(std::max<std::size_t>(Columns.size(), 2), 0);
    rowAttr.resize(std::size_t(NrRows) + 1);
    if (Columns.size() < 2) Columns.resize(2);
    for (TCellColumn& c : Columns) c.Reserve(std::size_t(NrRows) + 1);
  } catch (const std::bad_alloc&) {
    OutOfMemory();
  } catch (const std::length_error&) {
    OutOfMemory();
  }
  for (TCellColumn& c : Columns) c.Resize(NrRows + 1);
  FCols = std::move(Columns);
  FColAttr = std::move(colAttr);
  FRowAttr = std::move(rowAttr);
  FView.clear();
  FViewChecked = true;
  Changed();
}

// Puts UTF-8 text of a valid cell into place; notifies only a real change.
void TStringArray::StoreCell(int ACol, int ARow, const char* Text, int Size) {
  TCellColumn& column = FCols[std::size_t(ACol)];
  const int row = Stored(ARow);
  if (column[row].Equals(Text, Size)) return;
  try {
    column.Assign(row, Text, Size);
  } catch (const std::bad_alloc&) {
    OutOfMemory();
  }
  Changed();
}

void TStringArray::Swap(TStringArray& Other) {
  FCols.swap(Other.FCols);
  FColAttr.swap(Other.FColAttr);
  FRowAttr.swap(Other.FRowAttr);
  FView.swap(Other.FView);
  std::swap(FViewChecked, Other.FViewChecked);
  std::swap(FAllocRowsBy, Other.FAllocRowsBy);
  Changed();
  Other.Changed();
}

void TStringArray::InsertRow(int ARow) {
  if (ARow < 1 || ARow > NrOfRows() + 1) return;
  CommitSorting();
  ReserveRows(NrOfRows() + 1);
  for (TCellColumn& c : FCols) c.Insert(ARow);
  FRowAttr.insert(FRowAttr.begin() + ARow, 0);
  Changed();
}

void TStringArray::RemoveRow(int ARow) {
  if (ARow < 1 || ARow > NrOfRows()) return;
  CommitSorting();
  if (NrOfRows() == 1) {
    for (TCellColumn& c : FCols) c.Clear(ARow);
    FRowAttr[std::size_t(ARow)] = 0;
  } else {
    for (TCellColumn& c : FCols) c.Remove(ARow);
    FRowAttr.erase(FRowAttr.begin() + ARow);
  }
  Changed();
}

void TStringArray::InsertColumn(int ACol) {
  if (ACol < 1 || ACol > NrOfColumns() + 1) return;
  try {
    TCellColumn column;
    column.Reserve(FRowAttr.capacity());
    column.Resize(NrOfRows() + 1);
    FColAttr.reserve(FColAttr.size() + 1);
    FCols.insert(FCols.begin() + ACol, std::move(column));
  } catch (const std::bad_alloc&) {
    OutOfMemory();
  }
  FColAttr.insert(FColAttr.begin() + ACol, 0);
  Changed();
}

void TStringArray::RemoveColumn(int ACol) {
  if (ACol < 1 || ACol > NrOfColumns()) return;
  if (NrOfColumns() == 1) {
    FCols[std::size_t(ACol)].ClearCells();
    FColAttr[std::size_t(ACol)] = 0;
  } else {
    FCols.erase(FCols.begin() + ACol);
    FColAttr.erase(FColAttr.begin() + ACol);
  }
  Changed();
}

std::uint8_t TStringArray::GetRowAttrib(int ARow) const {
  return ValidRow(ARow) ? FRowAttr[std::size_t(Stored(ARow))] : 0;
}

void TStringArray::SetRowAttrib(int ARow, std::uint8_t Value) {
  if (ValidRow(ARow)) FRowAttr[std::size_t(Stored(ARow))] = Value;
}

std::uint8_t TStringArray::GetColAttrib(int ACol) const {
  return ValidCol(ACol) ? FColAttr[std::size_t(ACol)] : 0;
}

void TStringArray::SetColAttrib(int ACol, std::uint8_t Value) {
  if (ValidCol(ACol)) FColAttr[std::size_t(ACol)] = Value;
}

void TStringArray::Sort(int PrimCol, int SecCol, bool AscendPrim, bool AscendSec) {
  if (!ValidCol(PrimCol)) return;
  const bool useSec = ValidCol(SecCol) && SecCol != PrimCol;
  NormalizeView();
  const int n = NrOfRows();
  std::vector<std::uint32_t> order;
  try {
    // Keys are built in stored order (sequential memory); the previous view
    // position of each row breaks ties, which makes the sort stable.
    std::vector<std::uint32_t> rank(static_cast<std::size_t>(n));
    for (int p = 1; p <= n; ++p) rank[std::size_t(Stored(p) - 1)] = std::uint32_t(p);
    detail::TSortKeys keys{std::size_t(n)};
    const TCellColumn& prim = FCols[std::size_t(PrimCol)];
    const TCellColumn* sec = useSec ? &FCols[std::size_t(SecCol)] : nullptr;
    for (int r = 1; r <= n; ++r) keys.Add(prim[r], AscendPrim, sec ? &(*sec)[r] : nullptr, AscendSec);
    Progress(40);
    const std::vector<std::uint32_t> sorted = keys.SortedRows(rank);
    Progress(80);
    order.resize(std::size_t(n) + 1);
    for (int i = 0; i < n; ++i) order[std::size_t(i) + 1] = sorted[std::size_t(i)] + 1;
  } catch (const std::bad_alloc&) {
    OutOfMemory();
  }
  ApplyOrder(order);
  Progress(100);
  Changed();
}

void TStringArray::ApplyOrder(std::vector<std::uint32_t>& Order) {
  if (!OnBeforeSortExchange) {
    FView.swap(Order);
    return;
  }
  if (FView.empty()) {
    FView.resize(Order.size());
    std::iota(FView.begin(), FView.end(), 0u);
  }
  // Where each stored row is seen now; each exchange puts one row in place.
  std::vector<std::uint32_t> where(FView.size());
  for (std::size_t p = 0; p < FView.size(); ++p) where[FView[p]] = std::uint32_t(p);
  for (std::size_t i = 1; i < Order.size(); ++i) {
    if (FView[i] == Order[i]) continue;
    const std::size_t j = where[Order[i]];
    OnBeforeSortExchange(this, int(i), int(j));
    std::swap(FView[i], FView[j]);
    where[FView[i]] = std::uint32_t(i);
    where[FView[j]] = std::uint32_t(j);
  }
}

void TStringArray::UnSort() {
  if (FView.empty()) return;
  FView.clear();
  FViewChecked = true;
  Changed();
}

void TStringArray::CommitSorting() {
  if (FView.empty()) return;
  NormalizeView();
  try {
    detail::TCellArray scratch;
    scratch.resize(FView.size());
    for (TCellColumn& c : FCols) c.Permute(FView, scratch);
    std::vector<std::uint8_t> attr(FView.size());
    for (std::size_t i = 0; i < FView.size(); ++i) attr[i] = FRowAttr[FView[i]];
    FRowAttr.swap(attr);
  } catch (const std::bad_alloc&) {
    OutOfMemory();
  }
  FView.clear();
}

int TStringArray::GetSortOrder(int ARow) const { return ValidRow(ARow) ? Stored(ARow) : -1; }

void TStringArray::SetSortOrder(int ARow, int StoredRow) {
  if (ARow < 1 || ARow > NrOfRows() || StoredRow < 1 || StoredRow > NrOfRows()) return;
  if (FView.empty()) {
    FView.resize(FRowAttr.size());
    std::iota(FView.begin(), FView.end(), 0u);
  }
  FView[std::size_t(ARow)] = std::uint32_t(StoredRow);
  FViewChecked = false;
  Changed();
}

void TStringArray::NormalizeView() {
  if (FViewChecked) return;
  FViewChecked = true;
  // A stored row seen twice keeps its first position; the later ones take the
  // rows seen nowhere, in stored order.
  std::vector<bool> seen(FView.size());
  std::vector<std::size_t> repeats;
  for (std::size_t p = 0; p < FView.size(); ++p) {
    if (seen[FView[p]]) repeats.push_back(p);
    seen[FView[p]] = true;
  }
  std::size_t missing = 0;
  for (std::size_t p : repeats) {
    while (seen[missing]) ++missing;
    FView[p] = std::uint32_t(missing);
    seen[missing] = true;
  }
}

void TStringArray::Progress(int Percent) {
  if (OnPercentDone) OnPercentDone(this, Percent);
}

}  // namespace orv
