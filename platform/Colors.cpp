#include "OrvTypes.h"

#include <array>

namespace orv {

namespace {

// The system colours, indexed by the low byte of the clXxx constants. The
// values are fixed so that a control looks the same on every desktop.
constexpr std::array<TColor, 31> SystemColors = {
    0xC8C8C8,  // clScrollBar
    0x000000,  // clBackground
    0xD1B499,  // clActiveCaption
    0xDBCDBF,  // clInactiveCaption
    0xF0F0F0,  // clMenu
    0xFFFFFF,  // clWindow
    0x646464,  // clWindowFrame
    0x000000,  // clMenuText
    0x000000,  // clWindowText
    0x000000,  // clCaptionText
    0xB4B4B4,  // clActiveBorder
    0xFCF7F4,  // clInactiveBorder
    0xABABAB,  // clAppWorkSpace
    0xD77800,  // clHighlight
    0xFFFFFF,  // clHighlightText
    0xF0F0F0,  // clBtnFace
    0xA0A0A0,  // clBtnShadow
    0x6D6D6D,  // clGrayText
    0x000000,  // clBtnText
    0x000000,  // clInactiveCaptionText
    0xFFFFFF,  // clBtnHighlight
    0x696969,  // cl3DDkShadow
    0xE3E3E3,  // cl3DLight
    0x000000,  // clInfoText
    0xE1FFFF,  // clInfoBk
    0x000000,  // index 25: unused
    0xCC6600,  // clHotLight
    0xEAD1B9,  // clGradientActiveCaption
    0xF2E4D7,  // clGradientInactiveCaption
    0xFF9933,  // clMenuHighlight
    0xF0F0F0,  // clMenuBar
};

}  // namespace

TColor ColorToRGB(TColor Color) {
  if ((Color & 0xFF000000) == clSystemColor) {
    const TColor index = Color & 0x00FFFFFF;
    return index < SystemColors.size() ? SystemColors[index] : clBlack;
  }
  return Color & 0x00FFFFFF;
}

QRgb ColorToQRgb(TColor Color) {
  const TColor c = ColorToRGB(Color);
  return qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
}

TColor QRgbToColor(QRgb Rgb) { return RGB(qRed(Rgb), qGreen(Rgb), qBlue(Rgb)); }

}  // namespace orv
