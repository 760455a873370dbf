#include "OrvTControl.h"

#include "OrvKeyCodes.h"
#include "OrvTPopupMenu.h"
#include "OrvServices.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QWheelEvent>

#include <cmath>

namespace orv {

namespace {

TMouseButton MouseButtonFromQt(Qt::MouseButton b) {
  switch (b) {
    case Qt::RightButton: return mbRight;
    case Qt::MiddleButton: return mbMiddle;
    default: return mbLeft;
  }
}

int RoundCoord(qreal v) { return int(std::floor(v)); }

}  // namespace

TControl::TControl(TOwnerArg AOwner) : QWidget(AOwner.ParentWidget()), TComponent(AOwner.Owner()) {
  // MouseMove arrives with and without a button held, as the framework's does.
  setMouseTracking(true);
  FFont.SetHandle(font());
  FFont.OnChange = [this](TObject*) {
    if (FSyncingFont) return;
    FSyncingFont = true;
    setFont(FFont.Handle());
    FSyncingFont = false;
    FontChanged();
  };
}

TControl::~TControl() {
  // Owned components go first, while this widget is still whole.
  FFont.OnChange = nullptr;
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const QSize old = size();
  setGeometry(ALeft, ATop, std::max(0, AWidth), std::max(0, AHeight));
  // Qt holds back the resize event of a hidden widget until it is shown.
  // Deliver it now and clear the mark, so that showing does not repeat it.
  if (testAttribute(Qt::WA_PendingResizeEvent)) {
    setAttribute(Qt::WA_PendingResizeEvent, false);
    QResizeEvent e(size(), old);
    QCoreApplication::sendEvent(this, &e);
  }
}

void TControl::SetInitialSize(int AWidth, int AHeight) {
  FNaturalSize = QSize(AWidth, AHeight);
  SetBounds(Left(), Top(), AWidth, AHeight);
}

QSize TControl::sizeHint() const {
  if (!FNaturalSize.isValid()) return QWidget::sizeHint();
  return FNaturalSize.expandedTo(minimumSizeHint());
}

void TControl::SetEnabled(bool Value) {
  if (Value == isEnabled()) return;
  FSettingEnabled = true;
  setEnabled(Value);
  FSettingEnabled = false;
  Invalidate();
}

void TControl::SetFocus() { setFocus(Qt::OtherFocusReason); }

void TControl::SelectNext(bool GoForward) {
  QWidget* next = GoForward ? nextInFocusChain() : previousInFocusChain();
  while (next && next != this && !(next->isEnabled() && next->isVisible() && (next->focusPolicy() & Qt::TabFocus)))
    next = GoForward ? next->nextInFocusChain() : next->previousInFocusChain();
  if (next && next != this) next->setFocus(GoForward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

TControl* TControl::Parent() const { return dynamic_cast<TControl*>(parentWidget()); }

void TControl::SetParent(QWidget* AParent) {
  const bool wasVisible = !isHidden();
  setParent(AParent);
  if (wasVisible) show();
}

void TControl::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  ColorChanged();
}

void TControl::ColorChanged() { Invalidate(); }

TPopupMenu* TControl::PopupMenu() const { return static_cast<TPopupMenu*>(FPopupMenu.data()); }

void TControl::SetPopupMenu(TPopupMenu* Value) { FPopupMenu = Value; }

bool TControl::PopupAt(QPoint Pos) {
  TPopupMenu* menu = PopupMenu();
  if (!menu || !menu->AutoPopup()) return false;
  menu->SetPopupComponent(this);
  menu->Popup(Pos.x(), Pos.y());
  return true;
}

void TControl::SetCursor(TCursor Value) {
  FCursor = Value;
  setCursor(CursorShape(Value));
}

// ------------------------------------------------------------------ painting

void TControl::SetSelfDrawn(bool Value) {
  FSelfDrawn = Value;
  setAttribute(Qt::WA_OpaquePaintEvent, Value && !FSurfaceAlpha);
  if (Value) {
    FCanvas = std::make_unique<TCanvas>();
    ResizeSurface();
  } else {
    FCanvas.reset();
    FSurface = QImage();
  }
}

void TControl::ResizeSurface() {
  if (!FCanvas) return;
  const qreal dpr = devicePixelRatioF();
  const QSize device(std::max(1, int(std::ceil(width() * dpr))), std::max(1, int(std::ceil(height() * dpr))));
  if (FSurface.size() == device && FSurface.devicePixelRatio() == dpr) return;
  FCanvas->Flush();
  QImage next(device, FSurfaceAlpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
  next.setDevicePixelRatio(dpr);
  next.fill(FSurfaceAlpha ? QRgb(0) : ColorToQRgb(FColor));
  FSurface = std::move(next);
  FCanvas->SetImage(&FSurface);
  FInvalid = true;
}

void TControl::SetSurfaceAlpha(bool Value) {
  if (Value == FSurfaceAlpha) return;
  FSurfaceAlpha = Value;
  setAttribute(Qt::WA_OpaquePaintEvent, FSelfDrawn && !Value);
  if (FCanvas) {
    FCanvas->Flush();
    FSurface = QImage();  // made again in the new format
    ResizeSurface();
  }
  Invalidate();
}

void TControl::ClearSurface() {
  if (!FCanvas) return;
  ResizeSurface();
  FCanvas->Flush();
  FSurface.fill(FSurfaceAlpha ? QRgb(0) : ColorToQRgb(FColor));
}

void TControl::PaintSurface(QPainter& Painter, const QImage& Surface) { Painter.drawImage(0, 0, Surface); }

TCanvas* TControl::Canvas() {
  if (!FCanvas) return nullptr;
  ResizeSurface();  // a hidden widget gets its resize event only when shown
  // Whatever is drawn now has to reach the screen.
  if (!FInPaintEvent) update();
  return FCanvas.get();
}

void TControl::Paint() {
  if (TCanvas* c = Canvas()) {
    c->Brush()->SetColor(FColor);
    c->Brush()->SetStyle(bsSolid);
    c->FillRect(ClientRect());
  }
}

void TControl::Invalidate() {
  FInvalid = true;
  update();
}

void TControl::Repaint() {
  if (FSelfDrawn) {
    FInvalid = false;
    PaintFresh();
  }
  update();
}

void TControl::paintEvent(QPaintEvent*) {
  if (!FSelfDrawn) return;
  ResizeSurface();  // follows a change of the screen's pixel ratio
  FInPaintEvent = true;
  if (FInvalid) {
    FInvalid = false;
    PaintFresh();
  }
  FCanvas->Flush();
  FInPaintEvent = false;
  QPainter p(this);
  PaintSurface(p, FSurface);
}

// ------------------------------------------------------------- Qt's side

bool TControl::event(QEvent* e) {
  // Exceptions must not unwind through Qt's event dispatch.
  try {
    if (PointerEvent(e)) return true;
    if (e->type() == QEvent::KeyPress && FWantTabs) {
      auto* k = static_cast<QKeyEvent*>(e);
      if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) {
        keyPressEvent(k);
        return true;
      }
    }
    return QWidget::event(e);
  } catch (const std::exception& ex) {
    HandleException(ex);
    return true;
  }
}

void TControl::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  ResizeSurface();
  Resize();
}

void TControl::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (!FHandleAllocated) {
    FHandleAllocated = true;
    CreateWnd();
  }
  ResizeSurface();
}

