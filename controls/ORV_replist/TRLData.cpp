#include "OrvTRLData.h"

#include "OrvRLText.h"

#include <algorithm>
#include <new>

namespace orv {

using detail::CutText;
using detail::FirstCharLength;
using detail::IsCheckedText;

namespace {

QString DefaultColName(int ColNr) { return QStringLiteral("C-%1").arg(ColNr); }

constexpr QChar CheckedChar = u'X';
constexpr QChar UncheckedChar = u' ';

}  // namespace

TRLData::TRLData(TComponent* AOwner) : QObject(nullptr), TComponent(AOwner) {
  FCommonHeader = QStringLiteral("ORV Report Listview");
  FStrings = std::make_unique<TStringArray>(nullptr, FNrOfCols, std::max(FNrOfRows, 1));
  FStrings->SetAllocRowsBy(10);
  FStrings->Clear();
  try {
    ResizeColumnArrays(FNrOfCols);
  } catch (const std::bad_alloc&) {
    throw EORVRLDataError(QStringLiteral("Component \"") + Name() + QStringLiteral("\": failed to initialize (out of memory)"));
  }
  FStrings->OnBeforeSortExchange = [this](TObject*, int Row1, int Row2) {
    if (OnBeforeSortExchange) OnBeforeSortExchange(this, Row1, Row2);
  };
  FStrings->OnPercentDone = [this](TObject*, int Percent) {
    if (OnPercentDone) OnPercentDone(this, Percent);
  };
  UpdateFeedback();
}

TRLData::~TRLData() = default;

void TRLData::NotEnoughMemory() const {
  throw EORVRLDataError(QStringLiteral("Component \"") + Name() + QStringLiteral("\": not enough memory on heap"));
}

void TRLData::UpdateFeedback() {
  const qint64 cells = qint64(std::max(FNrOfRows, 1)) * (FNrOfCols + 1);
  FFeedbkNumCells = int(std::min<qint64>(cells, INT_MAX));
  FFeedbkStep = FFeedbkNumCells / 100 + 1;
}

void TRLData::ResizeColumnArrays(int n) {
  // Room first, so that a failure leaves the three arrays alike.
  FColName.reserve(std::size_t(n));
  FColumnFormat.reserve(std::size_t(n));
  FColButMode.reserve(std::size_t(n));
  const int old = int(FColName.size());
  FColName.resize(std::size_t(n));
  FColumnFormat.resize(std::size_t(n));
  FColButMode.resize(std::size_t(n), cmNone);
  for (int c = old + 1; c <= n; ++c) FColName[std::size_t(c - 1)] = DefaultColName(c);
}

// ---------------------------------------------------------------- copying

void TRLData::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TRLData*>(Source);
  if (!src) {
    TComponent::Assign(Source);
    return;
  }
  if (src == this) return;
  const TStringArray& from = *src->FStrings;
  const int cols = src->FNrOfCols;
  const int rows = src->FNrOfRows;
  std::vector<QString> names, formats;
  std::vector<TCheckMode> modes;
  TStringArray fresh(nullptr, std::max(cols, 1), std::max(rows, 1));
  try {
    names = src->FColName;
    formats = src->FColumnFormat;
    modes = src->FColButMode;
  } catch (const std::bad_alloc&) {
    NotEnoughMemory();
  }
  fresh.SetAllocRowsBy(from.AllocRowsBy());
  for (int c = 0; c <= fresh.NrOfColumns(); ++c) fresh.SetColAttrib(c, from.GetColAttrib(c));
  // Each row goes to its place in the stored order, then the view is copied,
  // so the copy shows the same sorted view and can be unsorted the same way.
  for (int r = 1; r <= fresh.NrOfRows(); ++r) {
    const int stored = from.GetSortOrder(r);
    for (int c = 0; c <= fresh.NrOfColumns(); ++c) fresh.SetUtf8(c, stored, from.GetUtf8(c, r));
    fresh.SetRowAttrib(stored, from.GetRowAttrib(r));
  }
  if (from.IsSorted())
    for (int r = 1; r <= fresh.NrOfRows(); ++r) fresh.SetSortOrder(r, from.GetSortOrder(r));

