// A block of the table as an HTML table.

#include "OrvRLFileIO.h"
#include "OrvRLMarkup.h"
#include "OrvTRLData.h"

#include <algorithm>

namespace orv {

using detail::AppendEscaped;
using detail::TBufferedWriter;
using detail::TEscape;

namespace {

void AppendClass(TBufferedWriter& W, const QString& Class) {
  if (Class.isEmpty()) return;
  W.Append(QByteArrayView(" class=\""));
  AppendEscaped(W, Class.toUtf8(), TEscape::Html);
  W.Append('"');
}

}  // namespace

void TRLData::ExportHTMLTable(const QString& FName, int LoC, int LoR, int HiC, int HiR,
                              const QList<int>& ColumnSelection, int Border, int CellSpacing, int Cellpadding,
                              bool IncludeHeader, const QString& HeadClass, const QString& CellClass,
                              const QString& TableClass) {
  LoC = std::max(LoC, 0);
  HiC = std::min(HiC, FNrOfCols);
  LoR = std::max(LoR, 1);
  HiR = std::min(HiR, FNrOfRows);
  std::vector<int> columns;
  if (ColumnSelection.isEmpty()) {
    for (int c = LoC; c <= HiC; ++c) columns.push_back(c);
  } else {
    for (int c : ColumnSelection)
      if (c >= LoC && c <= HiC) columns.push_back(c);
  }
  const int rows = std::max(HiR - LoR + 1, 0);
  detail::TProgress progress(this, OnPercentDone, qint64(rows) * qint64(columns.size()));

  // One cell: its text as the export hook leaves it, escaped.
  const auto cell = [&](TBufferedWriter& w, const char* tag, const QString& cls, QString text, int col, int row) {
    if (OnBeforeHTMLExport) OnBeforeHTMLExport(this, text, col, row);
    w.Append('<');
    w.Append(QByteArrayView(tag));
    AppendClass(w, cls);
    w.Append('>');
    AppendEscaped(w, text.toUtf8(), TEscape::Html);
    w.Append("</", 2);
    w.Append(QByteArrayView(tag));
    w.Append('>');
  };
  const auto body = [&](TBufferedWriter& w) {
    w.Append(QByteArrayView("<table"));
    AppendClass(w, TableClass);
    w.Append(QByteArrayView(" border=\""));
    w.AppendInt(std::max(Border, 0));
    w.Append(QByteArrayView("\" cellspacing=\""));
    w.AppendInt(std::max(CellSpacing, 0));
    w.Append(QByteArrayView("\" cellpadding=\""));
    w.AppendInt(std::max(Cellpadding, 0));
    w.Append("\">\n", 3);
    if (IncludeHeader && !columns.empty()) {
      w.Append(QByteArrayView("<tr>"));
      for (int c : columns) cell(w, "th", HeadClass, GetColName(c), c, 0);
      w.Append("</tr>\n", 6);
    }
    for (int r = LoR; r <= HiR && !columns.empty(); ++r) {
      w.Append(QByteArrayView("<tr>"));
      for (int c : columns) cell(w, "td", CellClass, GetElem(c, r), c, r);
      w.Append("</tr>\n", 6);
      progress.Advance(qint64(columns.size()));
    }
    w.Append(QByteArrayView("</table>\n"));
  };
  QString error;
  const auto result = detail::SaveFile(FName, body, error);
  if (result != detail::TFileResult::Ok) detail::RaiseFileError(result, FName, error);
  progress.Finish();
}

}  // namespace orv
