#pragma once
// TMenuItem: one entry of a popup menu, over a QAction.
//
// Caption is the text ("&" marks the access key; "-" makes a separator
// line). Checked shows a check mark, Enabled and Visible grey out or hide
// the entry, Bitmap is a picture shown beside the caption (its bottom-left
// pixel's colour is transparent). An item with sub-items opens them as a
// submenu. Click, run when the user picks the item, fires OnClick with the
// item as Sender.
//
// Lifetime: an item is a component of its owner, and belongs to the item it
// was added to. Destroying an item destroys its sub-items and takes it out
// of its parent item.

#include "OrvTBitmap.h"

#include <memory>
#include <vector>

class QAction;
class QMenu;

namespace orv {

class TMenuItem : public TComponent {
public:
  explicit TMenuItem(TComponent* AOwner);
  ~TMenuItem() override;

  QString Caption() const { return FCaption; }
  void SetCaption(const QString& Value);
  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  // The item's picture, made empty on first use; draw on it or load it.
  TBitmap* Bitmap();

  // ---- sub-items
  int Count() const { return int(FItems.size()); }
  // The sub-item at Index (0-based); null outside 0..Count-1.
  TMenuItem* Items(int Index) const;
  TMenuItem* Parent() const { return FParent; }
  // Appends Item (taken out of its former parent first).
  void Add(TMenuItem* Item);
  // Inserts Item before position Index (limited to 0..Count).
  void Insert(int Index, TMenuItem* Item);
  // Takes Item out of this item's sub-items without destroying it.
  void Remove(TMenuItem* Item);
  int IndexOf(const TMenuItem* Item) const;
  // Destroys every sub-item.
  void Clear();

  // Runs when the user picks the item; fires OnClick.
  virtual void Click();
  TNotifyEvent OnClick;

  // ---- for the popup menu
  QAction* Action() const { return FAction.get(); }
  // The submenu of the sub-items, made on first use.
  QMenu* SubMenu();
  // The sub-item (at any depth) whose action is Action; null when none.
  TMenuItem* FindByAction(const QAction* Action);
  // The sub-item (at any depth) named Name, or else captioned Name (the
  // caption without its "&"); null when none.
  TMenuItem* FindItem(const QString& Name);
  // Whether the user can pick the item now: it and every parent up to this
  // one are enabled and visible.
  bool Selectable() const;
  // Brings the actions' pictures up to date with the bitmaps (whose pixels
  // may have changed since they were set) for this item and its sub-items.
  void RefreshBitmaps();

private:
  QString FCaption;
  bool FChecked = false;
  bool FEnabled = true;
  bool FVisible = true;
  std::unique_ptr<TBitmap> FBitmap;
  std::unique_ptr<QAction> FAction;
  std::unique_ptr<QMenu> FSubMenu;
  std::vector<TMenuItem*> FItems;
  TMenuItem* FParent = nullptr;
};

}  // namespace orv
