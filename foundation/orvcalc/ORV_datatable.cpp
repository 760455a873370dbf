#include "ORV_datatable.h"

#include <algorithm>
#include <numeric>

namespace orv {

namespace {

QString Cut(const QString& S, int Max) {
  if (S.size() <= Max) return S;
  return S.left(S[Max - 1].isHighSurrogate() ? Max - 1 : Max);
}

template <class V>
void Mirror(V& v) {
  std::reverse(v.begin(), v.end());
}

}  // namespace

QString MScaleTypeNames(int ScaleType) {
  static const char* const names[] = {"undefined", "nominal", "ordinal", "interval", "ratio"};
  return ScaleType >= 0 && ScaleType <= MaxMScaleType ? QString::fromLatin1(names[ScaleType]) : QString();
}

TDataTable::TDataTable(TComponent* AOwner) : TComponent(AOwner) {}

template <class F>
void TDataTable::ChangeSize(F Change) {
  const int oldCols = NrOfColumns(), oldRows = NrOfRows();
  Change();
  if (ResizedHook) ResizedHook(this, oldCols, oldRows, NrOfColumns(), NrOfRows());
}

void TDataTable::Resize(int NrCols, int NrRows) {
  NrCols = std::max(0, NrCols);
  NrRows = std::max(0, NrRows);
  ChangeSize([&] {
    FElems.Resize(NrCols, NrRows);
    FStates.Resize(NrCols, NrRows);
    FColNames.resize(std::size_t(NrCols));
    FColAttr.resize(std::size_t(NrCols));
    FSetup.resize(std::size_t(NrCols));
    FRowNames.resize(std::size_t(NrRows));
    FRowAttr.resize(std::size_t(NrRows));
  });
}

void TDataTable::Clear() {
  FElems.Fill(0);
  FStates.Fill(0);
  std::fill(FColNames.begin(), FColNames.end(), QString());
  std::fill(FRowNames.begin(), FRowNames.end(), QString());
  std::fill(FColAttr.begin(), FColAttr.end(), 0);
  std::fill(FRowAttr.begin(), FRowAttr.end(), 0);
  std::fill(FSetup.begin(), FSetup.end(), TColumnSetup());
  FComment.clear();
  DataChanged();
  SetupChanged();
}

void TDataTable::SetFComment(const QString& Value) {
  if (Value == FComment) return;
  FComment = Value;
  SetupChanged();
}

void TDataTable::InsertRow(int ix) {
  if (ix < 1 || ix > NrOfRows() + 1) return;
  ChangeSize([&] {
    FElems.InsertRow(ix);
    FStates.InsertRow(ix);
    FRowNames.insert(FRowNames.begin() + ix - 1, QString());
    FRowAttr.insert(FRowAttr.begin() + ix - 1, 0);
  });
}

void TDataTable::RemoveRow(int ix) {
  if (ix < 1 || ix > NrOfRows()) return;
  ChangeSize([&] {
    FElems.RemoveRow(ix);
    FStates.RemoveRow(ix);
    FRowNames.erase(FRowNames.begin() + ix - 1);
    FRowAttr.erase(FRowAttr.begin() + ix - 1);
  });
}

void TDataTable::InsertColumn(int ix) {
  if (ix < 1 || ix > NrOfColumns() + 1) return;
  ChangeSize([&] {
    FElems.InsertColumn(ix);
    FStates.InsertColumn(ix);
    FColNames.insert(FColNames.begin() + ix - 1, QString());
    FColAttr.insert(FColAttr.begin() + ix - 1, 0);
    FSetup.insert(FSetup.begin() + ix - 1, TColumnSetup());
  });
}

void TDataTable::RemoveColumn(int ix) {
  if (ix < 1 || ix > NrOfColumns()) return;
  ChangeSize([&] {
    FElems.RemoveColumn(ix);
    FStates.RemoveColumn(ix);
    FColNames.erase(FColNames.begin() + ix - 1);
    FColAttr.erase(FColAttr.begin() + ix - 1);
    FSetup.erase(FSetup.begin() + ix - 1);
  });
}

void TDataTable::MirrorColumns() {
  FElems.MirrorColumns();
  FStates.MirrorColumns();
  Mirror(FColNames);
  Mirror(FColAttr);
  Mirror(FSetup);
  DataChanged();
}

void TDataTable::MirrorRows() {
  FElems.MirrorRows();
  FStates.MirrorRows();
  Mirror(FRowNames);
  Mirror(FRowAttr);
  DataChanged();
}

void TDataTable::SetElem(int ACol, int ARow, double Value) {
  if (ACol < 1 || ACol > NrOfColumns() || ARow < 1 || ARow > NrOfRows()) return;
  FElems.SetVal(ACol, ARow, Value);
  DataChanged();
}

bool TDataTable::GetIsNumber(int ACol, int ARow) const {
  return ACol >= 1 && ACol <= NrOfColumns() && ARow >= 1 && ARow <= NrOfRows() &&
         (GetCellState(ACol, ARow) & (dtsNotANumber | dtsEmpty)) == 0;
}

void TDataTable::InvertCellStates(std::uint8_t Mask) {
  for (int c = 1; c <= NrOfColumns(); ++c)
    for (int r = 1; r <= NrOfRows(); ++r) FStates.SetVal(c, r, FStates.GetVal(c, r) ^ Mask);
}

void TDataTable::ExchangeMarkings() {
  for (int c = 1; c <= NrOfColumns(); ++c)
    for (int r = 1; r <= NrOfRows(); ++r) {
      const int s = FStates.GetVal(c, r);
      FStates.SetVal(c, r, (s & ~(dtsMarkA | dtsMarkB)) | ((s & dtsMarkA) << 1) | ((s & dtsMarkB) >> 1));
    }
}

void TDataTable::UnmarkAllCells() {
  for (int c = 1; c <= NrOfColumns(); ++c)
    for (int r = 1; r <= NrOfRows(); ++r) FStates.SetVal(c, r, FStates.GetVal(c, r) & ~(dtsMarkA | dtsMarkB));
}

int TDataTable::FillMarkedCells(double Value, std::uint8_t Mask) {
  int n = 0;
  for (int c = 1; c <= NrOfColumns(); ++c)
    for (int r = 1; r <= NrOfRows(); ++r)
      if (FStates.GetVal(c, r) & Mask) {
        FElems.SetVal(c, r, Value);
        ++n;
      }
  if (n > 0) DataChanged();
  return n;
}

void TDataTable::SetColName(int ix, const TDTNameStr& Value) {
  if (ix >= 1 && ix <= NrOfColumns()) FColNames[std::size_t(ix - 1)] = Cut(Value, MaxDTNameLength);
}

void TDataTable::SetRowName(int ix, const TDTNameStr& Value) {
  if (ix >= 1 && ix <= NrOfRows()) FRowNames[std::size_t(ix - 1)] = Cut(Value, MaxDTNameLength);
}

void TDataTable::SetColAttrib(int ix, std::uint8_t Value) {
  if (ix >= 1 && ix <= NrOfColumns()) FColAttr[std::size_t(ix - 1)] = Value;
}

void TDataTable::SetRowAttrib(int ix, std::uint8_t Value) {
  if (ix >= 1 && ix <= NrOfRows()) FRowAttr[std::size_t(ix - 1)] = Value;
}

int TDataTable::GetMScaleType(int ACol) const {
  return ACol >= 1 && ACol <= NrOfColumns() ? FSetup[std::size_t(ACol - 1)].ScaleType : 0;
}

void TDataTable::SetMScaleType(int ACol, int Value) {
  if (ACol < 1 || ACol > NrOfColumns() || Value < 0 || Value > MaxMScaleType) return;
  if (FSetup[std::size_t(ACol - 1)].ScaleType == Value) return;
  FSetup[std::size_t(ACol - 1)].ScaleType = Value;
  SetupChanged();
}

QString TDataTable::GetNominalID(int ACol, int Code) const {
  if (ACol < 1 || ACol > NrOfColumns()) return QString();
  return FSetup[std::size_t(ACol - 1)].Nominal.value(Code);
}

void TDataTable::SetNominalID(int ACol, int Code, const QString& Name) {
  if (ACol < 1 || ACol > NrOfColumns() || Code < 1 || Code > MaxNominalCode) return;
  QMap<int, QString>& names = FSetup[std::size_t(ACol - 1)].Nominal;
  const QString n = Cut(Name, MaxNominalIDLength);
  if (n.isEmpty()) names.remove(Code);
  else names.insert(Code, n);
  SetupChanged();
}

int TDataTable::OrdinalOfNominalID(int ACol, const QString& Name, bool IgnoreCase) const {
  if (ACol < 1 || ACol > NrOfColumns() || Name.isEmpty()) return 0;
  const Qt::CaseSensitivity cs = IgnoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
  const QMap<int, QString>& names = FSetup[std::size_t(ACol - 1)].Nominal;
  for (auto it = names.cbegin(); it != names.cend(); ++it)
    if (it.value().compare(Name, cs) == 0) return it.key();
  return 0;
}

void TDataTable::Arrange(int From, int To, bool Ascending, const std::function<double(int)>& Key,
                         const std::function<bool(int)>& IsNumber,
                         const std::function<void(const std::vector<int>&)>& Permute,
                         const std::function<void(int, int)>& Exchanged) {
  if (PercentDoneHook) PercentDoneHook(this, 0);
  std::vector<int> order(std::size_t(To - From + 1));
  std::iota(order.begin(), order.end(), From);
  // Numbers by value in the chosen direction, then the other cells in their order.
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    const bool na = IsNumber(a), nb = IsNumber(b);
    if (na != nb) return na;
    if (!na) return false;
    return Ascending ? Key(a) < Key(b) : Key(a) > Key(b);
  });
  // The cells move in one pass per line, which is far cheaper than one
  // exchange after the other across a wide table.
  Permute(order);
  // The exchanges that bring line order[i] to position From + i, one per misplaced line.
  std::vector<int> at(order.size()), where(order.size());  // position -> line, line -> position
  std::iota(at.begin(), at.end(), From);
  std::iota(where.begin(), where.end(), 0);
  for (std::size_t i = 0; i < order.size(); ++i) {
    const std::size_t j = std::size_t(where[std::size_t(order[i] - From)]);
    if (j == i) continue;
    Exchanged(From + int(i), From + int(j));
    std::swap(at[i], at[j]);
    where[std::size_t(at[i] - From)] = int(i);
    where[std::size_t(at[j] - From)] = int(j);
  }
  if (PercentDoneHook) PercentDoneHook(this, 100);
  DataChanged();
}

