#include "OrvStringCells.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <utility>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace orv::detail {

void TCell::SetBlock(char* Block, int Size) {
  const std::uint32_t n = std::uint32_t(Size);
  std::memcpy(FBytes, &Block, sizeof Block);
  std::memcpy(FBytes + 8, &n, sizeof n);
  FBytes[15] = HeapTag;
}

char* TCellPool::Allocate(int Size) {
  const std::size_t cls = std::size_t(ClassOf(Size)), bytes = BlockBytes(Size);
  if (char* block = FFree[cls]) {
    std::memcpy(&FFree[cls], block, sizeof block);
    FFreeBytes -= bytes;
    FLiveBytes += bytes;
    return block;
  }
  // Chunks double from 1 KiB to 256 KiB: small tables stay small, large
  // ones need few chunks. The rest of the old chunk is left unused.
  if (std::size_t(FEnd - FNext) < bytes) AddChunk(std::clamp<std::size_t>(FChunkBytes * 2, 1024, 256 * 1024));
  char* block = FNext;
  FNext += bytes;
  FLiveBytes += bytes;
  return block;
}

void TCellPool::AddChunk(std::size_t Bytes) {
  FChunks.push_back(std::make_unique_for_overwrite<char[]>(Bytes));
  FChunkBytes = Bytes;
  FChunkTotal += Bytes;
  FNext = FChunks.back().get();
  FEnd = FNext + Bytes;
}

void TCellPool::Release(char* Block, int Size) {
  const std::size_t cls = std::size_t(ClassOf(Size)), bytes = BlockBytes(Size);
  std::memcpy(Block, &FFree[cls], sizeof Block);
  FFree[cls] = Block;
  FLiveBytes -= bytes;
  FFreeBytes += bytes;
}

TCellPool& TCellPool::operator=(TCellPool&& o) noexcept {
  if (this != &o) {
    FChunks = std::move(o.FChunks);
    FChunkBytes = std::exchange(o.FChunkBytes, 0);
    FNext = std::exchange(o.FNext, nullptr);
    FEnd = std::exchange(o.FEnd, nullptr);
    FFree = std::exchange(o.FFree, {});
    FLiveBytes = std::exchange(o.FLiveBytes, 0);
    FFreeBytes = std::exchange(o.FFreeBytes, 0);
    FChunkTotal = std::exchange(o.FChunkTotal, 0);
    o.FChunks.clear();  // a moved-from vector is only guaranteed to be valid
  }
  return *this;
}

void TCellPool::Reset() { *this = TCellPool(); }

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

qsizetype CellBytesOfLong(const char* Text, qsizetype Size) {
  const auto* s = reinterpret_cast<const unsigned char*>(Text);
  qsizetype i = 0;
  int units = 0;
  while (i < Size) {
    const unsigned c = s[i];
    const int len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    const int u = len == 4 ? 2 : 1;
    if (units + u > MaxCellLength) break;
    units += u;
    i += len;
  }
  return std::min(i, Size);
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

void TCellColumn::Release(TCell& Cell) {
  if (Cell.IsHeap()) FPool.Release(const_cast<char*>(Cell.Data()), Cell.Size());
  Cell.SetEmpty();
}

void TCellColumn::Assign(int Row, const char* Text, int Size) {
  if (Size <= TCell::InlineCapacity) {
    AssignShort(Row, Text, Size);
    return;
  }
  TCell& cell = FCells[std::size_t(Row)];
  char* block = FPool.Allocate(Size);
  std::memcpy(block, Text, std::size_t(Size));
  Release(cell);
  cell.SetBlock(block, Size);
  CompactIfWasteful();
}

// Recycled blocks serve only their own size class, so texts that keep
// changing length could leave most of the pool unused. When the unused
// blocks outweigh both the live ones and 16 bytes per cell, the live texts
// move into one fresh chunk. The bound on cells keeps the cost of the scan
// to a few cells per replaced text. Without memory for the chunk nothing
// moves; the pool is only larger than it needs to be.
void TCellColumn::CompactIfWasteful() {
  const std::size_t waste = FPool.FreeBytes();
  if (waste < 64 * 1024 || waste < FPool.LiveBytes() || waste < 16 * FCells.size()) return;
  TCellPool fresh;
  try {
    fresh.AddChunk(FPool.LiveBytes());
  } catch (const std::bad_alloc&) {
    return;
  }
  for (TCell& cell : FCells) {
    if (!cell.IsHeap()) continue;
    char* block = fresh.Allocate(cell.Size());
    std::memcpy(block, cell.Data(), std::size_t(cell.Size()));
    cell.SetBlock(block, cell.Size());
  }
  FPool = std::move(fresh);
}

void TCellColumn::Clear(int Row) { Release(FCells[std::size_t(Row)]); }

void TCellArray::reserve(std::size_t n) {
  if (n <= FCapacity) return;
  if (n > std::size_t(PTRDIFF_MAX) / sizeof(TCell)) throw std::bad_alloc();
  auto* data = static_cast<TCell*>(std::calloc(n, sizeof(TCell)));
  if (!data) throw std::bad_alloc();
#ifdef __linux__
  // The whole pages inside the block; the kernel uses huge pages where they
  // fit. A refusal only costs speed.
  if (const std::size_t bytes = n * sizeof(TCell); bytes >= (std::size_t(4) << 20)) {
    constexpr std::uintptr_t page = 4096;
    const std::uintptr_t begin = (reinterpret_cast<std::uintptr_t>(data) + page - 1) / page * page;
    const std::uintptr_t end = (reinterpret_cast<std::uintptr_t>(data) + bytes) / page * page;
    madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
  }
#endif
  if (FSize) std::memcpy(static_cast<void*>(data), FData, FSize * sizeof(TCell));
  std::free(FData);
  FData = data;
  FCapacity = n;
}

void TCellArray::resize(std::size_t n) {
  if (n > FCapacity) reserve(n);
  if (n < FSize) std::memset(static_cast<void*>(FData + n), 0, (FSize - n) * sizeof(TCell));
  FSize = n;
}

void TCellArray::insert(std::size_t i) {
  if (FSize == FCapacity) reserve(std::max<std::size_t>(2 * FCapacity, 16));
  std::memmove(static_cast<void*>(FData + i + 1), FData + i, (FSize - i) * sizeof(TCell));
  FData[i] = TCell();
  ++FSize;
}

void TCellArray::erase(std::size_t i) {
  std::memmove(static_cast<void*>(FData + i), FData + i + 1, (FSize - i - 1) * sizeof(TCell));
  --FSize;
  FData[FSize] = TCell();
}

void TCellColumn::Reserve(std::size_t Rows) { FCells.reserve(Rows); }

void TCellColumn::Resize(int Rows) {
  for (std::size_t i = std::size_t(Rows); i < FCells.size(); ++i) Release(FCells[i]);
  FCells.resize(std::size_t(Rows));
}

void TCellColumn::Insert(int Row) { FCells.insert(std::size_t(Row)); }

void TCellColumn::Remove(int Row) {
  Release(FCells[std::size_t(Row)]);
  FCells.erase(std::size_t(Row));
}

void TCellColumn::ClearCells() {
  for (TCell& c : FCells) c.SetEmpty();
  FPool.Reset();
}

void TCellColumn::Permute(const std::vector<std::uint32_t>& Order, TCellArray& Scratch) {
  for (std::size_t i = 0; i < Order.size(); ++i) Scratch[i] = FCells[Order[i]];
  FCells.swap(Scratch);
}

}  // namespace orv::detail
