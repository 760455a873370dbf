#include "OrvRLXmlScanner.h"

#include "OrvRLMarkup.h"
#include "OrvRLText.h"
#include "OrvTRLData.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>

namespace orv::detail {

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

enum : std::uint8_t { NameStart = 1, NameChar = 2 };
constexpr std::array<std::uint8_t, 256> MakeNameTable() {
  std::array<std::uint8_t, 256> t{};
  for (int c = 0; c < 256; ++c) {
    const bool start = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':';
    const bool part = start || (c >= '0' && c <= '9') || c == '-' || c == '.';
    t[std::size_t(c)] = std::uint8_t((start ? NameStart : 0) | (part ? NameChar : 0));
  }
  return t;
}
constexpr std::array<std::uint8_t, 256> NameTable = MakeNameTable();

bool IsNameStart(char c) { return NameTable[std::uint8_t(c)] & NameStart; }
bool IsNameChar(char c) { return NameTable[std::uint8_t(c)] & NameChar; }

// ASCII names compared without regard to case.
bool SameName(QByteArrayView a, QByteArrayView b) {
  if (a.size() != b.size()) return false;
  for (qsizetype i = 0; i < a.size(); ++i)
    if ((a[i] | 0x20) != (b[i] | 0x20)) return false;  // names hold letters, digits and _:-. only
  return true;
}

// Moves q behind Word when the text continues with it.
template <std::size_t N>
bool Skip(const char*& q, const char* end, const char (&Word)[N]) {
  constexpr std::size_t n = N - 1;
  if (std::size_t(end - q) < n || std::memcmp(q, Word, n) != 0) return false;
  q += n;
  return true;
}

// Decimal digits (at most 9, so no overflow) as a number, -1 for anything else.
int ParseIndex(QByteArrayView Text) {
  if (Text.isEmpty() || Text.size() > 9) return -1;
  int v = 0;
  for (char c : Text) {
    if (c < '0' || c > '9') return -1;
    v = v * 10 + (c - '0');
  }
  return v;
}

QString NameText(QByteArrayView Name) { return QString::fromLatin1(Name.data(), Name.size()); }

}  // namespace

TRepListXmlTag TagOfName(QByteArrayView Name) {
  if (Name.size() == 4 && std::memcmp(Name.data(), "cell", 4) == 0) return xmlCell;  // by far the most frequent
  for (int t = xmlNumCols; t < xmlEndReplist; ++t)
    if (SameName(Name, RepListXmlTagNames[std::size_t(t)])) return TRepListXmlTag(t);
  return Name.size() > 0 && Name[0] == '/' && SameName(Name.sliced(1), "replist") ? xmlEndReplist : xmlInvalid;
}

TXmlTableScanner::TXmlTableScanner(QByteArrayView Text, qsizetype Start) : FText(Text), FStart(Start), FPos(Start) {}

void TXmlTableScanner::Fail(const QString& Fault) const {
  const qsizetype end = std::min(FPos, FText.size());
  const qsizetype line = 1 + std::count(FText.data() + FStart, FText.data() + end, '\n');
  throw EORVRLDataError(QStringLiteral("Class TRLData: malformed XML table, line %1 of the table: %2").arg(line).arg(Fault));
}

void TXmlTableScanner::Expect(char c, const char* What) {
  if (Peek() != c || AtEnd()) Fail(AtEnd() ? QStringLiteral("the text ends inside a tag") : QString::fromLatin1(What));
  ++FPos;
}

// Comments, processing instructions and CDATA sections are "specials"; true
// when one was skipped.
bool TXmlTableScanner::SkipSpecial() {
  if (Peek() != '<' || (Peek(1) != '!' && Peek(1) != '?')) return false;
  const char* close = nullptr;
  if (LooksAt("<!--")) close = "-->";
  else if (LooksAt("<?")) close = "?>";
  else return false;
  const QByteArrayView rest = FText.sliced(FPos + 2);
  const qsizetype at = rest.indexOf(QByteArrayView(close));
  if (at < 0) Fail(QStringLiteral("the text ends inside a comment or processing instruction"));
  FPos += 2 + at + qsizetype(std::strlen(close));
  return true;
}

void TXmlTableScanner::SkipMisc() {
  for (;;) {
    while (!AtEnd() && IsSpace(FText[FPos])) ++FPos;
    if (!SkipSpecial()) return;
  }
}

QByteArrayView TXmlTableScanner::ReadName() {
  const qsizetype s = FPos;
  if (!IsNameStart(Peek())) Fail(AtEnd() ? QStringLiteral("the text ends inside a tag") : QStringLiteral("a name was expected"));
  while (!AtEnd() && IsNameChar(FText[FPos])) ++FPos;
  return FText.sliced(s, FPos - s);
}

