#pragma once
// TNumLab: a label that shows one number in a framed box, with an optional
// caption on the left (LeftText) and a unit on the right (RightText).
//
// Layout: the left zone is LeftSpace pixels wide (35), the box LabelWidth
// (80), the right zone takes the rest; all text rows are vertically centred
// on the height of the sample "(8g]}ÜÄ§". Initial size 160 x 28, display type
// dtFixP with Precision 2, Comma off (the decimal separator is "."), frame
// style fsSunken, box in clBtnFace with black digits.
//
// The number text of each display type (Precision p, 0..15; decimals are
// rounded half away from zero, as the number reads):
//   dtFloat      at most p significant digits (at least 1), plain or "1.5E+20"
//   dtFixP       p decimals ("3.14")
//   dtExp        p mantissa digits (at least 1), signed three-digit exponent
//                ("3.1E+000")
//   dtInt        the value rounded (halves to even)
//   dtHex        upper-case hexadecimal of the rounded value, at least p digits
//                ("0A"); negative values as "-" and the magnitude
//   dtZeroInt    the rounded value zero-padded to p digits ("007", "-007")
//   dtDateTime   the value as a TDateTime (days since 1899-12-30) in DTFormat
//                ("mmm-dd, yyyy": "Jan-05, 2024"), see FormatDateTime
//   dtState      StateText
//   dtBin, dtOct binary / octal of the rounded value, at least p digits
//   dtDeg        degrees with p decimals ("12.50°")
//   dtDegMin     whole degrees and minutes with p decimals ("12°30.00'")
//   dtDegMinSec  degrees, whole minutes, seconds with p decimals ("12°30'15.00\"")
//   dtEEng       engineering notation: mantissa 1 <= |m| < 1000 with p
//                decimals, exponent a multiple of three ("12.35E+03")
//   dtEEngNoDP   the same with the mantissa rounded to a whole number ("12E+03")
// Then, except for dtHex, dtDateTime, dtState and dtBin, the decimal
// separator follows Comma and ForcePlusSign puts "+" before positive values.
// OnBeforeDisplay may rewrite the text; a text wider than LabelWidth - 6
// pixels (except dtState) is replaced by OverflowIndicator, and so is a value
// the type cannot show (a non-finite or 64-bit-overflowing integer, a date
// outside 0001..9999).
//
// Transparent: the control is combined with what its parent shows by a
// bitwise AND, so its white background lets the parent through while the box
// stays opaque. Setters repaint; equal values change nothing.
//
// In a layout the label keeps its natural height and may grow sideways; it
// needs at least the width of the box and the height of a text row in it.
//
// \image html numeric_labels.png "Numeric labels in the gallery"

#include <orvcore.h>

#include <optional>

