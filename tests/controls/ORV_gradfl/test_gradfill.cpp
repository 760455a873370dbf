// TGradFill: band geometry and colours of the four fill types, flipped
// colours, band count clamps, grid modes and the paint event.
#include "TestSupport.h"

#include <ORV_gradfl.h>

#include <QBuffer>
#include <QMetaProperty>
#include <gtest/gtest.h>

#include <memory>

using namespace orv;
using orv::test::Grab;
using orv::test::PixelAt;

namespace {

class GradFillTest : public ::testing::Test {
protected:
  void SetUp() override {
    host = std::make_unique<QWidget>();
    fill = new TGradFill(nullptr);
    fill->SetParent(host.get());
    fill->show();
  }
  std::unique_ptr<QWidget> host;
  TGradFill* fill = nullptr;
};

constexpr TColor kFirst = RGB(0, 100, 200), kLast = RGB(200, 0, 100);
constexpr TColor kHalf = RGB(100, 50, 150);

}  // namespace

TEST_F(GradFillTest, Defaults) {
  EXPECT_EQ(fill->Width(), 121);
  EXPECT_EQ(fill->Height(), 121);
  EXPECT_EQ(fill->ColorFirst(), TColor(0x000080));
  EXPECT_EQ(fill->ColorLast(), TColor(0x00FFFF));
  EXPECT_FALSE(fill->ColorFlipped());
  EXPECT_EQ(fill->FillType(), gtHoriz);
  EXPECT_EQ(fill->NrColors(), 16);
  EXPECT_EQ(fill->FrameStyle(), fsNone);
  EXPECT_EQ(fill->GridMode(), gmNone);
  EXPECT_EQ(fill->GridColor(), TColor(0x800000));
}

TEST_F(GradFillTest, OneBandIsOnePlainArea) {
  fill->SetNrColors(1);
  for (TGradType t : {gtHoriz, gtVert, gtMidBandHoriz, gtMidBandVert}) {
    fill->SetFillType(t);
    const QImage img = Grab(fill);
    for (int i = 0; i < 121; i += 10) EXPECT_EQ(PixelAt(img, i, 120 - i), TColor(0x000080)) << t << " " << i;
  }
}

TEST_F(GradFillTest, TwoBandsSplitInTheMiddle) {
  fill->SetBounds(0, 0, 80, 100);
  fill->SetColorFirst(kFirst);
  fill->SetColorLast(kLast);
  fill->SetNrColors(2);
  QImage img = Grab(fill);
  EXPECT_EQ(PixelAt(img, 40, 49), kFirst);
  EXPECT_EQ(PixelAt(img, 40, 50), kHalf);
  EXPECT_EQ(PixelAt(img, 79, 99), kHalf);  // the last band stops one step short of ColorLast
  fill->SetFillType(gtVert);
  img = Grab(fill);
  EXPECT_EQ(PixelAt(img, 39, 50), kFirst);
  EXPECT_EQ(PixelAt(img, 40, 50), kHalf);
}

TEST_F(GradFillTest, BandsAndBoundariesFollowMulDiv) {
  fill->SetColorFirst(clBlack);
  fill->SetColorLast(RGB(255, 160, 16));
  fill->SetNrColors(7);  // 121 / 7 = 17.29: boundaries 17, 35, 52, 69, 86, 104
  const int bounds[] = {0, 17, 35, 52, 69, 86, 104, 121};
  for (TGradType t : {gtHoriz, gtVert}) {
    fill->SetFillType(t);
    const QImage img = Grab(fill);
    for (int k = 0; k < 7; ++k) {
      // channel c0 + MulDiv(k, dc, 7)
      const TColor expected = RGB(MulDiv(k, 255, 7), MulDiv(k, 160, 7), MulDiv(k, 16, 7));
      EXPECT_EQ(fill->BandColor(k), expected) << k;
      const int first = bounds[k], last = bounds[k + 1] - 1;
      EXPECT_EQ(t == gtHoriz ? PixelAt(img, 60, first) : PixelAt(img, first, 60), expected) << t << " " << k;
      EXPECT_EQ(t == gtHoriz ? PixelAt(img, 60, last) : PixelAt(img, last, 60), expected) << t << " " << k;
    }
  }
}

TEST_F(GradFillTest, MidBandRisesToColorLastAndFallsBack) {
  fill->SetColorFirst(kFirst);
  fill->SetColorLast(kLast);
  fill->SetFillType(gtMidBandVert);
  struct Case { int N; std::vector<TColor> Bands; };
  const Case cases[] = {{5, {kFirst, kHalf, kLast, kHalf, kFirst}}, {4, {kFirst, kHalf, kLast, kFirst}}};
  for (const Case& c : cases) {
    fill->SetNrColors(c.N);
    const QImage img = Grab(fill);
    for (int k = 0; k < c.N; ++k) {
      EXPECT_EQ(fill->BandColor(k), c.Bands[std::size_t(k)]) << c.N << " band " << k;
      const TRect r = fill->BandRect(k);
      EXPECT_EQ(PixelAt(img, (r.Left + r.Right) / 2, 60), c.Bands[std::size_t(k)]) << c.N << " band " << k;
    }
  }
}

