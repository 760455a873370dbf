// Gallery page "Thumbnails": TThumbnails browsing 300 generated pictures
// (landscapes, tiles and portraits of varied shapes) drawn on request, with a
// scroll bar, the mouse wheel, multiple selection, marks on favourites and
// placeholders for pictures that are "still loading"; beside it a compact
// strip in single-selection mode with the default look.

#include "GalleryPage.h"

#include <orvpanels.h>

#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QVBoxLayout>

#include <cmath>
#include <map>

using namespace orv;

namespace {

constexpr int kPictures = 300;
constexpr int kLoaded = 288;  // the last twelve show placeholders

unsigned Mix(unsigned N, unsigned Salt) {
  unsigned x = N * 2654435761u ^ Salt * 40503u;
  x ^= x >> 15;
  x *= 2246822519u;
  return x ^ (x >> 13);
}

QColor Hue(unsigned N, unsigned Salt, int S, int V) { return QColor::fromHsv(int(Mix(N, Salt) % 360), S, V); }

// Hills under a sky with a sun: a wide picture.
void Landscape(QPainter& p, unsigned n, int w, int h) {
  QLinearGradient sky(0, 0, 0, h);
  sky.setColorAt(0, Hue(n, 1, 120, 250));
  sky.setColorAt(1, Hue(n, 2, 60, 255));
  p.fillRect(0, 0, w, h, sky);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 226, 120));
  p.drawEllipse(QPointF(w * (0.2 + (Mix(n, 3) % 60) / 100.0), h * 0.28), h * 0.12, h * 0.12);
  for (int layer = 0; layer < 3; ++layer) {
    QPainterPath hill(QPointF(0, h));
    for (int x = 0; x <= w; x += 4) {
      const double y = h * (0.55 + 0.12 * layer) +
                       h * 0.08 * std::sin(x * (0.02 + 0.01 * layer) + Mix(n, 4 + layer) % 100);
      hill.lineTo(x, y);
    }
    hill.lineTo(w, h);
    p.setBrush(Hue(n, 7, 150, 170 - 40 * layer).darker(100 + 25 * layer));
    p.drawPath(hill);
  }
}

// Overlapping translucent tiles: a square picture.
void Tiles(QPainter& p, unsigned n, int w, int h) {
  p.fillRect(0, 0, w, h, Hue(n, 11, 40, 245));
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 14; ++i) {
    QColor c = Hue(n + i, 12, 190, 230);
    c.setAlpha(150);
    p.setBrush(c);
    const int x = int(Mix(n, 20 + i) % unsigned(w)), y = int(Mix(n, 40 + i) % unsigned(h));
    const int s = 12 + int(Mix(n, 60 + i) % 40);
    if (i % 3 == 0)
      p.drawEllipse(QPoint(x, y), s, s);
    else
      p.drawRect(x - s, y - s / 2, 2 * s, s);
  }
}

// A tall figure on a plain backdrop: an upright picture.
void Portrait(QPainter& p, unsigned n, int w, int h) {
  QLinearGradient back(0, 0, w, h);
  back.setColorAt(0, Hue(n, 31, 70, 200));
  back.setColorAt(1, Hue(n, 31, 90, 120));
  p.fillRect(0, 0, w, h, back);
  p.setPen(Qt::NoPen);
  p.setBrush(Hue(n, 32, 160, 200));
  p.drawRoundedRect(QRectF(w * 0.2, h * 0.45, w * 0.6, h * 0.6), 20, 20);
  p.setBrush(QColor(240, 205, 170));
  p.drawEllipse(QPointF(w * 0.5, h * 0.32), w * 0.2, w * 0.2);
}

