// TMeter: where ticks, labels, needles and lamps lie.
#include "OrvTMeter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orv {

namespace {

int Round(double x) { return int(std::lrint(x)); }

}  // namespace

TScaleMarks TMeter::Marks() const {
  TScaleMarks marks = ScaleMarks(FMeterNrTicks, FScale, FMeterShortTicks);
  if (FGeometry.Angle != 360) return marks;
  // A full turn after the first label lies the first label itself.
  auto labelled = [](const TMajorMark& m) { return m.Labelled; };
  const auto first = std::find_if(marks.Major.begin(), marks.Major.end(), labelled);
  const auto last = std::find_if(marks.Major.rbegin(), marks.Major.rend(), labelled);
  if (first == marks.Major.end() || &*last == &*first) return marks;
  if (std::abs(FScale.Fraction(last->Value) - FScale.Fraction(first->Value) - 1) < 1e-3) last->Labelled = false;
  return marks;
}

std::pair<TPoint, TPoint> TMeter::TickLine(double V, int Length) const {
  const double phi = ValueAngle(V), r = FGeometry.Radius;
  return {FGeometry.PointAt(phi, r), FGeometry.PointAt(phi, r - Length)};
}

TPoint TMeter::LabelCenter(double V, int MaxWidth, int MaxHeight) const {
  const double dx = MaxWidth / 2.0 + 15, dy = MaxHeight / 2.0 + 15, r = FGeometry.Radius;
  return FGeometry.EllipsePoint(ValueAngle(V), r - dx, r - dy);
}

QList<TPoint> TMeter::NeedlePolygon(double V, const TNeedleLayout& Layout) const {
  const double theta = ValueAngle(V) * std::numbers::pi / 180;
  const double len = Layout.PercentNeedleLength() * (FGeometry.Radius - 4) * 0.01;
  const double cx = FGeometry.CenterX, cy = FGeometry.CenterY;
  const TPoint tip(Round(cx + std::cos(theta) * len), Round(cy - std::sin(theta) * len));
  const double tx = tip.X, ty = tip.Y;
  const double a = Layout.HeadAngle() * std::numbers::pi / 360;
  const double hx = std::sin(theta) * Layout.Thickness() / 2, hy = std::cos(theta) * Layout.Thickness() / 2;
  const double s = Layout.HeadSize(), m = Layout.HeadMidLeng();
  const double c = std::cos(theta), sn = std::sin(theta);
  return {
      TPoint(Round(tx - std::cos(theta + a) * s), Round(ty + std::sin(theta + a) * s)),
      tip,
      TPoint(Round(tx - std::cos(theta - a) * s), Round(ty + std::sin(theta - a) * s)),
      TPoint(Round(tx - hx - c * m), Round(ty - hy + sn * m)),
      TPoint(Round(cx - hx), Round(cy - hy)),
      TPoint(Round(cx + hx), Round(cy + hy)),
      TPoint(Round(tx + hx - c * m), Round(ty + hy + sn * m)),
  };
}

TRect TMeter::LampRect(bool High) const {
  const int left = High ? Width() - FRimSide - 18 : FRimSide + 8, top = FRimTop + 8;
  return TRect(left, top, left + 10, top + 10);
}

TRect TMeter::NeedleBounds() const {
  TRect r;
  bool any = false;
  auto add = [&](const TNeedleLayout& Layout, double V) {
    for (const TPoint& p : NeedlePolygon(V, Layout))
      for (const TPoint q : {p, TPoint(p.X - Layout.ShadowDx(), p.Y - Layout.ShadowDy())}) {
        r = any ? TRect(std::min(r.Left, q.X), std::min(r.Top, q.Y), std::max(r.Right, q.X + 1),
                        std::max(r.Bottom, q.Y + 1))
                : TRect(q.X, q.Y, q.X + 1, q.Y + 1);
        any = true;
      }
  };
  add(FNeedleLayout, FValue);
  if (FNeedleLayoutSec.Visible()) add(FNeedleLayoutSec, FValueSec);
  return r;
}

}  // namespace orv
