#pragma once
// TNTabEd: a spreadsheet-like grid that shows and edits a numeric TDataTable.
//
// Layout: grid column 0 holds the row names, grid row 0 the column names;
// the row attributes take grid column 1 while AttribRowVisible (true), the
// column attributes grid row 1 while AttribColVisible (false). Data column c
// and row r (1-based, as in the table) sit in grid column c + (attribute
// column shown) and grid row r + (attribute row shown). A new editor shows a
// table of 3 columns and 4 rows of zeros, precision 3 everywhere, the row-name
// column 80 and the attribute column 32 pixels wide.
//
// Data: the editor owns its table (Data) unless AssignAnotherDataMatrix gave
// it one from outside, which keeps its owner; the editor hooks into the
// table's notifications either way and unhooks on destruction.
//
// Values show in fixed notation with the column's Precision (0..10 decimals,
// -1 scientific) and field width NumWidth (1), in scientific notation when
// too large or too small for the decimals. Cells whose state says "empty"
// show nothing, cells that hold no valid number "-nan-", columns of scale
// type 1 or 2 the names of their codes. Marks A and B colour the text
// (ColorMarkedA, ColorMarkedB, ColorMarkedBoth, bold with BoldMarks); the
// selection is drawn in ColorRangeSelFG on ColorRangeSelBG; the headings of
// the current row and column in ColorSelected (bold with BoldSelHeads). The
// corner cell shows the current cell as "column:row" (ShowCellCursor).
// OnBeforeRenderCell may change every data cell's text, colours and style.
//
// Editing: a first click selects a cell, a second click on it (or typing)
// opens the in-place editor; cells locked by their state (0x10) and a
// DataReadOnly editor take no input. Text is stored as the editor changes:
// "," counts as ".", blanks around the number are dropped, text that is no
// number marks the cell as such and keeps its value; values are clamped into
// [VRangeLow, VRangeHigh] unless both are 0. Coded columns offer their code
// names in a pick list. Enter moves on (AutoAdvance, AutoAdvanceDir).
// A right click on a data cell opens the data menu (marks, clear, copy,
// paste, extract from clipboard text, read-only, select all, empty states);
// on a heading the heading menu (edit heading, change precision, select,
// insert, delete); on the corner cell the comment editor.
//
// Events: OnChange, OnChangeSetup, OnHeadingChanged, OnAttributeChanged,
// OnLayoutChanged, OnCellStateChanged, OnEmptyStChanged and
// OnSelectionChanged are gated: they stay silent while SuppressPaint (or the
// editor's own bulk suppression) is set. OnTopLeftChanged, OnPercentDone,
// OnClear, OnPaste, OnBeforePopup, OnBeforeRenderCell, OnGetEditText and
// OnSetEditText always fire. "Repaint" below means the control is
// invalidated and painted once at the next paint event.
//
// Choices where the behaviour was left open or would lose data:
// - Destroying the editor unhooks every hook it set in an outside table, not
//   only the change hooks, so the table never calls into a destroyed editor.
// - Inserted and removed columns take their precision with them (the
//   neighbour's precision for a new column), so every other column keeps its
//   own.
// - Extracting numbers from clipboard text counts every line feed as a line
//   end, also one right after a number (text with bare LF line ends).
// - Escape in the in-place editor puts back the value and state the cell had
//   when editing began (the editor's text shows the value rounded to the
//   column's precision; storing that text back would lose digits).
// - Typed text that reads as infinity or not-a-number ("inf", "nan") marks
//   the cell as holding no valid number and keeps its value.
// - SortCols/SortRows sort a block by one row or column (numbers by value,
//   the other cells after them); the name and attribute sorts reorder whole
//   columns (rows) of a block with their names, attributes, precision and
//   states. FindColIndex/FindRowIndex give the first exact name match or 0.
// - "Copy" writes every number readably: scientific notation (precision -1)
//   takes as many exponent digits as it needs, and infinities and NaN are
//   written "INF", "-INF", "NAN" rather than as asterisks.
//
// \image html table_editor.png "A table editor of 1,000 x 50 measurements in the gallery"

#include <ORV_datatable.h>
#include <orvcore.h>
#include <orvplatform.h>

#include <memory>
#include <vector>

