// TMeter painting: ticks, labels and their event, bands, needles and shadows,
// cover, anchor, lamps, frames, pictures, the painting order seen by the
// handlers, and the cache of the static parts.
#include "MeterFixture.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include <cmath>
#include <functional>
#include <numbers>

using namespace orv;
using namespace orv::test;

namespace {

// Width and height of a text in the meter's font.
QSize TextSize(TMeter* M, const QString& Text) {
  TBitmap probe(10, 10);
  probe.Canvas()->Font()->Assign(M->Font());
  return QSize(probe.Canvas()->TextWidth(Text), probe.Canvas()->TextHeight(Text));
}

// Whether a pixel of the colour lies within one pixel of P.
bool Near(const QImage& Img, TPoint P, TColor C) {
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if (PixelAt(Img, P.X + dx, P.Y + dy) == C) return true;
  return false;
}

// A picture file of W x H pixels painted by Draw.
QString Picture(const QTemporaryDir& Dir, const QString& Name, int W, int H, const std::function<void(QPainter&)>& Draw) {
  QImage img(W, H, QImage::Format_RGB32);
  img.fill(Qt::black);
  QPainter p(&img);
  Draw(p);
  p.end();
  const QString file = Dir.filePath(Name);
  img.save(file);
  return file;
}

}  // namespace

TEST_F(MeterTest, TicksSitWhereTheScaleSays) {
  meter->SetMeterScaleLine(false);
  meter->SetValue(0.525);  // the needle between two ticks
  const QImage img = Shot();
  const TScaleMarks marks = meter->Marks();
  ASSERT_EQ(marks.Major.size(), 6u);
  ASSERT_EQ(marks.Minor.size(), 15u);
  for (const TMajorMark& m : marks.Major) {
    const auto [outer, inner] = meter->TickLine(m.Value, 8);
    EXPECT_EQ(PixelAt(img, outer.X, outer.Y), clNavy) << m.Value;
    EXPECT_TRUE(Near(img, meter->Geometry().PointAt(meter->ValueAngle(m.Value), meter->Geometry().Radius - 6), clNavy))
        << m.Value;
  }
  for (double v : marks.Minor) {
    const auto [outer, inner] = meter->TickLine(v, 4);
    EXPECT_EQ(PixelAt(img, outer.X, outer.Y), clNavy) << v;
    // Short: nothing 6 pixels in.
    EXPECT_FALSE(Near(img, meter->Geometry().PointAt(meter->ValueAngle(v), meter->Geometry().Radius - 7), clNavy)) << v;
  }
  meter->SetMeterShortTicks(false);
  const QImage plain = Shot();
  for (double v : marks.Minor) {
    const auto [outer, inner] = meter->TickLine(v, 4);
    EXPECT_EQ(PixelAt(plain, outer.X, outer.Y), clWhite) << v;
  }
  // The arc of the scale.
  meter->SetMeterScaleLine(true);
  const TPoint top = meter->Geometry().PointAt(90 + 20, meter->Geometry().Radius);
  EXPECT_TRUE(Near(Shot(), top, clNavy));
}

TEST_F(MeterTest, LabelsAndTheirEvent) {
  const QSize widest = TextSize(meter, QStringLiteral("1.0"));
  QStringList texts;
  meter->OnBeforeDrawScaleLabel = [&](TObject* Sender, TCanvas* Canvas, QString& Label, int ChartX, int ChartY) {
    EXPECT_EQ(Sender, static_cast<TObject*>(meter));
    EXPECT_NE(Canvas, nullptr);
    const double v = Label.toDouble();
    const TPoint at = meter->LabelCenter(v, widest.width(), widest.height());
    const QSize size = TextSize(meter, Label);
    EXPECT_EQ(ChartX, at.X - size.width() / 2) << Label.toStdString();
    EXPECT_EQ(ChartY, at.Y - size.height() / 2) << Label.toStdString();
    texts << Label;
    if (Label == QLatin1String("0.4")) Label.clear();
  };
  meter->Paint();
  EXPECT_EQ(texts, QStringList({"0.0", "0.2", "0.4", "0.6", "0.8", "1.0"}));
  // Each paint shows the labels to the handler again.
  texts.clear();
  meter->SetValue(0.1);
  EXPECT_EQ(texts.size(), 6);

  const QImage img = Shot();
  auto box = [&](double V) {
    const QSize s = TextSize(meter, ScaleLabelText(V, 1));
    const TPoint c = meter->LabelCenter(V, widest.width(), widest.height());
    return QRect(c.X - s.width() / 2, c.Y - s.height() / 2, s.width(), s.height());
  };
  EXPECT_FALSE(InkBounds(img, box(0.6), clWhite).isNull());
  EXPECT_TRUE(InkBounds(img, box(0.4), clWhite).isNull());  // the label is gone ...
  const auto [outer, inner] = meter->TickLine(0.4, 8);
  EXPECT_EQ(PixelAt(img, outer.X, outer.Y), clNavy);  // ... its tick is not
}

