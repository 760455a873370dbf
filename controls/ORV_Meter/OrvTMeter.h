#pragma once
// TMeter: an analogue panel meter.
//
// A circular scale of 90 to 360 degrees (MeterLayout, mlCirc90) from
// MeterMinValue (0) to MeterMaxValue (1), linear or Logarithmic, with
// MeterNrTicks intervals (3, 2..21), labels of MeterDecPlaces decimals (1,
// 0..4), short ticks and the scale arc in ColorScale (navy); optional
// background bands (ScaleBkVisible) for the low, normal and high ranges
// split at ThresholdLow and ThresholdHigh, a ring ScaleBkWidth percent of the
// radius wide; a Caption in FontCaption inside the dial; a needle showing
// Value and a second one showing ValueSec (NeedleLayout, NeedleLayoutSec,
// the second hidden at first); two limit lamps; a cover with rims RimTop,
// RimSide and RimBottom (8, 10, 10 pixels) in ColorCover with an anchor disc
// (AnchorCovered, AnchorSize 24) or an anchor picture (AnchorImage), a dial
// background in ColorBakG (white) or a picture (BackGroundImg, filling by
// BkgndFillMode), and an outer frame (FrameStyle, fsRaised, in the line
// colours of ColorScheme). Default size 297 x 209; in a layout it may grow
// both ways.
//
// The layout parameters (scale angle A, radius R, centre CX, CY) follow the
// size and the rims: the largest radius whose arc, with 8 pixels to spare,
// fits inside the rims (see MeterLayoutGeometry). Nothing of the meter is
// drawn while R <= 0; the control then shows its plain Color.
//
// Values: Value and ValueSec are clamped into the range; each accepted change
// of Value fires exactly one of OnOverFlow (Value >= ThresholdHigh, the high
// lamp lights), OnUnderFlow (Value <= ThresholdLow, the low lamp lights) or
// OnNormalRange, when NeedleLayout is Visible; ValueSec does the same when
// NeedleLayoutSec is Visible. Both clear the lamps first. Setting a threshold
// compares it with Value: ThresholdLow >= Value lights the low lamp and fires
// OnUnderFlow, Value >= ThresholdHigh lights the high lamp and fires
// OnOverFlow. Range changes pull the values and thresholds inside without
// events. While the scale is logarithmic, range and threshold values below
// 1e-100 are ignored, and Logarithmic can only be switched on over a range
// above 1e-100. While loading, values are stored as given; Loaded then
// clamps Value and ValueSec (and the thresholds) into the range, reads the
// pictures and paints. A NaN value or range end, and an infinite range end,
// are ignored.
//
// Pictures: BackGroundImg and AnchorImage name BMP, PNG or JPEG files. A
// name of a missing file is cleared. A background picture that exists but
// cannot be read raises EInvalidGraphic and leaves the old picture and name
// in place; an anchor picture that cannot be read clears its name. Black
// pixels of the anchor picture (and transparent ones) let the meter show
// through.
//
// On a full circle (mlCirc360) the maximum end of the scale meets the
// minimum end. Its tick is the minimum's, and its label, which would be drawn
// over the minimum's, is left out (OnBeforeDrawScaleLabel is not called for
// it): the scale reads "0", not "0" and "360" on top of each other.
//
// Painting, in this order: background, bands, scale (OnBeforeDrawScaleLabel
// may change or empty each label), caption, the second needle, the first
// needle (OnBeforeDrawNeedle may draw its own and suppress the built-in
// one), rims, anchor and dial bevel, lamps, OnMeterRendered, outer frame.
// The static parts (background, bands, scale and caption) are kept in a cache
// drawn at the screen's pixel ratio and redrawn only when something they
// show changes, so a new value costs little more than the needles; while
// OnBeforeDrawScaleLabel is assigned the scale is drawn at every paint, so
// that the handler sees every label each time.
//
// The mouse: every move over the control fires OnMouseMove, then
// OnMouseMoveInMeter with the value under the pointer's direction from the
// centre (ConvertPixelToValue) and whether that direction lies on the scale.

#include "OrvMeterScale.h"
#include "OrvTNeedleLayout.h"

#include <optional>

