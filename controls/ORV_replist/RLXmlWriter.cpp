// Writing the XML form of the table (format: docs/replist-xml.md).

#include "OrvRLMarkup.h"
#include "OrvRLText.h"
#include "OrvRLXml.h"
#include "OrvTRLData.h"

#include <QIODevice>
#include <QStringDecoder>
#include <QTextStream>

namespace orv {

using detail::AppendEscaped;
using detail::TBufferedWriter;
using detail::TEscape;

namespace {

// <tag>text</tag> on a line of its own.
void AppendElement(TBufferedWriter& W, TRepListXmlTag Tag, const QString& Text) {
  const char* name = RepListXmlTagNames[Tag];
  W.Append('<');
  W.Append(name, qsizetype(std::strlen(name)));
  W.Append('>');
  AppendEscaped(W, Text.toUtf8(), TEscape::Xml);
  W.Append("</", 2);
  W.Append(name, qsizetype(std::strlen(name)));
  W.Append(">\n", 2);
}

// <tag c="n">text</tag> on a line of its own.
void AppendColumnElement(TBufferedWriter& W, TRepListXmlTag Tag, int Col, const QString& Text) {
  const char* name = RepListXmlTagNames[Tag];
  W.Append('<');
  W.Append(name, qsizetype(std::strlen(name)));
  W.Append(" c=\"", 4);
  W.AppendInt(Col);
  W.Append("\">", 2);
  AppendEscaped(W, Text.toUtf8(), TEscape::Xml);
  W.Append("</", 2);
  W.Append(name, qsizetype(std::strlen(name)));
  W.Append(">\n", 2);
}

}  // namespace

void TRLData::WriteXml(TBufferedWriter& W, bool CreateHeader, const QString& DataID) {
  if (CreateHeader) W.Append(QByteArrayView("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"));
  W.Append(QByteArrayView("<replist library=\"orvlib\" version=\"1\""));
  if (!DataID.isEmpty()) {
    W.Append(QByteArrayView(" id=\""));
    AppendEscaped(W, DataID.toUtf8(), TEscape::Xml);
    W.Append('"');
  }
  W.Append(">\n", 2);
  AppendElement(W, xmlNumCols, QString::number(FNrOfCols));
  AppendElement(W, xmlNumRows, QString::number(FNrOfRows));
  AppendElement(W, xmlCommonHd, FCommonHeader);
  if (!FComment.isEmpty()) AppendElement(W, xmlComment, FComment);
  for (int c = 1; c <= FNrOfCols; ++c) {
    AppendColumnElement(W, xmlColName, c, GetColName(c));
    if (!GetColumnFormat(c).isEmpty()) AppendColumnElement(W, xmlColumnFormat, c, GetColumnFormat(c));
    if (GetColCheckMode(c) != cmNone)
      AppendColumnElement(W, xmlCheckedColumn, c,
                          GetColCheckMode(c) == cmBox ? QStringLiteral("box") : QStringLiteral("radio"));
  }

  detail::TProgress progress(this, OnPercentDone, qint64(FNrOfRows) * (FNrOfCols + 1));
  std::vector<bool> check(std::size_t(FNrOfCols) + 1);
  for (int c = 1; c <= FNrOfCols; ++c) check[std::size_t(c)] = IsCheckCol(c);
  for (int r = 1; r <= FNrOfRows; ++r) {
    for (int c = 0; c <= FNrOfCols; ++c) {
      QByteArrayView text = FStrings->GetUtf8(c, r);
      bool checked = false;
      if (check[std::size_t(c)]) {
        checked = detail::IsCheckedText(text);
        text = text.sliced(detail::FirstCharLength(text));
      }
      if (text.isEmpty() && !checked) continue;
      W.Append("<cell c=\"", 9);
      W.AppendInt(c);
      W.Append("\" r=\"", 5);
      W.AppendInt(r);
      if (checked) W.Append("\" checked=\"1\">", 14);
      else W.Append("\">", 2);
      AppendEscaped(W, text, TEscape::Xml);
      W.Append("</cell>\n", 8);
    }
    progress.Advance(FNrOfCols + 1);
  }
  W.Append("</replist>\n", 11);
  progress.Finish();
}

void TRLData::WriteToXMLStream(QIODevice* OutStream, bool CreateHeader, const QString& DataID) {
  if (!OutStream || !OutStream->isWritable()) throw EInOutError(QStringLiteral("Stream is not open for writing"));
  TBufferedWriter writer(OutStream);
  WriteXml(writer, CreateHeader, DataID);
  if (!writer.Flush()) throw EInOutError(QStringLiteral("Cannot write to stream: ") + OutStream->errorString());
}

void TRLData::WriteToOpenXMLFile(QTextStream& F, bool CreateHeader, const QString& DataID) {
  // The decoder keeps a character that a block boundary splits for the next block.
  QStringDecoder decoder(QStringDecoder::Utf8);
  TBufferedWriter writer([&](const char* Data, qsizetype Size) {
    F << decoder.decode(QByteArrayView(Data, Size));
    return F.status() == QTextStream::Ok;
  });
  WriteXml(writer, CreateHeader, DataID);
  if (!writer.Flush()) throw EInOutError(QStringLiteral("Cannot write to the text file"));
}

void TRLData::SaveAsXMLFile(const QString& FName, const QString& DataID) {
  QString error;
  const auto result = detail::SaveFile(FName, [&](TBufferedWriter& w) { WriteXml(w, true, DataID); }, error);
  if (result != detail::TFileResult::Ok) detail::RaiseFileError(result, FName, error);
}

}  // namespace orv
