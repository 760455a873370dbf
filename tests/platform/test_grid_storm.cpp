// A storm of random input on a grid that changes shape under it: nothing
// crashes and the grid's state stays consistent.
#include "GridTestSupport.h"

#include <QWheelEvent>

#include <random>

using namespace orv;
using orv::test::GridTest;

namespace {

void ExpectConsistent(test::TestGrid& G, int Step) {
  const TGridRect s = G.Selection();
  ASSERT_TRUE(G.Col() >= G.FixedCols() && G.Col() < G.ColCount()) << "step " << Step;
  ASSERT_TRUE(G.Row() >= G.FixedRows() && G.Row() < G.RowCount()) << "step " << Step;
  ASSERT_TRUE(s.Left >= G.FixedCols() && s.Right < G.ColCount() && s.Left <= s.Right) << "step " << Step;
  ASSERT_TRUE(s.Top >= G.FixedRows() && s.Bottom < G.RowCount() && s.Top <= s.Bottom) << "step " << Step;
  ASSERT_TRUE(s.Contains(G.Col(), G.Row())) << "step " << Step;
  ASSERT_TRUE(G.TopRow() >= G.FixedRows() && G.TopRow() < G.RowCount()) << "step " << Step;
  ASSERT_TRUE(G.LeftCol() >= G.FixedCols() && G.LeftCol() < G.ColCount()) << "step " << Step;
  if (G.EditorMode()) {
    ASSERT_FALSE(G.CellRect(G.Col(), G.Row()).IsEmpty()) << "step " << Step;
    ASSERT_FALSE(G.InplaceEditor()->isHidden()) << "step " << Step;
  }
}

}  // namespace

TEST_F(GridTest, RandomInputKeepsTheGridConsistent) {
  std::mt19937 rng(4711);
  auto pick = [&](int n) { return int(rng() % unsigned(n)); };
  QString text;
  G->OnGetEditText = [&](TObject*, int, int, QString& v) { v = text; };
  G->OnSetEditText = [&](TObject*, int, int, const QString& v) { text = v; };
  G->OnSelectCell = [&](TObject*, int c, int r, bool& ok) { ok = (c * 7 + r) % 11 != 0; };
  G->SetOptions(G->Options() | goEditing | goColSizing | goRowSizing | goTabs);
  Show();
  const int keys[] = {Qt::Key_Up,   Qt::Key_Down,   Qt::Key_Left,  Qt::Key_Right, Qt::Key_PageUp, Qt::Key_PageDown,
                      Qt::Key_Home, Qt::Key_End,    Qt::Key_Tab,   Qt::Key_Return, Qt::Key_Escape, Qt::Key_F2,
                      Qt::Key_A,    Qt::Key_Backspace, Qt::Key_F4};
  const Qt::KeyboardModifiers mods[] = {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier};
  const TGridOption toggles[] = {goRowSelect, goRangeSelect, goEditing, goAlwaysShowEditor, goVertLine, goHorzLine};
  for (int step = 0; step < 2000; ++step) {
    const QPoint p(pick(G->width() + 40) - 20, pick(G->height() + 40) - 20);
    switch (pick(10)) {
      case 0:
      case 1:
      case 2: Key(keys[pick(std::size(keys))], mods[pick(4)]); break;
      case 3: QTest::mouseClick(G.get(), Qt::LeftButton, mods[pick(2)], p); break;
      case 4: {
        QTest::mousePress(G.get(), Qt::LeftButton, {}, p);
        QTest::mouseMove(G.get(), QPoint(pick(G->width() + 80) - 40, pick(G->height() + 80) - 40));
        QTest::mouseRelease(G.get(), Qt::LeftButton, {}, QPoint(pick(G->width()), pick(G->height())));
        break;
      }
      case 5: {
        QWheelEvent e(p, G->mapToGlobal(p), QPoint(), QPoint(0, pick(2) ? 120 : -120), Qt::NoButton, mods[pick(2)],
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(G.get(), &e);
        break;
      }
      case 6: Type(QStringLiteral("xy")); break;
      case 7: {
        const TGridOption o = toggles[pick(std::size(toggles))];
        G->SetOptions(G->Options().Contains(o) ? G->Options() - TGridOptions{o} : G->Options() | o);
        break;
      }
      case 8:
        switch (pick(5)) {
          case 0: G->SetRowCount(1 + pick(60)); break;
          case 1: G->SetColCount(1 + pick(12)); break;
          case 2: G->SetFixedRows(pick(4)); break;
          case 3: G->SetFixedCols(pick(4)); break;
          default: G->SetRowHeights(pick(G->RowCount()), pick(60) - 1); break;
        }
        break;
      default:
        G->SetSelection(TGridRect(pick(15) - 2, pick(70) - 2, pick(15) - 2, pick(70) - 2));
        break;
    }
    if (pick(25) == 0) G->Repaint();
    ExpectConsistent(*G, step);
    if (HasFatalFailure()) return;
  }
}
