// TNumIO2 layout and painting: setter clamps, frames, buttons, gauge, freeze
// box, warning and grey looks, texts, caret, selection and the position maths.
#include "NumIO2Fixture.h"

#include <QFontMetrics>
#include <QMetaProperty>

using namespace orv;
using namespace orv::test;

namespace {

constexpr TColor kGray = 0x808080, kSilver = 0xC0C0C0, kWhite = 0xFFFFFF, kBlack = 0x000000;

class NumIO2Layout : public NumIO2Test {
protected:
  TColor OutBG() const { return ColorToRGB(N->ColorOutBG()); }
  int TextWidth(const QString& S) const { return QFontMetrics(N->font()).horizontalAdvance(S); }
  // The columns where the image differs from the outside background, inside a rectangle.
  std::pair<int, int> InkColumns(const QImage& Img, const TRect& R, TColor Background) const {
    int lo = R.Right, hi = R.Left - 1;
    for (int y = R.Top; y < R.Bottom; ++y)
      for (int x = R.Left; x < R.Right; ++x)
        if (PixelAt(Img, x, y) != Background) {
          lo = std::min(lo, x);
          hi = std::max(hi, x);
        }
    return {lo, hi};
  }
};

}  // namespace

TEST_F(NumIO2Layout, DefaultsAndInitialSize) {
  EXPECT_EQ(N->Width(), 160);
  EXPECT_EQ(N->Height(), 28);
  EXPECT_EQ(N->ButHeight(), 28);
  EXPECT_EQ(N->InputFormat(), itFloat);
  EXPECT_EQ(N->DecPlaceSep(), dpsDotOrComma);
  EXPECT_EQ(N->FrameStyle(), fsSunken);
  EXPECT_EQ(N->ColorOutBG(), clBtnFace);
  EXPECT_EQ(N->ColorWarnBG(), 0x6088FFF0u);
  EXPECT_EQ(N->Text(), QString());
  EXPECT_TRUE(N->ButtonPivots.isEmpty());
}

TEST_F(NumIO2Layout, SettersClampAsTheTableSays) {
  struct Case {
    const char* Name;
    std::function<void()> Set;
    std::function<int()> Get;
    int Expected;
  };
  const Case cases[] = {
      {"ButWidth high", [&] { N->SetButWidth(100); }, [&] { return N->ButWidth(); }, 50},
      {"ButWidth low", [&] { N->SetButWidth(2); }, [&] { return N->ButWidth(); }, 8},
      {"ButHeight low", [&] { N->SetButHeight(5); }, [&] { return N->ButHeight(); }, 18},
      {"ButHeight high", [&] { N->SetButHeight(100); }, [&] { return N->ButHeight(); }, 28},
      {"ButSpace low", [&] { N->SetButSpace(-4); }, [&] { return N->ButSpace(); }, 0},
      {"ButSpace high", [&] { N->SetButSpace(60); }, [&] { return N->ButSpace(); }, 50},
      {"FreezeBoxSize low", [&] { N->SetFreezeBoxSize(3); }, [&] { return N->FreezeBoxSize(); }, 12},
      {"LeftSpace negative ignored", [&] { N->SetLeftSpace(-1); }, [&] { return N->LeftSpace(); }, 35},
      {"LeftSpace capped at Width", [&] { N->SetLeftSpace(500); }, [&] { return N->LeftSpace(); }, 160},
      {"GaugeHeight high", [&] { N->SetGaugeHeight(100); }, [&] { return N->GaugeHeight(); }, 28 - 3 - 18},
      {"GaugeHeight low", [&] { N->SetGaugeHeight(1); }, [&] { return N->GaugeHeight(); }, 3},
      {"GaugeWidth low", [&] { N->SetGaugeWidth(5); }, [&] { return N->GaugeWidth(); }, 10},
      {"GaugeWidth high", [&] { N->SetGaugeWidth(500); }, [&] { return N->GaugeWidth(); }, 160 - 35},
      {"GaugeLeftMargin high", [&] { N->SetGaugeLeftMargin(500); }, [&] { return N->GaugeLeftMargin(); }, 160 - 82},
      {"GaugeLeftMargin low", [&] { N->SetGaugeLeftMargin(-5); }, [&] { return N->GaugeLeftMargin(); }, 0},
      {"GaugeTopMargin high", [&] { N->SetGaugeTopMargin(100); }, [&] { return N->GaugeTopMargin(); }, 28 - 8 - 18},
      {"GaugeTopMargin low", [&] { N->SetGaugeTopMargin(-1); }, [&] { return N->GaugeTopMargin(); }, 0},
      {"FixPointDecPlaces zero ignored", [&] { N->SetFixPointDecPlaces(0); }, [&] { return N->FixPointDecPlaces(); }, 2},
      {"FixPointDecPlaces high", [&] { N->SetFixPointDecPlaces(20); }, [&] { return N->FixPointDecPlaces(); }, 15},
      {"SignificantDigits negative ignored", [&] { N->SetSignificantDigits(-3); }, [&] { return N->SignificantDigits(); }, 6},
      {"SignificantDigits high", [&] { N->SetSignificantDigits(99); }, [&] { return N->SignificantDigits(); }, 15},
  };
  for (const Case& c : cases) {
    TearDown();
    SetUp();
    c.Set();
    EXPECT_EQ(c.Get(), c.Expected) << c.Name;
  }
}

