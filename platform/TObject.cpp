#include "OrvTObject.h"

#include "OrvComponentScopes.h"

#include <algorithm>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

namespace orv {

QString TObject::ClassName() const {
  const char* mangled = typeid(*this).name();
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> demangled(abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
  QString name = QString::fromLatin1(status == 0 && demangled ? demangled.get() : mangled);
  return name.mid(name.lastIndexOf(QLatin1Char(':')) + 1);
}

void TPersistent::Assign(TPersistent* Source) {
  if (Source) {
    Source->AssignTo(this);
    return;
  }
  AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* Dest) {
  if (Dest) Dest->AssignError(this);
  throw EConvertError(QStringLiteral("Cannot assign a nil to a %1").arg(ClassName()));
}

void TPersistent::AssignError(TPersistent* Source) {
  const QString from = Source ? Source->ClassName() : QStringLiteral("nil");
  throw EConvertError(QStringLiteral("Cannot assign a %1 to a %2").arg(from, ClassName()));
}

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner) {
    AOwner->InsertComponent(this);
    if (AOwner->FComponentState.Contains(csDesigning)) FComponentState.Include(csDesigning);
  }
  if (TDesigningScope::Active()) FComponentState.Include(csDesigning);
  TLoadingScope::Constructed(this);
}

TComponent::~TComponent() {
  FComponentState.Include(csDestroying);
  TLoadingScope::Destroyed(this);
  while (!FComponents.empty()) {
    TComponent* c = FComponents.back();
    FComponents.pop_back();
    c->FOwner = nullptr;
    delete c;
  }
  if (FOwner) FOwner->RemoveComponent(this);
}

TComponent* TComponent::Components(int Index) const {
  return Index >= 0 && Index < ComponentCount() ? FComponents[std::size_t(Index)] : nullptr;
}

QString TComponent::Name() const {
  if (auto* q = const_cast<TComponent*>(this)->AsQObject()) return q->objectName();
  return FName;
}

void TComponent::SetName(const QString& NewName) {
  if (auto* q = AsQObject()) q->setObjectName(NewName);
  FName = NewName;
}

void TComponent::SetDesigning(bool Value) {
  if (Value) FComponentState.Include(csDesigning);
  else FComponentState.Exclude(csDesigning);
  for (TComponent* c : FComponents) c->SetDesigning(Value);
}

void TComponent::BeginLoading() { FComponentState.Include(csLoading); }

void TComponent::EndLoading() {
  FComponentState.Exclude(csLoading);
  Loaded();
}

void TComponent::Loaded() {}

void TComponent::InsertComponent(TComponent* C) {
  FComponents.push_back(C);
  C->FOwner = this;
}

void TComponent::RemoveComponent(TComponent* C) {
  auto it = std::find(FComponents.begin(), FComponents.end(), C);
  if (it != FComponents.end()) FComponents.erase(it);
  C->FOwner = nullptr;
}

}  // namespace orv
