// TNumIO2: construction, the layout properties, geometry and painting.

#include "OrvTNumIO2.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace orv {

namespace {

// Stores Value in Field; false when it was already there.
template <class T>
bool Store(T& Field, const T& Value) {
  if (Field == Value) return false;
  Field = Value;
  return true;
}

constexpr TColor kDimGray = 0x808080;
constexpr TColor kSilver = 0xC0C0C0;
constexpr int kMinHeight = 18;

}  // namespace

TNumIO2::TNumIO2(TOwnerArg AOwner) : TCustomControl(AOwner) {
  setMinimumHeight(kMinHeight);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  SetInitialSize(160, 28);
  FButHeight = Height();
  SetWantTabs(true);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  UpdateTimer();
}

TNumIO2::~TNumIO2() = default;

void TNumIO2::CreateWnd() {
  TCustomControl::CreateWnd();
  FSuppressPaint = false;
  Invalidate();
}

QSize TNumIO2::sizeHint() const {
  QSize s = TCustomControl::sizeHint();
  if (FAutoSize) s.setHeight(std::max(kMinHeight, LineHeight() + 6));
  return s;
}

QSize TNumIO2::minimumSizeHint() const {
  return QSize(FButVisible ? ButtonRect().Right : BoxRect().Right, kMinHeight);
}

void TNumIO2::Relayout() {
  updateGeometry();
  Repaint();
}

void TNumIO2::Resize() {
  // The height never drops below 18 (minimumHeight); the buttons follow it down.
  FButHeight = std::min(FButHeight, Height());
  TCustomControl::Resize();
}

// ------------------------------------------------------------ layout setters

void TNumIO2::SetLeftText(const QString& Value) {
  if (Store(FLeftText, Value)) Repaint();
}

void TNumIO2::SetLeftTextAlignment(TAlignment Value) {
  if (Store(FLeftTextAlignment, Value)) Repaint();
}

void TNumIO2::SetLeftSpace(int Value) {
  if (Value < 0) return;
  if (Store(FLeftSpace, std::min(Value, Width()))) Relayout();
}

void TNumIO2::SetTextBoxWidth(int Value) {
  if (Store(FTextBoxWidth, Value)) Relayout();
}

void TNumIO2::SetAlignment(TAlignment Value) {
  if (Store(FAlignment, Value)) Repaint();
}

void TNumIO2::SetRightText(const QString& Value) {
  if (Store(FRightText, Value)) Repaint();
}

void TNumIO2::SetRightTextAlignment(TAlignment Value) {
  if (Store(FRightTextAlignment, Value)) Repaint();
}

void TNumIO2::SetFrameStyle(TFrameStyle Value) {
  if (Store(FFrameStyle, Value)) Repaint();
}

void TNumIO2::SetColorBoxBG(TColor Value) {
  if (Store(FColorBoxBG, Value)) Repaint();
}

void TNumIO2::SetColorBoxText(TColor Value) {
  if (Store(FColorBoxText, Value)) Repaint();
}

void TNumIO2::SetColorOutBG(TColor Value) {
  if (Store(FColorOutBG, Value)) Repaint();
}

void TNumIO2::SetColorOutText(TColor Value) {
  if (Store(FColorOutText, Value)) Repaint();
}

void TNumIO2::SetColorWarnBG(TColor Value) {
  FColorWarnBG = Value;
  Repaint();
}

void TNumIO2::SetColorWarnText(TColor Value) {
  FColorWarnText = Value;
  Repaint();
}

void TNumIO2::SetColorScheme(TColorScheme Value) {
  if (!Store(FColorScheme, Value)) return;
  const bool fixed = Value == csFixedColors;
  FColGrayLine = fixed ? TColor(0x808080) : clBtnShadow;
  FColWhiteLine = fixed ? TColor(0xFFFFFF) : clBtnHighlight;
  Repaint();
}

void TNumIO2::SetButVisible(bool Value) {
  if (Store(FButVisible, Value)) Relayout();
}

void TNumIO2::SetBut3D(bool Value) {
  if (Store(FBut3D, Value)) Repaint();
}

void TNumIO2::SetButWidth(int Value) {
  if (Store(FButWidth, std::clamp(Value, 8, 50))) Relayout();
}

void TNumIO2::SetButHeight(int Value) {
  if (Store(FButHeight, std::min(std::max(Value, kMinHeight), Height()))) Repaint();
}

