#pragma once
// TRasterLab: a line of text on a simulated dot-matrix display.
//
// Every character is a pattern of square dots of DotSize pixels (default 3)
// with DotSpacing pixels between them (default 1) on a raster whose pitch is
// their sum; the first character cell's top-left dot lies at (PosX, PosY)
// (default 1, 1). The glyphs come from the built-in 7 x 12 dot font (Font
// name "default", any case) or from any other Font, sampled once per font
// change into a TRDCharMatrix; SetCharMatrix installs any matrix. Proportional
// (default) advances each character by its own width plus one dot column,
// fixed pitch by the font's widest glyph.
//
// CharBlockMode: rdbmOff shows only the lit dots (ColorDotOn, default lime)
// on ColorLabBakG (default black); rdbmRaster shows the unlit dots as a dim
// raster in ColorDotOff (default dark grey); rdbmOn (default) does the same
// but blanks the dot column before and after every character, so characters
// stand in separate blocks. FrameStyle (default sunken) frames the display in
// the ColorScheme's line colours.
//
// Characters are taken in the Windows-1252 code page; one it does not hold
// shows as "?". Control characters (codes 0 to 31) have no glyph; glyphs of a
// sampled font without dots are drawn as nothing and advance by one column.
//
// ScrollMode moves the text every ScrollInterval ms (at least 10) by
// ScrollIncrement pixels (at least 1) to the left, right, down or up; with
// ScrollLoop (default) a text that has left the display starts again on the
// opposite side and OnScrollLoopRestart fires. OnScrollTimer fires after
// every step. Scrolling raises EORVRasterLabError when no timer is available
// and does not run in the form designer. AutoHeight fits the height to the
// font, AutoCenter centres the text horizontally (also after resizing).
// Default size 400 x 68. In a layout the display keeps its natural height
// (the fitted height with AutoHeight) and may grow sideways.
//
// \image html dot_matrix.png "Dot-matrix displays in the gallery"

#include "OrvTRDCharMatrix.h"

#include <orvcore.h>
#include <orvplatform.h>

namespace orv {

namespace rasterlab_enums {
Q_NAMESPACE
enum TRDBlockMode { rdbmOff, rdbmOn, rdbmRaster };
Q_ENUM_NS(TRDBlockMode)
enum TRDScrollMode { rdsmOff, rdsmLeft, rdsmRight, rdsmDown, rdsmUp };
Q_ENUM_NS(TRDScrollMode)
}  // namespace rasterlab_enums
using namespace rasterlab_enums;

class EORVRasterLabError : public EORVError {
public:
  using EORVError::EORVError;
};

class TRasterLab : public TGraphicControl {
  Q_OBJECT
  Q_PROPERTY(QString Text READ Text WRITE SetText)
  Q_PROPERTY(int DotSize READ DotSize WRITE SetDotSize)
  Q_PROPERTY(int DotSpacing READ DotSpacing WRITE SetDotSpacing)
  Q_PROPERTY(int PosX READ PosX WRITE SetPosX)
  Q_PROPERTY(int PosY READ PosY WRITE SetPosY)
  Q_PROPERTY(bool Proportional READ Proportional WRITE SetProportional)
  Q_PROPERTY(orv::rasterlab_enums::TRDBlockMode CharBlockMode READ CharBlockMode WRITE SetCharBlockMode)
  Q_PROPERTY(orv::TColor ColorDotOn READ ColorDotOn WRITE SetColorDotOn)
  Q_PROPERTY(orv::TColor ColorDotOff READ ColorDotOff WRITE SetColorDotOff)
  Q_PROPERTY(orv::TColor ColorLabBakG READ ColorLabBakG WRITE SetColorLabBakG)
  Q_PROPERTY(orv::core_enums::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyle)
  Q_PROPERTY(orv::core_enums::TColorScheme ColorScheme READ ColorScheme WRITE SetColorScheme)
  Q_PROPERTY(bool AutoHeight READ AutoHeight WRITE SetAutoHeight)
  Q_PROPERTY(bool AutoCenter READ AutoCenter WRITE SetAutoCenter)
  Q_PROPERTY(orv::rasterlab_enums::TRDScrollMode ScrollMode READ ScrollMode WRITE SetScrollMode)
  Q_PROPERTY(int ScrollInterval READ ScrollInterval WRITE SetScrollInterval)
  Q_PROPERTY(int ScrollIncrement READ ScrollIncrement WRITE SetScrollIncrement)
  Q_PROPERTY(bool ScrollLoop READ ScrollLoop WRITE SetScrollLoop)

public:
  // A display with the defaults above; AOwner (a component, a Qt parent widget, or null) owns it and,
  // when it is a control, is its parent.
  explicit TRasterLab(TOwnerArg AOwner);
  ~TRasterLab() override;

