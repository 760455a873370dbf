#include "OrvKeyCodes.h"

#include <QKeyEvent>

namespace orv {

namespace {

// Shifted symbols of the digit row, as the digit key with Shift.
struct ShiftedSymbol {
  int QtKey;
  std::uint16_t Vk;
};
constexpr ShiftedSymbol kShiftedSymbols[] = {
    {Qt::Key_Exclam, '1'},  {Qt::Key_At, '2'},       {Qt::Key_NumberSign, '3'}, {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'}, {Qt::Key_Ampersand, '6'}, {Qt::Key_ParenLeft, '9'}, {Qt::Key_ParenRight, '0'},
};

struct KeyPair {
  int QtKey;
  std::uint16_t Vk;
};
constexpr KeyPair kKeys[] = {
    {Qt::Key_Backspace, VK_BACK},  {Qt::Key_Tab, VK_TAB},          {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Return, VK_RETURN},   {Qt::Key_Enter, VK_RETURN},     {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL}, {Qt::Key_Alt, VK_MENU},         {Qt::Key_Pause, VK_PAUSE},
    {Qt::Key_CapsLock, VK_CAPITAL}, {Qt::Key_Escape, VK_ESCAPE},   {Qt::Key_Space, VK_SPACE},
    {Qt::Key_PageUp, VK_PRIOR},    {Qt::Key_PageDown, VK_NEXT},    {Qt::Key_End, VK_END},
    {Qt::Key_Home, VK_HOME},       {Qt::Key_Left, VK_LEFT},        {Qt::Key_Up, VK_UP},
    {Qt::Key_Right, VK_RIGHT},     {Qt::Key_Down, VK_DOWN},        {Qt::Key_Insert, VK_INSERT},
    {Qt::Key_Delete, VK_DELETE},   {Qt::Key_Plus, VK_OEM_PLUS},    {Qt::Key_Equal, VK_OEM_PLUS},
    {Qt::Key_Comma, VK_OEM_COMMA}, {Qt::Key_Minus, VK_OEM_MINUS},  {Qt::Key_Period, VK_OEM_PERIOD},
    {Qt::Key_Semicolon, VK_OEM_1}, {Qt::Key_Slash, VK_OEM_2},      {Qt::Key_Asterisk, VK_MULTIPLY},
};

// Keys of the numeric keypad (Qt reports them with KeypadModifier).
constexpr KeyPair kKeypadKeys[] = {
    {Qt::Key_Plus, VK_ADD},          {Qt::Key_Minus, VK_SUBTRACT}, {Qt::Key_Period, VK_DECIMAL},
    {Qt::Key_Comma, VK_DECIMAL},     {Qt::Key_Asterisk, VK_MULTIPLY}, {Qt::Key_Slash, VK_DIVIDE},
    {Qt::Key_Enter, VK_RETURN},
};

}  // namespace

std::uint16_t QtKeyToVirtualKey(int QtKey, Qt::KeyboardModifiers Modifiers, bool* AddShift) {
  if (AddShift) *AddShift = false;
  const bool keypad = Modifiers.testFlag(Qt::KeypadModifier);
  if (keypad) {
    if (QtKey >= Qt::Key_0 && QtKey <= Qt::Key_9) return std::uint16_t(VK_NUMPAD0 + (QtKey - Qt::Key_0));
    for (const auto& k : kKeypadKeys)
      if (k.QtKey == QtKey) return k.Vk;
  }
  if (QtKey >= Qt::Key_0 && QtKey <= Qt::Key_9) return std::uint16_t('0' + (QtKey - Qt::Key_0));
  if (QtKey >= Qt::Key_A && QtKey <= Qt::Key_Z) return std::uint16_t('A' + (QtKey - Qt::Key_A));
  if (QtKey >= Qt::Key_F1 && QtKey <= Qt::Key_F12) return std::uint16_t(VK_F1 + (QtKey - Qt::Key_F1));
  for (const auto& k : kKeys)
    if (k.QtKey == QtKey) return k.Vk;
  for (const auto& s : kShiftedSymbols)
    if (s.QtKey == QtKey) {
      if (AddShift) *AddShift = true;
      return s.Vk;
    }
  return 0;
}

TShiftState ShiftStateFromQt(Qt::KeyboardModifiers Modifiers, Qt::MouseButtons Buttons) {
  TShiftState s;
  if (Modifiers.testFlag(Qt::ShiftModifier)) s.Include(ssShift);
  if (Modifiers.testFlag(Qt::ControlModifier)) s.Include(ssCtrl);
  if (Modifiers.testFlag(Qt::AltModifier)) s.Include(ssAlt);
  if (Buttons.testFlag(Qt::LeftButton)) s.Include(ssLeft);
  if (Buttons.testFlag(Qt::RightButton)) s.Include(ssRight);
  if (Buttons.testFlag(Qt::MiddleButton)) s.Include(ssMiddle);
  return s;
}

bool IsKeyPressChar(QChar Ch, bool TakesTab) {
  return Ch.isPrint() || Ch == QChar(VK_RETURN) || Ch == QChar(VK_ESCAPE) || Ch == QChar(VK_BACK) ||
         (TakesTab && Ch == QChar(VK_TAB));
}

TShiftState KeyShiftState(const QKeyEvent* e) {
  bool addShift = false;
  QtKeyToVirtualKey(e->key(), e->modifiers(), &addShift);
  TShiftState s = ShiftStateFromQt(e->modifiers(), Qt::NoButton);
  if (addShift) s.Include(ssShift);
  return s;
}

}  // namespace orv