void TNumIO2::SetButSpace(int Value) {
  if (Store(FButSpace, std::clamp(Value, 0, 50))) Relayout();
}

void TNumIO2::SetButColor(TColor Value) {
  if (Store(FButColor, Value)) Repaint();
}

void TNumIO2::SetButIncrem(double Value) {
  if (Store(FButIncrem, Value)) Repaint();
}

void TNumIO2::SetFreezeBoxVisible(bool Value) {
  if (Store(FFreezeBoxVisible, Value)) Repaint();
}

void TNumIO2::SetFreezeBoxChecked(bool Value) {
  if (!Store(FFreezeBoxChecked, Value)) return;
  SetReadOnly(Value);
  Repaint();
}

void TNumIO2::SetFreezeBoxSize(int Value) {
  if (!Store(FFreezeBoxSize, std::clamp(Value, 12, 25))) return;
  // Centred in the text row as it would be with the gauge shown.
  FFreezeBoxTop = (Height() - (FGaugeHeight + FGaugeTopMargin + FFreezeBoxSize + 1)) / 2;
  Repaint();
}

void TNumIO2::SetFreezeBoxLeft(int Value) {
  if (Store(FFreezeBoxLeft, Value)) Repaint();
}

void TNumIO2::SetFreezeBoxTop(int Value) {
  if (Store(FFreezeBoxTop, Value)) Repaint();
}

void TNumIO2::SetHideInputOnFreeze(bool Value) {
  if (Store(FHideInputOnFreeze, Value)) Repaint();
}

void TNumIO2::SetHideInputEditor(bool Value) {
  if (Store(FHideInputEditor, Value)) Repaint();
}

void TNumIO2::SetGaugeVisible(bool Value) {
  if (Store(FGaugeVisible, Value)) Repaint();
}

void TNumIO2::SetGaugeHeight(int Value) {
  if (Store(FGaugeHeight, std::max(std::min(Value, Height() - FGaugeTopMargin - kMinHeight), 3))) Repaint();
}

void TNumIO2::SetGaugeWidth(int Value) {
  if (Store(FGaugeWidth, std::min(std::max(Value, 10), Width() - FGaugeLeftMargin))) Repaint();
}

void TNumIO2::SetGaugeLeftMargin(int Value) {
  if (Store(FGaugeLeftMargin, std::max(std::min(Value, Width() - FGaugeWidth), 0))) Repaint();
}

void TNumIO2::SetGaugeTopMargin(int Value) {
  if (Store(FGaugeTopMargin, std::max(std::min(Value, Height() - FGaugeHeight - kMinHeight), 0))) Repaint();
}

void TNumIO2::SetGaugeFrameStyle(TFrameStyle Value) {
  if (Store(FGaugeFrameStyle, Value)) Repaint();
}

void TNumIO2::SetGaugeColor(TColor Value) {
  if (Store(FGaugeColor, Value)) Repaint();
}

void TNumIO2::SetGaugeColorBg(TColor Value) {
  if (Store(FGaugeColorBg, Value)) Repaint();
}

void TNumIO2::SetGaugeColorFrame(TColor Value) {
  if (Store(FGaugeColorFrame, Value)) Repaint();
}

void TNumIO2::SetAutoSize(bool Value) {
  if (Store(FAutoSize, Value)) Relayout();
}

void TNumIO2::SetHideSelection(bool Value) {
  if (Store(FHideSelection, Value)) Repaint();
}

void TNumIO2::SetEnabled(bool Value) {
  TCustomControl::SetEnabled(Value);
  Repaint();
}

// ------------------------------------------------------------------ geometry

int TNumIO2::TextWidthOf(const QString& S) const { return QFontMetrics(font()).horizontalAdvance(S); }

// The canvas measures every text, the centring sample "(8g]}ÜÄ§" and "E0"
// alike, as one line of the font.
int TNumIO2::LineHeight() const { return QFontMetrics(font()).height(); }

int TNumIO2::GaugeStrip() const { return FGaugeVisible ? FGaugeHeight + FGaugeTopMargin + 1 : 0; }

int TNumIO2::TextTop() const { return (Height() - GaugeStrip() - LineHeight()) / 2; }

int TNumIO2::ButtonsWidth() const { return FButVisible ? FButWidth + FButSpace : 0; }

