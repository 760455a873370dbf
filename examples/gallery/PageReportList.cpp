// Gallery page of the report list: 100,000 customer accounts with header
// sorting, a filter box with the three filter modes, multi-selection, check
// and radio columns, a dialog that edits the selected account, and export to
// CSV, XML and HTML.

#include "GalleryPage.h"

#include <ORV_replist.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

using namespace orv;

namespace {

constexpr int kRows = 100'000;
const QStringList kFirst = {"Anna", "Ben", "Clara", "David", "Elif", "Finn", "Greta", "Hugo", "Ines", "Jonas",
                            "Katrin", "Lukas", "Maria", "Noah", "Olga", "Paul", "Rosa", "Samir", "Tilda", "Viktor"};
const QStringList kLast = {"Adler",  "Becker", "Costa",  "Dvorak", "Engel", "Fischer", "Garcia", "Hoffmann",
                           "Ivanova", "Jensen", "Keller", "Lindqvist", "Meyer", "Novak", "Okafor", "Petrov",
                           "Quinn",  "Richter", "Schmidt", "Tanaka", "Umar", "Vogel", "Weber", "Young"};
const QStringList kCities = {"Berlin", "Hamburg", "Munich", "Vienna", "Zurich", "Prague", "Lyon", "Milan",
                             "Oslo",   "Lisbon",  "Dublin", "Krakow", "Ghent", "Porto", "Graz", "Basel"};
enum { colId = 1, colName, colCity, colAmount, colDate, colPaid, colPrimary, colCount = colPrimary };

// A pseudo-random but repeatable number per row and purpose.
unsigned Mix(unsigned Row, unsigned Salt) {
  unsigned x = Row * 2654435761u ^ Salt * 40503u;
  x ^= x >> 15;
  x *= 2246822519u;
  return x ^ (x >> 13);
}

void FillAccounts(TReportListView* V) {
  V->SetSuppressPaint(true);
  V->SetNrCols(colCount);
  V->SetNrRows(kRows);
  const QStringList headers = {"#", "Customer", "City", "Balance", "Last order", "Paid", "Key account"};
  for (int c = 1; c <= colCount; ++c) V->SetHeader(c, headers[c - 1]);
  const QDate start(2021, 1, 1);
  for (int r = 1; r <= kRows; ++r) {
    const unsigned u = unsigned(r);
    V->SetElem(colId, r, QString::number(r));
    V->SetElem(colName, r, kLast[Mix(u, 1) % kLast.size()] + QStringLiteral(", ") + kFirst[Mix(u, 2) % kFirst.size()]);
    V->SetElem(colCity, r, kCities[Mix(u, 3) % kCities.size()]);
    V->SetElem(colAmount, r, QString::number((int(Mix(u, 4) % 2000000) - 300000) / 100.0, 'f', 2));
    V->SetElem(colDate, r, start.addDays(Mix(u, 5) % 1400).toString(Qt::ISODate));
  }
  // The row editor's editors: a read-only number, a text, a fixed list of
  // the cities, an amount, a date picker; the check columns get their names only.
  V->SetColumnFormat(colId, QStringLiteral("[#i][80]"));
  V->SetColumnFormat(colName, QStringLiteral("[s][240]"));
  V->SetColumnFormat(colCity, QStringLiteral("[l:12][160]") + kCities.join(QLatin1Char('|')));
  V->SetColumnFormat(colAmount, QStringLiteral("[f][120]"));
  V->SetColumnFormat(colDate, QStringLiteral("[dyyyy-MM-dd][160]"));
  V->SetColumnFormat(colPaid, QStringLiteral("[x][]"));
  V->SetColumnFormat(colPrimary, QStringLiteral("[x][]"));
  V->SetColumnCheckMode(colPaid, cmBox);
  V->SetColumnCheckMode(colPrimary, cmRadio);
  for (int r = 1; r <= kRows; ++r)
    if (Mix(unsigned(r), 6) % 4 != 0) V->SetElemChecked(colPaid, r, true);
  V->SetElemChecked(colPrimary, 3, true);
  const int widths[] = {62, 170, 100, 96, 96, 46, 92};
  for (int c = 1; c <= colCount; ++c) V->SetColWidths(c, widths[c - 1]);
  V->SetColumnAlignment(colId, taRightJustify);
  V->SetColumnAlignment(colAmount, taRightJustify);
  V->SetColumnAlignment(colDate, taCenter);
  for (int r = 1; r <= kRows; ++r)
    if (Mix(unsigned(r), 8) % 25 == 0) V->SetRowEnabled(r, false);  // closed accounts
  V->SetSuppressPaint(false);
}

QWidget* MakeReportListPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  auto* title = new QLabel(QStringLiteral(
      "<b>TReportListView</b> \u2014 100,000 customer accounts. Click a header to sort (again to reverse), "
      "Ctrl+click or Shift+click to select several rows, click a box to tick it; closed accounts are greyed."));
  title->setWordWrap(true);
  layout->addWidget(title);

