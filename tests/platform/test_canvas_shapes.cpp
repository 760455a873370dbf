#include "CanvasFixture.h"

#include <gtest/gtest.h>

#include <climits>

using namespace orv;
using namespace orv::test;

namespace {

// Every pixel of the set has a 4-neighbour outside it (a one-pixel edge).
bool IsThinEdge(const PixelSet& Edge, const PixelSet& Shape) {
  for (const auto& [x, y] : Edge) {
    const bool edge = !Shape.count({x - 1, y}) || !Shape.count({x + 1, y}) || !Shape.count({x, y - 1}) ||
                      !Shape.count({x, y + 1});
    if (!edge) return false;
  }
  return true;
}

PixelSet Mirrored(const PixelSet& S, int SumX, int SumY) {
  PixelSet m;
  for (const auto& [x, y] : S) m.insert({SumX < 0 ? x : SumX - x, SumY < 0 ? y : SumY - y});
  return m;
}

struct Painted : Surface {
  Painted() {
    Canvas.Brush()->SetColor(clRed);
    Canvas.Pen()->SetColor(clBlue);
  }
};

}  // namespace

TEST(CanvasShapes, RectangleCoversX1ToX2Minus1) {
  Painted s;
  s.Canvas.Rectangle(2, 3, 12, 9);
  EXPECT_EQ(s.Where(clBlue), Border(2, 3, 12, 9));
  EXPECT_EQ(s.Where(clRed), Block(3, 4, 11, 8));
  EXPECT_EQ(s.Ink(), Block(2, 3, 12, 9));

  Painted reversed;
  reversed.Canvas.Rectangle(12, 9, 2, 3);
  EXPECT_EQ(reversed.Ink(), Block(2, 3, 12, 9));

  Painted wide;  // a wide pen stays inside the rectangle
  wide.Canvas.Pen()->SetWidth(2);
  wide.Canvas.Rectangle(2, 3, 12, 9);
  EXPECT_EQ(wide.Where(clBlue), Block(2, 3, 12, 9) - Block(4, 5, 10, 7));
  EXPECT_EQ(wide.Where(clRed), Block(4, 5, 10, 7));

  Painted noPen;
  noPen.Canvas.Pen()->SetStyle(psClear);
  noPen.Canvas.Rectangle(2, 3, 12, 9);
  EXPECT_EQ(noPen.Where(clRed), Block(2, 3, 12, 9));

  Painted noBrush;
  noBrush.Canvas.Brush()->SetStyle(bsClear);
  noBrush.Canvas.Rectangle(2, 3, 12, 9);
  EXPECT_EQ(noBrush.Ink(), Border(2, 3, 12, 9));

  Painted dotted;  // dashed frames run around the rectangle, 3 on, 3 off
  dotted.Canvas.Pen()->SetStyle(psDot);
  dotted.Canvas.Brush()->SetStyle(bsClear);
  dotted.Canvas.Rectangle(0, 0, 10, 10);
  EXPECT_EQ(dotted.Where(clBlue) & Block(0, 0, 10, 1), Block(0, 0, 3, 1) | Block(6, 0, 9, 1));
}

TEST(CanvasShapes, XorOutlineTwiceRestores) {
  Painted s;
  s.Canvas.Rectangle(0, 0, 40, 40);
  const QImage before = s.Read().copy();
  s.Canvas.Brush()->SetStyle(bsClear);
  s.Canvas.Pen()->SetMode(pmXor);
  s.Canvas.Pen()->SetColor(clWhite);
  s.Canvas.Rectangle(5, 5, 30, 20);
  EXPECT_EQ(s.At(5, 5), RGB(0, 0xFF, 0xFF));  // red xor white
  EXPECT_EQ(s.At(6, 6), clRed);
  s.Canvas.Rectangle(5, 5, 30, 20);
  s.Canvas.Ellipse(3, 3, 33, 33);
  s.Canvas.Ellipse(3, 3, 33, 33);
  EXPECT_EQ(s.Read(), before);
}

