// Report data: 1,000,000 rows x 5 columns of mixed numbers and text in
// TRLData (fill, sort by one and two columns, unsort, CSV and XML out and
// in, bytes per cell), and the same data in a QStandardItemModel sorted
// through a QSortFilterProxyModel. The last benchmark prints the ratios.

#include "bench_main.h"

#include <ORV_replist.h>

#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QDir>
#include <QFileInfo>

#include <malloc.h>
#include <sys/resource.h>
#include <time.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <random>
#include <vector>

using namespace orv;

namespace {

constexpr int Rows = 1000000;
constexpr int Cols = 5;

// All cell texts in one UTF-16 buffer, so that generating them is not part
// of any measurement and costs little memory.
struct TSource {
  std::vector<char16_t> Text;
  std::vector<std::uint32_t> Start;  // Rows * Cols + 1 offsets
  QString Cell(int Row, int Col) const {  // 0-based
    const std::size_t i = std::size_t(Row) * Cols + std::size_t(Col);
    return QString::fromRawData(reinterpret_cast<const QChar*>(Text.data() + Start[i]), Start[i + 1] - Start[i]);
  }
};

const TSource& Source() {
  static const TSource source = [] {
    static const char* const first[] = {"Anna", "Jörg", "Zoë", "Mehmet", "Li", "Søren", "Marie", "José", "Kim", "Olga"};
    static const char* const last[] = {"Müller", "Smith", "García", "Nakamura", "Kowalski", "Dubois", "O'Brien", "Rossi"};
    static const char* const words[] = {"red", "Widget", "shipped", "pending", "größe", "box", "A4", "urgent", "note", "x"};
    std::mt19937 rng(2024);
    TSource s;
    s.Text.reserve(std::size_t(Rows) * 50);
    s.Start.reserve(std::size_t(Rows) * Cols + 1);
    const auto add = [&](const QString& t) {
      s.Start.push_back(std::uint32_t(s.Text.size()));
      s.Text.insert(s.Text.end(), t.utf16(), t.utf16() + t.size());
    };
    for (int r = 0; r < Rows; ++r) {
      add(QString::number(rng() % 10000000));                                          // id
      add(QString::number(double(rng() % 10000000) / 100.0, 'f', 2));                  // amount
      add(QString::fromUtf8(first[rng() % 10]) + ' ' + QString::fromUtf8(last[rng() % 8]));  // name
      add(QStringLiteral("2023-%1-%2").arg(rng() % 12 + 1, 2, 10, QLatin1Char('0')).arg(rng() % 28 + 1, 2, 10, QLatin1Char('0')));
      QString note;
      for (int w = int(rng() % 4); w >= 0; --w) note += QString::fromUtf8(words[rng() % 10]) + (w ? " " : "");
      add(note);                                                                        // free text
    }
    s.Start.push_back(std::uint32_t(s.Text.size()));
    return s;
  }();
  return source;
}

std::size_t HeapInUse() {
  const struct mallinfo2 m = mallinfo2();
  return m.uordblks + m.hblkhd;
}

using Clock = std::chrono::steady_clock;
double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

// Processor time of this process: what the work itself costs when the
// machine is busy with other things.
double CpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}
// Processor time spent in the kernel (mostly page faults of fresh memory).
double SysSeconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return double(u.ru_stime.tv_sec) + double(u.ru_stime.tv_usec) * 1e-6;
}

void FillTable(TRLData& d) {
  const TSource& src = Source();
  d.SetNrCols(Cols);
  d.SetNrRows(Rows);
  for (int r = 0; r < Rows; ++r)
    for (int c = 0; c < Cols; ++c) d.SetElem(c + 1, r + 1, src.Cell(r, c));
}

// The filled table the sort and export benchmarks share.
std::unique_ptr<TRLData> FilledData;
TRLData& Filled() {
  if (!FilledData) {
    FilledData = std::make_unique<TRLData>(nullptr);
    FillTable(*FilledData);
  }
  return *FilledData;
}

// Files go to a memory file system where there is one, so that the figures
// measure the library and not the disk: every save ends with a sync to disk.
QString TempPath(const char* name) {
  static QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                               ? QStringLiteral("/dev/shm/bench_rldata-XXXXXX")
                               : QDir::tempPath() + QStringLiteral("/bench_rldata-XXXXXX"));
  return dir.filePath(QString::fromLatin1(name));
}

// Mean seconds per iteration of one measurement, by the clock and in
// processor time.
struct TTime {
  double Wall = 0;
  double Cpu = 0;
  double Sys = 0;
};