namespace orv {

class TDataTable;

// Raised by the table editor.
class EORVNTabedError : public EORVError {
public:
  using EORVError::EORVError;
};

// Offered before a data cell is drawn (data column and row); the handler may
// change the text, its colour, the background and the font style.
using TNTabRenderCellEvent = std::function<void(TObject* Sender, int colix, int rowix, QString& Text,
                                                TColor& ColorText, TColor& ColorBakg, TFontStyles& FontStyles)>;
// Before a built-in popup menu opens.
using TBeforePopupEvent = std::function<void(TObject* Sender, TPopupMenu* PMenu)>;

class TNTabEd : public TCustomGrid {
  Q_OBJECT
  Q_PROPERTY(int NrOfColumns READ NrOfColumns WRITE SetNrOfColumns)
  Q_PROPERTY(int NrOfRows READ NrOfRows WRITE SetNrOfRows)
  Q_PROPERTY(bool AttribRowVisible READ AttribRowVisible WRITE SetAttribRowVisible)
  Q_PROPERTY(bool AttribColVisible READ AttribColVisible WRITE SetAttribColVisible)
  Q_PROPERTY(QString Comment READ Comment WRITE SetComment)
  Q_PROPERTY(QString EmptyMessage READ EmptyMessage WRITE SetEmptyMessage)
  Q_PROPERTY(orv::TColor ColorEmptyMsg READ ColorEmptyMsg WRITE SetColorEmptyMsg)
  Q_PROPERTY(orv::TColor ColorBackground READ ColorBackground WRITE SetColorBackground)
  Q_PROPERTY(orv::TColor ColorFixed READ ColorFixed WRITE SetColorFixed)
  Q_PROPERTY(orv::TColor ColorNormal READ ColorNormal WRITE SetColorNormal)
  Q_PROPERTY(orv::TColor ColorSelected READ ColorSelected WRITE SetColorSelected)
  Q_PROPERTY(orv::TColor ColorMarkedA READ ColorMarkedA WRITE SetColorMarkedA)
  Q_PROPERTY(orv::TColor ColorMarkedB READ ColorMarkedB WRITE SetColorMarkedB)
  Q_PROPERTY(orv::TColor ColorMarkedBoth READ ColorMarkedBoth WRITE SetColorMarkedBoth)
  Q_PROPERTY(orv::TColor ColorRangeSelFG READ ColorRangeSelFG WRITE SetColorRangeSelFG)
  Q_PROPERTY(orv::TColor ColorRangeSelBG READ ColorRangeSelBG WRITE SetColorRangeSelBG)
  Q_PROPERTY(bool BoldMarks READ BoldMarks WRITE SetBoldMarks)
  Q_PROPERTY(bool BoldSelHeads READ BoldSelHeads WRITE SetBoldSelHeads)
  Q_PROPERTY(int NumWidth READ NumWidth WRITE SetNumWidth)
  Q_PROPERTY(int DefaultColWidth READ DefaultColWidth WRITE SetDefaultColWidth)
  Q_PROPERTY(int LeftCol READ LeftCol WRITE SetLeftCol)
  Q_PROPERTY(int TopRow READ TopRow WRITE SetTopRow)
  Q_PROPERTY(bool OptimizeRowHeight READ OptimizeRowHeight WRITE SetOptimizeRowHeight)
  Q_PROPERTY(bool ShowCellCursor READ ShowCellCursor WRITE SetShowCellCursor)
  Q_PROPERTY(bool DataReadOnly READ DataReadOnly WRITE SetDataReadOnly)
  Q_PROPERTY(bool AutoAdvance READ AutoAdvance WRITE SetAutoAdvance)
  Q_PROPERTY(orv::core_enums::TOrientation AutoAdvanceDir READ AutoAdvanceDir WRITE SetAutoAdvanceDir)
  Q_PROPERTY(bool BlockInternalPopup READ BlockInternalPopup WRITE SetBlockInternalPopup)
  Q_PROPERTY(bool CommentEditingAllowed READ CommentEditingAllowed WRITE SetCommentEditingAllowed)
  Q_PROPERTY(bool ClipboardUseFullPrec READ ClipboardUseFullPrec WRITE SetClipboardUseFullPrec)
  Q_PROPERTY(int NomEditDropDownCount READ NomEditDropDownCount WRITE SetNomEditDropDownCount)
  Q_PROPERTY(double VRangeLow READ VRangeLow WRITE SetVRangeLow)
  Q_PROPERTY(double VRangeHigh READ VRangeHigh WRITE SetVRangeHigh)

public:
  // An editor with the defaults above; AOwner (a component, a Qt parent
  // widget, or null) owns it and, when it is a control, is its parent.
  explicit TNTabEd(TOwnerArg AOwner);
  // Frees an owned table; an outside table only loses the editor's hooks.
  ~TNTabEd() override;

  // The table shown: owned, or assigned from outside (AssignAnotherDataMatrix).
  TDataTable* Data;

