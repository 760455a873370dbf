// Scale geometry: layout parameters, scale fractions, nice tick steps and marks.
#include "OrvMeterScale.h"

#include <orvcalc.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orv {

namespace {

// Nearest integer, halves to the even neighbour.
int Round(double x) { return int(std::lrint(x)); }

// Safety net for ranges so narrow that a step vanishes in the rounding of
// its values: no scale has more marks than this.
constexpr int MaxMarks = 2000;

// The fraction of a near-integer that counts as an integer in the tick step.
constexpr double IntegerTolerance = 1e-10;
// Factor that keeps decade limits of a logarithmic scale from missing an
// exact power of ten by a rounding error.
constexpr double DecadeTolerance = 0.999999999;

}  // namespace

// ------------------------------------------------------------------ scale

double TMeterScale::Fraction(double V) const {
  if (LogMapped() && V > 0) {
    const double span = std::log(Max) - std::log(Min);
    return span == 0 ? 0 : (std::log(V) - std::log(Min)) / span;
  }
  return Max == Min ? 0 : (V - Min) / (Max - Min);
}

double TMeterScale::ValueAt(double F) const {
  if (LogMapped()) return std::exp((std::log(Max) - std::log(Min)) * F + std::log(Min));
  return Min + F * (Max - Min);
}

double TMeterScale::Clamp(double V) const {
  if (V > Max) return Max;
  if (V < Min) return Min;
  return V;
}

// ------------------------------------------------------------------ layout

TPoint TMeterGeometry::EllipsePoint(double Phi, double Rx, double Ry) const {
  const double a = Phi * std::numbers::pi / 180;
  return TPoint(Round(CenterX + std::cos(a) * Rx), Round(CenterY - std::sin(a) * Ry));
}

TMeterGeometry MeterLayoutGeometry(TMeterLayout Layout, int W, int H, int RimTop, int RimSide, int RimBottom) {
  TMeterGeometry g;
  g.CenterX = W / 2;
  // The room inside the rims less the two 8-pixel margins.
  const double high = H - RimTop - RimBottom - 16;
  const double halfWide = W / 2 - RimSide - 8;
  const int standing = H - RimBottom - 8;  // centre of a scale that stands on the bottom rim
  switch (Layout) {
    case mlCirc90:
      g.Angle = 90;
      g.Radius = high;
      g.CenterY = standing;
      break;
    case mlCirc120:
      g.Angle = 120;
      g.Radius = std::min(high, (W / 2.0 - RimSide - 8) * 1.1547);  // half-width / sin 60
      g.CenterY = standing;
      break;
    case mlCirc180:
      g.Angle = 180;
      g.Radius = std::min(high, halfWide);
      g.CenterY = standing;
      break;
    case mlCirc270:
      g.Angle = 270;
      g.Radius = std::min(halfWide, high / (1 + std::numbers::sqrt2 / 2));  // 1 + sin 45
      g.CenterY = Round(RimTop + 8 + g.Radius);
      break;
    case mlCirc300:
      g.Angle = 300;
      g.Radius = std::min(halfWide, high / 1.866);  // 1 + cos 30
      g.CenterY = Round(RimTop + 8 + g.Radius);
      break;
    case mlCirc360:
      g.Angle = 360;
      g.Radius = std::min(halfWide, high / 2);
      g.CenterY = Round(RimTop + 8 + g.Radius);
      break;
  }
  return g;
}

// ------------------------------------------------------------------ ticks

