// TNTabEd: elements, cell states and marks, names, attributes, precision
// and the comment, read and written through the table.
#include "OrvTNTabEd.h"

#include <ORV_datatable.h>

#include <algorithm>

namespace orv {

namespace {

constexpr int kMaxPrecision = 10;

}  // namespace

// --------------------------------------------------------- elements, states

double TNTabEd::ClampToRange(double Value) const {
  if (FVRangeLow == 0 && FVRangeHigh == 0) return Value;
  if (Value < FVRangeLow) Value = FVRangeLow;
  if (Value > FVRangeHigh) Value = FVRangeHigh;
  return Value;
}

void TNTabEd::SetElem(int ACol, int ARow, double Value) { Data->SetElem(ACol, ARow, ClampToRange(Value)); }

void TNTabEd::SetCellState(int ACol, int ARow, std::uint8_t Value) {
  if (ACol < 1 || ACol > NrOfColumns() || ARow < 1 || ARow > NrOfRows()) return;
  const std::uint8_t old = CellState(ACol, ARow);
  if (old == Value) return;
  Data->SetCellState(ACol, ARow, Value);
  Invalidate();
  ChangedCellStates();
  if ((old ^ Value) & dtsEmpty) ChangedEmptyStates();
}

void TNTabEd::SetIsEmpty(int ACol, int ARow, bool Value) {
  const std::uint8_t s = CellState(ACol, ARow);
  Data->SetCellState(ACol, ARow, Value ? s | dtsEmpty : s & ~dtsEmpty);
  ChangedEmptyStates();
}

void TNTabEd::SetElemMarkedA(int ACol, int ARow, bool Value) {
  const std::uint8_t s = CellState(ACol, ARow);
  Data->SetCellState(ACol, ARow, Value ? s | dtsMarkA : s & ~dtsMarkA);
  Invalidate();
  ChangedCellStates();
}

void TNTabEd::SetElemMarkedB(int ACol, int ARow, bool Value) {
  const std::uint8_t s = CellState(ACol, ARow);
  Data->SetCellState(ACol, ARow, Value ? s | dtsMarkB : s & ~dtsMarkB);
  Invalidate();
  ChangedCellStates();
}

void TNTabEd::Fill(double Value) {
  Data->Elements().Fill(Value);
  ChangedData();
  Invalidate();
}

int TNTabEd::FillMarkedCells(double Value, std::uint8_t Statemask) {
  SetSuppressPaint(true);
  const int n = Data->FillMarkedCells(Value, Statemask);
  SetSuppressPaint(false);
  return n;
}

void TNTabEd::MarkAllElemsA() { Mark(msAll, dtsMarkA, true); }
void TNTabEd::MarkAllElemsB() { Mark(msAll, dtsMarkB, true); }

void TNTabEd::UnMarkAllElems() {
  FInternSuppPaint = true;
  Data->UnmarkAllCells();
  FInternSuppPaint = false;
  Invalidate();
  ChangedCellStates();
}

void TNTabEd::InvertCellStates(std::uint8_t StateMask) {
  Data->InvertCellStates(StateMask);
  Invalidate();
  ChangedCellStates();
}

void TNTabEd::ExchangeMarkings() {
  Data->ExchangeMarkings();
  Invalidate();
  ChangedCellStates();
}

bool TNTabEd::IfRowMarked(int row) const {
  if (row < 1 || row > NrOfRows()) return false;
  for (int c = 1; c <= NrOfColumns(); ++c)
    if (CellState(c, row) & (dtsMarkA | dtsMarkB)) return true;
  return false;
}

bool TNTabEd::IfColumnMarked(int col) const {
  if (col < 1 || col > NrOfColumns()) return false;
  for (int r = 1; r <= NrOfRows(); ++r)
    if (CellState(col, r) & (dtsMarkA | dtsMarkB)) return true;
  return false;
}

bool TNTabEd::IfAnyMarked() const {
  for (int r = 1; r <= NrOfRows(); ++r)
    if (IfRowMarked(r)) return true;
  return false;
}

int TNTabEd::NrOfMarkedDataA() const {
  int n = 0;
  for (int c = 1; c <= NrOfColumns(); ++c)
    for (int r = 1; r <= NrOfRows(); ++r) n += (CellState(c, r) & dtsMarkA) != 0;
  return n;
}

int TNTabEd::NrOfMarkedDataB() const {
  int n = 0;
  for (int c = 1; c <= NrOfColumns(); ++c)
    for (int r = 1; r <= NrOfRows(); ++r) n += (CellState(c, r) & dtsMarkB) != 0;
  return n;
}

// ------------------------------------------- names, attributes, precision

void TNTabEd::SetColName(int ColNr, const TDTNameStr& Value) {
  if (ColNr < 1 || ColNr > NrOfColumns()) return;
  Data->SetColName(ColNr, Value);
  ChangedHeading();
  Invalidate();
}

void TNTabEd::SetRowName(int RowNr, const TDTNameStr& Value) {
  if (RowNr < 1 || RowNr > NrOfRows()) return;
  Data->SetRowName(RowNr, Value);
  ChangedHeading();
  Invalidate();
}

void TNTabEd::SetColAttrib(int ColNr, std::uint8_t Value) {
  if (ColNr < 1 || ColNr > NrOfColumns()) return;
  Data->SetColAttrib(ColNr, Value);
  Invalidate();
  ChangedAttrib();
}

void TNTabEd::SetRowAttrib(int RowNr, std::uint8_t Value) {
  if (RowNr < 1 || RowNr > NrOfRows()) return;
  Data->SetRowAttrib(RowNr, Value);
  Invalidate();
  ChangedAttrib();
}

std::int8_t TNTabEd::Precision(int ColNr) const {
  return ColNr >= 1 && ColNr <= NrOfColumns() && ColNr <= int(FDecP.size()) ? FDecP[std::size_t(ColNr - 1)] : 0;
}

void TNTabEd::SetPrecision(int ColNr, int Value) {
  if (ColNr < 1 || ColNr > NrOfColumns() || ColNr > int(FDecP.size())) return;
  FDecP[std::size_t(ColNr - 1)] = std::int8_t(std::clamp(Value, -1, kMaxPrecision));
  Invalidate();
  ChangedLayout();
}

void TNTabEd::SetComment(const QString& Value) {
  Data->SetFComment(RemoveControlChars(Value));
  ChangedData();
}

}  // namespace orv
