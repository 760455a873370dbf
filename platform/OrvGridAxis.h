#pragma once
// TGridAxis: the geometry of one axis of a grid, the columns or the rows.
//
// Cells are laid out one after the other, each followed by a line of
// LineWidth pixels. The first Fixed cells stay in place; after them the
// scrolling cells start at First. A cell's size is DefaultSize unless it was
// set on its own (a sparse list of overrides), and a size below 0 hides the
// cell and its line. Every query costs O(log n) in the cell count and
// O(log k) in the number of overrides, so an axis of ten million cells costs
// what an axis of ten does.
//
// "Offsets" are positions in the unscrolled layout, measured from the leading
// edge of cell 0; "positions" are client pixels of the scrolled view, where
// the fixed cells come first and the scrolling cells follow from First on.

#include <QtGlobal>

#include <vector>

namespace orv {

class TGridAxis {
public:
  int Count() const { return FCount; }
  // At least 1; drops the overrides of cells beyond the end and clamps Fixed and First.
  void SetCount(int Value);
  // 0 .. Count - 1, so that at least one cell scrolls; First is kept at or after it.
  int Fixed() const { return FFixed; }
  void SetFixed(int Value);
  // The first scrolling cell shown, Fixed .. Count - 1.
  int First() const { return FFirst; }
  void SetFirst(int Value);
  int DefaultSize() const { return FDefaultSize; }
  // At least 0; every cell goes back to the default size.
  void SetDefaultSize(int Value);
  int LineWidth() const { return FLineWidth; }
  void SetLineWidth(int Value);

  // The size of a cell (0 outside the axis).
  int Size(int Index) const;
  // Sizes below -1 become -1 (hidden); indexes outside the axis are ignored.
  void SetSize(int Index, int Value);
  // Pixels a cell takes in the layout: its size and its line, 0 when hidden.
  int Extent(int Index) const { return ExtentOf(Size(Index)); }

  // Offset of the leading edge of cell Index, 0 <= Index <= Count.
  qint64 Offset(int Index) const;
  // The cell whose extent holds Offset: -1 before the first cell, Count after the last.
  int IndexAtOffset(qint64 Offset) const;

  // Extent of the fixed cells, lines included.
  int FixedExtent() const { return int(Offset(FFixed)); }
  // Whether a cell is laid out in the view (a fixed cell, or a scrolling cell from First on).
  bool IsShown(int Index) const { return Index >= 0 && Index < FCount && (Index < FFixed || Index >= FFirst); }
  // Position of the leading edge of a shown cell.
  qint64 Position(int Index) const;
  // The cell shown at a position: -1 before the first cell, Count after the last.
  int IndexAtPosition(int Pos) const;
  // The last cell that starts inside a view of ViewExtent pixels (-1 when none does).
  int LastShown(int ViewExtent) const;
  // Number of scrolling cells from First on that fit completely into the view.
  int FullyShownCount(int ViewExtent) const;
  // The smallest First that still shows cell Last completely (Last itself when it never fits).
  int FirstToShow(int Last, int ViewExtent) const;
  // The largest First worth scrolling to: the last cell then just fits.
  int MaxFirst(int ViewExtent) const { return FirstToShow(FCount - 1, ViewExtent); }

private:
  struct Override {
    int Index;
    int Size;
    qint64 DeltaBefore;  // sum of (extent - default extent) of the overrides before this one
  };
  int ExtentOf(int Size) const { return Size < 0 ? 0 : Size + FLineWidth; }
  qint64 DefaultExtent() const { return ExtentOf(FDefaultSize); }
  // The largest index in Lo .. Hi whose offset is at most Limit (Lo - 1 when none).
  int LastIndexWithOffsetAtMost(qint64 Limit, int Lo, int Hi) const;
  // The first override with an index not below Index.
  std::vector<Override>::iterator LowerBound(int Index);
  std::vector<Override>::const_iterator LowerBound(int Index) const;
  // Adds Delta to the running sums of the overrides from It on.
  void Shift(std::vector<Override>::iterator It, qint64 Delta);
  // Recomputes every running sum (after the line width changed).
  void Rebuild();

  int FCount = 5;
  int FFixed = 1;
  int FFirst = 1;
  int FDefaultSize = 24;
  int FLineWidth = 1;
  std::vector<Override> FOverrides;  // sorted by Index
};

}  // namespace orv
