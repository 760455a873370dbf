// TSevenSeg: the caption walk, the glyph cells, decimal points and the cache.
#include <ORV_sevenseg.h>

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace orv;
using namespace orv::test;

namespace {

using TDigit = TSevenSeg::TDigit;

constexpr int Blank = -1, PointCell = 20;

// Centres of the seven segments (1 top ... 7 bottom) and of the decimal
// point in the 312 x 432 design grid.
const TPoint SegmentCentres[7] = {{194, 19}, {71, 118}, {278, 118}, {157, 216}, {34, 315}, {241, 315}, {120, 413}};
const TPoint PointCentre(288, 413);

class SevenSegTest : public ::testing::Test {
protected:
  void SetUp() override {
    Seg = std::make_unique<TSevenSeg>(nullptr);
    Seg->SetBounds(0, 0, 416, 140);  // cells of 94 x 124 pixels
    Seg->SetColorText(clLime);
    Seg->SetColorBackGnd(clNavy);
    ShowAndWait(Seg.get());
  }
  // The screen pixel of a design-grid point in digit J.
  TColor At(const QImage& Img, int J, TPoint Design) const {
    const TRect r = Seg->DigitRect(J);
    return PixelAt(Img, r.Left + Design.X * r.Width() / 312, r.Top + Design.Y * r.Height() / 432);
  }
  // The lit segments of digit J as a string of their numbers ("1235").
  QString LitSegments(const QImage& Img, int J) const {
    QString lit;
    for (int s = 0; s < 7; ++s) {
      const TColor c = At(Img, J, SegmentCentres[s]);
      EXPECT_TRUE(c == clLime || c == clNavy) << "digit " << J << " segment " << s + 1;
      if (c == clLime) lit += QString::number(s + 1);
    }
    return lit;
  }

  std::unique_ptr<TSevenSeg> Seg;
};

}  // namespace

TEST(SevenSegCaption, CellsOfTheCaption) {
  TSevenSeg seg(nullptr);
  const struct {
    const char* Caption;
    QList<TDigit> Digits;
  } cases[] = {
      {"12.34", {{1, false}, {2, true}, {3, false}, {4, false}}},
      {".5", {{PointCell, true}, {5, false}}},
      {",5", {{Blank, true}, {5, false}}},
      {"8.8.8.8.8", {{8, true}, {8, true}, {8, true}, {8, true}}},
      {"ab:\u00B0", {{14, false}, {15, false}, {12, false}, {13, false}}},
      {"-F e", {{10 + 0, false}, {19, false}, {Blank, false}, {18, false}}},
      {"1..2", {{1, true}, {PointCell, true}, {2, false}}},
      {"x", {{Blank, false}}},
      {"", {}},
  };
  for (const auto& c : cases) {
    seg.SetCaption(QString::fromUtf8(c.Caption));
    EXPECT_EQ(seg.CaptionDigits(), c.Digits) << c.Caption;
  }
}

TEST(SevenSegCaption, SettersClampAndIgnore) {
  TSevenSeg seg(nullptr);
  EXPECT_EQ(seg.Width(), 216);
  EXPECT_EQ(seg.Height(), 76);
  EXPECT_EQ(seg.Caption(), QStringLiteral("8.8.8.8."));
  seg.SetNumDigits(0);
  seg.SetNumDigits(33);
  EXPECT_EQ(seg.NumDigits(), 4);
  seg.SetNumDigits(32);
  EXPECT_EQ(seg.NumDigits(), 32);
  seg.SetMargin(100);
  EXPECT_EQ(seg.Margin(), 76 / 2 - 1);
  seg.SetInterDigDist(300);
  EXPECT_EQ(seg.InterDigDist(), 255);
  // Cells too narrow for a glyph leave the display blank instead of failing.
  seg.Repaint();
  EXPECT_LE(seg.GlyphWidth(), 0);
}

TEST_F(SevenSegTest, EveryGlyphLightsItsSegments) {
  const char* expected[16] = {"123567", "36",     "13457",   "13467", "2346",  "12467",
                              "124567", "136",    "1234567", "123467", "123456", "24567",
                              "1257",   "34567",  "12457",   "1245"};
  const QString glyphs = QStringLiteral("0123456789ABCDEF");
  for (int first = 0; first < 16; first += 4) {
    Seg->SetCaption(glyphs.mid(first, 4));
    const QImage img = Grab(Seg.get());
    for (int j = 0; j < 4; ++j) EXPECT_EQ(LitSegments(img, j), QString::fromLatin1(expected[first + j])) << first + j;
  }
  Seg->SetCaption(QStringLiteral("-"));
  EXPECT_EQ(LitSegments(Grab(Seg.get()), 0), QStringLiteral("4"));
}

