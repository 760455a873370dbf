#pragma once
// A TNumIO2 on a shown, active window with a second focusable control after
// it, on the virtual clock; helpers for typing, clicking and reading pixels.

#include "TestSupport.h"

#include <ORV_NumIO.h>

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace orv::test {

class NumIO2Test : public ::testing::Test {
protected:
  void SetUp() override {
    SetVirtualTimers(true);
    Form = new QWidget;
    Form->resize(420, 140);
    N = new TNumIO2(nullptr);
    N->setParent(Form);
    N->move(10, 10);
    Next = new QLineEdit(Form);
    Next->setGeometry(10, 90, 100, 24);
    N->OnChange = [this](TObject* Sender) {
      EXPECT_EQ(Sender, N);
      ++Changes;
    };
    Form->show();
    Form->activateWindow();
    (void)QTest::qWaitForWindowActive(Form);
    N->setFocus();
  }

  void TearDown() override {
    delete Form;
    SetTimersFail(false);
    SetVirtualTimers(false);
  }

  // Types the keys one by one (Qt keys with modifiers through the platform's translation).
  void Type(const QString& Keys) {
    for (QChar c : Keys) QTest::keyClick(N, c.toLatin1());
  }
  void Key(Qt::Key K, Qt::KeyboardModifiers M = Qt::NoModifier) { QTest::keyClick(N, K, M); }

  void Click(int X, int Y, Qt::KeyboardModifiers M = Qt::NoModifier) {
    QTest::mouseClick(N, Qt::LeftButton, M, QPoint(X, Y));
  }
  void Press(int X, int Y) { QTest::mousePress(N, Qt::LeftButton, {}, QPoint(X, Y)); }
  void Release(int X, int Y) { QTest::mouseRelease(N, Qt::LeftButton, {}, QPoint(X, Y)); }
  // A move with the left button held.
  void DragTo(int X, int Y) {
    QMouseEvent e(QEvent::MouseMove, QPointF(X, Y), N->mapToGlobal(QPointF(X, Y)), Qt::NoButton, Qt::LeftButton,
                  Qt::NoModifier);
    QApplication::sendEvent(N, &e);
  }

  // Sets buffer, caret and selection for a test: Text, then the selection.
  void Edit(const QString& Text, int SelFrom, int SelTo) {
    N->SetText(Text);
    N->SetSelBegin(SelFrom);
    N->SetSelEnd(SelTo);
  }

  QImage Shot() { return Grab(N); }

  QWidget* Form = nullptr;
  TNumIO2* N = nullptr;
  QLineEdit* Next = nullptr;
  int Changes = 0;
};

// Whether any pixel of the rectangle has the colour.
inline bool AnyPixel(const QImage& Img, const TRect& R, TColor Color) {
  for (int y = std::max(R.Top, 0); y < std::min(R.Bottom, Img.height()); ++y)
    for (int x = std::max(R.Left, 0); x < std::min(R.Right, Img.width()); ++x)
      if (PixelAt(Img, x, y) == Color) return true;
  return false;
}

}  // namespace orv::test
