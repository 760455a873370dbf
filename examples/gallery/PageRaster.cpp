// Gallery page "Dot-matrix displays": TRasterLab as a scrolling ticker, a
// departure board, a clock, a sampled system font and scrolling in every
// direction, each with its settings in the caption.

#include "GalleryPage.h"
#include "GalleryWidgets.h"

#include <orvpanels.h>

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>

using namespace orv;

namespace {

struct DotColors {
  TColor On, Off, Background;
};

const DotColors Lime = {RGB(80, 255, 60), RGB(22, 48, 22), RGB(6, 12, 6)};
const DotColors Amber = {RGB(255, 176, 0), RGB(58, 38, 6), RGB(16, 10, 2)};
const DotColors Red = {RGB(255, 52, 40), RGB(62, 14, 12), RGB(14, 2, 2)};
const DotColors Ice = {RGB(120, 220, 255), RGB(18, 40, 56), RGB(4, 10, 16)};
const DotColors White = {RGB(240, 240, 230), RGB(44, 44, 44), RGB(10, 10, 10)};

TRasterLab* MakeLab(const QString& Text, const DotColors& Colors, int Width, int DotSize = 3, int DotSpacing = 1) {
  auto* lab = new TRasterLab(nullptr);
  lab->SetText(Text);
  lab->SetColorDotOn(Colors.On);
  lab->SetColorDotOff(Colors.Off);
  lab->SetColorLabBakG(Colors.Background);
  lab->SetDotSize(DotSize);
  lab->SetDotSpacing(DotSpacing);
  lab->SetWidth(Width);
  lab->SetPosY(1 + DotSpacing);
  return lab;
}

// Height for the font's rows plus a dot row of margin, then a fixed size for the layout.
void Fit(TRasterLab* Lab) {
  Lab->SetAutoHeight(true);
  Lab->SetAutoHeight(false);
  Lab->SetHeight(Lab->Height() + Lab->DotSize() + 2 * Lab->DotSpacing());
  Lab->setFixedSize(Lab->Width(), Lab->Height());
}

QWidget* MakeTicker() {
  auto* group = new QGroupBox(QStringLiteral("News ticker"));
  auto* layout = new QVBoxLayout(group);
  TRasterLab* ticker = MakeLab(
      QStringLiteral("+++  OrvPanels dot-matrix display  +++  built-in 7 x 12 font with accents: "
                     "\u00c4 \u00d6 \u00dc \u00e4 \u00f6 \u00fc \u00df \u00e9 \u00e8 \u00e7 \u00f1  +++  "
                     "symbols: \u20ac 12.50  \u00b1 0.5 \u00b0C  \u00bd  \u00b5s  \u00a9 \u00ae  +++  "
                     "scrolling on the control's own timer  +++"),
      Lime, 860, 4, 1);
  Fit(ticker);
  ticker->SetScrollIncrement(2);
  ticker->SetScrollInterval(25);
  ticker->SetScrollMode(rdsmLeft);
  layout->addWidget(Captioned(ticker, QStringLiteral("DotSize 4, DotSpacing 1, rdbmOn, ScrollMode rdsmLeft, "
                                                     "2 pixels every 25 ms, ScrollLoop"), {}));
  return group;
}

QWidget* MakeBoards() {
  auto* group = new QGroupBox(QStringLiteral("Configurations"));
  auto* grid = new QGridLayout(group);
  grid->setHorizontalSpacing(20);
  grid->setVerticalSpacing(14);

  TRasterLab* board = MakeLab(QStringLiteral("B12  Z\u00fcrich"), Amber, 420);
  board->SetCharBlockMode(rdbmRaster);
  Fit(board);
  grid->addWidget(Captioned(board, QStringLiteral("Amber, rdbmRaster: an unbroken raster of unlit dots"), {}), 0, 0);

  TRasterLab* clock = MakeLab(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")), Red, 420, 4, 1);
  clock->SetAutoCenter(true);
  Fit(clock);
  auto* tick = new QTimer(clock);
  QObject::connect(tick, &QTimer::timeout, clock,
                   [clock] { clock->SetText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss"))); });
  tick->start(250);
  grid->addWidget(Captioned(clock, QStringLiteral("Red clock, DotSize 4, AutoCenter, updated live"), {}), 0, 1);

  TRasterLab* sampled = MakeLab(QStringLiteral("DejaVu Sans 11"), Ice, 420, 2, 1);
  sampled->Font()->SetName(QStringLiteral("DejaVu Sans"));
  sampled->Font()->SetSize(11);
  sampled->SetCharBlockMode(rdbmOff);
  Fit(sampled);
  grid->addWidget(Captioned(sampled, QStringLiteral("A system font sampled into the matrix, rdbmOff: lit dots only"), {}),
                  1, 0);

  TRasterLab* fine = MakeLab(QStringLiteral("Fixed pitch: 0123456789"), White, 420, 1, 1);
  fine->SetProportional(false);
  fine->SetFrameStyle(fsSimple);
  Fit(fine);
  grid->addWidget(Captioned(fine, QStringLiteral("DotSize 1, Proportional off, simple frame"), {}), 1, 1);

  TRasterLab* up = MakeLab(QStringLiteral("LEVEL 3  OK"), Lime, 420);
  up->SetCharBlockMode(rdbmRaster);
  up->SetAutoCenter(true);
  Fit(up);
  up->SetScrollInterval(60);
  up->SetScrollMode(rdsmUp);
  grid->addWidget(Captioned(up, QStringLiteral("ScrollMode rdsmUp: leaves at the top, returns from below"), {}), 2, 0);

  TRasterLab* right = MakeLab(QStringLiteral(">>> restarts: 0"), Amber, 420, 2, 1);
  right->SetFrameStyle(fsRaised);
  Fit(right);
  right->SetScrollIncrement(3);
  right->SetScrollInterval(30);
  auto restarts = std::make_shared<int>(0);
  right->OnScrollLoopRestart = [right, restarts](TObject*) {
    right->SetText(QStringLiteral(">>> restarts: %1").arg(++*restarts));
  };
  right->SetScrollMode(rdsmRight);
  grid->addWidget(Captioned(right, QStringLiteral("ScrollMode rdsmRight, raised frame, counting OnScrollLoopRestart"), {}),
                  2, 1);
  return group;
}

QWidget* MakePage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(16, 16, 16, 16);
  layout->setSpacing(12);
  auto* intro = new QLabel(QStringLiteral(
      "TRasterLab shows a line of text on a simulated dot-matrix display. Its glyphs come from the built-in "
      "7 x 12 dot font or from any system font, sampled once into a bit matrix; the text can scroll in four "
      "directions on the control's own timer."));
  intro->setWordWrap(true);
  layout->addWidget(intro);
  layout->addWidget(MakeTicker());
  layout->addWidget(MakeBoards());
  layout->addStretch(1);
  return page;
}

const GalleryPage Page(120, QStringLiteral("Dot-matrix displays"), QStringLiteral("dot_matrix"), MakePage);

}  // namespace
