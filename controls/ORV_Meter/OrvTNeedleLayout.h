#pragma once
// TNeedleLayout: the look of a meter needle, an arrow from the scale's centre
// towards the value.
//
// The head is two barbs of HeadSize pixels (20) opening HeadAngle degrees
// (30, 0..180) at the tip; the shaft joins the head HeadMidLeng pixels (20)
// behind the tip and is Thickness pixels wide (0: a line). The needle is
// PercentNeedleLength percent (100, 0..100) of the scale radius less 4
// pixels long, filled in ColorBody (silver) and outlined in ColorOutline
// (black). A non-zero ShadowDx or ShadowDy first draws the same arrow moved by
// (-ShadowDx, -ShadowDy) in ShadowColor (grey). Visible (true) shows the
// needle; what it does for each of a meter's needles is told by TMeter.
//
// Each setter stores a changed value and fires OnChange with the layout as
// Sender; a meter sets OnChange to repaint itself. Assign copies the eleven
// settings above and keeps OnChange, so that copying a layout from another
// meter does not redirect this one's repaints.

#include <orvplatform.h>

namespace orv {

class TNeedleLayout : public TPersistent {
public:
  // Length of each barb of the head in pixels.
  int HeadSize() const { return FHeadSize; }
  void SetHeadSize(int Value);
  // Opening angle of the head in degrees.
  int HeadAngle() const { return FHeadAngle; }
  void SetHeadAngle(int Value);  // clamped to 0..180
  // Distance in pixels from the tip back to where the shaft joins the head.
  int HeadMidLeng() const { return FHeadMidLeng; }
  void SetHeadMidLeng(int Value);
  // Width of the shaft in pixels; 0 draws it as a line.
  int Thickness() const { return FThickness; }
  void SetThickness(int Value);
  // Fill colour of the needle.
  TColor ColorBody() const { return FColorBody; }
  void SetColorBody(TColor Value);
  // Outline colour of the needle.
  TColor ColorOutline() const { return FColorOutline; }
  void SetColorOutline(TColor Value);
  // Length in percent of the scale radius less 4 pixels.
  int PercentNeedleLength() const { return FPercentNeedleLength; }
  void SetPercentNeedleLength(int Value);  // clamped to 0..100
  // How far left of the needle its shadow lies, in pixels.
  int ShadowDx() const { return FShadowDx; }
  void SetShadowDx(int Value);
  // How far above the needle its shadow lies, in pixels; both 0: no shadow.
  int ShadowDy() const { return FShadowDy; }
  void SetShadowDy(int Value);
  // Colour of the shadow.
  TColor ShadowColor() const { return FShadowColor; }
  void SetShadowColor(TColor Value);
  // Whether the needle is shown; TMeter tells what that means for each needle.
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);

  // Fires after a setting changed, with the layout as Sender.
  TNotifyEvent OnChange;

  void Assign(TPersistent* Source) override;

protected:
  // Fires OnChange.
  void Changed();

private:
  template <class T>
  void Store(T& Field, T Value);

  int FHeadSize = 20;
  int FHeadAngle = 30;
  int FHeadMidLeng = 20;
  int FThickness = 0;
  TColor FColorBody = clSilver;
  TColor FColorOutline = clBlack;
  int FPercentNeedleLength = 100;
  int FShadowDx = 0;
  int FShadowDy = 0;
  TColor FShadowColor = clGray;
  bool FVisible = true;
};

}  // namespace orv