// Where the two ends of a full circle meet, one label: the minimum's.
TEST_F(MeterTest, FullCircleLabelsWhereItsEndsMeetOnce) {
  struct Case {
    TMeterLayout Layout;
    double Min, Max;
    int Ticks;
    bool Log;
    int Labels;
    const char *First, *Last;
  };
  const Case cases[] = {
      {mlCirc360, 0, 360, 12, false, 18, "0", "340"},  // 360 falls on 0
      {mlCirc360, 1, 1000, 3, true, 9, "1", "500"},    // 1000 falls on 1
      {mlCirc360, 0, 350, 7, false, 18, "0", "340"},   // the ends lie apart
      {mlCirc300, 0, 360, 12, false, 19, "0", "360"},
  };
  QStringList texts;
  meter->OnBeforeDrawScaleLabel = [&](TObject*, TCanvas*, QString& Label, int, int) { texts << Label; };
  meter->SetMeterDecPlaces(0);
  for (const Case& c : cases) {
    meter->SetLogarithmic(false);
    meter->SetMeterMaxValue(c.Max);
    meter->SetMeterMinValue(c.Min);
    meter->SetMeterNrTicks(c.Ticks);
    meter->SetLogarithmic(c.Log);
    meter->SetMeterLayout(c.Layout);
    texts.clear();
    meter->Paint();
    ASSERT_EQ(texts.size(), c.Labels) << c.Layout << " " << c.Max;
    EXPECT_EQ(texts.front(), QLatin1String(c.First)) << c.Layout << " " << c.Max;
    EXPECT_EQ(texts.back(), QLatin1String(c.Last)) << c.Layout << " " << c.Max;
  }
}

TEST_F(MeterTest, BackgroundBands) {
  meter->SetThresholdLow(0.3);
  meter->SetThresholdHigh(0.7);
  meter->SetScaleBkWidth(10);
  meter->SetScaleBkVisible(true);
  const TMeterGeometry& g = meter->Geometry();
  auto at = [&](double V, double D) { return g.PointAt(meter->ValueAngle(V), D); };
  QImage img = Shot();
  const TColor orange = RGB(255, 128, 0);
  struct Case {
    double V, D;
    TColor Color;
  };
  const Case ring[] = {{0.15, g.Radius + 2, clLime}, {0.5, g.Radius + 2, orange}, {0.85, g.Radius + 2, clRed},
                       {0.15, g.Radius * 0.85, clWhite}, {0.85, g.Radius * 0.5, clWhite}};
  for (const Case& c : ring) {
    const TPoint p = at(c.V, c.D);
    EXPECT_EQ(PixelAt(img, p.X, p.Y), c.Color) << c.V << " at " << c.D;
  }
  // A full width reaches the centre.
  meter->SetScaleBkWidth(100);
  img = Shot();
  const TPoint inner = at(0.15, 40);
  EXPECT_EQ(PixelAt(img, inner.X, inner.Y), clLime);
  // Coinciding thresholds: no normal band at all.
  meter->SetThresholdLow(0.5);
  meter->SetThresholdHigh(0.5);
  img = Shot();
  EXPECT_TRUE(InkBounds(img, img.rect(), clWhite).isValid());
  bool orangeSeen = false;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) orangeSeen = orangeSeen || PixelAt(img, x, y) == orange;
  EXPECT_FALSE(orangeSeen);
  const TPoint low = at(0.25, 60), high = at(0.75, 60);
  EXPECT_EQ(PixelAt(img, low.X, low.Y), clLime);
  EXPECT_EQ(PixelAt(img, high.X, high.Y), clRed);
}

