#include "OrvColors.h"

#include <QGuiApplication>
#include <QPalette>

#include <array>

namespace orv {

namespace {

constexpr int SystemColorCount = 31;

// The fixed system colours, indexed by the low byte of the clXxx constants.
constexpr std::array<TColor, SystemColorCount> FixedSystemColors = {
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

// The palette entry each system colour takes, in the same order.
struct TPaletteEntry {
  QPalette::ColorGroup Group;
  QPalette::ColorRole Role;
};
constexpr QPalette::ColorGroup Act = QPalette::Active, Ina = QPalette::Inactive, Dis = QPalette::Disabled;
constexpr std::array<TPaletteEntry, SystemColorCount> PaletteEntries = {{
    {Act, QPalette::Mid},              // clScrollBar
    {Act, QPalette::Dark},             // clBackground
    {Act, QPalette::Highlight},        // clActiveCaption
    {Ina, QPalette::Highlight},        // clInactiveCaption
    {Act, QPalette::Window},           // clMenu
    {Act, QPalette::Base},             // clWindow
    {Act, QPalette::Shadow},           // clWindowFrame
    {Act, QPalette::WindowText},       // clMenuText
    {Act, QPalette::Text},             // clWindowText
    {Act, QPalette::HighlightedText},  // clCaptionText
    {Act, QPalette::Window},           // clActiveBorder
    {Ina, QPalette::Window},           // clInactiveBorder
    {Act, QPalette::Mid},              // clAppWorkSpace
    {Act, QPalette::Highlight},        // clHighlight
    {Act, QPalette::HighlightedText},  // clHighlightText
    {Act, QPalette::Button},           // clBtnFace
    {Act, QPalette::Dark},             // clBtnShadow
    {Dis, QPalette::Text},             // clGrayText
    {Act, QPalette::ButtonText},       // clBtnText
    {Ina, QPalette::HighlightedText},  // clInactiveCaptionText
    {Act, QPalette::Light},            // clBtnHighlight
    {Act, QPalette::Shadow},           // cl3DDkShadow
    {Act, QPalette::Midlight},         // cl3DLight
    {Act, QPalette::ToolTipText},      // clInfoText
    {Act, QPalette::ToolTipBase},      // clInfoBk
    {Act, QPalette::Shadow},           // index 25: unused
    {Act, QPalette::Link},             // clHotLight
    {Act, QPalette::Highlight},        // clGradientActiveCaption
    {Ina, QPalette::Highlight},        // clGradientInactiveCaption
    {Act, QPalette::Highlight},        // clMenuHighlight
    {Act, QPalette::Window},           // clMenuBar
}};

bool gFromPalette = true;

// The system colours of the application palette, made again when it changed.
const std::array<TColor, SystemColorCount>& PaletteSystemColors(const QPalette& Palette) {
  static std::array<TColor, SystemColorCount> table{};
  static qint64 key = -1;
  if (Palette.cacheKey() != key) {
    key = Palette.cacheKey();
    for (int i = 0; i < SystemColorCount; ++i)
      table[std::size_t(i)] = QRgbToColor(Palette.color(PaletteEntries[std::size_t(i)].Group,
                                                        PaletteEntries[std::size_t(i)].Role).rgb());
  }
  return table;
}

TColor SystemColor(TColor Index) {
  if (Index >= SystemColorCount) return clBlack;
  if (gFromPalette && qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    return PaletteSystemColors(QGuiApplication::palette())[Index];
  return FixedSystemColors[Index];
}

struct TColorName {
  TColor Color;
  const char* Name;
};
constexpr TColorName ColorNames[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clScrollBar, "clScrollBar"},
    {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"},
    {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"},
    {clHotLight, "clHotLight"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuBar, "clMenuBar"},
    {clNone, "clNone"},
    {clDefault, "clDefault"},
};

}  // namespace

void SetSystemColorsFromPalette(bool Value) { gFromPalette = Value; }

bool SystemColorsFromPalette() { return gFromPalette; }

TColor ColorToRGB(TColor Color) {
  if ((Color & 0xFF000000) == clSystemColor) return SystemColor(Color & 0x00FFFFFF);
  return Color & 0x00FFFFFF;
}

QRgb ColorToQRgb(TColor Color) {
  const TColor c = ColorToRGB(Color);
  return qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
}

TColor QRgbToColor(QRgb Rgb) { return RGB(qRed(Rgb), qGreen(Rgb), qBlue(Rgb)); }

QString ColorToString(TColor Color) {
  for (const TColorName& n : ColorNames)
    if (n.Color == Color) return QString::fromLatin1(n.Name);
  return QStringLiteral("$%1").arg(Color, 8, 16, QLatin1Char('0')).toUpper();
}

}  // namespace orv
