// CSV export and import (RFC 4180) and line files.

#include "OrvTRLData.h"

#include "OrvRLFileIO.h"
#include "OrvRLText.h"

#include <algorithm>
#include <array>
#include <optional>

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
    // The usual line, without quotes and without a lone CR, is split with
    // memchr; anything else is read character by character below.
    if (FLf < FPos) {
      FLf = static_cast<const char*>(std::memchr(FPos, '\n', std::size_t(FEnd - FPos)));
      if (!FLf) FLf = FEnd;
    }
    const std::size_t span = std::size_t(FLf - FPos);
    if (!std::memchr(FPos, '"', span)) {
      const auto* cr = static_cast<const char*>(std::memchr(FPos, '\r', span));
      if (!cr || cr + 1 == FLf) {
        const char* lineEnd = cr ? cr : FLf;
        const char* s = FPos;
        for (int col = 1;; ++col) {
          const auto* d = static_cast<const char*>(std::memchr(s, FDelim, std::size_t(lineEnd - s)));
          if (!d) {
            OnField(col, QByteArrayView(s, lineEnd - s));
            break;
          }
          OnField(col, QByteArrayView(s, d - s));
          s = d + 1;
        }
        FPos = FLf < FEnd ? FLf + 1 : FEnd;
        return true;
      }
    }
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
  const char* FLf = nullptr;  // the next line feed at or behind FPos (FEnd: none)
  char FDelim;
  QByteArray FScratch;
};

// The larger of the counts of LF and of CR bytes, in one pass, eight bytes
// at a time: a bound on the records of a text with any kind of line ends.
qint64 LineEndCount(QByteArrayView Text) {
  constexpr std::uint64_t Ones = 0x0101010101010101ull, Low7 = 0x7F7F7F7F7F7F7F7Full;
  // The number of zero bytes in w (exact, no false hits): 0x80 marks each
  // one, and the multiplication adds the marks up in the top byte.
  const auto zeroBytes = [](std::uint64_t w) { return qint64(((~(((w & Low7) + Low7) | w | Low7) >> 7) * Ones) >> 56); };
  qint64 lf = 0, cr = 0;
  const char* p = Text.data();
  const char* end = p + Text.size();
  for (; end - p >= 8; p += 8) {
    std::uint64_t w;
    std::memcpy(&w, p, 8);
    lf += zeroBytes(w ^ (Ones * '\n'));
    cr += zeroBytes(w ^ (Ones * '\r'));
  }
  for (; p < end; ++p) {
    lf += *p == '\n';
    cr += *p == '\r';
  }
  return std::max(lf, cr);
}

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

// What one reading of a CSV text makes of it.
struct TCsvTable {
  TStringArray Cells{nullptr, 1, 1};
  std::vector<QString> Names;
  int Rows = 0;
  int Cols = 1;
};

// ReadCsv's result for a text that is not UTF-8 (never returned to callers).
constexpr int NotUtf8 = INT_MIN;

// Reads the records of Text into Table: 0, a TExchangeError, or NotUtf8 when
// CheckUtf8 is set and a field is not valid UTF-8. Marks holds the check
// character of the check columns by column (0 for the others).
int ReadCsv(QByteArrayView Text, char Delim, bool IncludeColHeaders, std::vector<char> Marks, bool CheckUtf8,
            TProgress& Progress, TCsvTable& Table) {
  // Rows are made once for the number of line ends (records cannot be more,
  // unless line ends are mixed), columns as the records ask for them.
  int capacity = int(std::min<qint64>(LineEndCount(Text) + 1, INT_MAX - 1));
  TStringArray& cells = Table.Cells;
  int& rows = Table.Rows;
  int& cols = Table.Cols;
  TCsvReader reader(Text, Delim);
  qsizetype consumed = 0;
  bool utf8 = true;
  const auto valid = [&](QByteArrayView field) {
    utf8 = utf8 && (!CheckUtf8 || detail::IsValidUtf8Short(field));
    return utf8;
  };
  try {
    const auto widen = [&](int col) {
      if (col <= cells.NrOfColumns()) return true;
      if (!detail::TableFitsText(qint64(col + 1) * capacity, Text.size())) return false;
      cells.Resize(col, capacity);
      return true;
    };
    if (!detail::TableFitsText(qint64(2) * capacity, Text.size())) return xeTooLarge;
    cells.Resize(1, capacity);
    if (IncludeColHeaders && !reader.AtEnd()) {
      if (!reader.ReadRecord([&](int col, QByteArrayView field) {
            if (!valid(field)) return;
            Table.Names.push_back(detail::CutText(QString::fromUtf8(field), MaxColNameLength));
            cols = std::max(cols, col);
          }))
        return xeUnclosedQuote;
      if (!utf8) return NotUtf8;
      if (!widen(cols)) return xeTooLarge;
    }
    bool fits = true;
    if (Marks.size() <= std::size_t(cols)) Marks.resize(std::size_t(cols) + 1, 0);
    const auto onField = [&](int col, QByteArrayView field) {
      if (col > cols) {
        fits = fits && widen(col);
        if (!fits) return;
        cols = col;
        if (std::size_t(col) >= Marks.size()) Marks.resize(std::size_t(col) + 1, 0);
      }
      const char mark = Marks[std::size_t(col)];
      if ((!field.isEmpty() || mark) && valid(field)) detail::SetCellUtf8(cells, col, rows, field, mark);
    };
    while (!reader.AtEnd()) {
      if (++rows > capacity) {  // mixed line ends: more records than expected
        if (capacity == INT_MAX - 1) return xeTooLarge;
        capacity = int(std::min<qint64>(qint64(capacity) * 2, INT_MAX - 1));
        if (!detail::TableFitsText(qint64(cols + 1) * capacity, Text.size())) return xeTooLarge;
        cells.Resize(std::max(cols, cells.NrOfColumns()), capacity);
      }
      if (!reader.ReadRecord(onField)) return xeUnclosedQuote;
      if (!utf8) return NotUtf8;
      if (!fits) return xeTooLarge;
      const qsizetype at = reader.Offset(Text.data());
      Progress.Advance(at - consumed);
      consumed = at;
    }
    cells.Resize(cols, std::max(rows, 1));
  } catch (const EORVDStructError&) {
    return xeTooLarge;
  } catch (const std::bad_alloc&) {
    return xeTooLarge;
  }
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
  if (result == NotUtf8) {
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
