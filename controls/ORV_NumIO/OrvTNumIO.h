#pragma once
// TNumIO: a single-line edit box that only ever holds a number of its input
// format inside its range.
//
// Every change of the text is checked: a text that is a number of the format
// and lies in RangeLow..RangeHigh (or is exactly 0) is accepted and fires
// OnChange; anything else puts the last accepted text back, with a beep when
// Beep is set. itFixPoint text is rewritten with exactly FixPointDecPlaces
// decimals. Changing the format, the separator choice or the range clears the
// last accepted text and checks the text again, so it may become empty.
//
// Defaults: itDynamic, 2 decimal places, system separator, no beep, range
// 0..0 (only 0 is accepted until a range is set); a box created for the form
// designer gets the whole double range.
//
// Hexadecimal, octal and binary values are shown as plain digits without a
// prefix (at least 8 digits, more for octal and binary values that need
// them); the text reads back as the 32-bit two's-complement value of the
// digits, so "FFFFFFFF" is -1. A hexadecimal text may start with "$".
//
// When the box replaces its text after a rejected change, the caret returns
// to where it was before that change; after reformatting it stays at its
// position (clamped to the new text).
//
// A rejected change puts back the text the box last showed. In an
// itFixPoint box that is the reformatted text: when deleting the "." of
// "1.51" leaves "151", shown as "151.00", a refused key afterwards restores
// "151.00", not "151". Writing Value sets the text a later rejected change
// returns to. A NaN range limit is ignored.
//
// Value reads a "," as the decimal separator whatever DecPlaceSep says, so a
// box that accepts only the comma reads "1,5" as 1.5.
//
// \image html number_entry.png "Number entry boxes in the gallery"

#include "OrvNumText.h"

#include <OrvTCustomEdit.h>

namespace orv {

// Range limit of a box created in the form designer: the largest finite double.
constexpr double NumIODesignRange = NumTextMaxDouble;

class TNumIO : public TCustomEdit {
  Q_OBJECT
  Q_PROPERTY(orv::numio_enums::TInFormat InputFormat READ InputFormat WRITE SetInputFormat)
  Q_PROPERTY(int FixPointDecPlaces READ FixPointDecPlaces WRITE SetFixPointDecPlaces)
  Q_PROPERTY(orv::core_enums::TDecPSep DecPlaceSep READ DecPlaceSep WRITE SetDecPlaceSep)
  Q_PROPERTY(double RangeLow READ RangeLow WRITE SetRangeLow)
  Q_PROPERTY(double RangeHigh READ RangeHigh WRITE SetRangeHigh)
  Q_PROPERTY(bool Beep READ Beep WRITE SetBeep)

public:
  // An empty box with the defaults above; AOwner (a component, a Qt parent widget, or null) owns it and,
  // when it is a control, is its parent.
  explicit TNumIO(TOwnerArg AOwner);

  // The numbers the box accepts; a change checks the text again.
  TInFormat InputFormat() const { return FInFormat; }
  void SetInputFormat(TInFormat Value);
  // 1..8.
  int FixPointDecPlaces() const { return FFixPDecPl; }
  void SetFixPointDecPlaces(int Value);
  // Separator choice: system, dot, comma, dot or comma.
  TDecPSep DecPlaceSep() const { return TDecPSep(FDecPSep); }
  void SetDecPlaceSep(TDecPSep Value);
  // Setting a limit beyond the other one swaps them.
  double RangeLow() const { return FMinimum; }
  void SetRangeLow(double Value);
  // Setting a limit below the other one swaps them.
  double RangeHigh() const { return FMaximum; }
  void SetRangeHigh(double Value);
  // Beep (MessageBeep 0) when a change is rejected.
  bool Beep() const { return FBeep; }
  void SetBeep(bool Value) { FBeep = Value; }

  // Value: the number the text holds (0 when it holds none); writing it sets
  // the text for the format without checking it and without OnChange.
  double GetLabValue() const;
  void SetLabValue(double Value);

  // True when Text is a number of the input format; Value is then its value.
  // An empty text returns false and leaves Value untouched.
  bool ConvertNumString(const QString& Text, double& Value) const;

  // Copies InputFormat, Beep, the range and DecPlaceSep from another TNumIO.
  void Assign(TPersistent* Source) override;

protected:
  void AssignTo(TPersistent* Dest) override;
  // Checks the new text; see the class comment.
  void Change() override;
  // Replaces the text without checking it.
  void SetEditText(const QString& Value);

private:
  // Forgets the last accepted text and checks the current one.
  void Revalidate();

  QString FOldText;
  bool FInternalChg = false;
  TInFormat FInFormat = itDynamic;
  int FFixPDecPl = 2;
  bool FBeep = false;
  double FMinimum = 0;
  double FMaximum = 0;
  int FDecPSep = 0;
};

}  // namespace orv
