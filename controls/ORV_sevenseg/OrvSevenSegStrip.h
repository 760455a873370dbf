#pragma once
// The glyph strip of TSevenSeg and the design-size glyphs it is shrunk from.
//
// A shrunk pixel depends only on the design pixels under it and next to it.
// So where the pixels around a spot of a cell touch only segments its glyph
// lights, the cell shows there what a glyph with every segment lit shows, and
// where they touch only unlit segments, what a blank glyph shows. A size
// change therefore shrinks a few composed glyphs (blank, all lit, the three
// symbols, and where a spot touches a lit and an unlit segment, a glyph that
// lights the two alike) and assembles every cell span by span from them: each
// cell holds exactly the pixels that shrinking its own composed glyph gives.
// The composed glyphs are kept until the colours change.

#include <OrvTBitmap.h>

#include <QImage>

#include <array>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace orv {

class TSevenSeg;

namespace detail {

// What a glyph shows: lit features (bit n-1 for segment n, 1 top ... 7
// bottom, bit 7 the decimal point), or one of the symbols drawn from a bitmap
// of its own.
enum TSegSymbol { sgNone, sgPlus, sgColon, sgDegree };
struct TSegGlyph {
  int Features = 0;
  TSegSymbol Symbol = sgNone;
  auto operator<=>(const TSegGlyph&) const = default;
};
constexpr int SegPointFeature = 1 << 7;
constexpr int SegFeatureCount = 8;

// The glyph of Ch, with its decimal point when Dot ("." and "," always light it).
TSegGlyph SegGlyphOf(QChar Ch, bool Dot);
// Composes Glyph in Into from the segment bitmaps of Seg, in its background colour.
void ComposeSegGlyph(TSevenSeg& Seg, TBitmap* Into, TSegGlyph Glyph);
// The bitmap of feature F (0..6 the segments, 7 the point) and where it sits in the design grid.
std::pair<TBitmap*, TPoint> SegFeaturePlace(TSevenSeg& Seg, int F);

class TSevenSegStrip {
public:
  explicit TSevenSegStrip(TSevenSeg& Seg) : FSeg(Seg) {}

  // Drops the composed glyphs: the next Build colours the segment bitmaps and
  // composes again.
  void Forget();
  // The strip of SevenSegCharList's glyphs in cells of CellWidth x CellHeight
  // (both positive); composes again first when the colours changed.
  QImage Build(int CellWidth, int CellHeight);

private:
  // A shrunk glyph and the features it lights.
  struct TShrunk {
    int Features;
    QImage Image;
  };
  // A run [Left, Right) of a shrunk row and the features the design pixels
  // read for it may belong to.
  struct TSpan {
    int Left, Right, Touch;
  };

  void Prepare();
  const QImage& Composed(TSegGlyph Glyph);
  QImage Shrunk(TSegGlyph Glyph);
  std::vector<std::vector<TSpan>> RowSpans() const;
  bool Assemble(QImage& Strip, int CellX, int Features, const std::vector<std::vector<TSpan>>& Rows,
                const std::vector<TShrunk>& Bases) const;

  TSevenSeg& FSeg;
  std::map<TSegGlyph, QImage> FComposed;
  TColor FTextColor = 0;
  TColor FBackColor = 0;
  QSize FDesign;
  // Per feature and design row, the first and last column of its ink (first > last: none).
  std::array<std::vector<std::pair<int, int>>, SegFeatureCount> FInk;
  // A white area the background fill cannot reach: cells are then shrunk one by one.
  bool FEnclosed = false;
  int FCellWidth = 0;
  int FCellHeight = 0;
};

}  // namespace detail
}  // namespace orv
