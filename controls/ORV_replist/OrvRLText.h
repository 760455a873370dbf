#pragma once
// Text helpers of the report data: length limits, check characters, and the
// UTF-8 checks the file readers use before storing bytes as cells.

#include <orvcore.h>

#include <QByteArrayView>
#include <QString>

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// Bytes of the valid UTF-8 sequence that starts with the non-ASCII byte
// S[I] of a text of N bytes (no overlong forms, surrogates or code points
// above U+10FFFF); 0 when it is not valid.
inline int Utf8SequenceLength(const unsigned char* S, qsizetype I, qsizetype N) {
  const unsigned c = S[I];
  int len;
  unsigned lo = 0x80, hi = 0xBF;  // range of the second byte
  if (c >= 0xC2 && c <= 0xDF) {
    len = 2;
  } else if (c >= 0xE0 && c <= 0xEF) {
    len = 3;
    if (c == 0xE0) lo = 0xA0;       // no overlong forms
    else if (c == 0xED) hi = 0x9F;  // no surrogates
  } else if (c >= 0xF0 && c <= 0xF4) {
    len = 4;
    if (c == 0xF0) lo = 0x90;
    else if (c == 0xF4) hi = 0x8F;  // nothing above U+10FFFF
  } else {
    return 0;
  }
  if (I + len > N) return 0;
  if (S[I + 1] < lo || S[I + 1] > hi) return 0;
  for (int k = 2; k < len; ++k)
    if ((S[I + k] & 0xC0) != 0x80) return 0;
  return len;
}

// Bytes of valid UTF-8 at the start of Text: Text.size() when all of it is
// valid (no overlong forms, surrogates or code points above U+10FFFF).
qsizetype ValidUtf8Prefix(QByteArrayView Text);
inline bool IsValidUtf8(QByteArrayView Text) { return ValidUtf8Prefix(Text) == Text.size(); }
// The same for short texts such as one cell: ASCII is cleared at once, the
// rest read byte by byte.
bool IsValidUtf8Short(QByteArrayView Text);

// The check character Mark followed by as much of valid UTF-8 Text as a cell
// can keep, in whole characters, put into Buffer (MarkedTextRoom bytes).
constexpr int MarkedTextRoom = 1 + MaxCellBytes;
QByteArrayView MarkedText(QByteArrayView Text, char Mark, char* Buffer);
// Stores valid UTF-8 text in a cell behind the check character Mark (the
// store cuts the text to the cell length).
void SetMarkedCellUtf8(TStringArray& Store, int Col, int Row, QByteArrayView Text, char Mark);
// The same, or the text alone when Mark is 0.
inline void SetCellUtf8(TStringArray& Store, int Col, int Row, QByteArrayView Text, char Mark) {
  if (Mark)
    SetMarkedCellUtf8(Store, Col, Row, Text, Mark);
  else
    Store.SetUtf8(Col, Row, Text);
}

// Zeroes the upper halves of the AVX registers where the processor has them.
// Code elsewhere in the process (a graphics library, say) may leave them
// dirty; every SSE instruction and every library memcpy after that pays for
// it, which halves the speed of the bulk readers and writers. They call this
// once before they start.
void CleanVectorState();

// Bit i set where byte i of the 16 bytes at P is A, B, C or D.
inline std::uint32_t MatchMask16(const char* P, char A, char B, char C, char D) {
#if defined(__SSE2__)
  const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(P));
  const __m128i ab = _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8(A)), _mm_cmpeq_epi8(v, _mm_set1_epi8(B)));
  const __m128i cd = _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8(C)), _mm_cmpeq_epi8(v, _mm_set1_epi8(D)));
  return std::uint32_t(_mm_movemask_epi8(_mm_or_si128(ab, cd)));
#else
  std::uint32_t m = 0;
  for (int i = 0; i < 16; ++i) m |= std::uint32_t(P[i] == A || P[i] == B || P[i] == C || P[i] == D) << i;
  return m;
#endif
}

// Bit i set where byte i of the 16 bytes at P has its high bit set (not ASCII).
inline std::uint32_t HighMask16(const char* P) {
#if defined(__SSE2__)
  return std::uint32_t(_mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(P))));
#else
  std::uint32_t m = 0;
  for (int i = 0; i < 16; ++i) m |= std::uint32_t(static_cast<unsigned char>(P[i]) >> 7) << i;
  return m;
#endif
}

// Valid UTF-8 as text, a leading U+FEFF included (QString::fromUtf8 takes
// it for a byte order mark and drops it).
QString Utf8ToString(QByteArrayView Text);
// A count in a column format (behind a "rix" or "$pwd$" marker, an editor
// width): blanks skipped, optional sign, decimal digits; 0 when there are
// none. Its size is kept within Max.
int ReadCount(QStringView Text, int Max = MaxCellLength);
// Row as the default value of a "rix" column of type "e", "f" (N decimals),
// "h" (N hexadecimal digits) or "i" (N digits).
QString RowNumberText(QChar Type, int Row, int N);
// The text an empty cell of type "e", "f", "h", "i" or "s" starts with, from
// the format's parameter: the row number behind "rix", an invented password
// behind "$pwd$", else the parameter itself.
QString ParameterDefault(QChar Type, const QString& Param, int Row);

// Latin-1 bytes as UTF-8.
QByteArray Latin1ToUtf8(QByteArrayView Text);

}  // namespace orv::detail