TEST_F(MeterTest, NeedleTipsAndShadow) {
  const TMeterGeometry& g = meter->Geometry();
  for (double v : {0.0, 0.3, 0.5, 0.8, 1.0}) {
    meter->SetValue(v);
    // The tip from the formula: R - 4 pixels out at the value's angle.
    const double theta = (45 + 90 - 90 * v) * std::numbers::pi / 180, len = g.Radius - 4;
    const TPoint tip(int(std::lrint(g.CenterX + std::cos(theta) * len)),
                     int(std::lrint(g.CenterY - std::sin(theta) * len)));
    EXPECT_EQ(meter->NeedlePolygon(v, *meter->NeedleLayout())[1], tip) << v;
    EXPECT_EQ(At(tip.X, tip.Y), clBlack) << v;
  }
  meter->SetValue(0.5);  // straight up, the tip at (148, 20)
  TNeedleLayout* n = meter->NeedleLayout();
  EXPECT_EQ(At(148, 30), clSilver);  // the head's body
  n->SetShadowDx(-3);                // the shadow lies at minus the offset
  n->SetShadowDy(-3);
  EXPECT_EQ(At(151, 23), clGray);
  EXPECT_EQ(At(148, 20), clBlack);
  n->SetPercentNeedleLength(50);
  EXPECT_EQ(At(148, int(std::lrint(191 - 0.5 * (g.Radius - 4)))), clBlack);
  EXPECT_EQ(At(148, 30), clWhite);
}

// Handlers see the pipeline's order: the needle handler before the cover,
// the rendered handler after the lamps and before the outer frame.
TEST_F(MeterTest, HandlersAndThePaintingOrder) {
  const TRect lamp = meter->LampRect(false);
  meter->OnBeforeDrawNeedle = [](TObject*, TCanvas* Canvas, bool& NeedleDrawn) {
    Canvas->Brush()->SetColor(clYellow);
    Canvas->FillRect(TRect(0, 0, 297, 209));
    NeedleDrawn = true;
  };
  meter->SetValue(0.5);
  QImage img = Shot();
  EXPECT_EQ(PixelAt(img, 148, 100), clYellow);                             // the dial under the handler's paint
  EXPECT_EQ(PixelAt(img, 148, 20), clYellow);                              // no needle
  EXPECT_EQ(PixelAt(img, 4, 100), ColorToRGB(clBtnFace));                  // rims over it
  EXPECT_EQ(PixelAt(img, 148, 195), ColorToRGB(clBtnFace));                // the anchor's pedestal
  EXPECT_EQ(PixelAt(img, lamp.Left + 4, lamp.Top + 4), clGray);            // a lamp
  EXPECT_EQ(PixelAt(img, 0, 0), clWhite);                                  // the frame
  meter->OnBeforeDrawNeedle = nullptr;
  meter->OnMeterRendered = [](TObject*, TCanvas* Canvas) {
    Canvas->Brush()->SetColor(clBlue);
    Canvas->FillRect(TRect(0, 0, 297, 209));
  };
  meter->SetValue(0.4);
  img = Shot();
  EXPECT_EQ(PixelAt(img, lamp.Left + 4, lamp.Top + 4), clBlue);
  EXPECT_EQ(PixelAt(img, 5, 5), clBlue);
  EXPECT_EQ(PixelAt(img, 0, 0), clWhite);
  EXPECT_EQ(PixelAt(img, 296, 208), clGray);
}

