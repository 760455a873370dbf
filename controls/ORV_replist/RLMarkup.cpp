#include "OrvRLMarkup.h"

#include <array>
#include <charconv>

namespace orv::detail {

namespace {

// Bytes that are not written as they are: the markup characters and the
// control characters.
constexpr std::array<bool, 256> MakeSpecialTable() {
  std::array<bool, 256> t{};
  for (int c = 0; c < 0x20; ++c) t[std::size_t(c)] = true;
  t['&'] = t['<'] = t['>'] = t['"'] = true;
  return t;
}
constexpr std::array<bool, 256> Special = MakeSpecialTable();

void AppendUtf8(QByteArray& Out, char32_t c) {
  char b[4];
  int n;
  if (c < 0x80) {
    b[0] = char(c);
    n = 1;
  } else if (c < 0x800) {
    b[0] = char(0xC0 | (c >> 6));
    b[1] = char(0x80 | (c & 0x3F));
    n = 2;
  } else if (c < 0x10000) {
    b[0] = char(0xE0 | (c >> 12));
    b[1] = char(0x80 | ((c >> 6) & 0x3F));
    b[2] = char(0x80 | (c & 0x3F));
    n = 3;
  } else {
    b[0] = char(0xF0 | (c >> 18));
    b[1] = char(0x80 | ((c >> 12) & 0x3F));
    b[2] = char(0x80 | ((c >> 6) & 0x3F));
    b[3] = char(0x80 | (c & 0x3F));
    n = 4;
  }
  Out.append(b, n);
}

}  // namespace

void AppendEscaped(TBufferedWriter& W, QByteArrayView Text, TEscape Kind) {
  const char* p = Text.data();
  const char* end = p + Text.size();
  while (p < end) {
    const char* s = p;
    while (p < end && !Special[std::uint8_t(*p)]) ++p;
    W.Append(s, p - s);
    if (p == end) break;
    const char c = *p++;
    switch (c) {
      case '&': W.Append("&amp;", 5); break;
      case '<': W.Append("&lt;", 4); break;
      case '>': W.Append("&gt;", 4); break;
      case '"': W.Append("&quot;", 6); break;
      default:
        if (Kind == TEscape::Xml) {
          W.Append("&#", 2);
          W.AppendInt(std::uint8_t(c));
          W.Append(';');
        } else if (c == '\r' || c == '\n') {
          if (c == '\r' && p < end && *p == '\n') ++p;
          W.Append("<br>", 4);
        } else if (c == '\t') {
          W.Append('\t');
        } else {
          W.Append(' ');
        }
    }
  }
}

bool AppendUnescaped(QByteArrayView Text, QByteArray& Out, QString& Fault) {
  const char* p = Text.data();
  const char* end = p + Text.size();
  while (p < end) {
    const char* s = p;
    while (p < end && *p != '&' && *p != '\r') ++p;
    Out.append(s, p - s);
    if (p == end) break;
    if (*p == '\r') {
      Out.append('\n');
      ++p;
      if (p < end && *p == '\n') ++p;
      continue;
    }
    const char* semi = static_cast<const char*>(std::memchr(p, ';', std::size_t(std::min<qsizetype>(end - p, 32))));
    if (!semi) {
      Fault = QStringLiteral("a \"&\" that starts no reference");
      return false;
    }
    const QByteArrayView name(p + 1, semi - p - 1);
    p = semi + 1;
    if (name == "lt") Out.append('<');
    else if (name == "gt") Out.append('>');
    else if (name == "amp") Out.append('&');
    else if (name == "quot") Out.append('"');
    else if (name == "apos") Out.append('\'');
    else if (name.size() >= 2 && name[0] == '#') {
      const bool hex = name[1] == 'x';
      const char* first = name.data() + (hex ? 2 : 1);
      const char* last = name.data() + name.size();
      std::uint32_t code = 0;
      const auto [ptr, ec] = std::from_chars(first, last, code, hex ? 16 : 10);
      if (first == last || ec != std::errc() || ptr != last || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        Fault = QStringLiteral("bad character reference \"&%1;\"").arg(QString::fromLatin1(name));
        return false;
      }
      AppendUtf8(Out, code);
    } else {
      Fault = QStringLiteral("unknown reference \"&%1;\"").arg(QString::fromUtf8(name));
      return false;
    }
  }
  return true;
}

}  // namespace orv::detail