  auto* tools = new QHBoxLayout;
  auto* filter = new QLineEdit(page);
  filter->setPlaceholderText(QStringLiteral("Filter customers and cities\u2026"));
  filter->setClearButtonEnabled(true);
  auto* mode = new QComboBox(page);
  mode->addItems({QStringLiteral("Text"), QStringLiteral("AND / OR / NOT"), QStringLiteral("Regular expression")});
  auto* ignoreCase = new QCheckBox(QStringLiteral("Ignore case"), page);
  ignoreCase->setChecked(true);
  tools->addWidget(new QLabel(QStringLiteral("Filter:"), page));
  tools->addWidget(filter, 1);
  tools->addWidget(mode);
  tools->addWidget(ignoreCase);
  tools->addSpacing(12);
  auto* editRow = new QPushButton(QStringLiteral("Edit row\u2026"), page);
  tools->addWidget(editRow);
  auto* csv = new QPushButton(QStringLiteral("Export CSV"), page);
  auto* xml = new QPushButton(QStringLiteral("Export XML"), page);
  auto* html = new QPushButton(QStringLiteral("Export HTML"), page);
  for (QPushButton* b : {csv, xml, html}) tools->addWidget(b);
  layout->addLayout(tools);

  auto* view = new TReportListView(nullptr);
  view->setParent(page);
  view->SetCommonHeader(QStringLiteral("Customer accounts \u2014 balances in EUR"));
  view->SetCommonHeaderVisible(true);
  view->SetDefaultRowHeight(19);
  view->SetColorCommonHd(RGB(221, 228, 240));
  view->SetColorColumnHd(RGB(236, 240, 246));
  view->SetColorBkgdShaded(RGB(245, 247, 251));
  view->SetColorSelectedRow(RGB(204, 224, 255));
  view->SetColorSelectedRowText(RGB(10, 30, 80));
  view->SetRowSelectMode(2);
  view->SetFixedFirstColumn(true);
  view->SetEmptyMessage(QStringLiteral("No account matches the filter|Change or clear the filter text"));
  view->SetColorEmptyMsg(RGB(110, 118, 135));
  FillAccounts(view);
  view->OnBeforeRenderCell = [](TObject*, int ACol, int, TColor&, TColor&, TColor& Font, TFontStyles&, QString& Text) {
    if (ACol == colAmount && Text.startsWith(u'-')) Font = RGB(190, 30, 30);
  };
  view->OnMouseWheelDown = [view](TObject*, TShiftState, TPoint, bool& Handled) {
    view->SetTopRow(view->TopRow() + 3);
    Handled = true;
  };
  view->OnMouseWheelUp = [view](TObject*, TShiftState, TPoint, bool& Handled) {
    view->SetTopRow(view->TopRow() - 3);
    Handled = true;
  };
  // The customer column takes the room the others leave.
  view->OnResize = [view](TObject*) {
    view->ExpandColWidth(colName, view->Width() - view->CellArea().Right + colCount * view->GridLineWidth() + 1);
  };
  layout->addWidget(view, 1);