int TXmlTableScanner::ReadIndex(QByteArrayView Value, const char* Attribute) const {
  const int v = ParseIndex(Value);
  if (v < 0)
    Fail(QStringLiteral("attribute %1 is not a number: \"%2\"").arg(QLatin1String(Attribute), QString::fromUtf8(Value)));
  return v;
}

TXmlTableScanner::TTag TXmlTableScanner::ReadTag(TXmlElement* Attributes, QString* Id) {
  TTag tag;
  ++FPos;  // "<"
  if (Peek() == '/') {
    ++FPos;
    tag.End = true;
    tag.Name = ReadName();
    while (!AtEnd() && IsSpace(FText[FPos])) ++FPos;
    Expect('>', "\">\" was expected");
    return tag;
  }
  tag.Name = ReadName();
  for (;;) {
    while (!AtEnd() && IsSpace(FText[FPos])) ++FPos;
    if (Peek() == '/') {
      ++FPos;
      Expect('>', "\">\" was expected after \"/\"");
      tag.SelfClosing = true;
      return tag;
    }
    if (Peek() == '>') {
      ++FPos;
      return tag;
    }
    const QByteArrayView name = ReadName();
    while (!AtEnd() && IsSpace(FText[FPos])) ++FPos;
    Expect('=', "\"=\" was expected after an attribute name");
    while (!AtEnd() && IsSpace(FText[FPos])) ++FPos;
    const char quote = Peek();
    if (quote != '"' && quote != '\'') Fail(QStringLiteral("an attribute value must be quoted"));
    ++FPos;
    const auto* q = static_cast<const char*>(std::memchr(FText.data() + FPos, quote, std::size_t(FText.size() - FPos)));
    if (!q) Fail(QStringLiteral("the text ends inside an attribute value"));
    const qsizetype close = q - FText.data();
    const QByteArrayView value = FText.sliced(FPos, close - FPos);
    if (value.contains('<')) Fail(QStringLiteral("\"<\" inside an attribute value"));
    FPos = close + 1;
    if (Attributes && SameName(name, "c")) {
      Attributes->Col = ReadIndex(value, "c");
    } else if (Attributes && SameName(name, "r")) {
      Attributes->Row = ReadIndex(value, "r");
    } else if (Attributes && SameName(name, "checked")) {
      if (value == "1" || value == "true") Attributes->Checked = true;
      else if (value == "0" || value == "false") Attributes->Checked = false;
      else Fail(QStringLiteral("attribute checked must be 1 or 0"));
    } else if (Id && SameName(name, "id")) {
      FAttrScratch.clear();
      QString fault;
      if (!AppendUnescaped(value, FAttrScratch, fault)) Fail(fault);
      if (!IsValidUtf8(FAttrScratch)) Fail(QStringLiteral("text that is not valid UTF-8"));
      *Id = QString::fromUtf8(FAttrScratch);
    }
  }
}

QByteArrayView TXmlTableScanner::ReadContent(QByteArrayView Name) {
  bool scratch = false;
  FScratch.clear();
  for (;;) {
    const char* base = FText.data();
    const auto* lt = static_cast<const char*>(std::memchr(base + FPos, '<', std::size_t(FText.size() - FPos)));
    if (!lt) {
      FPos = FText.size();
      Fail(QStringLiteral("the text ends inside <%1>").arg(NameText(Name)));
    }
    const QByteArrayView chunk(base + FPos, lt - (base + FPos));
    FPos = lt - base;
    const bool plain = !chunk.contains('&') && !chunk.contains('\r');
    // The usual case: plain text directly followed by the end tag.
    if (!scratch && plain && LooksAt("</")) {
      const qsizetype at = FPos;
      const TTag end = ReadTag(nullptr, nullptr);
      if (!SameName(end.Name, Name)) {
        FPos = at;
        Fail(QStringLiteral("</%1> was expected").arg(NameText(Name)));
      }
      if (!IsValidUtf8Short(chunk)) Fail(QStringLiteral("text that is not valid UTF-8"));
      return chunk;
    }
    scratch = true;
    QString fault;
    if (!AppendUnescaped(chunk, FScratch, fault)) Fail(fault);
    if (LooksAt("<![CDATA[")) {
      const qsizetype close = FText.indexOf("]]>", FPos + 9);
      if (close < 0) Fail(QStringLiteral("the text ends inside a CDATA section"));
      // Line ends are normalised there too; "&" is an ordinary character.
      for (qsizetype i = FPos + 9; i < close; ++i) {
        const char c = FText[i];
        if (c == '\r') {
          FScratch.append('\n');
          if (i + 1 < close && FText[i + 1] == '\n') ++i;
        } else {
          FScratch.append(c);
        }
      }
      FPos = close + 3;
      continue;
    }
    if (SkipSpecial()) continue;
    const qsizetype at = FPos;
    const TTag tag = ReadTag(nullptr, nullptr);
    if (!tag.End) {
      FPos = at;
      Fail(QStringLiteral("element <%1> inside <%2>").arg(NameText(tag.Name), NameText(Name)));
    }
    if (!SameName(tag.Name, Name)) {
      FPos = at;
      Fail(QStringLiteral("</%1> was expected").arg(NameText(Name)));
    }
    if (!IsValidUtf8(FScratch)) Fail(QStringLiteral("text that is not valid UTF-8"));
    return FScratch;
  }
}

