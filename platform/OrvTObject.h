#pragma once
// The object model the controls are written against: TObject (polymorphic
// root, so an event's Sender can be cast back), TPersistent (Assign/AssignTo)
// and TComponent (owner, owned components, name, component state, Loaded).
//
// Lifetime: an owner deletes the components it owns when it is destroyed; a
// component removes itself from its owner when it is destroyed first. A
// component that is also a QObject may be deleted by its Qt parent: that runs
// the same destructor, so nothing is deleted twice.

#include "OrvTypes.h"

#include <QObject>

#include <vector>

namespace orv {

class TObject {
public:
  virtual ~TObject() = default;
  // The class name (the most-derived C++ class as the compiler names it).
  QString ClassName() const;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

class TPersistent : public TObject {
public:
  // Copies the settings of Source. The default hands over to
  // Source->AssignTo(this) and raises when that cannot handle it either.
  virtual void Assign(TPersistent* Source);

protected:
  // Copies this object's settings into Dest; the default raises EConvertError.
  virtual void AssignTo(TPersistent* Dest);
  [[noreturn]] void AssignError(TPersistent* Source);
};

// Raised when Assign cannot copy from the given source.
class EConvertError : public Exception {
public:
  using Exception::Exception;
};

enum TComponentStateElem { csLoading, csReading, csWriting, csDestroying, csDesigning };
using TComponentState = Set<TComponentStateElem>;

class TComponent : public TPersistent {
public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return FOwner; }
  int ComponentCount() const { return int(FComponents.size()); }
  TComponent* Components(int Index) const;

  // The component's name; for a QObject component it is the Qt object name.
  QString Name() const;
  virtual void SetName(const QString& NewName);

  TComponentState ComponentState() const { return FComponentState; }
  // Marks the component and what it owns, now and later, as running in the
  // form designer. A component constructed inside a TDesigningScope, or by a
  // designing owner, is designing from its constructor on.
  void SetDesigning(bool Value);
  // Brackets property loading: BeginLoading sets csLoading, EndLoading clears
  // it and calls Loaded. A TLoadingScope does both for a whole form.
  void BeginLoading();
  void EndLoading();

  int Tag() const { return FTag; }
  void SetTag(int Value) { FTag = Value; }

  // The QObject side of this component, if it has one.
  virtual QObject* AsQObject() { return nullptr; }

protected:
  // Called after all properties were loaded.
  virtual void Loaded();
  void InsertComponent(TComponent* C);
  void RemoveComponent(TComponent* C);

private:
  TComponent* FOwner = nullptr;
  std::vector<TComponent*> FComponents;
  TComponentState FComponentState;
  QString FName;
  int FTag = 0;
};

}  // namespace orv