  // ---- elements and cell states (data numbers, 1-based; outside the table
  // reads give 0 or false and writes do nothing)
  // The element of a cell.
  double Elem(int ACol, int ARow) const { return Data->GetElem(ACol, ARow); }
  // Stores a value, clamped into the value range; OnChange and a repaint follow.
  void SetElem(int ACol, int ARow, double Value);
  // The state byte of a cell.
  std::uint8_t CellState(int ACol, int ARow) const { return Data->GetCellState(ACol, ARow); }
  // Stores the state byte; repaint, OnCellStateChanged (and OnEmptyStChanged when the empty bit changed).
  void SetCellState(int ACol, int ARow, std::uint8_t Value);
  // Whether a cell carries mark A (state bit 0x40).
  bool ElemMarkedA(int ACol, int ARow) const { return CellState(ACol, ARow) & dtsMarkA; }
  // Sets or clears mark A; repaint and OnCellStateChanged.
  void SetElemMarkedA(int ACol, int ARow, bool Value);
  // Whether a cell carries mark B (state bit 0x80).
  bool ElemMarkedB(int ACol, int ARow) const { return CellState(ACol, ARow) & dtsMarkB; }
  // Sets or clears mark B; repaint and OnCellStateChanged.
  void SetElemMarkedB(int ACol, int ARow, bool Value);
  // Whether a cell is empty (state bit 0x02).
  bool IsEmpty(int ACol, int ARow) const { return CellState(ACol, ARow) & dtsEmpty; }
  // Sets or clears the empty bit; OnEmptyStChanged, no repaint of its own.
  void SetIsEmpty(int ACol, int ARow, bool Value);
  // Whether a cell holds a valid number (neither "not a number" nor "empty").
  bool IsNumber(int ACol, int ARow) const { return (CellState(ACol, ARow) & (dtsNotANumber | dtsEmpty)) == 0; }
  // Sets every element.
  void Fill(double Value);
  // Sets the cells whose state has a bit of Statemask; returns their number.
  int FillMarkedCells(double Value, std::uint8_t Statemask);
  // Marks every cell with mark A (B), or clears both marks everywhere.
  void MarkAllElemsA();
  // Marks every cell with mark B.
  void MarkAllElemsB();
  // Clears mark A and mark B in every cell.
  void UnMarkAllElems();
  // Flips the bits of StateMask in every cell.
  void InvertCellStates(std::uint8_t StateMask);
  // Exchanges mark A and mark B in every cell.
  void ExchangeMarkings();
  // Whether a cell of the row (column) carries a mark; false outside the table.
  bool IfRowMarked(int row) const;
  // Whether a cell of the column carries a mark; false outside the table.
  bool IfColumnMarked(int col) const;
  // Whether some row is marked.
  bool IfAnyMarked() const;
  // Number of cells with mark A.
  int NrOfMarkedDataA() const;
  // Number of cells with mark B.
  int NrOfMarkedDataB() const;

  // ---- names, attributes, precision, comment
  // Name of a column (empty outside the table).
  TDTNameStr ColName(int ColNr) const { return Data->GetColName(ColNr); }
  // Names a column (cut to 50 characters); OnHeadingChanged and repaint.
  void SetColName(int ColNr, const TDTNameStr& Value);
  // Name of a row (empty outside the table).
  TDTNameStr RowName(int RowNr) const { return Data->GetRowName(RowNr); }
  // Names a row (cut to 50 characters); OnHeadingChanged and repaint.
  void SetRowName(int RowNr, const TDTNameStr& Value);
  // Attribute of a column (0 outside the table).
  std::uint8_t ColAttrib(int ColNr) const { return Data->GetColAttrib(ColNr); }
  // Sets a column attribute; repaint and OnAttributeChanged.
  void SetColAttrib(int ColNr, std::uint8_t Value);
  // Attribute of a row (0 outside the table).
  std::uint8_t RowAttrib(int RowNr) const { return Data->GetRowAttrib(RowNr); }
  // Sets a row attribute; repaint and OnAttributeChanged.
  void SetRowAttrib(int RowNr, std::uint8_t Value);
  // Decimals of a column: 0..10, -1 for scientific notation (0 outside the table).
  std::int8_t Precision(int ColNr) const;
  // Sets the decimals (below 0 gives -1, above 10 gives 10); repaint and OnLayoutChanged.
  void SetPrecision(int ColNr, int Value);
  // The table's comment.
  QString Comment() const { return Data->Comment(); }
  // Stores the comment without control characters; OnChange.
  void SetComment(const QString& Value);

  // ---- dimensions
  // Number of data columns (3 at first).
  int NrOfColumns() const { return Data->NrOfColumns(); }
  // Sets the number of data columns; new ones take the width and precision of the old last one. OnChangeSetup.
  void SetNrOfColumns(int n);
  // Number of data rows (4 at first).
  int NrOfRows() const { return Data->NrOfRows(); }
  // Sets the number of data rows; OnChangeSetup.
  void SetNrOfRows(int n);
  // Sets both counts at once; OnChangeSetup and repaint.
  void Redimension(int NrCols, int NrRows);
  // Inserts a row before ix (1..NrOfRows + 1).
  void InsertRow(int ix);
  // Removes row ix (1..NrOfRows); the last row is never removed.
  void RemoveRow(int ix);
  // Inserts a column before ix (1..NrOfColumns + 1).
  void InsertColumn(int ix);
  // Removes column ix (1..NrOfColumns); the last column is never removed.
  void RemoveColumn(int ix);
  // Reverses the order of the columns.
  void MirrorColumns();
  // Reverses the order of the rows.
  void MirrorRows();
  // Clears the table, names the columns "C-1".. and the rows "R-1"..; every precision 3.
  void Clear();