namespace orv {

using TmtBeforeDrawScaleLabelEvent =
    std::function<void(TObject* Sender, TCanvas* Canvas, QString& CurrentTickLabel, int ChartX, int ChartY)>;
using TMeterRenderedEvent = std::function<void(TObject* Sender, TCanvas* Canvas)>;
using TBeforeDrawNeedleEvent = std::function<void(TObject* Sender, TCanvas* Canvas, bool& NeedleDrawn)>;
using TMouseMoveInMeterEvent =
    std::function<void(TObject* Sender, bool WithinRange, TShiftState Shift, double MeterValue)>;

class TMeter : public TGraphicControl {
  Q_OBJECT
  Q_PROPERTY(double Value READ Value WRITE SetValue USER true)
  Q_PROPERTY(double ValueSec READ ValueSec WRITE SetValueSec)
  Q_PROPERTY(orv::meter_enums::TMeterLayout MeterLayout READ MeterLayout WRITE SetMeterLayout)
  Q_PROPERTY(int RimTop READ RimTop WRITE SetRimTop)
  Q_PROPERTY(int RimSide READ RimSide WRITE SetRimSide)
  Q_PROPERTY(int RimBottom READ RimBottom WRITE SetRimBottom)
  Q_PROPERTY(double MeterMinValue READ MeterMinValue WRITE SetMeterMinValue)
  Q_PROPERTY(double MeterMaxValue READ MeterMaxValue WRITE SetMeterMaxValue)
  Q_PROPERTY(int MeterNrTicks READ MeterNrTicks WRITE SetMeterNrTicks)
  Q_PROPERTY(int MeterDecPlaces READ MeterDecPlaces WRITE SetMeterDecPlaces)
  Q_PROPERTY(bool MeterShortTicks READ MeterShortTicks WRITE SetMeterShortTicks)
  Q_PROPERTY(bool MeterScaleLine READ MeterScaleLine WRITE SetMeterScaleLine)
  Q_PROPERTY(bool Logarithmic READ Logarithmic WRITE SetLogarithmic)
  Q_PROPERTY(bool ScaleVisible READ ScaleVisible WRITE SetScaleVisible)
  Q_PROPERTY(bool ScaleBkVisible READ ScaleBkVisible WRITE SetScaleBkVisible)
  Q_PROPERTY(double ScaleBkWidth READ ScaleBkWidth WRITE SetScaleBkWidth)
  Q_PROPERTY(orv::TColor ColorSclBkLow READ ColorSclBkLow WRITE SetColorSclBkLow)
  Q_PROPERTY(orv::TColor ColorSclBkNorm READ ColorSclBkNorm WRITE SetColorSclBkNorm)
  Q_PROPERTY(orv::TColor ColorSclBkHigh READ ColorSclBkHigh WRITE SetColorSclBkHigh)
  Q_PROPERTY(orv::TColor ColorScale READ ColorScale WRITE SetColorScale)
  Q_PROPERTY(orv::TColor ColorBakG READ ColorBakG WRITE SetColorBakG)
  Q_PROPERTY(orv::TColor ColorCover READ ColorCover WRITE SetColorCover)
  Q_PROPERTY(orv::core_enums::TColorScheme ColorScheme READ ColorScheme WRITE SetColorScheme)
  Q_PROPERTY(orv::core_enums::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyle)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(QFont FontCaption READ FontCaptionHandle WRITE SetFontCaptionHandle)
  Q_PROPERTY(QString BackGroundImg READ BackGroundImg WRITE SetBackGroundImg)
  Q_PROPERTY(orv::core_enums::TBkgFill BkgndFillMode READ BkgndFillMode WRITE SetBkgndFillMode)
  Q_PROPERTY(bool AnchorCovered READ AnchorCovered WRITE SetAnchorCovered)
  Q_PROPERTY(int AnchorSize READ AnchorSize WRITE SetAnchorSize)
  Q_PROPERTY(QString AnchorImage READ AnchorImage WRITE SetAnchorImage)
  Q_PROPERTY(double ThresholdLow READ ThresholdLow WRITE SetThresholdLow)
  Q_PROPERTY(double ThresholdHigh READ ThresholdHigh WRITE SetThresholdHigh)
  Q_PROPERTY(bool LimWatchHighOn READ LimWatchHighOn WRITE SetLimWatchHighOn)
  Q_PROPERTY(bool LimWatchLowOn READ LimWatchLowOn WRITE SetLimWatchLowOn)
  Q_PROPERTY(orv::TColor LimWatchActColor READ LimWatchActColor WRITE SetLimWatchActColor)
  Q_PROPERTY(orv::TColor LimWatchPsvColor READ LimWatchPsvColor WRITE SetLimWatchPsvColor)

public:
  // A meter of 297 x 209 pixels with the second needle hidden.
  explicit TMeter(TOwnerArg AOwner);
  ~TMeter() override;

