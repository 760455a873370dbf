#pragma once
// Text helpers of the report data: length limits, check characters, and the
// UTF-8 checks the file readers use before storing bytes as cells.

#include <orvcore.h>

#include <QByteArrayView>
#include <QString>

namespace orv::detail {

// Text cut to Max UTF-16 code units without splitting a surrogate pair.
QString CutText(const QString& Text, int Max);

// Code units of the first character (2 for a surrogate pair, 0 when empty).
inline int FirstCharLength(const QString& s) {
  if (s.isEmpty()) return 0;
  return s.size() > 1 && s[0].isHighSurrogate() && s[1].isLowSurrogate() ? 2 : 1;
}
// Bytes of the first character of UTF-8 text (0 when empty).
inline int FirstCharLength(QByteArrayView s) {
  if (s.isEmpty()) return 0;
  const unsigned char c = static_cast<unsigned char>(s[0]);
  const int n = c < 0xC0 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
  return n <= s.size() ? n : int(s.size());
}

// A check-column cell counts as checked when it is not empty and does not
// start with a blank.
inline bool IsCheckedText(const QString& Stored) { return !Stored.isEmpty() && Stored[0] != QLatin1Char(' '); }
inline bool IsCheckedText(QByteArrayView Stored) { return !Stored.isEmpty() && Stored[0] != ' '; }

// Bytes of valid UTF-8 at the start of Text: Text.size() when all of it is
// valid (no overlong forms, surrogates or code points above U+10FFFF).
qsizetype ValidUtf8Prefix(QByteArrayView Text);
inline bool IsValidUtf8(QByteArrayView Text) { return ValidUtf8Prefix(Text) == Text.size(); }
// The same for short texts such as one cell: ASCII is checked in line.
inline bool IsValidUtf8Short(QByteArrayView Text) {
  unsigned char high = 0;
  for (char c : Text) high |= static_cast<unsigned char>(c);
  return !(high & 0x80) || IsValidUtf8(Text);
}

// Stores valid UTF-8 text in a cell, behind the check character Mark when
// Mark is not 0 (the store cuts the text to the cell length).
void SetCellUtf8(TStringArray& Store, int Col, int Row, QByteArrayView Text, char Mark);

// Latin-1 bytes as UTF-8.
QByteArray Latin1ToUtf8(QByteArrayView Text);

}  // namespace orv::detail
