// TRasterLab: the built-in font, font sampling, dot geometry, block modes,
// frames, automatic size and position, and timed scrolling.
#include "TestSupport.h"

#include <ORV_RasterLab.h>

#include <QByteArray>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>

using namespace orv;
using orv::test::Grab;
using orv::test::PixelAt;

namespace {

class RasterLabTest : public ::testing::Test {
protected:
  void SetUp() override {
    SetVirtualTimers(true);
    host = std::make_unique<QWidget>();
    lab = new TRasterLab(nullptr);
    lab->SetParent(host.get());
    lab->show();  // visible on its (hidden) parent: paints without a window
    lab->SetName(QStringLiteral("RasterLab1"));
  }
  void TearDown() override {
    host.reset();
    SetTimersFail(false);
    SetVirtualTimers(false);
  }
  TColor At(int X, int Y) { return PixelAt(Grab(lab), X, Y); }

  std::unique_ptr<QWidget> host;
  TRasterLab* lab = nullptr;
};

// Top-left pixel of the dot in glyph column Col, row Row of the character
// at Index of the label's text (proportional).
TPoint DotAt(TRasterLab* lab, int Index, int Col, int Row) {
  const int p = lab->DotSize() + lab->DotSpacing();
  const int code = RasterCharCode(lab->Text()[Index]);
  const int x = lab->PosX() + lab->CalcTextBitLength(lab->Text().left(Index));
  return TPoint(x + (Col - lab->CharMatrix().LeftMostBit[code]) * p, lab->PosY() + Row * p);
}

}  // namespace

// ------------------------------------------------------------------ built-in font

TEST(RasterFont, BuiltInMatrixHasTheFixedShapeAndSampleGlyphs) {
  const TRDCharMatrix& m = BuiltInCharMatrix();
  EXPECT_EQ(m.FontWidth, 7);
  EXPECT_EQ(m.FontHeight, 12);
  const std::uint32_t a[12] = {0x00, 0x08, 0x08, 0x14, 0x14, 0x22, 0x3E, 0x22, 0x22, 0x77, 0x00, 0x00};
  const std::uint32_t zero[12] = {0x00, 0x1C, 0x22, 0x22, 0x22, 0x22, 0x22, 0x22, 0x22, 0x1C, 0x00, 0x00};
  for (int r = 0; r < 12; ++r) {
    EXPECT_EQ(m.BitData['A'][r], a[r]) << "row " << r;
    EXPECT_EQ(m.BitData['0'][r], zero[r]) << "row " << r;
  }
  EXPECT_EQ(m.LeftMostBit['A'], 0);
  EXPECT_EQ(m.RightMostBit['A'], 6);
  EXPECT_EQ(m.LeftMostBit['0'], 1);
  EXPECT_EQ(m.RightMostBit['0'], 5);
  EXPECT_EQ(m.LeftMostBit['.'], 3);
  EXPECT_EQ(m.RightMostBit['.'], 3);
}

TEST(RasterFont, BlankAndEmptyCodesAndGlyphBounds) {
  const TRDCharMatrix& m = BuiltInCharMatrix();
  int fullWidth = 0;
  for (int code = 0; code < 256; ++code) {
    bool lit = false;
    for (int r = 0; r < 32; ++r) {
      lit = lit || m.BitData[code][r] != 0;
      EXPECT_EQ(m.BitData[code][r] & ~0x7Fu, 0u) << code;  // seven columns
      if (r >= 12) {
        EXPECT_EQ(m.BitData[code][r], 0u) << code;
      }
    }
    const bool blank = code < 33 || code == 127 || (code >= 155 && code <= 160);
    EXPECT_EQ(lit, !blank) << "code " << code;
    if (code < 32) {
      EXPECT_TRUE(m.LeftMostBit[code] == 0 && m.RightMostBit[code] == 0) << code;
    }
    EXPECT_LE(m.LeftMostBit[code], m.RightMostBit[code]) << code;
    if (lit && m.LeftMostBit[code] == 0 && m.RightMostBit[code] == 6) ++fullWidth;
  }
  EXPECT_GT(fullWidth, 100);  // most glyphs use the whole cell
}

