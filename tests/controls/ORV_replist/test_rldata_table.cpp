// TRLData: dimensions, cells, columns, rows, numbers, default values, sorting, Assign.

#include <ORV_replist.h>

#include <gtest/gtest.h>

#include <QStringList>

using namespace orv;

namespace {

// Column c of rows 1..NrOfRows as seen.
QStringList Column(const TRLData& d, int c) {
  QStringList out;
  for (int r = 1; r <= d.NrOfRows(); ++r) out << d.GetElem(c, r);
  return out;
}

void SetColumn(TRLData& d, int c, const QStringList& values) {
  if (d.NrOfRows() < values.size()) d.SetNrRows(int(values.size()));
  for (int r = 1; r <= values.size(); ++r) d.SetElem(c, r, values[r - 1]);
}

}  // namespace

TEST(RLDataTable, NewObjectHasOneColumnNoRowsAndDefaults) {
  TRLData d(nullptr);
  EXPECT_EQ(d.NrOfColumns(), 1);
  EXPECT_EQ(d.NrOfRows(), 0);
  EXPECT_EQ(d.GetColName(1), "C-1");
  EXPECT_EQ(d.CommonHeader(), "ORV Report Listview");
  EXPECT_EQ(d.LastSortColumn(), -1);
  EXPECT_EQ(d.LastSortColumnSec(), -1);
  EXPECT_TRUE(d.LastSortOrder());
  EXPECT_TRUE(d.LastSortOrderSec());
  EXPECT_EQ(d.GetElem(1, 1), "") << "no rows: every cell is outside";
}

TEST(RLDataTable, OwnerDeletesItAndNameIsTheObjectName) {
  auto* owner = new TRLData(nullptr);
  auto* owned = new TRLData(owner);
  owned->SetName("Sales");
  EXPECT_EQ(owned->objectName(), "Sales");
  EXPECT_EQ(owner->ComponentCount(), 1);
  delete owner;  // deletes owned as well; the sanitizer build catches a double delete or a leak
}

TEST(RLDataTable, DimensionsAreClampedAndNewColumnsNamed) {
  TRLData d(nullptr);
  d.SetNrCols(0);
  EXPECT_EQ(d.NrOfColumns(), 1);
  d.SetNrCols(-3);
  EXPECT_EQ(d.NrOfColumns(), 1);
  d.SetNrRows(-5);
  EXPECT_EQ(d.NrOfRows(), 0);

  d.SetNrCols(2);
  d.SetColName(1, "Name");
  d.SetColName(2, "City");
  d.SetNrCols(4);
  EXPECT_EQ((QStringList{d.GetColName(1), d.GetColName(2), d.GetColName(3), d.GetColName(4)}),
            (QStringList{"Name", "City", "C-3", "C-4"}));
  d.SetNrRows(250);
  EXPECT_EQ(d.FeedbkNumCells(), 250 * 5);
  EXPECT_EQ(d.FeedbkStep(), 250 * 5 / 100 + 1);
}

TEST(RLDataTable, ShrinkingToNoRowsLeavesNoTextBehind) {
  TRLData d(nullptr);
  d.SetNrCols(2);
  d.SetNrRows(2);
  d.SetElem(0, 1, "key");
  d.SetElem(2, 1, "text");
  d.Strings()->SetRowAttrib(1, rlRowSelected);
  d.SetNrRows(0);
  d.SetNrRows(1);
  EXPECT_EQ(d.GetElem(0, 1), "");
  EXPECT_EQ(d.GetElem(2, 1), "");
  EXPECT_EQ(d.Strings()->GetRowAttrib(1), 0);
}

TEST(RLDataTable, CellsOutsideTheTableAreNeutral) {
  TRLData d(nullptr);
  d.SetNrCols(2);
  d.SetNrRows(2);
  for (auto [c, r] : {std::pair{-1, 1}, {3, 1}, {1, 0}, {1, 3}}) {
    d.SetElem(c, r, "x");
    EXPECT_EQ(d.GetElem(c, r), "");
    EXPECT_EQ(d.GetAsNumber(c, r), 0);
    EXPECT_FALSE(d.GetElemChecked(c, r));
  }
  d.SetColName(3, "x");
  EXPECT_EQ(d.GetColName(3), "");
  EXPECT_EQ(d.GetColName(0), "");
  EXPECT_EQ(d.GetColCheckMode(0), cmNone);
}

