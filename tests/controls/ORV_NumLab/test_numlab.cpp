// TNumLab: setters, the displayed text, layout and painting.
#include <ORV_NumLab.h>

#include "TestSupport.h"

#include <QTest>
#include <gtest/gtest.h>

#include <memory>

using namespace orv;
using namespace orv::test;

namespace {

const QString HeightSample = QStringLiteral("(8g]}ÜÄ§");

class NumLabTest : public ::testing::Test {
protected:
  void SetUp() override {
    Lab = std::make_unique<TNumLab>(nullptr);
    Lab->OnBeforeDisplay = [this](TObject* Sender, QString&) {
      EXPECT_EQ(Sender, Lab.get());
      ++Displays;
    };
  }
  // Width and height of a text in the label's font.
  int TextWidth(const QString& Text) { return Measure()->TextWidth(Text); }
  int TextHeight() { return Measure()->TextHeight(HeightSample); }
  TCanvas* Measure() {
    Probe.Canvas()->Font()->Assign(Lab->Font());
    return Probe.Canvas();
  }

  std::unique_ptr<TNumLab> Lab;
  int Displays = 0;
  TBitmap Probe{1, 1};
};

}  // namespace

TEST_F(NumLabTest, Defaults) {
  EXPECT_EQ(Lab->Width(), 160);
  EXPECT_EQ(Lab->Height(), 28);
  EXPECT_EQ(Lab->DisplayType(), dtFixP);
  EXPECT_EQ(Lab->Precision(), 2);
  EXPECT_EQ(Lab->DTFormat(), QStringLiteral("mmm-dd, yyyy"));
  EXPECT_EQ(Lab->StateText(), QStringLiteral("undefined"));
  EXPECT_EQ(Lab->OverflowIndicator(), QStringLiteral("*********"));
  EXPECT_EQ(Lab->LeftSpace(), 35);
  EXPECT_EQ(Lab->LabelWidth(), 80);
  EXPECT_EQ(Lab->FrameStyle(), fsSunken);
  EXPECT_EQ(Lab->ColorLabBakG(), clBtnFace);
  EXPECT_EQ(Lab->LeftTextAlignment(), taRightJustify);
  EXPECT_EQ(Lab->RightTextAlignment(), taLeftJustify);
  EXPECT_EQ(Lab->Alignment(), taCenter);
  EXPECT_EQ(Lab->NumberText(), QStringLiteral("0.00"));
}

TEST_F(NumLabTest, SettersClampAndIgnore) {
  Lab->SetPrecision(20);
  EXPECT_EQ(Lab->Precision(), 15);
  Lab->SetPrecision(-1);
  EXPECT_EQ(Lab->Precision(), 15);
  Lab->SetLeftSpace(500);
  EXPECT_EQ(Lab->LeftSpace(), 160);
  Lab->SetLeftSpace(-3);
  EXPECT_EQ(Lab->LeftSpace(), 160);
}

// Every setter repaints (the text is formatted again) only for a new value.
TEST_F(NumLabTest, EqualValuesDoNotRepaint) {
  const std::vector<std::function<void()>> sameValue = {
      [&] { Lab->SetValue(0); },           [&] { Lab->SetDisplayType(dtFixP); },
      [&] { Lab->SetPrecision(2); },       [&] { Lab->SetComma(false); },
      [&] { Lab->SetLabelWidth(80); },     [&] { Lab->SetColorLabText(clBlack); },
      [&] { Lab->SetLeftText(QString()); }, [&] { Lab->SetTransparent(false); },
  };
  for (const auto& set : sameValue) set();
  EXPECT_EQ(Displays, 0);
  Lab->SetValue(1.5);
  Lab->SetComma(true);
  EXPECT_EQ(Displays, 2);
}

TEST_F(NumLabTest, BeforeDisplayRewritesTheText) {
  Lab->OnBeforeDisplay = [](TObject*, QString& Text) { Text = QStringLiteral("n/a"); };
  EXPECT_EQ(Lab->NumberText(), QStringLiteral("n/a"));
}

TEST_F(NumLabTest, TooWideTextShowsTheOverflowIndicator) {
  Lab->SetValue(123456789.0);
  Lab->SetLabelWidth(40);
  ASSERT_GT(TextWidth(QStringLiteral("123456789.00")), 40 - 6);
  EXPECT_EQ(Lab->NumberText(), QStringLiteral("*********"));
  // A text exactly LabelWidth - 6 wide still fits.
  Lab->SetLabelWidth(TextWidth(QStringLiteral("123456789.00")) + 6);
  EXPECT_EQ(Lab->NumberText(), QStringLiteral("123456789.00"));
  // The state text is never replaced.
  Lab->SetLabelWidth(20);
  Lab->SetDisplayType(dtState);
  EXPECT_EQ(Lab->NumberText(), QStringLiteral("undefined"));
  // A value the type cannot show gives the indicator too.
  Lab->SetDisplayType(dtInt);
  Lab->SetLabelWidth(200);
  Lab->SetValue(1e300);
  EXPECT_EQ(Lab->NumberText(), QStringLiteral("*********"));
}