namespace orv {

namespace numlab_enums {
Q_NAMESPACE

enum TDisplay {
  dtFloat, dtFixP, dtExp, dtHex, dtZeroInt, dtInt, dtDateTime, dtState, dtBin, dtOct,
  dtDeg, dtDegMin, dtDegMinSec, dtEEng, dtEEngNoDP
};
Q_ENUM_NS(TDisplay)

}  // namespace numlab_enums
using namespace numlab_enums;

using TBeforeDisplayEvent = std::function<void(TObject* Sender, QString& Text)>;

// The number text of a display type with the separator and plus-sign rules
// applied (the steps before OnBeforeDisplay); empty when the type cannot show
// the value.
std::optional<QString> NumLabFormat(double Value, TDisplay DisplayType, int Precision, const QString& DTFormat,
                                    const QString& StateText, bool Comma, bool ForcePlusSign);

class TNumLab : public TGraphicControl {
  Q_OBJECT
  Q_PROPERTY(double Value READ Value WRITE SetValue)
  Q_PROPERTY(orv::numlab_enums::TDisplay DisplayType READ DisplayType WRITE SetDisplayType)
  Q_PROPERTY(int Precision READ Precision WRITE SetPrecision)
  Q_PROPERTY(QString DTFormat READ DTFormat WRITE SetDTFormat)
  Q_PROPERTY(QString StateText READ StateText WRITE SetStateText)
  Q_PROPERTY(QString OverflowIndicator READ OverflowIndicator WRITE SetOverflowIndicator)
  Q_PROPERTY(bool Comma READ Comma WRITE SetComma)
  Q_PROPERTY(bool ForcePlusSign READ ForcePlusSign WRITE SetForcePlusSign)
  Q_PROPERTY(bool Empty READ Empty WRITE SetEmpty)
  Q_PROPERTY(QString LeftText READ LeftText WRITE SetLeftText)
  Q_PROPERTY(QString RightText READ RightText WRITE SetRightText)
  Q_PROPERTY(orv::platform_enums::TAlignment LeftTextAlignment READ LeftTextAlignment WRITE SetLeftTextAlignment)
  Q_PROPERTY(orv::platform_enums::TAlignment RightTextAlignment READ RightTextAlignment WRITE SetRightTextAlignment)
  Q_PROPERTY(orv::platform_enums::TAlignment Alignment READ Alignment WRITE SetAlignment)
  Q_PROPERTY(int LeftSpace READ LeftSpace WRITE SetLeftSpace)
  Q_PROPERTY(int LabelWidth READ LabelWidth WRITE SetLabelWidth)
  Q_PROPERTY(orv::core_enums::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyle)
  Q_PROPERTY(orv::TColor ColorLabText READ ColorLabText WRITE SetColorLabText)
  Q_PROPERTY(orv::TColor ColorLabBakG READ ColorLabBakG WRITE SetColorLabBakG)
  Q_PROPERTY(orv::TColor ColorOutText READ ColorOutText WRITE SetColorOutText)
  Q_PROPERTY(orv::TColor ColorOutBakG READ ColorOutBakG WRITE SetColorOutBakG)
  Q_PROPERTY(orv::core_enums::TColorScheme ColorScheme READ ColorScheme WRITE SetColorScheme)
  Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)

public:
  // A label with the defaults above; AOwner (a component, a Qt parent widget, or null) owns it and, when
  // it is a control, is its parent.
  explicit TNumLab(TOwnerArg AOwner);

