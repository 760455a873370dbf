// TOnOffBut: glyphs, settings, groups and the mouse. Painting is in OnOffButPaint.cpp.
#include "ORV_onoffbut.h"

#include <algorithm>

namespace orv {

namespace {

// The strip resource of each built-in style, in the order of TOnOffButStyle
// (oobsUser has none).
const char* const StripNames[] = {
    nullptr,       "CHECKBOX",   "RADIOBUT",   "SLIDETOPBOT", "SLIDELFTRGT", "COLSLIDETB", "COLSLIDELR",
    "LEDREDGREEN", "ARROWTR",    "ARROWUD",    "ARROWLR",     "TRAFFICLGT",  "BEVELEDLED", "SMILEYS",
    "SMILEYRG",    "BULB",       "BUTLAMP",    "HDLEFT",      "HDRIGHT",     "USER1",      "USER2",
    "USER3",       "USER4",      "USER5"};
static_assert(std::size(StripNames) == oobsUser5 + 1);

}  // namespace

TOnOffBut::TOnOffBut(TOwnerArg AOwner) : TGraphicControl(AOwner) {
  DrawUserFrames();
  LoadGlyphs();
  SetInitialSize(100, 50);
}

// On: a circle; off: a cross of the diagonals; disabled: blank. The rest of
// each 20 x 20 frame is the key colour.
void TOnOffBut::DrawUserFrames() {
  for (TBitmap& frame : FUserImg) {
    frame.SetSize(20, 20);
    frame.Canvas()->Brush()->SetColor(OnOffButKeyColor);
    frame.Canvas()->FillRect(TRect(0, 0, 20, 20));
  }
  TCanvas* on = FUserImg[std::size_t(FrameIndex(true, true))].Canvas();
  on->Brush()->SetStyle(bsClear);
  on->Ellipse(5, 5, 15, 15);
  TCanvas* off = FUserImg[std::size_t(FrameIndex(false, true))].Canvas();
  off->MoveTo(0, 0);
  off->LineTo(20, 20);
  off->MoveTo(19, 0);
  off->LineTo(-1, 20);
  KeyOut(FUserImg);
}

// ------------------------------------------------------------------ glyphs

void TOnOffBut::CutStrip(const QImage& Strip, std::array<TBitmap, 4>& Frames) {
  const int w = Strip.width() / 2, h = Strip.height() / 2;
  Frames[std::size_t(FrameIndex(true, true))].SetImage(Strip.copy(0, 0, w, h));
  Frames[std::size_t(FrameIndex(false, true))].SetImage(Strip.copy(w, 0, w, h));
  Frames[std::size_t(FrameIndex(true, false))].SetImage(Strip.copy(0, h, w, h));
  Frames[std::size_t(FrameIndex(false, false))].SetImage(Strip.copy(w, h, w, h));
  KeyOut(Frames);
}

void TOnOffBut::KeyOut(std::array<TBitmap, 4>& Frames) {
  for (TBitmap& frame : Frames) {
    frame.SetTransparent(true);
    frame.SetTransparentColor(OnOffButKeyColor);
  }
}

void TOnOffBut::LoadGlyphs() {
  if (FButtonStyle == oobsUser) {
    for (std::size_t i = 0; i < FButImg.size(); ++i) FButImg[i].Assign(&FUserImg[i]);
  } else {
    TBitmap strip;
    strip.LoadFromResourceName(QString::fromLatin1(StripNames[FButtonStyle]));
    CutStrip(strip.Image(), FButImg);
  }
  FGlyphWidth = FButImg[0].Width();
  FGlyphHeight = FButImg[0].Height();
}

void TOnOffBut::SetButtonStyle(TOnOffButStyle Value) {
  if (Value == FButtonStyle) return;
  const TOnOffButStyle old = FButtonStyle;
  FButtonStyle = Value;
  try {
    LoadGlyphs();
  } catch (...) {
    FButtonStyle = old;  // the frames are only replaced once the strip was read
    throw;
  }
  if (FAutoCenter) Center();
  updateGeometry();
  Invalidate();
}

void TOnOffBut::SetUserGlyph(TBitmap* Img) {
  if (!Img || Img->Width() < 2 || Img->Height() < 2) return;
  CutStrip(Img->Image(), FUserImg);
  if (FButtonStyle != oobsUser) return;
  LoadGlyphs();
  if (FAutoCenter) Center();
  updateGeometry();
  Invalidate();
}

void TOnOffBut::LoadUserGlyph(const QString& FName) {
  TBitmap picture;
  picture.LoadFromFile(FName);
  SetUserGlyph(&picture);
}

// ------------------------------------------------------------------ switching

void TOnOffBut::SetOnOff(bool Value) {
  if (Value == FOnOff) return;
  if (!Value && FGroupIndex != 0 && !FAllowAllOff) return;
  FOnOff = Value;
  Repaint();
  if (FOnOff) UpdateExclusive();
}

void TOnOffBut::UpdateExclusive() {
  if (FGroupIndex == 0 || !parentWidget()) return;
  for (QObject* child : parentWidget()->children())
    if (auto* other = qobject_cast<TOnOffBut*>(child)) other->ButtonPressed(FGroupIndex, this);
}

void TOnOffBut::ButtonPressed(int Group, const TOnOffBut* Sender) {
  if (Sender == this || FGroupIndex < 0 || FGroupIndex != Group) return;
  if (Sender->FOnOff && FOnOff) {
    FOnOff = false;
    Repaint();
  }
  FAllowAllOff = Sender->FAllowAllOff;
}

void TOnOffBut::SetGroupIndex(int Value) {
  if (Value == FGroupIndex) return;
  FGroupIndex = Value;
  UpdateExclusive();
}

void TOnOffBut::SetAllowAllOff(bool Value) {
  if (Value == FAllowAllOff) return;
  FAllowAllOff = Value;
  UpdateExclusive();
}

void TOnOffBut::SetMode(TOOButMode Value) {
  FMode = Value;
  if (Value == oobmSpeedBut) FOnOff = false;
  Invalidate();
}

void TOnOffBut::SetMouseAction(TOOButMouseAction Value) {
  if (Value == FMouseAction) return;
  FMouseAction = Value;
  Invalidate();
}

// ------------------------------------------------------------------ mouse

bool TOnOffBut::InMouseArea(int X, int Y) const {
  switch (FMouseAction) {
    case oomaNone: return false;
    case oomaPlain: return true;
    case oomaFocused: break;
  }
  return FLeftSpace < X && X < FLeftSpace + FGlyphWidth && FTopSpace < Y && Y < FTopSpace + FGlyphHeight;
}

void TOnOffBut::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !InMouseArea(X, Y)) return;
  if (FGroupIndex != 0 && !FAllowAllOff && FOnOff) return;
  FOnOff = !FOnOff;
  Repaint();
  if (FOnOff) UpdateExclusive();
}

