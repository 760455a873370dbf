#pragma once
// TNumIO2: a number field drawn entirely by itself.
//
// From left to right: a left text (label), a framed input box holding the
// number as text with a caret and a selection, an optional pair of spin
// buttons, a right text (unit) and an optional freeze box that locks the
// field; an optional gauge bar runs along the bottom.
//
// Typing is checked on every keystroke against InputFormat (and
// DecPlaceSep, FixPointDecPlaces): a keystroke or paste that would leave an
// invalid buffer is refused whole, the buffer and caret stay as they were and
// the control beeps when Beep is set. Accepted partial entries are "", "-"
// and "+", plus the partial numbers the format itself accepts ("." for
// itFloat).
//
// Defaults: 160 x 28, itFloat with 2 decimals, range 0..1000, LeftSpace 35,
// TextBoxWidth 80, centred number, sunken box, no buttons, gauge or freeze box.
//
// In a layout the field keeps its natural height (the AutoSize height with
// AutoSize) and may grow sideways; it needs at least the width of its input
// box and spin buttons.
//
// Events: OnChange after a keystroke that changed the buffer, after a spin
// button click, after a freeze box toggle by the mouse, and at mouse-up after
// a gauge click or drag; OnGaugeChange on each gauge drag step with the new
// value. Setting Text or Value fires neither.
//
// The caret blinks on a 500 ms timer of a hidden message window; every place
// that starts it (construction, focus, click, leaving read-only) raises
// EORVNumIO2Error "Component \"<Name>\": no timer available" when no timer
// can be made.
//
// An itInt text with more digits than fit reads as 2147483647, or as
// -2147483648 when it is negative. Writing Value in a field that accepts
// only the comma (dpsComma, or dpsSystem with a comma as the system
// separator) writes "," as the decimal separator, so the text stays
// editable; otherwise ".". OnChange fires only when a key really changed the
// buffer (Backspace at the start or Delete at the end fire nothing), and a
// refused key restores the selection along with the buffer and caret. Tab
// and Shift+Tab move the focus on, and back, also in a read-only field.
// Dragging with the mouse selects from where the button went down.
//
// \image html number_fields.png "Number fields in the gallery"

#include "OrvNumText.h"

#include <orvcore.h>
#include <orvplatform.h>

#include <QList>


