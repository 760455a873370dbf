#include "OrvStringSortKey.h"

#include <QChar>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstring>
#include <limits>

namespace orv::detail {

namespace {

constexpr std::uint8_t KindEmpty = 1, KindNumber = 2, KindText = 3;
constexpr char DigitRunMarker = '0';

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Parses [sign] digits [("." | ",") digits] [("e" | "E") [sign] digits] with
// at least one mantissa digit; false when S is anything else.
bool ParseNumber(const char* S, int N, double& Value) {
  char buf[MaxCellBytes + 1];
  int i = 0, k = 0, digits = 0;
  bool negative = false, negativeExp = false;
  if (i < N && (S[i] == '+' || S[i] == '-')) {
    negative = S[i] == '-';
    if (negative) buf[k++] = '-';
    ++i;
  }
  for (; i < N && IsDigit(S[i]); ++i, ++digits) buf[k++] = S[i];
  if (i < N && (S[i] == '.' || S[i] == ',')) {
    buf[k++] = '.';
    for (++i; i < N && IsDigit(S[i]); ++i, ++digits) buf[k++] = S[i];
  }
  if (digits == 0) return false;
  if (i < N && (S[i] == 'e' || S[i] == 'E')) {
    buf[k++] = 'e';
    ++i;
    if (i < N && (S[i] == '+' || S[i] == '-')) {
      negativeExp = S[i] == '-';
      buf[k++] = S[i++];
    }
    int expDigits = 0;
    for (; i < N && IsDigit(S[i]); ++i, ++expDigits) buf[k++] = S[i];
    if (expDigits == 0) return false;
  }
  if (i != N) return false;
  if (std::from_chars(buf, buf + k, Value).ec == std::errc::result_out_of_range) {
    // Beyond a double: tiny values become 0, huge ones the infinity of their sign.
    const double huge = std::numeric_limits<double>::infinity();
    Value = negativeExp ? 0.0 : (negative ? -huge : huge);
  }
  return true;
}

// A double as 8 bytes whose unsigned order is the numeric order.
std::uint64_t OrderedBits(double Value) {
  if (Value == 0.0) Value = 0.0;  // -0 and +0 are equal
  const auto bits = std::bit_cast<std::uint64_t>(Value);
  return (bits >> 63) ? ~bits : bits | (std::uint64_t(1) << 63);
}

void AppendUtf8(std::vector<std::uint8_t>& Out, char32_t c) {
  if (c < 0x80) {
    Out.push_back(std::uint8_t(c));
  } else if (c < 0x800) {
    Out.push_back(std::uint8_t(0xC0 | (c >> 6)));
    Out.push_back(std::uint8_t(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    Out.push_back(std::uint8_t(0xE0 | (c >> 12)));
    Out.push_back(std::uint8_t(0x80 | ((c >> 6) & 0x3F)));
    Out.push_back(std::uint8_t(0x80 | (c & 0x3F)));
  } else {
    Out.push_back(std::uint8_t(0xF0 | (c >> 18)));
    Out.push_back(std::uint8_t(0x80 | ((c >> 12) & 0x3F)));
    Out.push_back(std::uint8_t(0x80 | ((c >> 6) & 0x3F)));
    Out.push_back(std::uint8_t(0x80 | (c & 0x3F)));
  }
}

}  // namespace

TSortKeys::TSortKeys(std::size_t Rows) {
  FStart.reserve(Rows + 1);
  FStart.push_back(0);
  FBytes.reserve(Rows * 16);
}

void TSortKeys::Add(const TCell& Prim, bool AscendPrim, const TCell* Sec, bool AscendSec) {
  AppendCell(Prim, AscendPrim);
  if (Sec) AppendCell(*Sec, AscendSec);
  FStart.push_back(std::uint32_t(FBytes.size()));
}

void TSortKeys::AppendCell(const TCell& Cell, bool Ascend) {
  const std::size_t from = FBytes.size();
  const char* s = Cell.Data();
  int b = 0, e = Cell.Size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  double value;
  if (b == e) {
    FBytes.push_back(KindEmpty);
  } else if (ParseNumber(s + b, e - b, value)) {
    FBytes.push_back(KindNumber);
    const std::uint64_t bits = OrderedBits(value);
    for (int shift = 56; shift >= 0; shift -= 8) FBytes.push_back(std::uint8_t(bits >> shift));
  } else {
    FBytes.push_back(KindText);
    AppendText(s + b, e - b);
    FBytes.push_back(0);
  }
  if (!Ascend)
    for (std::size_t i = from; i < FBytes.size(); ++i) FBytes[i] = std::uint8_t(~FBytes[i]);
}

void TSortKeys::AppendText(const char* S, int N) {
  for (int i = 0; i < N;) {
    const char c = S[i];
    if (IsDigit(c)) {
      // A digit run: its significant digits, led by their count (leading zeros do not count).
      while (i < N && S[i] == '0') ++i;
      int e = i;
      while (e < N && IsDigit(S[e])) ++e;
      FBytes.push_back(std::uint8_t(DigitRunMarker));
      FBytes.push_back(std::uint8_t(e - i + 1));
      FBytes.insert(FBytes.end(), S + i, S + e);
      i = e;
    } else if (static_cast<unsigned char>(c) < 0x80) {
      FBytes.push_back(std::uint8_t((c >= 'A' && c <= 'Z') ? c + 32 : c));
      ++i;
    } else {
      // A non-ASCII character: decode, fold, write as UTF-8 again.
      int len = 2;
      if ((static_cast<unsigned char>(c) & 0xF0) == 0xE0) len = 3;
      else if ((static_cast<unsigned char>(c) & 0xF8) == 0xF0) len = 4;
      char16_t units[2];
      const int n = DecodeCell(S + i, len, units);
      const char32_t u = n == 2 ? QChar::surrogateToUcs4(units[0], units[1]) : char32_t(units[0]);
      AppendUtf8(FBytes, QChar::toCaseFolded(u));
      i += len;
    }
  }
}

std::uint64_t TSortKeys::Chunk(std::uint32_t Row, std::size_t Depth) const {
  const std::size_t b = FStart[Row] + Depth * 8, e = FStart[Row + 1];
  std::uint64_t chunk = 0;
  if (b + 8 <= e) {
    std::memcpy(&chunk, FBytes.data() + b, 8);
    return __builtin_bswap64(chunk);  // big-endian: integer order is byte order
  }
  for (std::size_t i = 0; i < 8; ++i) chunk = (chunk << 8) | (b + i < e ? FBytes[b + i] : 0);
  return chunk;
}

std::vector<std::uint32_t> TSortKeys::SortedRows(const std::vector<std::uint32_t>& Rank) const {
  const std::size_t n = FStart.size() - 1;
  std::vector<TRec> recs(n);
  for (std::uint32_t r = 0; r < n; ++r) recs[r] = {Chunk(r, 0), Rank[r], r};
  SortGroup(recs.data(), recs.data() + n, 0);
  std::vector<std::uint32_t> rows(n);
  for (std::size_t i = 0; i < n; ++i) rows[i] = recs[i].Row;
  return rows;
}

void TSortKeys::SortGroup(TRec* Begin, TRec* End, std::size_t Depth) const {
  std::sort(Begin, End, [](const TRec& a, const TRec& b) { return a.Chunk != b.Chunk ? a.Chunk < b.Chunk : a.Rank < b.Rank; });
  for (TRec* run = Begin; run != End;) {
    TRec* runEnd = run + 1;
    while (runEnd != End && runEnd->Chunk == run->Chunk) ++runEnd;
    // Keys are prefix-free: when one key of the run ends in this chunk, all
    // of them are equal and already in rank order.
    const std::uint32_t row = run->Row;
    if (runEnd - run > 1 && FStart[row + 1] - FStart[row] > (Depth + 1) * 8) {
      for (TRec* r = run; r != runEnd; ++r) r->Chunk = Chunk(r->Row, Depth + 1);
      SortGroup(run, runEnd, Depth + 1);
    }
    run = runEnd;
  }
}

}  // namespace orv::detail
