#include <orvcore.h>

#include <gtest/gtest.h>

#include <QStringList>

#include <OrvStringCells.h>

#include <random>
#include <string>
#include <vector>

using namespace orv;

namespace {

// Column 1 of rows 1..n as seen.
QStringList Column(const TStringArray& a, int col = 1) {
  QStringList out;
  for (int r = 1; r <= a.NrOfRows(); ++r) out << a.GetString(col, r);
  return out;
}

void Fill(TStringArray& a, int col, const QStringList& values) {
  a.Resize(std::max(a.NrOfColumns(), col), int(values.size()));
  for (int r = 1; r <= values.size(); ++r) a.SetString(col, r, values[r - 1]);
}

}  // namespace

TEST(StringArray, SizesKeepAtLeastOneRowAndColumnAndKeepCells) {
  TStringArray a(nullptr, 2, 3);
  EXPECT_EQ(a.NrOfColumns(), 2);
  EXPECT_EQ(a.NrOfRows(), 3);
  a.SetString(0, 0, "corner");
  a.SetString(2, 3, "last");
  a.Resize(4, 6);
  EXPECT_EQ(a.GetString(0, 0), "corner");
  EXPECT_EQ(a.GetString(2, 3), "last");
  EXPECT_EQ(a.GetString(4, 6), "");
  a.Resize(0, -3);
  EXPECT_EQ(a.NrOfColumns(), 1);
  EXPECT_EQ(a.NrOfRows(), 1);
  EXPECT_EQ(a.GetString(0, 0), "corner");
  a.Resize(2, 3);
  EXPECT_EQ(a.GetString(2, 3), "") << "cells dropped by shrinking do not come back";
}

TEST(StringArray, OutOfRangeIndexesAreNeutral) {
  TStringArray a(nullptr, 2, 2);
  for (auto [c, r] : {std::pair{-1, 1}, {3, 1}, {1, -1}, {1, 3}}) {
    a.SetString(c, r, "x");
    EXPECT_EQ(a.GetString(c, r), "");
  }
  a.SetRowAttrib(3, 5);
  a.SetColAttrib(-1, 5);
  EXPECT_EQ(a.GetRowAttrib(3), 0);
  EXPECT_EQ(a.GetColAttrib(-1), 0);
  EXPECT_EQ(a.GetSortOrder(3), -1);
  a.InsertRow(4);
  a.RemoveRow(0);
  a.InsertColumn(0);
  a.RemoveColumn(3);
  a.Sort(7, 1, true);
  EXPECT_EQ(a.NrOfColumns(), 2);
  EXPECT_EQ(a.NrOfRows(), 2);
  EXPECT_FALSE(a.IsSorted());
}

TEST(StringArray, CellsAreCutTo255UnitsWithoutSplittingASurrogatePair) {
  TStringArray a;
  const QString clef = QString::fromUcs4(U"\U0001D11E");  // two UTF-16 units
  struct {
    QString in;
    QString expected;
  } cases[] = {
      {QString(300, 'a'), QString(255, 'a')},
      {QString(254, 'a') + clef, QString(254, 'a')},
      {QString(253, 'a') + clef + "b", QString(253, 'a') + clef},
      {QString(15, 'x'), QString(15, 'x')},
      {QString(16, 'x'), QString(16, 'x')},
      {QString::fromUtf8("Grüße ɣ 日本語 ") + clef, QString::fromUtf8("Grüße ɣ 日本語 ") + clef},
  };
  for (const auto& c : cases) {
    a.SetString(1, 1, c.in);
    EXPECT_EQ(a.GetString(1, 1), c.expected) << c.in.size();
  }
  a.SetString(1, 1, QString(1, QChar(0xD800)) + "z");  // a lone half is not representable
  EXPECT_EQ(a.GetString(1, 1), QString(QChar(QChar::ReplacementCharacter)) + "z");
}

