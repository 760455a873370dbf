#include "OrvTSpeedButton.h"

#include "OrvTBitmap.h"

namespace orv {

namespace {

// One-pixel edge: top and left in TopLeft, bottom and right in BottomRight.
void Edge(TCanvas* C, const TRect& R, TColor TopLeft, TColor BottomRight) {
  C->Brush()->SetStyle(bsSolid);
  C->Brush()->SetColor(TopLeft);
  C->FillRect(TRect(R.Left, R.Top, R.Right - 1, R.Top + 1));
  C->FillRect(TRect(R.Left, R.Top, R.Left + 1, R.Bottom - 1));
  C->Brush()->SetColor(BottomRight);
  C->FillRect(TRect(R.Left, R.Bottom - 1, R.Right, R.Bottom));
  C->FillRect(TRect(R.Right - 1, R.Top, R.Right, R.Bottom - 1));
}

// The picture embossed in grey, as a disabled button shows it: its dark
// pixels (neither white nor transparent) in the button highlight one pixel
// right and down, then in the button shadow.
QImage Embossed(const QImage& Picture, QRgb Transparent) {
  QImage out(Picture.size(), QImage::Format_ARGB32);
  out.fill(Qt::transparent);
  const QRgb highlight = ColorToQRgb(clBtnHighlight), shadow = ColorToQRgb(clBtnShadow);
  for (int pass = 0; pass < 2; ++pass) {
    const int d = pass == 0 ? 1 : 0;
    for (int y = 0; y + d < Picture.height(); ++y)
      for (int x = 0; x + d < Picture.width(); ++x) {
        const QRgb p = Picture.pixel(x, y) & 0x00FFFFFF;
        if (p != (Transparent & 0x00FFFFFF) && p != 0x00FFFFFF)
          out.setPixel(x + d, y + d, pass == 0 ? highlight : shadow);
      }
  }
  return out;
}

}  // namespace

TSpeedButton::TSpeedButton(TOwnerArg AOwner) : TGraphicControl(AOwner), FGlyph(std::make_unique<TBitmap>()) {
  // Click runs from MouseUp, as the button decides.
  SetClickEvents(false);
  resize(23, 22);
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetCaption(const QString& Value) {
  if (Value == FCaption) return;
  FCaption = Value;
  Invalidate();
}

void TSpeedButton::SetDown(bool Value) {
  if (FGroupIndex == 0) Value = false;
  if (Value == FDown) return;
  if (FDown && !FAllowAllUp) return;
  FDown = Value;
  Invalidate();
  if (Value) UpdateExclusive();
}

void TSpeedButton::SetGroupIndex(int Value) {
  if (Value == FGroupIndex) return;
  FGroupIndex = Value;
  UpdateExclusive();
}

void TSpeedButton::SetAllowAllUp(bool Value) {
  if (Value == FAllowAllUp) return;
  FAllowAllUp = Value;
  UpdateExclusive();
}

void TSpeedButton::SetFlat(bool Value) {
  if (Value == FFlat) return;
  FFlat = Value;
  Invalidate();
}

void TSpeedButton::SetGlyph(TBitmap* Value) {
  if (Value)
    FGlyph->Assign(Value);
  else
    FGlyph->SetSize(0, 0);
  Invalidate();
}

void TSpeedButton::SetNumGlyphs(int Value) {
  FNumGlyphs = std::clamp(Value, 1, 4);
  Invalidate();
}

void TSpeedButton::SetSpacing(int Value) {
  if (Value == FSpacing) return;
  FSpacing = Value;
  Invalidate();
}

void TSpeedButton::UpdateExclusive() {
  if (FGroupIndex == 0 || !parentWidget()) return;
  for (auto* other : parentWidget()->findChildren<TSpeedButton*>(Qt::FindDirectChildrenOnly)) {
    if (other == this || other->FGroupIndex != FGroupIndex) continue;
    if (FDown && other->FDown) {
      other->FDown = false;
      other->Invalidate();
    }
    other->FAllowAllUp = FAllowAllUp;
  }
}

TButtonState TSpeedButton::State() const {
  if (!Enabled()) return bsDisabled;
  if (FDown) return bsExclusive;
  return FDragging && FPressed ? bsDown : bsUp;
}

QSize TSpeedButton::GlyphSize() const {
  if (FGlyph->Empty()) return QSize();
  return QSize(FGlyph->Width() / FNumGlyphs, FGlyph->Height());
}

void TSpeedButton::ContentPositions(QSize TextSize, TPoint& GlyphPos, TPoint& TextPos) const {
  const QSize glyph = GlyphSize();
  const int spacing = !glyph.isEmpty() && TextSize.width() > 0 ? FSpacing : 0;
  const int left = (Width() - glyph.width() - spacing - TextSize.width()) / 2;
  const int shift = State() == bsDown || State() == bsExclusive ? 1 : 0;
  GlyphPos = TPoint(left + shift, (Height() - glyph.height()) / 2 + shift);
  TextPos = TPoint(left + glyph.width() + spacing + shift, (Height() - TextSize.height()) / 2 + shift);
}

std::unique_ptr<TBitmap> TSpeedButton::StateGlyph() const {
  const QSize size = GlyphSize();
  if (size.isEmpty()) return nullptr;
  const TButtonState state = State();
  const int index = int(state) < FNumGlyphs ? int(state) : 0;
  const QImage picture = FGlyph->Image().copy(index * size.width(), 0, size.width(), size.height());
  auto bitmap = std::make_unique<TBitmap>();
  if (state == bsDisabled && index == 0) {
    bitmap->SetImage(Embossed(picture, ColorToQRgb(FGlyph->TransparentColor())));
  } else {
    bitmap->SetImage(picture);
    bitmap->SetTransparent(true);
    bitmap->SetTransparentColor(FGlyph->TransparentColor());
  }
  return bitmap;
}

void TSpeedButton::DrawFrame(TCanvas* C, bool Sunken, bool Thin) const {
  const TRect r = ClientRect();
  const TRect inner(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
  if (Thin) {
    Edge(C, r, Sunken ? clBtnShadow : clBtnHighlight, Sunken ? clBtnHighlight : clBtnShadow);
  } else if (Sunken) {
    Edge(C, r, clBtnShadow, clBtnHighlight);
    Edge(C, inner, cl3DDkShadow, cl3DLight);
  } else {
    Edge(C, r, cl3DLight, cl3DDkShadow);
    Edge(C, inner, clBtnHighlight, clBtnShadow);
  }
}

void TSpeedButton::Paint() {
  TCanvas* c = Canvas();
  const TButtonState state = State();
  const bool sunken = state == bsDown || state == bsExclusive;
  const bool hot = FHot && Enabled();
  if (state == bsExclusive && !(FFlat && hot)) {
    // The checkered face of a button that stays down.
    QImage tile(2, 2, QImage::Format_RGB32);
    const QRgb face = ColorToQRgb(Color()), light = ColorToQRgb(clBtnHighlight);
    tile.setPixel(0, 0, face);
    tile.setPixel(1, 1, face);
    tile.setPixel(1, 0, light);
    tile.setPixel(0, 1, light);
    c->FillTiled(ClientRect(), tile, 0, 0);
  } else {
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    c->FillRect(ClientRect());
  }
  if (!FFlat || sunken || hot) DrawFrame(c, sunken, FFlat);

  c->Font()->Assign(Font());
  const QSize text = FCaption.isEmpty() ? QSize() : QSize(c->TextWidth(FCaption), c->TextHeight(FCaption));
  TPoint glyphPos, textPos;
  ContentPositions(text, glyphPos, textPos);
  if (auto glyph = StateGlyph()) c->Draw(glyphPos.X, glyphPos.Y, glyph.get());
  if (FCaption.isEmpty()) return;
  c->Brush()->SetStyle(bsClear);
  if (state == bsDisabled) {
    c->Font()->SetColor(clBtnHighlight);
    c->TextOut(textPos.X + 1, textPos.Y + 1, FCaption);
    c->Font()->SetColor(clBtnShadow);
  }
  c->TextOut(textPos.X, textPos.Y, FCaption);
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !Enabled()) return;
  FDragging = true;
  FPressed = true;
  Invalidate();
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (!FDragging) return;
  const bool inside = ClientRect().Contains(TPoint(X, Y));
  if (inside == FPressed) return;
  FPressed = inside;
  Invalidate();
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft || !FDragging) return;
  FDragging = false;
  FPressed = false;
  const bool click = ClientRect().Contains(TPoint(X, Y));
  if (click && FGroupIndex != 0) SetDown(!FDown);
  Invalidate();
  if (click) Click();
}

void TSpeedButton::SetEnabled(bool Value) {
  if (!Value) FDragging = FPressed = false;
  TGraphicControl::SetEnabled(Value);
}

void TSpeedButton::enterEvent(QEnterEvent* e) {
  TGraphicControl::enterEvent(e);
  FHot = true;
  if (FFlat) Invalidate();
}

void TSpeedButton::leaveEvent(QEvent* e) {
  TGraphicControl::leaveEvent(e);
  FHot = false;
  if (FFlat) Invalidate();
}

}  // namespace orv
