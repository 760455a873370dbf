// CSV export and import (RFC 4180) and line files.

#include "TRLData.h"

#include "RLFileIO.h"
#include "RLText.h"

#include <algorithm>
#include <array>

namespace orv {

using detail::TBufferedWriter;
using detail::TFileResult;
using detail::TProgress;

namespace {

char DelimiterChar(TCSVDelimiters Delimiter) { return char(CSVDelimiterChar(Delimiter).unicode()); }

// Bytes that make a field quoted: the delimiter, the quote and line breaks.
struct TSpecialBytes {
  explicit TSpecialBytes(char Delimiter) {
    Is.fill(false);
    Is[std::uint8_t(Delimiter)] = Is['"'] = Is['\r'] = Is['\n'] = true;
  }
  std::array<bool, 256> Is;
};

void WriteField(TBufferedWriter& W, QByteArrayView Text, const TSpecialBytes& Special) {
  const char* p = Text.data();
  const char* end = p + Text.size();
  const char* s = p;
  while (s < end && !Special.Is[std::uint8_t(*s)]) ++s;
  if (s == end) {
    W.Append(p, Text.size());
    return;
  }
  W.Append('"');
  for (; p < end; ++p) {
    if (*p == '"') W.Append('"');
    W.Append(*p);
  }
  W.Append('"');
}

// Splits CSV text into records and fields. Fields come as views into the
// text, or into a scratch buffer when quotes had to be undone.
class TCsvReader {
public:
  TCsvReader(QByteArrayView Text, char Delimiter) : FPos(Text.data()), FEnd(Text.data() + Text.size()), FDelim(Delimiter) {}

  bool AtEnd() const { return FPos == FEnd; }
  qsizetype Offset(const char* Start) const { return FPos - Start; }

  // Reads one record; false when a quoted field is not closed.
  template <class FieldFn>
  bool ReadRecord(FieldFn&& OnField) {
    for (int col = 1;; ++col) {
      QByteArrayView field;
      if (FPos < FEnd && *FPos == '"') {
        if (!ReadQuoted(field)) return false;
      } else {
        const char* s = FPos;
        while (FPos < FEnd && *FPos != FDelim && *FPos != '\r' && *FPos != '\n') ++FPos;
        field = QByteArrayView(s, FPos - s);
      }
      OnField(col, field);
      if (FPos == FEnd) return true;
      const char c = *FPos++;
      if (c == FDelim) continue;
      if (c == '\r' && FPos < FEnd && *FPos == '\n') ++FPos;
      return true;
    }
  }

private:
  // A quoted field: doubled quotes stand for one; text after the closing
  // quote up to the next delimiter or line end is kept as it is.
  bool ReadQuoted(QByteArrayView& Field) {
    FScratch.clear();
    ++FPos;
    for (;;) {
      const char* q = static_cast<const char*>(std::memchr(FPos, '"', std::size_t(FEnd - FPos)));
      if (!q) return false;
      FScratch.append(FPos, q - FPos);
      FPos = q + 1;
      if (FPos < FEnd && *FPos == '"') {
        FScratch.append('"');
        ++FPos;
        continue;
      }
      break;
    }
    const char* s = FPos;
    while (FPos < FEnd && *FPos != FDelim && *FPos != '\r' && *FPos != '\n') ++FPos;
    FScratch.append(s, FPos - s);
    Field = FScratch;
    return true;
  }

  const char* FPos;
  const char* FEnd;
  char FDelim;
  QByteArray FScratch;
};

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
  const TSpecialBytes special(delim);
  const bool oneColumn = FirstCol == LastCol;
  TProgress progress(this, OnPercentDone, qint64(rows) * (LastCol - FirstCol + 1));