TEST(RasterFont, Windows1252Codes) {
  struct Case { char16_t Unicode; int Code; };
  const Case cases[] = {{u'A', 65}, {0x20AC, 128}, {0x201A, 130}, {0x0178, 159}, {0x00E9, 233},
                        {0x00A0, 160}, {0x4E2D, '?'}, {0x0081, '?'}, {u'\t', 9}};
  for (const Case& c : cases) EXPECT_EQ(RasterCharCode(QChar(c.Unicode)), c.Code) << int(c.Unicode);
  for (int code = 32; code < 256; ++code) {
    const QChar ch = RasterCodeChar(code);
    if (!ch.isNull()) {
      EXPECT_EQ(RasterCharCode(ch), code);
    }
  }
  EXPECT_TRUE(RasterCodeChar(0x81).isNull());
}

// ------------------------------------------------------------------ defaults and clamps

TEST_F(RasterLabTest, Defaults) {
  EXPECT_EQ(lab->Text(), QStringLiteral("Text"));
  EXPECT_EQ(lab->Width(), 400);
  EXPECT_EQ(lab->Height(), 68);
  EXPECT_EQ(lab->Font()->Name(), QStringLiteral("default"));
  EXPECT_EQ(lab->Font()->Size(), 8);
  EXPECT_EQ(std::memcmp(&lab->CharMatrix(), &BuiltInCharMatrix(), sizeof(TRDCharMatrix)), 0);
  EXPECT_EQ(lab->DotSize(), 3);
  EXPECT_EQ(lab->DotSpacing(), 1);
  EXPECT_EQ(lab->PosX(), 1);
  EXPECT_EQ(lab->PosY(), 1);
  EXPECT_TRUE(lab->Proportional());
  EXPECT_EQ(lab->CharBlockMode(), rdbmOn);
  EXPECT_EQ(lab->ColorDotOn(), RGB(0, 255, 0));
  EXPECT_EQ(lab->ColorDotOff(), RGB(64, 64, 64));
  EXPECT_EQ(lab->ColorLabBakG(), clBlack);
  EXPECT_EQ(lab->FrameStyle(), fsSunken);
  EXPECT_EQ(lab->ScrollMode(), rdsmOff);
  EXPECT_EQ(lab->ScrollInterval(), 100);
  EXPECT_EQ(lab->ScrollIncrement(), 1);
  EXPECT_TRUE(lab->ScrollLoop());
}

TEST_F(RasterLabTest, SettersClamp) {
  struct Case { const char* Property; int In, Stored; };
  const Case cases[] = {
      {"DotSize", 0, 1},          {"DotSize", 40, 32},          {"DotSpacing", -1, 0},       {"DotSpacing", 5, 3},
      {"ScrollInterval", 5, 10}, {"ScrollIncrement", -3, 3}, {"ScrollIncrement", 0, 1},
  };
  for (const Case& c : cases) {
    lab->setProperty(c.Property, c.In);
    EXPECT_EQ(lab->property(c.Property).toInt(), c.Stored) << c.Property << " " << c.In;
  }
}

// ------------------------------------------------------------------ painting

TEST_F(RasterLabTest, DefaultTextDotsStartAtPosXWithFourPixelPitch) {
  const QImage img = Grab(lab);
  // "T": the top bar (row 1) is lit across columns 0..6, each dot 3 x 3.
  for (int col = 0; col < 7; ++col) {
    const TPoint d = DotAt(lab, 0, col, 1);
    EXPECT_EQ(d.X, 1 + 4 * col);
    EXPECT_EQ(PixelAt(img, d.X + 1, d.Y + 1), lab->ColorDotOn()) << col;
    EXPECT_EQ(PixelAt(img, d.X + 2, d.Y + 2), lab->ColorDotOn()) << col;
    EXPECT_EQ(PixelAt(img, d.X + 3, d.Y + 1), lab->ColorLabBakG()) << col;  // gap column
  }
  EXPECT_EQ(PixelAt(img, DotAt(lab, 0, 1, 2).X + 1, DotAt(lab, 0, 1, 2).Y + 1), lab->ColorDotOff());  // unlit
  EXPECT_EQ(lab->TextBitLength(), lab->CalcTextBitLength(lab->Text()) + 1);
  EXPECT_EQ(lab->CalcTextBitLength(QStringLiteral("T")), 4 * (7 + 1));
}

