// Table editor painting: cell texts by state and scale type, text and
// background colours of marks and selection, OnBeforeRenderCell, headings,
// the corner cell, the empty table's message and suppressed painting.
#include "NTabEdTestSupport.h"

using namespace orv;
using orv::test::InkBounds;
using orv::test::NTabEdTest;
using orv::test::PixelAt;

namespace {

// Whether some pixel of R is close to colour C (antialiased text never
// quite reaches its colour): every channel within 64.
bool HasColour(const QImage& Img, const TRect& R, TColor C) {
  auto near = [](TColor a, TColor b) {
    for (int shift : {0, 8, 16})
      if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > 64) return false;
    return true;
  };
  for (int y = R.Top; y < R.Bottom; ++y)
    for (int x = R.Left; x < R.Right; ++x)
      if (near(PixelAt(Img, x, y), C)) return true;
  return false;
}

struct Rendered {
  QString Text;
  TColor Fg = 0, Bg = 0;
  TFontStyles Styles;
};

}  // namespace

TEST_F(NTabEdTest, CellTextFollowsStateAndScaleType) {
  E->SetElem(1, 1, 5);
  E->SetCellState(1, 1, dtsEmpty);
  E->SetElem(1, 2, 5);
  E->SetCellState(1, 2, dtsNotANumber);
  E->SetCellState(1, 3, dtsNotANumber | dtsEmpty);
  EXPECT_EQ(E->CellText(1, 1), QString());
  EXPECT_EQ(E->CellText(1, 2), QStringLiteral("-nan-"));
  EXPECT_EQ(E->CellText(1, 3), QString());
  E->SetPrecision(1, 1);
  E->SetElem(1, 4, 2.25);
  EXPECT_EQ(E->CellText(1, 4), QStringLiteral("2.2"));

  E->Data->SetMScaleType(2, 1);
  E->Data->SetNominalID(2, 2, QStringLiteral("two"));
  const struct {
    double Value;
    const char* Text;
  } coded[] = {{151, "nominal:151"}, {-0.4, "nominal:0"}, {2.5, "two"}, {1.6, "two"}, {3.5, "nominal:4"}, {-3, "nominal:-3"}};
  for (const auto& k : coded) {
    E->SetElem(2, 1, k.Value);
    EXPECT_EQ(E->CellText(2, 1), QString::fromLatin1(k.Text)) << k.Value;
  }

  // What the cell shows on screen: an empty cell has no ink at all.
  Show();
  Select(3, 4, 3, 4);
  const QImage img = Image();
  const TRect empty = Cell(1, 1);
  EXPECT_TRUE(InkBounds(img, QRect(empty.Left, empty.Top, empty.Right - empty.Left, empty.Bottom - empty.Top), clWindow)
                  .isNull());
  const TRect nan = Cell(1, 2);
  EXPECT_FALSE(
      InkBounds(img, QRect(nan.Left, nan.Top, nan.Right - nan.Left, nan.Bottom - nan.Top), clWindow).isNull());
}

TEST_F(NTabEdTest, MarksAndSelectionChooseTheColours) {
  std::map<std::pair<int, int>, Rendered> seen;
  E->OnBeforeRenderCell = [&](TObject* Sender, int c, int r, QString& Text, TColor& Fg, TColor& Bg, TFontStyles& St) {
    EXPECT_EQ(Sender, E.get());
    seen[{c, r}] = Rendered{Text, Fg, Bg, St};
  };
  E->SetCellState(1, 1, dtsMarkA);
  E->SetCellState(2, 1, dtsMarkB);
  E->SetCellState(3, 1, dtsMarkA | dtsMarkB | dtsLocked);
  E->SetCellState(1, 2, dtsLocked | dtsEmpty);
  E->SetCellState(2, 3, dtsMarkB);
  Show();
  Select(1, 3, 2, 4);
  (void)Image();
  const struct {
    int c, r;
    TColor Fg, Bg;
    bool Bold;
  } cases[] = {
      {1, 1, 0x0000FF, clWindow, true},  {2, 1, 0xFF0000, clWindow, true},   {3, 1, 0xCC00BB, clWindow, true},
      {1, 2, 0x002000, clWindow, false}, {1, 3, 0x80552C, 0xF8E8E0, false}, {2, 3, 0xFF0000, 0xF8E8E0, true},
      {2, 4, 0x80552C, 0xF8E8E0, false}, {3, 4, 0x002000, clWindow, false},
  };
  for (const auto& k : cases) {
    const Rendered& got = seen[{k.c, k.r}];
    EXPECT_EQ(got.Fg, k.Fg) << k.c << "," << k.r;
    EXPECT_EQ(got.Bg, k.Bg) << k.c << "," << k.r;
    EXPECT_EQ(got.Styles.Contains(fsBold), k.Bold) << k.c << "," << k.r;
  }
  E->SetBoldMarks(false);  // no repaint of its own
  E->Invalidate();
  (void)Image();
  const Rendered& markedA = seen[{1, 1}];
  EXPECT_FALSE(markedA.Styles.Contains(fsBold));
}

