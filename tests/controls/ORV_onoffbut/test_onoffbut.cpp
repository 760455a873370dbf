// TOnOffBut: the built-in strips and the frame drawn for each state, text
// placement, clicks by mouse action and mode, radio groups, spaces and
// centring, transparency, user glyphs and Assign.
#include "TestSupport.h"

#include <ORV_onoffbut.h>

#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace orv;
using orv::test::Grab;
using orv::test::PixelAt;

namespace {

class OnOffButTest : public ::testing::Test {
protected:
  void SetUp() override {
    host = std::make_unique<QWidget>();
    host->resize(400, 300);
    but = NewButton(10, 10, 100, 50);
    orv::test::ShowAndWait(host.get());
  }
  TOnOffBut* NewButton(int X, int Y, int W, int H) {
    auto* b = new TOnOffBut(host.get());
    b->SetBounds(X, Y, W, H);
    b->show();
    return b;
  }
  void ClickAt(TOnOffBut* B, QPoint P) { QTest::mouseClick(B, Qt::LeftButton, {}, P); }
  static QPoint GlyphCenter(TOnOffBut* B) {
    const TRect g = B->GlyphRect();
    return QPoint((g.Left + g.Right) / 2, (g.Top + g.Bottom) / 2);
  }
  // Pixels of the glyph rectangle that differ from the strip's frame (key
  // pixels expected in Background).
  static int FrameMismatches(const QImage& Img, TOnOffBut* B, const char* Strip, bool On, bool IsEnabled,
                             TColor Background) {
    TBitmap strip;
    strip.LoadFromResourceName(QString::fromLatin1(Strip));
    const int w = strip.Width() / 2, h = strip.Height() / 2;
    const QImage part = strip.Image().copy(On ? 0 : w, IsEnabled ? 0 : h, w, h);
    const TRect g = B->GlyphRect();
    int bad = 0;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const TColor src = QRgbToColor(part.pixel(x, y));
        const TColor expected = src == OnOffButKeyColor ? ColorToRGB(Background) : src;
        bad += PixelAt(Img, g.Left + x, g.Top + y) != expected;
      }
    return bad;
  }
  std::unique_ptr<QWidget> host;
  TOnOffBut* but = nullptr;
};

}  // namespace

TEST_F(OnOffButTest, DefaultsCentreTheColouredSlide) {
  EXPECT_TRUE(but->OnOff());
  EXPECT_EQ(but->ButtonStyle(), oobsColSlideLR);
  EXPECT_EQ(but->GlyphWidth(), 30);
  EXPECT_EQ(but->GlyphHeight(), 18);
  EXPECT_EQ(but->LeftSpace(), 35);
  EXPECT_EQ(but->TopSpace(), 16);
  EXPECT_EQ(but->GlyphRect(), TRect(36, 17, 66, 35));
  EXPECT_EQ(but->FrameStyle(), fsSunken);
  EXPECT_EQ(but->MouseAction(), oomaFocused);
  auto* fresh = new TOnOffBut(nullptr);
  EXPECT_EQ(fresh->size(), QSize(100, 50));
  delete fresh;
}

// Each state shows its quarter of the strip, the key colour in the background.
TEST_F(OnOffButTest, EachStateShowsItsFrame) {
  but->SetColorBackgnd(clYellow);
  for (bool enabled : {true, false}) {
    for (bool on : {true, false}) {
      but->SetEnabled(enabled);
      but->SetOnOff(on);
      const QImage img = Grab(but);
      EXPECT_EQ(FrameMismatches(img, but, "COLSLIDELR", on, enabled, clYellow), 0) << on << enabled;
      EXPECT_EQ(PixelAt(img, but->GlyphRect().Left - 2, 25), clYellow);
    }
  }
}

