// orv_gallery: one page per control family, every control live with real data.
// Without a display, or with --screenshot DIR, every page is rendered
// offscreen to DIR/<page>.png plus DIR/overview.png, and the paths are printed.

#include "GalleryPage.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QPainter>
#include <QScrollArea>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>
#include <cstdio>

GalleryPage::GalleryPage(int AOrder, const QString& ATitle, const QString& AFileName, Factory AMake)
    : Order(AOrder), Title(ATitle), FileName(AFileName), Make(std::move(AMake)) {
  All().push_back(this);
}

std::vector<GalleryPage*>& GalleryPage::All() {
  static std::vector<GalleryPage*> pages;
  return pages;
}

namespace {

std::vector<GalleryPage*> SortedPages() {
  auto pages = GalleryPage::All();
  std::stable_sort(pages.begin(), pages.end(), [](auto* a, auto* b) { return a->Order < b->Order; });
  return pages;
}

QString ScreenshotDir(const QStringList& args) {
  const int i = args.indexOf(QStringLiteral("--screenshot"));
  if (i >= 0) return i + 1 < args.size() ? args[i + 1] : QStringLiteral("screenshots");
  return {};
}

bool HasDisplay() {
  return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

// Renders every page to DIR and an overview of all pages; returns the exit code.
int WriteScreenshots(const QString& dir) {
  QDir().mkpath(dir);
  QList<QImage> shots;
  for (GalleryPage* page : SortedPages()) {
    QWidget* w = page->Make();
    w->resize(w->sizeHint().expandedTo(QSize(900, 600)));
    w->setAttribute(Qt::WA_DontShowOnScreen);
    w->show();
    // Let timers run a little so that live pages show a moving state.
    QTimer::singleShot(600, qApp, &QApplication::quit);
    qApp->exec();
    QImage img = w->grab().toImage();
    const QString path = QDir(dir).filePath(page->FileName + QStringLiteral(".png"));
    if (!img.save(path)) {
      std::fprintf(stderr, "orv_gallery: cannot write %s\n", qPrintable(path));
      return 1;
    }
    std::printf("%s\n", qPrintable(QDir(path).absolutePath()));
    shots.append(img);
    delete w;
  }
  // Overview: the pages side by side in two columns, scaled to half size.
  if (!shots.isEmpty()) {
    const int cw = 460, ch = 310, cols = 2, rows = (int(shots.size()) + cols - 1) / cols;
    QImage overview(cw * cols, ch * rows, QImage::Format_RGB32);
    overview.fill(Qt::white);
    QPainter p(&overview);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 0; i < shots.size(); ++i)
      p.drawImage(QRect((i % cols) * cw + 5, (i / cols) * ch + 5, cw - 10, ch - 10),
                  shots[i].scaled(cw - 10, ch - 10, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    p.end();
    const QString path = QDir(dir).filePath(QStringLiteral("overview.png"));
    overview.save(path);
    std::printf("%s\n", qPrintable(QDir(path).absolutePath()));
  }
  return 0;
}

// A page in a scroll area: it never shrinks below its natural size, so a
// small window scrolls instead of squeezing the controls.
QWidget* Scrollable(QWidget* page) {
  page->setMinimumSize(page->sizeHint());
  auto* area = new QScrollArea;
  area->setWidgetResizable(true);
  area->setFrameShape(QFrame::NoFrame);
  area->setWidget(page);
  return area;
}

}  // namespace

int main(int argc, char** argv) {
  QStringList args;
  for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  QString dir = ScreenshotDir(args);
  if (dir.isEmpty() && !HasDisplay()) dir = QStringLiteral("screenshots");
  if (!dir.isEmpty() && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");

  QApplication app(argc, argv);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPointSize(9);
  QApplication::setFont(font);
  if (!dir.isEmpty()) return WriteScreenshots(dir);

  QTabWidget tabs;
  tabs.setWindowTitle(QStringLiteral("ORV panels gallery"));
  for (GalleryPage* page : SortedPages()) tabs.addTab(Scrollable(page->Make()), page->Title);
  tabs.resize(1100, 800);
  tabs.show();
  return app.exec();
}
