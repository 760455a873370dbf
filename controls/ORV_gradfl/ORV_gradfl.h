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
  explicit TGradFill(TOwnerArg AOwner);

  TColor ColorFirst() const { return FColorFirst; }
  void SetColorFirst(TColor Value);
  TColor ColorLast() const { return FColorLast; }
  void SetColorLast(TColor Value);
  bool ColorFlipped() const { return FColorsFlipped; }
  void SetColorFlipped(bool Value);
  TGradType FillType() const { return FGradType; }
  void SetFillType(TGradType Value);
  int NrColors() const { return FNrColors; }
  void SetNrColors(int Value);
  TFrameStyle FrameStyle() const { return FFrameStyle; }
  void SetFrameStyle(TFrameStyle Value);
  TGridMode GridMode() const { return FGridMode; }
  void SetGridMode(TGridMode Value);
  TColor GridColor() const { return FGridColor; }
  void SetGridColor(TColor Value);

  TNotifyEvent OnPaint;

  // Geometry and colours of the bands (k = 0 .. NrColors - 1), as painted.
  TRect BandRect(int k) const;
  TColor BandColor(int k) const;
  // The grid lines of the current GridMode: rows of the horizontal lines and
  // columns of the vertical ones.
  QList<int> GridRows() const;
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
