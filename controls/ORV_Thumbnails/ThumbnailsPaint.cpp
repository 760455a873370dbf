// TThumbnails: geometry, hit-testing, painting and the focus outline.
#include "ORV_Thumbnails.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace orv {

namespace {

int Round(double x) { return int(std::lrint(x)); }

// Slide and picture frames are drawn in these fixed colours, whatever the scheme.
void Frame(TCanvas* c, TFrameStyle Style, int Left, int Top, int Right, int Bottom) {
  DrawFrame(c, Style, Left, Top, Right, Bottom, clWhite, clSilver, clGray, clBlack, clBlack);
}

int Saturated(qint64 v) { return int(std::clamp<qint64>(v, INT_MIN, INT_MAX)); }

// Division and remainder rounding down, so that a slide before the top row
// lands in the row above rather than to the left of the view.
qint64 FloorDiv(qint64 a, qint64 b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }

}  // namespace

// ------------------------------------------------------------------ geometry

int TThumbnails::Pitch() const { return FSlideSize + FSlideDistance + 2 * FSlideMargin; }

int TThumbnails::ScrollOffset() const { return Round((FFirstThumbIx - std::trunc(FFirstThumbIx)) * Pitch()); }

int TThumbnails::SlideAt(int c, int r) const {
  return Saturated(qint64(std::trunc(FFirstThumbIx)) + qint64(FNumSldX) * (r - 1) + c - 1);
}

TRect TThumbnails::SlideRect(int c, int r) const {
  const int p = Pitch(), side = FSlideSize + 2 * FSlideMargin;
  const int x0 = (c - 1) * p + 10, y0 = (r - 1) * p + FSlideDistance - ScrollOffset() + 10;
  return TRect(x0, y0, x0 + side + 1, y0 + side + 1);
}

TRect TThumbnails::PictureRect(int X0, int Y0, int W, int H) const {
  if (W <= 0 || H <= 0) return TRect();
  const int s = FSlideSize, m = FSlideMargin;
  if (W < H) {
    const int fw = Round(double(W) * s / H), x = X0 + m + (s - fw) / 2;
    return TRect(x, Y0 + m, x + fw, Y0 + m + s);
  }
  const int fh = Round(double(H) * s / W), y = Y0 + m + (s - fh) / 2;
  return TRect(X0 + m, y, X0 + m + s, y + fh);
}

int TThumbnails::CalcSlideIndex(int XPos, int YPos) const {
  const int p = Pitch(), side = FSlideSize + 2 * FSlideMargin, off = ScrollOffset();
  if (XPos < 10 || XPos > Width() - 10 || YPos < 10 || YPos > Height() - 10) return 0;
  const int b = (XPos - 10) / p;
  if (XPos > p * b + 10 + side || b + 1 > FNumSldX) return 0;
  const int e = (YPos - 10 - FSlideDistance + off) / p;
  const int t = p * e + FSlideDistance - off + 10;
  if (YPos < t || YPos > t + side) return 0;
  const int n = SlideAt(b + 1, e + 1);
  return n >= FMin && n <= FMax ? n : 0;
}

void TThumbnails::CalcSlidePos(int SldNum, int& XPos, int& YPos) const {
  const qint64 d = qint64(SldNum) - qint64(std::trunc(FFirstThumbIx)), p = Pitch();
  const qint64 row = FloorDiv(d, FNumSldX);
  XPos = Saturated(p * (d - row * FNumSldX) + 10);
  YPos = Saturated(p * row + FSlideDistance - ScrollOffset() + 10);
}

TRect TThumbnails::FocusBox(int SldNum) const {
  int x = 0, y = 0;
  CalcSlidePos(SldNum, x, y);
  const int side = FSlideSize + 2 * FSlideMargin;
  return TRect(x + 2, std::max(y + 2, 2), x + side - 1, std::min(y + side - 2, Height() - 3) + 1);
}

// ------------------------------------------------------------------ painting

