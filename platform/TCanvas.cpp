#include "OrvTCanvas.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QLineF>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <span>

namespace orv {

namespace {

using i64 = std::int64_t;
using i128 = __int128;

// Dash patterns of the one-pixel pens: lengths of alternating drawn and skipped runs.
std::span<const int> DashPattern(TPenStyle Style) {
  static constexpr std::array<int, 2> dash{18, 6};
  static constexpr std::array<int, 2> dot{3, 3};
  static constexpr std::array<int, 4> dashDot{9, 6, 3, 6};
  static constexpr std::array<int, 6> dashDotDot{9, 3, 3, 3, 3, 3};
  switch (Style) {
    case psDash: return dash;
    case psDot: return dot;
    case psDashDot: return dashDot;
    case psDashDotDot: return dashDotDot;
    default: return {};
  }
}

bool PatternOn(std::span<const int> Pattern, i64 Phase) {
  if (Pattern.empty()) return true;
  int total = 0;
  for (int len : Pattern) total += len;
  int pos = int(Phase % total);
  for (std::size_t i = 0; i < Pattern.size(); ++i) {
    if (pos < Pattern[i]) return i % 2 == 0;
    pos -= Pattern[i];
  }
  return false;
}

Qt::PenStyle QtPenStyle(TPenStyle Style) {
  switch (Style) {
    case psDash: return Qt::DashLine;
    case psDot: return Qt::DotLine;
    case psDashDot: return Qt::DashDotLine;
    case psDashDotDot: return Qt::DashDotDotLine;
    case psClear: return Qt::NoPen;
    default: return Qt::SolidLine;
  }
}

Qt::BrushStyle QtBrushStyle(TBrushStyle Style) {
  switch (Style) {
    case bsSolid: return Qt::SolidPattern;
    case bsHorizontal: return Qt::HorPattern;
    case bsVertical: return Qt::VerPattern;
    case bsFDiagonal: return Qt::FDiagPattern;
    case bsBDiagonal: return Qt::BDiagPattern;
    case bsCross: return Qt::CrossPattern;
    case bsDiagCross: return Qt::DiagCrossPattern;
    default: return Qt::NoBrush;
  }
}

// Clips the segment A-B to R (Liang-Barsky); false when nothing is left.
bool ClipSegment(QPointF& A, QPointF& B, const QRectF& R) {
  const double dx = B.x() - A.x(), dy = B.y() - A.y();
  double t0 = 0, t1 = 1;
  const std::array<double, 4> p{-dx, dx, -dy, dy};
  const std::array<double, 4> q{A.x() - R.left(), R.right() - A.x(), A.y() - R.top(), R.bottom() - A.y()};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
    if (t0 > t1) return false;
  }
  const QPointF a = A;
  A = QPointF(a.x() + t0 * dx, a.y() + t0 * dy);
  B = QPointF(a.x() + t1 * dx, a.y() + t1 * dy);
  return true;
}

}  // namespace

QRect TCanvas::Bounded(const TRect& R, const QRect& Bound) {
  if (Bound.isEmpty()) return QRect();
  const int l = std::max(R.Left, Bound.left()), t = std::max(R.Top, Bound.top());
  const int r = std::min(R.Right, Bound.left() + Bound.width()), b = std::min(R.Bottom, Bound.top() + Bound.height());
  return r > l && b > t ? QRect(l, t, r - l, b - t) : QRect();
}

namespace {

QPointF Center(TPoint P) { return QPointF(P.X + 0.5, P.Y + 0.5); }

// Pixels of a line without its end point, pixel k (0 <= k < Count) being
// Major = major start + k * MajorStep and Minor = minor start + MinorStep *
// floor((2 k dMinor + dMajor) / (2 dMajor)): Bresenham's line, computed
// directly so that a long line can start where it enters the visible area.
struct LineRaster {
  bool XMajor;
  i64 Major0, Minor0, DMajor, DMinor;
  int MajorStep, MinorStep;

