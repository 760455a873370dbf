#include "CanvasFixture.h"

#include <gtest/gtest.h>

#include <climits>

using namespace orv;
using namespace orv::test;

TEST(CanvasPixels, PixelsReadAndWriteOnePixel) {
  Surface s;
  s.Canvas.SetPixels(3, 4, clRed);
  EXPECT_EQ(s.Canvas.Pixels(3, 4), clRed);
  EXPECT_EQ(s.Ink(), Block(3, 4, 4, 5));
  s.Canvas.SetPixels(5, 5, clBtnShadow);
  EXPECT_EQ(s.Canvas.Pixels(5, 5), 0xA0A0A0u);
  EXPECT_EQ(s.Canvas.Pixels(-1, 0), clNone);
  EXPECT_EQ(s.Canvas.Pixels(40, 0), clNone);
  EXPECT_EQ(s.Canvas.Pixels(INT_MAX, INT_MIN), clNone);
  s.Canvas.SetClipRect(Rect(0, 0, 5, 5));
  s.Canvas.SetPixels(6, 6, clRed);
  s.Canvas.SetPixels(INT_MAX, INT_MAX, clRed);
  EXPECT_EQ(s.Ink().size(), 2u);
}

TEST(CanvasPixels, DestinationInvertTwiceRestores) {
  Surface s;
  s.Canvas.Brush()->SetColor(clRed);
  s.Canvas.FillRect(Rect(0, 0, 10, 40));
  const QImage before = s.Read().copy();
  s.Canvas.SetCopyMode(cmDstInvert);
  s.Canvas.CopyRect(Rect(5, 5, 15, 15), nullptr, Rect(0, 0, 0, 0));
  EXPECT_EQ(s.At(5, 5), clAqua);
  EXPECT_EQ(s.At(12, 12), clBlack);
  EXPECT_EQ(s.At(15, 15), clWhite);
  EXPECT_EQ(s.Where(clWhite, true), Block(0, 0, 10, 40) | Block(10, 5, 15, 15));
  s.Canvas.CopyRect(Rect(5, 5, 15, 15), &s.Canvas, Rect(5, 5, 15, 15));
  EXPECT_EQ(s.Read(), before);
}

TEST(CanvasPixels, CopyModesCombineSourceAndDestination) {
  const TColor src = RGB(0xF0, 0x33, 0x0F), dst = RGB(0x3C, 0x55, 0xFF);
  const struct {
    TCopyMode Mode;
    TColor Expected;
  } cases[] = {
      {cmSrcCopy, src},          {cmDstInvert, ~dst & 0xFFFFFF}, {cmSrcInvert, src ^ dst},
      {cmNotSrcCopy, ~src & 0xFFFFFF}, {cmSrcAnd, src & dst},    {cmSrcPaint, src | dst},
      {cmBlackness, clBlack},    {cmWhiteness, clWhite},
  };
  for (const auto& c : cases) {
    Surface from(10, 10), to(10, 10);
    from.Image.fill(ColorToQRgb(src));
    to.Image.fill(ColorToQRgb(dst));
    to.Canvas.SetCopyMode(c.Mode);
    to.Canvas.CopyRect(Rect(2, 2, 6, 6), &from.Canvas, Rect(0, 0, 4, 4));
    EXPECT_EQ(to.Where(c.Expected) & Block(0, 0, 10, 10), Block(2, 2, 6, 6)) << c.Mode;
    EXPECT_EQ(to.Where(dst).size(), 100u - 16u) << c.Mode;
  }
}