TEST_F(OnOffButTest, BuiltInStripsHaveTheirSizes) {
  struct Case { TOnOffButStyle Style; const char* Strip; int W, H; };
  const Case cases[] = {
      {oobsCheckbox, "CHECKBOX", 16, 16},     {oobsRadioBut, "RADIOBUT", 14, 14},
      {oobsSlideTB, "SLIDETOPBOT", 18, 30},   {oobsSlideLR, "SLIDELFTRGT", 30, 18},
      {oobsColSlideTB, "COLSLIDETB", 18, 30}, {oobsColSlideLR, "COLSLIDELR", 30, 18},
      {oobsLedRedGreen, "LEDREDGREEN", 14, 14}, {oobsArrowTopRgt, "ARROWTR", 25, 25},
      {oobsArrowUpDown, "ARROWUD", 25, 25},   {oobsArrowLeftRight, "ARROWLR", 25, 25},
      {oobsTrafficLPed, "TRAFFICLGT", 31, 31}, {oobsBeveledLed, "BEVELEDLED", 17, 17},
      {oobsSmileyYellow, "SMILEYS", 18, 18},  {oobsSmileyRedGrn, "SMILEYRG", 18, 18},
      {oobsBulb, "BULB", 39, 49},             {oobsButLamp, "BUTLAMP", 49, 24},
      {oobsHDLeft, "HDLEFT", 48, 16},         {oobsHDRight, "HDRIGHT", 48, 16},
      {oobsUser1, "USER1", 24, 24},           {oobsUser2, "USER2", 24, 24},
      {oobsUser3, "USER3", 24, 24},           {oobsUser4, "USER4", 24, 24},
      {oobsUser5, "USER5", 24, 24},
  };
  but->SetFrameStyle(fsNone);  // the frame would cover the edges of the largest glyphs
  for (const Case& c : cases) {
    but->SetButtonStyle(c.Style);
    EXPECT_EQ(but->GlyphWidth(), c.W) << c.Strip;
    EXPECT_EQ(but->GlyphHeight(), c.H) << c.Strip;
    EXPECT_EQ(but->LeftSpace(), (100 - c.W) / 2) << c.Strip;
    EXPECT_EQ(FrameMismatches(Grab(but), but, c.Strip, true, true, but->ColorBackgnd()), 0) << c.Strip;
    // Every strip has key-colour pixels and a picture that avoids them.
    TBitmap strip;
    strip.LoadFromResourceName(QString::fromLatin1(c.Strip));
    EXPECT_EQ(strip.Width(), 2 * c.W);
    EXPECT_EQ(strip.Height(), 2 * c.H);
    EXPECT_EQ(QRgbToColor(strip.Image().pixel(0, 0)), OnOffButKeyColor) << c.Strip;
  }
}

TEST_F(OnOffButTest, TextPositions) {
  but->SetBounds(10, 10, 240, 120);  // glyph 30 x 18 at (105, 51)
  ASSERT_EQ(but->LeftSpace(), 105);
  ASSERT_EQ(but->TopSpace(), 51);
  const int w = 20, h = 14;
  struct Case { TAlignment A; TPoint Left, Right, Top, Bottom; };
  const Case cases[] = {
      {taLeftJustify, {4, 53}, {139, 53}, {4, 33}, {4, 73}},
      {taRightJustify, {82, 53}, {216, 53}, {216, 33}, {216, 73}},
      {taCenter, {42, 53}, {178, 53}, {110, 33}, {110, 73}},
  };
  for (const Case& c : cases) {
    but->SetLeftTextAlignment(c.A);
    but->SetRightTextAlignment(c.A);
    but->SetTopTextAlignment(c.A);
    but->SetBottomTextAlignment(c.A);
    EXPECT_EQ(but->LeftTextPos(w, h), c.Left) << c.A;
    EXPECT_EQ(but->RightTextPos(w, h), c.Right) << c.A;
    EXPECT_EQ(but->TopTextPos(w, h), c.Top) << c.A;
    EXPECT_EQ(but->BottomTextPos(w, h), c.Bottom) << c.A;
  }
}

