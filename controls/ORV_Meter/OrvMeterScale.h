#pragma once
// The geometry of a circular meter scale, free of any widget: the layout
// parameters (scale angle, radius, centre) of each meter layout, the scale
// fraction of a value on a linear or logarithmic scale, the drawing angle,
// and the values of the ticks and labels. TMeter paints, hit-tests and is
// tested with these functions.
//
// Angles are mathematical degrees: 0 points right, counter-clockwise is
// positive, screen y points down. The scale is symmetric about the vertical;
// its minimum end lies at 90 + A/2, its maximum end at 90 - A/2, so values
// grow clockwise.

#include <orvcore.h>

#include <vector>

namespace orv {

namespace meter_enums {
Q_NAMESPACE
// The scale angle A of a meter: 90, 120, 180, 270, 300 or 360 degrees.
enum TMeterLayout { mlCirc90, mlCirc120, mlCirc180, mlCirc270, mlCirc300, mlCirc360 };
Q_ENUM_NS(TMeterLayout)
}  // namespace meter_enums
using namespace meter_enums;

// The scale's range and kind.
struct TMeterScale {
  // The value at the scale's minimum end.
  double Min = 0;
  // The value at the scale's maximum end.
  double Max = 1;
  // Whether the scale is meant to be logarithmic (see LogMapped).
  bool Logarithmic = false;

  // Whether values map logarithmically: Logarithmic with a range above 0.
  bool LogMapped() const { return Logarithmic && Min > 0 && Max > 0; }
  // Where V lies on the scale, 0 at Min and 1 at Max: (V - Min) / (Max - Min),
  // or the same with logarithms when LogMapped() and V > 0. An empty range
  // gives 0.
  double Fraction(double V) const;
  // The value at fraction F (the inverse of Fraction).
  double ValueAt(double F) const;
  // V limited to [Min, Max].
  double Clamp(double V) const;

  // Equal when range and kind are equal.
  bool operator==(const TMeterScale&) const = default;
};

// A meter's layout parameters: scale angle A (degrees), scale radius R
// (pixels), centre (CX, CY).
struct TMeterGeometry {
  // Scale angle A in degrees.
  int Angle = 90;
  // Scale radius R in pixels; nothing is drawn while it is 0 or less.
  double Radius = 0;
  // Horizontal position CX of the centre, in client pixels.
  int CenterX = 0;
  // Vertical position CY of the centre, in client pixels.
  int CenterY = 0;

  // Drawing angle of the scale fraction F: A/2 + 90 - A * F.
  double AngleOf(double F) const { return Angle / 2.0 + 90 - Angle * F; }
  // Drawing angle of the scale's minimum end: 90 + A/2.
  double MinEndAngle() const { return 90 + Angle / 2.0; }
  // Drawing angle of the scale's maximum end: 90 - A/2.
  double MaxEndAngle() const { return 90 - Angle / 2.0; }
  // The point at angle Phi (degrees) on the ellipse of half-axes Rx, Ry
  // around the centre, each coordinate rounded (halves to even).
  TPoint EllipsePoint(double Phi, double Rx, double Ry) const;
  // The point at angle Phi and distance D from the centre.
  TPoint PointAt(double Phi, double D) const { return EllipsePoint(Phi, D, D); }

  // Equal when all four layout parameters are equal.
  bool operator==(const TMeterGeometry&) const = default;
};

// The layout parameters of a client area W x H less the rims. Each layout
// takes the largest radius for which the arc (and the centre) plus an
// 8-pixel margin fit inside the area less the rims; a 90-degree scale does
// not check the width. Layouts whose arc stays above the centre (90, 120,
// 180) stand on the bottom rim, the others hang from the top rim.
TMeterGeometry MeterLayoutGeometry(TMeterLayout Layout, int W, int H, int RimTop, int RimSide, int RimBottom);

// A nice tick step: where the labels start, how far apart they are and how
// many minor subdivisions lie between them.
struct TTickStep {
  // The first labelled value: the first multiple of Step not below Min.
  double First = 0;
  // The step between labels: negative when Max < Min, 0 when they are equal.
  double Step = 0;
  // The number of parts the minor ticks divide a step into.
  int Minor = 1;
};
// The nice tick step of NrTicks intervals over Min..Max: 1, 2 or 5 times a
// power of ten.
TTickStep NiceTickStep(int NrTicks, double Min, double Max);

// A major tick of the scale.
struct TMajorMark {
  // The scale value the tick marks.
  double Value = 0;
  // Whether the tick carries a label.
  bool Labelled = true;
};
// The scale's marks in drawing order: the minor ticks, and the major ticks
// each with or without its label.
struct TScaleMarks {
  // The values of the minor ticks.
  std::vector<double> Minor;
  // The major ticks.
  std::vector<TMajorMark> Major;
};
// The marks of a scale of NrTicks intervals. Minor ticks (when ShortTicks)
// sit on the linear subdivisions in every mode. A logarithmic scale of a
// decade or more puts major ticks on 1..9 times each power of ten in range,
// labelled at 1, 2 and 5 times; a shorter logarithmic scale keeps the linear
// majors.
TScaleMarks ScaleMarks(int NrTicks, const TMeterScale& Scale, bool ShortTicks);

// The label of a scale value: fixed point with DecPlaces decimals, a point as
// separator, no grouping ("2.5"); a value that rounds to zero has no sign.
QString ScaleLabelText(double Value, int DecPlaces);

}  // namespace orv
