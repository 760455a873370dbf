#pragma once
// Generated report tables for the exchange tests: random Unicode text with
// delimiters, quotes, markup characters, control characters and line breaks,
// check columns, formats and names, from a fixed seed.

#include <ORV_replist.h>

#include <QString>

#include <random>

namespace orv::test {

struct TTableShape {
  int Cols = 5;
  int Rows = 40;
  bool CheckColumns = true;   // make some columns box or radio columns
  bool ControlChars = true;   // include control characters other than line breaks and tab
};

// Random text of up to MaxLen characters (surrogate pairs count as two).
QString RandomText(std::mt19937& Rng, int MaxLen, bool ControlChars = true);

// Fills Data with a random table of the given shape: names, formats, check
// modes and check states, cells of columns 0..Cols (some empty), comment,
// common header and data identifier.
void FillRandomTable(TRLData& Data, unsigned Seed, const TTableShape& Shape = {});

// Compares everything the XML form keeps; returns a description of the first
// difference, empty when equal.
QString XmlContentDifference(const TRLData& A, const TRLData& B);

// Compares dimensions and the visible texts of columns FirstCol..NrOfColumns
// (and the names when Names is true).
QString CellDifference(const TRLData& A, const TRLData& B, int FirstCol, bool Names);

}  // namespace orv::test
