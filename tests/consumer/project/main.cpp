// A tiny application that uses the installed library.
#include <orvpanels.h>

#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  orv::TCustomControl control(nullptr);
  control.SetBounds(0, 0, 120, 40);
  control.Canvas()->Brush()->SetColor(orv::clNavy);
  control.Canvas()->FillRect(control.ClientRect());
  return control.Canvas()->Pixels(5, 5) == orv::clNavy ? 0 : 1;
}