struct TResults {
  TTime Fill, Sort1, Sort2, UnSort, CsvOut, CsvIn, XmlOut, XmlIn, QtFill, QtSort;
  double Bytes = 0, QtBytes = 0;
  qint64 CsvSize = 0, XmlSize = 0;
} R;

// Runs Body once per iteration, timed by hand; Setup runs untimed before
// each. Warmups runs of both come first, untimed.
template <class SetupFn, class BodyFn>
void Measure(benchmark::State& state, TTime& Mean, SetupFn&& Setup, BodyFn&& Body, int Warmups = 0) {
  Source();
  for (int i = 0; i < Warmups; ++i) {
    Setup();
    Body();
  }
  TTime total;
  int n = 0;
  for (auto _ : state) {
    Setup();
    const double c0 = CpuSeconds();
    const double k0 = SysSeconds();
    const auto t0 = Clock::now();
    Body();
    const double s = Seconds(t0);
    total.Cpu += CpuSeconds() - c0;
    total.Sys += SysSeconds() - k0;
    state.SetIterationTime(s);
    total.Wall += s;
    ++n;
  }
  Mean = {total.Wall / n, total.Cpu / n, total.Sys / n};
  state.counters["cpu_ms"] = Mean.Cpu * 1000;
  state.counters["sys_ms"] = Mean.Sys * 1000;
}

