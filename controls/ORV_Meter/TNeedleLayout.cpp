#include "OrvTNeedleLayout.h"

#include <algorithm>

namespace orv {

template <class T>
void TNeedleLayout::Store(T& Field, T Value) {
  if (Value == Field) return;
  Field = Value;
  Changed();
}

void TNeedleLayout::SetHeadSize(int Value) { Store(FHeadSize, Value); }
void TNeedleLayout::SetHeadAngle(int Value) { Store(FHeadAngle, std::clamp(Value, 0, 180)); }
void TNeedleLayout::SetHeadMidLeng(int Value) { Store(FHeadMidLeng, Value); }
void TNeedleLayout::SetThickness(int Value) { Store(FThickness, Value); }
void TNeedleLayout::SetColorBody(TColor Value) { Store(FColorBody, Value); }
void TNeedleLayout::SetColorOutline(TColor Value) { Store(FColorOutline, Value); }
void TNeedleLayout::SetPercentNeedleLength(int Value) { Store(FPercentNeedleLength, std::clamp(Value, 0, 100)); }
void TNeedleLayout::SetShadowDx(int Value) { Store(FShadowDx, Value); }
void TNeedleLayout::SetShadowDy(int Value) { Store(FShadowDy, Value); }
void TNeedleLayout::SetShadowColor(TColor Value) { Store(FShadowColor, Value); }
void TNeedleLayout::SetVisible(bool Value) { Store(FVisible, Value); }

void TNeedleLayout::Changed() {
  if (OnChange) OnChange(this);
}

void TNeedleLayout::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TNeedleLayout*>(Source);
  if (!s) {
    TPersistent::Assign(Source);
    return;
  }
  if (s == this) return;
  FHeadSize = s->FHeadSize;
  FHeadAngle = s->FHeadAngle;
  FHeadMidLeng = s->FHeadMidLeng;
  FThickness = s->FThickness;
  FColorBody = s->FColorBody;
  FColorOutline = s->FColorOutline;
  FPercentNeedleLength = s->FPercentNeedleLength;
  FShadowDx = s->FShadowDx;
  FShadowDy = s->FShadowDy;
  FShadowColor = s->FShadowColor;
  FVisible = s->FVisible;
  Changed();
}

}  // namespace orv
