// TRotLab: the origin rule, where rotated text lands, the anchor, painting.
#include <ORV_RotLab.h>

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

using namespace orv;
using namespace orv::test;

namespace {

// The screen rectangle covered by a W x H text box turned by Angle degrees
// (counter-clockwise) about its top-left corner O.
QRectF TurnedBox(TPoint O, int W, int H, int Angle) {
  QTransform t;
  t.translate(O.X, O.Y);
  t.rotate(-Angle);
  return t.mapRect(QRectF(0, 0, W, H));
}

class RotLabTest : public ::testing::Test {
protected:
  void SetUp() override {
    Lab = std::make_unique<TRotLab>(nullptr);
    Lab->SetCaption(QStringLiteral("HEH8HEH"));
    Lab->SetTransparent(false);
    Lab->SetColor(clWhite);
    Lab->SetFrameStyle(fsNone);
    Lab->SetAntiAlias(false);
    ShowAndWait(Lab.get());
  }
  TCanvas* Measure() {
    Probe.Canvas()->Font()->Assign(Lab->Font());
    return Probe.Canvas();
  }

  std::unique_ptr<TRotLab> Lab;
  TBitmap Probe{1, 1};
};

}  // namespace

TEST_F(RotLabTest, Defaults) {
  TRotLab lab(nullptr);
  EXPECT_EQ(lab.Width(), 200);
  EXPECT_EQ(lab.Height(), 200);
  EXPECT_EQ(lab.Font()->Size(), 11);
  EXPECT_EQ(lab.Alignment(), taCenter);
  EXPECT_TRUE(lab.Transparent());
  EXPECT_TRUE(lab.AutoCenter());
  EXPECT_TRUE(lab.AntiAlias());
  EXPECT_EQ(lab.FrameStyle(), fsSunken);
  EXPECT_EQ(lab.TextAngle(), 0);
}

TEST_F(RotLabTest, OriginRule) {
  Lab->SetAutoCenter(false);
  Lab->SetPosX(100);
  Lab->SetPosY(100);
  const struct {
    int Angle;
    TAlignment Align;
    int W, H;
    TPoint Origin;
  } cases[] = {
      {90, taCenter, 40, 16, {92, 120}},  // the text runs upward through the anchor
      {0, taCenter, 40, 16, {80, 92}},
      {0, taLeftJustify, 40, 16, {100, 92}},
      {0, taRightJustify, 40, 16, {60, 92}},
      {180, taCenter, 40, 16, {120, 108}},
      {270, taLeftJustify, 40, 16, {108, 100}},
      {90, taRightJustify, 41, 17, {92, 140}},  // halves of odd sizes are dropped
      {45, taCenter, 40, 16, {80, 108}},       // -19.8 and 8.49 rounded
      {-315, taCenter, 40, 16, {80, 108}},
  };
  for (const auto& c : cases) {
    Lab->SetTextAngle(c.Angle);
    Lab->SetAlignment(c.Align);
    EXPECT_EQ(Lab->TextOrigin(c.W, c.H), c.Origin) << c.Angle << " " << c.Align;
  }
}

TEST_F(RotLabTest, TextLandsInItsTurnedBox) {
  const int w = Measure()->TextWidth(Lab->Caption()), h = Measure()->TextHeight(Lab->Caption());
  for (int angle : {0, 90, 180, 270, 30}) {
    for (TAlignment a : {taLeftJustify, taCenter, taRightJustify}) {
      Lab->SetTextAngle(angle);
      Lab->SetAlignment(a);
      const QRectF box = TurnedBox(Lab->TextOrigin(w, h), w, h, angle);
      const QRect ink = InkBounds(Grab(Lab.get()), QRect(0, 0, 200, 200), clWhite);
      ASSERT_FALSE(ink.isNull()) << angle << " " << a;
      EXPECT_TRUE(box.adjusted(-1, -1, 1, 1).contains(QRectF(ink))) << angle << " " << a;
      // Most of the run is inked along the text direction.
      const double run = std::abs(std::cos(angle * std::numbers::pi / 180)) > 0.5 ? ink.width() : ink.height();
      EXPECT_GT(run, 0.7 * w * std::max(std::abs(std::cos(angle * std::numbers::pi / 180)),
                                        std::abs(std::sin(angle * std::numbers::pi / 180))))
          << angle << " " << a;
    }
  }
}

