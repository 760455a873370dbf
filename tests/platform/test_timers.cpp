// Timer windows: delivery on the virtual clock, KillTimer, restart, the failure switch.
#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace orv;

namespace {

class TimerTest : public ::testing::Test {
protected:
  void SetUp() override { SetVirtualTimers(true); }
  void TearDown() override {
    SetTimersFail(false);
    SetVirtualTimers(false);
  }
};

}  // namespace

TEST_F(TimerTest, DeliversWmTimerAtEachPeriod) {
  std::vector<std::uintptr_t> ids;
  HWND w = AllocateHWnd([&](TMessage& m) {
    if (m.Msg == WM_TIMER) ids.push_back(m.WParam);
  });
  ASSERT_EQ(SetTimer(w, 1, 500), 1u);
  AdvanceTimers(499);
  EXPECT_TRUE(ids.empty());
  AdvanceTimers(1);
  EXPECT_EQ(ids.size(), 1u);
  AdvanceTimers(1000);
  EXPECT_EQ(ids, (std::vector<std::uintptr_t>{1, 1, 1}));
  EXPECT_TRUE(KillTimer(w, 1));
  AdvanceTimers(5000);
  EXPECT_EQ(ids.size(), 3u);
  EXPECT_FALSE(KillTimer(w, 1));
  DeallocateHWnd(w);
}

TEST_F(TimerTest, TwoTimersFireInTimeOrderAndRestartResetsThePhase) {
  std::vector<std::uintptr_t> ids;
  HWND w = AllocateHWnd([&](TMessage& m) { ids.push_back(m.WParam); });
  SetTimer(w, 1, 300);
  SetTimer(w, 2, 200);
  AdvanceTimers(600);  // 2@200, 1@300, 2@400, 1@600, 2@600
  EXPECT_EQ(ids, (std::vector<std::uintptr_t>{2, 1, 2, 1, 2}));
  ids.clear();
  AdvanceTimers(100);
  SetTimer(w, 1, 300);  // restarted at 700: next at 1000
  AdvanceTimers(250);   // to 950: only timer 2 at 800
  EXPECT_EQ(ids, (std::vector<std::uintptr_t>{2}));
  DeallocateHWnd(w);
  EXPECT_EQ(ActiveTimerCount(), 0);
}

TEST_F(TimerTest, HandlerMayStopItsOwnTimer) {
  int count = 0;
  HWND w = nullptr;
  w = AllocateHWnd([&](TMessage&) {
    ++count;
    KillTimer(w, 1);
  });
  SetTimer(w, 1, 10);
  AdvanceTimers(1000);
  EXPECT_EQ(count, 1);
  DeallocateHWnd(w);
}

TEST_F(TimerTest, FailureSwitchMakesSetTimerFail) {
  HWND w = AllocateHWnd([](TMessage&) {});
  SetTimersFail(true);
  EXPECT_EQ(SetTimer(w, 1, 100), 0u);
  SetTimersFail(false);
  EXPECT_EQ(SetTimer(w, 1, 100), 1u);
  DeallocateHWnd(w);
}

TEST_F(TimerTest, DefWindowProcHandlesOtherMessages) {
  HWND w = AllocateHWnd([](TMessage&) {});
  EXPECT_EQ(DefWindowProcW(w, 0x000F, 0, 0), 0);
  DeallocateHWnd(w);
}

namespace {

class EFamilyError : public Exception {
public:
  using Exception::Exception;
};

}  // namespace

TEST_F(TimerTest, ComponentTimerWaitsItsDelayThenRepeatsAndRaisesTheFamilysError) {
  TComponent bar(nullptr);
  bar.SetName(QStringLiteral("Bar1"));
  int ticks = 0;
  {
    TComponentTimer<EFamilyError> t(&bar, [&] { ++ticks; });
    t.Start(500, 200);
    EXPECT_TRUE(t.Delaying());
    const struct {
      int Advance;
      int Ticks;
    } steps[] = {{499, 0}, {1, 1}, {199, 1}, {1, 2}, {200, 3}};
    for (const auto& s : steps) {
      AdvanceTimers(s.Advance);
      EXPECT_EQ(ticks, s.Ticks);
    }
    EXPECT_FALSE(t.Delaying());
    t.Start(300);  // again from now
    AdvanceTimers(299);
    EXPECT_EQ(ticks, 3);
    AdvanceTimers(1);
    EXPECT_EQ(ticks, 4);
    SetTimersFail(true);
    try {
      t.Start(100);
      ADD_FAILURE() << "no exception";
    } catch (const EFamilyError& e) {
      EXPECT_EQ(e.Message(), QStringLiteral("Component \"Bar1\": no timer available"));
    }
    EXPECT_FALSE(t.Running());
    SetTimersFail(false);
    t.Start(100);
    EXPECT_TRUE(t.Running());
  }
  EXPECT_EQ(ActiveTimerCount(), 0);  // gone with its owner
}

TEST_F(TimerTest, AnExceptionInATickGoesToTheApplicationHandlerAndTheTimerRunsOn) {
  QStringList handled;
  const TExceptionHandler previous =
      SetExceptionHandler([&](const std::exception& e) { handled << QString::fromUtf8(e.what()); });
  int ticks = 0;
  TComponentTimer<EFamilyError> t(nullptr, [&] {
    ++ticks;
    throw EFamilyError(QStringLiteral("tick %1 failed").arg(ticks));
  });
  t.Start(100);
  AdvanceTimers(200);
  EXPECT_EQ(handled, (QStringList{"tick 1 failed", "tick 2 failed"}));
  // A handler that raises in turn is survived as well.
  SetExceptionHandler([](const std::exception&) { throw std::runtime_error("handler failed"); });
  AdvanceTimers(100);
  EXPECT_EQ(ticks, 3);
  SetExceptionHandler(previous);
}
