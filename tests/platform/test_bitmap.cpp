#include "CanvasFixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

namespace {

// A bitmap with four coloured quarters, large enough for JPEG to keep them.
void Quarters(TBitmap& B) {
  B.SetSize(32, 16);
  const TColor colors[] = {clRed, clLime, clBlue, clWhite};
  for (int i = 0; i < 4; ++i) {
    B.Canvas()->Brush()->SetColor(colors[i]);
    B.Canvas()->FillRect(Rect(i % 2 * 16, i / 2 * 8, i % 2 * 16 + 16, i / 2 * 8 + 8));
  }
}

int ColorDistance(TColor A, TColor B) {
  return std::abs(GetRValue(A) - GetRValue(B)) + std::abs(GetGValue(A) - GetGValue(B)) +
         std::abs(GetBValue(A) - GetBValue(B));
}

QByteArray FileBytes(const QString& Path) {
  QFile f(Path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Bits per pixel of a BMP file.
int BmpDepth(const QString& Path) {
  const QByteArray b = FileBytes(Path);
  return b.size() > 29 ? quint8(b[28]) | quint8(b[29]) << 8 : -1;
}

}  // namespace

TEST(Bitmap, SetSizeKeepsThePixelsAndWhitensTheRest) {
  TBitmap b;
  EXPECT_TRUE(b.Empty());
  b.SetWidth(10);  // the width waits for a height
  b.SetHeight(5);
  EXPECT_EQ(b.Width(), 10);
  EXPECT_EQ(b.Height(), 5);
  EXPECT_EQ(b.Canvas()->Pixels(9, 4), clWhite);
  b.Canvas()->Brush()->SetColor(clRed);
  b.Canvas()->FillRect(Rect(0, 0, 10, 5));
  b.SetSize(20, 3);
  EXPECT_EQ(b.Canvas()->Pixels(9, 2), clRed);
  EXPECT_EQ(b.Canvas()->Pixels(10, 0), clWhite);
  EXPECT_EQ(b.Canvas()->Pixels(9, 3), clNone);
  b.SetSize(-5, 3);
  EXPECT_TRUE(b.Empty());
  EXPECT_EQ(b.Width(), 0);
}

TEST(Bitmap, AssignMakesADeepCopy) {
  TBitmap a;
  Quarters(a);
  a.SetTransparent(true);
  a.SetTransparentColor(clBlue);
  TBitmap b;
  b.Assign(&a);
  EXPECT_EQ(b.Image(), a.Image());
  EXPECT_TRUE(b.Transparent());
  EXPECT_EQ(b.TransparentColor(), clBlue);
  b.Canvas()->SetPixels(0, 0, clBlack);
  EXPECT_EQ(a.Canvas()->Pixels(0, 0), clRed);
  TFont f;
  EXPECT_THROW(b.Assign(&f), EConvertError);
}

TEST(Bitmap, SaveAndLoadRoundTrip) {
  QTemporaryDir dir;
  TBitmap a;
  Quarters(a);
  for (const char* name : {"p.bmp", "p.png", "p.jpg", "p.JPEG"}) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    a.SaveToFile(path);
    TBitmap b;
    b.LoadFromFile(path);
    ASSERT_EQ(b.Width(), 32);
    ASSERT_EQ(b.Height(), 16);
    const bool lossy = path.endsWith(QLatin1String("jpg"), Qt::CaseInsensitive) ||
                       path.endsWith(QLatin1String("jpeg"), Qt::CaseInsensitive);
    if (!lossy) {
      EXPECT_EQ(b.Image().convertToFormat(QImage::Format_RGB32), a.Image()) << name;
    }
    for (const QPoint p : {QPoint(4, 4), QPoint(27, 3), QPoint(3, 12), QPoint(28, 12)})
      EXPECT_LE(ColorDistance(b.Canvas()->Pixels(p.x(), p.y()), a.Canvas()->Pixels(p.x(), p.y())), lossy ? 24 : 0)
          << name;
  }
  // The content decides how a file is read, not its name.
  QFile::rename(dir.filePath(QStringLiteral("p.png")), dir.filePath(QStringLiteral("png-inside.bmp")));
  TBitmap c;
  c.LoadFromFile(dir.filePath(QStringLiteral("png-inside.bmp")));
  EXPECT_EQ(c.Canvas()->Pixels(27, 3), clLime);
}

TEST(Bitmap, PixelFormatReducesColoursAndSetsTheBmpDepth) {
  QTemporaryDir dir;
  TBitmap b;
  Quarters(b);
  b.Canvas()->SetPixels(0, 0, RGB(100, 100, 100));
  b.Canvas()->SetPixels(1, 0, RGB(200, 200, 200));
  b.SetPixelFormat(pf1bit);
  EXPECT_EQ(b.Canvas()->Pixels(0, 0), clBlack);
  EXPECT_EQ(b.Canvas()->Pixels(1, 0), clWhite);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 32; ++x) {
      const TColor c = b.Canvas()->Pixels(x, y);
      ASSERT_TRUE(c == clBlack || c == clWhite) << x << "," << y;
    }