TEST_F(RasterLabTest, BlockModes) {
  lab->SetText(QStringLiteral("T"));
  const TPoint unlit = DotAt(lab, 0, 1, 2);            // inside the glyph's cell
  const TPoint after = {1 + 4 * 7 + 1, unlit.Y + 1};    // the dot column after the glyph
  const TPoint far = {200, unlit.Y + 1};                // beyond the text
  struct Case { TRDBlockMode Mode; TColor Unlit, After, Far; };
  const TColor off = lab->ColorDotOff(), bkg = lab->ColorLabBakG();
  const Case cases[] = {{rdbmOn, off, bkg, off}, {rdbmRaster, off, off, off}, {rdbmOff, bkg, bkg, bkg}};
  for (const Case& c : cases) {
    lab->SetCharBlockMode(c.Mode);
    const QImage img = Grab(lab);
    EXPECT_EQ(PixelAt(img, unlit.X + 1, unlit.Y + 1), c.Unlit) << c.Mode;
    EXPECT_EQ(PixelAt(img, after.X, after.Y), c.After) << c.Mode;
    EXPECT_EQ(PixelAt(img, far.X + 1, far.Y), c.Far) << c.Mode;
    EXPECT_EQ(PixelAt(img, DotAt(lab, 0, 3, 5).X + 1, DotAt(lab, 0, 3, 5).Y + 1), lab->ColorDotOn()) << c.Mode;
  }
}

TEST_F(RasterLabTest, SinglePixelDotsAndGaplessRaster) {
  lab->SetFrameStyle(fsNone);
  lab->SetDotSize(1);
  QImage img = Grab(lab);
  // Pitch 2: the lit top bar of "T" is every other pixel of row 1 + 2.
  EXPECT_EQ(PixelAt(img, 1, 3), lab->ColorDotOn());
  EXPECT_EQ(PixelAt(img, 2, 3), lab->ColorLabBakG());
  EXPECT_EQ(PixelAt(img, 3, 3), lab->ColorDotOn());
  EXPECT_EQ(PixelAt(img, 1, 4), lab->ColorLabBakG());

  lab->SetText(QString());
  lab->SetCharBlockMode(rdbmRaster);
  lab->SetDotSize(3);
  lab->SetDotSpacing(0);
  img = Grab(lab);
  for (int y = 0; y < lab->Height(); y += 7)
    for (int x = 0; x < lab->Width(); x += 13) ASSERT_EQ(PixelAt(img, x, y), lab->ColorDotOff()) << x << "," << y;
}

TEST_F(RasterLabTest, FixedPitchAdvancesByTheWidestGlyph) {
  lab->SetProportional(false);
  lab->SetText(QStringLiteral(".."));
  EXPECT_EQ(lab->CalcTextBitLength(lab->Text()), 2 * 4 * (7 + 1));
  // The full stop (column 3) sits in the middle of its fixed cell.
  const QImage img = Grab(lab);
  EXPECT_EQ(PixelAt(img, 1 + 3 * 4 + 1, 1 + 9 * 4 + 1), lab->ColorDotOn());
  EXPECT_EQ(PixelAt(img, 1 + 32 + 3 * 4 + 1, 1 + 9 * 4 + 1), lab->ColorDotOn());
}

TEST_F(RasterLabTest, FramesFollowTheirLinePaths) {
  const int w = lab->Width(), h = lab->Height();
  const TColor light = clWhite, dark = clGray, black = clBlack;
  struct Case { TFrameStyle Style; TPoint P; TColor Color; };
  const Case cases[] = {
      {fsSimple, {0, 0}, dark},          {fsSimple, {w - 1, h - 1}, dark},
      {fsSunken, {0, 0}, dark},          {fsSunken, {1, 1}, black},       {fsSunken, {w - 1, h - 1}, light},
      {fsSunken, {w - 2, h - 2}, dark},  {fsRaised, {1, 1}, light},       {fsRaised, {0, h - 1}, black},
      {fsRaised, {w - 1, 1}, black},     {fsEtched, {0, 0}, light},       {fsEtched, {1, 1}, dark},
      {fsEtched, {w - 1, h - 1}, dark},  {fsBump, {0, 0}, dark},          {fsBump, {w - 1, h - 1}, light},
  };
  for (const Case& c : cases) {
    lab->SetFrameStyle(c.Style);
    EXPECT_EQ(At(c.P.X, c.P.Y), c.Color) << c.Style << " at " << c.P.X << "," << c.P.Y;
  }
  lab->SetFrameStyle(fsNone);
  lab->SetCharBlockMode(rdbmOff);
  EXPECT_EQ(At(0, 0), lab->ColorLabBakG());
  lab->SetFrameStyle(fsSunken);
  lab->SetColorScheme(csSystemColors);
  EXPECT_EQ(At(0, 0), ColorToRGB(clBtnShadow));
  EXPECT_EQ(At(w - 1, h - 1), ColorToRGB(clBtnHighlight));
}

