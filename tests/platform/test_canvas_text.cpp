#include "CanvasFixture.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

namespace {

QRect Bounds(const PixelSet& S) {
  QRect r;
  for (const auto& [x, y] : S) r |= QRect(x, y, 1, 1);
  return r;
}

}  // namespace

TEST(CanvasText, TextOutBoxAtTheTopLeftOnTheBrushColour) {
  Surface s(120, 40);
  const QString text = QStringLiteral("Hg8");
  s.Canvas.Brush()->SetColor(clYellow);
  s.Canvas.Font()->SetColor(clNavy);
  const int w = s.Canvas.TextWidth(text), h = s.Canvas.TextHeight(text);
  const QFontMetrics fm(s.Canvas.Font()->Handle(), &s.Image);
  EXPECT_EQ(w, fm.horizontalAdvance(text));
  EXPECT_EQ(h, fm.height());
  s.Canvas.TextOut(10, 5, text);
  EXPECT_EQ(s.Ink(), Block(10, 5, 10 + w, 5 + h));
  EXPECT_FALSE(s.Where(clNavy).empty());
  EXPECT_EQ(s.At(10, 5), clYellow);
  EXPECT_EQ(s.Canvas.PenPos(), Point(10 + w, 5));

  Surface clear(120, 40);
  clear.Canvas.Brush()->SetStyle(bsClear);
  clear.Canvas.Font()->SetColor(clBlack);
  clear.Canvas.TextOut(10, 5, text);
  const PixelSet ink = clear.Ink();
  EXPECT_TRUE(clear.Where(clYellow).empty());
  EXPECT_TRUE(Includes(Block(10, 5, 10 + w, 5 + h), ink));
  // The ink reaches from the cap height down below the baseline ("g").
  EXPECT_LE(Bounds(ink).top(), 5 + fm.ascent() - fm.capHeight() + 1);
  EXPECT_GT(Bounds(ink).bottom(), 5 + fm.ascent());
}

TEST(CanvasText, TextRectNeverPaintsOutsideItsRectangle) {
  Surface s(80, 40);
  s.Canvas.Brush()->SetColor(clYellow);
  const TRect r = Rect(10, 10, 30, 18);
  s.Canvas.TextRect(r, 5, 6, QStringLiteral("WWWWWWWWWW"));
  EXPECT_EQ(s.Ink(), Block(10, 10, 30, 18));
  EXPECT_FALSE(s.Where(clBlack).empty());

  Surface c(80, 40);
  c.Canvas.Brush()->SetStyle(bsClear);
  c.Canvas.TextRect(r, 5, 6, QStringLiteral("WWWWWWWWWW"));
  EXPECT_TRUE(Includes(Block(10, 10, 30, 18), c.Ink()));
  EXPECT_FALSE(c.Ink().empty());

  // The clip rectangle still applies after TextRect.
  c.Canvas.Brush()->SetStyle(bsSolid);
  c.Canvas.Brush()->SetColor(clRed);
  c.Canvas.FillRect(Rect(0, 0, 80, 40));
  EXPECT_EQ(c.Where(clRed).size(), 80u * 40u);
}

TEST(CanvasText, RotatedTextTurnsAboutItsOrigin) {
  Surface s(80, 80);
  const QString text = QStringLiteral("Hello");
  s.Canvas.Brush()->SetStyle(bsClear);
  const int w = s.Canvas.TextWidth(text), h = s.Canvas.TextHeight(text);
  s.Canvas.Font()->SetOrientation(900);  // upwards from the origin
  s.Canvas.TextOut(20, 70, text);
  const QRect ink = Bounds(s.Ink());
  EXPECT_TRUE(QRect(20, 70 - w, h, w + 1).contains(ink)) << ink.x() << "," << ink.y() << " " << ink.width() << "x"
                                                         << ink.height();
  EXPECT_GT(ink.height(), w * 3 / 4);
  EXPECT_LT(ink.width(), h);

  Surface t(80, 80);  // upside down: to the left of and above the origin
  t.Canvas.Brush()->SetStyle(bsClear);
  t.Canvas.Font()->SetOrientation(1800);
  t.Canvas.TextOut(70, 40, text);
  const QRect turned = Bounds(t.Ink());
  EXPECT_TRUE(QRect(70 - w, 40 - h, w + 1, h + 1).contains(turned));
  EXPECT_GT(turned.width(), w * 3 / 4);

  Surface b(80, 80);  // the background turns too
  b.Canvas.Brush()->SetColor(clYellow);
  b.Canvas.Font()->SetOrientation(900);
  b.Canvas.TextOut(20, 70, text);
  EXPECT_EQ(b.Ink(), Block(20, 70 - w, 20 + h, 70));
  EXPECT_EQ(b.At(20 + h - 1, 69), clYellow);
}

TEST(CanvasText, WidthsAgreeWithQtForPlainAndShapedTexts) {
  Surface s(40, 40);
  const QFontMetrics fm(s.Canvas.Font()->Handle(), &s.Image);
  // Latin texts are laid out glyph by glyph, others by Qt's shaper; both must
  // measure as Qt does, kerning pairs included.
  for (const QString& text : {QStringLiteral("Hg8"), QStringLiteral("AVATAR To Wa"), QStringLiteral("Müller-Lüdenscheidt"),
                             QStringLiteral("-1234.50"), QStringLiteral("e\u0301t\u00e9"), QStringLiteral("\u65e5\u672c"),
                             QStringLiteral("a\tb"), QString()}) {
    EXPECT_EQ(s.Canvas.TextWidth(text), fm.horizontalAdvance(text)) << text.toStdString();
    s.Canvas.Font()->SetStyle({fsBold});
    EXPECT_EQ(s.Canvas.TextWidth(text), QFontMetrics(s.Canvas.Font()->Handle(), &s.Image).horizontalAdvance(text))
        << text.toStdString();
    s.Canvas.Font()->SetStyle({});
  }
}

TEST(CanvasText, TextRectClipsGlyphsOnEverySide) {
  const QString text = QStringLiteral("HgÄW");
  for (const TRect r : {Rect(12, 12, 60, 40), Rect(5, 5, 60, 12), Rect(5, 15, 60, 40), Rect(5, 5, 16, 40)}) {
    Surface c(80, 50);
    c.Canvas.Brush()->SetStyle(bsClear);
    c.Canvas.TextRect(r, 10, 8, text);
    EXPECT_TRUE(Includes(Block(r.Left, r.Top, r.Right, r.Bottom), c.Ink())) << r.Left << "," << r.Top;
    EXPECT_FALSE(c.Ink().empty());
  }
}

TEST(CanvasText, LatinTextLooksAsQtDrawsIt) {
  for (const QString& text : {QStringLiteral("Report 1,234.50"), QStringLiteral("Ärger über Öl"), QStringLiteral("AVATAR")}) {
    Surface s(200, 30);
    s.Canvas.Brush()->SetStyle(bsClear);
    s.Canvas.TextOut(3, 4, text);
    QImage qt(200, 30, QImage::Format_RGB32);
    qt.fill(Qt::white);
    {
      QPainter p(&qt);
      p.setFont(s.Canvas.Font()->Handle());
      p.setPen(Qt::black);
      p.drawText(QPointF(3, 4 + QFontMetrics(s.Canvas.Font()->Handle(), &qt).ascent()), text);
    }
    EXPECT_EQ(s.Read(), qt) << text.toStdString();
  }
}
