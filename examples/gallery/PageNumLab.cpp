// Gallery page "Numeric labels": a process panel of TNumLab readouts in every
// display type, driven by a simulated plant, and a column of looks (dark
// instrument, comma separator, plus sign, transparent, disabled, overflow).

#include "GalleryPage.h"

#include <orvpanels.h>

#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>
#include <functional>
#include <vector>

using namespace orv;

namespace {

// One readout: its caption, unit, display type and precision, and the value
// it shows at time t (seconds).
struct Readout {
  const char* Caption;
  const char* Unit;
  TDisplay Type;
  int Precision;
  std::function<double(double t)> Value;
};

double Now() {
  const QDateTime now = QDateTime::currentDateTime();
  return EncodeDate(now.date().year(), now.date().month(), now.date().day()) +
         EncodeTime(now.time().hour(), now.time().minute(), now.time().second(), now.time().msec());
}

const std::vector<Readout>& Readouts() {
  static const std::vector<Readout> list = {
      {"Temperature", "\u00b0C", dtFixP, 2, [](double t) { return 71.4 + 3.2 * std::sin(t / 3); }},
      {"Pressure", "bar", dtFloat, 4, [](double t) { return 2.5 + 0.4 * std::sin(t / 2.1); }},
      {"Current", "A", dtExp, 3, [](double t) { return 3.3e-4 * (1.2 + std::sin(t)); }},
      {"Carrier", "Hz", dtEEng, 2, [](double t) { return 433.92e6 + 2.5e4 * std::sin(t * 3); }},
      {"Noise", "V", dtEEngNoDP, 0, [](double t) { return 4.7e-6 * (1.5 + std::sin(t * 1.7)); }},
      {"Pieces", "pcs", dtInt, 0, [](double t) { return std::floor(t * 7); }},
      {"Batch", "no.", dtZeroInt, 6, [](double t) { return 4711 + std::floor(t / 5); }},
      {"Status", "hex", dtHex, 4, [](double t) { return double(0xA5C0 + (int(t * 4) & 0x3F)); }},
      {"Mode", "oct", dtOct, 3, [](double) { return 420.0; }},
      {"Relays", "bin", dtBin, 8, [](double t) { return double(int(t * 2) % 256); }},
      {"Heading", "", dtDeg, 1, [](double t) { return std::fmod(90 + t * 6, 360); }},
      {"Latitude", "N", dtDegMin, 3, [](double t) { return 48.137154 + t * 1e-5; }},
      {"Longitude", "E", dtDegMinSec, 1, [](double t) { return 11.576124 + t * 3e-5; }},
      {"Date", "", dtDateTime, 0, [](double) { return Now(); }},
      {"State", "", dtState, 0, [](double) { return 0.0; }},
  };
  return list;
}

// A label whose surroundings match the window colour of the page.
TNumLab* NewLabel() {
  auto* lab = new TNumLab(nullptr);
  lab->SetColorOutBakG(QRgbToColor(lab->palette().color(QPalette::Window).rgb()));
  return lab;
}

TNumLab* MakeReadout(const Readout& r) {
  TNumLab* lab = NewLabel();
  lab->setFixedSize(300, 28);
  lab->SetLeftSpace(96);
  lab->SetLabelWidth(150);
  lab->SetLeftTextAlignment(taLeftJustify);
  lab->SetLeftText(QString::fromUtf8(r.Caption));
  lab->SetRightText(QString::fromUtf8(r.Unit));
  lab->SetDisplayType(r.Type);
  lab->SetPrecision(r.Precision);
  lab->SetAlignment(taRightJustify);
  lab->SetColorLabBakG(clWindow);
  lab->SetStateText(QStringLiteral("RUNNING"));
  return lab;
}

QString TypeName(TDisplay t) {
  static const char* const names[] = {"dtFloat", "dtFixP", "dtExp",    "dtHex",       "dtZeroInt",
                                      "dtInt",   "dtDateTime", "dtState", "dtBin",     "dtOct",
                                      "dtDeg",   "dtDegMin",   "dtDegMinSec", "dtEEng", "dtEEngNoDP"};
  return QString::fromLatin1(names[t]);
}

// A column with a bold title.
QWidget* Section(const QString& Title, QLayout* Body) {
  auto* w = new QWidget;
  auto* v = new QVBoxLayout(w);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(10);
  auto* title = new QLabel(Title);
  QFont f = title->font();
  f.setBold(true);
  title->setFont(f);
  v->addWidget(title);
  v->addLayout(Body);
  v->addStretch(1);
  return w;
}

QWidget* MakePanel(QTimer* Clock, const QDateTime& Start) {
  auto* grid = new QGridLayout;
  grid->setVerticalSpacing(4);
  grid->setHorizontalSpacing(12);
  int row = 0;
  for (const Readout& r : Readouts()) {
    TNumLab* lab = MakeReadout(r);
    auto* type = new QLabel(TypeName(r.Type));
    type->setStyleSheet(QStringLiteral("color: #606060"));
    grid->addWidget(lab, row, 0);
    grid->addWidget(type, row, 1);
    ++row;
    const Readout* spec = &r;
    const auto update = [lab, spec, Start] { lab->SetValue(spec->Value(Start.msecsTo(QDateTime::currentDateTime()) / 1000.0)); };
    update();
    QObject::connect(Clock, &QTimer::timeout, lab, update);
  }
  return Section(QStringLiteral("Process panel: every display type"), grid);
}

// A dark instrument bezel: black box, green digits.
TNumLab* Instrument(const QString& Caption, const QString& Unit, double Value) {
  TNumLab* lab = NewLabel();
  lab->setFixedSize(260, 34);
  QFont f = lab->font();
  f.setPointSize(12);
  f.setBold(true);
  lab->setFont(f);
  lab->SetLeftSpace(70);
  lab->SetLabelWidth(130);
  lab->SetLeftText(Caption);
  lab->SetRightText(Unit);
  lab->SetColorLabBakG(0x101010);
  lab->SetColorLabText(0x40FF40);
  lab->SetFrameStyle(fsBump);
  lab->SetValue(Value);
  return lab;
}

QWidget* MakeLooks(QTimer* Clock) {
  auto* box = new QVBoxLayout;
  box->setSpacing(8);

  TNumLab* speed = Instrument(QStringLiteral("Speed"), QStringLiteral("rpm"), 1480);
  speed->SetDisplayType(dtInt);
  TNumLab* torque = Instrument(QStringLiteral("Torque"), QStringLiteral("Nm"), 212.5);
  torque->SetPrecision(1);
  QObject::connect(Clock, &QTimer::timeout, speed, [speed, torque, step = 0]() mutable {
    ++step;
    speed->SetValue(1480 + 35 * std::sin(step / 7.0));
    torque->SetValue(212.5 + 8 * std::cos(step / 5.0));
  });
  box->addWidget(speed);
  box->addWidget(torque);

  TNumLab* comma = NewLabel();
  comma->setFixedSize(260, 28);
  comma->SetLeftText(QStringLiteral("Komma"));
  comma->SetRightText(QStringLiteral("kg"));
  comma->SetLeftSpace(70);
  comma->SetLabelWidth(130);
  comma->SetComma(true);
  comma->SetPrecision(3);
  comma->SetValue(1234.567);
  box->addWidget(comma);

  TNumLab* plus = NewLabel();
  plus->setFixedSize(260, 28);
  plus->SetLeftText(QStringLiteral("Offset"));
  plus->SetRightText(QStringLiteral("mm"));
  plus->SetLeftSpace(70);
  plus->SetLabelWidth(130);
  plus->SetForcePlusSign(true);
  plus->SetColorLabText(clNavy);
  plus->SetColorLabBakG(0xF0E0D0);
  plus->SetFrameStyle(fsRaised);
  plus->SetValue(0.35);
  box->addWidget(plus);

  // Transparent labels over a coloured panel: the panel shows around the boxes.
  auto* panel = new QWidget;
  panel->setFixedSize(260, 76);
  panel->setAutoFillBackground(true);
  QPalette pal = panel->palette();
  pal.setColor(QPalette::Window, QColor(0xD8, 0xE4, 0xF0));
  panel->setPalette(pal);
  const char* names[2] = {"Inlet", "Outlet"};
  for (int i = 0; i < 2; ++i) {
    auto* lab = new TNumLab(nullptr);
    lab->setParent(panel);
    lab->SetBounds(0, 8 + i * 34, 260, 28);
    lab->SetLeftSpace(70);
    lab->SetLabelWidth(130);
    lab->SetLeftText(QString::fromLatin1(names[i]));
    lab->SetRightText(QStringLiteral("\u00b0C"));
    lab->SetColorLabBakG(clWhite);
    lab->SetColorOutText(clNavy);
    lab->SetPrecision(1);
    lab->SetValue(i == 0 ? 18.4 : 36.9);
    lab->SetTransparent(true);
  }
  box->addWidget(panel);

  TNumLab* disabled = NewLabel();
  disabled->setFixedSize(260, 28);
  disabled->SetLeftText(QStringLiteral("Spare"));
  disabled->SetRightText(QStringLiteral("l/h"));
  disabled->SetLeftSpace(70);
  disabled->SetLabelWidth(130);
  disabled->SetValue(12.5);
  disabled->SetEnabled(false);
  box->addWidget(disabled);

  TNumLab* overflow = NewLabel();
  overflow->setFixedSize(260, 28);
  overflow->SetLeftText(QStringLiteral("Energy"));
  overflow->SetRightText(QStringLiteral("J"));
  overflow->SetLeftSpace(70);
  overflow->SetLabelWidth(90);
  overflow->SetValue(9.87654321e12);
  overflow->SetColorLabText(clMaroon);
  box->addWidget(overflow);

  TNumLab* empty = NewLabel();
  empty->setFixedSize(260, 28);
  empty->SetLeftText(QStringLiteral("No data"));
  empty->SetLeftSpace(70);
  empty->SetLabelWidth(130);
  empty->SetEmpty(true);
  box->addWidget(empty);

  auto* note = new QLabel(QStringLiteral("Dark bezel, comma separator, forced plus sign, transparent over a "
                                         "panel, disabled (engraved), too wide for its box, and empty."));
  note->setWordWrap(true);
  note->setMaximumWidth(260);
  box->addWidget(note);
  return Section(QStringLiteral("Looks"), box);
}

QWidget* MakePage() {
  auto* page = new QWidget;
  auto* clock = new QTimer(page);
  clock->start(100);
  const QDateTime start = QDateTime::currentDateTime();
  auto* layout = new QHBoxLayout(page);
  layout->setContentsMargins(16, 16, 16, 16);
  layout->setSpacing(16);
  layout->addWidget(MakePanel(clock, start), 0, Qt::AlignTop);
  layout->addWidget(MakeLooks(clock), 0, Qt::AlignTop);
  layout->addStretch(1);
  return page;
}

const GalleryPage Page(70, QStringLiteral("Numeric labels"), QStringLiteral("numeric_labels"), MakePage);

}  // namespace