namespace {

// Line From + k takes what line Order[k] held.
template <class V>
void PermuteLines(V& Lines, const std::vector<int>& Order, int From) {
  V moved;
  moved.reserve(Order.size());
  for (int line : Order) moved.push_back(std::move(Lines[std::size_t(line - 1)]));
  for (std::size_t k = 0; k < moved.size(); ++k) Lines[std::size_t(From - 1) + k] = std::move(moved[k]);
}

}  // namespace

void TDataTable::SortRows(int SortCol, bool Ascending, int FromCol, int FromRow, int ToCol, int ToRow,
                          bool IncludeHeaders) {
  FromCol = std::max(1, FromCol);
  ToCol = std::min(NrOfColumns(), ToCol);
  FromRow = std::max(1, FromRow);
  ToRow = std::min(NrOfRows(), ToRow);
  if (SortCol < 1 || SortCol > NrOfColumns() || FromCol > ToCol || FromRow >= ToRow) return;
  Arrange(
      FromRow, ToRow, Ascending, [&](int r) { return GetElem(SortCol, r); },
      [&](int r) { return GetIsNumber(SortCol, r); },
      [&](const std::vector<int>& order) {
        FElems.PermuteRows(order, FromRow, FromCol, ToCol);
        FStates.PermuteRows(order, FromRow, FromCol, ToCol);
        if (IncludeHeaders) {
          PermuteLines(FRowNames, order, FromRow);
          PermuteLines(FRowAttr, order, FromRow);
        }
      },
      [&](int r1, int r2) {
        if (SortExchangeHook) SortExchangeHook(this, 2, FromCol, ToCol, r1, r2);
      });
}

