// TMarkSel: the grid of markers and hidden markers packed, setters' ranges,
// the nearest marker, hover highlight and clicks through Qt Test events,
// and the disabled palette.
#include "TestSupport.h"

#include <ORV_marksel.h>

#include <QTest>
#include <gtest/gtest.h>

#include <memory>

using namespace orv;
using orv::test::Grab;
using orv::test::PixelAt;

namespace {

class MarkSelTest : public ::testing::Test {
protected:
  void SetUp() override {
    sel = std::make_unique<TMarkSel>(nullptr);
    sel->OnMarkClick = [this](TObject*, int X, int Y, int Mark) { clicks.push_back({X, Y, Mark}); };
    orv::test::ShowAndWait(sel.get());
  }
  // Where marker Mark is drawn.
  QPoint MarkAt(int Mark) const {
    const TPoint p = sel->MarkCoords()[std::size_t(Mark)];
    return QPoint(p.X + 2, p.Y + 2);
  }
  struct Click { int X, Y, Mark; };
  std::unique_ptr<TMarkSel> sel;
  std::vector<Click> clicks;
};

}  // namespace

TEST_F(MarkSelTest, MarkersFillTheGridInOrder) {
  EXPECT_EQ(sel->size(), QSize(236, 178));
  EXPECT_EQ(sel->CellWidth(), 29);   // (236 - 4) / 8
  EXPECT_EQ(sel->CellHeight(), 29);  // (178 - 4) / 6
  const auto c = sel->MarkCoords();
  EXPECT_EQ(c[0], TPoint(14, 14));
  EXPECT_EQ(c[1], TPoint(43, 14));
  EXPECT_EQ(c[8], TPoint(14, 43));
  EXPECT_EQ(c[51], TPoint(14 + 3 * 29, 14 + 6 * 29));  // beyond the six rows, outside the control
  EXPECT_EQ(sel->Selected(), -1);
}

TEST_F(MarkSelTest, HiddenMarkersArePacked) {
  sel->SetVis(3, false);
  sel->SetVis(4, false);
  EXPECT_FALSE(sel->GetVis(3));
  auto c = sel->MarkCoords();
  EXPECT_EQ(c[5], TPoint(14 + 3 * 29, 14));  // the fourth cell
  EXPECT_EQ(c[3], TMarkSel::NoPosition);
  sel->SetVis(0, false);
  EXPECT_TRUE(sel->GetVis(0));
  sel->HideAllMarks();
  for (int i = 1; i < NrOfMarkers; ++i) EXPECT_FALSE(sel->GetVis(i)) << i;
  EXPECT_TRUE(sel->GetVis(0));
  EXPECT_TRUE(sel->GetVis(-1));  // reads marker 0
  EXPECT_TRUE(sel->GetVis(52));
  sel->SetVis(51, true);
  EXPECT_EQ(sel->MarkCoords()[51], TPoint(43, 14));
  sel->ShowAllMarks();
  EXPECT_TRUE(sel->GetVis(3));
}

TEST_F(MarkSelTest, SettersKeepTheirRanges) {
  struct Case { void (TMarkSel::*Set)(int); int (TMarkSel::*Get)() const; int Value, Expected; };
  const Case cases[] = {
      {&TMarkSel::SetNrOfColumns, &TMarkSel::NrOfColumns, 52, 8}, {&TMarkSel::SetNrOfColumns, &TMarkSel::NrOfColumns, 0, 8},
      {&TMarkSel::SetNrOfColumns, &TMarkSel::NrOfColumns, 51, 51}, {&TMarkSel::SetNrOfRows, &TMarkSel::NrOfRows, 0, 6},
      {&TMarkSel::SetNrOfRows, &TMarkSel::NrOfRows, 3, 3},         {&TMarkSel::SetSelected, &TMarkSel::Selected, 60, -1},
      {&TMarkSel::SetSelected, &TMarkSel::Selected, 51, 51},       {&TMarkSel::SetSelected, &TMarkSel::Selected, -2, 51},
      {&TMarkSel::SetSelected, &TMarkSel::Selected, -1, -1},
  };
  for (const Case& c : cases) {
    (sel.get()->*c.Set)(c.Value);
    EXPECT_EQ((sel.get()->*c.Get)(), c.Expected) << c.Value;
  }
}

// A click between two markers selects the lower-numbered one.
TEST_F(MarkSelTest, ClickSelectsTheNearestMarker) {
  sel->SetBounds(0, 0, 244, 178);  // cells 30 wide: markers 0, 1, 2 at x 15, 45, 75
  struct Case { QPoint At; int Mark; };
  const Case cases[] = {{{30, 14}, 0}, {{60, 14}, 1}, {{61, 14}, 2}, {{46, 44}, 9}, {{243, 177}, 47}};
  for (const Case& c : cases) {
    clicks.clear();
    QTest::mouseClick(sel.get(), Qt::LeftButton, {}, c.At);
    EXPECT_EQ(sel->Selected(), c.Mark) << c.At.x() << "," << c.At.y();
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].X, c.At.x());
    EXPECT_EQ(clicks[0].Y, c.At.y());
    EXPECT_EQ(clicks[0].Mark, c.Mark);
  }
  QTest::mouseClick(sel.get(), Qt::RightButton, {}, MarkAt(20));
  EXPECT_EQ(sel->Selected(), 47);
  int dbl = -1;
  sel->OnMarkDblClick = [&](TObject*, int, int, int Mark) { dbl = Mark; };
  QTest::mouseDClick(sel.get(), Qt::LeftButton, {}, MarkAt(17));
  EXPECT_EQ(dbl, 17);
  EXPECT_EQ(sel->Selected(), 17);
}

