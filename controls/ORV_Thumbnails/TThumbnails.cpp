// TThumbnails: properties, selection, scrolling, mouse and assignment.
#include "ORV_Thumbnails.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace orv {

TThumbnails::TThumbnails(TOwnerArg AOwner) : TGraphicControl(AOwner) {
  SetInitialSize(260, 400);
  UpdateLayout();
}

TThumbnails::~TThumbnails() = default;

QSize TThumbnails::minimumSizeHint() const {
  // One slide between the 10-pixel bands.
  const int side = FSlideSize + 2 * FSlideMargin + 21;
  return QSize(side, side);
}

// ------------------------------------------------------------------ properties

void TThumbnails::SetIntField(int& Field, int Value) {
  if (Value == Field) return;
  Field = Value;
  UpdateLayout();
  Paint();
}

void TThumbnails::SetColorField(TColor& Field, TColor Value) {
  if (Value == Field) return;
  Field = Value;
  Paint();
}

void TThumbnails::SetStyleField(TFrameStyle& Field, TFrameStyle Value) {
  if (Value == Field) return;
  Field = Value;
  Paint();
}

void TThumbnails::SetMin(int Value) {
  if (Value == FMin) return;
  FMin = Value;
  ResizeSelection();
  Paint();
}

void TThumbnails::SetMax(int Value) {
  Value = std::max(Value, 1);
  if (Value == FMax) return;
  FMax = Value;
  ResizeSelection();
  Paint();
}

// One bit per slide; a scroll position left outside the range would show no slide at all.
void TThumbnails::ResizeSelection() {
  FSelectedSlide.SetSize(int(std::clamp<qint64>(qint64(FMax) - FMin + 1, 0, INT_MAX)));
  const double v = ScrollValue(FNumSldX);
  if (v < FMin || v > FMax) StoreFirstThumbIx(v);
}

void TThumbnails::SetSlideSize(int Value) { SetIntField(FSlideSize, std::max(50, std::min(Value, Width()))); }
void TThumbnails::SetSlideDistance(int Value) { SetIntField(FSlideDistance, std::clamp(Value, 0, 100)); }
void TThumbnails::SetSlideMargin(int Value) { SetIntField(FSlideMargin, std::clamp(Value, 0, 100)); }
void TThumbnails::SetFocusLinewidth(int Value) { SetIntField(FFocusLinewidth, std::clamp(Value, 0, 10)); }

void TThumbnails::SetSlideSelectMode(TSlideSelectMode Value) {
  if (Value == FSlideSelectMode) return;
  FSlideSelectMode = Value;
  FSelectedSlide.Clear();
  Paint();
}

void TThumbnails::SetAntiAlias(bool Value) {
  if (Value == FAntiAlias) return;
  FAntiAlias = Value;
  Paint();
}

void TThumbnails::SetColorBackGnd(TColor Value) { SetColorField(FColorBackGnd, Value); }
void TThumbnails::SetColorCover(TColor Value) { SetColorField(FColorCover, Value); }
void TThumbnails::SetColorSelected(TColor Value) { SetColorField(FColorSelected, Value); }
void TThumbnails::SetColorFocus(TColor Value) { SetColorField(FColorFocus, Value); }
void TThumbnails::SetColorMark(TColor Value) { SetColorField(FColorMark, Value); }

// The painting uses fixed frame colours; the scheme is kept for the form file.
void TThumbnails::SetColorScheme(TColorScheme Value) {
  if (Value == FColorScheme) return;
  FColorScheme = Value;
  Paint();
}

void TThumbnails::SetFrameStyle(TFrameStyle Value) { SetStyleField(FFrameStyle, Value); }
void TThumbnails::SetOuterFrameStyle(TFrameStyle Value) { SetStyleField(FOuterFrameStyle, Value); }
void TThumbnails::SetInnerFrameStyle(TFrameStyle Value) { SetStyleField(FInnerFrameStyle, Value); }

// ------------------------------------------------------------------ selection

bool TThumbnails::GetSelectedSlide(int sldnum) const {
  const qint64 ix = qint64(sldnum) - FMin;
  return ix >= 0 && ix < FSelectedSlide.Size() && FSelectedSlide.GetBit(int(ix));
}

void TThumbnails::SetSelectedSlide(int sldnum, bool value) {
  if (GetSelectedSlide(sldnum) == value || !SetSelectedBit(sldnum, value)) return;
  Paint();
}

bool TThumbnails::SetSelectedBit(int sldnum, bool value) {
  const qint64 ix = qint64(sldnum) - FMin;
  if (ix < 0 || ix >= FSelectedSlide.Size()) return false;
  FSelectedSlide.SetBit(int(ix), value);
  return true;
}

void TThumbnails::ResetAllSelections() {
  FSelectedSlide.Clear();
  Paint();
}

int TThumbnails::FirstSelectedSlide() const { return FSelectedSlide.FirstTrueBit() + FMin; }

int TThumbnails::NumSlidesSelected() const { return FSelectedSlide.CountTrueBits(); }

// ------------------------------------------------------------------ scrolling and layout

double TThumbnails::ScrollValue(int PerRow) const {
  const double c = std::trunc(FFirstThumbIx);
  return c + (FFirstThumbIx - c) * PerRow;
}

