#pragma once
// TReportListView: the visible report list, a grid over its own TRLData.
//
// Layout: up to two head rows (the common header, CommonHeaderVisible,
// false; the column headers, ColumnHeadersVisible, true), then one grid row
// per data row shown; grid column g shows data column ColumnOrder(g + 1).
// A new view has 5 columns named C-1..C-5, 4 blank rows, shading groups of
// one row (the first shaded), a red insertion line of width 3 (off), row
// selection mode 1 and header-click sorting on.
//
// Painting (RLViewPaint.cpp): shaded row groups (RowColPattern), disabled,
// selected and highlighted rows and columns, check-box and radio columns,
// password columns, texts cut to "...", the sort arrow, the EmptyMessage of
// an empty table and the insertion line. OnBeforeRenderCell may change the
// colours, styles and text of each cell. SuppressPaint nests: bulk changes
// set it, restore the value they found and repaint once at the outermost level.
//
// Input (RLViewInput.cpp): clicks select rows (RowSelectMode 0 none, 1 one,
// 2 several with Shift and Ctrl), toggle check marks (OnBeforeCheckedChange
// may veto, OnCheckedChange follows), sort on a header click away from the
// column borders, fit a column on a double click at a header border. The
// arrow and page keys select the current row. The wheel only fires
// OnMouseWheelDown / OnMouseWheelUp; a handler scrolls if it wants to.
//
// Filtering (RLViewFilter.cpp): FilterAndSort hides the rows that do not
// match (they stay in the table) and keeps the filter in force until
// ClearFilter or the next FilterAndSort:
// - rows added by AddRow, InsertRow or SetNrRows are tested against it and
//   shown only when they match; a row is tested again whenever one of its
//   cells is written through SetElem (so the new row of a live log shows as
//   soon as its text matches), every row after Fill; RemoveRow,
//   RemoveEmptyRows, Sort and UnSort keep it;
// - changes that replace the content or renumber the columns clear it:
//   Clear, SetNrCols, InsertColumn, RemoveColumn, ImportCSV,
//   LoadLinesFromFile, the XML readers, Assign, and Resync after the row
//   count of the data object changed behind the view's back;
// - text typed into the in-place editor and changes made on RLData()
//   directly are not tested again (a row being edited never vanishes).
// While filtered, every public row number is a data row, TopRow included:
// TopRow() is the data row shown at the top; SetTopRow(r) shows data row r
// at the top, or, when r is hidden, the first shown row after it (the last
// shown row when none follows). CenterScrollAndSelect and the insertion
// line treat a hidden row the same way.
//
// Events: OnChange (content and header texts), OnChangeSetup (settings),
// OnSelectedChange, OnCheckedChange / OnBeforeCheckedChange,
// OnCursorKeyAction, OnBeforeRenderCell, OnReadCell, OnBeforeFilter,
// OnPercentDone, OnBeforeSortExchange, OnBeforeHTMLExport, each with the
// view as Sender. OnRequestEditFormat offers the row editor's format of each
// cell (EditRowEntries, RLRowEditor.cpp).
//
// RemoveRow, like InsertRow, first makes the sorted view the stored order,
// so in a sorted view it removes the row shown at that position. The
// in-grid editor opens on data rows only, never on a header row.
//
// \image html reportlist.png "A report list of 100,000 rows in the gallery"

#include "OrvRLTypes.h"
#include "OrvTRLData.h"

#include <orvplatform.h>

namespace orv {

namespace detail {
class TRowMatcher;
}

// How FilterAndSort reads its expression:
// - fmSimple: the expression is a substring; a row matches when one of the
//   filter columns contains it (an empty expression matches every row).
// - fmBoolean: words combined with AND, OR, NOT and parentheses (the
//   operators in capitals; two words side by side mean AND; a word in double
//   quotes may hold blanks and operator names). A word matches a row when
//   one of the filter columns contains it. A malformed expression matches
//   nothing.
// - fmGrep: a regular expression (Perl syntax, QRegularExpression) searched
//   in each filter column; an invalid pattern matches nothing.
enum TFilterMode { fmSimple, fmBoolean, fmGrep };

// Check state about to change (State may be changed by OnBeforeCheckedChange) or changed.
using TCheckStateChangeEvent = std::function<void(TObject* Sender, bool& State, int Col, int Row)>;
using TRenderCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, TColor& PenColor, TColor& BrushColor,
                                            TColor& FontColor, TFontStyles& FontStyles, QString& Text)>;
using TReadCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Text)>;
using TCursorKeyActionEvent = std::function<void(TObject* Sender, std::uint16_t Key)>;
// Offers the row editor's format of one cell (column Col of row Row); the handler may replace it.
using TRequestEditFormatEvent = std::function<void(TObject* Sender, int Col, int Row, QString& Format)>;
using TBeforeFilterEvent =
    std::function<void(TObject* Sender, int Row, bool& Found, TLogicOp& CombineWithInternalSearch)>;

