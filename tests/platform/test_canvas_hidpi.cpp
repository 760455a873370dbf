// Bitmaps at a device pixel ratio, masks, AND/OR steps over a transparent
// surface, smooth stretching (each at ratios 1 and 2), and the fresh canvas
// every paint starts with.
#include "CanvasFixture.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

namespace {

constexpr TColor Key = RGB(235, 190, 235);

class Ratio : public ::testing::TestWithParam<int> {
protected:
  int R = GetParam();
  // A transparent surface of 12 x 8 logical pixels at the ratio.
  QImage TransparentSurface() const {
    QImage img(12 * R, 8 * R, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    img.setDevicePixelRatio(R);
    return img;
  }
};

}  // namespace

TEST_P(Ratio, BitmapCopiesOneToOneOntoASurfaceOfItsRatio) {
  // A checkerboard of single device pixels: only a copy of device pixels keeps it.
  QImage checker(4 * R, 3 * R, QImage::Format_RGB32);
  for (int y = 0; y < checker.height(); ++y)
    for (int x = 0; x < checker.width(); ++x) checker.setPixel(x, y, (x + y) % 2 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
  checker.setDevicePixelRatio(R);
  TBitmap b;
  b.SetImage(checker);
  EXPECT_EQ(b.Width(), 4);
  EXPECT_EQ(b.Height(), 3);
  EXPECT_EQ(b.DevicePixelRatio(), R);

  Surface s(20 * R, 10 * R);
  s.Image.setDevicePixelRatio(R);
  s.Canvas.Draw(2, 1, &b);
  const QImage& out = s.Read();
  for (int y = 0; y < 3 * R; ++y)
    for (int x = 0; x < 4 * R; ++x) ASSERT_EQ(out.pixel(2 * R + x, R + y), checker.pixel(x, y)) << x << "," << y;
  EXPECT_EQ(s.At(2 * R - 1, R), clWhite);
}

TEST_P(Ratio, BitmapKeepsItsLogicalSizeAndPictureWhenResizedOrRescaled) {
  TBitmap b(5, 4);
  b.Canvas()->Brush()->SetColor(clRed);
  b.Canvas()->FillRect(Rect(1, 1, 2, 2));
  b.SetDevicePixelRatio(R);
  EXPECT_EQ(b.Image().size(), QSize(5 * R, 4 * R));
  EXPECT_EQ(b.Canvas()->Pixels(1, 1), clRed);
  EXPECT_EQ(b.Canvas()->Pixels(2, 1), clWhite);
  b.SetSize(8, 2);
  EXPECT_EQ(b.Image().size(), QSize(8 * R, 2 * R));
  EXPECT_EQ(b.Canvas()->Pixels(1, 1), clRed);
  EXPECT_EQ(b.Canvas()->Pixels(7, 1), clWhite);
  TBitmap copy;
  copy.Assign(&b);
  EXPECT_EQ(copy.DevicePixelRatio(), R);
  EXPECT_EQ(copy.Width(), 8);
}

TEST_P(Ratio, MaskThenPictureShowsWhatLiesBelow) {
  // The picture: a red square on the key colour; its mask; the picture with the key made black.
  TBitmap picture(6, 6);
  picture.SetDevicePixelRatio(R);
  picture.Canvas()->Brush()->SetColor(Key);
  picture.Canvas()->FillRect(Rect(0, 0, 6, 6));
  picture.Canvas()->Brush()->SetColor(clRed);
  picture.Canvas()->FillRect(Rect(2, 2, 4, 4));
  TBitmap mask;
  mask.Assign(&picture);
  mask.Mask(Key);
  EXPECT_EQ(mask.Canvas()->Pixels(0, 0), clWhite);
  EXPECT_EQ(mask.Canvas()->Pixels(2, 2), clBlack);
  picture.Canvas()->Brush()->SetColor(clBlack);
  picture.Canvas()->FloodFill(0, 0, Key, fsSurface);

  // Below: transparent on the left, blue on the right half.
  QImage img = TransparentSurface();
  TCanvas c(&img);
  c.Brush()->SetColor(clBlue);
  c.FillRect(Rect(6, 0, 12, 8));
  for (int x : {0, 6}) {
    c.SetCopyMode(cmSrcAnd);
    c.Draw(x, 1, &mask);
    c.SetCopyMode(cmSrcPaint);
    c.Draw(x, 1, &picture);
  }
  c.Flush();
  auto at = [&](int X, int Y) { return img.pixel(X * R, Y * R); };
  EXPECT_EQ(qAlpha(at(0, 1)), 0);             // still transparent
  EXPECT_EQ(at(7, 1), qRgb(0, 0, 255));       // still blue
  EXPECT_EQ(at(2, 3), qRgb(255, 0, 0));       // the picture, opaque
  EXPECT_EQ(at(9, 4), qRgb(255, 0, 0));
  EXPECT_EQ(qAlpha(at(5, 6)), 0);
}

TEST_P(Ratio, StretchDrawAveragesWhenSmoothAndNeverBleedsTheKeyColour) {
  TBitmap b(2, 1);
  b.Canvas()->SetPixels(0, 0, clBlack);
  b.Canvas()->SetPixels(1, 0, clWhite);
  auto greys = [](const QImage& Img) {
    int n = 0;
    for (int x = 0; x < Img.width(); ++x) {
      const int g = qGreen(Img.pixel(x, 0));
      n += g > 20 && g < 235;
    }
    return n;
  };
  Surface nearest(20 * R, R), smooth(20 * R, R);
  nearest.Image.setDevicePixelRatio(R);
  smooth.Image.setDevicePixelRatio(R);
  nearest.Canvas.StretchDraw(Rect(0, 0, 20, 1), &b);
  smooth.Canvas.StretchDraw(Rect(0, 0, 20, 1), &b, true);
  EXPECT_EQ(greys(nearest.Read()), 0);
  EXPECT_GT(greys(smooth.Read()), 2);
  EXPECT_EQ(smooth.At(0, 0), clBlack);
  EXPECT_EQ(smooth.At(20 * R - 1, 0), clWhite);

  // A transparent picture: the key colour is left out before averaging.
  b.Canvas()->SetPixels(0, 0, Key);
  b.Canvas()->SetPixels(1, 0, clRed);
  b.SetTransparent(true);
  b.SetTransparentColor(Key);
  Surface over(20 * R, R);
  over.Image.setDevicePixelRatio(R);
  over.Canvas.StretchDraw(Rect(0, 0, 20, 1), &b, true);
  const QImage& out = over.Read();
  for (int x = 0; x < out.width(); ++x) {
    const QRgb p = out.pixel(x, 0);
    ASSERT_TRUE(qRed(p) == 255 && qGreen(p) == qBlue(p)) << x;  // white, red or between
  }
  EXPECT_EQ(over.At(20 * R - 1, 0), clRed);
}

INSTANTIATE_TEST_SUITE_P(Canvas, Ratio, ::testing::Values(1, 2));

namespace {

// Records the canvas as each paint finds it, then leaves it changed.
class StateProbe : public TGraphicControl {
public:
  using TGraphicControl::TGraphicControl;
  struct Seen {
    TColor Pen, Brush;
    int PenWidth;
    TPenMode Mode;
    TBrushStyle BrushStyle;
    int FontSize;
    TCopyMode Copy;
    TRect Clip;
    TPoint PenPos;
  };
  std::vector<Seen> Log;
  void Paint() override {
    if (!StartPaint()) return;
    TCanvas* c = Canvas();
    Log.push_back({c->Pen()->Color(), c->Brush()->Color(), c->Pen()->Width(), c->Pen()->Mode(), c->Brush()->Style(),
                   c->Font()->Size(), c->CopyMode(), c->ClipRect(), c->PenPos()});
    c->Pen()->SetColor(clRed);
    c->Pen()->SetWidth(3);
    c->Pen()->SetMode(pmXor);
    c->Brush()->SetColor(clLime);
    c->Brush()->SetStyle(bsClear);
    c->Font()->SetSize(30);
    c->SetCopyMode(cmSrcAnd);
    c->SetClipRect(Rect(1, 1, 2, 2));
    c->MoveTo(7, 7);
  }
};

}  // namespace

TEST(CanvasState, EveryPaintStartsWithAFreshCanvasAndOnlyWhenShownOrDesigning) {
  StateProbe w(nullptr);
  w.resize(30, 20);
  w.Paint();  // hidden, outside the designer: not drawn now
  EXPECT_TRUE(w.Log.empty());
  test::ShowAndWait(&w);
  w.Repaint();
  w.Paint();  // a setter's direct call
  ASSERT_GE(w.Log.size(), 2u);
  const int defaultSize = TFont().Size();
  for (const auto& s : w.Log) {
    EXPECT_EQ(s.Pen, clBlack);
    EXPECT_EQ(s.PenWidth, 1);
    EXPECT_EQ(s.Mode, pmCopy);
    EXPECT_EQ(s.Brush, clWhite);
    EXPECT_EQ(s.BrushStyle, bsSolid);
    EXPECT_EQ(s.FontSize, defaultSize);
    EXPECT_EQ(s.Copy, cmSrcCopy);
    EXPECT_EQ(s.Clip, Rect(0, 0, 30, 20));
    EXPECT_EQ(s.PenPos, Point(0, 0));
  }
  StateProbe designed(nullptr);
  designed.SetDesigning(true);
  designed.Paint();
  EXPECT_EQ(designed.Log.size(), 1u);
}
