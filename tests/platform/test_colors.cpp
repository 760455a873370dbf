#include "TestSupport.h"

#include <QApplication>

#include <gtest/gtest.h>

using namespace orv;

TEST(Colors, SystemColoursMapThroughTheFixedTable) {
  const struct {
    TColor System;
    TColor Rgb;
  } table[] = {
      {clBtnFace, 0xF0F0F0},         {clBtnShadow, 0xA0A0A0},
      {clBtnHighlight, 0xFFFFFF},    {clWindow, 0xFFFFFF},
      {clWindowText, 0x000000},      {clHighlight, RGB(0, 120, 215)},
      {clHighlightText, 0xFFFFFF},   {clGrayText, 0x6D6D6D},
      {clBtnText, 0x000000},         {cl3DDkShadow, 0x696969},
      {cl3DLight, 0xE3E3E3},         {clInactiveCaption, 0xDBCDBF},
      {clActiveCaption, 0xD1B499},   {clInfoBk, 0xE1FFFF},
      {clInfoText, 0x000000},        {clMenu, 0xF0F0F0},
      {clMenuText, 0x000000},        {clWindowFrame, 0x646464},
      {clCaptionText, 0x000000},     {clActiveBorder, 0xB4B4B4},
      {clInactiveBorder, 0xFCF7F4},  {clAppWorkSpace, 0xABABAB},
      {clInactiveCaptionText, 0},    {clHotLight, 0xCC6600},
      {clGradientActiveCaption, 0xEAD1B9}, {clGradientInactiveCaption, 0xF2E4D7},
      {clMenuHighlight, 0xFF9933},   {clMenuBar, 0xF0F0F0},
      {clScrollBar, 0xC8C8C8},       {clBackground, 0x000000},
      // Unknown system indexes are black.
      {0xFF000019, 0},               {0xFF00001F, 0},
      {0xFF0000FF, 0},               {0xFF123456, 0},
      // Any other high byte is dropped.
      {clRed, 0x0000FF},             {0x12345678, 0x345678},
      {clNone, 0xFFFFFF},            {clDefault, 0x000000},
  };
  for (const auto& c : table) EXPECT_EQ(ColorToRGB(c.System), c.Rgb) << std::hex << c.System;
}

TEST(Colors, ConvertToAndFromQtColours) {
  EXPECT_EQ(ColorToQRgb(clRed), qRgb(255, 0, 0));
  EXPECT_EQ(ColorToQRgb(RGB(1, 2, 3)), qRgb(1, 2, 3));
  EXPECT_EQ(ColorToQRgb(clHighlight), qRgb(0, 120, 215));
  EXPECT_EQ(qAlpha(ColorToQRgb(clNone)), 255);
  EXPECT_EQ(QRgbToColor(qRgba(10, 20, 30, 40)), RGB(10, 20, 30));
  for (TColor c : {clBlack, clWhite, clNavy, RGB(12, 34, 56)}) EXPECT_EQ(QRgbToColor(ColorToQRgb(c)), c);
}

TEST(Colors, ColorToStringNamesKnownColoursAndWritesOthersInHex) {
  const struct {
    TColor Color;
    const char* Text;
  } table[] = {
      {clRed, "clRed"},           {clMoneyGreen, "clMoneyGreen"}, {clBtnFace, "clBtnFace"},
      {clMenuBar, "clMenuBar"},   {clNone, "clNone"},             {RGB(1, 2, 3), "$00030201"},
      {0x12ABCDEF, "$12ABCDEF"},  {0xFF000019, "$FF000019"},
  };
  for (const auto& c : table) EXPECT_EQ(ColorToString(c.Color), QString::fromLatin1(c.Text));
}

TEST(Colors, SystemColoursFollowTheApplicationPaletteAndControlsRepaint) {
  const QPalette saved = QApplication::palette();
  TGraphicControl control(nullptr);  // paints its Color, clBtnFace
  control.resize(10, 10);
  test::ShowAndWait(&control);
  SetSystemColorsFromPalette(true);
  auto useButtonColour = [](QColor Button) {
    QPalette p = QApplication::palette();
    p.setColor(QPalette::Button, Button);
    p.setColor(QPalette::Window, Button);
    QApplication::setPalette(p);
    QApplication::processEvents();
  };
  useButtonColour(QColor(40, 44, 52));  // a dark desktop
  EXPECT_EQ(ColorToRGB(clBtnFace), RGB(40, 44, 52));
  EXPECT_EQ(test::PixelAt(test::Grab(&control), 5, 5), RGB(40, 44, 52));
  useButtonColour(QColor(30, 30, 30));
  EXPECT_EQ(test::PixelAt(test::Grab(&control), 5, 5), RGB(30, 30, 30));
  SetSystemColorsFromPalette(false);
  EXPECT_EQ(ColorToRGB(clBtnFace), 0xF0F0F0u);
  QApplication::setPalette(saved);
}