class TReportListView : public TCustomDrawGrid {
  Q_OBJECT
  Q_PROPERTY(int NrOfColumns READ NrOfColumns WRITE SetNrCols)
  Q_PROPERTY(int NrOfRows READ NrOfRows WRITE SetNrRows)
  Q_PROPERTY(QString CommonHeader READ CommonHeader WRITE SetCommonHeader)
  Q_PROPERTY(bool CommonHeaderVisible READ CommonHeaderVisible WRITE SetCommonHeaderVisible)
  Q_PROPERTY(int CommonHeaderHeight READ CommonHeaderHeight WRITE SetCommonHeaderHeight)
  Q_PROPERTY(bool ColumnHeadersVisible READ ColumnHeadersVisible WRITE SetColumnHeadersVisible)
  Q_PROPERTY(int ColumnHeadersHeight READ ColumnHeadersHeight WRITE SetColumnHeadersHeight)
  Q_PROPERTY(QString EmptyMessage READ EmptyMessage WRITE SetEmptyMessage)
  Q_PROPERTY(int RowColPattern READ RowColPattern WRITE SetRowColPattern)
  Q_PROPERTY(int RowSelectMode READ RowSelectMode WRITE SetRowSelectMode)
  Q_PROPERTY(bool FixedFirstColumn READ FixedFirstColumn WRITE SetFixedFirstColumn)
  Q_PROPERTY(bool ShowEmptyCheckBoxes READ ShowEmptyCheckBoxes WRITE SetShowEmptyCheckBoxes)
  Q_PROPERTY(bool SortEnabled READ SortEnabled WRITE SetSortEnabled)
  Q_PROPERTY(bool AutoAdvance READ AutoAdvance WRITE SetAutoAdvance)
  Q_PROPERTY(bool UseCtrlForMultiSel READ UseCtrlForMultiSel WRITE SetUseCtrlForMultiSel)
  Q_PROPERTY(orv::TColor ColorText READ ColorText WRITE SetColorText)
  Q_PROPERTY(orv::TColor ColorBkgdNormal READ ColorBkgdNormal WRITE SetColorBkgdNormal)
  Q_PROPERTY(orv::TColor ColorBkgdShaded READ ColorBkgdShaded WRITE SetColorBkgdShaded)
  Q_PROPERTY(orv::TColor ColorColumnHd READ ColorColumnHd WRITE SetColorColumnHd)
  Q_PROPERTY(orv::TColor ColorColumnHdText READ ColorColumnHdText WRITE SetColorColumnHdText)
  Q_PROPERTY(orv::TColor ColorCommonHd READ ColorCommonHd WRITE SetColorCommonHd)
  Q_PROPERTY(orv::TColor ColorCommonHdText READ ColorCommonHdText WRITE SetColorCommonHdText)
  Q_PROPERTY(orv::TColor ColorDisabledBkgd READ ColorDisabledBkgd WRITE SetColorDisabledBkgd)
  Q_PROPERTY(orv::TColor ColorDisabledText READ ColorDisabledText WRITE SetColorDisabledText)
  Q_PROPERTY(orv::TColor ColorSelectedRow READ ColorSelectedRow WRITE SetColorSelectedRow)
  Q_PROPERTY(orv::TColor ColorSelectedRowText READ ColorSelectedRowText WRITE SetColorSelectedRowText)
  Q_PROPERTY(orv::TColor ColorSelectedCol READ ColorSelectedCol WRITE SetColorSelectedCol)
  Q_PROPERTY(orv::TColor ColorSelectedColText READ ColorSelectedColText WRITE SetColorSelectedColText)
  Q_PROPERTY(orv::TColor ColorSelectedBoth READ ColorSelectedBoth WRITE SetColorSelectedBoth)
  Q_PROPERTY(orv::TColor ColorSelectedBothText READ ColorSelectedBothText WRITE SetColorSelectedBothText)
  Q_PROPERTY(orv::TColor ColorHigh READ ColorHigh WRITE SetColorHigh)
  Q_PROPERTY(orv::TColor ColorHighText READ ColorHighText WRITE SetColorHighText)
  Q_PROPERTY(int HighLightRow READ HighLightRow WRITE SetHighLightRow)
  Q_PROPERTY(int HighLightColumn READ HighLightColumn WRITE SetHighLightColumn)
  Q_PROPERTY(bool HighLightBold READ HighLightBold WRITE SetHighLightBold)
  Q_PROPERTY(orv::TColor ColorEmptyMsg READ ColorEmptyMsg WRITE SetColorEmptyMsg)
  Q_PROPERTY(orv::platform_enums::TAlignment CommonHeaderAlignment READ CommonHeaderAlignment WRITE SetCommonHeaderAlignment)
  Q_PROPERTY(orv::TColor InterRowIndicatorColor READ InterRowIndicatorColor WRITE SetInterRowIndicatorColor)
  Q_PROPERTY(int InterRowIndicatorWidth READ InterRowIndicatorWidth WRITE SetInterRowIndicatorWidth)
  Q_PROPERTY(int DefaultColWidth READ DefaultColWidth WRITE SetDefaultColWidth)
  Q_PROPERTY(int DefaultRowHeight READ DefaultRowHeight WRITE SetDefaultRowHeight)
  Q_PROPERTY(int TopRow READ TopRow WRITE SetTopRow)
  Q_PROPERTY(int LeftCol READ LeftCol WRITE SetLeftCol)

public:
  // A view with the defaults above and its own empty data object; AOwner
  // (a component, a Qt parent widget, or null) owns it and, when it is a control, is its parent.
  explicit TReportListView(TOwnerArg AOwner);
  ~TReportListView() override;

  // From another TReportListView: the behaviour flags, colours, header
  // settings, events, the insertion line, FixedFirstColumn, a copy of the
  // data and the per-column arrays. Other sources go to the inherited Assign.
  void Assign(TPersistent* Source) override;

  // The data object (owned by the view, alive as long as it). Structure
  // changes made on it directly are picked up by Resync().
  TRLData* RLData() const { return FRLData.get(); }
  // Brings the grid in step with the data object after it was changed behind
  // the view's back (clears the filter when the row count changed).
  void Resync();