namespace orv {

using TOnGaugeChangeEvent = std::function<void(TObject* Sender, TShiftState Shift, double GaugeValue)>;

class TNumIO2 : public TCustomControl {
  Q_OBJECT
  Q_PROPERTY(QString LeftText READ LeftText WRITE SetLeftText)
  Q_PROPERTY(orv::platform_enums::TAlignment LeftTextAlignment READ LeftTextAlignment WRITE SetLeftTextAlignment)
  Q_PROPERTY(int LeftSpace READ LeftSpace WRITE SetLeftSpace)
  Q_PROPERTY(int TextBoxWidth READ TextBoxWidth WRITE SetTextBoxWidth)
  Q_PROPERTY(orv::platform_enums::TAlignment Alignment READ Alignment WRITE SetAlignment)
  Q_PROPERTY(QString RightText READ RightText WRITE SetRightText)
  Q_PROPERTY(orv::platform_enums::TAlignment RightTextAlignment READ RightTextAlignment WRITE SetRightTextAlignment)
  Q_PROPERTY(orv::core_enums::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyle)
  Q_PROPERTY(orv::TColor ColorBoxBG READ ColorBoxBG WRITE SetColorBoxBG)
  Q_PROPERTY(orv::TColor ColorBoxText READ ColorBoxText WRITE SetColorBoxText)
  Q_PROPERTY(orv::TColor ColorOutBG READ ColorOutBG WRITE SetColorOutBG)
  Q_PROPERTY(orv::TColor ColorOutText READ ColorOutText WRITE SetColorOutText)
  Q_PROPERTY(orv::TColor ColorWarnBG READ ColorWarnBG WRITE SetColorWarnBG)
  Q_PROPERTY(orv::TColor ColorWarnText READ ColorWarnText WRITE SetColorWarnText)
  Q_PROPERTY(orv::core_enums::TColorScheme ColorScheme READ ColorScheme WRITE SetColorScheme)
  Q_PROPERTY(bool ButVisible READ ButVisible WRITE SetButVisible)
  Q_PROPERTY(bool But3D READ But3D WRITE SetBut3D)
  Q_PROPERTY(int ButWidth READ ButWidth WRITE SetButWidth)
  Q_PROPERTY(int ButHeight READ ButHeight WRITE SetButHeight)
  Q_PROPERTY(int ButSpace READ ButSpace WRITE SetButSpace)
  Q_PROPERTY(orv::TColor ButColor READ ButColor WRITE SetButColor)
  Q_PROPERTY(double ButIncrem READ ButIncrem WRITE SetButIncrem)
  Q_PROPERTY(bool FreezeBoxVisible READ FreezeBoxVisible WRITE SetFreezeBoxVisible)
  Q_PROPERTY(bool FreezeBoxChecked READ FreezeBoxChecked WRITE SetFreezeBoxChecked)
  Q_PROPERTY(int FreezeBoxSize READ FreezeBoxSize WRITE SetFreezeBoxSize)
  Q_PROPERTY(int FreezeBoxLeft READ FreezeBoxLeft WRITE SetFreezeBoxLeft)
  Q_PROPERTY(int FreezeBoxTop READ FreezeBoxTop WRITE SetFreezeBoxTop)
  Q_PROPERTY(bool HideInputOnFreeze READ HideInputOnFreeze WRITE SetHideInputOnFreeze)
  Q_PROPERTY(bool HideInputEditor READ HideInputEditor WRITE SetHideInputEditor)
  Q_PROPERTY(bool GaugeVisible READ GaugeVisible WRITE SetGaugeVisible)
  Q_PROPERTY(int GaugeHeight READ GaugeHeight WRITE SetGaugeHeight)
  Q_PROPERTY(int GaugeWidth READ GaugeWidth WRITE SetGaugeWidth)
  Q_PROPERTY(int GaugeLeftMargin READ GaugeLeftMargin WRITE SetGaugeLeftMargin)
  Q_PROPERTY(int GaugeTopMargin READ GaugeTopMargin WRITE SetGaugeTopMargin)
  Q_PROPERTY(orv::core_enums::TFrameStyle GaugeFrameStyle READ GaugeFrameStyle WRITE SetGaugeFrameStyle)
  Q_PROPERTY(orv::TColor GaugeColor READ GaugeColor WRITE SetGaugeColor)
  Q_PROPERTY(orv::TColor GaugeColorBg READ GaugeColorBg WRITE SetGaugeColorBg)
  Q_PROPERTY(orv::TColor GaugeColorFrame READ GaugeColorFrame WRITE SetGaugeColorFrame)
  Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
  Q_PROPERTY(bool HideSelection READ HideSelection WRITE SetHideSelection)
  Q_PROPERTY(orv::numio_enums::TInFormat InputFormat READ InputFormat WRITE SetInputFormat)
  Q_PROPERTY(int FixPointDecPlaces READ FixPointDecPlaces WRITE SetFixPointDecPlaces)
  Q_PROPERTY(int SignificantDigits READ SignificantDigits WRITE SetSignificantDigits)
  Q_PROPERTY(orv::core_enums::TDecPSep DecPlaceSep READ DecPlaceSep WRITE SetDecPlaceSep)
  Q_PROPERTY(double RangeLow READ RangeLow WRITE SetRangeLow)
  Q_PROPERTY(double RangeHigh READ RangeHigh WRITE SetRangeHigh)
  Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
  Q_PROPERTY(bool Beep READ Beep WRITE SetBeep)
  Q_PROPERTY(QString Text READ Text WRITE SetText)
  Q_PROPERTY(double Value READ GetNioValue WRITE SetNioValue)

public:
  // A field with the defaults above; AOwner (a component, a Qt parent widget, or null) owns it and, when
  // it is a control, is its parent. Raises EORVNumIO2Error when the caret
  // timer cannot be made.
  explicit TNumIO2(TOwnerArg AOwner);
  ~TNumIO2() override;

