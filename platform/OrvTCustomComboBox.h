#pragma once
// TCustomComboBox and TComboBox: a drop-down list of texts over QComboBox.
//
// Style: csDropDown (the default) has an edit field where any text may be
// typed; csDropDownList only picks from the list; csOwnerDrawFixed picks
// from the list and draws every entry itself: DrawItem(Index, Rect, State)
// paints entry Index (0-based) on Canvas() into Rect, for the list (one
// call per visible entry, ItemHeight pixels high) and for the field of the
// closed box (State has odComboBoxEdit, and odSelected and odFocused while
// the box has the focus; with no entry selected the field is only filled
// with Color). Rect starts at (0, 0). Before each call the canvas has the control's
// font and a solid brush of Color, or clHighlight with clHighlightText for
// a selected entry; the default DrawItem fires OnDrawItem when assigned,
// else fills Rect and writes the entry's text at (Rect.Left + 2, Rect.Top).
//
// Items holds the entries, ItemIndex the selected one (-1: none), Text the
// text in the field. DropDownCount (8) entries show at once in the list.
// DropDown runs when the list is about to open (by mouse or by Alt+Down or
// F4) and fires OnDropDown. When the user picks an entry, Click (OnClick)
// and then Change (OnChange) run; typing into the field runs Change. Setting
// ItemIndex, Text or Items from code fires nothing. A mouse click on the box
// does not call Click. Keys, mouse and focus reach the framework's methods
// as THostedControl describes.

#include "OrvTHostedControl.h"
#include "OrvTStrings.h"

#include <memory>

class QComboBox;

namespace orv {

enum TComboBoxStyle { csDropDown, csDropDownList, csOwnerDrawFixed };

enum TOwnerDrawStateElem { odSelected, odDisabled, odFocused, odComboBoxEdit };
using TOwnerDrawState = Set<TOwnerDrawStateElem>;

using TDrawItemEvent = std::function<void(TObject* Sender, int Index, TRect Rect, TOwnerDrawState State)>;

class TCustomComboBox : public THostedControl {
  Q_OBJECT

public:
  explicit TCustomComboBox(TOwnerArg AOwner);
  ~TCustomComboBox() override;

  TComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TComboBoxStyle Value);
  TStrings* Items() const { return FItems.get(); }
  int ItemIndex() const;
  // -1 or an index outside the items clears the selection.
  void SetItemIndex(int Value);
  QString Text() const;
  // With csDropDown any text; otherwise the first entry equal to Value is
  // selected (none when no entry is).
  void SetText(const QString& Value);
  int DropDownCount() const;
  void SetDropDownCount(int Value);
  // Height of an entry of an owner-drawn list (16).
  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int Value);
  bool DroppedDown() const;
  void SetDroppedDown(bool Value);

  // The canvas DrawItem paints on (valid during DrawItem).
  TCanvas* Canvas() { return &FCanvas; }

  TNotifyEvent OnChange;
  TNotifyEvent OnDropDown;
  TDrawItemEvent OnDrawItem;

  // The Qt combo box inside the control.
  QComboBox* ComboBox() const { return FCombo; }

  // Paints entry Index into Rect (the owner-drawn style only).
  virtual void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State);
  // The list is about to open; fires OnDropDown.
  virtual void DropDown();

protected:
  // The text changed by the user; fires OnChange.
  virtual void Change();

private:
  // Runs DrawItem for entry Index into the device area Target of Painter.
  void PaintItem(QPainter& Painter, const QRect& Target, int Index, TOwnerDrawState State);
  QComboBox* FCombo;
  std::unique_ptr<TStrings> FItems;
  TComboBoxStyle FStyle = csDropDown;
  int FItemHeight = 16;
  QImage FItemImage;
  TCanvas FCanvas;
};

class TComboBox : public TCustomComboBox {
  Q_OBJECT
public:
  using TCustomComboBox::TCustomComboBox;
};

}  // namespace orv
