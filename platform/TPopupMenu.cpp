#include "OrvTPopupMenu.h"

#include "OrvModalAnswers.h"

#include <QMenu>

namespace orv {

TPopupMenu::TPopupMenu(TComponent* AOwner) : TComponent(AOwner), FItems(new TMenuItem(this)) {}

TPopupMenu::~TPopupMenu() = default;

void TPopupMenu::Popup(int X, int Y) {
  if (OnPopup) OnPopup(this);
  FItems->RefreshBitmaps();
  TMenuItem* picked = nullptr;
  TModalAnswer answer;
  if (TakeModalAnswer(answer)) {
    TMenuItem* item = FItems->FindItem(answer.MenuItem);
    if (item && item->Selectable() && item->Count() == 0 && item->Caption() != QLatin1String("-")) picked = item;
  } else if (FItems->Count() > 0) {
    QMenu* menu = FItems->SubMenu();
    QPoint at(X, Y);
    if (FAlignment != paLeft) {
      const int w = menu->sizeHint().width();
      at.rx() -= FAlignment == paRight ? w : w / 2;
    }
    if (QAction* action = menu->exec(at)) picked = FItems->FindByAction(action);
  }
  // Run after the menu closed, so a handler may open a menu again.
  if (picked) picked->Click();
}

}  // namespace orv