TEST(CanvasPixels, CopyRectWithinOneCanvasAndScaled) {
  Surface s;
  for (int x = 0; x < 8; ++x) s.Canvas.SetPixels(x, 0, x % 2 ? clBlack : clRed);
  s.Canvas.CopyRect(Rect(1, 0, 9, 1), &s.Canvas, Rect(0, 0, 8, 1));  // overlapping, shifted right
  for (int x = 1; x < 9; ++x) EXPECT_EQ(s.At(x, 0), (x - 1) % 2 ? clBlack : clRed) << x;
  // Stretched: each source pixel becomes a 3 x 2 block.
  s.Canvas.CopyRect(Rect(0, 10, 24, 12), &s.Canvas, Rect(1, 0, 9, 1));
  for (int x = 0; x < 24; ++x) {
    EXPECT_EQ(s.At(x, 10), (x / 3) % 2 ? clBlack : clRed) << x;
    EXPECT_EQ(s.At(x, 11), s.At(x, 10));
  }
  // Far outside source or destination: nothing happens, nothing breaks.
  const QImage before = s.Read().copy();
  s.Canvas.CopyRect(Rect(0, 0, 40, 40), &s.Canvas, Rect(INT_MIN, INT_MIN, INT_MIN + 5, INT_MIN + 5));
  s.Canvas.CopyRect(Rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX), &s.Canvas, Rect(100, 100, 200, 200));
  EXPECT_EQ(s.Read(), before);
  s.Canvas.CopyRect(Rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX), &s.Canvas, Rect(0, 0, 40, 40));
}

TEST(CanvasPixels, DrawAndStretchDrawHonourTransparency) {
  TBitmap bmp(4, 2);
  bmp.Canvas()->Brush()->SetColor(clLime);
  bmp.Canvas()->FillRect(Rect(0, 0, 4, 2));
  bmp.Canvas()->SetPixels(1, 0, clRed);
  bmp.Canvas()->SetPixels(2, 0, clBlue);

  Surface s;
  s.Canvas.Draw(5, 5, &bmp);
  EXPECT_EQ(s.Ink(), Block(5, 5, 9, 7));
  EXPECT_EQ(s.At(6, 5), clRed);

  bmp.SetTransparent(true);  // bottom-left colour: lime
  EXPECT_EQ(bmp.TransparentColor(), clLime);
  Surface t;
  t.Canvas.Draw(5, 5, &bmp);
  EXPECT_EQ(t.Ink(), Block(6, 5, 8, 6));
  t.Canvas.StretchDraw(Rect(0, 20, 8, 24), &bmp);
  EXPECT_EQ(t.Where(clRed), Block(6, 5, 7, 6) | Block(2, 20, 4, 22));
  EXPECT_EQ(t.Where(clBlue), Block(7, 5, 8, 6) | Block(4, 20, 6, 22));

  bmp.SetTransparentColor(clRed);
  Surface u;
  u.Canvas.Draw(0, 0, &bmp);
  EXPECT_EQ(u.At(1, 0), clWhite);
  EXPECT_EQ(u.At(0, 0), clLime);
  u.Canvas.Draw(INT_MAX, INT_MIN, &bmp);
  u.Canvas.StretchDraw(Rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX), &bmp);
  u.Canvas.Draw(0, 0, nullptr);
}

TEST(CanvasPixels, FloodFillStopsAtABorderOrFillsASurface) {
  Surface s;
  s.Canvas.Brush()->SetStyle(bsClear);
  s.Canvas.Rectangle(5, 5, 20, 20);
  s.Canvas.Brush()->SetStyle(bsSolid);
  s.Canvas.Brush()->SetColor(clRed);
  s.Canvas.FloodFill(10, 10, clBlack, fsBorder);
  EXPECT_EQ(s.Where(clRed), Block(6, 6, 19, 19));
  EXPECT_EQ(s.Where(clBlack), Border(5, 5, 20, 20));

  // The surface of one colour, only where it is connected to the start.
  s.Canvas.Brush()->SetColor(clBlue);
  s.Canvas.FloodFill(0, 0, clWhite, fsSurface);
  EXPECT_EQ(s.Where(clBlue), Block(0, 0, 40, 40) - Block(5, 5, 20, 20));
  EXPECT_TRUE(s.Where(clWhite).empty());

  // Filling a surface with its own colour ends, and changes nothing.
  const QImage before = s.Read().copy();
  s.Canvas.FloodFill(0, 0, clBlue, fsSurface);
  EXPECT_EQ(s.Read(), before);
  // A start on the border or outside the image does nothing.
  s.Canvas.FloodFill(5, 5, clBlack, fsBorder);
  s.Canvas.FloodFill(-5, 500, clBlack, fsBorder);
  EXPECT_EQ(s.Read(), before);
}

