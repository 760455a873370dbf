#pragma once
// TPopupMenu: a menu that opens at a point, over a QMenu.
//
// Items() is the root item: its sub-items are the menu's entries. Popup(X,
// Y) fires OnPopup, opens the menu with its top-left corner at the screen
// point (X, Y) (Alignment paRight puts the right edge there, paCenter the
// middle) and returns when it closes; the item the user picked has its
// Click run before Popup returns. A control whose PopupMenu is this menu
// opens it on a right click or the context-menu key (when AutoPopup, the
// default) and becomes its PopupComponent.
//
// Tests answer Popup with AnswerNextModal (<OrvModalAnswers.h>): the item
// named in the answer is clicked, provided the user could pick it.

#include "OrvTMenuItem.h"

#include <QObject>

namespace orv {

enum TPopupAlignment { paLeft, paRight, paCenter };

class TPopupMenu : public QObject, public TComponent {
  Q_OBJECT

public:
  explicit TPopupMenu(TComponent* AOwner);
  ~TPopupMenu() override;

  QObject* AsQObject() override { return this; }

  TMenuItem* Items() const { return FItems; }
  TPopupAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TPopupAlignment Value) { FAlignment = Value; }
  bool AutoPopup() const { return FAutoPopup; }
  void SetAutoPopup(bool Value) { FAutoPopup = Value; }
  // The control that opened the menu last (through its PopupMenu).
  TComponent* PopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(TComponent* Value) { FPopupComponent = Value; }

  // Opens the menu at the screen point (X, Y) and waits until it closes.
  virtual void Popup(int X, int Y);
  TNotifyEvent OnPopup;

private:
  TMenuItem* FItems;
  TPopupAlignment FAlignment = paLeft;
  bool FAutoPopup = true;
  TComponent* FPopupComponent = nullptr;
};

}  // namespace orv