// The texts land in their boxes; disabled, they are engraved in grey and white.
TEST_F(OnOffButTest, TextsAreDrawnWhereTheyBelong) {
  but->SetBounds(10, 10, 240, 120);
  QFont font = but->font();
  font.setPointSize(16);
  font.setBold(true);
  but->setFont(font);
  but->SetColorBackgnd(clWhite);
  but->SetColorText(clBlue);
  TBitmap probe(10, 10);
  probe.Canvas()->Font()->Assign(but->Font());
  const int th = probe.Canvas()->TextHeight(QStringLiteral("(8g]}ÜÄ§"));
  const QString text = QStringLiteral("Off");
  const int tw = probe.Canvas()->TextWidth(text);
  struct Case {
    std::function<void(TOnOffBut*, const QString&)> Set;
    std::function<TPoint(TOnOffBut*, int, int)> Pos;
  };
  const Case cases[] = {{&TOnOffBut::SetLeftText, &TOnOffBut::LeftTextPos},
                        {&TOnOffBut::SetRightText, &TOnOffBut::RightTextPos},
                        {&TOnOffBut::SetTopText, &TOnOffBut::TopTextPos},
                        {&TOnOffBut::SetBottomText, &TOnOffBut::BottomTextPos}};
  for (const Case& c : cases) {
    c.Set(but, text);
    const TPoint p = c.Pos(but, tw, th);
    const QRect r(p.X, p.Y, tw, th);
    const QImage img = Grab(but);
    const QRect ink = orv::test::InkBounds(img, r.adjusted(-3, -3, 3, 3) & QRect(2, 2, 236, 116), clWhite);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_TRUE(r.adjusted(-1, 0, 1, 0).contains(ink)) << p.X << "," << p.Y;  // bold glyphs may overhang a pixel
    c.Set(but, QString());
  }
  but->SetLeftText(text);
  const TPoint lp = but->LeftTextPos(tw, th);
  const QRect left(lp.X, lp.Y, tw, th);
  QImage img = Grab(but);
  auto count = [&](const QImage& Img, const QRect& R, TColor C) {
    int n = 0;
    for (int y = R.top(); y <= R.bottom(); ++y)
      for (int x = R.left(); x <= R.right(); ++x) n += PixelAt(Img, x, y) == C;
    return n;
  };
  EXPECT_GT(count(img, left, clBlue), 3);
  but->SetColorBackgnd(clSilver);
  but->SetEnabled(false);
  img = Grab(but);
  EXPECT_EQ(count(img, left.adjusted(0, 0, 1, 1), clBlue), 0);
  EXPECT_GT(count(img, left, RGB(128, 128, 128)), 3);
  EXPECT_GT(count(img, left.adjusted(0, 0, 1, 1), clWhite), 3);
}

TEST_F(OnOffButTest, MouseActionDecidesWhereAClickCounts) {
  but->SetBounds(10, 10, 240, 120);
  but->SetLeftText(QStringLiteral("Valve"));
  const QPoint onText(20, 60), onGlyph = GlyphCenter(but);
  struct Case { TOOButMouseAction Action; QPoint At; bool Toggles; };
  const Case cases[] = {{oomaFocused, onGlyph, true}, {oomaFocused, onText, false}, {oomaPlain, onText, true},
                        {oomaPlain, onGlyph, true},   {oomaNone, onGlyph, false},   {oomaNone, onText, false}};
  for (const Case& c : cases) {
    but->SetMouseAction(c.Action);
    but->SetOnOff(true);
    int clicks = 0;
    but->OnClick = [&](TObject*) { ++clicks; };
    ClickAt(but, c.At);
    EXPECT_EQ(but->OnOff(), !c.Toggles) << c.Action << " " << c.At.x();
    EXPECT_EQ(clicks, c.Toggles ? 1 : 0) << c.Action << " " << c.At.x();
  }
  // The right button does nothing.
  but->SetMouseAction(oomaPlain);
  QTest::mouseClick(but, Qt::RightButton, {}, onGlyph);
  EXPECT_TRUE(but->OnOff());
}

TEST_F(OnOffButTest, SpeedButtonIsOnWhileHeld) {
  but->SetMode(oobmSpeedBut);
  EXPECT_FALSE(but->OnOff());
  int clicks = 0;
  but->OnClick = [&](TObject*) { ++clicks; };
  QTest::mousePress(but, Qt::LeftButton, {}, GlyphCenter(but));
  EXPECT_TRUE(but->OnOff());
  EXPECT_EQ(FrameMismatches(Grab(but), but, "COLSLIDELR", true, true, but->ColorBackgnd()), 0);
  QTest::mouseRelease(but, Qt::LeftButton, {}, GlyphCenter(but));
  EXPECT_FALSE(but->OnOff());
  EXPECT_EQ(FrameMismatches(Grab(but), but, "COLSLIDELR", false, true, but->ColorBackgnd()), 0);
  EXPECT_EQ(clicks, 1);
}

