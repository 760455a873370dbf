#include "OrvRLText.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace orv::detail {

QString CutText(const QString& Text, int Max) {
  if (Text.size() <= Max) return Text;
  int n = Max;
  if (n > 0 && Text[n - 1].isHighSurrogate()) --n;
  return Text.left(n);
}

qsizetype ValidUtf8Prefix(QByteArrayView Text) {
  const auto* s = reinterpret_cast<const unsigned char*>(Text.data());
  const qsizetype n = Text.size();
  qsizetype i = 0;
  while (i < n) {
    // ASCII 32 bytes at a time, then eight, up to the first byte with its
    // high bit set.
    constexpr std::uint64_t High = 0x8080808080808080ull;
    while (i + 32 <= n) {
      std::uint64_t w[4];
      std::memcpy(w, s + i, 32);
      if ((w[0] | w[1] | w[2] | w[3]) & High) break;
      i += 32;
    }
    while (i + 8 <= n) {
      std::uint64_t w;
      std::memcpy(&w, s + i, 8);
      w &= High;
      if (w) {
        i += std::countr_zero(w) / 8;
        break;
      }
      i += 8;
    }
    if (i >= n) break;
    const unsigned c = s[i];
    if (c < 0x80) {
      ++i;
      continue;
    }
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
      return i;
    }
    if (i + len > n) return i;
    if (s[i + 1] < lo || s[i + 1] > hi) return i;
    for (int k = 2; k < len; ++k)
      if ((s[i + k] & 0xC0) != 0x80) return i;
    i += len;
  }
  return n;
}

void SetCellUtf8(TStringArray& Store, int Col, int Row, QByteArrayView Text, char Mark) {
  if (!Mark) {
    Store.SetUtf8(Col, Row, Text);
    return;
  }
  // A cell holds at most 255 UTF-16 code units, so at most MaxCellBytes bytes
  // of the text can matter.
  char buf[1 + MaxCellBytes];
  buf[0] = Mark;
  qsizetype n = std::min<qsizetype>(Text.size(), MaxCellBytes);
  while (n > 0 && n < Text.size() && (std::uint8_t(Text[n]) & 0xC0) == 0x80) --n;  // whole characters only
  if (n > 0) std::memcpy(buf + 1, Text.data(), std::size_t(n));
  Store.SetUtf8(Col, Row, QByteArrayView(buf, n + 1));
}

QByteArray Latin1ToUtf8(QByteArrayView Text) {
  return QString::fromLatin1(Text.data(), Text.size()).toUtf8();
}

}  // namespace orv::detail
