// Gallery page of the numeric table editor: 1,000 runs of a test rig with 50
// channels each, named rows and columns, attributes, a coded status column,
// marked readings, and the built-in menus for marking, copying and editing.

#include "GalleryPage.h"

#include <ORV_ntabed.h>

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

using namespace orv;

namespace {

constexpr int kRuns = 1000;
constexpr int kChannels = 50;
constexpr int kStatusCol = 1;
// Channel groups: (name, unit, typical value, spread, decimals).
struct Channel {
  const char* Name;
  const char* Unit;
  double Mean, Spread;
  int Decimals;
};
const Channel kGroups[] = {
    {"Temp", "\u00B0C", 64, 9, 1},  {"Press", "bar", 3.2, 0.4, 3}, {"Flow", "l/min", 118, 14, 1},
    {"Volt", "V", 23.9, 0.35, 2}, {"Curr", "A", 11.5, 2.5, 2},    {"Vib", "mm/s", 0.0042, 0.003, 4},
    {"Speed", "rpm", 1480, 22, 0},
};
const char* const kStatus[] = {nullptr, "ok", "warn", "fail", "service"};

// A repeatable pseudo-random number in [-1, 1) per run, channel and purpose.
double Noise(unsigned Run, unsigned Col, unsigned Salt) {
  unsigned x = Run * 2654435761u ^ Col * 40503u ^ Salt * 97u;
  x ^= x >> 15;
  x *= 2246822519u;
  x ^= x >> 13;
  return (x % 20000) / 10000.0 - 1.0;
}

void FillRuns(TNTabEd* T) {
  T->SetSuppressPaint(true);
  T->Redimension(kChannels, kRuns);
  T->SetAttribColVisible(true);
  T->SetComment(QStringLiteral("Endurance rig B, 1,000 runs, channels sampled at the end of each run"));
  TDataTable* d = T->Data;
  d->SetMScaleType(kStatusCol, 1);
  for (int k = 1; k <= 4; ++k) d->SetNominalID(kStatusCol, k, QString::fromLatin1(kStatus[k]));
  T->SetColName(kStatusCol, QStringLiteral("Status"));
  T->SetPrecision(kStatusCol, 0);
  T->SetColWidths(kStatusCol, 60);
  for (int c = 2; c <= kChannels; ++c) {
    const Channel& g = kGroups[(c - 2) % std::size(kGroups)];
    T->SetColName(c, QStringLiteral("%1 %2 [%3]").arg(QString::fromLatin1(g.Name)).arg((c - 2) / int(std::size(kGroups)) + 1)
                         .arg(QString::fromUtf8(g.Unit)));
    T->SetColAttrib(c, std::uint8_t((c - 2) % std::size(kGroups) + 1));
    T->SetPrecision(c, g.Decimals);
    T->SetColWidths(c, 92);
  }
  TMatrix& m = d->Elements();
  for (int r = 1; r <= kRuns; ++r) {
    const unsigned u = unsigned(r);
    T->SetRowName(r, QStringLiteral("Run %1").arg(r, 4, 10, QLatin1Char('0')));
    T->SetRowAttrib(r, std::uint8_t(r % 7 == 0 ? 2 : 1));
    const double status = Noise(u, 0, 9);
    m.SetVal(kStatusCol, r, status > 0.93 ? 3 : status > 0.8 ? 2 : r % 97 == 0 ? 4 : 1);
    for (int c = 2; c <= kChannels; ++c) {
      const Channel& g = kGroups[(c - 2) % std::size(kGroups)];
      // A slow drift over the runs plus noise.
      const double v = g.Mean + g.Spread * (0.5 * std::sin(r / 90.0 + c) + Noise(u, unsigned(c), 1));
      m.SetVal(c, r, v);
      const double z = (v - g.Mean) / g.Spread;
      std::uint8_t state = 0;
      if (z > 1.2) state |= dtsMarkA;  // above the band
      if (z < -1.2) state |= dtsMarkB;  // below it
      if (Noise(u, unsigned(c), 5) > 0.996) state = dtsEmpty;  // sample lost
      if (Noise(u, unsigned(c), 6) > 0.998) state = dtsNotANumber;  // sensor fault
      d->SetCellState(c, r, state);
    }
  }
  for (int r = 1; r <= 3; ++r) d->SetCellState(kStatusCol, r, dtsLocked);  // acceptance runs
  T->SetSuppressPaint(false);
}

QWidget* MakePage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  auto* title = new QLabel(QStringLiteral(
      "<b>TNTabEd</b> \u2014 1,000 runs \u00D7 50 channels. Click a cell twice (or type) to edit, pick a status "
      "from its list; right-click cells to mark, copy, paste or extract numbers, right-click a heading to rename "
      "it, change its precision, insert or delete; right-click the corner for the comment. Red: above the band, "
      "blue: below it."));
  title->setWordWrap(true);
  layout->addWidget(title);

