// TReportListView: sorting, header-click sorting and filtering.
#include "OrvTReportListView.h"

#include "OrvRLRowMatcher.h"

#include <algorithm>

namespace orv {

// ------------------------------------------------------------ shown rows

int TReportListView::ShownRowCount() const { return Filtered() ? int(FShown.size()) : NrOfRows(); }

int TReportListView::DataRowOfGridRow(int ARow) const {
  const int index = ARow - CountHeadRows();
  if (index < 0 || index >= ShownRowCount()) return 0;
  return Filtered() ? FShown[std::size_t(index)] : index + 1;
}

int TReportListView::GridRowOfDataRow(int Row) const {
  if (!ValidRow(Row)) return -1;
  if (!Filtered()) return Row + CountHeadRows() - 1;
  const auto it = std::lower_bound(FShown.begin(), FShown.end(), Row);
  if (it == FShown.end() || *it != Row) return -1;
  return int(it - FShown.begin()) + CountHeadRows();
}

int TReportListView::ShownIndexFrom(int Row) const {
  if (!Filtered()) return std::clamp(Row - 1, 0, NrOfRows());
  return int(std::lower_bound(FShown.begin(), FShown.end(), Row) - FShown.begin());
}

void TReportListView::RebuildShown() {
  if (!Filtered()) return;
  FShown.clear();
  for (int i = 1; i <= NrOfRows(); ++i) {
    const int stored = Store()->GetSortOrder(i);
    if (stored >= 0 && std::size_t(stored) < FFilterMask.size() && FFilterMask[std::size_t(stored)]) FShown.push_back(i);
  }
}

void TReportListView::DropFilter() {
  FMatcher.reset();
  FFilterMask = {};
  FShown = {};
}

void TReportListView::ClearFilter() {
  if (!Filtered()) return;
  HideEditor();
  const int r = SelectedDataRow();
  DropFilter();
  UpdateGridRows();
  if (r != 0) SelectGridRowOf(r);
  Invalidate();
}

bool TReportListView::RowMatches(int Row) {
  const bool own = FMatcher->Matches(*FRLData, Row);
  bool found = own;
  if (OnBeforeFilter) {
    TLogicOp op = loNone;
    OnBeforeFilter(this, Row, found, op);
    found = CombineLogic(op, found, own);
  }
  return found;
}

void TReportListView::TestAllRows() {
  std::vector<bool> mask(std::size_t(NrOfRows()) + 1, false);
  for (int r = 1; r <= NrOfRows(); ++r) mask[std::size_t(Store()->GetSortOrder(r))] = RowMatches(r);
  FFilterMask = std::move(mask);
  RebuildShown();
}

std::vector<bool> TReportListView::MaskInViewOrder() const {
  if (!Store()->IsSorted()) return FFilterMask;
  std::vector<bool> mask(FFilterMask.size(), false);
  for (int r = 1; r <= NrOfRows(); ++r) mask[std::size_t(r)] = FFilterMask[std::size_t(Store()->GetSortOrder(r))];
  return mask;
}

void TReportListView::TestRowAgain(int Row) {
  const std::size_t stored = std::size_t(Store()->GetSortOrder(Row));
  const bool found = RowMatches(Row);
  if (FFilterMask[stored] == found) return;
  HideEditor();
  // The record at the top and the current record stay where they are.
  const int top = TopRow();
  const int current = SelectedDataRow();
  FFilterMask[stored] = found;
  const auto it = std::lower_bound(FShown.begin(), FShown.end(), Row);
  if (found)
    FShown.insert(it, Row);
  else
    FShown.erase(it);
  UpdateGridRows();
  SetTopRow(top);
  if (const int g = GridRowOfDataRow(current); current != 0 && g >= 0 && g != Selection().Top) SelectGridRowOf(current);
  Invalidate();
}

// ------------------------------------------------------------------ sorting

void TReportListView::Sort(int PrimCol, int SecCol, bool Ascending) {
  FRLData->Sort(PrimCol, SecCol, Ascending, LastSortOrderSec());
  RebuildShown();
  Invalidate();
}

void TReportListView::Sort(int PrimCol, int SecCol, bool AscendPrim, bool AscendSec) {
  FRLData->Sort(PrimCol, SecCol, AscendPrim, AscendSec);
  RebuildShown();
  Invalidate();
}

void TReportListView::UnSort() {
  FRLData->UnSort();
  RebuildShown();
  Invalidate();
}

void TReportListView::SetSecondarySortColumn(int Value) {
  if (Value < -1 || Value > NrOfColumns()) return;
  FRLData->SetLastSortColumnSec(Value);
  ChangedSetup();
}

void TReportListView::SortEnabledState(int SortColumn1, int SortColumn2, bool Ascending) {
  if (!ValidCol(SortColumn1)) return;
  HideEditor();
  const TCursor saved = Screen->Cursor();
  Screen->SetCursor(crHourGlass);
  const int key = Store()->GetSortOrder(SelectedDataRow());
  Sort(SortColumn1, SortColumn2, Ascending);
  if (key > 0) {
    for (int i = 1; i <= NrOfRows(); ++i) {
      if (Store()->GetSortOrder(i) != key) continue;
      if (const int g = GridRowOfDataRow(i); g >= 0) {
        SetSelection(TGridRect(FixedCols(), g, FixedCols(), g));
        if (g < GridTopRow() || g >= GridTopRow() + VisibleRowCount())
          SetGridTopRow(g - VisibleRowCount() / 2);
      }
      break;
    }
  }
  Screen->SetCursor(saved);
}

// ---------------------------------------------------------------- filtering

int TReportListView::FilterAndSort(const QString& FilterExp, const QList<int>& FilterColumns, bool IgnoreCase,
                                   TFilterMode FilterMode, int SortColumn, bool Ascending) {
  HideEditor();
  TPaintLock lock(this);
  QList<int> columns;
  for (int c : FilterColumns)
    if (ValidCol(c)) columns.append(c);
  if (FilterColumns.isEmpty())
    for (int c = 1; c <= NrOfColumns(); ++c) columns.append(c);

  FMatcher = std::make_unique<detail::TRowMatcher>(FilterExp, columns, IgnoreCase, FilterMode);
  TestAllRows();
  if (ValidCol(SortColumn)) Sort(SortColumn, LastSortColumnSec(), Ascending);
  UpdateGridRows();
  SetGridTopRow(FixedRows());
  SetSelection(TGridRect(FixedCols(), FixedRows(), FixedCols(), FixedRows()));
  Invalidate();
  return int(FShown.size());
}

// ------------------------------------------------------------ the row test

namespace detail {

TRowMatcher::TRowMatcher(const QString& Exp, const QList<int>& Columns, bool IgnoreCase, TFilterMode Mode)
    : FMode(Mode), FCase(IgnoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive), FExp(Exp), FColumns(Columns),
      FBool(Exp) {
  if (Mode == fmGrep) {
    FRegex.setPattern(Exp);
    if (IgnoreCase) FRegex.setPatternOptions(QRegularExpression::CaseInsensitiveOption);
    FRegex.optimize();
  }
}

bool TRowMatcher::Matches(const TRLData& Data, int Row) const {
  QStringList texts;
  texts.reserve(FColumns.size());
  for (int c : FColumns) texts.append(Data.GetElem(c, Row));
  return MatchesTexts(texts);
}

bool TRowMatcher::MatchesTexts(const QStringList& Texts) const {
  auto contains = [&](const QString& Word) {
    return std::any_of(Texts.begin(), Texts.end(), [&](const QString& t) { return t.contains(Word, FCase); });
  };
  switch (FMode) {
    case fmSimple: return FExp.isEmpty() || contains(FExp);
    case fmBoolean: return FBool.Evaluate([&](int w) { return contains(FBool.Words()[w]); });
    case fmGrep:
      return FRegex.isValid() &&
             std::any_of(Texts.begin(), Texts.end(), [&](const QString& t) { return FRegex.match(t).hasMatch(); });
  }
  return false;
}

}  // namespace detail

}  // namespace orv
