// TFolderTree on temporary folder trees: listing, order and options, the
// lazy fill, SelectPath, creating and removing folders, RefreshTree, the
// colour when disabled and the look.
#include "TestSupport.h"

#include <ORV_FolderTree.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <memory>

using namespace orv;

namespace {

class FolderTreeTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(Tmp.isValid());
    Root = Tmp.path();
    for (const char* dir : {"alpha/one", "Beta", "Delta/x/y", "zeta", "_under", ".hidden/inner"})
      ASSERT_TRUE(QDir().mkpath(Root + QLatin1Char('/') + QLatin1String(dir)));
    QFile file(Root + QStringLiteral("/file.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    ASSERT_TRUE(QFile::link(Root + QStringLiteral("/alpha"), Root + QStringLiteral("/linkdir")));
    ASSERT_TRUE(QFile::link(Root + QStringLiteral("/file.txt"), Root + QStringLiteral("/linkfile")));
    Tree = std::make_unique<TFolderTree>(nullptr);
    Tree->resize(300, 400);
    Tree->OnDirChanged = [this](TObject* S) {
      EXPECT_EQ(S, Tree.get());
      ++DirChanges;
    };
  }
  // The folder of the temporary tree, as Directory shows it.
  QString Dir(const QString& Sub = {}) const { return Root + QLatin1Char('/') + (Sub.isEmpty() ? QString() : Sub + QLatin1Char('/')); }
  void WaitForFill() { ASSERT_TRUE(QTest::qWaitFor([this] { return !Tree->Filling(); }, 10000)); }
  TTreeNode* Node(const QString& Sub) {
    EXPECT_TRUE(Tree->SelectPath(Root + QLatin1Char('/') + Sub));
    return Tree->Selected();
  }
  QStringList Captions(TTreeNode* N) {
    QStringList list;
    for (int i = 0; i < N->Count(); ++i) list << N->Item(i)->Text();
    return list;
  }

  QTemporaryDir Tmp;
  QString Root;
  std::unique_ptr<TFolderTree> Tree;
  int DirChanges = 0;
};

const QStringList kListed = {"_under", "alpha", "Beta", "Delta", "zeta"};

}  // namespace

TEST_F(FolderTreeTest, ListsFoldersInLowerCaseOrderWithTheOptions) {
  QStringList dirs = {"untouched"};
  EXPECT_FALSE(Tree->GetSubDirs(Root + QStringLiteral("/missing"), dirs));
  EXPECT_EQ(dirs, QStringList{"untouched"});
  EXPECT_TRUE(Tree->GetSubDirs(Root, dirs));
  EXPECT_EQ(dirs, kListed);  // no file, no ".hidden", no link by default
  EXPECT_FALSE(Tree->GetSubDirs(Root + QStringLiteral("/Beta"), dirs));
  EXPECT_TRUE(dirs.isEmpty());

  Tree->SetOptions({fotSymLinks});
  EXPECT_EQ(Tree->OptionFlags(), foldertree_flags::fotSymLinks);
  EXPECT_TRUE(Tree->GetSubDirs(Root, dirs));
  EXPECT_EQ(dirs, QStringList({"_under", "alpha", "Beta", "Delta", "linkdir", "zeta"}));  // a link to a file stays out
  Tree->SetOptions({fotHidden, fotSystem});
  EXPECT_TRUE(Tree->GetSubDirs(Root, dirs));
  EXPECT_EQ(dirs, kListed);  // names beginning with "." never show
}

TEST_F(FolderTreeTest, StartsWithTheRootAlone) {
  EXPECT_EQ(Tree->Directory(), QStringLiteral("/"));
  TTreeNode* root = Tree->Items()->GetFirstNode();
  ASSERT_TRUE(root);
  EXPECT_EQ(root->Text(), QStringLiteral("/"));
  EXPECT_FALSE(root->GetNextSibling());
  EXPECT_EQ(Captions(root), QStringList{TFolderTree::PlaceholderCaption});
  EXPECT_FALSE(root->Expanded());
  EXPECT_EQ(Tree->NodePath(root), QStringLiteral("/"));
}

TEST_F(FolderTreeTest, SelectPathExpandsDownToTheFolder) {
  EXPECT_TRUE(Tree->SelectPath(Root + QStringLiteral("/Delta/x")));
  TTreeNode* x = Tree->Selected();
  ASSERT_TRUE(x);
  EXPECT_EQ(x->Text(), QStringLiteral("x"));
  EXPECT_EQ(Tree->Directory(), Dir(QStringLiteral("Delta/x")));
  EXPECT_EQ(Tree->NodePath(x), Tree->Directory());
  EXPECT_EQ(DirChanges, 1);
  EXPECT_EQ(Captions(x->Parent()->Parent()), kListed);
  for (TTreeNode* n = x; n; n = n->Parent()) {
    EXPECT_EQ(n->Data(), reinterpret_cast<void*>(TFolderTree::LoadedMarker)) << n->Text().toStdString();
    EXPECT_TRUE(n->Expanded()) << n->Text().toStdString();
  }

  // A folder that does not exist changes nothing.
  EXPECT_FALSE(Tree->SelectPath(Root + QStringLiteral("/nowhere")));
  EXPECT_FALSE(Tree->SelectPath(QString()));
  EXPECT_EQ(Tree->Selected(), x);
  EXPECT_EQ(DirChanges, 1);
  // One that exists but is never listed: true, nothing selected.
  EXPECT_TRUE(Tree->SelectPath(Root + QStringLiteral("/.hidden/inner")));
  EXPECT_FALSE(Tree->Selected());
  EXPECT_EQ(Tree->Directory(), Dir(QStringLiteral("Delta/x")));
}

