// Every enumerated property of every unit class is a registered enumeration:
// setProperty by key name and a form file both set it. The walk reads the
// meta-objects, so a property added later is checked without naming it here.
#include "ControlFactories.h"
#include "TestSupport.h"

#include <QBuffer>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QUiLoader>
#include <gtest/gtest.h>

#include <memory>

using namespace orv;
using namespace orv::test;

namespace {

// The properties the orv classes of Obj declare (not Qt's own) whose type is
// an enumeration, registered or not.
QList<QMetaProperty> EnumeratedProperties(const QObject* Obj) {
  QList<QMetaProperty> list;
  for (const QMetaObject* m = Obj->metaObject(); m && QByteArray(m->className()).startsWith("orv::");
       m = m->superClass())
    for (int i = m->propertyOffset(); i < m->propertyCount(); ++i) {
      const QMetaProperty p = m->property(i);
      if (p.isEnumType() || p.metaType().flags().testFlag(QMetaType::IsEnumeration)) list.append(p);
    }
  return list;
}

// A key of the property's enumeration whose value the property does not hold now.
int OtherKey(const QMetaProperty& P, const QObject* Obj) {
  const QMetaEnum e = P.enumerator();
  const int current = P.read(Obj).toInt();
  for (int k = e.keyCount() - 1; k >= 0; --k)
    if (e.value(k) != current) return k;
  return 0;
}

// Makes the unit classes by name, as a form loader with the Designer plugin does.
class TLoader : public QUiLoader {
public:
  QWidget* createWidget(const QString& ClassName, QWidget* Parent, const QString& Name) override {
    for (const TUnitClass& f : UnitClasses()) {
      if (ClassName != QLatin1String(f.ClassName)) continue;
      auto* w = qobject_cast<QWidget*>(f.Make());
      if (!w) break;
      w->setParent(Parent);
      w->setObjectName(Name);
      return w;
    }
    return QUiLoader::createWidget(ClassName, Parent, Name);
  }
};

class PropertiesTest : public ::testing::Test {
protected:
  void SetUp() override { SetVirtualTimers(true); }
  void TearDown() override { SetVirtualTimers(false); }
};

}  // namespace

TEST_F(PropertiesTest, EveryEnumeratedPropertyIsSetByItsKeyNames) {
  int checked = 0;
  for (const TUnitClass& f : UnitClasses()) {
    std::unique_ptr<QObject> obj(f.Make());
    ASSERT_STREQ(obj->metaObject()->className(), f.ClassName);
    for (const QMetaProperty& p : EnumeratedProperties(obj.get())) {
      const QString where = QLatin1String(f.ClassName) + QLatin1Char('.') + QLatin1String(p.name());
      ASSERT_TRUE(p.isEnumType()) << where.toStdString() << " (" << p.typeName() << ") is no registered enumeration";
      const QMetaEnum e = p.enumerator();
      EXPECT_TRUE(QByteArray(e.scope()).startsWith("orv::")) << where.toStdString();
      // Last key first, so that every key is a change from the value before.
      for (int k = e.keyCount() - 1; k >= 0; --k) {
        EXPECT_TRUE(obj->setProperty(p.name(), QString::fromLatin1(e.key(k)))) << where.toStdString() << " " << e.key(k);
        EXPECT_EQ(p.read(obj.get()).toInt(), e.value(k)) << where.toStdString() << " " << e.key(k);
      }
      ++checked;
    }
  }
  EXPECT_GE(checked, 30);  // the walk really found the units' enumerated properties
}

// A form file stores an enumerated property as the key with its scope, as
// Designer writes it; loading the form sets the value.
TEST_F(PropertiesTest, FormFilesSetEveryEnumeratedProperty) {
  for (const TUnitClass& f : UnitClasses()) {
    std::unique_ptr<QObject> probe(f.Make());
    if (!probe->isWidgetType()) continue;
    QList<QPair<QByteArray, int>> expected;
    QByteArray properties;
    for (const QMetaProperty& p : EnumeratedProperties(probe.get())) {
      const QMetaEnum e = p.enumerator();
      const int k = OtherKey(p, probe.get());
      properties += QByteArray("<property name=\"") + p.name() + "\"><enum>" + e.scope() + "::" + e.key(k) +
                    "</enum></property>";
      expected.append({p.name(), e.value(k)});
    }
    QByteArray ui = QByteArray("<ui version=\"4.0\"><class>Form</class><widget class=\"QWidget\" name=\"Form\">") +
                    "<widget class=\"" + f.ClassName + "\" name=\"control\">" + properties + "</widget></widget></ui>";
    QBuffer buffer(&ui);
    TLoader loader;
    std::unique_ptr<QWidget> form(loader.load(&buffer));
    ASSERT_TRUE(form) << f.ClassName << ": " << loader.errorString().toStdString();
    auto* control = form->findChild<QWidget*>(QStringLiteral("control"));
    ASSERT_TRUE(control) << f.ClassName;
    for (const auto& [name, value] : expected)
      EXPECT_EQ(control->property(name).toInt(), value) << f.ClassName << "." << name.constData();
  }
}
