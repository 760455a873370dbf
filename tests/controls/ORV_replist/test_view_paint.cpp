// Report list view painting: shading groups, state colours, check boxes and
// radio dots, the sort arrow, truncation, the empty message, the insertion line.
#include "ViewTestSupport.h"

#include <QFontMetrics>

using namespace orv;
using orv::test::PixelAt;
using orv::test::ViewTest;

namespace {

// A background pixel of a cell: right of any text, away from check marks.
QPoint Background(const TRect& Cell) { return QPoint(Cell.Right - 2, Cell.Top + 3); }

// Whether any pixel of the rectangle differs from Bg.
bool HasInk(const QImage& Img, const TRect& R, TColor Bg) {
  for (int y = R.Top; y < R.Bottom; ++y)
    for (int x = R.Left; x < R.Right; ++x)
      if (PixelAt(Img, x, y) != Bg) return true;
  return false;
}

}  // namespace

TEST_F(ViewTest, ShadingGroupsFollowRowColPattern) {
  struct Case {
    int Pattern;
    std::vector<bool> Shaded;  // rows 1..6
  };
  const Case cases[] = {
      {1, {true, false, true, false, true, false}},
      {3, {true, true, true, false, false, false}},
      {2, {true, true, false, false, true, true}},
      {0, {false, false, false, false, false, false}},
  };
  for (const Case& c : cases) {
    V->SetRowColPattern(c.Pattern);
    const QImage img = Image();
    for (int r = 1; r <= 6; ++r) {
      const QPoint p = Background(Cell(3, r));
      EXPECT_EQ(PixelAt(img, p.x(), p.y()), c.Shaded[std::size_t(r - 1)] ? 0xF0EFE8u : 0xFFFFFFu)
          << "pattern " << c.Pattern << " row " << r;
    }
  }
}

TEST_F(ViewTest, StateColoursAndTheirPrecedence) {
  V->SetRowSelected(2, true);
  V->SetRowSelected(3, true);
  V->SetRowEnabled(3, false);
  V->SetHighLightRow(4);
  V->SetRowEnabled(5, false);
  V->SetHighLightColumn(0);
  const QImage img = Image();
  auto bg = [&](int r) {
    const QPoint p = Background(Cell(3, r));
    return PixelAt(img, p.x(), p.y());
  };
  EXPECT_EQ(bg(2), 0x94BAEDu);  // selected
  EXPECT_EQ(bg(3), 0xF0F0F0u);  // disabled wins over selected
  EXPECT_EQ(bg(4), 0xCC9966u);  // highlighted
  EXPECT_EQ(bg(1), 0xF0EFE8u);
  // A highlighted disabled row stays disabled.
  V->SetHighLightRow(5);
  const QImage img2 = Image();
  const QPoint p = Background(Cell(3, 5));
  EXPECT_EQ(PixelAt(img2, p.x(), p.y()), 0xF0F0F0u);

  // Selected column and both.
  V->SetColorSelectedCol(0x00FF00);
  V->SetColorSelectedBoth(0x0000FF);
  V->SetColumnSelected(3, true);
  const QImage img3 = Image();
  const QPoint both = Background(Cell(3, 2)), col = Background(Cell(3, 1));
  EXPECT_EQ(PixelAt(img3, both.x(), both.y()), 0x0000FFu);
  EXPECT_EQ(PixelAt(img3, col.x(), col.y()), 0x00FF00u);
}

TEST_F(ViewTest, DisabledControlUsesDisabledHeaderAndInactiveText) {
  V->SetElem(3, 1, QStringLiteral("WWWWW"));
  V->SetEnabled(false);
  const QImage img = Image();
  const TRect h = HeaderCell(3);
  EXPECT_EQ(PixelAt(img, h.Right - 3, h.Top + 3), 0xF0F0F0u);
  const TRect c = Cell(3, 1);
  bool inactiveInk = false;
  for (int y = c.Top; y < c.Bottom && !inactiveInk; ++y)
    for (int x = c.Left; x < c.Right && !inactiveInk; ++x)
      inactiveInk = PixelAt(img, x, y) == ColorToRGB(clInactiveCaption);
  EXPECT_TRUE(inactiveInk);
}

