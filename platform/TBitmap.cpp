#include "OrvTBitmap.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

#include <algorithm>
#include <cmath>

namespace orv {

namespace {

// The 16 colours of a 4-bit bitmap (the classic VGA palette).
const QList<QRgb>& Palette16() {
  static const QList<QRgb> palette{
      qRgb(0, 0, 0),     qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
      qRgb(0, 0, 128),   qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
      qRgb(128, 128, 128), qRgb(255, 0, 0), qRgb(0, 255, 0),   qRgb(255, 255, 0),
      qRgb(0, 0, 255),   qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
  return palette;
}

// The picture at the given colour depth (unchanged for the deep formats).
QImage AtDepth(const QImage& Image, TPixelFormat Format) {
  const auto flags = Qt::ThresholdDither | Qt::AvoidDither;
  switch (Format) {
    case pf1bit: return Image.convertToFormat(QImage::Format_Mono, flags);
    case pf4bit: return Image.convertToFormat(QImage::Format_Indexed8, Palette16(), flags);
    case pf8bit: {
      // A full table, so that a picture of few colours still counts as 8-bit.
      QImage indexed = Image.convertToFormat(QImage::Format_Indexed8, flags);
      QList<QRgb> table = indexed.colorTable();
      table.resize(256, qRgb(0, 0, 0));
      indexed.setColorTable(table);
      return indexed;
    }
    case pf15bit: return Image.convertToFormat(QImage::Format_RGB555);
    case pf16bit: return Image.convertToFormat(QImage::Format_RGB16);
    case pf32bit: return Image.convertToFormat(QImage::Format_ARGB32);
    default: return Image;
  }
}

TPixelFormat FormatOf(const QImage& Image) {
  switch (Image.format()) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB: return pf1bit;
    case QImage::Format_Indexed8: return Image.colorCount() <= 16 ? pf4bit : pf8bit;
    case QImage::Format_Grayscale8: return pf8bit;
    case QImage::Format_RGB555: return pf15bit;
    case QImage::Format_RGB16: return pf16bit;
    default: return Image.hasAlphaChannel() ? pf32bit : pf24bit;
  }
}

// The pixels as the canvas holds them: 32-bit, premultiplied when with alpha.
QImage Stored(const QImage& Image) {
  return Image.convertToFormat(Image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
}

}  // namespace

TBitmap::TBitmap() : FCanvas(&FImage) {}

TBitmap::TBitmap(int AWidth, int AHeight) : TBitmap() { SetSize(AWidth, AHeight); }

TBitmap::~TBitmap() { FCanvas.Flush(); }

void TBitmap::SetSize(int AWidth, int AHeight) {
  AWidth = std::max(0, AWidth);
  AHeight = std::max(0, AHeight);
  if (AWidth == FWidth && AHeight == FHeight) return;
  Reallocate(AWidth, AHeight, FRatio);
}

void TBitmap::SetDevicePixelRatio(qreal Value) {
  if (!(Value > 0) || Value == FRatio) return;
  Reallocate(FWidth, FHeight, Value);
}

void TBitmap::Reallocate(int AWidth, int AHeight, qreal Ratio) {
  FCanvas.Flush();
  QImage next;
  if (AWidth > 0 && AHeight > 0) {
    const double w = std::ceil(AWidth * Ratio), h = std::ceil(AHeight * Ratio);
    if (w <= 0x7FFFFFFF && h <= 0x7FFFFFFF)
      next = QImage(int(w), int(h), FImage.isNull() ? QImage::Format_RGB32 : FImage.format());
    if (next.isNull())
      throw EInvalidGraphic(QStringLiteral("Not enough memory for a bitmap of %1 x %2 pixels").arg(AWidth).arg(AHeight));
    next.setDevicePixelRatio(Ratio);
    next.fill(Qt::white);
    if (!FImage.isNull()) {
      // Both images at their ratio: the picture keeps its logical place and size.
      QPainter p(&next);
      p.setCompositionMode(QPainter::CompositionMode_Source);
      p.drawImage(0, 0, FImage);
    }
  }
  FImage = next;
  FWidth = AWidth;
  FHeight = AHeight;
  FRatio = Ratio;
}

void TBitmap::SetPixelFormat(TPixelFormat Value) {
  if (Value == FPixelFormat) return;
  FPixelFormat = Value;
  if (FImage.isNull() || Value == pf32bit) return;
  FCanvas.Flush();
  FImage = Stored(AtDepth(FImage, Value));
}

TColor TBitmap::TransparentColor() const {
  if (FTransparentColor != clDefault) return FTransparentColor;
  return Empty() ? clNone : FCanvas.Pixels(0, FHeight - 1);
}

TCanvas* TBitmap::Canvas() { return &FCanvas; }

void TBitmap::SetPixelsFrom(const QImage& Value) {
  FCanvas.Flush();
  FImage = Value.isNull() ? QImage() : Stored(Value);
  FRatio = FImage.isNull() ? 1.0 : FImage.devicePixelRatio();
  FWidth = FImage.isNull() ? 0 : int(std::ceil(FImage.width() / FRatio));
  FHeight = FImage.isNull() ? 0 : int(std::ceil(FImage.height() / FRatio));
}

void TBitmap::Mask(TColor TransparentColor) {
  if (FImage.isNull()) return;
  FCanvas.Flush();
  const QRgb key = ColorToQRgb(TransparentColor) & 0x00FFFFFF;
  const bool premultiplied = FImage.format() == QImage::Format_ARGB32_Premultiplied;
  QImage mask(FImage.size(), QImage::Format_RGB32);
  mask.setDevicePixelRatio(FRatio);
  for (int y = 0; y < FImage.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(FImage.constScanLine(y));
    auto* out = reinterpret_cast<QRgb*>(mask.scanLine(y));
    for (int x = 0; x < FImage.width(); ++x) {
      QRgb c = in[x];
      const bool clear = premultiplied && qAlpha(c) == 0;
      if (premultiplied && !clear) c = qUnpremultiply(c);
      out[x] = clear || (c & 0x00FFFFFF) == key ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
    }
  }
  FImage = mask;
}

void TBitmap::LoadFromFile(const QString& FileName) {
  QImageReader reader(FileName);
  reader.setDecideFormatFromContent(true);
  const QImage image = reader.read();
  if (image.isNull()) {
    QString reason;
    switch (reader.error()) {
      case QImageReader::FileNotFoundError: reason = QStringLiteral("file not found"); break;
      case QImageReader::UnsupportedFormatError: reason = QStringLiteral("not a BMP, PNG or JPEG picture"); break;
      default: reason = reader.errorString(); break;
    }
    throw EInvalidGraphic(QStringLiteral("Cannot load the picture \"%1\": %2").arg(FileName, reason));
  }
  SetPixelsFrom(image);
  FPixelFormat = FormatOf(image);
}

void TBitmap::SaveToFile(const QString& FileName) {
  auto fail = [&](const QString& Reason) {
    return EInvalidGraphic(QStringLiteral("Cannot save the picture \"%1\": %2").arg(FileName, Reason));
  };
  const QString suffix = QFileInfo(FileName).suffix().toLower();
  QByteArray format;
  if (suffix == QLatin1String("bmp")) format = "BMP";
  else if (suffix == QLatin1String("png")) format = "PNG";
  else if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) format = "JPEG";
  else throw fail(QStringLiteral("unknown picture type \".%1\" (use .bmp, .png or .jpg)").arg(suffix));
  if (Empty()) throw fail(QStringLiteral("the bitmap is empty"));
  FCanvas.Flush();
  const QImage image = format == "JPEG" ? FImage.convertToFormat(QImage::Format_RGB32) : AtDepth(FImage, FPixelFormat);