void TOnOffBut::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft || !InMouseArea(X, Y)) return;
  if (FMode == oobmSpeedBut) {
    FOnOff = false;
    Repaint();
  }
  if (OnClick) OnClick(this);
}

void TOnOffBut::Click() {}

// ------------------------------------------------------------------ layout

void TOnOffBut::Center() {
  FLeftSpace = (Width() - FGlyphWidth) / 2;
  FTopSpace = (Height() - FGlyphHeight) / 2;
}

void TOnOffBut::SetAutoCenter(bool Value) {
  if (Value == FAutoCenter) return;
  FAutoCenter = Value;
  if (Value) Center();
  Invalidate();
}

void TOnOffBut::SetLeftSpace(int Value) {
  if (Value < 0 || Value == FLeftSpace) return;
  if (FAutoCenter)
    Center();
  else
    FLeftSpace = std::min(Value, Width());
  Invalidate();
}

void TOnOffBut::SetTopSpace(int Value) {
  if (Value < 0 || Value == FTopSpace) return;
  if (FAutoCenter)
    Center();
  else
    FTopSpace = std::min(Value, Height());
  Invalidate();
}

void TOnOffBut::Resize() {
  if (FAutoCenter) Center();
  Invalidate();
  TGraphicControl::Resize();
}

