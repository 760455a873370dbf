// TSpeedButton: clicks through the framework's mouse methods, groups, and the picture.
#include "WidgetTestSupport.h"

#include <QEnterEvent>
#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

namespace {

// A descendant that overrides the mouse methods, as the repeat button does.
class LoggingButton : public TSpeedButton {
public:
  using TSpeedButton::TSpeedButton;
  std::vector<QString> Log;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override {
    Log.push_back(QStringLiteral("MouseDown"));
    TSpeedButton::MouseDown(Button, Shift, X, Y);
    Log.push_back(State() == bsDown ? QStringLiteral("pressed") : QStringLiteral("up"));
  }
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override {
    Log.push_back(QStringLiteral("MouseUp"));
    TSpeedButton::MouseUp(Button, Shift, X, Y);
  }
  void Click() override {
    Log.push_back(QStringLiteral("Click"));
    TSpeedButton::Click();
  }
};

}  // namespace

TEST(SpeedButton, AClickRunsThroughTheOverriddenMouseMethods) {
  LoggingButton b(nullptr);
  EXPECT_EQ(QSize(b.Width(), b.Height()), QSize(23, 22));
  b.resize(40, 30);
  int clicks = 0;
  b.OnClick = [&](TObject*) { ++clicks; };
  ShowAndWait(&b);
  QTest::mouseClick(&b, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
  EXPECT_EQ(b.Log, std::vector<QString>({"MouseDown", "pressed", "MouseUp", "Click"}));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(b.State(), bsUp);

  // Held and dragged off, it shows up again and releasing there is no click.
  b.Log.clear();
  QTest::mousePress(&b, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
  QTest::mouseMove(&b, QPoint(60, 10));
  EXPECT_EQ(b.State(), bsUp);
  QTest::mouseMove(&b, QPoint(12, 10));
  EXPECT_EQ(b.State(), bsDown);
  QTest::mouseMove(&b, QPoint(60, 10));
  QTest::mouseRelease(&b, Qt::LeftButton, Qt::NoModifier, QPoint(60, 10));
  EXPECT_EQ(clicks, 1);
  // The right button neither presses nor clicks.
  QTest::mouseClick(&b, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
  EXPECT_EQ(clicks, 1);
}

TEST(SpeedButton, AGroupKeepsOneButtonDown) {
  QWidget parent;
  std::vector<TSpeedButton*> group;
  for (int i = 0; i < 3; ++i) {
    auto* b = new TSpeedButton(nullptr);
    b->setParent(&parent);
    b->SetBounds(i * 30, 0, 25, 25);
    b->SetGroupIndex(1);
    group.push_back(b);
  }
  auto* loner = new TSpeedButton(nullptr);
  loner->setParent(&parent);
  loner->SetBounds(100, 0, 25, 25);
  ShowAndWait(&parent);
  const auto down = [&] {
    QString s;
    for (auto* b : group) s += b->Down() ? '1' : '0';
    return s;
  };
  QTest::mouseClick(group[0], Qt::LeftButton);
  EXPECT_EQ(down(), "100");
  QTest::mouseClick(group[2], Qt::LeftButton);
  EXPECT_EQ(down(), "001");
  QTest::mouseClick(group[2], Qt::LeftButton);  // the one down stays down
  group[2]->SetDown(false);
  EXPECT_EQ(down(), "001");
  EXPECT_EQ(group[2]->State(), bsExclusive);
  group[0]->SetAllowAllUp(true);  // the whole group takes it
  QTest::mouseClick(group[2], Qt::LeftButton);
  EXPECT_EQ(down(), "000");
  group[1]->SetDown(true);
  EXPECT_EQ(down(), "010");
  loner->SetDown(true);  // without a group a button never stays down
  QTest::mouseClick(loner, Qt::LeftButton);
  EXPECT_FALSE(loner->Down());
}

TEST(SpeedButton, PaintsFramePictureAndCaptionByState) {
  TSpeedButton b(nullptr);
  b.resize(60, 30);
  // Two pictures of 8 x 8: up in red, disabled in blue, on a fuchsia background
  // (the bottom-left pixel) that stays transparent.
  TBitmap glyph(16, 8);
  glyph.Canvas()->Brush()->SetColor(clFuchsia);
  glyph.Canvas()->FillRect(TRect(0, 0, 16, 8));
  glyph.Canvas()->Brush()->SetColor(clRed);
  glyph.Canvas()->FillRect(TRect(2, 0, 8, 6));
  glyph.Canvas()->Brush()->SetColor(clBlue);
  glyph.Canvas()->FillRect(TRect(10, 0, 16, 6));
  b.SetGlyph(&glyph);
  b.SetNumGlyphs(2);
  ShowAndWait(&b);

  TPoint at, text;
  b.ContentPositions(QSize(), at, text);
  EXPECT_EQ(at, TPoint((60 - 8) / 2, (30 - 8) / 2));
  QImage img = Grab(&b);
  EXPECT_EQ(PixelAt(img, at.X + 4, at.Y + 2), clRed);
  EXPECT_EQ(PixelAt(img, at.X, at.Y + 7), ColorToRGB(clBtnFace));  // transparent
  EXPECT_EQ(PixelAt(img, 0, 0), ColorToRGB(cl3DLight));             // raised
  EXPECT_EQ(PixelAt(img, 59, 29), ColorToRGB(cl3DDkShadow));

  QTest::mousePress(&b, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  img = Grab(&b);
  EXPECT_EQ(PixelAt(img, 0, 0), ColorToRGB(clBtnShadow));  // sunken
  EXPECT_EQ(PixelAt(img, at.X + 5, at.Y + 3), clRed);       // moved one pixel right and down
  EXPECT_EQ(PixelAt(img, at.X + 1, at.Y + 1), ColorToRGB(clBtnFace));
  QTest::mouseRelease(&b, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));

  b.SetEnabled(false);
  EXPECT_EQ(PixelAt(Grab(&b), at.X + 4, at.Y + 2), clBlue);
  b.SetNumGlyphs(1);  // one 16 x 8 picture, no disabled one: the up one embossed
  b.ContentPositions(QSize(), at, text);
  img = Grab(&b);
  EXPECT_EQ(PixelAt(img, at.X + 4, at.Y + 2), ColorToRGB(clBtnShadow));
  EXPECT_EQ(PixelAt(img, at.X + 8, at.Y + 6), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(PixelAt(img, at.X + 9, at.Y + 2), ColorToRGB(clBtnFace));

  // Flat: a frame only while the pointer is over it; the caption sits right of the picture.
  b.SetNumGlyphs(2);
  b.SetEnabled(true);
  b.SetFlat(true);
  b.SetCaption(QStringLiteral("Go"));
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), b.mapToGlobal(QPointF(5, 5)));
  QApplication::sendEvent(&b, &enter);
  EXPECT_EQ(PixelAt(Grab(&b), 0, 0), ColorToRGB(clBtnHighlight));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&b, &leave);
  img = Grab(&b);
  EXPECT_EQ(PixelAt(img, 0, 0), ColorToRGB(clBtnFace));
  TBitmap probe(1, 1);
  probe.Canvas()->Font()->Assign(b.Font());
  const QSize size(probe.Canvas()->TextWidth("Go"), probe.Canvas()->TextHeight("Go"));
  b.ContentPositions(size, at, text);
  EXPECT_EQ(text.X, at.X + 8 + b.Spacing());
  EXPECT_EQ(at.X, (60 - 8 - b.Spacing() - size.width()) / 2);
  EXPECT_FALSE(InkBounds(img, QRect(text.X, text.Y, size.width(), size.height()), clBtnFace).isNull());
}
