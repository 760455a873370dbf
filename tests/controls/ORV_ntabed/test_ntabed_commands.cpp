// Table editor commands: the popup menus (opened by real right clicks and
// answered by the modal test hook), masks and captions, marks, clear, empty
// states, precision, insert and delete, the heading and comment editors,
// and clipboard copy, paste and extraction.
#include "NTabEdTestSupport.h"

#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <stdexcept>

using namespace orv;
using orv::test::NTabEdTest;

namespace {

class NTabEdCommandTest : public NTabEdTest {
protected:
  void SetUp() override {
    NTabEdTest::SetUp();
    Show();
  }
  // Right-clicks data cell (c, r) and picks the data-menu item named Item.
  void DataMenu(int c, int r, const char* Item) {
    AnswerNextModal({.MenuItem = QString::fromLatin1(Item)});
    Click(c, r, Qt::RightButton);
    EXPECT_EQ(PendingModalAnswers(), 0) << Item;
  }
  // Right-clicks grid cell (gc, gr) and picks the heading-menu item named Item.
  void HeadingMenu(int gc, int gr, const char* Item) {
    AnswerNextModal({.MenuItem = QString::fromLatin1(Item)});
    ClickGrid(gc, gr, Qt::RightButton);
    EXPECT_EQ(PendingModalAnswers(), 0) << Item;
  }
  void SetClipboard(const QString& Text) { Clipboard()->SetAsText(Text); }
};

}  // namespace

TEST_F(NTabEdCommandTest, CopyWritesTheSelectionAsText) {
  E->SetClipboardUseFullPrec(false);
  E->SetPrecision(1, 1);
  E->SetPrecision(2, 1);
  E->SetElem(1, 1, 1);
  E->SetElem(2, 1, 2);
  E->SetElem(1, 2, 3);
  E->SetCellState(2, 2, dtsNotANumber);
  Select(1, 1, 2, 2);
  DataMenu(1, 1, "Copy");
  EXPECT_EQ(Clipboard()->AsText(), QStringLiteral(" 1.0\t2.0\r\n 3.0\t####\r\n"));

  E->SetClipboardUseFullPrec(true);
  E->SetElem(3, 3, -1234.5);
  E->SetElem(3, 4, 6.02214076e23);
  E->SetCellState(3, 2, dtsEmpty);
  Select(3, 2, 3, 4);
  E->PopupMenuClickCopy(nullptr);
  EXPECT_EQ(Clipboard()->AsText(),
            QStringLiteral(" ####\r\n -1.2345000000000E+0003\r\n  6.0221407600000E+0023\r\n"));
  E->SetClipboardUseFullPrec(false);
  E->SetPrecision(3, -1);
  E->PopupMenuClickCopy(nullptr);
  EXPECT_EQ(Clipboard()->AsText(), QStringLiteral(" ####\r\n -1.234500E+03\r\n  6.022141E+23\r\n"));
}

TEST_F(NTabEdCommandTest, PasteWritesTheCopyAtTheSelectionAndSelectsIt) {
  E->SetElem(1, 1, 5);
  E->SetElem(2, 1, 6);
  E->SetCellState(2, 1, dtsMarkA);
  Select(1, 1, 2, 1);
  E->PopupMenuClickCopy(nullptr);
  int pasted = 0;
  E->OnPaste = [&](TObject*) { ++pasted; };
  Fired.clear();
  Select(2, 3, 2, 3);
  E->SetVRangeLow(0);
  E->SetVRangeHigh(5.5);
  E->PopupMenuClickPaste(nullptr);
  EXPECT_EQ(E->Elem(2, 3), 5.0);
  EXPECT_EQ(E->Elem(3, 3), 5.5);  // clamped
  EXPECT_EQ(E->CellState(3, 3), dtsMarkA);
  EXPECT_EQ(E->DataSelection(), TGridRect(2, 3, 3, 3));
  EXPECT_EQ(pasted, 1);
  EXPECT_EQ(Events("Change"), 1);
  EXPECT_EQ(Events("CellStateChanged"), 1);
  // Cells beyond the table are skipped.
  Select(3, 4, 3, 4);
  E->PopupMenuClickPaste(nullptr);
  EXPECT_EQ(E->Elem(3, 4), 5.0);
}

