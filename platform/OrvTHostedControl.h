#pragma once
// THostedControl: a control built on an inner Qt widget (a line edit, a
// combo box, a tree), the base of the framework's edit box, memo, combo box,
// tree view and date picker.
//
// The inner widget fills the control and takes its focus. One event filter
// translates the inner widget's input by the same rules as a self-drawn
// control's (TControl's Input... functions):
// - A key press reaches KeyDown and then KeyPress for each typed character
//   before the widget sees it. A character KeyPress sets to #0 does not reach
//   the widget, one it changes reaches it changed; a key KeyDown sets to 0 is
//   not handled by the widget, though its characters still are typed unless
//   KeyPress drops them too. A key KeyUp sets to 0 does not reach the widget.
//   Tab and Shift+Tab move the focus unless the control takes Tab
//   (SetWantTabs), as for a self-drawn control.
// - Mouse presses, moves, releases and double clicks reach MouseDown,
//   MouseMove, MouseUp, Click and DblClick in the control's coordinates; a
//   wheel turn reaches DoMouseWheel and scrolls the widget only when not
//   handled there.
// - The focus entering or leaving the widget reaches DoEnter and DoExit
//   (moving between parts of the inner widget does not).
// - A context-menu request opens the control's PopupMenu; without one the
//   widget shows its own menu.
// The pointer entering and leaving the inner widget enters and leaves the
// control itself (Qt sends those to every widget under the pointer).
//
// Color (default clWindow) sets the widget's background (the Base colour of
// its palette) and Font()->Color() (default clWindowText) its text colour;
// left at their defaults they follow the application's palette.

#include "OrvTControl.h"

#include <QList>

namespace orv {

class THostedControl : public TControl {
  Q_OBJECT

public:
  explicit THostedControl(TOwnerArg AOwner);

  // The least size is what the inner widget needs.
  QSize minimumSizeHint() const override {
    return FInner ? FInner->minimumSizeHint() : TControl::minimumSizeHint();
  }

protected:
  // Makes Inner (a child of this control) the widget the control is built on;
  // called once, from the constructor.
  void SetHostedWidget(QWidget* Inner);
  QWidget* HostedWidget() const { return FInner; }
  // Translates the input of Part as well: a part of the inner widget that
  // gets mouse events of its own (a scroll area's viewport, a line edit
  // inside a combo box).
  void HostInput(QWidget* Part);

  bool eventFilter(QObject* Watched, QEvent* Event) override;
  void ColorChanged() override;
  void FontChanged() override;

  // Input is translated where it arrives, in the inner widget. Keys and
  // mouse input the inner widget leaves unhandled end here, as they end at a
  // self-drawn control: the parent control does not get them a second time.
  // An unhandled wheel turn or context-menu request goes on to the parent
  // (whose PopupMenu then opens).
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

private:
  // Returns whether the key press is consumed.
  bool HostKeyPress(QWidget* Part, QKeyEvent* e);
  bool HostEvent(QWidget* Part, QEvent* e);
  void UpdatePalette();
  bool IsPart(const QObject* Object) const;
  QWidget* FInner = nullptr;
  // The inner widget and its parts whose input is translated.
  QList<QPointer<QWidget>> FParts;
  // Set while a key press with changed characters goes to the inner widget.
  bool FResending = false;
};

}  // namespace orv