// Picture N, drawn once and kept.
const QImage& Picture(int N) {
  static std::map<int, QImage> cache;
  auto it = cache.find(N);
  if (it != cache.end()) return it->second;
  const unsigned n = unsigned(N);
  const int kind = int(Mix(n, 0) % 3);
  const QSize size = kind == 0 ? QSize(240, 150) : kind == 1 ? QSize(180, 180) : QSize(140, 210);
  QImage img(size, QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  if (kind == 0)
    Landscape(p, n, size.width(), size.height());
  else if (kind == 1)
    Tiles(p, n, size.width(), size.height());
  else
    Portrait(p, n, size.width(), size.height());
  p.setPen(QColor(255, 255, 255, 200));
  QFont f = p.font();
  f.setPixelSize(18);
  f.setBold(true);
  p.setFont(f);
  p.drawText(QRect(0, 0, size.width() - 8, size.height() - 6), Qt::AlignRight | Qt::AlignBottom, QString::number(N));
  p.end();
  return cache.emplace(N, img).first->second;
}

// Every picture in its buffer; favourites get a star, the last ones are still loading.
void RequestPicture(TObject*, int Id, TImageRequestProcessing& How, int& Mark, TBitmap*& Buffer) {
  if (Id > kLoaded) return;  // the placeholder with the number
  Buffer->SetImage(Picture(Id));
  How = irpShowSlide;
  if (Mix(unsigned(Id), 99) % 9 == 0) Mark = 47;
}

QWidget* MakeBrowser(QLabel* Status) {
  auto* box = new QWidget;
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  auto* th = new TThumbnails(nullptr);
  th->SetBounds(0, 0, 600, 520);
  th->setFixedSize(600, 520);
  th->SetMax(kPictures);
  th->SetAntiAlias(true);
  th->SetSlideSelectMode(ssmMultiple);
  th->SetFocusLinewidth(2);
  th->SetColorBackGnd(RGB(58, 62, 68));
  th->SetColorCover(RGB(92, 98, 106));
  th->SetColorSelected(RGB(40, 110, 200));
  th->SetColorFocus(RGB(255, 200, 60));
  th->SetColorMark(RGB(255, 220, 0));
  th->OnImageRequest = RequestPicture;
  auto* bar = new QScrollBar(Qt::Vertical);
  const int perRow = th->SlidesPerRow();
  bar->setRange(1, kPictures);
  bar->setSingleStep(perRow);
  bar->setPageStep(perRow * 3);
  QObject::connect(bar, &QScrollBar::valueChanged, th, [th](int v) { th->SetFirstThumbIx(v); });
  // The bar follows scrolling by the wheel: every paint starts with a request round.
  th->OnFirstImageRequest = [th, bar](TObject*) {
    const double f = th->FirstThumbIx(), c = std::trunc(f);
    const QSignalBlocker block(bar);
    bar->setValue(int(std::lround(c + (f - c) * th->SlidesPerRow())));
  };
  auto report = [th, Status] {
    Status->setText(QStringLiteral("%1 selected (first: %2)  \u2022  under the pointer: %3")
                        .arg(th->NumSlidesSelected())
                        .arg(th->NumSlidesSelected() ? QString::number(th->FirstSelectedSlide()) : QStringLiteral("-"))
                        .arg(th->FocusedSlide() ? QString::number(th->FocusedSlide()) : QStringLiteral("-")));
  };
  th->OnImageClick = [report](TObject*, int, int, int) { report(); };
  th->OnFocusChange = [report](TObject*) { report(); };
  for (int s : {5, 6, 7, 13}) th->SetSelectedSlide(s, true);
  th->SetFirstThumbIx(5);
  report();
  row->addWidget(th);
  row->addWidget(bar);
  return box;
}

QWidget* MakeStrip() {
  auto* th = new TThumbnails(nullptr);
  th->SetBounds(0, 0, 170, 520);
  th->setFixedSize(170, 520);
  th->SetSlideSize(130);
  th->SetSlideMargin(5);
  th->SetMax(kLoaded - 40);
  th->OnImageRequest = [](TObject* S, int Id, TImageRequestProcessing& How, int& Mark, TBitmap*& Buffer) {
    RequestPicture(S, Id + 40, How, Mark, Buffer);
  };
  th->SetSelectedSlide(2, true);
  return th;
}

QWidget* MakePage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(16, 16, 16, 16);
  layout->setSpacing(10);
  auto* intro = new QLabel(QStringLiteral(
      "TThumbnails asks the application for each visible slide's picture and scales it into the slide keeping its "
      "shape. Left: 300 pictures, smooth scaling, click to toggle and Shift+click for a range, wheel or scroll bar "
      "to browse; stars mark favourites, the last twelve are still loading. Right: the default look, one selection, "
      "a later part of the same set."));
  intro->setWordWrap(true);
  layout->addWidget(intro);
  auto* status = new QLabel;
  auto* row = new QHBoxLayout;
  row->setSpacing(24);
  row->addWidget(MakeBrowser(status));
  row->addWidget(MakeStrip());
  row->addStretch(1);
  layout->addLayout(row);
  layout->addWidget(status);
  layout->addStretch(1);
  return page;
}

const GalleryPage Page(160, QStringLiteral("Thumbnails"), QStringLiteral("thumbnails"), MakePage);

}  // namespace