void BM_RLData_Fill(benchmark::State& state) {
  std::unique_ptr<TRLData> d;
  std::size_t before = 0;
  Measure(state, R.Fill, [&] {
    d.reset();
    before = HeapInUse();
    d = std::make_unique<TRLData>(nullptr);
  }, [&] { FillTable(*d); });
  R.Bytes = double(HeapInUse() - before) / (double(Rows) * Cols);
  state.counters["bytes_per_cell"] = R.Bytes;
  state.counters["cells_per_s"] = benchmark::Counter(double(Rows) * Cols, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_RLData_Sort1(benchmark::State& state) {
  TRLData& d = Filled();
  Measure(state, R.Sort1, [&] { d.UnSort(); }, [&] { d.Sort(3, -1, true); });
}

void BM_RLData_Sort2(benchmark::State& state) {
  TRLData& d = Filled();
  Measure(state, R.Sort2, [&] { d.UnSort(); }, [&] { d.Sort(3, 2, true, false); });
}

void BM_RLData_UnSort(benchmark::State& state) {
  TRLData& d = Filled();
  Measure(state, R.UnSort, [&] { d.Sort(1, -1, true); }, [&] { d.UnSort(); });
}

// The CSV pair runs once untimed first, as the first run of a process is
// also the first to touch most of the memory it gets (see README.md).
void BM_RLData_CsvExport(benchmark::State& state) {
  TRLData& d = Filled();
  Measure(
      state, R.CsvOut, [] {}, [&] { d.ExportCSV(TempPath("t.csv"), csvComma, true, false, 1, 1, Cols, Rows); }, 1);
  R.CsvSize = QFileInfo(TempPath("t.csv")).size();
  state.SetBytesProcessed(state.iterations() * R.CsvSize);
}

void BM_RLData_CsvImport(benchmark::State& state) {
  Filled().ExportCSV(TempPath("t.csv"), csvComma, true, false, 1, 1, Cols, Rows);
  R.CsvSize = QFileInfo(TempPath("t.csv")).size();
  std::unique_ptr<TRLData> d;
  Measure(
      state, R.CsvIn, [&] { d = std::make_unique<TRLData>(nullptr); },
      [&] { d->ImportCSV(TempPath("t.csv"), csvComma, true); }, 1);
  if (d->NrOfRows() != Rows) state.SkipWithError("import lost rows");
  state.SetBytesProcessed(state.iterations() * R.CsvSize);
}

void BM_RLData_XmlWrite(benchmark::State& state) {
  TRLData& d = Filled();
  Measure(state, R.XmlOut, [] {}, [&] { d.SaveAsXMLFile(TempPath("t.xml"), "bench"); });
  R.XmlSize = QFileInfo(TempPath("t.xml")).size();
  state.SetBytesProcessed(state.iterations() * R.XmlSize);
}

void BM_RLData_XmlRead(benchmark::State& state) {
  Filled().SaveAsXMLFile(TempPath("t.xml"), "bench");
  R.XmlSize = QFileInfo(TempPath("t.xml")).size();
  std::unique_ptr<TRLData> d;
  Measure(state, R.XmlIn, [&] { d = std::make_unique<TRLData>(nullptr); },
          [&] { d->LoadFromXMLFile(TempPath("t.xml"), "bench"); });
  if (d->NrOfRows() != Rows) state.SkipWithError("read lost rows");
  state.SetBytesProcessed(state.iterations() * R.XmlSize);
}

// The Qt pair: one iteration each (together about 15 s).
std::unique_ptr<QStandardItemModel> QtModel;

void BM_Qt_StandardItemModel_Fill(benchmark::State& state) {
  FilledData.reset();  // give the memory back, so both sides start alike
  std::size_t before = 0;
  Measure(state, R.QtFill, [&] {
    QtModel.reset();
    before = HeapInUse();
    QtModel = std::make_unique<QStandardItemModel>(Rows, Cols);
  }, [&] {
    const TSource& src = Source();
    for (int r = 0; r < Rows; ++r)
      for (int c = 0; c < Cols; ++c) {
        const QString raw = src.Cell(r, c);
        QtModel->setItem(r, c, new QStandardItem(QString(raw.constData(), raw.size())));
      }
  });
  R.QtBytes = double(HeapInUse() - before) / (double(Rows) * Cols);
  state.counters["bytes_per_cell"] = R.QtBytes;
}

void BM_Qt_SortFilterProxy_Sort1(benchmark::State& state) {
  QSortFilterProxyModel proxy;
  proxy.setSourceModel(QtModel.get());
  Measure(state, R.QtSort, [] {}, [&] { proxy.sort(2, Qt::AscendingOrder); });
  proxy.setSourceModel(nullptr);
  QtModel.reset();
}

void PrintRatio(const char* what, const char* ours, const TTime& a, const char* theirs, const TTime& b) {
  std::printf("  %-6s %s %6.3f s (cpu %6.3f s)  %s %7.3f s (cpu %7.3f s)  %5.1fx faster (cpu %5.1fx; target >= 10x)\n",
              what, ours, a.Wall, a.Cpu, theirs, b.Wall, b.Cpu, b.Wall / a.Wall, b.Cpu / a.Cpu);
}

// Before: the rate measured before the reader and writer were last reworked
// (0: none), so that the output shows both.
void PrintRate(const char* what, qint64 Bytes, const TTime& t, int Target, int Before = 0) {
  const double mb = double(Bytes) / (1024.0 * 1024.0);
  std::printf("  %-11s %6.0f MB/s (cpu %6.0f MB/s) for %.1f MB, target >= %d MB/s", what, mb / t.Wall, mb / t.Cpu, mb,
              Target);
  if (Before > 0) std::printf(", before %d MB/s", Before);
  std::printf("\n");
}

void BM_Summary(benchmark::State& state) {
  for (auto _ : state) {
  }
  state.counters["fill_x_faster"] = R.QtFill.Wall / R.Fill.Wall;
  state.counters["sort_x_faster"] = R.QtSort.Wall / R.Sort1.Wall;
  state.counters["memory_ratio"] = R.Bytes / R.QtBytes;
  std::printf("\nReport data, %d rows x %d columns, side by side in one run:\n", Rows, Cols);
  PrintRatio("fill", "TRLData", R.Fill, "QStandardItemModel", R.QtFill);
  PrintRatio("sort", "TRLData", R.Sort1, "QSortFilterProxyModel", R.QtSort);
  std::printf("  memory TRLData %.1f bytes/cell, QStandardItemModel %.1f bytes/cell: 1/%.1f (target <= 1/5)\n", R.Bytes,
              R.QtBytes, R.QtBytes / R.Bytes);
  std::printf("  sort by two columns %.3f s (cpu %.3f s), unsort %.6f s\n", R.Sort2.Wall, R.Sort2.Cpu, R.UnSort.Wall);
  PrintRate("CSV export", R.CsvSize, R.CsvOut, 800, 550);
  PrintRate("CSV import", R.CsvSize, R.CsvIn, 500, 257);
  PrintRate("XML write", R.XmlSize, R.XmlOut, 100);
  PrintRate("XML read", R.XmlSize, R.XmlIn, 100);
  std::printf("\n");
}

}  // namespace

BENCHMARK(BM_RLData_Fill)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_RLData_Sort1)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_RLData_Sort2)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_RLData_UnSort)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_RLData_CsvExport)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_RLData_CsvImport)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_RLData_XmlWrite)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_RLData_XmlRead)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_Qt_StandardItemModel_Fill)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
BENCHMARK(BM_Qt_SortFilterProxy_Sort1)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
BENCHMARK(BM_Summary)->Iterations(1);

ORV_BENCHMARK_MAIN();
