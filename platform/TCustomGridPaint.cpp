// TCustomGrid: painting the cells in view.
#include "OrvTCustomGrid.h"

#include <vector>

namespace orv {

namespace {

struct Band {
  int Index;
  int Pos;  // client coordinate of the leading edge
  int Size;
};

// The cells of an axis in a view of Extent pixels starting at Origin: the
// fixed ones, then the scrolling ones from First on; hidden cells left out.
std::vector<Band> BandsInView(const TGridAxis& Axis, int Origin, int Extent) {
  std::vector<Band> bands;
  const int last = Axis.LastShown(Extent);
  auto add = [&](int i) {
    if (Axis.Size(i) >= 0) bands.push_back(Band{i, Origin + int(Axis.Position(i)), Axis.Size(i)});
  };
  for (int i = 0; i < Axis.Fixed() && i <= last; ++i) add(i);
  for (int i = Axis.First(); i <= last; ++i) add(i);
  return bands;
}

}  // namespace

TGridDrawState TCustomGrid::DrawStateOf(int ACol, int ARow) const {
  TGridDrawState s;
  if (ACol < FixedCols() || ARow < FixedRows()) {
    s.Include(gdFixed);
    return s;
  }
  if (ACol == FCurrent.X && ARow == FCurrent.Y && IsActiveControl()) s.Include(gdFocused);
  if (Selection().Contains(ACol, ARow)) s.Include(gdSelected);
  return s;
}

void TCustomGrid::PrepareCanvas(TCanvas* C, TGridDrawState State) {
  C->Font()->Assign(Font());
  C->Pen()->SetStyle(psSolid);
  C->Pen()->SetMode(pmCopy);
  C->Pen()->SetWidth(1);
  C->Pen()->SetColor(clBlack);
  C->Brush()->SetStyle(bsSolid);
  const bool highlight = State.Contains(gdSelected) &&
                         (!State.Contains(gdFocused) || FOptions.Contains(goDrawFocusSelected) || FOptions.Contains(goRowSelect));
  if (State.Contains(gdFixed)) {
    C->Brush()->SetColor(FFixedColor);
  } else if (highlight) {
    C->Brush()->SetColor(clHighlight);
    C->Font()->SetColor(clHighlightText);
  } else {
    C->Brush()->SetColor(Color());
  }
}

// The lines after a cell: right of it and below it, each over the crossing.
void TCustomGrid::PaintLines(TCanvas* C, const TRect& R, bool Fixed) {
  const int lw = FCols.LineWidth(), lh = FRows.LineWidth();
  C->Brush()->SetStyle(bsSolid);
  C->Brush()->SetColor(Fixed ? FFixedLineColor : FGridLineColor);
  if (lw > 0 && FOptions.Contains(Fixed ? goFixedVertLine : goVertLine))
    C->FillRect(TRect(R.Right, R.Top, R.Right + lw, R.Bottom + lh));
  if (lh > 0 && FOptions.Contains(Fixed ? goFixedHorzLine : goHorzLine))
    C->FillRect(TRect(R.Left, R.Bottom, R.Right + lw, R.Bottom + lh));
}

void TCustomGrid::PaintFocusRect(TCanvas* C) {
  TRect r;
  if (FOptions.Contains(goRowSelect)) {
    const TRect cell = CellRect(GridLeftCol(), FCurrent.Y);
    if (cell.IsEmpty()) return;
    r = TRect(CellArea().Left + FCols.FixedExtent(), cell.Top, GridWidth() - FCols.LineWidth(), cell.Bottom);
  } else {
    r = CellRect(FCurrent.X, FCurrent.Y);
  }
  if (r.IsEmpty()) return;
  C->Brush()->SetStyle(bsClear);
  C->Pen()->SetStyle(psDot);
  C->Pen()->SetColor(clWindowText);
  C->Rectangle(r);
  C->Pen()->SetStyle(psSolid);
  C->Brush()->SetStyle(bsSolid);
}

void TCustomGrid::Paint() {
  TCanvas* c = Canvas();
  const TRect area = CellArea();
  c->SetClipRect(TRect());
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(Color());
  c->FillRect(ClientRect());

  const std::vector<Band> cols = BandsInView(FCols, area.Left, area.Width());
  const std::vector<Band> rows = BandsInView(FRows, area.Top, area.Height());
  c->SetClipRect(area);
  for (const Band& row : rows)
    for (const Band& col : cols)
      PaintLines(c, TRect(col.Pos, row.Pos, col.Pos + col.Size, row.Pos + row.Size),
                 col.Index < FixedCols() || row.Index < FixedRows());
  for (const Band& row : rows) {
    for (const Band& col : cols) {
      const TRect r(col.Pos, row.Pos, col.Pos + col.Size, row.Pos + row.Size);
      const TGridDrawState state = DrawStateOf(col.Index, row.Index);
      PrepareCanvas(c, state);
      c->SetClipRect(area);
      if (FDefaultDrawing) c->FillRect(r);
      DrawCell(col.Index, row.Index, r, state);
    }
  }
  c->SetClipRect(area);
  if (FDefaultDrawing && IsActiveControl() && !FEditorMode) PaintFocusRect(c);
  c->SetClipRect(TRect());

  if (const TBars bars = BarsNeeded(); bars.V && bars.H) {
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(TRect(area.Right, area.Bottom, width() - BorderWidth(), height() - BorderWidth()));
  }
  if (FBorderStyle == bsSingle) {
    c->Brush()->SetColor(clBtnShadow);
    c->FrameRect(ClientRect());
  }
}

}  // namespace orv