  // ---- texts and layout (setters repaint; unchanged values are ignored)
  // The label left of the input box.
  QString LeftText() const { return FLeftText; }
  void SetLeftText(const QString& Value);
  // Alignment of the left text in its area (taRightJustify).
  TAlignment LeftTextAlignment() const { return FLeftTextAlignment; }
  void SetLeftTextAlignment(TAlignment Value);
  // Width of the left text area; negative values are ignored, capped at Width.
  int LeftSpace() const { return FLeftSpace; }
  void SetLeftSpace(int Value);
  // Width of the input box (80), no limits.
  int TextBoxWidth() const { return FTextBoxWidth; }
  void SetTextBoxWidth(int Value);
  // Alignment of the number in the input box (taCenter).
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  // The unit right of the box (or of the buttons).
  QString RightText() const { return FRightText; }
  void SetRightText(const QString& Value);
  // Alignment of the right text in its area (taLeftJustify).
  TAlignment RightTextAlignment() const { return FRightTextAlignment; }
  void SetRightTextAlignment(TAlignment Value);
  // Frame of the input box and the freeze box (fsSunken).
  TFrameStyle FrameStyle() const { return FFrameStyle; }
  void SetFrameStyle(TFrameStyle Value);

  // ---- colours
  // Background of the input box (white).
  TColor ColorBoxBG() const { return FColorBoxBG; }
  void SetColorBoxBG(TColor Value);
  // Colour of the number (black).
  TColor ColorBoxText() const { return FColorBoxText; }
  void SetColorBoxText(TColor Value);
  // Background outside the box (clBtnFace).
  TColor ColorOutBG() const { return FColorOutBG; }
  void SetColorOutBG(TColor Value);
  // Colour of the left and right texts (black).
  TColor ColorOutText() const { return FColorOutText; }
  void SetColorOutText(TColor Value);
  // Box background and number colour while the value is out of range.
  TColor ColorWarnBG() const { return FColorWarnBG; }
  void SetColorWarnBG(TColor Value);
  // Colour of the number while the value is out of range (red).
  TColor ColorWarnText() const { return FColorWarnText; }
  void SetColorWarnText(TColor Value);
  // csFixedColors: white and grey frame lines; else the system button colours.
  TColorScheme ColorScheme() const { return FColorScheme; }
  void SetColorScheme(TColorScheme Value);

  // ---- spin buttons
  // Shows the pair of spin buttons right of the box.
  bool ButVisible() const { return FButVisible; }
  void SetButVisible(bool Value);
  // 3D edges on the buttons (true).
  bool But3D() const { return FBut3D; }
  void SetBut3D(bool Value);
  // 8..50.
  int ButWidth() const { return FButWidth; }
  void SetButWidth(int Value);
  // 18..Height.
  int ButHeight() const { return FButHeight; }
  void SetButHeight(int Value);
  // Gap between the box and the buttons, 0..50.
  int ButSpace() const { return FButSpace; }
  void SetButSpace(int Value);
  // Face colour of the buttons (silver).
  TColor ButColor() const { return FButColor; }
  void SetButColor(TColor Value);
  // Step of a button click when ButtonPivots is empty.
  double ButIncrem() const { return FButIncrem; }
  void SetButIncrem(double Value);

  // ---- freeze box
  // Shows the freeze box, a check box that locks the field.
  bool FreezeBoxVisible() const { return FFreezeBoxVisible; }
  void SetFreezeBoxVisible(bool Value);
  // Checked freezes the field: it also sets ReadOnly to the same value.
  bool FreezeBoxChecked() const { return FFreezeBoxChecked; }
  void SetFreezeBoxChecked(bool Value);
  // 12..25; also centres the box vertically (FreezeBoxTop).
  int FreezeBoxSize() const { return FFreezeBoxSize; }
  void SetFreezeBoxSize(int Value);
  // Distance from the box (or the buttons) minus 8.
  int FreezeBoxLeft() const { return FFreezeBoxLeft; }
  void SetFreezeBoxLeft(int Value);
  // Top of the freeze box in client pixels.
  int FreezeBoxTop() const { return FFreezeBoxTop; }
  void SetFreezeBoxTop(int Value);
  // When set, freezing by the mouse also hides the number.
  bool HideInputOnFreeze() const { return FHideInputOnFreeze; }
  void SetHideInputOnFreeze(bool Value);
  // Hides the number, caret and selection.
  bool HideInputEditor() const { return FHideInputEditor; }
  void SetHideInputEditor(bool Value);

