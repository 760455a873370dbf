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
  int HeadSize() const { return FHeadSize; }
  void SetHeadSize(int Value);
  int HeadAngle() const { return FHeadAngle; }
  void SetHeadAngle(int Value);  // clamped to 0..180
  int HeadMidLeng() const { return FHeadMidLeng; }
  void SetHeadMidLeng(int Value);
  int Thickness() const { return FThickness; }
  void SetThickness(int Value);
  TColor ColorBody() const { return FColorBody; }
  void SetColorBody(TColor Value);
  TColor ColorOutline() const { return FColorOutline; }
  void SetColorOutline(TColor Value);
  int PercentNeedleLength() const { return FPercentNeedleLength; }
  void SetPercentNeedleLength(int Value);  // clamped to 0..100
  int ShadowDx() const { return FShadowDx; }
  void SetShadowDx(int Value);
  int ShadowDy() const { return FShadowDy; }
  void SetShadowDy(int Value);
  TColor ShadowColor() const { return FShadowColor; }
  void SetShadowColor(TColor Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);

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
