// Gallery page "Meters": TMeter in its six layouts, each following a
// simulated process signal (the full circle as a wind vane), and a row of
// instruments: a logarithmic vacuum gauge labelled at its decades, a
// thermometer with coloured bands on a printed dial (a background picture)
// whose limit lamps light as the temperature crosses its thresholds, and a
// power meter with a peak-hold second needle and an anchor picture. The value
// under the mouse pointer is read out below.

#include "GalleryPage.h"
#include "GalleryWidgets.h"

#include <orvpanels.h>

#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

using namespace orv;

namespace {

// A dial printed on cream card: faint paper grain and a soft vignette.
QString DialPicture() {
  const QString file = QDir::temp().filePath(QStringLiteral("orv_gallery_dial.png"));
  QImage img(297, 209, QImage::Format_RGB32);
  QRandomGenerator grain(7);
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const double dx = (x - 148) / 160.0, dy = (y - 150) / 150.0;
      const int shade = int(246 - 22 * (dx * dx + dy * dy)) + int(grain.bounded(5)) - 2;
      img.setPixel(x, y, qRgb(shade, shade - 3, shade - 14));
    }
  img.save(file);
  return file;
}

// A turned metal hub on black: the black corners let the dial show through.
QString HubPicture() {
  const QString file = QDir::temp().filePath(QStringLiteral("orv_gallery_hub.png"));
  QImage img(31, 31, QImage::Format_RGB32);
  img.fill(Qt::black);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient metal(QPointF(12, 11), 17);
  metal.setColorAt(0, QColor(250, 250, 252));
  metal.setColorAt(0.6, QColor(150, 154, 160));
  metal.setColorAt(1, QColor(70, 72, 78));
  p.setPen(QPen(QColor(40, 40, 44), 1));
  p.setBrush(metal);
  p.drawEllipse(QRectF(1.5, 1.5, 28, 28));
  p.setBrush(QColor(60, 60, 64));
  p.drawEllipse(QRectF(12.5, 12.5, 6, 6));
  p.end();
  img.save(file);
  return file;
}

// The instrument look shared by the page: a graphite bezel, a white dial
// with a black scale, a slim black needle with a soft shadow.
void Instrument(TMeter* M) {
  M->SetColorCover(RGB(58, 60, 64));
  M->SetColorScale(RGB(20, 20, 24));
  M->SetColorBakG(RGB(252, 251, 246));
  M->Font()->SetColor(RGB(20, 20, 24));
  M->FontCaption()->SetColor(RGB(90, 90, 96));
  M->FontCaption()->SetStyle({fsItalic});
  TNeedleLayout* n = M->NeedleLayout();
  n->SetColorBody(RGB(20, 20, 24));
  n->SetColorOutline(RGB(20, 20, 24));
  n->SetThickness(2);
  n->SetHeadSize(12);
  n->SetHeadAngle(24);
  n->SetHeadMidLeng(10);
  n->SetShadowDx(-2);
  n->SetShadowDy(-2);
  n->SetShadowColor(RGB(200, 198, 190));
}

// A simulated process signal in 0..1: two slow waves and a little noise.
struct Signal {
  double Speed, Phase;
  double At(double t) const {
    const double v = 0.5 + 0.3 * std::sin(Speed * t + Phase) + 0.12 * std::sin(2.7 * Speed * t + 2 * Phase);
    return std::clamp(v + 0.02 * (QRandomGenerator::global()->generateDouble() - 0.5), 0.0, 1.0);
  }
};

struct Live {
  TMeter* Meter;
  Signal Wave;
  std::function<double(double)> Scale;  // the signal's 0..1 to the meter's units
};

