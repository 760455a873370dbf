// Filled shapes: each is a mask of the pixels whose centres lie inside it;
// the outline is the mask's edge, Pen()->Width() pixels wide on the inside,
// so that a shape never leaves its bounding rectangle.
//
// A mask is held as runs of pixels per row. Ellipses and pie slices find
// their runs row by row from where the outline crosses the row, testing only
// the pixels next to those crossings, so that a large shape costs in
// proportion to its height, not its area.
#include "OrvTCanvas.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace orv {

namespace {

// Outline widths above this are drawn this wide (the edge is found by
// erosion, one step per pixel of width).
constexpr int MaxOutline = 256;

// Runs of one row: [first, last + 1) pairs, in order, neither overlapping
// nor touching. Curved shapes have one to three per row: kept inline.
using TRuns = QVarLengthArray<std::pair<int, int>, 4>;

TRect Normalized(int X1, int Y1, int X2, int Y2) {
  return TRect(std::min(X1, X2), std::min(Y1, Y2), std::max(X1, X2), std::max(Y1, Y2));
}

TRuns Intersect(const TRuns& A, const TRuns& B) {
  TRuns out;
  for (qsizetype i = 0, j = 0; i < A.size() && j < B.size();) {
    const int from = std::max(A[i].first, B[j].first), to = std::min(A[i].second, B[j].second);
    if (from < to) out.emplace_back(from, to);
    if (A[i].second < B[j].second) ++i;
    else ++j;
  }
  return out;
}

// Each run less its first and last pixel.
TRuns Shrunk(const TRuns& A) {
  TRuns out;
  for (const auto& [from, to] : A)
    if (to - from > 2) out.emplace_back(from + 1, to - 1);
  return out;
}

TRuns Subtract(const TRuns& A, const TRuns& B) {
  TRuns out;
  qsizetype j = 0;
  for (auto [from, to] : A) {
    while (j < B.size() && B[j].second <= from) ++j;
    for (qsizetype k = j; k < B.size() && B[k].first < to; ++k) {
      if (B[k].first > from) out.emplace_back(from, B[k].first);
      from = std::max(from, B[k].second);
    }
    if (from < to) out.emplace_back(from, to);
  }
  return out;
}

// Appends pixel X to the runs, which end at or before it.
void Append(TRuns& Runs, int X) {
  if (!Runs.empty() && Runs.back().second == X) ++Runs.back().second;
  else Runs.emplace_back(X, X + 1);
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
  // The pixels of row Y (x in Lo..Hi) whose centres lie inside: one run, as
  // the test grows with the distance from the centre. False when none.
  bool RowSpan(int Y, int Lo, int Hi, int& From, int& To) const {
    if (A <= 0 || B <= 0 || Lo > Hi) return false;
    const double yc = Y + 0.5, dy = (yc - Cy) / B, t = 1 - dy * dy;
    if (t < 0) return false;
    auto in = [&](int x) { return Contains(x + 0.5, yc); };
    // The span's ends from the formula, then moved onto the exact test.
    const double w = A * std::sqrt(t);
    int lo = int(std::clamp(std::ceil(Cx - w - 0.5), double(Lo), double(Hi) + 1));
    int hi = int(std::clamp(std::floor(Cx + w - 0.5), double(Lo) - 1, double(Hi)));
    if (lo > hi) {
      const int near = int(std::clamp(std::floor(Cx), double(Lo), double(Hi)));
      if (!in(near)) return false;
      lo = hi = near;
    }
    while (lo <= hi && !in(lo)) ++lo;
    while (lo > Lo && in(lo - 1)) --lo;
    while (hi >= lo && !in(hi)) --hi;
    while (hi < Hi && in(hi + 1)) ++hi;
    if (lo > hi) return false;
    From = lo;
    To = hi + 1;
    return true;
  }
};

// The part of the plane counter-clockwise from the ray towards (X3, Y3) to
// the ray towards (X4, Y4), both starting at the centre, rays included; all
// of it when the two rays are the same. Directions are compared by exact
// cross products (y pointing up), not by angles.
struct SectorShape {
  double Cx, Cy, Sx, Sy, Ex, Ey;
  bool Full;
  int He;
  SectorShape(double ACx, double ACy, int X3, int Y3, int X4, int Y4)
      : Cx(ACx), Cy(ACy), Sx(X3 - ACx), Sy(ACy - Y3), Ex(X4 - ACx), Ey(ACy - Y4) {
    // A ray towards the centre itself points right.
    if (Sx == 0 && Sy == 0) Sx = 1;
    if (Ex == 0 && Ey == 0) Ex = 1;
    Full = Sx * Ey - Sy * Ex == 0 && Sx * Ex + Sy * Ey > 0;
    He = Half(Ex, Ey);
  }
  // 0 for the directions from the start ray counter-clockwise up to the
  // opposite direction (excluded), 1 for the others.
  int Half(double Vx, double Vy) const {
    const double c = Sx * Vy - Sy * Vx;
    return c < 0 || (c == 0 && Sx * Vx + Sy * Vy < 0) ? 1 : 0;
  }
  bool Contains(double X, double Y) const {
    if (Full || (X == Cx && Y == Cy)) return true;
    const double vx = X - Cx, vy = Cy - Y;
    const int hv = Half(vx, vy);
    if (hv != He) return hv < He;
    return vx * Ey - vy * Ex >= 0;  // the end ray lies counter-clockwise of the point, or on it
  }
  // Appends the pixels of row Y within From..To-1 that lie inside. Along a
  // row the outcome changes only where the row crosses the line of a ray
  // (the sign of a cross product) or, on the centre's own row, at the
  // centre: only the pixels there are tested one by one, the stretches
  // between them take two tests each.
  void RowRuns(int Y, int From, int To, TRuns& Out) const {
    if (From >= To) return;
    const double yc = Y + 0.5, vy = Cy - yc;
    auto in = [&](int x) { return Contains(x + 0.5, yc); };
    if (Full) {
      Out.emplace_back(From, To);
      return;
    }
    // Offsets vx = X - Cx where a cross product is zero.
    double roots[3];
    int n = 0;
    if (Sy != 0) roots[n++] = Sx * vy / Sy;  // cross(start, point)
    if (Ey != 0) roots[n++] = vy * Ex / Ey;  // cross(point, end)
    roots[n++] = 0;                          // the centre
    int marks[6];
    int count = 0;
    for (int i = 0; i < n; ++i) {
      const double x = roots[i] + Cx - 0.5;
      if (!(x > From - 2 && x < To + 1)) continue;  // also skips NaN
      const int f = int(std::floor(x));
      for (int k = f; k <= f + 1; ++k)
        if (k >= From && k < To) marks[count++] = k;
    }
    // In order, each once (a handful: insertion).
    int sorted = 0;
    for (int i = 0; i < count; ++i) {
      const int m = marks[i];
      int j = sorted;
      while (j > 0 && marks[j - 1] > m) --j;
      if (j > 0 && marks[j - 1] == m) continue;
      for (int k = sorted; k > j; --k) marks[k] = marks[k - 1];
      marks[j] = m;
      ++sorted;
    }
    count = sorted;
    auto stretch = [&](int a, int b) {  // pixels a..b-1, no mark among them
      if (a >= b) return;
      const bool first = in(a);
      if (first == in(b - 1)) {
        if (first) {
          Append(Out, a);
          Out.back().second = b;
        }
        return;
      }
      for (int x = a; x < b; ++x)  // a root off by a rounding error
        if (in(x)) Append(Out, x);
    };
    int x = From;
    for (int i = 0; i < count; ++i) {
      const int m = marks[i];
      stretch(x, m);
      if (in(m)) Append(Out, m);
      x = m + 1;
    }
    stretch(x, To);
  }
};

}  // namespace

