// CSV export and import (RFC 4180) and line files.

#include "OrvTRLData.h"

#include "OrvRLCsvRead.h"
#include "OrvRLFileIO.h"
#include "OrvRLText.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace orv {

using detail::ReadCsv;
using detail::TBufferedWriter;
using detail::TCsvTable;
using detail::TFileResult;
using detail::TProgress;

namespace {

char DelimiterChar(TCSVDelimiters Delimiter) { return char(CSVDelimiterChar(Delimiter).unicode()); }

// Writes CSV fields: a field holding the delimiter, a quote or a line break
// is quoted, its quotes doubled. So is a field that starts with U+FEFF: as
// the first field of a file it would read as a byte order mark.
class TCsvFieldWriter {
public:
  TCsvFieldWriter(TBufferedWriter& W, char Delim) : FW(W), FDelim(Delim) {}

  void Field(QByteArrayView Text) {
    if (!NeedsQuotes(Text) && !StartsWithBom(Text))
      FW.Append(Text);
    else
      Quoted(Text);
  }

  // The text of a whole cell as the store hands it out: one of at most
  // TCell::InlineCapacity bytes lies inside its 16-byte cell, so all 16 bytes
  // may be read, and copied, before only the text's own count is kept.
  void CellField(QByteArrayView Text) {
    if (Text.size() > detail::TCell::InlineCapacity) {
      Field(Text);
      return;
    }
    if ((Special16(Text.data()) & ((1u << Text.size()) - 1)) || StartsWithBom(Text)) {
      Quoted(Text);
      return;
    }
    std::memcpy(FW.Reserve(16), Text.data(), 16);
    FW.Advance(Text.size());
  }

private:
  static bool StartsWithBom(QByteArrayView Text) {
    return Text.size() >= 3 && Text[0] == '\xEF' && Text[1] == '\xBB' && Text[2] == '\xBF';
  }

  std::uint32_t Special16(const char* P) const { return detail::MatchMask16(P, FDelim, '"', '\r', '\n'); }

  bool NeedsQuotes(QByteArrayView Text) const {
    const char* p = Text.data();
    const qsizetype n = Text.size();
    if (n < 16) {
      for (qsizetype i = 0; i < n; ++i)
        if (p[i] == FDelim || p[i] == '"' || p[i] == '\r' || p[i] == '\n') return true;
      return false;
    }
    // Sixteen bytes at a time, the last block overlapping the one before.
    for (qsizetype i = 0; i < n; i += 16)
      if (Special16(p + std::min(i, n - 16))) return true;
    return false;
  }

  void Quoted(QByteArrayView Text) {
    FW.Append('"');
    for (const char c : Text) {
      if (c == '"') FW.Append('"');
      FW.Append(c);
    }
    FW.Append('"');
  }

  TBufferedWriter& FW;
  char FDelim;
};

// Opens a file for reading; 0 or a TExchangeError.
int OpenFile(const QString& FName, detail::TFileBytes& File) {
  QString error;
  switch (File.Open(FName, error)) {
    case TFileResult::Ok:
      return 0;
    case TFileResult::OpenFailed:
      return xeOpenFailed;
    default:
      return xeReadFailed;
  }
}

// Opens a text file as UTF-8 (see TextAsUtf8); 0 or a TExchangeError.
int OpenText(const QString& FName, detail::TFileBytes& File, QByteArray& Storage, QByteArrayView& Text) {
  if (const int error = OpenFile(FName, File)) return error;
  Text = detail::TextAsUtf8(File.Bytes(), Storage);
  return 0;
}

}  // namespace

int TRLData::ExportCSV(const QString& FName, TCSVDelimiters Delimiter, bool IncludeColHeaders, bool IncludeCommonHeader,
                       int FirstCol, int FirstRow, int LastCol, int LastRow) {
  FirstCol = std::max(FirstCol, 0);
  LastCol = std::min(LastCol, FNrOfCols);
  FirstRow = std::max(FirstRow, 1);
  LastRow = std::min(LastRow, FNrOfRows);
  if (FirstCol > LastCol) return xeBadRange;
  const int rows = std::max(LastRow - FirstRow + 1, 0);
  const char delim = DelimiterChar(Delimiter);
  const bool oneColumn = FirstCol == LastCol;
  std::vector<char> checkCol;
  for (int c = FirstCol; c <= LastCol; ++c) checkCol.push_back(IsCheckCol(c));
  TProgress progress(this, OnPercentDone, qint64(rows) * (LastCol - FirstCol + 1));

  const auto body = [&](TBufferedWriter& w) {
    detail::CleanVectorState();
    TCsvFieldWriter out(w, delim);
    // A field as the export hook leaves it; a record of one empty field is
    // written as "" so that it does not read as a blank line.
    const auto hooked = [&](QByteArrayView text, int col, int row) {
      QString s = detail::Utf8ToString(text);
      OnExportText(this, s, col, row);
      const QByteArray b = s.toUtf8();
      if (b.isEmpty() && oneColumn)
        w.Append("\"\"", 2);
      else
        out.Field(b);
    };
    const auto field = [&](QByteArrayView text, int col, int row) {
      if (OnExportText)
        hooked(text, col, row);
      else if (text.isEmpty() && oneColumn)
        w.Append("\"\"", 2);
      else
        out.Field(text);
    };
    if (IncludeCommonHeader) {
      field(FCommonHeader.toUtf8(), 0, -1);
      w.Append("\r\n", 2);
    }
    if (IncludeColHeaders) {
      for (int c = FirstCol; c <= LastCol; ++c) {
        if (c > FirstCol) w.Append(delim);
        field(GetColName(c).toUtf8(), c, 0);
      }
      w.Append("\r\n", 2);
    }
    for (int r = FirstRow; r <= LastRow; ++r) {
      for (int c = FirstCol; c <= LastCol; ++c) {
        if (c > FirstCol) w.Append(delim);
        const QByteArrayView text = FStrings->GetUtf8(c, r);
        if (checkCol[std::size_t(c - FirstCol)])
          field(text.sliced(detail::FirstCharLength(text)), c, r);
        else if (OnExportText || (text.isEmpty() && oneColumn))
          field(text, c, r);
        else
          out.CellField(text);
      }
      w.Append("\r\n", 2);
      progress.Advance(LastCol - FirstCol + 1);
    }
  };
  QString error;
  switch (detail::SaveFile(FName, body, error)) {
    case TFileResult::Ok:
      progress.Finish();
      return rows;
    case TFileResult::OpenFailed:
      return xeOpenFailed;
    default:
      return xeWriteFailed;
  }
}

