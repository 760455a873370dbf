// Gallery page "Progress bars and gradients": TProgBar in single colour and
// with colour tables in every mapping, growing in all four directions, over
// a background picture, advancing on its own timer; a bank of level meters;
// TGradFill in its four fill types with frames and grids.

#include "GalleryPage.h"
#include "GalleryWidgets.h"

#include <orvpanels.h>

#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

using namespace orv;

namespace {

template <class T>
T* Sized(T* Control, int W, int H) {
  Control->setFixedSize(W, H);
  return Control;
}

// A traffic-light table: green to yellow in the first half, yellow to red in the second.
void TrafficLightTable(TProgBar* Bar) {
  constexpr int n = TProgBar::ColorTableSize, half = n / 2;
  for (int i = 0; i < n; ++i) {
    const int r = i < half ? 255 * i / half : 255;
    const int g = i < half ? 200 + 40 * i / half : 240 - 240 * (i - half) / (n - 1 - half);
    Bar->SetBarColorElem(i, RGB(r, g, 0));
  }
}

// A brushed-steel picture for the background example, made once per run.
QString SteelPicture() {
  const QString file = QDir::temp().filePath(QStringLiteral("orv_gallery_steel.png"));
  QImage img(240, 24, QImage::Format_RGB32);
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const int grain = int(12 * std::sin(x * 0.9 + y * 7.3) + 8 * std::sin(x * 0.13 + y * 2.1));
      const int shade = 200 - 2 * std::abs(y - 12) + grain;
      img.setPixel(x, y, qRgb(shade, shade + 4, shade + 10));
    }
  img.save(file);
  return file;
}