TRect TNumIO2::BoxRect() const { return TRect(FLeftSpace, 0, FLeftSpace + FTextBoxWidth + 2, Height() - GaugeStrip()); }

TRect TNumIO2::ButtonRect() const {
  const int bx = FLeftSpace + FTextBoxWidth + FButSpace;
  return TRect(bx, 0, bx + FButWidth + 1, 2 * (FButHeight / 2) - 1);
}

int TNumIO2::ButtonAt(int X, int Y) const {
  const int bx = FLeftSpace + FTextBoxWidth + FButSpace;
  if (!FButVisible || X <= bx || X >= bx + FButWidth || Y <= 0 || Y >= FButHeight) return 0;
  return Y > FButHeight / 2 ? -1 : 1;
}

TRect TNumIO2::GaugeRect() const {
  return TRect(FGaugeLeftMargin, Height() - FGaugeHeight - 1, FGaugeLeftMargin + FGaugeWidth, Height() - 1);
}

TRect TNumIO2::GaugeBarRect() const {
  const double span = FRangeHigh - FRangeLow;
  double f = span == 0 ? 1.0 : (GetNioValue() - FRangeLow) / span;
  f = std::isnan(f) ? 0.0 : std::clamp(f, 0.0, 1.0);
  const TRect g = GaugeRect();
  return TRect(g.Left, g.Top, FGaugeLeftMargin + int(RoundToInt64(FGaugeWidth * f)), g.Bottom);
}

bool TNumIO2::InGauge(int X, int Y, int Slack) const {
  return FGaugeVisible && Y > Height() - GaugeStrip() && X >= FGaugeLeftMargin - Slack &&
         X <= FGaugeLeftMargin + FGaugeWidth + Slack;
}

TRect TNumIO2::FreezeBoxRect() const {
  const int x0 = FLeftSpace + ButtonsWidth() + FTextBoxWidth + FFreezeBoxLeft + 8;
  return TRect(x0, FFreezeBoxTop, x0 + FFreezeBoxSize, FFreezeBoxTop + FFreezeBoxSize);
}

bool TNumIO2::InFreezeBox(int X, int Y) const {
  const TRect r = FreezeBoxRect();
  return FFreezeBoxVisible && X > r.Left && X < r.Right && Y > r.Top && Y < r.Bottom;
}

int TNumIO2::NumberX() const { return CharPosToXCoords(0); }

int TNumIO2::LeftTextX() const {
  const int lw = TextWidthOf(FLeftText);
  switch (FLeftTextAlignment) {
    case taLeftJustify: return 7;
    case taRightJustify: return FLeftSpace - lw - 5;
    case taCenter: break;
  }
  return (FLeftSpace - lw) / 2;
}

int TNumIO2::RightTextX() const {
  const int rw = TextWidthOf(FRightText);
  const int start = FLeftSpace + ButtonsWidth() + FTextBoxWidth;
  switch (FRightTextAlignment) {
    case taLeftJustify: return start + 7;
    case taRightJustify: return Width() - rw - 6;
    case taCenter: break;
  }
  return (Width() - (start + rw)) / 2 + start + 1;
}

int TNumIO2::CharPosToXCoords(int N) const {
  const int pw = TextWidthOf(FInBuffer.left(std::max(N, 0)));
  const int nw = TextWidthOf(FInBuffer);
  switch (FAlignment) {
    case taLeftJustify: return pw + FLeftSpace + 4;
    case taRightJustify: return pw + FLeftSpace + FTextBoxWidth - nw - 2;
    case taCenter: break;
  }
  return pw + FLeftSpace + (FTextBoxWidth - nw) / 2 + 2;
}

int TNumIO2::XCoordsToCharPos(int X) const {
  const int len = int(FInBuffer.size());
  if (len == 0) return 0;
  const int nw = TextWidthOf(FInBuffer);
  // Estimated from the average character width; a font narrower than one
  // pixel per character counts as one pixel wide.
  const int a = std::max(nw / len, 1);
  int c = 0;
  switch (FAlignment) {
    case taLeftJustify: c = X - FLeftSpace - 3; break;
    case taRightJustify: c = X + nw - FLeftSpace - FTextBoxWidth + 3; break;
    case taCenter: c = X - FLeftSpace - (FTextBoxWidth - nw) / 2 - 1; break;
  }
  c = std::max(c, 0);
  return std::min((std::min(nw, c) + a / 2) / a, len);
}

