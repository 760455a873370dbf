// TCustomLabel: background, transparency, layout and AutoSize.
#include <orvplatform.h>

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

namespace {

class Label : public TCustomLabel {
public:
  using TCustomLabel::TCustomLabel;
};

}  // namespace

TEST(CustomLabel, AutoSizeFitsTheCaption) {
  Label lab(nullptr);
  lab.SetBounds(50, 10, 300, 100);
  TBitmap probe(1, 1);
  probe.Canvas()->Font()->Assign(lab.Font());
  lab.SetCaption(QStringLiteral("Level"));
  EXPECT_EQ(lab.Width(), probe.Canvas()->TextWidth(QStringLiteral("Level")));
  EXPECT_EQ(lab.Height(), probe.Canvas()->TextHeight(QStringLiteral("Level")));
  EXPECT_EQ(lab.Left(), 50);
  // Right-justified labels keep their right edge.
  lab.SetAlignment(taRightJustify);
  const int right = lab.Left() + lab.Width();
  lab.SetCaption(QStringLiteral("Level 2"));
  EXPECT_EQ(lab.Left() + lab.Width(), right);
  lab.SetAutoSize(false);
  lab.SetCaption(QStringLiteral("x"));
  EXPECT_EQ(lab.Left() + lab.Width(), right);
}

TEST(CustomLabel, OpaqueFillsTheColourAndLayoutPlacesTheText) {
  Label lab(nullptr);
  lab.SetAutoSize(false);
  lab.SetBounds(0, 0, 120, 60);
  lab.SetColor(clYellow);
  lab.SetCaption(QStringLiteral("Mg"));
  ShowAndWait(&lab);
  const QRect all(0, 0, 120, 60);
  EXPECT_EQ(PixelAt(Grab(&lab), 110, 50), clYellow);
  const QRect top = InkBounds(Grab(&lab), all, clYellow);
  lab.SetLayout(tlBottom);
  const QRect bottom = InkBounds(Grab(&lab), all, clYellow);
  lab.SetLayout(tlCenter);
  const QRect centre = InkBounds(Grab(&lab), all, clYellow);
  EXPECT_LT(top.top(), 10);
  EXPECT_GT(bottom.bottom(), 50);
  EXPECT_NEAR(centre.center().y(), 30, 4);
  lab.SetAlignment(taRightJustify);
  EXPECT_GT(InkBounds(Grab(&lab), all, clYellow).right(), 110);
}

TEST(CustomLabel, TransparentShowsTheParent) {
  QWidget parent;
  parent.resize(100, 40);
  parent.setAutoFillBackground(true);
  QPalette pal = parent.palette();
  pal.setColor(QPalette::Window, QColor(0, 128, 0));
  parent.setPalette(pal);
  auto* lab = new Label(nullptr);
  lab->setParent(&parent);
  lab->SetAutoSize(false);
  lab->SetBounds(0, 0, 100, 40);
  lab->SetColor(clYellow);
  lab->SetCaption(QStringLiteral("WWW"));
  lab->SetTransparent(true);
  ShowAndWait(&parent);
  const QImage img = Grab(&parent);
  EXPECT_EQ(PixelAt(img, 90, 30), clGreen);
  EXPECT_FALSE(InkBounds(img, QRect(0, 0, 100, 40), clGreen).isNull());
  lab->SetTransparent(false);
  EXPECT_EQ(PixelAt(Grab(&parent), 90, 30), clYellow);
}

TEST(CustomLabel, LayoutIsSetByNameAndAutoSizeWaitsForTheEndOfLoading) {
  Label lab(nullptr);
  EXPECT_TRUE(lab.setProperty("Layout", QStringLiteral("tlBottom")));
  EXPECT_EQ(lab.Layout(), tlBottom);
  lab.resize(5, 5);
  lab.BeginLoading();
  lab.SetCaption(QStringLiteral("Loaded later"));
  EXPECT_EQ(lab.Width(), 5);
  lab.EndLoading();
  TBitmap probe(1, 1);
  probe.Canvas()->Font()->Assign(lab.Font());
  EXPECT_EQ(lab.Width(), probe.Canvas()->TextWidth(QStringLiteral("Loaded later")));
}
