#pragma once
// TOwnerArg: the owner argument of a control's constructor. It takes either
// side of a control's two parents, so one constructor serves application
// code (new TMeter(Form1)) and the code uic generates (new orv::TMeter(widget)):
//
// - a TComponent: the owner; when it is also a widget, the Qt parent too;
// - a Qt widget: the Qt parent; the owner is the nearest component among the
//   widget and its ancestors (the form the widget sits on), or none;
// - nullptr: neither.

#include "OrvTObject.h"

#include <QWidget>

#include <cstddef>
#include <type_traits>

namespace orv {

class TOwnerArg {
public:
  TOwnerArg(std::nullptr_t = nullptr) {}

  template <class T>
    requires(std::is_base_of_v<TComponent, T> || std::is_base_of_v<QWidget, T>)
  TOwnerArg(T* P) {
    if constexpr (std::is_base_of_v<TComponent, T>) {
      FOwner = P;
      if constexpr (std::is_base_of_v<QWidget, T>) FParent = P;
      else FParent = dynamic_cast<QWidget*>(static_cast<TComponent*>(P));
    } else {
      FParent = P;
      FOwner = NearestComponent(P);
    }
  }

  TComponent* Owner() const { return FOwner; }
  QWidget* ParentWidget() const { return FParent; }
  // Code that reads the argument as the owning component keeps working.
  operator TComponent*() const { return FOwner; }

private:
  static TComponent* NearestComponent(QWidget* W) {
    for (; W; W = W->parentWidget())
      if (auto* c = dynamic_cast<TComponent*>(W)) return c;
    return nullptr;
  }

  TComponent* FOwner = nullptr;
  QWidget* FParent = nullptr;
};

}  // namespace orv
