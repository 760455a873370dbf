#pragma once
// TProgBar: a progress bar showing Value between Min and Max.
//
// The bar grows inside the inner area (the control less MarginLeft/Top/Right/
// Bottom, 4 each) in Direction (default dirRight; dirUp from the bottom,
// dirDown from the top, dirLeft from the right). It is filled in ColorMin
// (blue), or with ShowColorGradient from a 1024-entry colour table running
// from ColorMin to ColorMax (red) in one of three ColorMapMode mappings:
// cgmCover (the gradient is fixed to the inner area and the bar uncovers it),
// cgmStretch (default: the whole gradient squeezed into the bar) and cgmMove
// (the gradient fixed to the bar's tip, which always shows ColorMax); in every
// direction ColorMin lies at the bar's origin. SetBarColorElem writes single
// table entries. Value is not clamped: a value beyond Max overshoots the inner
// area, one below Min (or Max equal to Min) draws no bar.
//
// Around the inner area FrameStyleInner (sunken), around the control
// FrameStyleOuter (raised), in the ColorScheme's line colours; GridDist > 1
// draws grid lines in ColorGrid over the bar; BackGroundImg names a BMP, PNG
// or JPEG picture stretched over the inner area. The value text (TextVisible)
// is formatted with TextDecPlaces decimals (0..10; -1 scientific with a
// two-digit exponent, -2 with a four-digit exponent; mantissas carry three
// decimals), may be changed by OnShowValue, and is drawn in Font turned by
// TextAngle degrees about the anchor (TextPosX, TextPosY), which lies at the
// middle of its left edge, centre or right edge (TextAlignment).
//
// AutoInc adds AutoIncStep to Value after StartInterval ms and then every
// RepeatInterval ms, firing OnAutoInc after each step; it raises EORVProgBar
// when no timer is available, and AutoInc then stays false. Default size
// 300 x 28.
//
// In a layout a bar keeps its natural thickness and may grow along its
// Direction: 300 x 28 for a bar that grows sideways, 28 x 300 for one that
// grows up or down. It needs at least its margins and one pixel.
//
// \image html progress_gradients.png "Progress bars and gradients in the gallery"

#include <orvcore.h>
#include <orvplatform.h>

#include <array>

namespace orv {

namespace progbar_enums {
Q_NAMESPACE
enum TColorMapping { cgmCover, cgmStretch, cgmMove };
Q_ENUM_NS(TColorMapping)
}  // namespace progbar_enums
using namespace progbar_enums;

class EORVProgBar : public EORVError {
public:
  using EORVError::EORVError;
};

using TBeforeShowValueEvent = std::function<void(TObject* Sender, QString& ValueText)>;

class TProgBar : public TGraphicControl {
  Q_OBJECT
  Q_PROPERTY(double Value READ Value WRITE SetValue)
  Q_PROPERTY(double Min READ Min WRITE SetMin)
  Q_PROPERTY(double Max READ Max WRITE SetMax)
  Q_PROPERTY(orv::core_enums::TDirection Direction READ Direction WRITE SetDirection)
  Q_PROPERTY(bool ShowColorGradient READ ShowColorGradient WRITE SetShowColorGradient)
  Q_PROPERTY(orv::progbar_enums::TColorMapping ColorMapMode READ ColorMapMode WRITE SetColorMapMode)
  Q_PROPERTY(orv::TColor ColorMin READ ColorMin WRITE SetColorMin)
  Q_PROPERTY(orv::TColor ColorMax READ ColorMax WRITE SetColorMax)
  Q_PROPERTY(orv::TColor ColorBackGnd READ ColorBackGnd WRITE SetColorBackGnd)
  Q_PROPERTY(orv::TColor ColorMargin READ ColorMargin WRITE SetColorMargin)
  Q_PROPERTY(orv::TColor ColorGrid READ ColorGrid WRITE SetColorGrid)
  Q_PROPERTY(int GridDist READ GridDist WRITE SetGridDist)
  Q_PROPERTY(int MarginLeft READ MarginLeft WRITE SetMarginLeft)
  Q_PROPERTY(int MarginRight READ MarginRight WRITE SetMarginRight)
  Q_PROPERTY(int MarginTop READ MarginTop WRITE SetMarginTop)
  Q_PROPERTY(int MarginBottom READ MarginBottom WRITE SetMarginBottom)
  Q_PROPERTY(orv::core_enums::TFrameStyle FrameStyleOuter READ FrameStyleOuter WRITE SetFrameStyleOuter)
  Q_PROPERTY(orv::core_enums::TFrameStyle FrameStyleInner READ FrameStyleInner WRITE SetFrameStyleInner)
  Q_PROPERTY(orv::core_enums::TColorScheme ColorScheme READ ColorScheme WRITE SetColorScheme)
  Q_PROPERTY(QString BackGroundImg READ BackGroundImg WRITE SetBackGroundImg)
  Q_PROPERTY(bool TextVisible READ TextVisible WRITE SetTextVisible)
  Q_PROPERTY(int TextPosX READ TextPosX WRITE SetTextPosX)
  Q_PROPERTY(int TextPosY READ TextPosY WRITE SetTextPosY)
  Q_PROPERTY(orv::platform_enums::TAlignment TextAlignment READ TextAlignment WRITE SetTextAlignment)
  Q_PROPERTY(int TextAngle READ TextAngle WRITE SetTextAngle)
  Q_PROPERTY(int TextDecPlaces READ TextDecPlaces WRITE SetTextDecPlaces)
  Q_PROPERTY(bool AutoInc READ AutoInc WRITE SetAutoInc)
  Q_PROPERTY(double AutoIncStep READ AutoIncStep WRITE SetAutoIncStep)
  Q_PROPERTY(int StartInterval READ StartInterval WRITE SetStartInterval)
  Q_PROPERTY(int RepeatInterval READ RepeatInterval WRITE SetRepeatInterval)

public:
  // Entries of the colour table.
  static constexpr int ColorTableSize = 1024;