  // ---- size and structure
  // Number of data columns (5 at first).
  int NrOfColumns() const { return FRLData->NrOfColumns(); }
  // Sets the number of columns (at least 1); new grid columns take the width
  // of the old last one, the column order becomes the identity.
  void SetNrCols(int n);
  // Number of data rows (4 at first).
  int NrOfRows() const { return FRLData->NrOfRows(); }
  // Sets the number of rows (at least 0); the grid selection goes to the
  // top-left cell.
  void SetNrRows(int n);
  // Appends a blank row; returns its number.
  int AddRow();
  // Inserts a blank row before row r (r > NrOfRows appends one); returns the
  // new row's number and forgets the last sort.
  int InsertRow(int r);
  // Inserts a blank column before column c (c > NrOfColumns appends one);
  // the column settings move with their columns. Returns the new column.
  int InsertColumn(int c);
  // Removes row r (1..NrOfRows).
  void RemoveRow(int r);
  // Removes column c (1..NrOfColumns) with its settings.
  void RemoveColumn(int c);
  // Removes every row whose cells in columns 0..NrOfColumns read empty.
  void RemoveEmptyRows();
  // Blanks every cell, resets names, formats, check modes and the column
  // settings; the dimensions stay.
  void Clear();
  // Sets every data cell to s; check states stay.
  void Fill(const QString& s);
  // Which data column each grid column shows: one entry (1..NrOfColumns) per
  // column, else false and nothing changes; an invalid entry is skipped and
  // makes the result false.
  bool SetColumnOrder(const QList<int>& ColList);
  // The data column grid column ColNr shows (1-based; 0 out of range).
  int ColumnOrder(int ColNr) const;

  // ---- cells and columns (forwarded to the data object)
  // The text of a cell, as OnReadCell leaves it.
  QString Elem(int ACol, int ARow) const;
  // Stores the text of a cell (TRLData::SetElem) and repaints.
  void SetElem(int ACol, int ARow, const QString& Value);
  // The cell as a number (TRLData::GetAsNumber); raises EORVDStructError
  // "Class TReportListView: invalid numeric string: [c,r]: text".
  double AsNumber(int ACol, int ARow) const;
  // What a new cell holds, from the column format (TRLData::GetCellDefaultValue).
  QString DefaultValue(int ACol, int ARow) const { return FRLData->GetCellDefaultValue(ACol, ARow); }
  // The column name shown in the column header.
  QString Header(int ColNr) const { return FRLData->GetColName(ColNr); }
  // Names a column; fires OnChange and repaints.
  void SetHeader(int ColNr, const QString& Value);
  // The column format (TRLData::GetColumnFormat).
  QString ColumnFormat(int ColNr) const { return FRLData->GetColumnFormat(ColNr); }
  // Sets the column format; fires OnChange and repaints.
  void SetColumnFormat(int ColNr, const QString& Value);
  // The check mode of a column.
  TCheckMode ColumnCheckMode(int ColNr) const { return FRLData->GetColCheckMode(ColNr); }
  // Sets the check mode (TRLData::SetColCheckMode); fires OnChange and repaints.
  void SetColumnCheckMode(int ColNr, TCheckMode Value);
  // True for cmBox columns.
  bool IsCheckedColumn(int ColNr) const { return FRLData->GetCheckedCol(ColNr); }
  // Makes a cmBox (true) or plain (false) column; fires OnChange and repaints.
  void SetIsCheckedColumn(int ColNr, bool Value);
  // The column whose name matches Head (TRLData::ColumnIndex), -1 when none.
  int ColumnIndex(const QString& Head, bool PartialMatch) const { return FRLData->ColumnIndex(Head, PartialMatch); }
  // The data object's free comment.
  QString Comment() const { return FRLData->Comment(); }
  void SetComment(const QString& Value) { FRLData->SetComment(Value); }
  // The data object's identifier, the id of the XML form.
  QString DataID() const { return FRLData->DataID(); }
  void SetDataID(const QString& Value) { FRLData->SetDataID(Value); }
  // Text of the common header, lines separated by line feeds; a change fires
  // OnChange.
  QString CommonHeader() const { return FRLData->CommonHeader(); }
  void SetCommonHeader(const QString& Value);

  // Alignment of a column's texts and header (taLeftJustify; out of range too).
  TAlignment ColumnAlignment(int ColNr) const;
  void SetColumnAlignment(int ColNr, TAlignment Value);
  // Whether the in-grid editor may edit a column's cells (false).
  bool ColumnEditable(int ColNr) const;
  void SetColumnEditable(int ColNr, bool Value);
  // Whether a column shows "******" instead of its texts (false).
  bool ColumnIsPwd(int ColNr) const;
  void SetColumnIsPwd(int ColNr, bool Value);

  // ---- check marks
  // Whether a cell of a check column is checked.
  bool GetElemChecked(int ACol, int ARow) const { return FRLData->GetElemChecked(ACol, ARow); }
  // Checks or unchecks a cell of a check column (in a radio column checking
  // clears the others) and repaints.
  void SetElemChecked(int ACol, int ARow, bool Value) { FRLData->SetElemChecked(ACol, ARow, Value); }
  // The same as GetElemChecked.
  bool ElemChecked(int ACol, int ARow) const { return GetElemChecked(ACol, ARow); }
  // Checks or unchecks every cell of a cmBox column (a radio column can only
  // be cleared); AffectEnabledRowsOnly skips disabled rows.
  void SetAllCheckmarksOfCol(int Column, bool Checked, bool AffectEnabledRowsOnly = false);
  // Inverts every check mark of a cmBox column; AffectEnabledRowsOnly skips
  // disabled rows.
  void InvertAllCheckmarksOfCol(int Column, bool AffectEnabledRowsOnly = false);
  // Checked cells of enabled rows.
  int CountCheckedElemsInCol(int Column) const;
  // Check columns in which the row's cell is checked.
  int CountCheckedElemsInRow(int Row) const { return FRLData->CountCheckedElemsInRow(Row); }
  // The lowest checked row of a check column, 0 when none.
  int FirstCheckedElemInCol(int ColNr) const { return FRLData->FirstCheckedElemInCol(ColNr); }
  // The lowest check column checked in the row, 0 when none.
  int FirstCheckedElemInRow(int RowNr) const { return FRLData->FirstCheckedElemInRow(RowNr); }
  // Clicks leave the check marks alone and no box frames are drawn (false).
  bool CheckMarksReadOnly() const { return FROCheckMarks; }
  void SetCheckMarksReadOnly(bool Value);
  // Empty cells of check columns show a clickable box too (true).
  bool ShowEmptyCheckBoxes() const { return FShowEmptyCBx; }
  void SetShowEmptyCheckBoxes(bool Value);