TEST_F(NumIO2Layout, HeightHasAFloorAndPullsTheButtonsDown) {
  N->SetButHeight(28);
  N->SetHeight(10);
  EXPECT_EQ(N->Height(), 18);
  EXPECT_EQ(N->ButHeight(), 18);
  N->resize(160, 40);  // from Qt's side
  EXPECT_EQ(N->Height(), 40);
  EXPECT_EQ(N->ButHeight(), 18);
}

TEST_F(NumIO2Layout, FreezeBoxSizeRecentresTheBox) {
  N->SetFreezeBoxSize(30);
  EXPECT_EQ(N->FreezeBoxSize(), 25);
  EXPECT_EQ(N->FreezeBoxTop(), (28 - (8 + 3 + 25 + 1)) / 2);  // -4, whether the gauge shows or not
  N->SetHeight(60);
  N->SetFreezeBoxSize(20);
  EXPECT_EQ(N->FreezeBoxTop(), (60 - (8 + 3 + 20 + 1)) / 2);
}

TEST_F(NumIO2Layout, RangeEndsPushEachOther) {
  N->SetRangeLow(2000);
  EXPECT_EQ(N->RangeHigh(), 2000);
  N->SetRangeHigh(-5);
  EXPECT_EQ(N->RangeLow(), -5);
  EXPECT_EQ(N->RangeHigh(), -5);
}

