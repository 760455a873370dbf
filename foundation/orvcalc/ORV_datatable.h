#pragma once
// TDataTable: a numeric table with names, attributes and cell states.
//
// Elements are doubles at columns 1..NrOfColumns and rows 1..NrOfRows. Each
// column and row has a name (at most 50 characters) and an attribute byte;
// each cell has a state byte (bits below); each column has a scale type,
// and the columns of scale types 1 and 2 hold whole-number codes that may
// have names (nominal identifiers, codes 1..150, at most 10 characters).
// New cells are 0 with state 0. Indexes outside the table never fail:
// reads give 0 or an empty text, writes are ignored.
//
// Hooks (an empty one stays silent):
// - DataChangedHook after SetElem, FillMarkedCells, the mirrors and the sorts;
// - SetupChangedHook after a change of comment, scale type or nominal identifier;
// - ResizedHook after every change of size (Resize, insert, remove);
// - SortExchangeHook once for each exchange a sort amounts to, in order,
//   after the sort has moved the cells: kind 1 = the columns given by the
//   last two integers were exchanged in rows (first two integers)
//   FromRow..ToRow; kind 2 = the rows given by the last two integers were
//   exchanged in columns FromCol..ToCol;
// - PercentDoneHook with the progress of a sort.

#include "ORV_matrix.h"

#include <orvcore.h>

#include <QMap>

namespace orv {

// A column or row name of at most 50 characters.
using TDTNameStr = QString;
constexpr int MaxDTNameLength = 50;
constexpr int MaxNominalIDLength = 10;
constexpr int MaxNominalCode = 150;

// Bits of the cell state byte.
constexpr std::uint8_t dtsNotANumber = 0x01, dtsEmpty = 0x02, dtsLocked = 0x10, dtsMarkA = 0x40, dtsMarkB = 0x80;

// Scale types of a column: 1 nominal and 2 ordinal columns hold codes.
constexpr int MaxMScaleType = 4;
// Display name of a scale type ("undefined", "nominal", "ordinal",
// "interval", "ratio"); empty outside 0..4.
QString MScaleTypeNames(int ScaleType);

using TResizedHook = std::function<void(TObject* Sender, int OldCols, int OldRows, int NewCols, int NewRows)>;
using TSortExchangeHook = std::function<void(TObject* Sender, std::uint8_t Kind, int A, int B, int C, int D)>;

class TDataTable : public TComponent {
public:
  explicit TDataTable(TComponent* AOwner = nullptr);

  int NrOfColumns() const { return FElems.NrOfColumns(); }
  int NrOfRows() const { return FElems.NrOfRows(); }
  // Keeps the cells, names and attributes inside both sizes.
  void Resize(int NrCols, int NrRows);
  // Elements 0, states, names, attributes, scale types, nominal
  // identifiers and the comment cleared; the size stays.
  void Clear();

  QString Comment() const { return FComment; }
  void SetFComment(const QString& Value);

  // Insert before ix (1..count + 1), remove ix (1..count); names,
  // attributes and states move with their row or column.
  void InsertRow(int ix);
  void RemoveRow(int ix);
  void InsertColumn(int ix);
  void RemoveColumn(int ix);
  // Reverse the order of the columns (rows) with everything they carry.
  void MirrorColumns();
  void MirrorRows();

  double GetElem(int ACol, int ARow) const { return FElems.GetVal(ACol, ARow); }
  void SetElem(int ACol, int ARow, double Value);
  // The element matrix (changes made through it fire no hook).
  TMatrix& Elements() { return FElems; }

  std::uint8_t GetCellState(int ACol, int ARow) const { return std::uint8_t(FStates.GetVal(ACol, ARow)); }
  void SetCellState(int ACol, int ARow, std::uint8_t Value) { FStates.SetVal(ACol, ARow, Value); }
  // Inside the table and neither "not a number" nor "empty".
  bool GetIsNumber(int ACol, int ARow) const;
  // Flips the bits of Mask in every cell state.
  void InvertCellStates(std::uint8_t Mask);
  // Exchanges mark A and mark B in every cell.
  void ExchangeMarkings();
  // Clears mark A and mark B in every cell.
  void UnmarkAllCells();
  // Sets the element of every cell whose state has a bit of Mask; returns
  // the number of cells set.
  int FillMarkedCells(double Value, std::uint8_t Mask);

  TDTNameStr GetColName(int ix) const { return ix >= 1 && ix <= NrOfColumns() ? FColNames[std::size_t(ix - 1)] : QString(); }
  void SetColName(int ix, const TDTNameStr& Value);
  TDTNameStr GetRowName(int ix) const { return ix >= 1 && ix <= NrOfRows() ? FRowNames[std::size_t(ix - 1)] : QString(); }
  void SetRowName(int ix, const TDTNameStr& Value);
  std::uint8_t GetColAttrib(int ix) const { return ix >= 1 && ix <= NrOfColumns() ? FColAttr[std::size_t(ix - 1)] : 0; }
  void SetColAttrib(int ix, std::uint8_t Value);
  std::uint8_t GetRowAttrib(int ix) const { return ix >= 1 && ix <= NrOfRows() ? FRowAttr[std::size_t(ix - 1)] : 0; }
  void SetRowAttrib(int ix, std::uint8_t Value);

  // Scale type of a column (0..4; 0 outside the table).
  int GetMScaleType(int ACol) const;
  void SetMScaleType(int ACol, int Value);
  // Name of a code of a column, empty when it has none.
  QString GetNominalID(int ACol, int Code) const;
  // Names code 1..150 of a column (cut to 10 characters; empty removes the name).
  void SetNominalID(int ACol, int Code, const QString& Name);
  // The code named Name in a column (1..150), 0 when no code has that name.
  int OrdinalOfNominalID(int ACol, const QString& Name, bool IgnoreCase) const;

  // Sorts the rows FromRow..ToRow of the block FromCol..ToCol by column
  // SortCol (stable; numbers by value, non-numbers after them); with
  // IncludeHeaders the row names and attributes move along.
  void SortRows(int SortCol, bool Ascending, int FromCol, int FromRow, int ToCol, int ToRow, bool IncludeHeaders);
  // The same for columns by row SortRow.
  void SortCols(int SortRow, bool Ascending, int FromCol, int FromRow, int ToCol, int ToRow, bool IncludeHeaders);

  TNotifyEvent DataChangedHook;
  TNotifyEvent SetupChangedHook;
  TOnPercentDoneEvent PercentDoneHook;
  TResizedHook ResizedHook;
  TSortExchangeHook SortExchangeHook;

private:
  struct TColumnSetup {
    int ScaleType = 0;
    QMap<int, QString> Nominal;
  };
  template <class F>
  void ChangeSize(F Change);
  // Sorts the lines (rows or columns) From..To by their keys: Permute moves
  // line Order[k] to From + k, then Exchanged reports the exchanges that
  // amount to the same.
  void Arrange(int From, int To, bool Ascending, const std::function<double(int)>& Key,
               const std::function<bool(int)>& IsNumber, const std::function<void(const std::vector<int>&)>& Permute,
               const std::function<void(int, int)>& Exchanged);
  void DataChanged();
  void SetupChanged();

  TMatrix FElems;
  TIntMatrix FStates;
  std::vector<QString> FColNames, FRowNames;
  std::vector<std::uint8_t> FColAttr, FRowAttr;
  std::vector<TColumnSetup> FSetup;
  QString FComment;
};

}  // namespace orv