  auto* status = new QLabel(page);
  layout->addWidget(status);
  const QLocale english(QLocale::English);
  auto showStatus = [view, status, english](const QString& Extra) {
    status->setText(QStringLiteral("%1 of %2 accounts shown \u2014 %3 selected, %4 paid%5")
                        .arg(english.toString(view->ShownRowCount()), english.toString(view->NrOfRows()),
                             english.toString(view->NumSelectedRows()),
                             english.toString(view->RLData()->CountCheckedElemsInCol(colPaid)), Extra));
  };
  view->OnSelectedChange = [showStatus](TObject*) { showStatus(QString()); };
  view->OnCheckedChange = [showStatus](TObject*, bool&, int, int) { showStatus(QString()); };

  auto applyFilter = [=] {
    if (filter->text().isEmpty()) {
      view->ClearFilter();
    } else {
      view->FilterAndSort(filter->text(), {colName, colCity}, ignoreCase->isChecked(), TFilterMode(mode->currentIndex()),
                          view->LastSortColumn(), view->LastSortOrder());
    }
    showStatus(QString());
  };
  QObject::connect(filter, &QLineEdit::textChanged, page, applyFilter);
  QObject::connect(mode, &QComboBox::currentIndexChanged, page, applyFilter);
  QObject::connect(ignoreCase, &QCheckBox::toggled, page, applyFilter);

  const QString folder = QDir::temp().filePath(QStringLiteral("orv_gallery_reportlist"));
  auto exported = [showStatus, folder](const QString& Name) {
    showStatus(QStringLiteral(" \u2014 written to %1").arg(QDir(folder).filePath(Name)));
  };
  QObject::connect(csv, &QPushButton::clicked, page, [=] {
    QDir().mkpath(folder);
    view->ExportCSV(QDir(folder).filePath("accounts.csv"), csvComma, true, true, 1, 1, view->NrOfColumns(),
                    view->NrOfRows());
    exported(QStringLiteral("accounts.csv"));
  });
  QObject::connect(xml, &QPushButton::clicked, page, [=] {
    QDir().mkpath(folder);
    view->SaveAsXMLFile(QDir(folder).filePath("accounts.xml"), QStringLiteral("accounts"));
    exported(QStringLiteral("accounts.xml"));
  });
  QObject::connect(html, &QPushButton::clicked, page, [=] {
    QDir().mkpath(folder);
    view->ExportHTMLTable(QDir(folder).filePath("accounts.html"), 1, 1, view->NrOfColumns(), view->NrOfRows(), {}, 1,
                          0, 4, true, QStringLiteral("head"), QStringLiteral("cell"), QStringLiteral("accounts"));
    exported(QStringLiteral("accounts.html"));
  });

  // Closed accounts open read-only: every format gets the "#".
  view->OnRequestEditFormat = [view](TObject*, int, int Row, QString& Format) {
    if (!view->RowEnabled(Row) && Format.startsWith(u'[')) Format.insert(1, u'#');
  };
  QObject::connect(editRow, &QPushButton::clicked, page, [=] {
    const int row = view->FirstSelectedRow();
    if (row < 1) {
      showStatus(QStringLiteral(" \u2014 select an account to edit"));
      return;
    }
    const QPoint at = editRow->mapToGlobal(QPoint(0, editRow->height()));
    const bool saved = view->EditRowEntries(row, at.x(), at.y(), QStringLiteral("Account ") + view->Elem(colId, row),
                                            QStringLiteral("Save"), QStringLiteral("Cancel")) == mrOk;
    showStatus(saved ? QStringLiteral(" \u2014 account %1 saved").arg(view->Elem(colId, row)) : QString());
  });

  view->Sort(colDate, -1, false);
  view->SetSelectedRows({2, 4, 5});
  showStatus(QString());
  return page;
}

GalleryPage page(30, QStringLiteral("Report list"), QStringLiteral("reportlist"), MakeReportListPage);

}  // namespace