QWidget* MakeBarsGroup() {
  auto* group = new QGroupBox(QStringLiteral("TProgBar"));
  auto* grid = new QGridLayout(group);
  grid->setHorizontalSpacing(24);
  grid->setVerticalSpacing(10);
  const int w = 420, h = 28;

  auto* plain = Sized(new TProgBar(nullptr), w, h);
  plain->SetValue(64);
  plain->SetTextPosX(w - 26);
  grid->addWidget(Captioned(plain, QStringLiteral("Single colour and the default frames")), 0, 0);

  auto* traffic = Sized(new TProgBar(nullptr), w, h);
  traffic->SetShowColorGradient(true);
  traffic->SetColorMapMode(cgmCover);
  TrafficLightTable(traffic);
  traffic->SetValue(78);
  traffic->SetColorBackGnd(RGB(40, 44, 48));
  traffic->SetTextPosX(w - 26);
  traffic->Font()->SetColor(clWhite);
  grid->addWidget(Captioned(traffic, QStringLiteral("Custom colour table, cgmCover: the bar uncovers a fixed scale")),
                  0, 1);

  auto* stretch = Sized(new TProgBar(nullptr), w, h);
  stretch->SetShowColorGradient(true);
  stretch->SetColorMin(RGB(10, 40, 140));
  stretch->SetColorMax(RGB(60, 220, 255));
  stretch->SetValue(58);
  stretch->SetColorBackGnd(RGB(232, 236, 240));
  stretch->SetTextPosX(w - 40);
  grid->addWidget(Captioned(stretch, QStringLiteral("cgmStretch: the whole gradient squeezed into the bar")), 1, 0);

  auto* move = Sized(new TProgBar(nullptr), w, h);
  move->SetShowColorGradient(true);
  move->SetColorMapMode(cgmMove);
  move->SetColorMin(RGB(236, 236, 236));
  move->SetColorMax(RGB(200, 30, 30));
  move->SetColorBackGnd(RGB(236, 236, 236));
  move->SetValue(45);
  move->SetTextVisible(false);
  grid->addWidget(Captioned(move, QStringLiteral("cgmMove: the tip always shows ColorMax")), 1, 1);

  auto* live = Sized(new TProgBar(nullptr), w, h);
  live->SetShowColorGradient(true);
  live->SetColorMin(RGB(0, 120, 40));
  live->SetColorMax(RGB(120, 230, 60));
  live->SetColorBackGnd(RGB(232, 236, 232));
  live->SetValue(0);
  live->SetTextPosX(w / 2);
  live->OnShowValue = [](TObject*, QString& Text) { Text += QStringLiteral(" %"); };
  live->OnAutoInc = [live](TObject*) {
    if (live->Value() > live->Max()) live->SetValue(live->Min());
  };
  live->SetStartInterval(100);
  live->SetRepeatInterval(30);
  live->SetAutoInc(true);
  grid->addWidget(Captioned(live, QStringLiteral("AutoInc: one step every 30 ms, wrapped by OnAutoInc, \" %\" added "
                                                 "by OnShowValue")),
                  2, 0);

  auto* steel = Sized(new TProgBar(nullptr), w, h);
  steel->SetBackGroundImg(SteelPicture());
  steel->SetColorMin(RGB(30, 90, 170));
  steel->SetGridDist(6);
  steel->SetColorGrid(RGB(150, 190, 235));
  steel->SetValue(40);
  steel->SetTextVisible(false);
  grid->addWidget(Captioned(steel, QStringLiteral("Background picture (PNG) and a grid every 6 pixels")), 2, 1);

  auto* left = Sized(new TProgBar(nullptr), w, h);
  left->SetDirection(dirLeft);
  left->SetRange(0, 20000);
  left->SetValue(12345.6);
  left->SetTextDecPlaces(-1);
  left->SetTextAlignment(taLeftJustify);
  left->SetTextPosX(12);
  left->SetColorMin(RGB(150, 60, 170));
  left->SetColorBackGnd(RGB(240, 236, 242));
  grid->addWidget(Captioned(left, QStringLiteral("dirLeft: growing from the right; scientific value text")), 3, 0);

  auto* fine = Sized(new TProgBar(nullptr), w, h + 6);
  fine->SetMarginLeft(7);
  fine->SetMarginRight(7);
  fine->SetMarginTop(7);
  fine->SetMarginBottom(7);
  fine->SetFrameStyleOuter(fsBump);
  fine->SetFrameStyleInner(fsEtched);
  fine->SetColorMargin(RGB(214, 214, 210));
  fine->SetColorBackGnd(RGB(250, 250, 246));
  fine->SetColorMin(RGB(210, 120, 20));
  fine->SetValue(33.33);
  fine->SetTextDecPlaces(2);
  fine->SetTextAlignment(taRightJustify);
  fine->SetTextPosX(w - 14);
  fine->SetTextPosY((h + 6) / 2);
  grid->addWidget(Captioned(fine, QStringLiteral("Margins 7, bump and etched frames, two decimals right-aligned")), 3, 1);
  return group;
}

QWidget* MakeMetersGroup() {
  auto* group = new QGroupBox(QStringLiteral("Level meters and vertical bars"));
  auto* row = new QHBoxLayout(group);
  row->setSpacing(6);
  QList<TProgBar*> meters;
  for (int i = 0; i < 10; ++i) {
    auto* m = Sized(new TProgBar(nullptr), 34, 180);
    m->SetDirection(dirUp);
    m->SetShowColorGradient(true);
    m->SetColorMapMode(cgmCover);
    TrafficLightTable(m);
    m->SetColorBackGnd(RGB(30, 32, 34));
    m->SetColorGrid(RGB(30, 32, 34));
    m->SetGridDist(4);
    m->SetFrameStyleOuter(fsSunken);
    m->SetFrameStyleInner(fsNone);
    m->SetTextVisible(false);
    m->SetValue(50);
    row->addWidget(m);
    meters.append(m);
  }
  row->addSpacing(24);
  auto* rise = Sized(new TProgBar(nullptr), 60, 180);
  rise->SetDirection(dirUp);
  rise->SetColorMin(RGB(40, 150, 70));
  rise->SetColorBackGnd(RGB(244, 246, 248));
  rise->SetValue(35);
  rise->SetTextAngle(90);
  rise->SetTextPosX(30);
  rise->SetTextPosY(40);
  rise->SetTextDecPlaces(1);
  row->addWidget(Captioned(rise, QStringLiteral("dirUp, 90\u00b0")));
  auto* drop = Sized(new TProgBar(nullptr), 60, 180);
  drop->SetDirection(dirDown);
  drop->SetShowColorGradient(true);
  drop->SetColorMin(RGB(160, 220, 255));
  drop->SetColorMax(RGB(0, 60, 170));
  drop->SetColorBackGnd(RGB(244, 246, 248));
  drop->SetValue(65);
  drop->SetTextAngle(270);
  drop->SetTextPosX(30);
  drop->SetTextPosY(150);
  row->addWidget(Captioned(drop, QStringLiteral("dirDown, 270\u00b0")));
  row->addStretch(1);
  // A slowly moving spectrum: every meter a sum of two sine waves.
  auto* timer = new QTimer(group);
  auto phase = std::make_shared<double>(0.0);
  QObject::connect(timer, &QTimer::timeout, group, [meters, phase] {
    *phase += 0.12;
    for (int i = 0; i < meters.size(); ++i)
      meters[i]->SetValue(std::round(55 + 30 * std::sin(*phase + i * 0.7) + 12 * std::sin(2.3 * *phase - i)));
  });
  timer->start(40);
  return group;
}

