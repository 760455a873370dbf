// Report list view filtering and sorting: the three filter modes,
// OnBeforeFilter combination, hidden rows, SortEnabledState; and a storm of
// random input on a filtered, editable view.
#include "ViewTestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QWheelEvent>

#include <algorithm>
#include <random>

using namespace orv;
using orv::test::ViewTest;

namespace {

// Data rows shown, top to bottom.
QList<int> ShownRows(const TReportListView& V) {
  QList<int> rows;
  for (int g = test::GridOf::FixedRowsOf(V); g < test::GridOf::Rows(V); ++g)
    if (int r = V.DataRowOfGridRow(g); r != 0) rows.append(r);
  return rows;
}

QStringList ShownNames(const TReportListView& V) {
  QStringList names;
  for (int r : ShownRows(V)) names.append(V.Elem(1, r));
  return names;
}

}  // namespace

TEST_F(ViewTest, FilterModes) {
  struct Case {
    const char* Exp;
    bool IgnoreCase;
    TFilterMode Mode;
    QStringList Expected;  // names shown, in table order
  };
  const Case cases[] = {
      {"HA", true, fmSimple, {"alpha", "charlie"}},
      {"HA", false, fmSimple, {}},
      {"", true, fmSimple, {"delta", "alpha", "echo", "charlie", "bravo", "foxtrot"}},
      {"a AND l", true, fmBoolean, {"delta", "alpha", "charlie"}},
      {"ec OR fox", true, fmBoolean, {"echo", "foxtrot"}},
      {"NOT (a OR o)", true, fmBoolean, {}},
      {"NOT a", true, fmBoolean, {"echo", "foxtrot"}},
      {"(al OR br) AND NOT \"alp\"", true, fmBoolean, {"bravo"}},
      {"a (", true, fmBoolean, {}},
      {"\"unclosed", true, fmBoolean, {}},
      {"^[a-d]", true, fmGrep, {"delta", "alpha", "charlie", "bravo"}},
      {"^[A-D]", false, fmGrep, {}},
      {"o$", true, fmGrep, {"echo", "bravo"}},
      {"([", true, fmGrep, {}},
  };
  for (const Case& c : cases) {
    const int shown = V->FilterAndSort(QString::fromUtf8(c.Exp), {1}, c.IgnoreCase, c.Mode, -1, true);
    EXPECT_EQ(ShownNames(*V), c.Expected) << c.Exp;
    EXPECT_EQ(shown, c.Expected.size()) << c.Exp;
    EXPECT_EQ(V->NrOfRows(), 6);  // hidden, not deleted
    EXPECT_EQ(test::GridOf::Rows(*V), std::max<int>(1 + shown, 2));
  }
  V->ClearFilter();
  EXPECT_EQ(ShownRows(*V), QList<int>({1, 2, 3, 4, 5, 6}));
}

TEST_F(ViewTest, FilterColumnsAndSortResult) {
  // "1" and "5" appear only in the value column.
  EXPECT_EQ(V->FilterAndSort(QStringLiteral("1 OR 5"), {2}, true, fmBoolean, 1, false), 2);
  EXPECT_EQ(ShownNames(*V), QStringList({"echo", "alpha"}));
  EXPECT_EQ(V->FilterAndSort(QStringLiteral("1 OR 5"), {1}, true, fmBoolean, 1, false), 0);
  EXPECT_EQ(V->FilterAndSort(QStringLiteral("[135]"), {}, true, fmGrep, 2, true), 3);
  EXPECT_EQ(ShownNames(*V), QStringList({"alpha", "charlie", "echo"}));
  // Sorting while filtered keeps the filter.
  V->Sort(1, -1, false);
  EXPECT_EQ(ShownNames(*V), QStringList({"echo", "charlie", "alpha"}));
  // Renumbering the columns shows every row again.
  V->InsertColumn(1);
  EXPECT_FALSE(V->Filtered());
  EXPECT_EQ(test::GridOf::Rows(*V), 7);
}

TEST_F(ViewTest, BeforeFilterCombinesWithTheBuiltInTest) {
  struct Case {
    TLogicOp Op;
    QStringList Expected;
  };
  // Built-in: names containing "o" (echo, bravo, foxtrot); handler: even rows (alpha, charlie, foxtrot).
  const Case cases[] = {
      {loNone, {"alpha", "charlie", "foxtrot"}},
      {loAnd, {"foxtrot"}},
      {loOr, {"alpha", "echo", "charlie", "bravo", "foxtrot"}},
      {loXor, {"alpha", "echo", "charlie", "bravo"}},
  };
  for (const Case& c : cases) {
    std::vector<std::pair<int, bool>> seen;
    V->OnBeforeFilter = [&](TObject* Sender, int Row, bool& Found, TLogicOp& Op) {
      EXPECT_EQ(Sender, V.get());
      seen.emplace_back(Row, Found);
      Found = Row % 2 == 0;
      Op = c.Op;
    };
    V->FilterAndSort(QStringLiteral("o"), {1}, true, fmSimple, -1, true);
    EXPECT_EQ(ShownNames(*V), c.Expected) << int(c.Op);
    ASSERT_EQ(seen.size(), 6u);
    EXPECT_EQ(seen[2], std::make_pair(3, true));   // echo: the built-in result comes in
    EXPECT_EQ(seen[1], std::make_pair(2, false));  // alpha
  }
}

