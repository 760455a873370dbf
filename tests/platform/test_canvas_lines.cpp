#include "CanvasFixture.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

using namespace orv;
using namespace orv::test;

namespace {

// A line's pixels as Bresenham draws them: one per step of the major axis,
// the start included, the end left out, each within half a pixel of the line.
void ExpectBresenham(const PixelSet& Got, TPoint A, TPoint B) {
  const int dx = B.X - A.X, dy = B.Y - A.Y, n = std::max(std::abs(dx), std::abs(dy));
  ASSERT_EQ(int(Got.size()), n) << A.X << "," << A.Y << " -> " << B.X << "," << B.Y;
  EXPECT_TRUE(Got.count({A.X, A.Y}));
  EXPECT_FALSE(Got.count({B.X, B.Y}));
  for (const auto& [x, y] : Got) {
    if (std::abs(dx) >= std::abs(dy)) EXPECT_LE(std::abs(A.Y + double(x - A.X) * dy / dx - y), 0.5);
    else EXPECT_LE(std::abs(A.X + double(y - A.Y) * dx / dy - x), 0.5);
  }
}

}  // namespace

TEST(CanvasLines, LineToLeavesOutTheEndPoint) {
  const struct {
    TPoint A, B;
  } lines[] = {
      {{2, 5}, {8, 5}},   {{8, 5}, {2, 5}},   {{4, 1}, {4, 9}},   {{4, 9}, {4, 1}},  {{1, 1}, {6, 6}},
      {{6, 6}, {1, 1}},   {{0, 0}, {10, 3}},  {{10, 3}, {0, 0}},  {{3, 0}, {5, 17}}, {{30, 2}, {1, 20}},
      {{0, 39}, {39, 0}}, {{20, 20}, {21, 22}},
  };
  for (const auto& l : lines) {
    Surface s;
    s.Canvas.MoveTo(l.A.X, l.A.Y);
    s.Canvas.LineTo(l.B.X, l.B.Y);
    ExpectBresenham(s.Where(clBlack), l.A, l.B);
    EXPECT_EQ(s.Canvas.PenPos(), l.B);
  }
  Surface s;
  s.Canvas.MoveTo(2, 5);
  s.Canvas.LineTo(8, 5);
  EXPECT_EQ(s.Ink(), Block(2, 5, 8, 6));
  s.Canvas.LineTo(8, 5);  // zero length: nothing
  EXPECT_EQ(s.Ink(), Block(2, 5, 8, 6));
}

TEST(CanvasLines, PolylineDrawsEachVertexOnceAndNotTheLast) {
  Surface s;
  s.Canvas.Pen()->SetMode(pmXor);
  s.Canvas.Pen()->SetColor(clWhite);  // xor with white turns white to black
  s.Canvas.Polyline({{2, 2}, {10, 2}, {10, 10}, {4, 10}});
  PixelSet expected = Block(2, 2, 10, 3);
  for (const auto& p : Block(10, 2, 11, 10)) expected.insert(p);
  for (const auto& p : Block(5, 10, 11, 11)) expected.insert(p);
  EXPECT_EQ(s.Where(clBlack), expected);
  EXPECT_EQ(s.Ink(), expected);
}

TEST(CanvasLines, FarAwayEndPointsDrawTheVisiblePart) {
  Surface s;
  s.Canvas.MoveTo(-1000000000, 20);
  s.Canvas.LineTo(1000000000, 20);
  EXPECT_EQ(s.Ink(), Block(0, 20, 40, 21));

  Surface d;
  d.Canvas.MoveTo(INT_MIN, INT_MIN);
  d.Canvas.LineTo(INT_MAX, INT_MAX);
  PixelSet diagonal;
  for (int i = 0; i < 40; ++i) diagonal.insert({i, i});
  EXPECT_EQ(d.Ink(), diagonal);

  // A long shallow line cut to the image keeps its exact pixels.
  Surface l;
  l.Canvas.MoveTo(-1000, -300);
  l.Canvas.LineTo(1000, 300);
  const PixelSet ink = l.Ink();
  EXPECT_EQ(ink.size(), 40u);
  for (const auto& [x, y] : ink) EXPECT_LE(std::abs(x * 0.3 - y), 0.5);
}

