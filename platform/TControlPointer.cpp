// TControl: the pointer entering and leaving, hints, and the start of a paint.
#include "OrvTControl.h"

#include <QEvent>

#include <cmath>

namespace orv {

void TControl::MouseEnter() {
  if (OnMouseEnter) OnMouseEnter(this);
}

void TControl::MouseLeave() {
  if (OnMouseLeave) OnMouseLeave(this);
}

void TControl::SetMouseInControl(bool Value) {
  if (Value == FMouseInControl) return;
  FMouseInControl = Value;
  if (Value) MouseEnter();
  else MouseLeave();
}

void TControl::PointerAt(const QPointF& Pos) {
  FLastMousePos = TPoint(int(std::floor(Pos.x())), int(std::floor(Pos.y())));
  // While a button is held Qt sends mouse events here, wherever the pointer
  // is, and holds its leave and enter events back until the release.
  SetMouseInControl(rect().contains(FLastMousePos));
}

bool TControl::PointerEvent(QEvent* e) {
  switch (e->type()) {
    case QEvent::Enter:
      SetMouseInControl(true);
      return false;
    case QEvent::Leave:
      SetMouseInControl(false);
      return false;
    case QEvent::ToolTip:
      if (FShowHint) return false;
      e->accept();  // no tooltip, and none of the parent's either
      return true;
    default:
      return false;
  }
}

bool TControl::StartPaint() {
  if (!Visible() && !ComponentState().Contains(csDesigning)) {
    Invalidate();  // drawn when it shows
    return false;
  }
  if (FCanvas) FCanvas->Reset();
  return true;
}

void TControl::PaintFresh() {
  if (FCanvas) FCanvas->Reset();
  Paint();
}

}  // namespace orv