void TThumbnails::Paint() {
  if (FIsWorking || !StartPaint()) return;
  // Handlers run inside the paint; the flag must drop even when one throws.
  struct TWorking {
    bool& Flag;
    explicit TWorking(bool& F) : Flag(F) { Flag = true; }
    ~TWorking() { Flag = false; }
  } working(FIsWorking);

  TCanvas* c = Canvas();
  c->Font()->Assign(Font());
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(FColorBackGnd);
  c->FillRect(ClientRect());
  UpdateLayout();
  if (OnFirstImageRequest) OnFirstImageRequest(this);
  auto buffer = std::make_unique<TBitmap>();
  for (int col = 1; col <= FNumSldX; ++col)
    for (int row = 1; row <= FNumSldY; ++row) {
      const int n = SlideAt(col, row);
      if (n < FMin || n > FMax) continue;
      const TRect r = SlideRect(col, row);
      PaintSlide(c, n, r.Left, r.Top, buffer);
    }
  if (OnLastImageRequest) OnLastImageRequest(this);
  buffer.reset();

  const int w = Width(), h = Height();
  c->SetCopyMode(cmSrcCopy);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(FColorBackGnd);
  c->FillRect(TRect(0, 0, w, 10));
  c->FillRect(TRect(0, h - 10, w, h));
  Frame(c, FFrameStyle, 0, 0, w - 2, h - 2);
  if (FFocusLinewidth > 0) OutlineSlide(FFocusedSlide, FColorFocus);
}

void TThumbnails::PaintSlide(TCanvas* c, int n, int x0, int y0, std::unique_ptr<TBitmap>& Buffer) {
  const int m = FSlideMargin, x1 = x0 + FSlideSize + 2 * m, y1 = y0 + FSlideSize + 2 * m;
  TImageRequestProcessing how = irpShowEmpty;
  int mark = -1;
  if (!Buffer) Buffer = std::make_unique<TBitmap>();
  TBitmap* img = Buffer.get();
  if (OnImageRequest) OnImageRequest(this, n, how, mark, img);
  if (img != Buffer.get()) Buffer.reset(img);  // a handler's own bitmap is ours now

  c->SetCopyMode(cmSrcCopy);
  c->Pen()->SetMode(pmCopy);
  c->Pen()->SetStyle(psSolid);
  c->Pen()->SetWidth(1);
  c->Brush()->SetStyle(bsSolid);
  if (how != irpShowNothing) {
    c->Brush()->SetColor(GetSelectedSlide(n) ? FColorSelected : FColorCover);
    c->FillRect(TRect(x0, y0, x1 + 1, y1 + 1));
    Frame(c, FOuterFrameStyle, x0, y0, x1, y1);
  }
  if (how == irpShowEmpty) {
    c->Pen()->SetColor(clBlack);
    c->Brush()->SetColor(clWhite);
    c->Rectangle(x0 + m, y0 + m + 20, x1 - m, y1 - m - 20);
    const QString text = QString::number(n);
    c->Font()->SetColor(clBlack);
    c->Brush()->SetStyle(bsClear);
    c->TextOut((x0 + x1) / 2 - c->TextWidth(text) / 2, (y0 + y1) / 2 - c->TextHeight(text) / 2, text);
    c->Brush()->SetStyle(bsSolid);
  } else if (how == irpShowSlide && Buffer) {
    const TRect r = PictureRect(x0, y0, Buffer->Width(), Buffer->Height());
    if (!r.IsEmpty()) {
      c->StretchDraw(r, Buffer.get(), FAntiAlias);
      Frame(c, FInnerFrameStyle, r.Left, r.Top, r.Right - 1, r.Bottom - 1);
    }
  }
  if (mark != -1) {
    c->Pen()->SetColor(FColorMark);
    c->Brush()->SetColor(FColorMark);
    DrawMarkOnCanvas(c, std::uint8_t(mark), x0 + 10, y0 + 12);
  }
  if (OnSlideRendered) OnSlideRendered(this, c, x0, y0, n);
}

// ------------------------------------------------------------------ focus outline

// FocusLinewidth nested one-pixel rectangles in Color, then the bands that
// hide partly scrolled slides once more.
void TThumbnails::OutlineSlide(int SldNum, TColor Color) {
  if (SldNum < FMin || SldNum > FMax || SldNum == 0 || FFocusLinewidth <= 0) return;
  TCanvas* c = Canvas();
  if (!c) return;
  c->Pen()->SetColor(Color);
  c->Pen()->SetWidth(1);
  c->Pen()->SetStyle(psSolid);
  c->Pen()->SetMode(pmCopy);
  const TRect box = FocusBox(SldNum);
  for (int i = 0; i < FFocusLinewidth; ++i) {
    const int l = box.Left + i, t = box.Top + i, r = box.Right - 1 - i, b = box.Bottom - 1 - i;
    if (l <= r && t <= b) DrawRectangle(c, l, t, r, b);
  }
  const int w = Width(), h = Height();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(FColorBackGnd);
  c->FillRect(TRect(2, 2, w - 2, 10));
  c->FillRect(TRect(2, h - 10, w - 2, h - 2));
}

}  // namespace orv
