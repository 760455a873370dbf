#include <orvcalc.h>

#include <gtest/gtest.h>

#include <array>

using namespace orv;

namespace {

// A 3 x 4 table whose element (c, r) is 10 * c + r, with named rows and columns.
struct DataTableTest : ::testing::Test {
  TDataTable t;
  void SetUp() override {
    t.Resize(3, 4);
    for (int c = 1; c <= 3; ++c) {
      t.SetColName(c, QString("C%1").arg(c));
      t.SetColAttrib(c, std::uint8_t(c));
      for (int r = 1; r <= 4; ++r) t.SetElem(c, r, 10 * c + r);
    }
    for (int r = 1; r <= 4; ++r) t.SetRowName(r, QString("R%1").arg(r));
  }
};

}  // namespace

TEST_F(DataTableTest, ResizedHookReportsEveryChangeOfSize) {
  std::vector<std::array<int, 4>> calls;
  t.ResizedHook = [&](TObject* s, int oc, int orows, int nc, int nr) {
    EXPECT_EQ(s, &t);
    calls.push_back({oc, orows, nc, nr});
  };
  t.InsertRow(2);
  t.RemoveColumn(1);
  t.InsertColumn(3);
  t.RemoveRow(5);
  t.Resize(5, 2);
  t.InsertRow(0);  // out of range: nothing
  EXPECT_EQ(calls, (std::vector<std::array<int, 4>>{
                       {3, 4, 3, 5}, {3, 5, 2, 5}, {2, 5, 3, 5}, {3, 5, 3, 4}, {3, 4, 5, 2}}));
}

TEST_F(DataTableTest, RowsAndColumnsCarryNamesAttributesAndStates) {
  t.SetCellState(2, 3, dtsMarkA);
  t.InsertRow(1);
  EXPECT_EQ(t.GetElem(2, 1), 0);
  EXPECT_EQ(t.GetRowName(1), "");
  EXPECT_EQ(t.GetRowName(2), "R1");
  EXPECT_EQ(t.GetCellState(2, 4), dtsMarkA);
  t.RemoveColumn(1);
  EXPECT_EQ(t.GetColName(1), "C2");
  EXPECT_EQ(t.GetColAttrib(1), 2);
  EXPECT_EQ(t.GetElem(1, 4), 23);
  EXPECT_EQ(t.GetCellState(1, 4), dtsMarkA);

  t.MirrorColumns();
  EXPECT_EQ(t.GetColName(1), "C3");
  EXPECT_EQ(t.GetElem(2, 4), 23);
  t.MirrorRows();
  EXPECT_EQ(t.GetRowName(1), "R4");
  EXPECT_EQ(t.GetCellState(2, 2), dtsMarkA);
}

TEST_F(DataTableTest, HooksFireForDataAndSetupOnly) {
  int data = 0, setup = 0;
  t.DataChangedHook = [&](TObject*) { ++data; };
  t.SetupChangedHook = [&](TObject*) { ++setup; };
  t.SetElem(1, 1, 5);
  t.SetElem(9, 1, 5);  // outside: silent
  t.MirrorRows();
  EXPECT_EQ(data, 2);
  t.SetFComment("note");
  t.SetMScaleType(1, 1);
  t.SetNominalID(1, 3, "red");
  EXPECT_EQ(setup, 3);
  t.DataChangedHook = nullptr;
  t.SetElem(1, 1, 6);
  EXPECT_EQ(data, 2);
}

TEST_F(DataTableTest, CellStateOperations) {
  t.SetCellState(1, 1, dtsMarkA);
  t.SetCellState(2, 2, dtsMarkB | dtsLocked);
  t.SetCellState(3, 3, dtsEmpty);
  t.SetCellState(3, 4, dtsNotANumber);
  EXPECT_TRUE(t.GetIsNumber(1, 1));
  EXPECT_FALSE(t.GetIsNumber(3, 3));
  EXPECT_FALSE(t.GetIsNumber(3, 4));
  EXPECT_FALSE(t.GetIsNumber(4, 1));

  t.ExchangeMarkings();
  EXPECT_EQ(t.GetCellState(1, 1), dtsMarkB);
  EXPECT_EQ(t.GetCellState(2, 2), dtsMarkA | dtsLocked);

  EXPECT_EQ(t.FillMarkedCells(-1, dtsMarkA | dtsMarkB), 2);
  EXPECT_EQ(t.GetElem(1, 1), -1);
  EXPECT_EQ(t.GetElem(2, 2), -1);
  EXPECT_EQ(t.GetElem(1, 2), 12);

  t.InvertCellStates(dtsEmpty);
  EXPECT_EQ(t.GetCellState(3, 3), 0);
  EXPECT_EQ(t.GetCellState(1, 2), dtsEmpty);

  t.UnmarkAllCells();
  EXPECT_EQ(t.GetCellState(1, 1), dtsEmpty);
  EXPECT_EQ(t.GetCellState(2, 2), dtsLocked | dtsEmpty);
  EXPECT_EQ(t.FillMarkedCells(0, dtsMarkA), 0);
}

