#pragma once
// TSpeedButton: a self-drawn push button with a caption and a picture that
// can stay down, alone or as one of a group.
//
// Mouse: MouseDown with the left button shows the button pressed; while the
// button is held, MouseMove shows it pressed only with the pointer inside;
// MouseUp inside runs Click (OnClick) once, outside nothing. These are the
// framework's virtual methods, so a descendant's overrides of MouseDown,
// MouseMove and MouseUp run around them.
//
// Down: with GroupIndex 0 a button never stays down. With a GroupIndex, a
// click toggles Down; going down puts every other speed button of the same
// parent and group up, and a button that is down goes up by a click only
// with AllowAllUp (which the whole group shares).
//
// Painting: the button face (Color, clBtnFace) with a raised frame, sunken
// while pressed or down; Flat buttons show a frame only while the pointer is
// over them or they are pressed or down. A button that stays down shows a
// checkered face. The Glyph is a strip of NumGlyphs (1..4) equal pictures
// side by side: up, disabled, pressed, down; a missing picture falls back to
// the up one (a disabled button without its own picture shows the up
// picture embossed in grey). The glyph's bottom-left pixel's colour is
// transparent. Glyph and Caption are centred together, the glyph left of
// the caption with Spacing (4) pixels between; pressed or down, both move
// one pixel right and down. Disabled, the caption is engraved.
//
// Caption, Down, GroupIndex, AllowAllUp, Flat, NumGlyphs and Spacing are
// published properties: form files store them. Default size 23 x 22.

#include "OrvTControl.h"

#include <memory>

namespace orv {

class TBitmap;

enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

class TSpeedButton : public TGraphicControl {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(bool Down READ Down WRITE SetDown)
  Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)
  Q_PROPERTY(bool AllowAllUp READ AllowAllUp WRITE SetAllowAllUp)
  Q_PROPERTY(bool Flat READ Flat WRITE SetFlat)
  Q_PROPERTY(int NumGlyphs READ NumGlyphs WRITE SetNumGlyphs)
  Q_PROPERTY(int Spacing READ Spacing WRITE SetSpacing)

public:
  explicit TSpeedButton(TOwnerArg AOwner);
  ~TSpeedButton() override;

  QString Caption() const { return FCaption; }
  void SetCaption(const QString& Value);
  bool Down() const { return FDown; }
  void SetDown(bool Value);
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value);
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  // The picture strip; draw on it or load it, then Invalidate (or set NumGlyphs).
  TBitmap* Glyph() const { return FGlyph.get(); }
  void SetGlyph(TBitmap* Value);
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int Value);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int Value);

  // The state the button is drawn in now.
  TButtonState State() const;
  // Where the glyph's top-left corner and the caption's top-left corner land
  // for a caption of TextSize (both in client coordinates, with the offset
  // of a pressed button).
  void ContentPositions(QSize TextSize, TPoint& GlyphPos, TPoint& TextPos) const;

  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void SetEnabled(bool Value) override;
  void Paint() override;

protected:
  void enterEvent(QEnterEvent* e) override;
  void leaveEvent(QEvent* e) override;

private:
  // Puts the other buttons of the group up and hands them AllowAllUp.
  void UpdateExclusive();
  // The glyph picture for the current state, or null without a glyph.
  std::unique_ptr<TBitmap> StateGlyph() const;
  QSize GlyphSize() const;
  void DrawFrame(TCanvas* C, bool Sunken, bool Thin) const;
  QString FCaption;
  bool FDown = false;
  int FGroupIndex = 0;
  bool FAllowAllUp = false;
  bool FFlat = false;
  std::unique_ptr<TBitmap> FGlyph;
  int FNumGlyphs = 1;
  int FSpacing = 4;
  // The left button is held after a press on the button.
  bool FDragging = false;
  // Shown pressed while held (the pointer inside).
  bool FPressed = false;
  // The pointer is over the button.
  bool FHot = false;
};

}  // namespace orv
