// TMeter: defaults and clamps, values and ranges with their events and
// lamps, thresholds, the logarithmic switch, loading, and the mouse mapping.
#include "MeterFixture.h"

#include <QApplication>
#include <QMouseEvent>

#include <cmath>
#include <limits>
#include <numbers>

using namespace orv;
using namespace orv::test;

TEST_F(MeterTest, DefaultsAndClamps) {
  EXPECT_EQ(meter->Width(), 297);
  EXPECT_EQ(meter->Height(), 209);
  EXPECT_EQ(meter->sizeHint(), QSize(297, 209));
  EXPECT_EQ(meter->MeterLayout(), mlCirc90);
  EXPECT_EQ(meter->FrameStyle(), fsRaised);
  EXPECT_EQ(meter->MeterNrTicks(), 3);
  EXPECT_EQ(meter->ColorCover(), clBtnFace);
  EXPECT_EQ(meter->ColorSclBkNorm(), RGB(255, 128, 0));
  EXPECT_TRUE(meter->NeedleLayout()->Visible());
  EXPECT_FALSE(meter->NeedleLayoutSec()->Visible());
  EXPECT_EQ(meter->NeedleLayoutSec()->ColorBody(), clSilver);
  EXPECT_EQ(meter->FontCaption()->Handle(), meter->Font()->Handle());

  struct Case {
    const char* Property;
    QVariant Set, Stored;
  };
  const Case cases[] = {
      {"MeterNrTicks", 1, 2},        {"MeterNrTicks", 30, 21},     {"MeterDecPlaces", -1, 0},
      {"MeterDecPlaces", 7, 4},      {"ScaleBkWidth", 150.0, 100.0}, {"ScaleBkWidth", -5.0, 0.0},
  };
  for (const Case& c : cases) {
    meter->setProperty(c.Property, c.Set);
    EXPECT_EQ(meter->property(c.Property), c.Stored) << c.Property << " " << c.Set.toString().toStdString();
  }
  TNeedleLayout* n = meter->NeedleLayout();
  n->SetPercentNeedleLength(150);
  EXPECT_EQ(n->PercentNeedleLength(), 100);
  n->SetHeadAngle(-5);
  EXPECT_EQ(n->HeadAngle(), 0);
  n->SetHeadAngle(200);
  EXPECT_EQ(n->HeadAngle(), 180);
}

// The range events and the lamps as Value crosses the thresholds; each
// accepted change fires exactly one event, then repaints.
TEST_F(MeterTest, ValueFiresOneRangeEventPerChangeAndLightsTheLamps) {
  meter->SetThresholdLow(0.2);
  meter->SetThresholdHigh(0.8);
  Record();
  struct Step {
    double Value;
    const char* Event;
    bool High, Low;
  };
  const Step steps[] = {
      {0.9, "over", true, false},    {0.95, "over", true, false}, {0.5, "normal", false, false},
      {0.2, "under", false, true},   {-3, "under", false, true},  {5, "over", true, false},
      {0.8, "over", true, false},    {0.21, "normal", false, false},
  };
  for (const Step& s : steps) {
    meter->SetValue(s.Value);
    EXPECT_EQ(Take(), QStringList({QString::fromLatin1(s.Event), QStringLiteral("paint")})) << s.Value;
    EXPECT_EQ(Lamp(true), s.High ? clRed : clGray) << s.Value;
    EXPECT_EQ(Lamp(false), s.Low ? clRed : clGray) << s.Value;
  }
  EXPECT_EQ(meter->Value(), 0.21);
  meter->SetValue(5);
  EXPECT_EQ(meter->Value(), 1);  // clamped
  Take();
  meter->SetValue(1);  // unchanged: nothing at all
  EXPECT_TRUE(Take().isEmpty());
  meter->SetValue(std::nan(""));
  EXPECT_TRUE(Take().isEmpty());
  EXPECT_EQ(meter->Value(), 1);

  // An invisible first needle: no event, the lamps go out, still painted.
  meter->NeedleLayout()->SetVisible(false);
  Take();
  meter->SetValue(0.1);
  EXPECT_EQ(Take(), QStringList({QStringLiteral("paint")}));
  EXPECT_EQ(Lamp(true), clGray);
  EXPECT_EQ(Lamp(false), clGray);
  const TPoint tip = meter->NeedlePolygon(0.1, *meter->NeedleLayout())[1];
  EXPECT_EQ(At(tip.X, tip.Y), clBlack);
}