TEST_F(DataTableTest, NamesAreCutAndOutOfRangeIsNeutral) {
  const QString clef = QString::fromUcs4(U"\U0001D11E");
  t.SetColName(1, QString(49, 'n') + clef);
  EXPECT_EQ(t.GetColName(1), QString(49, 'n')) << "cut before a surrogate pair";
  t.SetRowName(1, QString(60, 'r'));
  EXPECT_EQ(t.GetRowName(1).size(), 50);
  EXPECT_EQ(t.GetColName(0), "");
  EXPECT_EQ(t.GetRowAttrib(5), 0);
  EXPECT_EQ(t.GetElem(0, 1), 0);
  EXPECT_EQ(t.GetCellState(1, 9), 0);
  t.SetCellState(1, 9, 3);
  t.SetRowName(5, "x");
}

TEST_F(DataTableTest, ScaleTypesAndNominalIdentifiers) {
  EXPECT_EQ(t.GetMScaleType(2), 0);
  t.SetMScaleType(2, 1);
  EXPECT_EQ(t.GetMScaleType(2), 1);
  t.SetMScaleType(2, 9);  // unknown type: ignored
  EXPECT_EQ(t.GetMScaleType(2), 1);
  t.SetNominalID(2, 1, "low");
  t.SetNominalID(2, 7, "extremely high");
  t.SetNominalID(2, 0, "zero");  // codes start at 1
  EXPECT_EQ(t.GetNominalID(2, 7), "extremely ");
  EXPECT_EQ(t.GetNominalID(2, 0), "");
  EXPECT_EQ(t.GetNominalID(2, 3), "");
  EXPECT_EQ(t.OrdinalOfNominalID(2, "LOW", true), 1);
  EXPECT_EQ(t.OrdinalOfNominalID(2, "LOW", false), 0);
  EXPECT_EQ(t.OrdinalOfNominalID(1, "low", true), 0);
  EXPECT_EQ(MScaleTypeNames(1), "nominal");
  EXPECT_EQ(MScaleTypeNames(5), "");

  t.InsertColumn(1);  // the setup moves with its column
  EXPECT_EQ(t.GetMScaleType(3), 1);
  EXPECT_EQ(t.GetNominalID(3, 1), "low");
}

TEST_F(DataTableTest, ClearKeepsTheSize) {
  t.SetFComment("c");
  t.SetCellState(1, 1, dtsMarkA);
  t.Clear();
  EXPECT_EQ(t.NrOfColumns(), 3);
  EXPECT_EQ(t.NrOfRows(), 4);
  EXPECT_EQ(t.GetElem(3, 4), 0);
  EXPECT_EQ(t.GetCellState(1, 1), 0);
  EXPECT_EQ(t.GetColName(1), "");
  EXPECT_EQ(t.Comment(), "");
}

TEST_F(DataTableTest, ColumnSortReportsEachExchange) {
  // Row 1 holds 11, 21, 31: sorting it descending reverses the columns.
  std::vector<std::pair<int, int>> exchanged;
  t.SortExchangeHook = [&](TObject*, std::uint8_t kind, int, int, int c1, int c2) {
    EXPECT_EQ(kind, 1);
    exchanged.emplace_back(c1, c2);
  };
  t.SortCols(1, false, 1, 1, 3, 4, true);
  EXPECT_EQ(exchanged, (std::vector<std::pair<int, int>>{{1, 3}}));
  EXPECT_EQ(t.GetElem(1, 2), 32);
  EXPECT_EQ(t.GetColName(1), "C3");

  t.SortExchangeHook = nullptr;
  t.SetCellState(1, 2, dtsEmpty);  // non-numbers go last, numbers by value
  t.SortRows(1, true, 1, 1, 3, 4, false);
  EXPECT_EQ(t.GetElem(1, 1), 31);
  EXPECT_EQ(t.GetElem(1, 4), 32);
  EXPECT_EQ(t.GetCellState(1, 4), dtsEmpty);
  EXPECT_EQ(t.GetRowName(1), "R1") << "names stay without IncludeHeaders";
}

