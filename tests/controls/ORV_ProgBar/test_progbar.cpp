// TProgBar: bar geometry per direction, colour table and mappings, grid,
// frames, background picture, value text and automatic increment.
#include "TestSupport.h"

#include <ORV_ProgBar.h>

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

using namespace orv;
using orv::test::Grab;
using orv::test::PixelAt;

namespace {

class ProgBarTest : public ::testing::Test {
protected:
  void SetUp() override {
    SetVirtualTimers(true);
    host = std::make_unique<QWidget>();
    bar = new TProgBar(nullptr);
    bar->SetParent(host.get());
    bar->show();  // visible on its (hidden) parent: paints without a window
    bar->SetName(QStringLiteral("ProgBar1"));
  }
  void TearDown() override {
    host.reset();
    SetTimersFail(false);
    SetVirtualTimers(false);
  }
  TColor At(int X, int Y) { return PixelAt(Grab(bar), X, Y); }

  std::unique_ptr<QWidget> host;
  TProgBar* bar = nullptr;
};

// The box of the text pixels inside R: those neither in the bar's nor in the
// background's colour (smoothed text has many shades). Empty when none.
QRect TextBox(const QImage& Img, const QRect& R) {
  QRect box;
  for (int y = R.top(); y <= R.bottom(); ++y)
    for (int x = R.left(); x <= R.right(); ++x)
      if (PixelAt(Img, x, y) != clBlue && PixelAt(Img, x, y) != clSilver) box |= QRect(x, y, 1, 1);
  return box;
}

}  // namespace

TEST_F(ProgBarTest, DefaultsDrawABlueBarOf29Pixels) {
  EXPECT_EQ(bar->Width(), 300);
  EXPECT_EQ(bar->Height(), 28);
  EXPECT_EQ(bar->Value(), 10);
  EXPECT_EQ(bar->Direction(), dirRight);
  EXPECT_EQ(bar->ColorMapMode(), cgmStretch);
  EXPECT_EQ(bar->FrameStyleOuter(), fsRaised);
  EXPECT_EQ(bar->FrameStyleInner(), fsSunken);
  EXPECT_EQ(bar->BarRect(), TRect(4, 4, 33, 24));
  const QImage img = Grab(bar);
  EXPECT_EQ(PixelAt(img, 26, 12), clBlue);
  EXPECT_EQ(PixelAt(img, 32, 12), clBlue);
  EXPECT_EQ(PixelAt(img, 33, 12), clSilver);
  // "10" centred on (14, 14).
  TBitmap probe(10, 10);
  probe.Canvas()->Font()->Assign(bar->Font());
  const int w = probe.Canvas()->TextWidth(QStringLiteral("10")), h = probe.Canvas()->TextHeight(QStringLiteral("10"));
  EXPECT_EQ(bar->TextOrigin(w, h), TPoint(14 - w / 2, 14 - h / 2));
  const QRect text = TextBox(img, QRect(6, 6, 40, 16));
  ASSERT_FALSE(text.isEmpty());
  EXPECT_TRUE(QRect(14 - w / 2, 14 - h / 2, w, h).contains(text));
  EXPECT_NEAR(text.center().x(), 14, 2);
}

TEST_F(ProgBarTest, BarLengthInEveryDirection) {
  bar->SetTextVisible(false);
  bar->SetValue(25);  // a quarter of 292 x 20: 73 across, 5 up or down
  struct Case { TDirection Dir; TRect Bar; TPoint In, Out; };
  const Case cases[] = {
      {dirRight, {4, 4, 77, 24}, {76, 12}, {77, 12}},
      {dirLeft, {223, 4, 296, 24}, {223, 12}, {222, 12}},
      {dirUp, {4, 19, 296, 24}, {150, 19}, {150, 18}},
      {dirDown, {4, 4, 296, 9}, {150, 8}, {150, 9}},
  };
  for (const Case& c : cases) {
    bar->SetDirection(c.Dir);
    EXPECT_EQ(bar->BarRect(), c.Bar) << c.Dir;
    const QImage img = Grab(bar);
    EXPECT_EQ(PixelAt(img, c.In.X, c.In.Y), clBlue) << c.Dir;
    EXPECT_EQ(PixelAt(img, c.Out.X, c.Out.Y), clSilver) << c.Dir;
  }
}