  QSaveFile file(FileName);
  if (!file.open(QIODevice::WriteOnly)) throw fail(file.errorString());
  QImageWriter writer(&file, format);
  if (format == "JPEG") writer.setQuality(90);
  if (!writer.write(image)) {
    file.cancelWriting();
    throw fail(writer.errorString());
  }
  if (!file.commit()) throw fail(file.errorString());
}

void TBitmap::LoadFromResourceName(const QString& Name) {
  for (const QString& suffix : {QString(), QStringLiteral(".bmp"), QStringLiteral(".png")}) {
    const QString path = QStringLiteral(":/orv/") + Name + suffix;
    if (!Name.isEmpty() && QFile::exists(path)) {
      LoadFromFile(path);
      return;
    }
  }
  throw EInvalidGraphic(QStringLiteral("Bitmap resource \"%1\" not found").arg(Name));
}

const QImage& TBitmap::Image() {
  FCanvas.Flush();
  return FImage;
}

void TBitmap::SetImage(const QImage& Value) { SetPixelsFrom(Value); }

void TBitmap::Assign(TPersistent* Source) {
  auto* b = dynamic_cast<TBitmap*>(Source);
  if (!b) {
    TPersistent::Assign(Source);
    return;
  }
  if (b == this) return;
  b->FCanvas.Flush();
  FCanvas.Flush();
  FImage = b->FImage.copy();
  FWidth = b->FWidth;
  FHeight = b->FHeight;
  FRatio = b->FRatio;
  FPixelFormat = b->FPixelFormat;
  FTransparent = b->FTransparent;
  FTransparentColor = b->FTransparentColor;
}

}  // namespace orv
