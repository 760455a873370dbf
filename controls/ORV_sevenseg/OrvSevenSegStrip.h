#pragma once
// The glyph strip of TSevenSeg and the design-size glyphs it is shrunk from.
//
// A glyph is composed of features: the seven segments, the decimal point and
// the three symbols. A shrunk pixel depends only on the design pixels under
// it and next to it, so wherever the pixels around a spot of a cell touch
// features that another glyph lights exactly as the cell's own glyph does,
// the two glyphs shrink to the same pixels there. A size change therefore
// shrinks a few composed glyphs (all segments lit, the three symbols, and
// only where a spot needs them a blank glyph, two glyphs that light the two
// segments of a corner differently, or the cell's own glyph) and assembles
// every cell span by span from them: each cell holds exactly the pixels that
// shrinking its own composed glyph gives. The composed glyphs that serve
// other cells (at most seven) are kept until the colours change.

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

// A glyph is the set of features it lights: bit n-1 for segment n (1 top ...
// 7 bottom), then the decimal point, the plus sign, the colon and the degree
// sign, each drawn from a bitmap of its own.
constexpr int SegAllSegments = (1 << 7) - 1;
constexpr int SegPointFeature = 1 << 7;
constexpr int SegPlusFeature = 1 << 8;
constexpr int SegColonFeature = 1 << 9;
constexpr int SegDegreeFeature = 1 << 10;
constexpr int SegFeatureCount = 11;

// The glyph of Ch, with its decimal point when Dot ("." and "," always light it).
int SegGlyphOf(QChar Ch, bool Dot);
// Composes the glyph in Into from the segment bitmaps of Seg, in its background colour.
void ComposeSegGlyph(TSevenSeg& Seg, TBitmap* Into, int Glyph);
// The bitmap of feature F (a bit number above) and where it sits in the design grid.
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
  bool Encloses(int Glyph);
  QImage Composed(int Glyph);
  QImage Shrunk(int Glyph);
  std::vector<std::vector<TSpan>> RowSpans() const;
  bool Assemble(QImage& Strip, int CellX, int Features, const std::vector<std::vector<TSpan>>& Rows,
                const std::vector<TShrunk>& Bases) const;

  TSevenSeg& FSeg;
  std::map<int, QImage> FComposed;
  bool FPrepared = false;
  TColor FTextColor = 0;
  TColor FBackColor = 0;
  QSize FDesign;
  // Per feature and design row, the first and last column of its ink (first > last: none).
  std::array<std::vector<std::pair<int, int>>, SegFeatureCount> FInk;
  // A white area the background fill cannot reach, in the glyph of all
  // segments or a symbol: cells are then shrunk one by one.
  bool FEnclosed = false;
  int FCellWidth = 0;
  int FCellHeight = 0;
};

}  // namespace detail
}  // namespace orv
