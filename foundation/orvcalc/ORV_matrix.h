#pragma once
// Matrices of numbers addressed 1-based, columns before rows.
//
// TMatrix holds doubles, TIntMatrix integers. Indexes outside the matrix
// never fail: reads give 0, writes are ignored. Sizes below 0 count as 0.

#include <algorithm>
#include <vector>

namespace orv {

template <class T>
class TMatrixOf {
public:
  TMatrixOf() = default;
  TMatrixOf(int NrCols, int NrRows) { Resize(NrCols, NrRows); }

  int NrOfColumns() const { return FCols; }
  int NrOfRows() const { return FRows; }

  // Columns 1..NrCols and rows 1..NrRows; elements inside both sizes are
  // kept, new ones are 0.
  void Resize(int NrCols, int NrRows) {
    NrCols = std::max(0, NrCols);
    NrRows = std::max(0, NrRows);
    std::vector<T> e(std::size_t(NrCols) * std::size_t(NrRows), T(0));
    for (int c = 0; c < std::min(NrCols, FCols); ++c)
      std::copy_n(FElems.begin() + std::ptrdiff_t(c) * FRows, std::min(NrRows, FRows),
                  e.begin() + std::ptrdiff_t(c) * NrRows);
    FElems.swap(e);
    FCols = NrCols;
    FRows = NrRows;
  }
  // Changes the row count and keeps the existing rows.
  void SetNRows(int NrRows) { Resize(FCols, NrRows); }

  T GetVal(int Col, int Row) const { return Valid(Col, Row) ? FElems[Ix(Col, Row)] : T(0); }
  void SetVal(int Col, int Row, T Value) {
    if (Valid(Col, Row)) FElems[Ix(Col, Row)] = Value;
  }
  // Sets every element to Value.
  void Fill(T Value) { std::fill(FElems.begin(), FElems.end(), Value); }

  // Inserts a row of zeros before Row (1..NrOfRows + 1).
  void InsertRow(int Row) {
    if (Row < 1 || Row > FRows + 1) return;
    Rebuild(FCols, FRows + 1, [&](int c, int r) { return r == Row ? T(0) : GetVal(c, r < Row ? r : r - 1); });
  }
  void RemoveRow(int Row) {
    if (Row < 1 || Row > FRows) return;
    Rebuild(FCols, FRows - 1, [&](int c, int r) { return GetVal(c, r < Row ? r : r + 1); });
  }
  // Inserts a column of zeros before Col (1..NrOfColumns + 1).
  void InsertColumn(int Col) {
    if (Col < 1 || Col > FCols + 1) return;
    FElems.insert(FElems.begin() + std::ptrdiff_t(Col - 1) * FRows, std::size_t(FRows), T(0));
    ++FCols;
  }
  void RemoveColumn(int Col) {
    if (Col < 1 || Col > FCols) return;
    const auto b = FElems.begin() + std::ptrdiff_t(Col - 1) * FRows;
    FElems.erase(b, b + FRows);
    --FCols;
  }
  // Reverses the order of the columns (rows).
  void MirrorColumns() {
    for (int c = 1; c <= FCols / 2; ++c) ExchangeColumns(c, FCols + 1 - c, 1, FRows);
  }
  void MirrorRows() {
    for (int r = 1; r <= FRows / 2; ++r) ExchangeRows(r, FRows + 1 - r, 1, FCols);
  }
  // Exchanges the elements of two columns in rows FromRow..ToRow (of two rows in columns FromCol..ToCol).
  void ExchangeColumns(int C1, int C2, int FromRow, int ToRow) {
    for (int r = std::max(1, FromRow); r <= std::min(FRows, ToRow); ++r) Swap(C1, r, C2, r);
  }
  void ExchangeRows(int R1, int R2, int FromCol, int ToCol) {
    for (int c = std::max(1, FromCol); c <= std::min(FCols, ToCol); ++c) Swap(c, R1, c, R2);
  }
  // Rows FromRow, FromRow + 1, ... take the elements rows Order[0], Order[1],
  // ... had, in columns FromCol..ToCol (Order: a permutation of those rows).
  void PermuteRows(const std::vector<int>& Order, int FromRow, int FromCol, int ToCol) {
    std::vector<T> line(Order.size());
    for (int c = std::max(1, FromCol); c <= std::min(FCols, ToCol); ++c) {
      for (std::size_t k = 0; k < Order.size(); ++k) line[k] = GetVal(c, Order[k]);
      for (std::size_t k = 0; k < Order.size(); ++k) SetVal(c, FromRow + int(k), line[k]);
    }
  }
  // Columns FromCol, FromCol + 1, ... take the elements columns Order[0],
  // Order[1], ... had, in rows FromRow..ToRow.
  void PermuteColumns(const std::vector<int>& Order, int FromCol, int FromRow, int ToRow) {
    FromRow = std::max(1, FromRow);
    ToRow = std::min(FRows, ToRow);
    if (FromRow > ToRow) return;
    const std::size_t n = std::size_t(ToRow - FromRow + 1);
    std::vector<T> block(Order.size() * n);
    for (std::size_t k = 0; k < Order.size(); ++k)
      if (Valid(Order[k], FromRow)) std::copy_n(FElems.begin() + std::ptrdiff_t(Ix(Order[k], FromRow)), n, block.begin() + std::ptrdiff_t(k * n));
    for (std::size_t k = 0; k < Order.size(); ++k)
      if (Valid(FromCol + int(k), FromRow))
        std::copy_n(block.begin() + std::ptrdiff_t(k * n), n, FElems.begin() + std::ptrdiff_t(Ix(FromCol + int(k), FromRow)));
  }

private:
  bool Valid(int Col, int Row) const { return Col >= 1 && Col <= FCols && Row >= 1 && Row <= FRows; }
  std::size_t Ix(int Col, int Row) const { return std::size_t(Col - 1) * std::size_t(FRows) + std::size_t(Row - 1); }
  void Swap(int C1, int R1, int C2, int R2) {
    if (Valid(C1, R1) && Valid(C2, R2)) std::swap(FElems[Ix(C1, R1)], FElems[Ix(C2, R2)]);
  }
  template <class F>
  void Rebuild(int NrCols, int NrRows, F Value) {
    std::vector<T> e(std::size_t(NrCols) * std::size_t(NrRows));
    for (int c = 1; c <= NrCols; ++c)
      for (int r = 1; r <= NrRows; ++r) e[std::size_t(c - 1) * std::size_t(NrRows) + std::size_t(r - 1)] = Value(c, r);
    FElems.swap(e);
    FCols = NrCols;
    FRows = NrRows;
  }

  std::vector<T> FElems;  // column after column
  int FCols = 0;
  int FRows = 0;
};

using TMatrix = TMatrixOf<double>;
using TIntMatrix = TMatrixOf<int>;

}  // namespace orv