  // Qt writes 32-bit pictures as 24-bit BMP files.
  const struct {
    TPixelFormat Format;
    int Depth;
    TPixelFormat Loaded;
  } depths[] = {{pf1bit, 1, pf1bit}, {pf4bit, 4, pf4bit}, {pf8bit, 8, pf8bit}, {pf24bit, 24, pf24bit},
                {pf32bit, 24, pf24bit}};
  for (const auto& d : depths) {
    TBitmap q;
    Quarters(q);
    q.Canvas()->SetPixels(0, 0, RGB(250, 10, 10));
    q.SetPixelFormat(d.Format);
    const QString path = dir.filePath(QStringLiteral("d%1.bmp").arg(d.Depth));
    q.SaveToFile(path);
    EXPECT_EQ(BmpDepth(path), d.Depth);
    TBitmap r;
    r.LoadFromFile(path);
    EXPECT_EQ(r.PixelFormat(), d.Loaded);
    if (d.Format == pf4bit) {
      EXPECT_EQ(r.Canvas()->Pixels(0, 0), clRed);  // nearest of the 16 colours
    }
    if (d.Depth >= 8) {
      EXPECT_EQ(r.Canvas()->Pixels(20, 12), clWhite);
      EXPECT_EQ(r.Canvas()->Pixels(20, 4), clLime);
    }
  }
}

TEST(Bitmap, FailedSavesRaiseAndKeepTheOldFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("old.jpg"));
  {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("old contents");
  }
  TBitmap tooWide(70000, 1);  // more than JPEG can hold
  EXPECT_THROW(tooWide.SaveToFile(path), EInvalidGraphic);
  EXPECT_EQ(FileBytes(path), QByteArray("old contents"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.jpg")});

  TBitmap b(4, 4);
  try {
    b.SaveToFile(dir.filePath(QStringLiteral("no/such/folder/x.png")));
    ADD_FAILURE();
  } catch (const EInvalidGraphic& e) {
    EXPECT_TRUE(e.Message().contains(QStringLiteral("x.png"))) << e.what();
  }
  EXPECT_THROW(b.SaveToFile(dir.filePath(QStringLiteral("x.gif"))), EInvalidGraphic);
  EXPECT_THROW(TBitmap().SaveToFile(dir.filePath(QStringLiteral("empty.png"))), EInvalidGraphic);
}

TEST(Bitmap, LoadFailuresNameTheFile) {
  QTemporaryDir dir;
  const QString missing = dir.filePath(QStringLiteral("missing.png"));
  TBitmap b(3, 3);
  try {
    b.LoadFromFile(missing);
    ADD_FAILURE();
  } catch (const EInvalidGraphic& e) {
    EXPECT_TRUE(e.Message().contains(missing)) << e.what();
  }
  const QString junk = dir.filePath(QStringLiteral("junk.bmp"));
  {
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("BM this is not a picture");
  }
  EXPECT_THROW(b.LoadFromFile(junk), EInvalidGraphic);
  EXPECT_EQ(b.Width(), 3);  // a failed load leaves the bitmap alone
}

TEST(Bitmap, LoadFromResourceNameTriesTheSuffixes) {
  TBitmap b;
  b.LoadFromResourceName(QStringLiteral("testmark"));
  ASSERT_EQ(b.Width(), 3);
  ASSERT_EQ(b.Height(), 2);
  EXPECT_EQ(b.Canvas()->Pixels(0, 0), clBlue);
  EXPECT_EQ(b.Canvas()->Pixels(1, 0), clLime);
  EXPECT_EQ(b.Canvas()->Pixels(0, 1), clRed);
  EXPECT_EQ(b.TransparentColor(), clRed);  // bottom-left
  EXPECT_EQ(b.PixelFormat(), pf24bit);
  b.LoadFromResourceName(QStringLiteral("testmark.bmp"));
  EXPECT_EQ(b.Width(), 3);
  EXPECT_THROW(b.LoadFromResourceName(QStringLiteral("no-such-glyph")), EInvalidGraphic);
  EXPECT_THROW(b.LoadFromResourceName(QString()), EInvalidGraphic);
}
