#pragma once
// Scopes that give every component constructed while they are open a state
// from its constructor on, before the control's own constructor runs.
//
// TDesigningScope: the form designer holds one while it constructs a
// control, so csDesigning is right from the first line of the constructor
// and passes to what the control owns.
//
// TLoadingScope: brackets the loading of a form. Every component constructed
// while it is open, and every component given to Add (the form itself), is
// in csLoading until Finish, which takes the components in the order they
// came and for each clears csLoading and calls Loaded(). What a control
// constructs for itself while the form loads (an owned data container, a
// child control) loads with it. A component destroyed before Finish is
// dropped from the list. Scopes nest: the innermost open one collects.

#include "OrvTObject.h"

#include <vector>

namespace orv {

class TDesigningScope {
public:
  TDesigningScope();
  ~TDesigningScope();
  TDesigningScope(const TDesigningScope&) = delete;
  TDesigningScope& operator=(const TDesigningScope&) = delete;
  // Whether a designing scope is open now.
  static bool Active();
};

class TLoadingScope {
public:
  TLoadingScope();
  // Finishes when Finish was not called; an exception from a Loaded then
  // goes to the application's exception handler.
  ~TLoadingScope();
  TLoadingScope(const TLoadingScope&) = delete;
  TLoadingScope& operator=(const TLoadingScope&) = delete;

  // Puts a component that exists already into the loading state.
  void Add(TComponent* C);
  // Ends loading (once). Every component gets its Loaded even when one
  // raises; the first exception is raised again afterwards.
  void Finish();

private:
  friend class TComponent;
  // Called by TComponent's constructor and destructor.
  static void Constructed(TComponent* C);
  static void Destroyed(TComponent* C);

  std::vector<TComponent*> FComponents;
  bool FCollecting = true;
};

}  // namespace orv
