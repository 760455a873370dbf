#include "OrvTInplaceEdit.h"

#include "OrvKeyCodes.h"
#include "OrvTCustomGrid.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QScrollBar>

namespace orv {

// ---------------------------------------------------------------- TInplaceEdit

TInplaceEdit::TInplaceEdit(TCustomGrid* AGrid) : TCustomEdit(AGrid), FGrid(AGrid) {
  LineEdit()->setFrame(false);
  setFocusPolicy(Qt::ClickFocus);
}

void TInplaceEdit::UpdateContents() {
  // Tab reaches KeyDown (and from there the grid) when it moves between cells.
  SetWantTabs(FGrid->Options().Contains(goTabs));
  SetText(FGrid->GetEditText(FGrid->Col(), FGrid->Row()));
}

void TInplaceEdit::KeyDown(std::uint16_t& Key, TShiftState Shift) {
  // With goAlwaysShowEditor, Left and Home leave the editor from its start,
  // Right and End from its end (or when all the text is selected).
  const bool always = FGrid->Options().Contains(goAlwaysShowEditor);
  const int len = int(Text().size()), start = SelStart(), end = start + SelLength();
  const bool allSelected = start == 0 && end == len;
  const bool atStart = always && (allSelected || end == 0);
  const bool atEnd = always && (allSelected || start == len);
  const bool ctrl = Shift.Contains(ssCtrl);
  bool toGrid = false;
  switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT: toGrid = true; break;
    case VK_LEFT: toGrid = atStart || (always && ctrl); break;
    case VK_RIGHT: toGrid = atEnd || (always && ctrl); break;
    case VK_HOME: toGrid = ctrl || atStart; break;
    case VK_END: toGrid = ctrl || atEnd; break;
    case VK_TAB: toGrid = FGrid->Options().Contains(goTabs) && !Shift.Contains(ssAlt); break;
    default: break;
  }
  if (toGrid) {
    FGrid->KeyDown(Key, Shift);
    Key = 0;
    return;
  }
  TCustomEdit::KeyDown(Key, Shift);
}

void TInplaceEdit::KeyPress(QChar& Key) {
  FGrid->KeyPress(Key);
  if (Key == QChar(VK_ESCAPE) || Key == QChar(VK_TAB)) Key = QChar();
  if (!Key.isNull()) TCustomEdit::KeyPress(Key);
}

void TInplaceEdit::Change() {
  TCustomEdit::Change();
  FGrid->EditorTextChanged(Text());
}

void TInplaceEdit::DoExit() {
  TCustomEdit::DoExit();
  FGrid->EditorExit();
}

// ------------------------------------------------------------ TInplaceEditList

namespace {

// The drop-down button's picture: a small triangle pointing down.
QIcon DropDownIcon() {
  QPixmap pm(12, 12);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(ColorToQRgb(clWindowText)));
  const QPoint tri[] = {QPoint(2, 4), QPoint(10, 4), QPoint(6, 8)};
  p.drawPolygon(tri, 3);
  return QIcon(pm);
}

}  // namespace

TInplaceEditList::TInplaceEditList(TCustomGrid* AGrid)
    : TInplaceEdit(AGrid),
      FList(new QListWidget(this)),
      FButton(LineEdit()->addAction(DropDownIcon(), QLineEdit::TrailingPosition)) {
  FButton->setVisible(false);
  connect(FButton, &QAction::triggered, this, [this] {
    if (ListVisible())
      CloseUp(false);
    else
      DropDown();
  });
  FList->setWindowFlags(Qt::Popup);
  FList->setFocusPolicy(Qt::StrongFocus);
  FList->installEventFilter(this);
  connect(FList, &QListWidget::itemClicked, this, [this] { CloseUp(true); });
}

TInplaceEditList::~TInplaceEditList() = default;

void TInplaceEditList::SetEditStyle(TEditStyle Value) {
  if (Value == FEditStyle) return;
  CloseUp(false);
  FEditStyle = Value;
  FButton->setVisible(Value == esPickList);
}

bool TInplaceEditList::ListVisible() const { return FList->isVisible(); }

void TInplaceEditList::UpdateContents() {
  CloseUp(false);
  SetEditStyle(Grid()->GetEditStyle(Grid()->Col(), Grid()->Row()));
  TInplaceEdit::UpdateContents();
}

void TInplaceEditList::DropDown() {
  if (FEditStyle != esPickList || ListVisible()) return;
  FPickList.clear();
  if (OnGetPickListItems) OnGetPickListItems(Grid()->Col(), Grid()->Row(), FPickList);
  if (FPickList.isEmpty()) return;
  FList->clear();
  FList->addItems(FPickList);
  const int current = int(FPickList.indexOf(Text()));
  FList->setCurrentRow(std::max(0, current));
  const int rows = std::min(int(FPickList.size()), FDropDownRows);
  const int frame = 2 * FList->frameWidth();
  const int scroll = int(FPickList.size()) > rows ? FList->verticalScrollBar()->sizeHint().width() : 0;
  const int w = std::max(width(), FList->sizeHintForColumn(0) + frame + scroll + 4);
  FList->setGeometry(QRect(mapToGlobal(QPoint(0, height())), QSize(w, rows * FList->sizeHintForRow(0) + frame)));
  FList->show();
  FList->setFocus(Qt::PopupFocusReason);
}

void TInplaceEditList::CloseUp(bool Accept) {
  if (!ListVisible()) return;
  const QListWidgetItem* item = FList->currentItem();
  const QString value = item ? item->text() : QString();
  FList->hide();
  LineEdit()->setFocus(Qt::PopupFocusReason);
  if (Accept && item) {
    SetText(value);
    SelectAll();
  }
}

void TInplaceEditList::KeyDown(std::uint16_t& Key, TShiftState Shift) {
  if (FEditStyle == esPickList && (Key == VK_F4 || (Key == VK_DOWN && Shift.Contains(ssAlt)))) {
    DropDown();
    Key = 0;
    return;
  }
  TInplaceEdit::KeyDown(Key, Shift);
}

void TInplaceEditList::DoExit() {
  if (ListVisible())
    TCustomEdit::DoExit();
  else
    TInplaceEdit::DoExit();
}

bool TInplaceEditList::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched == FList && Event->type() == QEvent::KeyPress) {
    switch (static_cast<QKeyEvent*>(Event)->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
        CloseUp(true);
        return true;
      case Qt::Key_Escape:
      case Qt::Key_F4:
        CloseUp(false);
        return true;
      default:
        break;
    }
  }
  return TInplaceEdit::eventFilter(Watched, Event);
}

}  // namespace orv
