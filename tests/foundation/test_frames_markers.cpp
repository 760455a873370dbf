#include <orvcore.h>

#include <gtest/gtest.h>

#include <TestSupport.h>

using namespace orv;

namespace {

// A white canvas of W x H pixels.
struct Surface {
  QImage img;
  TCanvas canvas;
  Surface(int W, int H) : img(W, H, QImage::Format_RGB32), canvas(&img) {
    img.fill(Qt::white);
  }
  TColor At(int X, int Y) {
    canvas.Flush();
    return test::PixelAt(img, X, Y);
  }
};

constexpr TColor C1 = clWhite, C2 = clSilver, C3 = clGray, C4 = clBlack, C5 = clRed;

}  // namespace

TEST(Frames, EachStyleDrawsItsEdgeColours) {
  // Expected colours: outer top-left, outer bottom-right, inner top-left,
  // inner bottom-right (clNone: no inner edge).
  struct {
    TFrameStyle style;
    TColor otl, obr, itl, ibr;
  } cases[] = {
      {fsSimple, C5, C5, clNone, clNone}, {fsSunken, C3, C1, C4, C2}, {fsRaised, C2, C4, C1, C3},
      {fsEtched, C3, C1, C1, C3},           {fsBump, C1, C3, C3, C1},
  };
  for (const auto& c : cases) {
    Surface s(30, 20);
    s.img.fill(QColor(0, 0, 255));  // blue background: every frame colour shows
    s.canvas.Pen()->SetColor(clLime);
    DrawFrame(&s.canvas, c.style, 2, 3, 25, 16, C1, C2, C3, C4, C5);
    const TColor bg = RGB(0, 0, 255);
    const TColor itl = c.itl == clNone ? bg : c.itl, ibr = c.ibr == clNone ? bg : c.ibr;
    SCOPED_TRACE(int(c.style));
    EXPECT_EQ(s.At(10, 3), c.otl);   // top
    EXPECT_EQ(s.At(2, 10), c.otl);   // left
    EXPECT_EQ(s.At(2, 3), c.otl);    // top-left corner
    EXPECT_EQ(s.At(10, 16), c.obr);  // bottom
    EXPECT_EQ(s.At(25, 10), c.obr);  // right
    EXPECT_EQ(s.At(25, 3), c.obr);   // top-right corner
    EXPECT_EQ(s.At(2, 16), c.obr);   // bottom-left corner
    EXPECT_EQ(s.At(10, 4), itl);
    EXPECT_EQ(s.At(3, 10), itl);
    EXPECT_EQ(s.At(10, 15), ibr);
    EXPECT_EQ(s.At(24, 10), ibr);
    EXPECT_EQ(s.At(10, 10), bg) << "the inside is left alone";
    EXPECT_EQ(s.At(1, 10), bg);
    EXPECT_EQ(s.At(26, 10), bg);
    EXPECT_EQ(s.canvas.Pen()->Color(), clLime) << "the pen is restored";
  }
  Surface none(10, 10);
  DrawFrame(&none.canvas, fsNone, 0, 0, 9, 9, C1, C2, C3, C4, C5);
  EXPECT_EQ(none.At(0, 0), clWhite);
}

TEST(Frames, DrawRectangleOutlinesBothEndsInThePen) {
  Surface s(12, 12);
  s.canvas.Pen()->SetColor(clNavy);
  DrawRectangle(&s.canvas, 2, 3, 8, 9);
  for (auto [x, y] : {std::pair{2, 3}, {8, 3}, {8, 9}, {2, 9}, {5, 3}, {8, 6}}) EXPECT_EQ(s.At(x, y), clNavy) << x << "," << y;
  EXPECT_EQ(s.At(5, 6), clWhite);
  EXPECT_EQ(s.At(9, 9), clWhite);
}

namespace {

constexpr int Cell = 21, Centre = 10;

QImage RenderMarker(int Mark) {
  Surface s(Cell, Cell);
  s.canvas.Pen()->SetColor(clBlack);
  s.canvas.Brush()->SetColor(clRed);
  DrawMarkOnCanvas(&s.canvas, Mark, Centre, Centre);
  s.canvas.Flush();
  return s.img;
}

}  // namespace

TEST(Markers, EachOfThe52IsDistinctAndCentred) {
  std::vector<QImage> images;
  for (int m = 0; m < NrOfMarkers; ++m) {
    const QImage img = RenderMarker(m);
    int l = Cell, t = Cell, r = -1, b = -1;
    for (int y = 0; y < Cell; ++y)
      for (int x = 0; x < Cell; ++x)
        if (test::PixelAt(img, x, y) != clWhite) {
          l = std::min(l, x), r = std::max(r, x), t = std::min(t, y), b = std::max(b, y);
        }
    ASSERT_GE(r, 0) << "marker " << m << " draws something";
    EXPECT_LE(std::abs((Centre - l) - (r - Centre)), 1) << "marker " << m << " horizontally centred";
    EXPECT_LE(std::abs((Centre - t) - (b - Centre)), 1) << "marker " << m << " vertically centred";
    EXPECT_LE(r - l, 13) << "marker " << m << " fits a 13-pixel box";
    for (int k = 0; k < m; ++k) EXPECT_NE(img, images[std::size_t(k)]) << "markers " << k << " and " << m;
    images.push_back(img);
  }
  EXPECT_EQ(RenderMarker(52), RenderMarker(-1)) << "unknown markers draw nothing";
}

TEST(Markers, FilledMarkersUseTheBrushOpenOnesKeepIt) {
  const QImage filled = RenderMarker(5), open = RenderMarker(4);
  EXPECT_EQ(test::PixelAt(filled, Centre, Centre), clRed);
  EXPECT_EQ(test::PixelAt(open, Centre, Centre), clWhite);
  Surface s(Cell, Cell);
  s.canvas.Brush()->SetColor(clRed);
  DrawMarkOnCanvas(&s.canvas, 6, Centre, Centre);
  EXPECT_EQ(s.canvas.Brush()->Style(), bsSolid) << "the brush style is restored";
}
