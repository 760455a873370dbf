#pragma once
// The 52 chart markers.
//
// DrawMarkOnCanvas draws marker Mark (0..51; others draw nothing) centred
// on (X, Y) with the canvas's current pen; the filled markers fill their
// inside with the current brush, the open ones leave it alone. Sizes are
// half-widths in pixels: small 2, normal 4, large 6 (a marker of half-width
// r covers X-r..X+r and Y-r..Y+r).
//
// | mark | shape                          | mark | shape                          |
// |------|--------------------------------|------|--------------------------------|
// | 0    | dot (one pixel)                | 26   | small plus                     |
// | 1    | plus                           | 27   | small cross                    |
// | 2    | cross (x)                      | 28   | large square, open             |
// | 3    | asterisk (plus and cross)      | 29   | large square, filled           |
// | 4    | square, open                   | 30   | large circle, open             |
// | 5    | square, filled                 | 31   | large circle, filled           |
// | 6    | circle, open                   | 32   | large diamond, open            |
// | 7    | circle, filled                 | 33   | large diamond, filled          |
// | 8    | diamond, open                  | 34   | large plus                     |
// | 9    | diamond, filled                | 35   | large cross                    |
// | 10   | triangle up, open              | 36   | square with a plus inside      |
// | 11   | triangle up, filled            | 37   | square with a cross inside     |
// | 12   | triangle down, open            | 38   | circle with a plus inside      |
// | 13   | triangle down, filled          | 39   | circle with a cross inside     |
// | 14   | triangle left, open            | 40   | diamond with a plus inside     |
// | 15   | triangle left, filled          | 41   | square with a centre dot       |
// | 16   | triangle right, open           | 42   | circle with a centre dot       |
// | 17   | triangle right, filled         | 43   | square in a square             |
// | 18   | horizontal bar                 | 44   | circle in a circle             |
// | 19   | vertical bar                   | 45   | hourglass (filled)             |
// | 20   | small square, open             | 46   | bow tie (filled)               |
// | 21   | small square, filled           | 47   | star (plus with a small cross) |
// | 22   | small circle, open             | 48   | hexagon, open                  |
// | 23   | small circle, filled           | 49   | hexagon, filled                |
// | 24   | small diamond, open            | 50   | octagon (half-width 5), open   |
// | 25   | small diamond, filled          | 51   | octagon (half-width 5), filled |

#include "ORV_orvbase.h"

namespace orv {

constexpr int NrOfMarkers = 52;

void DrawMarkOnCanvas(TCanvas* Canvas, int Mark, int X, int Y);

}  // namespace orv