  FStrings->Swap(fresh);
  FNrOfCols = cols;
  FNrOfRows = rows;
  FSortColumnPrim = src->FSortColumnPrim;
  FSortColumnSec = src->FSortColumnSec;
  FSortOrderPrim = src->FSortOrderPrim;
  FSortOrderSec = src->FSortOrderSec;
  FSortToggle = src->FSortToggle;
  FComment = src->FComment;
  FCommonHeader = src->FCommonHeader;
  FDataID = src->FDataID;
  OnBeforeSortExchange = src->OnBeforeSortExchange;
  FColName.swap(names);
  FColumnFormat.swap(formats);
  FColButMode.swap(modes);
  UpdateFeedback();
}

void TRLData::AssignTo(TPersistent* Dest) {
  if (dynamic_cast<TRLData*>(Dest)) {
    Dest->Assign(this);
    return;
  }
  TComponent::AssignTo(Dest);
}

void TRLData::TakeContent(TRLData& From) {
  FStrings->Swap(*From.FStrings);
  std::swap(FNrOfCols, From.FNrOfCols);
  std::swap(FNrOfRows, From.FNrOfRows);
  FColName.swap(From.FColName);
  FColumnFormat.swap(From.FColumnFormat);
  FColButMode.swap(From.FColButMode);
  FSortColumnPrim = FSortColumnSec = -1;
  UpdateFeedback();
}

// ------------------------------------------------------------- dimensions

void TRLData::SetNrRows(int n) {
  n = std::max(n, 0);
  FStrings->Resize(std::max(FNrOfCols, 1), std::max(n, 1));
  if (n == 0) {
    // The store keeps row 1: blank it completely, so that no old text or
    // attribute shows up when rows are added again.
    for (int c = 0; c <= FStrings->NrOfColumns(); ++c) FStrings->SetString(c, 1, QString());
    FStrings->SetRowAttrib(1, 0);
  }
  FNrOfRows = n;
  UpdateFeedback();
}

void TRLData::SetNrCols(int n) {
  n = std::max(n, 1);
  FStrings->Resize(n, std::max(FNrOfRows, 1));
  FNrOfCols = n;
  UpdateFeedback();
  try {
    ResizeColumnArrays(n);
  } catch (const std::bad_alloc&) {
    NotEnoughMemory();
  }
}

void TRLData::SetNoColumns() {
  for (int r = 0; r <= FStrings->NrOfRows(); ++r) FStrings->SetString(1, r, QString());
  FColName.assign(1, QString());
  FColumnFormat.assign(1, QString());
  FColButMode.assign(1, cmNone);
  FNrOfCols = 0;
  UpdateFeedback();
}

void TRLData::InsertRow(int r) {
  if (r < 1 || r > FNrOfRows) return;
  FStrings->CommitSorting();
  FStrings->InsertRow(r);
  ++FNrOfRows;
  UpdateFeedback();
}

void TRLData::RemoveRow(int r) {
  if (r < 1 || r > FNrOfRows) return;
  FStrings->CommitSorting();
  if (FNrOfRows == 1) {
    SetNrRows(0);
    return;
  }
  FStrings->RemoveRow(r);
  --FNrOfRows;
  UpdateFeedback();
}

