#pragma once
// TInplaceEdit: the line edit a grid opens over its current cell, and
// TInplaceEditList, the same with a drop-down list of values to pick from.
//
// The grid creates the editor (TCustomGrid::CreateEditor), places it, fills
// it from GetEditText and hands every change of its text to SetEditText.
// Keys that move between cells (Up, Down, Page Up, Page Down, Ctrl+Home,
// Ctrl+End, Tab with goTabs; with goAlwaysShowEditor also Left and Home at the
// start of the text, Right and End at its end) go to the grid; typed characters, Enter and
// Escape pass through the grid's KeyPress first, so that the grid can close
// the editor. Leaving the editor for another control closes it.
//
// TInplaceEditList shows a drop-down button when the grid's GetEditStyle gives
// esPickList for the cell. The list (PickList) is filled through
// OnGetPickListItems each time it drops down; DropDownRows rows (8) show at
// once. Alt+Down or F4 opens it, a click on the button toggles it; in the
// list Enter or a click takes the value, Escape closes it unchanged.

#include "OrvGridTypes.h"
#include "OrvTCustomEdit.h"

class QListWidget;
class QAction;

namespace orv {

class TCustomGrid;

class TInplaceEdit : public TCustomEdit {
  Q_OBJECT

public:
  explicit TInplaceEdit(TCustomGrid* AGrid);

  TCustomGrid* Grid() const { return FGrid; }
  // Refills the editor for the grid's current cell (text and, in descendants, style).
  virtual void UpdateContents();

  void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
  void KeyPress(QChar& Key) override;
  void DoExit() override;

protected:
  void Change() override;

private:
  TCustomGrid* FGrid;
};

class TInplaceEditList : public TInplaceEdit {
  Q_OBJECT

public:
  explicit TInplaceEditList(TCustomGrid* AGrid);
  ~TInplaceEditList() override;

  TEditStyle EditStyle() const { return FEditStyle; }
  void SetEditStyle(TEditStyle Value);
  int DropDownRows() const { return FDropDownRows; }
  void SetDropDownRows(int Value) { FDropDownRows = std::max(1, Value); }
  // The values of the list, as OnGetPickListItems last filled them.
  const QStringList& PickList() const { return FPickList; }
  bool ListVisible() const;
  // Fills and opens the list (pick-list style only).
  void DropDown();
  // Closes the list; with Accept the highlighted value becomes the text.
  void CloseUp(bool Accept);

  TOnGetPickListItems OnGetPickListItems;

  void UpdateContents() override;
  void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
  void DoExit() override;

protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
  TEditStyle FEditStyle = esSimple;
  int FDropDownRows = 8;
  QStringList FPickList;
  // The list first: the event filter looks at it while the button is made.
  QListWidget* FList;
  QAction* FButton;
};

}  // namespace orv