  LineRaster(TPoint A, TPoint B) {
    const i64 dx = i64(B.X) - A.X, dy = i64(B.Y) - A.Y;
    XMajor = std::abs(dx) >= std::abs(dy);
    Major0 = XMajor ? A.X : A.Y;
    Minor0 = XMajor ? A.Y : A.X;
    DMajor = std::abs(XMajor ? dx : dy);
    DMinor = std::abs(XMajor ? dy : dx);
    MajorStep = (XMajor ? dx : dy) < 0 ? -1 : 1;
    MinorStep = (XMajor ? dy : dx) < 0 ? -1 : 1;
  }
  i64 Count() const { return DMajor; }
  i64 MinorOffset(i64 k) const {
    constexpr i64 Small = i64(1) << 30;  // products of such values fit in 64 bits
    if (k < Small && DMinor < Small && DMajor < Small) return (2 * k * DMinor + DMajor) / (2 * DMajor);
    return i64((i128(2) * k * DMinor + DMajor) / (i128(2) * DMajor));
  }
  i64 MajorAt(i64 k) const { return Major0 + k * MajorStep; }
  i64 MinorAt(i64 k) const { return Minor0 + MinorOffset(k) * MinorStep; }

  // The range of k whose pixel lies in the rectangle (inclusive bounds); false if none.
  bool VisibleRange(const QRect& R, i64& First, i64& Last) const {
    const i64 majLo = XMajor ? R.left() : R.top(), majHi = XMajor ? R.right() : R.bottom();
    const i64 minLo = XMajor ? R.top() : R.left(), minHi = XMajor ? R.bottom() : R.right();
    First = 0;
    Last = Count() - 1;
    if (MajorStep > 0) {
      First = std::max(First, majLo - Major0);
      Last = std::min(Last, majHi - Major0);
    } else {
      First = std::max(First, Major0 - majHi);
      Last = std::min(Last, Major0 - majLo);
    }
    if (First > Last) return false;
    // The minor offset grows with k: find where it enters and leaves the range.
    const i64 offLo = MinorStep > 0 ? minLo - Minor0 : Minor0 - minHi;
    const i64 offHi = MinorStep > 0 ? minHi - Minor0 : Minor0 - minLo;
    i64 lo = First, hi = Last + 1;  // first k with offset >= offLo
    while (lo < hi) {
      const i64 mid = lo + (hi - lo) / 2;
      if (MinorOffset(mid) >= offLo) hi = mid;
      else lo = mid + 1;
    }
    First = lo;
    lo = First;
    hi = Last + 1;  // first k with offset > offHi
    while (lo < hi) {
      const i64 mid = lo + (hi - lo) / 2;
      if (MinorOffset(mid) > offHi) hi = mid;
      else lo = mid + 1;
    }
    Last = lo - 1;
    return First <= Last;
  }
};

}  // namespace

TCanvas::TCanvas(QImage* Image) : FImage(Image) {}

TCanvas::~TCanvas() { Flush(); }

void TCanvas::SetImage(QImage* Image) {
  Flush();
  FImage = Image;
}

void TCanvas::Flush() { FPainter.reset(); }

qreal TCanvas::Ratio() const { return FImage ? FImage->devicePixelRatio() : 1.0; }

QRect TCanvas::VisibleRect() const {
  if (!FImage || FImage->isNull()) return QRect();
  const qreal r = Ratio();
  const QRect image = r == 1.0 ? QRect(0, 0, FImage->width(), FImage->height())
                               : QRect(0, 0, int(std::ceil(FImage->width() / r)), int(std::ceil(FImage->height() / r)));
  return FClip.IsEmpty() ? image : Bounded(FClip, image);
}

bool TCanvas::HasPixels() {
  if (!FImage || FImage->isNull()) return false;
  // The painter and the pixel operations work on 32-bit pixels only.
  const auto format = FImage->format();
  if (!FPainter && format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied)
    *FImage = FImage->convertToFormat(FImage->hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                                : QImage::Format_RGB32);
  return true;
}

