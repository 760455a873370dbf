#include "OrvTCustomDrawGrid.h"

namespace orv {

TCustomDrawGrid::TCustomDrawGrid(TOwnerArg AOwner) : TCustomGrid(AOwner) {}

void TCustomDrawGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  if (OnDrawCell) OnDrawCell(this, ACol, ARow, ARect, AState);
}

bool TCustomDrawGrid::SelectCell(int ACol, int ARow) {
  bool canSelect = true;
  if (OnSelectCell) OnSelectCell(this, ACol, ARow, canSelect);
  return canSelect;
}

QString TCustomDrawGrid::GetEditText(int ACol, int ARow) {
  QString value;
  if (OnGetEditText) OnGetEditText(this, ACol, ARow, value);
  return value;
}

void TCustomDrawGrid::SetEditText(int ACol, int ARow, const QString& Value) {
  if (OnSetEditText) OnSetEditText(this, ACol, ARow, Value);
}

void TCustomDrawGrid::TopLeftChanged() {
  TCustomGrid::TopLeftChanged();
  if (OnTopLeftChanged) OnTopLeftChanged(this);
}

}  // namespace orv
