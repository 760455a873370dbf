// Finding and reading a stored table (format: docs/replist-xml.md), and the
// check for one.

#include "OrvRLFileIO.h"
#include "OrvRLMarkup.h"
#include "OrvRLText.h"
#include "OrvRLXml.h"
#include "OrvRLXmlScanner.h"
#include "OrvTRLData.h"

#include <QFile>
#include <QIODevice>
#include <QTextStream>

#include <charconv>
#include <cstring>

namespace orv {

using detail::TXmlElement;
using detail::TXmlTableScanner;

namespace {

qsizetype IndexOfNoCase(QByteArrayView Text, QByteArrayView Word, qsizetype From = 0) {
  for (qsizetype i = From; i + Word.size() <= Text.size(); ++i)
    if (Text.sliced(i, Word.size()).compare(Word, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

// Offset of the next "<replist" (any case) from From on, -1 when there is none.
qsizetype IndexOfReplist(QByteArrayView Text, qsizetype From) {
  const char* base = Text.data();
  const char* end = base + Text.size();
  for (const char* p = base + From; p < end;) {
    const auto* lt = static_cast<const char*>(std::memchr(p, '<', std::size_t(end - p)));
    if (!lt) return -1;
    if (end - lt >= 8 && QByteArrayView(lt + 1, 7).compare(QByteArrayView("replist"), Qt::CaseInsensitive) == 0)
      return lt - base;
    p = lt + 1;
  }
  return -1;
}

// When Line is a table's header line: true, with its identifier lower-cased.
bool ReadHeaderLine(QByteArrayView Line, QString& Id) {
  if (IndexOfNoCase(Line, "<replist") < 0 || IndexOfNoCase(Line, "orvlib") < 0) return false;
  Id.clear();
  const qsizetype at = IndexOfNoCase(Line, "id=\"");
  if (at < 0) return true;
  const qsizetype from = at + 4;
  const qsizetype close = Line.indexOf('"', from);
  const QByteArrayView raw = Line.sliced(from, (close < 0 ? Line.size() : close) - from);
  // The writer escapes the identifier; read it back as written.
  QByteArray text;
  QString fault;
  if (!detail::AppendUnescaped(raw, text, fault)) text = raw.toByteArray();
  Id = QString::fromUtf8(text).trimmed().toLower();
  return true;
}

bool HeaderLineMatches(QByteArrayView Line, const QString& LowerDataID) {
  QString id;
  return ReadHeaderLine(Line, id) && (LowerDataID.isEmpty() || id == LowerDataID);
}

// Offset of the "<replist" that starts the first table whose header line
// matches, -1 when there is none.
qsizetype FindTable(QByteArrayView Text, const QString& LowerDataID) {
  qsizetype from = 0;
  for (;;) {
    const qsizetype at = IndexOfReplist(Text, from);
    if (at < 0) return -1;
    const qsizetype lineStart = Text.lastIndexOf('\n', at) + 1;
    qsizetype lineEnd = Text.indexOf('\n', at);
    if (lineEnd < 0) lineEnd = Text.size();
    if (HeaderLineMatches(Text.sliced(lineStart, lineEnd - lineStart), LowerDataID)) return at;
    from = lineEnd;
  }
}

int ReadCount(QByteArrayView Text, const TXmlTableScanner& Scanner, const char* Tag) {
  const QByteArrayView t = Text.trimmed();
  int v = 0;
  const auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
  if (t.isEmpty() || ec != std::errc() || ptr != t.data() + t.size() || v < 0 || v == INT_MAX)
    Scanner.Fail(QStringLiteral("<%1> is not a count: \"%2\"").arg(QLatin1String(Tag), QString::fromUtf8(Text)));
  return v;
}

}  // namespace

TRepListXmlTag RepListXmlTagOf(QStringView Name) {
  for (QChar c : Name)
    if (c.unicode() > 0x7F) return xmlInvalid;
  return detail::TagOfName(Name.toLatin1());
}

bool TRLData::ReadXml(QByteArrayView Text, const QString& DataID, qsizetype* Consumed) {
  const qsizetype start = FindTable(Text, DataID.trimmed().toLower());
  if (Consumed) *Consumed = Text.size();
  if (start < 0) return false;

  // The table is read into a fresh object; only a complete table replaces
  // the content.
  TXmlTableScanner scanner(Text, start);
  TRLData staged(nullptr);
  staged.FDataID = scanner.ReadTableStart();
  detail::TProgress progress(this, OnPercentDone, Text.size() - start);
  int cols = -1;
  int rows = -1;
  bool sized = false;
  bool cells = false;
  const auto size = [&](TRepListXmlTag Tag) {
    if (sized) return;
    if (cols < 0 || rows < 0)
      scanner.Fail(QStringLiteral("<%1> comes before <numcols> and <numrows>")
                       .arg(QLatin1String(RepListXmlTagNames[std::size_t(Tag)])));
    if (!detail::TableFitsText(qint64(cols + 1) * std::max(rows, 1), Text.size() - start))
      scanner.Fail(QStringLiteral("a table of %1 columns and %2 rows is far larger than its text").arg(cols).arg(rows));
    try {
      staged.SetNrCols(std::max(cols, 1));
      staged.SetNrRows(rows);
    } catch (const EORVError&) {
      scanner.Fail(QStringLiteral("a table of %1 columns and %2 rows does not fit into memory").arg(cols).arg(rows));
    }
    if (cols == 0) staged.SetNoColumns();
    sized = true;
  };
  const auto column = [&](const TXmlElement& e, int First) {
    if (e.Col < First || e.Col > cols)
      scanner.Fail(QStringLiteral("<%1> names column %2 of a table of %3 columns")
                       .arg(QLatin1String(RepListXmlTagNames[std::size_t(e.Tag)]))
                       .arg(e.Col)
                       .arg(cols));
    return e.Col;
  };

  TXmlElement e;
  qsizetype reported = start;
  while (scanner.Next(e)) {
    switch (e.Tag) {
      case xmlNumCols:
      case xmlNumRows: {
        int& count = e.Tag == xmlNumCols ? cols : rows;
        if (count >= 0) scanner.Fail(QStringLiteral("<%1> is given twice").arg(QLatin1String(RepListXmlTagNames[e.Tag])));
        count = ReadCount(e.Text, scanner, RepListXmlTagNames[e.Tag]);
        break;
      }
      case xmlCommonHd:
        staged.FCommonHeader = detail::Utf8ToString(e.Text);
        break;
      case xmlComment:
        staged.FComment = detail::Utf8ToString(e.Text);
        break;
      case xmlColName:
        size(e.Tag);
        staged.SetColName(column(e, 1), detail::Utf8ToString(e.Text));
        break;
      case xmlColumnFormat:
        size(e.Tag);
        staged.SetColumnFormat(column(e, 1), detail::Utf8ToString(e.Text));
        break;
      case xmlCheckedColumn: {
        size(e.Tag);
        const int c = column(e, 1);
        if (cells) scanner.Fail(QStringLiteral("<checkedcolumn> comes after the cells"));
        const QByteArrayView mode = e.Text.trimmed();
        if (mode == "box") staged.FColButMode[std::size_t(c - 1)] = cmBox;
        else if (mode == "radio") staged.FColButMode[std::size_t(c - 1)] = cmRadio;
        else if (mode == "none") staged.FColButMode[std::size_t(c - 1)] = cmNone;
        else scanner.Fail(QStringLiteral("<checkedcolumn> must hold box, radio or none"));
        break;
      }
      case xmlCell: {
        size(e.Tag);
        const int c = column(e, 0);
        if (e.Row < 1 || e.Row > rows)
          scanner.Fail(QStringLiteral("<cell> names row %1 of a table of %2 rows").arg(e.Row).arg(rows));
        const char mark = staged.IsCheckCol(c) ? (e.Checked ? 'X' : ' ') : 0;
        detail::SetCellUtf8(*staged.FStrings, c, e.Row, e.Text, mark);
        cells = true;
        break;
      }
      default:
        break;
    }
    if (scanner.Offset() - reported > 65536) {
      progress.Advance(scanner.Offset() - reported);
      reported = scanner.Offset();
    }
  }
  size(xmlEndReplist);
  if (Consumed) *Consumed = scanner.End();

  TakeContent(staged);
  FComment = staged.FComment;
  FCommonHeader = staged.FCommonHeader;
  FDataID = staged.FDataID;
  progress.Finish();
  return true;
}

bool TRLData::ReadFromXMLString(const QString& InString, const QString& DataID) {
  return ReadXml(InString.toUtf8(), DataID, nullptr);
}

bool TRLData::ReadFromXMLStream(QIODevice* InStream, const QString& DataID) {
  if (!InStream || !InStream->isReadable()) throw EInOutError(QStringLiteral("Stream is not open for reading"));
  const qint64 pos = InStream->pos();
  const QByteArray data = InStream->readAll();
  qsizetype consumed = 0;
  const bool found = ReadXml(data, DataID, &consumed);
  if (!InStream->isSequential()) InStream->seek(pos + consumed);
  return found;
}

bool TRLData::LoadFromXMLFile(const QString& FName, const QString& DataID) {
  detail::TFileBytes file;
  QString error;
  const auto result = file.Open(FName, error);
  if (result != detail::TFileResult::Ok) detail::RaiseFileError(result, FName, error);
  return ReadXml(file.Bytes(), DataID, nullptr);
}

bool TRLData::ReadFromOpenXMLFile(QTextStream& F, const QString& DataID) {
  const QString id = DataID.trimmed().toLower();
  QString line;
  while (F.readLineInto(&line)) {
    QByteArray text = line.toUtf8();
    if (!HeaderLineMatches(text, id)) continue;
    // The table's lines up to the one with its end tag.
    text += '\n';
    bool end = line.contains(QLatin1String("</replist"));
    while (!end && F.readLineInto(&line)) {
      text += line.toUtf8();
      text += '\n';
      end = line.contains(QLatin1String("</replist"));
    }
    return ReadXml(text, DataID, nullptr);
  }
  return false;
}

bool CheckIfValidReplist(const QString& FName, const QString& DataID) {
  QFile file(FName);
  if (!file.open(QIODevice::ReadOnly)) detail::RaiseFileError(detail::TFileResult::OpenFailed, FName, file.errorString());
  const bool found = CheckIfValidReplist(&file, DataID);
  if (file.error() != QFileDevice::NoError)
    detail::RaiseFileError(detail::TFileResult::ReadFailed, FName, file.errorString());
  return found;
}

bool CheckIfValidReplist(QIODevice* Stream, const QString& DataID) {
  if (!Stream || !Stream->isReadable()) throw EInOutError(QStringLiteral("Stream is not open for reading"));
  const QString id = DataID.trimmed().toLower();
  QString line;
  while (ReadLnStream(Stream, line))
    if (HeaderLineMatches(line.toUtf8(), id)) return true;
  return false;
}

}  // namespace orv