  // ---- layout
  // Width of data column Index (> 0), of the row-name column (0), of the attribute column (< 0; 0 while hidden).
  int ColWidths(int Index) const;
  // Sets a width as ColWidths reads it; OnLayoutChanged.
  void SetColWidths(int Index, int Value);
  // Shows the row-attribute column (true at first); OnLayoutChanged.
  bool AttribRowVisible() const { return FColOffset == 1; }
  // Shows or hides the row-attribute column; it comes back with its last width.
  void SetAttribRowVisible(bool Value);
  // Shows the column-attribute row (false at first).
  bool AttribColVisible() const { return FRowOffset == 1; }
  // Shows or hides the column-attribute row; OnLayoutChanged.
  void SetAttribColVisible(bool Value);
  // Fits a column to its texts (-1 attribute column, 0 row names) plus Addon; returns the width.
  int AutoColWidth(int ColNr, bool IncludeHeader, int Addon);
  // Fits a row to the font plus Addon (0 name row, -1 attribute row); returns the height.
  int AutoRowHeight(int RowNr, int Addon);
  // The grid's default column width; the name and attribute columns keep their own.
  int DefaultColWidth() const { return TCustomGrid::DefaultColWidth(); }
  // Sets the default width, then the name column back to 80 and the attribute column to its width; OnLayoutChanged.
  void SetDefaultColWidth(int Value);
  // First data column in view.
  int LeftCol() const { return GridLeftCol() - FColOffset; }
  // Scrolls to show data column Value first (clamped to 1..NrOfColumns).
  void SetLeftCol(int Value);
  // First data row in view.
  int TopRow() const { return GridTopRow() - FRowOffset; }
  // Scrolls to show data row Value first (clamped to 1..NrOfRows).
  void SetTopRow(int Value);
  // The first grid column (row) of the data cells: 1 + attribute column (row) shown.
  int FirstDataGridCol() const { return FColOffset + 1; }
  // The first grid row of the data cells.
  int FirstDataGridRow() const { return FRowOffset + 1; }
  // The selection in data numbers (may reach outside the table when it has no rows).
  TGridRect DataSelection() const;

  // ---- display settings
  // Text drawn when the table has no rows; "|" separates lines.
  QString EmptyMessage() const { return FEmptyMessage; }
  // Sets the empty-table text; repaint and OnChangeSetup.
  void SetEmptyMessage(const QString& Value);
  // Colour of the empty-table text (black).
  TColor ColorEmptyMsg() const { return FColorEmptyMsg; }
  // Sets that colour; repaint and OnChangeSetup.
  void SetColorEmptyMsg(TColor Value);
  // Background of the data cells (clWindow), the control colour.
  TColor ColorBackground() const { return FColorBackground; }
  // Sets the control colour.
  void SetColorBackground(TColor Value);
  // Background of the headings (clBtnFace), the grid's fixed-cell colour.
  TColor ColorFixed() const { return FColorFixed; }
  // Sets the fixed-cell colour.
  void SetColorFixed(TColor Value);
  // Text of unmarked cells and headings ($002000).
  TColor ColorNormal() const { return FColorNormal; }
  // Sets it; repaint and OnLayoutChanged.
  void SetColorNormal(TColor Value);
  // Text of the current row's and column's headings ($404040).
  TColor ColorSelected() const { return FColorSelected; }
  // Sets it; repaint and OnLayoutChanged.
  void SetColorSelected(TColor Value);
  // Text of cells with mark A ($0000FF).
  TColor ColorMarkedA() const { return FColorMarkedA; }
  // Sets it; repaint and OnLayoutChanged.
  void SetColorMarkedA(TColor Value);
  // Text of cells with mark B ($FF0000).
  TColor ColorMarkedB() const { return FColorMarkedB; }
  // Sets it; repaint and OnLayoutChanged.
  void SetColorMarkedB(TColor Value);
  // Text of cells with both marks ($CC00BB).
  TColor ColorMarkedBoth() const { return FColorMarkedBoth; }
  // Sets it; repaint and OnLayoutChanged.
  void SetColorMarkedBoth(TColor Value);
  // Text of selected unmarked cells ($80552C).
  TColor ColorRangeSelFG() const { return FColorRangeSelFG; }
  // Sets it; repaint and OnLayoutChanged.
  void SetColorRangeSelFG(TColor Value);
  // Background of selected cells ($F8E8E0).
  TColor ColorRangeSelBG() const { return FColorRangeSelBG; }
  // Sets it; repaint and OnLayoutChanged.
  void SetColorRangeSelBG(TColor Value);
  // Marked cells drawn bold (true).
  bool BoldMarks() const { return FBoldMarks; }
  // Sets it; OnLayoutChanged.
  void SetBoldMarks(bool Value);
  // Headings of the current row and column drawn bold (true).
  bool BoldSelHeads() const { return FBoldSelHeads; }
  // Sets it; OnLayoutChanged.
  void SetBoldSelHeads(bool Value);
  // Field width of numbers (1; 1..20 taken).
  int NumWidth() const { return FNumWidth; }
  // Sets the field width (others ignored); OnLayoutChanged either way.
  void SetNumWidth(int Value);
  // The default row height follows the font after every paint (false).
  bool OptimizeRowHeight() const { return FOptimizeRowHeight; }
  // Sets it; repaint.
  void SetOptimizeRowHeight(bool Value);
  // The corner cell shows the current cell (true).
  bool ShowCellCursor() const { return FShowCellCursor; }
  // Sets it; repaint.
  void SetShowCellCursor(bool Value);
  // No painting and no gated events while set; clearing it repaints.
  bool SuppressPaint() const { return FSuppressPaint; }
  // Sets or clears the suppression.
  void SetSuppressPaint(bool Value);

