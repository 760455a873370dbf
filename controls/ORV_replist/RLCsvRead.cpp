// The CSV reader: one pass over the bytes, 64 at a time, finding the ends of
// unquoted fields and the bytes that are not ASCII with a few vector
// instructions per block; quoted fields are read byte by byte.

#include "OrvRLCsvRead.h"

#include "OrvRLText.h"
#include "OrvTRLData.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace orv::detail {

namespace {

// One bit per byte of a 64-byte block.
struct TBlockMasks {
  std::uint64_t Ends = 0;  // the delimiter, CR and LF: where an unquoted field ends
  std::uint64_t High = 0;  // bytes with the high bit set (not ASCII)
};

TBlockMasks Classify(const char* P, char Delim) {
  TBlockMasks m;
  for (int i = 0; i < 4; ++i) {
    m.Ends |= std::uint64_t(MatchMask16(P + 16 * i, Delim, Delim, '\r', '\n')) << (16 * i);
    m.High |= std::uint64_t(HighMask16(P + 16 * i)) << (16 * i);
  }
  return m;
}

// Splits CSV text into records and fields.
//
// With CheckUtf8 the scanner also reads the text as UTF-8, sequence by
// sequence, as blocks come in, and marks the bytes where a sequence that is
// not valid starts. The reading falls into step at every ASCII byte, and an
// unquoted field lies between ASCII bytes, so such a field is valid UTF-8
// exactly when none of its bytes is marked.
class TCsvScanner {
public:
  TCsvScanner(QByteArrayView Text, char Delim, bool CheckUtf8)
      : FText(Text.data()), FPos(Text.data()), FEnd(Text.data() + Text.size()), FCheckedTo(Text.data()),
        FDelim(Delim), FCheckUtf8(CheckUtf8) {
    Load(FPos, true);
  }

  bool AtEnd() const { return FPos == FEnd; }
  const char* Pos() const { return FPos; }

  // Reads one record, calling OnField(Col, Text, MaybeNotUtf8) for each
  // field: Text lies in the CSV text, or in a scratch buffer when quotes were
  // undone; MaybeNotUtf8 is false for a field known to be valid UTF-8 (always
  // with CheckUtf8 off). False when a quoted field is not closed. The
  // position stays in a local while the fields go by, so that the cells
  // OnField writes cannot make the compiler reload it.
  template <class FieldFn>
  bool ReadRecord(FieldFn&& OnField) {
    const char* pos = FPos;
    for (int col = 1;; ++col) {
      if (pos < FEnd && *pos == '"') {
        QByteArrayView field;
        FPos = pos;
        if (!ReadQuoted(field)) return false;
        pos = FPos;
        OnField(col, field, FCheckUtf8);
      } else {
        const char* s = pos;
        bool bad = false;
        pos = FieldEnd(pos, bad);
        OnField(col, QByteArrayView(s, pos - s), bad);
      }
      if (pos == FEnd) break;
      const char c = *pos++;
      if (c == FDelim) continue;
      if (c == '\r' && pos < FEnd && *pos == '\n') ++pos;
      break;
    }
    FPos = pos;
    return true;
  }

private:
  // The masks of the (up to) 64 bytes from At on; bytes past the end count
  // as neither. AtFieldStart: At follows an ASCII byte or is the start of the text.
  [[gnu::noinline]] void Load(const char* At, bool AtFieldStart) {
    FBase = At;
    if (FEnd - At >= 64) {
      FMasks = Classify(At, FDelim);
    } else {
      char tail[64] = {};
      if (FEnd > At) std::memcpy(tail, At, std::size_t(FEnd - At));  // an empty text may have no data at all
      FMasks = Classify(tail, FDelim);
    }
    FBad = 0;
    // A sequence from the block before may reach into this one.
    if (FCheckUtf8 && FMasks.High) CheckSequences(AtFieldStart ? At : std::max(At, FCheckedTo));
  }

