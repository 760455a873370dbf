#include "ORV_markers.h"

namespace orv {

namespace {

constexpr int Small = 2, Normal = 4, Large = 6;

enum TShape { shSquare, shCircle, shDiamond, shUp, shDown, shLeft, shRight, shHexagon, shOctagon };

QList<TPoint> Outline(TShape Shape, int X, int Y, int R) {
  switch (Shape) {
    case shDiamond: return {{X, Y - R}, {X + R, Y}, {X, Y + R}, {X - R, Y}};
    case shUp: return {{X, Y - R}, {X + R, Y + R}, {X - R, Y + R}};
    case shDown: return {{X - R, Y - R}, {X + R, Y - R}, {X, Y + R}};
    case shLeft: return {{X - R, Y}, {X + R, Y - R}, {X + R, Y + R}};
    case shRight: return {{X - R, Y - R}, {X + R, Y}, {X - R, Y + R}};
    case shHexagon: return {{X - R, Y}, {X - R / 2, Y - R}, {X + R / 2, Y - R}, {X + R, Y}, {X + R / 2, Y + R}, {X - R / 2, Y + R}};
    case shOctagon: {
      const int h = R / 2;
      return {{X - h, Y - R}, {X + h, Y - R}, {X + R, Y - h}, {X + R, Y + h},
              {X + h, Y + R}, {X - h, Y + R}, {X - R, Y + h}, {X - R, Y - h}};
    }
    case shSquare:
    case shCircle: break;
  }
  return {{X - R, Y - R}, {X + R, Y - R}, {X + R, Y + R}, {X - R, Y + R}};
}

// A shape of half-width R, filled with the brush or open (brush untouched).
void Shape(TCanvas* C, TShape S, int X, int Y, int R, bool Filled) {
  TBrush* brush = C->Brush();
  const TBrushStyle saved = brush->Style();
  if (!Filled) brush->SetStyle(bsClear);
  if (S == shCircle) C->Ellipse(X - R, Y - R, X + R + 1, Y + R + 1);
  else if (S == shSquare) C->Rectangle(X - R, Y - R, X + R + 1, Y + R + 1);
  else C->Polygon(Outline(S, X, Y, R));
  if (!Filled) brush->SetStyle(saved);
}

void Line(TCanvas* C, int X1, int Y1, int X2, int Y2) {
  C->MoveTo(X1, Y1);
  C->LineTo(X2, Y2);
  C->SetPixels(X2, Y2, C->Pen()->Color());  // LineTo leaves out the end point
}

void Plus(TCanvas* C, int X, int Y, int R) {
  Line(C, X - R, Y, X + R, Y);
  Line(C, X, Y - R, X, Y + R);
}

void Cross(TCanvas* C, int X, int Y, int R) {
  Line(C, X - R, Y - R, X + R, Y + R);
  Line(C, X - R, Y + R, X + R, Y - R);
}

void Dot(TCanvas* C, int X, int Y) { C->SetPixels(X, Y, C->Pen()->Color()); }

}  // namespace

void DrawMarkOnCanvas(TCanvas* Canvas, int Mark, int X, int Y) {
  if (!Canvas) return;
  TCanvas* c = Canvas;
  constexpr TShape rowShapes[] = {shSquare, shCircle, shDiamond, shUp, shDown, shLeft, shRight};
  if (Mark >= 4 && Mark <= 17) {
    Shape(c, rowShapes[(Mark - 4) / 2], X, Y, Normal, Mark % 2 == 1);
    return;
  }
  if (Mark >= 20 && Mark <= 25) {
    Shape(c, rowShapes[(Mark - 20) / 2], X, Y, Small, Mark % 2 == 1);
    return;
  }
  if (Mark >= 28 && Mark <= 33) {
    Shape(c, rowShapes[(Mark - 28) / 2], X, Y, Large, Mark % 2 == 1);
    return;
  }
  switch (Mark) {
    case 0: Dot(c, X, Y); break;
    case 1: Plus(c, X, Y, Normal); break;
    case 2: Cross(c, X, Y, Normal); break;
    case 3: Plus(c, X, Y, Normal); Cross(c, X, Y, Normal - 1); break;
    case 18: Line(c, X - Normal, Y, X + Normal, Y); break;
    case 19: Line(c, X, Y - Normal, X, Y + Normal); break;
    case 26: Plus(c, X, Y, Small); break;
    case 27: Cross(c, X, Y, Small); break;
    case 34: Plus(c, X, Y, Large); break;
    case 35: Cross(c, X, Y, Large); break;
    case 36: Shape(c, shSquare, X, Y, Normal, false); Plus(c, X, Y, Normal); break;
    case 37: Shape(c, shSquare, X, Y, Normal, false); Cross(c, X, Y, Normal); break;
    case 38: Shape(c, shCircle, X, Y, Normal, false); Plus(c, X, Y, Normal); break;
    case 39: Shape(c, shCircle, X, Y, Normal, false); Cross(c, X, Y, Normal - 1); break;
    case 40: Shape(c, shDiamond, X, Y, Normal, false); Plus(c, X, Y, Normal); break;
    case 41: Shape(c, shSquare, X, Y, Normal, false); Dot(c, X, Y); break;
    case 42: Shape(c, shCircle, X, Y, Normal, false); Dot(c, X, Y); break;
    case 43: Shape(c, shSquare, X, Y, Normal, false); Shape(c, shSquare, X, Y, Small, false); break;
    case 44: Shape(c, shCircle, X, Y, Normal, false); Shape(c, shCircle, X, Y, Small, false); break;
    case 45: c->Polygon({{X - Normal, Y - Normal}, {X + Normal, Y - Normal}, {X - Normal, Y + Normal}, {X + Normal, Y + Normal}}); break;
    case 46: c->Polygon({{X - Normal, Y - Normal}, {X + Normal, Y + Normal}, {X + Normal, Y - Normal}, {X - Normal, Y + Normal}}); break;
    case 47: Plus(c, X, Y, Large - 1); Cross(c, X, Y, Small); break;
    case 48: Shape(c, shHexagon, X, Y, Normal, false); break;
    case 49: Shape(c, shHexagon, X, Y, Normal, true); break;
    case 50: Shape(c, shOctagon, X, Y, Large - 1, false); break;
    case 51: Shape(c, shOctagon, X, Y, Large - 1, true); break;
    default: break;
  }
}

}  // namespace orv