void TControl::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  switch (e->type()) {
    case QEvent::EnabledChange:
      if (!FSettingEnabled) {
        SetEnabled(isEnabled());
        Invalidate();
      }
      break;
    case QEvent::FontChange:
      SyncFontFromWidget();
      break;
    case QEvent::PaletteChange:
      Invalidate();  // system colours may follow the palette
      break;
    default:
      break;
  }
}

void TControl::SyncFontFromWidget() {
  if (FSyncingFont) return;
  FSyncingFont = true;
  FFont.SetHandle(font());
  FSyncingFont = false;
  FontChanged();
}

void TControl::mousePressEvent(QMouseEvent* e) {
  if (focusPolicy() & Qt::ClickFocus) setFocus(Qt::MouseFocusReason);
  InputMousePress(e, e->position());
}

void TControl::mouseMoveEvent(QMouseEvent* e) { InputMouseMove(e, e->position()); }

void TControl::mouseReleaseEvent(QMouseEvent* e) { InputMouseRelease(e, e->position()); }

void TControl::mouseDoubleClickEvent(QMouseEvent* e) { InputMouseDoubleClick(e, e->position()); }

void TControl::wheelEvent(QWheelEvent* e) {
  if (InputWheel(e, e->position()))
    e->accept();
  else
    e->ignore();
}

void TControl::keyPressEvent(QKeyEvent* e) {
  InputKeyPress(e);
  e->accept();
}

void TControl::keyReleaseEvent(QKeyEvent* e) {
  InputKeyRelease(e);
  e->accept();
}

void TControl::focusInEvent(QFocusEvent* e) {
  QWidget::focusInEvent(e);
  InputFocusIn(e);
}

void TControl::focusOutEvent(QFocusEvent* e) {
  QWidget::focusOutEvent(e);
  InputFocusOut(e);
}

