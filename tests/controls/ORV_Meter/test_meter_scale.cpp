// The meter's scale geometry without a widget: layout parameters of every
// layout at several sizes, nice tick steps, the marks of linear and
// logarithmic scales, scale fractions and label texts.
#include <ORV_Meter.h>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace orv;

namespace {

struct LayoutCase {
  TMeterLayout Layout;
  int W, H, RimTop, RimSide, RimBottom;
  int A;
  double R;
  int CX, CY;
};

// Each layout's largest radius with an 8-pixel margin inside the rims.
const LayoutCase LayoutCases[] = {
    {mlCirc90, 297, 209, 8, 10, 10, 90, 175, 148, 191},
    {mlCirc120, 297, 209, 8, 10, 10, 120, 130.5 * 1.1547, 148, 191},
    {mlCirc180, 297, 209, 8, 10, 10, 180, 130, 148, 191},
    {mlCirc270, 297, 209, 8, 10, 10, 270, 175 / (1 + std::numbers::sqrt2 / 2), 148, 119},
    {mlCirc300, 297, 209, 8, 10, 10, 300, 175 / 1.866, 148, 110},
    {mlCirc360, 297, 209, 8, 10, 10, 360, 87.5, 148, 104},
    {mlCirc90, 400, 150, 8, 10, 10, 90, 116, 200, 132},
    {mlCirc120, 400, 150, 8, 10, 10, 120, 116, 200, 132},
    {mlCirc180, 400, 150, 8, 10, 10, 180, 116, 200, 132},
    {mlCirc270, 400, 150, 8, 10, 10, 270, 116 / (1 + std::numbers::sqrt2 / 2), 200, 84},
    {mlCirc300, 400, 150, 8, 10, 10, 300, 116 / 1.866, 200, 78},
    {mlCirc360, 400, 150, 8, 10, 10, 360, 58, 200, 74},
    {mlCirc90, 150, 300, 4, 6, 6, 90, 274, 75, 286},  // the width is not checked
    {mlCirc120, 150, 300, 4, 6, 6, 120, 61 * 1.1547, 75, 286},
    {mlCirc180, 150, 300, 4, 6, 6, 180, 61, 75, 286},
    {mlCirc270, 150, 300, 4, 6, 6, 270, 61, 75, 73},
    {mlCirc300, 150, 300, 4, 6, 6, 300, 61, 75, 73},
    {mlCirc360, 150, 300, 4, 6, 6, 360, 61, 75, 73},
};

}  // namespace

TEST(MeterScale, LayoutParametersOfEveryLayout) {
  for (const LayoutCase& c : LayoutCases) {
    const TMeterGeometry g = MeterLayoutGeometry(c.Layout, c.W, c.H, c.RimTop, c.RimSide, c.RimBottom);
    const std::string where = std::to_string(c.Layout) + " at " + std::to_string(c.W) + "x" + std::to_string(c.H);
    EXPECT_EQ(g.Angle, c.A) << where;
    EXPECT_NEAR(g.Radius, c.R, 1e-9) << where;
    EXPECT_EQ(g.CenterX, c.CX) << where;
    EXPECT_EQ(g.CenterY, c.CY) << where;
  }
}