void TXmlTableScanner::SkipElement(QByteArrayView Name) {
  std::vector<QByteArrayView> open{Name};
  while (!open.empty()) {
    const qsizetype lt = FText.indexOf('<', FPos);
    if (lt < 0) {
      FPos = FText.size();
      Fail(QStringLiteral("the text ends inside <%1>").arg(NameText(open.back())));
    }
    FPos = lt;
    if (LooksAt("<![CDATA[")) {
      const qsizetype close = FText.indexOf("]]>", FPos + 9);
      if (close < 0) Fail(QStringLiteral("the text ends inside a CDATA section"));
      FPos = close + 3;
      continue;
    }
    if (SkipSpecial()) continue;
    const qsizetype at = FPos;
    const TTag tag = ReadTag(nullptr, nullptr);
    if (!tag.End) {
      if (!tag.SelfClosing) open.push_back(tag.Name);
      continue;
    }
    if (!SameName(tag.Name, open.back())) {
      FPos = at;
      Fail(QStringLiteral("</%1> was expected").arg(NameText(open.back())));
    }
    open.pop_back();
  }
}

QString TXmlTableScanner::ReadTableStart() {
  QString id;
  const TTag tag = ReadTag(nullptr, &id);
  if (tag.End || !SameName(tag.Name, "replist")) Fail(QStringLiteral("the table does not start with <replist>"));
  if (tag.SelfClosing) Fail(QStringLiteral("the table has no content"));
  return id;
}

bool TXmlTableScanner::ReadWrittenCell(TXmlElement& E) {
  // <cell c="1" r="2">text</cell> or <cell c="1" r="2" checked="1">text</cell>
  // with plain text, as the writer puts it.
  const char* p = FText.data() + FPos;
  const char* end = FText.data() + FText.size();
  const auto digits = [&](const char*& q) {
    const char* s = q;
    while (q < end && *q >= '0' && *q <= '9') ++q;
    return ParseIndex(QByteArrayView(s, q - s));
  };
  if (!Skip(p, end, "<cell c=\"")) return false;
  const int col = digits(p);
  if (col < 0 || !Skip(p, end, "\" r=\"")) return false;
  const int row = digits(p);
  if (row < 0) return false;
  const bool checked = Skip(p, end, "\" checked=\"1\">");
  if (!checked && !Skip(p, end, "\">")) return false;
  const auto* lt = static_cast<const char*>(std::memchr(p, '<', std::size_t(end - p)));
  if (!lt || end - lt < 7 || std::memcmp(lt, "</cell>", 7) != 0) return false;
  const QByteArrayView text(p, lt - p);
  unsigned char high = 0;
  for (char c : text) {
    if (c == '&' || c == '\r') return false;
    high |= static_cast<unsigned char>(c);
  }
  if ((high & 0x80) && !IsValidUtf8(text)) return false;
  E = TXmlElement();
  E.Tag = xmlCell;
  E.Col = col;
  E.Row = row;
  E.Checked = checked;
  E.Text = text;
  FPos = lt + 7 - FText.data();
  return true;
}

bool TXmlTableScanner::Next(TXmlElement& E) {
  for (;;) {
    SkipMisc();
    if (ReadWrittenCell(E)) return true;
    if (AtEnd()) Fail(QStringLiteral("the text ends before </replist>"));
    if (Peek() != '<') Fail(QStringLiteral("text outside an element"));
    if (LooksAt("<![CDATA[")) Fail(QStringLiteral("a CDATA section outside an element"));
    const qsizetype at = FPos;
    E = TXmlElement();
    const TTag tag = ReadTag(&E, nullptr);
    if (tag.End) {
      if (!SameName(tag.Name, "replist")) {
        FPos = at;
        Fail(QStringLiteral("unexpected </%1>").arg(NameText(tag.Name)));
      }
      // Behind the table means behind the line of its end tag.
      while (!AtEnd() && (FText[FPos] == ' ' || FText[FPos] == '\t' || FText[FPos] == '\r')) ++FPos;
      if (Peek() == '\n') ++FPos;
      return false;
    }
    if (SameName(tag.Name, "replist")) {
      FPos = at;
      Fail(QStringLiteral("a new table starts before </replist>"));
    }
    E.Tag = TagOfName(tag.Name);
    if (E.Tag == xmlInvalid) {
      if (!tag.SelfClosing) SkipElement(tag.Name);
      continue;
    }
    E.Text = tag.SelfClosing ? QByteArrayView() : ReadContent(tag.Name);
    return true;
  }
}

}  // namespace orv::detail
