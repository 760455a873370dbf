// TReportListView: construction, structure, per-column settings, header rows,
// scrolling and the forwarders to the data object.
#include "OrvTReportListView.h"

#include "OrvRLRowMatcher.h"

#include <algorithm>
#include <new>

namespace orv {

TReportListView::TReportListView(TOwnerArg AOwner) : TCustomDrawGrid(AOwner) {
  try {
    FRLData = std::make_unique<TRLData>(nullptr);
    SetDefaultDrawing(false);
    TCustomGrid::SetFixedCols(0);
    TCustomGrid::SetFixedRows(1);
    FRLData->SetNrCols(ColCount());
    FRLData->SetNrRows(RowCount() - 1);
    FRLData->Clear();
    ResetColumnArrays();
  } catch (const std::bad_alloc&) {
    throw EORVRepListError(QStringLiteral("Component \"") + Name() +
                           QStringLiteral("\": failed to initialize table editor (out of memory)"));
  }
  ConnectData();
  SetOptions({goFixedVertLine, goFixedHorzLine, goColSizing, goRowSelect, goThumbTracking});
  UpdateGridRows();
  SetTopRow(1);
}

TReportListView::~TReportListView() {
  // The store's notifications point at this view; silence them before the members go.
  FRLData->Strings()->OnChange = nullptr;
}

void TReportListView::NotEnoughMemory() const {
  throw EORVRepListError(QStringLiteral("Component \"") + Name() + QStringLiteral("\": not enough memory on heap"));
}

void TReportListView::ConnectData() {
  FRLData->Strings()->OnChange = [this](TObject*) {
    Changed();
    if (!FSuppressPaint) Invalidate();
  };
  FRLData->OnPercentDone = [this](TObject*, int Percent) {
    if (OnPercentDone) OnPercentDone(this, Percent);
  };
  FRLData->OnBeforeSortExchange = [this](TObject*, int Row1, int Row2) {
    if (OnBeforeSortExchange) OnBeforeSortExchange(this, Row1, Row2);
  };
  FRLData->OnBeforeHTMLExport = [this](TObject*, QString& Text, int Col, int Row) {
    if (OnBeforeHTMLExport) OnBeforeHTMLExport(this, Text, Col, Row);
  };
}

void TReportListView::CreateWnd() {
  TCustomDrawGrid::CreateWnd();
  SetSuppressPaint(false);
}

void TReportListView::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TReportListView*>(Source);
  if (!src) {
    TCustomDrawGrid::Assign(Source);
    return;
  }
  if (src == this) return;
  FAutoAdvance = src->FAutoAdvance;
  FLastMousePosX = src->FLastMousePosX;
  FLastMousePosY = src->FLastMousePosY;
  OnChange = src->OnChange;
  OnChangeSetup = src->OnChangeSetup;
  OnSelectedChange = src->OnSelectedChange;
  FSelectAnchor = src->FSelectAnchor;
  FRowSelectMode = src->FRowSelectMode;
  FSortEnabled = src->FSortEnabled;
  FEnabled = src->FEnabled;
  OnCheckedChange = src->OnCheckedChange;
  OnBeforeCheckedChange = src->OnBeforeCheckedChange;
  OnGetEditText = src->OnGetEditText;
  OnSetEditText = src->OnSetEditText;
  FColorSelRow = src->FColorSelRow;
  FColorSelRowText = src->FColorSelRowText;
  FColorSelCol = src->FColorSelCol;
  FColorSelColText = src->FColorSelColText;
  FColorSelBoth = src->FColorSelBoth;
  FColorSelBothText = src->FColorSelBothText;
  FColorHigh = src->FColorHigh;
  FColorHighText = src->FColorHighText;
  FRColorNormal = src->FRColorNormal;
  FRColorShaded = src->FRColorShaded;
  FColorDisabledBkgd = src->FColorDisabledBkgd;
  FColorDisabledText = src->FColorDisabledText;
  FHighLightBold = src->FHighLightBold;
  FHighLightRow = src->FHighLightRow;
  FHighLightColumn = src->FHighLightColumn;
  FColorNormal = src->FColorNormal;
  FRowColPattern = src->FRowColPattern;
  FHeaderAlignment = src->FHeaderAlignment;
  FCommonHeaderVisible = src->FCommonHeaderVisible;
  FColumnHeadersVisible = src->FColumnHeadersVisible;
  FCommonHeaderHeight = src->FCommonHeaderHeight;
  FColumnHeadersHeight = src->FColumnHeadersHeight;
  FComHdColor = src->FComHdColor;
  FComHdTextColor = src->FComHdTextColor;
  TCustomGrid::SetFixedColor(src->FixedColor());
  FColHdTextColor = src->FColHdTextColor;
  OnRequestEditFormat = src->OnRequestEditFormat;
  FShowEmptyCBx = src->FShowEmptyCBx;
  OnPercentDone = src->OnPercentDone;
  OnBeforeRenderCell = src->OnBeforeRenderCell;
  OnBeforeSortExchange = src->OnBeforeSortExchange;
  OnBeforeHTMLExport = src->OnBeforeHTMLExport;
  OnBeforeFilter = src->OnBeforeFilter;
  OnMouseWheelDown = src->OnMouseWheelDown;
  OnMouseWheelUp = src->OnMouseWheelUp;
  FInterRowColor = src->FInterRowColor;
  FInterRowWidth = src->FInterRowWidth;
  FInterRowIndi = src->FInterRowIndi;
  TCustomGrid::SetFixedCols(src->FixedFirstColumn() ? 1 : 0);
  {
    TPaintLock lock(this);
    try {
      FRLData->Assign(src->FRLData.get());
      ConnectData();
      DropFilter();
      SetColCount(std::max(NrOfColumns(), FixedCols() + 1));
      UpdateGridRows();
      FColAlignment = src->FColAlignment;
      FColumnEditable = src->FColumnEditable;
      FColumnIsPwd = src->FColumnIsPwd;
      FColOrder = src->FColOrder;
    } catch (const std::bad_alloc&) {
      NotEnoughMemory();
    }
  }
  SetSuppressPaint(src->FSuppressPaint);
  Invalidate();
}