// The pixels of a shape within Box (logical pixels), as runs per row;
// outside Box is outside.
struct TShapeMask {
  QRect Box;
  std::vector<TRuns> Rows;
  // Limits the outline to where this holds (pixel centres); empty: everywhere.
  std::function<bool(double, double)> OutlineArea;

  // Rows from RowRuns(y, Left, Right + 1, runs) for every row y of the box.
  template <class F>
  static TShapeMask FromRows(const QRect& ABox, F RowRuns) {
    TShapeMask m(ABox);
    for (int y = 0; y < ABox.height(); ++y) RowRuns(ABox.top() + y, ABox.left(), ABox.left() + ABox.width(), m.Rows[y]);
    return m;
  }
  // Every pixel of the box tested on its own (the pixel centre).
  template <class F>
  static TShapeMask FromTest(const QRect& ABox, F Inside) {
    return FromRows(ABox, [&](int y, int from, int to, TRuns& runs) {
      for (int x = from; x < to; ++x)
        if (Inside(x + 0.5, y + 0.5)) Append(runs, x);
    });
  }

  // The mask without its edge of Width pixels: the 4-neighbour and the
  // 8-neighbour erosion taken in turn, which keeps the edge even on curves.
  std::vector<TRuns> Eroded(int Width) const {
    std::vector<TRuns> cur = Rows, next(Rows.size());
    const int h = int(Rows.size());
    const TRuns none;
    for (int step = 0; step < Width; ++step) {
      const bool diagonal = step % 2 == 1;
      bool any = false;
      std::vector<TRuns> shrunk(cur.size());
      for (int y = 0; y < h; ++y) shrunk[y] = Shrunk(cur[y]);
      for (int y = 0; y < h; ++y) {
        const std::vector<TRuns>& side = diagonal ? shrunk : cur;
        next[y] = Intersect(Intersect(shrunk[y], y > 0 ? side[y - 1] : none), y + 1 < h ? side[y + 1] : none);
        any = any || !next[y].empty();
      }
      cur.swap(next);
      if (!any) break;
    }
    return cur;
  }

private:
  explicit TShapeMask(const QRect& ABox) : Box(ABox), Rows(std::size_t(std::max(0, ABox.height()))) {}
};

