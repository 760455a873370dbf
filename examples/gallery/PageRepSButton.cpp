// Gallery page "Repeat buttons": TRepSpeedButton stepping a set point while
// held, arrow buttons moving a progress bar, and three speeds of repeat
// side by side with their counters.

#include "GalleryPage.h"
#include "GalleryWidgets.h"

#include <orvpanels.h>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

using namespace orv;

namespace {

// A triangle pointing left or right, on the glyph's transparent colour.
void ArrowGlyph(TRepSpeedButton* B, bool Right) {
  TBitmap glyph(12, 12);
  TCanvas* c = glyph.Canvas();
  c->Brush()->SetColor(clFuchsia);
  c->FillRect(TRect(0, 0, 12, 12));
  c->Brush()->SetColor(clBlack);
  c->Pen()->SetColor(clBlack);
  if (Right)
    c->Polygon({TPoint(3, 1), TPoint(9, 6), TPoint(3, 11)});
  else
    c->Polygon({TPoint(8, 1), TPoint(2, 6), TPoint(8, 11)});
  glyph.SetTransparentColor(clFuchsia);
  B->SetGlyph(&glyph);
}

TRepSpeedButton* Button(const QString& Caption, int W, int H) {
  auto* b = new TRepSpeedButton(nullptr);
  b->setFixedSize(W, H);
  b->SetCaption(Caption);
  return b;
}

QWidget* MakeSetPoint() {
  auto* row = new QHBoxLayout;
  row->setSpacing(4);
  auto* value = new TNumLab(nullptr);
  value->setFixedSize(260, 32);
  value->SetLeftText(QStringLiteral("Set point"));
  value->SetRightText(QStringLiteral("\u00b0C"));
  value->SetLeftSpace(70);
  value->SetLabelWidth(140);
  value->SetPrecision(1);
  value->SetValue(21.5);
  TRepSpeedButton* down = Button(QStringLiteral("\u2212"), 32, 32);
  TRepSpeedButton* up = Button(QStringLiteral("+"), 32, 32);
  const auto step = [value](double Delta) {
    value->SetValue(std::clamp(value->Value() + Delta, 5.0, 35.0));
  };
  down->OnClick = [step](TObject*) { step(-0.1); };
  down->OnRepeatClick = [step](TObject*) { step(-0.1); };
  up->OnClick = [step](TObject*) { step(0.1); };
  up->OnRepeatClick = [step](TObject*) { step(0.1); };
  row->addWidget(value);
  row->addWidget(down);
  row->addWidget(up);
  auto* note = Note(QStringLiteral("A click steps by 0.1; held, the buttons repeat after 500 ms, every 200 ms."));
  row->addSpacing(12);
  row->addWidget(note);
  row->addStretch(1);
  return Section(QStringLiteral("Set point"), row);
}

QWidget* MakePosition() {
  auto* row = new QHBoxLayout;
  row->setSpacing(4);
  auto* bar = new TProgBar(nullptr);
  bar->setFixedSize(320, 28);
  bar->SetValue(40);
  bar->SetShowColorGradient(true);
  bar->SetTextVisible(false);
  TRepSpeedButton* left = Button(QString(), 28, 28);
  TRepSpeedButton* right = Button(QString(), 28, 28);
  ArrowGlyph(left, false);
  ArrowGlyph(right, true);
  for (TRepSpeedButton* b : {left, right}) {
    b->SetStartClickInterval(300);
    b->SetRepeatClickInterval(40);
    const double delta = b == left ? -1 : 1;
    const auto move = [bar, delta](TObject*) { bar->SetValue(std::clamp(bar->Value() + delta, 0.0, 100.0)); };
    b->OnClick = move;
    b->OnRepeatClick = move;
  }
  row->addWidget(left);
  row->addWidget(bar);
  row->addWidget(right);
  auto* note = Note(QStringLiteral("Arrow glyphs; first repeat after 300 ms, then every 40 ms."));
  row->addSpacing(12);
  row->addWidget(note);
  row->addStretch(1);
  return Section(QStringLiteral("Position"), row);
}

QWidget* MakeSpeeds() {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(16);
  struct Speed { const char* Caption; int Start, Repeat; };
  const Speed speeds[] = {{"Slow: 800 / 400 ms", 800, 400}, {"Default: 500 / 200 ms", 500, 200},
                          {"Fast: 200 / 20 ms", 200, 20}};
  for (int i = 0; i < 3; ++i) {
    TRepSpeedButton* b = Button(QString::fromLatin1(speeds[i].Caption), 170, 30);
    b->SetStartClickInterval(speeds[i].Start);
    b->SetRepeatClickInterval(speeds[i].Repeat);
    auto* count = new QLabel(QStringLiteral("repeats: 0"));
    auto repeats = std::make_shared<int>(0);
    b->OnRepeatClick = [count, repeats](TObject*) { count->setText(QStringLiteral("repeats: %1").arg(++*repeats)); };
    b->OnClick = [count, repeats](TObject*) {
      count->setText(QStringLiteral("repeats: %1, then released").arg(*repeats));
      *repeats = 0;
    };
    grid->addWidget(b, 0, i);
    grid->addWidget(count, 1, i);
  }
  grid->setColumnStretch(3, 1);
  return Section(QStringLiteral("Three speeds (hold a button)"), grid);
}

QWidget* MakePage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(16, 16, 16, 16);
  layout->setSpacing(18);
  auto* intro = new QLabel(QStringLiteral(
      "TRepSpeedButton is a speed button that keeps firing OnRepeatClick while it is held, like a scroll "
      "arrow: first after StartClickInterval, then every RepeatClickInterval. Moving off the button stops it."));
  intro->setWordWrap(true);
  layout->addWidget(intro);
  layout->addWidget(MakeSetPoint());
  layout->addWidget(MakePosition());
  layout->addWidget(MakeSpeeds());
  layout->addStretch(1);
  return page;
}

const GalleryPage Page(140, QStringLiteral("Repeat buttons"), QStringLiteral("repeat_buttons"), MakePage);

}  // namespace
