#include "StringCells.h"

#include <cstdlib>
#include <new>

namespace orv::detail {

void TCell::Assign(const char* Text, int Size) {
  if (Size <= InlineCapacity) {
    Free();
    std::memcpy(FBytes, Text, std::size_t(Size));
    FBytes[15] = std::uint8_t(Size);
    return;
  }
  char* p = static_cast<char*>(std::malloc(std::size_t(Size)));
  if (!p) throw std::bad_alloc();
  std::memcpy(p, Text, std::size_t(Size));
  Free();
  const std::uint32_t n = std::uint32_t(Size);
  std::memcpy(FBytes, &p, sizeof p);
  std::memcpy(FBytes + 8, &n, sizeof n);
  FBytes[15] = HeapTag;
}

void TCell::Free() {
  if (IsHeap()) std::free(const_cast<char*>(Data()));
  FBytes[15] = 0;
}

int EncodeCell(QStringView Text, char* Out) {
  qsizetype n = Text.size();
  if (n > MaxCellLength) {
    n = MaxCellLength;
    if (Text[n - 1].isHighSurrogate()) --n;
  }
  const char16_t* s = Text.utf16();
  char* o = Out;
  for (qsizetype i = 0; i < n; ++i) {
    char32_t c = s[i];
    if (c < 0x80) {
      *o++ = char(c);
      continue;
    }
    if (c < 0x800) {
      *o++ = char(0xC0 | (c >> 6));
      *o++ = char(0x80 | (c & 0x3F));
      continue;
    }
    if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(s[i + 1])) {
      c = QChar::surrogateToUcs4(char16_t(c), s[++i]);
      *o++ = char(0xF0 | (c >> 18));
      *o++ = char(0x80 | ((c >> 12) & 0x3F));
      *o++ = char(0x80 | ((c >> 6) & 0x3F));
      *o++ = char(0x80 | (c & 0x3F));
      continue;
    }
    if (QChar::isSurrogate(c)) c = QChar::ReplacementCharacter;  // a lone half cannot be stored
    *o++ = char(0xE0 | (c >> 12));
    *o++ = char(0x80 | ((c >> 6) & 0x3F));
    *o++ = char(0x80 | (c & 0x3F));
  }
  return int(o - Out);
}

int DecodeCell(const char* Text, int Size, char16_t* Out) {
  const auto* s = reinterpret_cast<const unsigned char*>(Text);
  const unsigned char* end = s + Size;
  char16_t* o = Out;
  while (s < end) {
    const unsigned c = *s;
    if (c < 0x80) {
      *o++ = char16_t(c);
      ++s;
    } else if (c < 0xE0) {
      *o++ = char16_t(((c & 0x1F) << 6) | (s[1] & 0x3F));
      s += 2;
    } else if (c < 0xF0) {
      *o++ = char16_t(((c & 0x0F) << 12) | ((s[1] & 0x3F) << 6) | (s[2] & 0x3F));
      s += 3;
    } else {
      const char32_t u = ((c & 0x07) << 18) | ((s[1] & 0x3F) << 12) | ((s[2] & 0x3F) << 6) | (s[3] & 0x3F);
      *o++ = QChar::highSurrogate(u);
      *o++ = QChar::lowSurrogate(u);
      s += 4;
    }
  }
  return int(o - Out);
}

TCellColumn::~TCellColumn() {
  for (TCell& c : FCells) c.Free();
}

TCellColumn& TCellColumn::operator=(TCellColumn&& o) noexcept {
  if (this != &o) {
    for (TCell& c : FCells) c.Free();
    FCells = std::move(o.FCells);
  }
  return *this;
}

void TCellColumn::Reserve(std::size_t Rows) {
  if (Rows > FCells.capacity()) FCells.reserve(Rows);
}

void TCellColumn::Resize(int Rows) {
  for (std::size_t i = std::size_t(Rows); i < FCells.size(); ++i) FCells[i].Free();
  FCells.resize(std::size_t(Rows));
}

void TCellColumn::Insert(int Row) { FCells.insert(FCells.begin() + Row, TCell()); }

void TCellColumn::Remove(int Row) {
  FCells[std::size_t(Row)].Free();
  FCells.erase(FCells.begin() + Row);
}

void TCellColumn::ClearCells() {
  for (TCell& c : FCells) c.Free();
}

void TCellColumn::Permute(const std::vector<std::uint32_t>& Order, std::vector<TCell>& Scratch) {
  for (std::size_t i = 0; i < Order.size(); ++i) Scratch[i] = FCells[Order[i]];
  FCells.swap(Scratch);
}

}  // namespace orv::detail