TEST_F(MeterTest, FramesInEveryStyleAndScheme) {
  for (TColorScheme scheme : {csFixedColors, csSystemColors}) {
    meter->SetColorScheme(scheme);
    const TColor light = ColorToRGB(scheme == csFixedColors ? clWhite : clBtnHighlight);
    const TColor dark = ColorToRGB(scheme == csFixedColors ? clGray : clBtnShadow);
    const TColor cover = ColorToRGB(clBtnFace);
    struct Case {
      TFrameStyle Style;
      TColor TopLeft, BottomRight, Inner, TopRight;
    };
    const Case cases[] = {
        {fsNone, cover, cover, cover, cover},       {fsSimple, clWhite, clWhite, cover, clWhite},
        {fsSunken, dark, light, cover, light},      {fsRaised, light, dark, cover, dark},
        {fsEtched, light, dark, dark, cover},       {fsBump, dark, light, light, cover},
    };
    for (const Case& c : cases) {
      meter->SetFrameStyle(c.Style);
      const QImage img = Shot();
      EXPECT_EQ(PixelAt(img, 0, 0), c.TopLeft) << c.Style << " " << scheme;
      EXPECT_EQ(PixelAt(img, 296, 208), c.BottomRight) << c.Style << " " << scheme;
      EXPECT_EQ(PixelAt(img, 1, 1), c.Inner) << c.Style << " " << scheme;
      EXPECT_EQ(PixelAt(img, 296, 0), c.TopRight) << c.Style << " " << scheme;
    }
  }
}

TEST_F(MeterTest, CoverAnchorAndLamps) {
  const TMeterGeometry& g = meter->Geometry();
  const TColor cover = ColorToRGB(clBtnFace);
  meter->SetValue(0.5);  // the needle runs up from the centre, under the anchor
  QImage img = Shot();
  EXPECT_EQ(PixelAt(img, g.CenterX, g.CenterY - 10), cover);  // the pedestal's half disc
  EXPECT_EQ(PixelAt(img, g.CenterX, g.CenterY + 5), cover);   // its column
  EXPECT_EQ(PixelAt(img, g.CenterX + 30, g.CenterY + 5), clWhite);
  EXPECT_EQ(PixelAt(img, 4, 100), cover);  // rims
  EXPECT_EQ(PixelAt(img, 148, 204), cover);
  EXPECT_EQ(PixelAt(img, 148, 8), clGray);     // the dial bevel's dark top line
  EXPECT_EQ(PixelAt(img, 287, 100), clWhite);  // its light right line
  meter->SetAnchorCovered(false);
  img = Shot();
  EXPECT_EQ(PixelAt(img, g.CenterX, g.CenterY - 10), clBlack);  // the bare needle
  // A disc in the layouts that turn all round.
  meter->SetAnchorCovered(true);
  meter->SetMeterLayout(mlCirc270);
  const TMeterGeometry& d = meter->Geometry();
  img = Shot();
  EXPECT_EQ(PixelAt(img, d.CenterX, d.CenterY + 20), cover);
  EXPECT_EQ(PixelAt(img, d.CenterX, d.CenterY + 26), clWhite);
  // Lamps switched off show the dial.
  meter->SetLimWatchLowOn(false);
  const TRect lamp = meter->LampRect(false);
  EXPECT_EQ(Lamp(false), clWhite);
  EXPECT_EQ(At(lamp.Left, lamp.Top), clWhite);
  EXPECT_EQ(Lamp(true), clGray);
  EXPECT_EQ(At(meter->LampRect(true).Left, meter->LampRect(true).Top), clBlack);
}

TEST_F(MeterTest, TooSmallForItsRimsShowsItsColor) {
  meter->SetBounds(0, 0, 60, 30);
  EXPECT_LE(meter->Geometry().Radius, 0);
  meter->Paint();
  EXPECT_EQ(At(30, 15), ColorToRGB(meter->Color()));
  EXPECT_GE(meter->minimumSizeHint().height(), 8 + 10 + 17);
}

