// TCustomComboBox: entries, styles, the user's picks, the drop-down and owner drawing.
#include "WidgetTestSupport.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

namespace {

// Paints entry 0 red and the others lime, and records each call.
class PaintedBox : public TComboBox {
public:
  using TComboBox::TComboBox;
  struct Call {
    int Index;
    TRect Rect;
    TOwnerDrawState State;
    TColor Brush;
  };
  std::vector<Call> Calls;
  void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) override {
    Calls.push_back({Index, Rect, State, Canvas()->Brush()->Color()});
    Canvas()->Brush()->SetColor(Index == 0 ? clRed : clLime);
    Canvas()->FillRect(Rect);
  }
};

QStringList Entries(const char* A, const char* B, const char* C) { return {A, B, C}; }

}  // namespace

TEST(ComboBox, EntriesSelectionAndTextAsTheFrameworkKeepsThem) {
  TComboBox box(nullptr);
  TStrings* items = box.Items();
  box.SetText(QStringLiteral("typed"));
  items->Add(QStringLiteral("red"));
  items->Add(QStringLiteral("Green"));
  EXPECT_EQ(box.ItemIndex(), -1);  // adding entries selects none
  EXPECT_EQ(box.Text(), "typed");
  EXPECT_EQ(items->IndexOf(QStringLiteral("GREEN")), 1);
  EXPECT_EQ(box.DropDownCount(), 8);
  box.SetItemIndex(1);
  EXPECT_EQ(box.Text(), "Green");
  box.SetItemIndex(7);
  EXPECT_EQ(box.ItemIndex(), -1);

  items->SetText(QStringLiteral("a\r\nb\nc\n"));
  EXPECT_EQ(items->StringList(), Entries("a", "b", "c"));
  EXPECT_EQ(items->Text(), "a\nb\nc\n");
  items->Insert(99, QStringLiteral("d"));
  items->Delete(0);
  items->Delete(10);
  items->SetStrings(0, QStringLiteral("B"));
  EXPECT_EQ(items->StringList(), QStringList({"B", "c", "d"}));
  EXPECT_EQ(items->Strings(3), "");

  box.SetStyle(csDropDownList);
  box.SetText(QStringLiteral("C"));
  EXPECT_EQ(box.ItemIndex(), 1);
  EXPECT_EQ(box.Text(), "c");
  box.SetText(QStringLiteral("none"));
  EXPECT_EQ(box.ItemIndex(), -1);
  EXPECT_EQ(box.Text(), "");

  TMemo memo(nullptr);
  memo.Lines()->Assign(items);
  EXPECT_EQ(memo.Text(), "B\nc\nd");
}

TEST(ComboBox, APickRunsClickThenChangeAndTypingRunsChange) {
  TComboBox box(nullptr);
  box.Items()->SetText(QStringLiteral("one\ntwo\n"));
  EventLog log;
  log.Attach(&box);
  box.OnChange = [&](TObject*) { log.Add(QStringLiteral("change")); };
  box.SetItemIndex(0);  // code: nothing fires
  box.SetStyle(csDropDownList);
  Focus(&box);
  log.Lines.clear();
  QTest::keyClick(FocusTarget(&box), Qt::Key_Down);
  EXPECT_EQ(box.ItemIndex(), 1);
  EXPECT_EQ(log.Lines, std::vector<QString>({"keydown 40", "click", "change", "keyup 40"}));

  box.SetStyle(csDropDown);
  Focus(&box);
  log.Lines.clear();
  MouseAt(QTest::MouseClick, &box, QPoint(10, box.Height() / 2));  // the edit field: no Click
  box.ComboBox()->lineEdit()->end(false);
  QTest::keyClicks(FocusTarget(&box), "x");
  EXPECT_EQ(box.Text(), "twox");
  EXPECT_EQ(log.Lines, std::vector<QString>({"down 0 10," + QString::number(box.Height() / 2),
                                             "up 0 10," + QString::number(box.Height() / 2), "keydown 88",
                                             "keypress 120", "change", "keyup 88"}));
}

TEST(ComboBox, DropDownRunsBeforeTheListOpensAndCanAskForAColour) {
  TComboBox box(nullptr);
  box.SetStyle(csDropDownList);
  box.Items()->SetText(QStringLiteral("one\ntwo\n"));
  box.SetDropDownCount(5);
  EXPECT_EQ(box.ComboBox()->maxVisibleItems(), 5);
  // As the colour selector does: the pointer's last x decides, a dialog asks.
  int lastX = -1;
  TColor chosen = clNone;
  box.OnMouseMove = [&](TObject*, TShiftState, int X, int) { lastX = X; };
  box.OnDropDown = [&](TObject*) {
    EXPECT_FALSE(box.DroppedDown());
    TColorDialog dialog(&box);
    dialog.SetColor(clWhite);
    if (lastX < 20 && dialog.Execute()) chosen = dialog.Color();
  };
  AnswerNextModal({.Color = clTeal});
  Focus(&box);
  MouseAt(QTest::MouseMove, &box, QPoint(8, 5));
  QTest::keyClick(FocusTarget(&box), Qt::Key_F4);
  EXPECT_TRUE(box.DroppedDown());
  EXPECT_EQ(chosen, clTeal);
  EXPECT_EQ(PendingModalAnswers(), 0);
  box.SetDroppedDown(false);
  EXPECT_FALSE(box.DroppedDown());
}

TEST(ComboBox, OwnerDrawingPaintsTheFieldAndTheList) {
  PaintedBox box(nullptr);
  box.Items()->SetText(QStringLiteral("a\nb\nc\n"));
  box.SetStyle(csOwnerDrawFixed);
  box.SetItemHeight(20);
  box.SetItemIndex(0);
  box.SetColor(clYellow);
  box.resize(150, 26);
  ShowAndWait(&box);
  box.ComboBox()->clearFocus();  // a focused field shows its entry highlighted
  const QPoint field(40, box.Height() / 2);
  EXPECT_EQ(PixelAt(Grab(&box), field.x(), field.y()), clRed);
  ASSERT_FALSE(box.Calls.empty());
  const PaintedBox::Call edit = box.Calls.back();
  EXPECT_EQ(edit.Index, 0);
  EXPECT_TRUE(edit.State.Contains(odComboBoxEdit));
  EXPECT_EQ(edit.Rect.Left, 0);
  EXPECT_EQ(edit.Rect.Top, 0);
  EXPECT_EQ(edit.Brush, clYellow);

  // The list: one call per entry, ItemHeight high, the selected one highlighted.
  box.SetDroppedDown(true);
  box.Calls.clear();
  const QImage list = box.ComboBox()->view()->viewport()->grab().toImage();
  ASSERT_EQ(box.Calls.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    const PaintedBox::Call& c = box.Calls[std::size_t(i)];
    EXPECT_EQ(c.Index, i);
    EXPECT_EQ(c.Rect.Height(), 20);
    EXPECT_FALSE(c.State.Contains(odComboBoxEdit));
    EXPECT_EQ(c.State.Contains(odSelected), i == 0);
    EXPECT_EQ(c.Brush, i == 0 ? clHighlight : clYellow);
  }
  EXPECT_EQ(PixelAt(list, 10, 30), clLime);
  box.SetDroppedDown(false);

  // With no entry selected the field shows Color and DrawItem is not called.
  box.SetItemIndex(-1);
  box.Calls.clear();
  EXPECT_EQ(PixelAt(Grab(&box), field.x(), field.y()), clYellow);
  for (const auto& c : box.Calls) EXPECT_GE(c.Index, 0);
}