TEST_F(NumIO2Layout, BoxFrameCornersPerStyleAndScheme) {
  // Colours at: outline corner, upper-left edge, lower-right edge, and the
  // pixel just outside the outline that only the lower-right edge reaches.
  struct Case {
    TFrameStyle Style;
    TColorScheme Scheme;
    TColor Outline, UpperLeft, LowerRight;
  };
  const TColor shadow = ColorToRGB(clBtnShadow), light = ColorToRGB(clBtnHighlight);
  const Case cases[] = {
      {fsNone, csFixedColors, kSilver, kWhite, kSilver},  // one rectangle: inside is the box colour
      {fsSimple, csFixedColors, kGray, kWhite, kGray},
      {fsSunken, csFixedColors, kGray, kBlack, kWhite},
      {fsRaised, csFixedColors, kGray, kWhite, kBlack},
      {fsEtched, csFixedColors, kWhite, kGray, kGray},
      {fsBump, csFixedColors, kGray, kWhite, kWhite},
      {fsSunken, csSystemColors, shadow, kBlack, light},
      {fsEtched, csSystemColors, light, shadow, shadow},
  };
  for (const Case& c : cases) {
    N->SetFrameStyle(c.Style);
    N->SetColorScheme(c.Scheme);
    const QImage img = Shot();
    const TRect b = N->BoxRect();
    const std::string name = "style " + std::to_string(c.Style) + " scheme " + std::to_string(c.Scheme);
    EXPECT_EQ(PixelAt(img, b.Left, b.Top), c.Outline) << name;
    EXPECT_EQ(PixelAt(img, b.Left + 1, b.Top + 1), c.UpperLeft) << name;
    EXPECT_EQ(PixelAt(img, b.Left + 1, b.Bottom - 3), c.UpperLeft) << name;
    EXPECT_EQ(PixelAt(img, b.Left + 2, b.Top + 2), kWhite) << name;
    if (c.Style <= fsSimple) {
      EXPECT_EQ(PixelAt(img, b.Right - 1, b.Bottom - 1), c.Outline) << name;
      EXPECT_EQ(PixelAt(img, b.Right, b.Top), OutBG()) << name;
    } else {
      EXPECT_EQ(PixelAt(img, b.Right - 2, b.Bottom - 2), c.Outline) << name;
      EXPECT_EQ(PixelAt(img, b.Right - 1, b.Bottom - 1), c.LowerRight) << name;
      EXPECT_EQ(PixelAt(img, b.Right - 1, b.Top + 1), c.LowerRight) << name;
      EXPECT_EQ(PixelAt(img, b.Right - 1, b.Top), OutBG()) << name;  // the end point is left out
    }
  }
}

TEST_F(NumIO2Layout, FrozenBoxOfStyleNoneIsOutlinedInTheBoxColour) {
  N->SetFrameStyle(fsNone);
  N->SetColorBoxBG(0x00FF00);
  N->SetFreezeBoxChecked(true);
  EXPECT_EQ(PixelAt(Shot(), N->BoxRect().Left, 0), 0x00FF00u);
}

TEST_F(NumIO2Layout, SpinButtonsWithDividerEdgesAndArrows) {
  N->SetButVisible(true);
  N->SetButColor(0x00C000);
  const TRect r = N->ButtonRect();
  const int bx = r.Left, bxe = r.Right - 1, hh = N->ButHeight() / 2, mx = bx + N->ButWidth() / 2;
  QImage img = Shot();
  EXPECT_EQ(PixelAt(img, bx, 0), kGray);
  EXPECT_EQ(PixelAt(img, bx + 4, hh - 1), kGray);           // divider
  EXPECT_EQ(PixelAt(img, bx + 1, 1), kWhite);               // 3D light edges
  EXPECT_EQ(PixelAt(img, bx + 4, hh), kWhite);
  EXPECT_EQ(PixelAt(img, bx + 4, 2 * hh - 1), kBlack);      // shadow below and right
  EXPECT_EQ(PixelAt(img, bxe + 1, hh), kBlack);
  EXPECT_EQ(PixelAt(img, bx + 4, hh / 2 + 3), 0x00C000u);   // face
  // Up arrow widens downwards, the down arrow upwards; end points left out.
  EXPECT_EQ(PixelAt(img, mx, hh / 2 - 1), kBlack);
  EXPECT_EQ(PixelAt(img, mx + 2, hh / 2 - 1), 0x00C000u);
  EXPECT_EQ(PixelAt(img, mx - 2, hh / 2 + 1), kBlack);
  EXPECT_EQ(PixelAt(img, mx + 3, hh / 2 + 1), kBlack);
  EXPECT_EQ(PixelAt(img, mx + 4, hh / 2 + 1), 0x00C000u);
  EXPECT_EQ(PixelAt(img, mx, hh + hh / 2), kBlack);
  EXPECT_EQ(PixelAt(img, mx - 2, hh + hh / 2 - 2), kBlack);
  EXPECT_EQ(PixelAt(img, mx - 2, hh + hh / 2), 0x00C000u);

  N->SetBut3D(false);
  img = Shot();
  EXPECT_EQ(PixelAt(img, bx + 1, 1), 0x00C000u);
  EXPECT_EQ(PixelAt(img, bxe + 1, hh), OutBG());

  N->SetReadOnly(true);
  EXPECT_EQ(PixelAt(Shot(), mx, hh / 2 - 1), kGray);
}

