#pragma once
// A report list view of known geometry for the view tests, with recorders
// for its events and helpers that aim mouse input at cells.

#include "TestSupport.h"

#include <ORV_replist.h>

#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace orv::test {

// The grid's own numbering of a report list (grid rows and columns from 0,
// head rows included), which the list keeps to itself.
class GridOf : public TReportListView {
public:
  static int Rows(const TReportListView& V) { return (V.*&GridOf::RowCount)(); }
  static int Cols(const TReportListView& V) { return (V.*&GridOf::ColCount)(); }
  static int FixedRowsOf(const TReportListView& V) { return (V.*&GridOf::FixedRows)(); }
  static int FixedColsOf(const TReportListView& V) { return (V.*&GridOf::FixedCols)(); }
  static int GridTopRowOf(const TReportListView& V) { return (V.*&GridOf::GridTopRow)(); }
};

// 3 columns ("Name", "Value", "Flag") of 80 px, 6 rows, column headers only,
// in a 400 x 240 control shown offscreen.
class ViewTest : public ::testing::Test {
protected:
  void SetUp() override {
    V = std::make_unique<TReportListView>(nullptr);
    V->SetNrCols(3);
    V->SetNrRows(6);
    for (int c = 1; c <= 3; ++c) V->SetColWidths(c, 80);
    V->SetHeader(1, QStringLiteral("Name"));
    V->SetHeader(2, QStringLiteral("Value"));
    V->SetHeader(3, QStringLiteral("Flag"));
    const char* names[] = {"delta", "alpha", "echo", "charlie", "bravo", "foxtrot"};
    const char* values[] = {"4", "1", "5", "3", "2", "6"};
    for (int r = 1; r <= 6; ++r) {
      V->SetElem(1, r, QString::fromLatin1(names[r - 1]));
      V->SetElem(2, r, QString::fromLatin1(values[r - 1]));
    }
    V->resize(400, 240);
    V->OnSelectedChange = [this](TObject*) { ++SelectedChanges; };
    ShowAndWait(V.get());
    V->activateWindow();
    V->setFocus();
    QApplication::processEvents();
  }

  QImage Image() { return Grab(V.get()); }
  // The grid row of data row r (every row shown, one head row).
  int GridRow(int r) const { return r + V->CountHeadRows() - 1; }
  TRect Cell(int DataCol, int r) const { return V->CellRect(DataCol - 1, GridRow(r)); }
  TRect HeaderCell(int DataCol) const { return V->CellRect(DataCol - 1, V->ColumnHeaderGridRow()); }
  QPoint Center(const TRect& R) const { return QPoint((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2); }

  void ClickAt(QPoint P, Qt::KeyboardModifiers Mods = Qt::NoModifier) {
    QTest::mouseClick(V.get(), Qt::LeftButton, Mods, P);
  }
  void ClickRow(int r, Qt::KeyboardModifiers Mods = Qt::NoModifier) { ClickAt(Center(Cell(1, r)), Mods); }
  void Key(int QtKey, Qt::KeyboardModifiers Mods = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : V.get();
    QTest::keyClick(target, Qt::Key(QtKey), Mods);
  }
  QList<int> Selected() const { return V->GetSelectedRows(); }

  std::unique_ptr<TReportListView> V;
  int SelectedChanges = 0;
};

}  // namespace orv::test