int TRLData::ImportCSV(const QString& FName, TCSVDelimiters Delimiter, bool IncludeColHeaders) {
  detail::TFileBytes file;
  if (const int error = OpenFile(FName, file)) return error;
  QByteArrayView text = detail::WithoutBom(file.Bytes());
  // The unchecked mark of the check columns that stay, by column.
  std::vector<char> marks(std::size_t(FNrOfCols) + 1, 0);
  for (int c = 1; c <= FNrOfCols; ++c) marks[std::size_t(c)] = IsCheckCol(c) ? ' ' : 0;

  // The text is read as UTF-8, each field checked as it goes by (while it is
  // in the cache); a text that is not UTF-8 is read again as Latin-1.
  std::optional<TCsvTable> read(std::in_place);
  std::optional<TProgress> progress(std::in_place, this, OnPercentDone, text.size());
  int result = ReadCsv(text, DelimiterChar(Delimiter), IncludeColHeaders, marks, true, *progress, *read);
  QByteArray storage;
  if (result == detail::CsvNotUtf8) {
    storage = detail::Latin1ToUtf8(text);
    text = storage;
    read.emplace();
    progress.emplace(this, OnPercentDone, text.size());
    result = ReadCsv(text, DelimiterChar(Delimiter), IncludeColHeaders, marks, false, *progress, *read);
  }
  if (result) return result;
  TCsvTable& table = *read;
  try {
    ResizeColumnArrays(table.Cols);
  } catch (const std::bad_alloc&) {
    return xeTooLarge;
  }

  table.Cells.SetAllocRowsBy(FStrings->AllocRowsBy());
  FStrings->Swap(table.Cells);
  FNrOfRows = table.Rows;
  FNrOfCols = table.Cols;
  FSortColumnPrim = FSortColumnSec = -1;
  for (int c = 1; c <= int(table.Names.size()); ++c) FColName[std::size_t(c - 1)] = table.Names[std::size_t(c - 1)];
  UpdateFeedback();
  progress->Finish();
  return table.Rows;
}

int TRLData::LoadLinesFromFile(int Column, int FirstRow, const QString& FName) {
  if (Column < 0 || Column > FNrOfCols || FirstRow < 1) return xeBadRange;
  detail::TFileBytes file;
  QByteArray storage;
  QByteArrayView text;
  if (const int error = OpenText(FName, file, storage, text)) return error;

  // Line starts and lengths first, so that the table grows once.
  std::vector<QByteArrayView> lines;
  const char* p = text.data();
  const char* end = p + text.size();
  while (p < end) {
    const char* s = p;
    while (p < end && *p != '\n' && *p != '\r') ++p;
    lines.emplace_back(s, p - s);
    if (p < end && *p++ == '\r' && p < end && *p == '\n') ++p;
  }
  const qint64 last = qint64(FirstRow) + qint64(lines.size()) - 1;
  if (last >= INT_MAX || !detail::TableFitsText(qint64(FNrOfCols + 1) * last, text.size())) return xeTooLarge;
  try {
    if (last > FNrOfRows) SetNrRows(int(last));
  } catch (const EORVDStructError&) {
    return xeTooLarge;
  }
  const bool check = IsCheckCol(Column);
  TProgress progress(this, OnPercentDone, qint64(lines.size()));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int row = FirstRow + int(i);
    char mark = 0;
    if (check) {
      const QByteArrayView stored = FStrings->GetUtf8(Column, row);
      mark = detail::IsCheckedText(stored) ? 'X' : ' ';
    }
    detail::SetCellUtf8(*FStrings, Column, row, lines[i], mark);
    progress.Advance(1);
  }
  progress.Finish();
  return int(lines.size());
}

}  // namespace orv