bool TThumbnails::StoreFirstThumbIx(double Value) {
  if (std::isnan(Value)) return false;
  Value = std::max(std::min(Value, double(FMax)), double(FMin));
  const qint64 b = qint64(std::trunc(Value - 1)) / FNumSldX;
  const double c = double(FNumSldX) * double(b) + 1;
  const double next = c + (Value - c) / FNumSldX;
  if (next == FFirstThumbIx) return false;
  FFirstThumbIx = next;
  return true;
}

void TThumbnails::SetFirstThumbIx(double Value) {
  if (StoreFirstThumbIx(Value)) Paint();
}

void TThumbnails::ScrollRows(double Rows) { SetFirstThumbIx(ScrollValue(FNumSldX) + Rows * FNumSldX); }

void TThumbnails::UpdateLayout() {
  const int p = Pitch();
  const int nx = std::max(1, (Width() + FSlideDistance - 20) / p);
  if (nx != FNumSldX) {
    const double v = ScrollValue(FNumSldX);
    FNumSldX = nx;
    StoreFirstThumbIx(v);
  }
  FNumSldY = Height() / p + 1;
}

void TThumbnails::Resize() {
  UpdateLayout();
  TGraphicControl::Resize();
}

// ------------------------------------------------------------------ mouse

void TThumbnails::TrackFocus(int Slide) {
  if (Slide == FFocusedSlide) return;
  ResetLastHiLite();
  FFocusedSlide = Slide;
  HiLite(Slide);
  if (OnFocusChange) OnFocusChange(this);
}

void TThumbnails::HiLite(int SldNum) { OutlineSlide(SldNum, FColorFocus); }

void TThumbnails::ResetLastHiLite() {
  OutlineSlide(FFocusedSlide, GetSelectedSlide(FFocusedSlide) ? FColorSelected : FColorCover);
}

void TThumbnails::MouseMove(TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (FFocusLinewidth > 0) TrackFocus(CalcSlideIndex(X, Y));
}

void TThumbnails::MouseLeave() {
  TGraphicControl::MouseLeave();
  if (FFocusLinewidth > 0) TrackFocus(0);
}

void TThumbnails::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft || (X == -1 && Y == -1)) return;
  const int n = CalcSlideIndex(X, Y);
  if (FSlideSelectMode == ssmSingle) {
    FSelectedSlide.Clear();
    if (n != 0) SetSelectedBit(n, true);
    FLastClickedSlide = n;
    Paint();
  } else if (FSlideSelectMode == ssmMultiple && n != 0) {
    if (Shift.Contains(ssShift) && FLastClickedSlide >= FMin && FLastClickedSlide <= FMax) {
      for (qint64 s = std::min(n, FLastClickedSlide); s <= std::max(n, FLastClickedSlide); ++s)
        SetSelectedBit(int(s), true);
    } else {
      SetSelectedBit(n, !GetSelectedSlide(n));
    }
    FLastClickedSlide = n;
    Paint();
  }
  if (OnImageClick) OnImageClick(this, X, Y, n);
}

void TThumbnails::DblClick() {
  TGraphicControl::DblClick();
  const TPoint p = LastMousePos();
  if (OnImageDblClick) OnImageDblClick(this, p.X, p.Y, CalcSlideIndex(p.X, p.Y));
}

bool TThumbnails::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  if (TGraphicControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  ScrollRows(-WheelDelta / 240.0);
  if (FFocusLinewidth > 0) TrackFocus(CalcSlideIndex(MousePos.X, MousePos.Y));
  return true;
}

// ------------------------------------------------------------------ assignment

void TThumbnails::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TThumbnails*>(Source);
  if (!s) {
    TGraphicControl::Assign(Source);
    return;
  }
  FFrameStyle = s->FFrameStyle;
  FOuterFrameStyle = s->FOuterFrameStyle;
  FInnerFrameStyle = s->FInnerFrameStyle;
  FColorBackGnd = s->FColorBackGnd;
  FColorScheme = s->FColorScheme;
  FFirstThumbIx = s->FFirstThumbIx;
  FMin = s->FMin;
  FMax = s->FMax;
  FSelectedSlide.SetSize(s->FSelectedSlide.Size());
  FNumSldX = s->FNumSldX;
  FNumSldY = s->FNumSldY;
  FSlideSize = s->FSlideSize;
  FSlideDistance = s->FSlideDistance;
  FSlideMargin = s->FSlideMargin;
  OnImageRequest = s->OnImageRequest;
  OnImageClick = s->OnImageClick;
  OnImageDblClick = s->OnImageDblClick;
  OnFocusChange = s->OnFocusChange;
  OnFirstImageRequest = s->OnFirstImageRequest;
  OnLastImageRequest = s->OnLastImageRequest;
  FAntiAlias = s->FAntiAlias;
  FColorCover = s->FColorCover;
  FColorSelected = s->FColorSelected;
  FColorFocus = s->FColorFocus;
  FFocusedSlide = s->FFocusedSlide;
  FFocusLinewidth = s->FFocusLinewidth;
  Paint();
}

void TThumbnails::AssignTo(TPersistent* Dest) {
  if (auto* d = dynamic_cast<TThumbnails*>(Dest))
    d->Assign(this);
  else
    TGraphicControl::AssignTo(Dest);
}

}  // namespace orv