  // ---- header rows
  // Shows the common header row above the column headers (false).
  bool CommonHeaderVisible() const { return FCommonHeaderVisible; }
  void SetCommonHeaderVisible(bool Value);
  // Shows the column header row (true).
  bool ColumnHeadersVisible() const { return FColumnHeadersVisible; }
  void SetColumnHeadersVisible(bool Value);
  // 8..127.
  int CommonHeaderHeight() const { return FCommonHeaderHeight; }
  void SetCommonHeaderHeight(int Value);
  // Height of the column header row, 8..127 (20).
  int ColumnHeadersHeight() const { return FColumnHeadersHeight; }
  void SetColumnHeadersHeight(int Value);
  // Alignment of the common header's lines (taCenter).
  TAlignment CommonHeaderAlignment() const { return FHeaderAlignment; }
  void SetCommonHeaderAlignment(TAlignment Value);
  // Header rows shown: 0, 1 or 2.
  int CountHeadRows() const { return (FCommonHeaderVisible ? 1 : 0) + (FColumnHeadersVisible ? 1 : 0); }
  // Keeps the first grid column in place when scrolling sideways (false).
  bool FixedFirstColumn() const { return FixedCols() > 0; }
  void SetFixedFirstColumn(bool Value);

  // ---- colours and appearance (all fire OnChangeSetup)
  // Text colour of data cells ($002000).
  TColor ColorText() const { return FColorNormal; }
  void SetColorText(TColor Value) { SetSetup(FColorNormal, Value); }
  // Background of the unshaded row groups (white).
  TColor ColorBkgdNormal() const { return FRColorNormal; }
  void SetColorBkgdNormal(TColor Value) { SetSetup(FRColorNormal, Value); }
  // Background of the shaded row groups ($F0EFE8).
  TColor ColorBkgdShaded() const { return FRColorShaded; }
  void SetColorBkgdShaded(TColor Value) { SetSetup(FRColorShaded, Value); }
  // Rows per shading group, the first group shaded (1); 0 or less: no shading.
  int RowColPattern() const { return FRowColPattern; }
  void SetRowColPattern(int Value) { SetSetup(FRowColPattern, Value); }
  // The same value as the grid's FixedColor: column headers and the frozen column.
  TColor ColorColumnHd() const { return FixedColor(); }
  void SetColorColumnHd(TColor Value) { SetFixedColor(Value); }
  // Sets ColorColumnHd (the two are one value); fires OnChangeSetup.
  void SetFixedColor(TColor Value) override;
  // Text colour of the column headers (black).
  TColor ColorColumnHdText() const { return FColHdTextColor; }
  void SetColorColumnHdText(TColor Value) { SetSetup(FColHdTextColor, Value); }
  // Background of the common header (clBtnFace).
  TColor ColorCommonHd() const { return FComHdColor; }
  void SetColorCommonHd(TColor Value) { SetSetup(FComHdColor, Value); }
  // Text colour of the common header (black).
  TColor ColorCommonHdText() const { return FComHdTextColor; }
  void SetColorCommonHdText(TColor Value) { SetSetup(FComHdTextColor, Value); }
  // Background of disabled rows, and of the headers of a disabled control.
  TColor ColorDisabledBkgd() const { return FColorDisabledBkgd; }
  void SetColorDisabledBkgd(TColor Value) { SetSetup(FColorDisabledBkgd, Value); }
  // Text colour of disabled rows, and of the headers of a disabled control.
  TColor ColorDisabledText() const { return FColorDisabledText; }
  void SetColorDisabledText(TColor Value) { SetSetup(FColorDisabledText, Value); }
  // Background of selected rows.
  TColor ColorSelectedRow() const { return FColorSelRow; }
  void SetColorSelectedRow(TColor Value) { SetSetup(FColorSelRow, Value); }
  // Text colour of selected rows.
  TColor ColorSelectedRowText() const { return FColorSelRowText; }
  void SetColorSelectedRowText(TColor Value) { SetSetup(FColorSelRowText, Value); }
  // Background of selected columns.
  TColor ColorSelectedCol() const { return FColorSelCol; }
  void SetColorSelectedCol(TColor Value) { SetSetup(FColorSelCol, Value); }
  // Text colour of selected columns.
  TColor ColorSelectedColText() const { return FColorSelColText; }
  void SetColorSelectedColText(TColor Value) { SetSetup(FColorSelColText, Value); }
  // Background of cells whose row and column are both selected.
  TColor ColorSelectedBoth() const { return FColorSelBoth; }
  void SetColorSelectedBoth(TColor Value) { SetSetup(FColorSelBoth, Value); }
  // Text colour of cells whose row and column are both selected.
  TColor ColorSelectedBothText() const { return FColorSelBothText; }
  void SetColorSelectedBothText(TColor Value) { SetSetup(FColorSelBothText, Value); }
  // Background of the highlighted row or column.
  TColor ColorHigh() const { return FColorHigh; }
  void SetColorHigh(TColor Value) { SetSetup(FColorHigh, Value); }
  // Text colour of the highlighted row or column.
  TColor ColorHighText() const { return FColorHighText; }
  void SetColorHighText(TColor Value) { SetSetup(FColorHighText, Value); }
  // The data row to highlight (0: none).
  int HighLightRow() const { return FHighLightRow; }
  void SetHighLightRow(int Value) { SetSetup(FHighLightRow, Value); }
  // The data column to highlight (0: none).
  int HighLightColumn() const { return FHighLightColumn; }
  void SetHighLightColumn(int Value) { SetSetup(FHighLightColumn, Value); }
  // Draws highlighted cells in bold (false).
  bool HighLightBold() const { return FHighLightBold; }
  void SetHighLightBold(bool Value) { SetSetup(FHighLightBold, Value); }
  // Colour of the EmptyMessage (black).
  TColor ColorEmptyMsg() const { return FColorEmptyMsg; }
  void SetColorEmptyMsg(TColor Value) { SetSetup(FColorEmptyMsg, Value); }
  // Lines separated by "|".
  QString EmptyMessage() const { return FEmptyMessage; }
  void SetEmptyMessage(const QString& Value) { SetSetup(FEmptyMessage, Value); }
  // Colour of the insertion line (red).
  TColor InterRowIndicatorColor() const { return FInterRowColor; }
  void SetInterRowIndicatorColor(TColor Value) { SetSetup(FInterRowColor, Value); }
  // Pen width of the insertion line (3).
  int InterRowIndicatorWidth() const { return FInterRowWidth; }
  void SetInterRowIndicatorWidth(int Value) { SetSetup(FInterRowWidth, Value); }
  // The insertion line is drawn along the top edge of this data row (0: none).
  int InterRowIndicatorPos() const { return FInterRowIndi; }
  void SetInterRowIndicatorPos(int Value);
  // The grid's default column width; fires OnChangeSetup.
  void SetDefaultColWidth(int Value);
  // The grid's default row height, the header heights applied again; fires
  // OnChangeSetup.
  void SetDefaultRowHeight(int Value);
  void SetEnabled(bool Value) override;