TEST_F(GradFillTest, FlippedColorsKeepTheOriginals) {
  fill->SetColorFirst(kFirst);
  fill->SetColorLast(kLast);
  fill->SetColorFlipped(true);
  EXPECT_EQ(fill->ColorFirst(), kLast);
  EXPECT_EQ(fill->ColorLast(), kFirst);
  EXPECT_EQ(PixelAt(Grab(fill), 60, 0), kLast);
  fill->SetColorFirst(clLime);  // while flipped: becomes the unflipped last colour
  fill->SetColorFlipped(false);
  EXPECT_EQ(fill->ColorFirst(), kFirst);
  EXPECT_EQ(fill->ColorLast(), clLime);
}

TEST_F(GradFillTest, BandCountClampsAndSystemColors) {
  fill->SetNrColors(0);
  EXPECT_EQ(fill->NrColors(), 1);
  fill->SetNrColors(300);
  EXPECT_EQ(fill->NrColors(), 255);
  fill->SetColorFirst(clBtnFace);
  fill->SetNrColors(1);
  EXPECT_EQ(PixelAt(Grab(fill), 60, 60), ColorToRGB(clBtnFace));
}

TEST_F(GradFillTest, GridLinesOnTheBandBoundaries) {
  fill->SetNrColors(4);  // boundaries at 30, 61, 91
  fill->SetGridColor(clRed);
  struct Case { TGridMode Mode; bool Rows, Columns; };
  const Case cases[] = {{gmNone, false, false}, {gmHoriz, true, false}, {gmVert, false, true}, {gmBoth, true, true}};
  for (const Case& c : cases) {
    fill->SetGridMode(c.Mode);
    const QImage img = Grab(fill);
    for (int b : {30, 61, 91}) {
      EXPECT_EQ(PixelAt(img, 10, b) == clRed, c.Rows) << c.Mode << " row " << b;
      EXPECT_EQ(PixelAt(img, b, 10) == clRed, c.Columns) << c.Mode << " column " << b;
    }
    EXPECT_NE(PixelAt(img, 10, 45), clRed) << c.Mode;
  }
}

TEST_F(GradFillTest, OnPaintFiresAfterEveryPaint) {
  int painted = 0;
  fill->OnPaint = [&](TObject* Sender) {
    EXPECT_EQ(Sender, fill);
    ++painted;
  };
  Grab(fill);
  fill->SetFillType(gtVert);
  Grab(fill);
  EXPECT_EQ(painted, 2);
}

TEST_F(GradFillTest, PublishedPropertiesByName) {
  // As a form file sets them: enumerations by their value names.
  EXPECT_TRUE(fill->setProperty("FillType", QStringLiteral("gtMidBandVert")));
  EXPECT_TRUE(fill->setProperty("GridMode", QStringLiteral("gmBoth")));
  EXPECT_TRUE(fill->setProperty("FrameStyle", QStringLiteral("fsRaised")));
  EXPECT_TRUE(fill->setProperty("NrColors", 40));
  EXPECT_TRUE(fill->setProperty("ColorFirst", 0x123456u));
  EXPECT_EQ(fill->FillType(), gtMidBandVert);
  EXPECT_EQ(fill->GridMode(), gmBoth);
  EXPECT_EQ(fill->FrameStyle(), fsRaised);
  EXPECT_EQ(fill->NrColors(), 40);
  EXPECT_EQ(fill->ColorFirst(), 0x123456u);
  const QMetaObject* meta = fill->metaObject();
  EXPECT_TRUE(meta->property(meta->indexOfProperty("FillType")).isEnumType());
}

TEST(GradFillForm, AFormFileMakesTheControlByItsClassName) {
  const QByteArray ui = R"(<ui version="4.0">
 <widget class="QWidget" name="Form">
  <widget class="orv::TGradFill" name="fill">
   <property name="NrColors"><number>12</number></property>
   <property name="ColorFlipped"><bool>true</bool></property>
  </widget>
 </widget>
</ui>)";
  QBuffer buffer;
  buffer.setData(ui);
  TFormLoader loader;
  std::unique_ptr<QWidget> form(loader.Load(&buffer));
  ASSERT_TRUE(form);
  auto* fill = form->findChild<TGradFill*>(QStringLiteral("fill"));
  ASSERT_TRUE(fill);
  EXPECT_EQ(fill->NrColors(), 12);
  EXPECT_TRUE(fill->ColorFlipped());
}