TEST(CanvasPixels, FloodFillIsFourConnectedAndBoundedByTheClip) {
  // A diagonal line closes a corner: the fill goes through 4-connected
  // neighbours only, so it does not leak between the diagonal steps.
  Surface s;
  s.Canvas.MoveTo(0, 20);
  s.Canvas.LineTo(21, -1);
  s.Canvas.Brush()->SetColor(clRed);
  s.Canvas.FloodFill(2, 2, clBlack, fsBorder);
  for (const auto& [x, y] : s.Where(clRed)) EXPECT_LT(x + y, 20);
  EXPECT_EQ(s.At(30, 30), clWhite);
  EXPECT_EQ(s.At(0, 0), clRed);

  Surface c;
  c.Canvas.SetClipRect(Rect(10, 10, 20, 15));
  c.Canvas.Brush()->SetColor(clRed);
  c.Canvas.FloodFill(12, 12, clWhite, fsSurface);
  EXPECT_EQ(c.Ink(), Block(10, 10, 20, 15));
  c.Canvas.FloodFill(0, 0, clWhite, fsSurface);  // outside the clip: nothing
  EXPECT_EQ(c.Ink(), Block(10, 10, 20, 15));
}

TEST(CanvasPixels, ImageWithoutPixelsIgnoresEverything) {
  QImage none;
  for (QImage* image : {static_cast<QImage*>(nullptr), &none}) {
    TCanvas c(image);
    c.MoveTo(0, 0);
    c.LineTo(10, 10);
    c.Rectangle(0, 0, 5, 5);
    c.Ellipse(0, 0, 5, 5);
    c.TextOut(0, 0, QStringLiteral("x"));
    c.TextRect(Rect(0, 0, 5, 5), 0, 0, QStringLiteral("x"));
    c.FloodFill(0, 0, clBlack, fsBorder);
    c.SetPixels(0, 0, clRed);
    c.CopyRect(Rect(0, 0, 5, 5), &c, Rect(0, 0, 5, 5));
    EXPECT_EQ(c.Pixels(0, 0), clNone);
    EXPECT_EQ(c.Painter(), nullptr);
    EXPECT_GT(c.TextWidth(QStringLiteral("abc")), 0);
    EXPECT_TRUE(c.ClipRect().IsEmpty());
  }
}

TEST(CanvasPixels, DevicePixelRatioTwo) {
  // 40 x 40 device pixels are 20 x 20 logical ones.
  Surface s;
  s.Image.setDevicePixelRatio(2);
  EXPECT_EQ(s.Canvas.ClipRect(), Rect(0, 0, 20, 20));
  s.Canvas.SetPixels(3, 4, clRed);
  EXPECT_EQ(s.Where(clRed), Block(6, 8, 8, 10));
  EXPECT_EQ(s.Canvas.Pixels(3, 4), clRed);
  s.Canvas.Brush()->SetColor(clBlue);
  s.Canvas.FillRect(Rect(10, 10, 12, 11));
  EXPECT_EQ(s.Where(clBlue), Block(20, 20, 24, 22));
  s.Canvas.MoveTo(0, 0);
  s.Canvas.LineTo(5, 0);
  EXPECT_EQ(s.Where(clBlack), Block(0, 0, 10, 2));
  s.Canvas.Brush()->SetColor(clLime);
  s.Canvas.FloodFill(15, 2, clWhite, fsSurface);
  EXPECT_TRUE(s.Where(clWhite).empty());
  s.Canvas.SetCopyMode(cmDstInvert);
  s.Canvas.CopyRect(Rect(0, 0, 1, 1), nullptr, TRect());
  EXPECT_EQ(s.Where(clWhite), Block(0, 0, 2, 2));
}

