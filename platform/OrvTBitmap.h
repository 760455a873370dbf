#pragma once
// TBitmap: an image with its own canvas. Loads and saves BMP, PNG and JPEG
// (chosen by the file name's extension when saving, by content when loading),
// and loads the library's own bitmaps by resource name.
//
// Width and Height are logical pixels. A device pixel ratio above 1 gives
// the bitmap that many device pixels per logical pixel in each direction
// (ceil(Width * ratio) x ceil(Height * ratio) in all), so that an off-screen
// image or cache drawn onto a surface of the same ratio stays as sharp as
// the screen. A loaded picture has ratio 1: one pixel of the file per
// logical pixel.

#include "OrvTCanvas.h"

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

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetWidth(int Value) { SetSize(Value, Height()); }
  void SetHeight(int Value) { SetSize(Width(), Value); }
  // New size; the part of the picture that still fits is kept, the rest is
  // white. Raises EInvalidGraphic when there is no memory for the pixels.
  void SetSize(int AWidth, int AHeight);
  bool Empty() const { return FWidth == 0 || FHeight == 0; }

  // Device pixels per logical pixel (1). A new ratio keeps the logical size
  // and the picture, scaled to the new pixels.
  qreal DevicePixelRatio() const { return FRatio; }
  void SetDevicePixelRatio(qreal Value);

  // The colour depth the bitmap was loaded with or set to. The pixels are
  // always held as 32-bit (with alpha when the picture loaded has some); the
  // format decides how SaveToFile writes a BMP or PNG, and setting pf1bit
  // (black/white), pf4bit (the 16 standard colours), pf8bit, pf15bit or
  // pf16bit reduces the colours at once.
  TPixelFormat PixelFormat() const { return FPixelFormat; }
  void SetPixelFormat(TPixelFormat Value);

  // When Transparent, Draw and StretchDraw skip pixels of TransparentColor
  // (by default the colour of the bottom-left pixel).
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value) { FTransparent = Value; }
  TColor TransparentColor() const;
  void SetTransparentColor(TColor Value) { FTransparentColor = Value; }

  TCanvas* Canvas();

  // Turns the picture into its mask: pixels of TransparentColor (and
  // transparent pixels) become white, every other pixel black. Drawn with
  // cmSrcAnd and followed by the picture with cmSrcPaint (its transparent
  // pixels black), it lets the background show through.
  void Mask(TColor TransparentColor);

  // Loads a BMP, PNG or JPEG file (told apart by content); raises
  // EInvalidGraphic naming the file when it is missing or unreadable.
  void LoadFromFile(const QString& FileName);
  // Writes BMP, PNG or JPEG as the extension says (.bmp, .png, .jpg, .jpeg)
  // through a temporary file, so a failed save leaves an existing file as it
  // was; raises EInvalidGraphic on failure.
  void SaveToFile(const QString& FileName);
  // Loads ":/orv/<Name>" (the name as given, or with ".bmp" or ".png" added);
  // raises EInvalidGraphic when there is no such resource.
  void LoadFromResourceName(const QString& Name);

  // The pixels (flushes the canvas first).
  const QImage& Image();
  void SetImage(const QImage& Value);

  void Assign(TPersistent* Source) override;

private:
  void SetPixelsFrom(const QImage& Value);
  // The pixels for a logical size at the ratio, the old picture drawn on them.
  void Reallocate(int AWidth, int AHeight, qreal Ratio);
  QImage FImage;
  // Kept apart from the image, which is null while either is 0.
  int FWidth = 0;
  int FHeight = 0;
  qreal FRatio = 1.0;
  mutable TCanvas FCanvas;
  TPixelFormat FPixelFormat = pfDevice;
  bool FTransparent = false;
  TColor FTransparentColor = clDefault;
};

}  // namespace orv
