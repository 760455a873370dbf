#include "TestSupport.h"

#include <QApplication>
#include <QTest>

namespace orv::test {

void InitTestEnvironment() {
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPointSize(9);
  QApplication::setFont(f);
  FormatSettings.DecimalSeparator = QLatin1Char('.');
  SetSystemColorsFromPalette(false);
}

QImage Grab(QWidget* W) { return W->grab().toImage().convertToFormat(QImage::Format_RGB32); }

TColor PixelAt(const QImage& Img, int X, int Y) { return QRgbToColor(Img.pixel(X, Y)); }

void ShowAndWait(QWidget* W) {
  W->show();
  (void)QTest::qWaitForWindowExposed(W);
}

QRect InkBounds(const QImage& Img, const QRect& Area, TColor Background) {
  QRect box;
  const QRect r = Area & Img.rect();
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (PixelAt(Img, x, y) != ColorToRGB(Background)) box |= QRect(x, y, 1, 1);
  return box;
}

}  // namespace orv::test
