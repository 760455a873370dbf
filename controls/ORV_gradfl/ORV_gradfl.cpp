#include "ORV_gradfl.h"

namespace orv {

namespace {

bool IsHorizLayout(TGradType t) { return t == gtHoriz || t == gtMidBandHoriz; }

// Band boundaries: MulDiv(k, Extent, N) for k = 1 .. N - 1.
QList<int> BandBoundaries(int Extent, int N) {
  QList<int> list;
  for (int k = 1; k < N; ++k) list.append(MulDiv(k, Extent, N));
  return list;
}

}  // namespace

TGradFill::TGradFill(TOwnerArg AOwner) : TGraphicControl(AOwner) { SetInitialSize(121, 121); }

QSize TGradFill::minimumSizeHint() const {
  const bool stacked = FGradType == gtHoriz || FGradType == gtMidBandHoriz;
  return stacked ? QSize(1, FNrColors) : QSize(FNrColors, 1);
}

void TGradFill::SetColorFirst(TColor Value) {
  FColorFirst = Value;
  (FColorsFlipped ? FColLastOrg : FColFirstOrg) = Value;
  Invalidate();
}

void TGradFill::SetColorLast(TColor Value) {
  FColorLast = Value;
  (FColorsFlipped ? FColFirstOrg : FColLastOrg) = Value;
  Invalidate();
}

void TGradFill::SetColorFlipped(bool Value) {
  FColorsFlipped = Value;
  FColorFirst = Value ? FColLastOrg : FColFirstOrg;
  FColorLast = Value ? FColFirstOrg : FColLastOrg;
  Invalidate();
}

void TGradFill::SetFillType(TGradType Value) {
  FGradType = Value;
  updateGeometry();
  Invalidate();
}

void TGradFill::SetNrColors(int Value) {
  FNrColors = std::clamp(Value, 1, 255);
  updateGeometry();
  Invalidate();
}

void TGradFill::SetFrameStyle(TFrameStyle Value) {
  FFrameStyle = Value;
  Invalidate();
}

void TGradFill::SetGridMode(TGridMode Value) {
  FGridMode = Value;
  Invalidate();
}

void TGradFill::SetGridColor(TColor Value) {
  FGridColor = Value;
  Invalidate();
}

TRect TGradFill::BandRect(int k) const {
  const int n = FNrColors;
  if (IsHorizLayout(FGradType)) return TRect(0, MulDiv(k, Height(), n), Width(), MulDiv(k + 1, Height(), n));
  return TRect(MulDiv(k, Width(), n), 0, MulDiv(k + 1, Width(), n), Height());
}

TColor TGradFill::BandColor(int k) const {
  const TColor first = ColorToRGB(FColorFirst);
  const int n = FNrColors;
  if (n < 2) return first;
  // Steps taken from the first colour, out of a whole of "steps" steps.
  int step = k, steps = n;
  if (FGradType == gtMidBandHoriz || FGradType == gtMidBandVert) {
    steps = n / 2;
    step = k > steps ? n - k - 1 : k;
  }
  const TColor last = ColorToRGB(FColorLast);
  auto channel = [&](int c0, int c1) { return c0 + MulDiv(step, c1 - c0, steps); };
  return RGB(channel(GetRValue(first), GetRValue(last)), channel(GetGValue(first), GetGValue(last)),
             channel(GetBValue(first), GetBValue(last)));
}

QList<int> TGradFill::GridRows() const {
  return FGridMode == gmHoriz || FGridMode == gmBoth ? BandBoundaries(Height(), FNrColors) : QList<int>();
}

QList<int> TGradFill::GridColumns() const {
  return FGridMode == gmVert || FGridMode == gmBoth ? BandBoundaries(Width(), FNrColors) : QList<int>();
}

void TGradFill::Paint() {
  TCanvas* c = Canvas();
  c->Pen()->SetStyle(psSolid);
  c->Pen()->SetMode(pmCopy);
  c->Brush()->SetStyle(bsSolid);
  for (int k = 0; k < FNrColors; ++k) {
    c->Brush()->SetColor(BandColor(k));
    c->FillRect(BandRect(k));
  }
  c->Brush()->SetColor(FGridColor);
  for (int y : GridRows()) c->FillRect(TRect(0, y, Width(), y + 1));
  for (int x : GridColumns()) c->FillRect(TRect(x, 0, x + 1, Height()));
  DrawFrame(c, FFrameStyle, 0, 0, Width() - 1, Height() - 1, clWhite, clSilver, clGray, clBlack, clBlack);
  if (OnPaint) OnPaint(this);
}

}  // namespace orv