// A sort moves every cell at once; the exchanges it reports, replayed on a
// copy of the table, must give the same arrangement, inside the block only.
TEST(DataTableSort, ReportedExchangesReplayTheSort) {
  for (const bool rows : {true, false}) {
    TDataTable t, replay;
    t.Resize(7, 9);
    replay.Resize(7, 9);
    for (int c = 1; c <= 7; ++c)
      for (int r = 1; r <= 9; ++r) {
        const double v = double((c * 37 + r * 11) % 17);
        t.SetElem(c, r, v);
        replay.SetElem(c, r, v);
        const auto state = std::uint8_t(((c + r) % 16) << 4);  // marks and locks, all numbers
        t.SetCellState(c, r, state);
        replay.SetCellState(c, r, state);
      }
    std::vector<std::array<int, 4>> exchanges;
    t.SortExchangeHook = [&](TObject*, std::uint8_t kind, int a, int b, int x, int y) {
      EXPECT_EQ(kind, rows ? 2 : 1);
      exchanges.push_back({a, b, x, y});
    };
    if (rows)
      t.SortRows(3, true, 2, 2, 6, 8, false);
    else
      t.SortCols(4, false, 2, 3, 7, 7, false);
    ASSERT_FALSE(exchanges.empty());
    for (const auto& e : exchanges)
      for (int k = e[0]; k <= e[1]; ++k) {
        // rows: exchange rows e[2], e[3] in columns e[0]..e[1]; columns: the other way round.
        const int c1 = rows ? k : e[2], r1 = rows ? e[2] : k, c2 = rows ? k : e[3], r2 = rows ? e[3] : k;
        const double v = replay.GetElem(c1, r1);
        const std::uint8_t s = replay.GetCellState(c1, r1);
        replay.SetElem(c1, r1, replay.GetElem(c2, r2));
        replay.SetCellState(c1, r1, replay.GetCellState(c2, r2));
        replay.SetElem(c2, r2, v);
        replay.SetCellState(c2, r2, s);
      }
    for (int c = 1; c <= 7; ++c)
      for (int r = 1; r <= 9; ++r) {
        EXPECT_EQ(t.GetElem(c, r), replay.GetElem(c, r)) << rows << " " << c << "," << r;
        EXPECT_EQ(t.GetCellState(c, r), replay.GetCellState(c, r)) << rows << " " << c << "," << r;
      }
    // The sort key line is in order inside the block.
    for (int k = 3; k <= (rows ? 8 : 7); ++k) {
      if (rows) EXPECT_LE(t.GetElem(3, k - 1), t.GetElem(3, k));
      else EXPECT_GE(t.GetElem(k - 1, 4), t.GetElem(k, 4));
    }
  }
}

TEST(Matrix, FillResizeAndIntMatrixRows) {
  TMatrix m(2, 2);
  m.Fill(1.5);
  EXPECT_EQ(m.GetVal(2, 2), 1.5);
  m.Resize(3, 1);
  EXPECT_EQ(m.GetVal(2, 1), 1.5);
  EXPECT_EQ(m.GetVal(3, 1), 0);
  EXPECT_EQ(m.GetVal(2, 2), 0);

  TIntMatrix h;
  h.Resize(3, 2);
  h.SetVal(1, 2, 24);
  h.SetVal(3, 2, 12);
  h.SetNRows(5);
  EXPECT_EQ(h.NrOfRows(), 5);
  EXPECT_EQ(h.GetVal(1, 2), 24);
  EXPECT_EQ(h.GetVal(3, 2), 12);
  h.SetVal(4, 1, 9);
  EXPECT_EQ(h.GetVal(4, 1), 0);
  h.SetNRows(-1);
  EXPECT_EQ(h.NrOfRows(), 0);
}

TEST(Math1, IsValidDecIntAndIntNeg) {
  struct {
    const char* s;
    bool valid;
  } cases[] = {{"12", true},  {"-7", true},   {" +42 ", true}, {"", false},           {"-", false},
               {"1.0", false}, {"1e3", false}, {"0x1F", false}, {"99999999999", false}, {"2147483647", true}};
  for (const auto& c : cases) EXPECT_EQ(IsValidDecInt(c.s), c.valid) << c.s;
  EXPECT_EQ(IntNeg(2.7), 2);
  EXPECT_EQ(IntNeg(-0.5), -1);
  EXPECT_EQ(IntNeg(-3.0), -3);
  EXPECT_EQ(IntNeg(1e300), INT_MAX);
}