TEST_F(SevenSegTest, DecimalPointsAndBlankCells) {
  Seg->SetCaption(QStringLiteral("1.x.5"));
  const QImage img = Grab(Seg.get());
  EXPECT_EQ(At(img, 0, PointCentre), clLime);
  EXPECT_EQ(At(img, 1, PointCentre), clLime);  // unknown character: blank cell, point lit
  EXPECT_EQ(LitSegments(img, 1), QString());
  EXPECT_EQ(At(img, 2, PointCentre), clNavy);
  EXPECT_EQ(LitSegments(img, 2), QStringLiteral("12467"));
  EXPECT_EQ(LitSegments(img, 3), QString());  // no fourth character
  // The point lies in the lower right sixth of its cell.
  const TRect dot = Seg->DotRect(0);
  EXPECT_EQ(dot.Left, Seg->DigitRect(0).Left + 5 * Seg->GlyphWidth() / 6);
  EXPECT_EQ(dot.Top, Seg->Margin() + 5 * Seg->GlyphHeight() / 6);
  EXPECT_FALSE(InkBounds(img, QRect(dot), clNavy).isNull());
}

TEST_F(SevenSegTest, CellsSitAtMarginAndSpacing) {
  Seg->SetMargin(10);
  Seg->SetInterDigDist(6);
  Seg->SetCaption(QStringLiteral("8888"));
  const QImage img = Grab(Seg.get());
  const int gw = (416 - 20) / 4 - 6;
  EXPECT_EQ(Seg->GlyphWidth(), gw);
  for (int j = 0; j < 4; ++j) {
    const TRect r = Seg->DigitRect(j);
    EXPECT_EQ(r, TRect(10 + j * (gw + 6), 10, 10 + j * (gw + 6) + gw, 130));
    const QRect ink = InkBounds(img, QRect(r.Left - 3, 3, r.Width() + 6, 134), clNavy);
    EXPECT_TRUE(QRect(r).contains(ink)) << j;
  }
}

TEST_F(SevenSegTest, SymbolGlyphs) {
  Seg->SetCaption(QStringLiteral("+:\u00B0"));
  const QImage img = Grab(Seg.get());
  EXPECT_EQ(At(img, 0, TPoint(157, 215)), clLime);  // centre of the plus
  EXPECT_EQ(At(img, 0, TPoint(157, 60)), clNavy);
  EXPECT_EQ(At(img, 1, TPoint(140, 293)), clLime);  // lower dot of the colon
  EXPECT_EQ(At(img, 1, TPoint(172, 139)), clLime);  // upper dot
  EXPECT_EQ(At(img, 2, TPoint(175, 69)), clLime);   // left side of the degree ring
  EXPECT_EQ(At(img, 2, TPoint(230, 69)), clNavy);   // its hole takes the background
}

TEST_F(SevenSegTest, WhiteTextShowsAsNearWhite) {
  Seg->SetColorText(clWhite);
  Seg->SetCaption(QStringLiteral("8"));
  EXPECT_EQ(At(Grab(Seg.get()), 0, SegmentCentres[3]), TColor(0xFEFEFE));
}

// A new caption only copies cells; the glyph strip is rebuilt for new inputs only.
TEST_F(SevenSegTest, CacheIsRebuiltOnlyWhenItsInputsChange) {
  const int builds = Seg->CacheBuildCount();
  for (int i = 0; i < 100; ++i) Seg->SetCaption(QString::number(i));
  Seg->SetFrameStyle(fsRaised);
  Seg->SetColorText(clLime);
  Seg->SetNumDigits(4);
  (void)Grab(Seg.get());
  EXPECT_EQ(Seg->CacheBuildCount(), builds);
  Seg->SetColorText(clRed);
  Seg->SetColorBackGnd(clBlack);
  Seg->SetNumDigits(5);
  Seg->SetMargin(4);
  Seg->SetInterDigDist(3);
  EXPECT_EQ(Seg->CacheBuildCount(), builds + 5);
  Seg->SetBounds(0, 0, 300, 100);
  (void)Grab(Seg.get());
  EXPECT_EQ(Seg->CacheBuildCount(), builds + 6);
  Seg->SetBounds(10, 10, 300, 100);  // a move is no resize
  (void)Grab(Seg.get());
  EXPECT_EQ(Seg->CacheBuildCount(), builds + 6);
}

