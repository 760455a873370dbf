// Gallery page "Rotated labels": a caption turning around the centre, the
// three alignments at several angles, a vertical axis title beside a chart
// strip, and the opaque, disabled and transparent looks.

#include "GalleryPage.h"

#include <orvpanels.h>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>
#include <numbers>

using namespace orv;

namespace {

TRotLab* Label(const QString& Caption, int Angle, TAlignment Align, int Width, int Height) {
  auto* lab = new TRotLab(nullptr);
  lab->setFixedSize(Width, Height);
  lab->SetCaption(Caption);
  lab->SetTextAngle(Angle);
  lab->SetAlignment(Align);
  return lab;
}

QLabel* Caption(const QString& Text) {
  auto* l = new QLabel(Text);
  l->setStyleSheet(QStringLiteral("color: #404040"));
  return l;
}

// A small trend chart: the backdrop of the axis titles.
class ChartStrip : public QWidget {
public:
  ChartStrip() { setFixedSize(300, 170); }

protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), QColor(0xFA, 0xFA, 0xF4));
    p.setPen(QColor(0x90, 0x90, 0x90));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setPen(QColor(0xD0, 0xD0, 0xC8));
    for (int x = 0; x < width(); x += 30) p.drawLine(x, 0, x, height());
    for (int y = 0; y < height(); y += 30) p.drawLine(0, y, width(), y);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x20, 0x60, 0xC0), 2));
    QPointF last(0, 85);
    for (int x = 4; x < width(); x += 4) {
      const QPointF next(x, 85 - 50 * std::sin(x / 37.0) * std::exp(-x / 400.0));
      p.drawLine(last, next);
      last = next;
    }
  }
};

// A backdrop marking its centre with a small cross: the anchor of the
// transparent label laid over it.
class AnchorMark : public QWidget {
public:
  explicit AnchorMark(TRotLab* Label) {
    setFixedSize(Label->size());
    Label->setParent(this);
  }

protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setPen(QColor(0xD0, 0x30, 0x30));
    const QPoint c = rect().center() + QPoint(1, 1);
    p.drawLine(c.x() - 6, c.y(), c.x() + 6, c.y());
    p.drawLine(c.x(), c.y() - 6, c.x(), c.y() + 6);
  }
};

// A compass dial: twelve transparent labels stacked on one face, each
// anchored on a circle and turned along it.
class Dial : public QWidget {
public:
  Dial() {
    setFixedSize(200, 200);
    for (int bearing = 0; bearing < 360; bearing += 30) {
      TRotLab* lab = Label(bearing % 90 == 0 ? QString::fromLatin1(&"NESW"[bearing / 90], 1)
                                             : QString::number(bearing),
                           -bearing, taCenter, 200, 200);
      lab->setParent(this);
      lab->SetFrameStyle(bearing == 330 ? fsSunken : fsNone);
      lab->SetAutoCenter(false);
      const double a = bearing * std::numbers::pi / 180;
      lab->SetPosX(100 + int(std::lround(78 * std::sin(a))));
      lab->SetPosY(100 - int(std::lround(78 * std::cos(a))));
      lab->Font()->SetSize(bearing % 90 == 0 ? 12 : 9);
      lab->Font()->SetStyle(bearing % 90 == 0 ? TFontStyles{fsBold} : TFontStyles{});
      lab->Font()->SetColor(bearing == 0 ? clMaroon : clBlack);
    }
  }

protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(0xF6, 0xF2, 0xE6));
    p.setPen(QPen(QColor(0xA0, 0x98, 0x80), 1));
    p.drawEllipse(QPointF(100, 100), 94, 94);
    p.drawEllipse(QPointF(100, 100), 62, 62);
    for (int deg = 0; deg < 360; deg += 10) {
      const double a = deg * std::numbers::pi / 180;
      const double inner = deg % 30 == 0 ? 56 : 59;
      p.drawLine(QPointF(100 + inner * std::sin(a), 100 - inner * std::cos(a)),
                 QPointF(100 + 62 * std::sin(a), 100 - 62 * std::cos(a)));
    }
  }
};

