#include <orvplatform.h>

#include <gtest/gtest.h>

using namespace orv;

namespace {

// Counts OnChange calls of a graphics object.
template <class T>
struct Counted {
  T Object;
  int Changes = 0;
  Counted() {
    Object.OnChange = [this](TObject* Sender) {
      EXPECT_EQ(Sender, &Object);
      ++Changes;
    };
  }
};

}  // namespace

TEST(GraphicsObjects, SettersFireOnChangeOnlyOnARealChange) {
  Counted<TFont> f;
  f.Object.SetColor(f.Object.Color());
  f.Object.SetSize(f.Object.Size());
  f.Object.SetName(f.Object.Name());
  f.Object.SetStyle(f.Object.Style());
  f.Object.SetOrientation(0);
  f.Object.SetPitch(fpDefault);
  f.Object.SetHeight(f.Object.Height());
  f.Object.SetHandle(f.Object.Handle());
  EXPECT_EQ(f.Changes, 0);
  f.Object.SetColor(clRed);
  f.Object.SetSize(14);
  f.Object.SetName(QStringLiteral("DejaVu Sans Mono"));
  f.Object.SetStyle({fsBold});
  f.Object.SetOrientation(900);
  f.Object.SetPitch(fpFixed);
  f.Object.SetHeight(-30);
  EXPECT_EQ(f.Changes, 7);

  Counted<TPen> p;
  p.Object.SetColor(clBlack);
  p.Object.SetWidth(1);
  p.Object.SetStyle(psSolid);
  p.Object.SetMode(pmCopy);
  EXPECT_EQ(p.Changes, 0);
  p.Object.SetColor(clRed);
  p.Object.SetWidth(3);
  p.Object.SetStyle(psDot);
  p.Object.SetMode(pmXor);
  EXPECT_EQ(p.Changes, 4);

  Counted<TBrush> b;
  b.Object.SetColor(clWhite);
  b.Object.SetStyle(bsSolid);
  EXPECT_EQ(b.Changes, 0);
  b.Object.SetColor(clRed);
  b.Object.SetStyle(bsClear);
  EXPECT_EQ(b.Changes, 2);
}

TEST(GraphicsObjects, FontDefaultsAndPixelHeight) {
  TFont f;
  EXPECT_EQ(f.Name(), QStringLiteral("DejaVu Sans"));
  EXPECT_EQ(f.Size(), 9);
  EXPECT_EQ(f.Height(), -12);  // 9 pt at 96 pixels per inch
  EXPECT_EQ(f.Color(), clWindowText);
  f.SetHeight(-20);
  EXPECT_EQ(f.Handle().pixelSize(), 20);
  EXPECT_EQ(f.Height(), -20);
  EXPECT_EQ(f.Size(), 15);
  f.SetSize(12);
  EXPECT_EQ(f.Handle().pointSize(), 12);
  EXPECT_EQ(f.Height(), -16);
  f.SetStyle({fsBold, fsItalic, fsUnderline, fsStrikeOut});
  EXPECT_TRUE(f.Handle().bold() && f.Handle().italic() && f.Handle().underline() && f.Handle().strikeOut());
  f.SetStyle({});
  EXPECT_FALSE(f.Handle().bold() || f.Handle().italic() || f.Handle().underline() || f.Handle().strikeOut());

  // SetHandle takes family, size and style; colour and orientation stay.
  f.SetColor(clBlue);
  f.SetOrientation(450);
  QFont q(QStringLiteral("DejaVu Serif"), 20);
  q.setItalic(true);
  f.SetHandle(q);
  EXPECT_EQ(f.Name(), QStringLiteral("DejaVu Serif"));
  EXPECT_EQ(f.Size(), 20);
  EXPECT_EQ(f.Style(), TFontStyles({fsItalic}));
  EXPECT_EQ(f.Color(), clBlue);
  EXPECT_EQ(f.Orientation(), 450);
}

TEST(GraphicsObjects, AssignCopiesFromTheSameClassOnly) {
  TFont a, b;
  a.SetColor(clRed);
  a.SetSize(20);
  a.SetStyle({fsBold});
  a.SetOrientation(900);
  int changes = 0;
  b.OnChange = [&](TObject*) { ++changes; };
  b.Assign(&a);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(b.Color(), clRed);
  EXPECT_EQ(b.Size(), 20);
  EXPECT_EQ(b.Style(), TFontStyles({fsBold}));
  EXPECT_EQ(b.Orientation(), 900);
  EXPECT_EQ(b.Handle(), a.Handle());
  b.Assign(&a);
  EXPECT_EQ(changes, 1);

  TPen p, q;
  p.SetColor(clLime);
  p.SetWidth(4);
  p.SetMode(pmNot);
  q.Assign(&p);
  EXPECT_EQ(q.Color(), clLime);
  EXPECT_EQ(q.Width(), 4);
  EXPECT_EQ(q.Mode(), pmNot);

  TBrush r, s;
  r.SetStyle(bsCross);
  s.Assign(&r);
  EXPECT_EQ(s.Style(), bsCross);

  EXPECT_THROW(p.Assign(&r), EConvertError);
  EXPECT_THROW(a.Assign(&p), EConvertError);
  EXPECT_THROW(r.Assign(nullptr), EConvertError);
}
