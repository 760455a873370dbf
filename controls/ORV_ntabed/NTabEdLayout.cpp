// TNTabEd: construction, the binding to the table, the gated events,
// dimensions, the layout of columns and rows, and the display settings.
#include "OrvTNTabEd.h"

#include "OrvNTabEdText.h"

#include <ORV_datatable.h>

#include <algorithm>
#include <new>
#include <utility>

namespace orv {

namespace {

constexpr int kNameColWidth = 80;

QString RowHeightSample() { return QStringLiteral("9GMg\u00DC$\u00A7[{|"); }

}  // namespace

TNTabEd::TNTabEd(TOwnerArg AOwner) : TCustomGrid(AOwner), Data(nullptr) {
  SetFixedCols(2);
  if (!ComponentState().Contains(csDesigning)) {
    FNameEd = new TEdit(this);
    FNameEd->hide();
    FNameEd->OnKeyPress = [this](TObject*, QChar& Key) { HeadingEditorKey(Key); };
    FCommentMM = new TMemo(this);
    FCommentMM->hide();
    FCommentMM->OnKeyPress = [this](TObject*, QChar& Key) { CommentEditorKey(Key); };
  }
  SetGridColWidths(1, FClassColWidth);
  SetGridColWidths(0, kNameColWidth);
  try {
    FDataCopy = std::make_unique<TDataTable>(nullptr);
    Data = new TDataTable(nullptr);
    Data->Resize(ColCount() - 2, RowCount() - 1);
    Data->Elements().Fill(0);
    FDecP.assign(std::size_t(Data->NrOfColumns()), 3);
  } catch (const std::bad_alloc&) {
    delete std::exchange(Data, nullptr);
    throw EORVNTabedError(QStringLiteral("Component \"") + Name() +
                          QStringLiteral("\": failed to initialize table editor (out of memory)"));
  }
  AttachHooks();
  BuildMenus();
  SetColor(FColorBackground);
  SetFixedColor(FColorFixed);
  // Tab keys belong to the grid (they move between cells with goTabs).
  SetWantTabs(true);
  FInternSuppPaint = false;
}

TNTabEd::~TNTabEd() {
  // The in-place editor reports to a whole editor; it goes first.
  HideEditor();
  if (FExtMatAssigned)
    DetachHooks(Data);
  else
    delete Data;
  Data = nullptr;
}

// ------------------------------------------------------------------ binding

void TNTabEd::AttachHooks() {
  Data->DataChangedHook = [this](TObject*) {
    ChangedData();
    Invalidate();
  };
  Data->SetupChangedHook = [this](TObject*) {
    ChangedSetup();
    Invalidate();
  };
  Data->PercentDoneHook = [this](TObject*, int Percent) {
    if (OnPercentDone) OnPercentDone(this, Percent);
  };
  Data->ResizedHook = [this](TObject*, int OldCols, int, int NewCols, int NewRows) {
    TableResized(OldCols, NewCols, NewRows);
  };
  Data->SortExchangeHook = [this](TObject*, std::uint8_t Kind, int, int, int C1, int C2) {
    if (Kind != 1 || !FSortIncludeHd) return;
    if (C1 >= 1 && C2 >= 1 && C1 <= int(FDecP.size()) && C2 <= int(FDecP.size()))
      std::swap(FDecP[std::size_t(C1 - 1)], FDecP[std::size_t(C2 - 1)]);
  };
}

void TNTabEd::DetachHooks(TDataTable* T) {
  T->DataChangedHook = nullptr;
  T->SetupChangedHook = nullptr;
  T->PercentDoneHook = nullptr;
  T->ResizedHook = nullptr;
  T->SortExchangeHook = nullptr;
}

void TNTabEd::RaiseNoMemory() const {
  throw EORVNTabedError(QStringLiteral("Component \"") + Name() + QStringLiteral("\": not enough memory on heap"));
}

void TNTabEd::ResizePrecisions(int OldCols, int NewCols) {
  const int have = int(FDecP.size());
  const std::int8_t def = OldCols < 1 || OldCols > have ? 2 : FDecP[std::size_t(OldCols - 1)];
  try {
    FDecP.resize(std::size_t(std::max(0, NewCols)), def);
  } catch (const std::bad_alloc&) {
    RaiseNoMemory();
  }
  for (int c = std::min(OldCols, have); c < NewCols; ++c) FDecP[std::size_t(c)] = def;
}

void TNTabEd::SyncGridCounts() {
  SetColCount(NrOfColumns() + FColOffset + 1);
  SetRowCount(NrOfRows() + FRowOffset + 1);
  if (ColCount() > FColOffset + 1) SetFixedCols(FColOffset + 1);
  if (RowCount() > FRowOffset + 1) SetFixedRows(FRowOffset + 1);
}

void TNTabEd::TableResized(int OldCols, int NewCols, int NewRows) {
  const int lastWidth = GridColWidths(ColCount() - 1);
  SetColCount(NewCols + FColOffset + 1);
  for (int c = std::max(OldCols, 1); c <= NewCols; ++c) SetGridColWidths(c + FColOffset, lastWidth);
  SetRowCount(NewRows + FRowOffset + 1);
  if (ColCount() > FColOffset + 1) SetFixedCols(FColOffset + 1);
  if (RowCount() > FRowOffset + 1) SetFixedRows(FRowOffset + 1);
  ResizePrecisions(OldCols, NewCols);
  Invalidate();
}

void TNTabEd::AssignAnotherDataMatrix(TDataTable* NewDTab) {
  if (!NewDTab || NewDTab == Data) return;
  HideEditor();
  if (FExtMatAssigned)
    DetachHooks(Data);
  else
    delete Data;
  const int oldCols = int(FDecP.size());
  Data = NewDTab;
  FExtMatAssigned = true;
  AttachHooks();
  ResizePrecisions(oldCols, NrOfColumns());
  SyncGridCounts();
  ChangedSetup();
  ChangedData();
  Invalidate();
}

void TNTabEd::CopyContentsFrom(TNTabEd* ExtTab) {
  if (!ExtTab || ExtTab == this) return;
  const TDataTable* src = ExtTab->Data;
  FInternSuppPaint = true;
  Data->Resize(src->NrOfColumns(), src->NrOfRows());
  for (int c = 1; c <= src->NrOfColumns(); ++c) {
    Data->SetColName(c, src->GetColName(c));
    Data->SetColAttrib(c, src->GetColAttrib(c));
    Data->SetMScaleType(c, src->GetMScaleType(c));
    for (int k = 1; k <= MaxNominalCode; ++k) Data->SetNominalID(c, k, src->GetNominalID(c, k));
    for (int r = 1; r <= src->NrOfRows(); ++r) {
      Data->Elements().SetVal(c, r, src->GetElem(c, r));
      Data->SetCellState(c, r, src->GetCellState(c, r));
    }
  }
  for (int r = 1; r <= src->NrOfRows(); ++r) {
    Data->SetRowName(r, src->GetRowName(r));
    Data->SetRowAttrib(r, src->GetRowAttrib(r));
  }
  Data->SetFComment(src->Comment());
  FDecP = ExtTab->FDecP;
  FInternSuppPaint = false;
  ChangedSetup();
  ChangedData();
  Invalidate();
}

bool TNTabEd::CopyCellStatesFrom(TNTabEd* ExtTab) {
  if (!ExtTab || ExtTab->NrOfColumns() != NrOfColumns() || ExtTab->NrOfRows() != NrOfRows()) return false;
  for (int c = 1; c <= NrOfColumns(); ++c)
    for (int r = 1; r <= NrOfRows(); ++r) Data->SetCellState(c, r, ExtTab->CellState(c, r));
  ChangedCellStates();
  ChangedEmptyStates();
  Invalidate();
  return true;
}

// ------------------------------------------------------------------ events

void TNTabEd::Fire(const TNotifyEvent& E) {
  if (E && !Suppressed()) E(this);
}

void TNTabEd::SetSuppressPaint(bool Value) {
  if (Value == FSuppressPaint) return;
  FSuppressPaint = Value;
  if (!Value) Invalidate();
}

// ---------------------------------------------------------------- dimensions

void TNTabEd::SetNrOfColumns(int n) {
  FInternSuppPaint = true;
  try {
    Data->Resize(n, NrOfRows());
  } catch (...) {
    FInternSuppPaint = false;
    throw;
  }
  FInternSuppPaint = false;
  ChangedSetup();
}

void TNTabEd::SetNrOfRows(int n) {
  FInternSuppPaint = true;
  try {
    Data->Resize(NrOfColumns(), n);
  } catch (...) {
    FInternSuppPaint = false;
    throw;
  }
  FInternSuppPaint = false;
  ChangedSetup();
}

void TNTabEd::Redimension(int NrCols, int NrRows) {
  FInternSuppPaint = true;
  try {
    Data->Resize(NrCols, NrRows);
  } catch (...) {
    FInternSuppPaint = false;
    throw;
  }
  FInternSuppPaint = false;
  ChangedSetup();
  Invalidate();
}

void TNTabEd::InsertRow(int ix) {
  if (ix < 1 || ix > NrOfRows() + 1) return;
  const bool was = FSuppressPaint;
  SetSuppressPaint(true);
  Data->InsertRow(ix);
  SetSuppressPaint(was);
}

void TNTabEd::RemoveRow(int ix) {
  if (ix < 1 || ix > NrOfRows() || NrOfRows() < 2) return;
  const bool was = FSuppressPaint;
  SetSuppressPaint(true);
  HideEditor();
  Data->RemoveRow(ix);
  SetSuppressPaint(was);
}

void TNTabEd::InsertColumn(int ix) {
  if (ix < 1 || ix > NrOfColumns() + 1) return;
  const bool was = FSuppressPaint;
  SetSuppressPaint(true);
  std::vector<std::int8_t> before = FDecP;
  Data->InsertColumn(ix);
  // The new column takes its right neighbour's precision (the last one's when appended).
  if (!before.empty()) {
    const std::size_t at = std::size_t(ix - 1);
    const std::int8_t neighbour = before[std::min(at, before.size() - 1)];
    before.insert(before.begin() + std::ptrdiff_t(at), neighbour);
    if (before.size() == FDecP.size()) FDecP = std::move(before);
  }
  SetSuppressPaint(was);
}

void TNTabEd::RemoveColumn(int ix) {
  if (ix < 1 || ix > NrOfColumns() || NrOfColumns() < 2) return;
  const bool was = FSuppressPaint;
  SetSuppressPaint(true);
  HideEditor();
  std::vector<std::int8_t> before = FDecP;
  Data->RemoveColumn(ix);
  if (std::size_t(ix) <= before.size()) {
    before.erase(before.begin() + ix - 1);
    if (before.size() == FDecP.size()) FDecP = std::move(before);
  }
  SetSuppressPaint(was);
}

void TNTabEd::MirrorColumns() {
  const bool was = FSuppressPaint;
  SetSuppressPaint(true);
  Data->MirrorColumns();
  std::reverse(FDecP.begin(), FDecP.begin() + std::min<std::ptrdiff_t>(NrOfColumns(), std::ptrdiff_t(FDecP.size())));
  SetSuppressPaint(was);
}

void TNTabEd::MirrorRows() {
  const bool was = FSuppressPaint;
  SetSuppressPaint(true);
  Data->MirrorRows();
  SetSuppressPaint(was);
}

void TNTabEd::Clear() {
  const bool was = FSuppressPaint;
  SetSuppressPaint(true);
  Data->Clear();
  for (int c = 1; c <= NrOfColumns(); ++c) Data->SetColName(c, QStringLiteral("C-") + QString::number(c));
  for (int r = 1; r <= NrOfRows(); ++r) Data->SetRowName(r, QStringLiteral("R-") + QString::number(r));
  std::fill(FDecP.begin(), FDecP.end(), 3);
  SetSuppressPaint(was);
}

// -------------------------------------------------------------------- layout

int TNTabEd::ColWidths(int Index) const {
  if (Index > 0) return Index <= NrOfColumns() ? GridColWidths(Index + FColOffset) : 0;
  if (Index == 0) return GridColWidths(0);
  return FColOffset == 1 ? GridColWidths(1) : 0;
}

void TNTabEd::SetColWidths(int Index, int Value) {
  if (Index > 0) {
    if (Index <= NrOfColumns()) SetGridColWidths(Index + FColOffset, Value);
  } else if (Index == 0) {
    SetGridColWidths(0, Value);
  } else if (FColOffset == 1) {
    SetGridColWidths(1, Value);
    FClassColWidth = Value;
  }
  ChangedLayout();
}

void TNTabEd::SetAttribRowVisible(bool Value) {
  if (Value == (FColOffset == 1)) return;
  if (Value) {
    FColOffset = 1;
    SetColCount(NrOfColumns() + 2);
    for (int c = ColCount() - 1; c >= 2; --c) SetGridColWidths(c, GridColWidths(c - 1));
    SetGridColWidths(1, FClassColWidth);
    SetFixedCols(2);
  } else {
    SetFixedCols(1);
    FColOffset = 0;
    for (int c = 1; c < ColCount() - 1; ++c) SetGridColWidths(c, GridColWidths(c + 1));
    SetColCount(NrOfColumns() + 1);
  }
  ChangedLayout();
}

void TNTabEd::SetAttribColVisible(bool Value) {
  if (Value == (FRowOffset == 1)) return;
  if (Value) {
    FRowOffset = 1;
    SetRowCount(NrOfRows() + 2);
    for (int r = RowCount() - 1; r >= 2; --r) SetRowHeights(r, RowHeights(r - 1));
    SetRowHeights(1, RowHeights(0));
    if (RowCount() > 2) SetFixedRows(2);
  } else {
    SetFixedRows(1);
    FRowOffset = 0;
    for (int r = 1; r < RowCount() - 1; ++r) SetRowHeights(r, RowHeights(r + 1));
    SetRowCount(NrOfRows() + 1);
  }
  ChangedLayout();
}

int TNTabEd::AutoRowHeight(int RowNr, int Addon) {
  const int h = std::max(8, Canvas()->TextHeight(RowHeightSample()) + Addon + 2);
  if (RowNr > 0) {
    if (RowNr <= NrOfRows()) SetRowHeights(RowNr + FRowOffset, h);
  } else if (RowNr == 0) {
    SetRowHeights(0, h);
  } else if (FRowOffset == 1) {
    SetRowHeights(1, h);
  }
  return h;
}

int TNTabEd::AutoColWidth(int ColNr, bool IncludeHeader, int Addon) {
  TCanvas* c = Canvas();
  c->Font()->Assign(Font());
  int w = 0;
  auto measure = [&](const QString& s) { w = std::max(w, c->TextWidth(s)); };
  if (ColNr == -1) {
    measure(IncludeHeader ? QStringLiteral("Attrib") : QStringLiteral("255"));
  } else if (ColNr == 0) {
    measure(QStringLiteral("999:9999"));
    for (int r = 1; r <= NrOfRows(); ++r) measure(RowName(r));
  } else if (ColNr >= 1 && ColNr <= NrOfColumns()) {
    if (IncludeHeader) measure(ColName(ColNr));
    measure(QString::number(ColAttrib(ColNr)));
    for (int r = 1; r <= NrOfRows(); ++r) measure(NTabValueText(Elem(ColNr, r), FNumWidth, Precision(ColNr)));
  }
  w = std::max(4, w + Addon + 8);
  SetColWidths(ColNr, w);
  return w;
}

void TNTabEd::SetDefaultColWidth(int Value) {
  TCustomGrid::SetDefaultColWidth(Value);
  SetGridColWidths(0, kNameColWidth);
  if (FColOffset == 1) SetGridColWidths(1, FClassColWidth);
  ChangedLayout();
}

void TNTabEd::SetLeftCol(int Value) {
  SetGridLeftCol(std::clamp(Value, 1, std::max(1, NrOfColumns())) + FColOffset);
}

void TNTabEd::SetTopRow(int Value) {
  SetGridTopRow(std::clamp(Value, 1, std::max(1, NrOfRows())) + FRowOffset);
  Invalidate();
}

TGridRect TNTabEd::DataSelection() const {
  const TGridRect s = Selection();
  return TGridRect(s.Left - FColOffset, s.Top - FRowOffset, s.Right - FColOffset, s.Bottom - FRowOffset);
}

void TNTabEd::FontChanged() {
  TCustomGrid::FontChanged();
  Canvas()->Font()->Assign(Font());
  Invalidate();
}

// ------------------------------------------------------------ display settings

namespace {

// Stores a changed colour; true when it changed.
bool Store(TColor& Field, TColor Value) {
  if (Field == Value) return false;
  Field = Value;
  return true;
}

}  // namespace

void TNTabEd::SetEmptyMessage(const QString& Value) {
  if (Value == FEmptyMessage) return;
  FEmptyMessage = Value;
  Invalidate();
  ChangedSetup();
}

void TNTabEd::SetColorEmptyMsg(TColor Value) {
  if (!Store(FColorEmptyMsg, Value)) return;
  Invalidate();
  ChangedSetup();
}

void TNTabEd::SetColorBackground(TColor Value) {
  FColorBackground = Value;
  SetColor(Value);
}

void TNTabEd::SetColorFixed(TColor Value) {
  FColorFixed = Value;
  SetFixedColor(Value);
}

#define ORV_NTAB_LAYOUT_COLOUR(Name)    \
  void TNTabEd::Set##Name(TColor Value) { \
    if (!Store(F##Name, Value)) return;   \
    Invalidate();                         \
    ChangedLayout();                      \
  }
ORV_NTAB_LAYOUT_COLOUR(ColorNormal)
ORV_NTAB_LAYOUT_COLOUR(ColorSelected)
ORV_NTAB_LAYOUT_COLOUR(ColorMarkedA)
ORV_NTAB_LAYOUT_COLOUR(ColorMarkedB)
ORV_NTAB_LAYOUT_COLOUR(ColorMarkedBoth)
ORV_NTAB_LAYOUT_COLOUR(ColorRangeSelFG)
ORV_NTAB_LAYOUT_COLOUR(ColorRangeSelBG)
#undef ORV_NTAB_LAYOUT_COLOUR

void TNTabEd::SetBoldMarks(bool Value) {
  FBoldMarks = Value;
  ChangedLayout();
}

void TNTabEd::SetBoldSelHeads(bool Value) {
  FBoldSelHeads = Value;
  ChangedLayout();
}

void TNTabEd::SetNumWidth(int Value) {
  if (Value >= 1 && Value <= 20 && Value != FNumWidth) {
    FNumWidth = Value;
    Invalidate();
  }
  ChangedLayout();
}

void TNTabEd::SetOptimizeRowHeight(bool Value) {
  if (Value == FOptimizeRowHeight) return;
  FOptimizeRowHeight = Value;
  Invalidate();
}

void TNTabEd::SetShowCellCursor(bool Value) {
  if (Value == FShowCellCursor) return;
  FShowCellCursor = Value;
  Invalidate();
}

}  // namespace orv
