#pragma once
// Main for the benchmarks: a QApplication on the offscreen platform with
// DejaVu Sans 9 pt (the same as the tests), then Google Benchmark.
#include <QApplication>
#include <QFont>
#include <benchmark/benchmark.h>

#define ORV_BENCHMARK_MAIN()                                   \
  int main(int argc, char** argv) {                            \
    qputenv("QT_QPA_PLATFORM", "offscreen");                   \
    QApplication app(argc, argv);                              \
    QFont font(QStringLiteral("DejaVu Sans"));                 \
    font.setPointSize(9);                                      \
    QApplication::setFont(font);                               \
    ::benchmark::Initialize(&argc, argv);                      \
    ::benchmark::RunSpecifiedBenchmarks();                     \
    ::benchmark::Shutdown();                                   \
    return 0;                                                  \
  }
