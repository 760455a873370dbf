#include "ORV_marksel.h"

namespace orv {

TMarkSel::TMarkSel(TOwnerArg AOwner) : TGraphicControl(AOwner) {
  FMarkVis.fill(true);
  SetInitialSize(236, 178);
}

// ------------------------------------------------------------------ settings

void TMarkSel::SetNrOfColumns(int Value) {
  if (Value < 1 || Value > 51 || Value == FNrOfColumns) return;
  FNrOfColumns = Value;
  updateGeometry();
  Invalidate();
}

void TMarkSel::SetNrOfRows(int Value) {
  if (Value < 1 || Value > 51 || Value == FNrOfRows) return;
  FNrOfRows = Value;
  updateGeometry();
  Invalidate();
}

void TMarkSel::SetSelected(int Value) {
  if (Value < -1 || Value >= NrOfMarkers || Value == FSelected) return;
  FSelected = Value;
  Invalidate();
}

void TMarkSel::SetShowZeroAsCross(bool Value) {
  FShowZeroAsCross = Value;
  Invalidate();
}

void TMarkSel::SetColorField(TColor& Field, TColor Value) {
  if (Value == Field) return;
  Field = Value;
  Invalidate();
}

void TMarkSel::SetFrameStyle(TFrameStyle Value) {
  if (Value == FFrameStyle) return;
  FFrameStyle = Value;
  Invalidate();
}

void TMarkSel::ShowAllMarks() {
  FMarkVis.fill(true);
  Invalidate();
}

void TMarkSel::HideAllMarks() {
  FMarkVis.fill(false);
  FMarkVis[0] = true;
  Invalidate();
}

bool TMarkSel::GetVis(int Index) const {
  return FMarkVis[Index >= 0 && Index < NrOfMarkers ? std::size_t(Index) : 0];
}

void TMarkSel::SetVis(int Index, bool Value) {
  if (Index < 1 || Index >= NrOfMarkers || FMarkVis[std::size_t(Index)] == Value) return;
  FMarkVis[std::size_t(Index)] = Value;
  Invalidate();
}

// ------------------------------------------------------------------ geometry

std::array<TPoint, NrOfMarkers> TMarkSel::MarkCoords() const {
  std::array<TPoint, NrOfMarkers> coords;
  const int dh = CellWidth(), dv = CellHeight();
  int n = 0;
  for (int i = 0; i < NrOfMarkers; ++i) {
    if (!FMarkVis[std::size_t(i)]) {
      coords[std::size_t(i)] = NoPosition;
      continue;
    }
    coords[std::size_t(i)] = TPoint(dh / 2 + dh * (n % FNrOfColumns), dv / 2 + dv * (n / FNrOfColumns));
    ++n;
  }
  return coords;
}

int TMarkSel::NearestMark(int X, int Y) const {
  const auto coords = MarkCoords();
  double best = 1e10;
  int mark = 0;
  for (int i = 0; i < NrOfMarkers; ++i) {
    if (!FMarkVis[std::size_t(i)]) continue;
    const double dx = double(coords[std::size_t(i)].X) - X, dy = double(coords[std::size_t(i)].Y) - Y;
    if (dx * dx + dy * dy < best) {
      best = dx * dx + dy * dy;
      mark = i;
    }
  }
  return mark;
}

TRect TMarkSel::SelectedRect(int Mark) const {
  const TPoint p = MarkCoords()[std::size_t(Mark)];
  const int h = CellWidth() / 2, v = CellHeight() / 2;
  return TRect(p.X - h + 3, p.Y - v + 3, p.X + h + 3, p.Y + v + 3);
}

TRect TMarkSel::HiLiteRect(int Mark) const {
  const TPoint p = MarkCoords()[std::size_t(Mark)];
  const int h = CellWidth() / 2, v = CellHeight() / 2;
  return TRect(p.X - h + 4, p.Y - v + 4, p.X + h + 2, p.Y + v + 2);
}

QSize TMarkSel::minimumSizeHint() const { return QSize(4 + 14 * FNrOfColumns, 4 + 14 * FNrOfRows); }

// ------------------------------------------------------------------ painting

void TMarkSel::DrawMarker(TCanvas* C, int Mark, TPoint At, TColor Pen) const {
  C->Pen()->SetColor(Pen);
  C->Brush()->SetColor(Pen);
  if (Mark == 0 && FShowZeroAsCross) {
    const int dh = CellWidth(), dv = CellHeight();
    C->MoveTo(4, 4);
    C->LineTo(dh + 1, dv + 1);
    C->MoveTo(4, dv);
    C->LineTo(dh + 1, 3);
    return;
  }
  DrawMarkOnCanvas(C, Mark, At.X + 2, At.Y + 2);
}

void TMarkSel::DrawMarks(TBitmap* Bitmap) {
  if (!Bitmap) return;
  const bool enabled = Enabled();
  const TColor marks = enabled ? FColorMarks : clGray;
  const TColor background = enabled ? FColorBackGnd : clSilver;
  const TColor selFG = enabled ? FColorSelFG : clGray;
  const TColor selBG = enabled ? FColorSelBG : TColor(0xDEDEDE);
  TCanvas* c = Bitmap->Canvas();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(background);
  c->FillRect(TRect(0, 0, Bitmap->Width(), Bitmap->Height()));
  c->Pen()->SetStyle(psSolid);
  c->Pen()->SetMode(pmCopy);
  const auto coords = MarkCoords();
  for (int i = 0; i < NrOfMarkers; ++i) {
    if (!FMarkVis[std::size_t(i)]) continue;
    if (i == FSelected) {
      c->Pen()->SetColor(selFG);
      c->Brush()->SetColor(selBG);
      c->Rectangle(SelectedRect(i));
      DrawMarker(c, i, coords[std::size_t(i)], selFG);
    } else {
      DrawMarker(c, i, coords[std::size_t(i)], marks);
    }
  }
  DrawFrame(c, FFrameStyle, 0, 0, Width() - 1, Height() - 1, clWhite, clSilver, clGray, clBlack, marks);
}

void TMarkSel::Paint() {
  if (!StartPaint()) return;
  TBitmap picture(Width(), Height());
  picture.SetDevicePixelRatio(devicePixelRatioF());
  DrawMarks(&picture);
  Canvas()->Draw(0, 0, &picture);
  // The hover highlight stays across repaints while the mouse is on the control.
  if (MouseInControl() && FLastHiLite >= 0) {
    const int mark = FLastHiLite;
    HiLite(mark);
  }
  if (OnPaint) OnPaint(this);
}

void TMarkSel::HiLite(int Mark) {
  if (Mark < 0 || Mark >= NrOfMarkers) return;
  FLastHiLite = Mark;
  if (!FMarkVis[std::size_t(Mark)]) return;
  TCanvas* c = Canvas();
  c->Brush()->SetStyle(bsSolid);
  c->Pen()->SetColor(FColorHiLiteBG);
  c->Brush()->SetColor(FColorHiLiteBG);
  c->Rectangle(HiLiteRect(Mark));
  DrawMarker(c, Mark, MarkCoords()[std::size_t(Mark)], FColorHiLiteSymbol);
}

// In the enabled colours, as the highlight itself.
void TMarkSel::ResetLastHiLite() {
  if (FLastHiLite < 0 || !FMarkVis[std::size_t(FLastHiLite)]) return;
  const bool selected = FLastHiLite == FSelected;
  TCanvas* c = Canvas();
  c->Brush()->SetStyle(bsSolid);
  c->Pen()->SetColor(selected ? FColorSelFG : FColorBackGnd);
  c->Brush()->SetColor(selected ? FColorSelBG : FColorBackGnd);
  c->Rectangle(SelectedRect(FLastHiLite));
  DrawMarker(c, FLastHiLite, MarkCoords()[std::size_t(FLastHiLite)], selected ? FColorSelFG : FColorMarks);
}

// ------------------------------------------------------------------ mouse

void TMarkSel::MouseMove(TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  const int mark = NearestMark(X, Y);
  if (mark == FLastHiLite) return;
  ResetLastHiLite();
  HiLite(mark);
}

void TMarkSel::MouseLeave() {
  TGraphicControl::MouseLeave();
  FLastHiLite = -1;
  Invalidate();
}

void TMarkSel::PickAt(int X, int Y, const TMarkClickEvent& Event) {
  if (X == -1 && Y == -1) return;
  const int mark = NearestMark(X, Y);
  SetSelected(mark);
  if (Event) Event(this, X, Y, mark);
  FLastHiLite = mark;
  Repaint();
  HiLite(mark);
}

void TMarkSel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (Button == mbLeft) PickAt(X, Y, OnMarkClick);
}

void TMarkSel::DblClick() {
  TGraphicControl::DblClick();
  PickAt(LastMousePos().X, LastMousePos().Y, OnMarkDblClick);
}

}  // namespace orv