TEST_F(NumIO2Layout, GaugeBarLengthFollowsTheValue) {
  N->SetGaugeVisible(true);
  N->SetGaugeFrameStyle(fsNone);
  N->SetRangeHigh(100);
  const TRect g = N->GaugeRect();
  const int y = (g.Top + g.Bottom) / 2;
  struct Case {
    double Low, High, Value;
    int BarRight;
  };
  const int w = N->GaugeWidth(), l = N->GaugeLeftMargin();
  const Case cases[] = {
      {0, 100, 25, l + 20},       // 82 x 0.25 = 20.5 rounds to even
      {0, 100, 75, l + 62},       // 61.5 rounds to even
      {0, 100, 50, l + 41},
      {0, 100, 0, l},             // no bar
      {0, 100, 250, l + w},       // clamped full
      {0, 100, -3, l},            // clamped empty
      {40, 40, 40, l + w},        // equal range ends: full bar
  };
  for (const Case& c : cases) {
    N->SetRangeLow(c.Low);
    N->SetRangeHigh(c.High);
    N->SetNioValue(c.Value);
    const QImage img = Shot();
    const std::string name = "value " + std::to_string(c.Value);
    if (c.BarRight > l) {
      EXPECT_EQ(PixelAt(img, c.BarRight - 1, y), 0x800000u) << name;
    }
    if (c.BarRight < l + w) {
      EXPECT_EQ(PixelAt(img, c.BarRight, y), kSilver) << name;
    }
    EXPECT_EQ(N->GaugeBarRect().Right, c.BarRight) << name;
  }
  N->SetEnabled(false);
  EXPECT_EQ(PixelAt(Shot(), l + 2, y), kGray);
}

TEST_F(NumIO2Layout, GaugeFrameStyles) {
  N->SetGaugeVisible(true);
  const TRect g = N->GaugeRect();
  const int l = g.Left, r = g.Right, h = N->Height();
  N->SetGaugeFrameStyle(fsSunken);
  QImage img = Shot();
  EXPECT_EQ(PixelAt(img, l, g.Top), kGray);
  EXPECT_EQ(PixelAt(img, l + 1, h - N->GaugeHeight()), kBlack);
  EXPECT_EQ(PixelAt(img, r, h - 2), kWhite);
  EXPECT_EQ(PixelAt(img, l + 3, h - 1), kWhite);
  N->SetGaugeFrameStyle(fsSimple);
  N->SetGaugeColorFrame(0x0000C0);
  img = Shot();
  EXPECT_EQ(PixelAt(img, l, g.Top), 0x0000C0u);
  EXPECT_EQ(PixelAt(img, r, h - 2), OutBG());
  N->SetGaugeFrameStyle(fsNone);
  N->SetGaugeColorBg(0x00A000);
  EXPECT_EQ(PixelAt(Shot(), l, g.Top), 0x00A000u);
}

TEST_F(NumIO2Layout, GaugeShrinksTheTextRow) {
  N->SetGaugeVisible(true);
  EXPECT_EQ(N->GaugeStrip(), 8 + 3 + 1);
  EXPECT_EQ(N->BoxRect().Bottom, 28 - 12);
  EXPECT_EQ(N->GaugeRect(), TRect(35, 28 - 8 - 1, 35 + 82, 27));
}

