// TRLData: check-box and radio columns.

#include <ORV_replist.h>

#include <gtest/gtest.h>

#include <QStringList>

using namespace orv;

namespace {

// A table with column 1 holding a, (empty), b, c and column 2 plain.
struct CheckTable : ::testing::Test {
  TRLData d{nullptr};
  void SetUp() override {
    d.SetNrCols(2);
    d.SetNrRows(4);
    d.SetElem(1, 1, "a");
    d.SetElem(1, 3, "b");
    d.SetElem(1, 4, "c");
  }
  QStringList Texts() const { return {d.GetElem(1, 1), d.GetElem(1, 2), d.GetElem(1, 3), d.GetElem(1, 4)}; }
  QList<bool> Checked() const {
    return {d.GetElemChecked(1, 1), d.GetElemChecked(1, 2), d.GetElemChecked(1, 3), d.GetElemChecked(1, 4)};
  }
};

}  // namespace

TEST_F(CheckTable, SwitchingModesKeepsTheVisibleTexts) {
  d.SetColCheckMode(1, cmBox);
  EXPECT_EQ(Texts(), (QStringList{"a", "", "b", "c"}));
  EXPECT_EQ(Checked(), (QList<bool>{false, false, false, false}));
  EXPECT_EQ(d.Strings()->GetString(1, 1), " a");
  EXPECT_EQ(d.Strings()->GetString(1, 2), "") << "an empty cell stays empty";
  d.SetColCheckMode(1, cmNone);
  EXPECT_EQ(Texts(), (QStringList{"a", "", "b", "c"}));
  EXPECT_EQ(d.Strings()->GetString(1, 1), "a");
}

TEST_F(CheckTable, ModeChangesDoNotNotifyPerCell) {
  int changes = 0;
  d.Strings()->OnChange = [&](TObject*) { ++changes; };
  d.SetColCheckMode(1, cmBox);
  EXPECT_EQ(changes, 0);
  d.SetElem(1, 1, "x");
  EXPECT_EQ(changes, 1) << "the notification is back afterwards";
}

TEST_F(CheckTable, BoxToRadioClearsAndRadioToBoxKeeps) {
  d.SetColCheckMode(1, cmBox);
  d.SetElemChecked(1, 1, true);
  d.SetElemChecked(1, 3, true);
  d.SetColCheckMode(1, cmRadio);
  EXPECT_EQ(Checked(), (QList<bool>{false, false, false, false}));
  d.SetElemChecked(1, 4, true);
  d.SetColCheckMode(1, cmBox);
  EXPECT_EQ(Checked(), (QList<bool>{false, false, false, true}));
  EXPECT_EQ(Texts(), (QStringList{"a", "", "b", "c"}));
}

TEST_F(CheckTable, RadioColumnHoldsOneCheck) {
  d.SetColCheckMode(1, cmRadio);
  d.SetElemChecked(1, 3, true);
  d.SetElemChecked(1, 2, true);  // an empty cell becomes the one-character "X"
  EXPECT_EQ(Checked(), (QList<bool>{false, true, false, false}));
  EXPECT_EQ(d.Strings()->GetString(1, 2), "X");
  d.SetAllCheckmarksOfCol(1, true);
  EXPECT_EQ(d.CountCheckedElemsInCol(1), 1) << "a radio column is never filled";
  d.SetAllCheckmarksOfCol(1, false);
  EXPECT_EQ(d.CountCheckedElemsInCol(1), 0) << "but it can be cleared";
  EXPECT_TRUE(d.GetCheckedCol(1) == false) << "IsCheckedColumn means a box column";
}

TEST_F(CheckTable, SetElemKeepsTheCheckState) {
  d.SetColCheckMode(1, cmBox);
  d.SetElemChecked(1, 1, true);
  d.SetElem(1, 1, "new");
  d.SetElem(1, 2, "filled");
  EXPECT_TRUE(d.GetElemChecked(1, 1));
  EXPECT_FALSE(d.GetElemChecked(1, 2));
  EXPECT_EQ(d.Strings()->GetString(1, 1), "Xnew");
  EXPECT_EQ(d.Strings()->GetString(1, 2), " filled");
}

TEST_F(CheckTable, PlainColumnsHaveNoCheckState) {
  d.SetElemChecked(2, 1, true);
  EXPECT_EQ(d.GetElem(2, 1), "");
  EXPECT_FALSE(d.GetElemChecked(2, 1));
  d.SetElemChecked(0, 1, true);
  EXPECT_EQ(d.GetElem(0, 1), "") << "column 0 is never a check column";
  d.SetAllCheckmarksOfCol(2, false);
  d.InvertAllCheckmarksOfCol(2);
  EXPECT_EQ(d.GetElem(2, 1), "");
  EXPECT_EQ(d.CountCheckedElemsInCol(2), 0);
  EXPECT_EQ(d.FirstCheckedElemInCol(2), 0);
}

TEST_F(CheckTable, AllAndInvertCanSkipDisabledRows) {
  d.SetCheckedCol(1, true);
  EXPECT_EQ(d.GetColCheckMode(1), cmBox);
  d.Strings()->SetRowAttrib(2, rlRowDisabled);
  d.SetAllCheckmarksOfCol(1, true, true);
  EXPECT_EQ(Checked(), (QList<bool>{true, false, true, true}));
  d.InvertAllCheckmarksOfCol(1, true);
  EXPECT_EQ(Checked(), (QList<bool>{false, false, false, false}));
  d.InvertAllCheckmarksOfCol(1);
  EXPECT_EQ(Checked(), (QList<bool>{true, true, true, true}));
  EXPECT_EQ(Texts(), (QStringList{"a", "", "b", "c"}));
  d.SetAllCheckmarksOfCol(1, false);
  EXPECT_EQ(d.CountCheckedElemsInCol(1), 0);
}

TEST_F(CheckTable, CountsAndFirstChecked) {
  d.SetNrCols(3);
  d.SetColCheckMode(1, cmBox);
  d.SetColCheckMode(3, cmRadio);
  d.SetElemChecked(1, 3, true);
  d.SetElemChecked(1, 4, true);
  d.SetElemChecked(3, 4, true);
  EXPECT_EQ(d.CountCheckedElemsInCol(1), 2);
  EXPECT_EQ(d.FirstCheckedElemInCol(1), 3);
  EXPECT_EQ(d.CountCheckedElemsInRow(4), 2);
  EXPECT_EQ(d.FirstCheckedElemInRow(4), 1);
  EXPECT_EQ(d.FirstCheckedElemInRow(1), 0);
  EXPECT_EQ(d.FirstCheckedElemInRow(9), 0);
  EXPECT_EQ(d.CountCheckedElemsInRow(0), 0);
}