  const auto body = [&](TBufferedWriter& w) {
    // A field as the export hook leaves it; a record of one empty field is
    // written as "" so that it does not read as a blank line.
    const auto field = [&](QByteArrayView text, int col, int row) {
      if (OnExportText) {
        QString s = QString::fromUtf8(text);
        OnExportText(this, s, col, row);
        const QByteArray b = s.toUtf8();
        if (b.isEmpty() && oneColumn) w.Append("\"\"", 2);
        else WriteField(w, b, special);
      } else if (text.isEmpty() && oneColumn) {
        w.Append("\"\"", 2);
      } else {
        WriteField(w, text, special);
      }
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
        QByteArrayView text = FStrings->GetUtf8(c, r);
        if (IsCheckCol(c)) text = text.sliced(detail::FirstCharLength(text));
        field(text, c, r);
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
  QByteArray data;
  QString error;
  switch (detail::ReadWholeFile(FName, data, error)) {
    case TFileResult::Ok:
      break;
    case TFileResult::OpenFailed:
      return xeOpenFailed;
    default:
      return xeReadFailed;
  }
  data = detail::TextAsUtf8(std::move(data));

  // The file is read into a fresh store first, so that a failure leaves the
  // table as it was.
  TStringArray fresh(nullptr, 1, 1);
  std::vector<QString> names;
  int cols = 1;
  int rows = 0;
  int capacity = 1;
  TCsvReader reader(data, DelimiterChar(Delimiter));
  TProgress progress(this, OnPercentDone, data.size());
  qsizetype consumed = 0;
  try {
    if (IncludeColHeaders && !reader.AtEnd()) {
      if (!reader.ReadRecord([&](int col, QByteArrayView text) {
            names.push_back(detail::CutText(QString::fromUtf8(text), MaxColNameLength));
            cols = std::max(cols, col);
          }))
        return xeUnclosedQuote;
    }
    const auto onField = [&](int col, QByteArrayView text) {
      if (col > fresh.NrOfColumns()) fresh.Resize(col, capacity);
      cols = std::max(cols, col);
      const bool check = col <= FNrOfCols && FColButMode[std::size_t(col - 1)] != cmNone;
      if (!text.isEmpty() || check) detail::SetCellUtf8(fresh, col, rows, text, check ? ' ' : 0);
    };
    while (!reader.AtEnd()) {
      if (rows == INT_MAX - 1) return xeOutOfMemory;
      if (++rows > capacity) {
        capacity = int(std::min<qint64>(qint64(capacity) * 2, INT_MAX - 1));
        fresh.Resize(fresh.NrOfColumns(), capacity);
      }
      if (!reader.ReadRecord(onField)) return xeUnclosedQuote;
      const qsizetype at = reader.Offset(data.constData());
      progress.Advance(at - consumed);
      consumed = at;
    }
    fresh.Resize(cols, std::max(rows, 1));
    ResizeColumnArrays(cols);
  } catch (const EORVDStructError&) {
    return xeOutOfMemory;
  } catch (const std::bad_alloc&) {
    return xeOutOfMemory;
  }

  fresh.SetAllocRowsBy(FStrings->AllocRowsBy());
  FStrings->Swap(fresh);
  FNrOfRows = rows;
  FNrOfCols = cols;
  FSortColumnPrim = FSortColumnSec = -1;
  for (int c = 1; c <= int(names.size()); ++c) FColName[std::size_t(c - 1)] = names[std::size_t(c - 1)];
  UpdateFeedback();
  progress.Finish();
  return rows;
}

int TRLData::LoadLinesFromFile(int Column, int FirstRow, const QString& FName) {
  if (Column < 0 || Column > FNrOfCols || FirstRow < 1) return xeBadRange;
  QByteArray data;
  QString error;
  switch (detail::ReadWholeFile(FName, data, error)) {
    case TFileResult::Ok:
      break;
    case TFileResult::OpenFailed:
      return xeOpenFailed;
    default:
      return xeReadFailed;
  }
  data = detail::TextAsUtf8(std::move(data));

  // Line starts and lengths first, so that the table grows once.
  std::vector<QByteArrayView> lines;
  const char* p = data.constData();
  const char* end = p + data.size();
  while (p < end) {
    const char* s = p;
    while (p < end && *p != '\n' && *p != '\r') ++p;
    lines.emplace_back(s, p - s);
    if (p < end && *p++ == '\r' && p < end && *p == '\n') ++p;
  }
  const qint64 last = qint64(FirstRow) + qint64(lines.size()) - 1;
  if (last >= INT_MAX) return xeOutOfMemory;
  try {
    if (last > FNrOfRows) SetNrRows(int(last));
  } catch (const EORVDStructError&) {
    return xeOutOfMemory;
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