  // ---- gauge
  // Shows the gauge bar along the bottom; a click or drag on it sets the value.
  bool GaugeVisible() const { return FGaugeVisible; }
  void SetGaugeVisible(bool Value);
  // 3..Height - GaugeTopMargin - 18.
  int GaugeHeight() const { return FGaugeHeight; }
  void SetGaugeHeight(int Value);
  // 10..Width - GaugeLeftMargin.
  int GaugeWidth() const { return FGaugeWidth; }
  void SetGaugeWidth(int Value);
  // 0..Width - GaugeWidth.
  int GaugeLeftMargin() const { return FGaugeLeftMargin; }
  void SetGaugeLeftMargin(int Value);
  // 0..Height - GaugeHeight - 18.
  int GaugeTopMargin() const { return FGaugeTopMargin; }
  void SetGaugeTopMargin(int Value);
  // Frame of the gauge (fsSunken).
  TFrameStyle GaugeFrameStyle() const { return FGaugeFrameStyle; }
  void SetGaugeFrameStyle(TFrameStyle Value);
  // Colour of the gauge bar (navy; grey while disabled or read-only).
  TColor GaugeColor() const { return FGaugeColor; }
  void SetGaugeColor(TColor Value);
  // Background of the gauge (silver).
  TColor GaugeColorBg() const { return FGaugeColorBg; }
  void SetGaugeColorBg(TColor Value);
  // Outline of the gauge frame (grey).
  TColor GaugeColorFrame() const { return FGaugeColorFrame; }
  void SetGaugeColorFrame(TColor Value);

  // ---- look
  // When set, every paint makes the height the text height of "E0" + 6.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  // When set, the selection shows only while the control has the focus.
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value);

  // ---- number format and value
  // Changing the format rewrites the value in the new format.
  TInFormat InputFormat() const { return FInputFormat; }
  void SetInputFormat(TInFormat Value);
  // 1..15; the value is rewritten.
  int FixPointDecPlaces() const { return FFixPointDecPlaces; }
  void SetFixPointDecPlaces(int Value);
  // 1..15 (itExp); the value is rewritten.
  int SignificantDigits() const { return FSignificantDigits; }
  void SetSignificantDigits(int Value);
  // Changing the separator rewrites the separators in the buffer.
  TDecPSep DecPlaceSep() const { return FDecPlaceSep; }
  void SetDecPlaceSep(TDecPSep Value);
  // Raising RangeLow above RangeHigh moves RangeHigh along, and vice versa.
  double RangeLow() const { return FRangeLow; }
  void SetRangeLow(double Value);
  // Lowering RangeHigh below RangeLow moves RangeLow along.
  double RangeHigh() const { return FRangeHigh; }
  void SetRangeHigh(double Value);
  // Read-only stops the caret; only Ctrl+C, Tab and the freeze box still work.
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  // Beep (MessageBeep $FFFF) on refused keys.
  bool Beep() const { return FBeep; }
  void SetBeep(bool Value) { FBeep = Value; }
  // The buffer. A non-empty text that fails CheckValidity is ignored; an
  // accepted one puts the caret and the selection at 0.
  QString Text() const { return FInBuffer; }
  void SetText(const QString& Value);
  // The value of the buffer (never range-checked).
  double GetNioValue() const;
  // Writes the buffer from Value in the input format; no clamping, no OnChange.
  void SetNioValue(double Value);
  // The value rounded; raises EORVNumIO2Error "... integer overflow" outside 32 bits.
  int GetNioIntValue() const;
  // Whether Instring is acceptable for the input format.
  bool CheckValidity(const QString& Instring) const;
  // True when the value lies below RangeLow or above RangeHigh.
  bool OutOfRange() const;

  // When non-empty, the spin buttons and the gauge move the value between
  // these values (ascending) instead of by ButIncrem.
  QList<double> ButtonPivots;