TEST(CanvasLines, PenModesOnLines) {
  const struct {
    TPenMode Mode;
    TColor Pen, Background, Expected;
  } cases[] = {
      {pmCopy, clRed, clWhite, clRed},           {pmNot, clRed, clWhite, clBlack},
      {pmNot, clRed, RGB(10, 200, 30), RGB(245, 55, 225)},
      {pmXor, RGB(0xF0, 0x0F, 0xFF), RGB(0x0F, 0x0F, 0x00), RGB(0xFF, 0x00, 0xFF)},
      {pmNotXor, RGB(0xF0, 0x0F, 0xFF), RGB(0x0F, 0x0F, 0x00), RGB(0x00, 0xFF, 0x00)},
      {pmWhite, clRed, clBlack, clWhite},        {pmBlack, clRed, clWhite, clBlack},
  };
  for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied})
    for (const auto& c : cases) {
      Surface s(20, 20, format);
      s.Image.fill(ColorToQRgb(c.Background));
      s.Canvas.Pen()->SetMode(c.Mode);
      s.Canvas.Pen()->SetColor(c.Pen);
      s.Canvas.MoveTo(3, 4);
      s.Canvas.LineTo(12, 4);
      EXPECT_EQ(s.Where(c.Expected), Block(3, 4, 12, 5)) << c.Mode << " format " << format;
      EXPECT_EQ(qAlpha(s.Read().pixel(5, 4)), 255);
    }
}

TEST(CanvasLines, PenNotTwiceRestoresAndCrossesBlackAndWhite) {
  Surface s;
  s.Canvas.Brush()->SetColor(clBlack);
  s.Canvas.FillRect(Rect(0, 0, 20, 40));
  s.Canvas.Pen()->SetMode(pmNot);
  s.Canvas.MoveTo(10, 7);
  s.Canvas.LineTo(30, 7);
  EXPECT_EQ(s.Where(clWhite) & Block(0, 7, 40, 8), Block(10, 7, 20, 8) | Block(30, 7, 40, 8));
  EXPECT_EQ(s.At(25, 7), clBlack);
  s.Canvas.MoveTo(10, 7);
  s.Canvas.LineTo(30, 7);
  EXPECT_EQ(s.Where(clBlack), Block(0, 0, 20, 40));
}

TEST(CanvasLines, DashPatternsWidePensAndClearPens) {
  Surface s;
  s.Canvas.Pen()->SetStyle(psDash);  // 18 drawn, 6 skipped
  s.Canvas.MoveTo(0, 1);
  s.Canvas.LineTo(30, 1);
  EXPECT_EQ(s.Ink(), Block(0, 1, 18, 2) | Block(24, 1, 30, 2));

  Surface w;
  w.Canvas.Pen()->SetWidth(3);
  w.Canvas.MoveTo(5, 10);
  w.Canvas.LineTo(25, 10);
  const PixelSet ink = w.Ink();
  EXPECT_TRUE(Includes(ink, Block(6, 9, 25, 12)));
  for (const auto& [x, y] : ink) EXPECT_TRUE(y >= 8 && y <= 12 && x >= 3 && x <= 27) << x << "," << y;

  Surface c;
  c.Canvas.Pen()->SetStyle(psClear);
  c.Canvas.LineTo(30, 30);
  EXPECT_TRUE(c.Ink().empty());
  EXPECT_EQ(c.Canvas.PenPos(), Point(30, 30));
}

TEST(CanvasLines, ClipRectLimitsLines) {
  Surface s;
  s.Canvas.SetClipRect(Rect(10, 0, 20, 40));
  EXPECT_EQ(s.Canvas.ClipRect(), Rect(10, 0, 20, 40));
  s.Canvas.MoveTo(0, 5);
  s.Canvas.LineTo(40, 5);
  EXPECT_EQ(s.Ink(), Block(10, 5, 20, 6));
  s.Canvas.SetClipRect(TRect());
  EXPECT_EQ(s.Canvas.ClipRect(), Rect(0, 0, 40, 40));
}