void TRLData::RemoveEmptyRows() {
  const auto isEmpty = [this](int r) {
    for (int c = 0; c <= FNrOfCols; ++c)
      if (!GetElem(c, r).isEmpty()) return false;
    return true;
  };
  // Removing rows one by one moves the rows behind each of them; the kept rows
  // are copied into a fresh store instead, so the cost stays linear.
  std::vector<int> kept;
  kept.reserve(std::size_t(FNrOfRows));
  for (int r = 1; r <= FNrOfRows; ++r)
    if (!isEmpty(r)) kept.push_back(r);
  if (int(kept.size()) == FNrOfRows) return;
  if (kept.empty()) {
    FStrings->CommitSorting();
    SetNrRows(0);
    return;
  }
  const int cols = FStrings->NrOfColumns();
  TStringArray fresh(nullptr, cols, int(kept.size()));
  fresh.SetAllocRowsBy(FStrings->AllocRowsBy());
  for (int c = 0; c <= cols; ++c) fresh.SetColAttrib(c, FStrings->GetColAttrib(c));
  for (int i = 0; i < int(kept.size()); ++i) {
    for (int c = 0; c <= cols; ++c) fresh.SetUtf8(c, i + 1, FStrings->GetUtf8(c, kept[std::size_t(i)]));
    fresh.SetRowAttrib(i + 1, FStrings->GetRowAttrib(kept[std::size_t(i)]));
  }
  FStrings->Swap(fresh);
  FNrOfRows = int(kept.size());
  UpdateFeedback();
}

void TRLData::InsertColumn(int c) {
  if (c < 1 || c > FNrOfCols) return;
  FStrings->InsertColumn(c);
  ++FNrOfCols;
  const auto at = std::size_t(c - 1);
  try {
    FColName.insert(FColName.begin() + std::ptrdiff_t(at), QString());
    FColumnFormat.insert(FColumnFormat.begin() + std::ptrdiff_t(at), QString());
    FColButMode.insert(FColButMode.begin() + std::ptrdiff_t(at), cmNone);
  } catch (const std::bad_alloc&) {
    NotEnoughMemory();
  }
  UpdateFeedback();
}

void TRLData::RemoveColumn(int c) {
  if (c < 1 || c > FNrOfCols) return;
  FStrings->CommitSorting();
  if (FNrOfCols == 1) {
    SetNoColumns();
    return;
  }
  FStrings->RemoveColumn(c);
  const auto at = std::ptrdiff_t(c - 1);
  FColName.erase(FColName.begin() + at);
  FColumnFormat.erase(FColumnFormat.begin() + at);
  FColButMode.erase(FColButMode.begin() + at);
  --FNrOfCols;
  UpdateFeedback();
}

void TRLData::CopyRow(int Source, int Target) {
  if (Source < 1 || Source > FNrOfRows || Target < 1 || Target > FNrOfRows || Source == Target) return;
  for (int c = 0; c <= FNrOfCols; ++c) {
    const QByteArray text = FStrings->GetUtf8(c, Source).toByteArray();
    FStrings->SetUtf8(c, Target, text);
  }
  FStrings->SetRowAttrib(Target, FStrings->GetRowAttrib(Source));
}

void TRLData::Clear() {
  FStrings->Clear();
  for (int c = 1; c <= int(FColName.size()); ++c) FColName[std::size_t(c - 1)] = DefaultColName(c);
  std::fill(FColumnFormat.begin(), FColumnFormat.end(), QString());
  std::fill(FColButMode.begin(), FColButMode.end(), cmNone);
}

void TRLData::Fill(const QString& s) {
  const QByteArray plain = s.toUtf8();
  const QByteArray checked = (QString(CheckedChar) + s).toUtf8();
  const QByteArray unchecked = (QString(UncheckedChar) + s).toUtf8();
  for (int c = 1; c <= FNrOfCols; ++c) {
    const bool check = IsCheckCol(c);
    for (int r = 1; r <= FNrOfRows; ++r) {
      if (!check) FStrings->SetUtf8(c, r, plain);
      else FStrings->SetUtf8(c, r, IsCheckedText(FStrings->GetUtf8(c, r)) ? checked : unchecked);
    }
  }
}

// ------------------------------------------------------------------ cells