// ------------------------------------------------------------------ fonts and matrices

TEST_F(RasterLabTest, DefaultNameInAnyCaseSelectsTheBuiltInFont) {
  lab->Font()->SetName(QStringLiteral("DejaVu Sans"));
  EXPECT_NE(std::memcmp(&lab->CharMatrix(), &BuiltInCharMatrix(), sizeof(TRDCharMatrix)), 0);
  lab->Font()->SetName(QStringLiteral("DeFAULT"));
  EXPECT_EQ(std::memcmp(&lab->CharMatrix(), &BuiltInCharMatrix(), sizeof(TRDCharMatrix)), 0);
  const TRDCharMatrix none = lab->CreateBitFont(nullptr);
  EXPECT_EQ(std::memcmp(&none, &BuiltInCharMatrix(), sizeof(TRDCharMatrix)), 0);
}

TEST_F(RasterLabTest, SampledFontMatrix) {
  lab->Font()->SetName(QStringLiteral("DejaVu Sans"));
  lab->Font()->SetSize(12);
  const TRDCharMatrix& m = lab->CharMatrix();
  EXPECT_GT(m.FontHeight, 10);
  EXPECT_LE(m.FontHeight, 32);
  EXPECT_GT(m.FontWidth, 5);
  auto width = [&](int code) { return m.RightMostBit[code] - m.LeftMostBit[code] + 1; };
  EXPECT_LT(width('i'), width('W'));
  int widest = 0;
  for (int code = 33; code < 256; ++code)
    if (m.RightMostBit[code] >= m.LeftMostBit[code]) widest = std::max(widest, width(code));
  EXPECT_EQ(widest, m.FontWidth);
  EXPECT_EQ(m.LeftMostBit[32], 0);
  EXPECT_EQ(m.RightMostBit[32], m.FontWidth / 2);
  // No dots (the no-break space): the starting limits stay, and the
  // character advances by one gap column instead of a negative width.
  EXPECT_EQ(m.LeftMostBit[160], 31);
  EXPECT_EQ(m.RightMostBit[160], 0);
  EXPECT_EQ(lab->CalcTextBitLength(QString(QChar(0xA0))), lab->DotSize() + lab->DotSpacing());
  // Every dot of "I" lies in its own column range and below the last row.
  for (int r = 0; r < 32; ++r) {
    const std::uint32_t bits = m.BitData['I'][r];
    if (r >= m.FontHeight) {
      EXPECT_EQ(bits, 0u);
    }
    for (int c = 0; c < 32; ++c) {
      if (bits & (1u << c)) {
        EXPECT_TRUE(c >= m.LeftMostBit['I'] && c <= m.RightMostBit['I']);
      }
    }
  }
}

TEST_F(RasterLabTest, MatrixBytesCanBeStoredAndExchanged) {
  lab->Font()->SetName(QStringLiteral("DejaVu Sans"));
  const QByteArray stored(reinterpret_cast<const char*>(&lab->CharMatrix()), sizeof(TRDCharMatrix));
  ASSERT_EQ(stored.size(), 33288);
  TRDCharMatrix loaded;
  std::memcpy(&loaded, stored.constData(), sizeof loaded);
  TRasterLab other(nullptr);
  other.SetCharMatrix(loaded);
  EXPECT_EQ(other.CalcTextBitLength(QStringLiteral("Matrix")), lab->CalcTextBitLength(QStringLiteral("Matrix")));
  EXPECT_EQ(std::memcmp(&other.CharMatrix(), &lab->CharMatrix(), sizeof(TRDCharMatrix)), 0);
}

// ------------------------------------------------------------------ automatic size and position