TEST(StringArray, RowsAndColumnsShiftWithTheirAttributes) {
  TStringArray a(nullptr, 3, 3);
  for (int c = 0; c <= 3; ++c)
    for (int r = 0; r <= 3; ++r) a.SetString(c, r, QString("%1:%2").arg(c).arg(r));
  for (int i = 1; i <= 3; ++i) {
    a.SetRowAttrib(i, std::uint8_t(0x10 * i));
    a.SetColAttrib(i, std::uint8_t(i));
  }

  a.InsertRow(2);
  EXPECT_EQ(a.NrOfRows(), 4);
  EXPECT_EQ(a.GetString(1, 1), "1:1");
  EXPECT_EQ(a.GetString(1, 2), "");
  EXPECT_EQ(a.GetString(1, 3), "1:2");
  EXPECT_EQ(a.GetRowAttrib(2), 0);
  EXPECT_EQ(a.GetRowAttrib(3), 0x20);
  a.InsertRow(5);  // appends
  EXPECT_EQ(a.NrOfRows(), 5);
  a.RemoveRow(2);
  a.RemoveRow(4);
  EXPECT_EQ(Column(a, 0), (QStringList{"0:1", "0:2", "0:3"}));
  EXPECT_EQ(a.GetRowAttrib(3), 0x30);

  a.InsertColumn(2);
  EXPECT_EQ(a.NrOfColumns(), 4);
  EXPECT_EQ(a.GetString(2, 1), "");
  EXPECT_EQ(a.GetString(3, 1), "2:1");
  EXPECT_EQ(a.GetColAttrib(3), 2);
  EXPECT_EQ(a.GetColAttrib(2), 0);
  a.RemoveColumn(1);
  EXPECT_EQ(a.GetString(2, 1), "2:1");
  EXPECT_EQ(a.GetColAttrib(2), 2);
  EXPECT_EQ(a.GetString(0, 0), "0:0") << "column and row 0 stay";
}

TEST(StringArray, TheLastRowOrColumnIsBlankedInsteadOfRemoved) {
  TStringArray a(nullptr, 1, 1);
  a.SetString(1, 1, "x");
  a.SetRowAttrib(1, 7);
  a.RemoveRow(1);
  EXPECT_EQ(a.NrOfRows(), 1);
  EXPECT_EQ(a.GetString(1, 1), "");
  EXPECT_EQ(a.GetRowAttrib(1), 0);
  a.SetString(1, 1, "y");
  a.RemoveColumn(1);
  EXPECT_EQ(a.NrOfColumns(), 1);
  EXPECT_EQ(a.GetString(1, 1), "");
}

TEST(StringArray, ClearBlanksCellsAndChangesNotify) {
  TStringArray a(nullptr, 2, 2);
  int changes = 0;
  a.OnChange = [&](TObject* s) {
    EXPECT_EQ(s, &a);
    ++changes;
  };
  a.SetString(1, 1, "a");
  a.SetString(1, 1, "a");  // unchanged: no notification
  EXPECT_EQ(changes, 1);
  a.SetRowAttrib(1, 3);
  a.Clear();
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(a.GetString(1, 1), "");
  EXPECT_EQ(a.GetRowAttrib(1), 3);
  a.Resize(3, 3);
  EXPECT_EQ(changes, 3);
}

TEST(StringArray, ResizeBeyondMemoryRaisesAndKeepsTheTable) {
  TStringArray a(nullptr, 2, 2);
  a.SetString(2, 2, "kept");
  EXPECT_THROW(a.Resize(1 << 30, 1 << 30), EORVDStructError);
  EXPECT_EQ(a.NrOfRows(), 2);
  EXPECT_EQ(a.GetString(2, 2), "kept");
}

TEST(StringArray, TakeColumnsReplacesTheContent) {
  TStringArray a(nullptr, 3, 4);
  a.SetString(1, 1, "old");
  a.SetRowAttrib(1, 0x80);
  a.SetColAttrib(1, 0x80);
  Fill(a, 1, {"b", "a"});
  a.Sort(1, -1, true);
  int changes = 0;
  a.OnChange = [&](TObject*) { ++changes; };
  std::vector<detail::TCellColumn> cols(3);  // columns 0..2
  for (auto& c : cols) {
    c.Reserve(5);
    c.Resize(5);
  }
  cols[1].AssignShort(1, "x", 1);
  const std::string longText(40, 'y');
  cols[2].Assign(3, longText.data(), int(longText.size()));
  cols[2].AssignShort(4, "dropped", 7);  // beyond the rows taken
  a.TakeColumns(std::move(cols), 3);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(a.NrOfColumns(), 2);
  EXPECT_EQ(a.NrOfRows(), 3);
  EXPECT_FALSE(a.IsSorted());
  EXPECT_EQ(Column(a, 1), QStringList({"x", "", ""}));
  EXPECT_EQ(Column(a, 2), QStringList({"", "", QString::fromStdString(longText)}));
  EXPECT_EQ(a.GetRowAttrib(1), 0);
  EXPECT_EQ(a.GetColAttrib(1), 0);
  a.Resize(2, 5);  // grows like any table
  EXPECT_EQ(a.GetString(2, 4), "");
  a.TakeColumns({}, 0);  // nothing: one blank column and row
  EXPECT_EQ(a.NrOfColumns(), 1);
  EXPECT_EQ(a.NrOfRows(), 1);
}

// ---------------------------------------------------------------- sorting