// ------------------------------------------------------------------ structure

void TReportListView::ResizeColumnArrays(int n) {
  const std::size_t size = std::size_t(std::max(n, 0));
  try {
    FColAlignment.resize(size, taLeftJustify);
    FColumnEditable.resize(size, false);
    FColumnIsPwd.resize(size, false);
    FColOrder.resize(size);
  } catch (const std::bad_alloc&) {
    NotEnoughMemory();
  }
  for (std::size_t i = 0; i < size; ++i) FColOrder[i] = int(i);
}

void TReportListView::ResetColumnArrays() {
  FColAlignment.assign(std::size_t(NrOfColumns()), taLeftJustify);
  FColumnEditable.assign(std::size_t(NrOfColumns()), false);
  FColumnIsPwd.assign(std::size_t(NrOfColumns()), false);
  ResizeColumnArrays(NrOfColumns());
}

void TReportListView::UpdateGridRows() {
  const int head = CountHeadRows();
  SetRowCount(std::max(head + ShownRowCount(), head + 1));
  TCustomGrid::SetFixedRows(head);
  SetHeaderHeights();
}

void TReportListView::SetHeaderHeights() {
  const int def = DefaultRowHeight();
  if (FCommonHeaderVisible && FColumnHeadersVisible) {
    SetRowHeights(0, FCommonHeaderHeight);
    if (RowCount() >= 2) SetRowHeights(1, FColumnHeadersHeight);
  } else {
    SetRowHeights(0, FCommonHeaderVisible ? FCommonHeaderHeight : FColumnHeadersVisible ? FColumnHeadersHeight : def);
    if (RowCount() >= 2) SetRowHeights(1, def);
  }
}

