#pragma once
// TRLData: the table behind a report list, usable on its own.
//
// A rectangular table of text cells, addressed 1-based (columns
// 1..NrOfColumns(), rows 1..NrOfRows()), plus an extra column 0 that belongs
// to each row: it is read and written like any other column, copied with its
// row, never a check column and not shown by the view. Each column has a
// name (Header, "C-<n>" at first, at most 50 characters), a format (at most
// 80 characters, see GetCellDefaultValue) and a check mode. A cell holds at
// most 255 characters.
//
// Check columns (cmBox, cmRadio) keep the check state as the first character
// of each stored cell, "X" checked and a blank unchecked; every public cell
// access (GetElem, SetElem, GetAsNumber, Fill, the exports) hides it.
//
// Sorting arranges a view of the rows without moving them; UnSort brings the
// order from before sorting back. InsertRow, RemoveRow and RemoveColumn first
// make the sorted view the stored order, so row numbers always mean the rows
// as currently seen. The sort order is the store's (see TStringArray.h).
//
// Initial state: one column named C-1, no rows, common header
// "ORV Report Listview", unsorted (last sort columns -1, orders ascending).
//
// Events: OnBeforeSortExchange (before the store exchanges two rows while
// sorting), OnPercentDone (progress of the file exchange, about 100 steps),
// OnExportText (offers each text ExportCSV writes), OnBeforeHTMLExport
// (offers each text ExportHTMLTable writes). Each gets the data object as
// Sender.
//
// Exchange formats: CSV and line files (RLCsv.cpp), XML (RLXml.cpp, format
// in docs/replist-xml.md), HTML (RLHtml.cpp), clipboard text
// (RLClipboard.cpp). Every file is saved beside the target and renamed over
// it, so a failed save leaves an existing file as it was.
//
// Texts are kept as Unicode, with no conversion to an 8-bit code page, so
// every character survives. A cell longer than 255 UTF-16 code units, a
// column name longer than 50 and a column format longer than 80 are cut at
// that length, never inside a surrogate pair (a character that would be
// split is dropped whole).

#include "OrvRLTypes.h"

#include <QList>
#include <QObject>

#include <climits>
#include <memory>
#include <vector>

class QIODevice;
class QTextStream;

namespace orv {

namespace detail {
class TBufferedWriter;
}

// Negative results of ImportCSV, ExportCSV and LoadLinesFromFile (the table
// is left as it was).
enum TExchangeError {
  xeOpenFailed = -1,     // the file cannot be opened: missing, not readable, not creatable
  xeReadFailed = -2,     // reading the file failed part way
  xeWriteFailed = -3,    // writing failed; an existing file keeps its old content
  xeUnclosedQuote = -4,  // a quoted CSV field is not closed before the end of the file
  xeBadRange = -5,       // the column or row arguments name no cell of the table
  xeTooLarge = -6,       // the table would not fit into memory, or is far larger than the file
                         // could fill (more than 16M cells and 16 cells per byte)
};

class TRLData : public QObject, public TComponent {
  Q_OBJECT
  Q_PROPERTY(int NrOfColumns READ NrOfColumns WRITE SetNrCols)
  Q_PROPERTY(int NrOfRows READ NrOfRows WRITE SetNrRows)
  Q_PROPERTY(QString CommonHeader READ CommonHeader WRITE SetCommonHeader)

public:
  // A table with the initial state above; AOwner (may be null) owns it.
  explicit TRLData(TComponent* AOwner = nullptr);
  ~TRLData() override;

  QObject* AsQObject() override { return this; }

  // From another TRLData: counts, cells of columns 0..NrOfColumns, row and
  // column attributes, the sorted view and the last sort, comment, common
  // header, data identifier, names, formats, check modes and
  // OnBeforeSortExchange. Other sources go to the inherited Assign.
  void Assign(TPersistent* Source) override;

protected:
  void AssignTo(TPersistent* Dest) override;

public:
  // ---- dimensions
  // Number of data columns (1 at first).
  int NrOfColumns() const { return FNrOfCols; }
  // Values below 1 become 1; new columns are named "C-<n>".
  void SetNrCols(int n);
  // Number of data rows (0 at first).
  int NrOfRows() const { return FNrOfRows; }
  // Negative values become 0.
  void SetNrRows(int n);

