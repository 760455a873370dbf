// Table editor under the mouse and the keyboard: second-click editing,
// stored texts, coded columns and their pick list, auto-advance, locked
// cells, read-only, Escape.
#include "NTabEdTestSupport.h"

#include <QMouseEvent>
#include <QWheelEvent>

using namespace orv;
using orv::test::NTabEdTest;

namespace {

class NTabEdInputTest : public NTabEdTest {
protected:
  void SetUp() override {
    NTabEdTest::SetUp();
    Show();
  }
  // The data cell the grid's current cell is on.
  std::pair<int, int> Current() const {
    return {E->Col() - E->FirstDataGridCol() + 1, E->Row() - E->FirstDataGridRow() + 1};
  }
  // Types Text into cell (c, r): select it, type, close with Enter.
  void TypeInto(int c, int r, const QString& Text) {
    Click(c, r);
    Type(Text);
    Key(Qt::Key_Return);
  }
};

}  // namespace

TEST_F(NTabEdInputTest, FirstClickSelectsSecondClickEdits) {
  const struct {
    std::uint8_t State;
    bool ReadOnly, Opens;
  } cases[] = {{0, false, true}, {dtsLocked, false, false}, {0, true, false}, {dtsMarkA, false, true}};
  for (const auto& k : cases) {
    E->SetDataReadOnly(k.ReadOnly);
    E->SetCellState(2, 2, k.State);
    Click(1, 1);
    Click(2, 2);
    EXPECT_FALSE(E->EditorMode()) << int(k.State) << k.ReadOnly;
    EXPECT_EQ(Current(), std::make_pair(2, 2));
    Click(2, 2);
    EXPECT_EQ(E->EditorMode(), k.Opens) << int(k.State) << k.ReadOnly;
    E->HideEditor();
  }
}

TEST_F(NTabEdInputTest, TypedTextIsStoredAsItChanges) {
  E->SetElem(1, 1, 4);
  const struct {
    const char* Text;
    double Value;
    bool NaN;
  } cases[] = {{"1,5", 1.5, false}, {"  7 ", 7, false}, {"abc", 7, true}, {"-2e3", -2000, false},
                 {"inf", -2000, true}, {"nan", -2000, true}, {"", -2000, true}};
  for (const auto& k : cases) {
    Click(2, 2);
    Click(1, 1);
    Click(1, 1);
    ASSERT_TRUE(E->EditorMode());
    E->InplaceEditor()->SetText(QString::fromLatin1(k.Text));
    EXPECT_EQ(E->Elem(1, 1), k.Value) << k.Text;
    EXPECT_EQ(bool(E->CellState(1, 1) & dtsNotANumber), k.NaN) << k.Text;
    Key(Qt::Key_Return);
  }
}

TEST_F(NTabEdInputTest, TypingIntoACellAndEnterMovesOn) {
  TypeInto(1, 1, QStringLiteral("12.5"));
  EXPECT_EQ(E->Elem(1, 1), 12.5);
  EXPECT_FALSE(E->EditorMode());
  EXPECT_EQ(Current(), std::make_pair(1, 2));
  E->SetAutoAdvanceDir(orRight);
  TypeInto(1, 3, QStringLiteral("3"));
  EXPECT_EQ(Current(), std::make_pair(2, 3));
  E->SetAutoAdvance(false);
  TypeInto(2, 2, QStringLiteral("4"));
  EXPECT_EQ(E->Elem(2, 2), 4.0);
  EXPECT_EQ(Current(), std::make_pair(2, 2));
}

TEST_F(NTabEdInputTest, ValuesTypedAreClampedIntoTheRange) {
  E->SetVRangeLow(-1);
  E->SetVRangeHigh(1);
  TypeInto(3, 1, QStringLiteral("5"));
  EXPECT_EQ(E->Elem(3, 1), 1.0);
}

TEST_F(NTabEdInputTest, EscapeRestoresTheExactValue) {
  E->SetElem(1, 1, 1.23456);
  E->SetElemMarkedA(1, 1, true);
  Click(1, 1);
  Click(1, 1);
  ASSERT_TRUE(E->EditorMode());
  EXPECT_EQ(E->InplaceEditor()->Text(), QStringLiteral("1.235"));
  Type(QStringLiteral("x"));
  EXPECT_TRUE(E->CellState(1, 1) & dtsNotANumber);
  Key(Qt::Key_Escape);
  EXPECT_FALSE(E->EditorMode());
  EXPECT_EQ(E->Elem(1, 1), 1.23456);
  EXPECT_EQ(E->CellState(1, 1), dtsMarkA);
}