  // ---- editing settings
  // No editing at all (false).
  bool DataReadOnly() const { return FReadOnly; }
  // Sets it; hides the in-place editor when set.
  void SetDataReadOnly(bool Value);
  // Enter moves the current cell on (true).
  bool AutoAdvance() const { return FAutoAdvance; }
  // Sets it.
  void SetAutoAdvance(bool Value) { FAutoAdvance = Value; }
  // Where Enter moves: orDown (first) or orRight.
  TOrientation AutoAdvanceDir() const { return FAutoAdvanceDir; }
  // Sets it.
  void SetAutoAdvanceDir(TOrientation Value) { FAutoAdvanceDir = Value; }
  // No built-in popup menus and no comment editor (false).
  bool BlockInternalPopup() const { return FBlockInternalPopup; }
  // Sets it.
  void SetBlockInternalPopup(bool Value) { FBlockInternalPopup = Value; }
  // A right click on the corner cell opens the comment editor (true).
  bool CommentEditingAllowed() const { return FCommentEditingAllowed; }
  // Sets it.
  void SetCommentEditingAllowed(bool Value) { FCommentEditingAllowed = Value; }
  // "Copy" writes full precision (true).
  bool ClipboardUseFullPrec() const { return FClipboardUseFullPrec; }
  // Sets it.
  void SetClipboardUseFullPrec(bool Value) { FClipboardUseFullPrec = Value; }
  // Rows of the pick-list editor's drop-down (8).
  int NomEditDropDownCount() const { return FDropdownCount; }
  // Sets it, also for an existing editor.
  void SetNomEditDropDownCount(int Value);
  // Low end of the value range (0).
  double VRangeLow() const { return FVRangeLow; }
  // Sets it.
  void SetVRangeLow(double Value) { FVRangeLow = Value; }
  // High end of the value range (0); with both ends 0 nothing is clamped.
  double VRangeHigh() const { return FVRangeHigh; }
  // Sets it.
  void SetVRangeHigh(double Value) { FVRangeHigh = Value; }
  // Value clamped into the value range (unchanged when both ends are 0).
  double ClampToRange(double Value) const;

  // ---- popup menus
  // The data menu (right click on a data cell).
  TPopupMenu* PopupD() const { return FPopupD; }
  // The heading menu (right click on a heading).
  TPopupMenu* PopupH() const { return FPopupH; }
  // Item mask of the data menu: bit i-1 enables and shows item i.
  int PopupDMask() const { return FPopupDMask; }
  // Sets the data menu's mask; OnChangeSetup.
  void SetPopupDMask(int Value);
  // Item mask of the heading menu: bit i-1 enables item i.
  int PopupHMask() const { return FPopupHMask; }
  // Sets the heading menu's mask; OnChangeSetup.
  void SetPopupHMask(int Value);
  // Caption of data-menu item ix (1..13; empty otherwise).
  QString PopupDCaptions(int ix) const;
  // Sets a data-menu caption (cut to 50 characters; other indexes ignored).
  void SetPopupDCaptions(int ix, const QString& Value);
  // Caption of heading-menu item ix (1..5).
  QString PopupHCaptions(int ix) const;
  // Sets a heading-menu caption.
  void SetPopupHCaptions(int ix, const QString& Value);
  // Caption of item ix (1..4) of the two mark submenus.
  QString PopupMCaptions(int ix) const;
  // Sets it in both mark submenus.
  void SetPopupMCaptions(int ix, const QString& Value);
  // Caption of item ix (1..4) of the two unmark submenus.
  QString PopupUCaptions(int ix) const;
  // Sets it in both unmark submenus.
  void SetPopupUCaptions(int ix, const QString& Value);
  // The cell the last mouse press or release was on (grid numbers).
  TGridCoord ClickedCell() const { return FClicked; }
  // Whether the heading editor (comment editor) is open.
  bool HeadingEditorActive() const { return FNameEdActive; }
  // Whether the comment editor is open.
  bool CommentEditorActive() const { return FCommentMMActive; }
  // The heading editor (null in the form designer).
  TEdit* HeadingEditor() const { return FNameEd; }
  // The comment editor (null in the form designer).
  TMemo* CommentEditor() const { return FCommentMM; }

