#pragma once
// Decimal text of doubles as the run-time library's Format writes it with the
// float specifiers ("%.*f", "%.*e", "%.*g"), and the decimal digits behind it.
//
// A value is taken at its shortest decimal form that reads back as the same
// double, and rounded there half away from zero: 0.125 with two decimals is
// "0.13" and 2.675 is "2.68", as the reader of the number expects (the binary
// fraction behind 2.675 lies just below it). A result that rounds to zero
// carries no minus sign. The decimal point is always ".". Non-finite values
// are written "NAN", "INF" and "-INF".

#include <QByteArray>
#include <QString>

namespace orv {

// Value = 0.Digits x 10^Exponent; Digits holds ASCII digits without trailing
// zeros and is empty for zero (Exponent 0 then).
struct TFloatRec {
  bool Negative = false;
  QByteArray Digits;
  int Exponent = 0;
};

// The finite Value rounded to at most Precision significant digits (1..17)
// and at most Decimals digits after the decimal point (any count; negative
// counts round to tens, hundreds, ...).
TFloatRec FloatToDecimal(double Value, int Precision, int Decimals);

// "%.*f": Decimals (0..30) digits after the point.
QString FloatToFixed(double Value, int Decimals);
// "%.*e": Digits significant digits (1..17), "E", the exponent's sign and at
// least ExpDigits exponent digits ("3.1E+000" for 3.14, 2, 3).
QString FloatToExponent(double Value, int Digits, int ExpDigits = 3);
// "%.*g": at most Precision significant digits (1..17), trailing zeros and a
// bare point removed; plain notation while the integer part has at most
// Precision digits and the value is at least 0.00001, else scientific with a
// signed exponent of at least two digits ("1.5E+20").
QString FloatToGeneral(double Value, int Precision);

}  // namespace orv