void TReportListView::Resync() {
  TPaintLock lock(this);
  if (int(FColOrder.size()) != NrOfColumns()) {
    SetColCount(std::max(NrOfColumns(), FixedCols() + 1));
    ResizeColumnArrays(NrOfColumns());
  }
  if (Filtered() && int(FFilterMask.size()) != NrOfRows() + 1) DropFilter();
  UpdateGridRows();
  Invalidate();
}

void TReportListView::SetNrRows(int n) {
  HideEditor();
  TPaintLock lock(this);
  const int old = NrOfRows();
  n = std::max(n, 0);
  // Dropping rows makes the sorted view the stored order: keep the filter's
  // verdicts by view position. New rows come last in both orders.
  std::vector<bool> mask;
  if (Filtered() && n < old) mask = MaskInViewOrder();
  FRLData->SetNrRows(n);
  if (Filtered()) {
    if (n < old) {
      mask.resize(std::size_t(n) + 1);
      FFilterMask = std::move(mask);
    }
    for (int r = old + 1; r <= n; ++r) FFilterMask.push_back(RowMatches(r));
    RebuildShown();
  }
  SetSelection(TGridRect(0, 0, 0, 0));
  UpdateGridRows();
  Invalidate();
  ChangedSetup();
}

void TReportListView::SetNrCols(int n) {
  HideEditor();
  TPaintLock lock(this);
  ClearFilter();  // its columns are numbers
  const int oldLast = ColCount() - 1;
  const int width = GridColWidths(oldLast);
  FRLData->SetNrCols(n);
  SetColCount(std::max(NrOfColumns(), FixedCols() + 1));
  for (int g = oldLast; g < ColCount(); ++g) SetGridColWidths(g, width);
  ResizeColumnArrays(NrOfColumns());
  SetGridTopRow(0);
  Invalidate();
  ChangedSetup();
}

int TReportListView::AddRow() {
  HideEditor();
  SetNrRows(NrOfRows() + 1);
  return NrOfRows();
}

int TReportListView::InsertRow(int r) {
  HideEditor();
  {
    TPaintLock lock(this);
    if (r >= 1 && r <= NrOfRows()) {
      // Inserting makes the sorted view the stored order.
      std::vector<bool> mask = Filtered() ? MaskInViewOrder() : std::vector<bool>();
      FRLData->InsertRow(r);
      if (Filtered()) {
        mask.insert(mask.begin() + r, false);
        FFilterMask = std::move(mask);
        FFilterMask[std::size_t(r)] = RowMatches(r);
      }
      SetNrRows(NrOfRows());
      ChangedSetup();
    } else if (r > NrOfRows()) {
      r = AddRow();
    }
  }
  FRLData->ForgetSortColumns();
  return r;
}

int TReportListView::InsertColumn(int c) {
  HideEditor();
  TPaintLock lock(this);
  if (c >= 1 && c <= NrOfColumns()) {
    const int old = NrOfColumns();
    FRLData->InsertColumn(c);
    SetNrCols(NrOfColumns());
    // The settings of columns c..old move one place right with their columns.
    for (int i = old; i >= c; --i) {
      FColAlignment[std::size_t(i)] = FColAlignment[std::size_t(i - 1)];
      FColumnEditable[std::size_t(i)] = FColumnEditable[std::size_t(i - 1)];
      FColumnIsPwd[std::size_t(i)] = FColumnIsPwd[std::size_t(i - 1)];
    }
    FColAlignment[std::size_t(c - 1)] = taLeftJustify;
    FColumnEditable[std::size_t(c - 1)] = false;
    FColumnIsPwd[std::size_t(c - 1)] = false;
    ChangedSetup();
  } else if (c > NrOfColumns()) {
    SetNrCols(NrOfColumns() + 1);
    c = NrOfColumns();
  }
  return c;
}