TEST_F(NumLabTest, MouseAreaFollowsTheBox) {
  ShowAndWait(Lab.get());
  const struct {
    int X, Code;
  } cases[] = {{0, 0}, {34, 0}, {35, 1}, {115, 1}, {116, 2}, {159, 2}};
  for (const auto& c : cases) {
    QTest::mouseMove(Lab.get(), QPoint(c.X, 10));
    EXPECT_EQ(Lab->MouseAreaCode(), c.Code) << c.X;
  }
}

TEST_F(NumLabTest, AssignCopiesTheListedSettings) {
  TNumLab src(nullptr);
  src.SetValue(42.5);
  src.SetDisplayType(dtHex);
  src.SetLeftText(QStringLiteral("U"));
  src.SetColorLabBakG(clYellow);
  src.SetColorScheme(csSystemColors);
  src.SetComma(true);
  src.SetForcePlusSign(true);
  src.SetDTFormat(QStringLiteral("yyyy"));
  Lab->Assign(&src);
  EXPECT_EQ(Lab->Value(), 42.5);
  EXPECT_EQ(Lab->DisplayType(), dtHex);
  EXPECT_EQ(Lab->LeftText(), QStringLiteral("U"));
  EXPECT_EQ(Lab->ColorLabBakG(), clYellow);
  EXPECT_EQ(Lab->ColorScheme(), csSystemColors);
  EXPECT_FALSE(Lab->Comma());
  EXPECT_FALSE(Lab->ForcePlusSign());
  EXPECT_EQ(Lab->DTFormat(), QStringLiteral("mmm-dd, yyyy"));
  TBitmap other;
  EXPECT_THROW(Lab->Assign(&other), EConvertError);
}

// ---------------------------------------------------------------- painting

TEST_F(NumLabTest, TextPositionsFollowTheAlignments) {
  Lab->SetBounds(0, 0, 260, 30);
  Lab->SetLeftText(QStringLiteral("Flow"));
  Lab->SetRightText(QStringLiteral("m3/h"));
  Lab->SetValue(12.34);
  Lab->SetColorOutBakG(clWhite);
  Lab->SetColorLabBakG(clWhite);
  Lab->SetColorOutText(clBlue);
  Lab->SetColorLabText(clRed);
  Lab->SetFrameStyle(fsNone);
  ShowAndWait(Lab.get());
  const int lw = TextWidth(Lab->LeftText()), rw = TextWidth(Lab->RightText()), nw = TextWidth(QStringLiteral("12.34"));
  const int top = Lab->TextTop(TextHeight());
  EXPECT_EQ(top, (30 - TextHeight()) / 2);
  for (TAlignment a : {taLeftJustify, taRightJustify, taCenter}) {
    Lab->SetLeftTextAlignment(a);
    Lab->SetRightTextAlignment(a);
    Lab->SetAlignment(a);
    const QImage img = Grab(Lab.get());
    const QRect rows(0, top, 260, TextHeight());
    const QRect left = InkBounds(img, rows & QRect(0, 0, Lab->LeftSpace(), 30), clWhite);
    const QRect number = InkBounds(img, QRect(Lab->NumberClipRect()), clWhite);
    const QRect right = InkBounds(img, rows & QRect(Lab->LeftSpace() + Lab->LabelWidth() + 1, 0, 200, 30), clWhite);
    // Ink starts at most a pixel or two inside the text box and ends within it.
    const auto within = [](const QRect& ink, int x, int w) { return ink.left() >= x && ink.left() <= x + 2 && ink.right() < x + w; };
    EXPECT_TRUE(within(left, Lab->LeftTextX(lw), lw)) << a;
    EXPECT_TRUE(within(number, Lab->NumberX(nw), nw)) << a;
    EXPECT_TRUE(within(right, Lab->RightTextX(rw), rw)) << a;
    EXPECT_GE(number.top(), top);
  }
  EXPECT_EQ(Lab->NumberX(nw), 35 + (80 - nw) / 2 + 2);
  EXPECT_EQ(Lab->RightTextX(rw), (260 - (35 + 80 + rw)) / 2 + 35 + 80 + 1);
  Lab->SetLeftTextAlignment(taLeftJustify);
  EXPECT_EQ(Lab->LeftTextX(lw), 7);
  Lab->SetLeftTextAlignment(taRightJustify);
  EXPECT_EQ(Lab->LeftTextX(lw), 35 - lw - 5);
  Lab->SetRightTextAlignment(taLeftJustify);
  EXPECT_EQ(Lab->RightTextX(rw), 35 + 80 + 7);
}