TEST_F(ProgBarTest, ValuesOutsideTheRange) {
  bar->SetTextVisible(false);
  bar->SetValue(200);  // beyond the inner area, over the right margin
  EXPECT_EQ(At(297, 12), clBlue);
  bar->SetValue(-10);
  EXPECT_TRUE(bar->BarRect().IsEmpty());
  EXPECT_EQ(At(10, 12), clSilver);
  bar->SetRange(30, 30);
  bar->SetValue(30);
  EXPECT_EQ(bar->BarLength(), 0);
  EXPECT_EQ(At(10, 12), clSilver);
  bar->SetRange(50, 10);
  EXPECT_EQ(bar->Min(), 10);
  EXPECT_EQ(bar->Max(), 50);
}

TEST_F(ProgBarTest, ColorTable) {
  struct Case { int Index; TColor Color; };
  // Blue to red, each channel truncated.
  const Case cases[] = {{0, clBlue}, {1, RGB(0, 0, 254)}, {512, RGB(127, 0, 127)}, {1022, RGB(254, 0, 0)},
                        {1023, clRed}, {-1, clBlack}, {1024, clBlack}};
  for (const Case& c : cases) EXPECT_EQ(bar->GetBarColorElem(c.Index), c.Color) << c.Index;
  bar->SetColorMin(clBlack);
  bar->SetColorMax(clWhite);
  EXPECT_EQ(bar->GetBarColorElem(1), RGB(0, 0, 0));
  EXPECT_EQ(bar->GetBarColorElem(1020), RGB(254, 254, 254));
  bar->SetBarColorElem(7, clLime);
  bar->SetBarColorElem(5000, clLime);  // ignored
  EXPECT_EQ(bar->GetBarColorElem(7), clLime);
}

TEST_F(ProgBarTest, GradientMappings) {
  bar->SetTextVisible(false);
  bar->SetShowColorGradient(true);
  bar->SetValue(50);  // 146 of 292 lines
  struct Case { TColorMapping Mode; TDirection Dir; TPoint P; int Index; };
  const Case cases[] = {
      {cgmStretch, dirRight, {6, 12}, 14},     // round(1023 * 2 / 146)
      {cgmStretch, dirRight, {149, 12}, 1016}, // the tip: round(1023 * 145 / 146)
      {cgmCover, dirRight, {6, 12}, 7},        // round(1023 * 2 / 292)
      {cgmCover, dirRight, {149, 12}, 508},    // the gradient stays put
      {cgmMove, dirRight, {149, 12}, 1023},    // the tip always shows ColorMax
      {cgmMove, dirRight, {6, 12}, 7 - 508 + 1023},
      {cgmStretch, dirLeft, {293, 12}, 14},    // ColorMin at the right, where the bar starts
      {cgmStretch, dirLeft, {150, 12}, 1016},
      {cgmStretch, dirUp, {150, 14}, 921},     // 10 of 20 rows: row 14 is line 9 of 10
      {cgmStretch, dirDown, {150, 6}, 205},    // line 2 of 10
  };
  for (const Case& c : cases) {
    bar->SetColorMapMode(c.Mode);
    bar->SetDirection(c.Dir);
    EXPECT_EQ(At(c.P.X, c.P.Y), bar->GetBarColorElem(c.Index)) << c.Mode << " " << c.Dir << " x " << c.P.X;
  }
  bar->SetColorMapMode(cgmCover);
  bar->SetDirection(dirRight);
  bar->SetValue(100);
  EXPECT_EQ(At(293, 12), bar->GetBarColorElem(1012));  // line 289 of 292
}

