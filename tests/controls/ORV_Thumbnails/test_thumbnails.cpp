// TThumbnails: layout and request order, scrolling, hit-testing, slide
// painting, selection by clicks, the hover outline and the clamps.
#include "TestSupport.h"

#include <ORV_Thumbnails.h>

#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <memory>

using namespace orv;
using orv::test::Grab;
using orv::test::PixelAt;

namespace {

class ThumbnailsTest : public ::testing::Test {
protected:
  void SetUp() override {
    Th = std::make_unique<TThumbnails>(nullptr);
    test::ShowAndWait(Th.get());
    Th->OnImageRequest = [this](TObject*, int Id, TImageRequestProcessing& How, int& Mark, TBitmap*& Buffer) {
      Requested.append(Id);
      if (Handler) Handler(Id, How, Mark, Buffer);
    };
  }
  // Paints now and returns the slides requested by that paint.
  QList<int> PaintRequests() {
    Requested.clear();
    Th->Paint();
    return Requested;
  }
  TColor At(int X, int Y) { return PixelAt(Grab(Th.get()), X, Y); }
  QPoint Centre(int Col, int Row) { return QRect(Th->SlideRect(Col, Row)).center(); }
  // Two slides per row and three rows.
  void TwoColumns() { Th->SetBounds(0, 0, 300, 300); }

  std::unique_ptr<TThumbnails> Th;
  QList<int> Requested;
  std::function<void(int, TImageRequestProcessing&, int&, TBitmap*&)> Handler;
};

// A picture of one colour.
void Fill(TBitmap* B, int W, int H, TColor Color) {
  B->SetSize(W, H);
  B->Canvas()->Brush()->SetColor(Color);
  B->Canvas()->FillRect(TRect(0, 0, W, H));
}

}  // namespace

TEST_F(ThumbnailsTest, DefaultsLayOutOneColumnOfThreeRows) {
  EXPECT_EQ(Th->Width(), 260);
  EXPECT_EQ(Th->Height(), 400);
  EXPECT_EQ(Th->Pitch(), 136);
  EXPECT_EQ(PaintRequests(), QList<int>({1, 2, 3}));
  EXPECT_EQ(Th->SlidesPerRow(), 1);
  EXPECT_EQ(Th->RowsShown(), 3);
  EXPECT_EQ(Th->SlideRect(1, 1), TRect(10, 12, 145, 147));
  EXPECT_EQ(Th->SlideSelectMode(), ssmSingle);
  EXPECT_EQ(Th->FrameStyle(), fsSunken);
  EXPECT_EQ(Th->OuterFrameStyle(), fsRaised);
  EXPECT_EQ(Th->InnerFrameStyle(), fsSunken);
  // The selection holds bits for slides 1..100 from the start.
  Th->SetSelectedSlide(100, true);
  Th->SetSelectedSlide(101, true);
  EXPECT_TRUE(Th->GetSelectedSlide(100));
  EXPECT_FALSE(Th->GetSelectedSlide(101));
  EXPECT_EQ(Th->NumSlidesSelected(), 1);
  EXPECT_EQ(Th->FirstSelectedSlide(), 100);
}

TEST_F(ThumbnailsTest, RequestsGoColumnByColumnBetweenFirstAndLast) {
  TwoColumns();
  QString log;
  Th->OnFirstImageRequest = [&](TObject*) { log += QStringLiteral("first "); };
  Th->OnLastImageRequest = [&](TObject*) { log += QStringLiteral("last"); };
  Th->OnSlideRendered = [&](TObject* S, TCanvas* C, int X, int Y, int Id) {
    EXPECT_EQ(S, Th.get());
    EXPECT_EQ(C, Th->Canvas());
    int x = 0, y = 0;
    Th->CalcSlidePos(Id, x, y);
    EXPECT_EQ(TPoint(X, Y), TPoint(x, y)) << Id;
    log += QString::number(Id) + QLatin1Char(' ');
  };
  EXPECT_EQ(PaintRequests(), QList<int>({1, 3, 5, 2, 4, 6}));
  EXPECT_EQ(log, QStringLiteral("first 1 3 5 2 4 6 last"));
  Th->SetMax(4);  // slides beyond Max are never requested
  EXPECT_EQ(PaintRequests(), QList<int>({1, 3, 2, 4}));
}