  // ---- scrolling: data rows and 1-based columns (see Filtering above)
  // The first data row in view.
  int TopRow() const;
  void SetTopRow(int Value);
  // The first data column in view (1-based).
  int LeftCol() const { return GridLeftCol() + 1; }
  void SetLeftCol(int Value);

  // ---- column widths (1-based columns)
  // Width of column Index in pixels (0 for Index < 1).
  int ColWidths(int Index) const;
  // Sets the width of column Index (1..NrOfColumns); fires OnChangeSetup.
  void SetColWidths(int Index, int Value);
  // The width that fits column ColNr's texts as OnBeforeRenderCell leaves
  // them (and with IncludeHeader its name and sort arrow), plus 10.
  int DetermineMaxColWidth(int ColNr, bool IncludeHeader);
  // Fits a column: DetermineMaxColWidth + Addon, at least 4.
  void AutoColWidth(int ColNr, bool IncludeHeader, int Addon);
  // Fits a column as above, at most MaxWidth wide.
  void AutoColWidth(int ColNr, bool IncludeHeader, int Addon, int MaxWidth);
  // Widens column ColIx to fill the client width less RightMargin (at least 16).
  void ExpandColWidth(int ColIx, int RightMargin);
  // Fits every column but ExpandColumn, then expands that one; repaints once.
  void FitAllColWidths(int ExpandColumn, bool IncludeHeader, int Addon, int MaxWidth, int RightMargin);

  // ---- selection and enabling (RLViewInput.cpp)
  // 0 no row selection, 1 single row (default), 2 several rows.
  int RowSelectMode() const { return FRowSelectMode; }
  void SetRowSelectMode(int Value);
  // In mode 2: a plain click selects one row and Ctrl+click toggles (true),
  // or every click toggles (false).
  bool UseCtrlForMultiSel() const { return FCtrlForMultiSel; }
  void SetUseCtrlForMultiSel(bool Value) { FCtrlForMultiSel = Value; }
  // Enter moves to the next row (false).
  bool AutoAdvance() const { return FAutoAdvance; }
  void SetAutoAdvance(bool Value) { FAutoAdvance = Value; }
  // Selects exactly this row.
  void SelectRow(int RowNr);
  // Selects every row.
  void SelectAllRows();
  // Deselects every row.
  void DeselectAllRows();
  // Selects exactly this column.
  void SelectColumn(int ColNr);
  // Selects every column.
  void SelectAllColumns();
  // Deselects every column.
  void DeselectAllColumns();
  // Enables every row.
  void EnableAllRows();
  // Disables every row.
  void DisableAllRows();
  // Selects exactly the listed rows; the current row ends on the last entry.
  void SetSelectedRows(const QList<int>& SelList);
  // The selected data rows, ascending.
  QList<int> GetSelectedRows() const;
  // Selects Row and scrolls it to the middle of the view (as far as the rows go).
  void CenterScrollAndSelect(int Row);
  // Whether row r is selected (false out of range).
  bool RowSelected(int r) const;
  void SetRowSelected(int r, bool Value);
  // Whether row r is enabled (false out of range).
  bool RowEnabled(int r) const;
  void SetRowEnabled(int r, bool Value);
  // Whether column c is selected (false out of range).
  bool ColumnSelected(int c) const;
  void SetColumnSelected(int c, bool Value);
  // The lowest selected row, 0 when none or when that row is disabled.
  int FirstSelectedRow() const;
  // The lowest selected column, 0 when none.
  int FirstSelectedColumn() const;
  // Number of selected rows.
  int NumSelectedRows() const;
  // Number of selected columns.
  int NumSelectedColumns() const;
  // Number of enabled rows.
  int NumEnabledRows() const;
  // X: grid column + 1 (0 outside the columns); Y: data row (0 outside), -1
  // on the column header row, -2 on the common header row.
  TGridCoord MouseCell(int X, int Y) const;