TEST_F(NTabEdCommandTest, ExtractReadsNumbersLineByLine) {
  const struct {
    const char* Text;
    std::vector<std::vector<double>> Block;  // rows of the block written from (1, 1)
  } cases[] = {
      {"1 2\r\n3 4\r\n", {{1, 2}, {3, 4}}},
      {"1,5\r\n", {{1, 5}}},
      {"x 7.5\t-2e2\r\n\r\n+3", {{7.5, -200}, {0, 0}, {3, 0}}},
      {"1\n2\n", {{1}, {2}}},
  };
  for (const auto& k : cases) {
    E->Fill(0);
    Select(1, 1, 1, 1);
    SetClipboard(QString::fromLatin1(k.Text));
    E->PopupMenuClickExtClip(nullptr);
    for (std::size_t j = 0; j < k.Block.size(); ++j)
      for (std::size_t i = 0; i < k.Block[j].size(); ++i)
        EXPECT_EQ(E->Elem(int(i) + 1, int(j) + 1), k.Block[j][i]) << k.Text << " @" << i << "," << j;
  }
  // The block is selected; cells outside the table are skipped.
  SetClipboard(QStringLiteral("1 2 3\r\n4 5 6\r\n"));
  Select(2, 4, 2, 4);
  E->PopupMenuClickExtClip(nullptr);
  EXPECT_EQ(E->Elem(2, 4), 1.0);
  EXPECT_EQ(E->Elem(3, 4), 2.0);
  EXPECT_EQ(E->DataSelection(), TGridRect(2, 4, 3, 4));
  SetClipboard(QStringLiteral("9 8\r\n7 6\r\n"));
  Select(1, 1, 1, 1);
  E->PopupMenuClickExtClip(nullptr);
  EXPECT_EQ(E->DataSelection(), TGridRect(1, 1, 2, 2));
}

TEST_F(NTabEdCommandTest, ClipMatrixSize) {
  const struct {
    const char* Text;
    bool Found;
    int Cols, Rows;
  } cases[] = {
      {"1 2 3\r\n4 5 6\r\n", true, 3, 3},
      {"1,5\r\n", true, 1, 2},
      {"1 2", true, 1, 1},
      {"abc", false, 1, 1},
      {"", false, 1, 1},
  };
  for (const auto& k : cases) {
    SetClipboard(QString::fromLatin1(k.Text));
    int cols = 0, rows = 0;
    EXPECT_EQ(E->GetClipMatrixSize(cols, rows), k.Found) << k.Text;
    EXPECT_EQ(cols, k.Cols) << k.Text;
    EXPECT_EQ(rows, k.Rows) << k.Text;
  }
}

TEST_F(NTabEdCommandTest, MarkCommandsCoverRangeColumnRowAndAll) {
  Select(2, 2, 2, 3);
  DataMenu(2, 2, "M1It1");
  EXPECT_EQ(E->NrOfMarkedDataA(), 2);
  DataMenu(2, 2, "M2It2");  // mark B on the whole of column 2
  EXPECT_EQ(E->NrOfMarkedDataB(), 4);
  E->PopupMenuClickMarkARow(nullptr);  // the selection's rows 2..3, every column
  EXPECT_EQ(E->NrOfMarkedDataA(), 6);
  E->PopupMenuClickUnMarkBAll(nullptr);
  EXPECT_EQ(E->NrOfMarkedDataB(), 0);
  E->PopupMenuClickUnMarkAColumn(nullptr);
  EXPECT_EQ(E->NrOfMarkedDataA(), 4);
  DataMenu(1, 1, "Unmark All");
  EXPECT_FALSE(E->IfAnyMarked());
  EXPECT_EQ(Events("CellStateChanged"), 6);
}

