#pragma once
// A meter on a hidden parent (it paints without a window), with event
// recording and pixel helpers.
#include "TestSupport.h"

#include <ORV_Meter.h>

#include <QImage>
#include <QStringList>
#include <gtest/gtest.h>

#include <memory>

namespace orv::test {

class MeterTest : public ::testing::Test {
protected:
  void SetUp() override {
    host = std::make_unique<QWidget>();
    meter = new TMeter(host.get());
    meter->show();
  }
  void TearDown() override { host.reset(); }

  // Records the range events and paints (OnMeterRendered) in order, from
  // the first paint on screen on (which paints once more).
  void Record() {
    Shot();
    meter->OnOverFlow = [this](TObject* s) { Log(s, QStringLiteral("over")); };
    meter->OnUnderFlow = [this](TObject* s) { Log(s, QStringLiteral("under")); };
    meter->OnNormalRange = [this](TObject* s) { Log(s, QStringLiteral("normal")); };
    meter->OnMeterRendered = [this](TObject* s, TCanvas*) { Log(s, QStringLiteral("paint")); };
  }
  void Log(TObject* Sender, const QString& What) {
    EXPECT_EQ(Sender, static_cast<TObject*>(meter));
    events << What;
  }
  QStringList Take() { return std::exchange(events, {}); }

  QImage Shot() { return Grab(meter); }
  TColor At(int X, int Y) { return PixelAt(Shot(), X, Y); }
  // The inside of a limit lamp.
  TColor Lamp(bool High) {
    const TRect r = meter->LampRect(High);
    return At(r.Left + 4, r.Top + 4);
  }

  std::unique_ptr<QWidget> host;
  TMeter* meter = nullptr;
  QStringList events;
};

}  // namespace orv::test