TEST_F(RotLabTest, AnchorFollowsTheCentre) {
  QWidget parent;
  parent.resize(400, 300);
  auto* lab = new TRotLab(nullptr);
  lab->setParent(&parent);
  ShowAndWait(&parent);
  EXPECT_EQ(lab->PosX(), 100);
  lab->SetPosX(5);
  EXPECT_EQ(lab->PosX(), 100);
  lab->SetBounds(0, 0, 300, 120);
  EXPECT_EQ(lab->PosX(), 150);
  EXPECT_EQ(lab->PosY(), 60);
  lab->SetAutoCenter(false);
  lab->SetPosX(5);
  lab->SetBounds(0, 0, 200, 200);
  EXPECT_EQ(lab->PosX(), 5);
  EXPECT_EQ(lab->PosY(), 60);
  lab->SetAutoCenter(true);
  EXPECT_EQ(lab->PosX(), 100);
  EXPECT_EQ(lab->PosY(), 100);
}

TEST_F(RotLabTest, DisabledCaptionIsEngraved) {
  Lab->SetColor(clBlack);
  Lab->Font()->SetColor(clYellow);
  const QRect area(0, 0, 200, 200);
  const QRect enabled = InkBounds(Grab(Lab.get()), area, clBlack);
  Lab->SetEnabled(false);
  const QImage img = Grab(Lab.get());
  EXPECT_EQ(InkBounds(img, area, clBlack), enabled.adjusted(0, 0, 1, 1));
  bool highlight = false, shadow = false;
  for (int y = enabled.top(); y <= enabled.bottom() + 1; ++y)
    for (int x = enabled.left(); x <= enabled.right() + 1; ++x) {
      highlight |= PixelAt(img, x, y) == ColorToRGB(clBtnHighlight);
      shadow |= PixelAt(img, x, y) == ColorToRGB(clBtnShadow);
    }
  EXPECT_TRUE(highlight);
  EXPECT_TRUE(shadow);
}

// Transparent (the default): only the text and the frame cover the parent.
TEST_F(RotLabTest, TransparentShowsTheParentInsideTheFrame) {
  QWidget parent;
  parent.resize(240, 240);
  parent.setAutoFillBackground(true);
  QPalette pal = parent.palette();
  pal.setColor(QPalette::Window, QColor(0, 128, 0));
  parent.setPalette(pal);
  auto* lab = new TRotLab(nullptr);
  lab->setParent(&parent);
  lab->SetBounds(20, 20, 200, 200);
  lab->SetCaption(QStringLiteral("Pressure"));
  ShowAndWait(&parent);
  const QImage img = Grab(&parent);
  EXPECT_EQ(PixelAt(img, 40, 40), clGreen);
  EXPECT_EQ(PixelAt(img, 20, 100), clGray);   // outer edge of the sunken frame
  EXPECT_EQ(PixelAt(img, 21, 100), clBlack);  // its inner edge
  EXPECT_FALSE(InkBounds(img, QRect(60, 100, 120, 40), clGreen).isNull());
}

TEST_F(RotLabTest, AssignCopiesTheListedSettings) {
  TRotLab src(nullptr);
  src.SetAutoCenter(false);
  src.SetPosX(7);
  src.SetTextAngle(33);
  src.SetAntiAlias(false);
  src.SetFrameStyle(fsBump);
  TRotLab dst(nullptr);
  dst.Assign(&src);
  EXPECT_FALSE(dst.AutoCenter());
  EXPECT_EQ(dst.PosX(), 7);
  EXPECT_EQ(dst.TextAngle(), 33);
  EXPECT_FALSE(dst.AntiAlias());
  EXPECT_EQ(dst.FrameStyle(), fsBump);
}