QPainter* TCanvas::Begin() {
  if (!HasPixels()) return nullptr;
  if (!FPainter) {
    FPainter = std::make_unique<QPainter>(FImage);
    FPainter->setRenderHint(QPainter::Antialiasing, false);
    FPainterClean = false;
  }
  QPainter* p = FPainter.get();
  // Only what an earlier operation changed is reset: state changes are a
  // good part of the cost of small drawing operations.
  if (!FPainterClean) {
    p->resetTransform();
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->setOpacity(1.0);
    p->setBackgroundMode(Qt::TransparentMode);
    p->setBrushOrigin(0, 0);
    FPainterClean = true;
    FPainterClipKnown = false;
  }
  SetPainterClip(*p, VisibleRect());
  return p;
}

void TCanvas::SetPainterClip(QPainter& P, const QRect& R) {
  if (FPainterClipKnown && FPainterClip == R) return;
  P.setClipRect(R);
  FPainterClip = R;
  FPainterClipKnown = true;
}

QPainter* TCanvas::Painter() {
  QPainter* p = Begin();
  FPainterClean = false;  // the caller may change anything
  return p;
}

void TCanvas::Reset() {
  TPen pen;
  TBrush brush;
  TFont font;
  FPen.Assign(&pen);
  FBrush.Assign(&brush);
  FFont.Assign(&font);
  FCopyMode = cmSrcCopy;
  FClip = TRect();
  FPenPos = TPoint();
}

void TCanvas::SetClipRect(const TRect& R) { FClip = R; }

TRect TCanvas::ClipRect() const { return VisibleRect(); }

QColor TCanvas::PreparePen(QPainter& p) {
  if (FPen.Mode() == pmNot || FPen.Mode() == pmXor || FPen.Mode() == pmNotXor) FPainterClean = false;
  switch (FPen.Mode()) {
    case pmNot: p.setCompositionMode(QPainter::RasterOp_NotDestination); return QColor(Qt::black);
    case pmXor: p.setCompositionMode(QPainter::RasterOp_SourceXorDestination); break;
    case pmNotXor: p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination); break;
    case pmWhite: return QColor(Qt::white);
    case pmBlack: return QColor(Qt::black);
    default: break;
  }
  return QColor(ColorToQRgb(FPen.Color()));
}

QBrush TCanvas::QtBrush() const { return QBrush(QColor(ColorToQRgb(FBrush.Color())), QtBrushStyle(FBrush.Style())); }

// ---------------------------------------------------------------------- lines

void TCanvas::ThinLine(TPoint A, TPoint B, std::int64_t& Phase, std::vector<QRect>& Runs) {
  const LineRaster line(A, B);
  const i64 count = line.Count();
  i64 first = 0, last = -1;
  if (count > 0 && line.VisibleRange(VisibleRect(), first, last)) {
    const std::span<const int> pattern = DashPattern(FPen.Style());
    if (line.DMinor == 0 && pattern.empty()) {
      // A solid horizontal or vertical line is one rectangle.
      const i64 a = line.MajorAt(first), b = line.MajorAt(last);
      const int lo = int(std::min(a, b)), len = int(std::abs(b - a) + 1), minor = int(line.Minor0);
      Runs.push_back(line.XMajor ? QRect(lo, minor, len, 1) : QRect(minor, lo, 1, len));
      Phase += count;
      return;
    }
    // Runs of pixels on one row (or column) become one rectangle.
    i64 runStart = -1;
    auto flush = [&](i64 end) {  // pixels runStart..end-1
      if (runStart < 0) return;
      const i64 a = line.MajorAt(runStart), b = line.MajorAt(end - 1);
      const int lo = int(std::min(a, b)), len = int(std::abs(b - a) + 1), minor = int(line.MinorAt(runStart));
      Runs.push_back(line.XMajor ? QRect(lo, minor, len, 1) : QRect(minor, lo, 1, len));
      runStart = -1;
    };
    for (i64 k = first; k <= last; ++k) {
      const bool on = PatternOn(pattern, Phase + k);
      if (runStart >= 0 && (!on || line.MinorOffset(k) != line.MinorOffset(runStart))) flush(k);
      if (on && runStart < 0) runStart = k;
    }
    flush(last + 1);
  }
  Phase += count;
}

