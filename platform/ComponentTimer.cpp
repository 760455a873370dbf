#include "OrvTComponentTimer.h"

#include <algorithm>

namespace orv {

namespace {
constexpr std::uintptr_t TimerId = 1;
}

TComponentTimerBase::TComponentTimerBase(const TComponent* Component, std::function<void()> OnTimer, TRaise Raise)
    : FComponent(Component), FOnTimer(std::move(OnTimer)), FRaise(Raise) {
  FWnd = AllocateHWnd([this](TMessage& Msg) { WndProc(Msg); });
}

TComponentTimerBase::~TComponentTimerBase() { DeallocateHWnd(FWnd); }

void TComponentTimerBase::Start(int Delay, int Period) {
  FPeriod = Period;
  FDelaying = Delay != Period;
  Arm(Delay);
}

void TComponentTimerBase::Stop() {
  KillTimer(FWnd, TimerId);
  FRunning = false;
}

void TComponentTimerBase::Arm(int Interval) {
  if (SetTimer(FWnd, TimerId, unsigned(std::max(Interval, 0))) != 0) {
    FRunning = true;
    return;
  }
  Stop();
  FRaise(NoTimerAvailableMessage(FComponent ? FComponent->Name() : QString()));
}

void TComponentTimerBase::WndProc(TMessage& Msg) {
  if (Msg.Msg != WM_TIMER || Msg.WParam != TimerId) {
    Msg.Result = DefWindowProcW(FWnd, Msg.Msg, Msg.WParam, Msg.LParam);
    return;
  }
  if (FDelaying) {
    FDelaying = false;
    Arm(FPeriod);
  }
  if (FOnTimer) FOnTimer();
}

}  // namespace orv
