#pragma once
// Colour helpers of the base library.

#include "ORV_orvbase.h"

namespace orv {

// The colour halfway between A and B (per channel, rounded down; system
// colours are resolved first).
TColor MeanColor(TColor A, TColor B);

// Number of entries of the predefined colour table.
constexpr int NrOfPredefinedColors = 47;
// Entry Index (1..47) of the predefined colour table: 1..16 the basic
// colours (black, maroon, green, olive, navy, purple, teal, grey, silver,
// red, lime, yellow, blue, fuchsia, aqua, white), 17..20 money green, sky
// blue, cream and medium grey, 21..47 system colours (clScrollBar ..
// clInfoBk, clHotLight, clMenuHighlight). clBlack outside the range.
TColor PredefinedColors(int Index);
// The constant's name of entry Index ("clBlack"), empty outside the range.
QString PredefinedColorName(int Index);

}  // namespace orv
