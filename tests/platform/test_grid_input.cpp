// Grid input: keyboard navigation, selection by keys and mouse, SelectCell,
// column and row sizing with the mouse, the wheel.
#include "GridTestSupport.h"

#include <QMouseEvent>
#include <QWheelEvent>

using namespace orv;
using orv::test::GridTest;

namespace {

struct KeyStep {
  int QtKey;
  Qt::KeyboardModifiers Mods;
  int Col, Row;  // expected current cell afterwards
};

void Wheel(QWidget* W, QPoint At, int Delta, Qt::KeyboardModifiers Mods = Qt::NoModifier) {
  QWheelEvent e(At, W->mapToGlobal(At), QPoint(), QPoint(0, Delta), Qt::NoButton, Mods, Qt::NoScrollPhase, false);
  QApplication::sendEvent(W, &e);
}

}  // namespace

TEST_F(GridTest, KeysMoveTheCurrentCell) {
  G->SetOptions(G->Options() | goTabs);
  Show();
  const int page = G->VisibleRowCount();
  const KeyStep steps[] = {
      {Qt::Key_Down, {}, 1, 2},          {Qt::Key_Right, {}, 2, 2},         {Qt::Key_Up, {}, 2, 1},
      {Qt::Key_Up, {}, 2, 1},            {Qt::Key_Left, {}, 1, 1},          {Qt::Key_Left, {}, 1, 1},
      {Qt::Key_End, {}, 7, 1},           {Qt::Key_Home, {}, 1, 1},          {Qt::Key_End, Qt::ControlModifier, 7, 29},
      {Qt::Key_Home, Qt::ControlModifier, 1, 1}, {Qt::Key_PageDown, {}, 1, 1 + page}, {Qt::Key_PageUp, {}, 1, 1},
      {Qt::Key_End, {}, 7, 1},           {Qt::Key_Tab, {}, 1, 2},           {Qt::Key_Backtab, Qt::ShiftModifier, 7, 1},
      {Qt::Key_Tab, {}, 1, 2},           {Qt::Key_Tab, {}, 2, 2},
  };
  for (const KeyStep& s : steps) {
    Key(s.QtKey, s.Mods);
    EXPECT_EQ(TGridCoord(G->Col(), G->Row()), TGridCoord(s.Col, s.Row)) << "after key " << std::hex << s.QtKey;
    EXPECT_EQ(G->Selection(), TGridRect(s.Col, s.Row, s.Col, s.Row));
  }
}

