#pragma once
// TCustomGrid: a self-drawn grid of cells, the base of the report list, the
// table editor and the mini calendar.
//
// Layout: ColCount x RowCount cells (5 x 5), of which the first FixedCols
// columns and FixedRows rows (1 and 1) are fixed: they stay in place while the
// rest scrolls. Every column is DefaultColWidth (64) wide unless GridColWidths
// sets it, every row DefaultRowHeight (24) high unless RowHeights sets it; a
// size of -1 hides the column or row. Each cell is followed by a line of
// GridLineWidth pixels (1), drawn for fixed cells with goFixedVertLine /
// goFixedHorzLine and for the others with goVertLine / goHorzLine; when
// neither option of a direction is set the lines take no room at all. Setting
// DefaultColWidth or DefaultRowHeight gives every column or row that size.
//
// Coordinates are client pixels of the control. With BorderStyle bsSingle
// (the default) a one-pixel frame surrounds the cells, so cell (0, 0) starts
// at (1, 1); BorderWidth() tells. The scroll bars (ScrollBars, ssBoth) sit at
// the right and bottom and appear only when the cells do not fit.
//
// Painting visits only the cells in view: the cost of painting, scrolling and
// hit-testing does not depend on RowCount or ColCount. For each cell the
// canvas is prepared (control font; brush Color, FixedColor for fixed cells,
// clHighlight with clHighlightText for selected cells), the cell is filled
// when DefaultDrawing is set, and DrawCell is called.
//
// Current cell and selection: Col and Row are the current cell, Selection the
// block between it and the anchor (with goRowSelect: whole rows). Moving the
// current cell asks SelectCell first, which may refuse. Mouse: a click selects
// a cell, Shift+click and dragging extend the block (goRangeSelect), dragging a
// column border inside the fixed rows sizes the column (goColSizing; a row
// border inside the fixed columns with goRowSizing). Keys: arrows, Page Up and
// Page Down, Home and End (Ctrl: the first or last cell), Shift to extend the
// block, Tab and Shift+Tab with goTabs; with goRowSelect Left and Right
// scroll sideways instead. The wheel scrolls three rows a notch (Shift: one
// column) after OnMouseWheel, OnMouseWheelDown or OnMouseWheelUp have
// declined it.
//
// Editing (goEditing): F2, Enter, a typed character, or a click on the
// current cell opens the in-place editor over it, filled from GetEditText;
// with goRowSelect it edits the column last clicked in the row. Every change
// of its text goes to SetEditText at once. Enter closes the editor again;
// Enter is always consumed by the grid (KeyPress leaves #0 for a descendant),
// unless goAlwaysShowEditor is set. Escape restores the text the cell had
// when editing began and closes the editor; moving to another cell closes it
// as well. With goAlwaysShowEditor the editor stays open while the grid has
// the focus. GetEditStyle chooses a plain editor or a pick list per cell;
// CreateEditor makes the editor (a TInplaceEdit, or a TInplaceEditList for
// pick lists).
//
// Natural size 320 x 120; in a layout the grid grows both ways and needs at
// least room for its frame and scroll bars.

#include "OrvGridAxis.h"
#include "OrvGridTypes.h"
#include "OrvTControl.h"

class QScrollBar;

namespace orv {

class TInplaceEdit;

class TCustomGrid : public TCustomControl {
  Q_OBJECT
  Q_PROPERTY(int DefaultColWidth READ DefaultColWidth WRITE SetDefaultColWidth)
  Q_PROPERTY(int DefaultRowHeight READ DefaultRowHeight WRITE SetDefaultRowHeight)
  Q_PROPERTY(int GridLineWidth READ GridLineWidth WRITE SetGridLineWidth)
  Q_PROPERTY(bool DefaultDrawing READ DefaultDrawing WRITE SetDefaultDrawing)
  Q_PROPERTY(orv::TColor FixedColor READ FixedColor WRITE SetFixedColor)

  friend class TInplaceEdit;
  friend class TInplaceEditList;

public:
  explicit TCustomGrid(TOwnerArg AOwner);
  ~TCustomGrid() override;