void TReportListView::RemoveRow(int r) {
  if (!ValidRow(r)) return;
  HideEditor();
  TPaintLock lock(this);
  // Removing makes the sorted view the stored order.
  std::vector<bool> mask = Filtered() ? MaskInViewOrder() : std::vector<bool>();
  const bool some = NrOfRows() >= CountHeadRows();
  if (some) {
    FRLData->RemoveRow(r);
  } else {
    for (int c = 0; c <= NrOfColumns(); ++c) Store()->SetString(c, r, QString());
    FRLData->SetNrRows(0);
  }
  if (Filtered()) {
    mask.erase(mask.begin() + r);
    FFilterMask = std::move(mask);
    RebuildShown();
  }
  UpdateGridRows();
  if (some) ChangedSetup();
  Invalidate();
}

void TReportListView::RemoveColumn(int c) {
  if (!ValidCol(c)) return;
  HideEditor();
  TPaintLock lock(this);
  ClearFilter();  // its columns are numbers
  for (int i = c; i < NrOfColumns(); ++i) {
    FColAlignment[std::size_t(i - 1)] = FColAlignment[std::size_t(i)];
    FColumnEditable[std::size_t(i - 1)] = FColumnEditable[std::size_t(i)];
    FColumnIsPwd[std::size_t(i - 1)] = FColumnIsPwd[std::size_t(i)];
  }
  FRLData->RemoveColumn(c);
  ResizeColumnArrays(NrOfColumns());
  SetColCount(std::max(NrOfColumns(), FixedCols() + 1));
  ChangedSetup();
}

void TReportListView::RemoveEmptyRows() {
  HideEditor();
  TPaintLock lock(this);
  for (int r = NrOfRows(); r >= 1; --r) {
    bool empty = true;
    for (int c = 0; c <= NrOfColumns() && empty; ++c) empty = FRLData->GetElem(c, r).isEmpty();
    if (empty) RemoveRow(r);
  }
}

void TReportListView::Clear() {
  HideEditor();
  TPaintLock lock(this);
  DropFilter();
  FRLData->Clear();
  ResetColumnArrays();
  UpdateGridRows();
  Invalidate();
}

void TReportListView::Fill(const QString& s) {
  HideEditor();
  TPaintLock lock(this);
  FRLData->Fill(s);
  if (Filtered()) {
    TestAllRows();
    UpdateGridRows();
  }
}

bool TReportListView::SetColumnOrder(const QList<int>& ColList) {
  if (ColList.size() != NrOfColumns()) return false;
  bool ok = true;
  for (int i = 0; i < ColList.size(); ++i) {
    if (ValidCol(ColList[i]))
      FColOrder[std::size_t(i)] = ColList[i] - 1;
    else
      ok = false;
  }
  return ok;
}

int TReportListView::ColumnOrder(int ColNr) const { return ValidCol(ColNr) ? FColOrder[std::size_t(ColNr - 1)] + 1 : 0; }

int TReportListView::DataColOfGridCol(int ACol) const {
  return ACol >= 0 && ACol < int(FColOrder.size()) ? FColOrder[std::size_t(ACol)] + 1 : 0;
}

// ---------------------------------------------------------- cells and columns

QString TReportListView::Elem(int ACol, int ARow) const {
  QString text = FRLData->GetElem(ACol, ARow);
  if (OnReadCell) OnReadCell(const_cast<TReportListView*>(this), ACol, ARow, text);
  return text;
}

void TReportListView::SetElem(int ACol, int ARow, const QString& Value) {
  FRLData->SetElem(ACol, ARow, Value);
  if (Filtered() && ValidRow(ARow)) TestRowAgain(ARow);
}

double TReportListView::AsNumber(int ACol, int ARow) const {
  try {
    return FRLData->GetAsNumber(ACol, ARow);
  } catch (const EORVDStructError&) {
    throw EORVDStructError(QStringLiteral("Class TReportListView: invalid numeric string: [%1,%2]: %3")
                               .arg(ACol)
                               .arg(ARow)
                               .arg(FRLData->GetElem(ACol, ARow)));
  }
}

void TReportListView::SetHeader(int ColNr, const QString& Value) {
  FRLData->SetColName(ColNr, Value);
  Changed();
  Invalidate();
}

