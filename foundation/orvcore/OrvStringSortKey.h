#pragma once
// Sort keys of TStringArray rows and the sort over them.
//
// Each row's key is one byte string that compares, byte by byte, in the
// order described in TStringArray.h: per key column a kind byte (empty,
// number, text) and then either the number's value as 8 order-preserving
// bytes, or the text case-folded in UTF-8 (which keeps code point order)
// with every run of digits written as a marker, a length byte and the
// significant digits, closed by a zero byte. A descending column has all its
// bytes inverted. The encodings are prefix-free, so concatenating the
// primary and the secondary key keeps the order of the pair.
//
// The rows are sorted on 8-byte chunks of their keys: all rows by the first
// chunk, then each group of rows with an equal chunk by the next one, and so
// on; rows with equal keys are ordered by a rank (their previous position).

#include "OrvStringCells.h"

#include <cstdint>
#include <vector>

namespace orv::detail {

class TSortKeys {
public:
  explicit TSortKeys(std::size_t Rows);
  // Appends the key of the next row (Sec may be null).
  void Add(const TCell& Prim, bool AscendPrim, const TCell* Sec, bool AscendSec);
  // The rows 0..n-1 in key order; rows with equal keys ordered by Rank[row].
  std::vector<std::uint32_t> SortedRows(const std::vector<std::uint32_t>& Rank) const;

private:
  struct TRec {
    std::uint64_t Chunk;
    std::uint32_t Rank;
    std::uint32_t Row;
  };
  void AppendCell(const TCell& Cell, bool Ascend);
  void AppendText(const char* S, int N);
  std::uint64_t Chunk(std::uint32_t Row, std::size_t Depth) const;
  void SortGroup(TRec* Begin, TRec* End, std::size_t Depth) const;

  std::vector<std::uint8_t> FBytes;
  std::vector<std::uint32_t> FStart;  // key i is FBytes[FStart[i] .. FStart[i + 1])
};

}  // namespace orv::detail