void TCanvas::PenRects(const std::vector<QRect>& Rects) {
  if (Rects.empty()) return;
  const TPenMode mode = FPen.Mode();
  if (mode == pmCopy || mode == pmWhite || mode == pmBlack) {
    // A plain colour goes straight into the pixels.
    const TColor color = mode == pmWhite ? clWhite : (mode == pmBlack ? clBlack : FPen.Color());
    std::vector<TFilledRect> fills;
    fills.reserve(Rects.size());
    for (const QRect& r : Rects) fills.push_back({TRect(r), color});
    FillRects(fills);
    return;
  }
  QPainter* p = Begin();
  if (!p) return;
  const QColor color = PreparePen(*p);
  for (const QRect& r : Rects) p->fillRect(r, color);
}

void TCanvas::BrushRects(const std::vector<QRect>& Rects) {
  if (Rects.empty()) return;
  if (FBrush.Style() == bsSolid) {
    std::vector<TFilledRect> fills;
    fills.reserve(Rects.size());
    for (const QRect& r : Rects) fills.push_back({TRect(r), FBrush.Color()});
    FillRects(fills);
    return;
  }
  QPainter* p = Begin();
  if (!p) return;
  const QBrush brush = QtBrush();
  for (const QRect& r : Rects) p->fillRect(r, brush);
}

void TCanvas::StrokePolyline(const QList<TPoint>& Points, bool Closed) {
  if (Points.size() < 2 || !PenVisible() || !HasPixels()) return;
  const int width = std::max(1, FPen.Width());
  if (width == 1) {
    std::int64_t phase = 0;
    std::vector<QRect> runs;
    for (qsizetype i = 1; i < Points.size(); ++i) ThinLine(Points[i - 1], Points[i], phase, runs);
    if (Closed) ThinLine(Points.back(), Points.front(), phase, runs);
    PenRects(runs);
    return;
  }
  QPainter* p = Begin();
  // Wide pens: Qt's stroker along the pixel centres, round caps and joins.
  const QColor color = PreparePen(*p);
  p->setPen(QPen(color, width, QtPenStyle(FPen.Style()), Qt::RoundCap, Qt::RoundJoin));
  p->setBrush(Qt::NoBrush);
  constexpr int Far = 1 << 20;
  const bool near = std::all_of(Points.begin(), Points.end(),
                                [](TPoint q) { return q.X > -Far && q.X < Far && q.Y > -Far && q.Y < Far; });
  if (near) {
    QPolygonF poly;
    for (TPoint q : Points) poly << Center(q);
    if (Closed) p->drawPolygon(poly);
    else p->drawPolyline(poly);
    return;
  }
  // Far away points: each segment cut to the visible area first.
  const QRectF area = QRectF(VisibleRect()).adjusted(-width, -width, width, width);
  const qsizetype n = Points.size();
  for (qsizetype i = 1; i < n + (Closed ? 1 : 0); ++i) {
    QPointF a = Center(Points[i - 1]), b = Center(Points[i % n]);
    if (ClipSegment(a, b, area)) p->drawLine(QLineF(a, b));
  }
}

void TCanvas::MoveTo(int X, int Y) { FPenPos = TPoint(X, Y); }

void TCanvas::LineTo(int X, int Y) {
  if (FPen.Width() <= 1 && PenVisible()) {
    // The common one-pixel line, without building a point list.
    if (HasPixels()) {
      std::int64_t phase = 0;
      std::vector<QRect> runs;
      ThinLine(FPenPos, TPoint(X, Y), phase, runs);
      PenRects(runs);
    }
  } else {
    StrokePolyline({FPenPos, TPoint(X, Y)}, false);
  }
  FPenPos = TPoint(X, Y);
}

void TCanvas::Polyline(const QList<TPoint>& Points) { StrokePolyline(Points, false); }

