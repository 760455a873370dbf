// Filled shapes: each is a mask of the pixels whose centres lie inside it;
// the outline is the mask's edge, Pen()->Width() pixels wide on the inside,
// so that a shape never leaves its bounding rectangle.
#include "OrvTCanvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace orv {

namespace {

// Outline widths above this are drawn this wide (the edge is found by
// erosion, one step per pixel of width).
constexpr int MaxOutline = 256;

TRect Normalized(int X1, int Y1, int X2, int Y2) {
  return TRect(std::min(X1, X2), std::min(Y1, Y2), std::max(X1, X2), std::max(Y1, Y2));
}

// The ellipse inscribed in a rectangle, in pixel-corner coordinates.
struct EllipseShape {
  double Cx, Cy, A, B;
  explicit EllipseShape(const TRect& R)
      : Cx((double(R.Left) + R.Right) / 2), Cy((double(R.Top) + R.Bottom) / 2),
        A((double(R.Right) - R.Left) / 2), B((double(R.Bottom) - R.Top) / 2) {}
  bool Contains(double X, double Y) const {
    if (A <= 0 || B <= 0) return false;
    const double dx = (X - Cx) / A, dy = (Y - Cy) / B;
    return dx * dx + dy * dy <= 1.0;
  }
};

// The part of the plane counter-clockwise from the ray towards (X3, Y3) to
// the ray towards (X4, Y4), both starting at the centre; all of it when the
// two rays are the same.
struct SectorShape {
  double Cx, Cy, Start, Span;
  SectorShape(double ACx, double ACy, int X3, int Y3, int X4, int Y4) : Cx(ACx), Cy(ACy) {
    Start = std::atan2(Cy - Y3, X3 - Cx);
    Span = Wrap(std::atan2(Cy - Y4, X4 - Cx) - Start);
    if (Span == 0) Span = 2 * std::numbers::pi;
  }
  static double Wrap(double a) {
    a = std::fmod(a, 2 * std::numbers::pi);
    return a < 0 ? a + 2 * std::numbers::pi : a;
  }
  bool Contains(double X, double Y) const {
    if (X == Cx && Y == Cy) return true;
    return Wrap(std::atan2(Cy - Y, X - Cx) - Start) <= Span;
  }
};

}  // namespace

// The pixels of a shape within Box (logical pixels); outside Box is outside.
struct TShapeMask {
  QRect Box;
  std::vector<std::uint8_t> In;
  // Limits the outline to where this holds (pixel centres); empty: everywhere.
  std::function<bool(double, double)> OutlineArea;

  template <class F>
  TShapeMask(const QRect& ABox, F Inside) : Box(ABox), In(std::size_t(ABox.width()) * std::size_t(ABox.height())) {
    for (int y = 0; y < Box.height(); ++y)
      for (int x = 0; x < Box.width(); ++x)
        In[Index(x, y)] = Inside(Box.left() + x + 0.5, Box.top() + y + 0.5) ? 1 : 0;
  }
  std::size_t Index(int x, int y) const { return std::size_t(y) * std::size_t(Box.width()) + std::size_t(x); }

  // The mask without its edge of Width pixels: the 4-neighbour and the
  // 8-neighbour erosion taken in turn, which keeps the edge even on curves.
  std::vector<std::uint8_t> Eroded(int Width) const {
    std::vector<std::uint8_t> cur = In, next(In.size());
    const int w = Box.width(), h = Box.height();
    auto at = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && cur[Index(x, y)] != 0; };
    for (int step = 0; step < Width; ++step) {
      const bool diagonal = step % 2 == 1;
      bool any = false;
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
          bool keep = cur[Index(x, y)] && at(x - 1, y) && at(x + 1, y) && at(x, y - 1) && at(x, y + 1);
          if (keep && diagonal) keep = at(x - 1, y - 1) && at(x + 1, y - 1) && at(x - 1, y + 1) && at(x + 1, y + 1);
          next[Index(x, y)] = keep ? 1 : 0;
          any = any || keep;
        }
      cur.swap(next);
      if (!any) break;
    }
    return cur;
  }
};