TEST_F(OnOffButTest, RadioGroupWithoutAllOff) {
  TOnOffBut* b[3] = {but, NewButton(120, 10, 100, 50), NewButton(230, 10, 100, 50)};
  for (TOnOffBut* x : b) x->SetGroupIndex(1);
  // Joining the group switched the earlier ones off: the last one stays on.
  EXPECT_FALSE(b[0]->OnOff());
  EXPECT_FALSE(b[1]->OnOff());
  EXPECT_TRUE(b[2]->OnOff());
  b[0]->SetAllowAllOff(false);
  for (TOnOffBut* x : b) EXPECT_FALSE(x->AllowAllOff());
  ClickAt(b[0], GlyphCenter(b[0]));
  EXPECT_TRUE(b[0]->OnOff());
  EXPECT_FALSE(b[1]->OnOff());
  EXPECT_FALSE(b[2]->OnOff());
  ClickAt(b[0], GlyphCenter(b[0]));  // the one that is on stays on
  EXPECT_TRUE(b[0]->OnOff());
  b[0]->SetOnOff(false);
  EXPECT_TRUE(b[0]->OnOff());
  b[1]->SetOnOff(true);
  EXPECT_FALSE(b[0]->OnOff());
  EXPECT_TRUE(b[1]->OnOff());
  // Another group and other parents are left alone.
  TOnOffBut* other = NewButton(10, 100, 100, 50);
  other->SetGroupIndex(2);
  EXPECT_TRUE(other->OnOff());
  EXPECT_TRUE(b[1]->OnOff());
  QWidget elsewhere;
  auto* stranger = new TOnOffBut(&elsewhere);
  stranger->SetGroupIndex(1);
  EXPECT_TRUE(stranger->OnOff());
  EXPECT_TRUE(b[1]->OnOff());
}

TEST_F(OnOffButTest, RadioGroupWithAllOff) {
  TOnOffBut* b[2] = {but, NewButton(120, 10, 100, 50)};
  for (TOnOffBut* x : b) x->SetGroupIndex(3);
  ClickAt(b[1], GlyphCenter(b[1]));  // on: switches off, leaving all off
  EXPECT_FALSE(b[0]->OnOff());
  EXPECT_FALSE(b[1]->OnOff());
}

TEST_F(OnOffButTest, SpacesAndCentring) {
  but->SetLeftSpace(5);  // centred instead
  EXPECT_EQ(but->LeftSpace(), 35);
  but->SetAutoCenter(false);
  but->SetTopSpace(80);
  EXPECT_EQ(but->TopSpace(), 50);
  but->SetLeftSpace(500);
  EXPECT_EQ(but->LeftSpace(), 100);
  but->SetLeftSpace(-3);
  EXPECT_EQ(but->LeftSpace(), 100);
  but->SetLeftSpace(7);
  EXPECT_EQ(but->GlyphRect().Left, 8);
  but->SetBounds(10, 10, 200, 80);
  EXPECT_EQ(but->LeftSpace(), 7);
  but->SetAutoCenter(true);
  EXPECT_EQ(but->LeftSpace(), 85);
  // Resizing keeps the glyph centred, whatever the application does with OnResize.
  int resizes = 0;
  but->OnResize = [&](TObject*) { ++resizes; };
  but->SetBounds(10, 10, 60, 40);
  EXPECT_EQ(but->LeftSpace(), 15);
  EXPECT_EQ(but->TopSpace(), 11);
  EXPECT_EQ(resizes, 1);
}

// Transparent: the parent shows around the glyph and through its key pixels.
TEST_F(OnOffButTest, TransparentShowsTheParent) {
  QPalette pal = host->palette();
  pal.setColor(QPalette::Window, QColor(0, 128, 128));
  host->setPalette(pal);
  host->setAutoFillBackground(true);
  but->SetTransparent(true);
  but->SetOnOff(false);
  const QImage img = Grab(host.get());
  const TColor teal = RGB(0, 128, 128);
  EXPECT_EQ(PixelAt(img, 10 + 20, 10 + 25), teal);
  EXPECT_EQ(PixelAt(img, 10 + 0, 10 + 0), clGray);  // the sunken frame's outer edge
  QImage inner = img.copy(10, 10, 100, 50);
  EXPECT_EQ(FrameMismatches(inner, but, "COLSLIDELR", false, true, teal), 0);
}

