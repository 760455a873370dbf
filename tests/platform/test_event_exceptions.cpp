// An exception raised while a control handles a Qt event goes to the
// application's exception handler instead of unwinding through Qt.
#include "TestSupport.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace orv;

namespace {

class Throwing : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  void MouseDown(TMouseButton, TShiftState, int, int) override { throw Exception(QStringLiteral("from MouseDown")); }
  void KeyDown(std::uint16_t&, TShiftState) override { throw Exception(QStringLiteral("from KeyDown")); }
};

}  // namespace

TEST(EventExceptions, GoToTheApplicationHandler) {
  Throwing w(nullptr);
  w.resize(40, 20);
  test::ShowAndWait(&w);
  const int before = HandledExceptionCount();
  QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::keyClick(&w, Qt::Key_A);
  EXPECT_EQ(HandledExceptionCount(), before + 2);
  // The control still works afterwards.
  QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(6, 6));
  EXPECT_EQ(HandledExceptionCount(), before + 3);
}
