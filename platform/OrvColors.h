#pragma once
// Colour names, and where the system colours come from.
//
// The system colours ($FF0000xx, clBtnFace, clWindow, ...) follow the
// application's palette (QGuiApplication::palette()) and every change of
// it, so a dark desktop gives dark controls: clBtnFace is the palette's
// Button colour, clBtnHighlight Light, clBtnShadow Dark, cl3DDkShadow Shadow,
// clWindow Base, clWindowText Text, clBtnText ButtonText, clHighlight
// Highlight, clGrayText the disabled Text, clInfoBk ToolTipBase, and so on.
// Controls repaint when the application palette changes. The fixed table,
// the same on every desktop, is used while there is no application and after
// SetSystemColorsFromPalette(false) (the tests switch to it).

#include "OrvTypes.h"

namespace orv {

void SetSystemColorsFromPalette(bool Value);
bool SystemColorsFromPalette();

// The colour's name ("clRed", "clBtnFace", ...) when it has one, else its
// value as "$00BBGGRR" (eight hexadecimal digits, upper case).
QString ColorToString(TColor Color);

}  // namespace orv
