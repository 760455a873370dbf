#include "OrvTFormLoader.h"

#include <map>

namespace orv {

namespace {

std::map<QString, TControlFactory>& Registry() {
  static std::map<QString, TControlFactory> registry;
  return registry;
}

const TControlFactory* FindFactory(const QString& ClassName) {
  auto& registry = Registry();
  auto it = registry.find(ClassName);
  if (it == registry.end()) it = registry.find(QStringLiteral("orv::") + ClassName);
  return it == registry.end() ? nullptr : &it->second;
}

}  // namespace

void RegisterControlClass(const QString& ClassName, TControlFactory Factory) {
  Registry()[ClassName] = std::move(Factory);
}

TControl* CreateControl(const QString& ClassName, QWidget* Parent) {
  const TControlFactory* factory = FindFactory(ClassName);
  return factory ? (*factory)(Parent) : nullptr;
}

QStringList RegisteredControlClasses() {
  QStringList names;
  for (const auto& entry : Registry()) names << entry.first;
  return names;
}

TFormLoader::TFormLoader(QObject* Parent) : QUiLoader(Parent) {}

QWidget* TFormLoader::Load(QIODevice* Device, QWidget* ParentWidget) {
  TLoadingScope loading;
  QWidget* form = load(Device, ParentWidget);
  loading.Finish();
  return form;
}

QWidget* TFormLoader::createWidget(const QString& ClassName, QWidget* Parent, const QString& Name) {
  if (TControl* control = CreateControl(ClassName, Parent)) {
    control->setObjectName(Name);
    return control;
  }
  return QUiLoader::createWidget(ClassName, Parent, Name);
}

}  // namespace orv
