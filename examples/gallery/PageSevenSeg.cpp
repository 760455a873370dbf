// Gallery page "Seven-segment": LED displays in several colours and sizes: a
// running clock, a fast event counter, a frequency meter with its decimal
// point, a thermometer with the degree glyph and a hexadecimal bus monitor.

#include "GalleryPage.h"

#include <orvpanels.h>

#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

using namespace orv;

namespace {

TSevenSeg* Display(int Width, int Height, int Digits, TColor Text, TColor Back) {
  auto* seg = new TSevenSeg(nullptr);
  seg->setFixedSize(Width, Height);
  seg->SetNumDigits(Digits);
  seg->SetColorText(Text);
  seg->SetColorBackGnd(Back);
  return seg;
}

QLabel* Caption(const QString& Text) {
  auto* l = new QLabel(Text);
  l->setStyleSheet(QStringLiteral("color: #404040"));
  return l;
}

// The time of day as "HH:MM:SS".
QString ClockText() { return QTime::currentTime().toString(QStringLiteral("HH:mm:ss")); }

QWidget* MakePage() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  grid->setContentsMargins(16, 16, 16, 16);
  grid->setHorizontalSpacing(24);
  grid->setVerticalSpacing(4);

  // Clock: red digits on a dark panel, updated every second.
  TSevenSeg* clock = Display(420, 92, 8, clRed, 0x202020);
  clock->SetCaption(ClockText());
  auto* tick = new QTimer(clock);
  QObject::connect(tick, &QTimer::timeout, clock, [clock] { clock->SetCaption(ClockText()); });
  tick->start(250);
  grid->addWidget(Caption(QStringLiteral("Clock (8 digits, colons)")), 0, 0);
  grid->addWidget(clock, 1, 0);

  // Event counter: green, counting fast; every new value only copies cells.
  TSevenSeg* counter = Display(300, 92, 6, clLime, 0x102010);
  counter->SetInterDigDist(6);
  auto* fast = new QTimer(counter);
  QObject::connect(fast, &QTimer::timeout, counter, [counter, n = 0]() mutable {
    n = (n + 37) % 1000000;
    counter->SetCaption(QString::number(n).rightJustified(6, QLatin1Char(' ')));
  });
  fast->start(20);
  grid->addWidget(Caption(QStringLiteral("Event counter (50 updates/s)")), 0, 1);
  grid->addWidget(counter, 1, 1);

  // Frequency meter: amber, with a moving decimal point.
  TSevenSeg* freq = Display(420, 92, 8, 0x00B0FF, 0x101828);
  auto* sweep = new QTimer(freq);
  QObject::connect(sweep, &QTimer::timeout, freq, [freq, t = 0.0]() mutable {
    t += 0.05;
    const double mhz = 433.92 + 0.0125 * std::sin(t);
    freq->SetCaption(QString::number(mhz, 'f', 4).rightJustified(9, QLatin1Char(' ')));
  });
  sweep->start(100);
  grid->addWidget(Caption(QStringLiteral("Frequency meter, MHz (decimal point)")), 2, 0);
  grid->addWidget(freq, 3, 0);

  // Thermometer: degree glyph and C, a blue-white LED.
  TSevenSeg* thermo = Display(300, 92, 6, 0xFFE0A0, 0x301810);
  thermo->SetFrameStyle(fsRaised);
  auto* drift = new QTimer(thermo);
  QObject::connect(drift, &QTimer::timeout, thermo, [thermo, t = 0.0]() mutable {
    t += 0.1;
    const double temp = -12.5 + 4 * std::sin(t / 4);
    thermo->SetCaption(QString::number(temp, 'f', 1).rightJustified(5, QLatin1Char(' ')) + QStringLiteral("\u00b0C"));
  });
  drift->start(200);
  grid->addWidget(Caption(QStringLiteral("Thermometer (minus, point, degree, C)")), 2, 1);
  grid->addWidget(thermo, 3, 1);