  // ---- structure (the grid's counts are protected, below)
  int DefaultColWidth() const { return FCols.DefaultSize(); }
  void SetDefaultColWidth(int Value);
  int DefaultRowHeight() const { return FRows.DefaultSize(); }
  void SetDefaultRowHeight(int Value);
  // Height of a row (0 for an index outside the grid; setting it there does nothing).
  int RowHeights(int Index) const { return FRows.Size(Index); }
  void SetRowHeights(int Index, int Value);
  int GridLineWidth() const { return FGridLineWidth; }
  void SetGridLineWidth(int Value);
  TGridOptions Options() const { return FOptions; }
  void SetOptions(TGridOptions Value);
  // Background of the fixed cells (clBtnFace). Virtual: a descendant may tie
  // it to a colour setting of its own.
  TColor FixedColor() const { return FFixedColor; }
  virtual void SetFixedColor(TColor Value);
  // Colour of the lines between scrolling cells (clSilver) and between fixed cells (cl3DDkShadow).
  TColor GridLineColor() const { return FGridLineColor; }
  void SetGridLineColor(TColor Value);
  TColor FixedLineColor() const { return FFixedLineColor; }
  void SetFixedLineColor(TColor Value);
  bool DefaultDrawing() const { return FDefaultDrawing; }
  void SetDefaultDrawing(bool Value);
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  // Width of the frame around the cells: 1 with bsSingle, 0 with bsNone.
  int BorderWidth() const { return FBorderStyle == bsSingle ? 1 : 0; }
  // The frame and the least size of both scroll bars.
  QSize minimumSizeHint() const override;

  // ---- scrolling
  // Scrolling rows (columns) from GridTopRow (GridLeftCol) on that are completely in view.
  int VisibleRowCount() const;
  int VisibleColCount() const;

  // ---- current cell and selection
  int Col() const { return FCurrent.X; }
  void SetCol(int Value);
  int Row() const { return FCurrent.Y; }
  void SetRow(int Value);
  // The selected block. Setting it makes its top-left cell current and its
  // bottom-right cell the anchor, without asking SelectCell and without scrolling;
  // the block is clamped to the scrolling cells.
  TGridRect Selection() const;
  void SetSelection(const TGridRect& Value);
  // Moves the current cell to (ACol, ARow), clamped to the scrolling cells, when
  // SelectCell agrees. MoveAnchor false keeps the anchor (with goRangeSelect),
  // Show scrolls the cell into view. Returns whether the cell is now current.
  bool MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show);

  // ---- geometry: client coordinates, shared by painting, mouse handling and tests
  // The area the cells are laid out in: inside the border, beside the scroll bars.
  TRect CellArea() const;
  // A cell's rectangle (without its lines); empty when the cell is not in view.
  TRect CellRect(int ACol, int ARow) const;
  // The cell under a point; -1 for a coordinate outside the laid-out cells.
  TGridCoord MouseCoord(int X, int Y) const;
  void MouseToCell(int X, int Y, int& ACol, int& ARow) const;
  // Where the cells in view end (client x and y), at most the end of CellArea.
  int GridWidth() const;
  int GridHeight() const;
  // The column (row) whose right (bottom) border lies under the point and can
  // be dragged (goColSizing: inside the fixed rows; goRowSizing: inside the
  // fixed columns); -1 when there is none.
  int SizingColAt(int X, int Y) const;
  int SizingRowAt(int X, int Y) const;

  // ---- editing
  bool EditorMode() const { return FEditorMode; }
  // true opens the editor when editing is possible, false closes it.
  void SetEditorMode(bool Value);
  // The in-place editor (null until it was first needed).
  TInplaceEdit* InplaceEditor() const { return FInplaceEdit; }
  void ShowEditor();
  // Closes the editor; the text was already handed to SetEditText.
  void HideEditor();
  // Closes the editor after restoring the text the cell had when editing began.
  void CancelEditor();
  // Repaints the whole grid.
  void InvalidateGrid() { Invalidate(); }

  // ---- events (the others are TCustomDrawGrid's)
  TMouseWheelUpDownEvent OnMouseWheelDown;
  TMouseWheelUpDownEvent OnMouseWheelUp;

  // ---- framework methods
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
  void KeyPress(QChar& Key) override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
  void DoEnter() override;
  void DoExit() override;
  // One wheel notch: fire OnMouseWheelDown / OnMouseWheelUp; when not handled
  // the grid scrolls. Return whether the notch was used.
  virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
  virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);

