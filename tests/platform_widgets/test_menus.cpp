// TPopupMenu and TMenuItem: items and submenus, picks answered or made in the real
// menu, and the PopupMenu of every control.
#include "WidgetTestSupport.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

using namespace orv;
using namespace orv::test;

namespace {

// The table editor's shape: items named and captioned, a submenu, a picture.
class MenuTest : public ::testing::Test {
protected:
  void SetUp() override {
    Owner = std::make_unique<TCustomControl>(nullptr);
    Menu = new TPopupMenu(Owner.get());
    Menu->SetName(QStringLiteral("PopupDTAction"));
    Mark = Item("DIt1", "Mark as type A", Menu->Items());
    Range = Item("M1It1", "Range", Mark);
    Copy = Item("DIt7", "&Copy", Menu->Items());
    Paste = Item("DIt8", "Paste", Menu->Items());
    Paste->SetEnabled(false);
    Menu->OnPopup = [this](TObject*) { Clicked.push_back(QStringLiteral("popup")); };
  }
  void TearDown() override { ClearModalAnswers(); }

  TMenuItem* Item(const char* Name, const char* Caption, TMenuItem* Parent) {
    auto* item = new TMenuItem(Owner.get());
    item->SetName(QString::fromLatin1(Name));
    item->SetCaption(QString::fromLatin1(Caption));
    item->OnClick = [this](TObject* Sender) { Clicked.push_back(static_cast<TMenuItem*>(Sender)->Name()); };
    Parent->Add(item);
    return item;
  }

  std::unique_ptr<TCustomControl> Owner;
  TPopupMenu* Menu = nullptr;
  TMenuItem* Mark = nullptr;
  TMenuItem* Range = nullptr;
  TMenuItem* Copy = nullptr;
  TMenuItem* Paste = nullptr;
  std::vector<QString> Clicked;
};

}  // namespace

TEST_F(MenuTest, AnAnswerPicksAnItemTheUserCouldPick) {
  const std::pair<QString, std::vector<QString>> cases[] = {
      {"DIt7", {"popup", "DIt7"}},    // by name
      {"Copy", {"popup", "DIt7"}},    // by caption, without its "&"
      {"M1It1", {"popup", "M1It1"}},  // in a submenu
      {"Paste", {"popup"}},           // disabled: no pick
      {"DIt1", {"popup"}},            // opens a submenu: no pick
      {"", {"popup"}},                // closed without a pick
  };
  for (const auto& [pick, expected] : cases) {
    Clicked.clear();
    AnswerNextModal({.MenuItem = pick});
    Menu->Popup(100, 100);
    EXPECT_EQ(Clicked, expected) << pick.toStdString();
  }
  Mark->SetVisible(false);  // a hidden parent hides its items
  Clicked.clear();
  AnswerNextModal({.MenuItem = QStringLiteral("Range")});
  Menu->Popup(100, 100);
  EXPECT_EQ(Clicked, std::vector<QString>({"popup"}));
}

TEST_F(MenuTest, TheRealMenuShowsTheItemsAndReturnsThePick) {
  Copy->SetChecked(true);
  Copy->Bitmap()->SetSize(8, 8);
  Copy->Bitmap()->Canvas()->Brush()->SetColor(clRed);
  Copy->Bitmap()->Canvas()->FillRect(TRect(0, 0, 8, 8));
  Copy->Bitmap()->Canvas()->Brush()->SetColor(clBlue);
  Copy->Bitmap()->Canvas()->FillRect(TRect(2, 2, 6, 6));
  auto* separator = new TMenuItem(Owner.get());
  separator->SetCaption(QStringLiteral("-"));
  Menu->Items()->Insert(1, separator);
  QStringList shown;
  bool checked = false;
  QImage icon;
  QTimer::singleShot(0, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    for (QAction* a : menu->actions()) {
      shown << (a->isSeparator() ? QStringLiteral("-") : a->text() + (a->isEnabled() ? "" : " (off)"));
      if (a->text() == "&Copy") {
        checked = a->isChecked();
        icon = a->icon().pixmap(8, 8).toImage();
        menu->setActiveAction(a);
      }
    }
    QTest::keyClick(menu, Qt::Key_Return);
  });
  Menu->Popup(50, 50);
  EXPECT_EQ(shown, QStringList({"Mark as type A", "-", "&Copy", "Paste (off)"}));
  EXPECT_TRUE(checked);
  ASSERT_FALSE(icon.isNull());
  EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);  // the bottom-left pixel's colour is transparent
  EXPECT_EQ(QRgbToColor(icon.pixel(4, 4)), clBlue);
  EXPECT_EQ(Clicked, std::vector<QString>({"popup", "DIt7"}));
}

TEST_F(MenuTest, ItemsLeaveTheirParentWhenDestroyed) {
  EXPECT_EQ(Menu->Items()->Count(), 3);
  EXPECT_EQ(Menu->Items()->IndexOf(Paste), 2);
  delete Copy;
  EXPECT_EQ(Menu->Items()->Count(), 2);
  EXPECT_EQ(Menu->Items()->Items(1), Paste);
  EXPECT_EQ(Menu->Items()->Items(2), nullptr);
  Menu->Items()->Add(Range);  // moves it out of the submenu
  EXPECT_EQ(Mark->Count(), 0);
  EXPECT_EQ(Range->Parent(), Menu->Items());
  delete Mark;
  EXPECT_EQ(Menu->Items()->Count(), 2);
  // Destroying the owner of the items first leaves an empty menu behind.
  auto menu = std::make_unique<TPopupMenu>(nullptr);
  {
    TCustomControl owner(nullptr);
    auto* item = new TMenuItem(&owner);
    menu->Items()->Add(item);
    EXPECT_EQ(menu->Items()->Count(), 1);
  }
  EXPECT_EQ(menu->Items()->Count(), 0);
}

TEST_F(MenuTest, ARightClickOrTheMenuKeyOpensTheControlsPopupMenu) {
  QWidget window;
  window.resize(300, 100);
  Owner->setParent(&window);
  Owner->SetBounds(0, 0, 100, 50);
  auto* edit = new TEdit(nullptr);
  edit->setParent(&window);
  edit->SetBounds(150, 0, 100, 24);
  Owner->SetPopupMenu(Menu);
  edit->SetPopupMenu(Menu);
  ShowAndWait(&window);
  for (TControl* c : {static_cast<TControl*>(Owner.get()), static_cast<TControl*>(edit)}) {
    Clicked.clear();
    Menu->SetPopupComponent(nullptr);
    AnswerNextModal({.MenuItem = QStringLiteral("DIt7")});
    WindowClick(c, QPoint(10, 10), Qt::RightButton);
    EXPECT_EQ(Clicked, std::vector<QString>({"popup", "DIt7"}));
    EXPECT_EQ(Menu->PopupComponent(), c);

    Clicked.clear();
    AnswerNextModal({});
    QPoint local;
    QWidget* target = TargetAt(c, QPoint(5, 5), local);
    QContextMenuEvent key(QContextMenuEvent::Keyboard, local, target->mapToGlobal(local));
    QApplication::sendEvent(target, &key);
    EXPECT_EQ(Clicked, std::vector<QString>({"popup"}));
  }
  // A menu that is destroyed is forgotten.
  delete Menu;
  EXPECT_EQ(edit->PopupMenu(), nullptr);
  Owner->setParent(nullptr);
}
