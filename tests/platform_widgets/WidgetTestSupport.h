#pragma once
// Helpers for the tests of the framework's widgets: input aimed at the Qt
// widget that really receives it at a point of a control, and a log of the
// framework events a control fires.

#include "TestSupport.h"

#include <QApplication>
#include <QTest>
#include <QWindow>

#include <ostream>
#include <vector>

// Texts in test failures.
inline void PrintTo(const QString& S, std::ostream* Os) { *Os << '"' << S.toStdString() << '"'; }

namespace orv::test {

// The widget under the control's client point P (the control itself or one
// of the parts of its inner widget), and P in that widget's coordinates.
inline QWidget* TargetAt(QWidget* Control, QPoint P, QPoint& Local) {
  QWidget* w = Control->childAt(P);
  if (!w) w = Control;
  Local = w->mapFrom(Control, P);
  return w;
}

inline void MouseAt(QTest::MouseAction Action, QWidget* Control, QPoint P, Qt::MouseButton Button = Qt::LeftButton,
                    Qt::KeyboardModifiers Mods = Qt::NoModifier) {
  QPoint local;
  QWidget* w = TargetAt(Control, P, local);
  if (Action == QTest::MouseMove)
    QTest::mouseMove(w, local);
  else
    QTest::mouseEvent(Action, w, Button, Mods, local);
}

// A click sent through the control's window, as the window system delivers
// one (a right click then also asks for a context menu).
inline void WindowClick(QWidget* Control, QPoint P, Qt::MouseButton Button) {
  QTest::mouseClick(Control->window()->windowHandle(), Button, Qt::NoModifier, Control->mapTo(Control->window(), P));
}

// Shows the widget's window, activates it and gives the widget the focus.
inline void Focus(QWidget* W) {
  ShowAndWait(W->window());
  W->window()->activateWindow();
  W->setFocus();
  QApplication::processEvents();
}

// The widget that has the keyboard focus (where key presses go).
inline QWidget* FocusTarget(QWidget* Fallback) {
  return QApplication::focusWidget() ? QApplication::focusWidget() : Fallback;
}

// The framework events of a control as text, one entry per event.
struct EventLog {
  std::vector<QString> Lines;
  void Attach(TControl* C) {
    C->OnMouseDown = [this](TObject*, TMouseButton b, TShiftState s, int x, int y) {
      Add(QStringLiteral("down %1 %2,%3%4").arg(int(b)).arg(x).arg(y).arg(s.Contains(ssDouble) ? " double" : ""));
    };
    C->OnMouseUp = [this](TObject*, TMouseButton b, TShiftState, int x, int y) {
      Add(QStringLiteral("up %1 %2,%3").arg(int(b)).arg(x).arg(y));
    };
    C->OnMouseMove = [this](TObject*, TShiftState s, int x, int y) {
      Add(QStringLiteral("move %1,%2%3").arg(x).arg(y).arg(s.Contains(ssLeft) ? " left" : ""));
    };
    C->OnClick = [this](TObject*) { Add(QStringLiteral("click")); };
    C->OnDblClick = [this](TObject*) { Add(QStringLiteral("dblclick")); };
    C->OnKeyDown = [this](TObject*, std::uint16_t& k, TShiftState s) {
      if (k == VK_SHIFT || k == VK_CONTROL) return;
      Add(QStringLiteral("keydown %1%2").arg(k).arg(s.Contains(ssShift) ? " shift" : ""));
    };
    C->OnKeyPress = [this](TObject*, QChar& k) { Add(QStringLiteral("keypress %1").arg(k.unicode())); };
    C->OnKeyUp = [this](TObject*, std::uint16_t& k, TShiftState) {
      if (k != VK_SHIFT && k != VK_CONTROL) Add(QStringLiteral("keyup %1").arg(k));
    };
    C->OnMouseWheel = [this](TObject*, TShiftState, int d, TPoint p, bool&) {
      Add(QStringLiteral("wheel %1 %2,%3").arg(d).arg(p.X).arg(p.Y));
    };
    C->OnEnter = [this](TObject*) { Add(QStringLiteral("enter")); };
    C->OnExit = [this](TObject*) { Add(QStringLiteral("exit")); };
  }
  void Add(const QString& S) { Lines.push_back(S); }
};

}  // namespace orv::test
