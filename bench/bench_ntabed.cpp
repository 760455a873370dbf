// TNTabEd on a 1,000 x 1,000 table of numbers against QTableView over a
// QStandardItemModel holding the same numbers as texts: painting a
// 1280 x 800 viewport, copying the whole table to the clipboard, extracting
// 100,000 numbers from clipboard text, sorting the 1,000 rows by one
// column, and the heap bytes per cell of the editor's table.
#include "bench_main.h"

#include <ORV_ntabed.h>

#include <QImage>
#include <QStandardItemModel>
#include <QTableView>

#include <malloc.h>

#include <memory>

using namespace orv;

namespace {

constexpr int kSize = 1000;
constexpr int kWidth = 1280, kHeight = 800;

double Value(int Col, int Row) {
  unsigned x = unsigned(Row) * 2654435761u ^ unsigned(Col) * 40503u;
  x ^= x >> 15;
  x *= 2246822519u;
  x ^= x >> 13;
  return (x % 2000000) / 1000.0 - 300.0;
}

// Heap bytes in use, large blocks (mapped on their own) included.
std::size_t HeapInUse() {
  const struct mallinfo2 m = mallinfo2();
  return m.uordblks + m.hblkhd;
}

struct Tables {
  std::unique_ptr<TNTabEd> Editor;
  QStandardItemModel Model;
  QTableView View;
  double BytesPerCell = 0;
};

std::unique_ptr<Tables> tables;
void FreeTables() { tables.reset(); }

Tables& Get() {
  if (tables) return *tables;
  qAddPostRoutine(FreeTables);
  tables = std::make_unique<Tables>();
  Tables& t = *tables;
  t.Editor = std::make_unique<TNTabEd>(nullptr);
  TNTabEd* e = t.Editor.get();
  const std::size_t before = HeapInUse();
  e->Redimension(kSize, kSize);
  t.BytesPerCell = double(HeapInUse() - before) / (double(kSize) * kSize);
  TMatrix& m = e->Data->Elements();
  for (int c = 1; c <= kSize; ++c)
    for (int r = 1; r <= kSize; ++r) m.SetVal(c, r, Value(c, r));
  e->resize(kWidth, kHeight);
  e->show();

  t.Model.setRowCount(kSize);
  t.Model.setColumnCount(kSize);
  for (int r = 0; r < kSize; ++r)
    for (int c = 0; c < kSize; ++c)
      t.Model.setItem(r, c, new QStandardItem(NTabValueText(Value(c + 1, r + 1), 1, 3)));
  t.View.setModel(&t.Model);
  for (int c = 0; c < kSize; ++c) t.View.setColumnWidth(c, e->DefaultColWidth());
  t.View.resize(kWidth, kHeight);
  t.View.show();
  QApplication::processEvents();
  return t;
}

void BM_NTabEdPaint(benchmark::State& State) {
  TNTabEd* e = Get().Editor.get();
  for (auto _ : State) {
    e->Paint();
    e->Canvas()->Flush();
  }
  State.counters["bytes_per_cell"] = Get().BytesPerCell;
}

void BM_QTableViewNumbersPaint(benchmark::State& State) {
  Tables& t = Get();
  QImage img(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
  t.View.render(&img);  // warm-up: layout and glyph caches
  for (auto _ : State) t.View.render(&img);
}

void BM_NTabEdCopyAll(benchmark::State& State) {
  TNTabEd* e = Get().Editor.get();
  e->SetClipboardUseFullPrec(State.range(0) != 0);
  e->PopupMenuClickSelAll(nullptr);
  for (auto _ : State) e->PopupMenuClickCopy(nullptr);
  State.counters["chars"] = double(Clipboard()->AsText().size());
  e->SetSelection(TGridRect(2, 1, 2, 1));
}

// 100,000 numbers: 100 lines of 1,000 full-precision numbers, as the copy command writes them.
void BM_NTabEdExtract100k(benchmark::State& State) {
  TNTabEd* e = Get().Editor.get();
  e->SetClipboardUseFullPrec(true);
  e->SetSelection(TGridRect(2, 1, kSize + 1, 100));
  e->PopupMenuClickCopy(nullptr);
  e->SetSelection(TGridRect(2, 101, 2, 101));
  for (auto _ : State) e->PopupMenuClickExtClip(nullptr);
  State.counters["numbers"] = double(e->DataSelection().Right) * double(e->DataSelection().Bottom - 100);
  e->SetSelection(TGridRect(2, 1, 2, 1));
}

// The scanner alone on the same text, without the clipboard.
void BM_ScanClipNumbers100k(benchmark::State& State) {
  QString text;
  for (int j = 1; j <= 100; ++j) {
    for (int i = 1; i <= kSize; ++i) text += (i == 1 ? u' ' : u'\t') + NTabClipText(Value(i, j), true, 3);
    text += QStringLiteral("\r\n");
  }
  int n = 0;
  for (auto _ : State) {
    n = 0;
    ScanClipNumbers(text, false, [&](int, int, double) { ++n; }, nullptr);
  }
  State.counters["numbers"] = n;
}

void BM_NTabEdSortRows(benchmark::State& State) {
  TNTabEd* e = Get().Editor.get();
  bool ascending = true;
  for (auto _ : State) {
    e->SortRows(1, ascending, 1, 1, kSize, kSize, true);
    ascending = !ascending;
  }
}

}  // namespace

BENCHMARK(BM_NTabEdPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QTableViewNumbersPaint)->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NTabEdCopyAll)->Arg(1)->Arg(0)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NTabEdExtract100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanClipNumbers100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NTabEdSortRows)->Unit(benchmark::kMillisecond);

ORV_BENCHMARK_MAIN();