  auto* table = new TNTabEd(nullptr);
  table->setParent(page);
  table->SetOptions(table->Options() | TGridOptions{goColSizing, goThumbTracking});
  table->SetDefaultRowHeight(19);
  table->SetColorFixed(RGB(232, 236, 243));
  table->SetColorMarkedA(RGB(200, 30, 30));
  table->SetColorMarkedB(RGB(30, 80, 200));
  table->SetColorRangeSelBG(RGB(214, 228, 250));
  table->SetEmptyMessage(QStringLiteral("No runs recorded|Start the rig to fill the table"));
  table->SetColWidths(0, 74);
  FillRuns(table);
  // Faulty runs show their status on a tinted background.
  table->OnBeforeRenderCell = [table](TObject*, int c, int r, QString&, TColor&, TColor& Bg, TFontStyles&) {
    if (c == kStatusCol && table->Elem(c, r) == 3) Bg = RGB(255, 226, 222);
  };
  layout->addWidget(table, 1);

  auto* tools = new QHBoxLayout;
  auto* sortUp = new QPushButton(QStringLiteral("Sort runs by current column"), page);
  auto* mirror = new QPushButton(QStringLiteral("Reverse runs"), page);
  auto* fit = new QPushButton(QStringLiteral("Fit column"), page);
  for (QPushButton* b : {sortUp, mirror, fit}) tools->addWidget(b);
  tools->addStretch(1);
  layout->addLayout(tools);
  auto* status = new QLabel(page);
  layout->addWidget(status);

  const QLocale english(QLocale::English);
  auto showStatus = [table, status, english] {
    const TGridRect s = table->DataSelection();
    const int c = s.Left, r = s.Top;
    status->setText(QStringLiteral("%1, %2: %3 \u2014 %4 readings above, %5 below the band")
                        .arg(table->RowName(r), table->ColName(c), table->CellText(c, r),
                             english.toString(table->NrOfMarkedDataA()), english.toString(table->NrOfMarkedDataB())));
  };
  table->OnSelectionChanged = [showStatus](TObject*) { showStatus(); };
  table->OnChange = [showStatus](TObject*) { showStatus(); };
  table->OnCellStateChanged = [showStatus](TObject*) { showStatus(); };
  QObject::connect(sortUp, &QPushButton::clicked, page, [table] {
    const int c = table->DataSelection().Left;
    table->SortRows(c, true, 1, 1, table->NrOfColumns(), table->NrOfRows(), true);
  });
  QObject::connect(mirror, &QPushButton::clicked, page, [table] { table->MirrorRows(); });
  QObject::connect(fit, &QPushButton::clicked, page,
                   [table] { table->AutoColWidth(table->DataSelection().Left, true, 4); });

  table->SetSelection(TGridRect(table->FirstDataGridCol() + 1, table->FirstDataGridRow() + 2,
                                table->FirstDataGridCol() + 3, table->FirstDataGridRow() + 4));
  showStatus();
  return page;
}

const GalleryPage Page(40, QStringLiteral("Table editor"), QStringLiteral("table_editor"), MakePage);

}  // namespace