TEST_F(MeterTest, BackgroundPictureInItsThreeFillModes) {
  QTemporaryDir dir;
  // 60 x 40: red on the left half, blue on the right.
  const QString file = Picture(dir, QStringLiteral("back.png"), 60, 40, [](QPainter& p) {
    p.fillRect(0, 0, 30, 40, Qt::red);
    p.fillRect(30, 0, 30, 40, Qt::blue);
  });
  meter->SetBackGroundImg(file);
  EXPECT_EQ(meter->BackGroundImg(), file);
  struct Case {
    TBkgFill Mode;
    TColor AtPicture, Away;
  };
  // (30, 20) lies on the picture at its natural size; (100, 150) maps to
  // x 20 when stretched and to (40, 30) when tiled.
  const Case cases[] = {{bfNatural, clBlue, clWhite}, {bfStretch, clRed, clRed}, {bfTile, clBlue, clBlue}};
  for (const Case& c : cases) {
    meter->SetBkgndFillMode(c.Mode);
    const QImage img = Shot();
    EXPECT_EQ(PixelAt(img, 30, 20), c.AtPicture) << c.Mode;
    EXPECT_EQ(PixelAt(img, 100, 150), c.Away) << c.Mode;
  }
  // A missing file clears the name; the dial colour is back.
  meter->SetBackGroundImg(dir.filePath(QStringLiteral("none.png")));
  EXPECT_TRUE(meter->BackGroundImg().isEmpty());
  EXPECT_EQ(At(100, 150), clWhite);
}

TEST_F(MeterTest, PicturesThatCannotBeReadClearTheirNames) {
  QTemporaryDir dir;
  const QString good = Picture(dir, QStringLiteral("good.png"), 60, 40, [](QPainter& p) { p.fillRect(0, 0, 60, 40, Qt::green); });
  const QString bad = dir.filePath(QStringLiteral("bad.bmp"));
  QFile f(bad);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("not a picture");
  f.close();

  // The background setter raises and keeps the old picture and name.
  meter->SetBackGroundImg(good);
  EXPECT_THROW(meter->SetBackGroundImg(bad), EInvalidGraphic);
  EXPECT_EQ(meter->BackGroundImg(), good);
  EXPECT_EQ(At(30, 20), clLime);
  // The anchor setter clears the name.
  meter->SetAnchorImage(bad);
  EXPECT_TRUE(meter->AnchorImage().isEmpty());
  meter->SetAnchorImage(dir.filePath(QStringLiteral("none.png")));
  EXPECT_TRUE(meter->AnchorImage().isEmpty());
  // Loading stores the names; Loaded reads the files and clears the bad ones.
  meter->BeginLoading();
  meter->SetBackGroundImg(bad);
  meter->SetAnchorImage(bad);
  EXPECT_EQ(meter->BackGroundImg(), bad);
  meter->EndLoading();
  EXPECT_TRUE(meter->BackGroundImg().isEmpty());
  EXPECT_TRUE(meter->AnchorImage().isEmpty());
  meter->BeginLoading();
  meter->SetBackGroundImg(good);
  meter->EndLoading();
  EXPECT_EQ(meter->BackGroundImg(), good);
  EXPECT_EQ(At(30, 20), clLime);
}

// The anchor picture's black pixels let the dial show through.
TEST_F(MeterTest, AnchorPictureWithItsMask) {
  QTemporaryDir dir;
  const QString hub = Picture(dir, QStringLiteral("hub.png"), 15, 15, [](QPainter& p) { p.fillRect(4, 4, 7, 7, Qt::red); });
  meter->SetValue(0);  // the needle points to the upper left
  meter->SetAnchorImage(hub);
  EXPECT_EQ(meter->AnchorImage(), hub);
  const TMeterGeometry& g = meter->Geometry();
  const QImage img = Shot();
  EXPECT_EQ(PixelAt(img, g.CenterX, g.CenterY), clRed);
  EXPECT_EQ(PixelAt(img, g.CenterX + 3, g.CenterY - 3), clRed);
  EXPECT_EQ(PixelAt(img, g.CenterX + 6, g.CenterY - 6), clWhite);   // a black corner: the dial
  EXPECT_EQ(PixelAt(img, g.CenterX - 6, g.CenterY - 6), clBlack);   // ... and the needle on it
  EXPECT_EQ(PixelAt(img, g.CenterX + 12, g.CenterY + 5), clWhite);  // no pedestal
}

