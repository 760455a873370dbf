#pragma once
// String helpers of the base library. Positions are 1-based, 0 meaning none.

#include "ORV_orvbase.h"

#include <QStringList>

namespace orv {

// Text with every OldChar replaced by NewChar.
QString ReplaceCharInString(const QString& Text, QChar OldChar, QChar NewChar);
// Position of the Nth occurrence of SubStr in Text at or after position
// Start; 0 when there is none (or N < 1, or SubStr is empty).
int NumberedPos(const QString& SubStr, const QString& Text, int Start, int N);
// Splits Text at every character of Delimiters into Parts (empty parts
// kept: "a||b" gives three) and returns the part count; an empty text
// gives no parts.
int Tokenize(const QString& Text, const QString& Delimiters, QStringList& Parts);
// Exactly Len characters: Text cut, or padded with blanks at the right.
QString LeftString(const QString& Text, int Len);
// Text without the leading (trailing) run of Ch.
QString StripLeadingChars(const QString& Text, QChar Ch);
QString StripTrailingChars(const QString& Text, QChar Ch);
// Text ending in Ch (appended when missing; an empty text becomes Ch).
QString EnsureTrailingChar(const QString& Text, QChar Ch);
// A folder path ending in the path separator "/".
QString EnsureTrailingBkSlash(const QString& Path);
// Text without control characters (line breaks, tabs and the like).
QString RemoveControlChars(const QString& Text);
// Value in fixed-point notation with Decimals decimals ("." as the decimal
// point; an exact half rounds away from zero), padded with blanks at the
// left to at least Width characters.
QString strff(double Value, int Width, int Decimals);

}  // namespace orv