  // The text shown ("Text").
  QString Text() const { return FText; }
  void SetText(const QString& Value);
  // Edge of a dot in pixels, 1..32.
  int DotSize() const { return FDotSize; }
  void SetDotSize(int Value);  // clamped to 1..32
  // Gap between dots in pixels, 0..3.
  int DotSpacing() const { return FDotSpacing; }
  void SetDotSpacing(int Value);  // clamped to 0..3
  // x of the first character cell's top-left dot.
  int PosX() const { return FPosX; }
  void SetPosX(int Value);
  // y of the first character cell's top-left dot.
  int PosY() const { return FPosY; }
  void SetPosY(int Value);
  // Each character as wide as its glyph (true), or all as wide as the widest.
  bool Proportional() const { return FProportional; }
  void SetProportional(bool Value);
  // How unlit dots and character cells show (see the class comment).
  TRDBlockMode CharBlockMode() const { return FCharBlockMode; }
  void SetCharBlockMode(TRDBlockMode Value);
  // Colour of lit dots.
  TColor ColorDotOn() const { return FColorDotOn; }
  void SetColorDotOn(TColor Value);
  // Colour of the unlit-dot raster.
  TColor ColorDotOff() const { return FColorDotOff; }
  void SetColorDotOff(TColor Value);
  // Background and raster-gap colour.
  TColor ColorLabBakG() const { return FColorLabBakG; }
  void SetColorLabBakG(TColor Value);
  // Frame around the display (fsSunken).
  TFrameStyle FrameStyle() const { return FFrameStyle; }
  void SetFrameStyle(TFrameStyle Value);
  // csFixedColors: white and grey frame lines; otherwise the system
  // button-highlight and button-shadow colours.
  TColorScheme ColorScheme() const { return FColorScheme; }
  void SetColorScheme(TColorScheme Value);
  // Keeps the height fitted to the font's dot rows and the frame.
  bool AutoHeight() const { return FAutoHeight; }
  void SetAutoHeight(bool Value);
  // Keeps the text centred horizontally; switching it off sets PosX to 1.
  bool AutoCenter() const { return FAutoCenter; }
  void SetAutoCenter(bool Value);

  // Direction of scrolling (rdsmOff).
  TRDScrollMode ScrollMode() const { return FScrollMode; }
  void SetScrollMode(TRDScrollMode Value);
  // Time between two scroll steps in ms (100), at least 10.
  int ScrollInterval() const { return FScrollInterval; }
  void SetScrollInterval(int Value);  // at least 10 ms
  // Pixels per scroll step (1), at least 1.
  int ScrollIncrement() const { return FScrollIncrement; }
  void SetScrollIncrement(int Value);  // 0 becomes 1, negative values their absolute value
  // Starts a text that has left the display again on the opposite side (true).
  bool ScrollLoop() const { return FScrollLoop; }
  void SetScrollLoop(bool Value);
  // The scroll offset added to PosX (0 while not scrolling).
  int ScrollPosX() const { return FScrollPosX; }
  // The scroll offset added to PosY (0 while not scrolling).
  int ScrollPosY() const { return FScrollPosY; }

