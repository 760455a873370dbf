// TColSel: the colour table and palettes, selection by colour, the entry
// drawn in the closed box (bar, edit mark, name), picking from the list and
// redefining an entry through the colour dialog.
#include "TestSupport.h"

#include <ORV_Colsel.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QStyleOptionComboBox>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

using namespace orv;
using orv::test::Grab;
using orv::test::PixelAt;

namespace {

class ColSelTest : public ::testing::Test {
protected:
  void SetUp() override {
    sel = std::make_unique<TColSel>(nullptr);
    sel->resize(220, sel->height());
    sel->OnChange = [this](TObject*) { ++changes; };
    sel->OnColorNameChange = [this](TObject*, QString& Name) {
      ++renames;
      if (!prefix.isEmpty()) Name = prefix + Name;
    };
    orv::test::ShowAndWait(sel.get());
  }
  void TearDown() override {
    ClearModalAnswers();
    sel.reset();
  }
  // Where the closed box draws the selected entry (the item's Rect starts there).
  QRect Field() const {
    QComboBox* combo = sel->ComboBox();
    QStyleOptionComboBox opt;
    opt.initFrom(combo);
    opt.editable = false;
    opt.frame = combo->hasFrame();
    const QRect r = combo->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, combo);
    return r.translated(combo->pos());
  }
  QStringList ItemTexts() const { return sel->Items()->StringList(); }

  std::unique_ptr<TColSel> sel;
  int changes = 0;
  int renames = 0;
  QString prefix;
};

}  // namespace

TEST_F(ColSelTest, StartsWithTwentyPredefinedColours) {
  EXPECT_EQ(sel->NumColors(), 20);
  EXPECT_EQ(sel->ColorBarWidth(), 30);
  ASSERT_EQ(ItemTexts().size(), 20);
  EXPECT_EQ(ItemTexts().front(), QStringLiteral("clBlack"));
  EXPECT_EQ(ItemTexts().back(), QStringLiteral("clMedGray"));
  EXPECT_EQ(sel->ItemIndex(), 0);
  EXPECT_EQ(sel->SelColor(), clBlack);
  EXPECT_EQ(sel->SelColorID(), QStringLiteral("clBlack"));
  for (int i = 1; i <= 20; ++i) {
    EXPECT_EQ(sel->Colors(i), PredefinedColors(i));
    EXPECT_EQ(sel->ColorNames(i), ColorToString(PredefinedColors(i)));
    EXPECT_FALSE(sel->ColorEditAllowed(i));
  }
  // Outside the offered entries: neutral reads, ignored writes.
  EXPECT_EQ(sel->Colors(21), 0u);
  EXPECT_EQ(sel->ColorNames(0), QString());
  sel->SetColors(21, clRed);
  sel->SetColorEditAllowed(0, true);
  EXPECT_EQ(sel->FindColorEntry(clRed), 10);
  EXPECT_EQ(renames, 0);
}

TEST_F(ColSelTest, NumColorsRange) {
  sel->SetSelColor(clRed);
  EXPECT_EQ(sel->ItemIndex(), 9);
  sel->SetNumColors(0);
  sel->SetNumColors(48);
  EXPECT_EQ(sel->NumColors(), 20);
  EXPECT_EQ(sel->ItemIndex(), 9);
  sel->SetNumColors(5);
  EXPECT_EQ(sel->NumColors(), 5);
  EXPECT_EQ(ItemTexts().size(), 5);
  EXPECT_EQ(sel->ItemIndex(), 0);
  EXPECT_EQ(sel->SelColor(), clBlack);
}

