#pragma once
// Hidden message windows and window-message timers.
//
// AllocateHWnd(handler) makes a hidden window whose messages go to the handler;
// SetTimer(window, id, ms) delivers WM_TIMER (WParam = id) to it every ms
// milliseconds until KillTimer. Underneath is a QTimer on the UI thread.
//
// Test hooks: SetVirtualTimers(true) switches every timer to a virtual clock
// that runs only in AdvanceTimers(ms); SetTimersFail(true) makes every
// SetTimer fail (return 0) until switched off.

#include "OrvTypes.h"

namespace orv {

struct TMessage {
  unsigned Msg = 0;
  std::uintptr_t WParam = 0;
  std::intptr_t LParam = 0;
  std::intptr_t Result = 0;
};

constexpr unsigned WM_TIMER = 0x0113;

class TMessageWindow;
using HWND = TMessageWindow*;
using TWndMethod = std::function<void(TMessage& Msg)>;

HWND AllocateHWnd(TWndMethod Method);
// Destroys the window and stops its timers.
void DeallocateHWnd(HWND Wnd);
// Starts (or restarts) timer IDEvent on the window; returns IDEvent, or 0 on failure.
std::uintptr_t SetTimer(HWND Wnd, std::uintptr_t IDEvent, unsigned Elapse);
bool KillTimer(HWND Wnd, std::uintptr_t IDEvent);
// The text a control raises when SetTimer fails:
// Component "<ComponentName>": no timer available
QString NoTimerAvailableMessage(const QString& ComponentName);
// The default handling of a message: nothing, result 0.
std::intptr_t DefWindowProcW(HWND Wnd, unsigned Msg, std::uintptr_t WParam, std::intptr_t LParam);

void SetVirtualTimers(bool Value);
bool VirtualTimers();
// Advances the virtual clock by Ms milliseconds, delivering every due timer
// message in time order.
void AdvanceTimers(int Ms);
void SetTimersFail(bool Value);
// The number of timers running now (for tests).
int ActiveTimerCount();

}  // namespace orv