TEST(CanvasShapes, EllipseStaysInItsRectangleAndTouchesEveryEdge) {
  for (const TRect r : {Rect(2, 2, 22, 12), Rect(5, 1, 16, 30), Rect(0, 0, 40, 40), Rect(10, 10, 11, 14)}) {
    Painted s;
    s.Canvas.Ellipse(r);
    const PixelSet ink = s.Ink(), edge = s.Where(clBlue);
    EXPECT_TRUE(Includes(Block(r.Left, r.Top, r.Right, r.Bottom), ink));
    int minX = INT_MAX, maxX = INT_MIN, minY = INT_MAX, maxY = INT_MIN;
    for (const auto& [x, y] : ink) {
      minX = std::min(minX, x);
      maxX = std::max(maxX, x);
      minY = std::min(minY, y);
      maxY = std::max(maxY, y);
    }
    EXPECT_EQ(Rect(minX, minY, maxX + 1, maxY + 1), r);
    EXPECT_TRUE(IsThinEdge(edge, ink));
    EXPECT_EQ(Mirrored(ink, r.Left + r.Right - 1, -1), ink);
    EXPECT_EQ(Mirrored(ink, -1, r.Top + r.Bottom - 1), ink);
    EXPECT_EQ(ink, edge | s.Where(clRed));
  }
  Painted s;
  s.Canvas.Ellipse(2, 2, 22, 22);
  EXPECT_EQ(s.At(12, 12), clRed);
  EXPECT_EQ(s.At(2, 12), clBlue);
  EXPECT_EQ(s.At(2, 2), clWhite);
}

TEST(CanvasShapes, RoundRectCutsItsCorners) {
  Painted s;
  s.Canvas.RoundRect(2, 2, 30, 20, 10, 10);
  const PixelSet ink = s.Ink();
  EXPECT_TRUE(Includes(Block(2, 2, 30, 20), ink));
  EXPECT_FALSE(ink.count({2, 2}) || ink.count({29, 2}) || ink.count({2, 19}) || ink.count({29, 19}));
  EXPECT_TRUE(Includes(ink, Block(7, 2, 25, 3) | Block(2, 7, 3, 15)));
  EXPECT_TRUE(IsThinEdge(s.Where(clBlue), ink));
}

TEST(CanvasShapes, PieAndArcRunCounterClockwiseFromStartToEnd) {
  // The upper right quarter: from the ray to the right to the ray upwards.
  Painted pie;
  pie.Canvas.Pie(0, 0, 30, 30, 30, 15, 15, 0);
  for (const auto& [x, y] : pie.Ink()) EXPECT_TRUE(x >= 14 && y <= 15) << x << "," << y;
  EXPECT_EQ(pie.At(20, 10), clRed);
  EXPECT_EQ(pie.At(15, 3), clBlue);  // on the upward radius
  EXPECT_EQ(pie.At(22, 14), clBlue);  // on the rightward radius
  EXPECT_EQ(pie.At(29, 14), clBlue);  // on the arc

  // Swapping the rays takes the other three quarters.
  Painted rest;
  rest.Canvas.Pie(0, 0, 30, 30, 15, 0, 30, 15);
  EXPECT_EQ(rest.At(8, 22), clRed);
  EXPECT_EQ(rest.At(20, 10), clWhite);

  Painted arc;
  arc.Canvas.Arc(0, 0, 30, 30, 30, 15, 15, 0);
  const PixelSet ink = arc.Ink();
  EXPECT_EQ(ink, arc.Where(clBlue));
  for (const auto& [x, y] : ink) EXPECT_TRUE(x >= 15 && y <= 15) << x << "," << y;
  EXPECT_TRUE(ink.count({29, 14}) && ink.count({15, 0}));
  EXPECT_FALSE(ink.count({20, 14}) || ink.count({15, 10}));  // no radii

  Painted full;  // the same ray twice: the whole ellipse
  full.Canvas.Arc(0, 0, 30, 30, 30, 15, 30, 15);
  Painted ellipse;
  ellipse.Canvas.Brush()->SetStyle(bsClear);
  ellipse.Canvas.Ellipse(0, 0, 30, 30);
  EXPECT_EQ(full.Ink(), ellipse.Ink());
}