TEST_F(ViewTest, FilteredRowsMapBothWaysAndKeepData) {
  V->FilterAndSort(QStringLiteral("a"), {1}, true, fmSimple, -1, true);  // delta alpha charlie bravo
  EXPECT_EQ(V->GridRowOfDataRow(3), -1);  // echo hidden
  EXPECT_EQ(V->GridRowOfDataRow(4), 3);
  EXPECT_EQ(V->DataRowOfGridRow(3), 4);
  EXPECT_EQ(V->Elem(1, 3), QStringLiteral("echo"));
  ClickRow(1);
  ClickAt(Center(V->CellRect(0, 3)));
  EXPECT_EQ(Selected(), QList<int>({4}));
  V->ClearFilter();
  EXPECT_EQ(V->Row(), GridRow(4));  // the current record stays current
}

TEST_F(ViewTest, FilteredRowNumbersAreDataRows) {
  V->SetNrRows(90);
  V->OnBeforeFilter = [](TObject*, int Row, bool& Found, TLogicOp&) { Found = Row % 3 == 0; };
  EXPECT_EQ(V->FilterAndSort(QString(), {}, true, fmSimple, -1, true), 30);  // 3, 6, 9, ...
  EXPECT_EQ(V->TopRow(), 3);
  struct Case {
    int Set, Top;
  };
  // A hidden row scrolls to the first shown row after it.
  for (const Case& c : {Case{30, 30}, Case{31, 33}, Case{1, 3}, Case{-5, 3}, Case{45, 45}}) {
    V->SetTopRow(c.Set);
    EXPECT_EQ(V->TopRow(), c.Top) << c.Set;
    EXPECT_EQ(V->DataRowOfGridRow(test::GridOf::GridTopRowOf(*V)), c.Top) << c.Set;
  }
  V->SetTopRow(1000);  // as far as the grid scrolls: the last rows fill the view
  EXPECT_EQ(V->TopRow() % 3, 0);
  EXPECT_GT(V->TopRow(), 45);
  EXPECT_EQ(V->property("TopRow").toInt(), V->TopRow());

  V->CenterScrollAndSelect(45);  // the 15th row shown
  EXPECT_EQ(Selected(), QList<int>({45}));
  EXPECT_EQ(V->Row(), V->GridRowOfDataRow(45));
  EXPECT_EQ(V->TopRow(), 3 * (15 - V->VisibleRowCount() / 2));

  // The insertion line at a hidden row lies above the next row shown.
  V->SetInterRowIndicatorPos(44);
  EXPECT_EQ(V->InterRowLineY(), V->CellRect(0, V->GridRowOfDataRow(45)).Top - 1);
}

TEST_F(ViewTest, LiveLogKeepsItsFilter) {
  // Names with an "a", sorted: alpha, bravo, charlie, delta.
  EXPECT_EQ(V->FilterAndSort(QStringLiteral("a"), {1}, true, fmSimple, 1, true), 4);
  const int r = V->AddRow();
  EXPECT_EQ(r, 7);
  EXPECT_TRUE(V->Filtered());
  EXPECT_EQ(V->GridRowOfDataRow(7), -1);  // a blank row does not match
  V->SetElem(1, 7, QStringLiteral("golf"));
  EXPECT_EQ(ShownNames(*V), QStringList({"alpha", "bravo", "charlie", "delta"}));
  V->SetElem(1, 7, QStringLiteral("papa"));  // now it does
  EXPECT_EQ(ShownNames(*V), QStringList({"alpha", "bravo", "charlie", "delta", "papa"}));
  EXPECT_EQ(test::GridOf::Rows(*V), 1 + 5);
  V->SetElem(1, 2, QStringLiteral("kilo"));  // and a row that stops matching goes
  EXPECT_EQ(ShownNames(*V), QStringList({"alpha", "charlie", "delta", "papa"}));

  // Removing and inserting rows of the sorted view keep the verdicts with their rows.
  V->RemoveRow(1);
  EXPECT_EQ(ShownNames(*V), QStringList({"charlie", "delta", "papa"}));
  V->InsertRow(2);
  V->SetNrRows(V->NrOfRows() + 2);
  EXPECT_EQ(V->NrOfRows(), 9);
  EXPECT_EQ(ShownNames(*V), QStringList({"charlie", "delta", "papa"}));
  EXPECT_EQ(V->Elem(1, 3), QStringLiteral("charlie"));
  EXPECT_EQ(ShownRows(*V), QList<int>({3, 4, 7}));

  V->Fill(QStringLiteral("banana"));  // every row tested again
  EXPECT_EQ(V->ShownRowCount(), 9);
  V->SetNrRows(0);
  EXPECT_TRUE(V->Filtered());
  EXPECT_EQ(test::GridOf::Rows(*V), 2);  // one blank grid row
  V->AddRow();
  EXPECT_EQ(V->ShownRowCount(), 0);
  V->RemoveColumn(3);  // renumbering the columns clears it
  EXPECT_FALSE(V->Filtered());
  EXPECT_EQ(V->ShownRowCount(), 1);
}