  // Inserts a blank row before row r (1..NrOfRows; appending is not possible).
  void InsertRow(int r);
  // Removes row r (1..NrOfRows); the only row is blanked and NrOfRows becomes 0.
  void RemoveRow(int r);
  // Removes every row whose cells in columns 0..NrOfColumns read empty.
  void RemoveEmptyRows();
  // Inserts a blank column before column c (1..NrOfColumns), with an empty
  // name, an empty format and cmNone.
  void InsertColumn(int c);
  // Removes column c (1..NrOfColumns); the only column is blanked and
  // NrOfColumns becomes 0.
  void RemoveColumn(int c);
  // Copies the stored cells of columns 0..NrOfColumns (check states too) and
  // the attribute byte of row Source to row Target.
  void CopyRow(int Source, int Target);
  // Blanks every cell and resets names, formats and check modes; the
  // dimensions, comment and common header stay.
  void Clear();
  // Sets every data cell to s; check states stay.
  void Fill(const QString& s);

  // ---- cells (out of range: empty text, false or 0; setters do nothing)
  // The text of a cell (columns 0..NrOfColumns), without a check character.
  QString GetElem(int ACol, int ARow) const;
  // Stores the text of a cell; in a check column the check state stays.
  void SetElem(int ACol, int ARow, const QString& Value);
  // The cell as a number: blanks trimmed, "," read as ".", empty as 0.
  // Raises EORVDStructError "Class TRLData: invalid numeric string: [c,r]: text".
  double GetAsNumber(int ACol, int ARow) const;
  // What a new cell of the column holds, from the column format
  // "[type][width]parameter": the first list item for "c" and "l", the
  // parameter for "d", the row number for "rix<N>" with "e", "f" (N
  // decimals), "h" (N hex digits) and "i" (N digits), a generated password
  // of N characters for "$pwd$<N>" with "s", else the parameter ("#" and
  // unknown letters give an empty text).
  QString GetCellDefaultValue(int ACol, int ARow) const;

  // ---- columns
  // The name of a column (the header text of the view).
  QString GetColName(int ColNr) const;
  // Names a column (at most 50 characters kept).
  void SetColName(int ColNr, const QString& HLine);
  // The format of a column, "[type][width]parameter" (see GetCellDefaultValue).
  QString GetColumnFormat(int ColNr) const;
  // Sets the format of a column (at most 80 characters kept).
  void SetColumnFormat(int ColNr, const QString& DefValue);
  // The column whose lower-cased name equals Head lower-cased (or contains
  // it with PartialMatch), searched from the last column; -1 when none.
  int ColumnIndex(const QString& Head, bool PartialMatch) const;

  // ---- check marks
  // The check mode of a column (cmNone out of range).
  TCheckMode GetColCheckMode(int ColNr) const;
  // Converts the column's cells: a check mode gives every non-empty cell an
  // unchecked mark, cmNone removes the marks, cmBox to cmRadio clears them.
  void SetColCheckMode(int ColNr, TCheckMode Value);
  // True for cmBox columns.
  bool GetCheckedCol(int ColNr) const;
  // Makes the column a cmBox column (true) or a plain one (false).
  void SetCheckedCol(int ColNr, bool Value);
  // Whether a cell of a check column is checked.
  bool GetElemChecked(int ACol, int ARow) const;
  // In a radio column, checking a cell clears the others first.
  void SetElemChecked(int ACol, int ARow, bool Value);
  // cmBox columns, or clearing any check column; AffectEnabledRowsOnly skips
  // rows with the disabled attribute bit.
  void SetAllCheckmarksOfCol(int Column, bool Checked, bool AffectEnabledRowsOnly = false);
  // Inverts every check mark of a cmBox column; AffectEnabledRowsOnly skips
  // rows with the disabled attribute bit.
  void InvertAllCheckmarksOfCol(int Column, bool AffectEnabledRowsOnly = false);
  // Checked cells of a check column (disabled rows included), 0 for a plain one.
  int CountCheckedElemsInCol(int Column) const;
  // Check columns in which the row's cell is checked.
  int CountCheckedElemsInRow(int Row) const;
  // The lowest checked row of a check column, 0 when none.
  int FirstCheckedElemInCol(int ColNr) const;
  // The lowest check column checked in the row, 0 when none.
  int FirstCheckedElemInRow(int RowNr) const;

  // ---- sorting
  // Records the sort (secondary order ascending) and sorts the rows.
  void Sort(int PrimCol, int SecCol, bool Ascending);
  // Records the sort and sorts the rows, each column in its own direction.
  void Sort(int PrimCol, int SecCol, bool AscendPrim, bool AscendSec);
  // Back to the row order from before sorting; last sort columns -1.
  void UnSort();
  // Primary column of the last sort (-1 unsorted).
  int LastSortColumn() const { return FSortColumnPrim; }
  // Secondary column of the last sort (-1 none).
  int LastSortColumnSec() const { return FSortColumnSec; }
  // Direction of the primary column of the last sort (true ascending).
  bool LastSortOrder() const { return FSortOrderPrim; }
  // Direction of the secondary column of the last sort (true ascending).
  bool LastSortOrderSec() const { return FSortOrderSec; }
  // The secondary sort column used by the view's header clicks (-1 none).
  void SetLastSortColumnSec(int Value) { FSortColumnSec = Value; }
  // Forgets the last sort columns (-1) without changing the row order.
  void ForgetSortColumns() { FSortColumnPrim = FSortColumnSec = -1; }
  // Direction of the view's next header-click sort.
  bool SortToggle() const { return FSortToggle; }
  void SetSortToggle(bool Value) { FSortToggle = Value; }

