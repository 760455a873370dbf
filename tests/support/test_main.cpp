// Test main shared by every test executable: a QApplication on the offscreen
// platform, DejaVu Sans 9 pt, "." as decimal separator, then GoogleTest.
#include "TestSupport.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  orv::test::InitTestEnvironment();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