TEST_F(ProgBarTest, GridLinesRunFromTheOriginToTheTip) {
  bar->SetTextVisible(false);
  bar->SetGridDist(10);
  bar->SetValue(50);  // lines at x = 4, 14, ..., 144; the bar ends at 149
  QImage img = Grab(bar);
  EXPECT_EQ(PixelAt(img, 14, 12), clBlack);
  EXPECT_EQ(PixelAt(img, 144, 12), clBlack);
  EXPECT_EQ(PixelAt(img, 15, 12), clBlue);
  EXPECT_EQ(PixelAt(img, 154, 12), clSilver);
  bar->SetDirection(dirUp);
  bar->SetValue(100);  // rows 23 (under the frame) and 13
  img = Grab(bar);
  EXPECT_EQ(PixelAt(img, 150, 13), clBlack);
  EXPECT_EQ(PixelAt(img, 150, 12), clBlue);
  bar->SetGridDist(1);
  EXPECT_EQ(At(150, 13), clBlue);
}

TEST_F(ProgBarTest, Frames) {
  bar->SetTextVisible(false);
  struct Case { TFrameStyle Outer; TPoint P; TColor Color; };
  const Case cases[] = {
      {fsRaised, {0, 0}, clGray},    {fsRaised, {1, 1}, clWhite},    {fsRaised, {1, 27}, clBlack},
      {fsRaised, {299, 27}, clBlack}, {fsRaised, {298, 26}, clGray}, {fsRaised, {0, 27}, clSilver},
      {fsRaised, {299, 0}, clSilver}, {fsSunken, {1, 1}, clBlack},   {fsSunken, {299, 27}, clWhite},
      {fsSimple, {0, 0}, clGray},    {fsSimple, {299, 27}, clGray},  {fsEtched, {0, 0}, clWhite},
      {fsEtched, {1, 1}, clGray},    {fsEtched, {299, 27}, clGray},  {fsBump, {0, 0}, clGray},
      {fsBump, {299, 27}, clWhite},  {fsNone, {0, 0}, clSilver},
  };
  for (const Case& c : cases) {
    bar->SetFrameStyleOuter(c.Outer);
    EXPECT_EQ(At(c.P.X, c.P.Y), c.Color) << c.Outer << " at " << c.P.X << "," << c.P.Y;
  }
  // The inner frame (sunken) around (4, 4, 296, 24).
  const QImage img = Grab(bar);
  EXPECT_EQ(PixelAt(img, 4, 4), clGray);
  EXPECT_EQ(PixelAt(img, 5, 5), clBlack);
  EXPECT_EQ(PixelAt(img, 295, 23), clWhite);
  EXPECT_EQ(PixelAt(img, 4, 23), clSilver);
  bar->SetColorScheme(csSystemColors);
  EXPECT_EQ(At(4, 4), ColorToRGB(clBtnShadow));
  EXPECT_EQ(At(295, 23), ColorToRGB(clBtnHighlight));
}

TEST_F(ProgBarTest, BackgroundPictureInEveryFormat) {
  QTemporaryDir dir;
  QImage picture(20, 10, QImage::Format_RGB32);
  picture.fill(QColor(0, 160, 0));
  bar->SetTextVisible(false);
  bar->SetValue(0);
  for (const char* ext : {"bmp", "png", "jpg"}) {
    const QString file = dir.filePath(QStringLiteral("back.") + QLatin1String(ext));
    ASSERT_TRUE(picture.save(file));
    bar->SetBackGroundImg(file);
    EXPECT_EQ(bar->BackGroundImg(), file);
    const TColor c = At(150, 12);
    EXPECT_LE(std::abs(GetGValue(c) - 160) + GetRValue(c) + GetBValue(c), 6) << ext;
  }
  const QString good = bar->BackGroundImg();
  bar->SetBackGroundImg(dir.filePath(QStringLiteral("missing.png")));
  EXPECT_EQ(bar->BackGroundImg(), good);
  EXPECT_NE(At(150, 12), clSilver);
  bar->SetBackGroundImg(QString());
  EXPECT_EQ(At(150, 12), clSilver);
}

