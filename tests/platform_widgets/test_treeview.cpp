// TCustomTreeView and TTreeNode: nodes in node order with their data, the
// selection, and the hook that runs before a node expands.
#include "WidgetTestSupport.h"

#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

namespace {

QString Names(TTreeNodes* Items) {
  QStringList names;
  for (TTreeNode* n = Items->GetFirstNode(); n; n = n->GetNext()) names << n->Text();
  return names.join(QLatin1Char(' '));
}

// Loads children when a node expands, as the folder tree does: a node offered
// with a placeholder child gets its real children from Listing; "locked"
// refuses to open.
class LazyTree : public TCustomTreeView {
public:
  using TCustomTreeView::TCustomTreeView;
  std::map<QString, QStringList> Listing;
  std::vector<QString> Asked;
  bool CanExpand(TTreeNode* Node) override {
    Asked.push_back(Node->Text() + (Node->Expanded() ? " (open)" : ""));
    if (Node->Text() == "locked") return false;
    if (Node->Count() == 1 && Node->Item(0)->Text() == "Child") {
      Node->DeleteChildren();
      for (const QString& name : Listing[Node->Text()]) Items()->AddChild(Node, name);
    }
    return TCustomTreeView::CanExpand(Node);
  }
  TTreeNode* Offer(TTreeNode* Parent, const QString& Name) {
    TTreeNode* node = Items()->AddChild(Parent, Name);
    Items()->AddChild(node, QStringLiteral("Child"));
    return node;
  }
};

// The centre of a node's row in the control's coordinates.
QPoint RowCentre(TCustomTreeView& Tree, TTreeNode* Node) {
  QTreeWidget* w = Tree.TreeWidget();
  return w->viewport()->mapTo(&Tree, w->visualItemRect(Node->ItemHandle()).center());
}

}  // namespace

TEST(TreeView, NodesKeepTheirPlaceAndData) {
  TCustomTreeView tree(nullptr);
  TTreeNodes* items = tree.Items();
  TTreeNode* root = items->Add(nullptr, QStringLiteral("C:"));
  TTreeNode* b = items->AddChild(root, QStringLiteral("b"));
  TTreeNode* a = items->AddChildFirst(root, QStringLiteral("a"));
  TTreeNode* c = items->Add(b, QStringLiteral("c"));
  TTreeNode* bb = items->AddChild(b, QStringLiteral("bb"));
  items->Add(root, QStringLiteral("D:"));
  TTreeNode* ab = items->Insert(b, QStringLiteral("ab"));
  EXPECT_EQ(Names(items), "C: a ab b bb c D:");
  EXPECT_EQ(items->Count(), 7);
  EXPECT_EQ(items->Item(3), b);
  EXPECT_EQ(items->Item(7), nullptr);
  EXPECT_EQ(bb->AbsoluteIndex(), 4);
  EXPECT_EQ(bb->Level(), 2);
  EXPECT_EQ(bb->Parent(), b);
  EXPECT_EQ(root->Parent(), nullptr);
  EXPECT_EQ(b->Index(), 2);
  EXPECT_EQ(b->GetPrevSibling(), ab);
  EXPECT_EQ(b->GetNextSibling(), c);
  EXPECT_EQ(c->GetNextSibling(), nullptr);
  EXPECT_EQ(root->GetFirstChild(), a);
  EXPECT_EQ(root->GetLastChild(), c);

  // Data is the application's: any pointer, or a marker stored as one.
  int value = 7;
  a->SetData(&value);
  b->SetData(reinterpret_cast<void*>(quintptr(0xA5F016ED)));
  EXPECT_EQ(*static_cast<int*>(a->Data()), 7);
  EXPECT_EQ(reinterpret_cast<quintptr>(b->Data()), quintptr(0xA5F016ED));
  EXPECT_EQ(c->Data(), nullptr);

  EXPECT_TRUE(b->HasChildren());
  b->DeleteChildren();
  EXPECT_FALSE(b->HasChildren());
  b->SetHasChildren(true);  // the button shows without children
  EXPECT_TRUE(b->HasChildren());
  items->AddChild(b, QStringLiteral("new"));
  b->Item(0)->Delete();
  EXPECT_FALSE(b->HasChildren());
  items->Delete(a);
  EXPECT_EQ(Names(items), "C: ab b c D:");
  items->Clear();
  EXPECT_EQ(items->Count(), 0);
  EXPECT_EQ(items->GetFirstNode(), nullptr);
}

