// TMeter: values, range, thresholds, the limit watch, the needle layouts and
// the mapping between values, angles and pixels.
#include "OrvTMeter.h"

#include <cmath>
#include <numbers>

namespace orv {

namespace {

// Range and threshold values a logarithmic scale refuses.
constexpr double LogFloor = 1e-100;

int Round(double x) { return int(std::lrint(x)); }

}  // namespace

// ------------------------------------------------------------------ values

bool TMeter::AcceptValue(double& Field, double Value, const TNeedleLayout& Layout) {
  if (std::isnan(Value)) return false;
  if (Loading()) {
    Field = Value;
    return false;
  }
  if (Value == Field) return false;
  Field = FScale.Clamp(Value);
  FOFL = false;
  FUFL = false;
  if (Layout.Visible()) {
    if (Field >= FThresholdHigh) {
      FOFL = true;
      DoOverFlowEvent();
    } else if (Field <= FThresholdLow) {
      FUFL = true;
      DoUnderFlowEvent();
    } else {
      DoNormalRangeEvent();
    }
  }
  return true;
}

void TMeter::SetValue(double Value) {
  if (AcceptValue(FValue, Value, FNeedleLayout)) Paint();
}

void TMeter::SetValueSec(double Value) {
  if (AcceptValue(FValueSec, Value, FNeedleLayoutSec) && FNeedleLayoutSec.Visible()) Paint();
}

void TMeter::DoOverFlowEvent() {
  if (OnOverFlow) OnOverFlow(this);
}

void TMeter::DoUnderFlowEvent() {
  if (OnUnderFlow) OnUnderFlow(this);
}

void TMeter::DoNormalRangeEvent() {
  if (OnNormalRange) OnNormalRange(this);
}

// ------------------------------------------------------------------ range

void TMeter::SetMeterMinValue(double Value) {
  if (!std::isfinite(Value) || (FScale.Logarithmic && Value < LogFloor)) return;
  if (Loading()) {
    FScale.Min = Value;
    return;
  }
  if (Value == FScale.Min) return;
  FScale.Min = Value;
  if (Value >= FScale.Max) FScale.Max = Value + 1;
  for (double* v : {&FValue, &FValueSec, &FThresholdLow, &FThresholdHigh}) *v = std::max(*v, Value);
  Paint();
}

void TMeter::SetMeterMaxValue(double Value) {
  if (!std::isfinite(Value) || (FScale.Logarithmic && Value < LogFloor)) return;
  if (Loading()) {
    FScale.Max = Value;
    return;
  }
  if (Value == FScale.Max) return;
  FScale.Max = Value;
  if (Value <= FScale.Min) {
    FScale.Min = Value - 1;
    if (FScale.Logarithmic && FScale.Min <= 0) FScale.Min = Value / 10;
  }
  for (double* v : {&FValue, &FValueSec, &FThresholdLow, &FThresholdHigh}) *v = std::min(*v, Value);
  Paint();
}

void TMeter::SetThresholdLow(double Value) {
  if (std::isnan(Value) || (FScale.Logarithmic && Value < LogFloor)) return;
  if (Loading()) {
    FThresholdLow = Value;
    return;
  }
  if (Value == FThresholdLow) return;
  FThresholdLow = FScale.Clamp(Value);
  if (FThresholdLow > FThresholdHigh) FThresholdHigh = FThresholdLow;
  FUFL = false;
  if (FThresholdLow >= FValue) {
    FUFL = true;
    DoUnderFlowEvent();
  }
  Paint();
}

void TMeter::SetThresholdHigh(double Value) {
  if (std::isnan(Value) || (FScale.Logarithmic && Value < LogFloor)) return;
  if (Loading()) {
    FThresholdHigh = Value;
    return;
  }
  if (Value == FThresholdHigh) return;
  FThresholdHigh = FScale.Clamp(Value);
  if (FThresholdLow > FThresholdHigh) FThresholdLow = FThresholdHigh;
  FOFL = false;
  if (FValue >= FThresholdHigh) {
    FOFL = true;
    DoOverFlowEvent();
  }
  Paint();
}

void TMeter::SetLogarithmic(bool Value) {
  if (Loading()) {
    FScale.Logarithmic = Value;
    return;
  }
  if (!(FScale.Min > LogFloor && FScale.Max > LogFloor)) Value = false;
  Store(FScale.Logarithmic, Value);
}

// Values stored raw while loading are brought into the range, as the setters
// would have left them; no events fire.
void TMeter::ClampSettings() {
  FValue = FScale.Clamp(FValue);
  FValueSec = FScale.Clamp(FValueSec);
  FThresholdLow = FScale.Clamp(FThresholdLow);
  FThresholdHigh = std::max(FScale.Clamp(FThresholdHigh), FThresholdLow);
}

// ------------------------------------------------------------------ needles and lamps

void TMeter::SetNeedleLayout(TNeedleLayout* Value) {
  if (Value) FNeedleLayout.Assign(Value);  // repaints through OnChange
}

void TMeter::SetNeedleLayoutSec(TNeedleLayout* Value) {
  if (Value) FNeedleLayoutSec.Assign(Value);
}

void TMeter::SetLimWatchHighOn(bool Value) { Store(FLimWatchHighOn, Value); }
void TMeter::SetLimWatchLowOn(bool Value) { Store(FLimWatchLowOn, Value); }
void TMeter::SetLimWatchActColor(TColor Value) { Store(FLimWatchActColor, Value); }
void TMeter::SetLimWatchPsvColor(TColor Value) { Store(FLimWatchPsvColor, Value); }

// ------------------------------------------------------------------ conversions

double TMeter::CalcNeedleAngle(double value) const {
  const int a = FGeometry.Angle;
  return 180 - a / 2.0 + a * FScale.Fraction(FScale.Clamp(value));
}

void TMeter::ConvertToPixelCoords(double value, double pctradius, int& X, int& Y) const {
  const double beta = (-90 - CalcNeedleAngle(value)) * std::numbers::pi / 180;
  const double d = pctradius / 100 * FGeometry.Radius;
  X = Round(std::cos(beta) * d + FGeometry.CenterX);
  Y = Round(FGeometry.CenterY - std::sin(beta) * d);
}

bool TMeter::ConvertPixelToValue(int XPos, int YPos, double& MeterValue) const {
  constexpr double pi = std::numbers::pi;
  const double dx = XPos - FGeometry.CenterX, dy = YPos - FGeometry.CenterY;
  // Clockwise from the right in screen coordinates, in [0, 2 pi).
  double t;
  if (dx == 0)
    t = dy > 0 ? pi / 2 : 3 * pi / 2;
  else
    t = std::atan(dy / dx) + (dx < 0 ? pi : 0);
  if (t < 0) t += 2 * pi;
  // Clockwise from straight down.
  double d = t * 180 / pi - 90;
  if (d < 0) d += 360;
  const double a = FGeometry.Angle, start = 180 - a / 2;
  if (d < start || d > 180 + a / 2) {
    MeterValue = 0;
    return false;
  }
  MeterValue = FScale.ValueAt((d - start) / a);
  return true;
}

// ------------------------------------------------------------------ mouse

void TMeter::MouseMove(TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  double value = 0;
  const bool within = ConvertPixelToValue(X, Y, value);
  MouseMoveInMeter(within, Shift, value);
}

void TMeter::MouseMoveInMeter(bool WithinRange, TShiftState Shift, double MeterValue) {
  if (OnMouseMoveInMeter) OnMouseMoveInMeter(this, WithinRange, Shift, MeterValue);
}

}  // namespace orv