  // After every scroll step.
  TNotifyEvent OnScrollTimer;
  // When a looping text starts again.
  TNotifyEvent OnScrollLoopRestart;

  // The character matrix in use, and a custom one to use instead.
  const TRDCharMatrix& CharMatrix() const { return FCMat; }
  void SetCharMatrix(const TRDCharMatrix& CMat);
  // The matrix of a font: the built-in one for no font or the name
  // "default" (any case), else the font's glyphs sampled into 32 x 32 dots.
  TRDCharMatrix CreateBitFont(TFont* Font) const;

  // Pixel width of Text on the display: per character its dot columns plus
  // one gap column, times the pitch DotSize + DotSpacing.
  int CalcTextBitLength(const QString& Text) const;
  // Pixel width of the text as last painted (CalcTextBitLength + 1).
  int TextBitLength() const { return FTextBitLength; }
  // Frame thickness: 0 without a frame, 1 for the simple, sunken and raised
  // frames, 2 for the etched and bump ones.
  int FrameWidth() const;
  // The height AutoHeight gives: the frame and the font's dot rows.
  int FittedHeight() const;
  // The natural size 400 x 68, with AutoHeight the fitted height.
  QSize sizeHint() const override;
  // One character cell in the frame, the fitted height.
  QSize minimumSizeHint() const override;

  void Assign(TPersistent* Source) override;
  void Paint() override;

protected:
  void AssignTo(TPersistent* Dest) override;
  void FontChanged() override;
  void Resize() override;

  // Draws Text with its first cell at (X, Y) on any canvas; BitLength
  // receives the pixel width drawn plus one.
  void PaintString(TCanvas* Canvas, const TRDCharMatrix& CMat, int X, int Y, const QString& Text, int DotSize,
                   int DotSpacing, TColor ColOn, TColor ColOff, TColor ColBkg, TRDBlockMode BlockMode,
                   bool Proportional, int& BitLength);
  // Draws the lit dots of one character; returns its width in pixels.
  int PaintChar(TCanvas* Canvas, const TRDCharMatrix& CMat, int X, int Y, QChar Ch, int DotSize, int DotSpacing,
                TColor ColOn, TColor ColOff, TColor ColBkg, bool FixedWidth);

  // One timer tick: a scroll step, then OnScrollTimer.
  virtual void DoTimer();
  // Fires OnScrollLoopRestart.
  virtual void DoScrLoopRestart();

private:
  void UpdateTimer();
  void ScrollStep();
  void ApplyAutoHeight();
  void ApplyAutoCenter();
  void PaintRaster(TCanvas* c, const TRect& Area);
  void PaintFrame(TCanvas* c);
  int Pitch() const { return FDotSize + FDotSpacing; }

  TRDCharMatrix FCMat;
  QString FText = QStringLiteral("Text");
  int FDotSize = 3, FDotSpacing = 1;
  int FPosX = 1, FPosY = 1;
  bool FProportional = true;
  TRDBlockMode FCharBlockMode = rdbmOn;
  TColor FColorDotOn = RGB(0, 255, 0), FColorDotOff = RGB(64, 64, 64), FColorLabBakG = clBlack;
  TFrameStyle FFrameStyle = fsSunken;
  TColorScheme FColorScheme = csFixedColors;
  TColor FColWhiteLine = clWhite, FColGrayLine = clGray, FColBlackLine = clBlack;
  bool FAutoHeight = false, FAutoCenter = false;
  TRDScrollMode FScrollMode = rdsmOff;
  int FScrollInterval = 100, FScrollIncrement = 1;
  bool FScrollLoop = true;
  bool FScrTimerEnabled = false;
  int FScrollPosX = 0, FScrollPosY = 0;
  int FTextBitLength = 0;
  TComponentTimer<EORVRasterLabError> FTimer{this, [this] { DoTimer(); }};
};

}  // namespace orv
