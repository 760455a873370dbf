// Glyph composition and the image cache of TSevenSeg.
#include "ORV_sevenseg.h"

#include <QPainter>

#include <array>

namespace orv {

const QString SevenSegCharList = QStringLiteral("0123456789-+:\u00B0ABCDEF.");

namespace {

// The design grid every glyph is composed in.
constexpr int DesignWidth = 312;
constexpr int DesignHeight = 432;

// Top-left corners of the seven segments (1 top, 2 upper left, 3 upper
// right, 4 middle, 5 lower left, 6 lower right, 7 bottom) and whether each
// uses the horizontal bitmap.
struct TSegmentPlace {
  int X, Y;
  bool Horizontal;
};
constexpr std::array<TSegmentPlace, 7> SegmentPlaces = {{
    {94, 0, true}, {37, 23, false}, {244, 23, false}, {57, 197, true},
    {0, 220, false}, {207, 220, false}, {20, 394, true},
}};
constexpr TPoint DotPlace(269, 394), PlusPlace(57, 120), ColonPlace(122, 121), DegreePlace(150, 0);

// Lit segments per character, bit n-1 for segment n.
constexpr int Segs(std::initializer_list<int> Numbers) {
  int bits = 0;
  for (int n : Numbers) bits |= 1 << (n - 1);
  return bits;
}

int SegmentsOf(QChar Ch) {
  switch (Ch.toUpper().unicode()) {
    case '0': return Segs({1, 2, 3, 5, 6, 7});
    case '1': return Segs({3, 6});
    case '2': return Segs({1, 3, 4, 5, 7});
    case '3': return Segs({1, 3, 4, 6, 7});
    case '4': return Segs({2, 3, 4, 6});
    case '5': return Segs({1, 2, 4, 6, 7});
    case '6': return Segs({1, 2, 4, 5, 6, 7});
    case '7': return Segs({1, 3, 6});
    case '8': return Segs({1, 2, 3, 4, 5, 6, 7});
    case '9': return Segs({1, 2, 3, 4, 6, 7});
    case '-': return Segs({4});
    case 'A': return Segs({1, 2, 3, 4, 5, 6});
    case 'B': return Segs({2, 4, 5, 6, 7});
    case 'C': return Segs({1, 2, 5, 7});
    case 'D': return Segs({3, 4, 5, 6, 7});
    case 'E': return Segs({1, 2, 4, 5, 7});
    case 'F': return Segs({1, 2, 4, 5});
    default: return 0;
  }
}

void FillFrom(TBitmap* Bmp, int X, int Y, TColor Color) {
  TCanvas* c = Bmp->Canvas();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(Color);
  c->FloodFill(X, Y, c->Pixels(X, Y), fsSurface);
}

}  // namespace

void TSevenSeg::ColorizeSegments(TColor Color) {
  if (Color == clWhite) Color = 0xFEFEFE;
  for (TBitmap* b : {SegVert.get(), SegHorz.get(), SegDot.get(), SegPlus.get()})
    FillFrom(b, b->Width() / 2, b->Height() / 2, Color);
  FillFrom(SegColon.get(), 18, SegColon->Height() - 18, Color);
  FillFrom(SegColon.get(), SegColon->Width() - 18, 18, Color);
  FillFrom(SegDeg.get(), 25, SegDeg->Height() / 2, Color);
}

void TSevenSeg::CreateDigit(QChar Ch, bool Dot) {
  TCanvas* c = DigImg->Canvas();
  c->SetCopyMode(cmSrcCopy);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(clWhite);
  c->FillRect(TRect(0, 0, DigImg->Width(), DigImg->Height()));
  c->SetCopyMode(cmSrcAnd);
  c->Brush()->SetColor(FColorBackGnd);
  const auto andIn = [c](TBitmap* B, TPoint At) {
    c->CopyRect(TRect(At.X, At.Y, At.X + B->Width(), At.Y + B->Height()), B->Canvas(),
                TRect(0, 0, B->Width(), B->Height()));
  };
  if (Ch == QLatin1Char(':')) {
    andIn(SegColon.get(), ColonPlace);
  } else if (Ch == QChar(0x00B0)) {
    andIn(SegDeg.get(), DegreePlace);
  } else if (Ch == QLatin1Char('+')) {
    andIn(SegPlus.get(), PlusPlace);
  } else if (Ch == QLatin1Char('.') || Ch == QLatin1Char(',')) {
    Dot = true;
  } else {
    const int lit = SegmentsOf(Ch);
    for (int i = 0; i < int(SegmentPlaces.size()); ++i) {
      if (!(lit & (1 << i))) continue;
      const TSegmentPlace& s = SegmentPlaces[size_t(i)];
      andIn(s.Horizontal ? SegHorz.get() : SegVert.get(), TPoint(s.X, s.Y));
    }
  }
  if (Dot) andIn(SegDot.get(), DotPlace);
  c->SetCopyMode(cmSrcCopy);
  // Everything outside the segments takes the background colour.
  c->FloodFill(1, 1, clWhite, fsSurface);
}

void TSevenSeg::CreateImageCache() {
  ++FCacheBuildCount;
  FCacheWidth = Width();
  FCacheHeight = Height();
  const int gw = GlyphWidth(), h = GlyphHeight();
  if (gw <= 0 || h <= 0) {
    ImgCache->SetSize(0, 0);
    return;
  }
  ImgCache->SetSize(int(SevenSegCharList.size()) * gw, h);
  TCanvas* cache = ImgCache->Canvas();
  cache->Brush()->SetStyle(bsSolid);
  cache->Brush()->SetColor(FColorBackGnd);
  cache->FillRect(TRect(0, 0, ImgCache->Width(), h));
  ColorizeSegments(FColorText);
  for (int k = 0; k < SevenSegCharList.size(); ++k) {
    CreateDigit(SevenSegCharList[k], false);
    // Shrinking with smoothing averages the design pixels, like a halftone stretch.
    const QImage cell = DigImg->Image().scaled(gw, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    cache->Painter()->drawImage(k * gw, 0, cell);
  }
  cache->Flush();
}

}  // namespace orv