TEST_F(FolderTreeTest, ASelectionFiresClickThenChangeThenDirChanged) {
  Node(QStringLiteral("alpha"));
  QStringList log;
  Tree->OnClick = [&](TObject*) { log << QStringLiteral("click ") + Tree->Directory(); };
  Tree->OnChange = [&](TObject*, TTreeNode*) { log << QStringLiteral("change ") + Tree->Directory(); };
  Tree->OnDirChanged = [&](TObject*) { log << QStringLiteral("dir ") + Tree->Directory(); };
  Node(QStringLiteral("zeta"));
  EXPECT_EQ(log, QStringList({"click " + Dir(QStringLiteral("alpha")), "change " + Dir(QStringLiteral("zeta")),
                              "dir " + Dir(QStringLiteral("zeta"))}));
  log.clear();
  Node(QStringLiteral("zeta"));  // the same folder again: no OnDirChanged
  EXPECT_EQ(log, QStringList({"click " + Dir(QStringLiteral("zeta")), "change " + Dir(QStringLiteral("zeta"))}));
}

TEST_F(FolderTreeTest, PathsMatchTheSameCaseFirstThenAnyCase) {
  ASSERT_TRUE(QDir().mkpath(Root + QStringLiteral("/case")));
  ASSERT_TRUE(QDir().mkpath(Root + QStringLiteral("/CASE")));
  EXPECT_EQ(Node(QStringLiteral("CASE"))->Text(), QStringLiteral("CASE"));
  EXPECT_EQ(Node(QStringLiteral("case"))->Text(), QStringLiteral("case"));
  // The captions keep the case of the file system.
  EXPECT_EQ(Node(QStringLiteral("Beta"))->Text(), QStringLiteral("Beta"));
}

TEST_F(FolderTreeTest, NewNodesLearnWhetherTheyHaveSubfoldersAfterwards) {
  TTreeNode* top = Node(QString());
  top->Expand(false);
  ASSERT_EQ(Captions(top), kListed);
  WaitForFill();
  struct Case { const char* Name; bool Placeholder; };
  const Case cases[] = {{"_under", false}, {"alpha", true}, {"Beta", false}, {"Delta", true}, {"zeta", false}};
  for (int i = 0; i < top->Count(); ++i) {
    TTreeNode* n = top->Item(i);
    const Case& c = cases[i];
    EXPECT_EQ(n->Text(), QLatin1String(c.Name));
    EXPECT_EQ(n->HasChildren(), c.Placeholder) << c.Name;
    EXPECT_EQ(Captions(n), c.Placeholder ? QStringList{TFolderTree::PlaceholderCaption} : QStringList()) << c.Name;
    EXPECT_EQ(n->Data(), nullptr) << c.Name;
  }
  // Expanding lists the folder in place of the placeholder.
  TTreeNode* delta = top->Item(3);
  delta->Expand(false);
  EXPECT_EQ(Captions(delta), QStringList{"x"});
  EXPECT_TRUE(delta->Expanded());
  WaitForFill();
  EXPECT_EQ(Captions(delta->Item(0)), QStringList{TFolderTree::PlaceholderCaption});
}

TEST_F(FolderTreeTest, ArrowKeysExpandThroughTheTreeView) {
  Node(QString());
  test::ShowAndWait(Tree.get());
  WaitForFill();
  QTest::keyClick(Tree->TreeWidget(), Qt::Key_Down);  // to "_under"
  QTest::keyClick(Tree->TreeWidget(), Qt::Key_Down);  // to "alpha"
  ASSERT_EQ(Tree->Selected()->Text(), QStringLiteral("alpha"));
  EXPECT_EQ(Tree->Directory(), Dir(QStringLiteral("alpha")));
  QTest::keyClick(Tree->TreeWidget(), Qt::Key_Right);
  EXPECT_TRUE(Tree->Selected()->Expanded());
  EXPECT_EQ(Captions(Tree->Selected()), QStringList{"one"});
}

