#include "ORV_sevenseg.h"
#include "OrvSevenSegStrip.h"

#include <algorithm>

namespace orv {

namespace {

std::unique_ptr<TBitmap> LoadSegment(const char* Name) {
  auto b = std::make_unique<TBitmap>();
  b->LoadFromResourceName(QString::fromLatin1(Name));
  return b;
}

bool IsPoint(QChar Ch) { return Ch == QLatin1Char('.') || Ch == QLatin1Char(','); }

// The smallest glyph that still reads as seven segments.
constexpr int kLeastGlyphWidth = 5, kLeastGlyphHeight = 7;

}  // namespace

TSevenSeg::TSevenSeg(TOwnerArg AOwner)
    : TGraphicControl(AOwner),
      DigImg(std::make_unique<TBitmap>(312, 432)),
      ImgCache(std::make_unique<TBitmap>()),
      SegVert(LoadSegment("SEGVERT")),
      SegHorz(LoadSegment("SEGHORZ")),
      SegDot(LoadSegment("SEGDOT")),
      SegPlus(LoadSegment("SEGPLUS")),
      SegDeg(LoadSegment("SEGDEG")),
      SegColon(LoadSegment("SEGCOLON")),
      FStrip(std::make_unique<detail::TSevenSegStrip>(*this)) {
  DigImg->SetPixelFormat(pf32bit);
  SegColon->SetPixelFormat(pf32bit);
  // The strip is built by the resize to the initial size.
  SetInitialSize(216, 76);
}

TSevenSeg::~TSevenSeg() = default;

// ---------------------------------------------------------------- properties

template <class T>
void TSevenSeg::UpdateCached(T& Field, const T& Value) {
  if (Field == Value) return;
  Field = Value;
  RebuildStrip();
  Repaint();
}

void TSevenSeg::SetCaption(const QString& Value) {
  if (Value == FCaption) return;
  FCaption = Value;
  Repaint();
}

void TSevenSeg::SetNumDigits(int Value) {
  if (Value < 1 || Value > 32) return;
  updateGeometry();
  UpdateCached(FNumDigits, Value);
}

void TSevenSeg::SetColorText(TColor Value) { UpdateCached(FColorText, Value); }
void TSevenSeg::SetColorBackGnd(TColor Value) { UpdateCached(FColorBackGnd, Value); }

void TSevenSeg::SetMargin(int Value) {
  updateGeometry();
  UpdateCached(FMargin, std::clamp(Value, 0, std::max(0, Height() / 2 - 1)));
}

void TSevenSeg::SetInterDigDist(int Value) {
  updateGeometry();
  UpdateCached(FInterDigDist, std::min(Value, 255));
}

void TSevenSeg::SetFrameStyle(TFrameStyle Value) {
  if (Value == FFrameStyle) return;
  FFrameStyle = Value;
  Invalidate();
}

void TSevenSeg::SetColorScheme(TColorScheme Value) {
  if (Value == FColorScheme) return;
  FColorScheme = Value;
  FColGrayLine = Value == csFixedColors ? clGray : clBtnShadow;
  FColWhiteLine = Value == csFixedColors ? clWhite : clBtnHighlight;
  Invalidate();
}

void TSevenSeg::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TSevenSeg*>(Source);
  if (!src) {
    TGraphicControl::Assign(Source);
    return;
  }
  FColorBackGnd = src->FColorBackGnd;
  FColorText = src->FColorText;
  FNumDigits = src->FNumDigits;
  FCaption = src->FCaption;
  FFrameStyle = src->FFrameStyle;
  FColGrayLine = src->FColGrayLine;
  FColWhiteLine = src->FColWhiteLine;
  FColorScheme = src->FColorScheme;
  FMargin = src->FMargin;
  FInterDigDist = src->FInterDigDist;
  RebuildStrip();
  Invalidate();
}

void TSevenSeg::AssignTo(TPersistent* Dest) {
  auto* dest = dynamic_cast<TSevenSeg*>(Dest);
  if (dest && metaObject()->inherits(dest->metaObject()))
    dest->Assign(this);
  else
    TGraphicControl::AssignTo(Dest);
}

void TSevenSeg::ProcessResize(TObject*) {
  if (Width() == FCacheWidth && Height() == FCacheHeight) return;
  RebuildStrip();
  Repaint();
}

void TSevenSeg::Resize() {
  ProcessResize(this);
  TGraphicControl::Resize();
}

// ------------------------------------------------------------------ geometry

QList<TSevenSeg::TDigit> TSevenSeg::CaptionDigits() const {
  QList<TDigit> digits;
  const int n = int(FCaption.size());
  int i = 0;
  while (digits.size() < FNumDigits && i < n) {
    const QChar ch = FCaption[i++];
    TDigit d;
    if (IsPoint(ch)) {
      d.Dot = true;
    } else if (i < n && IsPoint(FCaption[i])) {
      d.Dot = true;
      ++i;
    }
    d.Glyph = int(SevenSegCharList.indexOf(ch.toUpper()));
    digits.append(d);
  }
  return digits;
}

QSize TSevenSeg::minimumSizeHint() const {
  return QSize(2 * FMargin + FNumDigits * (kLeastGlyphWidth + FInterDigDist), 2 * FMargin + kLeastGlyphHeight);
}

int TSevenSeg::GlyphWidth() const { return (Width() - 2 * FMargin) / FNumDigits - FInterDigDist; }

int TSevenSeg::GlyphHeight() const { return Height() - 2 * FMargin; }

TRect TSevenSeg::DigitRect(int J) const {
  const int gw = GlyphWidth();
  const int x = J * (FInterDigDist + gw) + FMargin;
  return TRect(x, FMargin, x + gw, FMargin + GlyphHeight());
}

TRect TSevenSeg::DotRect(int J) const {
  const TRect r = DigitRect(J);
  return TRect(r.Left + 5 * r.Width() / 6, r.Top + 5 * r.Height() / 6, r.Right, r.Bottom);
}

// ------------------------------------------------------------------ painting

void TSevenSeg::Paint() {
  // The strip follows a size change that reached us before the resize event.
  if (Width() != FCacheWidth || Height() != FCacheHeight) RebuildStrip();
  TCanvas* c = Canvas();
  c->SetCopyMode(cmSrcCopy);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(FColorBackGnd);
  c->FillRect(ClientRect());
  const int gw = GlyphWidth(), h = GlyphHeight();
  if (gw > 0 && h > 0) {
    TCanvas* cache = ImgCache->Canvas();
    const int pointCell = int(SevenSegCharList.size()) - 1;
    const QList<TDigit> digits = CaptionDigits();
    for (int j = 0; j < digits.size(); ++j) {
      if (digits[j].Glyph >= 0)
        c->CopyRect(DigitRect(j), cache, TRect(digits[j].Glyph * gw, 0, (digits[j].Glyph + 1) * gw, h));
      if (digits[j].Dot) {
        const TRect dot = DotRect(j);
        const int sx = pointCell * gw + (dot.Left - DigitRect(j).Left);
        c->CopyRect(dot, cache, TRect(sx, h - dot.Height(), sx + dot.Width(), h));
      }
    }
  }
  DrawFrame(c, FFrameStyle, 0, 0, Width() - 1, Height() - 1, clWhite, clSilver, clGray, clBlack, clBlack);
}

}  // namespace orv