TEST(CanvasPixels, FillRectsEachInItsColourWithinTheClip) {
  Surface s;
  s.Canvas.SetClipRect(Rect(0, 0, 30, 30));
  s.Canvas.FillRects({{Rect(2, 3, 5, 5), clRed}, {Rect(28, 28, 35, 35), clBlue}, {Rect(INT_MIN, 10, INT_MAX, 11), clLime},
                      {Rect(9, 9, 4, 4), clRed}});
  EXPECT_EQ(s.Where(clRed), Block(2, 3, 5, 5));
  EXPECT_EQ(s.Where(clBlue), Block(28, 28, 30, 30));
  EXPECT_EQ(s.Where(clLime), Block(0, 10, 30, 11));
  Surface scaled;
  scaled.Image.setDevicePixelRatio(2);
  scaled.Canvas.FillRects({{Rect(1, 1, 2, 3), clRed}});
  EXPECT_EQ(scaled.Where(clRed), Block(2, 2, 4, 6));
}

TEST(CanvasPixels, FillTiledRepeatsTheTileFromItsOrigin) {
  // A 3 x 2 tile with one red pixel at its top-left, laid from (-4, 5).
  QImage tile(3, 2, QImage::Format_RGB32);
  tile.fill(Qt::blue);
  tile.setPixel(0, 0, qRgb(255, 0, 0));
  Surface s;
  s.Canvas.FillTiled(Rect(1, 1, 11, 9), tile, -4, 5);
  PixelSet red;
  for (int y = 1; y < 9; ++y)
    for (int x = 1; x < 11; ++x)
      if ((x + 4) % 3 == 0 && (y - 5 + 10) % 2 == 0) red.insert({x, y});
  EXPECT_EQ(s.Where(clRed), red);
  EXPECT_EQ(s.Ink(), Block(1, 1, 11, 9));
  s.Canvas.FillTiled(Rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX), tile, INT_MAX, INT_MIN);
  EXPECT_TRUE(s.Where(clWhite).empty());
}

TEST(CanvasPixels, AnyCoordinatesAreSafe) {
  const int values[] = {INT_MIN, -1000000, -1, 0, 7, 39, 1000000, INT_MAX};
  Surface s;
  s.Canvas.Font()->SetOrientation(450);
  for (int width : {1, 4})
    for (int a : values)
      for (int b : values) {
        s.Canvas.Pen()->SetWidth(width);
        s.Canvas.MoveTo(a, b);
        s.Canvas.LineTo(b, a);
        s.Canvas.Polyline({{a, a}, {b, 0}, {0, b}});
        s.Canvas.Polygon({{a, b}, {b, a}, {7, 7}});
        s.Canvas.Rectangle(a, b, b, a);
        s.Canvas.RoundRect(a, 0, b, 20, a, b);
        s.Canvas.Ellipse(a, a, b, b);
        s.Canvas.Arc(a, b, b, a, a, 0, 0, b);
        s.Canvas.Pie(a, a, b, b, b, 0, 0, a);
        s.Canvas.TextOut(a, b, QStringLiteral("Text"));
        s.Canvas.TextRect(Rect(a, a, b, b), b, a, QStringLiteral("Text"));
        s.Canvas.SetPixels(a, b, clRed);
        s.Canvas.FloodFill(a, b, clRed, fsSurface);
        s.Canvas.SetClipRect(Rect(a, b, b, a));
        s.Canvas.CopyRect(Rect(a, b, b, a), &s.Canvas, Rect(b, a, a, b));
        s.Canvas.SetClipRect(TRect());
      }
  SUCCEED();
}