TEST_F(FolderTreeTest, MakeSubFolderCreatesBelowTheSelectedFolderOnly) {
  EXPECT_FALSE(Tree->MakeSubFolder(QStringLiteral("x")));  // nothing selected
  struct Case { const char* Name; bool Ok; const char* Made; };
  const Case cases[] = {
      {"new/inner", true, "new/inner"}, {"back\\slash", true, "back/slash"}, {"trail/", true, "trail"},
      {"a|b", false, nullptr},          {"q\"uote", false, nullptr},         {"lt<", false, nullptr},
      {"ctl\x01", false, nullptr},      {"../escape", false, nullptr},       {"x/../y", false, nullptr},
      {"/abs", false, nullptr},         {"", false, nullptr},                {"/", false, nullptr},
  };
  for (const Case& c : cases) {
    Node(QString());
    EXPECT_EQ(Tree->MakeSubFolder(QString::fromUtf8(c.Name)), c.Ok) << c.Name;
    if (c.Ok) {
      EXPECT_TRUE(QDir(Root + QLatin1Char('/') + QLatin1String(c.Made)).exists()) << c.Name;
      EXPECT_EQ(Tree->Directory(), Dir(QLatin1String(c.Made))) << c.Name;
      EXPECT_EQ(Tree->Selected()->Text(), QString::fromUtf8(c.Made).split(u'/').last()) << c.Name;
    } else {
      EXPECT_EQ(Tree->Directory(), Dir()) << c.Name;
    }
  }
  EXPECT_FALSE(QDir(Root + QStringLiteral("/../escape")).exists());
  EXPECT_FALSE(QDir(Root + QStringLiteral("/y")).exists());
}

TEST_F(FolderTreeTest, RemoveSelectedFolderTakesOnlyEmptyFolders) {
  Tree->SelectPath(QStringLiteral("/"));
  EXPECT_FALSE(Tree->RemoveSelectedFolder());  // the root
  TTreeNode* alpha = Node(QStringLiteral("alpha"));
  EXPECT_FALSE(Tree->RemoveSelectedFolder());  // not empty
  EXPECT_EQ(Tree->Selected(), alpha);
  EXPECT_TRUE(QDir(Root + QStringLiteral("/alpha")).exists());
  Node(QStringLiteral("Beta"));
  EXPECT_TRUE(Tree->RemoveSelectedFolder());
  EXPECT_FALSE(QDir(Root + QStringLiteral("/Beta")).exists());
  EXPECT_EQ(Tree->Directory(), Dir());
  EXPECT_EQ(Captions(Tree->Selected()), QStringList({"_under", "alpha", "Delta", "zeta"}));
}

TEST_F(FolderTreeTest, RefreshTreeFallsBackToTheNearestExistingFolder) {
  Node(QStringLiteral("Delta/x/y"));
  DirChanges = 0;
  ASSERT_TRUE(QDir(Root).rmpath(QStringLiteral("Delta/x/y")));  // gone outside the tree, with Delta and x
  EXPECT_TRUE(Tree->RefreshTree());
  EXPECT_EQ(Tree->Directory(), Dir());
  EXPECT_EQ(Tree->Selected()->Text(), QFileInfo(Root).fileName());
  EXPECT_EQ(DirChanges, 1);
  EXPECT_TRUE(Tree->RefreshTree());  // unchanged: no event
  EXPECT_EQ(DirChanges, 1);
  // A change of the options reloads the tree where it was.
  Tree->SetOptions({fotSymLinks});
  EXPECT_EQ(Tree->Directory(), Dir());
  EXPECT_EQ(Captions(Tree->Selected()), QStringList({"_under", "alpha", "Beta", "linkdir", "zeta"}));
  Tree->Reset();
  EXPECT_EQ(Tree->Directory(), QStringLiteral("/"));
  EXPECT_FALSE(Tree->Selected());
  EXPECT_EQ(DirChanges, 2);
}

TEST_F(FolderTreeTest, RefreshTreeKeepsTheTrailingSlashWhenNoNodeTakesOver) {
  // A folder reached through a link; then the folder goes and links are no longer listed.
  Tree->SetOptions({fotSymLinks});
  Node(QStringLiteral("linkdir/one"));
  ASSERT_EQ(Tree->Directory(), Dir(QStringLiteral("linkdir/one")));
  ASSERT_TRUE(QDir(Root).rmdir(QStringLiteral("alpha/one")));
  Tree->SetOptions({});
  EXPECT_FALSE(Tree->Selected());  // the link's node is not listed
  EXPECT_EQ(Tree->Directory(), Dir(QStringLiteral("linkdir")));
}

TEST_F(FolderTreeTest, DisabledShowsButtonFaceAndEnabledTheColourAgain) {
  Tree->SetColor(clYellow);
  Tree->SetEnabled(false);
  EXPECT_EQ(Tree->Color(), clBtnFace);
  Tree->SetEnabled(true);
  EXPECT_EQ(Tree->Color(), clYellow);
  Tree->BeginLoading();
  Tree->SetColor(clBlack);
  Tree->EndLoading();  // black from a form file means white
  EXPECT_EQ(Tree->Color(), clWhite);
}

TEST_F(FolderTreeTest, LookSwitchesBetweenClassicAndFileManagerStyle) {
  EXPECT_TRUE(Tree->OldTreeStyle());
  EXPECT_EQ(Tree->TreeWidget()->style()->name().toLower(), QStringLiteral("windows"));
  Tree->SetOldTreeStyle(false);
  EXPECT_EQ(Tree->TreeWidget()->style()->name().toLower(), QStringLiteral("fusion"));
}