void TCanvas::PaintShape(const TShapeMask& Mask, bool Outline, bool Fill) {
  const bool pen = Outline && PenVisible(), brush = Fill && BrushVisible();
  if (!pen && !brush) return;
  QPainter* p = Begin();
  if (!p) return;
  const QRect area = Mask.Box & VisibleRect();
  if (area.isEmpty()) return;
  const std::vector<std::uint8_t> inner = pen ? Mask.Eroded(std::clamp(FPen.Width(), 1, MaxOutline)) : Mask.In;
  // Runs of pixels of one row that pass the test become one rectangle each.
  auto paintRuns = [&](auto&& Test, const auto& Fill) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
      int start = -1;
      for (int x = area.left(); x <= area.right() + 1; ++x) {
        const bool on = x <= area.right() && Test(Mask.Index(x - Mask.Box.left(), y - Mask.Box.top()), x, y);
        if (on && start < 0) start = x;
        if (!on && start >= 0) {
          p->fillRect(QRect(start, y, x - start, 1), Fill);
          start = -1;
        }
      }
    }
  };
  if (brush) paintRuns([&](std::size_t i, int, int) { return inner[i] != 0; }, QtBrush());
  if (pen) {
    const QColor color = PreparePen(*p);
    paintRuns(
        [&](std::size_t i, int x, int y) {
          return Mask.In[i] && !inner[i] && (!Mask.OutlineArea || Mask.OutlineArea(x + 0.5, y + 0.5));
        },
        color);
  }
}

QRect TCanvas::ShapeBox(const TRect& R) const {
  const int m = std::clamp(FPen.Width(), 1, MaxOutline) + 1;
  const QRect visible = VisibleRect();
  return visible.isEmpty() ? QRect() : Bounded(R, visible.adjusted(-m, -m, m, m));
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2) {
  const TRect r = Normalized(X1, Y1, X2, Y2);
  if (r.IsEmpty()) return;
  if (PenVisible() && FPen.Width() <= 1 && FPen.Style() != psSolid && FPen.Style() != psInsideFrame) {
    // A dashed frame runs around as one line, the pattern continuing at the corners.
    FillRect(TRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1));
    StrokePolyline({TPoint(r.Left, r.Top), TPoint(r.Right - 1, r.Top), TPoint(r.Right - 1, r.Bottom - 1),
                    TPoint(r.Left, r.Bottom - 1)},
                   true);
    return;
  }
  if (PenVisible() && FPen.Width() <= 1 && FPen.Mode() == pmCopy) {
    // A plain one-pixel outline: the inside in the brush, the edge in the pen.
    FillRect(TRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1));
    const TColor color = FBrush.Color();
    const TBrushStyle style = FBrush.Style();
    FBrush.SetColor(FPen.Color());
    FBrush.SetStyle(bsSolid);
    FrameRect(r);
    FBrush.SetColor(color);
    FBrush.SetStyle(style);
    return;
  }
  PaintShape(TShapeMask(ShapeBox(r), [](double, double) { return true; }), true, true);
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) {
  const TRect r = Normalized(X1, Y1, X2, Y2);
  if (r.IsEmpty()) return;
  // Corners are quarters of an ellipse X3 wide and Y3 high.
  const double rx = std::min(std::abs(double(X3)), double(r.Right) - r.Left) / 2;
  const double ry = std::min(std::abs(double(Y3)), double(r.Bottom) - r.Top) / 2;
  const double l = r.Left + rx, t = r.Top + ry, rr = double(r.Right) - rx, b = double(r.Bottom) - ry;
  PaintShape(TShapeMask(ShapeBox(r),
                        [=](double x, double y) {
                          if (rx <= 0 || ry <= 0) return true;
                          const double cx = x < l ? l : (x > rr ? rr : x), cy = y < t ? t : (y > b ? b : y);
                          const double dx = (x - cx) / rx, dy = (y - cy) / ry;
                          return dx * dx + dy * dy <= 1.0;
                        }),
             true, true);
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2) {
  const TRect r = Normalized(X1, Y1, X2, Y2);
  if (r.IsEmpty()) return;
  const EllipseShape e(r);
  PaintShape(TShapeMask(ShapeBox(r), [&](double x, double y) { return e.Contains(x, y); }), true, true);
}

void TCanvas::Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
  const TRect r = Normalized(X1, Y1, X2, Y2);
  if (r.IsEmpty()) return;
  const EllipseShape e(r);
  const SectorShape s(e.Cx, e.Cy, X3, Y3, X4, Y4);
  TShapeMask mask(ShapeBox(r), [&](double x, double y) { return e.Contains(x, y); });
  mask.OutlineArea = [s](double x, double y) { return s.Contains(x, y); };
  PaintShape(mask, true, false);
}

void TCanvas::Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
  const TRect r = Normalized(X1, Y1, X2, Y2);
  if (r.IsEmpty()) return;
  const EllipseShape e(r);
  const SectorShape s(e.Cx, e.Cy, X3, Y3, X4, Y4);
  PaintShape(TShapeMask(ShapeBox(r), [&](double x, double y) { return e.Contains(x, y) && s.Contains(x, y); }),
             true, true);
}

}  // namespace orv
