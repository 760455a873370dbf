// Component ownership, names, Assign errors, and the control's routing of Qt events.
#include "TestSupport.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace orv;

namespace {

struct Tracked : TComponent {
  explicit Tracked(TComponent* AOwner, int* Deaths) : TComponent(AOwner), FDeaths(Deaths) {}
  ~Tracked() override { ++*FDeaths; }
  int* FDeaths;
};

class Painted : public TGraphicControl {
public:
  using TGraphicControl::TGraphicControl;
  int Paints = 0;
  void Paint() override {
    ++Paints;
    Canvas()->Brush()->SetColor(clRed);
    Canvas()->FillRect(ClientRect());
  }
};

}  // namespace

TEST(Components, OwnerDeletesOwnedAndOwnedUnregisters) {
  int deaths = 0;
  auto* owner = new TComponent(nullptr);
  auto* a = new Tracked(owner, &deaths);
  new Tracked(owner, &deaths);
  EXPECT_EQ(owner->ComponentCount(), 2);
  delete a;  // unregisters from its owner
  EXPECT_EQ(owner->ComponentCount(), 1);
  delete owner;
  EXPECT_EQ(deaths, 2);
}

TEST(Components, ControlOwnedByControlIsDeletedOnceByEitherSide) {
  int deaths = 0;
  auto* form = new TCustomControl(nullptr);
  auto* child = new TCustomControl(form);  // owner and Qt parent
  new Tracked(child, &deaths);
  EXPECT_EQ(child->parentWidget(), form);
  delete child;  // Qt side and owner side both forget it
  EXPECT_EQ(form->ComponentCount(), 0);
  EXPECT_TRUE(form->children().isEmpty() || !form->children().contains(child));
  new TCustomControl(form);
  delete form;
  EXPECT_EQ(deaths, 1);
}

TEST(Components, NameIsTheQtObjectNameAndDesigningIsInherited) {
  TCustomControl c(nullptr);
  c.SetName(QStringLiteral("Gauge1"));
  EXPECT_EQ(c.objectName(), QStringLiteral("Gauge1"));
  c.setObjectName(QStringLiteral("Gauge2"));
  EXPECT_EQ(c.Name(), QStringLiteral("Gauge2"));
  c.SetDesigning(true);
  auto* child = new TCustomControl(&c);
  EXPECT_TRUE(child->ComponentState().Contains(csDesigning));
}

TEST(Components, AssignFromAnUnrelatedClassRaises) {
  TFont f;
  TPen p;
  EXPECT_THROW(f.Assign(&p), EConvertError);
}

TEST(Controls, PaintRunsOnInvalidateAndTheSurfaceReachesTheScreen) {
  Painted w(nullptr);
  w.resize(40, 30);
  test::ShowAndWait(&w);
  const QImage img = test::Grab(&w);
  EXPECT_EQ(test::PixelAt(img, 0, 0), clRed);
  EXPECT_EQ(test::PixelAt(img, 39, 29), clRed);
  const int before = w.Paints;
  w.resize(60, 30);
  (void)test::Grab(&w);
  EXPECT_GT(w.Paints, before);
  EXPECT_EQ(w.Canvas()->Image()->width(), 60);
}

TEST(Controls, QtSettersReachTheFrameworkMethods) {
  struct Probe : TCustomControl {
    using TCustomControl::TCustomControl;
    int EnabledCalls = 0, FontCalls = 0;
    void SetEnabled(bool v) override {
      ++EnabledCalls;
      TCustomControl::SetEnabled(v);
    }
    void FontChanged() override { ++FontCalls; }
  } w(nullptr);
  w.setEnabled(false);
  EXPECT_GE(w.EnabledCalls, 1);
  EXPECT_FALSE(w.Enabled());
  QFont f = w.font();
  f.setPointSize(20);
  w.setFont(f);
  EXPECT_GE(w.FontCalls, 1);
  EXPECT_EQ(w.Font()->Size(), 20);
  w.Font()->SetSize(12);
  EXPECT_EQ(w.font().pointSize(), 12);
}

TEST(Controls, MouseEventsArriveWithButtonShiftAndPosition) {
  TCustomControl w(nullptr);
  w.resize(100, 50);
  test::ShowAndWait(&w);
  std::vector<QString> log;
  w.OnMouseDown = [&](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
    EXPECT_EQ(s, &w);
    log.push_back(QStringLiteral("down %1 %2,%3 %4").arg(int(b)).arg(x).arg(y).arg(sh.Contains(ssCtrl)));
  };
  w.OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int x, int y) { log.push_back(QStringLiteral("up %1,%2").arg(x).arg(y)); };
  w.OnClick = [&](TObject*) { log.push_back(QStringLiteral("click")); };
  QTest::mouseClick(&w, Qt::LeftButton, Qt::ControlModifier, QPoint(10, 20));
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0], QStringLiteral("down 0 10,20 1"));
  EXPECT_EQ(log[1], QStringLiteral("up 10,20"));
  EXPECT_EQ(log[2], QStringLiteral("click"));
}

TEST(Edit, ChangeFiresForTypedAndAssignedText) {
  TEdit e(nullptr);
  int changes = 0;
  e.OnChange = [&](TObject*) { ++changes; };
  test::ShowAndWait(&e);
  e.SetFocus();
  QTest::keyClicks(e.LineEdit(), "12");
  EXPECT_EQ(e.Text(), QStringLiteral("12"));
  EXPECT_EQ(changes, 2);
  e.SetText(QStringLiteral("abc"));
  EXPECT_EQ(changes, 3);
  e.SetSelStart(1);
  e.SetSelLength(5);
  EXPECT_EQ(e.SelLength(), 2);
  EXPECT_EQ(e.SelText(), QStringLiteral("bc"));
  e.SetReadOnly(true);
  QTest::keyClicks(e.LineEdit(), "x");
  EXPECT_EQ(e.Text(), QStringLiteral("abc"));
}
