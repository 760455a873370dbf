#pragma once
// TRepSpeedButton: a speed button that repeats while it is held, the way a
// scroll arrow does.
//
// While the left button is held on it, OnRepeatClick fires first after
// StartClickInterval milliseconds (500) and then every RepeatClickInterval
// milliseconds (200); releasing the button, or moving the pointer off it,
// stops the repeats (moving off also ends the press without a click). The
// speed button's own behaviour is unchanged: a click fires OnClick, Down
// and groups work as for TSpeedButton.
//
// The repeats run on the button's own timer. When the system has no timer
// to give, the press (or the interval setter that re-arms the timer while
// the button is held) raises EORVRepSpeedButton "Component \"<Name>\": no
// timer available". An exception raised by OnRepeatClick goes to the
// application's exception handler; the repeats go on. In the form designer
// nothing is armed.
//
// \image html repeat_buttons.png "Repeat buttons in the gallery"

#include <orvcore.h>

namespace orv {

class EORVRepSpeedButton : public EORVError {
public:
  using EORVError::EORVError;
};

class TRepSpeedButton : public TSpeedButton {
  Q_OBJECT
  Q_PROPERTY(int StartClickInterval READ StartClickInterval WRITE SetStartClickInterval)
  Q_PROPERTY(int RepeatClickInterval READ RepeatClickInterval WRITE SetRepeatClickInterval)

public:
  // A speed button with the default intervals; AOwner (a component, a Qt
  // parent widget, or null) owns it and, when it is a control, is its parent.
  explicit TRepSpeedButton(TOwnerArg AOwner);

  // Delay before the first repeat, in milliseconds (500; at least 10).
  // Setting another value while the button is held starts the delay again.
  int StartClickInterval() const { return FStartIv; }
  void SetStartClickInterval(int Value);
  // Time between repeats, in milliseconds (200; at least 10). Setting
  // another value while the button is held goes straight to repeating at it.
  int RepeatClickInterval() const { return FRepClickIv; }
  void SetRepeatClickInterval(int Value);
  // Whether the left button is held on the button (the repeats are armed).
  bool Held() const { return FRClickTimerEnabled; }

  // Fires on every repeat.
  TNotifyEvent OnRepeatClick;

  // Arms the start delay after the speed button's own handling of a left press.
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // Stops the repeats after the speed button's own handling of a left release.
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // Ends a press that is held as the pointer leaves: a left release outside
  // the button, so that the repeats stop and no click follows.
  void MouseLeave() override;

private:
  // Kills the timer, then (while held, outside the designer) sets it to the
  // start delay followed by repeats (ArmStart), or to the repeats (ArmRepeat).
  void ArmStart();
  void ArmRepeat();
  void Tick();
  bool Designing() const { return ComponentState().Contains(csDesigning); }

  bool FRClickTimerEnabled = false;
  bool FIsStart = true;
  int FRepClickIv = 200;
  int FStartIv = 500;
  TComponentTimer<EORVRepSpeedButton> FTimer{this, [this] { Tick(); }};
};

}  // namespace orv