TEST_F(ThumbnailsTest, ScrollingKeepsRowsAndClampsToTheRange) {
  TwoColumns();
  struct Case { double Value, Stored; int TopLeft, Offset; };
  const Case cases[] = {{4, 3.5, 3, 68}, {3, 3, 3, 0}, {1, 1, 1, 0}, {0, 1, 1, 0}, {500, 99.5, 99, 68}};
  for (const Case& c : cases) {
    Th->SetFirstThumbIx(c.Value);
    EXPECT_DOUBLE_EQ(Th->FirstThumbIx(), c.Stored) << c.Value;
    EXPECT_EQ(Th->SlideAt(1, 1), c.TopLeft) << c.Value;
    EXPECT_EQ(Th->ScrollOffset(), c.Offset) << c.Value;
  }
  Th->SetFirstThumbIx(4);
  EXPECT_EQ(PaintRequests(), QList<int>({3, 5, 7, 4, 6, 8}));
  // One slide per row after a resize: the same slide stays at the top.
  Th->SetWidth(260);
  EXPECT_DOUBLE_EQ(Th->FirstThumbIx(), 4);
  // A new range pulls the position into it.
  Th->SetMin(200);
  Th->SetMax(500);
  EXPECT_DOUBLE_EQ(Th->FirstThumbIx(), 200);
  EXPECT_EQ(PaintRequests(), QList<int>({200, 201, 202}));
}

TEST_F(ThumbnailsTest, WheelScrollsHalfARowPerNotch) {
  TwoColumns();
  auto wheel = [&](int Delta) {
    QWheelEvent e(QPointF(50, 50), Th->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, Delta), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Th.get(), &e);
  };
  wheel(-120);
  EXPECT_DOUBLE_EQ(Th->FirstThumbIx(), 1.5);
  wheel(-120);
  EXPECT_DOUBLE_EQ(Th->FirstThumbIx(), 3);
  wheel(240);
  EXPECT_DOUBLE_EQ(Th->FirstThumbIx(), 1);
}

TEST_F(ThumbnailsTest, HitTestLeavesGapsAndBandsToNoSlide) {
  TwoColumns();
  Th->Paint();
  struct Case { int X, Y, Slide; };
  const Case cases[] = {
      {10, 12, 1},  {144, 146, 1}, {145, 50, 0},  {146, 50, 2}, {9, 50, 0},   {50, 147, 0},
      {50, 148, 3}, {50, 290, 5},  {50, 291, 0},  {290, 50, 0},  // a third column does not fit
  };
  for (const Case& c : cases) EXPECT_EQ(Th->CalcSlideIndex(c.X, c.Y), c.Slide) << c.X << "," << c.Y;
  Th->SetFirstThumbIx(4);  // half a row scrolled away
  EXPECT_EQ(Th->CalcSlideIndex(50, 12), 3);
  EXPECT_EQ(Th->CalcSlideIndex(50, 79), 0);
  EXPECT_EQ(Th->CalcSlideIndex(50, 80), 5);
  Th->SetMax(4);
  EXPECT_EQ(Th->CalcSlideIndex(50, 80), 0);
}

TEST_F(ThumbnailsTest, SlidesShowPlaceholderPictureFrameOrNothing) {
  const TColor face = ColorToRGB(clBtnFace);
  Th->SetColorMark(clRed);
  Handler = [](int Id, TImageRequestProcessing& How, int& Mark, TBitmap*& Buffer) {
    if (Id == 2) {
      How = irpShowSlide;
      Fill(Buffer, 40, 80, clLime);  // upright: 60 pixels wide, centred
    } else if (Id == 3) {
      How = irpShowNothing;
      Mark = 5;  // a filled square, drawn even without the slide
    }
  };
  Th->Paint();
  const QImage img = Grab(Th.get());
  // Slide 1: cover, frame, the white placeholder with its number.
  EXPECT_EQ(PixelAt(img, 14, 16), clSilver);
  EXPECT_EQ(PixelAt(img, 11, 16), clWhite);  // the raised frame's light inner edge
  EXPECT_EQ(PixelAt(img, 17, 60), clBlack);
  EXPECT_EQ(PixelAt(img, 20, 42), clWhite);
  EXPECT_FALSE(test::InkBounds(img, QRect(60, 70, 40, 20), clWhite).isNull());
  // Slide 2 at y0 = 148: the picture in (47, 155, 107, 275), framed on its edge.
  const TRect pic = Th->PictureRect(10, 148, 40, 80);
  EXPECT_EQ(pic, TRect(47, 155, 107, 275));
  EXPECT_EQ(PixelAt(img, 60, 200), clLime);
  EXPECT_EQ(PixelAt(img, 47, 200), clGray);
  EXPECT_EQ(PixelAt(img, 106, 200), clWhite);
  EXPECT_EQ(PixelAt(img, 46, 200), clSilver);
  EXPECT_EQ(PixelAt(img, 107, 200), clSilver);
  EXPECT_EQ(Th->PictureRect(10, 148, 80, 40), TRect(17, 185, 137, 245));
  EXPECT_TRUE(Th->PictureRect(10, 148, 0, 40).IsEmpty());
  // Slide 3 at y0 = 284: the background, and the mark at (20, 296).
  EXPECT_EQ(PixelAt(img, 14, 288), face);
  EXPECT_EQ(PixelAt(img, 20, 296), clRed);
  EXPECT_EQ(PixelAt(img, 100, 330), face);
  // The bottom band hides the partly shown slide.
  EXPECT_EQ(PixelAt(img, 14, 392), face);
}