  // Bus monitor: hexadecimal words on white segments.
  TSevenSeg* bus = Display(420, 64, 9, clWhite, 0x402000);
  bus->SetMargin(6);
  bus->SetFrameStyle(fsBump);
  auto* word = new QTimer(bus);
  QObject::connect(word, &QTimer::timeout, bus, [bus, w = 0xBEEFu]() mutable {
    w = (w * 1103515245u + 12345u) & 0xFFFFu;
    bus->SetCaption(QStringLiteral("%1-%2").arg(w, 4, 16, QLatin1Char('0')).arg(w ^ 0xA5A5u, 4, 16, QLatin1Char('0')));
  });
  word->start(500);
  bus->SetCaption(QStringLiteral("dEAd-bEEF"));
  grid->addWidget(Caption(QStringLiteral("Bus monitor (hexadecimal, b and d)")), 4, 0);
  grid->addWidget(bus, 5, 0);

  // Compact status displays: every glyph of the set, and a blank with its point.
  auto* small = new QWidget;
  auto* smallRow = new QVBoxLayout(small);
  smallRow->setContentsMargins(0, 0, 0, 0);
  TSevenSeg* glyphs = Display(300, 40, 12, clRed, 0x000000);
  glyphs->SetMargin(4);
  glyphs->SetInterDigDist(2);
  glyphs->SetFrameStyle(fsSimple);
  glyphs->SetCaption(QStringLiteral("0123456789-+"));
  TSevenSeg* letters = Display(300, 40, 12, 0x40FF40, 0x000000);
  letters->SetMargin(4);
  letters->SetFrameStyle(fsSimple);
  letters->SetCaption(QStringLiteral(":\u00b0AbCdEF .5 8."));
  smallRow->addWidget(glyphs);
  smallRow->addWidget(letters);
  grid->addWidget(Caption(QStringLiteral("The glyph set")), 4, 1);
  grid->addWidget(small, 5, 1);

  // The default display, and a tall two-digit score board.
  auto* defaults = new QWidget;
  auto* defaultsRow = new QHBoxLayout(defaults);
  defaultsRow->setContentsMargins(0, 0, 0, 0);
  defaultsRow->setSpacing(12);
  auto* standard = new TSevenSeg(nullptr);
  standard->setFixedSize(standard->size());
  defaultsRow->addWidget(standard);
  TSevenSeg* score = Display(110, 110, 2, clYellow, 0x000000);
  score->SetMargin(10);
  score->SetInterDigDist(8);
  score->SetCaption(QStringLiteral("17"));
  defaultsRow->addWidget(score);
  defaultsRow->addStretch(1);
  grid->addWidget(Caption(QStringLiteral("Default (216 x 76) and a tall score board")), 6, 0);
  grid->addWidget(defaults, 7, 0);

  // Countdown: minutes, seconds and tenths.
  TSevenSeg* countdown = Display(300, 76, 5, 0x3060FF, 0x101010);
  countdown->SetFrameStyle(fsEtched);
  auto* down = new QTimer(countdown);
  QObject::connect(down, &QTimer::timeout, countdown, [countdown, tenths = 3000]() mutable {
    tenths = tenths > 0 ? tenths - 1 : 3000;
    countdown->SetCaption(QStringLiteral("%1:%2.%3")
                              .arg(tenths / 600)
                              .arg(tenths / 10 % 60, 2, 10, QLatin1Char('0'))
                              .arg(tenths % 10));
  });
  down->start(100);
  grid->addWidget(Caption(QStringLiteral("Countdown (minutes, seconds, tenths)")), 6, 1);
  grid->addWidget(countdown, 7, 1, Qt::AlignTop);

  grid->setRowStretch(8, 1);
  grid->setColumnStretch(2, 1);
  return page;
}

const GalleryPage Page(90, QStringLiteral("Seven-segment"), QStringLiteral("seven_segment"), MakePage);

}  // namespace