TEST_F(NumIO2Layout, FreezeBoxSitsRightOfBoxAndButtonsAndShowsItsTick) {
  N->SetWidth(260);
  N->SetFreezeBoxVisible(true);
  TRect f = N->FreezeBoxRect();
  EXPECT_EQ(f.Left, 35 + 80 + 30 + 8);
  N->SetButVisible(true);
  f = N->FreezeBoxRect();
  EXPECT_EQ(f.Left, 35 + 18 + 3 + 80 + 30 + 8);
  N->SetHeight(40);
  N->SetFreezeBoxSize(20);
  f = N->FreezeBoxRect();
  EXPECT_EQ(f.Top, (40 - 32) / 2);
  EXPECT_EQ(f.Bottom - f.Top, 20);
  QImage img = Shot();
  EXPECT_EQ(PixelAt(img, f.Left, f.Top), kGray);                // sunken outline
  EXPECT_EQ(PixelAt(img, f.Left + 1, f.Top + 1), kBlack);
  EXPECT_EQ(PixelAt(img, f.Right - 1, f.Bottom - 1), kWhite);
  const int cx = f.Left + 10, cy = f.Top + 10;
  EXPECT_EQ(PixelAt(img, cx, cy + 1), kWhite);                   // no tick yet
  N->SetFreezeBoxChecked(true);
  img = Shot();
  EXPECT_EQ(PixelAt(img, cx, cy + 1), kBlack);
  EXPECT_EQ(PixelAt(img, cx - 4, cy + 1), kBlack);
  EXPECT_EQ(PixelAt(img, cx + 4, cy - 2), kBlack);
  N->SetEnabled(false);
  EXPECT_EQ(PixelAt(Shot(), f.Left + 3, f.Bottom - 4), kSilver);
}

TEST_F(NumIO2Layout, WarningAndGreyLooks) {
  N->SetText(QStringLiteral("5000"));
  const TRect b = N->BoxRect();
  const TRect numberArea(b.Left + 3, 2, b.Right - 3, b.Bottom - 3);
  QImage img = Shot();
  EXPECT_TRUE(N->OutOfRange());
  EXPECT_EQ(PixelAt(img, b.Left + 3, 3), 0x88FFF0u);  // the flag byte is ignored
  EXPECT_TRUE(AnyPixel(img, numberArea, 0x0000FF));
  N->SetText(QStringLiteral("500"));
  img = Shot();
  EXPECT_EQ(PixelAt(img, b.Left + 3, 3), kWhite);
  EXPECT_TRUE(AnyPixel(img, numberArea, kBlack));
  EXPECT_FALSE(AnyPixel(img, numberArea, 0x0000FF));

  N->SetText(QStringLiteral("5000"));
  N->SetFreezeBoxChecked(true);  // frozen: grey whatever the range
  img = Shot();
  EXPECT_EQ(PixelAt(img, b.Left + 3, 3), kSilver);
  EXPECT_TRUE(AnyPixel(img, numberArea, kGray));
  EXPECT_FALSE(AnyPixel(img, numberArea, 0x0000FF));
  N->SetFreezeBoxChecked(false);
  N->SetEnabled(false);
  img = Shot();
  EXPECT_EQ(PixelAt(img, b.Left + 3, 3), kSilver);
  EXPECT_TRUE(AnyPixel(img, numberArea, kGray));
}

TEST_F(NumIO2Layout, SideTextsFollowTheirAlignments) {
  N->SetWidth(300);
  N->SetLeftSpace(80);
  N->SetColorOutBG(0xE0E0E0);
  const QString left = QStringLiteral("Gain"), right = QStringLiteral("mV");
  N->SetLeftText(left);
  N->SetRightText(right);
  const int lw = TextWidth(left), rw = TextWidth(right), start = 80 + 80;
  struct Case {
    TAlignment Align;
    int LeftX, RightX;
  };
  const Case cases[] = {
      {taLeftJustify, 7, start + 7},
      {taRightJustify, 80 - lw - 5, 300 - rw - 6},
      {taCenter, (80 - lw) / 2, (300 - (start + rw)) / 2 + start + 1},
  };
  for (const Case& c : cases) {
    N->SetLeftTextAlignment(c.Align);
    N->SetRightTextAlignment(c.Align);
    const QImage img = Shot();
    const auto [l0, l1] = InkColumns(img, TRect(0, 0, 80, 28), 0xE0E0E0);
    const auto [r0, r1] = InkColumns(img, TRect(start + 2, 0, 300, 28), 0xE0E0E0);
    // Ink starts within the glyph's side bearing of the text origin.
    EXPECT_GE(l0, c.LeftX) << int(c.Align);
    EXPECT_LE(l0, c.LeftX + 2) << int(c.Align);
    EXPECT_LE(l1, c.LeftX + lw) << int(c.Align);
    EXPECT_GE(r0, c.RightX) << int(c.Align);
    EXPECT_LE(r0, c.RightX + 2) << int(c.Align);
    EXPECT_LE(r1, c.RightX + rw) << int(c.Align);
  }
}