  // The number shown.
  double Value() const { return FValue; }
  void SetValue(double Value);
  // How the number is written (see the list above).
  TDisplay DisplayType() const { return FDisplayType; }
  void SetDisplayType(TDisplay Value);
  // Digits or decimals of the display type, 0..15.
  int Precision() const { return FPrecision; }
  // Negative values are ignored; values above 15 become 15.
  void SetPrecision(int Value);
  // The FormatDateTime format of dtDateTime ("mmm-dd, yyyy").
  QString DTFormat() const { return FDTFormat; }
  void SetDTFormat(const QString& Value);
  // The text of dtState ("undefined").
  QString StateText() const { return FStateText; }
  void SetStateText(const QString& Value);
  // Shown instead of a number that does not fit the box ("*********").
  QString OverflowIndicator() const { return FOverflowIndicator; }
  void SetOverflowIndicator(const QString& Value);
  // True writes "," as the decimal separator, false ".".
  bool Comma() const { return FComma; }
  void SetComma(bool Value);
  // Puts "+" before positive values.
  bool ForcePlusSign() const { return FForcePlusSign; }
  void SetForcePlusSign(bool Value);
  // True draws the box without a number.
  bool Empty() const { return FEmpty; }
  void SetEmpty(bool Value);
  // The caption left of the box.
  QString LeftText() const { return FLeftText; }
  void SetLeftText(const QString& Value);
  // The unit right of the box.
  QString RightText() const { return FRightText; }
  void SetRightText(const QString& Value);
  // Alignment of the left text in its zone (taRightJustify).
  TAlignment LeftTextAlignment() const { return FLeftTextAlignment; }
  void SetLeftTextAlignment(TAlignment Value);
  // Alignment of the right text in its zone (taLeftJustify).
  TAlignment RightTextAlignment() const { return FRightTextAlignment; }
  void SetRightTextAlignment(TAlignment Value);
  // Alignment of the number in the box.
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  // Width of the left zone (35).
  int LeftSpace() const { return FLeftSpace; }
  // Negative values are ignored; values above Width become Width.
  void SetLeftSpace(int Value);
  // Width of the box (80).
  int LabelWidth() const { return FLabelWidth; }
  void SetLabelWidth(int Value);
  // Frame of the box (fsSunken).
  TFrameStyle FrameStyle() const { return FFrameStyle; }
  void SetFrameStyle(TFrameStyle Value);
  // Colour of the number (black; clBtnShadow while disabled).
  TColor ColorLabText() const { return FColorLabText; }
  void SetColorLabText(TColor Value);
  // Background of the box (clBtnFace).
  TColor ColorLabBakG() const { return FColorLabBakG; }
  void SetColorLabBakG(TColor Value);
  // Colour of the left and right texts (black).
  TColor ColorOutText() const { return FColorOutText; }
  void SetColorOutText(TColor Value);
  // Background outside the box (clBtnFace).
  TColor ColorOutBakG() const { return FColorOutBakG; }
  void SetColorOutBakG(TColor Value);
  // csFixedColors: white and grey frame lines; otherwise the system
  // button-highlight and button-shadow colours.
  TColorScheme ColorScheme() const { return FColorScheme; }
  void SetColorScheme(TColorScheme Value);
  // Lets the parent show through outside the box (see the class comment).
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);

  // Sees the number text before it is drawn and may replace it.
  TBeforeDisplayEvent OnBeforeDisplay;

  void SetEnabled(bool Value) override;
  void Assign(TPersistent* Source) override;
  void Paint() override;
  // Records the area under the mouse (MouseAreaCode).
  void MouseMove(TShiftState Shift, int X, int Y) override;

  // ---- geometry (TextWidth and TextHeight measured in the control's font)
  // Top of every text row for a text height TextHeight.
  int TextTop(int TextHeight) const;
  // Left edge of a left text of TextWidth pixels.
  int LeftTextX(int TextWidth) const;
  // Left edge of a right text of TextWidth pixels.
  int RightTextX(int TextWidth) const;
  // Left edge of a number text of TextWidth pixels.
  int NumberX(int TextWidth) const;
  // The box: its outline in the frame's pen, inside ColorLabBakG, the frame
  // lines on its edge.
  TRect BoxRect() const;
  // The clip rectangle of the number.
  TRect NumberClipRect() const;
  // The part of the box that stays opaque when Transparent.
  TRect OpaqueBoxRect() const;
  // The box, and a text row inside its frame.
  QSize minimumSizeHint() const override;
  // 0 left of the box, 1 over it, 2 right of it.
  int MouseAreaAt(int X) const;
  // The area the mouse was last seen over (MouseAreaAt of its x).
  int MouseAreaCode() const { return FMouseAreaCode; }

  // The number as it is drawn: formatted, passed to OnBeforeDisplay, and
  // replaced by OverflowIndicator when it does not fit.
  QString NumberText();

protected:
  void AssignTo(TPersistent* Dest) override;
  void PaintSurface(QPainter& Painter, const QImage& Surface) override;

private:
  void PaintSideText(TCanvas* C, const QString& Text, int X, int HighlightX, int Y);

  double FValue = 0;
  TDisplay FDisplayType = dtFixP;
  int FPrecision = 2;
  QString FDTFormat = QStringLiteral("mmm-dd, yyyy");
  QString FStateText = QStringLiteral("undefined");
  QString FOverflowIndicator = QStringLiteral("*********");
  bool FComma = false;
  bool FForcePlusSign = false;
  bool FEmpty = false;
  QString FLeftText;
  QString FRightText;
  TAlignment FLeftTextAlignment = taRightJustify;
  TAlignment FRightTextAlignment = taLeftJustify;
  TAlignment FAlignment = taCenter;
  int FLeftSpace = 35;
  int FLabelWidth = 80;
  TFrameStyle FFrameStyle = fsSunken;
  TColor FColorLabText = clBlack;
  TColor FColorLabBakG = clBtnFace;
  TColor FColorOutText = clBlack;
  TColor FColorOutBakG = clBtnFace;
  TColorScheme FColorScheme = csFixedColors;
  bool FTransparent = false;
  TColor FColBlackLine = clBlack;
  TColor FColGrayLine = clGray;
  TColor FColWhiteLine = clWhite;
  int FMouseAreaCode = 0;
};

}  // namespace orv