// ------------------------------------------------------------------ painting

void TNumIO2::EdgeColors(TFrameStyle Style, TColor& UpperLeft, TColor& LowerRight) const {
  switch (Style) {
    case fsSunken: UpperLeft = FColBlackLine; LowerRight = FColWhiteLine; break;
    case fsRaised: UpperLeft = FColWhiteLine; LowerRight = FColBlackLine; break;
    case fsEtched: UpperLeft = LowerRight = FColGrayLine; break;
    default: UpperLeft = LowerRight = FColWhiteLine; break;
  }
}

void TNumIO2::DrawFrameLines(TCanvas* C, TRect Outline, TFrameStyle Style, TColor OutlinePen) const {
  C->Pen()->SetColor(OutlinePen);
  C->Rectangle(Outline);
  if (Style <= fsSimple) return;
  TColor ul, lr;
  EdgeColors(Style, ul, lr);
  const TRect& o = Outline;
  C->Pen()->SetColor(ul);
  C->Polyline({{o.Left + 1, o.Bottom - 2}, {o.Left + 1, o.Top + 1}, {o.Right - 1, o.Top + 1}});
  C->Pen()->SetColor(lr);
  C->Polyline({{o.Left + 1, o.Bottom}, {o.Right, o.Bottom}, {o.Right, o.Top}});
}

void TNumIO2::DrawBoxFrame(TCanvas* C, TRect R, TFrameStyle Style, bool Flag) const {
  TColor pen = FColGrayLine;
  if (Style == fsNone)
    pen = Flag ? FColorBoxBG : kSilver;
  else if (Style == fsEtched)
    pen = FColWhiteLine;
  const TRect outline = Style <= fsSimple ? R : TRect(R.Left, R.Top, R.Right - 1, R.Bottom - 1);
  DrawFrameLines(C, outline, Style, pen);
}

void TNumIO2::DrawSideText(TCanvas* C, int X, int Y, const QString& S) {
  if (Enabled()) {
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(FColorOutBG);
    C->Font()->SetColor(FColorOutText);
    C->TextOut(X, Y, S);
    return;
  }
  // Engraved: a white copy one pixel right and down under the grey text.
  C->Brush()->SetStyle(bsClear);
  C->Font()->SetColor(clWhite);
  C->TextOut(X + 1, Y + 1, S);
  C->Font()->SetColor(kDimGray);
  C->TextOut(X, Y, S);
  C->Brush()->SetStyle(bsSolid);
}

void TNumIO2::DrawButtons(TCanvas* C) {
  const TRect r = ButtonRect();
  const int bx = r.Left, bxe = r.Right - 1, hh = FButHeight / 2;
  C->Pen()->SetColor(kDimGray);
  C->Brush()->SetColor(FButColor);
  C->Rectangle(r);
  C->MoveTo(bx, hh - 1);
  C->LineTo(bxe, hh - 1);
  if (FBut3D) {
    C->Pen()->SetColor(clWhite);
    C->Polyline({{bx + 1, 2 * hh - 3}, {bx + 1, hh}, {bxe, hh}});
    C->Polyline({{bx + 1, hh - 2}, {bx + 1, 1}, {bxe, 1}});
    C->Pen()->SetColor(clBlack);
    C->Polyline({{bx + 1, 2 * hh - 1}, {bxe + 1, 2 * hh - 1}, {bxe + 1, 1}});
  }
  C->Pen()->SetColor(Dimmed() ? kDimGray : clBlack);
  const int mx = bx + FButWidth / 2;
  for (int i = 0; i < 3; ++i) {
    const int up = hh / 2 - 1 + i, down = hh + hh / 2 - i;
    C->MoveTo(mx - i, up);
    C->LineTo(mx + 2 + i, up);
    C->MoveTo(mx - i, down);
    C->LineTo(mx + 2 + i, down);
  }
}

