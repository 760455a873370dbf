// Gallery page of the framework grid: a sensor log of one million rows drawn
// cell by cell, with sizable columns, block selection, in-place editing of the
// note column and a pick list for the status column.

#include "GalleryPage.h"

#include <orvplatform.h>

#include <QDateTime>
#include <QHash>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

#include <cmath>

using namespace orv;

namespace {

constexpr int kRows = 1'000'000;
const QStringList kHeaders = {"#", "Time", "Sensor", "Value", "Unit", "Status", "Note"};
const QStringList kSensors = {"Boiler inlet", "Boiler outlet", "Pump P-101", "Tank level", "Flue gas", "Feed water"};
const QStringList kUnits = {"\u00B0C", "\u00B0C", "bar", "%", "ppm", "m\u00B3/h"};
const QStringList kStates = {"OK", "Warning", "Alarm", "Service"};

// The generated log: every value follows from the row number.
struct SensorLog {
  QHash<int, QString> Notes;
  QHash<int, QString> States;

  static int Sensor(int Row) { return Row % kSensors.size(); }
  static double Value(int Row) {
    const int s = Sensor(Row);
    const double base[] = {72.0, 88.0, 4.2, 61.0, 35.0, 12.5};
    return base[s] * (1.0 + 0.08 * std::sin(Row * 0.013 + s) + 0.02 * std::sin(Row * 0.31));
  }
  QString State(int Row) const {
    if (auto it = States.find(Row); it != States.end()) return *it;
    const double swing = std::sin(Row * 0.013 + Sensor(Row));
    return swing > 0.97 ? kStates[2] : swing > 0.9 ? kStates[1] : kStates[0];
  }
  QString Text(int Col, int Row) const {
    switch (Col) {
      case 0: return QString::number(Row);
      case 1: return QDateTime(QDate(2024, 3, 1), QTime(6, 0)).addSecs(qint64(Row) * 15).toString("yyyy-MM-dd hh:mm:ss");
      case 2: return kSensors[Sensor(Row)];
      case 3: return QString::number(Value(Row), 'f', 2);
      case 4: return kUnits[Sensor(Row)];
      case 5: return State(Row);
      default: return Notes.value(Row);
    }
  }
};

// The grid of the page: the status column edits through a pick list.
class LogGrid : public TCustomDrawGrid {
public:
  using TCustomDrawGrid::TCustomDrawGrid;
  // The log numbers its rows and columns as the grid does: row 0 is the header.
  using TCustomDrawGrid::ColCount;
  using TCustomDrawGrid::SetColCount;
  using TCustomDrawGrid::SetRowCount;
  int ColWidths(int Index) const { return GridColWidths(Index); }
  void SetColWidths(int Index, int Value) { SetGridColWidths(Index, Value); }
  int TopRow() const { return GridTopRow(); }

protected:
  TEditStyle GetEditStyle(int ACol, int) override { return ACol == 5 ? esPickList : esSimple; }
  TInplaceEdit* CreateEditor() override {
    auto* e = new TInplaceEditList(this);
    e->OnGetPickListItems = [](int, int, QStringList& Items) { Items = kStates; };
    return e;
  }
};

void DrawLogCell(TCustomGrid* G, const SensorLog& Log, int ACol, int ARow, const TRect& R, TGridDrawState State) {
  TCanvas* c = G->Canvas();
  if (State.Contains(gdFixed)) {
    c->Font()->SetStyle({fsBold});
    const QString text = ARow == 0 ? kHeaders[ACol] : QString::number(ARow);
    const int x = ARow == 0 ? R.Left + 6 : R.Right - 6 - c->TextWidth(text);
    c->TextRect(R, x, R.Top + (R.Height() - c->TextHeight(text)) / 2, text);
    c->Pen()->SetColor(clWhite);
    c->MoveTo(R.Left, R.Bottom - 1);
    c->LineTo(R.Left, R.Top);
    c->LineTo(R.Right, R.Top);
    return;
  }
  if (!State.Contains(gdSelected) && ARow % 2 == 0) c->Brush()->SetColor(RGB(246, 248, 252));
  const QString text = Log.Text(ACol, ARow);
  if (ACol == 5 && !State.Contains(gdSelected)) {
    const TColor colours[] = {RGB(30, 120, 50), RGB(190, 120, 0), RGB(200, 30, 30), RGB(60, 90, 170)};
    c->Font()->SetColor(colours[std::max<qsizetype>(0, kStates.indexOf(text))]);
    if (text != kStates[0]) c->Font()->SetStyle({fsBold});
  }
  const bool right = ACol == 3;
  const int x = right ? R.Right - 6 - c->TextWidth(text) : R.Left + 6;
  c->TextRect(R, x, R.Top + (R.Height() - c->TextHeight(text)) / 2, text);
}

QWidget* MakeGridPage() {
  auto* page = new QWidget;
  auto* log = new SensorLog;
  auto* layout = new QVBoxLayout(page);
  auto* title = new QLabel(QStringLiteral("<b>TCustomDrawGrid</b> \u2014 a sensor log of 1,000,000 rows, drawn cell by cell; "
                                          "drag a header border to size a column, Shift to select a block, "
                                          "Enter or a second click to edit a note or pick a status."));
  title->setWordWrap(true);
  layout->addWidget(title);

  auto* grid = new LogGrid(nullptr);
  grid->setParent(page);
  grid->SetColCount(int(kHeaders.size()));
  grid->SetRowCount(kRows + 1);
  grid->SetDefaultRowHeight(22);
  grid->SetDefaultDrawing(true);
  const int widths[] = {64, 150, 130, 80, 60, 90, 260};
  for (int i = 0; i < int(kHeaders.size()); ++i) grid->SetColWidths(i, widths[i]);
  grid->SetOptions({goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goColSizing, goEditing,
                    goTabs, goThumbTracking, goDrawFocusSelected});
  grid->SetGridLineColor(RGB(226, 229, 235));
  grid->SetFixedColor(RGB(232, 235, 241));
  grid->SetFixedLineColor(RGB(176, 182, 194));
  grid->OnDrawCell = [grid, log](TObject*, int c, int r, TRect rc, TGridDrawState s) { DrawLogCell(grid, *log, c, r, rc, s); };
  grid->OnGetEditText = [log](TObject*, int c, int r, QString& v) { v = log->Text(c, r); };
  grid->OnSetEditText = [log](TObject*, int c, int r, const QString& v) {
    if (c == 6) log->Notes[r] = v;
    if (c == 5) log->States[r] = v;
  };
  grid->OnSelectCell = [](TObject*, int c, int, bool& CanSelect) { CanSelect = c > 0; };
  layout->addWidget(grid, 1);

  auto* status = new QLabel(page);
  layout->addWidget(status);
  auto showView = [grid, status](TObject*) {
    const TGridRect s = grid->Selection();
    status->setText(QStringLiteral("Rows %1 to %2 of %3 in view \u2014 selection: rows %4..%5, columns %6..%7")
                        .arg(grid->TopRow())
                        .arg(grid->TopRow() + grid->VisibleRowCount() - 1)
                        .arg(QLocale(QLocale::English).toString(kRows))
                        .arg(s.Top)
                        .arg(s.Bottom)
                        .arg(s.Left)
                        .arg(s.Right));
  };
  // The note column takes the room the others leave.
  grid->OnResize = [grid, showView](TObject* Sender) {
    int others = 0;
    for (int i = 0; i + 1 < grid->ColCount(); ++i) others += grid->ColWidths(i) + grid->GridLineWidth();
    grid->SetColWidths(grid->ColCount() - 1, std::max(160, grid->CellArea().Width() - others - grid->GridLineWidth()));
    showView(Sender);
  };
  grid->OnTopLeftChanged = showView;
  grid->OnClick = showView;
  grid->OnKeyUp = [showView](TObject* Sender, std::uint16_t&, TShiftState) { showView(Sender); };
  log->Notes[3] = QStringLiteral("Calibrated after maintenance");
  log->Notes[9] = QStringLiteral("Reading checked on site");
  grid->SetSelection(TGridRect(2, 4, 4, 7));
  showView(grid);
  QObject::connect(page, &QObject::destroyed, [log] { delete log; });
  return page;
}

GalleryPage page(90, QStringLiteral("Grid"), QStringLiteral("grid"), MakeGridPage);

}  // namespace
