// Grid painting: which cells are drawn, in which state, and the pixels of
// the default drawing, lines and frame.
#include "GridTestSupport.h"

#include <set>

using namespace orv;
using orv::test::GridTest;
using orv::test::Grab;
using orv::test::PixelAt;

namespace {

std::set<std::pair<int, int>> CellsOf(const std::vector<orv::test::DrawnCell>& Drawn) {
  std::set<std::pair<int, int>> cells;
  for (const auto& d : Drawn) cells.insert({d.Col, d.Row});
  return cells;
}

}  // namespace

TEST_F(GridTest, PaintsEachCellInViewOnceAndNothingElse) {
  G->SetFixedCols(2);
  G->SetTopRow(10);
  G->SetLeftCol(4);
  const auto& drawn = PaintCells();
  const auto cells = CellsOf(drawn);
  EXPECT_EQ(cells.size(), drawn.size());  // no cell twice
  int inView = 0;
  for (int r = 0; r < G->RowCount(); ++r)
    for (int c = 0; c < G->ColCount(); ++c)
      if (!G->CellRect(c, r).IsEmpty()) {
        ++inView;
        EXPECT_TRUE(cells.count({c, r})) << c << "," << r;
      }
  EXPECT_EQ(int(drawn.size()), inView);
  for (const auto& d : drawn) {
    EXPECT_EQ(d.Rect, G->CellRect(d.Col, d.Row));
    EXPECT_EQ(d.State.Contains(gdFixed), d.Col < 2 || d.Row < 1) << d.Col << "," << d.Row;
  }
}

TEST_F(GridTest, DrawStatesFollowSelectionAndFocus) {
  Show();
  G->SetSelection(TGridRect(2, 3, 3, 4));
  for (const auto& d : PaintCells()) {
    const bool inBlock = d.Col >= 2 && d.Col <= 3 && d.Row >= 3 && d.Row <= 4;
    EXPECT_EQ(d.State.Contains(gdSelected), inBlock) << d.Col << "," << d.Row;
    EXPECT_EQ(d.State.Contains(gdFocused), d.Col == 2 && d.Row == 3) << d.Col << "," << d.Row;
  }
  G->SetOptions(G->Options() | goRowSelect);
  for (const auto& d : PaintCells())
    EXPECT_EQ(d.State.Contains(gdSelected), d.Col >= 1 && d.Row >= 3 && d.Row <= 4) << d.Col << "," << d.Row;
  G->clearFocus();
  for (const auto& d : PaintCells()) EXPECT_FALSE(d.State.Contains(gdFocused));
}

TEST_F(GridTest, DefaultDrawingFillsCellsLinesAndFrame) {
  G->OnDrawCell = nullptr;
  G->SetFixedColor(RGB(200, 210, 220));
  G->SetColor(RGB(250, 250, 240));
  G->SetFixedLineColor(RGB(10, 20, 30));
  G->SetGridLineColor(RGB(100, 110, 120));
  G->SetSelection(TGridRect(2, 2, 3, 3));  // not focused: the whole block shows selected
  const QImage img = Grab(G.get());
  struct Probe {
    int X, Y;
    TColor Expected;
    const char* What;
  };
  const Probe probes[] = {
      {0, 0, ColorToRGB(clBtnShadow), "frame"},
      {30, 10, RGB(200, 210, 220), "fixed cell"},
      {100, 40, RGB(250, 250, 240), "plain cell"},
      {150, 60, ColorToRGB(clHighlight), "selected cell"},
      {65, 10, RGB(10, 20, 30), "line right of a fixed cell"},
      {30, 25, RGB(10, 20, 30), "line below a fixed cell"},
      {130, 40, RGB(100, 110, 120), "line right of a plain cell"},
      {100, 50, RGB(100, 110, 120), "line below a plain cell"},
  };
  for (const Probe& p : probes) EXPECT_EQ(PixelAt(img, p.X, p.Y), p.Expected) << p.What;

  G->SetOptions(G->Options() - TGridOptions{goVertLine});  // room stays (fixed lines remain), no line drawn
  const QImage noLines = Grab(G.get());
  EXPECT_EQ(G->CellRect(2, 1).Left, 131);
  EXPECT_EQ(PixelAt(noLines, 130, 40), RGB(250, 250, 240));
  EXPECT_EQ(PixelAt(noLines, 65, 10), RGB(10, 20, 30));
}

TEST_F(GridTest, WithoutDefaultDrawingOnlyDrawCellPaintsCells) {
  G->SetDefaultDrawing(false);
  G->SetFixedColor(RGB(200, 210, 220));
  G->SetColor(RGB(250, 250, 240));
  G->OnDrawCell = [this](TObject*, int c, int r, TRect rc, TGridDrawState) {
    if (c == 2 && r == 2) {
      G->Canvas()->Brush()->SetColor(clRed);
      G->Canvas()->FillRect(rc);
    }
  };
  const QImage img = Grab(G.get());
  EXPECT_EQ(PixelAt(img, 30, 10), RGB(250, 250, 240));  // the fixed cell is left to DrawCell
  const TRect r = G->CellRect(2, 2);
  EXPECT_EQ(PixelAt(img, r.Left + 3, r.Top + 3), clRed);
}
