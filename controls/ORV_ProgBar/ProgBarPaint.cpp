// TProgBar geometry, painting and the value text.
#include "ORV_ProgBar.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace orv {

namespace {

int Round(double x) { return int(std::lrint(x)); }

// Scientific notation with three mantissa decimals and an exponent of
// ExpDigits digits after its sign; an exponent that needs more digits turns
// every character into '*' when Strict.
QString Scientific(double v, int ExpDigits, bool Strict) {
  const QString text = QString::number(v, 'E', 3);
  const qsizetype e = text.indexOf(QLatin1Char('E'));
  if (e < 0) return text;  // nan, inf
  const QString digits = text.mid(e + 2);
  if (Strict && digits.size() > ExpDigits) return QString(text.size(), QLatin1Char('*'));
  return text.left(e + 2) + digits.rightJustified(ExpDigits, QLatin1Char('0'));
}

}  // namespace

// ------------------------------------------------------------------ geometry

TRect TProgBar::InnerRect() const {
  return TRect(FMarginLeft, FMarginTop, Width() - FMarginRight, Height() - FMarginBottom);
}

bool TProgBar::GrowsVertically() const { return FDirection == dirUp || FDirection == dirDown; }

int TProgBar::BarLength() const {
  if (FMax == FMin) return 0;
  const double q = (FValue - FMin) / (FMax - FMin);
  if (std::isnan(q)) return 0;
  const TRect r = InnerRect();
  const int extent = GrowsVertically() ? r.Height() : r.Width();
  // A bar far beyond the control is clipped anyway; the limit keeps the
  // arithmetic in range.
  const double limit = 1 << 24;
  return Round(std::clamp(extent * q, -limit, limit));
}

TRect TProgBar::BarRect() const {
  const int len = BarLength();
  if (len <= 0) return TRect();
  const TRect r = InnerRect();
  switch (FDirection) {
    case dirUp: return TRect(r.Left, r.Bottom - len, r.Right, r.Bottom);
    case dirDown: return TRect(r.Left, r.Top, r.Right, r.Top + len);
    case dirLeft: return TRect(r.Right - len, r.Top, r.Right, r.Bottom);
    case dirRight: break;
  }
  return TRect(r.Left, r.Top, r.Left + len, r.Bottom);
}

int TProgBar::LineOrigin() const {
  const TRect r = InnerRect();
  switch (FDirection) {
    case dirUp: return r.Bottom - 1;
    case dirDown: return r.Top;
    case dirLeft: return r.Right - 1;
    case dirRight: break;
  }
  return r.Left;
}

int TProgBar::LineStep() const { return FDirection == dirUp || FDirection == dirLeft ? -1 : 1; }

// The range of f whose line Origin + Step * f lies inside the control.
int TProgBar::FirstVisibleLine() const {
  const int size = GrowsVertically() ? Height() : Width();
  return std::max(0, LineStep() > 0 ? -LineOrigin() : LineOrigin() - size + 1);
}

int TProgBar::LastVisibleLine() const {
  const int size = GrowsVertically() ? Height() : Width();
  return LineStep() > 0 ? size - 1 - LineOrigin() : LineOrigin();
}

// One pixel line of the bar across the inner area, at Pos along Direction.
TRect TProgBar::LineRect(int Pos) const {
  const TRect r = InnerRect();
  return GrowsVertically() ? TRect(r.Left, Pos, r.Right, Pos + 1) : TRect(Pos, r.Top, Pos + 1, r.Bottom);
}

int TProgBar::ColorIndex(int f, int Length, int Extent) const {
  const double e = std::max(Extent, 1), l = std::max(Length, 1);
  int k = 0;
  switch (FColorMapMode) {
    case cgmCover: k = Round(1023 * f / e); break;
    case cgmStretch: k = Round(1023 * f / l); break;
    case cgmMove: k = Round(1023 * f / e) - Round(1023 * (l - 1) / e) + 1023; break;
  }
  return std::clamp(k, 0, ColorTableSize - 1);
}

QString TProgBar::ValueText() const {
  if (FTextDecPlaces >= 0) return QString::number(FValue, 'f', FTextDecPlaces);
  return FTextDecPlaces == -1 ? Scientific(FValue, 2, true) : Scientific(FValue, 4, false);
}

TPoint TProgBar::TextOrigin(int TextWidth, int TextHeight) const {
  const double a = FTextAngle * std::numbers::pi / 180, s = std::sin(a), c = std::cos(a);
  const int h2 = TextHeight / 2, m = TextWidth / 2;
  double dx = -h2 * s, dy = -h2 * c;
  if (FTextAlignment == taRightJustify) {
    dx -= 2 * m * c;
    dy += 2 * m * s;
  } else if (FTextAlignment == taCenter) {
    dx -= m * c;
    dy += m * s;
  }
  return TPoint(FTextPosX + Round(dx), FTextPosY + Round(dy));
}

// ------------------------------------------------------------------ painting