QWidget* MakeLayoutsGroup(std::vector<Live>& Meters) {
  auto* group = new QGroupBox(QStringLiteral("The six layouts"));
  auto* grid = new QGridLayout(group);
  grid->setHorizontalSpacing(18);
  grid->setVerticalSpacing(10);
  struct Spec {
    TMeterLayout Layout;
    double Min, Max;
    int Ticks, Decimals;
    const char* Unit;
    const char* Text;
  };
  const Spec specs[] = {
      {mlCirc90, 0, 10, 5, 0, "V", "mlCirc90: a classic panel voltmeter"},
      {mlCirc120, -50, 50, 4, 0, "\u00b5A", "mlCirc120: a centre-zero galvanometer"},
      {mlCirc180, 0, 1, 5, 1, "cos \u03c6", "mlCirc180: power factor"},
      {mlCirc270, 0, 160, 8, 0, "km/h", "mlCirc270: the gauge of a test rig"},
      {mlCirc300, 0, 6000, 6, 0, "rpm", "mlCirc300, a disc anchor"},
      {mlCirc360, -180, 180, 20, 0, "wind", "mlCirc360: a wind vane, full circle"},
  };
  int i = 0;
  for (const Spec& s : specs) {
    auto* m = new TMeter(nullptr);
    Instrument(m);
    m->SetMeterLayout(s.Layout);
    m->SetMeterMinValue(s.Min);
    m->SetMeterMaxValue(s.Max);
    m->SetMeterNrTicks(s.Ticks);
    m->SetMeterDecPlaces(s.Decimals);
    m->SetCaption(QString::fromUtf8(s.Unit));
    m->SetThresholdLow(s.Min);
    m->SetThresholdHigh(s.Max);
    m->SetLimWatchLowOn(false);
    m->SetLimWatchHighOn(false);
    if (s.Layout == mlCirc360) {
      // North at the top, the cardinal points named; south lies where the
      // scale's ends meet.
      m->OnBeforeDrawScaleLabel = [](TObject*, TCanvas*, QString& Label, int, int) {
        const int deg = Label.toInt();
        Label = deg == 0     ? QStringLiteral("N")
                : deg == 90  ? QStringLiteral("E")
                : deg == -90 ? QStringLiteral("W")
                : deg == -180 ? QStringLiteral("S")
                              : QString();
      };
    }
    const double min = s.Min, max = s.Max;
    Meters.push_back({m, {0.7 + 0.23 * i, 1.3 * i}, [min, max](double v) { return min + v * (max - min); }});
    grid->addWidget(Captioned(m, QString::fromUtf8(s.Text)), i / 3, i % 3);
    ++i;
  }
  return group;
}