TEST_F(NTabEdInputTest, CodedColumnsTakeNamesAndWholeNumbers) {
  E->Data->SetMScaleType(2, 1);
  E->Data->SetNominalID(2, 3, QStringLiteral("red"));
  E->Data->SetNominalID(2, 1, QStringLiteral("green"));
  E->SetCellState(2, 1, dtsMarkA | dtsNotANumber);
  TypeInto(2, 1, QStringLiteral("RED"));
  EXPECT_EQ(E->Elem(2, 1), 3.0);
  EXPECT_EQ(E->CellState(2, 1), 0);
  E->SetCellState(2, 2, dtsMarkA | dtsNotANumber);
  TypeInto(2, 2, QStringLiteral("12"));
  EXPECT_EQ(E->Elem(2, 2), 12.0);
  EXPECT_EQ(E->CellState(2, 2), dtsMarkA);
  TypeInto(2, 3, QStringLiteral("blue"));
  EXPECT_EQ(E->Elem(2, 3), 0.0);
  EXPECT_TRUE(E->CellState(2, 3) & dtsNotANumber);
  // The range ends are rounded for codes.
  E->SetVRangeLow(0.4);
  E->SetVRangeHigh(2.5);
  TypeInto(2, 4, QStringLiteral("red"));
  EXPECT_EQ(E->Elem(2, 4), 2.0);

  // The editor starts with the code's name, and offers the names in code order.
  E->SetVRangeLow(0);
  E->SetVRangeHigh(0);
  E->SetElem(2, 1, 3);
  Click(2, 1);
  Click(2, 1);
  ASSERT_TRUE(E->EditorMode());
  EXPECT_EQ(E->InplaceEditor()->Text(), QStringLiteral("red"));
  auto* list = dynamic_cast<TInplaceEditList*>(E->InplaceEditor());
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->EditStyle(), esPickList);
  list->DropDown();
  EXPECT_EQ(list->PickList(), QStringList({QStringLiteral("green"), QStringLiteral("red")}));
  list->CloseUp(false);
  Key(Qt::Key_Escape);
  Click(1, 1);
  Click(1, 1);
  EXPECT_EQ(list->EditStyle(), esSimple);
}

TEST_F(NTabEdInputTest, LockedCellSwallowsLettersButMoves) {
  E->SetElem(2, 2, 6);
  E->SetCellState(2, 2, dtsLocked);
  Click(2, 2);
  Type(QStringLiteral("9a"));
  EXPECT_FALSE(E->EditorMode());
  EXPECT_EQ(E->Elem(2, 2), 6.0);
  Key(Qt::Key_Return);
  EXPECT_EQ(Current(), std::make_pair(2, 3));
  Click(2, 2);
  Key(Qt::Key_Right);
  EXPECT_EQ(Current(), std::make_pair(3, 2));
  Key(Qt::Key_Left);
  Key(Qt::Key_F2);
  EXPECT_FALSE(E->EditorMode());
}

TEST_F(NTabEdInputTest, ReadOnlyClosesTheEditorAndTakesNoInput) {
  Click(1, 1);
  Click(1, 1);
  ASSERT_TRUE(E->EditorMode());
  E->SetDataReadOnly(true);
  EXPECT_FALSE(E->EditorMode());
  Type(QStringLiteral("5"));
  EXPECT_EQ(E->Elem(1, 1), 0.0);
  E->SetDataReadOnly(false);
  TypeInto(1, 1, QStringLiteral("5"));
  EXPECT_EQ(E->Elem(1, 1), 5.0);
}

TEST_F(NTabEdInputTest, EditEventsSeeAndChangeTheText) {
  std::vector<QString> stored;
  E->OnGetEditText = [](TObject*, int, int, QString& Value) { Value = QStringLiteral("<") + Value + u'>'; };
  E->OnSetEditText = [&](TObject*, int, int, const QString& Value) { stored.push_back(Value); };
  Click(1, 1);
  Click(1, 1);
  EXPECT_EQ(E->InplaceEditor()->Text(), QStringLiteral("<0.000>"));
  E->InplaceEditor()->SetText(QStringLiteral("2"));
  EXPECT_EQ(stored, std::vector<QString>({QStringLiteral("2")}));
  EXPECT_EQ(E->Elem(1, 1), 2.0);
}

TEST_F(NTabEdInputTest, KeysAndWheelReportTheSelection) {
  Click(1, 1);
  Fired.clear();
  Key(Qt::Key_Down);
  Key(Qt::Key_Right);
  EXPECT_EQ(Current(), std::make_pair(2, 2));
  EXPECT_EQ(Events("SelectionChanged"), 2);
  int scrolled = 0;
  E->OnTopLeftChanged = [&](TObject*) { ++scrolled; };
  E->SetNrOfRows(100);
  E->SetTopRow(50);
  EXPECT_EQ(E->TopRow(), 50);
  EXPECT_EQ(scrolled, 1);
  E->SetTopRow(1000);
  EXPECT_LE(E->TopRow(), 100);
  QWheelEvent wheel(QPointF(100, 100), E->mapToGlobal(QPointF(100, 100)), QPoint(), QPoint(0, 120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  Fired.clear();
  QApplication::sendEvent(E.get(), &wheel);
  EXPECT_GE(Events("SelectionChanged"), 1);
}

TEST_F(NTabEdInputTest, DraggingSelectsABlockAndReportsIt) {
  Click(3, 4);
  Fired.clear();
  QTest::mousePress(E.get(), Qt::LeftButton, {}, Center(Cell(1, 1)));
  QMouseEvent move(QEvent::MouseMove, QPointF(Center(Cell(2, 3))), E->mapToGlobal(QPointF(Center(Cell(2, 3)))),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(E.get(), &move);
  QTest::mouseRelease(E.get(), Qt::LeftButton, {}, Center(Cell(2, 3)));
  EXPECT_EQ(E->DataSelection(), TGridRect(1, 1, 2, 3));
  EXPECT_GE(Events("SelectionChanged"), 1);
  EXPECT_FALSE(E->EditorMode());
}
