#pragma once
// TCanvas: drawing on an image with the classic GDI rules, antialiasing off.
//
// - LineTo and Polyline leave out the end point; the pen position moves there.
//   One-pixel pens draw Bresenham's line (dash patterns 18/6, 3/3, 9/6/3/6,
//   9/3/3/3/3/3); wider pens are stroked with round caps and joins.
// - Rectangle(x1, y1, x2, y2), RoundRect, Ellipse and Pie cover x1..x2-1 and
//   y1..y2-1 (the pixels whose centres lie inside): outline in the pen (none
//   with psClear), Pen()->Width() pixels wide on the inside, and the inside
//   in the brush (none with bsClear). Polygon fills the same way and outlines
//   through its vertices like a closed Polyline.
// - FillRect fills with the brush; FrameRect draws a one-pixel border in the
//   brush colour; both cover Left..Right-1, Top..Bottom-1.
// - TextOut puts the top-left of the text box at (X, Y), on a background of
//   the brush colour unless the brush is bsClear; with Font()->Orientation()
//   the text turns about (X, Y). TextRect does the same clipped to a rectangle
//   and, unless the brush is bsClear, fills the rectangle first. Glyphs are
//   antialiased as on the desktop; shapes and lines are not.
// - CopyRect obeys CopyMode (cmDstInvert inverts the destination rectangle)
//   and stretches to the destination (nearest pixel); the source may be this
//   canvas. Draw and StretchDraw do the same with a bitmap, skipping its
//   transparent colour when it is Transparent. cmSrcAnd leaves the
//   destination as it is (alpha included) where the source is white,
//   cmSrcPaint where it is black, both where it is transparent: a mask step
//   over a transparent surface keeps showing what lies below.
// - The pen modes pmNot, pmXor, pmNotXor, pmWhite and pmBlack apply to what
//   lines and outlines cover.
// - FloodFill fills with the brush colour from (X, Y) across 4-connected
//   neighbours: fsBorder up to a border of the given colour, fsSurface across
//   the area of the given colour; a diagonal line is a closed border.
// - Nothing is drawn outside the image or the clip rectangle, whatever the
//   coordinates; without an image every operation does nothing.
//
// Coordinates are logical pixels; an image with a device pixel ratio above 1
// is drawn at that ratio, a logical pixel covering ratio x ratio device pixels.
// The painter stays open between operations: call Flush() before reading,
// copying, resizing or replacing the image (the pixel operations here flush
// by themselves).

#include "OrvTGraphicsObject.h"

#include <QImage>
#include <QList>
#include <QPainter>
#include <QRawFont>
#include <QVarLengthArray>

#include <cstdint>
#include <memory>
#include <vector>

namespace orv {

class TBitmap;
struct TShapeMask;

class TCanvas {
public:
  // A canvas on the given image (which must outlive the canvas), or on none yet.
  explicit TCanvas(QImage* Image = nullptr);
  ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  // Rebinds the canvas to another image (ends painting on the old one).
  void SetImage(QImage* Image);
  QImage* Image() const { return FImage; }
  // Ends the open painter so that the image can be read, resized or copied.
  void Flush();

  TPen* Pen() { return &FPen; }
  TBrush* Brush() { return &FBrush; }
  TFont* Font() { return &FFont; }
  TCopyMode CopyMode() const { return FCopyMode; }
  void SetCopyMode(TCopyMode Value) { FCopyMode = Value; }
  TPoint PenPos() const { return FPenPos; }
  void SetPenPos(TPoint Value) { FPenPos = Value; }

  // Back to the state of a new canvas: a black one-pixel solid pen in pmCopy,
  // a white solid brush, the default font, cmSrcCopy, no clipping, the pen
  // at (0, 0).
  void Reset();

  // Clipping for all later drawing; an empty rectangle means no clipping.
  void SetClipRect(const TRect& R);
  TRect ClipRect() const;

  void MoveTo(int X, int Y);
  void LineTo(int X, int Y);
  void Polyline(const QList<TPoint>& Points);
  void Polygon(const QList<TPoint>& Points);
  void Rectangle(int X1, int Y1, int X2, int Y2);
  void Rectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
  void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3);
  void Ellipse(int X1, int Y1, int X2, int Y2);
  void Ellipse(const TRect& R) { Ellipse(R.Left, R.Top, R.Right, R.Bottom); }
  // Arc and Pie of the ellipse in (X1, Y1, X2, Y2), counter-clockwise from the
  // ray towards (X3, Y3) to the ray towards (X4, Y4).
  void Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
  void Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
  void FillRect(const TRect& R);
  void FrameRect(const TRect& R);

  void TextOut(int X, int Y, const QString& Text);
  void TextRect(const TRect& R, int X, int Y, const QString& Text);
  int TextWidth(const QString& Text);
  int TextHeight(const QString& Text);

  void Draw(int X, int Y, TBitmap* Graphic);
  // Smooth averages the picture's pixels (for photographs and shrunken
  // pictures) instead of taking the nearest one.
  void StretchDraw(const TRect& R, TBitmap* Graphic, bool Smooth = false);
  void CopyRect(const TRect& Dest, TCanvas* Source, const TRect& SourceRect);

