// TRasterLab painting: the raster, the dot characters and the frame.
#include "ORV_RasterLab.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace orv {

namespace {

// The dot columns a character occupies: from First, Count columns.
struct TGlyphSpan {
  int First = 0;
  int Count = 0;
};

TGlyphSpan GlyphSpan(const TRDCharMatrix& CMat, int Code, bool FixedWidth) {
  if (FixedWidth) return {0, std::clamp(CMat.FontWidth, 0, 32)};
  const int first = CMat.LeftMostBit[Code], last = CMat.RightMostBit[Code];
  return {first, std::max(0, last - first + 1)};
}

}  // namespace

int TRasterLab::CalcTextBitLength(const QString& Text) const {
  int length = 0;
  for (QChar ch : Text) length += (GlyphSpan(FCMat, RasterCharCode(ch), !FProportional).Count + 1) * Pitch();
  return length;
}

int TRasterLab::PaintChar(TCanvas* Canvas, const TRDCharMatrix& CMat, int X, int Y, QChar Ch, int DotSize,
                          int DotSpacing, TColor ColOn, TColor, TColor, bool FixedWidth) {
  const int p = DotSize + DotSpacing, code = RasterCharCode(Ch);
  const TGlyphSpan span = GlyphSpan(CMat, code, FixedWidth);
  const int last = std::min(span.First + span.Count, 32);
  // Dots are many: they go to the pixels in one batch.
  std::vector<TCanvas::TFilledRect> dots;
  for (int r = 0; r < std::clamp(CMat.FontHeight, 0, 32); ++r) {
    const std::uint32_t bits = CMat.BitData[code][r];
    if (!bits) continue;
    for (int c = span.First; c < last; ++c)
      if (bits & (1u << c)) {
        const int x = X + (c - span.First) * p, y = Y + r * p;
        dots.push_back({TRect(x, y, x + DotSize, y + DotSize), ColOn});
      }
  }
  Canvas->FillRects(dots);
  return span.Count * p;
}

// In rdbmOn the whole cell column before the text and after every character
// is blanked in ColBkg (the dots and the gap after them), so the unlit raster
// shows only inside the characters' cells.
void TRasterLab::PaintString(TCanvas* Canvas, const TRDCharMatrix& CMat, int X, int Y, const QString& Text,
                             int DotSize, int DotSpacing, TColor ColOn, TColor ColOff, TColor ColBkg,
                             TRDBlockMode BlockMode, bool Proportional, int& BitLength) {
  const int p = DotSize + DotSpacing;
  const QImage* image = Canvas->Image();
  const int visibleWidth = image ? image->deviceIndependentSize().toSize().width() : std::numeric_limits<int>::max();
  int x = X;
  auto blankColumn = [&] {
    if (BlockMode != rdbmOn) return;
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(ColBkg);
    Canvas->FillRect(TRect(x - p, 0, x, Height()));
  };
  blankColumn();
  for (QChar ch : Text) {
    const int width = GlyphSpan(CMat, RasterCharCode(ch), !Proportional).Count * p;
    // Characters outside the canvas only advance the cursor.
    if (x + width > 0 && x < visibleWidth) PaintChar(Canvas, CMat, x, Y, ch, DotSize, DotSpacing, ColOn, ColOff, ColBkg, !Proportional);
    x += width + p;
    blankColumn();
  }
  BitLength = x - X + 1;
}

void TRasterLab::Paint() {
  if (!StartPaint()) return;
  TCanvas* c = Canvas();
  const int w = Width(), h = Height();
  c->Font()->Assign(Font());
  c->Pen()->SetMode(pmCopy);
  c->Pen()->SetStyle(psSolid);
  c->Brush()->SetStyle(bsSolid);
  // The few corner pixels no frame line covers show the parent's colour.
  c->Brush()->SetColor(Color());
  c->FillRect(ClientRect());
  const TRect base = FFrameStyle == fsNone ? TRect(0, 0, w, h) : TRect(1, 1, w - 1, h - 1);
  if (FCharBlockMode == rdbmOff) {
    c->Brush()->SetColor(FColorLabBakG);
    c->FillRect(base);
  } else {
    PaintRaster(c, base);
  }
  PaintString(c, FCMat, FPosX + FScrollPosX, FPosY + FScrollPosY, FText, FDotSize, FDotSpacing, FColorDotOn,
              FColorDotOff, FColorLabBakG, FCharBlockMode, FProportional, FTextBitLength);
  PaintFrame(c);
}

// The unlit dots over Area and the gaps between them in ColorLabBakG: one
// cell of the raster (a dot and the gaps after it) repeated over the area,
// placed so that the raster moves with the text.
void TRasterLab::PaintRaster(TCanvas* c, const TRect& Area) {
  const int p = Pitch();
  QImage cell(p, p, QImage::Format_RGB32);
  cell.fill(ColorToQRgb(FColorLabBakG));
  for (int y = 0; y < FDotSize; ++y) {
    auto* line = reinterpret_cast<QRgb*>(cell.scanLine(y));
    std::fill(line, line + FDotSize, ColorToQRgb(FColorDotOff));
  }
  c->FillTiled(Area, cell, FPosX + FScrollPosX, FPosY + FScrollPosY);
}

// Line paths in the scheme's light and dark colours and black.
void TRasterLab::PaintFrame(TCanvas* c) {
  const int w = Width(), h = Height();
  const TColor light = FColWhiteLine, dark = FColGrayLine, black = FColBlackLine;
  auto path = [c](TColor Color, const QList<TPoint>& Points) {
    c->Pen()->SetColor(Color);
    c->Polyline(Points);
  };
  const QList<TPoint> outer = {{0, 0}, {w - 2, 0}, {w - 2, h - 2}, {0, h - 2}, {0, 0}};
  const QList<TPoint> inner = {{1, 1}, {w - 1, 1}, {w - 1, h - 1}, {1, h - 1}, {1, 1}};
  switch (FFrameStyle) {
    case fsNone: break;
    case fsSimple: path(dark, {{0, 0}, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}, {0, 0}}); break;
    case fsSunken:
      path(black, {{1, h - 3}, {1, 1}, {w - 2, 1}});
      path(light, {{2, h - 1}, {w - 1, h - 1}, {w - 1, 0}});
      path(dark, outer);
      break;
    case fsRaised:
      path(light, {{1, h - 3}, {1, 1}, {w - 2, 1}});
      path(black, {{0, h - 1}, {w - 1, h - 1}, {w - 1, 0}});
      path(dark, outer);
      break;
    case fsEtched:
      path(dark, inner);
      path(light, outer);
      break;
    case fsBump:
      path(light, inner);
      path(dark, outer);
      break;
  }
}

}  // namespace orv