bool TRLData::ValidCell(int ACol, int ARow) const {
  return ACol >= 0 && ACol <= FNrOfCols && ARow >= 1 && ARow <= FNrOfRows;
}

bool TRLData::IsCheckCol(int ACol) const { return ValidCol(ACol) && FColButMode[std::size_t(ACol - 1)] != cmNone; }

QString TRLData::GetElem(int ACol, int ARow) const {
  if (!ValidCell(ACol, ARow)) return QString();
  QString s = Stored(ACol, ARow);
  if (IsCheckCol(ACol)) s.remove(0, FirstCharLength(s));
  return s;
}

void TRLData::SetElem(int ACol, int ARow, const QString& Value) {
  if (!ValidCell(ACol, ARow)) return;
  if (!IsCheckCol(ACol)) {
    FStrings->SetString(ACol, ARow, Value);
    return;
  }
  const QString s = Stored(ACol, ARow);
  const QString mark = s.isEmpty() ? QString(UncheckedChar) : s.left(FirstCharLength(s));
  FStrings->SetString(ACol, ARow, mark + Value);
}

// ---------------------------------------------------------------- columns

QString TRLData::GetColName(int ColNr) const { return ValidCol(ColNr) ? FColName[std::size_t(ColNr - 1)] : QString(); }

void TRLData::SetColName(int ColNr, const QString& HLine) {
  if (ValidCol(ColNr)) FColName[std::size_t(ColNr - 1)] = CutText(HLine, MaxColNameLength);
}

QString TRLData::GetColumnFormat(int ColNr) const {
  return ValidCol(ColNr) ? FColumnFormat[std::size_t(ColNr - 1)] : QString();
}

void TRLData::SetColumnFormat(int ColNr, const QString& DefValue) {
  if (ValidCol(ColNr)) FColumnFormat[std::size_t(ColNr - 1)] = CutText(DefValue, MaxColFormatLength);
}

int TRLData::ColumnIndex(const QString& Head, bool PartialMatch) const {
  const QString head = Head.toLower();
  for (int c = FNrOfCols; c >= 1; --c) {
    const QString name = FColName[std::size_t(c - 1)].toLower();
    if (PartialMatch ? name.contains(head) : name == head) return c;
  }
  return -1;
}

void TRLData::SetCommonHeader(const QString& Value) {
  if (Value != FCommonHeader) FCommonHeader = Value;
}

// ------------------------------------------------------------ check marks

TCheckMode TRLData::GetColCheckMode(int ColNr) const {
  return ValidCol(ColNr) ? FColButMode[std::size_t(ColNr - 1)] : cmNone;
}

void TRLData::SetColCheckMode(int ColNr, TCheckMode Value) {
  if (!ValidCol(ColNr) || FColButMode[std::size_t(ColNr - 1)] == Value) return;
  const TCheckMode old = FColButMode[std::size_t(ColNr - 1)];
  // One conversion of the whole column: no change notification per cell.
  const TNotifyEvent onChange = std::exchange(FStrings->OnChange, nullptr);
  FColButMode[std::size_t(ColNr - 1)] = Value;
  for (int r = 1; r <= FNrOfRows; ++r) {
    const QString s = Stored(ColNr, r);
    if (s.isEmpty()) continue;
    if (old == cmNone) FStrings->SetString(ColNr, r, QString(UncheckedChar) + s);
    else if (Value == cmNone) FStrings->SetString(ColNr, r, s.mid(FirstCharLength(s)));
    else if (Value == cmRadio) SetCheckChar(ColNr, r, false);
  }
  FStrings->OnChange = onChange;
}

bool TRLData::GetCheckedCol(int ColNr) const { return GetColCheckMode(ColNr) == cmBox; }

void TRLData::SetCheckedCol(int ColNr, bool Value) { SetColCheckMode(ColNr, Value ? cmBox : cmNone); }