TEST_F(MeterTest, SecondValueFollowsItsOwnNeedlesVisibility) {
  meter->SetThresholdHigh(0.8);
  Record();
  meter->SetValueSec(0.9);  // hidden: stored, no event, no paint
  EXPECT_TRUE(Take().isEmpty());
  EXPECT_EQ(meter->ValueSec(), 0.9);
  meter->NeedleLayoutSec()->SetVisible(true);
  EXPECT_EQ(Take(), QStringList({QStringLiteral("paint")}));
  meter->SetValueSec(0.95);
  EXPECT_EQ(Take(), QStringList({QStringLiteral("over"), QStringLiteral("paint")}));
  EXPECT_EQ(Lamp(true), clRed);
  // Its needle is drawn, in its own colours.
  meter->NeedleLayoutSec()->SetColorOutline(clBlue);
  const TPoint tip = meter->NeedlePolygon(0.95, *meter->NeedleLayoutSec())[1];
  EXPECT_EQ(At(tip.X, tip.Y), clBlue);
  // The flags are shared: a first value in the normal range puts the lamp out.
  meter->SetValue(0.5);
  EXPECT_EQ(Lamp(true), clGray);
}

TEST_F(MeterTest, ThresholdsCompareWithValue) {
  meter->SetValue(0.5);
  Record();
  meter->SetThresholdLow(0.6);  // above the value: underflow
  EXPECT_EQ(Take(), QStringList({QStringLiteral("under"), QStringLiteral("paint")}));
  EXPECT_EQ(Lamp(false), clRed);
  meter->SetThresholdLow(0.3);
  EXPECT_EQ(Take(), QStringList({QStringLiteral("paint")}));
  EXPECT_EQ(Lamp(false), clGray);
  meter->SetThresholdHigh(0.4);  // below the value: overflow
  EXPECT_EQ(Take(), QStringList({QStringLiteral("over"), QStringLiteral("paint")}));
  EXPECT_EQ(meter->ThresholdLow(), 0.3);
  meter->SetThresholdHigh(0.1);  // drags the low threshold down with it
  EXPECT_EQ(meter->ThresholdLow(), 0.1);
  meter->SetThresholdLow(7);  // clamped, and pushes the high one up
  EXPECT_EQ(meter->ThresholdLow(), 1);
  EXPECT_EQ(meter->ThresholdHigh(), 1);
}

TEST_F(MeterTest, RangeRules) {
  meter->SetValue(0.5);
  meter->SetValueSec(0.7);
  meter->SetThresholdLow(0.2);
  meter->SetThresholdHigh(0.8);
  Record();
  meter->SetMeterMinValue(0.6);  // pulls what lies below up, without events
  EXPECT_EQ(Take(), QStringList({QStringLiteral("paint")}));
  EXPECT_EQ(meter->Value(), 0.6);
  EXPECT_EQ(meter->ValueSec(), 0.7);
  EXPECT_EQ(meter->ThresholdLow(), 0.6);
  meter->SetMeterMaxValue(0.65);  // and down
  EXPECT_EQ(meter->ValueSec(), 0.65);
  EXPECT_EQ(meter->ThresholdHigh(), 0.65);
  meter->SetMeterMinValue(3);  // at or above Max: Max is Min + 1
  EXPECT_EQ(meter->MeterMaxValue(), 4);
  meter->SetMeterMinValue(0);
  meter->SetMeterMaxValue(0);  // at or below Min: Min is Max - 1
  EXPECT_EQ(meter->MeterMinValue(), -1);
  meter->SetMeterMaxValue(std::numeric_limits<double>::infinity());
  meter->SetMeterMinValue(std::nan(""));
  EXPECT_EQ(meter->MeterMaxValue(), 0);
  EXPECT_EQ(meter->MeterMinValue(), -1);
}

TEST_F(MeterTest, LogarithmicSwitchAndItsRangeRules) {
  meter->SetLogarithmic(true);  // Min is 0: refused
  EXPECT_FALSE(meter->Logarithmic());
  meter->SetMeterMaxValue(1000);
  meter->SetMeterMinValue(1);
  meter->SetLogarithmic(true);
  EXPECT_TRUE(meter->Logarithmic());
  meter->SetMeterMinValue(0);  // below 1e-100: ignored
  meter->SetMeterMaxValue(1e-101);
  meter->SetThresholdLow(-1);
  EXPECT_EQ(meter->MeterMinValue(), 1);
  EXPECT_EQ(meter->MeterMaxValue(), 1000);
  EXPECT_EQ(meter->ThresholdLow(), 1);
  meter->SetMeterMaxValue(0.5);  // at or below Min: Min - 1 is not above 0, Max / 10 is
  EXPECT_DOUBLE_EQ(meter->MeterMinValue(), 0.05);
  EXPECT_NEAR(meter->CalcNeedleAngle(std::sqrt(0.05 * 0.5)), 180, 1e-9);  // the middle of a log scale
}

// While loading, values are stored as given; Loaded brings them into range.
TEST_F(MeterTest, LoadingStoresRawValuesAndLoadedClampsThem) {
  Record();
  meter->BeginLoading();
  meter->SetValue(7);
  meter->SetValueSec(-4);
  meter->SetThresholdLow(-2);
  meter->SetLogarithmic(true);
  meter->SetMeterMaxValue(10);
  meter->SetMeterMinValue(2);
  EXPECT_EQ(meter->Value(), 7);
  EXPECT_TRUE(meter->Logarithmic());
  EXPECT_TRUE(Take().isEmpty());  // no events while loading
  meter->EndLoading();
  EXPECT_EQ(meter->Value(), 7);
  EXPECT_EQ(meter->ValueSec(), 2);
  EXPECT_EQ(meter->ThresholdLow(), 2);
  EXPECT_EQ(Take(), QStringList({QStringLiteral("paint")}));
}

