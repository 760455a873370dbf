#pragma once
// Reads the elements of one stored table from UTF-8 text, starting at the
// "<replist" of its header line. What it accepts is the XML subset described
// in docs/replist-xml.md: elements without children inside the table,
// attributes in single or double quotes, character and entity references,
// CDATA sections, comments and processing instructions; elements with
// unknown names are skipped with everything inside them.

#include "OrvRLXml.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstring>
#include <vector>

namespace orv::detail {

// The tag of an element name, ignoring case ("/replist" for the end of the table).
TRepListXmlTag TagOfName(QByteArrayView Name);

struct TXmlElement {
  TRepListXmlTag Tag = xmlInvalid;
  int Col = -1;      // attribute c, -1 when absent
  int Row = -1;      // attribute r, -1 when absent
  bool Checked = false;  // attribute checked="1"
  QByteArrayView Text;   // the content, references resolved; valid until the next element
};

class TXmlTableScanner {
public:
  // Text holds the table from offset Start on ("<replist").
  TXmlTableScanner(QByteArrayView Text, qsizetype Start);

  // Reads the table's start tag; returns its id attribute.
  QString ReadTableStart();
  // Reads the next element of the table; false at "</replist>".
  bool Next(TXmlElement& E);
  // Offset behind the table: behind the line that holds "</replist>".
  qsizetype End() const { return FPos; }
  qsizetype Offset() const { return FPos; }

  // Raises EORVRLDataError naming the line of the table (the header line is
  // line 1) and the fault.
  [[noreturn]] void Fail(const QString& Fault) const;

private:
  struct TTag {
    QByteArrayView Name;
    bool End = false;         // </name>
    bool SelfClosing = false;  // <name/>
  };
  void SkipMisc();
  // The fast path for a cell exactly as the writer writes it; false (nothing
  // read) for anything else, which the general path then reads.
  bool ReadWrittenCell(TXmlElement& E);
  bool SkipSpecial();
  TTag ReadTag(TXmlElement* Attributes, QString* Id);
  QByteArrayView ReadName();
  QByteArrayView ReadContent(QByteArrayView Name);
  void SkipElement(QByteArrayView Name);
  int ReadIndex(QByteArrayView Value, const char* Attribute) const;
  void Expect(char c, const char* What);
  bool AtEnd() const { return FPos >= FText.size(); }
  char Peek(qsizetype Ahead = 0) const {
    return FPos + Ahead < FText.size() ? FText[FPos + Ahead] : '\0';
  }
  template <std::size_t N>
  bool LooksAt(const char (&s)[N]) const {
    constexpr qsizetype n = N - 1;
    return FPos + n <= FText.size() && std::memcmp(FText.data() + FPos, s, std::size_t(n)) == 0;
  }

  QByteArrayView FText;
  qsizetype FStart;
  qsizetype FPos;
  QByteArray FScratch;
  QByteArray FAttrScratch;
};

}  // namespace orv::detail
