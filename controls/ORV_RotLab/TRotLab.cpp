#include "ORV_RotLab.h"

#include <QFontMetrics>
#include <QTransform>

#include <cmath>
#include <numbers>

namespace orv {

TRotLab::TRotLab(TOwnerArg AOwner) : TCustomLabel(AOwner) {
  SetInitialSize(200, 200);
  Font()->SetName(QStringLiteral("Arial"));
  Font()->SetSize(11);
  TCustomLabel::SetAlignment(taCenter);
  SetTransparent(true);
}

void TRotLab::Redraw() {
  if (Transparent())
    Invalidate();
  else
    Repaint();
}

void TRotLab::SetTextAngle(int Value) {
  if (Value == FTextAngle) return;
  FTextAngle = Value;
  updateGeometry();
  Redraw();
}

void TRotLab::SetPosX(int Value) {
  if (Value == FPosX) return;
  if (FAutoCenter)
    AdjustAutoCenter();
  else
    FPosX = Value;
  Redraw();
}

void TRotLab::SetPosY(int Value) {
  if (Value == FPosY) return;
  if (FAutoCenter)
    AdjustAutoCenter();
  else
    FPosY = Value;
  Redraw();
}

void TRotLab::SetAutoCenter(bool Value) {
  if (Value == FAutoCenter) return;
  FAutoCenter = Value;
  if (Value) AdjustAutoCenter();
  Redraw();
}

void TRotLab::SetAlignment(TAlignment Value) {
  if (Value == Alignment()) return;
  TCustomLabel::SetAlignment(Value);
  Redraw();
}

void TRotLab::SetAntiAlias(bool Value) {
  if (Value == FAntiAlias) return;
  FAntiAlias = Value;
  Redraw();
}

void TRotLab::SetFrameStyle(TFrameStyle Value) {
  if (Value == FFrameStyle) return;
  FFrameStyle = Value;
  Redraw();
}

void TRotLab::AdjustAutoCenter() {
  FPosX = Width() / 2;
  FPosY = Height() / 2;
}

void TRotLab::ProcessResize(TObject*) {
  if (!FAutoCenter) return;
  AdjustAutoCenter();
  Redraw();
}

void TRotLab::Resize() {
  ProcessResize(this);
  TCustomLabel::Resize();
}

QSize TRotLab::sizeHint() const { return TControl::sizeHint(); }

QSize TRotLab::minimumSizeHint() const {
  const QFontMetrics fm(font());
  const QRectF text = QTransform().rotate(-FTextAngle).mapRect(QRectF(0, 0, fm.horizontalAdvance(Caption()), fm.height()));
  return QSize(int(std::ceil(text.width())) + 4, int(std::ceil(text.height())) + 4);
}

void TRotLab::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TRotLab*>(Source);
  if (!src) {
    TCustomLabel::Assign(Source);
    return;
  }
  FAutoCenter = src->FAutoCenter;
  FFrameStyle = src->FFrameStyle;
  FTextAngle = src->FTextAngle;
  FPosX = src->FPosX;
  FPosY = src->FPosY;
  FAntiAlias = src->FAntiAlias;
  Invalidate();
}

void TRotLab::AssignTo(TPersistent* Dest) {
  auto* dest = dynamic_cast<TRotLab*>(Dest);
  if (dest && metaObject()->inherits(dest->metaObject()))
    dest->Assign(this);
  else
    TCustomLabel::AssignTo(Dest);
}

TPoint TRotLab::TextOrigin(int TextWidth, int TextHeight) const {
  const double hw = TextWidth / 2, hh = TextHeight / 2;
  const double a = FTextAngle * std::numbers::pi / 180.0;
  const double s = std::sin(a), c = std::cos(a);
  double dx = -hw * c - hh * s, dy = hw * s - hh * c;  // taCenter
  if (Alignment() == taLeftJustify) {
    dx = -hh * s;
    dy = -hh * c;
  } else if (Alignment() == taRightJustify) {
    dx = -2 * hw * c - hh * s;
    dy = 2 * hw * s - hh * c;
  }
  // Halves round to even, as the offsets of the framework's rounding do.
  return TPoint(FPosX + int(std::nearbyint(dx)), FPosY + int(std::nearbyint(dy)));
}

void TRotLab::DoDrawText(TRect&, int Flags) {
  if (Flags & DT_CALCRECT) return;
  TCanvas* c = Canvas();
  c->Font()->Assign(Font());
  QFont rotated = c->Font()->Handle();
  rotated.setStyleStrategy(FAntiAlias ? QFont::PreferAntialias : QFont::NoAntialias);
  c->Font()->SetHandle(rotated);
  c->Font()->SetOrientation(FTextAngle * 10);
  c->Brush()->SetStyle(bsClear);
  const QString text = Caption();
  const TPoint o = TextOrigin(c->TextWidth(text), c->TextHeight(text));
  if (!Enabled()) {
    c->Font()->SetColor(clBtnHighlight);
    c->TextOut(o.X + 1, o.Y + 1, text);
    c->Font()->SetColor(clBtnShadow);
  }
  c->TextOut(o.X, o.Y, text);
}

void TRotLab::Paint() {
  TCustomLabel::Paint();
  DrawFrame(Canvas(), FFrameStyle, 0, 0, Width() - 1, Height() - 1, clWhite, clSilver, clGray, clBlack, clBlack);
}

}  // namespace orv