QWidget* MakeGradientsGroup() {
  auto* group = new QGroupBox(QStringLiteral("TGradFill"));
  auto* row = new QHBoxLayout(group);
  row->setSpacing(18);
  struct Spec {
    TGradType Type;
    TColor First, Last;
    int Bands;
    TFrameStyle Frame;
    TGridMode Grid;
    const char* Caption;
  };
  const Spec specs[] = {
      {gtHoriz, RGB(10, 20, 90), RGB(90, 200, 255), 32, fsSunken, gmNone, "gtHoriz, 32 bands, sunken"},
      {gtVert, 0x000080, 0x00FFFF, 16, fsRaised, gmNone, "gtVert, the default colours"},
      {gtMidBandHoriz, RGB(70, 74, 80), RGB(250, 250, 250), 21, fsBump, gmNone, "gtMidBandHoriz: a polished rod"},
      {gtMidBandVert, RGB(110, 20, 10), RGB(255, 170, 40), 9, fsEtched, gmBoth, "gtMidBandVert, 9 bands, gmBoth"},
      {gtHoriz, RGB(0, 90, 40), RGB(200, 255, 160), 8, fsSimple, gmHoriz, "gmHoriz, ColorFlipped"},
  };
  for (const Spec& s : specs) {
    auto* fill = Sized(new TGradFill(nullptr), 150, 110);
    fill->SetFillType(s.Type);
    fill->SetColorFirst(s.First);
    fill->SetColorLast(s.Last);
    fill->SetNrColors(s.Bands);
    fill->SetFrameStyle(s.Frame);
    fill->SetGridMode(s.Grid);
    fill->SetGridColor(RGB(40, 10, 0));
    if (s.Grid == gmHoriz) {
      fill->SetGridColor(RGB(0, 60, 20));
      fill->SetColorFlipped(true);
    }
    row->addWidget(Captioned(fill, QString::fromUtf8(s.Caption)));
  }
  row->addStretch(1);
  return group;
}

QWidget* MakePage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(16, 16, 16, 16);
  layout->setSpacing(12);
  auto* intro = new QLabel(QStringLiteral(
      "TProgBar fills a framed area in one colour or from a 1024-entry colour table, in any of four directions, "
      "and can advance on its own timer. TGradFill paints stepped gradients in bands."));
  intro->setWordWrap(true);
  layout->addWidget(intro);
  layout->addWidget(MakeBarsGroup());
  layout->addWidget(MakeMetersGroup());
  layout->addWidget(MakeGradientsGroup());
  layout->addStretch(1);
  return page;
}

const GalleryPage Page(150, QStringLiteral("Progress bars and gradients"), QStringLiteral("progress_gradients"),
                       MakePage);

}  // namespace