TEST(RLDataTable, ColumnZeroTravelsWithItsRow) {
  TRLData d(nullptr);
  d.SetNrCols(1);
  SetColumn(d, 1, {"b", "a"});
  SetColumn(d, 0, {"key-b", "key-a"});
  d.Sort(1, -1, true);
  EXPECT_EQ(Column(d, 0), (QStringList{"key-a", "key-b"}));
  d.CopyRow(1, 2);
  EXPECT_EQ(Column(d, 0), (QStringList{"key-a", "key-a"}));
}

TEST(RLDataTable, TextsAreCutToTheirLimits) {
  TRLData d(nullptr);
  d.SetNrRows(1);
  const QString long300 = QString(300, 'x');
  d.SetElem(1, 1, long300);
  EXPECT_EQ(d.GetElem(1, 1), long300.left(255));
  d.SetColCheckMode(1, cmBox);
  d.SetElem(1, 1, long300);
  EXPECT_EQ(d.GetElem(1, 1), long300.left(254)) << "the check character takes one place";

  d.SetColName(1, QString(60, 'n'));
  EXPECT_EQ(d.GetColName(1), QString(50, 'n'));
  d.SetColumnFormat(1, QString(90, 'f'));
  EXPECT_EQ(d.GetColumnFormat(1), QString(80, 'f'));
  // A surrogate pair across the limit is dropped whole.
  const QString emoji = QString::fromUcs4(U"\U0001F600");
  d.SetColName(1, QString(49, 'n') + emoji);
  EXPECT_EQ(d.GetColName(1), QString(49, 'n'));
}

TEST(RLDataTable, InsertAndRemoveRowsAndColumns) {
  TRLData d(nullptr);
  d.SetNrCols(2);
  SetColumn(d, 1, {"r1", "r2", "r3"});
  d.InsertRow(d.NrOfRows() + 1);
  EXPECT_EQ(d.NrOfRows(), 3) << "appending is not possible with InsertRow";
  d.InsertRow(2);
  EXPECT_EQ(Column(d, 1), (QStringList{"r1", "", "r2", "r3"}));
  d.RemoveRow(1);
  EXPECT_EQ(Column(d, 1), (QStringList{"", "r2", "r3"}));

  d.SetColName(1, "A");
  d.SetColName(2, "B");
  d.SetColumnFormat(2, "[i][]7");
  d.SetColCheckMode(2, cmBox);
  d.InsertColumn(d.NrOfColumns() + 1);
  EXPECT_EQ(d.NrOfColumns(), 2);
  d.InsertColumn(2);
  EXPECT_EQ(d.NrOfColumns(), 3);
  EXPECT_EQ(d.GetColName(2), "");
  EXPECT_EQ(d.GetColName(3), "B");
  EXPECT_EQ(d.GetColumnFormat(3), "[i][]7");
  EXPECT_EQ(d.GetColCheckMode(3), cmBox);
  EXPECT_EQ(Column(d, 1), (QStringList{"", "r2", "r3"}));
  d.RemoveColumn(1);
  EXPECT_EQ(d.GetColName(1), "");
  EXPECT_EQ(d.GetColName(2), "B");
  EXPECT_EQ(Column(d, 1), (QStringList{"", "", ""}));
}

TEST(RLDataTable, RemovingTheLastRowOrColumnLeavesZero) {
  TRLData d(nullptr);
  d.SetNrRows(1);
  d.SetElem(0, 1, "k");
  d.SetElem(1, 1, "v");
  d.RemoveRow(1);
  EXPECT_EQ(d.NrOfRows(), 0);
  d.SetNrRows(1);
  EXPECT_EQ(d.GetElem(0, 1), "");
  EXPECT_EQ(d.GetElem(1, 1), "");

  d.SetElem(1, 1, "v");
  d.SetColName(1, "Only");
  d.SetColCheckMode(1, cmBox);
  d.RemoveColumn(1);
  EXPECT_EQ(d.NrOfColumns(), 0);
  d.SetNrCols(1);
  EXPECT_EQ(d.GetElem(1, 1), "");
  EXPECT_EQ(d.GetColName(1), "");
  EXPECT_EQ(d.GetColCheckMode(1), cmNone);
}