// Ellipses, pies and arcs of many sizes, rays and pen widths against a plain
// per-pixel statement of the rule: the pixel centres inside the ellipse (and
// counter-clockwise from the start ray to the end ray, by exact integer cross
// products), the outline the pixels that the 4- and 8-neighbour erosions,
// taken in turn, remove.
TEST(CanvasShapes, CurvedShapesMatchThePixelRule) {
  using i64 = long long;
  struct Shape {
    int L, T, R, B, X3, Y3, X4, Y4;
  };
  std::vector<Shape> shapes = {{2, 2, 38, 38, 38, 20, 20, 2},  {0, 5, 40, 36, 20, 36, 20, 36},
                               {3, 1, 36, 30, 0, 0, 40, 40},   {10, 10, 11, 30, 0, 20, 40, 20},
                               {-30, -10, 50, 60, 25, 0, 25, 40}, {5, 5, 34, 34, 19, 19, 5, 19}};
  unsigned seed = 12345;
  auto next = [&seed](int n) { return int((seed = seed * 1103515245u + 12345u) >> 16) % n; };
  for (int i = 0; i < 40; ++i) {
    const int l = next(30) - 5, t = next(30) - 5;
    shapes.push_back({l, t, l + 1 + next(40), t + 1 + next(40), next(60) - 10, next(60) - 10, next(60) - 10,
                      next(60) - 10});
  }
  for (const Shape& sh : shapes)
    for (int kind = 0; kind < 3; ++kind)
      for (int width : {1, 2, 3}) {
        // Twice the coordinates: pixel centres and the ellipse's centre are whole numbers.
        const i64 cx2 = sh.L + sh.R, cy2 = sh.T + sh.B;
        const double a = (sh.R - sh.L) / 2.0, b = (sh.B - sh.T) / 2.0;
        i64 sx = 2 * sh.X3 - cx2, sy = cy2 - 2 * sh.Y3, ex = 2 * sh.X4 - cx2, ey = cy2 - 2 * sh.Y4;
        if (sx == 0 && sy == 0) sx = 1;
        if (ex == 0 && ey == 0) ex = 1;
        auto half = [&](i64 vx, i64 vy) {
          const i64 c = sx * vy - sy * vx;
          return c < 0 || (c == 0 && sx * vx + sy * vy < 0) ? 1 : 0;
        };
        const bool full = sx * ey - sy * ex == 0 && sx * ex + sy * ey > 0;
        auto inSector = [&](int x, int y) {
          const i64 vx = 2 * x + 1 - cx2, vy = cy2 - (2 * y + 1);
          if (full || (vx == 0 && vy == 0)) return true;
          const int hv = half(vx, vy), he = half(ex, ey);
          return hv != he ? hv < he : vx * ey - vy * ex >= 0;
        };
        auto inEllipse = [&](int x, int y) {
          if (a <= 0 || b <= 0) return false;
          const double dx = (x + 0.5 - cx2 / 2.0) / a, dy = (y + 0.5 - cy2 / 2.0) / b;
          return dx * dx + dy * dy <= 1.0;
        };
        // The mask over the image and a margin wide enough for the erosion.
        const int m = width + 1, n = 40 + 2 * m;
        std::vector<char> in(std::size_t(n * n)), cur;
        auto at = [&](const std::vector<char>& v, int x, int y) {
          return x >= -m && y >= -m && x < 40 + m && y < 40 + m && x >= sh.L && y >= sh.T && x < sh.R && y < sh.B &&
                 v[std::size_t((y + m) * n + x + m)];
        };
        for (int y = -m; y < 40 + m; ++y)
          for (int x = -m; x < 40 + m; ++x)
            in[std::size_t((y + m) * n + x + m)] = inEllipse(x, y) && (kind != 1 || inSector(x, y));
        cur = in;
        for (int step = 0; step < width; ++step) {
          std::vector<char> eroded(cur.size());
          for (int y = -m; y < 40 + m; ++y)
            for (int x = -m; x < 40 + m; ++x) {
              bool keep = at(cur, x, y) && at(cur, x - 1, y) && at(cur, x + 1, y) && at(cur, x, y - 1) &&
                          at(cur, x, y + 1);
              if (keep && step % 2 == 1)
                keep = at(cur, x - 1, y - 1) && at(cur, x + 1, y - 1) && at(cur, x - 1, y + 1) &&
                       at(cur, x + 1, y + 1);
              eroded[std::size_t((y + m) * n + x + m)] = keep;
            }
          cur.swap(eroded);
        }
        PixelSet fill, edge;
        for (int y = 0; y < 40; ++y)
          for (int x = 0; x < 40; ++x) {
            if (!at(in, x, y)) continue;
            if (at(cur, x, y)) {
              if (kind != 2) fill.insert({x, y});
            } else if (kind != 2 || inSector(x, y)) {
              edge.insert({x, y});
            }
          }
        Painted s;
        s.Canvas.Pen()->SetWidth(width);
        if (kind == 0) s.Canvas.Ellipse(sh.L, sh.T, sh.R, sh.B);
        if (kind == 1) s.Canvas.Pie(sh.L, sh.T, sh.R, sh.B, sh.X3, sh.Y3, sh.X4, sh.Y4);
        if (kind == 2) s.Canvas.Arc(sh.L, sh.T, sh.R, sh.B, sh.X3, sh.Y3, sh.X4, sh.Y4);
        const std::string what = "kind " + std::to_string(kind) + " width " + std::to_string(width) + " at " +
                                 std::to_string(sh.L) + "," + std::to_string(sh.T) + "," + std::to_string(sh.R) +
                                 "," + std::to_string(sh.B) + " rays " + std::to_string(sh.X3) + "," +
                                 std::to_string(sh.Y3) + " " + std::to_string(sh.X4) + "," + std::to_string(sh.Y4);
        ASSERT_EQ(s.Where(clRed), fill) << what;
        ASSERT_EQ(s.Where(clBlue), edge) << what;
      }
}