  // ---- commands of the popup menus (Sender: the menu item, or any object)
  // Sets mark A on the selected cells.
  void PopupMenuClickMarkARange(TObject* Sender);
  // Sets mark A on every row of the selected columns.
  void PopupMenuClickMarkAColumn(TObject* Sender);
  // Sets mark A on every column of the selected rows.
  void PopupMenuClickMarkARow(TObject* Sender);
  // Sets mark A on every cell.
  void PopupMenuClickMarkAAll(TObject* Sender);
  // Sets mark B on the selected cells.
  void PopupMenuClickMarkBRange(TObject* Sender);
  // Sets mark B on every row of the selected columns.
  void PopupMenuClickMarkBColumn(TObject* Sender);
  // Sets mark B on every column of the selected rows.
  void PopupMenuClickMarkBRow(TObject* Sender);
  // Sets mark B on every cell.
  void PopupMenuClickMarkBAll(TObject* Sender);
  // Clears mark A on the selected cells.
  void PopupMenuClickUnMarkARange(TObject* Sender);
  // Clears mark A on every row of the selected columns.
  void PopupMenuClickUnMarkAColumn(TObject* Sender);
  // Clears mark A on every column of the selected rows.
  void PopupMenuClickUnMarkARow(TObject* Sender);
  // Clears mark A on every cell.
  void PopupMenuClickUnMarkAAll(TObject* Sender);
  // Clears mark B on the selected cells.
  void PopupMenuClickUnMarkBRange(TObject* Sender);
  // Clears mark B on every row of the selected columns.
  void PopupMenuClickUnMarkBColumn(TObject* Sender);
  // Clears mark B on every column of the selected rows.
  void PopupMenuClickUnMarkBRow(TObject* Sender);
  // Clears mark B on every cell.
  void PopupMenuClickUnMarkBAll(TObject* Sender);
  // Clears both marks everywhere.
  void PopupMenuClickUnMarkAll(TObject* Sender);
  // Clears the selected cells (OnClear replaces the clearing when assigned).
  void PopupMenuClickClear(TObject* Sender);
  // Copies the selection to the clipboard and the copy table.
  void PopupMenuClickCopy(TObject* Sender);
  // Pastes the copy table at the selection's top-left cell.
  void PopupMenuClickPaste(TObject* Sender);
  // Reads the numbers of the clipboard text into the table from the selection's top-left cell.
  void PopupMenuClickExtClip(TObject* Sender);
  // The "Data Read-Only" item: toggles DataReadOnly; OnChangeSetup.
  void PopupMenuClickEdit(TObject* Sender);
  // Selects every data cell.
  void PopupMenuClickSelAll(TObject* Sender);
  // Flips the empty state of the selected cells.
  void PopupMenuClickEmptyCells(TObject* Sender);
  // Clears the empty state of every cell.
  void PopupMenuClickResetEmptyStates(TObject* Sender);
  // Opens the heading editor on the clicked heading.
  void PopupMenuClickChangeID(TObject* Sender);
  // Steps the clicked column's precision down (10 .. 0, -1, then 10 again).
  void PopupMenuClickPrecision(TObject* Sender);
  // Selects the clicked column.
  void PopupMenuClickSelectCol(TObject* Sender);
  // Selects the clicked row.
  void PopupMenuClickSelectRow(TObject* Sender);
  // Inserts a column named "(...)" at the clicked column.
  void PopupMenuClickInsertCol(TObject* Sender);
  // Inserts a row named "(...)" at the clicked row.
  void PopupMenuClickInsertRow(TObject* Sender);
  // Removes the clicked column.
  void PopupMenuClickDeleteCol(TObject* Sender);
  // Removes the clicked row.
  void PopupMenuClickDeleteRow(TObject* Sender);
  // The size of the number block in the clipboard text: false and 1 x 1 without text.
  bool GetClipMatrixSize(int& NCols, int& NRows) const;

