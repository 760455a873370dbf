// Report list view under the mouse and the keyboard: selection modes, check
// clicks, header-click sorting, double-click column fitting, keys, wheel.
#include "ViewTestSupport.h"

#include <QWheelEvent>

using namespace orv;
using orv::test::ViewTest;

TEST_F(ViewTest, SingleSelectionMode) {
  ClickRow(3);
  ClickRow(5);
  EXPECT_EQ(Selected(), QList<int>({5}));
  EXPECT_EQ(SelectedChanges, 2);
}

TEST_F(ViewTest, MultiSelectionWithShiftAndCtrl) {
  V->SetRowSelectMode(2);
  SelectedChanges = 0;
  ClickRow(2);
  ClickRow(5, Qt::ShiftModifier);
  EXPECT_EQ(Selected(), QList<int>({2, 3, 4, 5}));
  ClickRow(3, Qt::ControlModifier);
  EXPECT_EQ(Selected(), QList<int>({2, 4, 5}));
  ClickRow(1);
  EXPECT_EQ(Selected(), QList<int>({1}));
  EXPECT_EQ(SelectedChanges, 4);
  // Releasing below the last row deselects everything.
  QTest::mouseClick(V.get(), Qt::LeftButton, {}, QPoint(20, V->GridHeight() + 5));
  EXPECT_TRUE(Selected().isEmpty());
}

TEST_F(ViewTest, EveryClickTogglesWithoutCtrlForMultiSel) {
  V->SetRowSelectMode(2);
  V->SetUseCtrlForMultiSel(false);
  ClickRow(2);
  ClickRow(4);
  EXPECT_EQ(Selected(), QList<int>({2, 4}));
  ClickRow(2);
  EXPECT_EQ(Selected(), QList<int>({4}));
}

TEST_F(ViewTest, ModeZeroSelectsNothing) {
  V->SelectAllRows();
  SelectedChanges = 0;
  V->SetRowSelectMode(2);  // keeps the selection, no event
  EXPECT_EQ(Selected().size(), 6);
  EXPECT_EQ(SelectedChanges, 0);
  V->SetRowSelectMode(0);  // deselects all
  EXPECT_TRUE(Selected().isEmpty());
  EXPECT_EQ(SelectedChanges, 1);
  ClickRow(2);
  EXPECT_TRUE(Selected().isEmpty());
}

TEST_F(ViewTest, CheckClicksWithVetoDisabledRowsAndReadOnly) {
  V->SetColumnCheckMode(3, cmBox);
  for (int r = 1; r <= 6; ++r) V->SetElem(3, r, QStringLiteral("x%1").arg(r));
  std::vector<std::pair<bool, int>> before, after;
  bool veto = false;
  V->OnBeforeCheckedChange = [&](TObject*, bool& State, int, int Row) {
    before.emplace_back(State, Row);
    if (veto) State = false;
  };
  V->OnCheckedChange = [&](TObject*, bool& State, int, int Row) { after.emplace_back(State, Row); };
  const TRect c1 = Cell(3, 1);
  ClickAt(QPoint(c1.Left + 10, c1.Top + 8));
  EXPECT_TRUE(V->GetElemChecked(3, 1));
  ASSERT_EQ(before.size(), 1u);
  EXPECT_EQ(before[0], std::make_pair(true, 1));
  EXPECT_EQ(after[0], std::make_pair(false, 1));

  veto = true;
  const TRect c2 = Cell(3, 2);
  ClickAt(QPoint(c2.Left + 10, c2.Top + 8));
  EXPECT_FALSE(V->GetElemChecked(3, 2));
  ClickAt(QPoint(c2.Left + 30, c2.Top + 8));  // beside the box
  EXPECT_EQ(before.size(), 2u);
  veto = false;

  V->SetRowEnabled(4, false);
  const TRect c4 = Cell(3, 4);
  ClickAt(QPoint(c4.Left + 10, c4.Top + 8));
  EXPECT_FALSE(V->GetElemChecked(3, 4));
  V->SetCheckMarksReadOnly(true);
  const TRect c5 = Cell(3, 5);
  ClickAt(QPoint(c5.Left + 10, c5.Top + 8));
  EXPECT_FALSE(V->GetElemChecked(3, 5));
  EXPECT_EQ(before.size(), 2u);
}