TEST_F(ViewTest, ExportWritesHiddenRowsToo) {
  QTemporaryDir dir;
  const QString csv = dir.filePath(QStringLiteral("t.csv"));
  V->FilterAndSort(QStringLiteral("o"), {1}, true, fmSimple, -1, true);
  EXPECT_EQ(V->ExportCSV(csv), 6);  // the defaults: all of it, with the names
  QFile f(csv);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), QByteArray("Name,Value,Flag\r\ndelta,4,\r\nalpha,1,\r\necho,5,\r\ncharlie,3,\r\n"
                                    "bravo,2,\r\nfoxtrot,6,\r\n"));
  TRLData back(nullptr);
  EXPECT_EQ(back.ImportCSV(csv), 6);  // reads what the defaults wrote
  EXPECT_EQ(back.GetColName(2), QStringLiteral("Value"));
}

TEST_F(ViewTest, SortEnabledStateKeepsTheRecord) {
  ClickRow(3);  // echo
  V->SortEnabledState(2, -1, false);
  EXPECT_EQ(V->LastSortColumn(), 2);
  EXPECT_FALSE(V->LastSortOrder());
  EXPECT_EQ(V->Elem(1, 2), QStringLiteral("echo"));
  EXPECT_EQ(V->Row(), GridRow(2));
  V->SortEnabledState(9, -1, true);  // no such column: nothing happens
  EXPECT_EQ(V->LastSortColumn(), 2);
}

TEST_F(ViewTest, RandomInputStormKeepsTheTableConsistent) {
  const int rows = 300;
  V->SetNrCols(4);
  V->SetNrRows(rows);
  V->SetColumnCheckMode(3, cmBox);
  V->SetColumnCheckMode(4, cmRadio);
  V->SetColumnEditable(1, true);
  V->SetRowSelectMode(2);
  QStringList values;
  for (int r = 1; r <= rows; ++r) {
    V->SetElem(1, r, QStringLiteral("name %1").arg(r * 7 % 101));
    V->SetElem(2, r, QString::number(r));
    V->SetElem(3, r, r % 3 ? QStringLiteral("yes") : QString());
    V->SetElem(4, r, QStringLiteral("o"));
    values.append(QString::number(r));
  }
  V->SetCommonHeaderVisible(true);
  V->OnMouseWheelDown = [&](TObject*, TShiftState, TPoint, bool& Handled) {
    V->SetTopRow(V->TopRow() + 3);
    Handled = true;
  };
  std::mt19937 rng(12345);
  auto pick = [&](int n) { return int(rng() % unsigned(n)); };
  const int keys[] = {Qt::Key_Up,    Qt::Key_Down,  Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End,
                      Qt::Key_Left,  Qt::Key_Right, Qt::Key_Return, Qt::Key_Escape,   Qt::Key_F2,   Qt::Key_A,
                      Qt::Key_Tab,   Qt::Key_Backspace};
  const Qt::KeyboardModifiers mods[] = {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier};
  for (int i = 0; i < 3000; ++i) {
    const QPoint p(pick(V->width() + 40) - 20, pick(V->height() + 40) - 20);
    const Qt::KeyboardModifiers m = mods[pick(3)];
    switch (pick(7)) {
      case 0:
      case 1: QTest::mouseClick(V.get(), Qt::LeftButton, m, p); break;
      case 2: QTest::mouseDClick(V.get(), Qt::LeftButton, m, p); break;
      case 3: QTest::mouseClick(V.get(), Qt::RightButton, m, p); break;
      case 4:
      case 5: Key(keys[pick(int(std::size(keys)))], m); break;
      case 6: {
        QWheelEvent e(p, V->mapToGlobal(QPointF(p)), QPoint(), QPoint(0, pick(2) ? 120 : -120), Qt::NoButton, m,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(V.get(), &e);
        break;
      }
    }
    if (i % 500 == 250) V->FilterAndSort(QStringLiteral("name 1"), {1}, true, fmSimple, pick(5), pick(2));
    if (i % 500 == 499) V->ClearFilter();
    if (i % 100 == 0) (void)Image();
  }
  (void)Image();
  EXPECT_EQ(V->NrOfRows(), rows);
  EXPECT_EQ(test::GridOf::Rows(*V), std::max(V->CountHeadRows() + V->ShownRowCount(), V->CountHeadRows() + 1));
  for (int g = test::GridOf::FixedRowsOf(*V); g < test::GridOf::Rows(*V); ++g) EXPECT_EQ(V->GridRowOfDataRow(V->DataRowOfGridRow(g)), g);
  QStringList now;
  for (int r = 1; r <= rows; ++r) now.append(V->Elem(2, r));
  std::sort(now.begin(), now.end());
  std::sort(values.begin(), values.end());
  EXPECT_EQ(now, values);
  EXPECT_LE(V->CountCheckedElemsInCol(4), 1);
}
