#pragma once
// TCustomDrawGrid: a grid whose cells the application draws and edits
// through events.
//
// OnDrawCell(Sender, ACol, ARow, Rect, State) draws each cell in view on
// Canvas(), after the grid prepared it (see TCustomGrid). OnSelectCell(Sender,
// ACol, ARow, CanSelect) may refuse a cell by setting CanSelect to false
// before it becomes current. OnGetEditText(Sender, ACol, ARow, Value) gives the
// editor's starting text (Value starts empty), OnSetEditText(Sender, ACol,
// ARow, Value) receives it after every change. OnTopLeftChanged fires after
// the view scrolled.

#include "OrvTCustomGrid.h"

namespace orv {

class TCustomDrawGrid : public TCustomGrid {
  Q_OBJECT

public:
  explicit TCustomDrawGrid(TOwnerArg AOwner);

  TDrawCellEvent OnDrawCell;
  TSelectCellEvent OnSelectCell;
  TGetEditEvent OnGetEditText;
  TSetEditEvent OnSetEditText;
  TNotifyEvent OnTopLeftChanged;

protected:
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  bool SelectCell(int ACol, int ARow) override;
  QString GetEditText(int ACol, int ARow) override;
  void SetEditText(int ACol, int ARow, const QString& Value) override;
  void TopLeftChanged() override;
};

}  // namespace orv