TEST_F(NTabEdCommandTest, ClearAndEmptyStates) {
  E->SetElem(1, 1, 4);
  E->SetCellState(1, 1, dtsMarkA);
  E->SetElem(2, 1, 5);
  Select(1, 1, 1, 1);
  Fired.clear();
  DataMenu(1, 1, "Clear");
  EXPECT_EQ(E->Elem(1, 1), 0.0);
  EXPECT_EQ(E->CellState(1, 1), 0);
  EXPECT_EQ(E->Elem(2, 1), 5.0);
  EXPECT_EQ(Events("Change"), 1);
  EXPECT_EQ(Events("CellStateChanged"), 1);

  // An OnClear handler replaces the clearing; the events still come.
  TObject* sender = nullptr;
  E->OnClear = [&](TObject* S) { sender = S; };
  Select(2, 1, 2, 1);
  DataMenu(2, 1, "Clear");
  EXPECT_EQ(E->Elem(2, 1), 5.0);
  EXPECT_EQ(sender, E->PopupD()->Items()->FindItem(QStringLiteral("DIt6")));
  EXPECT_EQ(Events("Change"), 2);
  EXPECT_EQ(Events("CellStateChanged"), 2);

  // A handler that throws leaves the editor hooked and its events alive.
  E->OnClear = [](TObject*) { throw std::runtime_error("refused"); };
  EXPECT_THROW(E->PopupMenuClickClear(nullptr), std::runtime_error);
  E->SetElem(2, 2, 9);
  EXPECT_EQ(Events("Change"), 3);

  Select(1, 1, 2, 2);
  DataMenu(1, 1, "Toggle Empty State");
  EXPECT_TRUE(E->IsEmpty(2, 2));
  EXPECT_FALSE(E->IsEmpty(3, 3));
  E->PopupMenuClickResetEmptyStates(nullptr);
  EXPECT_FALSE(E->IsEmpty(2, 2));
  EXPECT_EQ(Events("EmptyStChanged"), 2);
}

TEST_F(NTabEdCommandTest, DataMenuStateAtPopup) {
  std::map<QString, bool> enabled;
  E->OnBeforePopup = [&](TObject*, TPopupMenu* M) {
    for (const char* name : {"DIt6", "DIt8", "DIt9"})
      enabled[QString::fromLatin1(name)] = M->Items()->FindItem(QString::fromLatin1(name))->Enabled();
  };
  AnswerNextModal({});
  Click(1, 1, Qt::RightButton);
  EXPECT_FALSE(enabled[QStringLiteral("DIt8")]);  // nothing copied yet
  EXPECT_TRUE(enabled[QStringLiteral("DIt6")]);
  DataMenu(1, 1, "Copy");
  AnswerNextModal({});
  Click(1, 1, Qt::RightButton);
  EXPECT_TRUE(enabled[QStringLiteral("DIt8")]);
  DataMenu(1, 1, "Data Read-Only");
  EXPECT_TRUE(E->DataReadOnly());
  AnswerNextModal({});
  Click(1, 1, Qt::RightButton);
  EXPECT_FALSE(enabled[QStringLiteral("DIt6")]);
  EXPECT_FALSE(enabled[QStringLiteral("DIt8")]);
  EXPECT_FALSE(enabled[QStringLiteral("DIt9")]);
  EXPECT_FALSE(E->PopupD()->Items()->FindItem(QStringLiteral("DIt10"))->Bitmap()->Empty());
  // A mask hides items; a blocked or assigned popup menu keeps the built-in one closed.
  E->SetDataReadOnly(false);
  E->SetPopupDMask(0xFFFF & ~0x40);
  EXPECT_FALSE(E->PopupD()->Items()->FindItem(QStringLiteral("DIt7"))->Visible());
  E->SetBlockInternalPopup(true);
  AnswerNextModal({.MenuItem = QStringLiteral("Select All")});
  Click(1, 1, Qt::RightButton);
  EXPECT_EQ(PendingModalAnswers(), 1);
  ClearModalAnswers();
}