TEST_F(ColSelTest, SelColorSelectsAnEqualEntryOrRedefinesTheSelectedOne) {
  sel->SetSelColor(RGB(0, 128, 0));  // entry 3, clGreen
  EXPECT_EQ(sel->ItemIndex(), 2);
  EXPECT_EQ(sel->SelColorID(), QStringLiteral("clGreen"));
  EXPECT_EQ(renames, 0);
  // System colours compare by their RGB value: clMenu and clBtnFace are both $F0F0F0.
  sel->LoadWindowsSystemPalette();
  renames = 0;
  sel->SetSelColor(0xF0F0F0);
  EXPECT_EQ(sel->ItemIndex(), 4);
  EXPECT_EQ(sel->SelColorID(), QStringLiteral("clMenu"));
  sel->SetSelColor(clBtnFace);
  EXPECT_EQ(sel->ItemIndex(), 4);
  EXPECT_EQ(renames, 0);
  // A colour not offered replaces the selected entry, named by its RGB value.
  prefix = QStringLiteral("my ");
  sel->SetSelColor(0x123456);
  EXPECT_EQ(sel->ItemIndex(), 4);
  EXPECT_EQ(sel->SelColor(), 0x123456u);
  EXPECT_EQ(sel->SelColorID(), QStringLiteral("my $00123456"));
  EXPECT_EQ(ItemTexts()[4], QStringLiteral("my $00123456"));
  EXPECT_EQ(renames, 1);
}

TEST_F(ColSelTest, FindColorEntryLooksAtTheWholeTableExactly) {
  sel->SetNumColors(5);
  EXPECT_EQ(sel->FindColorEntry(clWhite), 16);
  EXPECT_EQ(sel->FindColorEntry(clWindow), 26);
  EXPECT_EQ(sel->FindColorEntry(0xF0F0F0), 0);  // clMenu's RGB value, but no entry holds it as such
  EXPECT_EQ(sel->FindColorEntry(0x123456), 0);
}

TEST_F(ColSelTest, Palettes) {
  struct Case { void (TColSel::*Load)(); int Count, FirstEntry; };
  const Case cases[] = {{&TColSel::LoadBasicVGAPalette, 16, 1},
                        {&TColSel::LoadExtendedPalette, 20, 1},
                        {&TColSel::LoadStandardPalette, 47, 1},
                        {&TColSel::LoadWindowsSystemPalette, 27, 21}};
  sel->SetColorEditAllowed(2, true);
  for (const Case& c : cases) {
    sel->SetSelColor(sel->Colors(3));
    renames = 0;
    (sel.get()->*c.Load)();
    EXPECT_EQ(sel->NumColors(), c.Count);
    EXPECT_EQ(ItemTexts().size(), c.Count);
    EXPECT_EQ(sel->ItemIndex(), 0);
    EXPECT_EQ(renames, c.Count);
    for (int i = 1; i <= c.Count; ++i) EXPECT_EQ(sel->Colors(i), PredefinedColors(c.FirstEntry + i - 1));
    EXPECT_EQ(sel->ColorNames(c.Count), PredefinedColorName(c.FirstEntry + c.Count - 1));
    EXPECT_TRUE(sel->ColorEditAllowed(2));  // the flags stay
  }
}