TEST_F(ViewTest, CheckBoxTickAndRadioDot) {
  V->SetColumnCheckMode(3, cmBox);
  V->SetElem(3, 1, QStringLiteral("on"));
  V->SetElem(3, 2, QStringLiteral("off"));
  V->SetElemChecked(3, 1, true);
  const TColor shadow = ColorToRGB(clBtnShadow);
  QImage img = Image();
  const TRect c1 = Cell(3, 1), c2 = Cell(3, 2), c3 = Cell(3, 3);
  EXPECT_EQ(PixelAt(img, c1.Left + 4, c1.Top + 4), shadow);        // box corner
  EXPECT_EQ(PixelAt(img, c1.Left + 6, c1.Top + 8), 0x002000u);     // tick start
  EXPECT_EQ(PixelAt(img, c1.Left + 8, c1.Top + 10), 0x002000u);    // tick turn
  EXPECT_EQ(PixelAt(img, c2.Left + 4, c2.Top + 4), shadow);
  EXPECT_EQ(PixelAt(img, c2.Left + 6, c2.Top + 8), 0xFFFFFFu);     // unchecked: no tick
  EXPECT_EQ(PixelAt(img, c3.Left + 4, c3.Top + 4), shadow);        // empty cell: a box

  V->SetShowEmptyCheckBoxes(false);
  img = Image();
  EXPECT_EQ(PixelAt(img, c3.Left + 4, c3.Top + 4), 0xF0EFE8u);     // no box without text

  V->SetCheckMarksReadOnly(true);
  img = Image();
  EXPECT_EQ(PixelAt(img, c1.Left + 4, c1.Top + 4), 0xF0EFE8u);     // no frame
  EXPECT_EQ(PixelAt(img, c1.Left + 6, c1.Top + 8), 0x002000u);     // tick stays

  V->SetCheckMarksReadOnly(false);
  V->SetColumnCheckMode(3, cmRadio);
  V->SetElemChecked(3, 2, true);
  img = Image();
  EXPECT_EQ(PixelAt(img, c2.Left + 9, c2.Top + 9), 0x002000u);     // dot
  EXPECT_EQ(PixelAt(img, c2.Left + 9, c2.Top + 4), shadow);        // circle top
  EXPECT_EQ(PixelAt(img, c1.Left + 9, c1.Top + 9), 0xF0EFE8u);     // the other row lost its dot
}

TEST_F(ViewTest, SortArrowPointsTheSortDirection) {
  const QFontMetrics fm(V->Font()->Handle());
  const TRect h = HeaderCell(1);
  const int x0 = h.Left + 4 + fm.horizontalAdvance(QStringLiteral("Name")) + 10;
  const int y0 = h.Top + 2 + fm.height() / 2;
  const TColor face = ColorToRGB(clBtnFace);
  V->Sort(1, -1, true);
  QImage img = Image();
  EXPECT_EQ(PixelAt(img, x0 - 2, y0 + 3), 0xFFFFFFu);  // white base at the bottom
  EXPECT_EQ(PixelAt(img, x0 - 3, y0 - 3), face);       // narrow top
  V->Sort(1, -1, false);
  img = Image();
  EXPECT_EQ(PixelAt(img, x0 - 2, y0 - 3), 0x808080u);  // grey base at the top
  EXPECT_EQ(PixelAt(img, x0 - 3, y0 + 3), face);
  V->UnSort();
  img = Image();
  EXPECT_FALSE(HasInk(img, TRect(x0 - 5, y0 - 4, x0 + 6, y0 + 5), face));
}

TEST_F(ViewTest, LongTextsEndInDots) {
  V->SetColWidths(1, 60);
  const QString longText = QStringLiteral("abcdefghijklmnopqrstuvwxyzabcdefghijklmn");
  V->SetElem(1, 1, longText);
  V->SetElem(1, 2, longText);
  V->SetColumnAlignment(1, taLeftJustify);
  std::vector<QString> seen;
  V->OnBeforeRenderCell = [&](TObject*, int c, int r, TColor&, TColor&, TColor&, TFontStyles&, QString& t) {
    if (c == 1 && r <= 2) seen.push_back(t);
  };
  const QImage img = Image();
  EXPECT_FALSE(seen.empty());  // the event sees the whole text
  for (const QString& s : seen) EXPECT_EQ(s, longText);
  const TRect c = Cell(1, 1);
  const QFontMetrics fm(V->Font()->Handle());
  // The ink ends inside the text rectangle, and its last pixels are the dots:
  // only on the bottom rows of the text.
  int right = -1;
  for (int x = c.Left; x < c.Right + 1; ++x)
    for (int y = c.Top; y < c.Bottom; ++y)
      if (PixelAt(img, x, y) != 0xF0EFE8u) right = x;
  ASSERT_GT(right, c.Left);
  EXPECT_LE(right, c.Right - 6);
  const int baseline = c.Top + 1 + fm.ascent();
  for (int x = right - 1; x <= right; ++x)
    for (int y = c.Top; y < baseline - fm.ascent() / 2; ++y) EXPECT_EQ(PixelAt(img, x, y), 0xF0EFE8u) << x << "," << y;
}