TEST_F(NTabEdCommandTest, EditCommandTogglesReadOnly) {
  Fired.clear();
  E->PopupMenuClickEdit(nullptr);
  EXPECT_TRUE(E->DataReadOnly());
  EXPECT_FALSE(E->Options().Contains(goEditing));
  E->PopupMenuClickEdit(nullptr);
  EXPECT_FALSE(E->DataReadOnly());
  EXPECT_TRUE(E->Options().Contains(goEditing));
  EXPECT_EQ(Events("ChangeSetup"), 2);
}

TEST_F(NTabEdCommandTest, CaptionsAreCutAndIndexesChecked) {
  E->SetPopupDCaptions(14, QStringLiteral("x"));
  E->SetPopupHCaptions(0, QStringLiteral("x"));
  EXPECT_EQ(E->PopupDCaptions(14), QString());
  EXPECT_EQ(E->PopupHCaptions(0), QString());
  EXPECT_EQ(E->PopupDCaptions(7), QStringLiteral("Copy"));
  E->SetPopupDCaptions(7, QString(60, u'k'));
  EXPECT_EQ(E->PopupDCaptions(7).size(), 50);
  E->SetPopupMCaptions(2, QStringLiteral("Spalte"));
  EXPECT_EQ(E->PopupMCaptions(2), QStringLiteral("Spalte"));
  EXPECT_EQ(E->PopupD()->Items()->FindItem(QStringLiteral("M2It2"))->Caption(), QStringLiteral("Spalte"));
  EXPECT_EQ(E->PopupUCaptions(4), QStringLiteral("All"));
  EXPECT_EQ(E->PopupHCaptions(1), QStringLiteral("Edit Heading"));
}

TEST_F(NTabEdCommandTest, ChangePrecisionStepsDownAndWraps) {
  E->SetPrecision(2, 0);
  AnswerNextModal({.MenuItem = QStringLiteral("Change Precision")});
  AnswerNextModal({.MenuItem = QStringLiteral("Change Precision")});
  AnswerNextModal({.MenuItem = QStringLiteral("Change Precision")});
  AnswerNextModal({});
  ClickGrid(3, 0, Qt::RightButton);
  EXPECT_EQ(PendingModalAnswers(), 0);
  EXPECT_EQ(E->Precision(2), 9);  // 0, -1, 10, 9
  EXPECT_GE(Events("LayoutChanged"), 3);
  // Not offered on a row heading.
  std::map<QString, bool> enabled;
  E->OnBeforePopup = [&](TObject*, TPopupMenu* M) {
    enabled[M->Items()->FindItem(QStringLiteral("HIt2"))->Caption()] = M->Items()->FindItem(QStringLiteral("HIt2"))->Enabled();
    enabled[M->Items()->FindItem(QStringLiteral("HIt3"))->Caption()] = true;
  };
  AnswerNextModal({});
  ClickGrid(0, 2, Qt::RightButton);
  EXPECT_FALSE(enabled[QStringLiteral("Change Precision")]);
  EXPECT_TRUE(enabled[QStringLiteral("Select Row")]);
}

TEST_F(NTabEdCommandTest, HeadingMenuSelectsInsertsAndDeletes) {
  for (int c = 1; c <= 3; ++c) E->SetColName(c, QStringLiteral("c%1").arg(c));
  HeadingMenu(3, 0, "Select Column");
  EXPECT_EQ(E->DataSelection(), TGridRect(2, 1, 2, 4));
  HeadingMenu(0, 3, "Select Row");
  EXPECT_EQ(E->DataSelection(), TGridRect(1, 3, 3, 3));
  Fired.clear();
  HeadingMenu(3, 0, "Insert Column");
  EXPECT_EQ(E->NrOfColumns(), 4);
  EXPECT_EQ(E->ColName(2), QStringLiteral("(...)"));
  EXPECT_EQ(E->ColName(3), QStringLiteral("c2"));
  EXPECT_EQ(Events("HeadingChanged"), 1);
  HeadingMenu(0, 2, "Insert Row");
  EXPECT_EQ(E->NrOfRows(), 5);
  EXPECT_EQ(E->RowName(2), QStringLiteral("(...)"));
  HeadingMenu(3, 0, "Delete Column");
  EXPECT_EQ(E->ColName(2), QStringLiteral("c2"));
  HeadingMenu(0, 2, "Delete Row");
  EXPECT_EQ(E->NrOfRows(), 4);
  EXPECT_EQ(Events("ChangeSetup"), 2);
  // Read-only: inserting and deleting are not offered.
  E->SetDataReadOnly(true);
  AnswerNextModal({.MenuItem = QStringLiteral("HIt5")});
  ClickGrid(3, 0, Qt::RightButton);
  EXPECT_EQ(E->NrOfColumns(), 3);
}

