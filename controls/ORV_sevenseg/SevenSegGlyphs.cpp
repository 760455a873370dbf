// Glyph composition of TSevenSeg and the rebuilding of its image cache.
#include "ORV_sevenseg.h"
#include "OrvSevenSegStrip.h"

#include <array>

namespace orv {

const QString SevenSegCharList = QStringLiteral("0123456789-+:\u00B0ABCDEF.");

namespace {

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

namespace detail {

int SegGlyphOf(QChar Ch, bool Dot) {
  int g = 0;
  if (Ch == QLatin1Char(':')) g = SegColonFeature;
  else if (Ch == QChar(0x00B0)) g = SegDegreeFeature;
  else if (Ch == QLatin1Char('+')) g = SegPlusFeature;
  else if (Ch == QLatin1Char('.') || Ch == QLatin1Char(',')) Dot = true;
  else g = SegmentsOf(Ch);
  return Dot ? g | SegPointFeature : g;
}

std::pair<TBitmap*, TPoint> SegFeaturePlace(TSevenSeg& Seg, int F) {
  switch (1 << F) {
    case SegPointFeature: return {Seg.SegDot.get(), DotPlace};
    case SegPlusFeature: return {Seg.SegPlus.get(), PlusPlace};
    case SegColonFeature: return {Seg.SegColon.get(), ColonPlace};
    case SegDegreeFeature: return {Seg.SegDeg.get(), DegreePlace};
    default: break;
  }
  const TSegmentPlace& s = SegmentPlaces[size_t(F)];
  return {s.Horizontal ? Seg.SegHorz.get() : Seg.SegVert.get(), TPoint(s.X, s.Y)};
}

void ComposeSegGlyph(TSevenSeg& Seg, TBitmap* Into, int Glyph) {
  TCanvas* c = Into->Canvas();
  c->SetCopyMode(cmSrcCopy);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(clWhite);
  c->FillRect(TRect(0, 0, Into->Width(), Into->Height()));
  c->SetCopyMode(cmSrcAnd);
  c->Brush()->SetColor(Seg.ColorBackGnd());
  const auto andIn = [c](TBitmap* B, TPoint At) {
    c->CopyRect(TRect(At.X, At.Y, At.X + B->Width(), At.Y + B->Height()), B->Canvas(),
                TRect(0, 0, B->Width(), B->Height()));
  };
  // The order does not matter: AND is commutative.
  for (int f = 0; f < SegFeatureCount; ++f) {
    if (!(Glyph & (1 << f))) continue;
    const auto [bitmap, at] = SegFeaturePlace(Seg, f);
    andIn(bitmap, at);
  }
  c->SetCopyMode(cmSrcCopy);
  // Everything outside the segments takes the background colour.
  c->FloodFill(1, 1, clWhite, fsSurface);
}

}  // namespace detail

void TSevenSeg::ColorizeSegments(TColor Color) {
  if (Color == clWhite) Color = 0xFEFEFE;
  for (TBitmap* b : {SegVert.get(), SegHorz.get(), SegDot.get(), SegPlus.get()})
    FillFrom(b, b->Width() / 2, b->Height() / 2, Color);
  FillFrom(SegColon.get(), 18, SegColon->Height() - 18, Color);
  FillFrom(SegColon.get(), SegColon->Width() - 18, 18, Color);
  FillFrom(SegDeg.get(), 25, SegDeg->Height() / 2, Color);
}

void TSevenSeg::CreateDigit(QChar Ch, bool Dot) {
  detail::ComposeSegGlyph(*this, DigImg.get(), detail::SegGlyphOf(Ch, Dot));
}

void TSevenSeg::CreateImageCache() {
  FStrip->Forget();
  RebuildStrip();
}

void TSevenSeg::RebuildStrip() {
  ++FCacheBuildCount;
  FCacheWidth = Width();
  FCacheHeight = Height();
  const int gw = GlyphWidth(), h = GlyphHeight();
  if (gw <= 0 || h <= 0) {
    ImgCache->SetSize(0, 0);
    return;
  }
  ImgCache->SetImage(FStrip->Build(gw, h));
}

}  // namespace orv
