// THostedControl: the input of a hosted Qt widget reaches the framework by
// the rules of a self-drawn control; Color and Font.Color reach its palette.
#include "WidgetTestSupport.h"

#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <functional>

using namespace orv;
using namespace orv::test;

namespace {

using Factory = std::function<TControl*()>;

void Wheel(TControl* C, QPoint P, int Delta) {
  QPoint local;
  QWidget* w = TargetAt(C, P, local);
  QWheelEvent e(local, w->mapToGlobal(local), QPoint(), QPoint(0, Delta), Qt::NoButton, Qt::NoModifier,
                Qt::NoScrollPhase, false);
  QApplication::sendEvent(w, &e);
}

// The same input on a control in a window beside a line edit that takes the
// focus last; returns what the control reported.
std::vector<QString> RunScript(const Factory& Make) {
  QWidget window;
  window.resize(300, 200);
  TControl* c = Make();
  c->setParent(&window);
  c->SetBounds(10, 10, 160, 100);
  auto* other = new QLineEdit(&window);
  other->setGeometry(0, 150, 100, 24);
  EventLog log;
  log.Attach(c);
  Focus(c);
  QCursor::setPos(window.mapToGlobal(QPoint(290, 190)));  // the pointer starts outside the control
  MouseAt(QTest::MouseMove, c, QPoint(30, 12));
  MouseAt(QTest::MousePress, c, QPoint(30, 12));
  MouseAt(QTest::MouseRelease, c, QPoint(30, 12));
  MouseAt(QTest::MousePress, c, QPoint(40, 20), Qt::MiddleButton);
  MouseAt(QTest::MouseRelease, c, QPoint(40, 20), Qt::MiddleButton);
  MouseAt(QTest::MouseDClick, c, QPoint(50, 30));
  MouseAt(QTest::MouseRelease, c, QPoint(50, 30));
  Wheel(c, QPoint(60, 40), 120);
  QWidget* keys = FocusTarget(c);
  QTest::keyClick(keys, Qt::Key_A);
  QTest::keyClick(keys, Qt::Key_Dollar, Qt::ShiftModifier);
  QTest::keyClick(keys, Qt::Key_Return);
  QTest::keyClick(keys, Qt::Key_F2);
  QTest::keyClick(keys, Qt::Key_C, Qt::ControlModifier);
  QTest::keyClick(keys, Qt::Key_Tab);  // leaves for the line edit
  EXPECT_TRUE(other->hasFocus());
  return log.Lines;
}

class HostedInput : public ::testing::Test {
protected:
  void TearDown() override { ClearModalAnswers(); }
};

}  // namespace

TEST_F(HostedInput, ArrivesAsOnASelfDrawnControl) {
  const std::vector<QString> reference = RunScript([] { return new TCustomControl(nullptr); });
  ASSERT_GE(reference.size(), 20u);
  EXPECT_EQ(reference.front(), "enter");
  EXPECT_EQ(reference[reference.size() - 2], "exit");  // the Tab's release goes where the press went
  EXPECT_EQ(reference[1], "move 30,12");
  EXPECT_EQ(reference[2], "down 0 30,12");
  EXPECT_EQ(reference[4], "click");
  const std::pair<const char*, Factory> hosted[] = {
      {"edit", [] { return new TEdit(nullptr); }},
      {"memo", [] { return new TMemo(nullptr); }},  // mouse input lands on its viewport
  };
  for (const auto& [name, make] : hosted) {
    EXPECT_EQ(RunScript(make), reference) << name;
  }
}

