#pragma once
// Value types and event types of the grid controls (TCustomGrid,
// TCustomDrawGrid) and their in-place editor.

#include "OrvTypes.h"
#include "OrvTObject.h"

#include <QStringList>

namespace orv {

// A cell: X is the column, Y the row (grid numbers, 0-based, fixed cells included).
struct TGridCoord {
  int X = 0;
  int Y = 0;
  constexpr TGridCoord() = default;
  constexpr TGridCoord(int AX, int AY) : X(AX), Y(AY) {}
  constexpr bool operator==(const TGridCoord&) const = default;
};

// A block of cells; all four sides are inclusive cell numbers.
struct TGridRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  constexpr TGridRect() = default;
  constexpr TGridRect(int L, int T, int R, int B) : Left(L), Top(T), Right(R), Bottom(B) {}
  constexpr bool Contains(int ACol, int ARow) const {
    return ACol >= Left && ACol <= Right && ARow >= Top && ARow <= Bottom;
  }
  constexpr bool operator==(const TGridRect&) const = default;
};

// The rectangle spanned by two cells, in either order.
constexpr TGridRect GridRect(TGridCoord A, TGridCoord B) {
  return TGridRect(A.X < B.X ? A.X : B.X, A.Y < B.Y ? A.Y : B.Y, A.X > B.X ? A.X : B.X, A.Y > B.Y ? A.Y : B.Y);
}

enum TGridOption {
  goFixedVertLine,      // lines between fixed columns
  goFixedHorzLine,      // lines between fixed rows
  goVertLine,           // lines between scrolling columns
  goHorzLine,           // lines between scrolling rows
  goRangeSelect,        // Shift+arrows, Shift+click and dragging select a block
  goDrawFocusSelected,  // the current cell is drawn in the selection colour too
  goRowSizing,          // rows can be sized by dragging a border in the fixed columns
  goColSizing,          // columns can be sized by dragging a border in the fixed rows
  goEditing,            // cells can be edited in place
  goTabs,               // Tab and Shift+Tab move between cells instead of leaving the grid
  goRowSelect,          // whole rows are selected; Left/Right scroll instead of moving
  goAlwaysShowEditor,   // with goEditing: the editor is open whenever the grid has the focus
  goThumbTracking       // the view follows the scroll bar thumb while it is dragged
};
using TGridOptions = Set<TGridOption>;

enum TGridDrawStateElem { gdSelected, gdFocused, gdFixed };
using TGridDrawState = Set<TGridDrawStateElem>;

// Scroll bars of a grid or a memo.
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
// Window borders: a grid has bsNone or bsSingle, a form any of them.
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle;

// Style of the in-place editor for one cell: a plain line edit, or a line
// edit with a drop-down list of values to pick from.
enum TEditStyle { esSimple, esPickList };

using TDrawCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, TRect Rect, TGridDrawState State)>;
using TSelectCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
using TGetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value)>;
using TSetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, const QString& Value)>;
// Wheel turned one notch down or up: Handled set to true stops the grid's own scrolling.
using TMouseWheelUpDownEvent = std::function<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;
// Fills Items with the values the pick list offers for a cell.
using TOnGetPickListItems = std::function<void(int ACol, int ARow, QStringList& Items)>;

}  // namespace orv
