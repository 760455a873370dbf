// Paint cost of TRasterLab, TProgBar and TGradFill at their default sizes
// and at 800 x 200, and value updates per second of TProgBar, side by side
// with QProgressBar at the same sizes and values, and TRasterLab beside
// QLCDNumber.
//
// "Paint" calls the control's Paint() into its surface; "Render" invalidates
// and renders the widget into an image, the way a paint event reaches the
// screen, which is also how QProgressBar is measured. "Update" sets a new
// value and renders it.
#include "bench_main.h"

#include <orvpanels.h>

#include <QImage>
#include <QLCDNumber>
#include <QProgressBar>

#include <memory>

using namespace orv;

namespace {

// A control made visible on a hidden parent: it paints without a window.
template <class C>
struct Hosted {
  Hosted(int W, int H) : Host(std::make_unique<QWidget>()), Control(new C(nullptr)), Image(W, H, QImage::Format_RGB32) {
    Control->SetParent(Host.get());
    Control->SetBounds(0, 0, W, H);
    Control->show();
  }
  std::unique_ptr<QWidget> Host;
  C* Control;
  QImage Image;
};

int W(const benchmark::State& s) { return int(s.range(0)); }
int H(const benchmark::State& s) { return int(s.range(1)); }

template <class C>
void Configure(C*) {}

void Configure(TRasterLab* Lab) { Lab->SetText(QStringLiteral("Line 3  dep. 08:45  B12")); }

template <class C>
void Paint(benchmark::State& state) {
  Hosted<C> h(W(state), H(state));
  Configure(h.Control);
  for (auto _ : state) h.Control->Paint();
}

template <class C>
void Render(benchmark::State& state) {
  Hosted<C> h(W(state), H(state));
  Configure(h.Control);
  for (auto _ : state) {
    h.Control->Invalidate();
    h.Control->render(&h.Image);
  }
}

void ProgBarGradientRender(benchmark::State& state) {
  Hosted<TProgBar> h(W(state), H(state));
  h.Control->SetShowColorGradient(true);
  h.Control->SetValue(75);
  for (auto _ : state) {
    h.Control->Invalidate();
    h.Control->render(&h.Image);
  }
}

void ProgBarUpdate(benchmark::State& state) {
  Hosted<TProgBar> h(W(state), H(state));
  int v = 0;
  for (auto _ : state) {
    h.Control->SetValue(v);
    h.Control->render(&h.Image);
    v = (v + 1) % 101;
  }
  state.SetItemsProcessed(state.iterations());
}

// QProgressBar with the same range, value and visible text as TProgBar's defaults.
std::unique_ptr<QProgressBar> MakeQProgressBar(int Width, int Height) {
  auto bar = std::make_unique<QProgressBar>();
  bar->setRange(0, 100);
  bar->setValue(10);
  bar->setTextVisible(true);
  bar->resize(Width, Height);
  bar->ensurePolished();
  return bar;
}

void QProgressBarRender(benchmark::State& state) {
  auto bar = MakeQProgressBar(W(state), H(state));
  QImage image(W(state), H(state), QImage::Format_RGB32);
  for (auto _ : state) bar->render(&image);
}

void QProgressBarUpdate(benchmark::State& state) {
  auto bar = MakeQProgressBar(W(state), H(state));
  QImage image(W(state), H(state), QImage::Format_RGB32);
  int v = 0;
  for (auto _ : state) {
    bar->setValue(v);
    bar->render(&image);
    v = (v + 1) % 101;
  }
  state.SetItemsProcessed(state.iterations());
}

// The dot-matrix label's Qt counterpart: QLCDNumber showing a text of the
// same kind at the same size.
void QLCDNumberRender(benchmark::State& state) {
  QLCDNumber lcd(12);
  lcd.setSegmentStyle(QLCDNumber::Filled);
  lcd.display(QStringLiteral("08.45 b12"));
  lcd.resize(W(state), H(state));
  lcd.ensurePolished();
  QImage image(W(state), H(state), QImage::Format_RGB32);
  for (auto _ : state) lcd.render(&image);
}

}  // namespace

BENCHMARK(Paint<TRasterLab>)->Name("TRasterLab/Paint")->Args({400, 68})->Args({800, 200});
BENCHMARK(Render<TRasterLab>)->Name("TRasterLab/Render")->Args({400, 68})->Args({800, 200});
BENCHMARK(QLCDNumberRender)->Name("QLCDNumber/Render")->Args({400, 68})->Args({800, 200});
BENCHMARK(Paint<TGradFill>)->Name("TGradFill/Paint")->Args({121, 121})->Args({800, 200});
BENCHMARK(Render<TGradFill>)->Name("TGradFill/Render")->Args({121, 121})->Args({800, 200});
BENCHMARK(Paint<TProgBar>)->Name("TProgBar/Paint")->Args({300, 28})->Args({800, 200});
BENCHMARK(Render<TProgBar>)->Name("TProgBar/Render")->Args({300, 28})->Args({800, 200});
BENCHMARK(ProgBarGradientRender)->Name("TProgBar/RenderGradient")->Args({300, 28})->Args({800, 200});
BENCHMARK(QProgressBarRender)->Name("QProgressBar/Render")->Args({300, 28})->Args({800, 200});
BENCHMARK(ProgBarUpdate)->Name("TProgBar/Update")->Args({300, 28})->Args({800, 200});
BENCHMARK(QProgressBarUpdate)->Name("QProgressBar/Update")->Args({300, 28})->Args({800, 200});

ORV_BENCHMARK_MAIN();
