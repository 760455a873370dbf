#pragma once
// TSevenSeg: a short caption shown as slanted seven-segment digits, like an
// LED display.
//
// Every glyph of SevenSegCharList is composed from six segment bitmaps at a
// design size of 312 x 432 pixels, coloured, and shrunk with smoothing into a
// cell of the image cache strip. Painting only copies cells from the strip,
// so a new Caption costs a handful of rectangle copies; the strip is rebuilt
// only when the size, the colours, NumDigits, Margin or InterDigDist change
// (CacheBuildCount counts the builds). The glyphs composed at the design size
// that the cells are assembled from are kept (four to seven images of about
// half a megabyte each) until the colours change, so a size change mostly
// only shrinks again: a window resized by dragging follows smoothly.
//
// The caption fills at most NumDigits cells from the left. A "." or ","
// lights the decimal point of the digit before it, or stands for a blank
// digit with its point when no digit precedes it ("12.34", ".5"). Letters
// A-F show in either case (B and D as "b" and "d"); any character outside
// the list leaves its cell blank.
//
// Defaults: caption "8.8.8.8.", 4 digits, red segments on $333333, Margin 8,
// InterDigDist 2, frame style fsSunken, size 216 x 76.
//
// In a layout the display's natural size is 216 x 76; the glyphs follow the
// size, so it may grow and shrink both ways, down to glyphs of 5 x 7 pixels.
//
// A negative Margin becomes 0. When the cells are too small for a glyph
// (Width - 2 * Margin too narrow for NumDigits cells and InterDigDist, or
// Height - 2 * Margin not positive) the display shows only its background
// and frame.
//
// \image html seven_segment.png "Seven-segment displays in the gallery"

#include <orvcore.h>

#include <memory>

namespace orv {

namespace detail {
class TSevenSegStrip;
}

// The glyphs of the cache, in cache order; the last one is the decimal point alone.
extern const QString SevenSegCharList;

class TSevenSeg : public TGraphicControl {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(int NumDigits READ NumDigits WRITE SetNumDigits)
  Q_PROPERTY(orv::TColor ColorText READ ColorText WRITE SetColorText)
  Q_PROPERTY(orv::TColor ColorBackGnd READ ColorBackGnd WRITE SetColorBackGnd)
  Q_PROPERTY(int Margin READ Margin WRITE SetMargin)
  Q_PROPERTY(int InterDigDist READ InterDigDist WRITE SetInterDigDist)
  Q_PROPERTY(orv::core_enums::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyle)
  Q_PROPERTY(orv::core_enums::TColorScheme ColorScheme READ ColorScheme WRITE SetColorScheme)

public:
  // A display with the defaults above; AOwner (a component, a Qt parent widget, or null) owns it and,
  // when it is a control, is its parent.
  explicit TSevenSeg(TOwnerArg AOwner);
  ~TSevenSeg() override;

  // The text shown, one cell per character (see the class comment).
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& Value);
  // 1..32; other values are ignored.
  int NumDigits() const { return FNumDigits; }
  void SetNumDigits(int Value);
  // Segment colour; pure white shows as $FEFEFE (white is the background key).
  TColor ColorText() const { return FColorText; }
  void SetColorText(TColor Value);
  // Background of the display and of the glyph cells.
  TColor ColorBackGnd() const { return FColorBackGnd; }
  void SetColorBackGnd(TColor Value);
  // Space around the digits; 0 .. Height div 2 - 1.
  int Margin() const { return FMargin; }
  void SetMargin(int Value);
  // Space between two digits; values of 256 and more become 255.
  int InterDigDist() const { return FInterDigDist; }
  void SetInterDigDist(int Value);
  // Frame around the control, drawn in fixed colours.
  TFrameStyle FrameStyle() const { return FFrameStyle; }
  void SetFrameStyle(TFrameStyle Value);
  // Kept for the frame-line colours; the frame is drawn in fixed colours.
  TColorScheme ColorScheme() const { return FColorScheme; }
  void SetColorScheme(TColorScheme Value);

  // The work image in which CreateDigit composes one glyph (312 x 432).
  const std::unique_ptr<TBitmap> DigImg;
  // The glyph strip: one cell of GlyphWidth x GlyphHeight per glyph of
  // SevenSegCharList, in that order.
  const std::unique_ptr<TBitmap> ImgCache;
  // The segment bitmaps, black shapes on white until ColorizeSegments colours
  // them: a vertical segment (68 x 190),
  const std::unique_ptr<TBitmap> SegVert;
  // a horizontal segment (200 x 38),
  const std::unique_ptr<TBitmap> SegHorz;
  // the decimal point (38 x 38),
  const std::unique_ptr<TBitmap> SegDot;
  // the plus sign (200 x 190),
  const std::unique_ptr<TBitmap> SegPlus;
  // the degree sign (160 x 138)
  const std::unique_ptr<TBitmap> SegDeg;
  // and the colon (68 x 190).
  const std::unique_ptr<TBitmap> SegColon;

  // Composes the glyph of Ch (with its decimal point when Dot) in DigImg.
  void CreateDigit(QChar Ch, bool Dot);
  // Rebuilds the glyph strip from scratch: colours the segment bitmaps,
  // composes the glyphs again and shrinks them to the current cell size.
  void CreateImageCache();
  // Recolours the six segment bitmaps.
  void ColorizeSegments(TColor Color);
  // Rebuilds the strip and repaints when the size changed since the last build.
  void ProcessResize(TObject* Sender);
  // How many times the strip was built (for tests and benchmarks).
  int CacheBuildCount() const { return FCacheBuildCount; }

  void Assign(TPersistent* Source) override;
  void Paint() override;

  // ---- geometry
  // One cell of the caption: the glyph's index in SevenSegCharList (-1 for
  // a blank cell) and whether its decimal point is lit.
  struct TDigit {
    // Index in SevenSegCharList, -1 for a blank cell.
    int Glyph = -1;
    // Whether the decimal point is lit.
    bool Dot = false;
    // Equal when glyph and point are.
    bool operator==(const TDigit&) const = default;
  };
  // The cells the caption fills, at most NumDigits.
  QList<TDigit> CaptionDigits() const;
  // Glyph width of a cell: (Width - 2 * Margin) div NumDigits - InterDigDist.
  int GlyphWidth() const;
  // Glyph height of a cell: Height - 2 * Margin.
  int GlyphHeight() const;
  // Where digit J (0-based) is drawn.
  TRect DigitRect(int J) const;
  // The part of digit J that its decimal point covers (the lower right sixth).
  TRect DotRect(int J) const;
  // Margins and NumDigits glyphs of the least legible size.
  QSize minimumSizeHint() const override;

protected:
  void AssignTo(TPersistent* Dest) override;
  void Resize() override;

private:
  // Rebuilds the strip, then repaints, when one of its inputs changed.
  template <class T>
  void UpdateCached(T& Field, const T& Value);

  QString FCaption = QStringLiteral("8.8.8.8.");
  int FNumDigits = 4;
  TColor FColorText = clRed;
  TColor FColorBackGnd = 0x333333;
  int FMargin = 8;
  int FInterDigDist = 2;
  TFrameStyle FFrameStyle = fsSunken;
  TColorScheme FColorScheme = csFixedColors;
  TColor FColGrayLine = clGray;
  TColor FColWhiteLine = clWhite;
  int FCacheWidth = -1;
  int FCacheHeight = -1;
  int FCacheBuildCount = 0;

  // Rebuilds the strip for the current size, composing again only when the colours changed.
  void RebuildStrip();
  const std::unique_ptr<detail::TSevenSegStrip> FStrip;
};

}  // namespace orv