QWidget* MakeInstrumentsGroup(std::vector<Live>& Meters, QLabel* Readout) {
  auto* group = new QGroupBox(QStringLiteral("Instruments"));
  auto* row = new QHBoxLayout(group);
  row->setSpacing(18);

  // A vacuum gauge, 0.001 to 1000 mbar on a logarithmic scale.
  auto* vacuum = new TMeter(nullptr);
  Instrument(vacuum);
  vacuum->SetMeterLayout(mlCirc270);
  vacuum->SetMeterMinValue(0.001);
  vacuum->SetMeterMaxValue(1000);
  vacuum->SetLogarithmic(true);
  vacuum->SetMeterShortTicks(false);
  vacuum->SetMeterDecPlaces(3);
  vacuum->SetCaption(QStringLiteral("mbar"));
  vacuum->SetLimWatchLowOn(false);
  vacuum->SetLimWatchHighOn(false);
  // Labels at the decades only, as a vacuum gauge prints them: "0.001" to
  // "1000"; the ticks at 2 and 5 stay unlabelled.
  vacuum->OnBeforeDrawScaleLabel = [](TObject*, TCanvas*, QString& Label, int, int) {
    const double v = Label.toDouble();
    const bool decade = std::abs(std::log10(v) - std::round(std::log10(v))) < 1e-9;
    Label = decade ? QString::number(v, 'g', 4) : QString();
  };
  Meters.push_back({vacuum, {0.35, 0.4}, [](double v) { return std::pow(10.0, -3 + 6 * v); }});
  row->addWidget(Captioned(vacuum, QStringLiteral("Logarithmic: a vacuum gauge over six decades")));

  // A thermometer: bands on a printed dial; the lamps light at the thresholds.
  auto* temp = new TMeter(nullptr);
  Instrument(temp);
  temp->SetBackGroundImg(DialPicture());
  temp->SetBkgndFillMode(bfStretch);
  temp->SetMeterMinValue(0);
  temp->SetMeterMaxValue(120);
  temp->SetMeterNrTicks(6);
  temp->SetMeterDecPlaces(0);
  temp->SetThresholdLow(30);
  temp->SetThresholdHigh(90);
  temp->SetScaleBkVisible(true);
  temp->SetScaleBkWidth(9);
  temp->SetColorSclBkLow(RGB(90, 150, 220));
  temp->SetColorSclBkNorm(RGB(120, 190, 110));
  temp->SetColorSclBkHigh(RGB(225, 80, 60));
  temp->SetMeterLayout(mlCirc120);
  temp->SetCaption(QStringLiteral("\u00b0C"));
  temp->SetFrameStyle(fsBump);
  Meters.push_back({temp, {0.9, 2.0}, [](double v) { return -10 + 140 * v; }});
  row->addWidget(Captioned(temp, QStringLiteral("Bands, a printed dial (picture), lamps lit beyond 30 and 90 \u00b0C")));

  // A power meter: the red needle holds the peak and falls back slowly.
  auto* power = new TMeter(nullptr);
  Instrument(power);
  power->SetMeterLayout(mlCirc300);
  power->SetMeterMaxValue(2.5);
  power->SetMeterNrTicks(5);
  power->SetCaption(QStringLiteral("kW"));
  power->SetAnchorImage(HubPicture());
  power->SetThresholdHigh(2.0);
  power->SetThresholdLow(0);
  power->SetLimWatchLowOn(false);
  TNeedleLayout* peak = power->NeedleLayoutSec();
  peak->SetColorBody(RGB(200, 30, 30));
  peak->SetColorOutline(RGB(200, 30, 30));
  peak->SetHeadSize(0);
  peak->SetHeadMidLeng(0);
  peak->SetThickness(1);
  peak->SetPercentNeedleLength(96);
  peak->SetVisible(true);
  Meters.push_back({power, {1.6, 0.3}, [](double v) { return 2.5 * v * v; }});
  power->OnMouseMoveInMeter = [Readout](TObject*, bool Within, TShiftState, double Value) {
    Readout->setText(Within ? QStringLiteral("Power meter under the pointer: %1 kW").arg(Value, 0, 'f', 2)
                            : QStringLiteral("Power meter under the pointer: off the scale"));
  };
  row->addWidget(Captioned(power, QStringLiteral("A peak-hold second needle and an anchor picture")));
  row->addStretch(1);
  return group;
}

QWidget* MakePage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(16, 16, 16, 16);
  layout->setSpacing(12);
  auto* intro = new QLabel(QStringLiteral(
      "TMeter draws an analogue panel meter: a scale of 90 to 360 degrees, linear or logarithmic, coloured bands, "
      "a caption, two needles and two limit lamps, in a bezel of rims and an anchor. Every needle here follows a "
      "simulated signal."));
  intro->setWordWrap(true);
  layout->addWidget(intro);
  auto meters = std::make_shared<std::vector<Live>>();
  auto* readout = new QLabel(QStringLiteral("Move the mouse over the power meter."));
  layout->addWidget(MakeLayoutsGroup(*meters));
  layout->addWidget(MakeInstrumentsGroup(*meters, readout));
  layout->addWidget(readout);
  layout->addStretch(1);

  // 25 frames a second; the power meter's second needle holds the peak.
  auto* timer = new QTimer(page);
  auto t = std::make_shared<double>(3.0);
  QObject::connect(timer, &QTimer::timeout, page, [meters, t] {
    *t += 0.04;
    for (const Live& l : *meters) {
      const double v = l.Scale(l.Wave.At(*t));
      l.Meter->SetValue(v);
      if (l.Meter->NeedleLayoutSec()->Visible())
        l.Meter->SetValueSec(std::max(v, l.Meter->ValueSec() - 0.01));
    }
  });
  timer->start(40);
  return page;
}

const GalleryPage Page(50, QStringLiteral("Meters"), QStringLiteral("meters"), MakePage);

}  // namespace