// The direction from the centre gives the value; the distance plays no part.
TEST_F(MeterTest, MouseToValue) {
  const TMeterGeometry& g = meter->Geometry();
  struct Case {
    int Dx, Dy;
    bool Within;
    double Value;
  };
  const Case cases[] = {
      {0, 0, true, 0.5},      {0, -50, true, 0.5},  {0, -3, true, 0.5}, {-60, -61, true, 0},
      {60, -61, true, 1},     {30, 0, false, 0},    {0, 40, false, 0},  {-100, -1, false, 0},
      {-40, -69, true, 1.0 / 6},  // 30 degrees left of straight up on a 90-degree scale
  };
  for (const Case& c : cases) {
    double v = -99;
    EXPECT_EQ(meter->ConvertPixelToValue(g.CenterX + c.Dx, g.CenterY + c.Dy, v), c.Within) << c.Dx << "," << c.Dy;
    EXPECT_NEAR(v, c.Value, 0.01) << c.Dx << "," << c.Dy;
  }
  // Round trips through the pixel of a value, linear and logarithmic, in
  // every layout.
  for (bool log : {false, true}) {
    meter->SetMeterMinValue(log ? 0.01 : -20);
    meter->SetMeterMaxValue(log ? 100 : 20);
    meter->SetLogarithmic(log);
    for (TMeterLayout layout : {mlCirc90, mlCirc120, mlCirc180, mlCirc270, mlCirc300, mlCirc360}) {
      meter->SetMeterLayout(layout);
      for (double f : {0.05, 0.3, 0.5, 0.77, 0.95}) {
        const double value = meter->Scale().ValueAt(f);
        int x = 0, y = 0;
        meter->ConvertToPixelCoords(value, 100, x, y);
        double back = 0;
        EXPECT_TRUE(meter->ConvertPixelToValue(x, y, back)) << layout << " " << value;
        // One pixel at the scale's radius, in the scale's units.
        EXPECT_NEAR(meter->Scale().Fraction(back), f, 1.5 / (meter->Geometry().Radius * std::numbers::pi / 180 *
                                                             meter->Geometry().Angle))
            << layout << " " << value;
      }
    }
  }
}

TEST_F(MeterTest, MouseMovesReportTheValueAfterOnMouseMove) {
  QStringList seen;
  meter->OnMouseMove = [&](TObject*, TShiftState, int X, int Y) { seen << QStringLiteral("move %1,%2").arg(X).arg(Y); };
  meter->OnMouseMoveInMeter = [&](TObject* Sender, bool Within, TShiftState Shift, double Value) {
    EXPECT_EQ(Sender, static_cast<TObject*>(meter));
    seen << QStringLiteral("meter %1 %2 %3").arg(int(Within)).arg(Value, 0, 'f', 2).arg(int(Shift.Contains(ssShift)));
  };
  auto move = [&](int X, int Y, Qt::KeyboardModifiers Keys) {
    QMouseEvent e(QEvent::MouseMove, QPointF(X, Y), meter->mapToGlobal(QPointF(X, Y)), Qt::NoButton, Qt::NoButton,
                  Keys);
    QApplication::sendEvent(meter, &e);
  };
  const TMeterGeometry& g = meter->Geometry();
  move(g.CenterX, g.CenterY - 60, Qt::ShiftModifier);
  move(g.CenterX + 60, g.CenterY, Qt::NoModifier);
  EXPECT_EQ(seen, QStringList({QStringLiteral("move %1,%2").arg(g.CenterX).arg(g.CenterY - 60),
                               QStringLiteral("meter 1 0.50 1"),
                               QStringLiteral("move %1,%2").arg(g.CenterX + 60).arg(g.CenterY),
                               QStringLiteral("meter 0 0.00 0")}));
}

TEST_F(MeterTest, NeedleAnglesAndPixelCoordinates) {
  const TMeterGeometry& g = meter->Geometry();  // A 90, R 175, centre (148, 191)
  EXPECT_DOUBLE_EQ(meter->CalcNeedleAngle(0), 135);
  EXPECT_DOUBLE_EQ(meter->CalcNeedleAngle(0.5), 180);
  EXPECT_DOUBLE_EQ(meter->CalcNeedleAngle(3), 225);  // clamped
  int x = 0, y = 0;
  meter->ConvertToPixelCoords(0.5, 100, x, y);
  EXPECT_EQ(TPoint(x, y), TPoint(g.CenterX, g.CenterY - 175));
  meter->ConvertToPixelCoords(1, 50, x, y);
  EXPECT_EQ(TPoint(x, y), TPoint(148 + int(std::lrint(87.5 * std::sqrt(0.5))), 191 - int(std::lrint(87.5 * std::sqrt(0.5)))));
}