  // ---- values and range
  // The first needle's value, clamped into the range (range events: see above).
  double Value() const { return FValue; }
  void SetValue(double Value);
  // The second needle's value, clamped into the range.
  double ValueSec() const { return FValueSec; }
  void SetValueSec(double Value);
  // The value at the scale's minimum end; at or above the maximum it moves that to itself + 1.
  double MeterMinValue() const { return FScale.Min; }
  void SetMeterMinValue(double Value);
  // The value at the scale's maximum end; at or below the minimum it moves that below itself.
  double MeterMaxValue() const { return FScale.Max; }
  void SetMeterMaxValue(double Value);
  // Values at or below it lie in the low range and light the low lamp.
  double ThresholdLow() const { return FThresholdLow; }
  void SetThresholdLow(double Value);
  // Values at or above it lie in the high range and light the high lamp.
  double ThresholdHigh() const { return FThresholdHigh; }
  void SetThresholdHigh(double Value);
  // Whether the scale is logarithmic; it can be only over a range above 1e-100.
  bool Logarithmic() const { return FScale.Logarithmic; }
  void SetLogarithmic(bool Value);

  // ---- scale
  // The scale angle, 90 to 360 degrees; the radius and centre follow from it.
  TMeterLayout MeterLayout() const { return FMeterLayout; }
  void SetMeterLayout(TMeterLayout Value);
  // The number of intervals the tick step is chosen for.
  int MeterNrTicks() const { return FMeterNrTicks; }
  void SetMeterNrTicks(int Value);  // clamped to 2..21
  // Decimal places of the scale labels.
  int MeterDecPlaces() const { return FMeterDecPlaces; }
  void SetMeterDecPlaces(int Value);  // clamped to 0..4
  // Whether minor ticks are drawn between the major ones.
  bool MeterShortTicks() const { return FMeterShortTicks; }
  void SetMeterShortTicks(bool Value);
  // Whether the scale arc is drawn.
  bool MeterScaleLine() const { return FMeterScaleLine; }
  void SetMeterScaleLine(bool Value);
  // Whether the scale (arc, ticks and labels) is drawn.
  bool ScaleVisible() const { return FScaleVisible; }
  void SetScaleVisible(bool Value);
  // Whether the bands of the low, normal and high ranges are drawn under the scale.
  bool ScaleBkVisible() const { return FScaleBkVisible; }
  void SetScaleBkVisible(bool Value);
  // Width of the ring of bands.
  double ScaleBkWidth() const { return FScaleBkWidth; }
  void SetScaleBkWidth(double Value);  // percent of the radius, clamped to 0..100
  // Colour of the low range's band.
  TColor ColorSclBkLow() const { return FColorSclBkLow; }
  void SetColorSclBkLow(TColor Value);
  // Colour of the normal range's band.
  TColor ColorSclBkNorm() const { return FColorSclBkNorm; }
  void SetColorSclBkNorm(TColor Value);
  // Colour of the high range's band.
  TColor ColorSclBkHigh() const { return FColorSclBkHigh; }
  void SetColorSclBkHigh(TColor Value);
  // Colour of the scale arc and ticks; the labels take the control's font colour.
  TColor ColorScale() const { return FColorScale; }
  void SetColorScale(TColor Value);
  // Text drawn in the dial, centred a third of the radius above the centre.
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& Value);
  // The caption's font; setting copies the given font.
  TFont* FontCaption() { return &FFontCaption; }
  // Copies the given font into the caption's font.
  void SetFontCaption(TFont* Value);