TEST(StringArraySort, OrderOfNumbersTextAndBlanks) {
  struct {
    const char* name;
    QStringList in;
    QStringList ascending;
  } cases[] = {
      {"numbers by value", {"10", "9", "-3", "2.5", "1e2"}, {"-3", "2.5", "9", "10", "1e2"}},
      {"comma as decimal point, blanks trimmed", {" 2,5", "2.4 ", "3"}, {"2.4 ", " 2,5", "3"}},
      {"numbers before text, blanks first", {"b", "", "7", "a", "  "}, {"", "  ", "7", "a", "b"}},
      {"natural order", {"item10", "item2", "item1", "item02b"}, {"item1", "item2", "item02b", "item10"}},
      {"case-insensitive", {"b", "A", "a", "B"}, {"A", "a", "b", "B"}},
      {"non-ASCII letters fold", {QString::fromUtf8("Öl"), QString::fromUtf8("öa"), "z"},
       {"z", QString::fromUtf8("öa"), QString::fromUtf8("Öl")}},
      {"not quite numbers are text", {"1.2.3", "1e", "-", "5"}, {"5", "-", "1.2.3", "1e"}},
      {"long texts compare beyond the first units", {"abcdefgh2", "abcdefgh10", "abcdefg"},
       {"abcdefg", "abcdefgh2", "abcdefgh10"}},
  };
  for (const auto& c : cases) {
    TStringArray a;
    Fill(a, 1, c.in);
    a.Sort(1, -1, true);
    EXPECT_EQ(Column(a), c.ascending) << c.name;
  }
}

TEST(StringArraySort, StableForEqualKeysInBothDirections) {
  TStringArray a(nullptr, 2, 5);
  Fill(a, 1, {"b", "a", "B", "A", "b"});
  Fill(a, 2, {"1", "2", "3", "4", "5"});
  a.Sort(1, -1, true);
  EXPECT_EQ(Column(a, 2), (QStringList{"2", "4", "1", "3", "5"}));
  a.UnSort();
  a.Sort(1, -1, false);
  EXPECT_EQ(Column(a, 2), (QStringList{"1", "3", "5", "2", "4"}));
}

TEST(StringArraySort, SecondaryColumnWithItsOwnDirection) {
  TStringArray a(nullptr, 2, 5);
  Fill(a, 1, {"x", "y", "x", "y", "x"});
  Fill(a, 2, {"1", "2", "3", "4", "10"});
  a.Sort(1, 2, true, false);
  EXPECT_EQ(Column(a, 2), (QStringList{"10", "3", "1", "4", "2"}));
  a.Sort(1, 2, false, true);
  EXPECT_EQ(Column(a, 2), (QStringList{"2", "4", "1", "3", "10"}));
}

TEST(StringArraySort, SortBuildsOnTheCurrentView) {
  TStringArray a(nullptr, 2, 4);
  Fill(a, 1, {"b", "a", "b", "a"});
  Fill(a, 2, {"2", "2", "1", "1"});
  a.Sort(2, -1, true);
  a.Sort(1, -1, true);  // ties keep the order of the previous sort
  EXPECT_EQ(Column(a, 2), (QStringList{"1", "2", "1", "2"}));
  EXPECT_EQ(Column(a, 1), (QStringList{"a", "a", "b", "b"}));
}

TEST(StringArraySort, UnSortCommitAndSortOrder) {
  TStringArray a(nullptr, 1, 4);
  Fill(a, 1, {"c", "a", "d", "b"});
  a.SetRowAttrib(2, 0x80);  // travels with "a"
  a.Sort(1, -1, true);
  EXPECT_EQ(Column(a), (QStringList{"a", "b", "c", "d"}));
  EXPECT_EQ(a.GetRowAttrib(1), 0x80);
  EXPECT_EQ(a.GetSortOrder(1), 2);
  EXPECT_EQ(a.GetSortOrder(4), 3);
  EXPECT_EQ(a.GetSortOrder(0), 0);
  a.SetString(1, 1, "a2");  // writes the row seen at position 1
  a.Sort(1, -1, false);
  a.UnSort();
  EXPECT_EQ(Column(a), (QStringList{"c", "a2", "d", "b"}));
  EXPECT_EQ(a.GetRowAttrib(2), 0x80);

  a.Sort(1, -1, true);
  a.CommitSorting();
  EXPECT_FALSE(a.IsSorted());
  EXPECT_EQ(a.GetSortOrder(1), 1);
  a.UnSort();
  EXPECT_EQ(Column(a), (QStringList{"a2", "b", "c", "d"})) << "the committed order is the stored order";
  EXPECT_EQ(a.GetRowAttrib(1), 0x80);
}

