// TMeter: the painting pipeline over its cached layers.
#include "OrvTMeter.h"

namespace orv {

namespace {

// A layer of the control's size at the surface's pixel ratio, cleared to
// Fill, on a fresh canvas.
TCanvas* Fresh(TBitmap& Layer, QSize Size, qreal Ratio, QImage::Format Format, QRgb Fill) {
  QImage image(std::max(1, int(std::ceil(Size.width() * Ratio))), std::max(1, int(std::ceil(Size.height() * Ratio))),
               Format);
  image.setDevicePixelRatio(Ratio);
  image.fill(Fill);
  Layer.SetImage(image);
  Layer.Canvas()->Reset();
  return Layer.Canvas();
}

// Lays the pixels of Layer within R over the canvas, where the layer is not
// transparent (both at the same pixel ratio).
void Overlay(TCanvas* c, TBitmap& Layer, const TRect& R) {
  const QImage& image = Layer.Image();
  const qreal r = image.devicePixelRatio();
  c->Painter()->drawImage(QRectF(QRect(R)), image, QRectF(R.Left * r, R.Top * r, R.Width() * r, R.Height() * r));
}

}  // namespace

TMeter::TDialKey TMeter::DialKey(qreal Ratio) {
  TDialKey k;
  k.Size = size();
  k.Ratio = Ratio;
  k.Geometry = FGeometry;
  k.Scale = FScale;
  k.NrTicks = FMeterNrTicks;
  k.DecPlaces = FMeterDecPlaces;
  k.ShortTicks = FMeterShortTicks;
  k.ScaleLine = FMeterScaleLine;
  k.ScaleVisible = FScaleVisible;
  k.BandsVisible = FScaleBkVisible;
  k.BandWidth = FScaleBkWidth;
  k.ThresholdLow = FThresholdLow;
  k.ThresholdHigh = FThresholdHigh;
  // Resolved colours: a system colour may follow the desktop's palette.
  k.BakG = ColorToRGB(FColorBakG);
  k.ScaleColor = ColorToRGB(FColorScale);
  k.BandLow = ColorToRGB(FColorSclBkLow);
  k.BandNorm = ColorToRGB(FColorSclBkNorm);
  k.BandHigh = ColorToRGB(FColorSclBkHigh);
  k.FontColor = ColorToRGB(Font()->Color());
  k.CaptionColor = ColorToRGB(FFontCaption.Color());
  k.Caption = FCaption;
  k.Font = Font()->Handle();
  k.CaptionFont = FFontCaption.Handle();
  k.FontOrientation = Font()->Orientation();
  k.CaptionOrientation = FFontCaption.Orientation();
  k.Picture = FBackGroundImg;
  k.PictureGeneration = FPictureGeneration;
  k.FillMode = FBkgndFillMode;
  k.LabelHandler = bool(OnBeforeDrawScaleLabel);
  return k;
}

TMeter::TCoverKey TMeter::CoverKey(qreal Ratio) const {
  TCoverKey k;
  k.Size = size();
  k.Ratio = Ratio;
  k.Geometry = FGeometry;
  k.Layout = FMeterLayout;
  k.RimTop = FRimTop;
  k.RimSide = FRimSide;
  k.RimBottom = FRimBottom;
  k.AnchorSize = FAnchorSize;
  k.Cover = ColorToRGB(FColorCover);
  k.WhiteLine = ColorToRGB(FColWhiteLine);
  k.GrayLine = ColorToRGB(FColGrayLine);
  k.AnchorCovered = FAnchorCovered;
  k.AnchorImage = FAnchorImage;
  k.AnchorGeneration = FAnchorGeneration;
  return k;
}

TMeter::TLiveKey TMeter::LiveKey() const {
  return {FFrameStyle,     ColorToRGB(FColWhiteLine), ColorToRGB(FColGrayLine), ColorToRGB(FColorBakG),
          FLimWatchHighOn, FLimWatchLowOn,           bool(OnMeterRendered)};
}

bool TMeter::UpdateLayers(qreal Ratio) {
  bool changed = false;
  // A label handler sees every label at every paint.
  TDialKey dial = DialKey(Ratio);
  if (!FDialKey || !(*FDialKey == dial) || OnBeforeDrawScaleLabel) {
    TCanvas* c = Fresh(FDial, size(), Ratio, QImage::Format_RGB32, qRgb(255, 255, 255));
    PaintDial(c);
    FDialKey = std::move(dial);
    changed = true;
  }
  TCoverKey cover = CoverKey(Ratio);
  if (!FCoverKey || !(*FCoverKey == cover)) {
    TCanvas* c = Fresh(FCover, size(), Ratio, QImage::Format_ARGB32_Premultiplied, 0);
    PaintRims(c);
    PaintAnchor(c);
    FCoverKey = std::move(cover);
    changed = true;
  }
  if (changed) {
    FFrame.Assign(&FDial);
    FFrame.Canvas()->Reset();
    Overlay(FFrame.Canvas(), FCover, ClientRect());
  }
  return changed;
}

void TMeter::Paint() {
  if (!StartPaint()) return;
  TCanvas* c = Canvas();
  if (FGeometry.Radius <= 0) {
    FLastPaint.reset();
    TGraphicControl::Paint();  // too small for its rims: the plain Color
    return;
  }
  const bool rebuilt = UpdateLayers(c->Image()->devicePixelRatio());
  const TLiveKey live = LiveKey();
  // A needle handler may draw anywhere.
  const TRect needles = OnBeforeDrawNeedle ? ClientRect() : NeedleBounds();
  // Where the needles go (and went), the dial, the needles and the cover
  // over them; elsewhere the picture without needles, or what the last
  // paint left when only the needles moved since.
  TRect redraw = needles;
  if (!rebuilt && FLastPaint && FLastPaint->Surface == c->Image()->cacheKey() && FLastPaint->Live == live &&
      !OnMeterRendered) {
    redraw = TRect(QRect(FLastPaint->Needles) | QRect(needles));
  } else {
    c->Draw(0, 0, &FFrame);
  }
  c->CopyRect(redraw, FDial.Canvas(), redraw);
  if (FNeedleLayoutSec.Visible()) PaintNeedle(c, FValueSec, FNeedleLayoutSec);
  bool drawn = false;
  if (OnBeforeDrawNeedle) OnBeforeDrawNeedle(this, c, drawn);
  if (!drawn) PaintNeedle(c, FValue, FNeedleLayout);
  Overlay(c, FCover, redraw);
  if (FLimWatchHighOn) PaintLamp(c, true, FOFL);
  if (FLimWatchLowOn) PaintLamp(c, false, FUFL);
  if (OnMeterRendered) OnMeterRendered(this, c);
  PaintFrame(c);
  // Closed, so that any later drawing on the surface changes its key.
  c->Flush();
  FLastPaint = TLastPaint{c->Image()->cacheKey(), needles, live};
}

}  // namespace orv
