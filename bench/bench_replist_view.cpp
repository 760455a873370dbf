// TReportListView against QTableView over a QStandardItemModel (with a
// QSortFilterProxyModel for sorting), on the same generated table: painting a
// 1280 x 800 viewport at the top, middle and end, a header-click sort, and
// FilterAndSort in each filter mode.
#include "bench_main.h"

#include <ORV_replist.h>

#include <QHeaderView>
#include <QImage>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>

#include <map>
#include <memory>

using namespace orv;

namespace {

constexpr int kCols = 5;
constexpr int kWidth = 1280, kHeight = 800;
const char* const kNames[] = {"Adler", "Becker", "Costa", "Dvorak", "Engel", "Fischer", "Garcia", "Hoffmann",
                              "Jensen", "Keller", "Meyer", "Novak", "Petrov", "Richter", "Weber", "Young"};
const char* const kCities[] = {"Berlin", "Hamburg", "Munich", "Vienna", "Zurich", "Prague", "Lyon", "Milan"};

unsigned Mix(unsigned Row, unsigned Salt) {
  unsigned x = Row * 2654435761u ^ Salt * 40503u;
  x ^= x >> 15;
  x *= 2246822519u;
  return x ^ (x >> 13);
}

QString Text(int Col, int Row) {
  const unsigned u = unsigned(Row);
  switch (Col) {
    case 1: return QString::fromLatin1(kNames[Mix(u, 1) % 16]) + QStringLiteral(" %1").arg(Mix(u, 7) % 1000);
    case 2: return QString::number((int(Mix(u, 2) % 2000000) - 300000) / 100.0, 'f', 2);
    case 3: return QStringLiteral("2023-%1-%2").arg(1 + Mix(u, 3) % 12, 2, 10, QChar(u'0')).arg(1 + Mix(u, 4) % 28, 2, 10, QChar(u'0'));
    case 4: return QString::fromLatin1(kCities[Mix(u, 5) % 8]);
    default: return Mix(u, 6) % 3 ? QStringLiteral("yes") : QStringLiteral("no");
  }
}

struct QtPair {
  QStandardItemModel Model;
  QSortFilterProxyModel Proxy;
  QTableView Table;
};

// The tables, built once per size; freed while the application still exists.
std::map<int, std::unique_ptr<TReportListView>> views;
std::map<int, std::unique_ptr<QtPair>> pairs;
void FreeTables() {
  views.clear();
  pairs.clear();
}
void RegisterCleanup() {
  static const bool registered = (qAddPostRoutine(FreeTables), true);
  (void)registered;
}

TReportListView* View(int Rows) {
  RegisterCleanup();
  auto& v = views[Rows];
  if (!v) {
    v = std::make_unique<TReportListView>(nullptr);
    v->SetNrCols(kCols);
    v->SetNrRows(Rows);
    for (int r = 1; r <= Rows; ++r)
      for (int c = 1; c <= kCols; ++c) v->SetElem(c, r, Text(c, r));
    v->SetColumnCheckMode(5, cmBox);
    for (int c = 1; c <= kCols; ++c) v->SetColWidths(c, 240);
    v->SetColumnAlignment(2, taRightJustify);
    v->resize(kWidth, kHeight);
    v->show();
    QApplication::processEvents();
  }
  return v.get();
}

QtPair* QtTable(int Rows) {
  RegisterCleanup();
  auto& p = pairs[Rows];
  if (!p) {
    p = std::make_unique<QtPair>();
    p->Model.setRowCount(Rows);
    p->Model.setColumnCount(kCols);
    for (int r = 0; r < Rows; ++r)
      for (int c = 0; c < kCols; ++c) p->Model.setItem(r, c, new QStandardItem(Text(c + 1, r + 1)));
    p->Proxy.setSourceModel(&p->Model);
    p->Table.setModel(&p->Proxy);
    for (int c = 0; c < kCols; ++c) p->Table.setColumnWidth(c, 240);
    p->Table.resize(kWidth, kHeight);
    p->Table.show();
    QApplication::processEvents();
  }
  return p.get();
}

// Where the view is scrolled to: 0 top, 1 middle, 2 end.
int TopFor(int Where, int Rows) { return Where == 0 ? 1 : Where == 1 ? Rows / 2 : Rows; }

void BM_ViewPaint(benchmark::State& State) {
  const int rows = int(State.range(0));
  TReportListView* v = View(rows);
  v->SetTopRow(TopFor(int(State.range(1)), rows));
  for (auto _ : State) {
    v->Paint();
    v->Canvas()->Flush();
  }
}

void BM_QTableViewPaint(benchmark::State& State) {
  const int rows = int(State.range(0));
  QtPair* p = QtTable(rows);
  if (const int where = int(State.range(1)); where == 2)
    p->Table.scrollToBottom();
  else
    p->Table.scrollTo(p->Proxy.index(TopFor(where, rows) - 1, 0), QAbstractItemView::PositionAtTop);
  QImage img(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
  p->Table.render(&img);  // warm-up: layout and glyph caches
  for (auto _ : State) p->Table.render(&img);
}

void BM_ViewHeaderSort(benchmark::State& State) {
  TReportListView* v = View(int(State.range(0)));
  v->SetTopRow(1);
  const TRect h = v->CellRect(1, v->ColumnHeaderGridRow());
  for (auto _ : State) v->MouseDown(mbLeft, {}, (h.Left + h.Right) / 2, (h.Top + h.Bottom) / 2);
  v->UnSort();
}

void BM_QtHeaderSort(benchmark::State& State) {
  QtPair* p = QtTable(int(State.range(0)));
  Qt::SortOrder order = Qt::AscendingOrder;
  for (auto _ : State) {
    p->Table.sortByColumn(1, order);
    order = order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
  }
}

void BM_ViewFilter(benchmark::State& State) {
  TReportListView* v = View(int(State.range(0)));
  const TFilterMode mode = TFilterMode(State.range(1));
  const QString exp = mode == fmSimple    ? QStringLiteral("ler 1")
                      : mode == fmBoolean ? QStringLiteral("(Keller OR Meyer) AND NOT Vienna")
                                          : QStringLiteral("^[A-F]\\w+ 1\\d$");
  int shown = 0;
  for (auto _ : State) shown = v->FilterAndSort(exp, {1, 4}, true, mode, -1, true);
  State.counters["shown"] = shown;
  v->ClearFilter();
}

}  // namespace

BENCHMARK(BM_ViewPaint)->ArgsProduct({{1000, 1000000}, {0, 1, 2}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QTableViewPaint)->ArgsProduct({{1000000}, {0, 1, 2}})->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ViewHeaderSort)->Arg(1000000)->Iterations(4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QtHeaderSort)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ViewFilter)->ArgsProduct({{1000000}, {fmSimple, fmBoolean, fmGrep}})->Iterations(2)->Unit(benchmark::kMillisecond);

ORV_BENCHMARK_MAIN();