  // ---- sorting and filtering (RLViewFilter.cpp)
  // A click on a column header sorts by that column (true).
  bool SortEnabled() const { return FSortEnabled; }
  void SetSortEnabled(bool Value) { FSortEnabled = Value; }
  // Records the sort and sorts the rows (the secondary direction stays); repaints.
  void Sort(int PrimCol, int SecCol, bool Ascending);
  // Records the sort and sorts, each column in its own direction; repaints.
  void Sort(int PrimCol, int SecCol, bool AscendPrim, bool AscendSec);
  // Back to the row order from before sorting; no sort arrow; repaints.
  void UnSort();
  // Primary column of the last sort (-1 unsorted); it shows the sort arrow.
  int LastSortColumn() const { return FRLData->LastSortColumn(); }
  // Secondary column of the last sort (-1 none).
  int LastSortColumnSec() const { return FRLData->LastSortColumnSec(); }
  // Direction of the last sort's primary column (true ascending).
  bool LastSortOrder() const { return FRLData->LastSortOrder(); }
  // Direction of the last sort's secondary column (true ascending).
  bool LastSortOrderSec() const { return FRLData->LastSortOrderSec(); }
  // The secondary column of header-click sorting: -1..NrOfColumns, other
  // values are ignored; fires OnChangeSetup.
  int SecondarySortColumn() const { return LastSortColumnSec(); }
  void SetSecondarySortColumn(int Value);
  // Sorts by SortColumn1, then SortColumn2, in one direction, keeping the
  // selected record selected and in view, as a header click does. Columns
  // out of range (SortColumn1) do nothing; SortColumn2 out of range is no
  // secondary column.
  void SortEnabledState(int SortColumn1, int SortColumn2, bool Ascending);
  // Shows only the rows that match FilterExp (read as FilterMode says, see
  // TFilterMode) in one of FilterColumns (empty: every column), comparing
  // without regard to case with IgnoreCase. OnBeforeFilter(Sender, Row,
  // Found, Combine) sees every row: Found starts as the row's own result and
  // Combine as loNone, which keeps the handler's Found; loAnd, loOr and
  // loXor combine the handler's Found with the row's own result. Then sorts
  // by SortColumn (out of range: no sort) in the given direction. Returns
  // the number of rows shown.
  int FilterAndSort(const QString& FilterExp, const QList<int>& FilterColumns, bool IgnoreCase,
                    TFilterMode FilterMode, int SortColumn, bool Ascending);
  // Shows every row again.
  void ClearFilter();
  // Whether a filter hides rows.
  bool Filtered() const { return FMatcher != nullptr; }
  // Rows shown (NrOfRows when not filtered).
  int ShownRowCount() const;
  // The data row shown at a grid row (0 when none).
  int DataRowOfGridRow(int ARow) const;
  // The grid row of a data row (-1 when hidden or out of range).
  int GridRowOfDataRow(int Row) const;

  // ---- painting
  // While true nothing is painted; set back to false it repaints once. Bulk
  // changes set it and restore the value they found, so it nests.
  bool SuppressPaint() const { return FSuppressPaint; }
  void SetSuppressPaint(bool Value);
  void Paint() override;
  // Geometry shared by painting, the mouse handlers and tests.
  // Text rectangle of a cell rectangle.
  static TRect TextRectOf(const TRect& Cell) { return TRect(Cell.Left + 4, Cell.Top + 2, Cell.Right - 6, Cell.Bottom); }
  // The check box of a cell rectangle.
  static TRect CheckBoxRectOf(const TRect& Cell) { return TRect(Cell.Left + 4, Cell.Top + 4, Cell.Left + 15, Cell.Top + 15); }
  // Whether a click at X lies on the check box of a cell starting at CellLeft.
  static bool OnCheckBox(int X, int CellLeft) { return X - CellLeft < 18; }
  // Client y of the insertion line for the current InterRowIndicatorPos (-1
  // when not drawn): the grid line above the data row,
  // HeadRowsBottom() + (shown rows above it from TopRow on) x (DefaultRowHeight + line width).
  int InterRowLineY() const;
  // Client y of the grid line under the head rows, where the data area
  // begins: the sum of the head-row heights counted from the grid's origin
  // (cell (0, 0) starts at (1, 1) inside the border), plus the line between
  // two head rows when both are shown.
  int HeadRowsBottom() const;
  // Grid column of the column header row, or -1.
  int ColumnHeaderGridRow() const;

