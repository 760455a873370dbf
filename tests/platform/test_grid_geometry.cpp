// Grid geometry: cell rectangles, hit tests, sizes, scrolling limits and the
// cost of a huge grid.
#include "GridTestSupport.h"

#include <QElapsedTimer>
#include <QScrollBar>

#include <random>

using namespace orv;
using orv::test::GridTest;

// ---------------------------------------------------------------- TGridAxis

namespace {

// The layout of an axis computed the slow, obvious way.
struct BruteAxis {
  std::vector<int> Sizes;
  int Line = 0;
  int Fixed = 0;
  int First = 0;
  qint64 Offset(int i) const {
    qint64 o = 0;
    for (int k = 0; k < i; ++k) o += Sizes[k] < 0 ? 0 : Sizes[k] + Line;
    return o;
  }
  int Count() const { return int(Sizes.size()); }
  int IndexAtOffset(qint64 p) const {
    if (p < 0) return -1;
    for (int i = 0; i < Count(); ++i)
      if (p < Offset(i + 1)) return i;
    return Count();
  }
  int FirstToShow(int Last, int View) const {
    for (int f = Fixed; f <= Last; ++f)
      if (Offset(Fixed) + Offset(Last + 1) - Offset(f) <= View + Line) return f;
    return Last;
  }
  int FullyShownCount(int View) const {
    int n = 0;
    while (First + n < Count() && Offset(Fixed) + Offset(First + n + 1) - Offset(First) <= View + Line) ++n;
    return n;
  }
};

}  // namespace

TEST(GridAxis, MatchesTheObviousLayoutUnderRandomEdits) {
  std::mt19937 rng(20240611);
  for (int round = 0; round < 40; ++round) {
    TGridAxis a;
    BruteAxis b;
    const int count = 20 + int(rng() % 40);
    a.SetCount(count);
    a.SetDefaultSize(int(rng() % 30));
    b.Sizes.assign(count, a.DefaultSize());
    b.Line = int(rng() % 3);
    a.SetLineWidth(b.Line);
    for (int k = 0; k < 25; ++k) {
      const int i = int(rng() % count);
      const int v = int(rng() % 50) - 3;  // hides some cells (below 0)
      a.SetSize(i, v);
      b.Sizes[i] = std::max(-1, v);
      if (k == 12) {  // a new line width re-sums every override
        b.Line = int(rng() % 3);
        a.SetLineWidth(b.Line);
      }
    }
    a.SetFixed(int(rng() % 4));
    b.Fixed = a.Fixed();
    a.SetFirst(b.Fixed + int(rng() % count));
    b.First = a.First();
    for (int i = 0; i <= count; ++i) {
      ASSERT_EQ(a.Offset(i), b.Offset(i)) << "round " << round << " cell " << i;
      if (i < count) {
        ASSERT_EQ(a.Size(i), b.Sizes[i]);
      }
    }
    for (qint64 p = -2; p <= b.Offset(count) + 2; ++p) ASSERT_EQ(a.IndexAtOffset(p), b.IndexAtOffset(p)) << p;
    for (int view : {0, 10, 57, 200, 5000}) {
      EXPECT_EQ(a.FullyShownCount(view), b.FullyShownCount(view)) << "view " << view;
      for (int last = b.Fixed; last < count; last += 7) EXPECT_EQ(a.FirstToShow(last, view), b.FirstToShow(last, view));
    }
  }
}

TEST(GridAxis, CountAndFixedKeepOneScrollingCell) {
  TGridAxis a;
  a.SetCount(10);
  a.SetSize(8, 99);
  a.SetFixed(3);
  a.SetFirst(9);
  a.SetCount(4);  // drops the override of cell 8, pulls First back
  EXPECT_EQ(a.First(), 3);
  a.SetCount(10);
  EXPECT_EQ(a.Size(8), a.DefaultSize());
  a.SetFixed(50);
  EXPECT_EQ(a.Fixed(), 9);
  a.SetCount(0);
  EXPECT_EQ(a.Count(), 1);
  EXPECT_EQ(a.Fixed(), 0);
}

// ---------------------------------------------------------- cell rectangles

