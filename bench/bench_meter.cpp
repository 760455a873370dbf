// Paint cost of TMeter beside QDial at the meter's default size, 297 x 209,
// in one run.
//
// The meter shows a scale with labels and short ticks, background bands and
// a needle. "Render" invalidates and renders the widget into an image, the
// way a paint event reaches the screen (the static parts come from the
// cache); "FullPaint" changes the dial colour first, so the cache is drawn
// again: what a property change or the first paint costs. "Update" sets a
// new value and renders it: what following a live signal costs. QDial shows
// notches and renders the same way; its "Update" sets a new value.
#include "bench_main.h"

#include <orvpanels.h>

#include <QDial>
#include <QImage>

#include <memory>

using namespace orv;

namespace {

constexpr int W = 297, H = 209;

struct Meter {
  Meter() : Host(std::make_unique<QWidget>()), Control(new TMeter(nullptr)), Image(W, H, QImage::Format_RGB32) {
    Control->SetParent(Host.get());
    Control->SetBounds(0, 0, W, H);
    Control->show();
    Control->SetMeterNrTicks(10);
    Control->SetThresholdLow(0.2);
    Control->SetThresholdHigh(0.8);
    Control->SetScaleBkVisible(true);
    Control->SetScaleBkWidth(10);
    Control->SetCaption(QStringLiteral("mA"));
    Control->SetValue(0.5);
  }
  void Render() {
    Control->Invalidate();
    Control->render(&Image);
  }
  std::unique_ptr<QWidget> Host;
  TMeter* Control;
  QImage Image;
};

void MeterRender(benchmark::State& state) {
  Meter m;
  for (auto _ : state) m.Render();
}

void MeterFullPaint(benchmark::State& state) {
  Meter m;
  int i = 0;
  for (auto _ : state) {
    m.Control->SetColorBakG(++i % 2 ? RGB(255, 255, 254) : clWhite);
    m.Control->render(&m.Image);
  }
}

void MeterUpdate(benchmark::State& state) {
  Meter m;
  int i = 0;
  for (auto _ : state) {
    m.Control->SetValue((i++ % 100) / 100.0);
    m.Control->render(&m.Image);
  }
  state.SetItemsProcessed(state.iterations());
}

std::unique_ptr<QDial> MakeDial() {
  auto dial = std::make_unique<QDial>();
  dial->setRange(0, 100);
  dial->setNotchesVisible(true);
  dial->setValue(50);
  dial->resize(W, H);
  dial->ensurePolished();
  return dial;
}

void DialRender(benchmark::State& state) {
  auto dial = MakeDial();
  QImage image(W, H, QImage::Format_RGB32);
  for (auto _ : state) dial->render(&image);
}

void DialUpdate(benchmark::State& state) {
  auto dial = MakeDial();
  QImage image(W, H, QImage::Format_RGB32);
  int i = 0;
  for (auto _ : state) {
    dial->setValue(i++ % 100);
    dial->render(&image);
  }
  state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK(DialRender)->Name("QDial/Render");
BENCHMARK(DialUpdate)->Name("QDial/Update");
BENCHMARK(MeterFullPaint)->Name("TMeter/FullPaint");
BENCHMARK(MeterRender)->Name("TMeter/Render");
BENCHMARK(MeterUpdate)->Name("TMeter/Update");

ORV_BENCHMARK_MAIN();
