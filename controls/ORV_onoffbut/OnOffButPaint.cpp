// TOnOffBut: text positions and painting.
#include "ORV_onoffbut.h"

namespace orv {

// ------------------------------------------------------------------ geometry

TRect TOnOffBut::GlyphRect() const {
  return TRect(FLeftSpace + 1, FTopSpace + 1, FLeftSpace + 1 + FGlyphWidth, FTopSpace + 1 + FGlyphHeight);
}

TPoint TOnOffBut::LeftTextPos(int TextWidth, int TextHeight) const {
  const int y = FTopSpace + (FGlyphHeight - TextHeight) / 2;
  switch (FLeftTextAlignment) {
    case taLeftJustify: return TPoint(4, y);
    case taCenter: return TPoint((FLeftSpace - TextWidth) / 2, y);
    case taRightJustify: break;
  }
  return TPoint(FLeftSpace - TextWidth - 3, y);
}

TPoint TOnOffBut::RightTextPos(int TextWidth, int TextHeight) const {
  const int y = FTopSpace + (FGlyphHeight - TextHeight) / 2;
  const int glyphEnd = FLeftSpace + FGlyphWidth;
  switch (FRightTextAlignment) {
    case taRightJustify: return TPoint(Width() - TextWidth - 4, y);
    case taCenter: return TPoint((Width() - TextWidth - glyphEnd) / 2 + glyphEnd + 1, y);
    case taLeftJustify: break;
  }
  return TPoint(glyphEnd + 4, y);
}

namespace {

// Top and bottom texts share their horizontal placement.
int TopBottomX(TAlignment Alignment, int TextWidth, int ControlWidth, int LeftSpace, int GlyphWidth) {
  switch (Alignment) {
    case taLeftJustify: return 4;
    case taRightJustify: return ControlWidth - TextWidth - 4;
    case taCenter: break;
  }
  return LeftSpace + (GlyphWidth - TextWidth) / 2;
}

}  // namespace

TPoint TOnOffBut::TopTextPos(int TextWidth, int TextHeight) const {
  return TPoint(TopBottomX(FTopTextAlignment, TextWidth, Width(), FLeftSpace, FGlyphWidth),
                FTopSpace - TextHeight - 4);
}

TPoint TOnOffBut::BottomTextPos(int TextWidth, int) const {
  return TPoint(TopBottomX(FBottomTextAlignment, TextWidth, Width(), FLeftSpace, FGlyphWidth),
                FTopSpace + FGlyphHeight + 4);
}

// ------------------------------------------------------------------ painting

// The text on the picture, and in black on the mask where it covers.
void TOnOffBut::DrawText(TCanvas* Picture, TCanvas* Mask, TPoint At, const QString& Text) {
  if (Text.isEmpty()) return;
  if (Enabled()) {
    Picture->Font()->SetColor(FColorText);
    Picture->TextOut(At.X, At.Y, Text);
    Mask->TextOut(At.X, At.Y, Text);
    return;
  }
  // Engraved: a white copy one pixel right and down under the grey text.
  Picture->Brush()->SetStyle(bsClear);
  Mask->Brush()->SetStyle(bsClear);
  Picture->Font()->SetColor(clWhite);
  Picture->TextOut(At.X + 1, At.Y + 1, Text);
  Mask->TextOut(At.X + 1, At.Y + 1, Text);
  Picture->Font()->SetColor(RGB(128, 128, 128));
  Picture->TextOut(At.X, At.Y, Text);
  Mask->TextOut(At.X, At.Y, Text);
  Picture->Brush()->SetStyle(bsSolid);
  Mask->Brush()->SetStyle(bsSolid);
}

// The picture and its mask (white where the parent shows through) are drawn
// side by side; opaque, the picture is copied; transparent, the mask is ANDed
// onto the cleared surface and the picture ORed over it, with black wherever
// the parent is to show.
void TOnOffBut::Paint() {
  if (!StartPaint()) return;
  const int w = Width(), h = Height();
  TBitmap picture(w, h), mask(w, h);
  picture.SetDevicePixelRatio(devicePixelRatioF());
  mask.SetDevicePixelRatio(devicePixelRatioF());
  TCanvas* p = picture.Canvas();
  TCanvas* m = mask.Canvas();
  const TColor background = FTransparent ? clBlack : FColorBackgnd;
  p->Font()->Assign(Font());
  m->Font()->Assign(Font());
  m->Font()->SetColor(clBlack);
  p->Brush()->SetColor(background);
  p->FillRect(TRect(0, 0, w, h));
  m->Brush()->SetColor(clWhite);
  m->FillRect(TRect(0, 0, w, h));

  const int th = p->TextHeight(QStringLiteral("(8g]}ÜÄ§"));
  auto text = [&](const QString& Text, TPoint (TOnOffBut::*Pos)(int, int) const) {
    if (!Text.isEmpty()) DrawText(p, m, (this->*Pos)(p->TextWidth(Text), th), Text);
  };
  text(FLeftText, &TOnOffBut::LeftTextPos);
  text(FRightText, &TOnOffBut::RightTextPos);
  text(FTopText, &TOnOffBut::TopTextPos);
  text(FBottomText, &TOnOffBut::BottomTextPos);

  // The glyph: its key-colour pixels show the background, the others are
  // black on the mask.
  const TRect g = GlyphRect();
  TBitmap* frame = GlyphFrame(FOnOff, Enabled());  // drawn without its key colour (see KeyOut)
  TBitmap frameMask;
  frameMask.Assign(frame);
  frameMask.Mask(OnOffButKeyColor);
  frameMask.SetTransparent(false);
  p->FillRect(g);
  p->Draw(g.Left, g.Top, frame);
  m->Draw(g.Left, g.Top, &frameMask);

  DrawFrame(p, FFrameStyle, 0, 0, w - 1, h - 1, clWhite, RGB(192, 192, 192), RGB(128, 128, 128), clBlack, clBlack);
  DrawFrame(m, FFrameStyle, 0, 0, w - 1, h - 1, clBlack, clBlack, clBlack, clBlack, clBlack);

  TCanvas* c = Canvas();
  if (!FTransparent) {
    c->Draw(0, 0, &picture);
  } else {
    ClearSurface();
    c->SetCopyMode(cmSrcAnd);
    c->Draw(0, 0, &mask);
    c->SetCopyMode(cmSrcPaint);
    c->Draw(0, 0, &picture);
    c->SetCopyMode(cmSrcCopy);
  }
}

}  // namespace orv
