// The grid's in-place editor: opening, live text, closing with Enter,
// cancelling with Escape, closing on moves and focus loss, the pick list.
#include "GridTestSupport.h"

#include <QLineEdit>
#include <QListWidget>

using namespace orv;

namespace {

// A grid whose column 2 edits through a pick list, and which records what its
// KeyPress leaves of each key (as a derived control sees it after the grid).
class EditGrid : public test::TestGrid {
public:
  using TestGrid::TestGrid;
  QString KeysAfterGrid;
  void KeyPress(QChar& Key) override {
    TCustomDrawGrid::KeyPress(Key);
    KeysAfterGrid += Key.isNull() ? QChar('0') : Key;
  }

protected:
  TEditStyle GetEditStyle(int ACol, int) override { return ACol == 2 ? esPickList : esSimple; }
  TInplaceEdit* CreateEditor() override {
    auto* e = new TInplaceEditList(this);
    e->OnGetPickListItems = [](int, int, QStringList& Items) { Items << "red" << "green" << "blue"; };
    return e;
  }
};

struct SetCall {
  int Col, Row;
  QString Value;
  bool operator==(const SetCall&) const = default;
};

class EditorTest : public orv::test::GridTest {
protected:
  std::unique_ptr<test::TestGrid> MakeGrid() override { return std::make_unique<EditGrid>(nullptr); }

  void SetUp() override {
    GridTest::SetUp();
    G->SetOptions(G->Options() | goEditing);
    G->OnGetEditText = [this](TObject*, int c, int r, QString& v) { v = Cells.value({c, r}); };
    G->OnSetEditText = [this](TObject*, int c, int r, const QString& v) {
      Sets.push_back({c, r, v});
      Cells[{c, r}] = v;
    };
    Cells[{1, 1}] = "alpha";
    Cells[{2, 1}] = "red";
    Show();
  }

  EditGrid* Grid() { return static_cast<EditGrid*>(G.get()); }
  QString Cell(int ACol, int ARow) const { return Cells.value({ACol, ARow}); }
  QString EditorText() { return G->InplaceEditor()->Text(); }
  bool EditorFocused() { return G->InplaceEditor() && G->InplaceEditor()->hasFocus(); }

  QMap<std::pair<int, int>, QString> Cells;
  std::vector<SetCall> Sets;
};

}  // namespace

TEST_F(EditorTest, EnterOpensTypingStoresAndEnterClosesConsumingTheKey) {
  Key(Qt::Key_Return);
  ASSERT_TRUE(G->EditorMode());
  EXPECT_EQ(EditorText(), "alpha");
  EXPECT_TRUE(EditorFocused());
  EXPECT_EQ(G->InplaceEditor()->geometry(), QRect(G->CellRect(1, 1)));
  EXPECT_TRUE(Sets.empty());  // filling the editor stores nothing

  Type("xy");  // replaces the selected text
  const std::vector<SetCall> typed = {{1, 1, "x"}, {1, 1, "xy"}};
  EXPECT_EQ(Sets, typed);
  Key(Qt::Key_Return);
  EXPECT_FALSE(G->EditorMode());
  EXPECT_TRUE(G->hasFocus());
  EXPECT_EQ(Cell(1, 1), "xy");
  EXPECT_EQ(Sets.size(), 2u);
  EXPECT_EQ(Grid()->KeysAfterGrid, "0xy0");  // both Enters consumed by the grid

  Key(Qt::Key_F2);
  EXPECT_TRUE(G->EditorMode());
  EXPECT_EQ(EditorText(), "xy");
}

TEST_F(EditorTest, EscapeRestoresTheTextTheCellHad) {
  Key(Qt::Key_F2);
  Type("zz");
  Key(Qt::Key_Escape);
  EXPECT_FALSE(G->EditorMode());
  EXPECT_EQ(Cell(1, 1), "alpha");
  EXPECT_EQ(Sets.back(), (SetCall{1, 1, "alpha"}));
  Key(Qt::Key_Escape);  // nothing to cancel
  EXPECT_EQ(Sets.size(), 3u);
}

TEST_F(EditorTest, ATypedCharacterStartsEditingWithIt) {
  Type("q");
  ASSERT_TRUE(G->EditorMode());
  EXPECT_EQ(EditorText(), "q");
  Type("r");
  EXPECT_EQ(Cell(1, 1), "qr");
  Key(Qt::Key_Down);  // moving closes the editor and keeps the text
  EXPECT_FALSE(G->EditorMode());
  EXPECT_EQ(G->Row(), 2);
  EXPECT_EQ(Cell(1, 1), "qr");
  Key(Qt::Key_Backspace);  // starts editing with an empty text
  ASSERT_TRUE(G->EditorMode());
  EXPECT_EQ(Cell(1, 2), "");
}

TEST_F(EditorTest, ASecondClickOnTheCurrentCellOpensTheEditor) {
  Click(3, 4);
  EXPECT_FALSE(G->EditorMode());
  Click(3, 4);
  EXPECT_TRUE(G->EditorMode());
  EXPECT_EQ(G->InplaceEditor()->geometry(), QRect(G->CellRect(3, 4)));
  Click(5, 4);
  EXPECT_FALSE(G->EditorMode());
  EXPECT_EQ(G->Col(), 5);
}