  // ---- further operations
  // Sorts the columns LowCol..HighCol (rows LowRow..HighRow) by row SortRowIx; with IncludeHeaders names, attributes and precision move along.
  void SortCols(int SortRowIx, bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow, bool IncludeHeaders);
  // Sorts the rows LowRow..HighRow (columns LowCol..HighCol) by column SortColIx; with IncludeHeaders names and attributes move along.
  void SortRows(int SortColIx, bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow, bool IncludeHeaders);
  // Reorders the columns LowCol..HighCol by their attributes (cells in rows LowRow..HighRow move along).
  void SortColAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow);
  // Reorders the rows LowRow..HighRow by their attributes (cells in columns LowCol..HighCol move along).
  void SortRowAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow);
  // Reorders the columns by their names (case-sensitive).
  void SortColNames(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow);
  // Reorders the columns by their names.
  void SortColNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol, int HighRow);
  // Reorders the rows by their names (case-sensitive).
  void SortRowNames(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow);
  // Reorders the rows by their names.
  void SortRowNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol, int HighRow);
  // The first column named ColID; 0 when none.
  int FindColIndex(const TDTNameStr& ColID) const;
  // The first row named RowID; 0 when none.
  int FindRowIndex(const TDTNameStr& RowID) const;
  // Shows a table from outside (it keeps its owner and must outlive the
  // editor or be replaced first); null or the current table does nothing.
  void AssignAnotherDataMatrix(TDataTable* NewDTab);
  // Whether Data belongs to someone else.
  bool ExtMatAssigned() const { return FExtMatAssigned; }
  // Copies another editor's table (size, cells, states, names, attributes,
  // comment, scale setup) and precisions into this editor's table.
  void CopyContentsFrom(TNTabEd* ExtTab);
  // Copies the cell states of an editor of the same size; false (nothing copied) otherwise.
  bool CopyCellStatesFrom(TNTabEd* ExtTab);

  // ---- notifications: each fires its gated event
  // Fires OnChange.
  void ChangedData() { Fire(OnChange); }
  // Fires OnChangeSetup.
  void ChangedSetup() { Fire(OnChangeSetup); }
  // Fires OnHeadingChanged.
  void ChangedHeading() { Fire(OnHeadingChanged); }
  // Fires OnAttributeChanged.
  void ChangedAttrib() { Fire(OnAttributeChanged); }
  // Fires OnLayoutChanged.
  void ChangedLayout() { Fire(OnLayoutChanged); }
  // Fires OnCellStateChanged.
  void ChangedCellStates() { Fire(OnCellStateChanged); }
  // Fires OnEmptyStChanged.
  void ChangedEmptyStates() { Fire(OnEmptyStChanged); }
  // Fires OnSelectionChanged.
  void ChangedSelection() { Fire(OnSelectionChanged); }

  // ---- painting
  // Draws the corner cell's "column:row" text for grid cell (ACol, ARow) at once.
  void DisplayCellCursor(int ACol, int ARow);
  // The text a data cell shows (data numbers), before OnBeforeRenderCell.
  QString CellText(int ACol, int ARow) const;
  // Fires OnBeforeRenderCell for data cell (colix, rowix) when it is assigned.
  void BeforeRenderCell(int colix, int rowix, QString& Text, TColor& ColorText, TColor& ColorBakg,
                        TFontStyles& FontStyles);

  // ---- events
  TNotifyEvent OnChange;            // element or comment changed
  TNotifyEvent OnChangeSetup;       // dimensions or setup changed
  TNotifyEvent OnHeadingChanged;    // a name changed
  TNotifyEvent OnAttributeChanged;  // an attribute changed
  TNotifyEvent OnLayoutChanged;     // colours, widths, precision, attribute visibility changed
  TNotifyEvent OnCellStateChanged;  // marks or other states changed
  TNotifyEvent OnEmptyStChanged;    // empty states changed
  TNotifyEvent OnSelectionChanged;  // the selection changed
  TNotifyEvent OnTopLeftChanged;    // the grid scrolled
  TOnPercentDoneEvent OnPercentDone;  // the table reports progress
  TNotifyEvent OnClear;             // replaces the clearing of "Clear"; Sender is the menu item
  TNotifyEvent OnPaste;             // after "Paste" and "Extract from Clipboard"
  TBeforePopupEvent OnBeforePopup;  // before a built-in menu opens
  TNTabRenderCellEvent OnBeforeRenderCell;  // before a data cell is drawn
  TGetEditEvent OnGetEditText;      // may change the in-place editor's starting text
  TSetEditEvent OnSetEditText;      // after the editor's text was stored

  // ---- framework methods
  // Paints the grid, the empty table's message and fits the row height (nothing while suppressed).
  void Paint() override;
  // On a locked cell only Enter and the arrows move; then OnSelectionChanged and the cell cursor.
  void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
  // Typing edits unless the cell is locked or DataReadOnly; Enter moves on with AutoAdvance.
  void KeyPress(QChar& Key) override;
  // Selects, opens the editor on a second click, and opens the menus and the comment editor.
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // Reports a changed selection.
  void MouseMove(TShiftState Shift, int X, int Y) override;
  // Switches editing on unless the cell is locked or DataReadOnly.
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // Scrolls, then reports the selection and redraws the cell cursor.
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  // Scrolls, then reports the selection and redraws the cell cursor.
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;

protected:
  // Draws a data cell, a heading or the corner cell.
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  // The value text, or a coded column's name; OnGetEditText may change it.
  QString GetEditText(int ACol, int ARow) override;
  // Stores the editor's text as the cell's value (or marks it as no number); then OnSetEditText.
  void SetEditText(int ACol, int ARow, const QString& Value) override;
  // A pick list for coded columns.
  TEditStyle GetEditStyle(int ACol, int ARow) override;
  // The pick-list editor, filled with the column's code names.
  TInplaceEdit* CreateEditor() override;
  // Reports a changed selection, then fires OnTopLeftChanged.
  void TopLeftChanged() override;
  // Repaints in the new font.
  void FontChanged() override;

