#include "ORV_ProgBar.h"

#include <algorithm>

namespace orv {

TProgBar::TProgBar(TOwnerArg AOwner) : TGraphicControl(AOwner) {
  FillColorTable();
  FollowDirection();
  SetInitialSize(300, 28);
}

TProgBar::~TProgBar() = default;

// ------------------------------------------------------------------ value

void TProgBar::SetValue(double Value) {
  if (Value == FValue) return;
  FValue = Value;
  Paint();
}

void TProgBar::SetMin(double Value) {
  if (Value == FMin) return;
  FMin = Value;
  Paint();
}

void TProgBar::SetMax(double Value) {
  if (Value == FMax) return;
  FMax = Value;
  Paint();
}

void TProgBar::SetRange(double min, double max) {
  FMin = std::min(min, max);
  FMax = std::max(min, max);
  Paint();
}

void TProgBar::SetDirection(TDirection Value) {
  if (Value == FDirection) return;
  FDirection = Value;
  FollowDirection();
  Paint();
}

void TProgBar::FollowDirection() {
  if (GrowsVertically())
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
  else
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QSize TProgBar::sizeHint() const {
  const QSize s = TGraphicControl::sizeHint();
  return GrowsVertically() ? s.transposed().expandedTo(minimumSizeHint()) : s;
}

QSize TProgBar::minimumSizeHint() const {
  return QSize(FMarginLeft + FMarginRight + 1, FMarginTop + FMarginBottom + 1);
}

// ------------------------------------------------------------------ colours

void TProgBar::SetShowColorGradient(bool Value) {
  if (Value == FShowColorGradient) return;
  FShowColorGradient = Value;
  Paint();
}

void TProgBar::SetColorMapMode(TColorMapping Value) {
  if (Value == FColorMapMode) return;
  FColorMapMode = Value;
  Paint();
}

void TProgBar::SetColorMin(TColor Value) {
  if (Value == FColorMin) return;
  FColorMin = Value;
  FillColorTable();
  Paint();
}

void TProgBar::SetColorMax(TColor Value) {
  if (Value == FColorMax) return;
  FColorMax = Value;
  FillColorTable();
  Paint();
}

// Entry i = per channel trunc(c0 + (c1023 - c0) * i / 1023).
void TProgBar::FillColorTable() {
  const TColor c0 = ColorToRGB(FColorMin), c1 = ColorToRGB(FColorMax);
  auto channel = [](int a, int b, int i) { return int(a + (b - a) * double(i) / (ColorTableSize - 1)); };
  FBarColorArray.front() = FColorMin;
  FBarColorArray.back() = FColorMax;
  for (int i = 1; i < ColorTableSize - 1; ++i)
    FBarColorArray[std::size_t(i)] = RGB(channel(GetRValue(c0), GetRValue(c1), i),
                                         channel(GetGValue(c0), GetGValue(c1), i),
                                         channel(GetBValue(c0), GetBValue(c1), i));
}

TColor TProgBar::GetBarColorElem(int ix) const {
  return ix >= 0 && ix < ColorTableSize ? FBarColorArray[std::size_t(ix)] : clBlack;
}

void TProgBar::SetBarColorElem(int ix, TColor value) {
  if (ix >= 0 && ix < ColorTableSize) FBarColorArray[std::size_t(ix)] = value;
}

void TProgBar::SetColorBackGnd(TColor Value) {
  if (Value == FColorBackGnd) return;
  FColorBackGnd = Value;
  Paint();
}

void TProgBar::SetColorMargin(TColor Value) {
  if (Value == FColorMargin) return;
  FColorMargin = Value;
  Paint();
}

void TProgBar::SetColorGrid(TColor Value) {
  if (Value == FColorGrid) return;
  FColorGrid = Value;
  Paint();
}

void TProgBar::SetGridDist(int Value) {
  if (Value == FGridDist) return;
  FGridDist = Value;
  Paint();
}

// ------------------------------------------------------------------ layout

void TProgBar::SetMargin(int& Field, int Value) {
  if (Value == Field) return;
  Field = Value;
  updateGeometry();
  Paint();
}

void TProgBar::SetMarginLeft(int Value) { SetMargin(FMarginLeft, Value); }
void TProgBar::SetMarginRight(int Value) { SetMargin(FMarginRight, Value); }
void TProgBar::SetMarginTop(int Value) { SetMargin(FMarginTop, Value); }
void TProgBar::SetMarginBottom(int Value) { SetMargin(FMarginBottom, Value); }

void TProgBar::SetFrameStyleOuter(TFrameStyle Value) {
  if (Value == FFrameStyleOuter) return;
  FFrameStyleOuter = Value;
  Paint();
}

void TProgBar::SetFrameStyleInner(TFrameStyle Value) {
  if (Value == FFrameStyleInner) return;
  FFrameStyleInner = Value;
  Paint();
}

void TProgBar::SetColorScheme(TColorScheme Value) {
  if (Value == FColorScheme) return;
  FColorScheme = Value;
  FColWhiteLine = Value == csFixedColors ? clWhite : clBtnHighlight;
  FColGrayLine = Value == csFixedColors ? clGray : clBtnShadow;
  Paint();
}

void TProgBar::SetBackGroundImg(const QString& Value) {
  if (Value == FBackGroundImg) return;
  if (!Value.isEmpty()) {
    // Loaded into a scratch bitmap first, so a failure keeps the old picture.
    TBitmap picture;
    try {
      picture.LoadFromFile(Value);
    } catch (const Exception&) {
      return;
    }
    FBackGround.Assign(&picture);
  }
  FBackGroundImg = Value;
  Paint();
}

// ------------------------------------------------------------------ text

void TProgBar::SetTextVisible(bool Value) {
  FTextVisible = Value;
  Paint();
}

void TProgBar::SetTextPosX(int Value) {
  FTextPosX = std::clamp(Value, 0, Width());
  Paint();
}

void TProgBar::SetTextPosY(int Value) {
  FTextPosY = std::clamp(Value, 0, Height());
  Paint();
}

void TProgBar::SetTextAlignment(TAlignment Value) {
  if (Value == FTextAlignment) return;
  FTextAlignment = Value;
  Paint();
}

void TProgBar::SetTextAngle(int Value) {
  FTextAngle = std::clamp(Value, 0, 360);
  Paint();
}

void TProgBar::SetTextDecPlaces(int Value) {
  FTextDecPlaces = std::clamp(Value, -2, 10);
  Paint();
}

// ------------------------------------------------------------------ automatic increment

void TProgBar::SetAutoInc(bool Value) {
  if (Value == FAutoInc) return;
  FAutoInc = Value;
  if (ComponentState().Contains(csDesigning)) return;
  if (!Value) {
    FTimer.Stop();
    return;
  }
  try {
    FTimer.Start(FStartInterval, FRepeatInterval);
  } catch (const EORVProgBar&) {
    FAutoInc = false;  // the property tells the truth: nothing runs
    throw;
  }
}

void TProgBar::SetAutoIncStep(double Value) {
  if (Value != 0) FAutoIncStep = Value;
}

void TProgBar::SetStartInterval(int Value) {
  Value = std::max(Value, 10);
  if (Value == FStartInterval) return;
  FStartInterval = Value;
  if (FAutoInc && !ComponentState().Contains(csDesigning)) FTimer.Start(FStartInterval, FRepeatInterval);
}

void TProgBar::SetRepeatInterval(int Value) {
  Value = std::max(Value, 10);
  if (Value == FRepeatInterval) return;
  FRepeatInterval = Value;
  if (FAutoInc && !ComponentState().Contains(csDesigning)) FTimer.Start(FRepeatInterval);
}

void TProgBar::DoTimer() {
  AutoIncEvent();
  if (OnAutoInc) OnAutoInc(this);
}

void TProgBar::AutoIncEvent() {
  FValue += FAutoIncStep;
  Paint();
}

// ------------------------------------------------------------------ assignment

void TProgBar::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TProgBar*>(Source);
  if (!s) {
    TGraphicControl::Assign(Source);
    return;
  }
  FFrameStyleOuter = s->FFrameStyleOuter;
  FFrameStyleInner = s->FFrameStyleInner;
  FValue = s->FValue;
  FMin = s->FMin;
  FMax = s->FMax;
  FColorMargin = s->FColorMargin;
  FColWhiteLine = s->FColWhiteLine;
  FColGrayLine = s->FColGrayLine;
  FColBlackLine = s->FColBlackLine;
  FColorScheme = s->FColorScheme;
  FDirection = s->FDirection;
  FollowDirection();
  FColorMin = s->FColorMin;
  FColorMax = s->FColorMax;
  FBarColorArray = s->FBarColorArray;
  FBackGround.Assign(&s->FBackGround);
  FColorBackGnd = s->FColorBackGnd;
  FShowColorGradient = s->FShowColorGradient;
  FColorGrid = s->FColorGrid;
  FGridDist = s->FGridDist;
  FColorMapMode = s->FColorMapMode;
  FMarginLeft = s->FMarginLeft;
  FMarginRight = s->FMarginRight;
  FMarginTop = s->FMarginTop;
  FMarginBottom = s->FMarginBottom;
  FBackGroundImg = s->FBackGroundImg;
  FTextPosX = s->FTextPosX;
  FTextPosY = s->FTextPosY;
  FTextDecPlaces = s->FTextDecPlaces;
  FTextAngle = s->FTextAngle;
  FTextAlignment = s->FTextAlignment;
  OnShowValue = s->OnShowValue;
  FTextVisible = s->FTextVisible;
  Paint();
}

void TProgBar::AssignTo(TPersistent* Dest) {
  if (auto* d = dynamic_cast<TProgBar*>(Dest))
    d->Assign(this);
  else
    TGraphicControl::AssignTo(Dest);
}

}  // namespace orv