TEST_F(RasterLabTest, AutoHeightFollowsDotsAndFrame) {
  lab->SetAutoHeight(true);
  EXPECT_EQ(lab->Height(), 1 + 4 * 12);
  lab->SetDotSize(2);
  EXPECT_EQ(lab->Height(), 1 + 3 * 12);
  lab->SetFrameStyle(fsBump);
  lab->SetDotSpacing(2);
  EXPECT_EQ(lab->Height(), 2 + 4 * 12);
}

TEST_F(RasterLabTest, AutoCenterPlacesTheText) {
  lab->SetAutoCenter(true);
  EXPECT_EQ(lab->PosX(), (400 - lab->CalcTextBitLength(QStringLiteral("Text"))) / 2 + 1 + 1);
  lab->SetText(QString(200, QLatin1Char('W')));
  EXPECT_LT(lab->PosX(), 0);
  EXPECT_EQ(lab->PosX(), (400 - lab->CalcTextBitLength(lab->Text())) / 2 + 2);
  lab->SetText(QStringLiteral("Text"));
  orv::test::ShowAndWait(host.get());  // resizing reaches a shown control at once
  lab->SetWidth(300);
  EXPECT_EQ(lab->PosX(), (300 - lab->CalcTextBitLength(QStringLiteral("Text"))) / 2 + 2);
  lab->SetAutoCenter(false);
  EXPECT_EQ(lab->PosX(), 1);
}

// ------------------------------------------------------------------ scrolling

TEST_F(RasterLabTest, ScrollsInEveryDirectionAndRestartsTheLoop) {
  struct Case { TRDScrollMode Mode; int Ticks, PosX, PosY; };
  // Default text (125 pixels as painted, 48 high) at (1, 1) in 400 x 68,
  // 50 pixels per step (20 vertically).
  const Case cases[] = {
      {rdsmRight, 9, -125, 0},  // 450 > 400: starts again with its right end left of PosX
      {rdsmLeft, 3, 399, 0},    // -150 leaves the left edge: starts at the right edge
      {rdsmDown, 4, 0, -49},    // 80 leaves the bottom: starts above the top
      {rdsmUp, 3, 0, 67},       // -60 leaves the top: starts at the bottom
  };
  for (const Case& c : cases) {
    lab->SetScrollMode(rdsmOff);
    const bool vertical = c.Mode == rdsmDown || c.Mode == rdsmUp;
    lab->SetScrollIncrement(vertical ? 20 : 50);
    lab->SetScrollInterval(10);
    int ticks = 0, restarts = 0;
    lab->OnScrollTimer = [&](TObject* Sender) {
      EXPECT_EQ(Sender, lab);
      ++ticks;
    };
    lab->OnScrollLoopRestart = [&](TObject*) { ++restarts; };
    lab->SetScrollMode(c.Mode);
    AdvanceTimers(10 * (c.Ticks - 1));
    EXPECT_EQ(restarts, 0) << c.Mode;
    AdvanceTimers(10);
    EXPECT_EQ(ticks, c.Ticks) << c.Mode;
    EXPECT_EQ(restarts, 1) << c.Mode;
    EXPECT_EQ(lab->ScrollPosX(), c.PosX) << c.Mode;
    EXPECT_EQ(lab->ScrollPosY(), c.PosY) << c.Mode;
  }
}

TEST_F(RasterLabTest, ScrolledTextAndRasterMoveTogether) {
  lab->SetText(QStringLiteral("T"));
  lab->SetCharBlockMode(rdbmRaster);
  lab->SetScrollIncrement(6);
  lab->SetScrollMode(rdsmRight);
  AdvanceTimers(100);
  ASSERT_EQ(lab->ScrollPosX(), 6);
  const QImage img = Grab(lab);
  EXPECT_EQ(PixelAt(img, 7 + 1, 5 + 1), lab->ColorDotOn());      // top bar of "T" from x = 1 + 6
  EXPECT_EQ(PixelAt(img, 7 + 3, 5 + 1), lab->ColorLabBakG());    // its gap column
  EXPECT_EQ(PixelAt(img, 7 + 4 * 9 + 1, 5 + 1), lab->ColorDotOff());  // raster continues beyond
}