protected:
  // ---- the grid's own numbering: grid rows and columns from 0, fixed ones
  // included. Protected, so that each descendant publishes the numbering of
  // its data and keeps its own invariants between the two.
  int ColCount() const { return FCols.Count(); }
  // At least 1; FixedCols shrinks when it would leave no scrolling column.
  void SetColCount(int Value);
  int RowCount() const { return FRows.Count(); }
  void SetRowCount(int Value);
  int FixedCols() const { return FCols.Fixed(); }
  // 0 .. ColCount - 1.
  void SetFixedCols(int Value);
  int FixedRows() const { return FRows.Fixed(); }
  void SetFixedRows(int Value);
  // Width of a grid column (0 for an index outside the grid; setting it there does nothing).
  int GridColWidths(int Index) const { return FCols.Size(Index); }
  void SetGridColWidths(int Index, int Value);
  // First scrolling grid row and column shown; clamped so that the view is
  // never scrolled past the point where the last row (column) just fits.
  int GridTopRow() const { return FRows.First(); }
  void SetGridTopRow(int Value);
  int GridLeftCol() const { return FCols.First(); }
  void SetGridLeftCol(int Value);

  // Draws one cell on Canvas(), already prepared as the class comment says.
  virtual void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
  // Whether the cell may become current; the default agrees.
  virtual bool SelectCell(int ACol, int ARow);
  // The text the editor starts with; the default is empty.
  virtual QString GetEditText(int ACol, int ARow);
  // Takes the editor's text after every change; the default ignores it.
  virtual void SetEditText(int ACol, int ARow, const QString& Value);
  virtual TEditStyle GetEditStyle(int ACol, int ARow);
  // Makes the in-place editor, once; the default makes a TInplaceEdit.
  virtual TInplaceEdit* CreateEditor();
  // Whether the editor may open now (goEditing, not designing).
  virtual bool CanEditShow() const;
  // After GridTopRow or GridLeftCol changed.
  virtual void TopLeftChanged();
  // After a column width (row height) changed, by code or by the mouse.
  virtual void ColWidthsChanged();
  virtual void RowHeightsChanged();

  void Resize() override;
  void FontChanged() override;

private:
  enum TGridState { gsNormal, gsSelecting, gsColSizing, gsRowSizing };
  struct TBars {
    bool V = false;
    bool H = false;
  };
  // Client size of the cell area for the given scroll bars.
  int AreaWidth(bool VBar) const;
  int AreaHeight(bool HBar) const;
  // The scroll bars the current size and layout need (cached per size and layout).
  TBars BarsNeeded() const;
  // Recomputes scroll bars, re-clamps the view and the editor after any change of layout.
  void LayoutChanged();
  void UpdateScrollBars();
  void ScrollTo(int ALeft, int ATop);
  void ScrollIntoView(TGridCoord Cell);
  void ClampCurrent();
  void UpdateLineWidths();
  bool IsActiveControl() const;
  TGridDrawState DrawStateOf(int ACol, int ARow) const;
  void PrepareCanvas(TCanvas* C, TGridDrawState State);
  void PaintLines(TCanvas* C, const TRect& R, bool Fixed);
  void PaintFocusRect(TCanvas* C);
  bool KeyTarget(std::uint16_t Key, TShiftState Shift, TGridCoord& Cell, TGridCoord& TopLeft) const;
  void SelectByMouse(int X, int Y, bool Extend);
  void PlaceEditor();
  void ShowEditorChar(QChar Ch);
  void EditorTextChanged(const QString& Text);
  void EditorExit();

  TGridAxis FCols;
  TGridAxis FRows;
  TGridOptions FOptions;
  int FGridLineWidth = 1;
  TColor FFixedColor = clBtnFace;
  TColor FGridLineColor = clSilver;
  TColor FFixedLineColor = cl3DDkShadow;
  bool FDefaultDrawing = true;
  TScrollStyle FScrollBars = ssBoth;
  TBorderStyle FBorderStyle = bsSingle;
  QScrollBar* FVScroll;
  QScrollBar* FHScroll;
  unsigned FLayoutGeneration = 0;  // counts layout changes, for the cache below
  mutable struct {
    int Width = -1;
    int Height = -1;
    unsigned Generation = 0;
    TBars Bars;
  } FBarsCache;

  TGridCoord FCurrent;
  TGridCoord FAnchor;
  TGridState FGridState = gsNormal;
  int FSizingIndex = -1;
  int FSizingStart = 0;  // client position of the sized cell's leading edge
  int FWheelRest = 0;    // wheel delta not yet used up by whole notches

  TInplaceEdit* FInplaceEdit = nullptr;
  bool FEditorMode = false;
  bool FSettingEditText = false;
  bool FHidingEditor = false;
  TGridCoord FEditCell;
  QString FEditOriginal;
};

}  // namespace orv
