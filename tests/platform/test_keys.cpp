// Key translation: Qt keys arrive as Windows virtual-key codes with their shift state.
#include "TestSupport.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace orv;

namespace {

struct KeyCase {
  int QtKey;
  Qt::KeyboardModifiers Mods;
  std::uint16_t Vk;
  bool Shift;
};

class KeyRecorder : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  std::vector<std::pair<std::uint16_t, TShiftState>> Downs;
  QString Pressed;
  void KeyDown(std::uint16_t& Key, TShiftState Shift) override { Downs.emplace_back(Key, Shift); }
  void KeyPress(QChar& Key) override { Pressed += Key; }
};

}  // namespace

TEST(KeyTranslation, MapsQtKeysToVirtualKeyCodes) {
  const KeyCase cases[] = {
      {Qt::Key_4, Qt::ShiftModifier, 52, true},        // Shift+4 as a digit key with Shift
      {Qt::Key_Dollar, Qt::ShiftModifier, 52, true},   // "$" as the layout reports it
      {Qt::Key_Percent, Qt::NoModifier, 53, true},
      {Qt::Key_Ampersand, Qt::NoModifier, 54, true},
      {Qt::Key_0, Qt::KeypadModifier, 96, false},
      {Qt::Key_9, Qt::KeypadModifier, 105, false},
      {Qt::Key_Plus, Qt::KeypadModifier, 107, false},
      {Qt::Key_Minus, Qt::KeypadModifier, 109, false},
      {Qt::Key_Period, Qt::KeypadModifier, 110, false},
      {Qt::Key_Plus, Qt::NoModifier, 187, false},
      {Qt::Key_Comma, Qt::NoModifier, 188, false},
      {Qt::Key_Minus, Qt::NoModifier, 189, false},
      {Qt::Key_Period, Qt::NoModifier, 190, false},
      {Qt::Key_A, Qt::NoModifier, 65, false},
      {Qt::Key_F, Qt::ControlModifier, 70, false},
      {Qt::Key_Backspace, Qt::NoModifier, 8, false},
      {Qt::Key_Delete, Qt::NoModifier, 46, false},
      {Qt::Key_Home, Qt::NoModifier, 36, false},
      {Qt::Key_End, Qt::NoModifier, 35, false},
      {Qt::Key_Left, Qt::NoModifier, 37, false},
      {Qt::Key_Down, Qt::NoModifier, 40, false},
  };
  for (const KeyCase& c : cases) {
    QKeyEvent e(QEvent::KeyPress, c.QtKey, c.Mods);
    EXPECT_EQ(QtKeyToVirtualKey(c.QtKey, c.Mods), c.Vk) << "Qt key " << c.QtKey;
    EXPECT_EQ(KeyShiftState(&e).Contains(ssShift), c.Shift) << "Qt key " << c.QtKey;
  }
}

TEST(KeyTranslation, EventsReachKeyDownAndKeyPress) {
  KeyRecorder w(nullptr);
  w.resize(50, 20);
  test::ShowAndWait(&w);
  w.setFocus();
  QTest::keyClick(&w, '$');  // "$" as a keyboard delivers it: Key_Dollar
  QTest::keyClick(&w, Qt::Key_C, Qt::ControlModifier);
  QTest::keyClicks(&w, "7a");
  // The modifier keys arrive as keys of their own (16, 17) before the key they modify.
  std::vector<std::pair<std::uint16_t, TShiftState>> keys;
  for (const auto& d : w.Downs)
    if (d.first != VK_SHIFT && d.first != VK_CONTROL) keys.push_back(d);
  ASSERT_EQ(keys.size(), 4u);
  EXPECT_EQ(keys[0].first, 52);
  EXPECT_TRUE(keys[0].second.Contains(ssShift));
  EXPECT_EQ(keys[1].first, 67);
  EXPECT_TRUE(keys[1].second.Contains(ssCtrl));
  EXPECT_EQ(keys[2].first, 55);
  EXPECT_EQ(keys[3].first, 65);
  EXPECT_EQ(w.Downs.size(), 5u);
  EXPECT_EQ(w.Pressed, QStringLiteral("$7a"));  // Ctrl+C is not a character
}
