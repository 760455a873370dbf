#include "TestSupport.h"

#include <QApplication>
#include <QTest>

namespace orv::test {

void InitTestEnvironment() {
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPointSize(9);
  QApplication::setFont(f);
  FormatSettings.DecimalSeparator = QLatin1Char('.');
}

QImage Grab(QWidget* W) { return W->grab().toImage().convertToFormat(QImage::Format_RGB32); }

TColor PixelAt(const QImage& Img, int X, int Y) { return QRgbToColor(Img.pixel(X, Y)); }

void ShowAndWait(QWidget* W) {
  W->show();
  (void)QTest::qWaitForWindowExposed(W);
}

}  // namespace orv::test