TTickStep NiceTickStep(int NrTicks, double Min, double Max) {
  if (Max == Min) return {Min, 0, 1};
  const double e = Max > Min ? 1 : -1;
  double g = std::log10(std::abs(Max - Min) / NrTicks);
  const double f = std::abs(g - std::trunc(g));
  if (f < IntegerTolerance || f > 1 - IntegerTolerance) g = std::nearbyint(g);
  const double k = std::floor(g), h = g - k;
  TTickStep t;
  if (h < std::log10(2.0) + IntegerTolerance) {
    t.Step = std::pow(10.0, k);
    t.Minor = 5;
  } else if (h < std::log10(5.0) + IntegerTolerance) {
    t.Step = 2 * std::pow(10.0, k);
    t.Minor = 4;
  } else {
    t.Step = 5 * std::pow(10.0, k);
    t.Minor = 5;
  }
  t.Step *= e;
  if (!std::isfinite(t.Step) || t.Step == 0) return {Min, 0, 1};
  // The first multiple of the step not below Min (0.1 % of a step tolerated).
  // It starts a step or two below; the count only guards a step lost in the
  // rounding of a huge Min.
  t.First = (std::trunc(Min / t.Step) - 1) * t.Step;
  for (int i = 0; i < 4 && e * (Min - t.First) > 0.001 * std::abs(t.Step); ++i) t.First += t.Step;
  return t;
}

namespace {

// The linear major values First + k * Step: at least one, then on while the
// next does not pass Max by more than 0.1 % of a step (in the step's direction).
void LinearMajors(const TTickStep& t, double Max, TScaleMarks& Marks) {
  const double e = t.Step < 0 ? -1 : 1;
  int k = 0;
  do {
    Marks.Major.push_back({t.First + k * t.Step, true});
    ++k;
  } while (t.Step != 0 && k < MaxMarks && e * (t.First + k * t.Step - Max) <= 0.001 * std::abs(t.Step));
}

// The minor positions (First - Step) + i * Step / Minor that are neither a
// major position nor below Min, while the next does not pass Max by more than
// 0.1 % of a subdivision.
void MinorTicks(const TTickStep& t, double Min, double Max, TScaleMarks& Marks) {
  if (t.Step == 0) return;
  const double e = t.Step < 0 ? -1 : 1, sub = std::abs(t.Step / t.Minor), base = t.First - t.Step;
  for (int i = 0; i < MaxMarks; ++i) {
    const double p = base + i * t.Step / t.Minor;
    const double q = (p - t.First) / t.Step;
    if (std::abs(q - std::trunc(q)) > 1e-5 && e * (p - Min) >= 0) Marks.Minor.push_back(p);
    if (e * (base + (i + 1) * t.Step / t.Minor - Max) > 0.001 * sub) break;
  }
}

// Major ticks of a logarithmic scale of a decade or more: j * B * D for
// j = 1..9 over the decades D from B, the decade at or below Min, up to Max.
void DecadeMajors(double Min, double Max, TScaleMarks& Marks) {
  const double b = std::pow(10.0, IntNeg(std::log10(Min * DecadeTolerance)));
  const bool fewDecades = Max / Min < 10;
  double d = 1;
  do {
    for (int j = 1; j <= 9; ++j) {
      const double v = j * b * d;
      if (Min < v / DecadeTolerance && Max > v * DecadeTolerance)
        Marks.Major.push_back({v, fewDecades || j == 1 || j == 2 || j == 5});
    }
    d *= 10;
  } while (!(Max < DecadeTolerance * b * d) && std::isfinite(b * d) && Marks.Major.size() < MaxMarks);
}

}  // namespace

TScaleMarks ScaleMarks(int NrTicks, const TMeterScale& Scale, bool ShortTicks) {
  TScaleMarks marks;
  const double min = Scale.Min, max = Scale.Max;
  if (!std::isfinite(min) || !std::isfinite(max)) return marks;
  const TTickStep t = NiceTickStep(NrTicks, min, max);
  if (ShortTicks) MinorTicks(t, min, max, marks);
  if (Scale.LogMapped() && std::abs(std::log10(max / min)) >= 1)
    DecadeMajors(min, max, marks);
  else
    LinearMajors(t, max, marks);
  return marks;
}

QString ScaleLabelText(double Value, int DecPlaces) {
  QString text = QString::number(Value, 'f', DecPlaces);
  // A tiny negative rounding error of a zero value would read "-0.0".
  if (text.startsWith(QLatin1Char('-')) && text.toDouble() == 0) text.remove(0, 1);
  return text;
}

}  // namespace orv