TEST(StringArraySort, StructuralChangesCommitGrowthKeepsTheView) {
  TStringArray a(nullptr, 1, 3);
  Fill(a, 1, {"c", "a", "b"});
  a.Sort(1, -1, true);
  a.Resize(1, 4);
  a.SetString(1, 4, "0");
  EXPECT_TRUE(a.IsSorted());
  a.UnSort();
  EXPECT_EQ(Column(a), (QStringList{"c", "a", "b", "0"}));
  a.Sort(1, -1, true);
  a.InsertRow(1);
  EXPECT_FALSE(a.IsSorted());
  EXPECT_EQ(Column(a), (QStringList{"", "0", "a", "b", "c"}));
}

TEST(StringArraySort, SetSortOrderCopiesAViewAndNeverDuplicatesRows) {
  TStringArray src(nullptr, 1, 5);
  Fill(src, 1, {"e", "c", "a", "d", "b"});
  src.Sort(1, -1, true);
  TStringArray copy(nullptr, 1, 5);
  for (int r = 1; r <= 5; ++r) copy.SetString(1, src.GetSortOrder(r), src.GetString(1, r));
  for (int r = 1; r <= 5; ++r) copy.SetSortOrder(r, src.GetSortOrder(r));
  EXPECT_EQ(Column(copy), Column(src));
  copy.UnSort();
  EXPECT_EQ(Column(copy), (QStringList{"e", "c", "a", "d", "b"}));

  copy.SetSortOrder(1, 3);
  copy.SetSortOrder(2, 3);  // row 3 now seen twice, row 2 nowhere
  copy.SetSortOrder(9, 1);  // ignored
  copy.CommitSorting();
  QStringList committed = Column(copy);
  committed.sort();
  EXPECT_EQ(committed, (QStringList{"a", "b", "c", "d", "e"})) << "every row survives";
}

TEST(StringArraySort, BeforeExchangeReportsEachExchangeBeforeItHappens) {
  TStringArray a(nullptr, 1, 6);
  Fill(a, 1, {"f", "d", "e", "a", "c", "b"});
  QStringList replay = Column(a);
  int exchanges = 0;
  a.OnBeforeSortExchange = [&](TObject* s, int r1, int r2) {
    EXPECT_EQ(s, &a);
    EXPECT_EQ(a.GetString(1, r1), replay[r1 - 1]);
    EXPECT_EQ(a.GetString(1, r2), replay[r2 - 1]);
    replay.swapItemsAt(r1 - 1, r2 - 1);
    ++exchanges;
  };
  a.Sort(1, -1, true);
  EXPECT_EQ(replay, (QStringList{"a", "b", "c", "d", "e", "f"}));
  EXPECT_EQ(Column(a), replay);
  EXPECT_LE(exchanges, 5);
  EXPECT_GT(exchanges, 0);
}

TEST(StringArraySort, ReportsProgress) {
  TStringArray a(nullptr, 1, 3);
  QList<int> percents;
  a.OnPercentDone = [&](TObject*, int p) { percents << p; };
  a.Sort(1, -1, true);
  ASSERT_FALSE(percents.isEmpty());
  EXPECT_EQ(percents.back(), 100);
}

// Long texts live in a per-column pool that recycles blocks by size. Texts
// that keep changing length (a growing status text, say) must neither mix
// up cells nor let the pool grow without bound.
TEST(StringCells, ChangingLengthsKeepTextsAndBoundThePool) {
  using detail::TCellColumn;
  constexpr int Rows = 1000;
  TCellColumn column;
  column.Resize(Rows);
  std::vector<std::string> model(Rows);
  std::mt19937 rng(7);
  for (int step = 0; step < 200000; ++step) {
    const int row = int(rng() % Rows);
    // Mostly growing texts, now and then a short or empty one.
    const int size = step % 97 == 0 ? int(rng() % 16) : 16 + (step / 700 + int(rng() % 40)) % 700;
    std::string text(std::size_t(size), char('a' + step % 26));
    column.Assign(row, text.data(), size);
    model[std::size_t(row)] = std::move(text);
  }
  std::size_t live = 0;
  for (int r = 0; r < Rows; ++r) {
    ASSERT_EQ(std::string(column[r].Data(), std::size_t(column[r].Size())), model[std::size_t(r)]) << r;
    live += model[std::size_t(r)].size();
  }
  EXPECT_LT(column.PoolBytes(), 3 * live + 16 * Rows + 64 * 1024 + 512 * 1024);
  column.Remove(3);
  column.Insert(0);
  EXPECT_EQ(column[0].Size(), 0);
  const auto text = [&](int r) { return std::string(column[r].Data(), std::size_t(column[r].Size())); };
  EXPECT_EQ(text(3), model[2]);
  EXPECT_EQ(text(4), model[4]);
  column.ClearCells();
  EXPECT_EQ(column.PoolBytes(), 0u);
  EXPECT_TRUE(column[10].Empty());
}