TEST(TreeView, SelectionChangesReachChange) {
  TCustomTreeView tree(nullptr);
  tree.resize(200, 150);
  TTreeNode* one = tree.Items()->Add(nullptr, QStringLiteral("one"));
  TTreeNode* two = tree.Items()->Add(nullptr, QStringLiteral("two"));
  std::vector<QString> changes;
  tree.OnChange = [&](TObject*, TTreeNode* Node) { changes.push_back(Node ? Node->Text() : QStringLiteral("none")); };
  TTreeNode* pressed = nullptr;
  tree.OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int X, int Y) { pressed = tree.GetNodeAt(X, Y); };
  Focus(&tree);
  MouseAt(QTest::MouseClick, &tree, RowCentre(tree, two));
  EXPECT_EQ(pressed, two);
  EXPECT_EQ(tree.Selected(), two);
  EXPECT_TRUE(two->Selected());
  one->SetSelected(true);
  EXPECT_EQ(tree.Selected(), one);
  one->SetSelected(false);
  EXPECT_EQ(tree.Selected(), nullptr);
  EXPECT_EQ(changes, std::vector<QString>({"two", "one", "none"}));
}

TEST(TreeView, TheExpandingHookRunsFirstAndMayRefuse) {
  LazyTree tree(nullptr);
  tree.resize(200, 200);
  TTreeNode* root = tree.Offer(nullptr, QStringLiteral("root"));
  tree.Listing[QStringLiteral("root")] = {"docs", "empty", "locked"};
  tree.Listing[QStringLiteral("docs")] = {"a", "b"};
  bool allow = true;
  tree.OnExpanding = [&](TObject*, TTreeNode*, bool& AllowExpansion) { AllowExpansion = allow; };

  // By code: the hook fills the node, then it opens.
  root->Expand(false);
  EXPECT_TRUE(root->Expanded());
  EXPECT_EQ(Names(tree.Items()), "root docs empty locked");
  TTreeNode* docs = root->Item(0);
  TTreeNode* empty = root->Item(1);
  TTreeNode* locked = root->Item(2);
  for (TTreeNode* n : {docs, empty, locked}) tree.Items()->AddChild(n, QStringLiteral("Child"));

  // By the user: the keyboard and a double click ask the hook too; while it
  // runs the node is still collapsed.
  Focus(&tree);
  docs->SetSelected(true);
  QTest::keyClick(FocusTarget(&tree), Qt::Key_Right);
  EXPECT_TRUE(docs->Expanded());
  EXPECT_EQ(Names(tree.Items()), "root docs a b empty Child locked Child");
  MouseAt(QTest::MouseClick, &tree, RowCentre(tree, locked));
  MouseAt(QTest::MouseDClick, &tree, RowCentre(tree, locked));
  MouseAt(QTest::MouseRelease, &tree, RowCentre(tree, locked));
  EXPECT_FALSE(locked->Expanded());
  // A node left without children does not open and shows no button.
  empty->SetSelected(true);
  QTest::keyClick(FocusTarget(&tree), Qt::Key_Right);
  EXPECT_FALSE(empty->Expanded());
  EXPECT_FALSE(empty->HasChildren());
  EXPECT_EQ(tree.Asked, std::vector<QString>({"root", "docs", "locked", "empty"}));

  // OnExpanding refusing keeps a collapsed node collapsed.
  docs->Collapse(false);
  allow = false;
  docs->Expand(false);
  docs->SetSelected(true);
  QTest::keyClick(FocusTarget(&tree), Qt::Key_Right);
  EXPECT_FALSE(docs->Expanded());
  allow = true;
  tree.FullExpand();
  EXPECT_TRUE(docs->Expanded());
  tree.FullCollapse();
  EXPECT_FALSE(root->Expanded());
}