private:
  enum TMarkScope { msRange, msColumn, msRow, msAll };
  // Fires a gated event.
  void Fire(const TNotifyEvent& E);
  bool Suppressed() const { return FSuppressPaint || FInternSuppPaint; }
  // The hooks of a table: attach to Data, or detach from T.
  void AttachHooks();
  static void DetachHooks(TDataTable* T);
  void TableResized(int OldCols, int NewCols, int NewRows);
  // Grid counts and fixed cells for the table's size.
  void SyncGridCounts();
  bool IsCodedColumn(int ACol) const;
  bool IsDataCell(int GridCol, int GridRow) const { return GridCol > FColOffset && GridRow > FRowOffset; }
  bool IsLocked(int GridCol, int GridRow) const;
  bool CurrentCellLocked() const;
  void SetEditing(bool On);
  // Precision entries for a new column count; raises on allocation failure.
  void ResizePrecisions(int OldCols, int NewCols);
  [[noreturn]] void RaiseNoMemory() const;

  // painting
  void DrawDataCell(int c, int r, const TRect& ARect, TGridDrawState AState);
  void DrawHeadingCell(int ACol, int ARow, TRect R);
  void DrawCornerCell(const TRect& R);
  void PaintEmptyMessage();
  void PaintCellCursorText(const TRect& R, int ACol, int ARow);
  bool HeadingHighlighted(int ACol, int ARow) const;

  // menus
  void BuildMenus();
  TMenuItem* NewItem(TComponent* Owner, TMenuItem* Parent, const QString& Name, const QString& Caption,
                     void (TNTabEd::*Handler)(TObject*));
  void OpenDataMenu(int X, int Y);
  void OpenHeadingMenu();
  void PopupHeadingMenuAtClicked();
  void OutlineClickedCell();

  // commands
  void Mark(TMarkScope Scope, std::uint8_t Bit, bool Set);
  // Runs a bulk change under internal suppression (and without DataChangedHook when Detach).
  void Bulk(bool Detach, const std::function<void()>& Change);
  TGridRect ClampedDataSelection() const;
  void SelectDataRect(int L, int T, int R, int B);

  // heading and comment editors
  void OpenHeadingEditor();
  void HeadingEditorKey(QChar& Key);
  void OpenCommentEditor();
  void CloseCommentEditor(bool Store);
  void CommentEditorKey(QChar& Key);

  // reordering of whole columns or rows
  void PermuteColumns(const std::vector<int>& Order, int LowRow, int HighRow);
  void PermuteRows(const std::vector<int>& Order, int LowCol, int HighCol);
  void SortLines(bool Columns, bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow,
                 const std::function<bool(int, int)>& Less);

  bool FExtMatAssigned = false;
  std::unique_ptr<TDataTable> FDataCopy;
  bool FDataCopyAvail = false;
  std::vector<std::int8_t> FDecP;
  int FColOffset = 1;
  int FRowOffset = 0;
  int FClassColWidth = 32;
  int FNumWidth = 1;
  bool FSuppressPaint = false;
  bool FInternSuppPaint = true;
  TGridRect FOldSel{-1, -1, -1, -1};
  bool FSortIncludeHd = false;
  bool FReadOnly = false;
  TEdit* FNameEd = nullptr;
  bool FNameEdActive = false;
  TGridCoord FNameEdCell;
  TMemo* FCommentMM = nullptr;
  bool FCommentMMActive = false;
  TPopupMenu* FPopupD = nullptr;
  TPopupMenu* FPopupH = nullptr;
  int FPopupDMask = -1;
  int FPopupHMask = -1;
  QStringList FColPickList;
  int FDropdownCount = 8;
  double FVRangeLow = 0;
  double FVRangeHigh = 0;

  QString FEmptyMessage;
  TColor FColorEmptyMsg = clBlack;
  TColor FColorBackground = clWindow;
  TColor FColorFixed = clBtnFace;
  TColor FColorNormal = 0x002000;
  TColor FColorSelected = 0x404040;
  TColor FColorMarkedA = 0x0000FF;
  TColor FColorMarkedB = 0xFF0000;
  TColor FColorMarkedBoth = 0xCC00BB;
  TColor FColorRangeSelFG = 0x80552C;
  TColor FColorRangeSelBG = 0xF8E8E0;
  bool FBoldMarks = true;
  bool FBoldSelHeads = true;
  bool FOptimizeRowHeight = false;
  bool FShowCellCursor = true;
  bool FAutoAdvance = true;
  TOrientation FAutoAdvanceDir = orDown;
  bool FBlockInternalPopup = false;
  bool FCommentEditingAllowed = true;
  bool FClipboardUseFullPrec = true;

  // the cell the in-place editor last started on, with its value and state
  struct {
    TGridCoord Cell{-1, -1};  // grid cell
    double Value = 0;         // its element
    std::uint8_t State = 0;   // its state byte
  } FEditStart;

  // mouse
  TGridCoord FClicked{-1, -1};
  TPoint FPrevPress{-1, -1};

  // menu items: data menu 1..13, heading menu 1..5, submenus M1, M2, U1, U2 1..4 (index 0 unused)
  TMenuItem* FDItems[14] = {};
  TMenuItem* FHItems[6] = {};
  TMenuItem* FSubItems[4][5] = {};
};

}  // namespace orv
