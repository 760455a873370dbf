#include "ORV_frames.h"

namespace orv {

namespace {

// One edge pair of a frame: top and left lines in TopLeft, bottom and right in BottomRight.
void Edge(TCanvas* C, int L, int T, int R, int B, TColor TopLeft, TColor BottomRight) {
  TPen* pen = C->Pen();
  pen->SetColor(TopLeft);
  C->MoveTo(L, B - 1);
  C->LineTo(L, T);
  C->LineTo(R, T);
  pen->SetColor(BottomRight);
  C->MoveTo(L, B);
  C->LineTo(R, B);
  C->LineTo(R, T - 1);
}

}  // namespace

void DrawFrame(TCanvas* Canvas, TFrameStyle Style, int Left, int Top, int Right, int Bottom, TColor C1, TColor C2,
               TColor C3, TColor C4, TColor C5) {
  if (!Canvas || Style == fsNone || Right < Left || Bottom < Top) return;
  TPen saved;
  saved.Assign(Canvas->Pen());
  TPen* pen = Canvas->Pen();
  pen->SetWidth(1);
  pen->SetStyle(psSolid);
  pen->SetMode(pmCopy);
  struct {
    TColor OuterTL, OuterBR, InnerTL, InnerBR;
  } c{};
  switch (Style) {
    case fsSimple: c = {C5, C5, 0, 0}; break;
    case fsSunken: c = {C3, C1, C4, C2}; break;
    case fsRaised: c = {C2, C4, C1, C3}; break;
    case fsEtched: c = {C3, C1, C1, C3}; break;
    case fsBump: c = {C1, C3, C3, C1}; break;
    case fsNone: break;
  }
  Edge(Canvas, Left, Top, Right, Bottom, c.OuterTL, c.OuterBR);
  if (Style != fsSimple && Right - Left >= 2 && Bottom - Top >= 2)
    Edge(Canvas, Left + 1, Top + 1, Right - 1, Bottom - 1, c.InnerTL, c.InnerBR);
  pen->Assign(&saved);
}

void DrawRectangle(TCanvas* Canvas, int Left, int Top, int Right, int Bottom) {
  if (!Canvas) return;
  Canvas->Polyline({{Left, Top}, {Right, Top}, {Right, Bottom}, {Left, Bottom}, {Left, Top}});
}

}  // namespace orv