TEST_F(NTabEdTest, RenderHookChangesWhatIsDrawn) {
  E->SetElem(2, 2, 8);
  E->OnBeforeRenderCell = [](TObject*, int c, int r, QString& Text, TColor& Fg, TColor& Bg, TFontStyles&) {
    if (c != 2 || r != 2) return;
    Text = QStringLiteral("HHHH");
    Fg = 0x0000FF;
    Bg = 0x00FF00;
  };
  Show();
  Select(1, 1, 1, 1);
  const QImage img = Image();
  const TRect cell = Cell(2, 2);
  EXPECT_EQ(PixelAt(img, cell.Right - 2, cell.Bottom - 2), TColor(0x00FF00));
  EXPECT_TRUE(HasColour(img, cell, 0x0000FF));
  // Text starts at Left + 2, Top + 1.
  const QRect ink = InkBounds(img, QRect(cell.Left, cell.Top, cell.Right - cell.Left, cell.Bottom - cell.Top), 0x00FF00);
  EXPECT_GE(ink.left(), cell.Left + 2);
  EXPECT_LE(ink.left(), cell.Left + 4);
}

TEST_F(NTabEdTest, HeadingsOfTheCurrentCellAreHighlighted) {
  E->SetColorSelected(0x00C000);
  E->SetColorNormal(0xC00000);
  for (int c = 1; c <= 3; ++c) E->SetColName(c, QStringLiteral("HHH"));
  for (int r = 1; r <= 4; ++r) E->SetRowName(r, QStringLiteral("HHH"));
  Show();
  Select(2, 3, 2, 3);
  const QImage img = Image();
  const TRect col2 = E->CellRect(3, 0), col1 = E->CellRect(2, 0);
  const TRect row3 = E->CellRect(0, 3), row1 = E->CellRect(0, 1);
  EXPECT_TRUE(HasColour(img, col2, 0x00C000));
  EXPECT_FALSE(HasColour(img, col1, 0x00C000));
  EXPECT_TRUE(HasColour(img, col1, 0xC00000));
  EXPECT_TRUE(HasColour(img, row3, 0x00C000));
  EXPECT_TRUE(HasColour(img, row1, 0xC00000));
  // Headings sit on the fixed colour.
  E->SetColorFixed(0x3366AA);
  const QImage img2 = Image();
  EXPECT_EQ(PixelAt(img2, col1.Right - 4, col1.Bottom - 2), TColor(0x3366AA));
}

TEST_F(NTabEdTest, CornerCellShowsTheCurrentCellUnlessSwitchedOff) {
  Show();
  Click(2, 3);
  const TRect corner = E->CellRect(0, 0);
  const QRect area(corner.Left, corner.Top, corner.Right - corner.Left, corner.Bottom - corner.Top);
  QImage img = Image();
  const QRect ink = InkBounds(img, area, clWindow);
  ASSERT_FALSE(ink.isNull());
  EXPECT_GE(ink.left(), corner.Left + 3);
  EXPECT_TRUE(HasColour(img, corner, 0x002000));
  E->SetShowCellCursor(false);
  img = Image();
  EXPECT_TRUE(InkBounds(img, area, clWindow).isNull());
}

TEST_F(NTabEdTest, EmptyTableShowsItsMessageCentred) {
  E->SetNrOfRows(0);
  E->SetColorEmptyMsg(0x0000FF);
  Show();
  QImage img = Image();
  EXPECT_TRUE(InkBounds(img, img.rect(), clWindow).isNull());  // only the background

  const QString msg = QStringLiteral("No rows|add some");
  Fired.clear();
  E->SetEmptyMessage(msg);
  EXPECT_EQ(Events("ChangeSetup"), 1);
  img = Image();
  TCanvas* c = E->Canvas();
  c->Font()->Assign(E->Font());
  const int h = c->TextHeight(msg);
  const int y0 = -2 * h;
  const int W = E->Width(), H = E->Height();
  const QString lines[2] = {QStringLiteral("No rows"), QStringLiteral("add some")};
  for (int i = 0; i < 2; ++i) {
    const int top = y0 + (H - y0) / 2 + i * h - 2;
    const QRect band = InkBounds(img, QRect(0, top, W, h), clWindow);
    ASSERT_FALSE(band.isNull()) << i;
    const int x = (W - c->TextWidth(lines[i])) / 2;
    EXPECT_NEAR(band.left(), x, 2) << i;
    EXPECT_TRUE(HasColour(img, TRect(band.left(), band.top(), band.right() + 1, band.bottom() + 1), 0x0000FF));
  }
  // Nothing outside the two lines.
  const int first = y0 + (H - y0) / 2 - 2;
  EXPECT_TRUE(InkBounds(img, QRect(0, 0, W, first), clWindow).isNull());
  EXPECT_TRUE(InkBounds(img, QRect(0, first + 2 * h, W, H), clWindow).isNull());
}

TEST_F(NTabEdTest, SuppressedEditorPaintsNothing) {
  Show();
  const QImage before = Image();
  E->SetSuppressPaint(true);
  E->SetElem(1, 1, 123456);
  E->SetColorBackground(0x00FFFF);
  EXPECT_EQ(Image(), before);
  E->SetSuppressPaint(false);
  const QImage after = Image();
  EXPECT_NE(after, before);
  EXPECT_EQ(PixelAt(after, Cell(3, 4).Right - 2, Cell(3, 4).Bottom - 2), TColor(0x00FFFF));
}

TEST_F(NTabEdTest, OptimizedRowHeightFollowsTheFont) {
  E->SetOptimizeRowHeight(true);
  Show();
  (void)Image();
  (void)Image();
  TCanvas* c = E->Canvas();
  c->Font()->Assign(E->Font());
  EXPECT_EQ(E->DefaultRowHeight(), std::max(8, c->TextHeight(QStringLiteral("9GMg\u00DC$\u00A7[{|")) + 4));
}