TEST_F(ThumbnailsTest, AntiAliasAveragesTheShrunkenPicture) {
  QImage board(240, 240, QImage::Format_RGB32);  // a one-pixel checkerboard, shrunk to half
  for (int y = 0; y < 240; ++y)
    for (int x = 0; x < 240; ++x) board.setPixel(x, y, (x + y) % 2 ? 0xFFFFFFFF : 0xFF000000);
  Handler = [&](int, TImageRequestProcessing& How, int&, TBitmap*& Buffer) {
    How = irpShowSlide;
    Buffer->SetImage(board);
  };
  auto greys = [&] {
    const QImage img = Grab(Th.get());
    int n = 0;
    for (int y = 30; y < 120; ++y)
      for (int x = 30; x < 120; ++x) n += PixelAt(img, x, y) != clBlack && PixelAt(img, x, y) != clWhite;
    return n;
  };
  Th->Paint();
  EXPECT_EQ(greys(), 0);
  Th->SetAntiAlias(true);
  EXPECT_GT(greys(), 90 * 90 / 2);
}

TEST_F(ThumbnailsTest, BitmapsPutIntoTheBufferAreFreedByTheControl) {
  struct TCounted : TBitmap {
    explicit TCounted(int& N) : Alive(N) { ++Alive; }
    ~TCounted() override { --Alive; }
    int& Alive;
  };
  int alive = 0;
  Handler = [&](int Id, TImageRequestProcessing& How, int&, TBitmap*& Buffer) {
    if (Id == 2) {
      Buffer = nullptr;  // dropped: the next slide gets a fresh scratch bitmap
      return;
    }
    Buffer = new TCounted(alive);  // replaces the one before, which goes
    Fill(Buffer, 30, 60, clBlue);
    How = irpShowSlide;
  };
  Th->Paint();
  EXPECT_EQ(Requested, QList<int>({1, 2, 3}));
  EXPECT_EQ(alive, 0);
  EXPECT_EQ(At(77, 300), clBlue);
}

TEST_F(ThumbnailsTest, ClicksSelectByMode) {
  TwoColumns();
  QList<int> clicked;
  Th->OnImageClick = [&](TObject*, int X, int Y, int Id) {
    EXPECT_EQ(Th->CalcSlideIndex(X, Y), Id);
    clicked.append(Id);
  };
  auto click = [&](int Slide, Qt::KeyboardModifiers Mods = {}) {
    const int n = Slide - 1;
    QTest::mouseClick(Th.get(), Qt::LeftButton, Mods, Slide ? Centre(n % 2 + 1, n / 2 + 1) : QPoint(145, 50));
  };
  auto selected = [&] {
    QList<int> s;
    for (int i = 1; i <= 10; ++i)
      if (Th->GetSelectedSlide(i)) s.append(i);
    return s;
  };
  click(2);
  click(3);
  EXPECT_EQ(selected(), QList<int>({3}));
  EXPECT_EQ(At(14, Centre(1, 2).y()), clNavy);
  click(0);  // a gap clears the single selection
  EXPECT_EQ(selected(), QList<int>());
  EXPECT_EQ(clicked, QList<int>({2, 3, 0}));

  Th->SetSlideSelectMode(ssmMultiple);
  click(2);
  click(3);
  click(2);  // toggles off
  click(4, Qt::ShiftModifier);  // from the last clicked slide
  EXPECT_EQ(selected(), QList<int>({2, 3, 4}));
  click(0);
  EXPECT_EQ(selected(), QList<int>({2, 3, 4}));

  Th->SetSlideSelectMode(ssmDisabled);  // a new mode clears the selection
  EXPECT_EQ(Th->NumSlidesSelected(), 0);
  Th->SetSelectedSlide(6, true);
  click(1);
  EXPECT_EQ(selected(), QList<int>({6}));
  EXPECT_EQ(clicked.last(), 1);

  int dbl = -1;
  Th->OnImageDblClick = [&](TObject*, int, int, int Id) { dbl = Id; };
  QTest::mouseDClick(Th.get(), Qt::LeftButton, {}, Centre(2, 2));
  EXPECT_EQ(dbl, 4);
}