TEST_F(RasterLabTest, WithoutLoopTheTextLeavesForGood) {
  lab->SetScrollLoop(false);
  lab->SetScrollIncrement(50);
  int restarts = 0;
  lab->OnScrollLoopRestart = [&](TObject*) { ++restarts; };
  lab->SetScrollMode(rdsmRight);
  AdvanceTimers(2000);
  EXPECT_EQ(lab->ScrollPosX(), 1000);
  EXPECT_EQ(restarts, 0);
}

TEST_F(RasterLabTest, SwitchingOffResetsAndStopsTheTimer) {
  const int timers = ActiveTimerCount();
  lab->SetScrollMode(rdsmUp);
  EXPECT_EQ(ActiveTimerCount(), timers + 1);
  AdvanceTimers(300);
  EXPECT_EQ(lab->ScrollPosY(), -3);
  lab->SetScrollMode(rdsmOff);
  EXPECT_EQ(ActiveTimerCount(), timers);
  EXPECT_EQ(lab->ScrollPosX(), 0);
  EXPECT_EQ(lab->ScrollPosY(), 0);
}

TEST_F(RasterLabTest, ChangedIntervalRestartsTheTimer) {
  int ticks = 0;
  lab->OnScrollTimer = [&](TObject*) { ++ticks; };
  lab->SetScrollMode(rdsmLeft);
  AdvanceTimers(60);
  lab->SetScrollInterval(50);
  AdvanceTimers(49);
  EXPECT_EQ(ticks, 0);
  AdvanceTimers(1);
  EXPECT_EQ(ticks, 1);
  lab->SetScrollInterval(50);  // unchanged: the phase stays
  AdvanceTimers(50);
  EXPECT_EQ(ticks, 2);
}

TEST_F(RasterLabTest, NothingScrollsInTheDesigner) {
  lab->SetDesigning(true);
  lab->SetScrollMode(rdsmLeft);
  AdvanceTimers(1000);
  EXPECT_EQ(lab->ScrollPosX(), 0);
}

TEST_F(RasterLabTest, NoTimerAvailable) {
  SetTimersFail(true);
  try {
    lab->SetScrollMode(rdsmRight);
    FAIL() << "no exception";
  } catch (const EORVRasterLabError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Component \"RasterLab1\": no timer available"));
  }
}

// ------------------------------------------------------------------ assignment

TEST_F(RasterLabTest, AssignCopiesTheListedSettings) {
  TRasterLab source(nullptr);
  source.SetText(QStringLiteral("Copy"));
  source.SetFrameStyle(fsBump);
  source.SetColorLabBakG(clNavy);
  source.SetColorDotOn(clYellow);
  source.SetColorScheme(csSystemColors);
  source.SetDotSize(5);
  lab->Assign(&source);
  EXPECT_EQ(lab->Text(), QStringLiteral("Copy"));
  EXPECT_EQ(lab->FrameStyle(), fsBump);
  EXPECT_EQ(lab->ColorLabBakG(), clNavy);
  EXPECT_EQ(lab->ColorDotOn(), clYellow);
  EXPECT_EQ(lab->ColorScheme(), csSystemColors);
  EXPECT_EQ(lab->DotSize(), 3);
  EXPECT_EQ(At(0, 0), ColorToRGB(clBtnShadow));  // bump frame in the system's dark colour, painted
}

TEST_F(RasterLabTest, PublishedPropertiesByName) {
  // As a form file sets them: enumerations by their value names.
  EXPECT_TRUE(lab->setProperty("CharBlockMode", QStringLiteral("rdbmRaster")));
  EXPECT_TRUE(lab->setProperty("ColorScheme", QStringLiteral("csSystemColors")));
  EXPECT_TRUE(lab->setProperty("Text", QStringLiteral("Form")));
  EXPECT_TRUE(lab->setProperty("DotSize", 40));
  EXPECT_EQ(lab->CharBlockMode(), rdbmRaster);
  EXPECT_EQ(lab->ColorScheme(), csSystemColors);
  EXPECT_EQ(lab->Text(), QStringLiteral("Form"));
  EXPECT_EQ(lab->DotSize(), 32);
  lab->SetDesigning(true);  // stored without scrolling
  EXPECT_TRUE(lab->setProperty("ScrollMode", QStringLiteral("rdsmUp")));
  EXPECT_EQ(lab->ScrollMode(), rdsmUp);
}
