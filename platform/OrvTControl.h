#pragma once
// TControl: every control is a QWidget and a TComponent.
//
// Qt events arrive as the framework's virtual methods (MouseDown, MouseMove,
// MouseUp, Click, DblClick, KeyDown with Windows virtual-key codes, KeyPress,
// KeyUp, DoMouseWheel, DoEnter, DoExit), whose base versions fire the
// matching On... events. Qt's own setters and ours lead to the same place:
// enabling, font changes, resizing and showing reach SetEnabled, FontChanged,
// Resize and VisibleChanged whichever side made the change.
//
// Size: SetBounds, SetWidth and SetHeight take effect at once, shown or not:
// Resize() runs before they return, also on a control that was never shown
// (Qt itself holds back the resize event of a hidden widget until it is
// shown; the control then does not get it a second time). Qt's own resize()
// and setGeometry() on a hidden control keep Qt's rule: Resize() runs when
// the control is shown.
//
// Layouts: sizeHint() is the control's natural size, the size it is created
// with (controls that size themselves, such as with AutoSize, report that
// size instead), never less than minimumSizeHint(), the least the control
// can draw in. Each control sets a size policy saying which way it may grow;
// a size given by a layout reaches Resize() like any other.
//
// A self-drawn control (TGraphicControl, TCustomControl) owns a surface, an
// image of its client size. Canvas() draws on it at any time, so a setter may
// call Paint() directly; paintEvent calls Paint() when the control was
// invalidated and then copies the surface to the screen. The canvas starts
// every paint fresh (TCanvas::Reset), as a new off-screen bitmap would.
//
// The pointer: MouseEnter and MouseLeave (OnMouseEnter, OnMouseLeave) come
// when the pointer moves onto and off the control, also while a button is
// held (Qt reports that leave only at the release). LastMousePos is the
// client point of the last mouse event, so a DblClick handler can read
// where the double click was. Hint shows as a tooltip while ShowHint is set.
//
// A control built on an inner Qt widget (THostedControl) translates that
// widget's input through the same Input... functions as a self-drawn
// control translates its own.
//
// PopupMenu: a right click or the context-menu key opens the assigned popup
// menu (with the control as its PopupComponent); without one a hosted
// widget shows its own context menu, if it has one.

#include "OrvTCanvas.h"
#include "OrvTOwnerArg.h"

#include <QPointer>
#include <QWidget>

class QContextMenuEvent;

namespace orv {

class TPopupMenu;

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, std::uint16_t& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, QChar& Key)>;
using TMouseWheelEvent = std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;

class TControl : public QWidget, public TComponent {
  Q_OBJECT
  Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)

public:
  // AOwner: the owner component or the Qt parent widget (see TOwnerArg).
  explicit TControl(TOwnerArg AOwner);
  ~TControl() override;

  QObject* AsQObject() override { return this; }

  // ---- geometry and state
  int Left() const { return x(); }
  int Top() const { return y(); }
  int Width() const { return width(); }
  int Height() const { return height(); }
  TRect ClientRect() const { return TRect(0, 0, width(), height()); }
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  void SetLeft(int Value) { SetBounds(Value, Top(), Width(), Height()); }
  void SetTop(int Value) { SetBounds(Left(), Value, Width(), Height()); }
  virtual void SetWidth(int Value) { SetBounds(Left(), Top(), Value, Height()); }
  virtual void SetHeight(int Value) { SetBounds(Left(), Top(), Width(), Value); }
  bool Enabled() const { return isEnabled(); }
  // Overrides store their own state and call this; QWidget::setEnabled lands here too.
  virtual void SetEnabled(bool Value);
  bool Visible() const { return isVisibleTo(parentWidget()) || (!parentWidget() && isVisible()); }
  void SetVisible(bool Value) { setVisible(Value); }
  bool Focused() const { return hasFocus(); }
  virtual void SetFocus();
  // Moves the focus to the next control in the tab order of the parent window.
  void SelectNext(bool GoForward = true);
  TControl* Parent() const;
  void SetParent(QWidget* AParent);
  // True once the control has been shown (its window exists).
  bool HandleAllocated() const { return FHandleAllocated; }
  // The natural size, at least minimumSizeHint(); see the class comment.
  QSize sizeHint() const override;

  TFont* Font() { return &FFont; }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value);
  QString Hint() const { return toolTip(); }
  void SetHint(const QString& Value) { setToolTip(Value); }
  // The menu a right click opens; null for none. The control does not own it
  // and forgets it when the menu is destroyed.
  TPopupMenu* PopupMenu() const;
  void SetPopupMenu(TPopupMenu* Value);

  // ---- painting
  // The surface canvas (self-drawn controls only; null otherwise).
  TCanvas* Canvas();
  // Draws the control into its surface. The default fills it with Color().
  virtual void Paint();
  // Marks the surface for repainting at the next paint event.
  void Invalidate();
  // Paints now and shows the result.
  void Repaint();
  void Refresh() { Repaint(); }

  // ---- events
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TNotifyEvent OnResize;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TMouseWheelEvent OnMouseWheel;

  // ---- hints and the pointer
  // Whether Hint shows as a tooltip (true).
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value) { FShowHint = Value; }
  // The client point of the last press, double click, move or release.
  TPoint LastMousePos() const { return FLastMousePos; }
  // Whether the pointer is on the control (between MouseEnter and MouseLeave).
  bool MouseInControl() const { return FMouseInControl; }
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  // The base versions fire OnMouseEnter and OnMouseLeave.
  virtual void MouseEnter();
  virtual void MouseLeave();

  // ---- framework methods, overridden by the controls
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void Click();
  virtual void DblClick();
  virtual void KeyDown(std::uint16_t& Key, TShiftState Shift);
  virtual void KeyUp(std::uint16_t& Key, TShiftState Shift);
  virtual void KeyPress(QChar& Key);
  // Returns whether the wheel event was handled.
  virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
  virtual void DoEnter();
  virtual void DoExit();