void TReportListView::SetColumnFormat(int ColNr, const QString& Value) {
  FRLData->SetColumnFormat(ColNr, Value);
  Changed();
  Invalidate();
}

void TReportListView::SetColumnCheckMode(int ColNr, TCheckMode Value) {
  FRLData->SetColCheckMode(ColNr, Value);
  Changed();
  Invalidate();
}

void TReportListView::SetIsCheckedColumn(int ColNr, bool Value) {
  FRLData->SetCheckedCol(ColNr, Value);
  Changed();
  Invalidate();
}

void TReportListView::SetCommonHeader(const QString& Value) {
  if (Value == CommonHeader()) return;
  FRLData->SetCommonHeader(Value);
  Changed();
  Invalidate();
}

TAlignment TReportListView::ColumnAlignment(int ColNr) const {
  return ValidCol(ColNr) ? FColAlignment[std::size_t(ColNr - 1)] : taLeftJustify;
}

void TReportListView::SetColumnAlignment(int ColNr, TAlignment Value) {
  if (!ValidCol(ColNr) || FColAlignment[std::size_t(ColNr - 1)] == Value) return;
  FColAlignment[std::size_t(ColNr - 1)] = Value;
  Changed();
  Invalidate();
}

bool TReportListView::ColumnEditable(int ColNr) const { return ValidCol(ColNr) && FColumnEditable[std::size_t(ColNr - 1)]; }

void TReportListView::SetColumnEditable(int ColNr, bool Value) {
  if (ValidCol(ColNr)) FColumnEditable[std::size_t(ColNr - 1)] = Value;
}

bool TReportListView::ColumnIsPwd(int ColNr) const { return ValidCol(ColNr) && FColumnIsPwd[std::size_t(ColNr - 1)]; }

void TReportListView::SetColumnIsPwd(int ColNr, bool Value) {
  if (!ValidCol(ColNr) || FColumnIsPwd[std::size_t(ColNr - 1)] == Value) return;
  FColumnIsPwd[std::size_t(ColNr - 1)] = Value;
  Changed();
  Invalidate();
}

void TReportListView::SetCheckMarksReadOnly(bool Value) {
  if (FROCheckMarks == Value) return;
  FROCheckMarks = Value;
  Invalidate();
}

void TReportListView::SetShowEmptyCheckBoxes(bool Value) {
  if (FShowEmptyCBx == Value) return;
  FShowEmptyCBx = Value;
  Invalidate();
}

// ---------------------------------------------------------------- head rows

void TReportListView::SetCommonHeaderVisible(bool Value) {
  if (FCommonHeaderVisible == Value) return;
  FCommonHeaderVisible = Value;
  UpdateGridRows();
  Changed();
  Invalidate();
}

void TReportListView::SetColumnHeadersVisible(bool Value) {
  if (FColumnHeadersVisible == Value) return;
  FColumnHeadersVisible = Value;
  UpdateGridRows();
  Changed();
  Invalidate();
}

void TReportListView::SetCommonHeaderHeight(int Value) {
  Value = std::clamp(Value, 8, 127);
  if (FCommonHeaderHeight == Value) return;
  FCommonHeaderHeight = Value;
  SetHeaderHeights();
  Changed();
  Invalidate();
}

void TReportListView::SetColumnHeadersHeight(int Value) {
  Value = std::clamp(Value, 8, 127);
  if (FColumnHeadersHeight == Value) return;
  FColumnHeadersHeight = Value;
  SetHeaderHeights();
  Changed();
  Invalidate();
}

void TReportListView::SetCommonHeaderAlignment(TAlignment Value) {
  if (FHeaderAlignment == Value) return;
  FHeaderAlignment = Value;
  Changed();
  Invalidate();
}

void TReportListView::SetFixedFirstColumn(bool Value) {
  if (FixedFirstColumn() == Value) return;
  TCustomGrid::SetFixedCols(Value ? 1 : 0);
  Changed();
  Invalidate();
}

// ------------------------------------------------------------- appearance