// The rule behind the layouts: the arc (and the centre, which the needles
// start from) stays 8 pixels inside the rims, and no larger radius would.
TEST(MeterScale, EveryLayoutFitsItsArcInsideTheRims) {
  for (const LayoutCase& c : LayoutCases) {
    const TMeterGeometry g = MeterLayoutGeometry(c.Layout, c.W, c.H, c.RimTop, c.RimSide, c.RimBottom);
    double left = g.CenterX, right = g.CenterX, top = g.CenterY, bottom = g.CenterY;
    for (int i = 0; i <= 3600; ++i) {
      const double phi = (g.MinEndAngle() - g.Angle * i / 3600.0) * std::numbers::pi / 180;
      left = std::min(left, g.CenterX + std::cos(phi) * g.Radius);
      right = std::max(right, g.CenterX + std::cos(phi) * g.Radius);
      top = std::min(top, g.CenterY - std::sin(phi) * g.Radius);
      bottom = std::max(bottom, g.CenterY - std::sin(phi) * g.Radius);
    }
    const std::string where = std::to_string(c.Layout) + " at " + std::to_string(c.W) + "x" + std::to_string(c.H);
    const double l = c.RimSide + 8, r = c.W - c.RimSide - 8, t = c.RimTop + 8, b = c.H - c.RimBottom - 8;
    EXPECT_GE(top, t - 0.5) << where;
    EXPECT_LE(bottom, b + 0.5 + 1e-9) << where;
    const bool widthChecked = c.Layout != mlCirc90;
    if (widthChecked) {
      EXPECT_GE(left, l - 0.5) << where;
      EXPECT_LE(right, r + 0.5 + 1e-9) << where;
    }
    // Tight on one side: the height, or the width where it is checked.
    const bool tight = std::abs(top - t) < 1 || std::abs(bottom - b) < 1 ||
                       (widthChecked && (std::abs(left - l) < 1.5 || std::abs(right - r) < 1.5));
    EXPECT_TRUE(tight) << where;
  }
}

TEST(MeterScale, NiceTickSteps) {
  struct Case {
    int N;
    double Min, Max, First, Step;
    int Minor;
  };
  const Case cases[] = {
      // An interval of exactly 2 or 5 times a power of ten takes the step below it.
      {3, 0, 1, 0, 0.2, 4},       {10, 0, 100, 0, 10, 5},      {4, -0.5, 0.5, -0.4, 0.2, 4},
      {5, 0, 10, 0, 1, 5},        {6, 0, 120, 0, 10, 5},       {2, 0, 1000, 0, 200, 4},
      {3, 1, 0, 1, -0.2, 4},      {3, 5, 5, 5, 0, 1},          {7, 0, 7000, 0, 1000, 5},
      {21, 1000, 1001, 1000, 0.02, 4}, {3, -100, -40, -100, 10, 5}, {3, 0, 2.5, 0, 0.5, 5},
  };
  for (const Case& c : cases) {
    const TTickStep t = NiceTickStep(c.N, c.Min, c.Max);
    EXPECT_NEAR(t.First, c.First, 1e-9) << c.N << " " << c.Min << ".." << c.Max;
    EXPECT_NEAR(t.Step, c.Step, 1e-12) << c.N << " " << c.Min << ".." << c.Max;
    EXPECT_EQ(t.Minor, c.Minor) << c.N << " " << c.Min << ".." << c.Max;
  }
}

TEST(MeterScale, LinearMarks) {
  const TScaleMarks m = ScaleMarks(3, {0, 1, false}, true);
  ASSERT_EQ(m.Major.size(), 6u);
  for (int k = 0; k < 6; ++k) {
    EXPECT_NEAR(m.Major[std::size_t(k)].Value, 0.2 * k, 1e-12);
    EXPECT_TRUE(m.Major[std::size_t(k)].Labelled);
  }
  // Three minor ticks in each of the five intervals, none on a major one.
  ASSERT_EQ(m.Minor.size(), 15u);
  EXPECT_NEAR(m.Minor.front(), 0.05, 1e-12);
  EXPECT_NEAR(m.Minor.back(), 0.95, 1e-12);
  for (double v : m.Minor) EXPECT_GT(std::abs(std::remainder(v, 0.2)), 0.01) << v;
  EXPECT_TRUE(ScaleMarks(3, {0, 1, false}, false).Minor.empty());
  // A reversed range runs the other way instead of on for ever.
  const TScaleMarks r = ScaleMarks(3, {1, 0, false}, true);
  ASSERT_EQ(r.Major.size(), 6u);
  EXPECT_NEAR(r.Major.back().Value, 0, 1e-12);
  EXPECT_EQ(r.Minor.size(), 15u);
  // An empty range: one mark.
  EXPECT_EQ(ScaleMarks(3, {2, 2, false}, true).Major.size(), 1u);
}