protected:
  // Sets the size the control is created with, which is also its natural size.
  void SetInitialSize(int AWidth, int AHeight);
  // Called once, when the control's window first exists (first shown).
  virtual void CreateWnd();
  // Called after the size changed (the surface already has the new size).
  virtual void Resize();
  // Called after the font changed (Font() or QWidget::setFont).
  virtual void FontChanged();
  // Called after Color changed; the default invalidates.
  virtual void ColorChanged();
  // Whether a left press and release inside the control call Click (on by
  // default). Controls whose Click means something else, or that call it
  // themselves from MouseUp, switch it off.
  void SetClickEvents(bool Value) { FClickEvents = Value; }
  bool WantTabs() const { return FWantTabs; }
  // Whether Tab and Shift+Tab reach KeyDown instead of moving the focus.
  void SetWantTabs(bool Value) { FWantTabs = Value; }
  // Paint overrides start with "if (!StartPaint()) return;": a control that
  // is hidden outside the form designer is not drawn now but stays
  // invalidated, to be drawn when it shows; otherwise the canvas is reset.
  bool StartPaint();
  // The pointer came onto (true) or left the control: MouseEnter or
  // MouseLeave, once each way. Qt's enter and leave events and mouse moves
  // come here; so may those of a hosted inner widget.
  void SetMouseInControl(bool Value);
  // Makes this a self-drawn control with a surface (used by the base classes).
  void SetSelfDrawn(bool Value);
  // Gives the surface an alpha channel: what Paint leaves transparent shows
  // the parent through (the control is no longer opaque). Paint starts from
  // a cleared surface then: ClearSurface makes every pixel transparent.
  void SetSurfaceAlpha(bool Value);
  bool SurfaceAlpha() const { return FSurfaceAlpha; }
  void ClearSurface();
  // Copies the painted surface to the screen; the parent is already drawn
  // below when the control is not opaque. The default draws it at (0, 0).
  virtual void PaintSurface(QPainter& Painter, const QImage& Surface);

  // ---- the translation of Qt input into the framework's methods, shared by
  // the control's own events and the events of a hosted widget. Pos is the
  // point in the control's client coordinates.
  void InputMousePress(const QMouseEvent* e, QPointF Pos);
  void InputMouseMove(const QMouseEvent* e, QPointF Pos);
  // MouseUp, then Click when the press and release of the left button were
  // inside and click events are on.
  void InputMouseRelease(const QMouseEvent* e, QPointF Pos);
  void InputMouseDoubleClick(const QMouseEvent* e, QPointF Pos);
  // Returns whether DoMouseWheel handled the turn.
  bool InputWheel(const QWheelEvent* e, QPointF Pos);
  // The result of a key press passed through KeyDown and KeyPress.
  struct TKeyInput {
    bool KeyCleared = false;  // KeyDown set a non-zero key to 0
    bool Typed = false;       // the press typed characters that went to KeyPress
    QString Chars;            // the characters KeyPress left (its #0 dropped)
  };
  // KeyDown with the virtual-key code, then KeyPress for each typed
  // character (printable, Enter, Escape, Backspace, and Tab when the control
  // takes Tab; none with Ctrl held).
  TKeyInput InputKeyPress(const QKeyEvent* e);
  // KeyUp; returns false when KeyUp set the key to 0.
  bool InputKeyRelease(const QKeyEvent* e);
  // The focus arriving runs DoEnter, leaving runs DoExit, once each: the
  // focus going to a popup (a menu, a drop-down list) or to another window
  // and coming back is no exit and enter.
  void InputFocusIn(const QFocusEvent* e);
  void InputFocusOut(const QFocusEvent* e);
  // Opens PopupMenu at the screen point Pos; false without a menu.
  bool PopupAt(QPoint Pos);

  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void changeEvent(QEvent* e) override;
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

private:
  void ResizeSurface();
  void SyncFontFromWidget();
  // Paint with a fresh canvas (the framework's own calls of Paint).
  void PaintFresh();
  // Enter and leave: from Qt, and from moves while a button is held.
  void PointerAt(const QPointF& Pos);
  bool PointerEvent(QEvent* e);
  TFont FFont;
  TColor FColor = clBtnFace;
  TCursor FCursor = crDefault;
  QSize FNaturalSize;
  QImage FSurface;
  std::unique_ptr<TCanvas> FCanvas;
  bool FSelfDrawn = false;
  bool FSurfaceAlpha = false;
  bool FInvalid = true;
  bool FInPaintEvent = false;
  bool FHandleAllocated = false;
  bool FWantTabs = false;
  bool FClickEvents = true;
  bool FMousePressed = false;
  // DoEnter ran and DoExit not yet.
  bool FEntered = false;
  bool FSyncingFont = false;
  bool FSettingEnabled = false;
  bool FShowHint = true;
  bool FMouseInControl = false;
  TPoint FLastMousePos;
  QPointer<QObject> FPopupMenu;
};

// A self-drawn control that does not take the focus.
class TGraphicControl : public TControl {
  Q_OBJECT
public:
  explicit TGraphicControl(TOwnerArg AOwner);
};

// A self-drawn control that takes the focus (click and Tab).
class TCustomControl : public TControl {
  Q_OBJECT
public:
  explicit TCustomControl(TOwnerArg AOwner);
};

}  // namespace orv