TEST_F(HostedInput, KeyDownAndKeyPressDecideWhatTheWidgetGets) {
  struct Case {
    const char* Name;
    std::function<void(TEdit&)> Setup;
    std::function<void(QWidget*)> Keys;
    QString Text;
  };
  const Case cases[] = {
      {"KeyPress changes a character",
       [](TEdit& e) { e.OnKeyPress = [](TObject*, QChar& k) { if (k == 'a') k = 'b'; }; },
       [](QWidget* w) { QTest::keyClicks(w, "xay"); }, "xby"},
      {"KeyPress drops digits",
       [](TEdit& e) { e.OnKeyPress = [](TObject*, QChar& k) { if (k.isDigit()) k = QChar(); }; },
       [](QWidget* w) { QTest::keyClicks(w, "a1b2"); }, "ab"},
      {"KeyDown clears a key: not handled, its character still typed",
       [](TEdit& e) {
         e.OnKeyDown = [](TObject*, std::uint16_t& k, TShiftState) { if (k == VK_LEFT || k == 'Q') k = 0; };
       },
       [](QWidget* w) {
         QTest::keyClicks(w, "ab");
         QTest::keyClick(w, Qt::Key_Left);
         QTest::keyClicks(w, "q");
       },
       "abq"},
      {"Backspace dropped in KeyPress deletes nothing",
       [](TEdit& e) { e.OnKeyPress = [](TObject*, QChar& k) { if (k == QChar(VK_BACK)) k = QChar(); }; },
       [](QWidget* w) {
         QTest::keyClicks(w, "ab");
         QTest::keyClick(w, Qt::Key_Backspace);
       },
       "ab"},
  };
  for (const Case& c : cases) {
    TEdit edit(nullptr);
    c.Setup(edit);
    Focus(&edit);
    c.Keys(FocusTarget(&edit));
    EXPECT_EQ(edit.Text(), c.Text) << c.Name;
  }
}

TEST_F(HostedInput, MemoTakesReturnsAndTabsAsAsked) {
  TMemo memo(nullptr);
  Focus(&memo);
  QWidget* keys = FocusTarget(&memo);
  QTest::keyClicks(keys, "a");
  QTest::keyClick(keys, Qt::Key_Return);
  QTest::keyClicks(keys, "b");
  EXPECT_EQ(memo.Lines()->StringList(), QStringList({"a", "b"}));
  QTest::keyClick(keys, Qt::Key_Return);
  EXPECT_EQ(memo.Lines()->Count(), 2);  // a last empty line is not counted
  QTest::keyClick(keys, Qt::Key_Backspace);
  memo.SetWantReturns(false);
  memo.SetWantTabs(true);
  QTest::keyClick(keys, Qt::Key_Return);
  QTest::keyClick(keys, Qt::Key_Tab);
  EXPECT_EQ(memo.Text(), "a\nb\t");
  EXPECT_TRUE(memo.TextEdit()->hasFocus());
}

TEST_F(HostedInput, AHandledWheelTurnDoesNotScroll) {
  TMemo memo(nullptr);
  memo.SetScrollBars(ssVertical);
  for (int i = 0; i < 100; ++i) memo.Lines()->Add(QString::number(i));
  ShowAndWait(&memo);
  QScrollBar* bar = memo.TextEdit()->verticalScrollBar();
  bar->setValue(0);
  bool handle = true;
  memo.OnMouseWheel = [&](TObject*, TShiftState, int, TPoint, bool& Handled) { Handled = handle; };
  Wheel(&memo, QPoint(30, 30), -120);
  EXPECT_EQ(bar->value(), 0);
  handle = false;
  Wheel(&memo, QPoint(30, 30), -120);
  EXPECT_GT(bar->value(), 0);
}

TEST_F(HostedInput, APopupWindowDoesNotTakeTheFocusAway) {
  // A menu opening and closing is no exit and enter, for either kind of control.
  const Factory kinds[] = {[] { return new TCustomControl(nullptr); }, [] { return new TEdit(nullptr); }};
  for (const Factory& make : kinds) {
    std::unique_ptr<TControl> c(make());
    TPopupMenu menu(nullptr);
    auto* item = new TMenuItem(&menu);
    item->SetCaption(QStringLiteral("Item"));
    menu.Items()->Add(item);
    EventLog log;
    log.Attach(c.get());
    Focus(c.get());
    QTimer::singleShot(0, [] {
      if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    });
    menu.Popup(10, 10);
    EXPECT_EQ(log.Lines, std::vector<QString>({"enter"}));
  }
}

