#include "ORV_NumLab.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace orv {

namespace {

// Text rows are centred on the height of this sample.
const QString HeightSample = QStringLiteral("(8g]}ÜÄ§");

// Stores Value and repaints, unless it equals the field.
template <class T>
void Update(TNumLab* Self, T& Field, const T& Value) {
  if (Field == Value) return;
  Field = Value;
  Self->Repaint();
}

}  // namespace

TNumLab::TNumLab(TOwnerArg AOwner) : TGraphicControl(AOwner) {
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  SetInitialSize(160, 28);
}

// ---------------------------------------------------------------- properties

void TNumLab::SetValue(double Value) { Update(this, FValue, Value); }
void TNumLab::SetDisplayType(TDisplay Value) { Update(this, FDisplayType, Value); }

void TNumLab::SetPrecision(int Value) {
  if (Value < 0) return;
  Update(this, FPrecision, std::min(Value, 15));
}

void TNumLab::SetDTFormat(const QString& Value) { Update(this, FDTFormat, Value); }
void TNumLab::SetStateText(const QString& Value) { Update(this, FStateText, Value); }
void TNumLab::SetOverflowIndicator(const QString& Value) { Update(this, FOverflowIndicator, Value); }
void TNumLab::SetComma(bool Value) { Update(this, FComma, Value); }
void TNumLab::SetForcePlusSign(bool Value) { Update(this, FForcePlusSign, Value); }
void TNumLab::SetEmpty(bool Value) { Update(this, FEmpty, Value); }
void TNumLab::SetLeftText(const QString& Value) { Update(this, FLeftText, Value); }
void TNumLab::SetRightText(const QString& Value) { Update(this, FRightText, Value); }
void TNumLab::SetLeftTextAlignment(TAlignment Value) { Update(this, FLeftTextAlignment, Value); }
void TNumLab::SetRightTextAlignment(TAlignment Value) { Update(this, FRightTextAlignment, Value); }
void TNumLab::SetAlignment(TAlignment Value) { Update(this, FAlignment, Value); }

void TNumLab::SetLeftSpace(int Value) {
  if (Value < 0) return;
  updateGeometry();
  Update(this, FLeftSpace, std::min(Value, Width()));
}

void TNumLab::SetLabelWidth(int Value) {
  updateGeometry();
  Update(this, FLabelWidth, Value);
}
void TNumLab::SetFrameStyle(TFrameStyle Value) { Update(this, FFrameStyle, Value); }
void TNumLab::SetColorLabText(TColor Value) { Update(this, FColorLabText, Value); }
void TNumLab::SetColorLabBakG(TColor Value) { Update(this, FColorLabBakG, Value); }
void TNumLab::SetColorOutText(TColor Value) { Update(this, FColorOutText, Value); }
void TNumLab::SetColorOutBakG(TColor Value) { Update(this, FColorOutBakG, Value); }

void TNumLab::SetColorScheme(TColorScheme Value) {
  if (Value == FColorScheme) return;
  FColorScheme = Value;
  FColGrayLine = Value == csFixedColors ? clGray : clBtnShadow;
  FColWhiteLine = Value == csFixedColors ? clWhite : clBtnHighlight;
  Repaint();
}

void TNumLab::SetTransparent(bool Value) {
  if (Value == FTransparent) return;
  FTransparent = Value;
  // A transparent label lets Qt draw the parent below it first.
  setAttribute(Qt::WA_OpaquePaintEvent, !Value);
  if (Value)
    Invalidate();
  else
    Repaint();
}

void TNumLab::SetEnabled(bool Value) {
  TGraphicControl::SetEnabled(Value);
  Repaint();
}

void TNumLab::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TNumLab*>(Source);
  if (!src) {
    TGraphicControl::Assign(Source);
    return;
  }
  FLeftSpace = src->FLeftSpace;
  FEmpty = src->FEmpty;
  FLabelWidth = src->FLabelWidth;
  FPrecision = src->FPrecision;
  FLeftText = src->FLeftText;
  FRightText = src->FRightText;
  FFrameStyle = src->FFrameStyle;
  FLeftTextAlignment = src->FLeftTextAlignment;
  FRightTextAlignment = src->FRightTextAlignment;
  FAlignment = src->FAlignment;
  FOverflowIndicator = src->FOverflowIndicator;
  FValue = src->FValue;
  FStateText = src->FStateText;
  FTransparent = src->FTransparent;
  setAttribute(Qt::WA_OpaquePaintEvent, !FTransparent);
  FColorLabText = src->FColorLabText;
  FColorLabBakG = src->FColorLabBakG;
  FColorOutText = src->FColorOutText;
  FColorOutBakG = src->FColorOutBakG;
  FColBlackLine = src->FColBlackLine;
  FColGrayLine = src->FColGrayLine;
  FColWhiteLine = src->FColWhiteLine;
  FColorScheme = src->FColorScheme;
  FDisplayType = src->FDisplayType;
  Repaint();
}

void TNumLab::AssignTo(TPersistent* Dest) {
  auto* dest = dynamic_cast<TNumLab*>(Dest);
  if (dest && metaObject()->inherits(dest->metaObject()))
    dest->Assign(this);
  else
    TGraphicControl::AssignTo(Dest);
}

// ------------------------------------------------------------------ geometry

int TNumLab::TextTop(int TextHeight) const { return (Height() - TextHeight) / 2; }