void TControl::contextMenuEvent(QContextMenuEvent* e) {
  if (!PopupAt(e->globalPos())) e->ignore();
}

// ------------------------------------------------------- input translation

void TControl::InputMousePress(const QMouseEvent* e, QPointF Pos) {
  PointerAt(Pos);
  FMousePressed = e->button() == Qt::LeftButton;
  MouseDown(MouseButtonFromQt(e->button()), ShiftStateFromQt(e->modifiers(), e->buttons()), RoundCoord(Pos.x()),
            RoundCoord(Pos.y()));
}

void TControl::InputMouseMove(const QMouseEvent* e, QPointF Pos) {
  PointerAt(Pos);
  MouseMove(ShiftStateFromQt(e->modifiers(), e->buttons()), RoundCoord(Pos.x()), RoundCoord(Pos.y()));
}

void TControl::InputMouseRelease(const QMouseEvent* e, QPointF Pos) {
  PointerAt(Pos);
  const int x = RoundCoord(Pos.x()), y = RoundCoord(Pos.y());
  const bool click = FClickEvents && FMousePressed && e->button() == Qt::LeftButton && rect().contains(x, y);
  if (e->button() == Qt::LeftButton) FMousePressed = false;
  MouseUp(MouseButtonFromQt(e->button()), ShiftStateFromQt(e->modifiers(), e->buttons()), x, y);
  if (click) Click();
}

void TControl::InputMouseDoubleClick(const QMouseEvent* e, QPointF Pos) {
  PointerAt(Pos);
  FMousePressed = e->button() == Qt::LeftButton;
  MouseDown(MouseButtonFromQt(e->button()), ShiftStateFromQt(e->modifiers(), e->buttons()).Include(ssDouble),
            RoundCoord(Pos.x()), RoundCoord(Pos.y()));
  if (e->button() == Qt::LeftButton) DblClick();
}

bool TControl::InputWheel(const QWheelEvent* e, QPointF Pos) {
  const int delta = e->angleDelta().y() != 0 ? e->angleDelta().y() : e->angleDelta().x();
  return DoMouseWheel(ShiftStateFromQt(e->modifiers(), e->buttons()), delta,
                      TPoint(RoundCoord(Pos.x()), RoundCoord(Pos.y())));
}

TControl::TKeyInput TControl::InputKeyPress(const QKeyEvent* e) {
  TKeyInput result;
  std::uint16_t key = QtKeyToVirtualKey(e->key(), e->modifiers());
  const TShiftState shift = KeyShiftState(e);
  if (key != 0) {
    KeyDown(key, shift);
    result.KeyCleared = key == 0;
  }
  const QString text = e->text();
  if (!text.isEmpty() && IsKeyPressChar(text[0], FWantTabs) && !shift.Contains(ssCtrl)) {
    result.Typed = true;
    for (QChar ch : text) {
      QChar c = ch;
      KeyPress(c);
      if (!c.isNull()) result.Chars += c;
    }
  }
  return result;
}

bool TControl::InputKeyRelease(const QKeyEvent* e) {
  std::uint16_t key = QtKeyToVirtualKey(e->key(), e->modifiers());
  if (key == 0) return true;
  KeyUp(key, KeyShiftState(e));
  return key != 0;
}

void TControl::InputFocusIn(const QFocusEvent*) {
  if (FEntered) return;
  FEntered = true;
  DoEnter();
}

void TControl::InputFocusOut(const QFocusEvent* e) {
  if (!FEntered || e->reason() == Qt::PopupFocusReason || e->reason() == Qt::ActiveWindowFocusReason) return;
  FEntered = false;
  DoExit();
}

// ------------------------------------------------- framework's virtual methods

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::KeyDown(std::uint16_t& Key, TShiftState Shift) {
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TControl::KeyUp(std::uint16_t& Key, TShiftState Shift) {
  if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

void TControl::KeyPress(QChar& Key) {
  if (OnKeyPress) OnKeyPress(this, Key);
}

bool TControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheel) OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
  return handled;
}

void TControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TControl::DoExit() {
  if (OnExit) OnExit(this);
}

void TControl::CreateWnd() {}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

void TControl::FontChanged() { Invalidate(); }

// ------------------------------------------------------------- base classes

TGraphicControl::TGraphicControl(TOwnerArg AOwner) : TControl(AOwner) {
  SetSelfDrawn(true);
  setFocusPolicy(Qt::NoFocus);
}

TCustomControl::TCustomControl(TOwnerArg AOwner) : TControl(AOwner) {
  SetSelfDrawn(true);
  setFocusPolicy(Qt::StrongFocus);
}

}  // namespace orv