bool TRLData::GetElemChecked(int ACol, int ARow) const {
  return ValidCell(ACol, ARow) && IsCheckCol(ACol) && IsCheckedText(FStrings->GetUtf8(ACol, ARow));
}

void TRLData::SetCheckChar(int ACol, int ARow, bool Checked) {
  const QString s = Stored(ACol, ARow);
  const QChar mark = Checked ? CheckedChar : UncheckedChar;
  FStrings->SetString(ACol, ARow, QString(mark) + s.mid(FirstCharLength(s)));
}

void TRLData::ClearCheckmarks(int Column) {
  for (int r = 1; r <= FNrOfRows; ++r)
    if (IsCheckedText(FStrings->GetUtf8(Column, r))) SetCheckChar(Column, r, false);
}

void TRLData::SetElemChecked(int ACol, int ARow, bool Value) {
  if (!ValidCell(ACol, ARow) || !IsCheckCol(ACol)) return;
  if (GetColCheckMode(ACol) == cmRadio) ClearCheckmarks(ACol);
  SetCheckChar(ACol, ARow, Value);
}

void TRLData::SetAllCheckmarksOfCol(int Column, bool Checked, bool AffectEnabledRowsOnly) {
  const TCheckMode mode = GetColCheckMode(Column);
  if (mode == cmNone || (Checked && mode != cmBox)) return;
  for (int r = 1; r <= FNrOfRows; ++r) {
    if (AffectEnabledRowsOnly && (FStrings->GetRowAttrib(r) & rlRowDisabled)) continue;
    SetCheckChar(Column, r, Checked);
  }
}

void TRLData::InvertAllCheckmarksOfCol(int Column, bool AffectEnabledRowsOnly) {
  if (GetColCheckMode(Column) != cmBox) return;
  for (int r = 1; r <= FNrOfRows; ++r) {
    if (AffectEnabledRowsOnly && (FStrings->GetRowAttrib(r) & rlRowDisabled)) continue;
    const QByteArrayView s = FStrings->GetUtf8(Column, r);
    SetCheckChar(Column, r, s.isEmpty() || s[0] != 'X');
  }
}

int TRLData::CountCheckedElemsInCol(int Column) const {
  if (!IsCheckCol(Column)) return 0;
  int n = 0;
  for (int r = 1; r <= FNrOfRows; ++r)
    if (IsCheckedText(FStrings->GetUtf8(Column, r))) ++n;
  return n;
}

int TRLData::CountCheckedElemsInRow(int Row) const {
  int n = 0;
  for (int c = 1; c <= FNrOfCols; ++c)
    if (GetElemChecked(c, Row)) ++n;
  return n;
}

int TRLData::FirstCheckedElemInCol(int ColNr) const {
  if (!IsCheckCol(ColNr)) return 0;
  for (int r = 1; r <= FNrOfRows; ++r)
    if (IsCheckedText(FStrings->GetUtf8(ColNr, r))) return r;
  return 0;
}

int TRLData::FirstCheckedElemInRow(int RowNr) const {
  for (int c = 1; c <= FNrOfCols; ++c)
    if (GetElemChecked(c, RowNr)) return c;
  return 0;
}

// ---------------------------------------------------------------- sorting

void TRLData::Sort(int PrimCol, int SecCol, bool Ascending) { Sort(PrimCol, SecCol, Ascending, true); }

void TRLData::Sort(int PrimCol, int SecCol, bool AscendPrim, bool AscendSec) {
  FSortColumnPrim = PrimCol;
  FSortColumnSec = SecCol;
  FSortOrderPrim = AscendPrim;
  FSortOrderSec = AscendSec;
  FStrings->Sort(PrimCol, SecCol, AscendPrim, AscendSec);
}

void TRLData::UnSort() {
  FSortColumnPrim = -1;
  FSortColumnSec = -1;
  FStrings->UnSort();
}

}  // namespace orv
