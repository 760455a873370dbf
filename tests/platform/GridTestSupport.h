#pragma once
// A draw grid of known geometry for the grid tests, with recorders for its
// events and helpers that aim mouse input at cells.

#include "TestSupport.h"

#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace orv::test {

// A draw grid with the grid's own numbering public, as the tests drive it.
class TestGrid : public TCustomDrawGrid {
public:
  using TCustomDrawGrid::TCustomDrawGrid;
  using TCustomDrawGrid::ColCount;
  using TCustomDrawGrid::FixedCols;
  using TCustomDrawGrid::FixedRows;
  using TCustomDrawGrid::RowCount;
  using TCustomDrawGrid::SetColCount;
  using TCustomDrawGrid::SetFixedCols;
  using TCustomDrawGrid::SetFixedRows;
  using TCustomDrawGrid::SetRowCount;
  int ColWidths(int Index) const { return GridColWidths(Index); }
  void SetColWidths(int Index, int Value) { SetGridColWidths(Index, Value); }
  int TopRow() const { return GridTopRow(); }
  void SetTopRow(int Value) { SetGridTopRow(Value); }
  int LeftCol() const { return GridLeftCol(); }
  void SetLeftCol(int Value) { SetGridLeftCol(Value); }
};

struct DrawnCell {
  int Col;
  int Row;
  TRect Rect;
  TGridDrawState State;
};

// 8 columns of 64 px and 30 rows of 24 px, one fixed row and column, a
// one-pixel border and one-pixel lines, in a 400 x 300 control.
class GridTest : public ::testing::Test {
protected:
  // The grid under test; fixtures that need a derived grid override this.
  virtual std::unique_ptr<TestGrid> MakeGrid() { return std::make_unique<TestGrid>(nullptr); }

  void SetUp() override {
    G = MakeGrid();
    G->SetColCount(8);
    G->SetRowCount(30);
    G->resize(400, 300);
    G->OnDrawCell = [this](TObject*, int c, int r, TRect rc, TGridDrawState s) { Drawn.push_back({c, r, rc, s}); };
  }

  // Shows the grid and gives it the keyboard focus.
  void Show() {
    ShowAndWait(G.get());
    G->activateWindow();
    G->setFocus();
    QApplication::processEvents();
  }

  // Paints once and returns the cells drawn.
  const std::vector<DrawnCell>& PaintCells() {
    Drawn.clear();
    G->Repaint();
    return Drawn;
  }

  QPoint Center(int ACol, int ARow) const {
    const TRect r = G->CellRect(ACol, ARow);
    return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  }

  void Click(int ACol, int ARow, Qt::KeyboardModifiers Mods = Qt::NoModifier) {
    QTest::mouseClick(G.get(), Qt::LeftButton, Mods, Center(ACol, ARow));
  }

  // Keys and text go where the keyboard focus is (the grid or its editor).
  static QWidget* FocusTarget(QWidget* Fallback) {
    return QApplication::focusWidget() ? QApplication::focusWidget() : Fallback;
  }
  void Key(int QtKey, Qt::KeyboardModifiers Mods = Qt::NoModifier) {
    QTest::keyClick(FocusTarget(G.get()), Qt::Key(QtKey), Mods);
  }
  void Type(const QString& Text) { QTest::keyClicks(FocusTarget(G.get()), Text); }

  std::unique_ptr<TestGrid> G;
  std::vector<DrawnCell> Drawn;
};

}  // namespace orv::test
