// Operations on the pixels themselves: single pixels, flood fill and block
// transfers. They end the open painter and work on device pixels; a logical
// pixel covers Ratio() x Ratio() of them.
#include "OrvTBitmap.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

namespace orv {

namespace {

using i64 = std::int64_t;
using i128 = __int128;

constexpr QRgb Opaque = 0xFF000000;

// Logical coordinate to device coordinate (kept within int64 for any input).
i64 ToDevice(i64 V, qreal Ratio) { return i64(std::floor(double(V) * Ratio)); }

// The colour of a stored pixel without alpha premultiplication, as $00RRGGBB.
QRgb PlainRgb(QRgb Stored, bool Premultiplied) {
  if (Premultiplied && qAlpha(Stored) != 255) Stored = qUnpremultiply(Stored);
  return Stored & 0x00FFFFFF;
}

// Whether a source pixel leaves the destination as it is (alpha included):
// transparent, white under AND, black under OR. Mask steps over a transparent
// surface then show what lies below.
bool KeepsDestination(TCopyMode Mode, QRgb Src) {
  if (Mode != cmSrcAnd && Mode != cmSrcPaint) return false;
  if (qAlpha(Src) == 0) return true;
  return PlainRgb(Src, true) == (Mode == cmSrcAnd ? QRgb(0x00FFFFFF) : QRgb(0));
}

// A premultiplied source laid over a premultiplied destination.
QRgb SourceOver(QRgb Src, QRgb Dst) {
  const int inv = 255 - qAlpha(Src);
  auto mix = [inv](int s, int d) { return s + (d * inv + 127) / 255; };
  return qRgba(mix(qRed(Src), qRed(Dst)), mix(qGreen(Src), qGreen(Dst)), mix(qBlue(Src), qBlue(Dst)),
               mix(qAlpha(Src), qAlpha(Dst)));
}

// Scanline fill over 4-connected neighbours of (X, Y) within Area: a run of
// the row is filled, then the runs touching it above and below are queued.
// The row a run was found from is not searched again under the run that
// found it (filled already). With Marks, filled pixels are marked and not
// taken again.
template <bool Marks, class Match>
void ScanlineFill(QImage& Image, const QRect& Area, int X, int Y, QRgb Fill, Match Matches) {
  uchar* const bits = Image.bits();  // detaches once, not per line
  const qsizetype stride = Image.bytesPerLine();
  const int left = Area.left(), right = Area.right(), top = Area.top(), bottom = Area.bottom();
  const size_t w = size_t(Area.width());
  std::vector<std::uint8_t> done(Marks ? w * size_t(Area.height()) : 0);
  // A start point, the direction from the run that found it (0 for the
  // first) and that run's extent.
  struct TSeed {
    int X, Y, Dir, ParentFrom, ParentTo;
  };
  std::vector<TSeed> seeds{{X, Y, 0, 0, -1}};
  while (!seeds.empty()) {
    const TSeed s = seeds.back();
    seeds.pop_back();
    QRgb* line = reinterpret_cast<QRgb*>(bits + s.Y * stride);
    std::uint8_t* mark = Marks ? done.data() + size_t(s.Y - top) * w : nullptr;
    const auto open = [&](int x) { return Matches(line[x]) && (!Marks || !mark[x - left]); };
    if (!open(s.X)) continue;
    int from = s.X, to = s.X;
    while (from > left && open(from - 1)) --from;
    while (to < right && open(to + 1)) ++to;
    std::fill(line + from, line + to + 1, Fill);
    if constexpr (Marks) std::fill(mark + (from - left), mark + (to - left + 1), std::uint8_t(1));
    for (const int dir : {-1, 1}) {
      const int y = s.Y + dir;
      if (y < top || y > bottom) continue;
      const QRgb* next = reinterpret_cast<const QRgb*>(bits + y * stride);
      const std::uint8_t* nextMark = Marks ? done.data() + size_t(y - top) * w : nullptr;
      const auto nextOpen = [&](int x) { return Matches(next[x]) && (!Marks || !nextMark[x - left]); };
      const auto queueRuns = [&](int From, int To) {
        for (int x = From; x <= To; ++x) {
          if (!nextOpen(x)) continue;
          seeds.push_back({x, y, dir, from, to});
          while (x < To && nextOpen(x + 1)) ++x;
        }
      };
      if (dir == -s.Dir) {
        queueRuns(from, std::min(to, s.ParentFrom - 1));
        queueRuns(std::max(from, s.ParentTo + 1), to);
      } else {
        queueRuns(from, to);
      }
    }
  }
}

// One row of opaque 32-bit source pixels copied or combined onto an opaque row.
void CombineRow(TCopyMode Mode, const QRgb* In, QRgb* Out, int N) {
  switch (Mode) {
    case cmSrcAnd:
      for (int i = 0; i < N; ++i) Out[i] = Opaque | (In[i] & Out[i]);
      break;
    case cmSrcPaint:
      for (int i = 0; i < N; ++i) Out[i] = Opaque | (In[i] | Out[i]);
      break;
    case cmSrcInvert:
      for (int i = 0; i < N; ++i) Out[i] = Opaque | (In[i] ^ Out[i]);
      break;
    default:
      std::copy(In, In + N, Out);
      break;
  }
}

}  // namespace

int TCanvas::Add(int A, int B) { return int(std::clamp(i64(A) + B, i64(INT_MIN), i64(INT_MAX))); }

QRect TCanvas::DeviceVisible(const TRect& R) const {
  const QRect v = Bounded(R, VisibleRect());
  if (v.isEmpty()) return QRect();
  const qreal s = Ratio();
  if (s == 1.0) return v & FImage->rect();
  const QRect d(QPoint(int(ToDevice(v.left(), s)), int(ToDevice(v.top(), s))),
                QPoint(int(ToDevice(i64(v.left()) + v.width(), s)) - 1, int(ToDevice(i64(v.top()) + v.height(), s)) - 1));
  return d & FImage->rect();
}

TColor TCanvas::Pixels(int X, int Y) {
  if (!FImage || FImage->isNull()) return clNone;
  Flush();
  const i64 x = ToDevice(X, Ratio()), y = ToDevice(Y, Ratio());
  if (x < 0 || y < 0 || x >= FImage->width() || y >= FImage->height()) return clNone;
  return QRgbToColor(FImage->pixel(int(x), int(y)));
}

void TCanvas::SetPixels(int X, int Y, TColor Value) {
  if (!FImage || FImage->isNull() || X == INT_MAX || Y == INT_MAX) return;
  const QRect r = DeviceVisible(TRect(X, Y, X + 1, Y + 1));
  if (r.isEmpty()) return;
  Flush();
  HasPixels();
  const QRgb c = ColorToQRgb(Value);
  for (int y = r.top(); y <= r.bottom(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(FImage->scanLine(y));
    std::fill(line + r.left(), line + r.right() + 1, c);
  }
}

void TCanvas::FillRects(const std::vector<TFilledRect>& Rects) {
  Flush();
  if (Rects.empty() || !HasPixels()) return;
  uchar* bits = FImage->bits();  // detaches once, not per line
  const qsizetype stride = FImage->bytesPerLine();
  const QRect visible = VisibleRect() & FImage->rect();
  const bool plain = Ratio() == 1.0;
  TColor last = clNone;
  QRgb c = 0;
  for (const TFilledRect& r : Rects) {
    // At ratio 1 a logical pixel is a device pixel: the visible part directly.
    const QRect d = plain ? Bounded(r.Rect, visible) : DeviceVisible(r.Rect);
    if (r.Color != last) {
      last = r.Color;
      c = ColorToQRgb(r.Color);
    }
    for (int y = d.top(); y <= d.bottom(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(bits + y * stride);
      std::fill(line + d.left(), line + d.right() + 1, c);
    }
  }
}

void TCanvas::FillTiled(const TRect& R, const QImage& Tile, int OriginX, int OriginY) {
  if (Tile.isNull() || !HasPixels()) return;
  if (Ratio() != 1.0) {
    // Scaled images go through the painter, which scales the pattern alike.
    QPainter* p = Begin();
    p->setBrushOrigin(OriginX, OriginY);
    p->fillRect(Bounded(R, VisibleRect()), QBrush(Tile));
    return;
  }
  Flush();
  const QRect d = DeviceVisible(R);
  if (d.isEmpty()) return;
  const QImage tile = Tile.convertToFormat(QImage::Format_RGB32);
  const int tw = tile.width(), th = tile.height();
  const auto mod = [](i64 a, int m) { return int(((a % m) + m) % m); };
  // One row of the area per row of the tile, then copied down the area.
  std::vector<QRgb> rows(std::size_t(th) * std::size_t(d.width()));
  for (int ty = 0; ty < th; ++ty) {
    const auto* in = reinterpret_cast<const QRgb*>(tile.constScanLine(ty));
    QRgb* out = rows.data() + std::size_t(ty) * std::size_t(d.width());
    for (int x = 0, tx = mod(i64(d.left()) - OriginX, tw); x < d.width(); ++x, tx = tx + 1 == tw ? 0 : tx + 1)
      out[x] = in[tx];
  }
  uchar* bits = FImage->bits();  // detaches once, not per line
  const qsizetype stride = FImage->bytesPerLine();
  for (int y = d.top(), ty = mod(i64(y) - OriginY, th); y <= d.bottom(); ++y, ty = ty + 1 == th ? 0 : ty + 1)
    std::memcpy(reinterpret_cast<QRgb*>(bits + y * stride) + d.left(), rows.data() + std::size_t(ty) * std::size_t(d.width()),
                std::size_t(d.width()) * sizeof(QRgb));
}

void TCanvas::FloodFill(int X, int Y, TColor Color, TFillStyle FillStyle) {
  Flush();
  if (!BrushVisible() || !HasPixels()) return;
  const QRect area = DeviceVisible(TRect(VisibleRect()));
  const i64 sx = ToDevice(X, Ratio()), sy = ToDevice(Y, Ratio());
  if (area.isEmpty() || sx < area.left() || sx > area.right() || sy < area.top() || sy > area.bottom()) return;
  const QRgb target = ColorToQRgb(Color) & 0x00FFFFFF, fill = ColorToQRgb(FBrush.Color());
  // A filled pixel leaves the area unless the fill colour itself belongs to
  // it; only then are filled pixels marked, so that none is taken twice.
  const bool marks = (FillStyle == fsBorder) != ((fill & 0x00FFFFFF) == target);
  const auto fillWith = [&](auto Plain) {
    const auto border = [&](QRgb c) { return Plain(c) != target; };
    const auto surface = [&](QRgb c) { return Plain(c) == target; };
    const int x = int(sx), y = int(sy);
    if (FillStyle == fsBorder)
      marks ? ScanlineFill<true>(*FImage, area, x, y, fill, border) : ScanlineFill<false>(*FImage, area, x, y, fill, border);
    else
      marks ? ScanlineFill<true>(*FImage, area, x, y, fill, surface) : ScanlineFill<false>(*FImage, area, x, y, fill, surface);
  };
  if (FImage->format() == QImage::Format_ARGB32_Premultiplied)
    fillWith([](QRgb c) { return PlainRgb(c, true); });
  else
    fillWith([](QRgb c) { return c & 0x00FFFFFF; });
}

void TCanvas::Blit(const TRect& Dest, const QImage& Source, const TRect& SourceRect, TCopyMode Mode, const QRgb* Key,
                   bool Blend) {
  Flush();
  if (!HasPixels()) return;
  const TRect dst(std::min(Dest.Left, Dest.Right), std::min(Dest.Top, Dest.Bottom), std::max(Dest.Left, Dest.Right),
                  std::max(Dest.Top, Dest.Bottom));
  const QRect visible = DeviceVisible(dst);
  if (visible.isEmpty()) return;
  const bool usesSource = Mode != cmDstInvert && Mode != cmBlackness && Mode != cmWhiteness;
  // Device extents of the whole destination and source, for the scaling.
  const qreal rd = Ratio(), rs = Source.isNull() ? 1.0 : Source.devicePixelRatio();
  const i64 dl = ToDevice(dst.Left, rd), dt = ToDevice(dst.Top, rd);
  const i64 dw = ToDevice(dst.Right, rd) - dl, dh = ToDevice(dst.Bottom, rd) - dt;
  const i64 sl = ToDevice(std::min(SourceRect.Left, SourceRect.Right), rs);
  const i64 st = ToDevice(std::min(SourceRect.Top, SourceRect.Bottom), rs);
  const i64 sw = ToDevice(std::max(SourceRect.Left, SourceRect.Right), rs) - sl;
  const i64 sh = ToDevice(std::max(SourceRect.Top, SourceRect.Bottom), rs) - st;
  if (dw <= 0 || dh <= 0 || (usesSource && (Source.isNull() || sw <= 0 || sh <= 0))) return;
  // Nearest source pixel of a destination pixel (by the pixel centres).
  auto mapX = [&](i64 x) { return sl + i64((i128(2) * (x - dl) + 1) * sw / (i128(2) * dw)); };
  auto mapY = [&](i64 y) { return st + i64((i128(2) * (y - dt) + 1) * sh / (i128(2) * dh)); };

  // The source pixels needed (have), read in place, or copied first when the
  // source is this image or needs converting. Origin is where src starts.
  QImage src;
  QRect have;
  QPoint origin;
  if (usesSource) {
    have = QRect(QPoint(int(std::clamp<i64>(mapX(visible.left()), -1, Source.width())),
                        int(std::clamp<i64>(mapY(visible.top()), -1, Source.height()))),
                 QPoint(int(std::clamp<i64>(mapX(visible.right()), -1, Source.width())),
                        int(std::clamp<i64>(mapY(visible.bottom()), -1, Source.height())))) &
           Source.rect();
    if (have.isEmpty()) return;
    const bool stored =
        Source.format() == QImage::Format_RGB32 || Source.format() == QImage::Format_ARGB32_Premultiplied;
    if (stored && Source.constBits() != FImage->constBits()) {
      src = Source;
    } else {
      src = Source.copy(have);
      origin = have.topLeft();
      if (src.format() != QImage::Format_RGB32) src = src.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
  }
  const bool dstPremultiplied = FImage->format() == QImage::Format_ARGB32_Premultiplied;
  // Opaque pixels at the same size: whole rows copied or combined.
  const bool rows = (Mode == cmSrcCopy || Mode == cmSrcAnd || Mode == cmSrcPaint || Mode == cmSrcInvert) && !Key &&
                    sw == dw && sh == dh && src.format() == QImage::Format_RGB32 &&
                    FImage->format() == QImage::Format_RGB32;
  // The source column of every destination column, worked out once.
  std::vector<i64> columns;
  if (usesSource && !rows) {
    columns.resize(size_t(visible.width()));
    for (int x = visible.left(); x <= visible.right(); ++x) columns[size_t(x - visible.left())] = mapX(x);
  }
  for (int y = visible.top(); y <= visible.bottom(); ++y) {
    auto* out = reinterpret_cast<QRgb*>(FImage->scanLine(y));
    const QRgb* in = nullptr;
    if (usesSource) {
      const i64 syy = mapY(y);
      if (syy < have.top() || syy > have.bottom()) continue;
      in = reinterpret_cast<const QRgb*>(src.constScanLine(int(syy - origin.y())));
    }
    if (rows) {
      const i64 from = std::max<i64>(visible.left(), have.left() - sl + dl);
      const i64 to = std::min<i64>(visible.right(), have.right() - sl + dl);
      if (from <= to) CombineRow(Mode, in + (sl + from - dl - origin.x()), out + from, int(to - from + 1));
      continue;
    }
    for (int x = visible.left(); x <= visible.right(); ++x) {
      QRgb s = 0;
      if (in) {
        const i64 sxx = columns[size_t(x - visible.left())];
        if (sxx < have.left() || sxx > have.right()) continue;
        s = in[sxx - origin.x()];
        if (src.format() == QImage::Format_RGB32) s |= Opaque;
        if (Key && PlainRgb(s, true) == *Key) continue;
        if (KeepsDestination(Mode, s)) continue;
        if (Blend && Mode == cmSrcCopy && qAlpha(s) != 255) {
          out[x] = SourceOver(s, out[x]);
          continue;
        }
        s = PlainRgb(s, true);
      }
      const QRgb d = PlainRgb(out[x], dstPremultiplied);
      QRgb r = 0;
      switch (Mode) {
        case cmSrcCopy: r = s; break;
        case cmDstInvert: r = ~d; break;
        case cmSrcInvert: r = s ^ d; break;
        case cmNotSrcCopy: r = ~s; break;
        case cmSrcAnd: r = s & d; break;
        case cmSrcPaint: r = s | d; break;
        case cmBlackness: r = 0; break;
        case cmWhiteness: r = 0x00FFFFFF; break;
      }
      out[x] = Opaque | (r & 0x00FFFFFF);
    }
  }
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas* Source, const TRect& SourceRect) {
  if (FCopyMode == cmDstInvert || FCopyMode == cmBlackness || FCopyMode == cmWhiteness) {
    Blit(Dest, QImage(), SourceRect, FCopyMode, nullptr, false);
    return;
  }
  if (!Source || !Source->FImage || Source->FImage->isNull()) return;
  Source->Flush();
  Blit(Dest, *Source->FImage, SourceRect, FCopyMode, nullptr, false);
}

void TCanvas::DrawGraphic(const TRect& Dest, TBitmap* Graphic, bool Smooth) {
  if (!Graphic || Graphic->Empty()) return;
  const QImage& image = Graphic->Image();
  const QSize size = image.deviceIndependentSize().toSize();
  const TRect all(0, 0, size.width(), size.height());
  const bool transparent = Graphic->Transparent();
  const QRgb key = ColorToQRgb(Graphic->TransparentColor()) & 0x00FFFFFF;
  const TCopyMode mode = transparent ? cmSrcCopy : FCopyMode;
  if (Smooth) {
    if (!HasPixels()) return;
    const TRect dst(std::min(Dest.Left, Dest.Right), std::min(Dest.Top, Dest.Bottom), std::max(Dest.Left, Dest.Right),
                    std::max(Dest.Top, Dest.Bottom));
    const QRect visible = Bounded(dst, VisibleRect());
    if (visible.isEmpty()) return;
    // The visible part of the scaled picture, averaged by Qt's smooth
    // scaling; the key colour becomes transparent first, so that it does not
    // bleed into its neighbours.
    QImage source = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    source.setDevicePixelRatio(1.0);
    if (transparent) {
      for (int y = 0; y < source.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(source.scanLine(y));
        for (int x = 0; x < source.width(); ++x)
          if (PlainRgb(line[x], true) == key) line[x] = 0;
      }
    }
    const qreal r = Ratio();
    const i64 vl = ToDevice(visible.left(), r), vt = ToDevice(visible.top(), r);
    QImage part(int(ToDevice(i64(visible.left()) + visible.width(), r) - vl),
                int(ToDevice(i64(visible.top()) + visible.height(), r) - vt), QImage::Format_ARGB32_Premultiplied);
    part.fill(Qt::transparent);
    {
      QPainter p(&part);
      p.setRenderHint(QPainter::SmoothPixmapTransform);
      const i64 dl = ToDevice(dst.Left, r), dt = ToDevice(dst.Top, r);
      p.drawImage(QRectF(double(dl - vl), double(dt - vt), double(ToDevice(dst.Right, r) - dl),
                         double(ToDevice(dst.Bottom, r) - dt)),
                  source, QRectF(source.rect()));
    }
    part.setDevicePixelRatio(r);
    Blit(TRect(visible), part, TRect(0, 0, visible.width(), visible.height()), mode, nullptr, true);
    return;
  }
  Blit(Dest, image, all, mode, transparent ? &key : nullptr, true);
}

void TCanvas::Draw(int X, int Y, TBitmap* Graphic) {
  if (!Graphic) return;
  DrawGraphic(TRect(X, Y, Add(X, Graphic->Width()), Add(Y, Graphic->Height())), Graphic, false);
}

void TCanvas::StretchDraw(const TRect& R, TBitmap* Graphic, bool Smooth) { DrawGraphic(R, Graphic, Smooth); }

}  // namespace orv
