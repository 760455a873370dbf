#pragma once
// Reading CSV text (RFC 4180) into a table of cells: the reader behind
// TRLData::ImportCSV.

#include "OrvRLFileIO.h"

#include <orvcore.h>

#include <QByteArrayView>
#include <QString>

#include <climits>
#include <vector>

namespace orv::detail {

// What one reading of a CSV text makes of it.
struct TCsvTable {
  TStringArray Cells{nullptr, 1, 1};
  std::vector<QString> Names;
  int Rows = 0;
  int Cols = 1;
};

// ReadCsv's result for a text that is not UTF-8.
constexpr int CsvNotUtf8 = INT_MIN;

// Reads the records of Text into Table: one row per record, a field per
// column; a quoted field may hold delimiters, doubled quotes and line breaks,
// and text after its closing quote up to the next delimiter or line end is
// kept. Records end at CRLF, LF or a lone CR. With IncludeColHeaders the
// first record gives the names (cut to 50 characters). Marks holds, by
// column, the check character put in front of every cell (0: none).
// Result: 0, a TExchangeError, or CsvNotUtf8 when CheckUtf8 is set and a
// field is not valid UTF-8. Progress advances by the bytes read.
int ReadCsv(QByteArrayView Text, char Delim, bool IncludeColHeaders, std::vector<char> Marks, bool CheckUtf8,
            TProgress& Progress, TCsvTable& Table);

}  // namespace orv::detail