TEST_F(GridTest, CellRectsFollowSizesLinesAndTheBorder) {
  struct Case {
    int Col, Row;
    TRect Expected;
  };
  const Case cases[] = {
      {0, 0, TRect(1, 1, 65, 25)},     {1, 0, TRect(66, 1, 130, 25)},   {0, 1, TRect(1, 26, 65, 50)},
      {2, 3, TRect(131, 76, 195, 100)}, {8, 1, TRect()},                {1, 30, TRect()},
      {-1, 1, TRect()},                 {7, 1, TRect()},  // starts beyond the view
  };
  for (const Case& c : cases) EXPECT_EQ(G->CellRect(c.Col, c.Row), c.Expected) << c.Col << "," << c.Row;

  G->SetBorderStyle(bsNone);
  G->SetGridLineWidth(3);
  EXPECT_EQ(G->CellRect(2, 3), TRect(134, 81, 198, 105));
  G->SetOptions({});  // no lines in either direction: no room for them either
  EXPECT_EQ(G->CellRect(2, 3), TRect(128, 72, 192, 96));
}

TEST_F(GridTest, FixedCellsStayWhileTheRestScrolls) {
  G->SetFixedCols(2);
  G->SetTopRow(5);
  G->SetLeftCol(4);
  EXPECT_EQ(G->TopRow(), 5);
  EXPECT_EQ(G->LeftCol(), 4);
  EXPECT_EQ(G->CellRect(4, 5), TRect(131, 26, 195, 50));
  EXPECT_EQ(G->CellRect(1, 5), TRect(66, 26, 130, 50));
  EXPECT_EQ(G->CellRect(4, 0), TRect(131, 1, 195, 25));
  EXPECT_TRUE(G->CellRect(2, 5).IsEmpty());  // scrolled out to the left
  EXPECT_TRUE(G->CellRect(4, 4).IsEmpty());  // scrolled out at the top
}

TEST_F(GridTest, MouseCoordInvertsCellRectForEveryCellInView) {
  G->SetColWidths(3, 10);
  G->SetRowHeights(6, 3);
  G->SetTopRow(4);
  int checked = 0;
  for (int r = 0; r < G->RowCount(); ++r) {
    for (int c = 0; c < G->ColCount(); ++c) {
      const TRect rc = G->CellRect(c, r);
      if (rc.IsEmpty()) continue;
      const TRect area = G->CellArea();
      const int right = std::min(rc.Right, area.Right) - 1, bottom = std::min(rc.Bottom, area.Bottom) - 1;
      EXPECT_EQ(G->MouseCoord(rc.Left, rc.Top), TGridCoord(c, r));
      EXPECT_EQ(G->MouseCoord(right, bottom), TGridCoord(c, r));
      if (rc.Right < area.Right && rc.Bottom < area.Bottom) {  // the lines after a cell belong to it
        EXPECT_EQ(G->MouseCoord(rc.Right, rc.Bottom), TGridCoord(c, r));
      }
      ++checked;
    }
  }
  EXPECT_GT(checked, 30);
  EXPECT_EQ(G->MouseCoord(0, 0), TGridCoord(-1, -1));  // the border
  int col = 0, row = 0;
  G->MouseToCell(G->CellArea().Right + 2, 30, col, row);  // on the vertical scroll bar
  EXPECT_EQ(col, -1);
  EXPECT_EQ(row, 4);
}

TEST_F(GridTest, HiddenAndResizedCells) {
  G->SetColWidths(2, 100);
  G->SetRowHeights(3, -1);
  EXPECT_EQ(G->CellRect(3, 1), TRect(232, 26, 296, 50));
  EXPECT_TRUE(G->CellRect(1, 3).IsEmpty());
  EXPECT_EQ(G->CellRect(1, 4), TRect(66, 76, 130, 100));
  EXPECT_EQ(G->MouseCoord(70, 80).Y, 4);
  EXPECT_EQ(G->ColWidths(2), 100);
  EXPECT_EQ(G->ColWidths(99), 0);
  G->SetColWidths(99, 5);  // ignored
  G->SetDefaultRowHeight(30);  // every row takes the new default
  EXPECT_EQ(G->RowHeights(3), 30);
  EXPECT_EQ(G->CellRect(1, 4), TRect(66, 125, 130, 155));
}

TEST_F(GridTest, GridExtentEndsAtTheLastCellOrTheView) {
  G->SetColCount(3);
  G->SetRowCount(4);
  EXPECT_EQ(G->GridWidth(), 1 + 3 * 65);
  EXPECT_EQ(G->GridHeight(), 1 + 4 * 25);
  G->SetColCount(30);
  EXPECT_EQ(G->GridWidth(), G->CellArea().Right);
}

// ---------------------------------------------------------------- scrolling