// Every property the cached parts show redraws them: after each change the
// meter looks exactly like a new one given the same settings.
TEST_F(MeterTest, CachedPartsFollowEveryProperty) {
  QTemporaryDir dir;
  const QString back = Picture(dir, QStringLiteral("b.png"), 40, 40, [](QPainter& p) { p.fillRect(5, 5, 30, 30, QColor(200, 220, 240)); });
  const QString hub = Picture(dir, QStringLiteral("h.png"), 9, 9, [](QPainter& p) { p.fillRect(2, 2, 5, 5, Qt::yellow); });
  using Step = std::function<void(TMeter*)>;
  const std::vector<Step> steps = {
      [](TMeter* m) { m->SetValue(0.3); },
      [](TMeter* m) { m->SetScaleBkVisible(true); },
      [](TMeter* m) { m->SetScaleBkWidth(20); },
      [](TMeter* m) { m->SetThresholdLow(0.25); },
      [](TMeter* m) { m->SetThresholdHigh(0.6); },
      [](TMeter* m) { m->SetColorSclBkLow(clTeal); },
      [](TMeter* m) { m->SetColorSclBkNorm(clOlive); },
      [](TMeter* m) { m->SetColorSclBkHigh(clPurple); },
      [](TMeter* m) { m->SetMeterNrTicks(7); },
      [](TMeter* m) { m->SetMeterDecPlaces(2); },
      [](TMeter* m) { m->SetMeterShortTicks(false); },
      [](TMeter* m) { m->SetMeterScaleLine(false); },
      [](TMeter* m) { m->SetColorScale(clMaroon); },
      [](TMeter* m) { m->SetCaption(QStringLiteral("kPa")); },
      [](TMeter* m) { m->FontCaption()->SetSize(14); },
      [](TMeter* m) { m->Font()->SetSize(7); },
      [](TMeter* m) { m->Font()->SetColor(clGreen); },
      [](TMeter* m) { m->SetColorBakG(clCream); },
      [](TMeter* m) { m->SetMeterMaxValue(100); },
      [](TMeter* m) { m->SetMeterMinValue(1); },
      [](TMeter* m) { m->SetLogarithmic(true); },
      [](TMeter* m) { m->SetMeterLayout(mlCirc300); },
      [](TMeter* m) { m->SetRimTop(14); },
      [](TMeter* m) { m->SetRimSide(6); },
      [](TMeter* m) { m->SetRimBottom(4); },
      [](TMeter* m) { m->SetColorCover(clNavy); },
      [](TMeter* m) { m->SetColorScheme(csSystemColors); },
      [](TMeter* m) { m->SetFrameStyle(fsEtched); },
      [](TMeter* m) { m->SetAnchorSize(12); },
      [](TMeter* m) { m->SetMeterLayout(mlCirc180); },
      [](TMeter* m) { m->SetAnchorCovered(false); },
      [](TMeter* m) { m->SetAnchorCovered(true); },
      [&hub](TMeter* m) { m->SetAnchorImage(hub); },
      [&back](TMeter* m) { m->SetBackGroundImg(back); },
      [](TMeter* m) { m->SetBkgndFillMode(bfTile); },
      [](TMeter* m) { m->SetLimWatchHighOn(false); },
      [](TMeter* m) { m->SetLimWatchActColor(clFuchsia); },
      [](TMeter* m) { m->SetValue(2); },
      [](TMeter* m) { m->NeedleLayout()->SetThickness(5); },
      [](TMeter* m) { m->NeedleLayoutSec()->SetVisible(true); },
      [](TMeter* m) { m->SetValueSec(40); },
      [](TMeter* m) { m->SetScaleVisible(false); },
      [](TMeter* m) { m->SetBounds(0, 0, 250, 240); },
  };
  for (std::size_t i = 0; i < steps.size(); ++i) {
    steps[i](meter);
    // Not shown while it is set up: the new meter paints once, at the end.
    QWidget freshHost;
    auto* fresh = new TMeter(nullptr);
    for (std::size_t j = 0; j <= i; ++j) steps[j](fresh);
    fresh->SetParent(&freshHost);
    fresh->show();
    ASSERT_EQ(Shot(), Grab(fresh)) << "after step " << i;
  }
}