  // ---- exchange (forwarded to the data object, then the grid follows)
  // Puts a block of cells on the clipboard (TRLData::CopyToClipBoard).
  void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader, bool UseTabs) {
    FRLData->CopyToClipBoard(LeftCol, TopRow, RightCol, BottomRow, AddHeader, UseTabs);
  }
  // Reads a CSV file as the new content (TRLData::ImportCSV).
  int ImportCSV(const QString& FName, TCSVDelimiters Delimiter = csvComma, bool IncludeColHeaders = true);
  // Writes every data row of the block, shown or hidden by a filter, in the
  // data's order (see TRLData::ExportCSV); by default the whole table with
  // its column names, comma-separated.
  int ExportCSV(const QString& FName, TCSVDelimiters Delimiter = csvComma, bool IncludeColHeaders = true,
                bool IncludeCommonHeader = false, int FirstCol = 1, int FirstRow = 1, int LastCol = INT_MAX,
                int LastRow = INT_MAX) {
    return FRLData->ExportCSV(FName, Delimiter, IncludeColHeaders, IncludeCommonHeader, FirstCol, FirstRow, LastCol,
                              LastRow);
  }
  // Puts the lines of a text file into a column (TRLData::LoadLinesFromFile).
  int LoadLinesFromFile(int Column, int FirstRow, const QString& FName);
  // Reads a table from XML text (TRLData::ReadFromXMLString).
  bool ReadFromXMLString(const QString& InString, const QString& DataID);
  // Reads a table from a stream (TRLData::ReadFromXMLStream).
  bool ReadFromXMLStream(QIODevice* InStream, const QString& DataID);
  // Reads a table from a file (TRLData::LoadFromXMLFile).
  bool LoadFromXMLFile(const QString& FName, const QString& DataID);
  // Reads a table from an open text file (TRLData::ReadFromOpenXMLFile).
  bool ReadFromOpenXMLFile(QTextStream& F, const QString& DataID);
  // Writes the table to a stream (TRLData::WriteToXMLStream).
  void WriteToXMLStream(QIODevice* OutStream, bool CreateHeader, const QString& DataID) {
    FRLData->WriteToXMLStream(OutStream, CreateHeader, DataID);
  }
  // Writes the table to an open text file (TRLData::WriteToOpenXMLFile).
  void WriteToOpenXMLFile(QTextStream& F, bool CreateHeader, const QString& DataID) {
    FRLData->WriteToOpenXMLFile(F, CreateHeader, DataID);
  }
  // Saves the table as an XML file (TRLData::SaveAsXMLFile).
  void SaveAsXMLFile(const QString& FName, const QString& DataID) { FRLData->SaveAsXMLFile(FName, DataID); }
  // Writes a block of the table as an HTML table (TRLData::ExportHTMLTable).
  void ExportHTMLTable(const QString& FName, int LoC, int LoR, int HiC, int HiR, const QList<int>& ColumnSelection,
                       int Border, int CellSpacing, int Cellpadding, bool IncludeHeader, const QString& HeadClass,
                       const QString& CellClass, const QString& TableClass) {
    FRLData->ExportHTMLTable(FName, LoC, LoR, HiC, HiR, ColumnSelection, Border, CellSpacing, Cellpadding,
                             IncludeHeader, HeadClass, CellClass, TableClass);
  }

  // ---- the row editing dialog (RLRowEditor.cpp)
  // Edits row Row in a modal dialog: one line per column, the column name
  // and an editor chosen by the column's format "[type][width]parameter"
  // (see TRLData::GetCellDefaultValue), which OnRequestEditFormat may
  // replace for the row: "s" an edit box, "c" an editable and "l" a fixed
  // combo box of the "|"-separated items (":N" after the letter: N lines
  // drop down), "d" a date/time picker with the format after the letter
  // (OrvRLDateFormat.h, whose two- and four-digit fields also read fewer
  // digits, so "3.1.2024" reads with dd.MM.yyyy instead of giving the zero
  // date), "e", "f", "h", "i" a TNumIO; a leading "#" shows
  // the editor read-only (disabled, grey), any other letter only the name.
  // An empty cell starts with the parameter, the row number ("rix<N>") or a
  // new password ("$pwd$<N>"). Enter in an editor closes the dialog as OK;
  // OK writes every editor's text back into the row (read-only ones too),
  // Cancel nothing; a date is written in its column's format, so that it
  // reads back the same. An editor that could not show its cell and was
  // left as it opened (a fixed list whose items do not hold the cell, a date
  // that does not read in its format, an empty one included, a number box
  // that refuses the cell's text) writes the cell back unchanged rather than
  // an empty text or the zero date 30.12.1899, so that OK never loses a
  // value nobody edited. Returns the
  // dialog's modal result. Raises
  // EConvertError for a date cell that cannot be encoded (a day 0).
  //
  // The first two build their own dialog at screen position (PosLeft,
  // PosTop) with "OK" and "Cancel" buttons (or the given caption and button
  // texts; the first has the caption "Editing Row <Row>"). The third places
  // the editors on ContainerForm at (PosLeft, PosTop), without buttons and
  // with an empty caption, enlarges the form to show them all and removes
  // them again when it closes.
  TModalResult EditRowEntries(int Row, int PosLeft, int PosTop);
  // The same with the given caption and button texts.
  TModalResult EditRowEntries(int Row, int PosLeft, int PosTop, const QString& FormCaption,
                              const QString& ButOKCaption, const QString& ButCancelCaption);
  // The same with the editors placed on ContainerForm (see above).
  TModalResult EditRowEntries(int Row, TForm* ContainerForm, int PosLeft, int PosTop);
  // Handlers of the dialog's buttons and editors. OK closes it with mrOk.
  void EdRowOKClick(TObject* Sender);
  // Cancel closes the dialog with mrCancel.
  void EdRowCancelClick(TObject* Sender);
  // Enter (#13) in an editor closes the dialog with mrOk.
  void EdRowKeyPress(TObject* Sender, QChar& Key);

  // ---- notifications
  // Fires OnChange.
  void Changed();
  // Fires OnChangeSetup.
  void ChangedSetup();
  // Fires OnSelectedChange.
  void ChangedSelection();
  // Fires OnCursorKeyAction.
  void CursorKeyAction(std::uint16_t Key);

  // ---- events
  // After a change of the content or of the header texts.
  TNotifyEvent OnChange;
  // After a change of a setting (sizes, colours, column settings).
  TNotifyEvent OnChangeSetup;
  // After the row or column selection changed.
  TNotifyEvent OnSelectedChange;
  // Before a click changes a check mark; the handler may change State.
  TCheckStateChangeEvent OnBeforeCheckedChange;
  // After a click changed a check mark.
  TCheckStateChangeEvent OnCheckedChange;
  // After a cursor or page key moved the current row.
  TCursorKeyActionEvent OnCursorKeyAction;
  // Before each data cell is painted; may change its colours, style and text.
  TRenderCellEvent OnBeforeRenderCell;
  // When Elem reads a cell; may change the text returned.
  TReadCellEvent OnReadCell;
  // For every row FilterAndSort tests (see FilterAndSort).
  TBeforeFilterEvent OnBeforeFilter;
  // Progress of the data object's file exchange.
  TOnPercentDoneEvent OnPercentDone;
  // Before the store exchanges two rows while sorting.
  TBeforeSortExchgEvent OnBeforeSortExchange;
  // Offers each text ExportHTMLTable writes.
  TBeforeHTMLExportEvent OnBeforeHTMLExport;
  // Offers the row editor's format of a cell.
  TRequestEditFormatEvent OnRequestEditFormat;

  // ---- framework methods
  // Sorts on a header click, toggles check marks and selects rows.
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // Remembers the mouse position for a following double click.
  void MouseMove(TShiftState Shift, int X, int Y) override;
  // In mode 2, a release right of the last column or below the last row
  // deselects every row.
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // On a column header border: fits the column to its texts.
  void DblClick() override;
  // Cursor and page keys select the new current row.
  void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
  // With AutoAdvance, Enter moves to the next row.
  void KeyPress(QChar& Key) override;
  // Only fires OnMouseWheelDown; the handler decides what scrolls.
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  // Only fires OnMouseWheelUp; the handler decides what scrolls.
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  // Moves or resizes the control and repaints.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
  // The dialog of EditRowEntries; a null ContainerForm builds a form of its own with buttons.
  TModalResult EditRowEntriesIntern(int Row, TForm* ContainerForm, int PosLeft, int PosTop, const QString& FormCaption,
                                    const QString& ButOKCaption, const QString& ButCancelCaption);
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  bool SelectCell(int ACol, int ARow) override;
  QString GetEditText(int ACol, int ARow) override;
  void SetEditText(int ACol, int ARow, const QString& Value) override;
  void TopLeftChanged() override;
  void CreateWnd() override;

