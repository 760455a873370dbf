#pragma once
// Loading forms. TFormLoader reads .ui files; SetupUi runs the setupUi code
// uic generates. Both construct the form's controls inside a TLoadingScope:
// every control is in csLoading while its stored properties are applied, and
// once the whole form is there each gets Loaded(), in the order the controls
// were made (the form itself first, when it is a component).
//
// A .ui file names a control by its Qt class name ("orv::TMeter"); the
// loader makes the classes registered with RegisterControlClass and leaves
// every other class to QUiLoader.

#include "OrvComponentScopes.h"
#include "OrvTControl.h"

#include <QStringList>
#include <QUiLoader>

#include <functional>

namespace orv {

// Makes a control for a form; Parent is its Qt parent.
using TControlFactory = std::function<TControl*(QWidget* Parent)>;

// Registers a control class under its Qt class name; registering a name
// again replaces its factory.
void RegisterControlClass(const QString& ClassName, TControlFactory Factory);
template <class T>
void RegisterControlClass() {
  RegisterControlClass(QString::fromLatin1(T::staticMetaObject.className()),
                       [](QWidget* Parent) -> TControl* { return new T(Parent); });
}
// A new control of a registered class, found by its Qt class name or by that
// name without "orv::"; null for a class that is not registered.
TControl* CreateControl(const QString& ClassName, QWidget* Parent);
// The registered class names, sorted.
QStringList RegisteredControlClasses();

class TFormLoader : public QUiLoader {
  Q_OBJECT

public:
  explicit TFormLoader(QObject* Parent = nullptr);

  // Reads a form from Device under ParentWidget and returns its top widget;
  // null when the form cannot be read (errorString() tells why). Raises what
  // a control's Loaded raises, after every control had its Loaded.
  QWidget* Load(QIODevice* Device, QWidget* ParentWidget = nullptr);

  QWidget* createWidget(const QString& ClassName, QWidget* Parent = nullptr, const QString& Name = QString()) override;
};

// Runs UiObject.setupUi(FormWidget) as a form load: the form (when it is a
// component) and every control setupUi constructs are in csLoading while
// setupUi sets their properties, then each gets Loaded().
template <class Ui, class Form>
void SetupUi(Ui& UiObject, Form* FormWidget) {
  TLoadingScope loading;
  loading.Add(dynamic_cast<TComponent*>(FormWidget));
  UiObject.setupUi(FormWidget);
  loading.Finish();
}

}  // namespace orv