// The surface is redrawn only where the needle moved, unless something else
// drew on it since the last paint.
TEST_F(MeterTest, ValueChangesRepaintWhatOthersDrewOnTheSurface) {
  meter->SetValue(0.2);
  Shot();  // the first paint on screen is done
  meter->Canvas()->Brush()->SetColor(clLime);
  meter->Canvas()->FillRect(TRect(200, 150, 220, 170));
  EXPECT_EQ(At(210, 160), clLime);
  meter->SetValue(0.3);
  EXPECT_EQ(At(210, 160), clWhite);
  // The moved needle leaves nothing behind.
  QWidget freshHost;
  auto* fresh = new TMeter(nullptr);
  fresh->SetValue(0.3);
  fresh->SetParent(&freshHost);
  fresh->show();
  EXPECT_EQ(Shot(), Grab(fresh));
}

// A handler that drew on the meter leaves nothing behind once it is removed.
TEST_F(MeterTest, RemovedHandlersLeaveNothingBehind) {
  using Install = std::function<void(TMeter*, bool)>;
  const Install handlers[] = {
      [](TMeter* m, bool On) {
        m->OnBeforeDrawScaleLabel = On ? TmtBeforeDrawScaleLabelEvent([](TObject*, TCanvas*, QString& Label, int, int) {
          Label = QStringLiteral("[%1]").arg(Label);
        })
                                       : nullptr;
      },
      [](TMeter* m, bool On) {
        m->OnMeterRendered = On ? TMeterRenderedEvent([](TObject*, TCanvas* Canvas) {
          Canvas->Brush()->SetColor(clBlue);
          Canvas->FillRect(TRect(20, 20, 120, 120));
        })
                                : nullptr;
      },
      [](TMeter* m, bool On) {
        m->OnBeforeDrawNeedle = On ? TBeforeDrawNeedleEvent([](TObject*, TCanvas* Canvas, bool&) {
          Canvas->Brush()->SetColor(clYellow);
          Canvas->FillRect(TRect(150, 20, 250, 120));
        })
                                   : nullptr;
      },
  };
  QWidget freshHost;
  auto* fresh = new TMeter(nullptr);
  fresh->SetValue(0.3);
  fresh->SetParent(&freshHost);
  fresh->show();
  const QImage expected = Grab(fresh);
  int i = 0;
  for (const Install& handler : handlers) {
    meter->SetValue(0.6);
    handler(meter, true);
    meter->Paint();
    Shot();
    handler(meter, false);
    meter->SetValue(0.3);
    EXPECT_EQ(Shot(), expected) << "handler " << i++;
  }
}

TEST_F(MeterTest, NeedleLayoutsAreCopied) {
  TNeedleLayout other;
  other.SetColorBody(clRed);
  other.SetHeadSize(9);
  other.SetVisible(false);
  int paints = 0;
  meter->OnMeterRendered = [&](TObject*, TCanvas*) { ++paints; };
  meter->SetNeedleLayout(&other);
  EXPECT_EQ(paints, 1);
  EXPECT_EQ(meter->NeedleLayout()->ColorBody(), clRed);
  EXPECT_EQ(meter->NeedleLayout()->HeadSize(), 9);
  EXPECT_FALSE(meter->NeedleLayout()->Visible());
  other.SetColorBody(clBlue);  // a copy, not shared
  EXPECT_EQ(meter->NeedleLayout()->ColorBody(), clRed);
  meter->NeedleLayout()->SetThickness(3);  // still repaints the meter
  EXPECT_EQ(paints, 2);
  TFont big;
  big.SetSize(20);
  meter->SetFontCaption(&big);
  EXPECT_EQ(meter->FontCaption()->Size(), 20);
  EXPECT_EQ(paints, 3);
  // Forms set the caption font by its property.
  QFont stored = meter->property("FontCaption").value<QFont>();
  EXPECT_EQ(stored.pointSize(), 20);
  stored.setPointSize(12);
  stored.setBold(true);
  EXPECT_TRUE(meter->setProperty("FontCaption", stored));
  EXPECT_EQ(meter->FontCaption()->Size(), 12);
  EXPECT_TRUE(meter->FontCaption()->Style().Contains(fsBold));
  EXPECT_EQ(paints, 4);
}