TEST_F(MarkSelTest, PaletteDrawing) {
  sel->SetSelected(12);
  QImage img = Grab(sel.get());
  const TColor face = ColorToRGB(clBtnFace);
  EXPECT_EQ(PixelAt(img, MarkAt(5).x(), MarkAt(5).y()), clBlack);  // filled square, filled in its pen
  EXPECT_EQ(PixelAt(img, MarkAt(4).x(), MarkAt(4).y()), face);     // open square
  EXPECT_EQ(PixelAt(img, MarkAt(4).x() - 4, MarkAt(4).y()), clBlack);
  const TRect s = sel->SelectedRect(12);
  EXPECT_EQ(PixelAt(img, s.Left, s.Top + 5), sel->ColorSelFG());
  EXPECT_EQ(PixelAt(img, s.Left + 2, s.Top + 2), sel->ColorSelBG());
  EXPECT_EQ(PixelAt(img, MarkAt(12).x(), MarkAt(12).y() - 4), sel->ColorSelFG());  // triangle down, top edge
  // Marker 0: a cross over the first cell, or a dot.
  EXPECT_EQ(PixelAt(img, 4, 4), clBlack);
  EXPECT_EQ(PixelAt(img, 29, 29), clBlack);  // (4, 4) to (dh + 1, dv + 1) = (30, 30), end left out
  EXPECT_EQ(PixelAt(img, 30, 30), face);
  sel->SetShowZeroAsCross(false);
  img = Grab(sel.get());
  EXPECT_EQ(PixelAt(img, 4, 4), face);
  EXPECT_EQ(PixelAt(img, MarkAt(0).x(), MarkAt(0).y()), clBlack);
  // The bump frame in white and grey.
  EXPECT_EQ(PixelAt(img, 0, 5), clWhite);
  EXPECT_EQ(PixelAt(img, 1, 5), clGray);
  int paints = 0;
  sel->OnPaint = [&](TObject*) { ++paints; };
  sel->Repaint();
  EXPECT_EQ(paints, 1);
}

TEST_F(MarkSelTest, HoverHighlightFollowsTheMouse) {
  QTest::mouseMove(sel.get(), MarkAt(9));
  EXPECT_EQ(sel->LastHiLite(), 9);
  const TRect h9 = sel->HiLiteRect(9);
  QImage img = Grab(sel.get());
  EXPECT_EQ(PixelAt(img, h9.Left + 1, h9.Top + 1), sel->ColorHiLiteBG());
  EXPECT_EQ(PixelAt(img, MarkAt(9).x(), MarkAt(9).y()), sel->ColorHiLiteSymbol());
  QTest::mouseMove(sel.get(), MarkAt(10));
  EXPECT_EQ(sel->LastHiLite(), 10);
  img = Grab(sel.get());
  EXPECT_EQ(PixelAt(img, h9.Left + 1, h9.Top + 1), ColorToRGB(clBtnFace));
  EXPECT_EQ(PixelAt(img, MarkAt(9).x(), MarkAt(9).y()), clBlack);
  EXPECT_EQ(PixelAt(img, sel->HiLiteRect(10).Left + 1, sel->HiLiteRect(10).Top + 1), sel->ColorHiLiteBG());
  // A repaint keeps the highlight while the mouse is there; leaving removes it.
  sel->SetColorMarks(clNavy);
  img = Grab(sel.get());
  EXPECT_EQ(PixelAt(img, sel->HiLiteRect(10).Left + 1, sel->HiLiteRect(10).Top + 1), sel->ColorHiLiteBG());
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(sel.get(), &leave);
  EXPECT_EQ(sel->LastHiLite(), -1);
  img = Grab(sel.get());
  EXPECT_EQ(PixelAt(img, sel->HiLiteRect(10).Left + 1, sel->HiLiteRect(10).Top + 1), ColorToRGB(clBtnFace));
}

// Disabled: greys, but a highlight keeps the enabled colours.
TEST_F(MarkSelTest, DisabledPaletteIsGrey) {
  sel->SetSelected(7);
  sel->SetEnabled(false);
  QImage img = Grab(sel.get());
  EXPECT_EQ(PixelAt(img, MarkAt(4).x(), MarkAt(4).y()), clSilver);
  EXPECT_EQ(PixelAt(img, MarkAt(5).x(), MarkAt(5).y()), clGray);
  EXPECT_EQ(PixelAt(img, sel->SelectedRect(7).Left + 2, sel->SelectedRect(7).Top + 2), TColor(0xDEDEDE));
  sel->HiLite(5);
  img = Grab(sel.get());
  EXPECT_EQ(PixelAt(img, sel->HiLiteRect(5).Left + 1, sel->HiLiteRect(5).Top + 1), sel->ColorHiLiteBG());
  EXPECT_EQ(PixelAt(img, MarkAt(5).x(), MarkAt(5).y()), sel->ColorHiLiteSymbol());
  sel->ResetLastHiLite();
  img = Grab(sel.get());
  EXPECT_EQ(PixelAt(img, MarkAt(5).x(), MarkAt(5).y()), clBlack);  // the enabled look
}