TEST_F(GridTest, TheViewFollowsTheCurrentCell) {
  Show();
  Key(Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(G->TopRow(), 30 - G->VisibleRowCount());
  EXPECT_FALSE(G->CellRect(7, 29).IsEmpty());
  EXPECT_LE(G->CellRect(7, 29).Right, G->CellArea().Right);
  Key(Qt::Key_PageUp);
  EXPECT_EQ(G->TopRow(), 30 - 2 * G->VisibleRowCount());
  Key(Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(G->TopRow(), 1);
  EXPECT_EQ(G->LeftCol(), 1);
}

TEST_F(GridTest, ShiftExtendsTheBlockOnlyWithRangeSelect) {
  Show();
  G->SetRow(3);
  Key(Qt::Key_Down, Qt::ShiftModifier);
  Key(Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(G->Selection(), TGridRect(1, 3, 2, 4));
  Key(Qt::Key_Up, Qt::ShiftModifier);
  Key(Qt::Key_Up, Qt::ShiftModifier);
  EXPECT_EQ(G->Selection(), TGridRect(1, 2, 2, 3));  // the anchor stays at (1, 3)
  Key(Qt::Key_Down);
  EXPECT_EQ(G->Selection(), TGridRect(2, 3, 2, 3));

  G->SetOptions(G->Options() - TGridOptions{goRangeSelect});
  Key(Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(G->Selection(), TGridRect(2, 4, 2, 4));
}

TEST_F(GridTest, MouseSelectsCellsAndBlocks) {
  Show();
  Click(3, 2);
  EXPECT_EQ(G->Selection(), TGridRect(3, 2, 3, 2));
  Click(5, 6, Qt::ShiftModifier);
  EXPECT_EQ(G->Selection(), TGridRect(3, 2, 5, 6));
  EXPECT_EQ(TGridCoord(G->Col(), G->Row()), TGridCoord(5, 6));

  QTest::mousePress(G.get(), Qt::LeftButton, {}, Center(2, 7));
  QTest::mouseMove(G.get(), Center(4, 9));
  QTest::mouseRelease(G.get(), Qt::LeftButton, {}, Center(4, 9));
  EXPECT_EQ(G->Selection(), TGridRect(2, 7, 4, 9));

  Click(0, 4);  // a fixed cell selects nothing
  EXPECT_EQ(G->Selection(), TGridRect(2, 7, 4, 9));

  G->SetOptions(G->Options() | goRowSelect);
  Click(3, 5);
  EXPECT_EQ(G->Selection(), TGridRect(1, 5, 7, 5));
  const int left = G->LeftCol();
  Key(Qt::Key_Right);  // scrolls instead of moving
  EXPECT_EQ(G->LeftCol(), left + 1);
  EXPECT_EQ(G->Selection(), TGridRect(1, 5, 7, 5));
}

TEST_F(GridTest, MovingWithoutTheButtonNeverDrags) {
  Show();
  QTest::mousePress(G.get(), Qt::LeftButton, {}, Center(2, 2));
  // The release went astray (another window took it, or a derived grid swallowed it).
  QMouseEvent hover(QEvent::MouseMove, Center(4, 5), G->mapToGlobal(Center(4, 5)), Qt::NoButton, Qt::NoButton,
                    Qt::NoModifier);
  QApplication::sendEvent(G.get(), &hover);
  EXPECT_EQ(G->Selection(), TGridRect(2, 2, 2, 2));
}

TEST_F(GridTest, SelectCellCanRefuseACell) {
  std::vector<TGridCoord> asked;
  G->OnSelectCell = [&](TObject*, int c, int r, bool& canSelect) {
    asked.push_back(TGridCoord(c, r));
    if (r == 3) canSelect = false;
  };
  Show();
  Key(Qt::Key_Down);
  Key(Qt::Key_Down);
  EXPECT_EQ(G->Row(), 2);
  Click(4, 3);
  EXPECT_EQ(TGridCoord(G->Col(), G->Row()), TGridCoord(1, 2));
  G->SetRow(3);
  EXPECT_EQ(G->Row(), 2);
  Click(4, 5);
  EXPECT_EQ(TGridCoord(G->Col(), G->Row()), TGridCoord(4, 5));
  const std::vector<TGridCoord> expected = {{1, 2}, {1, 3}, {4, 3}, {1, 3}, {4, 5}};
  EXPECT_EQ(asked, expected);
}

TEST_F(GridTest, DraggingAHeaderBorderSizesTheColumn) {
  G->SetOptions(G->Options() | goColSizing);
  Show();
  const TRect c1 = G->CellRect(1, 0);
  const QPoint border(c1.Right, 10);
  EXPECT_EQ(G->SizingColAt(border.x(), border.y()), 1);
  EXPECT_EQ(G->SizingColAt(border.x() - 2, border.y()), 1);
  EXPECT_EQ(G->SizingColAt(border.x() + 3, border.y()), 1);
  EXPECT_EQ(G->SizingColAt(border.x() - 10, border.y()), -1);
  EXPECT_EQ(G->SizingColAt(border.x(), G->CellRect(1, 2).Top + 5), -1);  // only inside the fixed rows
  EXPECT_EQ(G->SizingColAt(c1.Left + 1, 10), 0);  // the left border belongs to the column before

  QTest::mouseMove(G.get(), border);
  EXPECT_EQ(G->cursor().shape(), Qt::SizeHorCursor);
  QTest::mouseMove(G.get(), Center(2, 0));
  EXPECT_EQ(G->cursor().shape(), Qt::ArrowCursor);

  QTest::mousePress(G.get(), Qt::LeftButton, {}, border);
  QTest::mouseMove(G.get(), border + QPoint(30, 40));
  QTest::mouseRelease(G.get(), Qt::LeftButton, {}, border + QPoint(30, 40));
  EXPECT_EQ(G->ColWidths(1), 64 + 30);
  EXPECT_EQ(G->CellRect(2, 0).Left, c1.Right + 30 + 1);
  EXPECT_EQ(G->Selection(), TGridRect(1, 1, 1, 1));  // sizing selects nothing

  QTest::mousePress(G.get(), Qt::LeftButton, {}, QPoint(G->CellRect(2, 0).Left - 1, 5));
  QTest::mouseMove(G.get(), QPoint(c1.Left - 50, 5));  // cannot go below 0
  QTest::mouseRelease(G.get(), Qt::LeftButton, {}, QPoint(c1.Left - 50, 5));
  EXPECT_EQ(G->ColWidths(1), 0);
}

TEST_F(GridTest, DraggingARowBorderInTheFixedColumnSizesTheRow) {
  G->SetOptions(G->Options() | goRowSizing);
  Show();
  const TRect r2 = G->CellRect(0, 2);
  EXPECT_EQ(G->SizingRowAt(20, r2.Bottom), 2);
  EXPECT_EQ(G->SizingRowAt(G->CellRect(3, 2).Left + 5, r2.Bottom), -1);
  QTest::mousePress(G.get(), Qt::LeftButton, {}, QPoint(20, r2.Bottom));
  QTest::mouseMove(G.get(), QPoint(20, r2.Bottom + 16));
  QTest::mouseRelease(G.get(), Qt::LeftButton, {}, QPoint(20, r2.Bottom + 16));
  EXPECT_EQ(G->RowHeights(2), 40);
}

TEST_F(GridTest, WheelScrollsUnlessAHandlerTakesIt) {
  Show();
  Wheel(G.get(), Center(2, 2), -120);
  EXPECT_EQ(G->TopRow(), 1 + QApplication::wheelScrollLines());
  Wheel(G.get(), Center(2, 5), 120);
  EXPECT_EQ(G->TopRow(), 1);
  Wheel(G.get(), Center(2, 2), -120, Qt::ShiftModifier);
  EXPECT_EQ(G->LeftCol(), 2);

  int downs = 0;
  G->OnMouseWheelDown = [&](TObject*, TShiftState, TPoint, bool& handled) {
    ++downs;
    handled = true;
  };
  Wheel(G.get(), Center(2, 2), -240);  // two notches
  EXPECT_EQ(downs, 2);
  EXPECT_EQ(G->TopRow(), 1);
  EXPECT_EQ(G->Row(), 1);
}
