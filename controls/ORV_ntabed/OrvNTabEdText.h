#pragma once
// Number texts of the table editor: the text a cell shows, the text the copy
// command writes, and the scanner that reads numbers out of clipboard text.

#include <QString>

#include <functional>

namespace orv {

// The text of a value in a column of Precision decimals (-1: scientific)
// with field width NumWidth: fixed notation unless the value is too large or
// too small for the decimals (then scientific notation of width NumWidth + 6);
// Precision -1, 9 and 10 always write scientific notation.
QString NTabValueText(double Value, int NumWidth, int Precision);

// The text the copy command writes for a number: with FullPrec the value in
// 22 characters (blank or "-", one digit, ".", 13 digits, "E", the exponent
// sign and four exponent digits), else fixed notation with Precision
// decimals, or for Precision -1 scientific notation with six decimals and as
// many exponent digits as needed (at least two). Infinities and NaN are
// written "INF", "-INF" and "NAN", never as asterisks.
QString NTabClipText(double Value, bool FullPrec, int Precision);

// Reads the numbers of clipboard text, line by line. Tabs, CRs and (unless
// KeepCommas) commas separate numbers like blanks; a number starts at "+",
// "-", "." or a digit and is read with the decimal scanner (exponent allowed,
// "." or "," as separator). Number(i, j, value) gets each one with its
// 0-based place in its line (i) and its line (j); LineEnd(count) is called at
// every line feed with the count of numbers on the line it ends. Every line
// feed ends a line, also one right after a number.
void ScanClipNumbers(const QString& Text, bool KeepCommas, const std::function<void(int i, int j, double Value)>& Number,
                     const std::function<void(int Count)>& LineEnd);

}  // namespace orv