TEST_F(ThumbnailsTest, HoverOutlinesTheSlideUnderThePointer) {
  TwoColumns();
  Th->SetSelectedSlide(2, true);
  int changes = 0;
  Th->OnFocusChange = [&](TObject*) { ++changes; };
  const TRect box = Th->FocusBox(1);
  EXPECT_EQ(box, TRect(12, 14, 143, 145));
  QTest::mouseMove(Th.get(), Centre(1, 1));
  QTest::mouseMove(Th.get(), Centre(1, 1) + QPoint(5, 5));  // same slide: no change
  EXPECT_EQ(Th->FocusedSlide(), 1);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(At(12, 60), clBlue);
  EXPECT_EQ(At(13, 60), clSilver);
  Th->SetColorCover(clYellow);  // a repaint keeps the outline
  EXPECT_EQ(At(12, 60), clBlue);
  QTest::mouseMove(Th.get(), Centre(2, 1));
  EXPECT_EQ(Th->FocusedSlide(), 2);
  EXPECT_EQ(At(12, 60), clYellow);
  EXPECT_EQ(At(148, 60), clBlue);
  QTest::mouseMove(Th.get(), QPoint(145, 60));  // the gap
  EXPECT_EQ(Th->FocusedSlide(), 0);
  EXPECT_EQ(At(148, 60), clNavy);  // erased in the selected colour
  Th->SetFocusLinewidth(3);
  QTest::mouseMove(Th.get(), Centre(1, 1));
  EXPECT_EQ(At(14, 60), clBlue);
  EXPECT_EQ(At(15, 60), clYellow);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(Th.get(), &leave);
  EXPECT_EQ(Th->FocusedSlide(), 0);
  EXPECT_EQ(At(12, 60), clYellow);
  EXPECT_EQ(changes, 5);
}

TEST_F(ThumbnailsTest, SettersClamp) {
  struct Case {
    void (TThumbnails::*Set)(int);
    int (TThumbnails::*Get)() const;
    int Value, Stored;
  };
  const Case cases[] = {
      {&TThumbnails::SetSlideSize, &TThumbnails::SlideSize, 10, 50},
      {&TThumbnails::SetSlideSize, &TThumbnails::SlideSize, 1000, 260},
      {&TThumbnails::SetSlideDistance, &TThumbnails::SlideDistance, -5, 0},
      {&TThumbnails::SetSlideDistance, &TThumbnails::SlideDistance, 101, 100},
      {&TThumbnails::SetSlideMargin, &TThumbnails::SlideMargin, 300, 100},
      {&TThumbnails::SetFocusLinewidth, &TThumbnails::FocusLinewidth, 20, 10},
      {&TThumbnails::SetFocusLinewidth, &TThumbnails::FocusLinewidth, -1, 0},
      {&TThumbnails::SetMax, &TThumbnails::Max, 0, 1},
  };
  for (const Case& c : cases) {
    (Th.get()->*c.Set)(c.Value);
    EXPECT_EQ((Th.get()->*c.Get)(), c.Stored) << c.Value;
  }
  // One bit per slide of the new range.
  Th->SetMin(-2);
  Th->SetMax(3);
  Th->SetSelectedSlide(-2, true);
  Th->SetSelectedSlide(3, true);
  Th->SetSelectedSlide(4, true);
  EXPECT_EQ(Th->NumSlidesSelected(), 2);
  EXPECT_EQ(Th->FirstSelectedSlide(), -2);
}

TEST_F(ThumbnailsTest, AssignCopiesTheListedSettings) {
  TThumbnails src(nullptr);
  src.SetMin(5);
  src.SetMax(50);
  src.SetSlideSize(80);
  src.SetSlideMargin(3);
  src.SetColorCover(clAqua);
  src.SetAntiAlias(true);
  src.SetOuterFrameStyle(fsBump);
  src.SetSlideSelectMode(ssmMultiple);
  src.SetColorMark(clRed);
  src.SetFirstThumbIx(12);
  int requests = 0;
  src.OnImageRequest = [&](TObject*, int, TImageRequestProcessing&, int&, TBitmap*&) { ++requests; };
  Th->Assign(&src);
  EXPECT_EQ(Th->Min(), 5);
  EXPECT_EQ(Th->Max(), 50);
  EXPECT_EQ(Th->SlideSize(), 80);
  EXPECT_EQ(Th->SlideMargin(), 3);
  EXPECT_EQ(Th->ColorCover(), clAqua);
  EXPECT_TRUE(Th->AntiAlias());
  EXPECT_EQ(Th->OuterFrameStyle(), fsBump);
  EXPECT_DOUBLE_EQ(Th->FirstThumbIx(), src.FirstThumbIx());
  EXPECT_EQ(Th->SlideSelectMode(), ssmSingle);  // not in the list
  EXPECT_EQ(Th->ColorMark(), clBlack);
  Th->SetSelectedSlide(50, true);
  EXPECT_EQ(Th->NumSlidesSelected(), 1);
  EXPECT_GT(requests, 0);  // the handler came along and is called by the repaint
}