  // Many rectangles filled straight into the pixels, each in its colour (no
  // pen mode, brush untouched): for controls that draw thousands of small
  // squares or bands.
  struct TFilledRect {
    TRect Rect;
    TColor Color;
  };
  void FillRects(const std::vector<TFilledRect>& Rects);
  // R filled with Tile repeated, one copy's top-left corner at (OriginX,
  // OriginY): a periodic pattern in one pass over the pixels.
  void FillTiled(const TRect& R, const QImage& Tile, int OriginX, int OriginY);

  void FloodFill(int X, int Y, TColor Color, TFillStyle FillStyle);
  // Colour of one pixel; clNone outside the image.
  TColor Pixels(int X, int Y);
  void SetPixels(int X, int Y, TColor Value);

  // The open painter on the image, set up with no antialiasing, for drawing
  // the GDI rules above do not cover. Its pen and brush are not kept in step
  // with Pen() and Brush().
  QPainter* Painter();

private:
  // The painter, opened on first use and reset for each operation (no
  // transform, source-over, the clip rectangle); null without an image.
  QPainter* Begin();
  // Whether there is an image to draw on, brought to a 32-bit format.
  bool HasPixels();
  qreal Ratio() const;
  // The part of R inside Bound, computed without overflow for any R.
  static QRect Bounded(const TRect& R, const QRect& Bound);
  // A + B, held within the range of int.
  static int Add(int A, int B);
  // The image's logical rectangle within the clip rectangle.
  QRect VisibleRect() const;
  // Sets the painter to draw in the pen's colour and mode; the colour to fill with.
  QColor PreparePen(QPainter& p);
  bool PenVisible() const { return FPen.Style() != psClear; }
  bool BrushVisible() const { return FBrush.Style() != bsClear; }
  QBrush QtBrush() const;
  // One-pixel line from A to B without B, added to Runs as rectangles of
  // pixels; Phase carries the dash pattern on.
  void ThinLine(TPoint A, TPoint B, std::int64_t& Phase, std::vector<QRect>& Runs);
  // Rectangles of pixels in the pen's colour and mode, or filled with the
  // brush; plain colours go straight into the pixels.
  void PenRects(const std::vector<QRect>& Rects);
  void BrushRects(const std::vector<QRect>& Rects);
  // Lines through Points with the current pen (Closed: back to the first point).
  void StrokePolyline(const QList<TPoint>& Points, bool Closed);
  // Fills the shape with the brush and outlines it inside with the pen.
  void PaintShape(const TShapeMask& Mask, bool Outline, bool Fill);
  // Where a shape's mask is needed: its rectangle near the visible area.
  QRect ShapeBox(const TRect& R) const;
  void DrawText(int X, int Y, const QString& Text, const QRect* Clip);
  // Metrics of the current font on this image, kept while the font stays the same.
  struct TTextMetrics {
    QFont Font;
    int Dpi = 0;
    bool Valid = false;
    int Ascent = 0;
    int Height = 0;
    int MaxWidth = 1;
    // The font's glyphs, for texts that need no shaping; invalid when the
    // font's settings (spacing, capitals, decorations) call for Qt's layout.
    QRawFont Raw;
  };
  const TTextMetrics& TextMetrics();
  // A text laid out glyph by glyph: the glyphs, their pen positions from 0,
  // the advance width and the pixels the glyphs may cover, relative to the
  // pen position on the baseline.
  struct TGlyphText {
    QString Text;
    QFont Font;
    int Dpi = 0;
    bool Simple = false;
    QVarLengthArray<quint32, 64> Glyphs;
    QVarLengthArray<QPointF, 64> Positions;
    qreal Width = 0;
    QRect Ink;
  };
  // The layout of Text when every character lies below U+0300 (Latin
  // letters, digits, punctuation: drawn glyph by glyph, no combining marks)
  // and is present in the font itself; null otherwise. Such text needs no
  // shaping, which is most of the cost of a short text. The last text is
  // kept, so measuring a text and then drawing it lays it out once.
  const TGlyphText* SimpleGlyphs(const QString& Text);
  // Applies a clip rectangle to the painter unless it is already set.
  void SetPainterClip(QPainter& P, const QRect& R);
  // Combines the pixels of Source (SourceRect in its logical pixels) into
  // Dest by Mode, scaled to fit; pixels of colour Key are skipped when Key
  // is given, and with Blend a translucent source is laid over the image.
  void Blit(const TRect& Dest, const QImage& Source, const TRect& SourceRect, TCopyMode Mode, const QRgb* Key,
            bool Blend);
  void DrawGraphic(const TRect& Dest, TBitmap* Graphic, bool Smooth);
  // A device pixel rectangle of the logical one, within the image and the clip.
  QRect DeviceVisible(const TRect& R) const;

  QImage* FImage = nullptr;
  std::unique_ptr<QPainter> FPainter;
  // The painter's state is the reset one of Begin (no transform, source-over, ...).
  bool FPainterClean = false;
  // The clip rectangle set on the painter, when FPainterClipKnown.
  QRect FPainterClip;
  bool FPainterClipKnown = false;
  TTextMetrics FTextMetrics;
  TGlyphText FLastText;
  TPen FPen;
  TBrush FBrush;
  TFont FFont;
  TCopyMode FCopyMode = cmSrcCopy;
  TPoint FPenPos;
  TRect FClip;
};

}  // namespace orv