TEST_F(NTabEdCommandTest, HeadingEditorStoresNamesAndAttributes) {
  E->SetAttribColVisible(true);
  HeadingMenu(3, 0, "Edit Heading");
  ASSERT_TRUE(E->HeadingEditorActive());
  E->HeadingEditor()->SetText(QStringLiteral("Voltage"));
  QTest::keyClick(E->HeadingEditor()->LineEdit(), Qt::Key_Return);
  EXPECT_FALSE(E->HeadingEditorActive());
  EXPECT_EQ(E->ColName(2), QStringLiteral("Voltage"));

  const struct {
    const char* Text;
    int Attrib;
  } cases[] = {{"12", 12}, {"300", 255}, {"-4", 0}, {"2.5", 2}, {"abc", 2}};
  for (const auto& k : cases) {
    HeadingMenu(1, 3, "Edit Heading");  // row 2's attribute
    ASSERT_TRUE(E->HeadingEditorActive());
    E->HeadingEditor()->SetText(QString::fromLatin1(k.Text));
    QTest::keyClick(E->HeadingEditor()->LineEdit(), Qt::Key_Return);
    EXPECT_EQ(E->RowAttrib(2), k.Attrib) << k.Text;
  }
  // Escape closes without storing; the corner block has no heading to edit.
  HeadingMenu(0, 2, "Edit Heading");
  E->HeadingEditor()->SetText(QStringLiteral("never"));
  QTest::keyClick(E->HeadingEditor()->LineEdit(), Qt::Key_Escape);
  EXPECT_NE(E->RowName(1), QStringLiteral("never"));
  E->PopupMenuClickChangeID(nullptr);  // the last clicked cell is still the row heading
  EXPECT_TRUE(E->HeadingEditorActive());
  QTest::keyClick(E->HeadingEditor()->LineEdit(), Qt::Key_Escape);
}

TEST_F(NTabEdCommandTest, CommentEditorOpensFromTheCornerCell) {
  E->SetComment(QStringLiteral("old"));
  Fired.clear();
  ClickGrid(0, 0, Qt::RightButton);
  ASSERT_TRUE(E->CommentEditorActive());
  EXPECT_EQ(E->CommentEditor()->Text(), QStringLiteral("old"));
  E->CommentEditor()->SetText(QStringLiteral("measured 11 Dec"));
  QTest::keyClick(E->CommentEditor()->TextEdit(), Qt::Key_Return);
  EXPECT_FALSE(E->CommentEditorActive());
  EXPECT_EQ(E->Comment(), QStringLiteral("measured 11 Dec"));
  EXPECT_GE(Events("Change"), 1);
  ClickGrid(0, 0, Qt::RightButton);
  ASSERT_TRUE(E->CommentEditorActive());
  ClickGrid(0, 0);  // a press on the corner closes it like Escape
  EXPECT_FALSE(E->CommentEditorActive());
  EXPECT_EQ(E->Comment(), QStringLiteral("measured 11 Dec"));
  E->SetCommentEditingAllowed(false);
  ClickGrid(0, 0, Qt::RightButton);
  EXPECT_FALSE(E->CommentEditorActive());
}
