// The glyph strip of TSevenSeg, assembled from a few shrunk glyphs.
#include "OrvSevenSegStrip.h"

#include "ORV_sevenseg.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace orv::detail {

namespace {

// The glyphs a cell may be assembled from, shrunk only when a cell needs
// them, in this order: every segment and the point lit, the three symbols,
// nothing lit, and segments 1, 4 and 7 and then 2, 3, 5 and 6 lit (every
// corner of the digit joins a segment of one set to one of the other, so
// where the pixels around a spot touch two segments that meet, these two
// glyphs light them one way round each).
constexpr std::array<int, 7> Bases = {SegAllSegments | SegPointFeature,
                                      SegPlusFeature,
                                      SegColonFeature,
                                      SegDegreeFeature,
                                      0,
                                      0b1001001,
                                      0b0110110};

// The design coordinates that the shrunk pixel X may read: those under it
// and one more on either side (an averaging shrink reads the pixels it
// covers, its start rounded down once more; a smooth enlargement the two
// pixels around its centre).
std::pair<int, int> DesignRange(int X, int Design, int Shrunk) {
  return {std::max(0, int(qint64(X) * Design / Shrunk) - 1),
          std::min(Design - 1, int((qint64(X + 1) * Design - 1) / Shrunk) + 1)};
}

// For every design coordinate, the first and last shrunk coordinate that may read it.
struct TReach {
  std::vector<int> First, Last;
};

TReach ReachOf(int Design, int Shrunk) {
  TReach r{std::vector<int>(size_t(Design), Shrunk), std::vector<int>(size_t(Design), -1)};
  for (int x = 0; x < Shrunk; ++x) {
    const auto [from, to] = DesignRange(x, Design, Shrunk);
    for (int s = from; s <= to; ++s) {
      r.First[size_t(s)] = std::min(r.First[size_t(s)], x);
      r.Last[size_t(s)] = x;
    }
  }
  return r;
}

void CopyCell(QImage& Strip, int CellX, const QImage& Cell) {
  for (int y = 0; y < Cell.height(); ++y)
    std::memcpy(reinterpret_cast<QRgb*>(Strip.scanLine(y)) + CellX, Cell.constScanLine(y),
                size_t(Cell.width()) * sizeof(QRgb));
}

}  // namespace

void TSevenSegStrip::Forget() {
  FComposed.clear();
  FPrepared = false;
}

// Whether the composed glyph keeps white the background fill did not reach.
bool TSevenSegStrip::Encloses(int Glyph) {
  const QImage image = Composed(Glyph);
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    if (std::any_of(line, line + image.width(), [](QRgb p) { return (p & 0xFFFFFF) == 0xFFFFFF; })) return true;
  }
  return false;
}

// Colours the segments and composes the glyphs every size needs, when the
// colours (or the work image's size) changed since the glyphs kept were
// composed.
void TSevenSegStrip::Prepare() {
  const QSize design(FSeg.DigImg->Width(), FSeg.DigImg->Height());
  if (FPrepared && FTextColor == FSeg.ColorText() && FBackColor == FSeg.ColorBackGnd() && design == FDesign) return;
  FComposed.clear();
  FPrepared = true;
  FTextColor = FSeg.ColorText();
  FBackColor = FSeg.ColorBackGnd();
  FDesign = design;
  FSeg.ColorizeSegments(FTextColor);
  for (int f = 0; f < SegFeatureCount; ++f) {
    auto& ink = FInk[size_t(f)];
    ink.assign(size_t(design.height()), {INT_MAX, -1});
    const auto [bitmap, at] = SegFeaturePlace(FSeg, f);
    const QImage& img = bitmap->Image();
    for (int r = 0; r < img.height(); ++r) {
      const int y = at.Y + r;
      if (y < 0 || y >= design.height()) continue;
      const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(r));
      for (int x = std::max(0, -at.X); x < img.width() && at.X + x < design.width(); ++x) {
        if ((line[x] & 0xFFFFFF) == 0xFFFFFF) continue;
        ink[size_t(y)].first = std::min(ink[size_t(y)].first, at.X + x);
        ink[size_t(y)].second = at.X + x;
      }
    }
  }
  // White left after the background fill (an area the segments enclose)
  // depends on the whole glyph, not on the features near it. Without it in
  // the glyph of all segments, no segment glyph has any (fewer segments
  // enclose less); the symbols are checked one by one.
  FEnclosed = false;
  if (design.isEmpty() || (ColorToQRgb(FBackColor) | 0xFF000000) == 0xFFFFFFFF) return;
  FEnclosed = std::any_of(Bases.begin(), Bases.begin() + 4, [this](int g) { return Encloses(g); });
}

// The glyph composed at the design size; the bases are kept for later builds.
QImage TSevenSegStrip::Composed(int Glyph) {
  if (const auto it = FComposed.find(Glyph); it != FComposed.end()) return it->second;
  // Composing fills the image first: it starts uninitialised.
  TBitmap work;
  work.SetImage(QImage(FDesign, QImage::Format_RGB32));
  ComposeSegGlyph(FSeg, &work, Glyph);
  const QImage image = work.Image();
  if (std::find(Bases.begin(), Bases.end(), Glyph) != Bases.end()) FComposed.emplace(Glyph, image);
  return image;
}

