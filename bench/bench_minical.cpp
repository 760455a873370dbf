// The mini calendar against QCalendarWidget at 250 x 200: a month rendered
// as a paint event would, and a month step followed by a render.

#include "bench_main.h"

#include <ORV_MiniCal.h>

#include <QCalendarWidget>
#include <QImage>

#include <memory>

using namespace orv;

namespace {

constexpr int kWidth = 250, kHeight = 200;

// A widget shown off screen at the benchmark size, and an image to render it into.
template <class W>
struct Shown {
  explicit Shown(W* Widget) : Widget(Widget), Target(kWidth, kHeight, QImage::Format_RGB32) {
    Widget->setAttribute(Qt::WA_DontShowOnScreen);
    Widget->resize(kWidth, kHeight);
    Widget->show();
    QApplication::processEvents();
    Widget->render(&Target);
  }
  void Render() { Widget->render(&Target); }
  std::unique_ptr<W> Widget;
  QImage Target;
};

TMiniCal* NewMiniCal() {
  auto* cal = new TMiniCal(nullptr);
  cal->SetDate(EncodeDate(2024, 5, 15));  // a month with movable feasts
  return cal;
}

QCalendarWidget* NewCalendarWidget() {
  auto* cal = new QCalendarWidget;
  cal->setSelectedDate(QDate(2024, 5, 15));
  return cal;
}

void BM_TMiniCal_Paint(benchmark::State& State) {
  Shown<TMiniCal> s(NewMiniCal());
  for (auto _ : State) {
    s.Widget->Invalidate();
    s.Render();
  }
}

void BM_QCalendarWidget_Paint(benchmark::State& State) {
  Shown<QCalendarWidget> s(NewCalendarWidget());
  for (auto _ : State) {
    s.Widget->update();
    s.Render();
  }
}

void BM_TMiniCal_MonthStep(benchmark::State& State) {
  Shown<TMiniCal> s(NewMiniCal());
  int step = 1;
  for (auto _ : State) {
    if (step > 0) s.Widget->NextMonth();
    else s.Widget->PrevMonth();
    step = -step;
    s.Render();
  }
}

void BM_QCalendarWidget_MonthStep(benchmark::State& State) {
  Shown<QCalendarWidget> s(NewCalendarWidget());
  int step = 1;
  for (auto _ : State) {
    if (step > 0) s.Widget->showNextMonth();
    else s.Widget->showPreviousMonth();
    step = -step;
    s.Render();
  }
}

}  // namespace

BENCHMARK(BM_TMiniCal_Paint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QCalendarWidget_Paint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TMiniCal_MonthStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QCalendarWidget_MonthStep)->Unit(benchmark::kMicrosecond);

ORV_BENCHMARK_MAIN();