void TReportListView::SetFixedColor(TColor Value) {
  if (Value == FixedColor()) return;
  TCustomDrawGrid::SetFixedColor(Value);
  ChangedSetup();
  Invalidate();
}

void TReportListView::SetInterRowIndicatorPos(int Value) {
  if (FInterRowIndi == Value) return;
  FInterRowIndi = Value;
  Invalidate();
}

void TReportListView::SetDefaultColWidth(int Value) {
  TCustomGrid::SetDefaultColWidth(Value);
  ChangedSetup();
  Invalidate();
}

void TReportListView::SetDefaultRowHeight(int Value) {
  TCustomGrid::SetDefaultRowHeight(Value);
  SetHeaderHeights();
  ChangedSetup();
  Invalidate();
}

void TReportListView::SetEnabled(bool Value) {
  FEnabled = Value;
  TCustomDrawGrid::SetEnabled(Value);
  Invalidate();
}

void TReportListView::SetSuppressPaint(bool Value) {
  if (FSuppressPaint == Value) return;
  FSuppressPaint = Value;
  if (!Value) Repaint();
}

void TReportListView::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TCustomDrawGrid::SetBounds(ALeft, ATop, AWidth, AHeight);
  Invalidate();
}

// ---------------------------------------------------------------- scrolling

int TReportListView::TopRow() const {
  const int r = DataRowOfGridRow(GridTopRow());
  return r != 0 ? r : 1;  // nothing shown: as an empty table
}

void TReportListView::SetTopRow(int Value) {
  SetGridTopRow(CountHeadRows() + std::min(ShownIndexFrom(Value), std::max(ShownRowCount() - 1, 0)));
}

void TReportListView::SetLeftCol(int Value) {
  SetGridLeftCol(std::max(std::min(Value, NrOfColumns()), FixedCols() + 1) - 1);
}

void TReportListView::TopLeftChanged() {
  Invalidate();
  TCustomDrawGrid::TopLeftChanged();
}

// ------------------------------------------------------------- notifications

void TReportListView::Changed() {
  if (OnChange) OnChange(this);
}

void TReportListView::ChangedSetup() {
  if (OnChangeSetup) OnChangeSetup(this);
}

void TReportListView::ChangedSelection() {
  if (OnSelectedChange) OnSelectedChange(this);
}

void TReportListView::CursorKeyAction(std::uint16_t Key) {
  if (OnCursorKeyAction) OnCursorKeyAction(this, Key);
}

// ------------------------------------------------------------------ exchange

int TReportListView::ImportCSV(const QString& FName, TCSVDelimiters Delimiter, bool IncludeColHeaders) {
  HideEditor();
  DropFilter();
  const int result = FRLData->ImportCSV(FName, Delimiter, IncludeColHeaders);
  Resync();
  return result;
}

int TReportListView::LoadLinesFromFile(int Column, int FirstRow, const QString& FName) {
  HideEditor();
  DropFilter();
  const int result = FRLData->LoadLinesFromFile(Column, FirstRow, FName);
  Resync();
  return result;
}

bool TReportListView::ReadFromXMLString(const QString& InString, const QString& DataID) {
  HideEditor();
  DropFilter();
  const bool result = FRLData->ReadFromXMLString(InString, DataID);
  Resync();
  return result;
}

bool TReportListView::ReadFromXMLStream(QIODevice* InStream, const QString& DataID) {
  HideEditor();
  DropFilter();
  const bool result = FRLData->ReadFromXMLStream(InStream, DataID);
  Resync();
  return result;
}

bool TReportListView::LoadFromXMLFile(const QString& FName, const QString& DataID) {
  HideEditor();
  DropFilter();
  const bool result = FRLData->LoadFromXMLFile(FName, DataID);
  Resync();
  return result;
}

bool TReportListView::ReadFromOpenXMLFile(QTextStream& F, const QString& DataID) {
  HideEditor();
  DropFilter();
  const bool result = FRLData->ReadFromOpenXMLFile(F, DataID);
  Resync();
  return result;
}

}  // namespace orv
