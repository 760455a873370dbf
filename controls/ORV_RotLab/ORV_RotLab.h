#pragma once
// TRotLab: a label whose caption is written at any angle around an anchor
// point, inside a frame around the control.
//
// TextAngle turns the text counter-clockwise in degrees. Alignment says
// which point of the text sits on the anchor (PosX, PosY) at half the text
// height: its left end, its right end or its middle (TextOrigin). With
// AutoCenter (the default) the anchor is the centre of the control and
// follows it when the control is resized. The caption, font, colour and
// transparency are the label's; the control is transparent by default and
// draws only the text and the frame (fsSunken) over its parent.
//
// Defaults: size 200 x 200, font Arial 11 pt, TextAngle 0, anchor at the
// centre (AutoCenter), taCenter, AntiAlias on. Setters redraw: painting at
// once, or invalidating when transparent.
//
// The label's AutoSize does not apply: the control keeps the size it is
// given. In a layout its natural size is 200 x 200; it may grow and shrink
// both ways down to the turned caption plus the frame.
//
// \image html rotated_labels.png "Rotated labels in the gallery"

#include <orvcore.h>

namespace orv {

class TRotLab : public TCustomLabel {
  Q_OBJECT
  Q_PROPERTY(int TextAngle READ TextAngle WRITE SetTextAngle)
  Q_PROPERTY(int PosX READ PosX WRITE SetPosX)
  Q_PROPERTY(int PosY READ PosY WRITE SetPosY)
  Q_PROPERTY(bool AutoCenter READ AutoCenter WRITE SetAutoCenter)
  Q_PROPERTY(orv::platform_enums::TAlignment Alignment READ Alignment WRITE SetAlignment)
  Q_PROPERTY(bool AntiAlias READ AntiAlias WRITE SetAntiAlias)
  Q_PROPERTY(orv::core_enums::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyle)

public:
  // A label with the defaults above; AOwner (a component, a Qt parent widget, or null) owns it and, when
  // it is a control, is its parent.
  explicit TRotLab(TOwnerArg AOwner);

  // Degrees, counter-clockwise, any value.
  int TextAngle() const { return FTextAngle; }
  void SetTextAngle(int Value);
  // The anchor in client pixels; not stored while AutoCenter is on.
  int PosX() const { return FPosX; }
  void SetPosX(int Value);
  // The anchor's y in client pixels; not stored while AutoCenter is on.
  int PosY() const { return FPosY; }
  void SetPosY(int Value);
  // Keeps the anchor at the centre of the control; switching it on recentres.
  bool AutoCenter() const { return FAutoCenter; }
  void SetAutoCenter(bool Value);
  // Which point of the text sits on the anchor: its left end, right end or
  // middle (taCenter).
  void SetAlignment(TAlignment Value);
  // Smooth text edges (antialiased font quality).
  bool AntiAlias() const { return FAntiAlias; }
  void SetAntiAlias(bool Value);
  // Frame around the control (fsSunken).
  TFrameStyle FrameStyle() const { return FFrameStyle; }
  void SetFrameStyle(TFrameStyle Value);

  // Puts the anchor at the centre of the control.
  void AdjustAutoCenter();
  // Recentres (with AutoCenter, when the control has a parent) and redraws.
  void ProcessResize(TObject* Sender);

  void Assign(TPersistent* Source) override;
  void Paint() override;
  // The natural size 200 x 200, at least minimumSizeHint(); AutoSize plays no part.
  QSize sizeHint() const override;
  // The box of the rotated caption in the control's font, plus 4 pixels each way.
  QSize minimumSizeHint() const override;

  // The top-left origin of the rotated text for a text of TextWidth x
  // TextHeight pixels, so that the aligned point lies on the anchor.
  TPoint TextOrigin(int TextWidth, int TextHeight) const;

protected:
  void DoDrawText(TRect& Rect, int Flags) override;
  void AssignTo(TPersistent* Dest) override;
  void Resize() override;

private:
  void Redraw();

  int FTextAngle = 0;
  int FPosX = 10;
  int FPosY = 10;
  bool FAutoCenter = true;
  bool FAntiAlias = true;
  TFrameStyle FFrameStyle = fsSunken;
};

}  // namespace orv