TEST_F(HostedInput, AutoSelectSelectsWhenEnteredByKeyboardOnly) {
  QWidget window;
  auto* first = new TEdit(nullptr);
  first->setParent(&window);
  auto* edit = new TEdit(nullptr);
  edit->setParent(&window);
  edit->SetBounds(0, 30, 100, 24);
  edit->SetText(QStringLiteral("hello"));
  Focus(first);
  QTest::keyClick(FocusTarget(first), Qt::Key_Tab);
  EXPECT_EQ(edit->SelText(), "hello");
  Focus(first);
  MouseAt(QTest::MouseClick, edit, QPoint(5, 10));
  EXPECT_TRUE(edit->LineEdit()->hasFocus());
  EXPECT_EQ(edit->SelLength(), 0);
}

TEST_F(HostedInput, ColourAndFontColourGoToThePalette) {
  TEdit edit(nullptr);
  edit.resize(100, 30);
  ShowAndWait(&edit);
  const auto base = [&] { return edit.LineEdit()->palette().color(QPalette::Base); };
  EXPECT_EQ(edit.Color(), clWindow);
  EXPECT_EQ(base(), QApplication::palette(edit.LineEdit()).color(QPalette::Base));
  edit.SetColor(clYellow);
  edit.Font()->SetColor(clRed);
  EXPECT_EQ(base(), QColor(Qt::yellow));
  EXPECT_EQ(edit.LineEdit()->palette().color(QPalette::Text), QColor(Qt::red));
  EXPECT_EQ(PixelAt(Grab(&edit), 90, 15), clYellow);
  // Back at the defaults, the colours follow the application's palette and its changes.
  edit.SetColor(clWindow);
  edit.Font()->SetColor(clWindowText);
  const QPalette saved = QApplication::palette(edit.LineEdit());
  QPalette dark = saved;
  dark.setColor(QPalette::Base, QColor(30, 30, 30));
  QApplication::setPalette(dark, "QLineEdit");
  EXPECT_EQ(base(), QColor(30, 30, 30));
  QApplication::setPalette(saved, "QLineEdit");
}

TEST_F(HostedInput, ThePointerEntersAndLeavesTheControlItself) {
  // Qt sends enter and leave to every widget under the pointer, so the
  // control's own enter and leave handling covers its inner widget.
  struct Counter : QObject {
    int Enters = 0, Leaves = 0;
    bool eventFilter(QObject*, QEvent* e) override {
      Enters += e->type() == QEvent::Enter;
      Leaves += e->type() == QEvent::Leave;
      return false;
    }
  } counter;
  QWidget window;
  window.resize(300, 100);
  auto* edit = new TEdit(nullptr);
  edit->setParent(&window);
  edit->SetBounds(10, 10, 100, 24);
  edit->installEventFilter(&counter);
  ShowAndWait(&window);
  const auto pointTo = [](QPoint Global) {
    QCursor::setPos(Global);
    QApplication::processEvents();
  };
  pointTo(window.mapToGlobal(QPoint(200, 80)));
  counter.Enters = counter.Leaves = 0;
  pointTo(edit->mapToGlobal(QPoint(20, 10)));
  EXPECT_EQ(QApplication::widgetAt(QCursor::pos()), edit->LineEdit());
  EXPECT_EQ(counter.Enters, 1);
  EXPECT_TRUE(edit->underMouse());
  pointTo(window.mapToGlobal(QPoint(200, 80)));
  EXPECT_EQ(counter.Leaves, 1);
}

TEST_F(HostedInput, WhatTheInnerWidgetLeavesDoesNotReachTheParentControl) {
  // A line edit leaves F2, Escape and clicks on its frame unhandled; the
  // parent (a grid holding its editor, a form) must not take them as its own.
  TCustomControl parent(nullptr);
  parent.resize(200, 100);
  auto* edit = new TEdit(&parent);
  edit->SetBounds(10, 10, 100, 24);
  EventLog outer, inner;
  outer.Attach(&parent);
  inner.Attach(edit);
  Focus(edit);
  inner.Lines.clear();
  QTest::keyClick(FocusTarget(edit), Qt::Key_F2);
  QTest::keyClick(FocusTarget(edit), Qt::Key_Escape);
  EXPECT_EQ(inner.Lines, std::vector<QString>({"keydown 113", "keyup 113", "keydown 27", "keypress 27", "keyup 27"}));
  EXPECT_TRUE(outer.Lines.empty());
}