  // ---- table texts
  // Text of the common header ("ORV Report Listview").
  QString CommonHeader() const { return FCommonHeader; }
  void SetCommonHeader(const QString& Value);
  // A free comment, stored with the table in its XML form.
  QString Comment() const { return FComment; }
  void SetComment(const QString& Value) { FComment = Value; }
  // Identifier of the data set, the id of the XML form.
  QString DataID() const { return FDataID; }
  void SetDataID(const QString& Value) { FDataID = Value; }

  // ---- clipboard (RLClipboard.cpp). Rows and columns are limited to the
  // table. Lines end with a line feed; with AddHeader the column names come
  // first, followed by an empty line.
  // UseTabs: cells joined by tabs; otherwise a fixed-width layout, each
  // column one character wider than its longest stored text or name.
  void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader, bool UseTabs);
  // As the tab form, with Separator (any text) between the cells.
  void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                       const QString& Separator);
  // Keeps a string literal from choosing the bool form.
  void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                       const char* Separator) {
    CopyToClipBoard(LeftCol, TopRow, RightCol, BottomRow, AddHeader, QString::fromUtf8(Separator));
  }
  // The text CopyToClipBoard puts on the clipboard (Separator null: fixed width).
  QString ClipboardText(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                        const QString* Separator) const;

  // ---- CSV and lines (RLCsv.cpp): RFC 4180 fields (a field holding the
  // delimiter, a quote or a line break is quoted, quotes doubled; so is one
  // that starts with U+FEFF, which would otherwise open a file as a byte
  // order mark), UTF-8.
  //
  // Reads the file as the table's new content: one row per record, as many
  // columns as the longest record (at least 1); the file's first record
  // gives the column names with IncludeColHeaders. Reads UTF-8 with or
  // without BOM (a file that is not UTF-8 is read as Latin-1), CRLF, LF or
  // CR line ends. Formats and check modes of the remaining columns stay
  // (imported cells are unchecked); the table is unsorted afterwards. The
  // defaults read what ExportCSV writes by default: comma-separated, names
  // in the first record.
  // Result: the number of rows read, or a TExchangeError (table unchanged).
  int ImportCSV(const QString& FName, TCSVDelimiters Delimiter = csvComma, bool IncludeColHeaders = true);
  // Writes columns FirstCol..LastCol (column 0 allowed) of rows
  // FirstRow..LastRow, limited to the table, as their GetElem texts, each
  // offered to OnExportText first (Row 0 for a column name, -1 for the common
  // header). Every data row of the block is written, in the table's current
  // (sorted) order, whether a report list's filter shows it or hides it. With
  // IncludeCommonHeader the common header is the first record (one field),
  // then with IncludeColHeaders the column names. UTF-8 without BOM, CRLF
  // line ends. The defaults write the whole table (columns 1..NrOfColumns,
  // every row) with its column names, comma-separated: ExportCSV(FName).
  // Result: the number of rows written, or a TExchangeError (xeBadRange when
  // no column of the block is in the table).
  int ExportCSV(const QString& FName, TCSVDelimiters Delimiter = csvComma, bool IncludeColHeaders = true,
                bool IncludeCommonHeader = false, int FirstCol = 1, int FirstRow = 1, int LastCol = INT_MAX,
                int LastRow = INT_MAX);
  // Puts the lines of a text file into column Column (0..NrOfColumns), one
  // per row from FirstRow (at least 1) on; rows are added as needed. Same
  // encodings and line ends as ImportCSV. Result: the number of lines read,
  // or a TExchangeError.
  int LoadLinesFromFile(int Column, int FirstRow, const QString& FName);

  // ---- XML (RLXml.cpp; the format is described in docs/replist-xml.md).
  // The readers find the first table whose header line carries DataID
  // (ignoring case; any table when DataID is empty) and replace the content
  // with it: dimensions, names, formats, check modes, cells, comment, common
  // header and DataID; the table is unsorted afterwards. They return false
  // when there is no such table (content unchanged). A malformed or truncated
  // table raises EORVRLDataError naming the line and the fault, and leaves
  // the content as it was. Files that cannot be opened or read raise
  // EInOutError.
  bool ReadFromXMLString(const QString& InString, const QString& DataID);
  // Reads from the current position; a seekable stream is left just behind
  // the table, so that the next table can be read from there.
  bool ReadFromXMLStream(QIODevice* InStream, const QString& DataID);
  // Reads the table from the file FName.
  bool LoadFromXMLFile(const QString& FName, const QString& DataID);
  // Reads from the current position of a text file the caller keeps open and
  // leaves it behind the table.
  bool ReadFromOpenXMLFile(QTextStream& F, const QString& DataID);
  // Write the table with DataID as its identifier; CreateHeader puts the XML
  // declaration in front (for the first table of a file). UTF-8, LF line
  // ends. Write failures raise EInOutError. This one writes to a stream.
  void WriteToXMLStream(QIODevice* OutStream, bool CreateHeader, const QString& DataID);
  // Writes the table, as WriteToXMLStream does, to a text file the caller
  // keeps open (several tables may follow one another).
  void WriteToOpenXMLFile(QTextStream& F, bool CreateHeader, const QString& DataID);
  // Writes the table, with the XML declaration, as the file FName (saved
  // beside it and renamed over it).
  void SaveAsXMLFile(const QString& FName, const QString& DataID);

  // ---- HTML (RLHtml.cpp). Writes rows LoR..HiR of the columns
  // ColumnSelection (in its order, those within LoC..HiC; empty: all of
  // LoC..HiC), limited to the table, as one HTML table (UTF-8, not a whole
  // document). Texts are escaped, line breaks become <br>; OnBeforeHTMLExport
  // sees each text first (Row 0 for the header row). Empty class names are
  // left out. A file that cannot be written raises EInOutError.
  void ExportHTMLTable(const QString& FName, int LoC, int LoR, int HiC, int HiR, const QList<int>& ColumnSelection,
                       int Border, int CellSpacing, int Cellpadding, bool IncludeHeader, const QString& HeadClass,
                       const QString& CellClass, const QString& TableClass);

  // ---- the store and progress
  // The cell store (the same object for the data object's whole life).
  TStringArray* Strings() const { return FStrings.get(); }
  // Cells counted for progress feedback.
  int FeedbkNumCells() const { return FFeedbkNumCells; }
  // Progress step of about 1 percent of FeedbkNumCells.
  int FeedbkStep() const { return FFeedbkStep; }

  // Before the store exchanges two rows while sorting.
  TBeforeSortExchgEvent OnBeforeSortExchange;
  // Offers each text ExportHTMLTable writes.
  TBeforeHTMLExportEvent OnBeforeHTMLExport;
  // Offers each text ExportCSV writes.
  TExportTextEvent OnExportText;
  // Progress of the file exchange, in about 100 steps.
  TOnPercentDoneEvent OnPercentDone;