// Shrinking with smoothing averages the design pixels, like a halftone stretch.
QImage TSevenSegStrip::Shrunk(int Glyph) {
  return Composed(Glyph).scaled(FCellWidth, FCellHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Cuts every shrunk row where the columns that may read a feature begin and end.
std::vector<std::vector<TSevenSegStrip::TSpan>> TSevenSegStrip::RowSpans() const {
  const TReach columns = ReachOf(FDesign.width(), FCellWidth);
  auto rows = std::vector<std::vector<TSpan>>(size_t(FCellHeight));
  std::array<std::pair<int, int>, SegFeatureCount> reach;
  std::vector<int> cuts;
  for (int y = 0; y < FCellHeight; ++y) {
    const auto [top, bottom] = DesignRange(y, FDesign.height(), FCellHeight);
    cuts.assign({0, FCellWidth});
    for (int f = 0; f < SegFeatureCount; ++f) {
      auto& [first, last] = reach[size_t(f)];
      first = INT_MAX;
      last = -1;
      for (int r = top; r <= bottom; ++r) {
        const auto [inkFirst, inkLast] = FInk[size_t(f)][size_t(r)];
        if (inkFirst > inkLast) continue;
        first = std::min(first, columns.First[size_t(inkFirst)]);
        last = std::max(last, columns.Last[size_t(inkLast)]);
      }
      if (first > last) continue;
      cuts.push_back(first);
      cuts.push_back(last + 1);
    }
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    for (size_t i = 0; i + 1 < cuts.size() && cuts[i] < FCellWidth; ++i) {
      int touch = 0;
      for (int f = 0; f < SegFeatureCount; ++f)
        if (reach[size_t(f)].first <= cuts[i] && cuts[i] <= reach[size_t(f)].second) touch |= 1 << f;
      rows[size_t(y)].push_back({cuts[i], std::min(cuts[i + 1], FCellWidth), touch});
    }
  }
  return rows;
}

// Copies every span of the cell from a shrunk glyph that lights the features
// the span may read as Features does (neighbouring spans from the same glyph
// in one piece); false when no glyph of Bases does.
bool TSevenSegStrip::Assemble(QImage& Strip, int CellX, int Features, const std::vector<std::vector<TSpan>>& Rows,
                              const std::vector<TShrunk>& Bases) const {
  for (int y = 0; y < FCellHeight; ++y) {
    QRgb* out = reinterpret_cast<QRgb*>(Strip.scanLine(y)) + CellX;
    const auto copy = [&](const TShrunk* Base, int Left, int Right) {
      std::memcpy(out + Left, reinterpret_cast<const QRgb*>(Base->Image.constScanLine(y)) + Left,
                  size_t(Right - Left) * sizeof(QRgb));
    };
    const TShrunk* run = nullptr;
    int runLeft = 0;
    for (const TSpan& s : Rows[size_t(y)]) {
      const int want = Features & s.Touch;
      const auto base = std::find_if(Bases.begin(), Bases.end(),
                                     [&](const TShrunk& b) { return (b.Features & s.Touch) == want; });
      if (base == Bases.end()) return false;
      if (&*base == run) continue;
      if (run) copy(run, runLeft, s.Left);
      run = &*base;
      runLeft = s.Left;
    }
    if (run) copy(run, runLeft, FCellWidth);
  }
  return true;
}

QImage TSevenSegStrip::Build(int CellWidth, int CellHeight) {
  Prepare();
  FCellWidth = CellWidth;
  FCellHeight = CellHeight;
  const int n = int(SevenSegCharList.size());
  QImage strip(n * CellWidth, CellHeight, QImage::Format_RGB32);
  if (FDesign.isEmpty()) {
    strip.fill(ColorToQRgb(FBackColor) | 0xFF000000);
    return strip;
  }
  std::vector<TShrunk> bases;
  const std::vector<std::vector<TSpan>> rows = FEnclosed ? std::vector<std::vector<TSpan>>() : RowSpans();
  size_t next = 0;
  for (int k = 0; k < n; ++k) {
    const int glyph = SegGlyphOf(SevenSegCharList[k], false);
    bool done = !FEnclosed && !bases.empty() && Assemble(strip, k * CellWidth, glyph, rows, bases);
    while (!FEnclosed && !done && next < Bases.size()) {
      bases.push_back({Bases[next], Shrunk(Bases[next])});
      ++next;
      done = Assemble(strip, k * CellWidth, glyph, rows, bases);
    }
    // The cell's own glyph last of all.
    if (!done) {
      bases.push_back({glyph, Shrunk(glyph)});
      CopyCell(strip, k * CellWidth, bases.back().Image);
    }
  }
  return strip;
}

}  // namespace orv::detail