QSize TOnOffBut::minimumSizeHint() const { return QSize(FGlyphWidth + 2, FGlyphHeight + 2); }

// ------------------------------------------------------------------ settings

void TOnOffBut::SetText(QString& Field, const QString& Value) {
  if (Value == Field) return;
  Field = Value;
  Invalidate();
}

void TOnOffBut::SetAlignment(TAlignment& Field, TAlignment Value) {
  if (Value == Field) return;
  Field = Value;
  Invalidate();
}

void TOnOffBut::SetColorText(TColor Value) {
  if (Value == FColorText) return;
  FColorText = Value;
  Repaint();
}

void TOnOffBut::SetColorBackgnd(TColor Value) {
  if (Value == FColorBackgnd) return;
  FColorBackgnd = Value;
  Repaint();
}

void TOnOffBut::SetFrameStyle(TFrameStyle Value) {
  if (Value == FFrameStyle) return;
  FFrameStyle = Value;
  Repaint();
}

void TOnOffBut::SetColorScheme(TColorScheme Value) {
  if (Value == FColorScheme) return;
  FColorScheme = Value;
  FColWhiteLine = Value == csFixedColors ? clWhite : clBtnHighlight;
  FColGrayLine = Value == csFixedColors ? clGray : clBtnShadow;
  Invalidate();
}

void TOnOffBut::SetTransparent(bool Value) {
  if (Value == FTransparent) return;
  FTransparent = Value;
  SetSurfaceAlpha(Value);
  Invalidate();
}

// ------------------------------------------------------------------ assignment

void TOnOffBut::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TOnOffBut*>(Source);
  if (!s) {
    TGraphicControl::Assign(Source);
    return;
  }
  FLeftSpace = s->FLeftSpace;
  FTopSpace = s->FTopSpace;
  FAutoCenter = s->FAutoCenter;
  FLeftText = s->FLeftText;
  FTopText = s->FTopText;
  FRightText = s->FRightText;
  FBottomText = s->FBottomText;
  FLeftTextAlignment = s->FLeftTextAlignment;
  FTopTextAlignment = s->FTopTextAlignment;
  FRightTextAlignment = s->FRightTextAlignment;
  FBottomTextAlignment = s->FBottomTextAlignment;
  FFrameStyle = s->FFrameStyle;
  FColorBackgnd = s->FColorBackgnd;
  FColWhiteLine = s->FColWhiteLine;
  FColGrayLine = s->FColGrayLine;
  FColorScheme = s->FColorScheme;
  FOnOff = s->FOnOff;
  for (std::size_t i = 0; i < FButImg.size(); ++i) {
    FButImg[i].Assign(&s->FButImg[i]);
    FUserImg[i].Assign(&s->FUserImg[i]);
  }
  FButtonStyle = s->FButtonStyle;
  FMouseAction = s->FMouseAction;
  FColorText = s->FColorText;
  FGlyphWidth = s->FGlyphWidth;
  FGlyphHeight = s->FGlyphHeight;
  if (s->FTransparent != FTransparent) SetTransparent(s->FTransparent);
  SetEnabled(s->Enabled());
  updateGeometry();
  Invalidate();
}

void TOnOffBut::AssignTo(TPersistent* Dest) {
  if (auto* d = dynamic_cast<TOnOffBut*>(Dest))
    d->Assign(this);
  else
    TGraphicControl::AssignTo(Dest);
}

}  // namespace orv