// Every cell of the strip is the glyph composed in the work image and shrunk
// on its own, whatever the size, however the strip was rebuilt.
void ExpectCellsAreShrunkGlyphs(TSevenSeg& Seg, const char* Where) {
  const int gw = Seg.GlyphWidth(), h = Seg.GlyphHeight();
  const QImage strip = Seg.ImgCache->Image();
  ASSERT_EQ(strip.size(), QSize(int(SevenSegCharList.size()) * gw, h)) << Where;
  for (int k = 0; k < SevenSegCharList.size(); ++k) {
    Seg.CreateDigit(SevenSegCharList[k], false);
    const QImage glyph = Seg.DigImg->Image().scaled(gw, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_TRUE(strip.copy(k * gw, 0, gw, h) == glyph) << Where << " glyph " << k;
  }
}

// From narrow cells, where one spot of a cell touches two segments, to cells
// larger than the design grid; 7 digits give tall narrow cells. A sweep of
// further sizes tries many shrink ratios.
TEST_F(SevenSegTest, StripAfterSizeChangesHoldsTheShrunkGlyphs) {
  struct TSize {
    int Width, Height, Digits;
  };
  std::vector<TSize> sizes = {{216, 76, 4}, {800, 200, 4}, {120, 50, 4}, {60, 40, 4},
                              {300, 60, 7}, {700, 300, 4}, {1400, 1000, 4}};
  for (int w = 45; w < 1900; w += 83) sizes.push_back({w, 30 + (w * 7) % 500, 4});
  for (const auto& s : sizes) {
    const QString where = QStringLiteral("%1 x %2, %3 digits").arg(s.Width).arg(s.Height).arg(s.Digits);
    Seg->SetNumDigits(s.Digits);
    Seg->SetBounds(0, 0, s.Width, s.Height);
    (void)Grab(Seg.get());
    ExpectCellsAreShrunkGlyphs(*Seg, qPrintable(where));
    TSevenSeg fresh(nullptr);
    fresh.SetNumDigits(s.Digits);
    fresh.SetColorText(clLime);
    fresh.SetColorBackGnd(clNavy);
    fresh.SetBounds(0, 0, s.Width, s.Height);
    (void)Grab(&fresh);
    EXPECT_TRUE(fresh.ImgCache->Image() == Seg->ImgCache->Image()) << qPrintable(where);
  }
}

TEST_F(SevenSegTest, StripAfterColourChangesHoldsTheShrunkGlyphs) {
  Seg->SetBounds(0, 0, 150, 60);
  Seg->SetColorText(clWhite);
  Seg->SetColorBackGnd(clWhite);
  (void)Grab(Seg.get());
  ExpectCellsAreShrunkGlyphs(*Seg, "white on white");
  Seg->SetColorBackGnd(clBlack);
  Seg->SetColorText(Seg->ColorBackGnd());
  ExpectCellsAreShrunkGlyphs(*Seg, "black on black");
  // Solid vertical segments close rings around white areas the background
  // fill cannot reach: such glyphs differ far from their segments.
  Seg->SetColorText(clYellow);
  Seg->SegVert->Canvas()->Brush()->SetColor(clBlack);
  Seg->SegVert->Canvas()->FillRect(TRect(0, 0, Seg->SegVert->Width(), Seg->SegVert->Height()));
  Seg->CreateImageCache();
  ExpectCellsAreShrunkGlyphs(*Seg, "enclosed areas");
}

TEST_F(SevenSegTest, AssignCopiesSettingsAndKeepsOwnBitmaps) {
  TSevenSeg copy(nullptr);
  copy.SetBounds(0, 0, 416, 140);
  Seg->SetCaption(QStringLiteral("42"));
  Seg->SetMargin(12);
  copy.Assign(Seg.get());
  EXPECT_EQ(copy.Caption(), QStringLiteral("42"));
  EXPECT_EQ(copy.ColorText(), clLime);
  EXPECT_EQ(copy.Margin(), 12);
  EXPECT_NE(copy.ImgCache.get(), Seg->ImgCache.get());
  ShowAndWait(&copy);
  const QImage img = Grab(&copy);
  const TRect r = copy.DigitRect(0);
  EXPECT_EQ(PixelAt(img, r.Left + 157 * r.Width() / 312, r.Top + 216 * r.Height() / 432), clLime);
}