TEST_F(ProgBarTest, ValueTextFormats) {
  FormatSettings.DecimalSeparator = QLatin1Char(',');  // the value text always uses a point
  struct Case { double Value; int DecPlaces; const char* Text; };
  const Case cases[] = {
      {10, 0, "10"},           {10, 2, "10.00"},        {3.14159, 3, "3.142"},        {2.5, 10, "2.5000000000"},
      {1234.56, -1, "1.235E+03"}, {0.000123, -1, "1.230E-04"}, {1e150, -1, "**********"},
      {1e150, -2, "1.000E+0150"}, {-2.5e-7, -2, "-2.500E-0007"},
  };
  for (const Case& c : cases) {
    bar->SetValue(c.Value);
    bar->SetTextDecPlaces(c.DecPlaces);
    EXPECT_EQ(bar->ValueText(), QLatin1String(c.Text)) << c.Value << " " << c.DecPlaces;
  }
  FormatSettings.DecimalSeparator = QLatin1Char('.');
}

TEST_F(ProgBarTest, SettersClamp) {
  struct Case { const char* Property; int In, Stored; };
  const Case cases[] = {
      {"TextDecPlaces", 20, 10}, {"TextDecPlaces", -5, -2}, {"TextAngle", 400, 360}, {"TextAngle", -5, 0},
      {"StartInterval", 0, 10},  {"RepeatInterval", 3, 10}, {"TextPosX", 500, 300}, {"TextPosY", -4, 0},
  };
  for (const Case& c : cases) {
    bar->setProperty(c.Property, c.In);
    EXPECT_EQ(bar->property(c.Property).toInt(), c.Stored) << c.Property << " " << c.In;
  }
  bar->SetAutoIncStep(0);
  EXPECT_EQ(bar->AutoIncStep(), 1);
}

TEST_F(ProgBarTest, RotatedTextTurnsAboutItsAnchor) {
  bar->SetHeight(100);
  bar->SetValue(0);
  bar->SetTextPosX(150);
  bar->SetTextPosY(50);
  bar->SetTextAngle(90);
  TBitmap probe(10, 10);
  probe.Canvas()->Font()->Assign(bar->Font());
  const QString text = QStringLiteral("0");
  bar->SetValue(0);
  const int w = probe.Canvas()->TextWidth(text), h = probe.Canvas()->TextHeight(text);
  EXPECT_EQ(bar->TextOrigin(w, h), TPoint(150 - h / 2, 50 + w / 2));
  const QRect box = TextBox(Grab(bar), QRect(100, 20, 100, 60));
  ASSERT_FALSE(box.isEmpty());
  EXPECT_TRUE(QRect(150 - h / 2 - 1, 50 - w / 2 - 1, h + 2, w + 2).contains(box));
  bar->SetTextAlignment(taLeftJustify);
  EXPECT_EQ(bar->TextOrigin(w, h), TPoint(150 - h / 2, 50));
  bar->SetTextAngle(180);
  bar->SetTextAlignment(taRightJustify);
  EXPECT_EQ(bar->TextOrigin(w, h), TPoint(150 + 2 * (w / 2), 50 + h / 2));
}

TEST_F(ProgBarTest, OnShowValueMayChangeTheText) {
  QString seen;
  bar->OnShowValue = [&](TObject* Sender, QString& Text) {
    EXPECT_EQ(Sender, bar);
    seen = Text;
    Text.clear();
  };
  const QImage img = Grab(bar);
  EXPECT_EQ(seen, QStringLiteral("10"));
  EXPECT_TRUE(TextBox(img, QRect(6, 6, 40, 16)).isEmpty());
}

TEST_F(ProgBarTest, AutoIncrementOnTheTimer) {
  int steps = 0;
  bar->OnAutoInc = [&](TObject* Sender) {
    EXPECT_EQ(Sender, bar);
    ++steps;
  };
  bar->SetAutoInc(true);
  AdvanceTimers(1499);
  EXPECT_EQ(bar->Value(), 10);
  AdvanceTimers(1);
  EXPECT_EQ(bar->Value(), 11);
  AdvanceTimers(699);
  EXPECT_EQ(bar->Value(), 11);
  AdvanceTimers(1);
  EXPECT_EQ(bar->Value(), 12);
  AdvanceTimers(700);
  EXPECT_EQ(bar->Value(), 13);
  EXPECT_EQ(steps, 3);
  EXPECT_EQ(bar->BarLength(), 38);  // repainted: round(292 * 0.13)

  bar->SetRepeatInterval(100);  // re-armed with the new interval
  AdvanceTimers(100);
  EXPECT_EQ(bar->Value(), 14);
  bar->SetStartInterval(1000);  // re-armed, waiting for a first tick again
  AdvanceTimers(999);
  EXPECT_EQ(bar->Value(), 14);
  AdvanceTimers(101);
  EXPECT_EQ(bar->Value(), 16);

  const int timers = ActiveTimerCount();
  bar->SetAutoInc(false);
  EXPECT_EQ(ActiveTimerCount(), timers - 1);
  AdvanceTimers(5000);
  EXPECT_EQ(bar->Value(), 16);
}

