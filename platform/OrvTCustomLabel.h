#pragma once
// TCustomLabel: a self-drawn text label, the base of the framework's labels.
//
// Paint fills the client area with Color() unless Transparent, then calls
// DoDrawText with the client rectangle (moved down for tlCenter and tlBottom)
// and the DT_ flags of Alignment and Layout. DoDrawText writes the caption
// in the control's font with no text background, engraved (button highlight
// one pixel right and down, button shadow on top) while disabled; with
// DT_CALCRECT it only sets the rectangle to the caption's size. With
// AutoSize, a change of caption or font resizes the control to its text
// (taRightJustify keeps the right edge in place); that text size is also
// what the label asks of a layout (sizeHint and minimumSizeHint).
//
// Defaults: empty caption, Color clBtnFace, not transparent, AutoSize on,
// taLeftJustify, tlTop. A transparent label shows its parent wherever it
// draws nothing.

#include "OrvTControl.h"

namespace orv {

// Flags of DoDrawText (the values of the system's text output).
constexpr int DT_LEFT = 0x0000, DT_CENTER = 0x0001, DT_RIGHT = 0x0002, DT_VCENTER = 0x0004,
              DT_BOTTOM = 0x0008, DT_WORDBREAK = 0x0010, DT_SINGLELINE = 0x0020, DT_EXPANDTABS = 0x0040,
              DT_NOCLIP = 0x0100, DT_CALCRECT = 0x0400, DT_NOPREFIX = 0x0800;

class TCustomLabel : public TGraphicControl {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
  Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
  Q_PROPERTY(orv::TColor Color READ Color WRITE SetColor)
  Q_PROPERTY(orv::platform_enums::TAlignment Alignment READ Alignment WRITE SetAlignment)
  Q_PROPERTY(orv::platform_enums::TTextLayout Layout READ Layout WRITE SetLayout)

public:
  explicit TCustomLabel(TOwnerArg AOwner);

  QString Caption() const { return FCaption; }
  void SetCaption(const QString& Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TTextLayout Layout() const { return FLayout; }
  void SetLayout(TTextLayout Value);

  void Paint() override;
  // With AutoSize, the size of the text as AutoSize last measured it.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

protected:
  // Writes the caption into Rect, or with DT_CALCRECT in Flags sets Rect to
  // the caption's size (left and top stay).
  virtual void DoDrawText(TRect& Rect, int Flags);
  // The DT_ flags of Alignment and Layout.
  int DrawTextFlags() const;
  // Resizes the control to its text when AutoSize is on.
  void AdjustBounds();
  void FontChanged() override;
  // Sizes the label to its text, which loading left alone.
  void Loaded() override;

private:
  QString FCaption;
  QSize FTextSize;  // measured by AdjustBounds
  bool FTransparent = false;
  bool FAutoSize = true;
  TAlignment FAlignment = taLeftJustify;
  TTextLayout FLayout = tlTop;
};

}  // namespace orv
