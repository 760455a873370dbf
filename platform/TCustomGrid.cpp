// TCustomGrid: structure, scrolling, current cell and geometry. Painting is in
// TCustomGridPaint.cpp, mouse and keys in TCustomGridInput.cpp, the in-place
// editor in TCustomGridEdit.cpp.
#include "OrvTCustomGrid.h"

#include "OrvTInplaceEdit.h"

#include <QScrollBar>
#include <QSignalBlocker>

#include <utility>

namespace orv {

TCustomGrid::TCustomGrid(TOwnerArg AOwner)
    : TCustomControl(AOwner), FVScroll(new QScrollBar(Qt::Vertical, this)), FHScroll(new QScrollBar(Qt::Horizontal, this)) {
  FOptions = {goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
  FCols.SetDefaultSize(64);
  FRows.SetDefaultSize(24);
  FCurrent = FAnchor = TGridCoord(1, 1);
  SetColor(clWindow);
  for (QScrollBar* bar : {FVScroll, FHScroll}) {
    bar->setFocusPolicy(Qt::NoFocus);
    bar->setTracking(false);
    bar->setSingleStep(1);
    bar->hide();
  }
  connect(FVScroll, &QScrollBar::valueChanged, this, [this](int v) { ScrollTo(GridLeftCol(), v); });
  connect(FHScroll, &QScrollBar::valueChanged, this, [this](int v) { ScrollTo(v, GridTopRow()); });
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  SetInitialSize(320, 120);
  LayoutChanged();
}

QSize TCustomGrid::minimumSizeHint() const {
  const int border = 2 * BorderWidth();
  return QSize(border + FVScroll->sizeHint().width() + FHScroll->minimumSizeHint().width(),
               border + FHScroll->sizeHint().height() + FVScroll->minimumSizeHint().height());
}

// The editor goes first, while the grid it reports to is still whole.
TCustomGrid::~TCustomGrid() {
  FEditorMode = false;
  delete std::exchange(FInplaceEdit, nullptr);
}

// ------------------------------------------------------------------ structure

void TCustomGrid::SetColCount(int Value) {
  if (Value == ColCount()) return;
  FCols.SetCount(Value);
  ClampCurrent();
  LayoutChanged();
}

void TCustomGrid::SetRowCount(int Value) {
  if (Value == RowCount()) return;
  FRows.SetCount(Value);
  ClampCurrent();
  LayoutChanged();
}

void TCustomGrid::SetFixedCols(int Value) {
  if (Value == FixedCols()) return;
  FCols.SetFixed(Value);
  ClampCurrent();
  LayoutChanged();
}

void TCustomGrid::SetFixedRows(int Value) {
  if (Value == FixedRows()) return;
  FRows.SetFixed(Value);
  ClampCurrent();
  LayoutChanged();
}

void TCustomGrid::SetDefaultColWidth(int Value) {
  FCols.SetDefaultSize(Value);
  ColWidthsChanged();
  LayoutChanged();
}

void TCustomGrid::SetDefaultRowHeight(int Value) {
  FRows.SetDefaultSize(Value);
  RowHeightsChanged();
  LayoutChanged();
}

void TCustomGrid::SetGridColWidths(int Index, int Value) {
  if (Index < 0 || Index >= ColCount() || Value == GridColWidths(Index)) return;
  FCols.SetSize(Index, Value);
  ColWidthsChanged();
  LayoutChanged();
}

void TCustomGrid::SetRowHeights(int Index, int Value) {
  if (Index < 0 || Index >= RowCount() || Value == RowHeights(Index)) return;
  FRows.SetSize(Index, Value);
  RowHeightsChanged();
  LayoutChanged();
}

void TCustomGrid::SetGridLineWidth(int Value) {
  Value = std::max(0, Value);
  if (Value == FGridLineWidth) return;
  FGridLineWidth = Value;
  UpdateLineWidths();
  LayoutChanged();
}

void TCustomGrid::UpdateLineWidths() {
  const bool vert = FOptions.Contains(goFixedVertLine) || FOptions.Contains(goVertLine);
  const bool horz = FOptions.Contains(goFixedHorzLine) || FOptions.Contains(goHorzLine);
  FCols.SetLineWidth(vert ? FGridLineWidth : 0);
  FRows.SetLineWidth(horz ? FGridLineWidth : 0);
}

void TCustomGrid::SetOptions(TGridOptions Value) {
  if (Value == FOptions) return;
  const bool tabsChanged = Value.Contains(goTabs) != FOptions.Contains(goTabs);
  FOptions = Value;
  if (!FOptions.Contains(goRangeSelect)) FAnchor = FCurrent;
  if (tabsChanged) SetWantTabs(FOptions.Contains(goTabs));
  for (QScrollBar* bar : {FVScroll, FHScroll}) bar->setTracking(FOptions.Contains(goThumbTracking));
  if (FEditorMode && !CanEditShow()) HideEditor();
  UpdateLineWidths();
  LayoutChanged();
  if (FOptions.Contains(goAlwaysShowEditor) && IsActiveControl()) ShowEditor();
}

void TCustomGrid::SetFixedColor(TColor Value) {
  if (Value == FFixedColor) return;
  FFixedColor = Value;
  Invalidate();
}

void TCustomGrid::SetGridLineColor(TColor Value) {
  if (Value == FGridLineColor) return;
  FGridLineColor = Value;
  Invalidate();
}

void TCustomGrid::SetFixedLineColor(TColor Value) {
  if (Value == FFixedLineColor) return;
  FFixedLineColor = Value;
  Invalidate();
}

void TCustomGrid::SetDefaultDrawing(bool Value) {
  if (Value == FDefaultDrawing) return;
  FDefaultDrawing = Value;
  Invalidate();
}

void TCustomGrid::SetScrollBars(TScrollStyle Value) {
  if (Value == FScrollBars) return;
  FScrollBars = Value;
  LayoutChanged();
}

void TCustomGrid::SetBorderStyle(TBorderStyle Value) {
  if (Value == FBorderStyle) return;
  FBorderStyle = Value;
  LayoutChanged();
}

void TCustomGrid::ClampCurrent() {
  auto clamp = [this](TGridCoord& c) {
    c.X = std::clamp(c.X, FixedCols(), ColCount() - 1);
    c.Y = std::clamp(c.Y, FixedRows(), RowCount() - 1);
  };
  clamp(FCurrent);
  clamp(FAnchor);
  if (FEditorMode && !(FEditCell == FCurrent)) HideEditor();
}

// ------------------------------------------------------------------ scrolling

int TCustomGrid::AreaWidth(bool VBar) const {
  return std::max(0, width() - 2 * BorderWidth() - (VBar ? FVScroll->sizeHint().width() : 0));
}

int TCustomGrid::AreaHeight(bool HBar) const {
  return std::max(0, height() - 2 * BorderWidth() - (HBar ? FHScroll->sizeHint().height() : 0));
}

TCustomGrid::TBars TCustomGrid::BarsNeeded() const {
  auto& c = FBarsCache;
  if (c.Width == width() && c.Height == height() && c.Generation == FLayoutGeneration) return c.Bars;
  const bool wantV = FScrollBars == ssVertical || FScrollBars == ssBoth;
  const bool wantH = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
  // Each bar takes room from the other direction, so decide twice.
  TBars b;
  for (int pass = 0; pass < 2; ++pass) {
    b.V = wantV && FRows.MaxFirst(AreaHeight(b.H)) > FixedRows();
    b.H = wantH && FCols.MaxFirst(AreaWidth(b.V)) > FixedCols();
  }
  c = {width(), height(), FLayoutGeneration, b};
  return b;
}

TRect TCustomGrid::CellArea() const {
  const int b = BorderWidth();
  const TBars bars = BarsNeeded();
  return TRect(b, b, b + AreaWidth(bars.V), b + AreaHeight(bars.H));
}

void TCustomGrid::UpdateScrollBars() {
  const TBars bars = BarsNeeded();
  const int b = BorderWidth();
  FVScroll->setVisible(bars.V);
  FHScroll->setVisible(bars.H);
  if (bars.V) FVScroll->setGeometry(b + AreaWidth(true), b, FVScroll->sizeHint().width(), AreaHeight(bars.H));
  if (bars.H) FHScroll->setGeometry(b, b + AreaHeight(true), AreaWidth(bars.V), FHScroll->sizeHint().height());
}

void TCustomGrid::LayoutChanged() {
  ++FLayoutGeneration;
  UpdateScrollBars();
  const TRect area = CellArea();
  const int oldLeft = GridLeftCol(), oldTop = GridTopRow();
  FCols.SetFirst(std::min(GridLeftCol(), FCols.MaxFirst(area.Width())));
  FRows.SetFirst(std::min(GridTopRow(), FRows.MaxFirst(area.Height())));
  {
    const QSignalBlocker bv(FVScroll), bh(FHScroll);
    FVScroll->setRange(FixedRows(), FRows.MaxFirst(area.Height()));
    FVScroll->setPageStep(std::max(1, VisibleRowCount()));
    FVScroll->setValue(GridTopRow());
    FHScroll->setRange(FixedCols(), FCols.MaxFirst(area.Width()));
    FHScroll->setPageStep(std::max(1, VisibleColCount()));
    FHScroll->setValue(GridLeftCol());
  }
  PlaceEditor();
  Invalidate();
  if (oldLeft != GridLeftCol() || oldTop != GridTopRow()) TopLeftChanged();
}

void TCustomGrid::ScrollTo(int ALeft, int ATop) {
  const TRect area = CellArea();
  ALeft = std::clamp(ALeft, FixedCols(), FCols.MaxFirst(area.Width()));
  ATop = std::clamp(ATop, FixedRows(), FRows.MaxFirst(area.Height()));
  if (ALeft == GridLeftCol() && ATop == GridTopRow()) return;
  FCols.SetFirst(ALeft);
  FRows.SetFirst(ATop);
  {
    const QSignalBlocker bv(FVScroll), bh(FHScroll);
    FVScroll->setValue(GridTopRow());
    FVScroll->setPageStep(std::max(1, VisibleRowCount()));
    FHScroll->setValue(GridLeftCol());
    FHScroll->setPageStep(std::max(1, VisibleColCount()));
  }
  PlaceEditor();
  Invalidate();
  TopLeftChanged();
}

void TCustomGrid::SetGridTopRow(int Value) { ScrollTo(GridLeftCol(), Value); }
void TCustomGrid::SetGridLeftCol(int Value) { ScrollTo(Value, GridTopRow()); }

int TCustomGrid::VisibleRowCount() const { return FRows.FullyShownCount(CellArea().Height()); }
int TCustomGrid::VisibleColCount() const { return FCols.FullyShownCount(CellArea().Width()); }

void TCustomGrid::ScrollIntoView(TGridCoord Cell) {
  const TRect area = CellArea();
  int top = GridTopRow(), left = GridLeftCol();
  if (Cell.Y < top)
    top = Cell.Y;
  else
    top = std::max(top, FRows.FirstToShow(Cell.Y, area.Height()));
  if (!FOptions.Contains(goRowSelect)) {
    if (Cell.X < left)
      left = Cell.X;
    else
      left = std::max(left, FCols.FirstToShow(Cell.X, area.Width()));
  }
  ScrollTo(left, top);
}

void TCustomGrid::Resize() {
  LayoutChanged();
  TCustomControl::Resize();
}

void TCustomGrid::FontChanged() {
  TCustomControl::FontChanged();
  if (FInplaceEdit) FInplaceEdit->setFont(font());
}

// ------------------------------------------------------- current and selection

void TCustomGrid::SetCol(int Value) {
  if (Value != Col()) MoveColRow(Value, Row(), true, true);
}

void TCustomGrid::SetRow(int Value) {
  if (Value != Row()) MoveColRow(Col(), Value, true, true);
}

TGridRect TCustomGrid::Selection() const {
  TGridRect r = GridRect(FCurrent, FAnchor);
  if (FOptions.Contains(goRowSelect)) {
    r.Left = FixedCols();
    r.Right = ColCount() - 1;
  }
  return r;
}

void TCustomGrid::SetSelection(const TGridRect& Value) {
  FCurrent = TGridCoord(Value.Left, Value.Top);
  FAnchor = TGridCoord(Value.Right, Value.Bottom);
  ClampCurrent();
  Invalidate();
}

bool TCustomGrid::MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show) {
  const TGridCoord cell(std::clamp(ACol, FixedCols(), ColCount() - 1), std::clamp(ARow, FixedRows(), RowCount() - 1));
  if (!(cell == FCurrent)) {
    if (!SelectCell(cell.X, cell.Y)) return false;
    if (FEditorMode) HideEditor();
    FCurrent = cell;
  }
  if (MoveAnchor || !FOptions.Contains(goRangeSelect)) FAnchor = FCurrent;
  if (Show) ScrollIntoView(FCurrent);
  Invalidate();
  if (FOptions.Contains(goAlwaysShowEditor) && IsActiveControl()) ShowEditor();
  return true;
}

// ------------------------------------------------------------------- geometry

TRect TCustomGrid::CellRect(int ACol, int ARow) const {
  if (!FCols.IsShown(ACol) || !FRows.IsShown(ARow) || GridColWidths(ACol) < 0 || RowHeights(ARow) < 0) return TRect();
  const TRect area = CellArea();
  const qint64 x = FCols.Position(ACol), y = FRows.Position(ARow);
  if (x >= area.Width() || y >= area.Height()) return TRect();
  const int left = area.Left + int(x), top = area.Top + int(y);
  return TRect(left, top, left + GridColWidths(ACol), top + RowHeights(ARow));
}

TGridCoord TCustomGrid::MouseCoord(int X, int Y) const {
  const TRect area = CellArea();
  auto coord = [](const TGridAxis& Axis, int Pos, int Extent) {
    if (Pos < 0 || Pos >= Extent) return -1;
    const int i = Axis.IndexAtPosition(Pos);
    return i < Axis.Count() ? i : -1;
  };
  return TGridCoord(coord(FCols, X - area.Left, area.Width()), coord(FRows, Y - area.Top, area.Height()));
}

void TCustomGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const {
  const TGridCoord c = MouseCoord(X, Y);
  ACol = c.X;
  ARow = c.Y;
}

namespace {

// Where the cells of an axis end in a view of Extent pixels.
int AxisEnd(const TGridAxis& Axis, int Extent) {
  const int last = Axis.LastShown(Extent);
  if (last < 0) return 0;
  return int(std::min<qint64>(Extent, Axis.Position(last) + Axis.Extent(last)));
}

// The cell whose trailing border is within reach of Pos (a few pixels either
// side of its line), or -1.
int BorderAt(const TGridAxis& Axis, int Pos) {
  constexpr int kReach = 3;
  int cell = Axis.IndexAtPosition(Pos);
  if (cell < 0) return -1;
  if (cell >= Axis.Count()) {
    cell = Axis.Count() - 1;
  } else if (Pos < Axis.Position(cell) + kReach && Axis.Position(cell) > 0) {
    cell = Axis.IndexAtPosition(int(Axis.Position(cell)) - 1);
  }
  if (cell < 0 || !Axis.IsShown(cell) || Axis.Size(cell) < 0) return -1;
  const qint64 edge = Axis.Position(cell) + Axis.Size(cell);
  return Pos >= edge - kReach && Pos < edge + Axis.LineWidth() + kReach ? cell : -1;
}

}  // namespace

int TCustomGrid::GridWidth() const {
  const TRect area = CellArea();
  return area.Left + AxisEnd(FCols, area.Width());
}

int TCustomGrid::GridHeight() const {
  const TRect area = CellArea();
  return area.Top + AxisEnd(FRows, area.Height());
}

int TCustomGrid::SizingColAt(int X, int Y) const {
  const TRect area = CellArea();
  if (!FOptions.Contains(goColSizing) || !area.Contains(TPoint(X, Y)) || Y - area.Top >= FRows.FixedExtent()) return -1;
  return BorderAt(FCols, X - area.Left);
}

int TCustomGrid::SizingRowAt(int X, int Y) const {
  const TRect area = CellArea();
  if (!FOptions.Contains(goRowSizing) || !area.Contains(TPoint(X, Y)) || X - area.Left >= FCols.FixedExtent()) return -1;
  return BorderAt(FRows, Y - area.Top);
}

bool TCustomGrid::IsActiveControl() const {
  return hasFocus() || (FInplaceEdit && FInplaceEdit->hasFocus());
}

// -------------------------------------------------------------- virtual hooks

void TCustomGrid::DrawCell(int, int, const TRect&, TGridDrawState) {}
bool TCustomGrid::SelectCell(int, int) { return true; }
QString TCustomGrid::GetEditText(int, int) { return QString(); }
void TCustomGrid::SetEditText(int, int, const QString&) {}
TEditStyle TCustomGrid::GetEditStyle(int, int) { return esSimple; }
void TCustomGrid::TopLeftChanged() {}
void TCustomGrid::ColWidthsChanged() {}
void TCustomGrid::RowHeightsChanged() {}

}  // namespace orv
