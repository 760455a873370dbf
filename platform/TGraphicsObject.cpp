#include "OrvTGraphicsObject.h"

#include <QGuiApplication>

#include <cmath>
#include <cstdlib>

namespace orv {

namespace {

// Pixels per inch of the framework's point/pixel conversions.
constexpr double PixelsPerInch = 96.0;

TFontStyles StylesOf(const QFont& f) {
  TFontStyles s;
  if (f.bold()) s.Include(fsBold);
  if (f.italic()) s.Include(fsItalic);
  if (f.underline()) s.Include(fsUnderline);
  if (f.strikeOut()) s.Include(fsStrikeOut);
  return s;
}

}  // namespace

void TGraphicsObject::Changed() {
  if (OnChange) OnChange(this);
}

// ---------------------------------------------------------------------- TFont

TFont::TFont() {
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) FFont = QGuiApplication::font();
  else FFont = QFont(QStringLiteral("DejaVu Sans"), 9);
  FStyle = StylesOf(FFont);
}

void TFont::SetName(const QString& Value) {
  if (Value == FFont.family()) return;
  FFont.setFamily(Value);
  Changed();
}

int TFont::Size() const {
  if (FFont.pointSize() > 0) return FFont.pointSize();
  return int(std::lround(FFont.pixelSize() * 72.0 / PixelsPerInch));
}

void TFont::SetSize(int Value) {
  // A negative size is a pixel height, as with the framework's fonts.
  if (Value == 0 || Value == Size()) return;
  if (Value > 0) FFont.setPointSize(Value);
  else FFont.setPixelSize(-Value);
  Changed();
}

int TFont::Height() const {
  if (FFont.pixelSize() > 0) return -FFont.pixelSize();
  return -int(std::lround(FFont.pointSizeF() * PixelsPerInch / 72.0));
}

void TFont::SetHeight(int Value) {
  if (Value == 0 || Value == Height()) return;
  FFont.setPixelSize(std::abs(Value));
  Changed();
}

void TFont::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  Changed();
}

void TFont::SetStyle(TFontStyles Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  FFont.setBold(Value.Contains(fsBold));
  FFont.setItalic(Value.Contains(fsItalic));
  FFont.setUnderline(Value.Contains(fsUnderline));
  FFont.setStrikeOut(Value.Contains(fsStrikeOut));
  Changed();
}

void TFont::SetOrientation(int Value) {
  if (Value == FOrientation) return;
  FOrientation = Value;
  Changed();
}

void TFont::SetPitch(TFontPitch Value) {
  if (Value == FPitch) return;
  FPitch = Value;
  FFont.setFixedPitch(Value == fpFixed);
  FFont.setStyleHint(Value == fpFixed ? QFont::TypeWriter : QFont::AnyStyle);
  Changed();
}

void TFont::SetHandle(const QFont& Value) {
  if (Value == FFont) return;
  FFont = Value;
  FStyle = StylesOf(Value);
  Changed();
}

void TFont::Assign(TPersistent* Source) {
  auto* f = dynamic_cast<TFont*>(Source);
  if (!f) {
    TGraphicsObject::Assign(Source);
    return;
  }
  if (f->FFont == FFont && f->FColor == FColor && f->FStyle == FStyle && f->FOrientation == FOrientation &&
      f->FPitch == FPitch)
    return;
  FFont = f->FFont;
  FColor = f->FColor;
  FStyle = f->FStyle;
  FOrientation = f->FOrientation;
  FPitch = f->FPitch;
  Changed();
}

// ----------------------------------------------------------------------- TPen

void TPen::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  Changed();
}

void TPen::SetWidth(int Value) {
  if (Value == FWidth) return;
  FWidth = Value;
  Changed();
}

void TPen::SetStyle(TPenStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Changed();
}

void TPen::SetMode(TPenMode Value) {
  if (Value == FMode) return;
  FMode = Value;
  Changed();
}

void TPen::Assign(TPersistent* Source) {
  auto* p = dynamic_cast<TPen*>(Source);
  if (!p) {
    TGraphicsObject::Assign(Source);
    return;
  }
  if (p->FColor == FColor && p->FWidth == FWidth && p->FStyle == FStyle && p->FMode == FMode) return;
  FColor = p->FColor;
  FWidth = p->FWidth;
  FStyle = p->FStyle;
  FMode = p->FMode;
  Changed();
}

// --------------------------------------------------------------------- TBrush

void TBrush::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  Changed();
}

void TBrush::SetStyle(TBrushStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Changed();
}

void TBrush::Assign(TPersistent* Source) {
  auto* b = dynamic_cast<TBrush*>(Source);
  if (!b) {
    TGraphicsObject::Assign(Source);
    return;
  }
  if (b->FColor == FColor && b->FStyle == FStyle) return;
  FColor = b->FColor;
  FStyle = b->FStyle;
  Changed();
}

}  // namespace orv
