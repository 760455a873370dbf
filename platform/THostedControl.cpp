#include "OrvTHostedControl.h"

#include "OrvServices.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>

#include <algorithm>

namespace orv {

namespace {
constexpr TColor kHostedColor = clWindow;
constexpr TColor kHostedFontColor = clWindowText;
}  // namespace

THostedControl::THostedControl(TOwnerArg AOwner) : TControl(AOwner) {
  SetColor(kHostedColor);
  setFocusPolicy(Qt::StrongFocus);
}

void THostedControl::SetHostedWidget(QWidget* Inner) {
  FInner = Inner;
  Inner->setGeometry(rect());
  setFocusProxy(Inner);
  HostInput(Inner);
  UpdatePalette();
}

bool THostedControl::IsPart(const QObject* Object) const {
  return std::any_of(FParts.begin(), FParts.end(), [&](const QPointer<QWidget>& p) { return p == Object; });
}

void THostedControl::HostInput(QWidget* Part) {
  if (IsPart(Part)) return;
  FParts.append(Part);
  Part->setMouseTracking(true);
  // A part inside the inner widget keeps the mouse events it leaves unhandled,
  // so that they are not translated a second time on their way up.
  if (Part != FInner) Part->setAttribute(Qt::WA_NoMousePropagation);
  Part->installEventFilter(this);
}

bool THostedControl::eventFilter(QObject* Watched, QEvent* Event) {
  if (!IsPart(Watched)) return TControl::eventFilter(Watched, Event);
  // Exceptions must not unwind through Qt's event dispatch.
  try {
    return HostEvent(static_cast<QWidget*>(Watched), Event);
  } catch (const std::exception& ex) {
    HandleException(ex);
    return true;
  }
}

bool THostedControl::HostEvent(QWidget* Part, QEvent* e) {
  const auto pos = [&](const QPointF& p) { return Part->mapTo(this, p); };
  switch (e->type()) {
    case QEvent::KeyPress:
      return HostKeyPress(Part, static_cast<QKeyEvent*>(e));
    case QEvent::KeyRelease:
      return !FResending && !InputKeyRelease(static_cast<QKeyEvent*>(e));
    case QEvent::MouseButtonPress: {
      auto* m = static_cast<QMouseEvent*>(e);
      InputMousePress(m, pos(m->position()));
      return false;
    }
    case QEvent::MouseMove: {
      auto* m = static_cast<QMouseEvent*>(e);
      InputMouseMove(m, pos(m->position()));
      return false;
    }
    case QEvent::MouseButtonRelease: {
      auto* m = static_cast<QMouseEvent*>(e);
      InputMouseRelease(m, pos(m->position()));
      return false;
    }
    case QEvent::MouseButtonDblClick: {
      auto* m = static_cast<QMouseEvent*>(e);
      InputMouseDoubleClick(m, pos(m->position()));
      return false;
    }
    case QEvent::Wheel: {
      auto* w = static_cast<QWheelEvent*>(e);
      return InputWheel(w, pos(w->position()));
    }
    case QEvent::FocusIn:
      InputFocusIn(static_cast<QFocusEvent*>(e));
      return false;
    case QEvent::FocusOut: {
      // Focus moving between parts of the inner widget stays inside the control.
      QWidget* focus = QApplication::focusWidget();
      if (!(focus && isAncestorOf(focus))) InputFocusOut(static_cast<QFocusEvent*>(e));
      return false;
    }
    case QEvent::ContextMenu:
      return PopupAt(static_cast<QContextMenuEvent*>(e)->globalPos());
    default:
      return false;
  }
}

bool THostedControl::HostKeyPress(QWidget* Part, QKeyEvent* e) {
  if (FResending) return false;
  const bool tab = e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab;
  // Without WantTabs, Tab moves the focus before a control sees it.
  if (tab && !WantTabs() && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) return false;
  const TKeyInput input = InputKeyPress(e);
  const bool charsChanged = input.Typed && input.Chars != e->text();
  if (!input.KeyCleared && !charsChanged) return false;
  if (!input.Chars.isEmpty()) {
    // The characters KeyPress left are typed, without the key's own handling.
    QKeyEvent typed(QEvent::KeyPress, 0, Qt::NoModifier, input.Chars);
    FResending = true;
    QCoreApplication::sendEvent(Part, &typed);
    FResending = false;
  }
  return true;
}

void THostedControl::resizeEvent(QResizeEvent* e) {
  // The inner widget covers the control, whatever its own size preferences.
  if (FInner) FInner->setGeometry(rect());
  TControl::resizeEvent(e);
}

void THostedControl::ColorChanged() {
  UpdatePalette();
  TControl::ColorChanged();
}

void THostedControl::FontChanged() {
  UpdatePalette();
  TControl::FontChanged();
}

void THostedControl::UpdatePalette() {
  if (!FInner) return;
  // A default palette with no roles set inherits every colour from the parent.
  QPalette pal;
  if (Color() != kHostedColor) pal.setColor(QPalette::Base, QColor(ColorToQRgb(Color())));
  if (Font()->Color() != kHostedFontColor) {
    const QColor text(ColorToQRgb(Font()->Color()));
    pal.setColor(QPalette::Text, text);
    pal.setColor(QPalette::ButtonText, text);
    pal.setColor(QPalette::WindowText, text);
  }
  FInner->setPalette(pal);
}

void THostedControl::mousePressEvent(QMouseEvent* e) { e->accept(); }
void THostedControl::mouseMoveEvent(QMouseEvent* e) { e->accept(); }
void THostedControl::mouseReleaseEvent(QMouseEvent* e) { e->accept(); }
void THostedControl::mouseDoubleClickEvent(QMouseEvent* e) { e->accept(); }
void THostedControl::wheelEvent(QWheelEvent* e) { e->ignore(); }
void THostedControl::keyPressEvent(QKeyEvent* e) { e->accept(); }
void THostedControl::keyReleaseEvent(QKeyEvent* e) { e->accept(); }
void THostedControl::focusInEvent(QFocusEvent* e) { QWidget::focusInEvent(e); }
void THostedControl::focusOutEvent(QFocusEvent* e) { QWidget::focusOutEvent(e); }
void THostedControl::contextMenuEvent(QContextMenuEvent* e) { e->ignore(); }

}  // namespace orv
