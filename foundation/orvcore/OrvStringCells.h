#pragma once
// Compact storage of one column of text cells, used by TStringArray.
//
// A cell is 16 bytes: text of up to 15 UTF-8 bytes is kept inside the cell,
// longer text in a block of the column's pool. An empty cell owns nothing.
// Cells are trivially copyable, so inserting and removing rows moves memory
// without touching the heap; the column hands the blocks out and takes them
// back.

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

namespace orv::detail {

class TCell {
public:
  static constexpr int InlineCapacity = 15;

  int Size() const {
    if (!IsHeap()) return FBytes[15];
    std::uint32_t n;
    std::memcpy(&n, FBytes + 8, sizeof n);
    return int(n);
  }
  const char* Data() const {
    if (!IsHeap()) return reinterpret_cast<const char*>(FBytes);
    char* p;
    std::memcpy(&p, FBytes, sizeof p);
    return p;
  }
  bool Empty() const { return FBytes[15] == 0; }
  bool Equals(const char* Text, int Size) const {
    return this->Size() == Size && std::memcmp(Data(), Text, std::size_t(Size)) == 0;
  }
  bool IsHeap() const { return FBytes[15] == HeapTag; }
  // Stores a short text inside the cell (Size <= InlineCapacity). Short
  // texts are copied with fixed-size moves (two overlapping ones), which the
  // compiler turns into a few instructions instead of a library call.
  void SetInline(const char* Text, int Size) {
    if (Size >= 8) {
      std::memcpy(FBytes, Text, 8);
      std::memcpy(FBytes + Size - 8, Text + Size - 8, 8);
    } else if (Size >= 4) {
      std::memcpy(FBytes, Text, 4);
      std::memcpy(FBytes + Size - 4, Text + Size - 4, 4);
    } else {
      for (int i = 0; i < Size; ++i) FBytes[i] = std::uint8_t(Text[i]);
    }
    FBytes[15] = std::uint8_t(Size);
  }
  // Points the cell at a block holding Size bytes of text.
  void SetBlock(char* Block, int Size);
  void SetEmpty() { FBytes[15] = 0; }

private:
  static constexpr std::uint8_t HeapTag = 0xFF;
  alignas(8) std::uint8_t FBytes[16] = {};
};
static_assert(sizeof(TCell) == 16);
static_assert(std::is_trivially_copyable_v<TCell>);

// The cells of one column in one block. Slots between the size and the
// capacity are always zero bytes (empty cells), and blocks come from calloc:
// growing needs no clearing, and a fresh block of a large table costs only
// the pages it touches. On Linux large blocks use transparent huge pages,
// so a million rows take a few dozen page faults instead of thousands.
class TCellArray {
public:
  TCellArray() = default;
  ~TCellArray() { std::free(FData); }
  TCellArray(TCellArray&& o) noexcept { swap(o); }
  TCellArray& operator=(TCellArray&& o) noexcept {
    TCellArray(std::move(o)).swap(*this);
    return *this;
  }
  TCellArray(const TCellArray&) = delete;
  TCellArray& operator=(const TCellArray&) = delete;

  std::size_t size() const { return FSize; }
  std::size_t capacity() const { return FCapacity; }
  TCell& operator[](std::size_t i) { return FData[i]; }
  const TCell& operator[](std::size_t i) const { return FData[i]; }
  TCell* begin() { return FData; }
  TCell* end() { return FData + FSize; }

  // Room for n cells (may throw std::bad_alloc; nothing changes then).
  void reserve(std::size_t n);
  // Grows with empty cells or drops the last ones (which must own no block).
  void resize(std::size_t n);
  // An empty cell at i, the later ones one place up.
  void insert(std::size_t i);
  // Removes cell i (which must own no block), the later ones one place down.
  void erase(std::size_t i);
  void swap(TCellArray& o) noexcept {
    std::swap(FData, o.FData);
    std::swap(FSize, o.FSize);
    std::swap(FCapacity, o.FCapacity);
  }

private:
  TCell* FData = nullptr;
  std::size_t FSize = 0;
  std::size_t FCapacity = 0;
};

// Longest cell text in UTF-16 code units.
constexpr int MaxCellLength = 255;
// Room for the UTF-8 form of a cell (3 bytes per code unit at most).
constexpr int MaxCellBytes = 3 * MaxCellLength;

// UTF-8 form of Text cut to MaxCellLength code units without splitting a
// surrogate pair; returns the byte count written to Out (MaxCellBytes room).
int EncodeCell(QStringView Text, char* Out);
// The bytes of valid UTF-8 text that a cell keeps: the first MaxCellLength
// UTF-16 code units (a 4-byte sequence counts two). CellBytesOfLong counts
// them in a text of more than MaxCellLength bytes.
qsizetype CellBytesOfLong(const char* Text, qsizetype Size);
inline qsizetype CellBytes(const char* Text, qsizetype Size) {
  if (Size <= MaxCellLength) return Size;
  return CellBytesOfLong(Text, Size);
}
// Decodes UTF-8 cell bytes (as written by EncodeCell) into UTF-16 code
// units; Out needs Size units of room. Returns the unit count.
int DecodeCell(const char* Text, int Size, char16_t* Out);

// The blocks of one column's long texts. They are cut from chunks that grow
// with the column and recycled by size class (multiples of 8 bytes), which
// costs a fraction of one malloc per cell and no per-block header. All
// blocks go when the pool goes.
class TCellPool {
public:
  TCellPool() = default;
  // A moved-from pool is empty (its chunks belong to the other pool now).
  TCellPool(TCellPool&& o) noexcept { *this = std::move(o); }
  TCellPool& operator=(TCellPool&& o) noexcept;
  TCellPool(const TCellPool&) = delete;
  TCellPool& operator=(const TCellPool&) = delete;