  // ---- dial and cover
  // Height of the cover's top rim in pixels.
  int RimTop() const { return FRimTop; }
  void SetRimTop(int Value);
  // Width of each of the cover's side rims in pixels.
  int RimSide() const { return FRimSide; }
  void SetRimSide(int Value);
  // Height of the cover's bottom rim in pixels.
  int RimBottom() const { return FRimBottom; }
  void SetRimBottom(int Value);
  // Colour of the dial when it shows no picture.
  TColor ColorBakG() const { return FColorBakG; }
  void SetColorBakG(TColor Value);
  // Colour of the rims and the anchor disc.
  TColor ColorCover() const { return FColorCover; }
  void SetColorCover(TColor Value);
  // Colours of the bevel and frame lines: fixed white and grey, or the system's.
  TColorScheme ColorScheme() const { return FColorScheme; }
  void SetColorScheme(TColorScheme Value);
  // Style of the outer frame.
  TFrameStyle FrameStyle() const { return FFrameStyle; }
  void SetFrameStyle(TFrameStyle Value);
  // File of the dial's background picture; empty for the plain ColorBakG.
  QString BackGroundImg() const { return FBackGroundImg; }
  void SetBackGroundImg(const QString& Value);
  // How the background picture fills the control: natural size, stretched or tiled.
  TBkgFill BkgndFillMode() const { return FBkgndFillMode; }
  void SetBkgndFillMode(TBkgFill Value);
  // Whether the needles' anchor is covered: by the anchor picture, or else by a disc.
  bool AnchorCovered() const { return FAnchorCovered; }
  void SetAnchorCovered(bool Value);
  // Radius of the anchor disc in pixels.
  int AnchorSize() const { return FAnchorSize; }
  void SetAnchorSize(int Value);
  // File of the anchor picture drawn over the centre instead of the disc.
  QString AnchorImage() const { return FAnchorImage; }
  void SetAnchorImage(const QString& Value);

  // ---- needles and lamps
  // The look of the first needle, which shows Value.
  TNeedleLayout* NeedleLayout() { return &FNeedleLayout; }
  void SetNeedleLayout(TNeedleLayout* Value);  // copies the settings
  // The look of the second needle, which shows ValueSec.
  TNeedleLayout* NeedleLayoutSec() { return &FNeedleLayoutSec; }
  // Copies the settings of the given layout into the second needle's.
  void SetNeedleLayoutSec(TNeedleLayout* Value);
  // Whether the high limit lamp is shown.
  bool LimWatchHighOn() const { return FLimWatchHighOn; }
  void SetLimWatchHighOn(bool Value);
  // Whether the low limit lamp is shown.
  bool LimWatchLowOn() const { return FLimWatchLowOn; }
  void SetLimWatchLowOn(bool Value);
  // Colour of a lit lamp.
  TColor LimWatchActColor() const { return FLimWatchActColor; }
  void SetLimWatchActColor(TColor Value);
  // Colour of an unlit lamp.
  TColor LimWatchPsvColor() const { return FLimWatchPsvColor; }
  void SetLimWatchPsvColor(TColor Value);

  // ---- events
  // Fires before each scale label is drawn, with its text (to change or empty) and top left corner.
  TmtBeforeDrawScaleLabelEvent OnBeforeDrawScaleLabel;
  // Fires after needles, cover and lamps are drawn, before the outer frame.
  TMeterRenderedEvent OnMeterRendered;
  // Fires before the first needle is drawn; setting NeedleDrawn suppresses the built-in one.
  TBeforeDrawNeedleEvent OnBeforeDrawNeedle;
  // Fires at each mouse move with the value under the pointer's direction (see above).
  TMouseMoveInMeterEvent OnMouseMoveInMeter;
  // Fires when a new value lies in the high range, or a new ThresholdHigh puts Value in it.
  TNotifyEvent OnOverFlow;
  // Fires when a new value lies in the low range, or a new ThresholdLow puts Value in it.
  TNotifyEvent OnUnderFlow;
  // Fires when a new value lies between the thresholds.
  TNotifyEvent OnNormalRange;

