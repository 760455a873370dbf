// TRepSpeedButton: repeats on the virtual clock while held, the intervals
// and their lower limit, leaving the button, the designer, and the timer
// that cannot be had.
#include "TestSupport.h"

#include <ORV_repsbut.h>

#include <QTest>
#include <gtest/gtest.h>

#include <memory>

using namespace orv;

namespace {

class RepSpeedButtonTest : public ::testing::Test {
protected:
  void SetUp() override {
    SetVirtualTimers(true);
    host = std::make_unique<QWidget>();
    host->resize(200, 100);
    but = new TRepSpeedButton(host.get());
    but->SetName(QStringLiteral("RepBtn"));
    but->SetBounds(10, 10, 40, 30);
    but->OnRepeatClick = [this](TObject*) { repeats.push_back(now); };
    but->OnClick = [this](TObject*) { ++clicks; };
    orv::test::ShowAndWait(host.get());
  }
  void TearDown() override {
    host.reset();
    SetTimersFail(false);
    SetVirtualTimers(false);
    SetExceptionHandler(nullptr);
  }
  // Advances the virtual clock in steps of 10 ms, so each repeat is logged
  // at the time it fires.
  void Advance(int Ms) {
    for (int t = 0; t < Ms; t += 10) {
      now += 10;
      AdvanceTimers(10);
    }
  }
  void Press(Qt::MouseButton B = Qt::LeftButton) { QTest::mousePress(but, B, {}, QPoint(20, 15)); }
  void Release(Qt::MouseButton B = Qt::LeftButton, QPoint At = QPoint(20, 15)) { QTest::mouseRelease(but, B, {}, At); }

  std::unique_ptr<QWidget> host;
  TRepSpeedButton* but = nullptr;
  std::vector<int> repeats;
  int clicks = 0;
  int now = 0;
};

}  // namespace

TEST_F(RepSpeedButtonTest, HoldingRepeatsAfterTheStartDelay) {
  EXPECT_EQ(but->StartClickInterval(), 500);
  EXPECT_EQ(but->RepeatClickInterval(), 200);
  Press();
  EXPECT_TRUE(but->Held());
  Advance(1000);
  EXPECT_EQ(repeats, (std::vector<int>{500, 700, 900}));
  Release();
  Advance(1000);
  EXPECT_EQ(repeats.size(), 3u);
  EXPECT_EQ(ActiveTimerCount(), 0);
  EXPECT_EQ(clicks, 1);  // the speed button's click is unchanged
}

TEST_F(RepSpeedButtonTest, IntervalsHaveALowerLimitAndSwitchTheTimerWhileHeld) {
  but->SetRepeatClickInterval(3);
  EXPECT_EQ(but->RepeatClickInterval(), 10);
  but->SetStartClickInterval(-5);
  EXPECT_EQ(but->StartClickInterval(), 10);
  but->SetStartClickInterval(500);
  but->SetRepeatClickInterval(200);
  EXPECT_EQ(ActiveTimerCount(), 0);  // not held: nothing runs

  Press();
  Advance(400);
  but->SetStartClickInterval(500);  // the same value changes nothing
  Advance(100);
  EXPECT_EQ(repeats, (std::vector<int>{500}));
  but->SetStartClickInterval(300);  // a new start delay starts again
  Advance(400);
  EXPECT_EQ(repeats, (std::vector<int>{500, 800}));
  but->SetRepeatClickInterval(50);  // a new repeat interval repeats at once
  Advance(120);
  EXPECT_EQ(repeats, (std::vector<int>{500, 800, 950, 1000}));
}

TEST_F(RepSpeedButtonTest, OnlyTheLeftButtonRepeats) {
  Press(Qt::RightButton);
  Advance(1000);
  Release(Qt::RightButton);
  EXPECT_TRUE(repeats.empty());
  EXPECT_FALSE(but->Held());
}

// Moving off while holding stops the repeats and ends the press without a click.
TEST_F(RepSpeedButtonTest, LeavingStopsTheRepeats) {
  Press();
  Advance(600);
  QTest::mouseMove(but, QPoint(120, 15));
  EXPECT_FALSE(but->Held());
  Advance(1000);
  EXPECT_EQ(repeats, (std::vector<int>{500}));
  Release(Qt::LeftButton, QPoint(120, 15));
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(ActiveTimerCount(), 0);
}

TEST_F(RepSpeedButtonTest, TheDesignerArmsNothing) {
  Press();
  but->SetDesigning(true);
  but->SetRepeatClickInterval(50);  // outside the designer this would repeat every 50 ms at once
  Advance(300);
  EXPECT_TRUE(repeats.empty());
  Release();
}

TEST_F(RepSpeedButtonTest, NoTimerAvailable) {
  std::vector<QString> errors;
  SetExceptionHandler([&](const std::exception& E) {
    if (auto* e = dynamic_cast<const EORVRepSpeedButton*>(&E)) errors.push_back(e->Message());
  });
  SetTimersFail(true);
  Press();  // the press cannot arm: the error reaches the application's handler
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], QStringLiteral("Component \"RepBtn\": no timer available"));
  EXPECT_FALSE(but->Held());
  Release();
  SetTimersFail(false);
  Press();
  SetTimersFail(true);
  EXPECT_THROW(but->SetRepeatClickInterval(100), EORVRepSpeedButton);
  SetTimersFail(false);
  Release();
}

TEST_F(RepSpeedButtonTest, AFailingHandlerDoesNotStopTheRepeats) {
  int handled = 0;
  SetExceptionHandler([&](const std::exception&) { ++handled; });
  but->OnRepeatClick = [this](TObject*) {
    repeats.push_back(now);
    throw EORVError(QStringLiteral("handler failed"));
  };
  Press();
  Advance(1000);
  EXPECT_EQ(repeats.size(), 3u);
  EXPECT_EQ(handled, 3);
  Release();
}
