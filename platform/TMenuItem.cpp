#include "OrvTMenuItem.h"

#include <QAction>
#include <QMenu>
#include <QPixmap>

#include <algorithm>

namespace orv {

namespace {

// The bitmap as an icon picture: pixels of its transparent colour see through.
QPixmap MenuPicture(TBitmap& Bitmap) {
  QImage image = Bitmap.Image().convertToFormat(QImage::Format_ARGB32);
  const QRgb key = ColorToQRgb(Bitmap.TransparentColor()) | 0xFF000000u;
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if ((line[x] | 0xFF000000u) == key) line[x] = 0;
  }
  return QPixmap::fromImage(image);
}

// The caption as shown: "&" marks the access key, "&&" stands for "&".
QString WithoutAccessKey(QString Caption) {
  Caption.replace(QLatin1String("&&"), QLatin1String("\x01")).remove(QLatin1Char('&'));
  return Caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

}  // namespace

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), FAction(std::make_unique<QAction>()) {}

TMenuItem::~TMenuItem() {
  Clear();
  if (FParent) FParent->Remove(this);
  // The action must not point at a submenu that is already gone.
  if (FSubMenu) FAction->setMenu(nullptr);
}

void TMenuItem::SetCaption(const QString& Value) {
  FCaption = Value;
  FAction->setSeparator(Value == QLatin1String("-"));
  FAction->setText(Value);
}

void TMenuItem::SetChecked(bool Value) {
  FChecked = Value;
  FAction->setCheckable(Value);
  FAction->setChecked(Value);
}

void TMenuItem::SetEnabled(bool Value) {
  FEnabled = Value;
  FAction->setEnabled(Value);
}

void TMenuItem::SetVisible(bool Value) {
  FVisible = Value;
  FAction->setVisible(Value);
}

TBitmap* TMenuItem::Bitmap() {
  if (!FBitmap) FBitmap = std::make_unique<TBitmap>();
  return FBitmap.get();
}

TMenuItem* TMenuItem::Items(int Index) const {
  return Index >= 0 && Index < Count() ? FItems[std::size_t(Index)] : nullptr;
}

void TMenuItem::Add(TMenuItem* Item) { Insert(Count(), Item); }

void TMenuItem::Insert(int Index, TMenuItem* Item) {
  if (!Item || Item == this) return;
  if (Item->FParent) Item->FParent->Remove(Item);
  Index = std::clamp(Index, 0, Count());
  QMenu* menu = SubMenu();
  menu->insertAction(Index < Count() ? FItems[std::size_t(Index)]->Action() : nullptr, Item->Action());
  FItems.insert(FItems.begin() + Index, Item);
  Item->FParent = this;
}

void TMenuItem::Remove(TMenuItem* Item) {
  const auto it = std::find(FItems.begin(), FItems.end(), Item);
  if (it == FItems.end()) return;
  FItems.erase(it);
  FSubMenu->removeAction(Item->Action());
  Item->FParent = nullptr;
}

int TMenuItem::IndexOf(const TMenuItem* Item) const {
  const auto it = std::find(FItems.begin(), FItems.end(), Item);
  return it == FItems.end() ? -1 : int(it - FItems.begin());
}

void TMenuItem::Clear() {
  // Each sub-item takes itself out of the list as it goes.
  while (!FItems.empty()) delete FItems.back();
}

void TMenuItem::Click() {
  if (OnClick) OnClick(this);
}

QMenu* TMenuItem::SubMenu() {
  if (!FSubMenu) {
    FSubMenu = std::make_unique<QMenu>();
    FAction->setMenu(FSubMenu.get());
  }
  return FSubMenu.get();
}

TMenuItem* TMenuItem::FindByAction(const QAction* Action) {
  for (TMenuItem* item : FItems) {
    if (item->Action() == Action) return item;
    if (TMenuItem* found = item->FindByAction(Action)) return found;
  }
  return nullptr;
}

TMenuItem* TMenuItem::FindItem(const QString& Name) {
  const auto find = [&](const auto& self, TMenuItem* in, bool byName) -> TMenuItem* {
    for (TMenuItem* item : in->FItems) {
      if (byName ? item->Name() == Name : WithoutAccessKey(item->Caption()) == Name) return item;
      if (TMenuItem* found = self(self, item, byName)) return found;
    }
    return nullptr;
  };
  if (Name.isEmpty()) return nullptr;
  TMenuItem* found = find(find, this, true);
  return found ? found : find(find, this, false);
}

bool TMenuItem::Selectable() const {
  for (const TMenuItem* item = this; item; item = item->FParent)
    if (!item->FEnabled || !item->FVisible) return false;
  return true;
}

void TMenuItem::RefreshBitmaps() {
  if (FBitmap) FAction->setIcon(FBitmap->Empty() ? QIcon() : QIcon(MenuPicture(*FBitmap)));
  for (TMenuItem* item : FItems) item->RefreshBitmaps();
}

}  // namespace orv
