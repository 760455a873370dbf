#include "ORV_repsbut.h"

#include <algorithm>

namespace orv {

TRepSpeedButton::TRepSpeedButton(TOwnerArg AOwner) : TSpeedButton(AOwner) {}

void TRepSpeedButton::SetStartClickInterval(int Value) {
  Value = std::max(Value, 10);
  if (Value == FStartIv) return;
  FStartIv = Value;
  if (!Designing()) ArmStart();
}

void TRepSpeedButton::SetRepeatClickInterval(int Value) {
  Value = std::max(Value, 10);
  if (Value == FRepClickIv) return;
  FRepClickIv = Value;
  if (!Designing()) ArmRepeat();
}

void TRepSpeedButton::ArmStart() {
  FIsStart = true;
  FTimer.Stop();
  if (FStartIv > 0 && FRClickTimerEnabled) FTimer.Start(FStartIv, FRepClickIv);
}

void TRepSpeedButton::ArmRepeat() {
  FIsStart = false;
  FTimer.Stop();
  if (FRepClickIv > 0 && FRClickTimerEnabled) FTimer.Start(FRepClickIv);
}

// The timer has already gone over to the repeat interval after the start delay.
void TRepSpeedButton::Tick() {
  FIsStart = false;
  if (OnRepeatClick) OnRepeatClick(this);
}

void TRepSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TSpeedButton::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || Designing()) return;
  FRClickTimerEnabled = true;
  try {
    ArmStart();
  } catch (const EORVRepSpeedButton&) {
    FRClickTimerEnabled = false;  // nothing runs, so nothing is held
    throw;
  }
}

void TRepSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TSpeedButton::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  FRClickTimerEnabled = false;
  ArmRepeat();
}

void TRepSpeedButton::MouseLeave() {
  TSpeedButton::MouseLeave();
  if (FRClickTimerEnabled) MouseUp(mbLeft, TShiftState(), -1, -1);
}

}  // namespace orv
