// The pointer entering and leaving a control, the point of a double click,
// and hints.
#include "TestSupport.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

using namespace orv;

namespace {

void Send(QWidget* W, QEvent::Type Type, QPoint P, Qt::MouseButton Button, Qt::MouseButtons Buttons) {
  QMouseEvent e(Type, P, W->mapToGlobal(P), Button, Buttons, Qt::NoModifier);
  QApplication::sendEvent(W, &e);
}

class Pointer : public ::testing::Test {
protected:
  void SetUp() override {
    W.resize(60, 40);
    test::ShowAndWait(&W);
    W.OnMouseEnter = [this](TObject* s) {
      EXPECT_EQ(s, &W);
      Log += QStringLiteral("enter ");
    };
    W.OnMouseLeave = [this](TObject*) { Log += QStringLiteral("leave "); };
  }
  TCustomControl W{nullptr};
  QString Log;
};

}  // namespace

TEST_F(Pointer, EnterAndLeaveFireOnceEachAlsoWhileAButtonIsHeld) {
  QEvent leave(QEvent::Leave);  // wherever the offscreen pointer started
  QApplication::sendEvent(&W, &leave);
  Log.clear();
  QEvent enter(QEvent::Enter);
  QApplication::sendEvent(&W, &enter);
  Send(&W, QEvent::MouseMove, QPoint(10, 10), Qt::NoButton, Qt::NoButton);
  Send(&W, QEvent::MouseButtonPress, QPoint(10, 10), Qt::LeftButton, Qt::LeftButton);
  // Dragged off: Qt keeps sending moves here and holds its leave back.
  Send(&W, QEvent::MouseMove, QPoint(90, 10), Qt::NoButton, Qt::LeftButton);
  Send(&W, QEvent::MouseMove, QPoint(95, 12), Qt::NoButton, Qt::LeftButton);
  EXPECT_FALSE(W.MouseInControl());
  Send(&W, QEvent::MouseMove, QPoint(20, 10), Qt::NoButton, Qt::LeftButton);
  EXPECT_TRUE(W.MouseInControl());
  Send(&W, QEvent::MouseMove, QPoint(-5, 10), Qt::NoButton, Qt::LeftButton);
  Send(&W, QEvent::MouseButtonRelease, QPoint(-5, 10), Qt::LeftButton, Qt::NoButton);
  QApplication::sendEvent(&W, &leave);  // what Qt sends after the release: already reported
  EXPECT_EQ(Log, QStringLiteral("enter leave enter leave "));
}

TEST_F(Pointer, DblClickHandlersReadThePoint) {
  TPoint seen(-1, -1);
  W.OnDblClick = [&](TObject* s) { seen = static_cast<TControl*>(s)->LastMousePos(); };
  QTest::mouseDClick(&W, Qt::LeftButton, {}, QPoint(17, 23));
  EXPECT_EQ(seen, Point(17, 23));
}

TEST_F(Pointer, HintShowsAsATooltipOnlyWithShowHint) {
  W.SetHint(QStringLiteral("Level of tank 2"));
  EXPECT_TRUE(W.ShowHint());
  auto ask = [&] {
    QHelpEvent e(QEvent::ToolTip, QPoint(5, 5), W.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&W, &e);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
  };
  EXPECT_EQ(ask(), QStringLiteral("Level of tank 2"));
  QToolTip::hideText();
  ASSERT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
  W.SetShowHint(false);
  EXPECT_EQ(ask(), QString());
  EXPECT_EQ(W.property("ShowHint"), QVariant(false));
}