private:
  bool ValidCell(int ACol, int ARow) const;
  bool ValidCol(int ColNr) const { return ColNr >= 1 && ColNr <= FNrOfCols; }
  bool IsCheckCol(int ACol) const;
  // The stored text of a cell, check character included.
  QString Stored(int ACol, int ARow) const { return FStrings->GetString(ACol, ARow); }
  void SetCheckChar(int ACol, int ARow, bool Checked);
  void ClearCheckmarks(int Column);
  void UpdateFeedback();
  void ResizeColumnArrays(int n);
  // Takes over the cells, dimensions and column settings of From (which gets
  // the old ones) and forgets the last sort; the store object stays.
  void TakeContent(TRLData& From);
  // Makes the column count 0 (the arrays and the store keep one column).
  void SetNoColumns();
  [[noreturn]] void NotEnoughMemory() const;
  void WriteXml(detail::TBufferedWriter& W, bool CreateHeader, const QString& DataID);
  // Reads the first table of Text that matches DataID; Consumed receives the
  // offset behind it (the text's size when there is none).
  bool ReadXml(QByteArrayView Text, const QString& DataID, qsizetype* Consumed);

  QString FComment;
  std::vector<QString> FColName;
  std::vector<QString> FColumnFormat;
  QString FCommonHeader;
  std::vector<TCheckMode> FColButMode;
  int FNrOfCols = 1;
  int FNrOfRows = 0;
  int FSortColumnPrim = -1;
  int FSortColumnSec = -1;
  bool FSortOrderPrim = true;
  bool FSortOrderSec = true;
  QString FDataID;
  bool FSortToggle = true;
  int FFeedbkNumCells = 1;
  int FFeedbkStep = 1;
  std::unique_ptr<TStringArray> FStrings;
};

}  // namespace orv
