#pragma once
// Helpers shared by the tests: the test environment, pixel access on a
// grabbed control, and key/mouse input through Qt Test.

#include <orvplatform.h>

#include <QImage>
#include <QWidget>

namespace orv::test {

// Offscreen platform defaults: DejaVu Sans 9 pt, "." as decimal separator,
// the fixed system colours.
void InitTestEnvironment();

// The control as it shows on screen (QWidget::grab at device pixel ratio 1).
QImage Grab(QWidget* W);
// The colour of one pixel of an image as TColor ($00BBGGRR).
TColor PixelAt(const QImage& Img, int X, int Y);

// Shows the widget offscreen and waits until it is exposed.
void ShowAndWait(QWidget* W);

// The bounding box of the pixels in Area that differ from Background (null
// when there are none): where text or a shape landed.
QRect InkBounds(const QImage& Img, const QRect& Area, TColor Background);

}  // namespace orv::test