TEST_F(OnOffButTest, UserGlyphs) {
  but->SetButtonStyle(oobsUser);
  EXPECT_EQ(but->GlyphWidth(), 20);  // the built-in user frames
  EXPECT_EQ(but->GlyphHeight(), 20);
  TRect g = but->GlyphRect();
  QImage img = Grab(but);
  EXPECT_EQ(PixelAt(img, g.Left + 10, g.Top + 5), clBlack);  // top of the circle
  EXPECT_EQ(PixelAt(img, g.Left + 10, g.Top + 10), ColorToRGB(but->ColorBackgnd()));
  but->SetOnOff(false);
  img = Grab(but);
  EXPECT_EQ(PixelAt(img, g.Left + 3, g.Top + 3), clBlack);  // the cross
  EXPECT_EQ(PixelAt(img, g.Left + 16, g.Top + 3), clBlack);

  // A 40 x 30 strip of four colours.
  TBitmap strip(40, 30);
  const TColor quarter[4] = {clRed, clLime, clBlue, clYellow};  // on, off / disabled on, off
  for (int i = 0; i < 4; ++i) {
    strip.Canvas()->Brush()->SetColor(quarter[i]);
    strip.Canvas()->FillRect(TRect(i % 2 * 20, i / 2 * 15, i % 2 * 20 + 20, i / 2 * 15 + 15));
  }
  but->SetUserGlyph(&strip);
  EXPECT_EQ(but->GlyphWidth(), 20);
  EXPECT_EQ(but->GlyphHeight(), 15);
  g = but->GlyphRect();
  EXPECT_EQ(PixelAt(Grab(but), g.Left + 5, g.Top + 5), clLime);
  but->SetEnabled(false);
  EXPECT_EQ(PixelAt(Grab(but), g.Left + 5, g.Top + 5), clYellow);
  but->SetEnabled(true);

  // From a file; an unreadable file keeps the frames.
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("glyph.png"));
  strip.Canvas()->Brush()->SetColor(clFuchsia);
  strip.Canvas()->FillRect(TRect(20, 0, 40, 15));
  strip.SaveToFile(file);
  but->LoadUserGlyph(file);
  EXPECT_EQ(PixelAt(Grab(but), g.Left + 5, g.Top + 5), clFuchsia);
  EXPECT_THROW(but->LoadUserGlyph(dir.filePath(QStringLiteral("missing.bmp"))), EInvalidGraphic);
  EXPECT_EQ(PixelAt(Grab(but), g.Left + 5, g.Top + 5), clFuchsia);
  // A built-in style leaves the user frames for later.
  but->SetButtonStyle(oobsCheckbox);
  EXPECT_EQ(but->GlyphWidth(), 16);
  but->SetButtonStyle(oobsUser);
  EXPECT_EQ(but->GlyphHeight(), 15);
}

TEST_F(OnOffButTest, AssignCopiesSettingsAndPictures) {
  TOnOffBut* src = NewButton(140, 10, 120, 80);
  but->SetBounds(10, 10, 120, 80);
  src->SetButtonStyle(oobsBulb);
  src->SetLeftText(QStringLiteral("Lamp"));
  src->SetRightTextAlignment(taCenter);
  src->SetColorBackgnd(clAqua);
  src->SetColorText(clRed);
  src->SetFrameStyle(fsRaised);
  src->SetMouseAction(oomaPlain);
  src->SetOnOff(false);
  but->Assign(src);
  EXPECT_EQ(but->ButtonStyle(), oobsBulb);
  EXPECT_EQ(but->GlyphWidth(), 39);
  EXPECT_EQ(but->LeftText(), QStringLiteral("Lamp"));
  EXPECT_EQ(but->RightTextAlignment(), taCenter);
  EXPECT_EQ(but->ColorBackgnd(), clAqua);
  EXPECT_EQ(but->ColorText(), clRed);
  EXPECT_EQ(but->FrameStyle(), fsRaised);
  EXPECT_EQ(but->MouseAction(), oomaPlain);
  EXPECT_FALSE(but->OnOff());
  EXPECT_EQ(FrameMismatches(Grab(but), but, "BULB", false, true, clAqua), 0);
  TBitmap notAButton;
  EXPECT_THROW(but->Assign(&notAButton), EConvertError);
}