  // Reads the non-ASCII bytes of the block from From on as UTF-8 sequences.
  void CheckSequences(const char* From) {
    const auto* text = reinterpret_cast<const unsigned char*>(FText);
    const qsizetype size = FEnd - FText;
    const int from = int(From - FBase);
    std::uint64_t leads = from >= 64 ? 0 : FMasks.High & (~std::uint64_t(0) << from);
    while (leads) {
      const int at = std::countr_zero(leads);
      const int len = Utf8SequenceLength(text, (FBase - FText) + at, size);
      if (!len) {
        FBad |= std::uint64_t(1) << at;  // read on from the next byte
        leads &= leads - 1;
        continue;
      }
      const int next = at + len;
      FCheckedTo = FBase + next;
      leads = next >= 64 ? 0 : leads & (~std::uint64_t(0) << next);
    }
  }

  // The end of the unquoted field starting at Pos: the next delimiter, CR or
  // LF, or the end of the text. Bad is set when a byte before it is marked.
  const char* FieldEnd(const char* Pos, bool& Bad) {
    if (Pos - FBase >= 64) Load(Pos, true);
    int from = int(Pos - FBase);
    for (;;) {
      const std::uint64_t ahead = ~std::uint64_t(0) << from;
      if (const std::uint64_t ends = FMasks.Ends & ahead) {
        const int at = std::countr_zero(ends);
        Bad = Bad || (FBad & ahead & ((std::uint64_t(1) << at) - 1)) != 0;
        return FBase + at;
      }
      Bad = Bad || (FBad & ahead) != 0;
      if (FEnd - FBase <= 64) return FEnd;
      Load(FBase + 64, false);
      from = 0;
    }
  }

  // A quoted field: doubled quotes stand for one; text after the closing
  // quote up to the next delimiter or line end is kept as it is.
  [[gnu::noinline]] bool ReadQuoted(QByteArrayView& Field) {
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
    bool bad = false;
    FPos = FieldEnd(FPos, bad);
    FScratch.append(s, FPos - s);
    Field = FScratch;
    return true;
  }

  const char* FText;
  const char* FPos;
  const char* FEnd;
  const char* FBase = nullptr;  // start of the block the masks describe
  const char* FCheckedTo;       // where the last sequence read as UTF-8 ends
  TBlockMasks FMasks;
  std::uint64_t FBad = 0;       // bytes of the block where a sequence that is not valid starts
  char FDelim;
  bool FCheckUtf8;
  QByteArray FScratch;
};

// The larger of the counts of LF and of CR bytes: a bound on the records of
// a text with any kind of line ends. Sixteen bytes at a time, counted in
// byte lanes that are summed up every 255 steps, before they could overflow.
qint64 LineEndCount(QByteArrayView Text) {
  qint64 lf = 0, cr = 0;
  const char* p = Text.data();
  const char* end = p + Text.size();
#if defined(__SSE2__)
  const __m128i vlf = _mm_set1_epi8('\n'), vcr = _mm_set1_epi8('\r'), zero = _mm_setzero_si128();
  const auto sum = [&](__m128i lanes) {
    const __m128i s = _mm_sad_epu8(lanes, zero);
    return qint64(_mm_cvtsi128_si32(s)) + qint64(_mm_cvtsi128_si32(_mm_unpackhi_epi64(s, s)));
  };
  while (end - p >= 16) {
    const char* stop = p + 16 * std::min<qsizetype>(255, (end - p) / 16);
    __m128i nlf = zero, ncr = zero;
    for (; p < stop; p += 16) {
      const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
      nlf = _mm_sub_epi8(nlf, _mm_cmpeq_epi8(v, vlf));  // a match is -1
      ncr = _mm_sub_epi8(ncr, _mm_cmpeq_epi8(v, vcr));
    }
    lf += sum(nlf);
    cr += sum(ncr);
  }
#endif
  for (; p < end; ++p) {
    lf += *p == '\n';
    cr += *p == '\r';
  }
  return std::max(lf, cr);
}

// Stores a field's text in an empty cell of a column under construction,
// cut to what a cell keeps.
inline void StoreField(TCellColumn& Column, int Row, QByteArrayView Text) {
  const int n = int(CellBytes(Text.data(), Text.size()));
  if (n <= TCell::InlineCapacity)
    Column.AssignShort(Row, Text.data(), n);
  else
    Column.Assign(Row, Text.data(), n);
}

// The same behind the check character Mark.
[[gnu::noinline]] void StoreMarkedField(TCellColumn& Column, int Row, QByteArrayView Text, char Mark) {
  char buf[MarkedTextRoom];
  StoreField(Column, Row, MarkedText(Text, Mark, buf));
}

}  // namespace