TEST_F(ViewTest, RadioClicksMoveTheMark) {
  V->SetColumnCheckMode(3, cmRadio);
  for (int r = 1; r <= 6; ++r) V->SetElem(3, r, QStringLiteral("o"));
  V->SetElemChecked(3, 2, true);
  const TRect c4 = Cell(3, 4);
  ClickAt(QPoint(c4.Left + 8, c4.Top + 8));
  EXPECT_TRUE(V->GetElemChecked(3, 4));
  EXPECT_FALSE(V->GetElemChecked(3, 2));
  ClickAt(QPoint(c4.Left + 8, c4.Top + 8));
  EXPECT_TRUE(V->GetElemChecked(3, 4));
  EXPECT_EQ(V->FirstCheckedElemInCol(3), 4);
}

TEST_F(ViewTest, HeaderClicksSortWithOneSharedToggle) {
  struct Step {
    int Col;
    int Order;  // expected LastSortOrder: 1 ascending, 0 descending
  };
  for (const Step& s : {Step{2, 0}, Step{2, 1}, Step{3, 0}}) {
    ClickAt(Center(HeaderCell(s.Col)));
    EXPECT_EQ(V->LastSortColumn(), s.Col);
    EXPECT_EQ(V->LastSortOrder(), s.Order == 1);
  }
  // Near a border the click belongs to column sizing.
  V->UnSort();
  const TRect h = HeaderCell(2);
  ClickAt(QPoint(h.Right - 3, (h.Top + h.Bottom) / 2));
  EXPECT_EQ(V->LastSortColumn(), -1);
  V->SetSortEnabled(false);
  ClickAt(Center(h));
  EXPECT_EQ(V->LastSortColumn(), -1);
  V->Sort(2, -1, true);  // the program still sorts
  EXPECT_EQ(V->Elem(2, 1), QStringLiteral("1"));
}

TEST_F(ViewTest, HeaderClickKeepsTheSelectedRecord) {
  ClickRow(2);  // "alpha"
  ClickAt(Center(HeaderCell(1)));  // by name, descending: alpha is last
  EXPECT_EQ(V->Elem(1, 6), QStringLiteral("alpha"));
  EXPECT_EQ(V->Row(), GridRow(6));
  EXPECT_EQ(Selected(), QList<int>({6}));
}

TEST_F(ViewTest, DoubleClickOnAHeaderBorderFitsTheColumn) {
  V->SetElem(1, 3, QStringLiteral("a rather long name for this column"));
  V->SetColWidths(1, 30);
  int dbl = 0;
  V->OnDblClick = [&](TObject*) { ++dbl; };
  const TRect h = HeaderCell(1);
  const QPoint border(h.Right - 2, (h.Top + h.Bottom) / 2);
  QTest::mouseMove(V.get(), border);
  QTest::mouseDClick(V.get(), Qt::LeftButton, {}, border);
  EXPECT_EQ(V->ColWidths(1), V->DetermineMaxColWidth(1, true));
  EXPECT_GT(V->ColWidths(1), 100);
  EXPECT_EQ(dbl, 0);  // not passed on from the header row
  // Away from a border nothing is fitted.
  V->SetColWidths(2, 30);
  QTest::mouseDClick(V.get(), Qt::LeftButton, {}, Center(HeaderCell(2)));
  EXPECT_EQ(V->ColWidths(2), 30);
  // On a data row the double click reaches OnDblClick.
  QTest::mouseDClick(V.get(), Qt::LeftButton, {}, Center(Cell(1, 2)));
  EXPECT_EQ(dbl, 1);
}

