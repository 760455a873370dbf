// TFolderTree against QFileSystemModel + QTreeView, both showing the same
// folder of 10,000 subfolders (every third with a subfolder of its own):
// the time from the expand request until all 10,000 children are shown, and
// for the folder tree also the time until every child knows whether it has
// subfolders (fill_ms, done in slices while the event loop runs).
#include "bench_main.h"

#include <ORV_FolderTree.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFileSystemModel>
#include <QTreeView>
#include <QTreeWidget>

using namespace orv;

namespace {

constexpr int kFolders = 10'000;

// The parent of the big folder, made once per run (in memory when /dev/shm exists).
QString Parent() {
  static const QString parent = [] {
    const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    const QString p = base + QStringLiteral("/orv_bench_foldertree");
    const QString big = p + QStringLiteral("/big");
    if (!QDir(big + QStringLiteral("/Folder 09999")).exists())
      for (int i = 0; i < kFolders; ++i) {
        const QString name = big + QStringLiteral("/Folder %1").arg((i * 7919) % kFolders, 5, 10, QLatin1Char('0'));
        QDir().mkpath(i % 3 == 0 ? name + QStringLiteral("/sub") : name);
      }
    return p;
  }();
  return parent;
}

void BM_FolderTreeExpand(benchmark::State& State) {
  TFolderTree tree(nullptr);
  tree.resize(400, 600);
  tree.show();
  double fill = 0;
  for (auto _ : State) {
    State.PauseTiming();
    tree.SelectPath(Parent());
    TTreeNode* big = tree.Selected()->Item(0);
    State.ResumeTiming();
    QElapsedTimer t;
    t.start();
    big->Expand(false);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 0);  // shown
    State.PauseTiming();
    if (big->Count() != kFolders) State.SkipWithError("not every folder listed");
    while (tree.Filling()) QCoreApplication::processEvents();
    fill += double(t.nsecsElapsed()) / 1e6;
    State.ResumeTiming();
  }
  State.counters["fill_ms"] = benchmark::Counter(fill / double(State.iterations()));
}
BENCHMARK(BM_FolderTreeExpand)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_QFileSystemModelExpand(benchmark::State& State) {
  for (auto _ : State) {
    State.PauseTiming();
    QFileSystemModel model;
    model.setFilter(QDir::Dirs | QDir::NoDotAndDotDot);
    QTreeView view;
    view.resize(400, 600);
    view.setModel(&model);
    const QModelIndex parent = model.setRootPath(Parent());
    view.setRootIndex(parent);
    view.show();
    while (model.rowCount(parent) < 1) QCoreApplication::processEvents();
    const QModelIndex big = model.index(Parent() + QStringLiteral("/big"));
    State.ResumeTiming();
    view.expand(big);
    while (model.rowCount(big) < kFolders) QCoreApplication::processEvents();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 0);
  }
}
BENCHMARK(BM_QFileSystemModelExpand)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

ORV_BENCHMARK_MAIN();
