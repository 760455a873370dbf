#pragma once
// TComponentTimer<E>: the one timer a control runs, on a hidden message
// window of its own (AllocateHWnd, timer identifier 1), owned by the control
// from construction to destruction.
//
// Start(Delay, Period) arms it: the first tick comes Delay ms from now, the
// following ones every Period ms (the timer is re-armed with the period
// before that first tick is handled). Start again re-arms it from now; Stop
// kills it. Each tick calls OnTimer; an exception raised there goes to the
// application's exception handler (HandleException) and the timer keeps
// running. When the system has no timer to give, Start raises E with the
// message "Component \"<Name>\": no timer available" (the component's name
// at that moment) and the timer is stopped. The window passes every other
// message to DefWindowProcW.
//
// E is the control family's exception class, constructible from a QString.

#include "OrvTObject.h"
#include "OrvTimers.h"

namespace orv {

class TComponentTimerBase {
public:
  // Throws the family's exception with the message.
  using TRaise = void (*)(const QString& Message);
  TComponentTimerBase(const TComponent* Component, std::function<void()> OnTimer, TRaise Raise);
  ~TComponentTimerBase();
  TComponentTimerBase(const TComponentTimerBase&) = delete;
  TComponentTimerBase& operator=(const TComponentTimerBase&) = delete;

  void Start(int Delay, int Period);
  void Start(int Period) { Start(Period, Period); }
  void Stop();
  bool Running() const { return FRunning; }
  // True while the timer waits for its first tick after a delay that is not the period.
  bool Delaying() const { return FRunning && FDelaying; }

private:
  void WndProc(TMessage& Msg);
  void Arm(int Interval);

  const TComponent* FComponent;
  std::function<void()> FOnTimer;
  TRaise FRaise;
  HWND FWnd = nullptr;
  int FPeriod = 0;
  bool FRunning = false;
  bool FDelaying = false;
};

template <class E>
class TComponentTimer : public TComponentTimerBase {
public:
  TComponentTimer(const TComponent* Component, std::function<void()> OnTimer)
      : TComponentTimerBase(Component, std::move(OnTimer), [](const QString& Message) { throw E(Message); }) {}
};

}  // namespace orv
