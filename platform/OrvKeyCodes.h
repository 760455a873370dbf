#pragma once
// Windows virtual-key codes, and the translation of Qt key events into them.
// Keys arrive by physical meaning, independent of the layout: the shifted
// digit symbols "$", "%" and "&" arrive as 52, 53 and 54 with Shift (so a
// control that maps Shift+4/5/6 gets the character the user typed), and the
// keys of the numeric keypad arrive as their own codes (96..111).

#include "OrvTypes.h"

#include <Qt>

class QKeyEvent;

namespace orv {

constexpr std::uint16_t VK_BACK = 8, VK_TAB = 9, VK_RETURN = 13, VK_SHIFT = 16, VK_CONTROL = 17,
                        VK_MENU = 18, VK_PAUSE = 19, VK_CAPITAL = 20, VK_ESCAPE = 27, VK_SPACE = 32,
                        VK_PRIOR = 33, VK_NEXT = 34, VK_END = 35, VK_HOME = 36, VK_LEFT = 37, VK_UP = 38,
                        VK_RIGHT = 39, VK_DOWN = 40, VK_INSERT = 45, VK_DELETE = 46, VK_NUMPAD0 = 96,
                        VK_NUMPAD9 = 105, VK_MULTIPLY = 106, VK_ADD = 107, VK_SEPARATOR = 108,
                        VK_SUBTRACT = 109, VK_DECIMAL = 110, VK_DIVIDE = 111, VK_F1 = 112, VK_F2 = 113, VK_F3 = 114,
                        VK_F4 = 115, VK_F12 = 123,
                        VK_OEM_1 = 186, VK_OEM_PLUS = 187, VK_OEM_COMMA = 188, VK_OEM_MINUS = 189,
                        VK_OEM_PERIOD = 190, VK_OEM_2 = 191;

// The virtual-key code of a Qt key with its modifiers (0 for keys without one).
// AddShift is set when the code stands for a shifted key the user typed
// without a separate Shift modifier being reported (for example "$").
std::uint16_t QtKeyToVirtualKey(int QtKey, Qt::KeyboardModifiers Modifiers, bool* AddShift = nullptr);
// The shift state of a Qt key event (Shift, Ctrl, Alt, and Shift for symbols such as "$").
TShiftState KeyShiftState(const QKeyEvent* e);
TShiftState ShiftStateFromQt(Qt::KeyboardModifiers Modifiers, Qt::MouseButtons Buttons);
// Whether a typed character reaches KeyPress: printable characters, Enter (#13),
// Escape (#27) and Backspace (#8), and Tab (#9) for a control that takes Tab.
bool IsKeyPressChar(QChar Ch, bool TakesTab);

}  // namespace orv
