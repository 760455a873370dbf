#include "OrvComponentScopes.h"

#include "OrvServices.h"

#include <algorithm>
#include <exception>

namespace orv {

namespace {

int gDesigningScopes = 0;
// Every loading scope alive, innermost last.
std::vector<TLoadingScope*>& LoadingScopes() {
  static std::vector<TLoadingScope*> scopes;
  return scopes;
}

}  // namespace

TDesigningScope::TDesigningScope() { ++gDesigningScopes; }

TDesigningScope::~TDesigningScope() { --gDesigningScopes; }

bool TDesigningScope::Active() { return gDesigningScopes > 0; }

TLoadingScope::TLoadingScope() { LoadingScopes().push_back(this); }

TLoadingScope::~TLoadingScope() {
  if (FCollecting) {
    try {
      Finish();
    } catch (const std::exception& e) {
      HandleException(e);
    }
  }
  auto& scopes = LoadingScopes();
  scopes.erase(std::remove(scopes.begin(), scopes.end(), this), scopes.end());
}

void TLoadingScope::Add(TComponent* C) {
  if (!C || !FCollecting || std::find(FComponents.begin(), FComponents.end(), C) != FComponents.end()) return;
  C->BeginLoading();
  FComponents.push_back(C);
}

void TLoadingScope::Finish() {
  if (!FCollecting) return;
  // Components made by a Loaded handler are not part of the form's loading.
  FCollecting = false;
  std::exception_ptr first;
  // By index: a Loaded may construct or destroy components.
  for (std::size_t i = 0; i < FComponents.size(); ++i) {
    TComponent* c = FComponents[i];
    if (!c) continue;
    FComponents[i] = nullptr;
    try {
      c->EndLoading();
    } catch (...) {
      if (!first) first = std::current_exception();
    }
  }
  FComponents.clear();
  if (first) std::rethrow_exception(first);
}

void TLoadingScope::Constructed(TComponent* C) {
  auto& scopes = LoadingScopes();
  for (auto it = scopes.rbegin(); it != scopes.rend(); ++it) {
    if ((*it)->FCollecting) {
      (*it)->Add(C);
      return;
    }
  }
}

void TLoadingScope::Destroyed(TComponent* C) {
  for (TLoadingScope* s : LoadingScopes()) std::replace(s->FComponents.begin(), s->FComponents.end(), C, static_cast<TComponent*>(nullptr));
}

}  // namespace orv
