#pragma once
// TFont, TPen and TBrush: drawing attributes with a change notification.

#include "OrvTObject.h"

#include <QFont>

namespace orv {

// Base of the drawing attributes: OnChange fires after every change.
class TGraphicsObject : public TPersistent {
public:
  TNotifyEvent OnChange;

protected:
  void Changed();
};

class TFont : public TGraphicsObject {
public:
  TFont();

  QString Name() const { return FFont.family(); }
  void SetName(const QString& Value);
  // Size in points.
  int Size() const;
  void SetSize(int Value);
  // Height in pixels (character height, as a negative number, like the framework).
  int Height() const;
  void SetHeight(int Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles Value);
  // Text angle in tenths of a degree, counter-clockwise.
  int Orientation() const { return FOrientation; }
  void SetOrientation(int Value);
  TFontPitch Pitch() const { return FPitch; }
  void SetPitch(TFontPitch Value);

  // The Qt font these settings describe.
  const QFont& Handle() const { return FFont; }
  // Takes family, size and style from a Qt font (colour and orientation stay).
  void SetHandle(const QFont& Value);

  void Assign(TPersistent* Source) override;

private:
  QFont FFont;
  TColor FColor = clWindowText;
  TFontStyles FStyle;
  int FOrientation = 0;
  TFontPitch FPitch = fpDefault;
};

class TPen : public TGraphicsObject {
public:
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  int Width() const { return FWidth; }
  void SetWidth(int Value);
  TPenStyle Style() const { return FStyle; }
  void SetStyle(TPenStyle Value);
  TPenMode Mode() const { return FMode; }
  void SetMode(TPenMode Value);

  void Assign(TPersistent* Source) override;

private:
  TColor FColor = clBlack;
  int FWidth = 1;
  TPenStyle FStyle = psSolid;
  TPenMode FMode = pmCopy;
};

class TBrush : public TGraphicsObject {
public:
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle Value);

  void Assign(TPersistent* Source) override;

private:
  TColor FColor = clWhite;
  TBrushStyle FStyle = bsSolid;
};

}  // namespace orv