TEST_F(ProgBarTest, AutoIncrementNeitherInTheDesignerNorWithoutTimer) {
  bar->SetDesigning(true);
  bar->SetAutoInc(true);
  AdvanceTimers(5000);
  EXPECT_EQ(bar->Value(), 10);
  bar->SetAutoInc(false);
  bar->SetDesigning(false);

  SetTimersFail(true);
  try {
    bar->SetAutoInc(true);
    FAIL() << "no exception";
  } catch (const EORVProgBar& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Component \"ProgBar1\": no timer available"));
  }
  EXPECT_FALSE(bar->AutoInc());
}

TEST_F(ProgBarTest, AssignCopiesEverythingButTheAutomaticIncrement) {
  TProgBar source(nullptr);
  source.SetRange(-5, 5);
  source.SetValue(2.5);
  source.SetDirection(dirUp);
  source.SetShowColorGradient(true);
  source.SetColorMapMode(cgmMove);
  source.SetColorMin(clLime);
  source.SetBarColorElem(100, clAqua);
  source.SetMarginLeft(9);
  source.SetFrameStyleOuter(fsBump);
  source.SetColorScheme(csSystemColors);
  source.SetTextDecPlaces(2);
  source.SetTextAlignment(taLeftJustify);
  source.SetAutoIncStep(5);
  source.SetRepeatInterval(55);
  bar->Assign(&source);
  EXPECT_EQ(bar->Min(), -5);
  EXPECT_EQ(bar->Max(), 5);
  EXPECT_EQ(bar->Value(), 2.5);
  EXPECT_EQ(bar->Direction(), dirUp);
  EXPECT_TRUE(bar->ShowColorGradient());
  EXPECT_EQ(bar->ColorMapMode(), cgmMove);
  EXPECT_EQ(bar->ColorMin(), clLime);
  EXPECT_EQ(bar->GetBarColorElem(100), clAqua);
  EXPECT_EQ(bar->MarginLeft(), 9);
  EXPECT_EQ(bar->FrameStyleOuter(), fsBump);
  EXPECT_EQ(bar->ColorScheme(), csSystemColors);
  EXPECT_EQ(bar->ValueText(), QStringLiteral("2.50"));
  EXPECT_EQ(bar->TextAlignment(), taLeftJustify);
  EXPECT_EQ(bar->AutoIncStep(), 1);
  EXPECT_EQ(bar->RepeatInterval(), 700);
}

TEST_F(ProgBarTest, PublishedPropertiesByName) {
  // As a form file sets them: enumerations by their value names.
  EXPECT_TRUE(bar->setProperty("Direction", QStringLiteral("dirUp")));
  EXPECT_TRUE(bar->setProperty("ColorMapMode", QStringLiteral("cgmMove")));
  EXPECT_TRUE(bar->setProperty("FrameStyleInner", QStringLiteral("fsEtched")));
  EXPECT_TRUE(bar->setProperty("Value", 42.5));
  EXPECT_TRUE(bar->setProperty("TextDecPlaces", 1));
  EXPECT_EQ(bar->Direction(), dirUp);
  EXPECT_EQ(bar->ColorMapMode(), cgmMove);
  EXPECT_EQ(bar->FrameStyleInner(), fsEtched);
  EXPECT_EQ(bar->Value(), 42.5);
  EXPECT_EQ(bar->ValueText(), QStringLiteral("42.5"));
}