TEST_F(NumIO2Layout, DisabledTextsAreEngraved) {
  N->SetLeftText(QStringLiteral("Gain"));
  N->SetColorOutText(0x0000FF);
  const TRect area(0, 0, N->LeftSpace(), 28);
  EXPECT_TRUE(AnyPixel(Shot(), area, 0x0000FF));
  N->SetEnabled(false);
  const QImage img = Shot();
  EXPECT_FALSE(AnyPixel(img, area, 0x0000FF));
  EXPECT_TRUE(AnyPixel(img, area, kWhite));
  EXPECT_TRUE(AnyPixel(img, area, kGray));
}

TEST_F(NumIO2Layout, CaretLineBlinksWithTheTimer) {
  N->SetText(QStringLiteral("12"));
  N->SetSelBegin(1);  // caret at 1, nothing selected
  const int x = N->CharPosToXCoords(1) - 1;
  const int bottom = N->BoxRect().Bottom - 3;
  ASSERT_TRUE(N->Focused());
  QImage img = Shot();
  EXPECT_TRUE(N->CaretVisible());
  EXPECT_EQ(PixelAt(img, x, 3), kBlack);
  EXPECT_EQ(PixelAt(img, x, bottom - 1), kBlack);
  EXPECT_NE(PixelAt(img, x, bottom), kBlack);
  AdvanceTimers(500);
  EXPECT_FALSE(N->CaretVisible());
  EXPECT_EQ(PixelAt(Shot(), x, 3), kWhite);
  AdvanceTimers(500);
  EXPECT_EQ(PixelAt(Shot(), x, 3), kBlack);
}

TEST_F(NumIO2Layout, SelectionIsInvertedAndHiddenWithoutFocus) {
  N->SetText(QStringLiteral("123"));
  N->SetSelBegin(0);
  N->SetSelEnd(3);
  const int x1 = N->CharPosToXCoords(0), x2 = N->CharPosToXCoords(3);
  QImage img = Shot();
  EXPECT_EQ(PixelAt(img, x1, 3), kBlack);  // white inverted
  EXPECT_EQ(PixelAt(img, x2 - 2, 3), kBlack);
  EXPECT_EQ(PixelAt(img, x2 + 1, 3), kWhite);
  Next->setFocus();
  EXPECT_EQ(PixelAt(Shot(), x1, 3), kWhite);  // HideSelection
  N->SetHideSelection(false);
  EXPECT_EQ(PixelAt(Shot(), x1, 3), kBlack);
}

TEST_F(NumIO2Layout, HideInputEditorHidesNumberCaretAndSelection) {
  N->SetText(QStringLiteral("888"));
  N->SetSelEnd(3);
  const TRect b = N->BoxRect();
  N->SetHideInputEditor(true);
  const QImage img = Shot();
  EXPECT_FALSE(AnyPixel(img, TRect(b.Left + 3, 2, b.Right - 3, b.Bottom - 3), kBlack));
}

TEST_F(NumIO2Layout, NumberIsClippedToTheBox) {
  N->SetAlignment(taLeftJustify);
  N->SetText(QString(60, QLatin1Char('8')));
  const QImage img = Shot();
  const TRect b = N->BoxRect();
  for (int y = 2; y < b.Bottom - 2; ++y) EXPECT_NE(PixelAt(img, b.Right + 2, y), kBlack);
}