  // A bar with the defaults above; AOwner (a component, a Qt parent widget, or null) owns it and, when it
  // is a control, is its parent.
  explicit TProgBar(TOwnerArg AOwner);
  ~TProgBar() override;

  // The value shown (10), not clamped to the range.
  double Value() const { return FValue; }
  void SetValue(double Value);
  // Start of the range (0), not checked against Max.
  double Min() const { return FMin; }
  void SetMin(double Value);
  // End of the range (100), not checked against Min.
  double Max() const { return FMax; }
  void SetMax(double Value);
  // The smaller of the two becomes Min, the other Max.
  void SetRange(double min, double max);
  // The way the bar grows (dirRight).
  TDirection Direction() const { return FDirection; }
  void SetDirection(TDirection Value);

  // Fills the bar from the colour table instead of ColorMin.
  bool ShowColorGradient() const { return FShowColorGradient; }
  void SetShowColorGradient(bool Value);
  // How the colour table maps onto the bar (cgmStretch).
  TColorMapping ColorMapMode() const { return FColorMapMode; }
  void SetColorMapMode(TColorMapping Value);
  // The table's ends; setting either recomputes the entries between them.
  TColor ColorMin() const { return FColorMin; }
  void SetColorMin(TColor Value);
  // Entry 1023 of the colour table (red).
  TColor ColorMax() const { return FColorMax; }
  void SetColorMax(TColor Value);
  // One entry of the colour table (0..1023), read without repainting; other
  // indexes read black.
  TColor GetBarColorElem(int ix) const;
  // Writes one entry of the colour table (0..1023) without repainting; other
  // indexes are ignored.
  void SetBarColorElem(int ix, TColor value);

  // Background of the inner area (silver).
  TColor ColorBackGnd() const { return FColorBackGnd; }
  void SetColorBackGnd(TColor Value);
  // Colour of the margins around the inner area (silver).
  TColor ColorMargin() const { return FColorMargin; }
  void SetColorMargin(TColor Value);
  // Colour of the grid lines (black).
  TColor ColorGrid() const { return FColorGrid; }
  void SetColorGrid(TColor Value);
  // Grid spacing in pixels; a grid is drawn above 1 (0).
  int GridDist() const { return FGridDist; }
  void SetGridDist(int Value);

  // Margin left of the inner area (4).
  int MarginLeft() const { return FMarginLeft; }
  void SetMarginLeft(int Value);
  // Margin right of the inner area (4).
  int MarginRight() const { return FMarginRight; }
  void SetMarginRight(int Value);
  // Margin above the inner area (4).
  int MarginTop() const { return FMarginTop; }
  void SetMarginTop(int Value);
  // Margin below the inner area (4).
  int MarginBottom() const { return FMarginBottom; }
  void SetMarginBottom(int Value);

  // Frame around the control (fsRaised).
  TFrameStyle FrameStyleOuter() const { return FFrameStyleOuter; }
  void SetFrameStyleOuter(TFrameStyle Value);
  // Frame around the inner area (fsSunken).
  TFrameStyle FrameStyleInner() const { return FFrameStyleInner; }
  void SetFrameStyleInner(TFrameStyle Value);
  // csFixedColors: white and grey frame lines; otherwise the system
  // button-highlight and button-shadow colours.
  TColorScheme ColorScheme() const { return FColorScheme; }
  void SetColorScheme(TColorScheme Value);

  // A picture file stretched over the inner area; a name that cannot be
  // loaded is ignored (the old picture and name stay), an empty one clears it.
  QString BackGroundImg() const { return FBackGroundImg; }
  void SetBackGroundImg(const QString& Value);

