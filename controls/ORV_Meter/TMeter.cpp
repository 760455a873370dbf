// TMeter: construction, the scale and cover properties, pictures and loading.
#include "OrvTMeter.h"

#include <QFileInfo>

#include <algorithm>

namespace orv {

TMeter::TMeter(TOwnerArg AOwner) : TGraphicControl(AOwner) {
  FFontCaption.Assign(Font());
  FFontCaption.OnChange = [this](TObject*) { Paint(); };
  FNeedleLayoutSec.SetVisible(false);
  FNeedleLayout.OnChange = [this](TObject*) { Paint(); };
  FNeedleLayoutSec.OnChange = [this](TObject*) { Paint(); };
  SetInitialSize(297, 209);
  RecomputeLayout();
}

TMeter::~TMeter() {
  FFontCaption.OnChange = nullptr;
  FNeedleLayout.OnChange = nullptr;
  FNeedleLayoutSec.OnChange = nullptr;
}

// ------------------------------------------------------------------ layout

void TMeter::RecomputeLayout() {
  FGeometry = MeterLayoutGeometry(FMeterLayout, Width(), Height(), FRimTop, FRimSide, FRimBottom);
}

void TMeter::Resize() {
  RecomputeLayout();
  TGraphicControl::Resize();
}

QSize TMeter::minimumSizeHint() const {
  // A radius of at least one pixel in every layout.
  return QSize(2 * (FRimSide + 9) + 2, FRimTop + FRimBottom + 19);
}

void TMeter::SetMeterLayout(TMeterLayout Value) {
  if (Value == FMeterLayout) return;
  FMeterLayout = Value;
  RecomputeLayout();
  Paint();
}

void TMeter::SetRim(int& Field, int Value) {
  if (Value == Field) return;
  Field = Value;
  RecomputeLayout();
  updateGeometry();
  Paint();
}

void TMeter::SetRimTop(int Value) { SetRim(FRimTop, Value); }
void TMeter::SetRimSide(int Value) { SetRim(FRimSide, Value); }
void TMeter::SetRimBottom(int Value) { SetRim(FRimBottom, Value); }

// ------------------------------------------------------------------ scale

void TMeter::SetMeterNrTicks(int Value) { Store(FMeterNrTicks, std::clamp(Value, 2, 21)); }
void TMeter::SetMeterDecPlaces(int Value) { Store(FMeterDecPlaces, std::clamp(Value, 0, 4)); }
void TMeter::SetMeterShortTicks(bool Value) { Store(FMeterShortTicks, Value); }
void TMeter::SetMeterScaleLine(bool Value) { Store(FMeterScaleLine, Value); }

void TMeter::SetScaleVisible(bool Value) {
  FScaleVisible = Value;
  Paint();
}

void TMeter::SetScaleBkVisible(bool Value) {
  FScaleBkVisible = Value;
  Paint();
}

void TMeter::SetScaleBkWidth(double Value) {
  if (!std::isnan(Value)) FScaleBkWidth = std::clamp(Value, 0.0, 100.0);
  Paint();
}

void TMeter::SetColorSclBkLow(TColor Value) { Store(FColorSclBkLow, Value); }
void TMeter::SetColorSclBkNorm(TColor Value) { Store(FColorSclBkNorm, Value); }
void TMeter::SetColorSclBkHigh(TColor Value) { Store(FColorSclBkHigh, Value); }
void TMeter::SetColorScale(TColor Value) { Store(FColorScale, Value); }

void TMeter::SetCaption(const QString& Value) {
  FCaption = Value;
  Paint();
}

void TMeter::SetFontCaption(TFont* Value) {
  if (Value) FFontCaption.Assign(Value);  // repaints through OnChange
}

// ------------------------------------------------------------------ dial and cover

void TMeter::SetColorBakG(TColor Value) { Store(FColorBakG, Value); }
void TMeter::SetColorCover(TColor Value) { Store(FColorCover, Value); }

void TMeter::SetColorScheme(TColorScheme Value) {
  if (Value == FColorScheme) return;
  FColorScheme = Value;
  FColWhiteLine = Value == csFixedColors ? clWhite : clBtnHighlight;
  FColGrayLine = Value == csFixedColors ? clGray : clBtnShadow;
  Paint();
}

void TMeter::SetFrameStyle(TFrameStyle Value) { Store(FFrameStyle, Value); }

void TMeter::SetBkgndFillMode(TBkgFill Value) {
  FBkgndFillMode = Value;
  Paint();
}

void TMeter::SetAnchorCovered(bool Value) { Store(FAnchorCovered, Value); }
void TMeter::SetAnchorSize(int Value) { Store(FAnchorSize, Value); }

// ------------------------------------------------------------------ pictures

void TMeter::SetBackGroundImg(const QString& Value) {
  if (Value == FBackGroundImg) return;
  if (Loading()) {  // read by Loaded
    FBackGroundImg = Value;
    return;
  }
  if (QFileInfo(Value).isFile()) {
    // Read into a scratch bitmap: a file that cannot be read raises and
    // leaves the old picture and name in place.
    TBitmap picture;
    picture.LoadFromFile(Value);
    FBackGround.Assign(&picture);
    ++FPictureGeneration;
    FBackGroundImg = Value;
  } else {
    FBackGroundImg.clear();
  }
  Paint();
}

void TMeter::SetAnchorImage(const QString& Value) {
  if (Value == FAnchorImage) return;
  if (Loading()) {  // read by Loaded
    FAnchorImage = Value;
    return;
  }
  FAnchorImage = QFileInfo(Value).isFile() && LoadAnchor(Value) ? Value : QString();
  Paint();
}

// The anchor picture and its mask from one file: the mask is white where the
// picture is black (or transparent) and black elsewhere, so that drawing the
// mask with AND and then the picture with OR lets the dial show through the
// picture's black pixels.
bool TMeter::LoadAnchor(const QString& FileName) {
  TBitmap picture, mask;
  try {
    picture.LoadFromFile(FileName);
    mask.LoadFromFile(FileName);
  } catch (const EInvalidGraphic&) {
    return false;
  }
  mask.Mask(clBlack);
  FAnchorBitmap.Assign(&picture);
  FAnchorMask.Assign(&mask);
  ++FAnchorGeneration;
  return true;
}

void TMeter::Loaded() {
  TGraphicControl::Loaded();
  ClampSettings();
  if (!FBackGroundImg.isEmpty()) {
    try {
      FBackGround.LoadFromFile(FBackGroundImg);
      ++FPictureGeneration;
    } catch (const EInvalidGraphic&) {
      FBackGroundImg.clear();
    }
  }
  if (!FAnchorImage.isEmpty() && !LoadAnchor(FAnchorImage)) FAnchorImage.clear();
  Paint();
}

}  // namespace orv