void TProgBar::Paint() {
  if (!StartPaint()) return;
  TCanvas* c = Canvas();
  c->Pen()->SetMode(pmCopy);
  c->Pen()->SetStyle(psSolid);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(FColorMargin);
  c->FillRect(ClientRect());
  c->Brush()->SetColor(FColorBackGnd);
  c->FillRect(InnerRect());
  if (!FBackGroundImg.isEmpty()) c->StretchDraw(InnerRect(), &FBackGround);
  PaintBar(c);
  PaintGrid(c);
  PaintFrame(c, FFrameStyleInner, InnerRect());
  PaintFrame(c, FFrameStyleOuter, ClientRect());
  if (FTextVisible) PaintText(c);
}

void TProgBar::PaintBar(TCanvas* c) {
  const int len = BarLength();
  if (len <= 0) return;
  if (!FShowColorGradient) {
    c->Brush()->SetColor(FColorMin);
    c->FillRect(BarRect());
    return;
  }
  const TRect r = InnerRect();
  const int extent = GrowsVertically() ? r.Height() : r.Width();
  const int origin = LineOrigin(), step = LineStep();
  // Only the lines inside the control; runs of one colour in one rectangle.
  // The lines are many: they go to the pixels in one batch.
  std::vector<TCanvas::TFilledRect> runs;
  const int fFirst = FirstVisibleLine(), fLast = std::min(len - 1, LastVisibleLine());
  for (int f = fFirst; f <= fLast;) {
    const int k = ColorIndex(f, len, extent);
    int g = f + 1;
    while (g <= fLast && ColorIndex(g, len, extent) == k) ++g;
    const QRect run = QRect(LineRect(origin + step * f)) | QRect(LineRect(origin + step * (g - 1)));
    runs.push_back({TRect(run), FBarColorArray[std::size_t(k)]});
    f = g;
  }
  c->FillRects(runs);
}

// Lines every GridDist pixels from the bar's origin to its tip; growing
// sideways the last one may sit on the first pixel past the tip.
void TProgBar::PaintGrid(TCanvas* c) {
  if (FGridDist <= 1) return;
  const int len = BarLength();
  const int last = std::min(GrowsVertically() ? len - 1 : len, LastVisibleLine());
  const int first = (FirstVisibleLine() + FGridDist - 1) / FGridDist * FGridDist;
  c->Brush()->SetColor(FColorGrid);
  for (int f = first; f <= last; f += FGridDist) c->FillRect(LineRect(LineOrigin() + LineStep() * f));
}

// The inner and outer frames, in the scheme's light and dark colours and black.
void TProgBar::PaintFrame(TCanvas* c, TFrameStyle Style, const TRect& R) {
  if (Style == fsNone) return;
  const int l = R.Left, t = R.Top, r = R.Right, b = R.Bottom;
  // The outline of the rectangle (x1, y1, x2, y2), as the canvas's Rectangle
  // with a clear brush draws it.
  auto rectangle = [c](TColor Color, int x1, int y1, int x2, int y2) {
    c->Pen()->SetColor(Color);
    c->Polyline({TPoint(x1, y1), TPoint(x2 - 1, y1), TPoint(x2 - 1, y2 - 1), TPoint(x1, y2 - 1), TPoint(x1, y1)});
  };
  auto bevel = [&](TColor UpperLeft, TColor LowerRight) {
    c->Pen()->SetColor(UpperLeft);
    c->Polyline({TPoint(l + 1, b - 3), TPoint(l + 1, t + 1), TPoint(r - 1, t + 1)});
    c->Pen()->SetColor(LowerRight);
    c->Polyline({TPoint(l + 1, b - 1), TPoint(r - 1, b - 1), TPoint(r - 1, t)});
    rectangle(FColGrayLine, l, t, r - 1, b - 1);
  };
  switch (Style) {
    case fsSimple: rectangle(FColGrayLine, l, t, r, b); break;
    case fsSunken: bevel(FColBlackLine, FColWhiteLine); break;
    case fsRaised: bevel(FColWhiteLine, FColBlackLine); break;
    case fsEtched:
      rectangle(FColGrayLine, l + 1, t + 1, r, b);
      rectangle(FColWhiteLine, l, t, r - 1, b - 1);
      break;
    default:
      rectangle(FColWhiteLine, l + 1, t + 1, r, b);
      rectangle(FColGrayLine, l, t, r - 1, b - 1);
      break;
  }
  if (Style != fsSimple) {
    c->Brush()->SetColor(FColorMargin);
    c->FillRect(TRect(l, b - 1, l + 1, b));
    c->FillRect(TRect(r - 1, t, r, t + 1));
  }
}

void TProgBar::PaintText(TCanvas* c) {
  c->Font()->Assign(Font());
  c->Font()->SetOrientation(FTextAngle * 10);
  c->Brush()->SetStyle(bsClear);
  QString text = ValueText();
  if (OnShowValue) OnShowValue(this, text);
  const TPoint p = TextOrigin(c->TextWidth(text), c->TextHeight(text));
  c->TextOut(p.X, p.Y, text);
  c->Brush()->SetStyle(bsSolid);
}

}  // namespace orv
