#pragma once
// The number-text layer shared by the number-entry controls and the table
// editor: input formats, the decimal separator modes, scanners and validity
// checks, value-to-text formatting, and the per-format rules of TNumIO and
// TNumIO2 as free functions.
//
// Every function here is pure, never throws (except NioIntValue, which
// reports an integer overflow) and never reads outside its text. Positions are
// 1-based; a start position outside 1..length+1 is taken as the nearest end of
// that range, and a returned position always lies in 1..length+1.
//
// Decisions where the behaviour was open:
// - Digits are the ASCII digits only; other Unicode digits (Arabic-Indic, full
//   width) are ordinary characters that end a number. Letters are upper-cased
//   in ASCII only.
// - A number text that ends in an incomplete exponent ("1E", "1E+") has the
//   value of its mantissa (the missing exponent counts as 0).
// - Scientific notation with one significant digit writes no decimal point
//   (" 1E+03", one character shorter than the width); widths below 7 are
//   taken as 7.
// - Non-finite values: scientific notation writes the width in asterisks, as
//   for any value it cannot show; fixed notation writes "NAN", "INF" or
//   "-INF". Rounding to an integer maps NaN to 0 and saturates at the ends of
//   the 64-bit range.
// - Hexadecimal, octal and binary text is read with the integer scans: the
//   32-bit two's-complement value of the digits ("FFFFFFFF" is -1).
// - Integer scans wrap around in 32 bits silently.

#include <orvcore.h>

#include <QObject>
#include <QString>

#include <cstdint>
#include <limits>

namespace orv {

namespace numio_enums {
Q_NAMESPACE

// Input format of a number-entry control.
enum TInFormat {
  itExp,       // decimal number with optional exponent ('1.5E-03')
  itFloat,     // decimal number without exponent
  itFixPoint,  // decimal number with a fixed count of decimal places
  itInt,       // signed decimal integer
  itHex,       // hexadecimal digits
  itOct,       // octal digits
  itBin,       // binary digits
  itDynamic    // "$" hexadecimal, "&" octal, "%" binary, else decimal with exponent
};
Q_ENUM_NS(TInFormat)

}  // namespace numio_enums
using namespace numio_enums;

// The largest finite double; decimal values produced here are clamped to +-it.
constexpr double NumTextMaxDouble = uc_MaxDouble;
// Exponents of a larger magnitude make a decimal text invalid.
constexpr int MaxDecimalExponent = 4200;

// Raised by the number-entry controls.
class EORVNumIO2Error : public EORVError {
public:
  using EORVError::EORVError;
};

// ---------------------------------------------------------- separator modes

// Which characters a scanner takes as the decimal separator.
enum TDecSepMode { dsmDot, dsmComma, dsmBoth };

// The mode for a decimal separator choice (TDecPSep ordinal: 0 system, 1 dot,
// 2 comma, 3 both; other ordinals count as 0) as the TNumIO2 checks use it:
// the system choice is dot mode when the system separator is ".", else comma.
TDecSepMode ScanSepMode(int DecPSep);
// The same as the TNumIO conversion uses it: the system choice is comma mode
// when the system separator is ",", else dot.
TDecSepMode ConvertSepMode(int DecPSep);

// ------------------------------------------------------ scanners and checks

// Scans a decimal number from Pos (exponent only when ExpAllowed) and returns
// its value clamped to +-NumTextMaxDouble (0 when the text is no number). Pos
// ends on the first character that was not consumed; the whole text was a
// number when it ends at length + 1 (a mere start such as "-" counts, as 0).
double ScanDecimal(const QString& Text, bool ExpAllowed, TDecSepMode Mode, int& Pos);
// True when Text starts with a complete decimal number (trailing characters
// allowed, exponent magnitude at most MaxDecimalExponent).
bool IsValidDecimal(const QString& Text, bool ExpAllowed, int DecPSep);
// True when Text is a decimal number without exponent or a start of one
// ("-", "." and "-." pass).
bool IsValidSimpleDecimal(const QString& Text, int DecPSep);
// Optional sign and decimal digits ("-" alone fails).
bool IsValidInt(const QString& Text);
// Hexadecimal digits only, either case (the empty text fails).
bool IsValidHex(const QString& Text);
// Octal digits only (the empty text fails).
bool IsValidOct(const QString& Text);
// Binary digits only (the empty text fails).
bool IsValidBin(const QString& Text);

// Integer scans: skip leading blanks, then read digits of their base from Pos
// (wrapping around in 32 bits); Pos ends on the first character that is not
// one. The decimal scan takes one "+" or "-"; the hexadecimal one skips a "$"
// at position 1.
std::int32_t ScanInt(const QString& Text, int& Pos);
// The hexadecimal scan (see ScanInt).
std::int32_t ScanHex(const QString& Text, int& Pos);
// The octal scan (see ScanInt).
std::int32_t ScanOct(const QString& Text, int& Pos);
// The binary scan (see ScanInt).
std::int32_t ScanBin(const QString& Text, int& Pos);

// ---------------------------------------------------------------- formatting

// Value rounded to Decimals places (0..100), "." as decimal point, padded with
// leading blanks to at least Width characters (at most 255).
QString FormatFixed(double Value, int Width, int Decimals);
// Blank or "-", one digit, ".", Width - 7 further digits, "E", the exponent
// sign and two exponent digits: exactly Width characters (7..255), or Width
// asterisks when the exponent needs three digits.
QString FormatScientific(double Value, int Width);
// Exactly Digits digits (1..16, 1..11, 1..32) of the low bits of Value.
QString WriteHex(std::uint32_t Value, int Digits);
// Octal digits, as WriteHex.
QString WriteOct(std::uint32_t Value, int Digits);
// Binary digits, as WriteHex.
QString WriteBin(std::uint32_t Value, int Digits);
// Nearest integer, halves to even.
std::int64_t RoundToInt64(double Value);
// Low 32 bits of the rounded value.
std::uint32_t RoundToLow32(double Value);

// ----------------------------------------------------- rules of the controls

// TNumIO2.CheckValidity: whether Text is acceptable for the format.
bool NumIO2CheckValidity(const QString& Text, TInFormat Format, int FixPointDecPlaces, int DecPSep);
// TNumIO2.GetNioValue: the value of a TNumIO2 text (never range-checked).
double NumIO2Value(const QString& Text, TInFormat Format);
// TNumIO2.SetNioValue: the text for a value.
QString NumIO2Text(double Value, TInFormat Format, int SignificantDigits, int FixPointDecPlaces);
// TNumIO2.GetNioIntValue: Value rounded; raises EORVNumIO2Error
// "Component \"<ComponentName>\": integer overflow" outside the 32-bit range.
int NioIntValue(double Value, const QString& ComponentName);

// TNumIO.ConvertNumString: true when Text is a number of the format; Value is
// then its value. An empty text returns false and leaves Value untouched.
bool ConvertNumIOString(const QString& Text, TInFormat Format, int DecPSep, double& Value);
// TNumIO.SetLabValue: the text for a value.
QString NumIOText(double Value, TInFormat Format, int FixPointDecPlaces);
// TNumIO.GetLabValue: the value of a TNumIO text, 0 when it is no number.
double NumIOValue(const QString& Text, TInFormat Format);

}  // namespace orv