TEST_F(ViewTest, EmptyMessageLinesAreCentredBelowTheHeaders) {
  V->SetEmptyMessage(QStringLiteral("No data|Load a file"));
  V->SetNrRows(0);
  const QImage img = Image();
  // The area starts at the sum of the head-row heights, counted from the
  // grid's origin: on the line under the column headers.
  const int H = V->CellArea().Top + V->ColumnHeadersHeight();
  const TColor bg = ColorToRGB(V->Color());
  EXPECT_EQ(PixelAt(img, 100, H), bg);
  EXPECT_NE(PixelAt(img, 100, H - 1), bg);  // the header's own edge stays

  // The lines land exactly where the Part's formula puts them: compare the
  // ink with the same texts drawn there on a blank picture.
  TBitmap expected(V->Width(), V->Height());
  TCanvas* c = expected.Canvas();
  c->Brush()->SetColor(bg);
  c->FillRect(TRect(0, 0, V->Width(), V->Height()));
  c->Font()->Assign(V->Font());
  c->Font()->SetColor(V->ColorEmptyMsg());
  c->Brush()->SetStyle(bsClear);
  const int h = c->TextHeight(QStringLiteral("No data|Load a file"));
  const int y0 = H - 2 * h;
  const int width = V->CellArea().Right + V->CellArea().Left, height = V->CellArea().Bottom;
  const QStringList lines = {QStringLiteral("No data"), QStringLiteral("Load a file")};
  for (int i = 1; i <= 2; ++i)
    c->TextOut((width - c->TextWidth(lines[i - 1])) / 2, y0 + (height - y0) / 2 + (i - 1) * h - 2, lines[i - 1]);
  const QRect area(1, H + 1, V->CellArea().Right - 1, V->CellArea().Bottom - H - 1);
  const QRect ink = test::InkBounds(img, area, bg);
  ASSERT_FALSE(ink.isNull());
  EXPECT_EQ(ink, test::InkBounds(*c->Image(), area, bg));
}

TEST_F(ViewTest, InsertionLineLiesOnTheGridLineAboveItsRow) {
  // One pixel wide, the line must cover the grid line above the row and
  // nothing else: y = sum of head-row heights + (p - TopRow) x
  // (DefaultRowHeight + 1), counted from the grid's origin.
  V->SetInterRowIndicatorWidth(1);
  V->SetNrRows(12);
  V->SetTopRow(2);
  struct Case {
    bool CommonHeader;
    int Pos;
  };
  for (const Case& k : {Case{false, 3}, Case{false, 2}, Case{false, 9}, Case{true, 4}}) {
    V->SetCommonHeaderVisible(k.CommonHeader);
    V->SetTopRow(2);
    V->SetInterRowIndicatorPos(k.Pos);
    const int head = k.CommonHeader ? V->CommonHeaderHeight() + 1 + V->ColumnHeadersHeight() : V->ColumnHeadersHeight();
    const int y = V->CellArea().Top + head + (k.Pos - V->TopRow()) * (V->DefaultRowHeight() + 1);
    EXPECT_EQ(V->InterRowLineY(), y) << k.Pos;
    EXPECT_EQ(y, Cell(1, k.Pos).Top - 1) << k.Pos;
    const QImage img = Image();
    for (int x : {2, 100, 300}) EXPECT_EQ(PixelAt(img, x, y), 0x0000FFu) << k.Pos << " x " << x;
    EXPECT_NE(PixelAt(img, 100, y - 1), 0x0000FFu) << k.Pos;
    EXPECT_NE(PixelAt(img, 100, y + 1), 0x0000FFu) << k.Pos;
  }
  V->SetCommonHeaderVisible(false);
  V->SetInterRowIndicatorPos(1);  // above the top row shown: not drawn
  EXPECT_EQ(V->InterRowLineY(), -1);
  V->SetNrRows(6);
  V->SetInterRowIndicatorPos(7);  // below the last row: the line under it
  EXPECT_EQ(V->InterRowLineY(), Cell(1, 6).Bottom);
  V->SetInterRowIndicatorPos(0);
  EXPECT_EQ(V->InterRowLineY(), -1);
  const QImage img = Image();
  int red = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) red += PixelAt(img, x, y) == 0x0000FFu;
  EXPECT_EQ(red, 0);
}

TEST_F(ViewTest, SuppressPaintNestsAndRepaintsOnceAtTheEnd) {
  const QImage before = Image();
  V->SetSuppressPaint(true);
  V->SetRowColPattern(0);
  V->SelectAllRows();  // a bulk operation restores the outer suppression
  EXPECT_TRUE(V->SuppressPaint());
  EXPECT_EQ(Image(), before);  // nothing painted while suppressed
  V->SetSuppressPaint(false);
  EXPECT_NE(Image(), before);
}
