#include "OrvTCustomLabel.h"

namespace orv {

TCustomLabel::TCustomLabel(TOwnerArg AOwner) : TGraphicControl(AOwner) {}

void TCustomLabel::SetCaption(const QString& Value) {
  if (Value == FCaption) return;
  FCaption = Value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetTransparent(bool Value) {
  if (Value == FTransparent) return;
  FTransparent = Value;
  SetSurfaceAlpha(Value);
  Invalidate();
}

void TCustomLabel::SetAutoSize(bool Value) {
  if (Value == FAutoSize) return;
  FAutoSize = Value;
  AdjustBounds();
}

void TCustomLabel::SetAlignment(TAlignment Value) {
  if (Value == FAlignment) return;
  FAlignment = Value;
  Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout Value) {
  if (Value == FLayout) return;
  FLayout = Value;
  Invalidate();
}

int TCustomLabel::DrawTextFlags() const {
  int flags = DT_EXPANDTABS | DT_NOPREFIX;
  if (FAlignment == taCenter) flags |= DT_CENTER;
  if (FAlignment == taRightJustify) flags |= DT_RIGHT;
  if (FLayout == tlCenter) flags |= DT_VCENTER;
  if (FLayout == tlBottom) flags |= DT_BOTTOM;
  return flags;
}

void TCustomLabel::DoDrawText(TRect& Rect, int Flags) {
  TCanvas* c = Canvas();
  c->Font()->Assign(Font());
  const QStringList lines = FCaption.split(QLatin1Char('\n'));
  const int lineHeight = c->TextHeight(QStringLiteral("Ag"));
  if (Flags & DT_CALCRECT) {
    int w = 0;
    for (const QString& line : lines) w = std::max(w, c->TextWidth(line));
    Rect.Right = Rect.Left + w;
    Rect.Bottom = Rect.Top + lineHeight * int(lines.size());
    return;
  }
  c->Brush()->SetStyle(bsClear);
  const auto write = [&](int dx, int dy) {
    c->SetClipRect(TRect(Rect.Left + dx, Rect.Top + dy, Rect.Right + dx, Rect.Bottom + dy));
    int y = Rect.Top + dy;
    for (const QString& line : lines) {
      const int w = c->TextWidth(line);
      int x = Rect.Left;
      if (Flags & DT_CENTER) x = Rect.Left + (Rect.Width() - w) / 2;
      if (Flags & DT_RIGHT) x = Rect.Right - w;
      c->TextOut(x + dx, y, line);
      y += lineHeight;
    }
    c->SetClipRect(TRect());
  };
  if (!Enabled()) {
    c->Font()->SetColor(clBtnHighlight);
    write(1, 1);
    c->Font()->SetColor(clBtnShadow);
  }
  write(0, 0);
}

void TCustomLabel::Paint() {
  TCanvas* c = Canvas();
  if (FTransparent) {
    ClearSurface();
  } else {
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    c->FillRect(ClientRect());
  }
  TRect r = ClientRect();
  const int flags = DrawTextFlags();
  if (FLayout != tlTop) {
    TRect calc = r;
    DoDrawText(calc, flags | DT_CALCRECT);
    const int free = Height() - calc.Height();
    r.Top += FLayout == tlBottom ? free : free / 2;
  }
  DoDrawText(r, flags);
}

void TCustomLabel::AdjustBounds() {
  if (!FAutoSize || ComponentState().Contains(csLoading)) return;
  TRect r = ClientRect();
  DoDrawText(r, DrawTextFlags() | DT_CALCRECT);
  FTextSize = QSize(r.Width(), r.Height());
  updateGeometry();
  const int left = FAlignment == taRightJustify ? Left() + Width() - r.Width() : Left();
  SetBounds(left, Top(), r.Width(), r.Height());
}

QSize TCustomLabel::sizeHint() const {
  return FAutoSize && FTextSize.isValid() ? FTextSize : TGraphicControl::sizeHint();
}

QSize TCustomLabel::minimumSizeHint() const { return FAutoSize ? FTextSize : TGraphicControl::minimumSizeHint(); }

void TCustomLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TCustomLabel::FontChanged() {
  AdjustBounds();
  TGraphicControl::FontChanged();
}

}  // namespace orv
