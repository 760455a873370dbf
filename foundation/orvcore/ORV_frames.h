#pragma once
// Frames and rectangles drawn on a canvas.
//
// DrawFrame draws the lines of a frame style around the pixels Left..Right
// and Top..Bottom (both ends included) and leaves the inside alone. The
// colours are, by convention, C1 white, C2 silver, C3 grey, C4 black and C5
// the frame colour. Each edge below is a one-pixel line; "a / b" means the
// top and left edges in a, the bottom and right edges in b (the corners at
// bottom-left and top-right belong to b); the inner edge lies one pixel
// inside the outer one.
//
// | style    | outer edge | inner edge | look                      |
// |----------|------------|------------|---------------------------|
// | fsNone   | -          | -          | nothing                   |
// | fsSimple | C5 / C5    | -          | a plain line              |
// | fsSunken | C3 / C1    | C4 / C2    | pressed into the surface  |
// | fsRaised | C2 / C4    | C1 / C3    | standing out of it        |
// | fsEtched | C3 / C1    | C1 / C3    | an engraved groove        |
// | fsBump   | C1 / C3    | C3 / C1    | a raised ridge            |
//
// The inner edge is left out when the frame is less than three pixels wide
// or high. The canvas's pen is the same afterwards as before.

#include "ORV_orvbase.h"

namespace orv {

void DrawFrame(TCanvas* Canvas, TFrameStyle Style, int Left, int Top, int Right, int Bottom, TColor C1, TColor C2,
               TColor C3, TColor C4, TColor C5);
// The outline of the pixels Left..Right and Top..Bottom (both ends
// included) in the canvas's current pen; the inside is left alone.
void DrawRectangle(TCanvas* Canvas, int Left, int Top, int Right, int Bottom);

}  // namespace orv