TEST_F(ViewTest, CursorKeysSelectTheCurrentRow) {
  std::vector<std::uint16_t> keys;
  V->OnCursorKeyAction = [&](TObject*, std::uint16_t Key) { keys.push_back(Key); };
  ClickRow(2);
  Key(Qt::Key_Down);
  Key(Qt::Key_Down);
  EXPECT_EQ(Selected(), QList<int>({4}));
  Key(Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(Selected(), QList<int>({6}));
  EXPECT_EQ(keys, (std::vector<std::uint16_t>{VK_DOWN, VK_DOWN, VK_END}));
}

TEST_F(ViewTest, AutoAdvanceMovesOnEnter) {
  V->SetAutoAdvance(true);
  ClickRow(4);
  Key(Qt::Key_Return);
  EXPECT_EQ(V->Row(), GridRow(5));
  V->SetAutoAdvance(false);
  Key(Qt::Key_Return);
  EXPECT_EQ(V->Row(), GridRow(5));
}

TEST_F(ViewTest, WheelOnlyFiresTheEvents) {
  V->SetNrRows(200);
  int downs = 0;
  auto wheel = [&](int delta) {
    QWheelEvent e(QPointF(50, 80), V->mapToGlobal(QPointF(50, 80)), QPoint(), QPoint(0, delta), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(V.get(), &e);
  };
  wheel(-120);
  EXPECT_EQ(V->TopRow(), 1);
  V->OnMouseWheelDown = [&](TObject*, TShiftState, TPoint, bool& Handled) {
    ++downs;
    V->SetTopRow(V->TopRow() + 3);
    Handled = true;
  };
  wheel(-240);
  EXPECT_EQ(downs, 2);
  EXPECT_EQ(V->TopRow(), 7);
}

TEST_F(ViewTest, MouseCellNamesHeadRowsAndDataRows) {
  V->SetCommonHeaderVisible(true);
  const TRect common = V->CellRect(0, 0);
  const TRect head = V->CellRect(1, 1);
  const TRect data = V->CellRect(2, 3);
  EXPECT_EQ(V->MouseCell(common.Left + 5, common.Top + 5), TGridCoord(1, -2));
  EXPECT_EQ(V->MouseCell(head.Left + 5, head.Top + 5), TGridCoord(2, -1));
  EXPECT_EQ(V->MouseCell(data.Left + 5, data.Top + 5), TGridCoord(3, 2));
  EXPECT_EQ(V->MouseCell(V->GridWidth() + 5, V->GridHeight() + 5), TGridCoord(0, 0));
}

TEST_F(ViewTest, SelectionQueries) {
  V->SetRowSelectMode(2);
  V->SetRowSelected(3, true);
  V->SetRowEnabled(3, false);
  EXPECT_EQ(V->FirstSelectedRow(), 0);  // the only selected row is disabled
  V->SetRowSelected(5, true);
  EXPECT_EQ(V->NumSelectedRows(), 2);
  EXPECT_EQ(V->NumEnabledRows(), 5);
  V->SetSelectedRows({2, 6});
  EXPECT_EQ(Selected(), QList<int>({2, 6}));
  EXPECT_EQ(V->Row(), GridRow(6));
  V->SelectColumn(2);
  EXPECT_EQ(V->FirstSelectedColumn(), 2);
  EXPECT_EQ(V->NumSelectedColumns(), 1);
  V->CenterScrollAndSelect(4);
  EXPECT_EQ(Selected(), QList<int>({4}));
}

TEST_F(ViewTest, InGridEditingOfAnEditableColumn) {
  V->SetColumnEditable(1, true);
  std::vector<int> setRows;
  V->OnSetEditText = [&](TObject*, int, int Row, const QString&) { setRows.push_back(Row); };
  ClickRow(2);
  ClickRow(2);  // a click on the current cell opens the editor
  ASSERT_TRUE(V->EditorMode());
  Key(Qt::Key_End);
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("!"));
  Key(Qt::Key_Return);
  EXPECT_EQ(V->Elem(1, 2), QStringLiteral("alpha!"));
  ASSERT_FALSE(setRows.empty());
  EXPECT_EQ(setRows.back(), 2);
}
