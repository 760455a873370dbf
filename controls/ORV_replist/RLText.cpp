#include "OrvRLText.h"

#include <QStringDecoder>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define ORV_HAS_VZEROUPPER 1
#endif

namespace orv::detail {

#ifdef ORV_HAS_VZEROUPPER
namespace {
__attribute__((target("avx"))) void ZeroUpper() { _mm256_zeroupper(); }
}  // namespace
#endif

void CleanVectorState() {
#ifdef ORV_HAS_VZEROUPPER
  static const bool avx = __builtin_cpu_supports("avx");
  if (avx) ZeroUpper();
#endif
}

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
    if (s[i] < 0x80) {
      ++i;
      continue;
    }
    const int len = Utf8SequenceLength(s, i, n);
    if (!len) return i;
    i += len;
  }
  return n;
}

bool IsValidUtf8Short(QByteArrayView Text) {
  const auto* s = reinterpret_cast<const unsigned char*>(Text.data());
  const qsizetype n = Text.size();
  unsigned char high = 0;
  for (qsizetype i = 0; i < n; ++i) high |= s[i];
  if (!(high & 0x80)) return true;
  for (qsizetype i = 0; i < n;) {
    if (s[i] < 0x80) {
      ++i;
      continue;
    }
    const int len = Utf8SequenceLength(s, i, n);
    if (!len) return false;
    i += len;
  }
  return true;
}

QByteArrayView MarkedText(QByteArrayView Text, char Mark, char* Buffer) {
  // A cell holds at most 255 UTF-16 code units, so at most MaxCellBytes bytes
  // of the text can matter.
  Buffer[0] = Mark;
  qsizetype n = std::min<qsizetype>(Text.size(), MaxCellBytes);
  while (n > 0 && n < Text.size() && (std::uint8_t(Text[n]) & 0xC0) == 0x80) --n;  // whole characters only
  if (n > 0) std::memcpy(Buffer + 1, Text.data(), std::size_t(n));
  return QByteArrayView(Buffer, n + 1);
}

void SetMarkedCellUtf8(TStringArray& Store, int Col, int Row, QByteArrayView Text, char Mark) {
  char buf[MarkedTextRoom];
  Store.SetUtf8(Col, Row, MarkedText(Text, Mark, buf));
}

QString Utf8ToString(QByteArrayView Text) {
  QStringDecoder decoder(QStringConverter::Utf8,
                         QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
  return decoder.decode(Text);
}

QByteArray Latin1ToUtf8(QByteArrayView Text) {
  return QString::fromLatin1(Text.data(), Text.size()).toUtf8();
}

}  // namespace orv::detail