TEST(RLDataTable, StructuralChangesCommitTheSortedView) {
  TRLData d(nullptr);
  SetColumn(d, 1, {"c", "a", "b"});
  d.Sort(1, -1, true);
  d.RemoveRow(1);  // removes "a", the first row as seen
  EXPECT_EQ(Column(d, 1), (QStringList{"b", "c"}));
  d.UnSort();
  EXPECT_EQ(Column(d, 1), (QStringList{"b", "c"})) << "the sorted order became the stored order";
}

TEST(RLDataTable, RemoveEmptyRowsKeepsRowsWithTextInAnyColumn) {
  TRLData d(nullptr);
  d.SetNrCols(2);
  d.SetColCheckMode(2, cmBox);
  SetColumn(d, 1, {"", "x", "", "", "y"});
  d.SetElem(0, 3, "key");
  d.SetElemChecked(2, 4, true);  // a check state alone counts as empty
  d.Strings()->SetRowAttrib(5, rlRowDisabled);
  d.RemoveEmptyRows();
  EXPECT_EQ(Column(d, 1), (QStringList{"x", "", "y"}));
  EXPECT_EQ(d.GetElem(0, 2), "key");
  EXPECT_EQ(d.Strings()->GetRowAttrib(3), rlRowDisabled);

  TRLData empty(nullptr);
  empty.SetNrRows(3);
  empty.RemoveEmptyRows();
  EXPECT_EQ(empty.NrOfRows(), 0);
}

TEST(RLDataTable, CopyRowCopiesStoredCellsAndAttribute) {
  TRLData d(nullptr);
  d.SetNrCols(2);
  d.SetNrRows(3);
  d.SetColCheckMode(2, cmBox);
  d.SetElem(1, 1, "a");
  d.SetElem(2, 1, "b");
  d.SetElemChecked(2, 1, true);
  d.Strings()->SetRowAttrib(1, rlRowSelected);
  d.CopyRow(1, 3);
  EXPECT_EQ(d.GetElem(1, 3), "a");
  EXPECT_EQ(d.GetElem(2, 3), "b");
  EXPECT_TRUE(d.GetElemChecked(2, 3));
  EXPECT_EQ(d.Strings()->GetRowAttrib(3), rlRowSelected);
  d.CopyRow(1, 4);
  EXPECT_EQ(d.NrOfRows(), 3);
}

TEST(RLDataTable, ClearKeepsSizeAndTextsButResetsColumns) {
  TRLData d(nullptr);
  d.SetNrCols(2);
  d.SetNrRows(2);
  d.SetElem(1, 1, "x");
  d.SetColName(1, "Name");
  d.SetColumnFormat(1, "[i][]1");
  d.SetColCheckMode(2, cmRadio);
  d.SetComment("note");
  d.SetCommonHeader("head");
  d.Clear();
  EXPECT_EQ(d.GetElem(1, 1), "");
  EXPECT_EQ(d.GetColName(1), "C-1");
  EXPECT_EQ(d.GetColumnFormat(1), "");
  EXPECT_EQ(d.GetColCheckMode(2), cmNone);
  EXPECT_EQ(d.NrOfRows(), 2);
  EXPECT_EQ(d.Comment(), "note");
  EXPECT_EQ(d.CommonHeader(), "head");
}

TEST(RLDataTable, FillSetsDataCellsAndKeepsCheckStates) {
  TRLData d(nullptr);
  d.SetNrCols(2);
  d.SetNrRows(2);
  d.SetColCheckMode(2, cmBox);
  d.SetElemChecked(2, 2, true);
  d.SetElem(0, 1, "key");
  d.Fill("f");
  EXPECT_EQ(Column(d, 1), (QStringList{"f", "f"}));
  EXPECT_EQ(Column(d, 2), (QStringList{"f", "f"}));
  EXPECT_FALSE(d.GetElemChecked(2, 1));
  EXPECT_TRUE(d.GetElemChecked(2, 2));
  EXPECT_EQ(d.GetElem(0, 1), "key") << "column 0 is not a data column";
}