  // A block for Size bytes (16..MaxCellBytes); may throw std::bad_alloc.
  char* Allocate(int Size);
  // Takes back a block that Allocate(Size) gave.
  void Release(char* Block, int Size);
  // Drops every block at once.
  void Reset();
  // Starts a chunk of exactly Bytes, from which Allocate serves the next
  // Bytes of blocks without failing; may throw std::bad_alloc.
  void AddChunk(std::size_t Bytes);
  static std::size_t BlockBytes(int Size) { return std::size_t(ClassOf(Size)) * Granule; }
  std::size_t LiveBytes() const { return FLiveBytes; }
  std::size_t FreeBytes() const { return FFreeBytes; }
  std::size_t ChunkBytes() const { return FChunkTotal; }

private:
  static constexpr int Granule = 8;
  static int ClassOf(int Size) { return (Size + Granule - 1) / Granule; }
  std::vector<std::unique_ptr<char[]>> FChunks;
  std::size_t FChunkBytes = 0;  // size of the newest chunk
  char* FNext = nullptr;        // free space of the newest chunk
  char* FEnd = nullptr;
  std::array<char*, MaxCellBytes / Granule + 2> FFree{};  // recycled blocks by class
  std::size_t FLiveBytes = 0;   // in blocks given out
  std::size_t FFreeBytes = 0;   // in recycled blocks
  std::size_t FChunkTotal = 0;  // all chunks
};

// One column: cells addressed by stored row index.
class TCellColumn {
public:
  TCellColumn() = default;
  TCellColumn(TCellColumn&&) noexcept = default;
  TCellColumn& operator=(TCellColumn&&) noexcept = default;
  TCellColumn(const TCellColumn&) = delete;
  TCellColumn& operator=(const TCellColumn&) = delete;

  int Size() const { return int(FCells.size()); }
  const TCell& operator[](int Row) const { return FCells[std::size_t(Row)]; }
  // Replaces the text of a cell (may throw std::bad_alloc; cell unchanged then).
  void Assign(int Row, const char* Text, int Size);
  // The same for a text of at most TCell::InlineCapacity bytes, which never
  // allocates; false when the cell held that text already.
  bool AssignShort(int Row, const char* Text, int Size) {
    TCell& cell = FCells[std::size_t(Row)];
    if (Size == 0 ? cell.Empty() : cell.Equals(Text, Size)) return false;
    if (cell.IsHeap()) Release(cell);
    cell.SetInline(Text, Size);
    return true;
  }
  // Empties a cell.
  void Clear(int Row);
  // Heap bytes held for the long texts.
  std::size_t PoolBytes() const { return FPool.ChunkBytes(); }

  std::size_t Capacity() const { return FCells.capacity(); }
  // Makes room for Rows cells (may throw std::bad_alloc; cells unchanged then).
  void Reserve(std::size_t Rows);
  // Grows or shrinks to Rows cells (new cells empty); no allocation after Reserve(Rows).
  void Resize(int Rows);
  void Insert(int Row);
  void Remove(int Row);
  void ClearCells();
  // Reorders the cells: new cell i is old cell Order[i], a permutation.
  // Scratch must hold Size() cells; it is left holding the old arrangement.
  void Permute(const std::vector<std::uint32_t>& Order, TCellArray& Scratch);

private:
  void Release(TCell& Cell);
  void CompactIfWasteful();
  TCellArray FCells;
  TCellPool FPool;
};

}  // namespace orv::detail