int ReadCsv(QByteArrayView Text, char Delim, bool IncludeColHeaders, std::vector<char> Marks, bool CheckUtf8,
            TProgress& Progress, TCsvTable& Table) {
  CleanVectorState();
  // Rows are made once for the number of line ends (records cannot be more,
  // unless line ends are mixed), columns as the records ask for them.
  int capacity = int(std::min<qint64>(LineEndCount(Text) + 1, INT_MAX - 1));
  // Column 0 (never filled) and the columns read, each with rows 0..capacity.
  std::vector<TCellColumn> columns;
  const auto makeRows = [&](TCellColumn& column) {
    column.Reserve(std::size_t(capacity) + 1);
    column.Resize(capacity + 1);
  };
  // Counts kept in locals while reading (see ReadRecord).
  int rows = 0, cols = 1;
  TCsvScanner scanner(Text, Delim, CheckUtf8);
  qsizetype consumed = 0;
  bool utf8 = true;
  // Fields the scanner could not clear are checked on their own.
  const auto valid = [&](QByteArrayView text, bool maybeNotUtf8) {
    utf8 = utf8 && (!maybeNotUtf8 || IsValidUtf8Short(text));
    return utf8;
  };
  try {
    const auto widen = [&](int col) {
      if (col < int(columns.size())) return true;
      if (!TableFitsText(qint64(col + 1) * capacity, Text.size())) return false;
      while (int(columns.size()) <= col) makeRows(columns.emplace_back());
      return true;
    };
    if (!widen(1)) return xeTooLarge;
    if (IncludeColHeaders && !scanner.AtEnd()) {
      if (!scanner.ReadRecord([&](int col, QByteArrayView text, bool maybeNotUtf8) {
            if (!valid(text, maybeNotUtf8)) return;
            Table.Names.push_back(CutText(Utf8ToString(text), MaxColNameLength));
            cols = std::max(cols, col);
          }))
        return xeUnclosedQuote;
      if (!utf8) return CsvNotUtf8;
      if (!widen(cols)) return xeTooLarge;
    }
    bool fits = true;
    if (Marks.size() <= std::size_t(cols)) Marks.resize(std::size_t(cols) + 1, 0);
    // A field beyond the columns so far adds columns, when the table fits.
    const auto newColumn = [&](int col) {
      fits = fits && widen(col);
      if (!fits) return false;
      cols = col;
      if (std::size_t(col) >= Marks.size()) Marks.resize(std::size_t(col) + 1, 0);
      return true;
    };
    const auto onField = [&](int col, QByteArrayView text, bool maybeNotUtf8) {
      if (col > cols && !newColumn(col)) return;
      const char mark = Marks[std::size_t(col)];
      if ((text.isEmpty() && !mark) || !valid(text, maybeNotUtf8)) return;
      if (mark)
        StoreMarkedField(columns[std::size_t(col)], rows, text, mark);
      else
        StoreField(columns[std::size_t(col)], rows, text);
    };
    while (!scanner.AtEnd()) {
      if (++rows > capacity) {  // mixed line ends: more records than expected
        if (capacity == INT_MAX - 1) return xeTooLarge;
        capacity = int(std::min<qint64>(qint64(capacity) * 2, INT_MAX - 1));
        if (!TableFitsText(qint64(cols + 1) * capacity, Text.size())) return xeTooLarge;
        for (TCellColumn& column : columns) makeRows(column);
      }
      if (!scanner.ReadRecord(onField)) return xeUnclosedQuote;
      if (!utf8) return CsvNotUtf8;
      if (!fits) return xeTooLarge;
      const qsizetype at = scanner.Pos() - Text.data();
      Progress.Advance(at - consumed);
      consumed = at;
    }
    Table.Cells.TakeColumns(std::move(columns), rows);
  } catch (const EORVDStructError&) {
    return xeTooLarge;
  } catch (const std::bad_alloc&) {
    return xeTooLarge;
  }
  Table.Rows = rows;
  Table.Cols = cols;
  return 0;
}

}  // namespace orv::detail