void TDataTable::SortCols(int SortRow, bool Ascending, int FromCol, int FromRow, int ToCol, int ToRow,
                          bool IncludeHeaders) {
  FromCol = std::max(1, FromCol);
  ToCol = std::min(NrOfColumns(), ToCol);
  FromRow = std::max(1, FromRow);
  ToRow = std::min(NrOfRows(), ToRow);
  if (SortRow < 1 || SortRow > NrOfRows() || FromRow > ToRow || FromCol >= ToCol) return;
  Arrange(
      FromCol, ToCol, Ascending, [&](int c) { return GetElem(c, SortRow); },
      [&](int c) { return GetIsNumber(c, SortRow); },
      [&](const std::vector<int>& order) {
        FElems.PermuteColumns(order, FromCol, FromRow, ToRow);
        FStates.PermuteColumns(order, FromCol, FromRow, ToRow);
        if (IncludeHeaders) {
          PermuteLines(FColNames, order, FromCol);
          PermuteLines(FColAttr, order, FromCol);
          PermuteLines(FSetup, order, FromCol);
        }
      },
      [&](int c1, int c2) {
        if (SortExchangeHook) SortExchangeHook(this, 1, FromRow, ToRow, c1, c2);
      });
}

void TDataTable::DataChanged() {
  if (DataChangedHook) DataChangedHook(this);
}

void TDataTable::SetupChanged() {
  if (SetupChangedHook) SetupChangedHook(this);
}

}  // namespace orv