TEST_F(NumLabTest, ColoursOfBoxTextAndBackground) {
  Lab->SetColorOutBakG(clNavy);
  Lab->SetColorLabBakG(clYellow);
  Lab->SetColorLabText(clRed);
  Lab->SetValue(88.88);
  ShowAndWait(Lab.get());
  const QImage img = Grab(Lab.get());
  EXPECT_EQ(PixelAt(img, 5, 5), clNavy);
  EXPECT_EQ(PixelAt(img, 155, 25), clNavy);
  EXPECT_EQ(PixelAt(img, Lab->LeftSpace() + 4, 4), clYellow);
  const QRect ink = InkBounds(img, QRect(Lab->NumberClipRect()), clYellow);
  ASSERT_FALSE(ink.isNull());
  bool red = false;
  for (int x = ink.left(); x <= ink.right(); ++x)
    for (int y = ink.top(); y <= ink.bottom(); ++y) red |= PixelAt(img, x, y) == clRed;
  EXPECT_TRUE(red);
}

TEST_F(NumLabTest, EmptyDrawsTheBoxWithoutNumber) {
  Lab->SetColorLabBakG(clYellow);
  Lab->SetEmpty(true);
  Displays = 0;
  ShowAndWait(Lab.get());
  Lab->Repaint();
  const QImage img = Grab(Lab.get());
  EXPECT_EQ(Displays, 0);
  EXPECT_TRUE(InkBounds(img, QRect(Lab->NumberClipRect()), clYellow).isNull());
}

TEST_F(NumLabTest, DisabledTextIsEngraved) {
  Lab->SetColorOutBakG(clBlack);
  Lab->SetColorOutText(clGray);
  Lab->SetColorLabBakG(clYellow);
  Lab->SetLeftText(QStringLiteral("III"));
  Lab->SetValue(88);
  ShowAndWait(Lab.get());
  const QRect leftZone(0, 0, Lab->LeftSpace(), 28);
  const QRect enabled = InkBounds(Grab(Lab.get()), leftZone, clBlack);
  Lab->SetEnabled(false);
  const QImage img = Grab(Lab.get());
  // A white copy one pixel right and down, grey on top.
  EXPECT_EQ(InkBounds(img, leftZone, clBlack), enabled.adjusted(0, 0, 1, 1));
  int brightest = 0;
  for (int y = enabled.top(); y <= enabled.bottom() + 1; ++y)
    for (int x = enabled.left(); x <= enabled.right() + 1; ++x) brightest = std::max(brightest, qGray(img.pixel(x, y)));
  EXPECT_GT(brightest, 0x90);
  bool shadowDigits = false;
  for (int y = 0; y < 28; ++y)
    for (int x = Lab->LeftSpace() + 3; x < Lab->LeftSpace() + 79; ++x)
      shadowDigits |= PixelAt(img, x, y) == ColorToRGB(clBtnShadow);
  EXPECT_TRUE(shadowDigits);
}

// Transparent: the white background lets the parent through; the box stays opaque.
TEST_F(NumLabTest, TransparentShowsTheParent) {
  QWidget parent;
  parent.resize(200, 40);
  parent.setAutoFillBackground(true);
  QPalette pal = parent.palette();
  pal.setColor(QPalette::Window, QColor(0, 128, 0));
  parent.setPalette(pal);
  Lab.reset();
  auto* lab = new TNumLab(nullptr);
  lab->setParent(&parent);
  lab->SetBounds(10, 5, 160, 28);
  lab->SetColorLabBakG(clYellow);
  lab->SetLeftText(QStringLiteral("WW"));
  lab->SetTransparent(true);
  ShowAndWait(&parent);
  const QImage img = Grab(&parent);
  EXPECT_EQ(PixelAt(img, 12, 6), clGreen);  // outside the box
  EXPECT_EQ(PixelAt(img, 10 + lab->LeftSpace() + 4, 5 + 4), clYellow);  // inside the box
  // The black left text stays black over the parent.
  bool black = false;
  for (int x = 10; x < 10 + lab->LeftSpace(); ++x)
    for (int y = 5; y < 33; ++y) black |= PixelAt(img, x, y) == clBlack;
  EXPECT_TRUE(black);
  lab->SetTransparent(false);
  EXPECT_EQ(PixelAt(Grab(&parent), 12, 6), ColorToRGB(clBtnFace));
}
