#pragma once
// Compact storage of one column of text cells, used by TStringArray.
//
// A cell is 16 bytes: text of up to 15 UTF-8 bytes is kept inside the cell,
// longer text in a heap block of exactly its size. An empty cell owns
// nothing. Cells are trivially copyable, so inserting and removing rows
// moves memory without touching the heap; the column frees the heap blocks.

#include <QString>
#include <QStringView>

#include <cstdint>
#include <cstring>
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
  // Replaces the text (frees an old heap block; may throw std::bad_alloc).
  void Assign(const char* Text, int Size);
  void Free();

private:
  static constexpr std::uint8_t HeapTag = 0xFF;
  bool IsHeap() const { return FBytes[15] == HeapTag; }
  alignas(8) std::uint8_t FBytes[16] = {};
};
static_assert(sizeof(TCell) == 16);

// Longest cell text in UTF-16 code units.
constexpr int MaxCellLength = 255;
// Room for the UTF-8 form of a cell (3 bytes per code unit at most).
constexpr int MaxCellBytes = 3 * MaxCellLength;

// UTF-8 form of Text cut to MaxCellLength code units without splitting a
// surrogate pair; returns the byte count written to Out (MaxCellBytes room).
int EncodeCell(QStringView Text, char* Out);
// Decodes UTF-8 cell bytes (as written by EncodeCell) into UTF-16 code
// units; Out needs Size units of room. Returns the unit count.
int DecodeCell(const char* Text, int Size, char16_t* Out);

// One column: cells addressed by stored row index.
class TCellColumn {
public:
  TCellColumn() = default;
  ~TCellColumn();
  TCellColumn(TCellColumn&& o) noexcept : FCells(std::move(o.FCells)) {}
  TCellColumn& operator=(TCellColumn&& o) noexcept;
  TCellColumn(const TCellColumn&) = delete;
  TCellColumn& operator=(const TCellColumn&) = delete;

  int Size() const { return int(FCells.size()); }
  const TCell& operator[](int Row) const { return FCells[std::size_t(Row)]; }
  TCell& operator[](int Row) { return FCells[std::size_t(Row)]; }

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
  void Permute(const std::vector<std::uint32_t>& Order, std::vector<TCell>& Scratch);

private:
  std::vector<TCell> FCells;
};

}  // namespace orv::detail