  // ---- value and pixel conversions
  // The needle direction of a value (clamped into the range) in degrees
  // clockwise from straight down: 180 - A/2 + A * fraction.
  double CalcNeedleAngle(double value) const;
  // The point at the value's angle, pctradius percent of the scale radius
  // from the centre.
  void ConvertToPixelCoords(double value, double pctradius, int& X, int& Y) const;
  // The value under the direction of the client point (XPos, YPos) seen from
  // the centre; false (and MeterValue 0) when the direction is off the scale.
  // The distance from the centre plays no part.
  bool ConvertPixelToValue(int XPos, int YPos, double& MeterValue) const;

  // ---- geometry, shared by painting, the mouse and tests
  // Layout parameters A, R, CX, CY for the present size and rims.
  const TMeterGeometry& Geometry() const { return FGeometry; }
  // The scale's range and kind.
  const TMeterScale& Scale() const { return FScale; }
  // Drawing angle of a value, not clamped: A/2 + 90 - A * fraction.
  double ValueAngle(double V) const { return FGeometry.AngleOf(FScale.Fraction(V)); }
  // The ticks and labels the scale draws. On a full circle a label that
  // would fall on the first one (the maximum on the minimum) is left out.
  TScaleMarks Marks() const;
  // A tick of Length pixels at value V: from radius R inwards (the end point
  // itself is not drawn).
  std::pair<TPoint, TPoint> TickLine(double V, int Length) const;
  // The centre of the label of V, inset by half the size of the widest label
  // (MaxWidth x MaxHeight, the label of MeterMaxValue) plus 15 pixels.
  TPoint LabelCenter(double V, int MaxWidth, int MaxHeight) const;
  // The needle's outline for a value: barb, tip, barb, head-shaft joint,
  // shaft foot, shaft foot, head-shaft joint.
  QList<TPoint> NeedlePolygon(double V, const TNeedleLayout& Layout) const;
  // The lamp of the high (top right) or low (top left) limit.
  TRect LampRect(bool High) const;

  // The smallest size that leaves a radius of at least one pixel in every layout.
  QSize minimumSizeHint() const override;
  void Paint() override;

protected:
  void Loaded() override;
  void Resize() override;
  // Fires OnMouseMove, then OnMouseMoveInMeter.
  void MouseMove(TShiftState Shift, int X, int Y) override;
  // Fires OnOverFlow.
  void DoOverFlowEvent();
  // Fires OnUnderFlow.
  void DoUnderFlowEvent();
  // Fires OnNormalRange.
  void DoNormalRangeEvent();
  // Fires OnMouseMoveInMeter.
  void MouseMoveInMeter(bool WithinRange, TShiftState Shift, double MeterValue);

private:
  // The caption font's face, size and style, as forms store them.
  QFont FontCaptionHandle() const { return FFontCaption.Handle(); }
  void SetFontCaptionHandle(const QFont& Value) { FFontCaption.SetHandle(Value); }

  // A paint is made of three cached layers and what changes with the
  // values. The dial (background, bands, scale, caption) lies under the
  // needles, the cover (rims, anchor, dial bevel) over them on a transparent
  // layer, and the frame is the two combined, the picture without needles.
  // Each layer is drawn again when the key of what it shows changes.
  struct TDialKey {
    QSize Size;
    qreal Ratio = 1;
    TMeterGeometry Geometry;
    TMeterScale Scale;
    int NrTicks = 0, DecPlaces = 0;
    bool ShortTicks = false, ScaleLine = false, ScaleVisible = false, BandsVisible = false;
    double BandWidth = 0, ThresholdLow = 0, ThresholdHigh = 0;
    TColor BakG = 0, ScaleColor = 0, BandLow = 0, BandNorm = 0, BandHigh = 0, FontColor = 0, CaptionColor = 0;
    QString Caption;
    QFont Font, CaptionFont;
    int FontOrientation = 0, CaptionOrientation = 0;
    QString Picture;
    int PictureGeneration = 0;
    TBkgFill FillMode = bfNatural;
    bool LabelHandler = false;  // labels as a handler changed them
    bool operator==(const TDialKey&) const = default;
  };
  struct TCoverKey {
    QSize Size;
    qreal Ratio = 1;
    TMeterGeometry Geometry;
    TMeterLayout Layout = mlCirc90;
    int RimTop = 0, RimSide = 0, RimBottom = 0, AnchorSize = 0;
    TColor Cover = 0, WhiteLine = 0, GrayLine = 0;
    bool AnchorCovered = false;
    QString AnchorImage;
    int AnchorGeneration = 0;
    bool operator==(const TCoverKey&) const = default;
  };
  // What a paint draws anew over the layers besides the needles.
  struct TLiveKey {
    TFrameStyle Frame = fsNone;
    TColor WhiteLine = 0, GrayLine = 0, BakG = 0;
    bool HighLamp = false, LowLamp = false;
    bool Rendered = false;  // OnMeterRendered drew over everything
    bool operator==(const TLiveKey&) const = default;
  };
  // The last paint: the surface as it left it, where its needles were, and
  // what it drew over them. A paint that finds the surface untouched since
  // then and only the needles moved redraws where they were and are.
  struct TLastPaint {
    qint64 Surface = 0;
    TRect Needles;
    TLiveKey Live;
  };
  TDialKey DialKey(qreal Ratio);
  TCoverKey CoverKey(qreal Ratio) const;
  TLiveKey LiveKey() const;
  // Redraws the layers whose keys changed; true when any was.
  bool UpdateLayers(qreal Ratio);
  // The pixels the needles (with their shadows) may cover.
  TRect NeedleBounds() const;

