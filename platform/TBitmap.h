#pragma once
// TBitmap: an image with its own canvas. Loads and saves BMP, PNG and JPEG
// (chosen by the file name's extension when saving, by content when loading),
// and loads the library's own bitmaps by resource name.

#include "TCanvas.h"

namespace orv {

// Raised when a picture cannot be read or written.
class EInvalidGraphic : public Exception {
public:
  using Exception::Exception;
};

class TBitmap : public TPersistent {
public:
  TBitmap();
  TBitmap(int AWidth, int AHeight);
  ~TBitmap() override;

  int Width() const { return FImage.width(); }
  int Height() const { return FImage.height(); }
  void SetWidth(int Value) { SetSize(Value, Height()); }
  void SetHeight(int Value) { SetSize(Width(), Value); }
  // New size; the part of the picture that still fits is kept, the rest is white.
  void SetSize(int AWidth, int AHeight);
  bool Empty() const { return FImage.isNull() || FImage.width() == 0 || FImage.height() == 0; }

  // The colour depth the bitmap was loaded with or set to. The pixels are
  // always held as 32-bit; the format decides how SaveToFile writes a BMP and
  // reduces the colours when set to pf1bit (black/white) or pf4bit/pf8bit.
  TPixelFormat PixelFormat() const { return FPixelFormat; }
  void SetPixelFormat(TPixelFormat Value);

  // When Transparent, Draw and StretchDraw skip pixels of TransparentColor
  // (by default the colour of the bottom-left pixel).
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value) { FTransparent = Value; }
  TColor TransparentColor() const;
  void SetTransparentColor(TColor Value) { FTransparentColor = Value; }

  TCanvas* Canvas();

  void LoadFromFile(const QString& FileName);
  void SaveToFile(const QString& FileName);
  // Loads ":/orv/<Name>" (the name as given, or with ".bmp" or ".png" added).
  void LoadFromResourceName(const QString& Name);

  // The pixels (flushes the canvas first).
  const QImage& Image();
  void SetImage(const QImage& Value);

  void Assign(TPersistent* Source) override;

private:
  QImage FImage;
  TCanvas FCanvas;
  TPixelFormat FPixelFormat = pfDevice;
  bool FTransparent = false;
  TColor FTransparentColor = clDefault;
};

}  // namespace orv