private:
  // Saves SuppressPaint, sets it, and restores the saved value when destroyed.
  class TPaintLock {
  public:
    explicit TPaintLock(TReportListView* View) : FView(View), FSaved(View->FSuppressPaint) { View->FSuppressPaint = true; }
    ~TPaintLock() { FView->SetSuppressPaint(FSaved); }
    TPaintLock(const TPaintLock&) = delete;
    TPaintLock& operator=(const TPaintLock&) = delete;

  private:
    TReportListView* FView;
    bool FSaved;
  };

  template <class T>
  void SetSetup(T& Field, const T& Value) {
    if (Field == Value) return;
    Field = Value;
    ChangedSetup();
    Invalidate();
  }
  void ConnectData();
  // Row count, fixed rows and header heights from the table and the head rows.
  void UpdateGridRows();
  void SetHeaderHeights();
  void ResizeColumnArrays(int n);
  void ResetColumnArrays();
  int DataColOfGridCol(int ACol) const;
  bool ValidRow(int r) const { return r >= 1 && r <= NrOfRows(); }
  bool ValidCol(int c) const { return c >= 1 && c <= NrOfColumns(); }
  TStringArray* Store() const { return FRLData->Strings(); }
  void SetRowBit(int r, std::uint8_t Bit, bool Value);
  void SetAllRowBits(std::uint8_t Bit, bool Value);
  void SetAllColBits(std::uint8_t Bit, bool Value);
  // The data row of the grid selection's top row (0 when none).
  int SelectedDataRow() const;
  void SelectGridRowOf(int Row);
  void HeaderClick(int ACol, int X);
  void CheckClick(int D, int Row);
  void SelectByClick(TShiftState Shift);
  void DrawDataCell(int ACol, int ARow, const TRect& ARect);
  void DrawColumnHeader(int ACol, const TRect& ARect);
  void DrawCommonHeader(const TRect& ARect);
  int HeaderRightEdge() const;
  void PaintEmptyMessage();
  void PaintInterRowLine();
  // Rebuilds the list of shown rows from the filter mask after the order changed.
  void RebuildShown();
  void DropFilter();
  // The filter's verdict on a data row: the built-in test, then OnBeforeFilter.
  bool RowMatches(int Row);
  // Tests every row against the filter in force.
  void TestAllRows();
  // Tests one row again after its text changed; shows or hides it.
  void TestRowAgain(int Row);
  // The filter mask by view position, for changes that make the view the stored order.
  std::vector<bool> MaskInViewOrder() const;
  // Index among the shown rows of the first shown data row at or after Row
  // (ShownRowCount() when none).
  int ShownIndexFrom(int Row) const;
  // Pixels between two data rows besides their height: the grid's horizontal line.
  int RowLineWidth() const;
  [[noreturn]] void NotEnoughMemory() const;

  std::unique_ptr<TRLData> FRLData;
  // The row editing dialog while it is open.
  TForm* FContainerForm = nullptr;
  std::vector<TAlignment> FColAlignment;
  std::vector<bool> FColumnEditable;
  std::vector<bool> FColumnIsPwd;
  std::vector<int> FColOrder;

  bool FSuppressPaint = true;
  bool FCommonHeaderVisible = false;
  bool FColumnHeadersVisible = true;
  int FCommonHeaderHeight = 20;
  int FColumnHeadersHeight = 20;
  TAlignment FHeaderAlignment = taCenter;
  TColor FColorNormal = 0x002000;
  TColor FRColorNormal = 0xFFFFFF;
  TColor FRColorShaded = 0xF0EFE8;
  int FRowColPattern = 1;
  TColor FColHdTextColor = clBlack;
  TColor FComHdColor = clBtnFace;
  TColor FComHdTextColor = clBlack;
  TColor FColorDisabledBkgd = 0xF0F0F0;
  TColor FColorDisabledText = 0xC0C0C0;
  TColor FColorSelRow = 0x94BAED;
  TColor FColorSelRowText = 0x800000;
  TColor FColorSelCol = 0;
  TColor FColorSelColText = 0;
  TColor FColorSelBoth = 0;
  TColor FColorSelBothText = 0;
  TColor FColorHigh = 0xCC9966;
  TColor FColorHighText = 0xFFFFFF;
  int FHighLightRow = 0;
  int FHighLightColumn = 0;
  bool FHighLightBold = false;
  TColor FColorEmptyMsg = clBlack;
  QString FEmptyMessage;
  TColor FInterRowColor = 0x0000FF;
  int FInterRowWidth = 3;
  int FInterRowIndi = 0;
  bool FShowEmptyCBx = true;
  bool FROCheckMarks = false;
  bool FEnabled = true;

  int FRowSelectMode = 1;
  bool FCtrlForMultiSel = true;
  int FSelectAnchor = 1;
  bool FAutoAdvance = false;
  bool FSortEnabled = true;
  int FLastMousePosX = 0;
  int FLastMousePosY = 0;

  // Filter in force (null: none), a flag per stored row (true = shown) and
  // the view positions shown, ascending.
  std::unique_ptr<detail::TRowMatcher> FMatcher;
  std::vector<bool> FFilterMask;
  std::vector<int> FShown;
  // Paint cache: the widest character of the control font in bold.
  int FWidestChar = 1;
};

}  // namespace orv
