#pragma once
// TGradFill: a rectangle filled with a stepped colour gradient.
//
// The control is divided into NrColors bands (1..255, default 16), horizontal
// (stacked top to bottom) for gtHoriz and gtMidBandHoriz, vertical (left to
// right) for gtVert and gtMidBandVert. gtHoriz and gtVert step from ColorFirst
// (default $000080) towards ColorLast (default $00FFFF), the last band one step
// short of it; the mid-band types rise from ColorFirst at both edges to
// ColorLast in band NrColors div 2. ColorFlipped exchanges the two colours
// without losing them. GridMode draws one-pixel lines in GridColor (default
// $800000) on the band boundaries: horizontal lines at the boundaries of the
// horizontal band layout, vertical lines at those of the vertical layout, or
// both, whatever FillType is. FrameStyle frames the control (default none).
// Every setter invalidates; OnPaint fires after every paint. Default size
// 121 x 121, also its natural size in a layout, where it may grow and shrink
// both ways down to one pixel per band.
//
// \image html progress_gradients.png "Progress bars and gradients in the gallery"

#include <orvcore.h>
#include <orvplatform.h>

namespace orv {

namespace gradfl_enums {
Q_NAMESPACE
enum TGradType { gtHoriz, gtVert, gtMidBandHoriz, gtMidBandVert };
Q_ENUM_NS(TGradType)
enum TGridMode { gmNone, gmHoriz, gmVert, gmBoth };
Q_ENUM_NS(TGridMode)
}  // namespace gradfl_enums
using namespace gradfl_enums;

class TGradFill : public TGraphicControl {
  Q_OBJECT
  Q_PROPERTY(orv::TColor ColorFirst READ ColorFirst WRITE SetColorFirst)
  Q_PROPERTY(orv::TColor ColorLast READ ColorLast WRITE SetColorLast)
  Q_PROPERTY(bool ColorFlipped READ ColorFlipped WRITE SetColorFlipped)
  Q_PROPERTY(orv::gradfl_enums::TGradType FillType READ FillType WRITE SetFillType)
  Q_PROPERTY(int NrColors READ NrColors WRITE SetNrColors)
  Q_PROPERTY(orv::core_enums::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyle)
  Q_PROPERTY(orv::gradfl_enums::TGridMode GridMode READ GridMode WRITE SetGridMode)
  Q_PROPERTY(orv::TColor GridColor READ GridColor WRITE SetGridColor)

public:
  // A gradient with the defaults above; AOwner (a component, a Qt parent widget, or null) owns it and,
  // when it is a control, is its parent.
  explicit TGradFill(TOwnerArg AOwner);

  // The colour at the start (top or left; the edges for the mid-band types).
  // While ColorFlipped, setting it changes the colour shown as ColorLast
  // once the flip is undone.
  TColor ColorFirst() const { return FColorFirst; }
  void SetColorFirst(TColor Value);
  // The colour towards the end (bottom or right; the middle for the
  // mid-band types), stored like ColorFirst while flipped.
  TColor ColorLast() const { return FColorLast; }
  void SetColorLast(TColor Value);
  // Exchanges ColorFirst and ColorLast without losing them.
  bool ColorFlipped() const { return FColorsFlipped; }
  void SetColorFlipped(bool Value);
  // The band layout (gtHoriz).
  TGradType FillType() const { return FGradType; }
  void SetFillType(TGradType Value);
  // Number of bands, 1..255.
  int NrColors() const { return FNrColors; }
  void SetNrColors(int Value);
  // Frame around the control (none).
  TFrameStyle FrameStyle() const { return FFrameStyle; }
  void SetFrameStyle(TFrameStyle Value);
  // Which grid lines are drawn over the bands (gmNone).
  TGridMode GridMode() const { return FGridMode; }
  void SetGridMode(TGridMode Value);
  // Colour of the grid lines.
  TColor GridColor() const { return FGridColor; }
  void SetGridColor(TColor Value);

  // After every paint.
  TNotifyEvent OnPaint;

  // The rectangle of band k (0 .. NrColors - 1), as painted.
  TRect BandRect(int k) const;
  // The colour of band k, as painted.
  TColor BandColor(int k) const;
  // Rows of the horizontal grid lines of the current GridMode.
  QList<int> GridRows() const;
  // Columns of the vertical grid lines of the current GridMode.
  QList<int> GridColumns() const;

  void Paint() override;
  // One pixel per band across the bands.
  QSize minimumSizeHint() const override;

private:
  TColor FColorFirst = 0x000080;
  TColor FColorLast = 0x00FFFF;
  TColor FColFirstOrg = 0x000080;
  TColor FColLastOrg = 0x00FFFF;
  bool FColorsFlipped = false;
  TGradType FGradType = gtHoriz;
  TGridMode FGridMode = gmNone;
  TColor FGridColor = 0x800000;
  int FNrColors = 16;
  TFrameStyle FFrameStyle = fsNone;
};

}  // namespace orv