TEST(RLDataTable, ColumnIndexSearchesFromTheLastColumn) {
  TRLData d(nullptr);
  EXPECT_EQ(d.ColumnIndex("c-1", false), 1);
  EXPECT_EQ(d.ColumnIndex("nothing", false), -1);
  d.SetNrCols(3);
  d.SetColName(1, "Price net");
  d.SetColName(2, "Price gross");
  d.SetColName(3, "Name");
  EXPECT_EQ(d.ColumnIndex("PRICE", true), 2);
  EXPECT_EQ(d.ColumnIndex("price", false), -1);
  EXPECT_EQ(d.ColumnIndex("name", false), 3);
}

TEST(RLDataTable, AsNumberReadsDecimalTextOrRaises) {
  TRLData d(nullptr);
  d.SetNrCols(2);
  d.SetNrRows(7);
  const std::pair<const char*, double> cases[] = {
      {" 3,5 ", 3.5}, {"", 0}, {"   ", 0}, {"-2.5e3", -2500}, {"+.5", 0.5}, {"7.", 7}, {"1E2", 100}};
  for (const auto& [text, value] : cases) {
    d.SetElem(1, 1, text);
    EXPECT_DOUBLE_EQ(d.GetAsNumber(1, 1), value) << text;
  }
  for (const char* bad : {"abc", "1.2.3", "inf", "nan", "1e", "0x10", "1 2", "--1", "1e999"}) {
    d.SetElem(2, 7, bad);
    try {
      d.GetAsNumber(2, 7);
      ADD_FAILURE() << bad << " was read as a number";
    } catch (const EORVDStructError& e) {
      EXPECT_EQ(e.Message(), QStringLiteral("Class TRLData: invalid numeric string: [2,7]: ") + bad);
    }
  }
  d.SetColCheckMode(2, cmBox);
  d.SetElem(2, 7, "4,25");
  d.SetElemChecked(2, 7, true);
  EXPECT_DOUBLE_EQ(d.GetAsNumber(2, 7), 4.25) << "the check character is not part of the number";
  d.SetElem(2, 7, "x");
  try {
    d.GetAsNumber(2, 7);
    ADD_FAILURE();
  } catch (const EORVDStructError& e) {
    EXPECT_EQ(e.Message(), "Class TRLData: invalid numeric string: [2,7]: Xx") << "the stored text is quoted";
  }
}

TEST(RLDataTable, DefaultValuesFollowTheColumnFormat) {
  TRLData d(nullptr);
  d.SetNrRows(12);
  const struct {
    const char* format;
    int row;
    const char* expected;
  } cases[] = {
      {"[i][80]rix3", 7, "007"},
      {"[h][]rix4", 10, "000A"},
      {"[h][]rix0", 10, "A"},
      {"[h][]rix1", 31, "F"},
      {"[i][]RIX", 12, "12"},
      {"[f][]rix2", 7, "7.00"},
      {"[e][]rix", 3, "3"},
      {"[i][80]42", 3, "42"},
      {"[c][120]red|green|blue", 1, "red"},
      {"[l:5][]alpha", 1, "alpha"},
      {"[d][]dd.MM.yyyy", 1, "dd.MM.yyyy"},
      {"[s][]plain", 1, "plain"},
      {"[#i][]rix3", 1, ""},
      {"[x][]what", 1, ""},
      {"", 1, ""},
      {"nobrackets", 1, ""},
  };
  for (const auto& c : cases) {
    d.SetColumnFormat(1, c.format);
    EXPECT_EQ(d.GetCellDefaultValue(1, c.row), c.expected) << c.format;
  }
  d.SetColumnFormat(1, "[s][]$pwd$8");
  const QString pwd = d.GetCellDefaultValue(1, 1);
  EXPECT_EQ(pwd.size(), 8);
  EXPECT_NE(pwd, d.GetCellDefaultValue(1, 1)) << "a fresh password each time";
  d.SetColumnFormat(1, "[i][]rix99999999999");
  EXPECT_EQ(d.GetCellDefaultValue(1, 5).size(), 255) << "a huge digit count is kept to the cell length";
}