void TCanvas::Polygon(const QList<TPoint>& Points) {
  if (Points.size() < 2) return;
  if (BrushVisible()) {
    if (QPainter* p = Begin()) {
      QPolygon poly;
      for (TPoint q : Points) poly << QPoint(q);
      p->setPen(Qt::NoPen);
      p->setBrush(QtBrush());
      p->drawPolygon(poly, Qt::OddEvenFill);
    }
  }
  StrokePolyline(Points, true);
}

// ------------------------------------------------------------ rectangle fills

void TCanvas::FillRect(const TRect& R) {
  if (!BrushVisible()) return;
  // A solid colour goes straight into the pixels.
  if (FBrush.Style() == bsSolid) {
    FillRects({{R, FBrush.Color()}});
    return;
  }
  QPainter* p = Begin();
  if (!p) return;
  const QRect area = Bounded(R, VisibleRect());
  if (!area.isEmpty()) p->fillRect(area, QtBrush());
}

void TCanvas::FrameRect(const TRect& R) {
  if (R.Right <= R.Left || R.Bottom <= R.Top || !BrushVisible()) return;
  const TBrushStyle style = FBrush.Style();
  FBrush.SetStyle(bsSolid);
  FillRect(TRect(R.Left, R.Top, R.Right, std::min(R.Top + 1, R.Bottom)));
  FillRect(TRect(R.Left, std::max(R.Bottom - 1, R.Top), R.Right, R.Bottom));
  FillRect(TRect(R.Left, R.Top, std::min(R.Left + 1, R.Right), R.Bottom));
  FillRect(TRect(std::max(R.Right - 1, R.Left), R.Top, R.Right, R.Bottom));
  FBrush.SetStyle(style);
}

// ----------------------------------------------------------------------- text

const TCanvas::TTextMetrics& TCanvas::TextMetrics() {
  const QFont& font = FFont.Handle();
  const bool image = FImage && !FImage->isNull();
  const int dpi = image ? FImage->logicalDpiY() : 0;
  TTextMetrics& m = FTextMetrics;
  if (m.Valid && m.Dpi == dpi && m.Font == font) return m;
  const QFontMetrics fm = image ? QFontMetrics(font, FImage) : QFontMetrics(font);
  m.Font = font;
  m.Dpi = dpi;
  m.Valid = true;
  m.Ascent = fm.ascent();
  m.Height = fm.height();
  m.MaxWidth = std::max(fm.maxWidth(), 1);
  const bool plain = font.letterSpacing() == 0 && font.wordSpacing() == 0 &&
                     font.capitalization() == QFont::MixedCase && !font.underline() && !font.strikeOut() &&
                     !font.overline();
  m.Raw = plain ? QRawFont::fromFont(image ? QFont(font, FImage) : font) : QRawFont();
  return m;
}

const TCanvas::TGlyphText* TCanvas::SimpleGlyphs(const QString& Text) {
  const TTextMetrics& m = TextMetrics();
  TGlyphText& t = FLastText;
  if (t.Dpi == m.Dpi && t.Font == m.Font && t.Text == Text) return t.Simple ? &t : nullptr;
  t.Text = Text;
  t.Font = m.Font;
  t.Dpi = m.Dpi;
  t.Simple = false;
  if (!m.Raw.isValid()) return nullptr;
  for (const QChar ch : Text) {
    const char16_t u = ch.unicode();
    if (u < 0x20 || (u >= 0x7F && u < 0xA0) || u == 0xAD || u >= 0x300) return nullptr;
  }
  const int n = int(Text.size());
  t.Glyphs.resize(n);
  t.Positions.resize(n);
  int count = n;
  if (!m.Raw.glyphIndexesForChars(Text.constData(), n, t.Glyphs.data(), &count) || count != n) return nullptr;
  for (const quint32 g : t.Glyphs)
    if (g == 0) return nullptr;  // not in this font: Qt's layout takes it from a fallback font
  const QRawFont::LayoutFlags flags = m.Font.kerning() ? QRawFont::KernedAdvances : QRawFont::SeparateAdvances;
  if (!m.Raw.advancesForGlyphIndexes(t.Glyphs.data(), t.Positions.data(), n, flags)) return nullptr;
  qreal x = 0;
  // The union of the glyph boxes: a glyph's bitmap lies within its box.
  qreal left = 0, top = 0, right = 0, bottom = 0;
  for (int i = 0; i < n; ++i) {
    const qreal advance = t.Positions[i].x();
    t.Positions[i] = QPointF(x, 0);
    const QRectF box = m.Raw.boundingRect(t.Glyphs[i]);
    left = std::min(left, x + box.left());
    right = std::max(right, x + box.right());
    top = std::min(top, box.top());
    bottom = std::max(bottom, box.bottom());
    x += advance;
  }
  t.Width = x;
  t.Ink = QRectF(QPointF(left, top), QPointF(right, bottom)).toAlignedRect();
  t.Simple = true;
  return &t;
}