TEST_F(GridTest, ScrollingStopsWhereTheLastRowJustFits) {
  const TRect area = G->CellArea();
  G->SetTopRow(1000);
  const int visible = (area.Height() + 1 - 25) / 25;  // rows of 24 px plus their line, after the fixed row
  EXPECT_EQ(G->VisibleRowCount(), visible);
  EXPECT_EQ(G->TopRow(), 30 - visible);
  const TRect last = G->CellRect(1, 29);
  ASSERT_FALSE(last.IsEmpty());
  EXPECT_LE(last.Bottom, area.Bottom);
  G->SetTopRow(-5);
  EXPECT_EQ(G->TopRow(), 1);

  G->SetTopRow(1000);
  Show();
  G->resize(400, 2000);  // everything fits now: back to the top, no vertical bar
  EXPECT_EQ(G->TopRow(), 1);
  EXPECT_EQ(G->CellArea().Right, 399);
}

TEST_F(GridTest, ScrollBarsAppearWhenNeededAndScrollTheView) {
  int topLeftChanges = 0;
  G->OnTopLeftChanged = [&](TObject*) { ++topLeftChanges; };
  Show();
  QScrollBar* v = nullptr;
  QScrollBar* h = nullptr;
  for (QScrollBar* bar : G->findChildren<QScrollBar*>()) (bar->orientation() == Qt::Vertical ? v : h) = bar;
  ASSERT_TRUE(v && h);
  EXPECT_FALSE(v->isHidden());
  EXPECT_FALSE(h->isHidden());
  EXPECT_EQ(v->minimum(), 1);
  EXPECT_EQ(v->maximum(), 30 - G->VisibleRowCount());
  EXPECT_EQ(G->CellArea().Right, 399 - v->sizeHint().width());

  v->setValue(7);
  EXPECT_EQ(G->TopRow(), 7);
  G->SetTopRow(3);
  EXPECT_EQ(v->value(), 3);
  EXPECT_EQ(topLeftChanges, 2);
  G->SetTopRow(3);
  EXPECT_EQ(topLeftChanges, 2);  // unchanged: no event

  EXPECT_FALSE(v->hasTracking());
  G->SetOptions(G->Options() | goThumbTracking);
  EXPECT_TRUE(v->hasTracking());

  G->SetColCount(2);
  G->SetRowCount(3);
  EXPECT_TRUE(v->isHidden());
  EXPECT_TRUE(h->isHidden());
  EXPECT_EQ(G->CellArea(), TRect(1, 1, 399, 299));
  G->SetRowCount(300);
  G->SetScrollBars(ssHorizontal);
  EXPECT_TRUE(v->isHidden());
}

TEST_F(GridTest, CountsClampFixedCellsAndTheCurrentCell) {
  G->SetRow(20);
  G->SetCol(6);
  G->SetRowCount(3);
  EXPECT_EQ(G->Row(), 2);
  G->SetFixedRows(5);
  EXPECT_EQ(G->FixedRows(), 2);
  EXPECT_EQ(G->Row(), 2);
  G->SetColCount(0);
  EXPECT_EQ(G->ColCount(), 1);
  EXPECT_EQ(G->FixedCols(), 0);
  EXPECT_EQ(G->Col(), 0);
}

// ---------------------------------------------------------- ten million rows

TEST_F(GridTest, TenMillionRowsCostWhatTenRowsCost) {
  G->SetRowCount(20);
  const size_t smallCells = PaintCells().size();

  QElapsedTimer timer;
  timer.start();
  G->SetRowCount(10'000'001);
  G->SetRowHeights(5'000'000, 60);  // a few rows of their own height in the middle
  G->SetRowHeights(9'999'990, -1);
  EXPECT_EQ(PaintCells().size(), smallCells);
  G->SetTopRow(G->RowCount());  // to the end
  const TRect last = G->CellRect(3, 10'000'000);
  const size_t endCells = PaintCells().size();
  G->SetTopRow(5'000'000);
  const TGridCoord hit = G->MouseCoord(Center(2, 5'000'001).x(), Center(2, 5'000'001).y());
  const int tallRow = G->CellRect(3, 5'000'001).Top - G->CellRect(3, 5'000'000).Top;
  for (int i = 0; i < 200; ++i) G->SetTopRow(G->TopRow() + 49'999);
  const qint64 elapsed = timer.elapsed();

  EXPECT_FALSE(last.IsEmpty());
  EXPECT_LE(last.Bottom, G->CellArea().Bottom);
  EXPECT_LE(endCells, smallCells);  // the end shows no partial row, and one row is hidden
  EXPECT_GE(endCells + 2 * 8, smallCells);
  EXPECT_EQ(hit, TGridCoord(2, 5'000'001));
  EXPECT_EQ(tallRow, 61);
  EXPECT_LT(elapsed, 1500) << "setting, painting and scrolling ten million rows took " << elapsed << " ms";
}
