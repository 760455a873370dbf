#include "OrvTimers.h"

#include "OrvServices.h"

#include <QObject>
#include <QTimer>
#include <QtGlobal>

#include <algorithm>
#include <list>

namespace orv {

// A hidden message window: a handler and the timers running on it.
class TMessageWindow : public QObject {
public:
  explicit TMessageWindow(TWndMethod AMethod) : Method(std::move(AMethod)) {}
  TWndMethod Method;
};

namespace {

struct TimerEntry {
  HWND Wnd;
  std::uintptr_t Id;
  int Interval;
  long long Due;       // virtual clock time of the next message
  QTimer* Real;        // the Qt timer when not virtual
};

struct TimerState {
  std::list<TimerEntry> Timers;
  bool Virtual = false;
  bool Fail = false;
  long long Now = 0;
};

TimerState& State() {
  static TimerState s;
  return s;
}

// Delivers one WM_TIMER; an exception in the handler goes to the
// application's exception handler instead of into the event loop, and the
// timer keeps running.
void Deliver(HWND Wnd, std::uintptr_t Id) {
  TMessage msg;
  msg.Msg = WM_TIMER;
  msg.WParam = Id;
  try {
    if (Wnd->Method) Wnd->Method(msg);
  } catch (const std::exception& e) {
    HandleException(e);
  } catch (...) {
    HandleException(Exception(QStringLiteral("unknown exception in a timer handler")));
  }
}

std::list<TimerEntry>::iterator Find(HWND Wnd, std::uintptr_t Id) {
  auto& timers = State().Timers;
  return std::find_if(timers.begin(), timers.end(), [&](const TimerEntry& t) { return t.Wnd == Wnd && t.Id == Id; });
}

void StartEntry(TimerEntry& t) {
  TimerState& s = State();
  t.Due = s.Now + t.Interval;
  t.Real = nullptr;
  if (s.Virtual) return;
  t.Real = new QTimer(t.Wnd);
  HWND wnd = t.Wnd;
  std::uintptr_t id = t.Id;
  QObject::connect(t.Real, &QTimer::timeout, t.Wnd, [wnd, id] { Deliver(wnd, id); });
  t.Real->start(t.Interval);
}

void StopEntry(TimerEntry& t) {
  delete t.Real;
  t.Real = nullptr;
}

}  // namespace

HWND AllocateHWnd(TWndMethod Method) { return new TMessageWindow(std::move(Method)); }

void DeallocateHWnd(HWND Wnd) {
  if (!Wnd) return;
  auto& timers = State().Timers;
  for (auto it = timers.begin(); it != timers.end();) {
    if (it->Wnd == Wnd) {
      StopEntry(*it);
      it = timers.erase(it);
    } else {
      ++it;
    }
  }
  delete Wnd;
}

std::uintptr_t SetTimer(HWND Wnd, std::uintptr_t IDEvent, unsigned Elapse) {
  TimerState& s = State();
  if (!Wnd || s.Fail) return 0;
  // Like the system, intervals below 10 ms are raised to 10 ms.
  const int interval = int(std::clamp<unsigned>(Elapse, 10u, 0x7FFFFFFFu));
  auto it = Find(Wnd, IDEvent);
  if (it == s.Timers.end()) it = s.Timers.insert(s.Timers.end(), TimerEntry{Wnd, IDEvent, interval, 0, nullptr});
  StopEntry(*it);
  it->Interval = interval;
  StartEntry(*it);
  return IDEvent == 0 ? 1 : IDEvent;
}

bool KillTimer(HWND Wnd, std::uintptr_t IDEvent) {
  auto it = Find(Wnd, IDEvent);
  if (it == State().Timers.end()) return false;
  StopEntry(*it);
  State().Timers.erase(it);
  return true;
}

QString NoTimerAvailableMessage(const QString& ComponentName) {
  return QStringLiteral("Component \"%1\": no timer available").arg(ComponentName);
}

std::intptr_t DefWindowProcW(HWND, unsigned, std::uintptr_t, std::intptr_t) { return 0; }

void SetVirtualTimers(bool Value) {
  TimerState& s = State();
  if (s.Virtual == Value) return;
  s.Virtual = Value;
  // Running timers continue on the other clock.
  for (auto& t : s.Timers) {
    StopEntry(t);
    StartEntry(t);
  }
}

bool VirtualTimers() { return State().Virtual; }

void AdvanceTimers(int Ms) {
  TimerState& s = State();
  if (!s.Virtual || Ms <= 0) {
    if (Ms > 0) s.Now += Ms;
    return;
  }
  const long long target = s.Now + Ms;
  for (;;) {
    // The earliest due timer (the first started among equals); handlers may
    // start, stop or destroy timers, so search again after every message.
    auto next = s.Timers.end();
    for (auto it = s.Timers.begin(); it != s.Timers.end(); ++it)
      if (it->Due <= target && (next == s.Timers.end() || it->Due < next->Due)) next = it;
    if (next == s.Timers.end()) break;
    s.Now = next->Due;
    next->Due += next->Interval;
    Deliver(next->Wnd, next->Id);
  }
  s.Now = target;
}

void SetTimersFail(bool Value) { State().Fail = Value; }

int ActiveTimerCount() { return int(State().Timers.size()); }

}  // namespace orv