QWidget* MakePage() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  grid->setContentsMargins(16, 16, 16, 16);
  grid->setHorizontalSpacing(20);
  grid->setVerticalSpacing(4);

  // A caption turning about the centre, on an opaque face.
  TRotLab* spinner = Label(QStringLiteral("ORV panels"), 0, taCenter, 170, 170);
  spinner->SetTransparent(false);
  spinner->SetColor(0x302010);
  spinner->Font()->SetColor(0x80E0FF);
  spinner->Font()->SetSize(14);
  spinner->Font()->SetStyle({fsBold});
  auto* turn = new QTimer(spinner);
  QObject::connect(turn, &QTimer::timeout, spinner, [spinner] { spinner->SetTextAngle((spinner->TextAngle() + 3) % 360); });
  turn->start(40);
  grid->addWidget(Caption(QStringLiteral("Turning about the centre")), 0, 0);
  grid->addWidget(spinner, 1, 0);

  // The three alignments: the anchor is the left end, the middle or the right end.
  auto* aligns = new QWidget;
  auto* alignsRow = new QHBoxLayout(aligns);
  alignsRow->setContentsMargins(0, 0, 0, 0);
  alignsRow->setSpacing(8);
  const struct {
    const char* Text;
    int Angle;
    TAlignment Align;
  } anchored[] = {{"left end", 30, taLeftJustify}, {"middle", -30, taCenter}, {"right end", 60, taRightJustify}};
  for (const auto& a : anchored) {
    TRotLab* lab = Label(QString::fromLatin1(a.Text), a.Angle, a.Align, 150, 150);
    lab->Font()->SetColor(clNavy);
    alignsRow->addWidget(new AnchorMark(lab));
  }
  alignsRow->addStretch(1);
  grid->addWidget(Caption(QStringLiteral("The anchor (red cross) holds the left end at 30\u00b0, the middle at "
                                         "-30\u00b0, the right end at 60\u00b0")),
                  0, 1);
  grid->addWidget(aligns, 1, 1);

  // Axis titles: transparent labels over a chart strip.
  auto* chart = new ChartStrip;
  TRotLab* yTitle = Label(QStringLiteral("Pressure [bar]"), 90, taCenter, 30, 170);
  yTitle->setParent(chart);
  yTitle->SetFrameStyle(fsNone);
  yTitle->Font()->SetSize(10);
  TRotLab* note = Label(QStringLiteral("damped response"), 15, taLeftJustify, 270, 170);
  note->setParent(chart);
  note->move(30, 0);
  note->SetFrameStyle(fsNone);
  note->SetAutoCenter(false);
  note->SetPosX(130);
  note->SetPosY(50);
  note->Font()->SetColor(0x2060C0);
  note->Font()->SetStyle({fsItalic});
  grid->addWidget(Caption(QStringLiteral("Transparent over a chart: axis title at 90\u00b0")), 2, 0);
  grid->addWidget(chart, 3, 0);

  // Disabled (engraved), opaque upside down, and without antialiasing.
  auto* looks = new QWidget;
  auto* looksRow = new QHBoxLayout(looks);
  looksRow->setContentsMargins(0, 0, 0, 0);
  looksRow->setSpacing(8);
  TRotLab* disabled = Label(QStringLiteral("Disabled"), 45, taCenter, 150, 150);
  disabled->SetEnabled(false);
  TRotLab* upside = Label(QStringLiteral("Upside down"), 180, taCenter, 150, 150);
  upside->SetTransparent(false);
  upside->SetColor(clWhite);
  upside->SetFrameStyle(fsRaised);
  TRotLab* jagged = Label(QStringLiteral("No antialiasing"), -60, taCenter, 150, 150);
  jagged->SetAntiAlias(false);
  jagged->SetFrameStyle(fsEtched);
  looksRow->addWidget(disabled);
  looksRow->addWidget(upside);
  looksRow->addWidget(jagged);
  looksRow->addStretch(1);
  grid->addWidget(Caption(QStringLiteral("Disabled, opaque at 180\u00b0, without antialiasing")), 2, 1);
  grid->addWidget(looks, 3, 1, Qt::AlignTop);

  grid->addWidget(Caption(QStringLiteral("Twelve labels on one dial, each turned along the circle")), 4, 0);
  grid->addWidget(new Dial, 5, 0);

  // Fonts and sizes.
  auto* fonts = new QWidget;
  auto* fontsRow = new QHBoxLayout(fonts);
  fontsRow->setContentsMargins(0, 0, 0, 0);
  fontsRow->setSpacing(8);
  TRotLab* serif = Label(QStringLiteral("Serif 20"), 10, taCenter, 230, 150);
  serif->Font()->SetName(QStringLiteral("DejaVu Serif"));
  serif->Font()->SetSize(20);
  serif->Font()->SetStyle({fsItalic});
  serif->Font()->SetColor(clMaroon);
  TRotLab* mono = Label(QStringLiteral("mono -> 75\u00b0"), 75, taCenter, 150, 150);
  mono->Font()->SetName(QStringLiteral("DejaVu Sans Mono"));
  mono->Font()->SetColor(clTeal);
  fontsRow->addWidget(serif);
  fontsRow->addWidget(mono);
  fontsRow->addStretch(1);
  grid->addWidget(Caption(QStringLiteral("Any font of the label")), 4, 1);
  grid->addWidget(fonts, 5, 1, Qt::AlignTop);

  grid->setRowStretch(6, 1);
  grid->setColumnStretch(2, 1);
  return page;
}

const GalleryPage Page(100, QStringLiteral("Rotated labels"), QStringLiteral("rotated_labels"), MakePage);

}  // namespace