  // ---- caret and selection (character positions 0..length)
  // Characters before the caret.
  int CaretPos() const { return FCaretPos; }
  // Start of the selection (SelBegin <= SelEnd; empty when equal).
  int SelBegin() const { return FSelBegin; }
  // End of the selection.
  int SelEnd() const { return FSelEnd; }
  // Whether the blinking caret is in its visible phase.
  bool CaretVisible() const { return FCaretVisib; }
  // Sets the start of the selection and the caret there (the end follows
  // when it would cross).
  void SetSelBegin(int Value);
  // Sets the end of the selection and the caret there (the start follows
  // when it would cross).
  void SetSelEnd(int Value);

  // ---- geometry, shared by painting, the mouse and tests (client pixels)
  // Height of the gauge strip at the bottom (0 without gauge).
  int GaugeStrip() const;
  // Top of the left, right and number texts.
  int TextTop() const;
  // The input box with its frame.
  TRect BoxRect() const;
  // The painted pair of spin buttons.
  TRect ButtonRect() const;
  // Which spin button a point hits: 1 up, -1 down, 0 none.
  int ButtonAt(int X, int Y) const;
  // The gauge bar area.
  TRect GaugeRect() const;
  // The bar for the current value.
  TRect GaugeBarRect() const;
  // Whether a point lies on the gauge, Slack pixels left and right included.
  bool InGauge(int X, int Y, int Slack) const;
  // The value a gauge point stands for (snapped to a pivot, clamped to the range).
  double GaugeValueAt(int X) const;
  // The freeze box.
  TRect FreezeBoxRect() const;
  // Whether a point lies inside the freeze box.
  bool InFreezeBox(int X, int Y) const;
  // Left edge of the number.
  int NumberX() const;
  // Left edge of the left text.
  int LeftTextX() const;
  // Left edge of the right text.
  int RightTextX() const;
  // x of the boundary before character N.
  int CharPosToXCoords(int N) const;
  // The character boundary nearest to X, estimated from the average
  // character width (taken as at least one pixel).
  int XCoordsToCharPos(int X) const;

  // ---- layouts
  // The natural size 160 x 28; with AutoSize the height AutoSize gives.
  QSize sizeHint() const override;
  // The input box (with the spin buttons when shown) and the least height, 18.
  QSize minimumSizeHint() const override;

  // ---- framework
  // Takes the focus and restarts the caret (unless read-only).
  void SetFocus() override;
  // Fires OnChange.
  void Changed();
  void Assign(TPersistent* Source) override;
  void SetEnabled(bool Value) override;
  void Paint() override;
  // Takes the focus and restarts the caret (unless read-only).
  void Click() override;
  // Places the caret, and works the gauge, the spin buttons and the freeze
  // box (see the class comment).
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // Drags the selection or the gauge while the left button is held.
  void MouseMove(TShiftState Shift, int X, int Y) override;
  // Fires OnChange when a gauge click or drag changed the value.
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // Edits the buffer (see the class comment).
  void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
  // Tracks the Shift and Ctrl keys.
  void KeyUp(std::uint16_t& Key, TShiftState Shift) override;
  // Restarts the caret (unless read-only).
  void DoEnter() override;
  // Repaints, so the selection hides with the focus.
  void DoExit() override;

  // After a keystroke that changed the buffer, a spin button click, a freeze
  // box toggle by the mouse, and at mouse-up after a gauge click or drag.
  TNotifyEvent OnChange;
  // On each gauge drag step, with the new value.
  TOnGaugeChangeEvent OnGaugeChange;

protected:
  void AssignTo(TPersistent* Dest) override;
  void CreateWnd() override;
  void Resize() override;

private:
  // The natural or least size changed: tells the layout, then repaints.
  void Relayout();
  // Painting pieces.
  int TextWidthOf(const QString& S) const;
  int LineHeight() const;
  int ButtonsWidth() const;
  // The frame-line colour pair of styles 2..5 (upper-left, lower-right).
  void EdgeColors(TFrameStyle Style, TColor& UpperLeft, TColor& LowerRight) const;
  // An outline in OutlinePen around the current brush, with the 3D edges of styles 2..5.
  void DrawFrameLines(TCanvas* C, TRect Outline, TFrameStyle Style, TColor OutlinePen) const;
  // The frame of the input box and the freeze box; Flag picks the outline of style 0.
  void DrawBoxFrame(TCanvas* C, TRect R, TFrameStyle Style, bool Flag) const;
  // The left or right text, engraved while disabled.
  void DrawSideText(TCanvas* C, int X, int Y, const QString& S);
  void DrawButtons(TCanvas* C);
  void DrawFreezeBox(TCanvas* C);
  void DrawGauge(TCanvas* C);
  void DrawInput(TCanvas* C);
  bool Dimmed() const { return !Enabled() || FReadOnly; }