int TCanvas::TextWidth(const QString& Text) {
  if (const TGlyphText* t = SimpleGlyphs(Text)) return qRound(t->Width);
  const QFontMetrics fm = FImage && !FImage->isNull() ? QFontMetrics(FFont.Handle(), FImage) : QFontMetrics(FFont.Handle());
  return fm.horizontalAdvance(Text);
}

int TCanvas::TextHeight(const QString&) { return TextMetrics().Height; }

void TCanvas::DrawText(int X, int Y, const QString& Text, const QRect* Clip) {
  QPainter* p = Begin();
  if (!p) return;
  QRect visible = VisibleRect();
  if (Clip) {
    visible &= *Clip;
    if (visible.isEmpty()) return;
    if (BrushVisible()) p->fillRect(*Clip, QColor(ColorToQRgb(FBrush.Color())));
  }
  if (Text.isEmpty()) return;
  const TTextMetrics& m = TextMetrics();
  const TGlyphText* simple = SimpleGlyphs(Text);
  const bool turned = FFont.Orientation() != 0;
  // The painter clips to the text rectangle only when the glyphs reach out of
  // it: a new clip costs Qt more than drawing the glyphs of a short text.
  if (Clip && (!simple || turned || !visible.contains(simple->Ink.translated(X, Y + m.Ascent))))
    SetPainterClip(*p, visible);
  // A bound on the text's box, so that the text is not shaped twice (here and when drawn).
  const qint64 bound = simple ? qint64(std::ceil(simple->Width)) + 1
                              : std::min<qint64>(qint64(Text.size()) * m.MaxWidth, INT_MAX / 2);
  const QRect box(0, 0, int(bound), m.Height);
  QTransform turn;
  turn.translate(X, Y);
  turn.rotate(-FFont.Orientation() / 10.0);
  // Text far outside the visible area is not handed to Qt at all.
  if (!turn.mapRect(QRectF(box)).intersects(QRectF(visible))) return;
  // Unturned text is drawn at its place, turned text in a turned painter.
  QPoint origin(X, Y);
  if (turned) {
    p->setTransform(turn);
    FPainterClean = false;
    origin = QPoint(0, 0);
  }
  if (!Clip && BrushVisible()) {
    p->fillRect(QRect(origin.x(), origin.y(), TextWidth(Text), m.Height), QColor(ColorToQRgb(FBrush.Color())));
  }
  p->setPen(QColor(ColorToQRgb(FFont.Color())));
  const QPointF baseline(origin.x(), origin.y() + m.Ascent);
  if (simple) {
    QGlyphRun run;
    run.setRawFont(m.Raw);
    run.setRawData(simple->Glyphs.data(), simple->Positions.data(), int(simple->Glyphs.size()));
    p->drawGlyphRun(baseline, run);
  } else {
    p->setFont(FFont.Handle());
    p->drawText(baseline, Text);
  }
}

void TCanvas::TextOut(int X, int Y, const QString& Text) {
  DrawText(X, Y, Text, nullptr);
  FPenPos = TPoint(Add(X, TextWidth(Text)), Y);
}

void TCanvas::TextRect(const TRect& R, int X, int Y, const QString& Text) {
  const QRect clip = Bounded(R, VisibleRect());
  if (!clip.isEmpty()) DrawText(X, Y, Text, &clip);
}

}  // namespace orv