TEST_F(NumIO2Layout, AutoSizeFitsTheFont) {
  N->SetAutoSize(true);
  QFont f = N->font();
  f.setPointSize(20);
  N->setFont(f);
  Shot();
  EXPECT_EQ(N->Height(), QFontMetrics(f).height() + 6);
}

TEST_F(NumIO2Layout, CharacterPositionsAndTheirEstimate) {
  const QString text = QStringLiteral("12345");
  N->SetText(text);
  const int nw = TextWidth(text);
  for (TAlignment a : {taLeftJustify, taRightJustify, taCenter}) {
    N->SetAlignment(a);
    for (int n = 0; n <= 5; ++n) {
      const int x = N->CharPosToXCoords(n);
      EXPECT_EQ(x, N->CharPosToXCoords(0) + TextWidth(text.left(n)));
      // From the average character width: within one character of the boundary.
      EXPECT_NEAR(N->XCoordsToCharPos(x), n, 1) << int(a) << " " << n;
    }
    int last = 0;
    for (int x = 0; x < N->Width(); ++x) {
      const int p = N->XCoordsToCharPos(x);
      EXPECT_GE(p, last);
      last = p;
    }
    EXPECT_EQ(N->XCoordsToCharPos(-1000), 0);
    EXPECT_EQ(N->XCoordsToCharPos(5000), 5);
  }
  N->SetAlignment(taLeftJustify);
  EXPECT_EQ(N->CharPosToXCoords(0), 35 + 4);
  N->SetAlignment(taRightJustify);
  EXPECT_EQ(N->CharPosToXCoords(5), 35 + 80 - 2);
  N->SetAlignment(taCenter);
  EXPECT_EQ(N->CharPosToXCoords(0), 35 + (80 - nw) / 2 + 2);
  N->SetText(QString());
  EXPECT_EQ(N->XCoordsToCharPos(70), 0);
}

TEST_F(NumIO2Layout, TinyFontDoesNotDivideByZero) {
  QFont f = N->font();
  f.setPixelSize(1);
  N->setFont(f);
  N->SetText(QStringLiteral("1.5"));
  for (int x = -5; x < 200; x += 7) {
    const int p = N->XCoordsToCharPos(x);
    EXPECT_GE(p, 0);
    EXPECT_LE(p, 3);
  }
}

TEST_F(NumIO2Layout, PublishedPropertiesWorkThroughTheMetaObject) {
  const QMetaObject* mo = N->metaObject();
  for (int i = mo->propertyOffset(); i < mo->propertyCount(); ++i) {
    const QMetaProperty p = mo->property(i);
    EXPECT_TRUE(p.isReadable() && p.isWritable()) << p.name();
    EXPECT_TRUE(p.write(N, p.read(N))) << p.name();
  }
  for (const char* name : {"FrameStyle", "GaugeFrameStyle", "ColorScheme", "InputFormat", "DecPlaceSep"})
    EXPECT_TRUE(mo->property(mo->indexOfProperty(name)).enumerator().isValid()) << name;
  // As a form file stores them: enumerations by name.
  EXPECT_TRUE(N->setProperty("FrameStyle", QStringLiteral("fsRaised")));
  EXPECT_TRUE(N->setProperty("InputFormat", QStringLiteral("itHex")));
  EXPECT_TRUE(N->setProperty("DecPlaceSep", QStringLiteral("dpsComma")));
  EXPECT_TRUE(N->setProperty("ColorBoxBG", 0x00FF00u));
  EXPECT_TRUE(N->setProperty("ButWidth", 200));
  EXPECT_TRUE(N->setProperty("LeftText", QStringLiteral("Gain")));
  EXPECT_EQ(N->FrameStyle(), fsRaised);
  EXPECT_EQ(N->InputFormat(), itHex);
  EXPECT_EQ(N->DecPlaceSep(), dpsComma);
  EXPECT_EQ(N->ColorBoxBG(), 0x00FF00u);
  EXPECT_EQ(N->ButWidth(), 50);
  EXPECT_EQ(N->LeftText(), QStringLiteral("Gain"));
}
