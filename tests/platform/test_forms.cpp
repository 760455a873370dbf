// Forms: a Qt widget as a control's owner argument, the designing scope, and
// loading a form (.ui file or setupUi code) with csLoading while the stored
// properties are applied and Loaded afterwards.
#include "TestSupport.h"

#include <QBuffer>
#include <QGroupBox>
#include <QPointer>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace orv::test {

// Records the component state it sees: at construction, when Level is set, in Loaded.
class LoadProbe : public TGraphicControl {
  Q_OBJECT
  Q_PROPERTY(int Level READ Level WRITE SetLevel)

public:
  explicit LoadProbe(TOwnerArg AOwner)
      : TGraphicControl(AOwner), DesigningAtConstruction(ComponentState().Contains(csDesigning)) {}
  int Level() const { return FLevel; }
  void SetLevel(int Value) {
    FLevel = Value;
    LoadingWhenSet = ComponentState().Contains(csLoading);
  }

  bool DesigningAtConstruction;
  bool LoadingWhenSet = false;
  bool ThrowInLoaded = false;
  int LoadedCalls = 0;
  int LevelAtLoaded = -1;
  static inline std::vector<QString> LoadOrder;

protected:
  void Loaded() override {
    TGraphicControl::Loaded();
    ++LoadedCalls;
    LevelAtLoaded = FLevel;
    LoadOrder.push_back(Name());
    EXPECT_FALSE(ComponentState().Contains(csLoading));
    if (ThrowInLoaded) throw Exception(QStringLiteral("bad picture"));
  }

private:
  int FLevel = 0;
};

}  // namespace orv::test

using namespace orv;
using orv::test::LoadProbe;

TEST(Forms, AWidgetOrAComponentIsTheOwnerArgument) {
  QWidget plain;
  auto* a = new LoadProbe(&plain);  // as uic writes it
  EXPECT_EQ(a->parentWidget(), &plain);
  EXPECT_EQ(a->Owner(), nullptr);

  auto* form = new TCustomControl(nullptr);
  auto* box = new QGroupBox(form);
  QPointer<LoadProbe> b = new LoadProbe(box);  // on a Qt container on the form: the form owns it
  EXPECT_EQ(b->parentWidget(), box);
  EXPECT_EQ(b->Owner(), form);
  TComponent* owner = form;
  auto* c = new LoadProbe(owner);
  EXPECT_EQ(c->parentWidget(), form);
  EXPECT_EQ(form->ComponentCount(), 2);
  delete form;  // the owner and the Qt parent agree: each control goes once
  EXPECT_TRUE(b.isNull());
}

TEST(Forms, DesigningScopeHoldsFromTheConstructorOnAndPassesToOwned) {
  LoadProbe* designed = nullptr;
  {
    TDesigningScope scope;
    designed = new LoadProbe(nullptr);
  }
  std::unique_ptr<LoadProbe> guard(designed);
  EXPECT_TRUE(designed->DesigningAtConstruction);
  auto* owned = new LoadProbe(static_cast<TComponent*>(designed));
  EXPECT_TRUE(owned->DesigningAtConstruction);
  LoadProbe outside(nullptr);
  EXPECT_FALSE(outside.DesigningAtConstruction);
  designed->SetDesigning(false);
  EXPECT_FALSE(owned->ComponentState().Contains(csDesigning));
}

TEST(Forms, LoaderAppliesStoredPropertiesWhileLoadingThenCallsLoaded) {
  RegisterControlClass<LoadProbe>();
  const QByteArray ui = R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>Form</class>
 <widget class="QWidget" name="Form">
  <widget class="orv::test::LoadProbe" name="probe1">
   <property name="geometry"><rect><x>5</x><y>6</y><width>70</width><height>20</height></rect></property>
   <property name="Level"><number>7</number></property>
  </widget>
  <widget class="QGroupBox" name="box">
   <widget class="orv::test::LoadProbe" name="probe2">
    <property name="Level"><number>3</number></property>
   </widget>
  </widget>
 </widget>
 <customwidgets>
  <customwidget><class>orv::test::LoadProbe</class><extends>QWidget</extends><header>probe.h</header></customwidget>
 </customwidgets>
</ui>)";
  QBuffer buffer;
  buffer.setData(ui);
  LoadProbe::LoadOrder.clear();
  TFormLoader loader;
  std::unique_ptr<QWidget> form(loader.Load(&buffer));
  ASSERT_TRUE(form) << loader.errorString().toStdString();
  auto* p1 = form->findChild<LoadProbe*>(QStringLiteral("probe1"));
  auto* p2 = form->findChild<LoadProbe*>(QStringLiteral("probe2"));
  ASSERT_TRUE(p1 && p2);
  EXPECT_EQ(p1->geometry(), QRect(5, 6, 70, 20));
  for (LoadProbe* p : {p1, p2}) {
    EXPECT_TRUE(p->LoadingWhenSet);
    EXPECT_EQ(p->LoadedCalls, 1);
    EXPECT_FALSE(p->ComponentState().Contains(csLoading));
  }
  EXPECT_EQ(p1->LevelAtLoaded, 7);
  EXPECT_EQ(p2->LevelAtLoaded, 3);
  EXPECT_EQ(LoadProbe::LoadOrder, (std::vector<QString>{"probe1", "probe2"}));
  p1->SetLevel(8);
  EXPECT_FALSE(p1->LoadingWhenSet);
}

namespace {

// What uic generates for a form with two probes, one of them dropped again.
struct Ui_ProbeForm {
  LoadProbe* first = nullptr;
  LoadProbe* second = nullptr;
  void setupUi(QWidget* Form) {
    Form->setProperty("Level", 1);
    first = new LoadProbe(Form);
    first->setObjectName(QStringLiteral("first"));
    first->setProperty("Level", 2);
    first->ThrowInLoaded = true;
    delete new LoadProbe(Form);
    second = new LoadProbe(Form);
    second->setObjectName(QStringLiteral("second"));
    second->setProperty("Level", 3);
  }
};

}  // namespace

TEST(Forms, SetupUiLoadsTheFormAndItsControlsAndReportsAFailedLoaded) {
  LoadProbe form(nullptr);
  form.SetName(QStringLiteral("form"));
  Ui_ProbeForm ui;
  LoadProbe::LoadOrder.clear();
  // Every control gets its Loaded; the first exception comes out afterwards.
  EXPECT_THROW(SetupUi(ui, &form), Exception);
  EXPECT_TRUE(form.LoadingWhenSet);
  EXPECT_TRUE(ui.first->LoadingWhenSet);
  EXPECT_TRUE(ui.second->LoadingWhenSet);
  EXPECT_EQ(LoadProbe::LoadOrder, (std::vector<QString>{"form", "first", "second"}));
  EXPECT_EQ(ui.second->LevelAtLoaded, 3);
}

#include "test_forms.moc"