TEST(CanvasShapes, PolygonOutlineThroughItsVertices) {
  Painted s;
  s.Canvas.Polygon({{2, 2}, {20, 2}, {20, 14}});
  const PixelSet edge = s.Where(clBlue);
  EXPECT_TRUE(edge.count({2, 2}) && edge.count({20, 2}) && edge.count({20, 14}));
  EXPECT_TRUE(Includes(edge, Block(2, 2, 21, 3) | Block(20, 2, 21, 15)));
  EXPECT_EQ(s.At(17, 5), clRed);
  EXPECT_EQ(s.At(5, 10), clWhite);
}

TEST(CanvasShapes, FillRectAndFrameRect) {
  Painted s;
  s.Canvas.FillRect(Rect(3, 4, 9, 7));
  EXPECT_EQ(s.Ink(), Block(3, 4, 9, 7));
  Painted f;
  f.Canvas.FrameRect(Rect(3, 4, 9, 9));
  EXPECT_EQ(f.Where(clRed), Border(3, 4, 9, 9));
  EXPECT_EQ(f.Ink(), Border(3, 4, 9, 9));
  Painted h;  // hatched brushes leave the gaps alone
  h.Canvas.Brush()->SetStyle(bsHorizontal);
  h.Canvas.FillRect(Rect(0, 0, 40, 40));
  EXPECT_FALSE(h.Where(clRed).empty());
  EXPECT_FALSE(h.Where(clWhite).empty());
}

TEST(CanvasShapes, HugeShapesOnlyPaintTheImage) {
  Painted s;
  s.Canvas.Pen()->SetWidth(1000000);
  s.Canvas.Rectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
  s.Canvas.Pen()->SetWidth(1);
  s.Canvas.Ellipse(-1000000000, -1000000000, 1000000000, 1000000000);
  EXPECT_EQ(s.Where(clRed), Block(0, 0, 40, 40));
  s.Canvas.RoundRect(INT_MIN, 0, INT_MAX, 10, INT_MAX, INT_MIN);
  s.Canvas.Pie(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0, 0, INT_MAX, INT_MIN);
  s.Canvas.Arc(INT_MAX, INT_MAX, INT_MIN, INT_MIN, 1, 1, 1, 1);
  s.Canvas.Polygon({{INT_MIN, INT_MIN}, {INT_MAX, 0}, {0, INT_MAX}});
  s.Canvas.FillRect(Rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX));
  s.Canvas.FrameRect(Rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX));
  s.Canvas.Pen()->SetWidth(5);
  s.Canvas.Polyline({{INT_MIN, 3}, {INT_MAX, 3}, {0, INT_MIN}});
  EXPECT_EQ(s.Where(clBlue) & Block(0, 0, 40, 6), Block(0, 1, 40, 6));
}
