#include "OrvGridAxis.h"

#include <algorithm>

namespace orv {

void TGridAxis::SetCount(int Value) {
  FCount = std::max(1, Value);
  while (!FOverrides.empty() && FOverrides.back().Index >= FCount) FOverrides.pop_back();
  FFixed = std::min(FFixed, FCount - 1);
  FFirst = std::clamp(FFirst, FFixed, FCount - 1);
}

void TGridAxis::SetFixed(int Value) {
  FFixed = std::clamp(Value, 0, FCount - 1);
  FFirst = std::max(FFirst, FFixed);
}

void TGridAxis::SetFirst(int Value) { FFirst = std::clamp(Value, FFixed, FCount - 1); }

void TGridAxis::SetDefaultSize(int Value) {
  FDefaultSize = std::max(0, Value);
  FOverrides.clear();
}

void TGridAxis::SetLineWidth(int Value) {
  FLineWidth = std::max(0, Value);
  Rebuild();
}

std::vector<TGridAxis::Override>::iterator TGridAxis::LowerBound(int Index) {
  return std::lower_bound(FOverrides.begin(), FOverrides.end(), Index,
                          [](const Override& o, int i) { return o.Index < i; });
}

std::vector<TGridAxis::Override>::const_iterator TGridAxis::LowerBound(int Index) const {
  return std::lower_bound(FOverrides.begin(), FOverrides.end(), Index,
                          [](const Override& o, int i) { return o.Index < i; });
}

int TGridAxis::Size(int Index) const {
  if (Index < 0 || Index >= FCount) return 0;
  auto it = LowerBound(Index);
  return it != FOverrides.end() && it->Index == Index ? it->Size : FDefaultSize;
}

void TGridAxis::Shift(std::vector<Override>::iterator It, qint64 Delta) {
  for (; It != FOverrides.end(); ++It) It->DeltaBefore += Delta;
}

void TGridAxis::SetSize(int Index, int Value) {
  if (Index < 0 || Index >= FCount) return;
  Value = std::max(-1, Value);
  auto it = LowerBound(Index);
  const bool present = it != FOverrides.end() && it->Index == Index;
  const qint64 oldDelta = present ? ExtentOf(it->Size) - DefaultExtent() : 0;
  const qint64 newDelta = Value == FDefaultSize ? 0 : ExtentOf(Value) - DefaultExtent();
  if (Value == FDefaultSize) {
    if (!present) return;
    it = FOverrides.erase(it);
  } else if (present) {
    it->Size = Value;
    ++it;
  } else {
    const qint64 before = it == FOverrides.begin() ? 0
                                                   : std::prev(it)->DeltaBefore + ExtentOf(std::prev(it)->Size) - DefaultExtent();
    it = FOverrides.insert(it, Override{Index, Value, before});
    ++it;
  }
  Shift(it, newDelta - oldDelta);
}

void TGridAxis::Rebuild() {
  qint64 sum = 0;
  for (Override& o : FOverrides) {
    o.DeltaBefore = sum;
    sum += ExtentOf(o.Size) - DefaultExtent();
  }
}

qint64 TGridAxis::Offset(int Index) const {
  Index = std::clamp(Index, 0, FCount);
  auto it = LowerBound(Index);
  qint64 delta = 0;
  if (it != FOverrides.end())
    delta = it->DeltaBefore;
  else if (!FOverrides.empty())
    delta = FOverrides.back().DeltaBefore + ExtentOf(FOverrides.back().Size) - DefaultExtent();
  return qint64(Index) * DefaultExtent() + delta;
}

int TGridAxis::LastIndexWithOffsetAtMost(qint64 Limit, int Lo, int Hi) const {
  int lo = Lo, hi = Hi, found = Lo - 1;
  while (lo <= hi) {
    const int mid = lo + (hi - lo) / 2;
    if (Offset(mid) <= Limit) {
      found = mid;
      lo = mid + 1;
    } else {
      hi = mid - 1;
    }
  }
  return found;
}

int TGridAxis::IndexAtOffset(qint64 Offset) const {
  if (Offset < 0) return -1;
  if (Offset >= this->Offset(FCount)) return FCount;
  return LastIndexWithOffsetAtMost(Offset, 0, FCount - 1);
}

qint64 TGridAxis::Position(int Index) const {
  if (Index < FFixed) return Offset(Index);
  return FixedExtent() + Offset(Index) - Offset(FFirst);
}

int TGridAxis::IndexAtPosition(int Pos) const {
  if (Pos < 0) return -1;
  const int fixedExtent = FixedExtent();
  if (Pos < fixedExtent) return IndexAtOffset(Pos);
  return IndexAtOffset(Pos - fixedExtent + Offset(FFirst));
}

int TGridAxis::LastShown(int ViewExtent) const {
  if (ViewExtent <= 0) return -1;
  return std::min(IndexAtPosition(ViewExtent - 1), FCount - 1);
}

int TGridAxis::FullyShownCount(int ViewExtent) const {
  const qint64 limit = qint64(ViewExtent) + FLineWidth - FixedExtent() + Offset(FFirst);
  return std::max(0, LastIndexWithOffsetAtMost(limit, FFirst, FCount) - FFirst);
}

int TGridAxis::FirstToShow(int Last, int ViewExtent) const {
  Last = std::clamp(Last, FFixed, FCount - 1);
  // Cells f .. Last fit when Offset(Last + 1) - Offset(f) <= room.
  const qint64 room = qint64(ViewExtent) + FLineWidth - FixedExtent();
  const qint64 need = Offset(Last + 1) - room;
  if (Offset(Last) < need) return Last;
  int lo = FFixed, hi = Last;
  while (lo < hi) {
    const int mid = lo + (hi - lo) / 2;
    if (Offset(mid) >= need)
      hi = mid;
    else
      lo = mid + 1;
  }
  return lo;
}

}  // namespace orv