TEST_F(EditorTest, NoEditingWithoutTheOption) {
  G->SetOptions(G->Options() - TGridOptions{goEditing});
  Key(Qt::Key_F2);
  Key(Qt::Key_Return);
  Type("a");
  Click(1, 1);
  EXPECT_FALSE(G->EditorMode());
  EXPECT_EQ(G->InplaceEditor(), nullptr);
  EXPECT_EQ(Grid()->KeysAfterGrid, "0a");  // Enter is consumed all the same

  G->SetOptions(G->Options() | goEditing);
  G->SetEditorMode(true);
  EXPECT_TRUE(G->EditorMode());
  G->SetOptions(G->Options() - TGridOptions{goEditing});  // switching it off closes the editor
  EXPECT_FALSE(G->EditorMode());
}

TEST_F(EditorTest, ScrollingTheCellOutOfViewClosesTheEditor) {
  Key(Qt::Key_F2);
  Type("b");
  G->SetTopRow(10);
  EXPECT_FALSE(G->EditorMode());
  EXPECT_TRUE(G->InplaceEditor()->isHidden());
  EXPECT_EQ(Cell(1, 1), "b");
}

TEST_F(EditorTest, AlwaysShowEditorKeepsItOpenWhileFocused) {
  G->SetOptions(G->Options() | goAlwaysShowEditor);
  EXPECT_TRUE(G->EditorMode());
  Key(Qt::Key_Right);
  EXPECT_TRUE(G->EditorMode());
  EXPECT_EQ(EditorText(), "red");
  Type("x");
  Key(Qt::Key_Escape);  // restores, stays open
  EXPECT_TRUE(G->EditorMode());
  EXPECT_EQ(Cell(2, 1), "red");
}

TEST_F(EditorTest, UpAndDownInTheEditorMoveBetweenCells) {
  G->SetOptions(G->Options() | goTabs);
  Key(Qt::Key_F2);
  Key(Qt::Key_Tab);
  EXPECT_EQ(G->Col(), 2);
  EXPECT_FALSE(G->EditorMode());
  Key(Qt::Key_F2);
  Key(Qt::Key_Left);  // stays inside the text
  EXPECT_TRUE(G->EditorMode());
  Key(Qt::Key_Down);
  EXPECT_FALSE(G->EditorMode());
  EXPECT_EQ(TGridCoord(G->Col(), G->Row()), TGridCoord(2, 2));
}

TEST_F(EditorTest, PickListOffersValuesForItsColumn) {
  Key(Qt::Key_F2);
  auto* list = dynamic_cast<TInplaceEditList*>(G->InplaceEditor());
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->EditStyle(), esSimple);
  Key(Qt::Key_F4);
  EXPECT_FALSE(list->ListVisible());  // column 1 has no list
  Key(Qt::Key_Escape);

  Key(Qt::Key_Right);
  Key(Qt::Key_F2);
  EXPECT_EQ(list->EditStyle(), esPickList);
  Key(Qt::Key_Down, Qt::AltModifier);
  ASSERT_TRUE(list->ListVisible());
  EXPECT_EQ(list->PickList(), QStringList({"red", "green", "blue"}));
  EXPECT_TRUE(G->EditorMode());  // the list keeps the editor open
  Key(Qt::Key_Down);
  Key(Qt::Key_Return);
  EXPECT_FALSE(list->ListVisible());
  EXPECT_EQ(EditorText(), "green");
  EXPECT_EQ(Cell(2, 1), "green");

  Key(Qt::Key_F4);
  Key(Qt::Key_Down);
  Key(Qt::Key_Escape);  // closes the list without taking its value
  EXPECT_FALSE(list->ListVisible());
  EXPECT_TRUE(G->EditorMode());
  EXPECT_EQ(EditorText(), "green");
  list->DropDown();
  list->findChild<QListWidget*>()->setCurrentRow(2);
  list->CloseUp(true);
  EXPECT_EQ(Cell(2, 1), "blue");
}

TEST(GridEditorFocus, AnotherControlTakingTheFocusClosesTheEditor) {
  QWidget window;
  window.resize(500, 300);
  auto* grid = new TCustomDrawGrid(nullptr);
  grid->setParent(&window);
  grid->setGeometry(0, 0, 400, 300);
  auto* other = new QLineEdit(&window);
  other->setGeometry(410, 0, 80, 24);
  grid->SetOptions(grid->Options() | goEditing);
  QString stored;
  grid->OnSetEditText = [&](TObject*, int, int, const QString& v) { stored = v; };
  orv::test::ShowAndWait(&window);
  window.activateWindow();
  grid->setFocus();
  QApplication::processEvents();
  QTest::keyClicks(grid, "k");
  ASSERT_TRUE(grid->EditorMode());
  other->setFocus();
  EXPECT_FALSE(grid->EditorMode());
  EXPECT_EQ(stored, "k");
}