// The closed box draws the selected entry: bar, edit mark, name.
TEST_F(ColSelTest, EntryDrawing) {
  EXPECT_EQ(TColSel::EditMarkColor(clWhite), clBlack);
  EXPECT_EQ(TColSel::EditMarkColor(clYellow), clBlack);
  EXPECT_EQ(TColSel::EditMarkColor(clNavy), clWhite);
  EXPECT_EQ(TColSel::EditMarkColor(clGray), clWhite);
  sel->SetSelColor(clWhite);
  sel->SetColorEditAllowed(16, true);
  sel->SetColorEditAllowed(5, true);
  const QRect f = Field();
  const TRect item(0, 0, f.width(), f.height());
  auto at = [&](const QImage& Img, TPoint P) { return PixelAt(Img, f.x() + P.X, f.y() + P.Y); };
  const TRect bar = sel->BarRect(item);
  const TPoint inBar(bar.Right - 4, (bar.Top + bar.Bottom) / 2);
  const TPoint markEdge = sel->EditMark(item)[0];  // (5, 4): the mark's top-left corner
  QImage img = Grab(sel.get());
  EXPECT_EQ(at(img, TPoint(bar.Left, bar.Top + 2)), clBlack);  // the bar's outline
  EXPECT_EQ(at(img, inBar), clWhite);
  EXPECT_EQ(at(img, TPoint(markEdge.X, markEdge.Y + 2)), clBlack);
  const TRect name = sel->NameRect(item);
  EXPECT_FALSE(orv::test::InkBounds(img, QRect(name).translated(f.topLeft()), sel->Color()).isEmpty());

  sel->SetSelColor(clNavy);  // entry 5
  img = Grab(sel.get());
  EXPECT_EQ(at(img, inBar), clNavy);
  EXPECT_EQ(at(img, TPoint(markEdge.X, markEdge.Y + 2)), clWhite);
  sel->SetColorEditAllowed(5, false);
  img = Grab(sel.get());
  EXPECT_EQ(at(img, TPoint(markEdge.X, markEdge.Y + 2)), clNavy);

  sel->SetEnabled(false);
  img = Grab(sel.get());
  EXPECT_EQ(at(img, inBar), clSilver);
  EXPECT_EQ(at(img, TPoint(bar.Left, bar.Top + 2)), clGray);
}

TEST_F(ColSelTest, PickingFromTheList) {
  QComboBox* combo = sel->ComboBox();
  sel->SetDroppedDown(true);
  QAbstractItemView* view = combo->view();
  ASSERT_TRUE(view->isVisible());
  const QRect r = view->visualRect(view->model()->index(4, 0));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
  EXPECT_EQ(sel->SelColor(), clNavy);
  EXPECT_EQ(sel->SelColorID(), QStringLiteral("clNavy"));
  EXPECT_EQ(changes, 1);
}

// Pressing the list button over the bar of an editable entry asks for a new colour.
TEST_F(ColSelTest, RedefiningAnEntryThroughTheColourDialog) {
  sel->SetSelColor(clMaroon);  // entry 2
  sel->SetColorEditAllowed(2, true);
  QComboBox* combo = sel->ComboBox();
  const QPoint overBar(10, combo->height() / 2), overName(150, combo->height() / 2);
  prefix = QStringLiteral("user ");

  QTest::mouseMove(combo, overName);
  EXPECT_FALSE(sel->MouseOverBar());
  AnswerNextModal({.Color = 0x204080});
  sel->SetDroppedDown(true);
  EXPECT_EQ(PendingModalAnswers(), 1);  // no dialog away from the bar
  sel->SetDroppedDown(false);

  QTest::mouseMove(combo, overBar);
  EXPECT_TRUE(sel->MouseOverBar());
  sel->SetDroppedDown(true);
  EXPECT_EQ(PendingModalAnswers(), 0);
  EXPECT_TRUE(sel->DroppedDown());  // the list opens after the dialog
  sel->SetDroppedDown(false);
  EXPECT_EQ(sel->SelColor(), 0x204080u);
  EXPECT_EQ(sel->Colors(2), 0x204080u);
  EXPECT_EQ(sel->SelColorID(), QStringLiteral("user $00204080"));
  EXPECT_EQ(changes, 1);

  // A cancelled dialog and an entry that is not editable change nothing.
  AnswerNextModal({.Result = mrCancel});
  sel->SetDroppedDown(true);
  sel->SetDroppedDown(false);
  EXPECT_EQ(sel->Colors(2), 0x204080u);
  sel->SetColorEditAllowed(2, false);
  AnswerNextModal({.Color = clRed});
  sel->SetDroppedDown(true);
  sel->SetDroppedDown(false);
  EXPECT_EQ(PendingModalAnswers(), 1);
  EXPECT_EQ(sel->Colors(2), 0x204080u);
  EXPECT_EQ(changes, 1);
}
