// TMeter: the drawing steps of the painting pipeline.
#include "OrvTMeter.h"

#include <cmath>
#include <numbers>

namespace orv {

namespace {

int Round(double x) { return int(std::lrint(x)); }

double Radians(double Degrees) { return Degrees * std::numbers::pi / 180; }

// A one-pixel solid pen of the colour, whatever a handler left behind.
void SetPen(TCanvas* c, TColor Color) {
  TPen* p = c->Pen();
  p->SetColor(Color);
  p->SetWidth(1);
  p->SetStyle(psSolid);
  p->SetMode(pmCopy);
}

// Pen and solid brush of one colour.
void SetFill(TCanvas* c, TColor Color) {
  SetPen(c, Color);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(Color);
}

}  // namespace

// Background, bands, scale and caption.
void TMeter::PaintDial(TCanvas* c) {
  PaintBackground(c);
  if (FScaleBkVisible) PaintBands(c);
  c->Brush()->SetStyle(bsClear);
  if (FScaleVisible) PaintScale(c);
  PaintCaption(c);
}

void TMeter::PaintBackground(TCanvas* c) {
  const int w = Width(), h = Height();
  if (FBackGroundImg.isEmpty()) {
    c->Font()->Assign(Font());
    SetFill(c, FColorBakG);
    c->Rectangle(0, 0, w, h);
    return;
  }
  switch (FBkgndFillMode) {
    case bfNatural:
      c->Rectangle(0, 0, w, h);  // the fresh canvas's black pen and white brush
      c->Draw(0, 0, &FBackGround);
      break;
    case bfStretch:
      c->StretchDraw(ClientRect(), &FBackGround, true);
      break;
    case bfTile: {
      const int pw = FBackGround.Width(), ph = FBackGround.Height();
      if (pw <= 0 || ph <= 0) break;
      for (int i = 1; i <= (w - 1) / pw + 1; ++i)
        for (int j = 1; j <= (h - 1) / ph + 1; ++j) c->Draw(pw * (i - 1), ph * (j - 1), &FBackGround);
      break;
    }
  }
}

// Three pie slices of radius R + 4, then a disc in the dial colour leaving a
// ring ScaleBkWidth percent of R wide.
void TMeter::PaintBands(TCanvas* c) {
  const TMeterGeometry& g = FGeometry;
  const int cx = g.CenterX, cy = g.CenterY, ro = Round(g.Radius + 4);
  auto slice = [&](TColor Color, double From, double To) {
    if (std::abs(Radians(From - To)) <= 1e-6) return;
    SetFill(c, Color);
    const TPoint a = g.PointAt(From, g.Radius), b = g.PointAt(To, g.Radius);
    c->Pie(cx - ro, cy - ro, cx + ro + 1, cy + ro, a.X, a.Y, b.X, b.Y);
  };
  const double low = ValueAngle(FThresholdLow), high = ValueAngle(FThresholdHigh);
  slice(FColorSclBkLow, low, g.MinEndAngle());
  slice(FColorSclBkNorm, high, low);
  slice(FColorSclBkHigh, g.MaxEndAngle(), high);
  const int ri = Round((100 - FScaleBkWidth) * g.Radius / 100);
  SetFill(c, FColorBakG);
  c->Ellipse(cx - ri, cy - ri, cx + ri + 1, cy + ri);
}

void TMeter::PaintScale(TCanvas* c) {
  const TMeterGeometry& g = FGeometry;
  SetPen(c, FColorScale);
  c->Brush()->SetStyle(bsClear);
  if (FMeterScaleLine) {
    const int r = Round(g.Radius);
    const TPoint from = g.PointAt(g.MaxEndAngle(), g.Radius), to = g.PointAt(g.MinEndAngle(), g.Radius);
    c->Arc(g.CenterX - r, g.CenterY - r, g.CenterX + r + 1, g.CenterY + r, from.X, from.Y, to.X, to.Y);
  }
  auto tick = [&](double V, int Length) {
    const auto [outer, inner] = TickLine(V, Length);
    c->MoveTo(outer.X, outer.Y);
    c->LineTo(inner.X, inner.Y);
  };
  const TScaleMarks marks = Marks();
  for (double v : marks.Minor) tick(v, 4);
  // Labels are inset by half the size of the label of the maximum.
  c->Font()->Assign(Font());
  const QString widest = ScaleLabelText(FScale.Max, FMeterDecPlaces);
  const int maxWidth = c->TextWidth(widest), maxHeight = c->TextHeight(widest);
  for (const TMajorMark& m : marks.Major) {
    tick(m.Value, 8);
    if (!m.Labelled) continue;
    const TPoint at = LabelCenter(m.Value, maxWidth, maxHeight);
    QString text = ScaleLabelText(m.Value, FMeterDecPlaces);
    if (OnBeforeDrawScaleLabel)
      OnBeforeDrawScaleLabel(this, c, text, at.X - c->TextWidth(text) / 2, at.Y - c->TextHeight(text) / 2);
    if (!text.isEmpty()) c->TextOut(at.X - c->TextWidth(text) / 2, at.Y - c->TextHeight(text) / 2, text);
  }
}

void TMeter::PaintCaption(TCanvas* c) {
  if (FCaption.isEmpty()) return;
  c->Font()->Assign(&FFontCaption);
  c->Brush()->SetStyle(bsClear);
  const int x = FGeometry.CenterX - c->TextWidth(FCaption) / 2;
  const int y = FGeometry.CenterY - Round(FGeometry.Radius / 3) - c->TextHeight(FCaption) / 2;
  c->TextOut(x, y, FCaption);
}

void TMeter::PaintNeedle(TCanvas* c, double V, const TNeedleLayout& Layout) {
  const QList<TPoint> outline = NeedlePolygon(V, Layout);
  if (Layout.ShadowDx() != 0 || Layout.ShadowDy() != 0) {
    QList<TPoint> shadow = outline;
    for (TPoint& p : shadow) p = TPoint(p.X - Layout.ShadowDx(), p.Y - Layout.ShadowDy());
    SetFill(c, Layout.ShadowColor());
    c->Polygon(shadow);
  }
  SetFill(c, Layout.ColorBody());
  SetPen(c, Layout.ColorOutline());
  c->Polygon(outline);
}

void TMeter::PaintRims(TCanvas* c) {
  const int w = Width(), h = Height();
  SetFill(c, FColorCover);
  c->Rectangle(0, 0, FRimSide - 1, h);
  c->Rectangle(0, 0, w, FRimTop);
  c->Rectangle(w - FRimSide, 0, w, h);
  c->Rectangle(0, h - FRimBottom, w, h);
}

// The inset line around the dial window.
void TMeter::PaintDialBevel(TCanvas* c) {
  const int w = Width(), h = Height();
  SetPen(c, FColWhiteLine);
  c->MoveTo(FRimSide - 1, h - FRimBottom);
  c->LineTo(w - FRimSide, h - FRimBottom);
  c->LineTo(w - FRimSide, FRimTop);
  SetPen(c, FColGrayLine);
  c->LineTo(FRimSide - 1, FRimTop);
  c->LineTo(FRimSide - 1, h - FRimBottom);
}

void TMeter::PaintAnchor(TCanvas* c) {
  const int w = Width(), h = Height(), s = FAnchorSize, cx = FGeometry.CenterX, cy = FGeometry.CenterY;
  if (!FAnchorCovered) {
    PaintDialBevel(c);
    return;
  }
  if (!FAnchorImage.isEmpty()) {
    PaintDialBevel(c);
    const int left = cx - FAnchorBitmap.Width() / 2, top = cy - FAnchorBitmap.Height() / 2;
    c->SetCopyMode(cmSrcAnd);
    c->Draw(left, top, &FAnchorMask);
    c->SetCopyMode(cmSrcPaint);
    c->Draw(left, top, &FAnchorBitmap);
    c->SetCopyMode(cmSrcCopy);
    return;
  }
  if (FMeterLayout == mlCirc270 || FMeterLayout == mlCirc300 || FMeterLayout == mlCirc360) {
    // A disc over the centre, lit from the top left.
    SetFill(c, FColorCover);
    c->Ellipse(cx - s, cy - s, cx + s, cy + s);
    PaintDialBevel(c);
    SetPen(c, FColWhiteLine);
    c->Arc(cx - s, cy - s, cx + s, cy + s, cx + s, cy - s, cx - s, cy + s);
    SetPen(c, FColGrayLine);
    c->Arc(cx - s, cy - s, cx + s, cy + s, cx - s, cy + s, cx + s, cy - s);
    return;
  }
  // A pedestal standing on the bottom rim: the upper half of the disc on a
  // column, its outline joined to the dial bevel.
  const int bottom = h - FRimBottom;
  SetFill(c, FColorCover);
  c->Pie(cx - s, cy - s, cx + s, cy + s, w, cy, 0, cy);
  c->Rectangle(cx - s, cy, cx + s, bottom);
  SetPen(c, FColGrayLine);
  c->MoveTo(cx + s - 1, cy);
  c->LineTo(cx + s - 1, bottom);
  SetPen(c, FColWhiteLine);
  c->LineTo(w - FRimSide, bottom);
  c->LineTo(w - FRimSide, FRimTop);
  SetPen(c, FColGrayLine);
  c->LineTo(FRimSide - 1, FRimTop);
  c->LineTo(FRimSide - 1, bottom);
  SetPen(c, FColWhiteLine);
  c->LineTo(cx - s, bottom);
  c->LineTo(cx - s, cy - 1);
  c->Brush()->SetStyle(bsClear);
  c->Arc(cx - s, cy - s, cx + s, cy + s, w, cy, 0, cy);
  SetPen(c, FColGrayLine);
  c->Arc(cx - s, cy - s, cx + s, cy + s, cx + s, cy, cx + s, cy - s);
}

void TMeter::PaintLamp(TCanvas* c, bool High, bool Lit) {
  const TRect r = LampRect(High);
  const int l = r.Left, t = r.Top;
  SetPen(c, clBlack);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(Lit ? FLimWatchActColor : FLimWatchPsvColor);
  c->Rectangle(r);
  SetPen(c, clWhite);
  c->Polyline({TPoint(l + 1, t + 9), TPoint(l + 9, t + 9), TPoint(l + 9, t)});
  SetPen(c, clSilver);
  c->Polyline({TPoint(l + 2, t + 8), TPoint(l + 8, t + 8), TPoint(l + 8, t + 1)});
  SetPen(c, clGray);
  c->Polyline({TPoint(l + 1, t + 8), TPoint(l + 1, t + 1), TPoint(l + 9, t + 1)});
}

// The outer frame in the colour scheme's light and dark lines.
void TMeter::PaintFrame(TCanvas* c) {
  const int w = Width(), h = Height();
  auto path = [c](TColor Color, const QList<TPoint>& Points) {
    SetPen(c, Color);
    c->Polyline(Points);
  };
  // Two ring styles: an outer square in First, an inner one in Second.
  auto ridge = [&](TColor First, TColor Second) {
    path(First, {TPoint(0, 0), TPoint(w - 2, 0), TPoint(w - 2, h - 2), TPoint(0, h - 2), TPoint(0, 0)});
    path(Second, {TPoint(1, h - 3), TPoint(1, 1), TPoint(w - 2, 1)});
    path(Second, {TPoint(1, h - 1), TPoint(w - 1, h - 1), TPoint(w - 1, 0)});
  };
  // Top and left in First, then on round the bottom and right in Second.
  auto bevel = [&](TColor First, TColor Second) {
    SetPen(c, First);
    c->MoveTo(0, h - 1);
    c->LineTo(0, 0);
    c->LineTo(w - 1, 0);
    SetPen(c, Second);
    c->LineTo(w - 1, h - 1);
    c->LineTo(0, h - 1);
  };
  switch (FFrameStyle) {
    case fsNone: break;
    case fsSimple: bevel(FColorBakG, FColorBakG); break;
    case fsSunken: bevel(FColGrayLine, FColWhiteLine); break;
    case fsRaised: bevel(FColWhiteLine, FColGrayLine); break;
    case fsEtched: ridge(FColWhiteLine, FColGrayLine); break;
    case fsBump: ridge(FColGrayLine, FColWhiteLine); break;
  }
}

}  // namespace orv