TEST(MeterScale, LogarithmicMarks) {
  auto values = [](const TScaleMarks& m, bool LabelledOnly) {
    std::vector<double> v;
    for (const TMajorMark& k : m.Major)
      if (!LabelledOnly || k.Labelled) v.push_back(k.Value);
    return v;
  };
  auto near = [](const std::vector<double>& A, const std::vector<double>& B) {
    if (A.size() != B.size()) return false;
    for (std::size_t i = 0; i < A.size(); ++i)
      if (std::abs(A[i] - B[i]) > 1e-9 * std::abs(B[i])) return false;
    return true;
  };
  // Three decades: ticks at 1..9 of each, labels at 1, 2 and 5.
  const TScaleMarks three = ScaleMarks(3, {1, 1000, true}, false);
  std::vector<double> ticks;
  for (double d : {1.0, 10.0, 100.0})
    for (int j = 1; j <= 9; ++j) ticks.push_back(j * d);
  ticks.push_back(1000);
  EXPECT_TRUE(near(values(three, false), ticks));
  EXPECT_TRUE(near(values(three, true), {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000}));
  EXPECT_TRUE(three.Minor.empty());
  // Starting inside a decade.
  const TScaleMarks part = ScaleMarks(3, {0.5, 50, true}, false);
  EXPECT_TRUE(near(values(part, true), {0.5, 1, 2, 5, 10, 20, 50}));
  EXPECT_EQ(part.Major.size(), 19u);
  // Less than a decade: the linear majors.
  EXPECT_TRUE(near(values(ScaleMarks(3, {2, 8, true}, false), true), {2, 3, 4, 5, 6, 7, 8}));
  // A range that is not above zero cannot map logarithmically.
  EXPECT_EQ(values(ScaleMarks(3, {0, 1, true}, false), false).size(), 6u);
}

TEST(MeterScale, FractionsAndAngles) {
  struct Case {
    TMeterScale Scale;
    double V, Fraction;
  };
  const Case cases[] = {
      {{0, 1, false}, 0.25, 0.25}, {{-50, 50, false}, 0, 0.5},  {{0, 1, false}, 2, 2},
      {{1, 100, true}, 10, 0.5},   {{1, 1000, true}, 1000, 1}, {{1, 100, true}, -1, -2.0 / 99},
      {{0, 100, true}, 50, 0.5},   {{5, 5, false}, 7, 0},
  };
  for (const Case& c : cases) EXPECT_NEAR(c.Scale.Fraction(c.V), c.Fraction, 1e-12) << c.V;
  for (const Case& c : cases) {
    if (c.Scale.Max != c.Scale.Min && c.Fraction >= 0 && c.Fraction <= 1) {
      EXPECT_NEAR(c.Scale.ValueAt(c.Fraction), c.V, 1e-9) << c.V;
    }
  }
  TMeterGeometry g;
  g.Angle = 90;
  EXPECT_DOUBLE_EQ(g.AngleOf(0), 135);
  EXPECT_DOUBLE_EQ(g.AngleOf(0.5), 90);
  EXPECT_DOUBLE_EQ(g.AngleOf(1), 45);
  g.Angle = 300;
  EXPECT_DOUBLE_EQ(g.AngleOf(0), 240);
  EXPECT_DOUBLE_EQ(g.AngleOf(1), -60);
}

TEST(MeterScale, LabelTexts) {
  struct Case {
    double V;
    int Decimals;
    const char* Text;
  };
  const Case cases[] = {{2.5, 1, "2.5"},     {0, 1, "0.0"},       {1, 0, "1"},     {-0.4, 1, "-0.4"},
                        {1e-17, 2, "0.00"},  {-5e-17, 1, "0.0"},  {-3e-5, 0, "0"}, {1234.5678, 2, "1234.57"},
                        {1000000, 0, "1000000"}};
  for (const Case& c : cases) EXPECT_EQ(ScaleLabelText(c.V, c.Decimals), QString::fromLatin1(c.Text)) << c.V;
}