  // Prints the value over the bar (true).
  bool TextVisible() const { return FTextVisible; }
  void SetTextVisible(bool Value);
  // x of the text's anchor (14), 0..Width.
  int TextPosX() const { return FTextPosX; }
  void SetTextPosX(int Value);  // clamped to 0..Width
  // y of the text's anchor (14), 0..Height.
  int TextPosY() const { return FTextPosY; }
  void SetTextPosY(int Value);  // clamped to 0..Height
  // Which point of the text lies at the anchor (taCenter).
  TAlignment TextAlignment() const { return FTextAlignment; }
  void SetTextAlignment(TAlignment Value);
  // Rotation of the text in degrees, counter-clockwise, 0..360.
  int TextAngle() const { return FTextAngle; }
  void SetTextAngle(int Value);  // degrees counter-clockwise, clamped to 0..360
  // Decimals of the value text, 0..10; -1 and -2 scientific notation.
  int TextDecPlaces() const { return FTextDecPlaces; }
  void SetTextDecPlaces(int Value);  // clamped to -2..10

  // Advances Value on a timer (see the class comment).
  bool AutoInc() const { return FAutoInc; }
  void SetAutoInc(bool Value);
  // Added to Value per step (1); 0 is ignored.
  double AutoIncStep() const { return FAutoIncStep; }
  void SetAutoIncStep(double Value);  // 0 is ignored
  // Delay before the first step in ms (1500), at least 10.
  int StartInterval() const { return FStartInterval; }
  void SetStartInterval(int Value);  // at least 10 ms
  // Interval of the following steps in ms (700), at least 10.
  int RepeatInterval() const { return FRepeatInterval; }
  void SetRepeatInterval(int Value);  // at least 10 ms

  // After each automatic step.
  TNotifyEvent OnAutoInc;
  // Sees the value text before it is drawn and may change it.
  TBeforeShowValueEvent OnShowValue;

  // ---- geometry, shared by painting and tests
  // The control less the margins.
  TRect InnerRect() const;
  // The bar's length in pixels along Direction: round(extent * fraction);
  // zero or negative when there is no bar.
  int BarLength() const;
  // The bar's rectangle (empty when there is no bar; may reach beyond the
  // inner area).
  TRect BarRect() const;
  // Colour table index of the bar's f-th pixel line from its origin, for a
  // bar of Length lines in an inner area of Extent lines.
  int ColorIndex(int f, int Length, int Extent) const;
  // The value as text, before OnShowValue.
  QString ValueText() const;
  // Top-left point of a value text of the given size, turned by TextAngle.
  TPoint TextOrigin(int TextWidth, int TextHeight) const;

  // The natural size, turned for a bar that grows up or down.
  QSize sizeHint() const override;
  // The margins and one pixel of bar.
  QSize minimumSizeHint() const override;

  void Assign(TPersistent* Source) override;
  void Paint() override;

protected:
  void AssignTo(TPersistent* Dest) override;
  // One timer tick: re-arms the timer after the first, then AutoIncEvent and
  // OnAutoInc.
  virtual void DoTimer();
  // Adds AutoIncStep to Value and repaints.
  void AutoIncEvent();

private:
  void FillColorTable();
  // The size policy: a bar grows along its direction only.
  void FollowDirection();
  void SetMargin(int& Field, int Value);
  // Along Direction: the pixel line of the bar's f-th line is Origin + Step * f.
  int LineOrigin() const;
  int LineStep() const;
  int FirstVisibleLine() const;
  int LastVisibleLine() const;
  bool GrowsVertically() const;
  TRect LineRect(int Pos) const;
  void PaintBar(TCanvas* c);
  void PaintGrid(TCanvas* c);
  void PaintFrame(TCanvas* c, TFrameStyle Style, const TRect& R);
  void PaintText(TCanvas* c);

  double FValue = 10, FMin = 0, FMax = 100;
  TDirection FDirection = dirRight;
  bool FShowColorGradient = false;
  TColorMapping FColorMapMode = cgmStretch;
  TColor FColorMin = clBlue, FColorMax = clRed;
  std::array<TColor, ColorTableSize> FBarColorArray{};
  TColor FColorBackGnd = clSilver, FColorMargin = clSilver, FColorGrid = clBlack;
  int FGridDist = 0;
  int FMarginLeft = 4, FMarginRight = 4, FMarginTop = 4, FMarginBottom = 4;
  TFrameStyle FFrameStyleOuter = fsRaised, FFrameStyleInner = fsSunken;
  TColorScheme FColorScheme = csFixedColors;
  TColor FColWhiteLine = clWhite, FColGrayLine = clGray, FColBlackLine = clBlack;
  QString FBackGroundImg;
  TBitmap FBackGround{10, 10};
  bool FTextVisible = true;
  int FTextPosX = 14, FTextPosY = 14;
  TAlignment FTextAlignment = taCenter;
  int FTextAngle = 0;
  int FTextDecPlaces = 0;
  bool FAutoInc = false;
  double FAutoIncStep = 1;
  int FStartInterval = 1500, FRepeatInterval = 700;
  TComponentTimer<EORVProgBar> FTimer{this, [this] { DoTimer(); }};
};

}  // namespace orv