int TNumLab::LeftTextX(int TextWidth) const {
  switch (FLeftTextAlignment) {
    case taLeftJustify: return 7;
    case taRightJustify: return FLeftSpace - TextWidth - 5;
    case taCenter: break;
  }
  return (FLeftSpace - TextWidth) / 2;
}

int TNumLab::RightTextX(int TextWidth) const {
  const int boxEnd = FLeftSpace + FLabelWidth;
  switch (FRightTextAlignment) {
    case taLeftJustify: return boxEnd + 7;
    case taRightJustify: return Width() - TextWidth - 6;
    case taCenter: break;
  }
  return (Width() - (boxEnd + TextWidth)) / 2 + boxEnd + 1;
}

int TNumLab::NumberX(int TextWidth) const {
  switch (FAlignment) {
    case taLeftJustify: return FLeftSpace + 4;
    case taRightJustify: return FLeftSpace + FLabelWidth - TextWidth - 2;
    case taCenter: break;
  }
  return FLeftSpace + (FLabelWidth - TextWidth) / 2 + 2;
}

TRect TNumLab::BoxRect() const { return TRect(FLeftSpace + 1, 0, FLeftSpace + FLabelWidth + 1, Height() - 1); }

QSize TNumLab::minimumSizeHint() const {
  return QSize(BoxRect().Right, QFontMetrics(font()).height() + 6);
}

TRect TNumLab::NumberClipRect() const {
  return TRect(FLeftSpace + 3, 2, FLeftSpace + FLabelWidth - 1, Height() - 3);
}

TRect TNumLab::OpaqueBoxRect() const { return TRect(FLeftSpace + 2, 2, FLeftSpace + FLabelWidth, Height() - 2); }

int TNumLab::MouseAreaAt(int X) const {
  if (X < FLeftSpace) return 0;
  return X > FLeftSpace + FLabelWidth ? 2 : 1;
}

void TNumLab::MouseMove(TShiftState Shift, int X, int Y) {
  FMouseAreaCode = MouseAreaAt(X);
  TGraphicControl::MouseMove(Shift, X, Y);
}

// ------------------------------------------------------------------ painting

QString TNumLab::NumberText() {
  QString text = NumLabFormat(FValue, FDisplayType, FPrecision, FDTFormat, FStateText, FComma, FForcePlusSign)
                     .value_or(FOverflowIndicator);
  if (OnBeforeDisplay) OnBeforeDisplay(this, text);
  TCanvas* c = Canvas();
  c->Font()->Assign(Font());
  if (FDisplayType != dtState && c->TextWidth(text) > FLabelWidth - 6) text = FOverflowIndicator;
  return text;
}

// A left or right text: in ColorOutText, or engraved while disabled (white
// at HighlightX one row down, grey on top).
void TNumLab::PaintSideText(TCanvas* C, const QString& Text, int X, int HighlightX, int Y) {
  if (Text.isEmpty()) return;
  if (Enabled()) {
    C->Font()->SetColor(FColorOutText);
  } else {
    C->Font()->SetColor(clWhite);
    C->TextOut(HighlightX, Y + 1, Text);
    C->Font()->SetColor(clGray);
  }
  C->TextOut(X, Y, Text);
}

void TNumLab::Paint() {
  TCanvas* c = Canvas();
  c->Font()->Assign(Font());
  const int y = TextTop(c->TextHeight(HeightSample));

  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(FTransparent ? clWhite : FColorOutBakG);
  c->FillRect(ClientRect());

  c->Brush()->SetStyle(bsClear);
  const int lx = LeftTextX(c->TextWidth(FLeftText));
  PaintSideText(c, FLeftText, lx, lx + 1, y);
  const int rw = c->TextWidth(FRightText);
  const int rx = RightTextX(rw);
  PaintSideText(c, FRightText, rx, FRightTextAlignment == taRightJustify ? Width() - rw - 7 : rx + 1, y);

  const TRect box = BoxRect();
  c->Pen()->SetStyle(psSolid);
  c->Pen()->SetColor(FFrameStyle == fsNone ? FColorLabBakG : FFrameStyle == fsEtched ? FColWhiteLine : FColGrayLine);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(FColorLabBakG);
  c->Rectangle(box);
  DrawFrame(c, FFrameStyle, box.Left, box.Top, box.Right - 1, box.Bottom - 1, clWhite, clSilver, clGray, clBlack,
            clBlack);

  if (FEmpty) return;
  const QString text = NumberText();
  c->Font()->SetColor(Enabled() ? FColorLabText : clBtnShadow);
  c->Brush()->SetStyle(bsClear);
  c->SetClipRect(NumberClipRect());
  c->TextOut(NumberX(c->TextWidth(text)), y, text);
  c->SetClipRect(TRect());
}

// Transparent: the box is filled on the screen first, then the surface is
// ANDed onto what the parent drew, so its white background lets it through.
void TNumLab::PaintSurface(QPainter& Painter, const QImage& Surface) {
  if (!FTransparent) {
    TGraphicControl::PaintSurface(Painter, Surface);
    return;
  }
  Painter.fillRect(QRect(OpaqueBoxRect()), QColor(ColorToQRgb(FColorLabText == clBlack ? FColorLabBakG : clWhite)));
  Painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
  Painter.drawImage(0, 0, Surface);
}

}  // namespace orv