void TNumIO2::DrawFreezeBox(TCanvas* C) {
  const TRect r = FreezeBoxRect();
  C->Brush()->SetColor(Enabled() ? FColorBoxBG : kSilver);
  DrawBoxFrame(C, r, FFrameStyle, Enabled());
  if (!FFreezeBoxChecked) return;
  const int cx = r.Left + FFreezeBoxSize / 2, cy = r.Top + FFreezeBoxSize / 2;
  C->Pen()->SetColor(clBlack);
  C->Polyline({{cx - 4, cy + 1}, {cx - 2, cy + 3}, {cx + 4, cy - 3}});
  C->Polyline({{cx - 3, cy + 1}, {cx - 1, cy + 3}, {cx + 5, cy - 3}});
}

void TNumIO2::DrawGauge(TCanvas* C) {
  const TRect g = GaugeRect();
  C->Pen()->SetColor(FGaugeFrameStyle == fsNone ? FGaugeColorBg : FGaugeColorFrame);
  C->Brush()->SetStyle(bsSolid);
  C->Brush()->SetColor(FGaugeColorBg);
  C->Rectangle(g);
  const TRect bar = GaugeBarRect();
  if (!bar.IsEmpty()) {
    const TColor barColor = Dimmed() ? kDimGray : FGaugeColor;
    C->Pen()->SetColor(barColor);
    C->Brush()->SetColor(barColor);
    C->Rectangle(bar);
  }
  if (FGaugeFrameStyle == fsNone) return;
  TColor pen = FColGrayLine;
  if (FGaugeFrameStyle == fsSimple)
    pen = FGaugeColorFrame;
  else if (FGaugeFrameStyle == fsEtched)
    pen = FColWhiteLine;
  C->Brush()->SetStyle(bsClear);
  DrawFrameLines(C, g, FGaugeFrameStyle, pen);
  C->Brush()->SetStyle(bsSolid);
}

void TNumIO2::DrawInput(TCanvas* C) {
  const bool grayed = !Enabled() || FFreezeBoxChecked;
  const bool warn = OutOfRange();
  TColor bg = warn ? FColorWarnBG : FColorBoxBG;
  if (grayed) bg = kSilver;
  C->Brush()->SetColor(bg);
  const TRect box = BoxRect();
  DrawBoxFrame(C, box, FFrameStyle, FFreezeBoxChecked);
  if (FHideInputEditor) return;

  TColor fg = warn ? FColorWarnText : FColorBoxText;
  if (grayed) fg = kDimGray;
  C->Font()->SetColor(fg);
  const int bottom = box.Bottom - 3;
  C->TextRect(TRect(FLeftSpace + 3, 2, FLeftSpace + FTextBoxWidth - 1, bottom), NumberX(), TextTop(), FInBuffer);

  const int caretX = CharPosToXCoords(FCaretPos) - 1;
  if (FCaretVisib && caretX > FLeftSpace && caretX < FLeftSpace + FTextBoxWidth) {
    C->Pen()->SetColor(clBlack);
    C->MoveTo(caretX, 3);
    C->LineTo(caretX, bottom);
  }
  if (FSelBegin < FSelEnd && (Focused() || !FHideSelection)) {
    const int lo = FLeftSpace, hi = FLeftSpace + FTextBoxWidth;
    const TRect sel(std::clamp(CharPosToXCoords(FSelBegin), lo, hi), 3, std::clamp(CharPosToXCoords(FSelEnd), lo, hi),
                    bottom);
    C->SetCopyMode(cmDstInvert);
    C->CopyRect(sel, C, sel);
    C->SetCopyMode(cmSrcCopy);
  }
}

void TNumIO2::Paint() {
  // Nothing is drawn before the window exists or while hidden; the next
  // paint event after that draws everything.
  if (FSuppressPaint) {
    Invalidate();
    return;
  }
  if (!StartPaint()) return;
  if (FAutoSize) SetHeight(LineHeight() + 6);
  TCanvas* c = Canvas();
  c->Font()->Assign(Font());
  c->Pen()->SetStyle(psSolid);
  c->Pen()->SetMode(pmCopy);
  c->Pen()->SetWidth(1);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(FColorOutBG);
  c->FillRect(ClientRect());

  const int ty = TextTop();
  DrawSideText(c, LeftTextX(), ty, FLeftText);
  if (FButVisible) DrawButtons(c);
  c->Brush()->SetColor(FColorOutBG);
  DrawSideText(c, RightTextX(), ty, FRightText);
  if (FFreezeBoxVisible) DrawFreezeBox(c);
  if (FGaugeVisible) DrawGauge(c);
  DrawInput(c);
}

}  // namespace orv