  // Stores a changed value and repaints.
  template <class T>
  void Store(T& Field, T Value) {
    if (Value == Field) return;
    Field = Value;
    Paint();
  }
  void RecomputeLayout();
  void SetRim(int& Field, int Value);
  bool Loading() const { return ComponentState().Contains(csLoading); }
  // The range rules of the value setters: clamp, clear the lamps, fire one
  // range event when Layout is visible.
  bool AcceptValue(double& Field, double Value, const TNeedleLayout& Layout);
  void ClampSettings();
  bool LoadAnchor(const QString& FileName);

  // Painting, in pipeline order.
  void PaintDial(TCanvas* c);
  void PaintBackground(TCanvas* c);
  void PaintBands(TCanvas* c);
  void PaintScale(TCanvas* c);
  void PaintCaption(TCanvas* c);
  void PaintNeedle(TCanvas* c, double V, const TNeedleLayout& Layout);
  void PaintRims(TCanvas* c);
  void PaintAnchor(TCanvas* c);
  void PaintDialBevel(TCanvas* c);
  void PaintLamp(TCanvas* c, bool High, bool Lit);
  void PaintFrame(TCanvas* c);

  TMeterLayout FMeterLayout = mlCirc90;
  TMeterGeometry FGeometry;
  TMeterScale FScale;
  int FRimTop = 8, FRimSide = 10, FRimBottom = 10;
  int FMeterNrTicks = 3, FMeterDecPlaces = 1;
  bool FMeterShortTicks = true, FMeterScaleLine = true, FScaleVisible = true, FScaleBkVisible = false;
  double FScaleBkWidth = 0;
  TColor FColorSclBkLow = clLime, FColorSclBkNorm = RGB(255, 128, 0), FColorSclBkHigh = clRed;
  TColor FColorScale = clNavy, FColorBakG = clWhite, FColorCover = clBtnFace;
  TColorScheme FColorScheme = csFixedColors;
  TColor FColWhiteLine = clWhite, FColGrayLine = clGray;
  TFrameStyle FFrameStyle = fsRaised;
  QString FCaption;
  TFont FFontCaption;
  QString FBackGroundImg;
  TBkgFill FBkgndFillMode = bfNatural;
  bool FAnchorCovered = true;
  int FAnchorSize = 24;
  QString FAnchorImage;
  TBitmap FBackGround{10, 10}, FAnchorBitmap{10, 10}, FAnchorMask{10, 10};
  int FPictureGeneration = 0, FAnchorGeneration = 0;

  double FValue = 0, FValueSec = 0, FThresholdLow = 0, FThresholdHigh = 1;
  bool FLimWatchHighOn = true, FLimWatchLowOn = true;
  TColor FLimWatchActColor = clRed, FLimWatchPsvColor = clGray;
  bool FOFL = false, FUFL = false;
  TNeedleLayout FNeedleLayout, FNeedleLayoutSec;

  TBitmap FDial, FCover, FFrame;
  std::optional<TDialKey> FDialKey;
  std::optional<TCoverKey> FCoverKey;
  std::optional<TLastPaint> FLastPaint;
};

}  // namespace orv
