// TReportListView: sorting, header-click sorting and filtering.
#include "OrvTReportListView.h"

#include "OrvRLFilterExpr.h"

#include <QRegularExpression>

#include <algorithm>

namespace orv {

// ------------------------------------------------------------ shown rows

int TReportListView::ShownRowCount() const { return FFiltered ? int(FShown.size()) : NrOfRows(); }

int TReportListView::DataRowOfGridRow(int ARow) const {
  const int index = ARow - CountHeadRows();
  if (index < 0 || index >= ShownRowCount()) return 0;
  return FFiltered ? FShown[std::size_t(index)] : index + 1;
}

int TReportListView::GridRowOfDataRow(int Row) const {
  if (!ValidRow(Row)) return -1;
  if (!FFiltered) return Row + CountHeadRows() - 1;
  const auto it = std::lower_bound(FShown.begin(), FShown.end(), Row);
  if (it == FShown.end() || *it != Row) return -1;
  return int(it - FShown.begin()) + CountHeadRows();
}

void TReportListView::RebuildShown() {
  if (!FFiltered) return;
  FShown.clear();
  for (int i = 1; i <= NrOfRows(); ++i) {
    const int stored = Store()->GetSortOrder(i);
    if (stored >= 0 && std::size_t(stored) < FFilterMask.size() && FFilterMask[std::size_t(stored)]) FShown.push_back(i);
  }
}

void TReportListView::DropFilter() {
  FFiltered = false;
  FFilterMask = {};
  FShown = {};
}

void TReportListView::ClearFilter() {
  if (!FFiltered) return;
  HideEditor();
  const int r = SelectedDataRow();
  DropFilter();
  UpdateGridRows();
  if (r != 0) SelectGridRowOf(r);
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

namespace {

// The built-in test of one row: does the expression match the texts of the filter columns?
class TRowMatcher {
public:
  TRowMatcher(const QString& Exp, bool IgnoreCase, TFilterMode Mode)
      : FMode(Mode), FCase(IgnoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive), FExp(Exp), FBool(Exp) {
    if (Mode == fmGrep) {
      FRegex.setPattern(Exp);
      if (IgnoreCase) FRegex.setPatternOptions(QRegularExpression::CaseInsensitiveOption);
      FRegex.optimize();
    }
  }

  bool Matches(const QStringList& Texts) const {
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

private:
  TFilterMode FMode;
  Qt::CaseSensitivity FCase;
  QString FExp;
  detail::TFilterExpr FBool;
  QRegularExpression FRegex;
};

}  // namespace

int TReportListView::FilterAndSort(const QString& FilterExp, const QList<int>& FilterColumns, bool IgnoreCase,
                                   TFilterMode FilterMode, int SortColumn, bool Ascending) {
  HideEditor();
  TPaintLock lock(this);
  QList<int> columns;
  for (int c : FilterColumns)
    if (ValidCol(c)) columns.append(c);
  if (FilterColumns.isEmpty())
    for (int c = 1; c <= NrOfColumns(); ++c) columns.append(c);

  const TRowMatcher matcher(FilterExp, IgnoreCase, FilterMode);
  std::vector<bool> mask(std::size_t(NrOfRows()) + 1, false);
  QStringList texts;
  for (int r = 1; r <= NrOfRows(); ++r) {
    texts.clear();
    for (int c : columns) texts.append(FRLData->GetElem(c, r));
    const bool own = matcher.Matches(texts);
    bool found = own;
    if (OnBeforeFilter) {
      TLogicOp op = loNone;
      OnBeforeFilter(this, r, found, op);
      found = CombineLogic(op, found, own);
    }
    mask[std::size_t(Store()->GetSortOrder(r))] = found;
  }
  FFilterMask = std::move(mask);
  FFiltered = true;
  if (ValidCol(SortColumn))
    Sort(SortColumn, LastSortColumnSec(), Ascending);
  else
    RebuildShown();
  UpdateGridRows();
  SetGridTopRow(FixedRows());
  SetSelection(TGridRect(FixedCols(), FixedRows(), FixedCols(), FixedRows()));
  Invalidate();
  return int(FShown.size());
}

}  // namespace orv