TEST(RLDataTable, SortRecordsItsStateAndUnSortRestores) {
  TRLData d(nullptr);
  d.SetNrCols(2);
  SetColumn(d, 1, {"b", "a", "b", "a"});
  SetColumn(d, 2, {"1", "2", "3", "4"});
  d.Sort(1, 2, true, false);
  EXPECT_EQ(d.LastSortColumn(), 1);
  EXPECT_EQ(d.LastSortColumnSec(), 2);
  EXPECT_TRUE(d.LastSortOrder());
  EXPECT_FALSE(d.LastSortOrderSec());
  EXPECT_EQ(Column(d, 2), (QStringList{"4", "2", "3", "1"}));
  d.Sort(2, -1, false);
  EXPECT_TRUE(d.LastSortOrderSec()) << "the three-argument form sorts the secondary column ascending";
  EXPECT_EQ(Column(d, 2), (QStringList{"4", "3", "2", "1"}));
  d.UnSort();
  EXPECT_EQ(d.LastSortColumn(), -1);
  EXPECT_EQ(d.LastSortColumnSec(), -1);
  EXPECT_EQ(Column(d, 2), (QStringList{"1", "2", "3", "4"}));
}

TEST(RLDataTable, SortExchangeEventHasTheDataObjectAsSender) {
  TRLData d(nullptr);
  SetColumn(d, 1, {"c", "b", "a"});
  int calls = 0;
  d.OnBeforeSortExchange = [&](TObject* Sender, int, int) {
    EXPECT_EQ(Sender, &d);
    ++calls;
  };
  d.Sort(1, -1, true);
  EXPECT_GT(calls, 0);
}

TEST(RLDataTable, AssignCopiesContentAndKeepsTheSortedView) {
  TRLData src(nullptr);
  src.SetNrCols(2);
  SetColumn(src, 1, {"c", "a", "b"});
  SetColumn(src, 0, {"k3", "k1", "k2"});
  src.SetColName(2, "Done");
  src.SetColumnFormat(1, "[s][]x");
  src.SetColCheckMode(2, cmRadio);
  src.SetElemChecked(2, 1, true);  // row "c"
  src.Strings()->SetRowAttrib(1, rlRowSelected);
  src.Strings()->SetColAttrib(2, rlColSelected);
  src.SetComment("note");
  src.SetCommonHeader("head");
  src.SetDataID("id7");
  src.SetSortToggle(false);
  src.Sort(1, -1, false);  // c b a

  TRLData dst(nullptr);
  dst.SetNrCols(5);
  dst.SetNrRows(9);
  TStringArray* store = dst.Strings();
  dst.Assign(&src);
  EXPECT_EQ(dst.Strings(), store) << "the store object stays, so connected events stay";
  EXPECT_EQ(dst.NrOfColumns(), 2);
  EXPECT_EQ(dst.NrOfRows(), 3);
  EXPECT_EQ(Column(dst, 1), (QStringList{"c", "b", "a"}));
  EXPECT_EQ(Column(dst, 0), (QStringList{"k3", "k2", "k1"}));
  EXPECT_TRUE(dst.GetElemChecked(2, 1));
  EXPECT_EQ(dst.Strings()->GetRowAttrib(1), rlRowSelected) << "the attribute stays with its row";
  EXPECT_EQ(dst.Strings()->GetColAttrib(2), rlColSelected);
  EXPECT_EQ(dst.LastSortColumn(), 1);
  EXPECT_FALSE(dst.LastSortOrder());
  EXPECT_FALSE(dst.SortToggle());
  EXPECT_EQ(dst.GetColName(2), "Done");
  EXPECT_EQ(dst.GetColumnFormat(1), "[s][]x");
  EXPECT_EQ(dst.GetColCheckMode(2), cmRadio);
  EXPECT_EQ(dst.Comment(), "note");
  EXPECT_EQ(dst.CommonHeader(), "head");
  EXPECT_EQ(dst.DataID(), "id7");
  for (int r = 1; r <= 3; ++r) EXPECT_EQ(dst.Strings()->GetSortOrder(r), src.Strings()->GetSortOrder(r));
  dst.UnSort();
  EXPECT_EQ(Column(dst, 1), (QStringList{"c", "a", "b"})) << "the copy unsorts to the source's stored order";

  src.SetElem(1, 1, "changed");
  EXPECT_EQ(dst.GetElem(1, 1), "c") << "nothing is shared";
}

TEST(RLDataTable, AssignFromAnotherClassRaises) {
  TRLData d(nullptr);
  TStringArray other(nullptr);
  EXPECT_THROW(d.Assign(&other), EConvertError);
}