  // Editing.
  void UpdateTimer();
  void StopCaret();
  void CaretTimerEvent();
  void HandleKey(std::uint16_t Key);
  void InsertText(const QString& S);
  // Removes the selected characters; DeleteSelection also writes 0 when the buffer empties.
  void RemoveSelection();
  void DeleteSelection();
  void CopySelection() const;
  bool Acceptable(const QString& S) const;
  void ClampPositions();
  // The separator SetNioValue writes: "," when only a comma is accepted.
  QChar WrittenSeparator() const;
  double NearestPivot(double V, int* Index) const;
  void SpinClick(int Direction);
  void ToggleFreeze();

  QString FLeftText, FRightText;
  TAlignment FLeftTextAlignment = taRightJustify;
  TAlignment FAlignment = taCenter;
  TAlignment FRightTextAlignment = taLeftJustify;
  int FLeftSpace = 35;
  int FTextBoxWidth = 80;
  TFrameStyle FFrameStyle = fsSunken;
  TColor FColorBoxBG = 0xFFFFFF;
  TColor FColorBoxText = 0x000000;
  TColor FColorOutBG = clBtnFace;
  TColor FColorOutText = 0x000000;
  TColor FColorWarnBG = 0x6088FFF0;
  TColor FColorWarnText = 0x0000FF;
  TColorScheme FColorScheme = csFixedColors;
  TColor FColBlackLine = 0x000000;
  TColor FColGrayLine = 0x808080;
  TColor FColWhiteLine = 0xFFFFFF;
  bool FButVisible = false;
  bool FBut3D = true;
  int FButWidth = 18;
  int FButHeight = 28;
  int FButSpace = 3;
  TColor FButColor = 0xC0C0C0;
  double FButIncrem = 1.0;
  bool FFreezeBoxVisible = false;
  bool FFreezeBoxChecked = false;
  int FFreezeBoxSize = 16;
  int FFreezeBoxLeft = 30;
  int FFreezeBoxTop = 4;
  bool FHideInputOnFreeze = false;
  bool FHideInputEditor = false;
  bool FGaugeVisible = false;
  int FGaugeHeight = 8;
  int FGaugeWidth = 82;
  int FGaugeLeftMargin = 35;
  int FGaugeTopMargin = 3;
  TFrameStyle FGaugeFrameStyle = fsSunken;
  TColor FGaugeColor = 0x800000;
  TColor FGaugeColorBg = 0xC0C0C0;
  TColor FGaugeColorFrame = 0x808080;
  bool FAutoSize = false;
  bool FHideSelection = true;

  TInFormat FInputFormat = itFloat;
  int FFixPointDecPlaces = 2;
  int FSignificantDigits = 6;
  TDecPSep FDecPlaceSep = dpsDotOrComma;
  double FRangeLow = 0;
  double FRangeHigh = 1000;
  bool FReadOnly = false;
  bool FBeep = false;

  QString FInBuffer;
  int FCaretPos = 0;
  int FSelBegin = 0;
  int FSelEnd = 0;
  int FSelAnchor = 0;  // where a mouse selection started
  bool FCaretVisib = false;
  bool FKeyShifted = false;
  bool FKeyCntrl = false;
  bool FValueChanged = false;
  bool FSuppressPaint = true;
  TComponentTimer<EORVNumIO2Error> FCaretTimer{this, [this] { CaretTimerEvent(); }};
};

}  // namespace orv