void TCanvas::PaintShape(const TShapeMask& Mask, bool Outline, bool Fill) {
  const bool pen = Outline && PenVisible(), brush = Fill && BrushVisible();
  if ((!pen && !brush) || !HasPixels()) return;
  const QRect area = Mask.Box & VisibleRect();
  if (area.isEmpty()) return;
  const std::vector<TRuns> inner = pen ? Mask.Eroded(std::clamp(FPen.Width(), 1, MaxOutline)) : Mask.Rows;
  const TRuns visible = {{area.left(), area.left() + area.width()}};
  auto row = [&](int y) { return std::size_t(y - Mask.Box.top()); };
  if (brush) {
    std::vector<QRect> rects;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (const auto& [from, to] : Intersect(inner[row(y)], visible)) rects.emplace_back(from, y, to - from, 1);
    BrushRects(rects);
  }
  if (pen) {
    std::vector<QRect> rects;
    for (int y = area.top(); y <= area.bottom(); ++y) {
      const std::size_t r = row(y);
      for (const auto& [from, to] : Intersect(Subtract(Mask.Rows[r], inner[r]), visible)) {
        if (!Mask.OutlineArea) {
          rects.emplace_back(from, y, to - from, 1);
          continue;
        }
        int start = -1;
        for (int x = from; x <= to; ++x) {
          const bool on = x < to && Mask.OutlineArea(x + 0.5, y + 0.5);
          if (on && start < 0) start = x;
          if (!on && start >= 0) {
            rects.emplace_back(start, y, x - start, 1);
            start = -1;
          }
        }
      }
    }
    PenRects(rects);
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
  const QRect box = ShapeBox(r);
  PaintShape(TShapeMask::FromRows(box, [](int, int From, int To, TRuns& Runs) { Runs.emplace_back(From, To); }), true,
             true);
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) {
  const TRect r = Normalized(X1, Y1, X2, Y2);
  if (r.IsEmpty()) return;
  // Corners are quarters of an ellipse X3 wide and Y3 high.
  const double rx = std::min(std::abs(double(X3)), double(r.Right) - r.Left) / 2;
  const double ry = std::min(std::abs(double(Y3)), double(r.Bottom) - r.Top) / 2;
  const double l = r.Left + rx, t = r.Top + ry, rr = double(r.Right) - rx, b = double(r.Bottom) - ry;
  PaintShape(TShapeMask::FromTest(ShapeBox(r),
                                  [=](double x, double y) {
                                    if (rx <= 0 || ry <= 0) return true;
                                    const double cx = x < l ? l : (x > rr ? rr : x), cy = y < t ? t : (y > b ? b : y);
                                    const double dx = (x - cx) / rx, dy = (y - cy) / ry;
                                    return dx * dx + dy * dy <= 1.0;
                                  }),
             true, true);
}

namespace {

// The rows of an ellipse, limited to a sector when one is given.
auto EllipseRows(const EllipseShape& E, const SectorShape* S) {
  return [&E, S](int y, int From, int To, TRuns& Runs) {
    int from = 0, to = 0;
    if (!E.RowSpan(y, From, To - 1, from, to)) return;
    if (S) S->RowRuns(y, from, to, Runs);
    else Runs.emplace_back(from, to);
  };
}

}  // namespace

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2) {
  const TRect r = Normalized(X1, Y1, X2, Y2);
  if (r.IsEmpty()) return;
  const EllipseShape e(r);
  PaintShape(TShapeMask::FromRows(ShapeBox(r), EllipseRows(e, nullptr)), true, true);
}

void TCanvas::Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
  const TRect r = Normalized(X1, Y1, X2, Y2);
  if (r.IsEmpty()) return;
  const EllipseShape e(r);
  const SectorShape s(e.Cx, e.Cy, X3, Y3, X4, Y4);
  TShapeMask mask = TShapeMask::FromRows(ShapeBox(r), EllipseRows(e, nullptr));
  mask.OutlineArea = [s](double x, double y) { return s.Contains(x, y); };
  PaintShape(mask, true, false);
}

void TCanvas::Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
  const TRect r = Normalized(X1, Y1, X2, Y2);
  if (r.IsEmpty()) return;
  const EllipseShape e(r);
  const SectorShape s(e.Cx, e.Cy, X3, Y3, X4, Y4);
  PaintShape(TShapeMask::FromRows(ShapeBox(r), EllipseRows(e, &s)), true, true);
}

}  // namespace orv
